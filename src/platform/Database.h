#pragma once
// The club's database engine: one SQLite file per database, reached table by table through
// recordsets that walk a table in the order its rows were added. No query language leaks out
// of this file: every value is bound as a parameter.

#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>
#include <set>
#include <stdexcept>

struct sqlite3;
struct sqlite3_stmt;

namespace vidora {

// A typed failure of the engine; handlers catch it and show a French message.
class ErreurBase : public std::runtime_error {
  public:
    enum class Genre {
        FichierAbsent, // opening a file that does not exist
        PasUneBase,    // a file that is not one of our databases
        FichierExiste, // compaction or creation onto an existing file
        TableInconnue, // a table name the database does not hold
        ChampInconnu,  // a field name the table does not hold
        ValeurRefusee, // a value that does not fit its field (type or width)
        EtatInvalide,  // an operation the recordset's position or mode does not allow
        Fermee,        // use of a closed database or recordset
        Io,            // any other failure reported by SQLite
    };
    ErreurBase(Genre genre, const QString& message)
        : std::runtime_error(message.toStdString()), genre_(genre), message_(message) {}
    Genre genre() const { return genre_; }
    const QString& message() const { return message_; }

  private:
    Genre genre_;
    QString message_;
};

// Puts the database file `source` in place of the database file `cible`. Each file's rollback
// journal is settled first: a hot journal is rolled back into its own file by opening it, and
// whatever is left of `cible`'s is removed since `cible` is thrown away, so that the new file is
// never paired with another file's journal (SQLite would play it into the new file at its first
// open). Then one rename: there is never a moment without a database. Throws ErreurBase (a French
// message naming `cible`) on failure; `cible` is then left as it was.
void remplacerFichierBase(const QString& source, const QString& cible);

// Why the system refused a file operation (an errno value), in words the operator understands.
QString raisonSysteme(int erreur);

// Work files of the operations that put a database file in place (creation, compaction, restore):
// each is made beside the database it is for, under a name that the list of databases never shows.
// Returns a path where no file stands yet; throws ErreurBase when the folder takes no file.
QString reserverFichierDeTravail(const QString& base);
// Removes the work files (and their journals) that a crash left in the folder; never a database.
void effacerFichiersDeTravail(const QString& dossier);
// Whether the database file may not be written: by this program's rights, or because it is marked
// read-only for everyone (which a program run as administrator respects too).
bool fichierEnLectureSeule(const QString& chemin);

enum class TypeChamp { Texte, Long, Booleen };

struct DefChamp {
    QString nom;
    TypeChamp type = TypeChamp::Texte;
    int taille = 0; // Text width in characters; unused for Long and Boolean
};

struct DefTable {
    QString nom;
    QVector<DefChamp> champs;
};

class Recordset;

class Database {
  public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database; never creates a file. Throws FichierAbsent or PasUneBase.
    static std::unique_ptr<Database> ouvrir(const QString& chemin);
    // Creates a new, empty database file; refuses (FichierExiste) when the file exists.
    static std::unique_ptr<Database> creer(const QString& chemin);
    // Writes a compacted copy of the closed database at source into cible; refused when cible exists,
    // and refused (PasUneBase) when the engine's check finds source damaged.
    static void compacter(const QString& source, const QString& cible);
    // Writes a copy of the closed database at source into cible page by page, on the same terms.
    static void copier(const QString& source, const QString& cible);

    // Defines a table with its fields in order. A hidden integer key gives table order.
    void creerTable(const DefTable& def);
    // Gives an existing table the Text widths of def: the same fields in the same order, none
    // narrower than it stands. In one transaction; rows, table order and keys are kept. Refused
    // while a recordset is open on the table.
    void elargirTable(const DefTable& def);
    bool aTable(const QString& nom) const;
    DefTable definition(const QString& table) const;
    QStringList tables() const;

    // Closes the recordsets still open on this database, then the file itself.
    void fermer();
    bool estOuverte() const { return db_ != nullptr; }
    const QString& chemin() const { return chemin_; }

    // Opens a table-type recordset positioned on the first row.
    std::unique_ptr<Recordset> ouvrirTable(const QString& nom);

