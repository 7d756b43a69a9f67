#include "platform/Database.h"

#include "platform/Windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>

#include <sqlite3.h>

namespace vidora {

namespace {

// Marks a SQLite file as one of ours ("VIDO"), so that a database of another program is refused.
constexpr int kApplicationId = 0x5649444F;
constexpr const char* kCle = "__cle"; // hidden key column: table order
constexpr int kLot = 512;             // rows read ahead during a forward walk

using Genre = ErreurBase::Genre;

constexpr const char* kSuffixeTravail = ".travail";

// The database a file stands for: a work file stands for the database it is being built for.
QString nomAffiche(const QString& chemin) {
    QString nom = QFileInfo(chemin).fileName();
    if (nom.endsWith(QLatin1String(kSuffixeTravail))) {
        nom.chop(int(qstrlen(kSuffixeTravail)));
        nom = nom.left(nom.lastIndexOf(QLatin1Char('.')));
    }
    return nom;
}

QString cheminDe(sqlite3* db) {
    const char* f = db ? sqlite3_db_filename(db, "main") : nullptr;
    return f ? QFile::decodeName(f) : QString();
}

// The one place where a failure of SQLite becomes what the operator reads: one French sentence
// that names the database file, never SQLite's own English text.
ErreurBase erreurMoteur(int code, const QString& chemin, const char* detail = nullptr) {
    const QString nom = nomAffiche(chemin);
    const auto phrase = [&](const char* texte) { return QString::fromUtf8(texte).arg(nom); };
    // Another program (a second copy of this one that compacted or restored the club) put a new
    // file in its place: the file is not read-only, this connection holds the old one.
    if (code == SQLITE_READONLY_DBMOVED)
        return {Genre::Io, phrase("La base %1 a été remplacée par un autre programme depuis son ouverture : "
                                  "la modification n'est pas enregistrée. Fermez la base et ouvrez-la de "
                                  "nouveau.")};
    switch (code & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return {Genre::Io, phrase("La base %1 ne peut pas être modifiée : le fichier ou son dossier est en "
                                  "lecture seule.")};
    case SQLITE_FULL:
        return {Genre::Io, phrase("La base %1 ne peut pas être modifiée : le disque est plein.")};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {Genre::Io, phrase("La base %1 est occupée par un autre programme : réessayez plus tard.")};
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
        return {Genre::PasUneBase, phrase("La base %1 est endommagée : elle ne peut pas être lue.")};
    case SQLITE_CANTOPEN:
        return {Genre::Io,
                phrase("La base %1 ne peut pas être ouverte ou écrite : le fichier ou son dossier est "
                       "inaccessible.")};
    case SQLITE_IOERR:
        return {Genre::Io,
                phrase("La base %1 ne peut pas être lue ou écrite : le disque signale une erreur.")};
    case SQLITE_NOMEM:
        return {Genre::Io, phrase("La base %1 ne peut pas être traitée : la mémoire manque.")};
    case SQLITE_ERROR:
        // A table or a field gone from under a recordset that had found it.
        if (detail && qstrncmp(detail, "no such", 7) == 0)
            return {Genre::TableInconnue, phrase("Il manque une table ou un champ dans la base %1.")};
        break;
    default:
        break;
    }
    return {Genre::Io,
            QStringLiteral("La base %1 a refusé l'opération (erreur %2 du moteur).").arg(nom).arg(code)};
}

[[noreturn]] void echec(sqlite3* db, int code = 0) {
    if (code == 0) code = db ? sqlite3_extended_errcode(db) : SQLITE_ERROR;
    throw erreurMoteur(code, cheminDe(db), db ? sqlite3_errmsg(db) : nullptr);
}

QString ident(const QString& nom) {
    QString s = nom;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// A prepared statement that finalizes itself.
class Stmt {
  public:
    Stmt(sqlite3* db, const QString& sql) : db_(db) {
        const QByteArray u = sql.toUtf8();
        if (sqlite3_prepare_v2(db, u.constData(), int(u.size()), &st_, nullptr) != SQLITE_OK) echec(db);
    }
    // A statement kept elsewhere for reuse: reset, not finalized, when done with.
    Stmt(sqlite3* db, sqlite3_stmt* garde) : db_(db), st_(garde), garde_(true) { sqlite3_reset(st_); }
    ~Stmt() {
        if (!garde_) {
            sqlite3_finalize(st_);
            return;
        }
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
    }
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;
    void lier(int i, const QVariant& v) {
        int rc;
        if (!v.isValid() || v.isNull())
            rc = sqlite3_bind_null(st_, i);
        else if (v.typeId() == QMetaType::QString) {
            const QByteArray u = v.toString().toUtf8();
            rc = sqlite3_bind_text(st_, i, u.constData(), int(u.size()), SQLITE_TRANSIENT);
        } else if (v.typeId() == QMetaType::Bool)
            rc = sqlite3_bind_int(st_, i, v.toBool() ? 1 : 0);
        else
            rc = sqlite3_bind_int64(st_, i, v.toLongLong());
        if (rc != SQLITE_OK) echec(db_, rc);
    }
    bool pas() {
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        echec(db_, rc);
    }
    sqlite3_stmt* get() const { return st_; }

  private:
    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
    bool garde_ = false;
};

QVariant colonne(sqlite3_stmt* st, int i, TypeChamp type) {
    switch (sqlite3_column_type(st, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        if (type == TypeChamp::Booleen) return QVariant(sqlite3_column_int(st, i) != 0);
        if (type == TypeChamp::Long) return QVariant(qint64(sqlite3_column_int64(st, i)));
        return QVariant(QString::number(sqlite3_column_int64(st, i)));
    default: {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st, i));
        return QVariant(QString::fromUtf8(p, sqlite3_column_bytes(st, i)));
    }
    }
}

QString typeDeclare(const DefChamp& c) {
    switch (c.type) {
    case TypeChamp::Long:
        return QStringLiteral("LONG");
    case TypeChamp::Booleen:
        return QStringLiteral("BOOLEAN");
    case TypeChamp::Texte:
        break;
    }
    return QStringLiteral("TEXT(%1)").arg(c.taille);
}

DefChamp champDepuisDeclaration(const QString& nom, const QString& decl) {
    DefChamp c;
    c.nom = nom;
    const QString d = decl.trimmed().toUpper();
    if (d == QLatin1String("LONG"))
        c.type = TypeChamp::Long;
    else if (d == QLatin1String("BOOLEAN"))
        c.type = TypeChamp::Booleen;
    else {
        c.type = TypeChamp::Texte;
        const int a = d.indexOf(QLatin1Char('(')), b = d.indexOf(QLatin1Char(')'));
        c.taille = (a > 0 && b > a) ? d.mid(a + 1, b - a - 1).toInt() : 255;
    }
    return c;
}

sqlite3* ouvrirFichier(const QString& chemin, int drapeaux) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(chemin).constData(), &db, drapeaux, nullptr);
    if (rc != SQLITE_OK) {
        const int code = db ? sqlite3_extended_errcode(db) : rc;
        sqlite3_close(db);
        throw erreurMoteur(code, chemin);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 2000);
    return db;
}

