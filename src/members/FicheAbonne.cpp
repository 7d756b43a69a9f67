#include "members/FicheAbonne.h"

#include "common/Saisie.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Form.h"

#include <QLabel>
#include <QLineEdit>

namespace vidora {

namespace {

constexpr schema::NomSchema kChamps[8] = {schema::Abonne::MatriculeAbon, schema::Abonne::NomAbon,
                                          schema::Abonne::PrenomAbon,    schema::Abonne::Adresse1Abon,
                                          schema::Abonne::Adresse2Abon,  schema::Abonne::CodeAbon,
                                          schema::Abonne::VilleAbon,     schema::Abonne::DateAbon};
constexpr const char* kNomsCases[8] = {"caseMatricule", "caseNom",        "casePrenom", "caseAdresse1",
                                       "caseAdresse2",  "caseCodePostal", "caseVille",  "caseDate"};
// The card's boxes in card order, the field of kChamps[i] in box i.
constexpr QLineEdit* FicheAbonne::*kCases[8] = {&FicheAbonne::caseMatricule, &FicheAbonne::caseNom,
                                                &FicheAbonne::casePrenom,    &FicheAbonne::caseAdresse1,
                                                &FicheAbonne::caseAdresse2,  &FicheAbonne::caseCodePostal,
                                                &FicheAbonne::caseVille,     &FicheAbonne::caseDate};

QString champ(int i) {
    return kChamps[i];
}

bool estAdresse(int i) {
    return i == 3 || i == 4;
}

} // namespace

FicheAbonne::FicheAbonne(Form& f, double left, double top, double width, double height,
                         const ModeleFicheAbonne& m)
    : QFrame(&f) {
    f.controle(this, "fiche", left, top, width, height);
    for (int i = 0; i < 8; ++i) {
        const double haut = 200 + i * 800;
        QLabel* l = new QLabel(QString::fromUtf8(m.libelles[size_t(i)]), this);
        libelles[size_t(i)] = m.nomsLibelles[size_t(i)]
                                  ? f.controle(l, m.nomsLibelles[size_t(i)], 300, haut, 2500, 400)
                                  : f.controle(l, 300, haut, 2500, 400);
        QLineEdit* b = f.controle(new QLineEdit(this), kNomsCases[i], 3000, haut, 6000, 450);
        LimiterAuChamp(b, LargeurChamp(schema::Abonne::table, champ(i)));
        if (m.majuscules[size_t(i)]) MajusculeFrappe(b);
        this->*kCases[i] = b;
    }
    caseMatricule->setAlignment(Qt::AlignCenter);
    caseMatricule->setEnabled(m.matriculeModifiable);
    const auto boites = cases();
    for (int i = 0; i < 8; ++i)
        if (const int vers = m.entreeVers[size_t(i)]; vers >= 0 && vers < 8) {
            QLineEdit* suivante = boites[size_t(vers)];
            connect(boites[size_t(i)], &QLineEdit::returnPressed, suivante,
                    [suivante] { suivante->setFocus(); });
        }
}

std::array<QLineEdit*, 8> FicheAbonne::cases() const {
    std::array<QLineEdit*, 8> r{};
    for (size_t i = 0; i < r.size(); ++i)
        r[i] = this->*kCases[i];
    return r;
}

void FicheAbonne::Vider() {
    for (QLineEdit* b : cases())
        b->clear();
    rempli_ = false;
}

void FicheAbonne::Remplir(const Recordset& r) {
    const auto boites = cases();
    for (int i = 0; i < 8; ++i) {
        montres_[size_t(i)] = r.Texte(champ(i));
        MontrerStocke(boites[size_t(i)], montres_[size_t(i)]);
    }
    rempli_ = true;
}

void FicheAbonne::Ecrire(Recordset& r) const {
    const auto boites = cases();
    for (int i = 0; i < 8; ++i) {
        const QString s = boites[size_t(i)]->text();
        // A text written by another tool or an older version (a character the boxes refuse, a
        // tab) stays as it is unless the operator changes it.
        if (rempli_ && s == montres_[size_t(i)]) continue;
        r.SetValue(champ(i), estAdresse(i) ? LigneAdresse(s) : s);
    }
}

bool FicheAbonne::EntreesObligatoires() const {
    const struct {
        QLineEdit* boite;
        const char* message;
    } obligatoires[] = {
        {caseNom, "LE NOM EST OBLIGATOIRE"},
        {caseCodePostal, "LE CODE POSTAL EST OBLIGATOIRE"},
        {caseVille, "LA VILLE EST OBLIGATOIRE"},
    };
    for (const auto& o : obligatoires)
        if (o.boite->text().trimmed().isEmpty()) {
            env().message(QString::fromUtf8(o.message));
            return false;
        }
    return true;
}

} // namespace vidora