    // Low-level access for the engine itself and the transaction guard.
    sqlite3* handle() const;
    void executer(const char* sql);
    // Counts writes, so that a recordset knows when the rows it read ahead may be stale.
    quint64 version() const { return version_; }
    void toucher() { ++version_; }

  private:
    friend class Recordset;
    explicit Database(sqlite3* db, QString chemin);
    // The closed database at source, found whole by the engine's check, for a copy into cible.
    static std::unique_ptr<Database> ouvrirPourCopie(const QString& source, const QString& cible);
    void oublier(Recordset* rs) { recordsets_.erase(rs); }

    sqlite3* db_ = nullptr;
    QString chemin_;
    std::set<Recordset*> recordsets_;
    quint64 version_ = 0;
};

// RAII transaction: rolled back unless valider() was called. Nests through savepoints.
class Transaction {
  public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void valider();

  private:
    Database* db_;
    QString nom_;
    bool fini_ = false;
};

// A table walked row by row in table order, with DAO-like Edit / AddNew / Update / Delete.
class Recordset {
  public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    int RecordCount() const;
    bool Fin() const; // past the last row
    void MoveFirst();
    void MoveLast();
    void MoveNext();

    // The stored value of the current row; an invalid QVariant for Null.
    QVariant Value(const QString& champ) const;
    // Text of a field: Null gives an empty text, numbers their decimal text.
    QString Texte(const QString& champ) const;
    bool EstNull(const QString& champ) const;

    void Edit();
    void AddNew();
    // Sets a field of the row being edited or added.
    void SetValue(const QString& champ, const QVariant& valeur);
    // Writes the row being edited or added; a refused value writes nothing and ends the edit.
    void Update();
    void CancelUpdate();
    void Delete();
    void Close();
    bool estOuvert() const { return db_ != nullptr; }

    const DefTable& definition() const { return def_; }
    // The hidden key of the current row (its place in table order).
    qint64 Cle() const;
    // Moves to the row holding this key; returns false (and Fin()) when none does.
    bool AllerA(qint64 cle);

  private:
    friend class Database;
    Recordset(Database* db, DefTable def);
    int indexChamp(const QString& champ) const;
    const QVariant& valeur(const QString& champ) const;
    void verifierOuvert() const;
    void verifierLigne() const;
    // Forward walk: a statement stepping through the table from the current key on.
    void ouvrirCurseur(qint64 apres, bool complet);
    void fermerCurseur();
    bool avancerCurseur();
    void lireLigne(qint64 cle);
    void chargerTout() const;
    QVariant convertir(int index, const QVariant& valeur) const;
    void ecrit(bool garderCurseur);

    Database* db_;
    DefTable def_;
    QString colonnesSql_;
    // The current row: its key; cle_ < 0 means no current row (before the first, past the last).
    qint64 cle_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    bool supprime_ = false;
    // The current row's fields, read from the cursor only when asked for.
    mutable QVector<QVariant> valeurs_;
    mutable QVector<bool> lu_;
    // The cursor stands on the current row and nobody else wrote since it read it.
    sqlite3_stmt* curseur_ = nullptr;
    bool surCurseur_ = false;
    quint64 versionCurseur_ = 0;
    // The cursor reads every field until the walk shows which ones are wanted; from then on only
    // those (posCurseur_: each field's column in the cursor, or -1).
    bool curseurComplet_ = true;
    QVector<int> posCurseur_;
    mutable QVector<bool> demandes_;
    // Names recently looked up: a handler asks for the same few fields row after row. Each entry
    // shares the caller's text, so a matching data pointer means the very same name.
    struct NomVu {
        QString nom;
        int index = -1;
    };
    mutable NomVu vus_[8];
    mutable int prochainVu_ = 0;
    mutable bool demandeHorsCurseur_ = false;
    // The UPDATE of the last Edit, kept for the next one that sets the same fields.
    sqlite3_stmt* edition_ = nullptr;
    QVector<bool> champsEdition_; // the fields that edition_ sets
    enum class Mode { Aucun, Edition, Ajout } mode_ = Mode::Aucun;
    QVector<QVariant> tampon_;
    QVector<bool> modifie_;
    int compte_ = 0;
};

} // namespace vidora
