#include "shell/Sauvegarde.h"

#include "common/Contexte.h"
#include "common/Refus.h"
#include "common/TexteFichier.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/FichierEntier.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
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

// The work folder and the journal of one kind of copy, inside the folder it fills.
struct Copie {
    QString travail, journal;
    QString (*terminee)(const QString& dossier);
    QString (*annulee)(const QString& dossier);
};

const Copie kSauvegarde{
    QStringLiteral(".vidora-sauvegarde.travail"), QStringLiteral(".vidora-sauvegarde.journal"),
    [](const QString& d) {
        return QStringLiteral("LA SAUVEGARDE INTERROMPUE DANS LE DOSSIER %1 A ETE TERMINEE : IL TIENT LA "
                              "NOUVELLE SAUVEGARDE ENTIERE.")
            .arg(QDir::toNativeSeparators(d));
    },
    [](const QString& d) {
        return QStringLiteral("LA SAUVEGARDE INTERROMPUE DANS LE DOSSIER %1 A ETE ANNULEE : IL TIENT LA "
                              "SAUVEGARDE PRECEDENTE, ENTIERE.")
            .arg(QDir::toNativeSeparators(d));
    }};
const Copie kRestauration{
    QStringLiteral(".vidora-restauration.travail"), QStringLiteral(".vidora-restauration.journal"),
    [](const QString&) {
        return QStringLiteral("LA RESTORATION INTERROMPUE A ETE TERMINEE : LES FICHIERS DU CLUB SONT CEUX DE "
                              "LA SAUVEGARDE.");
    },
    [](const QString&) {
        return QStringLiteral("LA RESTORATION INTERROMPUE A ETE ANNULEE : LES FICHIERS DU CLUB SONT CEUX "
                              "D'AVANT LA RESTORATION.");
    }};

