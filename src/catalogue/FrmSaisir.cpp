#include "catalogue/FrmSaisir.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Matricule.h"
#include "common/Refus.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "common/TexteFichier.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "platform/PageWeb.h"
#include "platform/RegleSaisie.h"
#include "shell/Ouverture.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vidora {

const QString FrmSaisir::AdressePage = QStringLiteral("https://fr.wikipedia.org/wiki/Film");

FrmSaisir::FrmSaisir() : Form(QStringLiteral("FrmSaisir"), QStringLiteral("Saisir un Film")) {
    const auto libelle = [this](const char* texte, double haut) {
        controle(new QLabel(QString::fromUtf8(texte), this), 500, haut, 2500, 400);
    };
    const auto boite = [this](const char* nom, double haut, double largeur, const QString& champ) {
        auto* b = controle(new QLineEdit(this), nom, 3100, haut, largeur, 420);
        if (!champ.isEmpty()) LimiterAuChamp(b, LargeurChamp(schema::CD::table, champ));
        return b;
    };
    bandeau = controle(new QLabel(QStringLiteral("Saisir un Film"), this), "bandeau", 3500, 100, 5000, 500);
    bandeau->setAlignment(Qt::AlignCenter);
    boutonOuvrirPage =
        controle(new QPushButton(QStringLiteral("GO"), this), "boutonOuvrirPage", 9700, 100, 900, 450);
    boutonFermerPage =
        controle(new QPushButton(QStringLiteral("Affiche"), this), "boutonFermerPage", 10700, 100, 1100, 450);
    libelle("Reference", 900);
    caseMatricule = boite("caseMatricule", 850, 2600, schema::CD::MatriculeCD);
    libelle("Titre", 1450);
    caseTitre = boite("caseTitre", 1400, 5800, schema::CD::Nom);
    libelleAideTitre = controle(new QLabel(QStringLiteral("Faire Entrer après la saisis du titre"), this),
                                "libelleAideTitre", 3100, 1850, 5800, 350);
    libelle("Categorie", 2300);
    listeCategories = controle(ListeFilm(this), "listeCategories", 3100, 2250, 4200, 420);
    libelle("Etat", 2850);
    listeEtats = controle(ListeFilm(this), "listeEtats", 3100, 2800, 4200, 420);
    libelle("Specialite", 3400);
    listeSpecialites = controle(ListeFilm(this), "listeSpecialites", 3100, 3350, 4200, 420);
    libelle("Date de Saisis", 3950);
    caseDate = boite("caseDate", 3900, 1800, schema::CD::Date);
    libelle("Travée", 4500);
    caseTravee = boite("caseTravee", 4450, 1000, QString());
    libelle("Rang", 5050);
    caseRang = boite("caseRang", 5000, 1000, QString());
    libelle("Numero", 5600);
    caseNumero = boite("caseNumero", 5550, 1000, QString());
    libelle("Nombre d'Exemplaire", 6150);
    caseExemplaires = boite("caseExemplaires", 6100, 1000, QString());
    caseDrapeauImage = boite("caseDrapeauImage", 6650, 500, QString());
    caseDrapeauImage->hide();
    caseAdressePage = boite("caseAdressePage", 6650, 3000, QString());
    caseAdressePage->setText(AdressePage);
    caseAdressePage->hide();
    imageFilm = controle(new BoiteImage(this), "imageFilm", 7600, 2250, 4000, 4600);
    calendrier = controle(new QCalendarWidget(this), "calendrier", 7600, 2250, 4000, 3000);
    calendrier->hide();
    pageFilm = controle(new PageWeb(this), "pageFilm", 150, 700, 11700, 7300);
    pageFilm->hide();

    MajusculeFrappe(caseTitre);
    // Installed after the capitals rule, so it sees each key first.
    caseTitre->installEventFilter(this);
    MajusculeFrappe(caseTravee);
    connect(caseTitre, &QLineEdit::returnPressed, this, &FrmSaisir::titreValide);
    connect(boutonOuvrirPage, &QPushButton::clicked, this, &FrmSaisir::ouvrirPage);
    connect(boutonFermerPage, &QPushButton::clicked, this, &FrmSaisir::fermerPage);
    connect(calendrier, &QCalendarWidget::clicked, this, &FrmSaisir::inscrireDateDuJour);

    ajouterEntree("Retour", "Retour", &FrmSaisir::revenir);
    ajouterEntree("Enresitre", "Enregsitrer", &FrmSaisir::enregistrer);
    ajouterEntree("Autre", "Autre Saisis", &FrmSaisir::autreFilm);
    ajouterEntree("SaiAffiche", "Saisir Affiche", &FrmSaisir::choisirAffiche);
}

bool FrmSaisir::eventFilter(QObject* o, QEvent* e) {
    // Every key in the title box shows the hint, until Enter.
    if (o == caseTitre && e->type() == QEvent::KeyPress) libelleAideTitre->show();
    return Form::eventFilter(o, e);
}