QString journalDe(const QString& chemin) {
    return chemin + QStringLiteral("-journal");
}

} // namespace

QString raisonSysteme(int erreur) {
    switch (erreur) {
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("le dossier ou le fichier n'accepte pas d'écriture");
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return QStringLiteral("le disque est plein");
    case ENOENT:
        return QStringLiteral("le fichier n'existe plus");
    case EBUSY:
        return QStringLiteral("le fichier est occupé");
    default:
        return QStringLiteral("erreur du système n° %1").arg(erreur);
    }
}

namespace {

// A hot journal left by a crash is played back into its own file by SQLite at the first read.
// Returns whether the journal is gone.
bool reprendreJournal(const QString& chemin) {
    const QString journal = journalDe(chemin);
    if (!QFileInfo::exists(journal)) return true;
    if (QFileInfo::exists(chemin)) {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(QFile::encodeName(chemin).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) ==
            SQLITE_OK) {
            sqlite3_busy_timeout(db, 2000);
            sqlite3_exec(db, "PRAGMA schema_version", nullptr, nullptr, nullptr);
        }
        sqlite3_close(db);
    }
    return !QFileInfo::exists(journal);
}

} // namespace

void remplacerFichierBase(const QString& source, const QString& cible) {
    const QString nom = QFileInfo(cible).fileName();
    const auto refus = [&](const QString& raison) {
        return ErreurBase(Genre::Io,
                          QStringLiteral("La base %1 n'a pas pu être remplacée : %2.").arg(nom, raison));
    };
    // A new file whose own write was cut short is not whole: it is never put in place.
    if (!reprendreJournal(source)) throw refus(QStringLiteral("la nouvelle version est incomplète"));
    // The old file is settled with its journal, so that it stays whole should the rename fail;
    // a journal that cannot be played back goes with the file it belongs to.
    if (!reprendreJournal(cible) && !QFile::remove(journalDe(cible)))
        throw refus(QStringLiteral("son journal ne peut pas être effacé"));
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(cible).constData()) != 0) {
        const int erreur = errno;
        throw refus(raisonSysteme(erreur));
    }
}

