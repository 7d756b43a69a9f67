#include "catalogue/FicheFilm.h"

#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Images.h"
#include "common/Refus.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "platform/Environnement.h"
#include "platform/Form.h"
#include "platform/Grid.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace vidora {

namespace {
const QString kCD = QStringLiteral("CD");

void remplirEtats(QComboBox* etats) {
    RemplirListe(etats, QStringLiteral("Etat"), QStringLiteral("NomEtat"));
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
    RemplirListe(categories, QStringLiteral("Genre"), QStringLiteral("NomGenre"));
    remplirEtats(etats);
    RemplirListe(specialites, QStringLiteral("Special"), QStringLiteral("Titre"));
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
        const int largeur = LargeurChamp(kCD, QString::fromUtf8(t.champ));
        if (largeur > 0 && t.texte.size() > largeur)
            return QStringLiteral("LE CHAMP \"%1\" NE PEUT DEPASSER %2 CARACTERES")
                .arg(QString::fromUtf8(t.libelle))
                .arg(largeur);
    }
    return QString();
}

FicheFilm::FicheFilm(Form& f, double left, double top, double width, double height, ChampsFiche champs)
    : QFrame(&f), fenetre_(f), champs_(champs) {
    f.controle(this, left, top, width, height);
    const auto etiquette = [&](const char* texte, double haut) {
        return f.controle(new QLabel(QString::fromUtf8(texte), this), 300, haut, 2500, 400);
    };
    const auto boite = [&](const char* nom, double haut, double largeur, const QString& champ) {
        auto* b = f.controle(new QLineEdit(this), 2900, haut, largeur, 420);
        b->setObjectName(QString::fromLatin1(nom));
        if (!champ.isEmpty()) LimiterAuChamp(b, LargeurChamp(kCD, champ));
        return b;
    };
    const auto liste = [&](const char* nom, double haut) {
        auto* c = f.controle(ListeFilm(this), 2900, haut, 4200, 420);
        c->setObjectName(QString::fromLatin1(nom));
        return c;
    };
    Label2 = etiquette("Reference", 250);
    Text1 = boite("Text1", 200, 2600, QString());
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setEnabled(false);
    Label3 = etiquette("Titre", 800);
    Text2 = boite("Text2", 750, 5800, QStringLiteral("Nom"));
    MajusculeFrappe(Text2);
    Label4 = etiquette("Categorie", 1350);
    Combo1 = liste("Combo1", 1300);
    Text10 = boite("Text10", 1300, 4200, QStringLiteral("Categorie"));
    Label5 = etiquette("Etat", 1900);
    Combo2 = liste("Combo2", 1850);
    Text11 = boite("Text11", 1850, 4200, QStringLiteral("Etat"));
    Label6 = etiquette("Specialite", 2450);
    Combo3 = liste("Combo3", 2400);
    Text12 = boite("Text12", 2400, 4200, QStringLiteral("Specialiter"));
    Label7 = etiquette("Date de Sortie", 3000);
    Text3 = boite("Text3", 2950, 1800, QStringLiteral("Date"));
    Label8 = etiquette("Travée", 3550);
    Text4 = boite("Text4", 3500, 1000, QString());
    Label9 = etiquette("Rang", 4100);
    Text5 = boite("Text5", 4050, 1000, QString());
    Label10 = etiquette("Numero", 4650);
    Text6 = boite("Text6", 4600, 1000, QString());
    Label11 = etiquette("Nombre d'Exemplaire", 5200);
    Text7 = boite("Text7", 5150, 1000, QString());
    Text8 = boite("DrapeauImage", 5700, 500, QString());
    Text8->hide();
    Image1 = f.controle(new BoiteImage(this), 7500, 1300, 4000, 4600);
    Image1->setObjectName(QStringLiteral("Image1"));
    // Each place shows either its list or its plain box, for the card's whole life.
    const bool listes = champs_ == ChampsFiche::Listes;
    const bool etatEnListe = champs_ != ChampsFiche::Boites;
    Combo1->setVisible(listes);
    Combo3->setVisible(listes);
    Text10->setVisible(!listes);
    Text12->setVisible(!listes);
    Combo2->setVisible(etatEnListe);
    Text11->setVisible(!etatEnListe);
    Vider();
}

QString FicheFilm::DrapeauImage() const {
    return Text8->text();
}

