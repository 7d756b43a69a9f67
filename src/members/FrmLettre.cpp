#include "members/FrmLettre.h"

#include "common/Contexte.h"
#include "common/Saisie.h"
#include "common/TexteFichier.h"
#include "common/Zoom.h"
#include "members/LettreRappel.h"
#include "platform/Environnement.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextDocument>

namespace vidora {

namespace {

const QString kExtension = QStringLiteral(".let");
const char* const kActions[] = {"Creer", "Charger", "Efface", "Code", "Ajout", "Supp"};

// The code list: the file "Code", whatever the letter case it was given.
QString fichierCodes() {
    const QString trouve = FichierDuDossier(QStringLiteral("Code"));
    return trouve.isEmpty() ? ctx().fichier(QStringLiteral("Code")) : trouve;
}

// The box's text with its lines ended the way the template files end them.
QString texteDeLaBoite(const QPlainTextEdit* box) {
    // The raw text keeps non-breaking spaces; only its block separators become line ends.
    QString t = box->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

// A template refused for a line the editor could not show without stalling.
QString messageLigneTropLongue(const QString& lettre, const QString& action) {
    return QStringLiteral("%1 A UNE LIGNE DE PLUS DE %2 CARACTERES : ELLE N'EST PAS %3")
        .arg(lettre)
        .arg(LongueurMaxLigneModele)
        .arg(action);
}

} // namespace

QString RefusNomModele(const QString& nom) {
    if (nom.trimmed().isEmpty()) return QStringLiteral("LE NOM DE LA LETTRE EST OBLIGATOIRE");
    if (nom.startsWith(QLatin1Char('.')))
        return QStringLiteral("LE NOM DE LA LETTRE NE PEUT PAS COMMENCER PAR UN POINT");
    for (QChar ch : nom)
        if (ch.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(ch))
            return QStringLiteral(
                "CE NOM NE PEUT PAS NOMMER UN FICHIER : LES CARACTERES / \\ : * ? \" < > | SONT INTERDITS");
    return {};
}

FrmLettre::FrmLettre() : Form(QStringLiteral("FrmLettre"), QStringLiteral("Lettre de Rapel")) {
    libelleNomLettre = controle(new QLabel(QStringLiteral("Nom de La Lettre"), this), "libelleNomLettre", 600,
                                300, 2800, 450);
    caseNomLettre = controle(new QLineEdit(this), "caseNomLettre", 3500, 300, 5000, 450);
    caseTexteLettre = controle(new QPlainTextEdit(this), "caseTexteLettre", 600, 1000, 10800, 6400);
    caseTexteLettre->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    listeLettresACharger = controle(new QListWidget(this), "listeLettresACharger", 3000, 1000, 6000, 6000);
    listeLettresAEffacer = controle(new QListWidget(this), "listeLettresAEffacer", 3000, 1000, 6000, 6000);
    libelleCode =
        controle(new QLabel(QStringLiteral("Nom du Code"), this), "libelleCode", 3000, 300, 6000, 450);
    caseCode = controle(new QLineEdit(this), "caseCode", 3000, 800, 6000, 450);
    MajusculeFrappe(caseCode);
    listeCodes = controle(new QListWidget(this), "listeCodes", 3000, 1500, 6000, 5800);
    listeCodesASupprimer = controle(new QListWidget(this), "listeCodesASupprimer", 3000, 1500, 6000, 5800);

    QMenu* m = ajouterMenu(QStringLiteral("Menu"), QStringLiteral("Menu"));
    const auto entree = [&](const char* nom, const char* libelle, void (FrmLettre::*slot)()) {
        connect(ajouterEntree(m, QString::fromLatin1(nom), QString::fromLatin1(libelle)), &QAction::triggered,
                this, slot);
    };
    entree("Enregistre", "Enregistrer", &FrmLettre::enregistrer);
    entree("Autre", "Autre Lettre", &FrmLettre::autreLettre);
    entree("Creer", "Creer une lettre", &FrmLettre::creerLettre);
    entree("Charger", "Charger un Lettre", &FrmLettre::chargerLettre);
    entree("Efface", "Effacer une lettre", &FrmLettre::effacerLettre);
    entree("Code", "Code Lettre", &FrmLettre::voirCodes);
    entree("Ajout", "Ajouter Code Lettre", &FrmLettre::ajouterCode);
    entree("Supp", "Supprimer un Code", &FrmLettre::supprimerCode);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmLettre::revenir);

