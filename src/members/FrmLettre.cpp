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
#include <QSaveFile>
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
    Label1 = controle(new QLabel(QStringLiteral("Nom de La Lettre"), this), 600, 300, 2800, 450);
    Text2 = controle(new QLineEdit(this), 3500, 300, 5000, 450);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text1 = controle(new QPlainTextEdit(this), 600, 1000, 10800, 6400);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    File1 = controle(new QListWidget(this), 3000, 1000, 6000, 6000);
    File1->setObjectName(QStringLiteral("File1"));
    File2 = controle(new QListWidget(this), 3000, 1000, 6000, 6000);
    File2->setObjectName(QStringLiteral("File2"));
    Label2 = controle(new QLabel(QStringLiteral("Nom du Code"), this), 3000, 300, 6000, 450);
    Text3 = controle(new QLineEdit(this), 3000, 800, 6000, 450);
    Text3->setObjectName(QStringLiteral("Text3"));
    MajusculeFrappe(Text3);
    List1 = controle(new QListWidget(this), 3000, 1500, 6000, 5800);
    List1->setObjectName(QStringLiteral("List1"));
    List2 = controle(new QListWidget(this), 3000, 1500, 6000, 5800);
    List2->setObjectName(QStringLiteral("List2"));

    QMenu* m = ajouterMenu(QStringLiteral("Menu"), QStringLiteral("Menu"));
    const auto entree = [&](const char* nom, const char* libelle, void (FrmLettre::*slot)()) {
        connect(ajouterEntree(m, QString::fromLatin1(nom), QString::fromLatin1(libelle)), &QAction::triggered,
                this, slot);
    };
    entree("Enregistre", "Enregistrer", &FrmLettre::Enregistre_Click);
    entree("Autre", "Autre Lettre", &FrmLettre::Lire);
    entree("Creer", "Creer une lettre", &FrmLettre::Creer_Click);
    entree("Charger", "Charger un Lettre", &FrmLettre::Charger_Click);
    entree("Efface", "Effacer une lettre", &FrmLettre::Efface_Click);
    entree("Code", "Code Lettre", &FrmLettre::Code_Click);
    entree("Ajout", "Ajouter Code Lettre", &FrmLettre::Ajout_Click);
    entree("Supp", "Supprimer un Code", &FrmLettre::Supp_Click);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmLettre::Retour_Click);

    connect(File1, &QListWidget::itemClicked, this, &FrmLettre::File1_Click);
    connect(File2, &QListWidget::itemClicked, this, &FrmLettre::File2_Click);
    connect(List2, &QListWidget::itemClicked, this, &FrmLettre::List2_Click);
    connect(Text3, &QLineEdit::returnPressed, this, &FrmLettre::Text3_Entree);
}