QString natif(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

QByteArray encode(const QString& chemin) {
    return QFile::encodeName(chemin);
}

// Why a file or folder could not be read, in the operator's words.
QString raisonLecture(int erreur) {
    switch (erreur) {
    case EACCES:
    case EPERM:
        return QStringLiteral("le programme n'a pas le droit de le lire");
    case EIO:
        return QStringLiteral("le disque ne peut pas être lu");
    default:
        return raisonSysteme(erreur);
    }
}

[[noreturn]] void echecLecture(const QString& source, const QString& raison) {
    throw Refus(QStringLiteral("LE FICHIER %1 NE PEUT PAS ETRE LU :\n%2").arg(natif(source), raison));
}

// A copy that cannot be written names the file copied and the folder it was going to.
[[noreturn]] void echecEcriture(const QString& source, const QString& dossier, const QString& raison) {
    throw Refus(QStringLiteral("LA COPIE DU FICHIER %1 DANS %2 A ECHOUE :\n%3")
                    .arg(natif(source), natif(dossier), raison));
}

// A step of the copies where a test may stop the program.
void etape(const char* nom, const QString& fichier, const QString& dossier) {
    try {
        env().pointDeControle(nom);
    } catch (const std::exception& e) {
        echecEcriture(fichier, dossier, QString::fromUtf8(e.what()));
    }
}

bool estBase(const QString& nom) {
    return !nom.contains(QLatin1Char('/')) && nom.endsWith(QStringLiteral(".mdb"), Qt::CaseInsensitive);
}

// A folder whose files must be listed: one the program may not read is never taken for empty.
void verifierLisible(const QString& dossier) {
    if (access(encode(dossier).constData(), R_OK | X_OK) != 0 && errno != ENOENT)
        throw Refus(QStringLiteral("LE DOSSIER %1 NE PEUT PAS ETRE LU :\n%2")
                        .arg(natif(dossier), raisonLecture(errno)));
}

// Every byte of in into out: in the kernel when it can, else through a buffer. Returns 0 or the
// errno value of the failure; *lecture tells a failed read from a failed write.
int transferer(int in, int out, bool* lecture) {
    for (;;) {
        const ssize_t n = copy_file_range(in, nullptr, out, nullptr, std::size_t(1) << 30, 0);
        if (n > 0) continue;
        if (n == 0) return 0;
        if (errno == EINTR) continue;
        if (errno == ENOSPC || errno == EDQUOT || errno == EFBIG) return errno;
        // Not between these two files, or a failure the buffer tells apart (reading or writing):
        // the offsets stand where the kernel left them.
        break;
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
    const int in = open(encode(source).constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0) echecLecture(source, raisonLecture(errno));
    struct stat st {};
    bool lecture = false;
    int erreur = 0;
    int out = -1;
    if (fstat(in, &st) != 0) {
        erreur = errno;
        lecture = true;
    } else if ((out = open(encode(travail).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600)) < 0) {
        erreur = errno;
    } else {
        if (fchmod(out, st.st_mode & 07777) != 0) erreur = errno;
        if (!erreur) erreur = transferer(in, out, &lecture);
    }
    close(in);
    if (out >= 0 && close(out) != 0 && !erreur) erreur = errno;
    if (lecture) echecLecture(source, raisonLecture(erreur));
    if (erreur) echecEcriture(source, dossier, raisonSysteme(erreur));
}

// A database as the engine sees it: checked, its journal settled, copied page by page. Never its
// raw bytes: a file the engine refuses is no copy of a database. A journal beside it is settled in
// a scratch copy of the file and the journal: the folder read is never written.
void copierBase(const QString& source, const QString& travail, const QString& dossier) {
    QString lue = source;
    const QString brouillon = travail + QStringLiteral(".brouillon");
    const auto effacerBrouillon = [&] {
        QFile::remove(brouillon);
        QFile::remove(brouillon + QStringLiteral("-journal"));
    };
    if (QFileInfo::exists(source + QStringLiteral("-journal"))) {
        copierOctets(source, brouillon, dossier);
        copierOctets(source + QStringLiteral("-journal"), brouillon + QStringLiteral("-journal"), dossier);
        lue = brouillon;
    }
    try {
        Database::copier(lue, travail);
    } catch (const ErreurBase& e) {
        effacerBrouillon();
        if (e.genre() == ErreurBase::Genre::PasUneBase)
            throw Refus(QStringLiteral("LA BASE %1 EST ENDOMMAGEE : ELLE N'EST PAS COPIEE.\n%2")
                            .arg(natif(source), e.message()));
        echecEcriture(source, dossier, e.message());
    }
    effacerBrouillon();
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
        etape("copie-sauvegarde", s.filePath(nom), dossier);
        if (fiche && nom == kFicheSauvegarde) {
            if (const EcritureEchouee e = EcrireLignes(t.filePath(nom), *fiche))
                echecEcriture(s.filePath(nom), dossier, e.raison);
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

// Only a name of the folder or of its "Images": nothing a damaged list could send elsewhere.
bool nomSimple(const QString& nom) {
    const QStringList parts = nom.split(QLatin1Char('/'));
    return !nom.isEmpty() && (parts.size() == 1 || (parts.size() == 2 && parts[0] == kImages)) &&
           !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral(".")) &&
           !parts.last().isEmpty();
}

QStringList lireNoms(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList noms;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (!l.trimmed().isEmpty()) noms << QString::fromUtf8(l.trimmed());
    return noms;
}

QStringList lireListe(const QString& dossier) {
    QStringList noms;
    for (const QString& nom : lireNoms(QDir(dossier).filePath(kListe)))
        if (nomSimple(nom) && !EstTravailDuProgramme(QFileInfo(nom).fileName())) noms << nom;
    return noms;
}

QByteArray lignesUtf8(const QStringList& noms) {
    return (noms.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

// The pictures of a folder, the program's work files left out; throws when "Images" is there but
// cannot be read.
QStringList images(const QString& dossier) {
    const QString d = QDir(dossier).filePath(kImages);
    verifierLisible(d);
    QStringList noms;
    for (const QString& f : ListerFichiers(d, QStringLiteral("*")))
        if (!EstTravailDuProgramme(f)) noms << kImages + QLatin1Char('/') + f;
    return noms;
}

// Nothing the program did not write is moved or removed: a folder (or a link) of the operator's
// where a file of the copy goes stops it before anything changes.
void verifierPlaces(const QString& dossier, const QStringList& noms) {
    const QDir d(dossier);
    const QFileInfo images(d.filePath(kImages));
    if ((images.exists() || images.isSymLink()) && !images.isDir())
        throw Refus(
            QStringLiteral("LE FICHIER %1 EST A LA PLACE DU DOSSIER DES IMAGES : IL N'EST NI DEPLACE NI "
                           "EFFACE.")
                .arg(natif(images.filePath())));
    for (const QString& nom : noms) {
        const QFileInfo fi(d.filePath(nom));
        if ((fi.exists() || fi.isSymLink()) && (!fi.isFile() || fi.isSymLink()))
            throw Refus(
                QStringLiteral("%1 N'EST PAS UN FICHIER ORDINAIRE ET TIENT LA PLACE D'UN FICHIER DE LA "
                               "COPIE : IL N'EST NI DEPLACE NI EFFACE.")
                    .arg(natif(fi.filePath())));
    }
}

// syncfs of the folder's file system: every file written there is on the medium.
int synchroniserVolume(const QString& dossier) {
    const int fd = open(encode(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int erreur = syncfs(fd) == 0 ? 0 : errno;
    close(fd);
    return erreur;
}

void synchroniser(const QString& dossier) {
    if (const int e = synchroniserVolume(dossier))
        throw Refus(
            QStringLiteral("LES FICHIERS DU DOSSIER %1 NE PEUVENT PAS ETRE ECRITS SUR LE DISQUE :\n%2")
                .arg(natif(dossier), raisonSysteme(e)));
}

// The work folder, made afresh inside the folder to fill (itself made when missing).
QString preparerTravail(const QString& dossier, const Copie& copie) {
    const QString travail = QDir(dossier).filePath(copie.travail);
    QDir(travail).removeRecursively();
    if (!QDir(travail).mkpath(kImages))
        throw Refus(QStringLiteral("LE DOSSIER %1 NE PEUT PAS ETRE CREE OU ECRIT.").arg(natif(dossier)));
    return travail;
}

// Carries out the journal of `dossier`: the removals ("-name"), then the renames ("+name", from the
// work folder). Each step can be done again: a rename whose work file is gone was done, a removal of
// a file no longer there was done.
void achever(const QString& dossier, const Copie& copie, const QStringList& lignes) {
    const QDir d(dossier), t(d.filePath(copie.travail));
    for (const QString& l : lignes) {
        const QString nom = l.mid(1);
        if (!l.startsWith(QLatin1Char('-')) || !nomSimple(nom)) continue;
        const QFileInfo fi(d.filePath(nom));
        if (!fi.isFile() || fi.isSymLink()) continue;
        etape("bascule-sauvegarde", fi.filePath(), dossier);
        if (!QFile::remove(fi.filePath()))
            throw Refus(QStringLiteral("LE FICHIER %1 NE PEUT PAS ETRE EFFACE.").arg(natif(fi.filePath())));
        if (estBase(nom)) QFile::remove(fi.filePath() + QStringLiteral("-journal"));
    }
    for (const QString& l : lignes) {
        const QString nom = l.mid(1);
        if (!l.startsWith(QLatin1Char('+')) || !nomSimple(nom) || !QFileInfo::exists(t.filePath(nom)))
            continue;
        const QString cible = nom == kFicheSauvegarde ? FicheSauvegarde(dossier) : d.filePath(nom);
        etape("bascule-sauvegarde", cible, dossier);
        if (nom.contains(QLatin1Char('/')) && !d.mkpath(kImages))
            echecEcriture(t.filePath(nom), d.filePath(kImages),
                          QStringLiteral("le dossier ne peut pas être créé"));
        if (estBase(nom)) {
            try {
                remplacerFichierBase(t.filePath(nom), cible);
            } catch (const ErreurBase& e) {
                echecEcriture(t.filePath(nom), dossier, e.message());
            }
        } else if (std::rename(encode(t.filePath(nom)).constData(), encode(cible).constData()) != 0) {
            echecEcriture(t.filePath(nom), dossier, raisonSysteme(errno));
        }
    }
    synchroniser(dossier);
    etape("bascule-sauvegarde", d.filePath(copie.journal), dossier);
    QFile::remove(d.filePath(copie.journal));
    SynchroniserSurDisque(dossier);
    QDir(t.path()).removeRecursively();
}

// Settles what an interrupted copy of this kind left in `dossier`; returns the sentence for the
// operator, empty when there was nothing. Throws Refus when a swap cannot be finished.
QString reprendre(const QString& dossier, const Copie& copie) {
    const QDir d(dossier);
    // A journal whose own write was cut short: its work file, by its exact form.
    for (const QString& f : d.entryList({copie.journal + QStringLiteral(".*")}, QDir::Files | QDir::Hidden))
        if (EstFichierDeTravail(f)) QFile::remove(d.filePath(f));
    const QString journal = d.filePath(copie.journal);
    if (QFileInfo::exists(journal)) {
        QFile f(journal);
        if (!f.open(QIODevice::ReadOnly)) echecLecture(journal, raisonLecture(EACCES));
        achever(dossier, copie, lireNoms(journal));
        return copie.terminee(dossier);
    }
    if (!QFileInfo::exists(d.filePath(copie.travail))) return {};
    QDir(d.filePath(copie.travail)).removeRecursively();
    return copie.annulee(dossier);
}

// The work folder and work files of earlier versions' copies, by their exact forms: the folder may
// be any folder of the operator's.
void effacerAnciensTravaux(const QString& dossier) {
    const QDir d(dossier);
    QDir(d.filePath(QStringLiteral(".vidora-copie.travail"))).removeRecursively();
    const QStringList motifs{QStringLiteral(".vidora-??????.tmp"), QStringLiteral("*.mdb.??????.travail"),
                             QStringLiteral("*.mdb.??????.travail-journal")};
    for (const QDir& ici : {d, QDir(d.filePath(kImages))})
        for (const QString& f : ici.entryList(motifs, QDir::Files | QDir::Hidden))
            QFile::remove(ici.filePath(f));
}

// Writes the journal, whole and synced, after the work folder is whole and synced: from here the
// swap is finished by whoever comes next, should this program stop.
void ecrireJournal(const QString& dossier, const Copie& copie, const QStringList& lignes) {
    synchroniser(dossier);
    etape("bascule-sauvegarde", QDir(dossier).filePath(copie.journal), dossier);
    if (const EcritureEchouee e =
            EcrireFichierEntier(QDir(dossier).filePath(copie.journal), lignesUtf8(lignes)))
        echecEcriture(QDir(dossier).filePath(copie.journal), dossier, e.raison);
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

bool EstTravailDuProgramme(const QString& nom) {
    // Earlier versions saved pictures, templates, "Etiquette" and "Sauve.ser" through a file named
    // after them and six letters or digits.
    static const QRegularExpression ancienne(
        QStringLiteral("^(.+\\.(bmp|let)|Etiquette|Sauve\\.ser)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    return EstFichierDeTravail(nom) || ancienne.match(nom).hasMatch();
}

QString ReprendreSauvegardeInterrompue(const QString& dossier) {
    if (dossier.isEmpty() || !QFileInfo(dossier).isDir()) return {}; // never the current directory by mistake
    QStringList phrases;
    for (const Copie* copie : {&kSauvegarde, &kRestauration}) {
        try {
            if (const QString p = reprendre(dossier, *copie); !p.isEmpty()) phrases << p;
        } catch (const Refus& e) {
            phrases << QStringLiteral(
                           "LA COPIE INTERROMPUE DANS LE DOSSIER %1 N'A PAS PU ETRE TERMINEE :\n%2")
                           .arg(natif(dossier), e.message());
        }
    }
    effacerAnciensTravaux(dossier);
    return phrases.join(QLatin1Char('\n'));
}

void Sauvegarder(const QString& dossierAppli, const QString& destination, const QStringList& fiche,
                 const Avancement& avancer) {
    QString travail;
    const auto refuser = [&](const Refus& e, const QString& garde) {
        if (!travail.isEmpty()) QDir(travail).removeRecursively();
        return Refus(e.message() + QLatin1Char('\n') + garde);
    };
    QString garde = QStringLiteral("LES FICHIERS DE CE DOSSIER SONT GARDES.");
    QStringList ecrits, lignes;
    try {
        if (QFileInfo(destination).isDir()) {
            reprendre(destination, kSauvegarde);
            effacerAnciensTravaux(destination);
        }
        if (!TrouverFichier(destination, kFicheSauvegarde).isEmpty())
            garde = QStringLiteral("LA SAUVEGARDE PRECEDENTE DE CE DOSSIER EST GARDEE ENTIERE.");
        verifierLisible(dossierAppli);
        const QStringList bases = ListerBases(dossierAppli),
                          lettres = ListerFichiers(dossierAppli, QStringLiteral("*.let"));
        const QStringList photos = images(dossierAppli);
        const QStringList fichiers = bases + lettres + photos;
        verifierPlaces(destination, fichiers + QStringList{kListe, kFicheSauvegarde});
        if (!QDir(destination).mkpath(QStringLiteral(".")))
            throw Refus(QStringLiteral("LE DOSSIER %1 NE PEUT PAS ETRE CREE.").arg(natif(destination)));
        travail = preparerTravail(destination, kSauvegarde);
        ecrits = remplir(dossierAppli, travail, destination, bases + lettres + QStringList{kFicheSauvegarde},
                         &fiche, avancer);
        ecrits += remplir(dossierAppli, travail, destination, photos, nullptr, avancer);
        ecrits.removeOne(kFicheSauvegarde);
        const QString liste = QDir(travail).filePath(kListe);
        if (const EcritureEchouee e =
                EcrireFichierEntier(liste, lignesUtf8(fichiers + QStringList{kFicheSauvegarde})))
            echecEcriture(liste, destination, e.raison);
        // What the previous backup wrote and this one does not bring goes; a name that differs only
        // by its letter case stays, as it may be the same file on the medium.
        const QSet<QString> gardes = [&] {
            QSet<QString> s;
            for (const QString& f : fichiers + QStringList{kFicheSauvegarde, kListe})
                s.insert(f.toLower());
            return s;
        }();
        for (const QString& f : lireListe(destination))
            if (!gardes.contains(f.toLower())) lignes << QLatin1Char('-') + f;
        // The list and the record last: they tell a whole backup.
        for (const QString& f : ecrits + QStringList{kListe, kFicheSauvegarde})
            lignes << QLatin1Char('+') + f;
        ecrireJournal(destination, kSauvegarde, lignes);
    } catch (const Refus& e) {
        throw refuser(e, garde);
    }
    try {
        achever(destination, kSauvegarde, lignes);
    } catch (const Refus& e) {
        throw Refus(
            e.message() +
            QStringLiteral("\nLA NOUVELLE SAUVEGARDE EST ENTIERE DANS LE DOSSIER : SA MISE EN PLACE SERA "
                           "TERMINEE A LA PROCHAINE OUVERTURE DE CE DOSSIER."));
    }
}

void Restaurer(const QString& sauvegarde, const QString& dossierAppli, const Avancement& avancer) {
    const QString garde =
        QStringLiteral("LES FICHIERS DU DOSSIER DU PROGRAMME SONT GARDES TELS QU'ILS ETAIENT.");
    QString travail;
    QStringList lignes;
    try {
        verifierLisible(sauvegarde);
        reprendre(sauvegarde, kSauvegarde);
        reprendre(dossierAppli, kRestauration);
        QStringList dessus, photos;
        if (QFileInfo::exists(QDir(sauvegarde).filePath(kListe))) {
            for (const QString& f : lireListe(sauvegarde))
                (f.contains(QLatin1Char('/')) ? photos : dessus) << f;
            for (const QString& f : dessus + photos)
                if (!QFileInfo::exists(QDir(sauvegarde).filePath(f)))
                    throw Refus(QStringLiteral("LE FICHIER %1 MANQUE DANS LA SAUVEGARDE.")
                                    .arg(natif(QDir(sauvegarde).filePath(f))));
        } else {
            // A backup of an earlier version: what its kinds of file are.
            dessus = ListerBases(sauvegarde) + ListerFichiers(sauvegarde, QStringLiteral("*.let"));
            if (const QString f = TrouverFichier(sauvegarde, kFicheSauvegarde); !f.isEmpty())
                dessus << QFileInfo(f).fileName();
            photos = images(sauvegarde);
        }
        if (std::none_of(dessus.begin(), dessus.end(), estBase))
            throw Refus(
                QStringLiteral("LA SAUVEGARDE DU DOSSIER %1 NE TIENT AUCUNE BASE : RIEN N'EST RESTAURE.")
                    .arg(natif(sauvegarde)));
        verifierPlaces(dossierAppli, dessus + photos);
        travail = preparerTravail(dossierAppli, kRestauration);
        QStringList ecrits = remplir(sauvegarde, travail, dossierAppli, dessus, nullptr, avancer);
        ecrits += remplir(sauvegarde, travail, dossierAppli, photos, nullptr, avancer);
        for (const QString& f : ecrits)
            lignes << QLatin1Char('+') + f;
        ecrireJournal(dossierAppli, kRestauration, lignes);
    } catch (const Refus& e) {
        if (!travail.isEmpty()) QDir(travail).removeRecursively();
        throw Refus(e.message() + QLatin1Char('\n') + garde);
    }
    try {
        achever(dossierAppli, kRestauration, lignes);
    } catch (const Refus& e) {
        throw Refus(e.message() +
                    QStringLiteral("\nLES FICHIERS DE LA SAUVEGARDE SONT ENTIERS DANS LE DOSSIER DU "
                                   "PROGRAMME : LA RESTORATION SERA TERMINEE AU PROCHAIN DEMARRAGE."));
    }
}

} // namespace vidora
