#include "catalogue/FicheFilm.h"

#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Images.h"
#include "common/Refus.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "platform/Environnement.h"
#include "platform/Form.h"
#include "platform/Grid.h"
#include "platform/RegleSaisie.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace vidora {

namespace {
void remplirEtats(QComboBox* etats) {
    RemplirListe(etats, schema::Etat::table, schema::Etat::NomEtat);
}
} // namespace

QComboBox* ListeFilm(QWidget* parent) {
    // No length limit on the box: it would silently cut a longer entry chosen from the list (a
    // category may hold 30 characters where a film's holds 20); the save refuses it instead.
    auto* c = new QComboBox(parent);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}

void RemplirListe(QComboBox* c, const QString& table, const QString& champ) {
    c->clear();
    auto t = ctx().base().ouvrirTable(table);
    for (; !t->Fin(); t->MoveNext())
        c->addItem(t->Texte(champ));
    c->setCurrentIndex(-1);
    c->setEditText(QString());
}

void RemplirListesFilm(QComboBox* categories, QComboBox* etats, QComboBox* specialites) {
    RemplirListe(categories, schema::Genre::table, schema::Genre::NomGenre);
    remplirEtats(etats);
    RemplirListe(specialites, schema::Special::table, schema::Special::Titre);
}

void MontrerTexte(QComboBox* c, const QString& texte) {
    c->setCurrentIndex(c->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive));
    c->setEditText(texte);
}

QString RefusNombreExemplaires(const QString& texte) {
    static const QRegularExpression entier(QStringLiteral("^[0-9]{1,5}$"));
    if (entier.match(texte.trimmed()).hasMatch()) return QString();
    return QStringLiteral("LE NOMBRE D'EXEMPLAIRE DOIT ETRE UN NOMBRE ENTIER DE 0 A 99999");
}

QString RefusLargeur(std::initializer_list<TexteSaisi> textes) {
    for (const TexteSaisi& t : textes) {
        const int largeur = LargeurChamp(schema::CD::table, t.champ);
        if (largeur > 0 && t.texte.size() > largeur)
            return QStringLiteral("LE CHAMP \"%1\" NE PEUT DEPASSER %2 CARACTERES")
                .arg(QString::fromUtf8(t.libelle))
                .arg(largeur);
    }
    return QString();
}

FicheFilm::FicheFilm(Form& f, double left, double top, double width, double height, ChampsFiche champs)
    : QFrame(&f), fenetre_(f), champs_(champs) {
    f.controle(this, "fiche", left, top, width, height);
    const auto libelle = [&](const char* texte, double haut) {
        f.controle(new QLabel(QString::fromUtf8(texte), this), 300, haut, 2500, 400);
    };
    const auto boite = [&](const char* nom, double haut, double largeur, const QString& champ) {
        auto* b = f.controle(new QLineEdit(this), nom, 2900, haut, largeur, 420);
        if (!champ.isEmpty()) LimiterAuChamp(b, LargeurChamp(schema::CD::table, champ));
        return b;
    };
    const auto liste = [&](const char* nom, double haut) {
        return f.controle(ListeFilm(this), nom, 2900, haut, 4200, 420);
    };
    libelle("Reference", 250);
    caseReference = boite("caseReference", 200, 2600, QString());
    caseReference->setAlignment(Qt::AlignCenter);
    caseReference->setEnabled(false);
    libelle("Titre", 800);
    caseTitre = boite("caseTitre", 750, 5800, schema::CD::Nom);
    MajusculeFrappe(caseTitre);
    libelle("Categorie", 1350);
    listeCategories = liste("listeCategories", 1300);
    caseCategorie = boite("caseCategorie", 1300, 4200, schema::CD::Categorie);
    libelle("Etat", 1900);
    listeEtats = liste("listeEtats", 1850);
    caseEtat = boite("caseEtat", 1850, 4200, schema::CD::Etat);
    libelle("Specialite", 2450);
    listeSpecialites = liste("listeSpecialites", 2400);
    caseSpecialite = boite("caseSpecialite", 2400, 4200, schema::CD::Specialiter);
    libelle("Date de Sortie", 3000);
    caseDate = boite("caseDate", 2950, 1800, schema::CD::Date);
    libelle("Travée", 3550);
    caseTravee = boite("caseTravee", 3500, 1000, QString());
    libelle("Rang", 4100);
    caseRang = boite("caseRang", 4050, 1000, QString());
    libelle("Numero", 4650);
    caseNumero = boite("caseNumero", 4600, 1000, QString());
    libelle("Nombre d'Exemplaire", 5200);
    caseExemplaires = boite("caseExemplaires", 5150, 1000, QString());
    caseDrapeauImage = boite("caseDrapeauImage", 5700, 500, QString());
    caseDrapeauImage->hide();
    imageFilm = f.controle(new BoiteImage(this), "imageFilm", 7500, 1300, 4000, 4600);
    // Each place shows either its list or its plain box, for the card's whole life.
    const bool listes = champs_ == ChampsFiche::Listes;
    const bool etatEnListe = champs_ != ChampsFiche::Boites;
    listeCategories->setVisible(listes);
    listeSpecialites->setVisible(listes);
    caseCategorie->setVisible(!listes);
    caseSpecialite->setVisible(!listes);
    listeEtats->setVisible(etatEnListe);
    caseEtat->setVisible(!etatEnListe);
    Vider();
}