    connect(listeLettresACharger, &QListWidget::itemClicked, this, &FrmLettre::lettreAChargerChoisie);
    connect(listeLettresAEffacer, &QListWidget::itemClicked, this, &FrmLettre::lettreAEffacerChoisie);
    connect(listeCodesASupprimer, &QListWidget::itemClicked, this, &FrmLettre::codeASupprimerChoisi);
    connect(caseCode, &QLineEdit::returnPressed, this, &FrmLettre::codeValide);
}

void FrmLettre::charger() {
    MiseEnPlaceStandard(*this);
    autreLettre();
}

void FrmLettre::autreLettre() {
    show();
    etat_ = Etat::Depart;
    for (QWidget* w : {static_cast<QWidget*>(caseTexteLettre), static_cast<QWidget*>(libelleNomLettre),
                       static_cast<QWidget*>(caseNomLettre), static_cast<QWidget*>(caseCode),
                       static_cast<QWidget*>(libelleCode), static_cast<QWidget*>(listeLettresACharger),
                       static_cast<QWidget*>(listeLettresAEffacer), static_cast<QWidget*>(listeCodes),
                       static_cast<QWidget*>(listeCodesASupprimer)})
        w->hide();
    caseTexteLettre->clear();
    fichierCourant_.clear();
    finDeLigneFinale_ = true;

    // Both lists show the templates, whatever the letter case of their extension.
    const QStringList modeles =
        QDir(ctx().CheminAppli)
            .entryList({QStringLiteral("*") + kExtension}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    listeLettresACharger->clear();
    listeLettresAEffacer->clear();
    listeLettresACharger->addItems(modeles);
    listeLettresAEffacer->addItems(modeles);

    for (const char* n : kActions)
        menu(QString::fromLatin1(n))->setEnabled(true);
    menu(QStringLiteral("Enregistre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(false);
}

void FrmLettre::entrerMode(Etat etat) {
    etat_ = etat;
    for (const char* n : kActions)
        menu(QString::fromLatin1(n))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmLettre::chargerLettre() {
    entrerMode(Etat::Chargement);
    listeLettresACharger->show();
}

void FrmLettre::creerLettre() {
    entrerMode(Etat::Creation);
    finDeLigneFinale_ = true;
    libelleNomLettre->show();
    caseNomLettre->show();
    caseTexteLettre->show();
    menu(QStringLiteral("Enregistre"))->setEnabled(true);
    caseNomLettre->setFocus();
}

void FrmLettre::effacerLettre() {
    entrerMode(Etat::Effacement);
    listeLettresAEffacer->show();
}

void FrmLettre::voirCodes() {
    entrerMode(Etat::Codes);
    remplirCodes(listeCodes);
    listeCodes->show();
}

void FrmLettre::ajouterCode() {
    entrerMode(Etat::Ajout);
    remplirCodes(listeCodes);
    caseCode->show();
    libelleCode->show();
    listeCodes->show();
    caseCode->setFocus();
}

void FrmLettre::supprimerCode() {
    entrerMode(Etat::Suppression);
    remplirCodes(listeCodesASupprimer);
    listeCodesASupprimer->show();
}

void FrmLettre::lettreAChargerChoisie(QListWidgetItem* item) {
    if (!item || etat_ != Etat::Chargement) return;
    const QString chemin = QDir(ctx().CheminAppli).filePath(item->text());
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        env().message(QStringLiteral("LA LETTRE %1 NE PEUT PAS ETRE LUE").arg(item->text()));
        return;
    }
    QString texte = DepuisWindows1252(f.readAll());
    if (LigneTropLongue(texte.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))) {
        env().message(messageLigneTropLongue(QStringLiteral("LA LETTRE %1").arg(item->text()),
                                             QStringLiteral("CHARGEE")));
        return;
    }
    // The save ends the file with one line end: the load leaves it out, so that saving a template
    // unchanged writes it back as it was.
    finDeLigneFinale_ = texte.endsWith(QLatin1Char('\n')) || texte.endsWith(QLatin1Char('\r'));
    if (texte.endsWith(QStringLiteral("\r\n")))
        texte.chop(2);
    else if (finDeLigneFinale_)
        texte.chop(1);
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    caseTexteLettre->setPlainText(texte);
    fichierCourant_ = chemin;

    listeLettresACharger->hide();
    twips::setFontSize(caseTexteLettre, 12.0 * ctx().PourcentZoom / 100);
    twips::setBold(caseTexteLettre, true);
    caseTexteLettre->show();
    menu(QStringLiteral("Enregistre"))->setEnabled(true);
}

void FrmLettre::enregistrer() {
    QString chemin;
    if (etat_ == Etat::Creation) {
        // The name is the one in the box now, checked before it becomes a file name.
        const QString nom = caseNomLettre->text();
        if (const QString refus = RefusNomModele(nom); !refus.isEmpty()) {
            env().message(refus);
            return;
        }
        chemin = FichierDuDossier(nom + kExtension);
        if (chemin.isEmpty()) chemin = ctx().fichier(nom + kExtension);
    } else if (etat_ == Etat::Chargement && !fichierCourant_.isEmpty()) {
        chemin = fichierCourant_;
    } else {
        return;
    }

    const QStringList lignes = texteDeLaBoite(caseTexteLettre).split(QLatin1Char('\n'));
    // A template the editor could not load again, nor the reminders print, is not written.
    if (LigneTropLongue(lignes)) {
        env().message(messageLigneTropLongue(QStringLiteral("LA LETTRE"), QStringLiteral("ENREGISTREE")));
        return;
    }
    QByteArray octets = VersWindows1252(lignes.join(QStringLiteral("\r\n")));
    if (etat_ == Etat::Creation || finDeLigneFinale_) octets += "\r\n";
    // Replaced whole or not at all: a full disk leaves the template as it was, and says so.
    if (const EcritureEchouee e = EcrireFichierEntier(chemin, octets)) {
        env().message(MessageEcritureEchouee(chemin, e));
        return;
    }
    if (etat_ == Etat::Creation) finDeLigneFinale_ = true;
}

void FrmLettre::lettreAEffacerChoisie(QListWidgetItem* item) {
    if (!item || etat_ != Etat::Effacement) return;
    const QString nom = item->text();
    if (env().question(QStringLiteral("ETES VOUR DE VOULOIR EFFACER ") + nom, QString(),
                       Environnement::ParDefaut::Non)) {
        const QString chemin = QDir(ctx().CheminAppli).filePath(nom);
        if (QFileInfo::exists(chemin) && !QFile::remove(chemin))
            env().message(QStringLiteral("LA LETTRE %1 N'A PAS PU ETRE EFFACEE").arg(nom));
    }
    autreLettre();
}

void FrmLettre::remplirCodes(QListWidget* liste) {
    liste->clear();
    const QString chemin = fichierCodes();
    // No list written yet is an empty list.
    if (!QFileInfo::exists(chemin)) {
        codesLus_ = true;
        return;
    }
    const std::optional<QStringList> codes = LireLignes(chemin);
    codesLus_ = codes.has_value();
    if (!codesLus_) {
        env().message(QStringLiteral("LA LISTE DES CODES NE PEUT PAS ETRE LUE"));
        return;
    }
    liste->addItems(*codes);
}

bool FrmLettre::ecrireCodes(const QStringList& codes) {
    // A list that could not be read is never written over.
    if (!codesLus_) {
        env().message(QStringLiteral("LA LISTE DES CODES N'A PAS PU ETRE ENREGISTREE"));
        return false;
    }
    const QString chemin = fichierCodes();
    if (const EcritureEchouee e = EcrireLignes(chemin, codes)) {
        env().message(MessageEcritureEchouee(chemin, e));
        return false;
    }
    return true;
}

void FrmLettre::codeValide() {
    if (etat_ != Etat::Ajout) return;
    if (!codesLus_) {
        env().message(QStringLiteral("LA LISTE DES CODES NE PEUT PAS ETRE LUE : AUCUN CODE N'A ETE AJOUTE"));
        return;
    }
    listeCodes->addItem(caseCode->text().trimmed());
    QStringList codes;
    for (int i = 0; i < listeCodes->count(); ++i)
        if (const QString c = listeCodes->item(i)->text().trimmed(); !c.isEmpty()) codes << c;
    if (ecrireCodes(codes)) caseCode->clear();
    ajouterCode();
}

void FrmLettre::codeASupprimerChoisi(QListWidgetItem* item) {
    if (!item || etat_ != Etat::Suppression) return;
    const QString code = item->text().trimmed();
    QStringList codes;
    for (int i = 0; i < listeCodesASupprimer->count(); ++i)
        if (listeCodesASupprimer->item(i)->text().trimmed() != code)
            codes << listeCodesASupprimer->item(i)->text();
    ecrireCodes(codes);
    remplirCodes(listeCodesASupprimer);
}

void FrmLettre::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
