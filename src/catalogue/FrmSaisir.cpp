#include "catalogue/FrmSaisir.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Matricule.h"
#include "common/Refus.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "common/TexteFichier.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "platform/PageWeb.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vidora {

const QString FrmSaisir::AdressePage = QStringLiteral("https://fr.wikipedia.org/wiki/Film");

namespace {
const QString kCD = QStringLiteral("CD");
} // namespace

FrmSaisir::FrmSaisir() : Form(QStringLiteral("FrmSaisir"), QStringLiteral("Saisir un Film")) {
    const auto etiquette = [this](const char* texte, double haut) {
        return controle(new QLabel(QString::fromUtf8(texte), this), 500, haut, 2500, 400);
    };
    const auto boite = [this](double haut, double largeur, const char* champ) {
        auto* b = controle(new QLineEdit(this), 3100, haut, largeur, 420);
        if (champ) LimiterAuChamp(b, LargeurChamp(kCD, QString::fromLatin1(champ)));
        return b;
    };
    Label1 = controle(new QLabel(QStringLiteral("Saisir un Film"), this), 3500, 100, 5000, 500);
    Label1->setAlignment(Qt::AlignCenter);
    Command1 = controle(new QPushButton(QStringLiteral("GO"), this), 9700, 100, 900, 450);
    Command2 = controle(new QPushButton(QStringLiteral("Affiche"), this), 10700, 100, 1100, 450);
    Label2 = etiquette("Reference", 900);
    Text1 = boite(850, 2600, "MatriculeCD");
    Label3 = etiquette("Titre", 1450);
    Text2 = boite(1400, 5800, "Nom");
    Label13 = controle(new QLabel(QStringLiteral("Faire Entrer après la saisis du titre"), this), 3100, 1850,
                       5800, 350);
    Label4 = etiquette("Categorie", 2300);
    Combo1 = controle(ListeFilm(this), 3100, 2250, 4200, 420);
    Label5 = etiquette("Etat", 2850);
    Combo2 = controle(ListeFilm(this), 3100, 2800, 4200, 420);
    Label6 = etiquette("Specialite", 3400);
    Combo3 = controle(ListeFilm(this), 3100, 3350, 4200, 420);
    Label7 = etiquette("Date de Saisis", 3950);
    Text3 = boite(3900, 1800, "Date");
    Label8 = etiquette("Travée", 4500);
    Text4 = boite(4450, 1000, nullptr);
    Label9 = etiquette("Rang", 5050);
    Text5 = boite(5000, 1000, nullptr);
    Label10 = etiquette("Numero", 5600);
    Text6 = boite(5550, 1000, nullptr);
    Label11 = etiquette("Nombre d'Exemplaire", 6150);
    Text7 = boite(6100, 1000, nullptr);
    Text8 = boite(6650, 500, nullptr);
    Text8->hide();
    Text9 = boite(6650, 3000, nullptr);
    Text9->setText(AdressePage);
    Text9->hide();
    Image1 = controle(new BoiteImage(this), 7600, 2250, 4000, 4600);
    MonthView1 = controle(new QCalendarWidget(this), 7600, 2250, 4000, 3000);
    MonthView1->hide();
    WebBrowser1 = controle(new PageWeb(this), 150, 700, 11700, 7300);
    WebBrowser1->hide();

    MajusculeFrappe(Text2);
    // Installed after the capitals rule, so it sees each key first.
    Text2->installEventFilter(this);
    MajusculeFrappe(Text4);
    connect(Text2, &QLineEdit::returnPressed, this, &FrmSaisir::Text2_KeyPress);
    connect(Command1, &QPushButton::clicked, this, &FrmSaisir::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FrmSaisir::Command2_Click);
    connect(MonthView1, &QCalendarWidget::clicked, this, &FrmSaisir::MonthView1_DateClick);

    const auto entree = [this](const char* nom, const char* libelle, void (FrmSaisir::*h)()) {
        connect(ajouterEntree(QString::fromUtf8(nom), QString::fromUtf8(libelle)), &QAction::triggered, this,
                h);
    };
    entree("Retour", "Retour", &FrmSaisir::Retour_Click);
    entree("Enresitre", "Enregsitrer", &FrmSaisir::Enresitre_Click);
    entree("Autre", "Autre Saisis", &FrmSaisir::Autre_Click);
    entree("SaiAffiche", "Saisir Affiche", &FrmSaisir::SaiAffiche_Click);
}