QString reserverFichierDeTravail(const QString& base) {
    // The name is only reserved: the engine writes a work file itself and refuses an existing one.
    QTemporaryFile reserve(base + QStringLiteral(".XXXXXX") + QLatin1String(kSuffixeTravail));
    if (!reserve.open())
        throw ErreurBase(Genre::Io,
                         QStringLiteral("La base %1 ne peut pas être écrite : son dossier n'accepte "
                                        "pas de nouveau fichier.")
                             .arg(nomAffiche(base)));
    return reserve.fileName();
}

void effacerFichiersDeTravail(const QString& dossier) {
    if (dossier.isEmpty()) return; // never the current directory by mistake
    const QString travail = QStringLiteral("*") + QLatin1String(kSuffixeTravail);
    // "creation-XXXXXX.tmp": the work files of database creation in earlier versions.
    const QString ancienne = QStringLiteral("creation-??????.tmp");
    const QDir d(dossier);
    for (const QString& f : d.entryList(
             {travail, travail + QStringLiteral("-journal"), ancienne, ancienne + QStringLiteral("-journal")},
             QDir::Files | QDir::Hidden))
        QFile::remove(d.filePath(f));
}

bool fichierEnLectureSeule(const QString& chemin) {
    const QFileInfo fi(chemin);
    constexpr auto ecriture = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !fi.isWritable() || !(fi.permissions() & ecriture);
}

// ---------------------------------------------------------------- Database

Database::Database(sqlite3* db, QString chemin) : db_(db), chemin_(std::move(chemin)) {}

Database::~Database() {
    fermer();
}

std::unique_ptr<Database> Database::ouvrir(const QString& chemin) {
    const QFileInfo fi(chemin);
    if (!fi.exists() || !fi.isFile())
        throw ErreurBase(Genre::FichierAbsent,
                         QStringLiteral("La base %1 est introuvable.").arg(nomAffiche(chemin)));
    auto base = std::unique_ptr<Database>(
        new Database(ouvrirFichier(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX), chemin));
    // Reading the header plays back a crash's journal and tells a foreign file (SQLITE_NOTADB)
    // from a database of another program.
    int id = 0;
    {
        Stmt st(base->db_, QStringLiteral("PRAGMA application_id"));
        if (st.pas()) id = sqlite3_column_int(st.get(), 0);
    }
    if (id != kApplicationId)
        throw ErreurBase(Genre::PasUneBase,
                         QStringLiteral("Le fichier %1 n'est pas une base VIDORA.").arg(nomAffiche(chemin)));
    base->executer("PRAGMA journal_mode=DELETE");
    return base;
}

std::unique_ptr<Database> Database::creer(const QString& chemin) {
    if (QFileInfo::exists(chemin))
        throw ErreurBase(Genre::FichierExiste,
                         QStringLiteral("Le fichier %1 existe déjà.").arg(QFileInfo(chemin).fileName()));
    auto base = std::unique_ptr<Database>(new Database(
        ouvrirFichier(chemin, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX), chemin));
    try {
        base->executer("PRAGMA journal_mode=DELETE");
        base->executer(QByteArray("PRAGMA application_id=" + QByteArray::number(kApplicationId)).constData());
    } catch (...) {
        base->fermer();
        QFile::remove(chemin);
        throw;
    }
    return base;
}

std::unique_ptr<Database> Database::ouvrirPourCopie(const QString& source, const QString& cible) {
    if (QFileInfo::exists(cible))
        throw ErreurBase(Genre::FichierExiste,
                         QStringLiteral("Le fichier %1 existe déjà.").arg(QFileInfo(cible).fileName()));
    auto base = ouvrir(source);
    // A damaged file is never carried on: its copy would look whole and replace a good one.
    Stmt verif(base->db_, QStringLiteral("PRAGMA quick_check(1)"));
    if (!verif.pas() ||
        qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(verif.get(), 0)), "ok") != 0)
        throw erreurMoteur(SQLITE_CORRUPT, source);
    return base;
}

void Database::compacter(const QString& source, const QString& cible) {
    auto base = ouvrirPourCopie(source, cible);
    Stmt st(base->db_, QStringLiteral("VACUUM INTO ?"));
    st.lier(1, QVariant(cible));
    st.pas();
}

