// Benchmark of backup and restore: an application folder holding a club of nFilms films and
// nImages pictures of 50 KB, copied to a backup folder and back as the backup window does, beside
// `cp -r` of the same files in the same run. Aim: within 2x of it.

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

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kEssaisSauvegarde = 4;
constexpr double kObjectifRatio = 2.0;

bool copieSysteme(const QString& source, const QString& cible) {
    QDir(cible).removeRecursively();
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), source, cible}) == 0;
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
        // The three are taken in turn in each round, so the disk's write-back weighs on each alike.
        double sauvegarde = 1e300, restauration = 1e300, cp = 1e300;
        bool cpReussi = true;
        for (int essai = 0; essai < kEssaisSauvegarde; ++essai) {
            sauvegarde = std::min(sauvegarde, meilleurTemps(1, [&] {
                                      CopierSauvegarde(c.CheminAppli, dest, true, rien);
                                      return 1ULL;
                                  }));
            restauration = std::min(restauration, meilleurTemps(1, [&] {
                                        CopierSauvegarde(dest, c.CheminAppli, false, rien);
                                        return 1ULL;
                                    }));
            cp = std::min(cp, meilleurTemps(1, [&] {
                              cpReussi = copieSysteme(c.CheminAppli, brut) && cpReussi;
                              return 1ULL;
                          }));
        }
        std::printf("VIDORA backup benchmark: %d films, %d pictures of 50 KB, best of %d runs\n", nFilms,
                    nImages, kEssaisSauvegarde);
        std::printf("%-24s %12s %12s %8s\n", "workload", "program ms", "cp -r ms", "ratio");
        bool objectif = true;
        for (const Resultat& r :
             {Resultat{"backup", sauvegarde, cp}, Resultat{"restore", restauration, cp}}) {
            const double ratio = r.brut > 0 ? r.moteur / r.brut : 0.0;
            std::printf("%-24s %12.2f %12.2f %7.2fx\n", r.nom, r.moteur, r.brut, ratio);
            objectif = objectif && ratio <= kObjectifRatio;
        }
        std::printf("backup aim (each within %.0fx of cp -r): %s\n", kObjectifRatio,
                    objectif ? "met" : "NOT met");
        if (!cpReussi) std::printf("warning: cp -r failed\n");
    });
}
