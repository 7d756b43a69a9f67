#include "shell/Sauvegarde.h"

#include "common/Contexte.h"
#include "common/Refus.h"
#include "common/TexteFichier.h"
#include "platform/Database.h"
#include "platform/Environnement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vidora {

namespace {

const QString kImages = QStringLiteral("Images");
// What the backups of this program wrote in their folder, one name a line (UTF-8), pictures as
// "Images/name": the only files a later backup may remove there, and those a restore takes.
const QString kListe = QStringLiteral("Sauve.lst");
// The work folder of a backup or a restore, inside the folder it fills.
const QString kTravail = QStringLiteral(".vidora-copie.travail");

QString natif(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

[[noreturn]] void echecLecture(const QString& source, const QString& raison) {
    throw Refus(QStringLiteral("LE FICHIER %1 NE PEUT PAS ETRE LU :\n%2").arg(natif(source), raison));
}

// A copy that cannot be written names the file copied and the folder it was going to.
[[noreturn]] void echecEcriture(const QString& source, const QString& dossier, const QString& raison) {
    throw Refus(QStringLiteral("LA COPIE DU FICHIER %1 DANS %2 A ECHOUE :\n%3")
                    .arg(natif(source), natif(dossier), raison));
}

bool estBase(const QString& nom) {
    return !nom.contains(QLatin1Char('/')) && nom.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive);
}

// Every byte of in into out: in the kernel when it can, else through a buffer. Returns 0 or the
// errno value of the failure; *lecture tells a failed read from a failed write.
int transferer(int in, int out, bool* lecture) {
    for (;;) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, std::size_t(1) << 30, 0);
        if (n > 0) continue;
        if (n == 0) return 0;
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return errno;
        break; // not between these two files: the offsets stand where the kernel left them
    }
    char tampon[1 << 16];
    for (;;) {
        const ssize_t lu = read(in, tampon, sizeof tampon);
        if (lu < 0 && errno == EINTR) continue;
        if (lu < 0) {
            *lecture = true;
            return errno;
        }
        if (lu == 0) return 0;
        for (ssize_t fait = 0; fait < lu;) {
            const ssize_t e = write(out, tampon + fait, std::size_t(lu - fait));
            if (e < 0 && errno == EINTR) continue;
            if (e < 0) return errno;
            fait += e;
        }
    }
}

// A new file in the work folder: no work name of its own is needed, the folder is one.
void copierOctets(const QString& source, const QString& travail, const QString& dossier) {
    const int in = open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) echecLecture(source, raisonSysteme(errno));
    struct stat st {};
    bool lecture = false;
    int erreur = 0;
    int out = -1;
    if (fstat(in, &st) != 0) {
        erreur = errno;
        lecture = true;
    } else if ((out = open(QFile::encodeName(travail).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                           0600)) < 0) {
        erreur = errno;
    } else {
        if (fchmod(out, st.st_mode & 07777) != 0) erreur = errno;
        if (!erreur) erreur = transferer(in, out, &lecture);
    }
    close(in);
    if (out >= 0 && close(out) != 0 && !erreur) erreur = errno;
    if (lecture) echecLecture(source, raisonSysteme(erreur));
    if (erreur) echecEcriture(source, dossier, raisonSysteme(erreur));
}

// A database as the engine sees it: checked, its journal settled, copied page by page. Never its
// raw bytes: a file the engine refuses is no copy of a database.
void copierBase(const QString& source, const QString& travail, const QString& dossier) {
    try {
        Database::copier(source, travail);
    } catch (const ErreurBase& e) {
        if (e.genre() == ErreurBase::Genre::PasUneBase)
            throw Refus(QStringLiteral("LA BASE %1 EST ENDOMMAGEE : ELLE N'EST PAS COPIEE.\n%2")
                            .arg(natif(source), e.message()));
        echecEcriture(source, dossier, e.message());
    }
    QFile::setPermissions(travail, QFile::permissions(source));
}

// Reads n bytes, fewer only at the end of the file; -1 on failure.
ssize_t lirePlein(int fd, char* tampon, ssize_t n) {
    ssize_t lu = 0;
    while (lu < n) {
        const ssize_t r = read(fd, tampon + lu, std::size_t(n - lu));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return -1;
        if (r == 0) break;
        lu += r;
    }
    return lu;
}

