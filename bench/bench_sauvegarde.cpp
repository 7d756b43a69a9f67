// Benchmark of backup and restore: an application folder holding a club of nFilms films and
// nImages pictures of 50 KB, backed up into a new folder, backed up again into the same folder and
// restored, as the backup window does, beside `cp -r` of the same files to a new folder followed by
// `sync` in the same run: a backup is only done once it is on the medium. Aim: each within 2x of
// it, on the median of the rounds.

#include "Club.h"
#include "Mesure.h"
#include "bench.h"

#include "common/Contexte.h"
#include "shell/Sauvegarde.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <unistd.h>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kTours = 5;
constexpr double kObjectifRatio = 2.0;

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool copieSysteme(const QString& source, const QString& cible) {
    const bool fait = QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), source, cible}) == 0;
    sync();
    return fait;
}

} // namespace

void benchSauvegarde(int nFilms, int nImages) {
    surClub("backup", nFilms, 0, [&](sqlite3*) {
        Contexte& c = ctx();
        c.fermerTables();
        c.BaseEnCours->fermer(); // the backup works on closed databases
        const QDir appli(c.CheminAppli);
        appli.mkpath(QStringLiteral("Images"));
        QByteArray octets(50 * 1024, Qt::Uninitialized);
        for (int i = 0; i < nImages; ++i) {
            for (char& o : octets)
                o = char(QRandomGenerator::global()->generate());
            QFile f(
                appli.filePath(QStringLiteral("Images/FILM NUMERO %1.BMP").arg(i, 6, 10, QLatin1Char('0'))));
            if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size()) {
                std::fprintf(stderr, "backup: pictures cannot be written\n");
                return;
            }
        }
        QTemporaryDir ailleurs;
        const QString dest = ailleurs.filePath(QStringLiteral("sauvegarde"));
        const QString brut = ailleurs.filePath(QStringLiteral("cp"));
        const Avancement rien = [](const QString&, int, int) {};
        const QStringList fiche{QStringLiteral("01/01/2027"), dest.left(3), dest.mid(3), c.CheminAppli};
        // The four are taken in turn in each round, each after the disk's write-back of the one
        // before, so that none pays for another's writes.
        std::vector<double> premiere, seconde, restauration, cp;
        bool cpReussi = true;
        for (int tour = 0; tour < kTours; ++tour) {
            QDir(dest).removeRecursively();
            sync();
            premiere.push_back(meilleurTemps(1, [&] {
                Sauvegarder(c.CheminAppli, dest, fiche, rien);
                return 1ULL;
            }));
            sync();
            seconde.push_back(meilleurTemps(1, [&] {
                Sauvegarder(c.CheminAppli, dest, fiche, rien);
                return 1ULL;
            }));
            sync();
            restauration.push_back(meilleurTemps(1, [&] {
                Restaurer(dest, c.CheminAppli, rien);
                return 1ULL;
            }));
            QDir(brut).removeRecursively();
            sync();
            cp.push_back(meilleurTemps(1, [&] {
                cpReussi = copieSysteme(c.CheminAppli, brut) && cpReussi;
                return 1ULL;
            }));
        }
        std::printf("VIDORA backup benchmark: %d films, %d pictures of 50 KB, median of %d rounds\n", nFilms,
                    nImages, kTours);
        std::printf("%-24s %12s %12s %8s\n", "workload", "program ms", "cp+sync ms", "ratio");
        bool objectif = true;
        const double brutMs = mediane(cp);
        for (const Resultat& r : {Resultat{"first backup", mediane(premiere), brutMs},
                                  Resultat{"second backup", mediane(seconde), brutMs},
                                  Resultat{"restore", mediane(restauration), brutMs}}) {
            const double ratio = r.brut > 0 ? r.moteur / r.brut : 0.0;
            std::printf("%-24s %12.2f %12.2f %7.2fx\n", r.nom, r.moteur, r.brut, ratio);
            objectif = objectif && ratio <= kObjectifRatio;
        }
        std::printf("backup aim (each within %.0fx of cp -r and sync): %s\n", kObjectifRatio,
                    objectif ? "met" : "NOT met");
        if (!cpReussi) std::printf("warning: cp -r failed\n");
    });
}