void Database::copier(const QString& source, const QString& cible) {
    auto base = ouvrirPourCopie(source, cible);
    sqlite3* copie = ouvrirFichier(cible, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
    // A new file that is thrown away whole if the copy stops: no journal, no wait for the disk.
    sqlite3_exec(copie, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);
    sqlite3_backup* b = sqlite3_backup_init(copie, "main", base->db_, "main");
    int rc = b ? sqlite3_backup_step(b, -1) : sqlite3_extended_errcode(copie);
    if (b && sqlite3_backup_finish(b) != SQLITE_OK && rc == SQLITE_DONE) rc = sqlite3_extended_errcode(copie);
    sqlite3_close(copie);
    if (rc != SQLITE_DONE) {
        QFile::remove(cible);
        throw erreurMoteur(rc, source);
    }
}

sqlite3* Database::handle() const {
    if (!db_) throw ErreurBase(Genre::Fermee, QStringLiteral("La base est fermée"));
    return db_;
}

void Database::executer(const char* sql) {
    toucher();
    char* err = nullptr;
    const int rc = sqlite3_exec(handle(), sql, nullptr, nullptr, &err);
    sqlite3_free(err);
    if (rc != SQLITE_OK) echec(db_, rc);
}

namespace {
QString creationTable(const QString& nom, const QVector<DefChamp>& champs) {
    // AUTOINCREMENT: a key is never given twice, not even that of the last row once deleted, so a
    // row added later is never taken for it by a walk or a recordset still standing on it.
    QString sql =
        QStringLiteral("CREATE TABLE %1 (%2 INTEGER PRIMARY KEY AUTOINCREMENT").arg(ident(nom), kCle);
    for (const DefChamp& c : champs)
        sql += QStringLiteral(", %1 %2").arg(ident(c.nom), typeDeclare(c));
    return sql + QLatin1Char(')');
}
} // namespace

void Database::creerTable(const DefTable& def) {
    executer(creationTable(def.nom, def.champs).toUtf8().constData());
}

void Database::elargirTable(const DefTable& def) {
    const DefTable avant = definition(def.nom);
    bool change = false;
    for (qsizetype i = 0; i < avant.champs.size(); ++i) {
        const DefChamp& a = avant.champs[i];
        const DefChamp& n = i < def.champs.size() ? def.champs[i] : a;
        if (def.champs.size() != avant.champs.size() || n.nom.compare(a.nom, Qt::CaseInsensitive) != 0 ||
            n.type != a.type || n.taille < a.taille)
            throw ErreurBase(Genre::EtatInvalide,
                             QStringLiteral("La table %1 ne peut être élargie ainsi.").arg(avant.nom));
        change = change || n.taille != a.taille;
    }
    if (!change) return;
    for (Recordset* rs : recordsets_)
        if (rs->def_.nom.compare(avant.nom, Qt::CaseInsensitive) == 0)
            throw ErreurBase(
                Genre::EtatInvalide,
                QStringLiteral("La table %1 est ouverte : elle ne peut être élargie.").arg(avant.nom));
    // SQLite keeps the declared widths in the table's definition only: the table is made again
    // under the new widths with its rows, their keys (table order) and its key counter.
    const QString travail = QStringLiteral("__elargie_") + avant.nom;
    Transaction tr(*this);
    executer(creationTable(travail, def.champs).toUtf8().constData());
    executer(QStringLiteral("INSERT INTO %1 SELECT * FROM %2")
                 .arg(ident(travail), ident(avant.nom))
                 .toUtf8()
                 .constData());
    QVariant sequence;
    {
        Stmt st(handle(), QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name=?"));
        st.lier(1, QVariant(avant.nom));
        if (st.pas()) sequence = QVariant(qint64(sqlite3_column_int64(st.get(), 0)));
    }
    executer(QStringLiteral("DROP TABLE %1").arg(ident(avant.nom)).toUtf8().constData());
    executer(QStringLiteral("ALTER TABLE %1 RENAME TO %2")
                 .arg(ident(travail), ident(avant.nom))
                 .toUtf8()
                 .constData());
    if (sequence.isValid()) {
        Stmt st(handle(), QStringLiteral("UPDATE sqlite_sequence SET seq=max(seq, ?) WHERE name=?"));
        st.lier(1, sequence);
        st.lier(2, QVariant(avant.nom));
        st.pas();
    }
    toucher();
    tr.valider();
}

bool Database::aTable(const QString& nom) const {
    Stmt st(handle(),
            QStringLiteral("SELECT 1 FROM sqlite_schema WHERE type='table' AND name=? COLLATE NOCASE"));
    st.lier(1, QVariant(nom));
    return st.pas();
}

QStringList Database::tables() const {
    Stmt st(handle(), QStringLiteral("SELECT name FROM sqlite_schema WHERE type='table' AND name NOT LIKE "
                                     "'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"));
    QStringList res;
    while (st.pas())
        res << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)));
    return res;
}