QString FicheFilm::DrapeauImage() const {
    return caseDrapeauImage->text();
}

void FicheFilm::Vider() {
    for (QLineEdit* b : {caseReference, caseTitre, caseDate, caseTravee, caseRang, caseNumero,
                         caseExemplaires, caseCategorie, caseEtat, caseSpecialite})
        b->clear();
    for (QComboBox* c : {listeCategories, listeEtats, listeSpecialites}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    imageFilm->vider();
    caseDrapeauImage->setText(QStringLiteral("N"));
}

void FicheFilm::RemplirListes() {
    switch (champs_) {
    case ChampsFiche::Listes:
        RemplirListesFilm(listeCategories, listeEtats, listeSpecialites);
        break;
    case ChampsFiche::EtatSeul:
        remplirEtats(listeEtats);
        break;
    case ChampsFiche::Boites: // no list to fill
        break;
    }
}

QString FicheFilm::categorie() const {
    return champs_ == ChampsFiche::Listes ? listeCategories->currentText() : caseCategorie->text();
}

QString FicheFilm::etat() const {
    return champs_ == ChampsFiche::Boites ? caseEtat->text() : listeEtats->currentText();
}

QString FicheFilm::specialite() const {
    return champs_ == ChampsFiche::Listes ? listeSpecialites->currentText() : caseSpecialite->text();
}

std::array<QString, 6> FicheFilm::textes() const {
    return {caseTitre->text(), caseDate->text(), categorie(), etat(), specialite(), caseExemplaires->text()};
}

void FicheFilm::imageParDefaut() {
    if (!imageFilm->charger(ImageDefaut())) imageFilm->vider();
    caseDrapeauImage->setText(QStringLiteral("N"));
}

bool FicheFilm::Ouvrir(qint64 cle) {
    // Emptied first: a field that holds no value never shows, nor saves, the previous film's text.
    Vider();
    cle_ = -1;
    titreStocke_.clear();
    imagePropre_ = false;
    auto t = ctx().base().ouvrirTable(schema::CD::table);
    if (!t->AllerA(cle)) return false;
    cle_ = cle;
    titreStocke_ = t->Texte(schema::CD::Nom);
    MontrerStocke(caseReference, t->Texte(schema::CD::MatriculeCD));
    MontrerStocke(caseTitre, titreStocke_);
    MontrerStocke(caseDate, t->Texte(schema::CD::Date));
    MontrerStocke(caseTravee, t->Texte(schema::CD::Traver));
    MontrerStocke(caseRang, t->Texte(schema::CD::Rang));
    MontrerStocke(caseNumero, t->Texte(schema::CD::Numero));
    MontrerStocke(caseExemplaires, t->Texte(schema::CD::Sortie));
    const QString categorie = t->Texte(schema::CD::Categorie);
    const QString etat = t->Texte(schema::CD::Etat);
    const QString specialite = t->Texte(schema::CD::Specialiter);
    MontrerTexte(listeCategories, categorie);
    MontrerTexte(listeEtats, etat);
    MontrerTexte(listeSpecialites, specialite);
    MontrerStocke(caseCategorie, categorie);
    MontrerStocke(caseEtat, etat);
    MontrerStocke(caseSpecialite, specialite);
    montres_ = textes();
    const QVariant image = t->Value(schema::CD::Image);
    if (image.isValid() && image.toBool() && imageFilm->charger(FichierImageFilm(titreStocke_))) {
        caseDrapeauImage->setText(QStringLiteral("O"));
        imagePropre_ = true;
    } else {
        imageParDefaut();
    }
    return true;
}

FicheFilm::Clic FicheFilm::OuvrirLigne(MSFlexGrid& grille) {
    const qint64 cle = CleLigneCourante(grille);
    if (cle < 0) return Clic::SansFilm;
    bool ouvert = false;
    Tenter(QStringLiteral("LE FILM NE PEUT ETRE LU"), [&] {
        RemplirListes();
        if (Ouvrir(cle)) {
            grille.hide();
            show();
            activerEntrees(true);
            ouvert = true;
        }
    });
    return ouvert ? Clic::Ouvert : Clic::Introuvable;
}

void FicheFilm::activerEntrees(bool fiche) {
    for (const char* n : {"Enregitre", "SaiAffiche", "Autre", "Effaimage"})
        if (QAction* a = fenetre_.menu(QString::fromLatin1(n)))
            a->setEnabled(fiche && (qstrcmp(n, "Effaimage") != 0 || imagePropre_));
}

void FicheFilm::Fermer() {
    hide();
    imageFilm->vider();
    activerEntrees(false);
}

bool FicheFilm::enregistrerEtat() {
    const QString etat = listeEtats->currentText();
    const bool vide = etat.trimmed().isEmpty();
    // A state kept as it was shown is not written again, whatever it holds.
    if (!vide && etat == montres_[3]) return true;
    const QString refus =
        vide ? QStringLiteral("ETAT DOIT ÊTRE SERVIS") : RefusLargeur({{"Etat", schema::CD::Etat, etat}});
    if (!refus.isEmpty()) {
        env().message(refus);
        return false;
    }
    return Tenter(QStringLiteral("L'ETAT DU FILM N'A PAS PU ETRE ENREGISTRE"), [&] {
        auto t = ctx().base().ouvrirTable(schema::CD::table);
        // A film deleted meanwhile: nothing to write, the list comes back.
        if (!t->AllerA(cle_)) return;
        t->Edit();
        t->SetValue(schema::CD::Etat, etat);
        t->Update();
    });
}

bool FicheFilm::Enregistrer() {
    if (champs_ == ChampsFiche::EtatSeul) return enregistrerEtat();
    // Only what the operator changed is checked and written: a field kept as shown keeps its
    // stored text, even one that the boxes would not take today.
    const std::array<QString, 6> vus = textes();
    const auto change = [&](size_t i) { return vus[i] != montres_[i]; };
    const auto si = [&](size_t i, const QString& texte) { return change(i) ? texte : QString(); };
    const QString titre = EnMajuscules(vus[0].trimmed());
    if (change(0) && titre.isEmpty()) {
        env().message(QStringLiteral("UN TITRE EST OBLIGATOIRE"));
        return false;
    }
    QString refus = change(5) ? RefusNombreExemplaires(vus[5]) : QString();
    if (refus.isEmpty())
        refus = RefusLargeur({{"Titre", schema::CD::Nom, si(0, titre)},
                              {"Date de Sortie", schema::CD::Date, si(1, vus[1])},
                              {"Categorie", schema::CD::Categorie, si(2, vus[2])},
                              {"Etat", schema::CD::Etat, si(3, vus[3])},
                              {"Specialite", schema::CD::Specialiter, si(4, vus[4])}});
    if (!refus.isEmpty()) {
        env().message(refus);
        return false;
    }
    const bool avecImage = DrapeauImage().trimmed() == QLatin1String("O") && imageFilm->aUneImage();
    bool titrePris = false;
    const bool enregistre = Tenter(QStringLiteral("LE FILM N'A PAS PU ETRE ENREGISTRE"), [&] {
        Database& db = ctx().base();
        auto t = db.ouvrirTable(schema::CD::table);
        // One walk: the film in hand must still be there, and no other film may hold the title. A
        // title kept as it was stays allowed, even when an older film shares it.
        bool present = false;
        for (; !t->Fin(); t->MoveNext()) {
            if (t->Cle() == cle_) {
                present = true;
            } else if (change(0) && titre != titreStocke_ && t->Texte(schema::CD::Nom) == titre) {
                env().message(QStringLiteral("Ce titre existe déjà"));
                titrePris = true;
                return;
            }
        }
        if (!present) return;
        t->AllerA(cle_);
        Transaction tr(db);
        t->Edit();
        if (change(0)) t->SetValue(schema::CD::Nom, titre);
        const schema::NomSchema champs[] = {schema::CD::Date, schema::CD::Categorie, schema::CD::Etat,
                                            schema::CD::Specialiter};
        for (size_t i = 1; i <= 4; ++i)
            if (change(i)) t->SetValue(champs[i - 1], vus[i]);
        if (change(5)) t->SetValue(schema::CD::Sortie, QString::number(vus[5].trimmed().toInt()));
        t->SetValue(schema::CD::Image, avecImage);
        t->Update();
        if (avecImage) {
            env().pointDeControle("fiche-image");
            // Under the title as stored, where every reader looks for it.
            EcrireImageFilm(change(0) ? titre : titreStocke_, imageFilm->image());
        }
        tr.valider();
    });
    return enregistre && !titrePris;
}

void FicheFilm::ChoisirImage() {
    switch (vidora::ChoisirImage(*imageFilm)) {
    case ChoixImage::Chargee:
        caseDrapeauImage->setText(QStringLiteral("O"));
        break;
    case ChoixImage::Annulee: // the card keeps its picture: erasing it has its own entry
    case ChoixImage::PasUneImage:
        break;
    }
}

void FicheFilm::EffacerImage() {
    // The picture of the film as stored, whatever the title box now holds; it stays while another
    // film, of this database or another of the folder, may use it.
    if (cle_ >= 0) EffacerImagesInutilisees({FichierImageFilm(titreStocke_)}, {QString(), cle_});
    imageParDefaut();
}

} // namespace vidora