// Whether the file in place already holds these very bytes, with the same rights: it is then as
// new as a copy would make it, and neither written again nor replaced.
bool identique(const QString& source, const QString& cible) {
    // The file in place first: on a first backup there is none.
    const int b = open(QFile::encodeName(cible).constData(), O_RDONLY | O_CLOEXEC);
    const int a = b < 0 ? -1 : open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    struct stat sa {
    }, sb{};
    bool pareil = a >= 0 && fstat(a, &sa) == 0 && fstat(b, &sb) == 0 && S_ISREG(sb.st_mode) &&
                  sa.st_size == sb.st_size && (sa.st_mode & 07777) == (sb.st_mode & 07777);
    char ta[1 << 16], tb[1 << 16];
    while (pareil) {
        const ssize_t n = lirePlein(a, ta, sizeof ta);
        if (n <= 0) {
            pareil = n == 0;
            break;
        }
        pareil = lirePlein(b, tb, n) == n && std::memcmp(ta, tb, std::size_t(n)) == 0;
    }
    if (b >= 0) close(b);
    if (a >= 0) close(a);
    return pareil;
}

// Copies the files `noms` (relative) of `source` into the work folder `travail` of `dossier`, but
// for those that `dossier` already holds as they are; returns the names written. "Sauve.ser" is
// written from `fiche` when one is given.
QStringList remplir(const QString& source, const QString& travail, const QString& dossier,
                    const QStringList& noms, const QStringList* fiche, const Avancement& avancer) {
    const QDir s(source), t(travail);
    QStringList ecrits;
    for (int i = 0; i < noms.size(); ++i) {
        const QString& nom = noms[i];
        avancer(QFileInfo(nom).fileName(), i, int(noms.size()));
        try {
            env().pointDeControle("copie-sauvegarde");
        } catch (const std::exception& e) {
            echecEcriture(s.filePath(nom), dossier, QString::fromUtf8(e.what()));
        }
        if (fiche && nom == kFicheSauvegarde) {
            if (EcrireLignes(t.filePath(nom), *fiche))
                echecEcriture(s.filePath(nom), dossier, QStringLiteral("le fichier ne peut pas être écrit"));
        } else if (estBase(nom)) {
            copierBase(s.filePath(nom), t.filePath(nom), dossier);
        } else if (identique(s.filePath(nom), QDir(dossier).filePath(nom))) {
            continue;
        } else {
            copierOctets(s.filePath(nom), t.filePath(nom), dossier);
        }
        ecrits << nom;
    }
    return ecrits;
}

// Puts a file of the work folder in place, over the old one, in one rename.
void placer(const QString& travail, const QString& cible, bool base) {
    try {
        env().pointDeControle("bascule-sauvegarde");
    } catch (const std::exception& e) {
        echecEcriture(travail, QFileInfo(cible).path(), QString::fromUtf8(e.what()));
    }
    if (base) {
        try {
            remplacerFichierBase(travail, cible);
        } catch (const ErreurBase& e) {
            echecEcriture(cible, QFileInfo(cible).path(), e.message());
        }
        return;
    }
    const QByteArray t = QFile::encodeName(travail), c = QFile::encodeName(cible);
    // Exchanged, the old file goes into the work folder and leaves with it. A rename over an
    // existing file would make the file system write the new one out at once (ext4 does so to
    // protect programs that replace files without syncing): one wait per picture.
    if (renameat2(AT_FDCWD, t.constData(), AT_FDCWD, c.constData(), RENAME_EXCHANGE) == 0) return;
    if (std::rename(t.constData(), c.constData()) != 0)
        echecEcriture(cible, QFileInfo(cible).path(), raisonSysteme(errno));
}

void basculer(const QString& travail, const QString& dossier, QStringList noms) {
    // Into a folder without pictures yet, the work folder's "Images" goes whole, in one rename.
    const QString images = QDir(dossier).filePath(kImages);
    if (!QFileInfo::exists(images) &&
        std::rename(QFile::encodeName(QDir(travail).filePath(kImages)).constData(),
                    QFile::encodeName(images).constData()) == 0)
        noms.removeIf([](const QString& nom) { return nom.contains(QLatin1Char('/')); });
    if (!QDir(dossier).mkpath(kImages))
        echecEcriture(QDir(dossier).filePath(kImages), dossier,
                      QStringLiteral("le dossier ne peut pas être créé"));
    for (const QString& nom : noms)
        placer(QDir(travail).filePath(nom), QDir(dossier).filePath(nom), estBase(nom));
}

QStringList lireListe(const QString& dossier) {
    QFile f(QDir(dossier).filePath(kListe));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList noms;
    for (const QByteArray& l : f.readAll().split('\n')) {
        const QString nom = QString::fromUtf8(l.trimmed());
        // Only a name of the folder or of its "Images": nothing a damaged list could send elsewhere.
        const QStringList parts = nom.split(QLatin1Char('/'));
        const bool simple = parts.size() == 1 || (parts.size() == 2 && parts[0] == kImages);
        if (!nom.isEmpty() && simple && !parts.contains(QStringLiteral("..")) &&
            !parts.contains(QStringLiteral(".")) && !parts.last().isEmpty())
            noms << nom;
    }
    return noms;
}