void FicheFilm::Vider() {
    for (QLineEdit* b : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text10, Text11, Text12})
        b->clear();
    for (QComboBox* c : {Combo1, Combo2, Combo3}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    Image1->vider();
    Text8->setText(QStringLiteral("N"));
}

void FicheFilm::RemplirListes() {
    switch (champs_) {
    case ChampsFiche::Listes:
        RemplirListesFilm(Combo1, Combo2, Combo3);
        break;
    case ChampsFiche::EtatSeul:
        remplirEtats(Combo2);
        break;
    case ChampsFiche::Boites: // no list to fill
        break;
    }
}

QString FicheFilm::categorie() const {
    return champs_ == ChampsFiche::Listes ? Combo1->currentText() : Text10->text();
}

QString FicheFilm::etat() const {
    return champs_ == ChampsFiche::Boites ? Text11->text() : Combo2->currentText();
}

QString FicheFilm::specialite() const {
    return champs_ == ChampsFiche::Listes ? Combo3->currentText() : Text12->text();
}

std::array<QString, 6> FicheFilm::textes() const {
    return {Text2->text(), Text3->text(), categorie(), etat(), specialite(), Text7->text()};
}

void FicheFilm::imageParDefaut() {
    if (!Image1->charger(ImageDefaut())) Image1->vider();
    Text8->setText(QStringLiteral("N"));
}

bool FicheFilm::Ouvrir(qint64 cle) {
    // Emptied first: a field that holds no value never shows, nor saves, the previous film's text.
    Vider();
    cle_ = -1;
    titreStocke_.clear();
    imagePropre_ = false;
    auto t = ctx().base().ouvrirTable(kCD);
    if (!t->AllerA(cle)) return false;
    cle_ = cle;
    titreStocke_ = t->Texte(QStringLiteral("Nom"));
    MontrerStocke(Text1, t->Texte(QStringLiteral("MatriculeCD")));
    MontrerStocke(Text2, titreStocke_);
    MontrerStocke(Text3, t->Texte(QStringLiteral("Date")));
    MontrerStocke(Text4, t->Texte(QStringLiteral("Traver")));
    MontrerStocke(Text5, t->Texte(QStringLiteral("Rang")));
    MontrerStocke(Text6, t->Texte(QStringLiteral("Numero")));
    MontrerStocke(Text7, t->Texte(QStringLiteral("Sortie")));
    const QString categorie = t->Texte(QStringLiteral("Categorie"));
    const QString etat = t->Texte(QStringLiteral("Etat"));
    const QString specialite = t->Texte(QStringLiteral("Specialiter"));
    MontrerTexte(Combo1, categorie);
    MontrerTexte(Combo2, etat);
    MontrerTexte(Combo3, specialite);
    MontrerStocke(Text10, categorie);
    MontrerStocke(Text11, etat);
    MontrerStocke(Text12, specialite);
    montres_ = textes();
    const QVariant image = t->Value(QStringLiteral("Image"));
    if (image.isValid() && image.toBool() && Image1->charger(FichierImageFilm(titreStocke_))) {
        Text8->setText(QStringLiteral("O"));
        imagePropre_ = true;
    } else {
        imageParDefaut();
    }
    return true;
}

FicheFilm::Clic FicheFilm::OuvrirLigne(MSFlexGrid& grille) {
    const qint64 cle = CleLigneCourante(grille);
    if (cle < 0) return Clic::SansFilm;
    try {
        RemplirListes();
        if (Ouvrir(cle)) {
            grille.hide();
            show();
            entrees(true);
            return Clic::Ouvert;
        }
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE FILM NE PEUT ETRE LU :\n%1").arg(e.message()));
    }
    return Clic::Introuvable;
}

void FicheFilm::entrees(bool fiche) {
    for (const char* n : {"Enregitre", "SaiAffiche", "Autre", "Effaimage"})
        if (QAction* a = fenetre_.menu(QString::fromLatin1(n)))
            a->setEnabled(fiche && (qstrcmp(n, "Effaimage") != 0 || imagePropre_));
}

void FicheFilm::Fermer() {
    hide();
    Image1->vider();
    entrees(false);
}