DefTable Database::definition(const QString& table) const {
    DefTable def;
    {
        Stmt st(handle(), QStringLiteral(
                              "SELECT name FROM sqlite_schema WHERE type='table' AND name=? COLLATE NOCASE"));
        st.lier(1, QVariant(table));
        if (!st.pas())
            throw ErreurBase(
                Genre::TableInconnue,
                QStringLiteral("La table %1 manque dans la base %2.").arg(table, nomAffiche(chemin_)));
        def.nom = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)));
    }
    Stmt st(handle(), QStringLiteral("SELECT name, type FROM pragma_table_info(?) ORDER BY cid"));
    st.lier(1, QVariant(def.nom));
    while (st.pas()) {
        const QString nom =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 0)));
        if (nom == QLatin1String(kCle)) continue;
        const QString decl =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st.get(), 1)));
        def.champs.push_back(champDepuisDeclaration(nom, decl));
    }
    return def;
}

void Database::fermer() {
    if (!db_) return;
    // Recordsets left open by a handler must not keep the file busy.
    const auto ouverts = recordsets_;
    for (Recordset* rs : ouverts)
        rs->Close();
    recordsets_.clear();
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

std::unique_ptr<Recordset> Database::ouvrirTable(const QString& nom) {
    auto rs = std::unique_ptr<Recordset>(new Recordset(this, definition(nom)));
    recordsets_.insert(rs.get());
    rs->MoveFirst();
    return rs;
}

// ---------------------------------------------------------------- Transaction

Transaction::Transaction(Database& db) : db_(&db) {
    static int compteur = 0;
    nom_ = QStringLiteral("t%1").arg(++compteur);
    db_->executer(QStringLiteral("SAVEPOINT %1").arg(nom_).toUtf8().constData());
}

Transaction::~Transaction() {
    if (fini_ || !db_->estOuverte()) return;
    try {
        db_->executer(QStringLiteral("ROLLBACK TO %1").arg(nom_).toUtf8().constData());
        db_->executer(QStringLiteral("RELEASE %1").arg(nom_).toUtf8().constData());
    } catch (...) {
        // A failed rollback already left SQLite's own journal to undo the work.
    }
}

void Transaction::valider() {
    db_->executer(QStringLiteral("RELEASE %1").arg(nom_).toUtf8().constData());
    fini_ = true;
}

// ---------------------------------------------------------------- Recordset

Recordset::Recordset(Database* db, DefTable def) : db_(db), def_(std::move(def)) {
    colonnesSql_ = QLatin1String(kCle);
    for (const DefChamp& c : def_.champs)
        colonnesSql_ += QStringLiteral(", ") + ident(c.nom);
    Stmt st(db_->handle(), QStringLiteral("SELECT count(*) FROM ") + ident(def_.nom));
    st.pas();
    compte_ = sqlite3_column_int(st.get(), 0);
    valeurs_.resize(def_.champs.size());
    lu_.resize(def_.champs.size());
    posCurseur_.fill(-1, def_.champs.size());
    demandes_.fill(false, def_.champs.size());
}

Recordset::~Recordset() {
    Close();
}

void Recordset::Close() {
    if (!db_) return;
    fermerCurseur();
    sqlite3_finalize(edition_);
    edition_ = nullptr;
    db_->oublier(this);
    db_ = nullptr;
    cle_ = -1;
    eof_ = bof_ = true;
    mode_ = Mode::Aucun;
}

void Recordset::verifierOuvert() const {
    if (!db_ || !db_->estOuverte()) throw ErreurBase(Genre::Fermee, QStringLiteral("Table fermée"));
}

void Recordset::verifierLigne() const {
    verifierOuvert();
    if (eof_ || bof_ || cle_ < 0 || supprime_)
        throw ErreurBase(Genre::EtatInvalide, QStringLiteral("Aucun enregistrement en cours"));
}

int Recordset::RecordCount() const {
    verifierOuvert();
    return compte_;
}

bool Recordset::Fin() const {
    return eof_;
}

void Recordset::fermerCurseur() {
    if (curseur_) sqlite3_finalize(curseur_);
    curseur_ = nullptr;
    surCurseur_ = false;
}

void Recordset::ouvrirCurseur(qint64 apres, bool complet) {
    fermerCurseur();
    curseurComplet_ = complet;
    demandeHorsCurseur_ = false;
    QString colonnes = QLatin1String(kCle);
    int j = 1;
    for (int i = 0; i < def_.champs.size(); ++i) {
        posCurseur_[i] = (complet || demandes_[i]) ? j++ : -1;
        if (posCurseur_[i] > 0) colonnes += QStringLiteral(", ") + ident(def_.champs[i].nom);
    }
    const QByteArray sql = QStringLiteral("SELECT %1 FROM %2 WHERE %3 > ? ORDER BY %3")
                               .arg(colonnes, ident(def_.nom), QLatin1String(kCle))
                               .toUtf8();
    if (sqlite3_prepare_v2(db_->handle(), sql.constData(), int(sql.size()), &curseur_, nullptr) != SQLITE_OK)
        echec(db_->handle());
    sqlite3_bind_int64(curseur_, 1, apres);
    versionCurseur_ = db_->version();
}

// Steps the cursor to the row after cle_; SQLite lets the current row be updated or deleted
// through the same connection while it steps, and a row that comes back is skipped.
bool Recordset::avancerCurseur() {
    for (;;) {
        const int rc = sqlite3_step(curseur_);
        if (rc == SQLITE_DONE) {
            fermerCurseur();
            return false;
        }
        if (rc != SQLITE_ROW) {
            fermerCurseur();
            echec(db_->handle(), rc);
        }
        const qint64 cle = sqlite3_column_int64(curseur_, 0);
        if (cle_ >= 0 && cle <= cle_ && !bof_) continue;
        cle_ = cle;
        lu_.fill(false);
        surCurseur_ = true;
        return true;
    }
}

void Recordset::MoveFirst() {
    verifierOuvert();
    mode_ = Mode::Aucun;
    supprime_ = false;
    cle_ = -1;
    bof_ = true;
    ouvrirCurseur(std::numeric_limits<qint64>::min(), true);
    if (!avancerCurseur()) {
        eof_ = bof_ = true;
        return;
    }
    eof_ = bof_ = false;
}

void Recordset::MoveNext() {
    verifierOuvert();
    if (eof_) throw ErreurBase(Genre::EtatInvalide, QStringLiteral("Aucun enregistrement en cours"));
    mode_ = Mode::Aucun;
    supprime_ = false;
    // Someone else wrote since the cursor was opened: start again after the current key. Once the
    // first row has shown which fields the walk reads, the cursor is narrowed to them.
    const bool aJour = curseur_ && versionCurseur_ == db_->version();
    const bool resserrer = aJour && !bof_ && curseurComplet_ && demandes_.contains(true);
    if (!aJour || resserrer || demandeHorsCurseur_)
        ouvrirCurseur(bof_ ? std::numeric_limits<qint64>::min() : cle_, !demandes_.contains(true));
    const bool etaitBof = bof_;
    bof_ = false;
    if (etaitBof) cle_ = -1;
    if (!avancerCurseur()) {
        cle_ = -1;
        eof_ = true;
    }
}

void Recordset::MoveLast() {
    verifierOuvert();
    mode_ = Mode::Aucun;
    supprime_ = false;
    fermerCurseur();
    Stmt st(db_->handle(),
            QStringLiteral("SELECT max(%1) FROM %2").arg(QLatin1String(kCle), ident(def_.nom)));
    st.pas();
    if (sqlite3_column_type(st.get(), 0) == SQLITE_NULL) {
        cle_ = -1;
        eof_ = bof_ = true;
        return;
    }
    lireLigne(sqlite3_column_int64(st.get(), 0));
}

// Makes the row with this key the current one (no cursor: its fields are read on demand).
void Recordset::lireLigne(qint64 cle) {
    fermerCurseur();
    Stmt st(db_->handle(),
            QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?").arg(ident(def_.nom), QLatin1String(kCle)));
    st.lier(1, QVariant(cle));
    if (!st.pas()) {
        cle_ = -1;
        eof_ = true;
        return;
    }
    cle_ = cle;
    lu_.fill(false);
    eof_ = bof_ = false;
}

// Reads every field of the current row that was not read yet, from the row as stored: called only
// where the walk's cursor cannot give them (a field it does not bring, or a row it no longer
// stands on), and it tells a row deleted meanwhile.
void Recordset::chargerTout() const {
    Stmt st(db_->handle(), QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?")
                               .arg(colonnesSql_, ident(def_.nom), QLatin1String(kCle)));
    st.lier(1, QVariant(cle_));
    if (!st.pas()) throw ErreurBase(Genre::EtatInvalide, QStringLiteral("L'enregistrement a disparu"));
    for (int i = 0; i < def_.champs.size(); ++i)
        if (!lu_[i]) {
            valeurs_[i] = colonne(st.get(), i + 1, def_.champs[i].type);
            lu_[i] = true;
        }
}

bool Recordset::AllerA(qint64 cle) {
    verifierOuvert();
    mode_ = Mode::Aucun;
    supprime_ = false;
    lireLigne(cle);
    return !eof_;
}

qint64 Recordset::Cle() const {
    return cle_;
}

int Recordset::indexChamp(const QString& champ) const {
    for (const NomVu& v : vus_)
        if (v.index >= 0 && v.nom.constData() == champ.constData() && v.nom.size() == champ.size())
            return v.index;
    int trouve = -1;
    // The name as written in the schema is the common case: try it before ignoring case.
    for (int i = 0; i < def_.champs.size() && trouve < 0; ++i)
        if (def_.champs[i].nom == champ) trouve = i;
    for (int i = 0; i < def_.champs.size() && trouve < 0; ++i)
        if (def_.champs[i].nom.compare(champ, Qt::CaseInsensitive) == 0) trouve = i;
    if (trouve >= 0) {
        vus_[prochainVu_] = {champ, trouve};
        prochainVu_ = (prochainVu_ + 1) % 8;
        return trouve;
    }
    throw ErreurBase(Genre::ChampInconnu, QStringLiteral("Le champ %1 manque dans la table %2 de la base %3.")
                                              .arg(champ, def_.nom, nomAffiche(db_->chemin())));
}

QVariant Recordset::Value(const QString& champ) const {
    return valeur(champ);
}

const QVariant& Recordset::valeur(const QString& champ) const {
    verifierOuvert();
    const int i = indexChamp(champ);
    verifierLigne();
    if (!lu_[i]) {
        if (!demandes_[i]) {
            demandes_[i] = true;
            if (posCurseur_[i] < 0) demandeHorsCurseur_ = true;
        }
        if (surCurseur_ && curseur_ && versionCurseur_ == db_->version() && posCurseur_[i] > 0) {
            valeurs_[i] = colonne(curseur_, posCurseur_[i], def_.champs[i].type);
            lu_[i] = true;
        } else {
            chargerTout();
        }
    }
    return valeurs_[i];
}

QString Recordset::Texte(const QString& champ) const {
    const QVariant& v = valeur(champ);
    if (!v.isValid() || v.isNull()) return QString();
    if (v.typeId() == QMetaType::Bool) return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

bool Recordset::EstNull(const QString& champ) const {
    const QVariant& v = valeur(champ);
    return !v.isValid() || v.isNull();
}

void Recordset::Edit() {
    verifierLigne();
    // Only the fields set are written, so the row needs no reading first while the walk's cursor
    // stands on it; otherwise reading it tells whether it is still there.
    if (!(surCurseur_ && curseur_ && versionCurseur_ == db_->version())) chargerTout();
    mode_ = Mode::Edition;
    tampon_ = QVector<QVariant>(def_.champs.size());
    modifie_ = QVector<bool>(def_.champs.size(), false);
}

void Recordset::AddNew() {
    verifierOuvert();
    mode_ = Mode::Ajout;
    tampon_ = QVector<QVariant>(def_.champs.size());
    modifie_ = QVector<bool>(def_.champs.size(), false);
}

QVariant Recordset::convertir(int index, const QVariant& valeur) const {
    const DefChamp& c = def_.champs[index];
    if (!valeur.isValid() || valeur.isNull()) return QVariant();
    const auto refus = [&](const QString& pourquoi) {
        return ErreurBase(Genre::ValeurRefusee,
                          QStringLiteral("Valeur refusée pour %1 : %2").arg(c.nom, pourquoi));
    };
    switch (c.type) {
    case TypeChamp::Texte: {
        QString s;
        if (valeur.typeId() == QMetaType::Bool)
            s = valeur.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        else
            s = valeur.toString();
        // The last guard of the boxes' rule, whatever way a text came in by.
        s = TexteEnregistrable(s);
        if (s.size() > c.taille)
            throw refus(QStringLiteral("texte trop long (%1 caractères au plus)").arg(c.taille));
        return QVariant(s);
    }
    case TypeChamp::Long: {
        bool ok = false;
        qint64 n = 0;
        if (valeur.typeId() == QMetaType::QString)
            n = valeur.toString().trimmed().toLongLong(&ok);
        else if (valeur.typeId() == QMetaType::Bool) {
            n = valeur.toBool() ? -1 : 0;
            ok = true;
        } else if (valeur.typeId() == QMetaType::Double) {
            const double d = valeur.toDouble();
            // Out of range, the conversion itself would be undefined: such a value is refused below.
            ok = std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15;
            n = ok ? qint64(d) : 0;
        } else
            n = valeur.toLongLong(&ok);
        if (!ok) throw refus(QStringLiteral("nombre entier attendu"));
        if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
            throw refus(QStringLiteral("nombre hors limites"));
        return QVariant(n);
    }
    case TypeChamp::Booleen:
        if (valeur.typeId() == QMetaType::QString) {
            const QString s = valeur.toString().trimmed();
            if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || s == QLatin1String("-1") ||
                s == QLatin1String("1"))
                return QVariant(true);
            if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 || s == QLatin1String("0"))
                return QVariant(false);
            throw refus(QStringLiteral("valeur vrai/faux attendue"));
        }
        return QVariant(valeur.toBool() || valeur.toLongLong() != 0);
    }
    return QVariant();
}

void Recordset::SetValue(const QString& champ, const QVariant& valeur) {
    verifierOuvert();
    const int i = indexChamp(champ);
    if (mode_ == Mode::Aucun)
        throw ErreurBase(Genre::EtatInvalide, QStringLiteral("Écriture hors de Edit ou AddNew : ") + champ);
    // Kept as given; every value is checked at Update so that a refused row writes nothing.
    tampon_[i] = valeur;
    modifie_[i] = true;
}

void Recordset::CancelUpdate() {
    mode_ = Mode::Aucun;
}

void Recordset::Update() {
    verifierOuvert();
    if (mode_ == Mode::Aucun)
        throw ErreurBase(Genre::EtatInvalide, QStringLiteral("Update sans Edit ni AddNew"));
    const Mode mode = mode_;
    mode_ = Mode::Aucun;
    const int n = int(def_.champs.size());
    QVector<QVariant> valeurs(n);
    for (int i = 0; i < n; ++i)
        valeurs[i] = modifie_[i] ? convertir(i, tampon_[i]) : tampon_[i];

    if (mode == Mode::Edition) {
        if (modifie_.contains(true)) {
            // A walk that edits row after row sets the same fields each time: one statement serves.
            if (!edition_ || champsEdition_ != modifie_) {
                sqlite3_finalize(edition_);
                edition_ = nullptr;
                champsEdition_.clear();
                QStringList sets;
                for (int i = 0; i < n; ++i)
                    if (modifie_[i]) sets << ident(def_.champs[i].nom) + QStringLiteral(" = ?");
                const QByteArray u =
                    QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                        .arg(ident(def_.nom), sets.join(QStringLiteral(", ")), QLatin1String(kCle))
                        .toUtf8();
                if (sqlite3_prepare_v2(db_->handle(), u.constData(), int(u.size()), &edition_, nullptr) !=
                    SQLITE_OK) {
                    sqlite3_finalize(edition_);
                    edition_ = nullptr;
                    echec(db_->handle());
                }
                champsEdition_ = modifie_;
            }
            Stmt st(db_->handle(), edition_);
            int k = 1;
            for (int i = 0; i < n; ++i)
                if (modifie_[i]) st.lier(k++, valeurs[i]);
            st.lier(k, QVariant(cle_));
            st.pas();
        }
        // The fields written are known; the others are read again when asked for.
        for (int i = 0; i < n; ++i)
            if (modifie_[i]) {
                valeurs_[i] = std::move(valeurs[i]);
                lu_[i] = true;
            }
        ecrit(true);
        return;
    }
    // A new row goes after every other; the current row stays where it was.
    QStringList noms, marques;
    for (int i = 0; i < n; ++i) {
        noms << ident(def_.champs[i].nom);
        marques << QStringLiteral("?");
    }
    Stmt st(db_->handle(),
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(ident(def_.nom), noms.join(QStringLiteral(", ")), marques.join(QStringLiteral(", "))));
    for (int i = 0; i < n; ++i)
        st.lier(i + 1, valeurs[i]);
    st.pas();
    ++compte_;
    // A walk under way must see the new row: its cursor starts again after the current key.
    ecrit(false);
}

void Recordset::Delete() {
    verifierLigne();
    mode_ = Mode::Aucun;
    Stmt st(db_->handle(),
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(ident(def_.nom), QLatin1String(kCle)));
    st.lier(1, QVariant(cle_));
    st.pas();
    --compte_;
    supprime_ = true;
    ecrit(true);
}

void Recordset::ecrit(bool garderCurseur) {
    // Changing or deleting the current row leaves the cursor good; anyone else's write does not.
    const bool aJour = versionCurseur_ == db_->version();
    db_->toucher();
    if (aJour && garderCurseur) versionCurseur_ = db_->version();
    // The cursor's copy of the current row is no longer what is stored.
    surCurseur_ = false;
}

} // namespace vidora
