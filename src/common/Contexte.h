#pragma once
// The application context: the few values that live for the whole run and pass from window to
// window. Everything else is a local of one handler or a member of one window.

#include "platform/Database.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace vidora {

struct Contexte {
    std::unique_ptr<Database> BaseEnCours;
    std::unique_ptr<Recordset> TableOuverte;
    QString CheminAppli;
    QString NomBase;
    QString CheminBase;
    int PourcentZoom = 0;
    int TaillePolice = 0;
    int HauteurEcran = 0;
    int LargeurEcran = 0;
    int Compteur = 0;
    int EssaisConnexion = 0;
    // The password of BaseEnCours was accepted: the main window is in its logged-in state.
    bool Connecte = false;

    // The current database; throws a French error when none is open.
    Database& base();
    // Opens a table of the current database into TableOuverte and returns it.
    Recordset& ouvrirTable(const QString& nom);
    // Closes and releases TableOuverte.
    void fermerTables();
    // A file of the application folder.
    QString fichier(const QString& nom) const;
};

Contexte& ctx();

// The file of that name in a folder, found without regard to letter case ("rappel.let" for
// "Rappel.let"), the exact name first; empty when there is none.
QString TrouverFichier(const QString& dossier, const QString& nom);

// The files of a folder whose names match a pattern such as "*.let", whatever their letter case,
// sorted by name; sub-folders and hidden files are left out.
QStringList ListerFichiers(const QString& dossier, const QString& motif);
// The club's databases of a folder: "*.MDB" whatever the case, so "club.mdb" is one too.
QStringList ListerBases(const QString& dossier);

// Opens a database file that the operator picked, once it is known to be a whole one of ours with
// its password record; throws ErreurBase otherwise, and the caller shows "IMPOSSIBLE D'OUVRIR
// CETTE BASE".
std::unique_ptr<Database> OuvrirBaseChoisie(const QString& chemin);

// Closes TableOuverte when a handler leaves, however it leaves.
class TablesFermees {
  public:
    TablesFermees() = default;
    ~TablesFermees() { ctx().fermerTables(); }
    TablesFermees(const TablesFermees&) = delete;
    TablesFermees& operator=(const TablesFermees&) = delete;
};

} // namespace vidora