bool FicheFilm::enregistrerEtat() {
    const QString etat = Combo2->currentText();
    const bool vide = etat.trimmed().isEmpty();
    // A state kept as it was shown is not written again, whatever it holds.
    if (!vide && etat == montres_[3]) return true;
    const QString refus =
        vide ? QStringLiteral("ETAT DOIT ÊTRE SERVIS") : RefusLargeur({{"Etat", "Etat", etat}});
    if (!refus.isEmpty()) {
        env().message(refus);
        return false;
    }
    try {
        auto t = ctx().base().ouvrirTable(kCD);
        // A film deleted meanwhile: nothing to write, the list comes back.
        if (!t->AllerA(cle_)) return true;
        t->Edit();
        t->SetValue(QStringLiteral("Etat"), etat);
        t->Update();
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("L'ETAT DU FILM N'A PAS PU ETRE ENREGISTRE :\n%1").arg(e.message()));
        return false;
    }
    return true;
}

bool FicheFilm::Enregistrer() {
    if (champs_ == ChampsFiche::EtatSeul) return enregistrerEtat();
    // Only what the operator changed is checked and written: a field kept as shown keeps its
    // stored text, even one that the boxes would not take today.
    const std::array<QString, 6> vus = textes();
    const auto change = [&](size_t i) { return vus[i] != montres_[i]; };
    const auto si = [&](size_t i, const QString& texte) { return change(i) ? texte : QString(); };
    const QString titre = vus[0].trimmed().toUpper();
    if (change(0) && titre.isEmpty()) {
        env().message(QStringLiteral("UN TITRE EST OBLIGATOIRE"));
        return false;
    }
    QString refus = change(5) ? RefusNombreExemplaires(vus[5]) : QString();
    if (refus.isEmpty())
        refus = RefusLargeur({{"Titre", "Nom", si(0, titre)},
                              {"Date de Sortie", "Date", si(1, vus[1])},
                              {"Categorie", "Categorie", si(2, vus[2])},
                              {"Etat", "Etat", si(3, vus[3])},
                              {"Specialite", "Specialiter", si(4, vus[4])}});
    if (!refus.isEmpty()) {
        env().message(refus);
        return false;
    }
    const bool avecImage = DrapeauImage().trimmed() == QLatin1String("O") && Image1->aUneImage();
    try {
        Database& db = ctx().base();
        auto t = db.ouvrirTable(kCD);
        // One walk: the film in hand must still be there, and no other film may hold the title. A
        // title kept as it was stays allowed, even when an older film shares it.
        bool present = false;
        for (; !t->Fin(); t->MoveNext()) {
            if (t->Cle() == cle_) {
                present = true;
            } else if (change(0) && titre != titreStocke_ && t->Texte(QStringLiteral("Nom")) == titre) {
                env().message(QStringLiteral("Ce titre existe déjà"));
                return false;
            }
        }
        if (!present) return true;
        t->AllerA(cle_);
        Transaction tr(db);
        t->Edit();
        if (change(0)) t->SetValue(QStringLiteral("Nom"), titre);
        const char* const champs[] = {"Date", "Categorie", "Etat", "Specialiter"};
        for (size_t i = 1; i <= 4; ++i)
            if (change(i)) t->SetValue(QString::fromLatin1(champs[i - 1]), vus[i]);
        if (change(5)) t->SetValue(QStringLiteral("Sortie"), QString::number(vus[5].trimmed().toInt()));
        t->SetValue(QStringLiteral("Image"), avecImage);
        t->Update();
        if (avecImage) {
            env().pointDeControle("fiche-image");
            // Under the title as stored, where every reader looks for it.
            EcrireImageFilm(change(0) ? titre : titreStocke_, Image1->image());
        }
        tr.valider();
    } catch (const Refus& r) {
        env().message(r.message());
        return false;
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LE FILM N'A PAS PU ETRE ENREGISTRE :\n%1").arg(e.message()));
        return false;
    } catch (const std::exception& e) {
        env().message(
            QStringLiteral("LE FILM N'A PAS PU ETRE ENREGISTRE :\n%1").arg(QString::fromUtf8(e.what())));
        return false;
    }
    return true;
}

void FicheFilm::ChoisirImage() {
    switch (vidora::ChoisirImage(*Image1)) {
    case ChoixImage::Chargee:
        Text8->setText(QStringLiteral("O"));
        break;
    case ChoixImage::Annulee: // the card keeps its picture: erasing it has its own entry
    case ChoixImage::PasUneImage:
        break;
    }
}

void FicheFilm::EffacerImage() {
    // The picture of the film as stored, whatever the title box now holds.
    if (cle_ >= 0) QFile::remove(FichierImageFilm(titreStocke_));
    imageParDefaut();
}

} // namespace vidora