// The list is written in the work folder and renamed into place: it is always whole.
void ecrireListe(const QString& travail, const QString& dossier, const QStringList& noms) {
    const QString t = QDir(travail).filePath(kListe);
    QFile f(t);
    const QByteArray octets = (noms.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(octets) != octets.size() || !f.flush())
        echecEcriture(t, dossier, raisonSysteme(errno));
    f.close();
    placer(t, QDir(dossier).filePath(kListe), false);
}

QStringList images(const QString& dossier) {
    QStringList noms;
    for (const QString& f : ListerFichiers(QDir(dossier).filePath(kImages), QStringLiteral("*")))
        noms << kImages + QLatin1Char('/') + f;
    return noms;
}

// The work folder, made afresh inside the folder to fill (itself made when missing).
QString preparerTravail(const QString& dossier) {
    const QString travail = QDir(dossier).filePath(kTravail);
    if (QDir(dossier).mkpath(QStringLiteral("."))) EffacerTravauxSauvegarde(dossier);
    if (!QDir(travail).mkpath(kImages))
        throw Refus(QStringLiteral("LE DOSSIER %1 NE PEUT PAS ETRE CREE OU ECRIT.").arg(natif(dossier)));
    return travail;
}

// A path with its existing part resolved (links, "..", letter case as stored).
QString cheminReel(const QString& chemin) {
    QString existant = QDir::cleanPath(QDir(chemin).absolutePath());
    QString reste;
    while (!QFileInfo::exists(existant) && existant != QFileInfo(existant).path()) {
        reste = QFileInfo(existant).fileName() + (reste.isEmpty() ? QString() : QStringLiteral("/") + reste);
        existant = QFileInfo(existant).path();
    }
    const QString reel = QFileInfo(existant).canonicalFilePath();
    return reste.isEmpty() ? reel : QDir(reel).filePath(reste);
}

bool dedans(const QString& chemin, const QString& dossier) {
    return chemin == dossier ||
           chemin.startsWith(dossier.endsWith(QLatin1Char('/')) ? dossier : dossier + QLatin1Char('/'));
}

} // namespace

QString FicheSauvegarde(const QString& dossier) {
    const QString f = TrouverFichier(dossier, kFicheSauvegarde);
    return f.isEmpty() ? QDir(dossier).filePath(kFicheSauvegarde) : f;
}

QString RefusChemin(const QString& dossier) {
    if (dossier.size() < 3 || !QDir::isAbsolutePath(dossier))
        return QStringLiteral("LE DOSSIER DE SAUVEGARDE DOIT ETRE UN CHEMIN COMPLET : %1").arg(dossier);
    return QString();
}

QString RefusDestination(const QString& destination, const QString& dossierAppli) {
    if (QString refus = RefusChemin(destination); !refus.isEmpty()) return refus;
    for (const QChar c : destination)
        if (c.unicode() < 0x20 || CodeWindows1252(c) < 0)
            return QStringLiteral("LE FICHIER %1 NE PEUT PAS GARDER LE NOM DE CE DOSSIER : CHOISISSEZ UN "
                                  "DOSSIER DONT LE NOM N'A PAS LE CARACTERE \"%2\".\n%3")
                .arg(kFicheSauvegarde, c.isPrint() ? QString(c) : QStringLiteral("?"), natif(destination));
    const QString d = cheminReel(destination), a = cheminReel(dossierAppli);
    if (dedans(d, a) || dedans(a, d))
        return QStringLiteral(
                   "LA SAUVEGARDE NE PEUT SE FAIRE NI DANS LE DOSSIER DU PROGRAMME, NI DANS UN DE SES "
                   "SOUS-DOSSIERS, NI DANS UN DOSSIER QUI LE CONTIENT :\n%1")
            .arg(natif(destination));
    return QString();
}

