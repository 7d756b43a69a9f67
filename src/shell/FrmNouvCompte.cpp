#include "shell/FrmNouvCompte.h"

#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "platform/RegleSaisie.h"
#include "shell/FrmParamettre.h"
#include "shell/Ouverture.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vidora {

QString NomFichierBase(const QString& nom) {
    const int point = nom.indexOf(QLatin1Char('.'));
    if (point < 0) return nom + QStringLiteral(".MDB");
    if (nom.mid(point) == QLatin1String(".MDB")) return nom;
    return nom.left(point) + QStringLiteral(".MDB");
}

QString RefusNomBase(const QString& nom) {
    // What comes before the first dot names the file: ".DAT" would give ".MDB", a hidden file that
    // the main window never lists.
    if (nom.left(nom.indexOf(QLatin1Char('.'))).trimmed().isEmpty())
        return QStringLiteral("LE NOM DE LA BIBLIOTHEQUE EST OBLIGATOIRE");
    for (QChar ch : nom)
        if (ch.unicode() < 32 || ch.unicode() == 127 || QStringLiteral("/\\:*?\"<>|").contains(ch))
            return QStringLiteral(
                "CE NOM NE PEUT PAS NOMMER UN FICHIER : LES CARACTERES / \\ : * ? \" < > | SONT INTERDITS");
    return QString();
}

void ChargerNouvelleBase(Form* principale) {
    Charger<FrmNouvCompte>();
    if (principale) principale->decharger();
}

FrmNouvCompte::FrmNouvCompte() : Form(QStringLiteral("FrmNouvCompte"), QStringLiteral("CREATION DE BASE")) {
    libelleTitre =
        controle(new QLabel(QStringLiteral("CREATION DE BASE"), this), "libelleTitre", 3000, 1200, 6000, 700);
    libelleTitre->setAlignment(Qt::AlignCenter);
    libelleNom = controle(new QLabel(QStringLiteral("Nom de La Bibliotheque"), this), "libelleNom", 3000,
                          2800, 6000, 400);
    caseNom = controle(new QLineEdit(this), "caseNom", 3000, 3300, 6000, 450);
    caseNom->setMaxLength(19);
    MajusculeFrappe(caseNom);
    boutonCreer = controle(new QPushButton(QStringLiteral("OK"), this), "boutonCreer", 3500, 4500, 2000, 500);
    boutonCreer->setDefault(true);
    boutonAnnuler =
        controle(new QPushButton(QStringLiteral("Annulé"), this), "boutonAnnuler", 6500, 4500, 2000, 500);
    connect(boutonCreer, &QPushButton::clicked, this, &FrmNouvCompte::creer);
    connect(boutonAnnuler, &QPushButton::clicked, this, &FrmNouvCompte::revenir);
    // Enter in the name box presses the default button.
    connect(caseNom, &QLineEdit::returnPressed, boutonCreer, &QPushButton::click);
}

void FrmNouvCompte::charger() {
    MiseEnPlaceStandard(*this);
    caseNom->show();
    caseNom->setFocus();
}

void FrmNouvCompte::creer() {
    const QString saisi = EnMajuscules(caseNom->text());
    if (const QString refus = RefusNomBase(saisi); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    Contexte& c = ctx();
    const QString nomBase = NomFichierBase(saisi);
    const QDir dossier(c.CheminAppli);
    const QString cible = dossier.filePath(nomBase);

    // The existing file, found without regard to case ("club.mdb" stands for "CLUB.MDB").
    const QString existant = TrouverFichier(c.CheminAppli, nomBase);
    if (!existant.isEmpty()) {
        if (!env().question(QStringLiteral("Ecraser Oui/Non"), QStringLiteral("CETTE BASE EXISTE DEJA"),
                            Environnement::ParDefaut::Non))
            return;
        if (c.BaseEnCours &&
            QFileInfo(c.BaseEnCours->chemin())
                    .absoluteFilePath()
                    .compare(QFileInfo(existant).absoluteFilePath(), Qt::CaseInsensitive) == 0) {
            c.fermerTables();
            c.BaseEnCours.reset();
        }
    }

    boutonCreer->setEnabled(false);
    boutonAnnuler->setEnabled(false);

    // Built aside, then renamed into place: the old file stays whole until the new one is complete.
    effacerFichiersDeTravail(c.CheminAppli);
    QString temp;
    const auto echec = MessageEchec(QStringLiteral("LA BASE N'A PAS PU ETRE CREEE"), [&] {
        temp = reserverFichierDeTravail(cible);
        auto base = Database::creer(temp);
        CreerSchema(*base);
        base->fermer();
        env().pointDeControle("creation-base");
        remplacerFichierBase(temp, cible);
        temp.clear();
        // The old file under another letter case goes, and its journal with it.
        if (!existant.isEmpty() && existant != cible) {
            QFile::remove(existant);
            QFile::remove(existant + QStringLiteral("-journal"));
        }
    });
    if (echec) {
        if (!temp.isEmpty()) QFile::remove(temp);
        env().message(*echec);
        boutonCreer->setEnabled(true);
        boutonAnnuler->setEnabled(true);
        return;
    }

    dossier.mkpath(QStringLiteral("Images"));
    const bool ouverte = Tenter(QStringLiteral("LA BASE N'A PAS PU ETRE OUVERTE"), [&] {
        c.fermerTables();
        c.BaseEnCours = Database::ouvrir(cible);
    });
    if (!ouverte) {
        boutonCreer->setEnabled(true);
        boutonAnnuler->setEnabled(true);
        return;
    }
    c.NomBase = nomBase;
    Charger<FrmParamettre>();
    decharger();
}

void FrmNouvCompte::revenir() {
    RevenirAuDepart(this);
}

} // namespace vidora
