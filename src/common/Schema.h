#pragma once
// The ten tables of a club's database, their fields and the rows a new database receives.
// One data table that the creation and the tests share.

#include "platform/Database.h"

#include <QVariant>
#include <QVector>

namespace vidora {

namespace schema {

// A table or field name of the schema. Each is written once, below; the program names tables and
// fields only through these constants, so that a misspelt name does not build. It is taken wherever
// a QString is, as a QString over the constant's own text (nothing copied, as QStringLiteral).
class NomSchema {
  public:
    template <qsizetype N> consteval NomSchema(const char16_t (&texte)[N]) : texte_(texte), taille_(N - 1) {}
    operator QString() const {
        return QString(QStringPrivate(nullptr, const_cast<char16_t*>(texte_), taille_));
    }

  private:
    const char16_t* texte_;
    qsizetype taille_;
};

// The three fields of one kind of a member's loan slots: DateEmp(k) is the loan date of slot k (1 to 3).
class ChampsCasier {
  public:
    constexpr ChampsCasier(NomSchema c1, NomSchema c2, NomSchema c3) : champs_{c1, c2, c3} {}
    NomSchema operator()(int k) const {
        if (k < 1 || k > 3)
            throw ErreurBase(ErreurBase::Genre::ChampInconnu,
                             QStringLiteral("Emplacement de prêt %1 inconnu : il y en a trois.").arg(k));
        return champs_[k - 1];
    }

  private:
    NomSchema champs_[3];
};

// Each table: its name, then its fields in the schema's order (laid out as a table, by hand).
// clang-format off
namespace Classe  { inline constexpr NomSchema table{u"Classe"}, Trave{u"Trave"}, Rang{u"Rang"},
                        Numero{u"Numero"}, NumTrave{u"NumTrave"}, NumRang{u"NumRang"},
                        NumNumero{u"NumNumero"}; }
namespace AbonChe { inline constexpr NomSchema table{u"AbonChe"}, MatriculeAbon{u"MatriculeAbon"}; }
namespace CDChe   { inline constexpr NomSchema table{u"CDChe"}, MatriculeCD{u"MatriculeCD"}; }
namespace Special { inline constexpr NomSchema table{u"Special"}, Titre{u"Titre"}; }
namespace Genre   { inline constexpr NomSchema table{u"Genre"}, NomGenre{u"NomGenre"}; }
namespace Etat    { inline constexpr NomSchema table{u"Etat"}, NomEtat{u"NomEtat"}; }
namespace CD      { inline constexpr NomSchema table{u"CD"}, MatriculeCD{u"MatriculeCD"}, Traver{u"Traver"},
                        Rang{u"Rang"}, Numero{u"Numero"}, Nom{u"Nom"}, Categorie{u"Categorie"}, Etat{u"Etat"},
                        Specialiter{u"Specialiter"}, Date{u"Date"}, Sortie{u"Sortie"}, Image{u"Image"}; }
namespace Abonne  { inline constexpr NomSchema table{u"Abonne"}, MatriculeAbon{u"MatriculeAbon"},
                        NomAbon{u"NomAbon"}, PrenomAbon{u"PrenomAbon"}, Adresse1Abon{u"Adresse1Abon"},
                        Adresse2Abon{u"Adresse2Abon"}, CodeAbon{u"CodeAbon"}, VilleAbon{u"VilleAbon"},
                        DateAbon{u"DateAbon"},
                        DateRest1{u"DateRest1"}, DateRest2{u"DateRest2"}, DateRest3{u"DateRest3"},
                        DateEmp1{u"DateEmp1"}, DateEmp2{u"DateEmp2"}, DateEmp3{u"DateEmp3"},
                        MatriCD1{u"MatriCD1"}, MatriCD2{u"MatriCD2"}, MatriCD3{u"MatriCD3"},
                        NomCD1{u"NomCD1"}, NomCD2{u"NomCD2"}, NomCD3{u"NomCD3"},
                        Averti1{u"Averti1"}, Averti2{u"Averti2"}, Averti3{u"Averti3"}; }
namespace Para    { inline constexpr NomSchema table{u"Para"}, Nom{u"Nom"}, Prenom{u"Prenom"},
                        Adresse1{u"Adresse1"}, Adresse2{u"Adresse2"}, Code{u"Code"}, Ville{u"Ville"},
                        Tele{u"Tele"}, DelaiMini{u"DelaiMini"}, DelaiMaxi{u"DelaiMaxi"}; }
namespace Passe   { inline constexpr NomSchema table{u"Passe"}, Mot{u"Mot"}; }
// clang-format on

// A member's loan slot k (1 to 3) is the five fields numbered k: due date, loan date, film
// identifier, film title and reminder level.
namespace Abonne {
inline constexpr ChampsCasier DateRest{DateRest1, DateRest2, DateRest3},
    DateEmp{DateEmp1, DateEmp2, DateEmp3}, MatriCD{MatriCD1, MatriCD2, MatriCD3},
    NomCD{NomCD1, NomCD2, NomCD3}, Averti{Averti1, Averti2, Averti3};
// The four text fields of a slot, which hold MarqueVide while the slot is empty.
inline constexpr ChampsCasier TextesCasier[] = {DateRest, DateEmp, MatriCD, NomCD};
} // namespace Abonne

} // namespace schema

// The text that marks an empty loan slot.
inline const QString MarqueVide = QStringLiteral("0");

// An address line as stored: never empty, a blank line is kept as two blanks.
inline QString LigneAdresse(const QString& s) {
    return s.trimmed().isEmpty() ? QStringLiteral("  ") : s;
}

// The tables in creation order, each with its fields in order.
const QVector<DefTable>& SchemaBase();

// A default row: field name and value, written in this order.
struct LigneDefaut {
    QString table;
    QVector<QPair<QString, QVariant>> valeurs;
};
// The default rows in the order written: Passe, Para, Special, Genre, Classe, Etat, AbonChe, CDChe.
const QVector<LigneDefaut>& LignesDefaut();

// The width of a Text field of the schema (0 when the field is not a Text field).
int LargeurChamp(const QString& table, const QString& champ);

// Brings the Text fields of a database made with narrower ones (by an earlier program) up to the
// widths above, so that it takes what the program writes today (a film identifier grows past the
// thousandth film). Only widens; every row is kept. One transaction. Throws ErreurBase when the
// file cannot be changed; it is then left as it was.
void ElargirChamps(Database& db);

// Defines the ten tables and writes the default rows into an empty database, in one transaction.
void CreerSchema(Database& db);

} // namespace vidora