void Sauvegarder(const QString& dossierAppli, const QString& destination, const QStringList& fiche,
                 const Avancement& avancer) {
    const bool precedente = !TrouverFichier(destination, kFicheSauvegarde).isEmpty();
    const QString garde = precedente ? QStringLiteral("LA SAUVEGARDE PRECEDENTE DE CE DOSSIER EST GARDEE.")
                                     : QStringLiteral("LES FICHIERS DE CE DOSSIER SONT GARDES.");
    const QStringList avant = lireListe(destination);
    const QStringList dessus = ListerBases(dossierAppli) +
                               ListerFichiers(dossierAppli, QStringLiteral("*.let")) +
                               QStringList{kFicheSauvegarde};
    const QStringList photos = images(dossierAppli);
    QString travail;
    QStringList ecrits;
    try {
        travail = preparerTravail(destination);
        ecrits = remplir(dossierAppli, travail, destination, dessus, &fiche, avancer);
        ecrits += remplir(dossierAppli, travail, destination, photos, nullptr, avancer);
        ecrits.removeOne(kFicheSauvegarde);
    } catch (const Refus& e) {
        if (!travail.isEmpty()) QDir(travail).removeRecursively();
        throw Refus(e.message() + QLatin1Char('\n') + garde);
    }
    const QStringList fichiers = QStringList(dessus.begin(), dessus.end() - 1) + photos;
    try {
        // Recorded first: whatever stands in the folder at any moment is in the list.
        QStringList tous = avant;
        for (const QString& f : fichiers + QStringList{kFicheSauvegarde})
            if (!tous.contains(f)) tous << f;
        ecrireListe(travail, destination, tous);
        basculer(travail, destination, ecrits);
        const QSet<QString> gardes(fichiers.begin(), fichiers.end());
        for (const QString& f : avant) {
            if (gardes.contains(f) || f == kFicheSauvegarde) continue;
            QFile::remove(QDir(destination).filePath(f));
            if (estBase(f)) QFile::remove(QDir(destination).filePath(f) + QStringLiteral("-journal"));
        }
        ecrireListe(travail, destination, fichiers + QStringList{kFicheSauvegarde});
        // The record last: it tells a whole backup.
        placer(QDir(travail).filePath(kFicheSauvegarde), FicheSauvegarde(destination), false);
    } catch (const Refus& e) {
        QDir(travail).removeRecursively();
        throw Refus(
            e.message() +
            QStringLiteral("\nLA SAUVEGARDE DE CE DOSSIER EST INCOMPLETE : CHAQUE FICHIER Y EST L'ANCIEN "
                           "OU LE NOUVEAU, ET SON FICHIER %1 EST CELUI DE LA SAUVEGARDE PRECEDENTE.")
                .arg(kFicheSauvegarde));
    }
    QDir(travail).removeRecursively();
}

void Restaurer(const QString& sauvegarde, const QString& dossierAppli, const Avancement& avancer) {
    const QString garde =
        QStringLiteral("LES FICHIERS DU DOSSIER DU PROGRAMME SONT GARDES TELS QU'ILS ETAIENT.");
    QStringList dessus, photos;
    if (QFileInfo::exists(QDir(sauvegarde).filePath(kListe))) {
        for (const QString& f : lireListe(sauvegarde))
            (f.contains(QLatin1Char('/')) ? photos : dessus) << f;
        for (const QString& f : dessus + photos)
            if (!QFileInfo::exists(QDir(sauvegarde).filePath(f)))
                throw Refus(QStringLiteral("LE FICHIER %1 MANQUE DANS LA SAUVEGARDE.\n%2")
                                .arg(natif(QDir(sauvegarde).filePath(f)), garde));
    } else {
        // A backup of an earlier version: what its kinds of file are.
        dessus = ListerBases(sauvegarde) + ListerFichiers(sauvegarde, QStringLiteral("*.let"));
        if (const QString f = TrouverFichier(sauvegarde, kFicheSauvegarde); !f.isEmpty())
            dessus << QFileInfo(f).fileName();
        photos = images(sauvegarde);
    }
    QString travail;
    QStringList ecrits;
    try {
        travail = preparerTravail(dossierAppli);
        ecrits = remplir(sauvegarde, travail, dossierAppli, dessus, nullptr, avancer);
        ecrits += remplir(sauvegarde, travail, dossierAppli, photos, nullptr, avancer);
    } catch (const Refus& e) {
        if (!travail.isEmpty()) QDir(travail).removeRecursively();
        throw Refus(e.message() + QLatin1Char('\n') + garde);
    }
    try {
        basculer(travail, dossierAppli, ecrits);
    } catch (const Refus& e) {
        QDir(travail).removeRecursively();
        throw Refus(e.message() +
                    QStringLiteral("\nLA RESTORATION EST INCOMPLETE : CHAQUE FICHIER DU DOSSIER DU "
                                   "PROGRAMME EST L'ANCIEN OU CELUI DE LA SAUVEGARDE."));
    }
    QDir(travail).removeRecursively();
}

void EffacerTravauxSauvegarde(const QString& dossier) {
    if (dossier.isEmpty()) return; // never the current directory by mistake
    const QDir d(dossier);
    QDir(d.filePath(kTravail)).removeRecursively();
    // The work files of earlier versions' copies, by their exact forms: the folder may be any
    // folder of the operator's.
    const QStringList motifs{QStringLiteral(".vidora-??????.tmp"), QStringLiteral("*.mdb.??????.travail"),
                             QStringLiteral("*.mdb.??????.travail-journal")};
    for (const QDir& ici : {d, QDir(d.filePath(kImages))})
        for (const QString& f : ici.entryList(motifs, QDir::Files | QDir::Hidden))
            QFile::remove(ici.filePath(f));
}

} // namespace vidora
