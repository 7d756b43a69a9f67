#pragma once
// Shelf places: bay letter, row and number, and the step from one free place to the next.

#include <QString>

#include <optional>

namespace vidora {

class Database;

// A place: the bay as stored, the row and the number as whole numbers.
struct Emplacement {
    QString Trave;
    int Rang = 1;
    int Numero = 1;
};

// The single row of table Classe: the next free place and the limits of the shelves.
struct Classement {
    Emplacement place;
    int NumRang = 0;   // last row of a bay
    int NumNumero = 0; // last number of a row
};

// bay " - " row " - " number, as in "A - 1 - 10".
QString TexteEmplacement(const QString& trave, const QString& rang, const QString& numero);
QString TexteEmplacement(const Emplacement& e);

// The place after e: the number rises; past the last number it returns to 1 and the row rises;
// then a row past the last row returns to 1 and the bay takes the next letter. Bays end at "Z":
// there is no place after the last place of bay "Z" (std::nullopt).
std::optional<Emplacement> PlaceSuivante(const Emplacement& e, int numRang, int numNumero);

// Checks the five values of the Classe row given as texts (the boxes of the settings window, or the
// stored fields): the bay 1 to 5 characters, the first a letter A to Z; the row, the number, the last
// row and the last number whole numbers from 1 to 99999. A row above the last row is allowed: the next
// step takes the next bay. Empty when they are right (c then holds them), else what is wrong, in
// French, naming the box of the settings window at fault.
QString VerifierClassement(const QString& trave, const QString& rang, const QString& numero,
                           const QString& numRang, const QString& numNumero, Classement* c = nullptr);

// Reads the Classe row; refuses (Refus, French) a row that VerifierClassement refuses, or a place
// beyond bay "Z".
Classement LireClassement(Database& db);

// What Classe records once the last place of bay "Z" is given: bay "[", row 1, number 1. The shelves
// are full, and LireClassement refuses to give a place until they are set again.
Emplacement PlaceApresZ();
// Writes a place into the Classe row as the next free place (the limits stay as they are).
void EcrirePlaceLibre(Database& db, const Emplacement& p);
// Writes the whole Classe row: the next free place and the limits.
void EcrireClassement(Database& db, const Classement& c);

// Writes into Classe the place that follows the place in hand (the place just given to a film),
// or PlaceApresZ() after the last place of bay "Z".
void AvancerEmplacement(Database& db, const Emplacement& enMain);

} // namespace vidora