void FrmLettre::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmLettre::Lire() {
    show();
    etat_ = Etat::Depart;
    for (QWidget* w :
         {static_cast<QWidget*>(Text1), static_cast<QWidget*>(Label1), static_cast<QWidget*>(Text2),
          static_cast<QWidget*>(Text3), static_cast<QWidget*>(Label2), static_cast<QWidget*>(File1),
          static_cast<QWidget*>(File2), static_cast<QWidget*>(List1), static_cast<QWidget*>(List2)})
        w->hide();
    Text1->clear();
    fichierCourant_.clear();
    finDeLigneFinale_ = true;

    // Both lists show the templates, whatever the letter case of their extension.
    const QStringList modeles =
        QDir(ctx().CheminAppli)
            .entryList({QStringLiteral("*") + kExtension}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    File1->clear();
    File2->clear();
    File1->addItems(modeles);
    File2->addItems(modeles);

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

void FrmLettre::Charger_Click() {
    entrerMode(Etat::Chargement);
    File1->show();
}

void FrmLettre::Creer_Click() {
    entrerMode(Etat::Creation);
    finDeLigneFinale_ = true;
    Label1->show();
    Text2->show();
    Text1->show();
    menu(QStringLiteral("Enregistre"))->setEnabled(true);
    Text2->setFocus();
}

void FrmLettre::Efface_Click() {
    entrerMode(Etat::Effacement);
    File2->show();
}

void FrmLettre::Code_Click() {
    entrerMode(Etat::Codes);
    remplirCodes(List1);
    List1->show();
}

void FrmLettre::Ajout_Click() {
    entrerMode(Etat::Ajout);
    remplirCodes(List1);
    Text3->show();
    Label2->show();
    List1->show();
    Text3->setFocus();
}

void FrmLettre::Supp_Click() {
    entrerMode(Etat::Suppression);
    remplirCodes(List2);
    List2->show();
}

void FrmLettre::File1_Click(QListWidgetItem* item) {
    if (!item || etat_ != Etat::Chargement) return;
    const QString chemin = QDir(ctx().CheminAppli).filePath(item->text());
    if (ModeleTropGrand(chemin)) {
        env().message(
            QStringLiteral("LA LETTRE %1 DEPASSE 64 KO : ELLE N'EST PAS CHARGEE").arg(item->text()));
        return;
    }
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        env().message(QStringLiteral("LA LETTRE %1 NE PEUT PAS ETRE LUE").arg(item->text()));
        return;
    }
    QString texte = DepuisWindows1252(f.readAll());
    // The save ends the file with one line end: the load leaves it out, so that saving a template
    // unchanged writes it back as it was.
    finDeLigneFinale_ = texte.endsWith(QLatin1Char('\n')) || texte.endsWith(QLatin1Char('\r'));
    if (texte.endsWith(QStringLiteral("\r\n")))
        texte.chop(2);
    else if (finDeLigneFinale_)
        texte.chop(1);
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Text1->setPlainText(texte);
    fichierCourant_ = chemin;

    File1->hide();
    twips::setFontSize(Text1, 12.0 * ctx().PourcentZoom / 100);
    twips::setBold(Text1, true);
    Text1->show();
    menu(QStringLiteral("Enregistre"))->setEnabled(true);
}

void FrmLettre::Enregistre_Click() {
    QString chemin;
    if (etat_ == Etat::Creation) {
        // The name is the one in the box now, checked before it becomes a file name.
        const QString nom = Text2->text();
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

    const QStringList lignes = texteDeLaBoite(Text1).split(QLatin1Char('\n'));
    QByteArray octets = VersWindows1252(lignes.join(QStringLiteral("\r\n")));
    if (etat_ == Etat::Creation || finDeLigneFinale_) octets += "\r\n";
    // A template the editor could not load again, nor the reminders print, is not written.
    if (octets.size() > TailleMaxModele) {
        env().message(QStringLiteral("LA LETTRE DEPASSE 64 KO : ELLE N'EST PAS ENREGISTREE"));
        return;
    }
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit()) {
        env().message(
            QStringLiteral("LA LETTRE %1 N'A PAS PU ETRE ENREGISTREE").arg(QFileInfo(chemin).fileName()));
        return;
    }
    if (etat_ == Etat::Creation) finDeLigneFinale_ = true;
}

void FrmLettre::File2_Click(QListWidgetItem* item) {
    if (!item || etat_ != Etat::Effacement) return;
    const QString nom = item->text();
    if (env().question(QStringLiteral("ETES VOUR DE VOULOIR EFFACER ") + nom, QString(),
                       Environnement::ParDefaut::Non)) {
        const QString chemin = QDir(ctx().CheminAppli).filePath(nom);
        if (QFileInfo::exists(chemin) && !QFile::remove(chemin))
            env().message(QStringLiteral("LA LETTRE %1 N'A PAS PU ETRE EFFACEE").arg(nom));
    }
    Lire();
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
    if (!codesLus_ || !EcrireLignes(fichierCodes(), codes)) {
        env().message(QStringLiteral("LA LISTE DES CODES N'A PAS PU ETRE ENREGISTREE"));
        return false;
    }
    return true;
}

void FrmLettre::Text3_Entree() {
    if (etat_ != Etat::Ajout) return;
    if (!codesLus_) {
        env().message(QStringLiteral("LA LISTE DES CODES NE PEUT PAS ETRE LUE : AUCUN CODE N'A ETE AJOUTE"));
        return;
    }
    List1->addItem(Text3->text().trimmed());
    QStringList codes;
    for (int i = 0; i < List1->count(); ++i)
        if (const QString c = List1->item(i)->text().trimmed(); !c.isEmpty()) codes << c;
    if (ecrireCodes(codes)) Text3->clear();
    Ajout_Click();
}

void FrmLettre::List2_Click(QListWidgetItem* item) {
    if (!item || etat_ != Etat::Suppression) return;
    const QString code = item->text().trimmed();
    QStringList codes;
    for (int i = 0; i < List2->count(); ++i)
        if (List2->item(i)->text().trimmed() != code) codes << List2->item(i)->text();
    ecrireCodes(codes);
    remplirCodes(List2);
}

void FrmLettre::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