bool FrmSaisir::eventFilter(QObject* o, QEvent* e) {
    // Every key in the title box shows the hint, until Enter.
    if (o == Text2 && e->type() == QEvent::KeyPress) Label13->show();
    return Form::eventFilter(o, e);
}

void FrmSaisir::charger() {
    MiseEnPlaceStandard(*this);
    menu(QStringLiteral("SaiAffiche"))->setEnabled(true);
    MonthView1->setSelectedDate(env().aujourdhui());
    Label13->hide();
    WebBrowser1->hide();
    Command2->hide();
    menu(QStringLiteral("Enresitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(false);
    MonthView1->hide();
    Command1->show();
    preparer();
}

void FrmSaisir::preparer() {
    refusPreparation_.clear();
    enregistre_ = false;
    placeLue_ = false;
    compteurLu_ = false;
    try {
        const Classement c = LireClassement(ctx().base());
        placeEnMain_ = c.place;
        placeLue_ = true;
        Text4->setText(placeEnMain_.Trave);
        Text5->setText(QString::number(placeEnMain_.Rang));
        Text6->setText(QString::number(placeEnMain_.Numero));
    } catch (const Refus& r) {
        refusPreparation_ = r.message();
    } catch (const ErreurBase& e) {
        refusPreparation_ = QStringLiteral("LE CLASSEMENT NE PEUT ETRE LU :\n%1").arg(e.message());
    }
    try {
        RemplirListesFilm(Combo1, Combo2, Combo3);
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LES LISTES NE PEUVENT ETRE LUES :\n%1").arg(e.message()));
    }
    MonthView1_DateClick();
    try {
        auto t = ctx().base().ouvrirTable(QStringLiteral("CDChe"));
        if (t->Fin() || t->EstNull(QStringLiteral("MatriculeCD")))
            throw Refus(QStringLiteral("LE COMPTEUR DES FILMS EST ABSENT DE LA BASE"));
        compteur_ = t->Value(QStringLiteral("MatriculeCD")).toLongLong();
        // Past its room the identifier would be cut short in its field; the film is refused instead.
        if (compteur_ < 0)
            throw Refus(
                QStringLiteral("LE COMPTEUR DES FILMS (TABLE CDChe) EST INUTILISABLE : AUCUN FILM NE PEUT "
                               "ETRE ENREGISTRE"));
        if (compteur_ > kDernierCompteurFilm)
            throw Refus(
                QStringLiteral("LE NOMBRE MAXIMUM DE FILMS (%1) EST ATTEINT : AUCUN FILM NE PEUT ETRE "
                               "ENREGISTRE")
                    .arg(kDernierCompteurFilm));
        compteurLu_ = true;
    } catch (const Refus& r) {
        if (refusPreparation_.isEmpty()) refusPreparation_ = r.message();
    } catch (const ErreurBase& e) {
        if (refusPreparation_.isEmpty())
            refusPreparation_ =
                QStringLiteral("LE COMPTEUR DES FILMS NE PEUT ETRE LU :\n%1").arg(e.message());
    }
    Text8->setText(QStringLiteral("N"));
    Text1->setText(compteurLu_ ? ComposerMatriculeCD(QString::number(compteur_), env().aujourdhui())
                               : QString());
    Text2->setFocus();
    if (!refusPreparation_.isEmpty()) env().message(refusPreparation_);
}

void FrmSaisir::MonthView1_DateClick() {
    // The calendar holds today; a calendar left behind by a night or a new year gives today still.
    const QDate jour = env().aujourdhui();
    if (MonthView1->selectedDate() != jour) MonthView1->setSelectedDate(jour);
    Text3->setText(jour.toString(QStringLiteral("dd/MM/yyyy")));
}

void FrmSaisir::Text2_KeyPress() {
    Text2->setText(Text2->text().toUpper());
    Label13->hide();
    const QString t = Text2->text().trimmed();
    if (t.isEmpty()) {
        env().message(QStringLiteral("UN TITRE EST OBLIGATOIRE"));
        return;
    }
    try {
        TablesFermees fermees;
        if (ChercherFilmParTitre(t)) {
            const Recordset& r = *ctx().TableOuverte;
            Text2->setText(r.Texte(QStringLiteral("Nom")));
            MontrerTexte(Combo1, r.Texte(QStringLiteral("Categorie")));
            MontrerTexte(Combo2, r.Texte(QStringLiteral("Etat")));
            MontrerTexte(Combo3, r.Texte(QStringLiteral("Specialiter")));
            Text3->setText(r.Texte(QStringLiteral("Date")));
            Text7->setText(r.Texte(QStringLiteral("Sortie")));
            env().message(QStringLiteral("Ce titre existe déjà"));
            Text2->clear();
            Text7->clear();
            for (QComboBox* c : {Combo1, Combo2, Combo3}) {
                c->setCurrentIndex(-1);
                c->setEditText(QString());
            }
            MonthView1_DateClick();
        }
    } catch (const std::exception&) {
        // The look-up only informs: the save checks the title again.
    }
    // Once the film is stored, a new title waits for "Autre Saisis": it would reuse the spent
    // identifier and place.
    menu(QStringLiteral("Enresitre"))->setEnabled(!enregistre_);
}

QString FrmSaisir::refusSaisie(const QString& titre) const {
    if (titre.isEmpty()) return QStringLiteral("UN TITRE EST OBLIGATOIRE");
    if (Combo1->currentText().isEmpty()) return QStringLiteral("CATEGORIE DOIT ÊTRE SERVIS");
    if (Combo2->currentText().isEmpty()) return QStringLiteral("ETAT DOIT ÊTRE SERVIS");
    if (Combo3->currentText().isEmpty()) return QStringLiteral("SPECIALITE DOIT ÊTRE SERVIS");
    if (QString r = RefusNombreExemplaires(Text7->text()); !r.isEmpty()) return r;
    if (QString r = RefusLargeur({{"Reference", "MatriculeCD", Text1->text().trimmed()},
                                  {"Titre", "Nom", titre},
                                  {"Categorie", "Categorie", Combo1->currentText()},
                                  {"Etat", "Etat", Combo2->currentText()},
                                  {"Specialite", "Specialiter", Combo3->currentText()},
                                  {"Date de Saisis", "Date", Text3->text().trimmed()}});
        !r.isEmpty())
        return r;
    if (!placeLue_ || !compteurLu_) return refusPreparation_;
    return QString();
}

void FrmSaisir::Enresitre_Click() {
    if (enregistre_) return;
    menu(QStringLiteral("SaiAffiche"))->setEnabled(false);
    const QString titre = Text2->text().trimmed().toUpper();
    if (const QString refus = refusSaisie(titre); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    const bool avecImage = Text8->text().trimmed() == QLatin1String("O") && Image1->aUneImage();
    try {
        Database& db = ctx().base();
        Transaction tr(db);
        {
            TablesFermees fermees;
            if (ChercherFilmParTitre(titre)) {
                env().message(QStringLiteral("Ce titre existe déjà"));
                return;
            }
        }
        auto cd = db.ouvrirTable(kCD);
        cd->AddNew();
        cd->SetValue(QStringLiteral("MatriculeCD"), Text1->text().trimmed());
        cd->SetValue(QStringLiteral("Traver"), placeEnMain_.Trave);
        cd->SetValue(QStringLiteral("Rang"), QString::number(placeEnMain_.Rang));
        cd->SetValue(QStringLiteral("Numero"), QString::number(placeEnMain_.Numero));
        cd->SetValue(QStringLiteral("Nom"), titre);
        cd->SetValue(QStringLiteral("Categorie"), Combo1->currentText());
        cd->SetValue(QStringLiteral("Etat"), Combo2->currentText());
        cd->SetValue(QStringLiteral("Specialiter"), Combo3->currentText());
        cd->SetValue(QStringLiteral("Date"), Text3->text().trimmed());
        cd->SetValue(QStringLiteral("Sortie"), QString::number(Text7->text().trimmed().toInt()));
        cd->SetValue(QStringLiteral("Image"), avecImage);
        cd->Update();
        env().pointDeControle("saisie-film");
        AvancerEmplacement(db, placeEnMain_);
        env().pointDeControle("saisie-classement");
        auto che = db.ouvrirTable(QStringLiteral("CDChe"));
        if (che->Fin()) throw Refus(QStringLiteral("LE COMPTEUR DES FILMS EST ABSENT DE LA BASE"));
        che->Edit();
        che->SetValue(QStringLiteral("MatriculeCD"), compteur_ + 1);
        che->Update();
        if (avecImage) {
            env().pointDeControle("saisie-image");
            // Named from the stored title, where every reader looks for it.
            EcrireImageFilm(titre, Image1->image());
        }
        tr.valider();
    } catch (const Refus& r) {
        env().message(r.message());
        return;
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE FILM N'A PAS ETE ENREGISTRE :\n%1").arg(e.message()));
        return;
    } catch (const std::exception& e) {
        env().message(
            QStringLiteral("LE FILM N'A PAS ETE ENREGISTRE :\n%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    // The stored counter is now the one in hand: a second film of this window gets the next one.
    ++compteur_;
    enregistre_ = true;
    const QStringList etiquette = {Text1->text() + QStringLiteral("  ") + Text2->text(),
                                   QStringLiteral("Classement ") + Text4->text().toUpper() +
                                       QStringLiteral(" - ") + Text5->text() + QStringLiteral(" - ") +
                                       Text6->text()};
    if (!AjouterLignes(ctx().fichier(QStringLiteral("Etiquette")), etiquette))
        env().message(QStringLiteral("LE FILM EST ENREGISTRE, MAIS SON ETIQUETTE N'A PAS PU ETRE AJOUTEE AU "
                                     "FICHIER \"Etiquette\""));
    menu(QStringLiteral("Enresitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmSaisir::Autre_Click() {
    Command2->hide();
    WebBrowser1->hide();
    menu(QStringLiteral("SaiAffiche"))->setEnabled(true);
    for (QLineEdit* b : {Text1, Text2, Text4, Text5, Text6, Text7})
        b->clear();
    Image1->vider();
    for (QComboBox* c : {Combo1, Combo2, Combo3})
        c->clear();
    menu(QStringLiteral("Enresitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(false);
    MonthView1->hide();
    preparer();
}

void FrmSaisir::SaiAffiche_Click() {
    switch (ChoisirImage(*Image1)) {
    case ChoixImage::Chargee:
        Text8->setText(QStringLiteral("O"));
        break;
    case ChoixImage::Annulee: // closing the dialog without a file leaves the film without picture
        Image1->vider();
        Text8->setText(QStringLiteral("N"));
        break;
    case ChoixImage::PasUneImage:
        break;
    }
}

void FrmSaisir::Command1_Click() {
    Command2->show();
    WebBrowser1->naviguer(QUrl(Text9->text()));
    WebBrowser1->show();
    WebBrowser1->raise();
}

void FrmSaisir::Command2_Click() {
    Command2->hide();
    WebBrowser1->hide();
}

void FrmSaisir::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