void FrmSaisir::charger() {
    MiseEnPlaceStandard(*this);
    menu(QStringLiteral("SaiAffiche"))->setEnabled(true);
    calendrier->setSelectedDate(env().aujourdhui());
    libelleAideTitre->hide();
    pageFilm->hide();
    boutonFermerPage->hide();
    menu(QStringLiteral("Enresitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(false);
    calendrier->hide();
    boutonOuvrirPage->show();
    preparer();
}

void FrmSaisir::preparer() {
    refusPreparation_.clear();
    enregistre_ = false;
    placeLue_ = false;
    compteurLu_ = false;
    const auto classement = MessageEchec(QStringLiteral("LE CLASSEMENT NE PEUT ETRE LU"), [&] {
        const Classement c = LireClassement(ctx().base());
        placeEnMain_ = c.place;
        placeLue_ = true;
        caseTravee->setText(placeEnMain_.Trave);
        caseRang->setText(QString::number(placeEnMain_.Rang));
        caseNumero->setText(QString::number(placeEnMain_.Numero));
    });
    if (classement) refusPreparation_ = *classement;
    Tenter(QStringLiteral("LES LISTES NE PEUVENT ETRE LUES"),
           [&] { RemplirListesFilm(listeCategories, listeEtats, listeSpecialites); });
    inscrireDateDuJour();
    const auto compteur = MessageEchec(QStringLiteral("LE COMPTEUR DES FILMS NE PEUT ETRE LU"), [&] {
        auto t = ctx().base().ouvrirTable(schema::CDChe::table);
        if (t->Fin() || t->EstNull(schema::CDChe::MatriculeCD))
            throw Refus(QStringLiteral("LE COMPTEUR DES FILMS EST ABSENT DE LA BASE"));
        compteur_ = t->Value(schema::CDChe::MatriculeCD).toLongLong();
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
    });
    if (compteur && refusPreparation_.isEmpty()) refusPreparation_ = *compteur;
    caseDrapeauImage->setText(QStringLiteral("N"));
    caseMatricule->setText(compteurLu_ ? ComposerMatriculeCD(QString::number(compteur_), env().aujourdhui())
                                       : QString());
    caseTitre->setFocus();
    if (!refusPreparation_.isEmpty()) env().message(refusPreparation_);
}

void FrmSaisir::inscrireDateDuJour() {
    // The calendar holds today; a calendar left behind by a night or a new year gives today still.
    const QDate jour = env().aujourdhui();
    if (calendrier->selectedDate() != jour) calendrier->setSelectedDate(jour);
    caseDate->setText(jour.toString(QStringLiteral("dd/MM/yyyy")));
}

void FrmSaisir::titreValide() {
    caseTitre->setText(EnMajuscules(caseTitre->text()));
    libelleAideTitre->hide();
    const QString t = caseTitre->text().trimmed();
    if (t.isEmpty()) {
        env().message(QStringLiteral("UN TITRE EST OBLIGATOIRE"));
        return;
    }
    try {
        TablesFermees fermees;
        if (ChercherFilmParTitre(t)) {
            const Recordset& r = *ctx().TableOuverte;
            caseTitre->setText(r.Texte(schema::CD::Nom));
            MontrerTexte(listeCategories, r.Texte(schema::CD::Categorie));
            MontrerTexte(listeEtats, r.Texte(schema::CD::Etat));
            MontrerTexte(listeSpecialites, r.Texte(schema::CD::Specialiter));
            caseDate->setText(r.Texte(schema::CD::Date));
            caseExemplaires->setText(r.Texte(schema::CD::Sortie));
            env().message(QStringLiteral("Ce titre existe déjà"));
            caseTitre->clear();
            caseExemplaires->clear();
            for (QComboBox* c : {listeCategories, listeEtats, listeSpecialites}) {
                c->setCurrentIndex(-1);
                c->setEditText(QString());
            }
            inscrireDateDuJour();
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
    if (listeCategories->currentText().isEmpty()) return QStringLiteral("CATEGORIE DOIT ÊTRE SERVIS");
    if (listeEtats->currentText().isEmpty()) return QStringLiteral("ETAT DOIT ÊTRE SERVIS");
    if (listeSpecialites->currentText().isEmpty()) return QStringLiteral("SPECIALITE DOIT ÊTRE SERVIS");
    if (QString r = RefusNombreExemplaires(caseExemplaires->text()); !r.isEmpty()) return r;
    if (QString r = RefusLargeur({{"Reference", schema::CD::MatriculeCD, caseMatricule->text().trimmed()},
                                  {"Titre", schema::CD::Nom, titre},
                                  {"Categorie", schema::CD::Categorie, listeCategories->currentText()},
                                  {"Etat", schema::CD::Etat, listeEtats->currentText()},
                                  {"Specialite", schema::CD::Specialiter, listeSpecialites->currentText()},
                                  {"Date de Saisis", schema::CD::Date, caseDate->text().trimmed()}});
        !r.isEmpty())
        return r;
    if (!placeLue_ || !compteurLu_) return refusPreparation_;
    return QString();
}

void FrmSaisir::enregistrer() {
    if (enregistre_) return;
    menu(QStringLiteral("SaiAffiche"))->setEnabled(false);
    const QString titre = EnMajuscules(caseTitre->text().trimmed());
    if (const QString refus = refusSaisie(titre); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    const bool avecImage = caseDrapeauImage->text().trimmed() == QLatin1String("O") && imageFilm->aUneImage();
    bool titrePris = false;
    const bool enregistre = Tenter(QStringLiteral("LE FILM N'A PAS ETE ENREGISTRE"), [&] {
        Database& db = ctx().base();
        Transaction tr(db);
        {
            TablesFermees fermees;
            if (ChercherFilmParTitre(titre)) {
                env().message(QStringLiteral("Ce titre existe déjà"));
                titrePris = true;
                return;
            }
        }
        auto cd = db.ouvrirTable(schema::CD::table);
        cd->AddNew();
        cd->SetValue(schema::CD::MatriculeCD, caseMatricule->text().trimmed());
        cd->SetValue(schema::CD::Traver, placeEnMain_.Trave);
        cd->SetValue(schema::CD::Rang, QString::number(placeEnMain_.Rang));
        cd->SetValue(schema::CD::Numero, QString::number(placeEnMain_.Numero));
        cd->SetValue(schema::CD::Nom, titre);
        cd->SetValue(schema::CD::Categorie, listeCategories->currentText());
        cd->SetValue(schema::CD::Etat, listeEtats->currentText());
        cd->SetValue(schema::CD::Specialiter, listeSpecialites->currentText());
        cd->SetValue(schema::CD::Date, caseDate->text().trimmed());
        cd->SetValue(schema::CD::Sortie, QString::number(caseExemplaires->text().trimmed().toInt()));
        cd->SetValue(schema::CD::Image, avecImage);
        cd->Update();
        env().pointDeControle("saisie-film");
        AvancerEmplacement(db, placeEnMain_);
        env().pointDeControle("saisie-classement");
        auto che = db.ouvrirTable(schema::CDChe::table);
        if (che->Fin()) throw Refus(QStringLiteral("LE COMPTEUR DES FILMS EST ABSENT DE LA BASE"));
        che->Edit();
        che->SetValue(schema::CDChe::MatriculeCD, compteur_ + 1);
        che->Update();
        if (avecImage) {
            env().pointDeControle("saisie-image");
            // Named from the stored title, where every reader looks for it.
            EcrireImageFilm(titre, imageFilm->image());
        }
        tr.valider();
    });
    if (!enregistre || titrePris) return;
    // The stored counter is now the one in hand: a second film of this window gets the next one.
    ++compteur_;
    enregistre_ = true;
    const QStringList etiquette = {caseMatricule->text() + QStringLiteral("  ") + caseTitre->text(),
                                   QStringLiteral("Classement ") + EnMajuscules(caseTravee->text()) +
                                       QStringLiteral(" - ") + caseRang->text() + QStringLiteral(" - ") +
                                       caseNumero->text()};
    const QString file = ctx().fichier(QStringLiteral("Etiquette"));
    if (const EcritureEchouee e = AjouterLignes(file, etiquette))
        env().message(
            QStringLiteral("LE FILM EST ENREGISTRE, MAIS SON ETIQUETTE N'A PAS PU ETRE AJOUTEE :\n") +
            MessageEcritureEchouee(file, e));
    menu(QStringLiteral("Enresitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(true);
}

void FrmSaisir::autreFilm() {
    boutonFermerPage->hide();
    pageFilm->hide();
    menu(QStringLiteral("SaiAffiche"))->setEnabled(true);
    for (QLineEdit* b : {caseMatricule, caseTitre, caseTravee, caseRang, caseNumero, caseExemplaires})
        b->clear();
    imageFilm->vider();
    for (QComboBox* c : {listeCategories, listeEtats, listeSpecialites})
        c->clear();
    menu(QStringLiteral("Enresitre"))->setEnabled(false);
    menu(QStringLiteral("Autre"))->setEnabled(false);
    calendrier->hide();
    preparer();
}

void FrmSaisir::choisirAffiche() {
    switch (ChoisirImage(*imageFilm)) {
    case ChoixImage::Chargee:
        caseDrapeauImage->setText(QStringLiteral("O"));
        break;
    case ChoixImage::Annulee: // closing the dialog without a file leaves the film without picture
        imageFilm->vider();
        caseDrapeauImage->setText(QStringLiteral("N"));
        break;
    case ChoixImage::PasUneImage:
        break;
    }
}

void FrmSaisir::ouvrirPage() {
    boutonFermerPage->show();
    pageFilm->naviguer(QUrl(caseAdressePage->text()));
    pageFilm->show();
    pageFilm->raise();
}

void FrmSaisir::fermerPage() {
    boutonFermerPage->hide();
    pageFilm->hide();
}

void FrmSaisir::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
