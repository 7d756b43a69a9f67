// Benchmark of "Edition Etiquette" on a club of nFilms films in nine categories: the labels of the
// first category (nFilms / 9: 11,111 for 100,000 films) queued by a click on the category, then
// printed into a PDF file. Aim: the sheet printed under one second. The text of the sheet (through
// pdftotext, when it is installed) is summed up by a checksum, so that two builds can be shown to
// print the same sheet.

#include "Club.h"
#include "Mesure.h"
#include "bench.h"

#include "catalogue/FrmEtiquette.h"
#include "common/Contexte.h"
#include "platform/Grid.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEvent>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kEssais = 3;
constexpr double kObjectifMs = 1000.0;

double chrono(const std::function<void()>& f) {
    const auto debut = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
}

QByteArray sommeDuTexte(const QString& pdf) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return "(no pdftotext)";
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(120000)) return "(pdftotext failed)";
    return QCryptographicHash::hash(p.readAllStandardOutput(), QCryptographicHash::Md5).toHex();
}

} // namespace

void benchEtiquettes(int nFilms) {
    surClub("benchEtiquettes", nFilms, 0, [&](sqlite3*) {
        const QDir impressions(ctx().fichier(QStringLiteral("Impressions")));
        auto* f = new FrmEtiquette;
        f->charger();
        int ligne = -1;
        for (int r = 1; r < f->grilleCategories->Rows() && ligne < 0; ++r)
            if (f->grilleCategories->textAt(r, 1) == QLatin1String("ACTION")) ligne = r;
        double choix = std::numeric_limits<double>::max(), impression = choix;
        int etiquettes = 0;
        QString pdf;
        for (int i = 0; i < kEssais && ligne > 0; ++i) {
            f->revenir();
            choix = std::min(choix, chrono([&] { f->grilleCategories->cliquer(ligne, 1); }));
            etiquettes = f->grilleFilms->Rows() - 2;
            for (const QString& vieux : impressions.entryList({QStringLiteral("*.pdf")}))
                QFile::remove(impressions.filePath(vieux));
            impression = std::min(impression, chrono([&] { f->imprimerEtiquettes(); }));
            const QStringList pdfs = impressions.entryList({QStringLiteral("*.pdf")});
            pdf = pdfs.isEmpty() ? QString() : impressions.filePath(pdfs.first());
        }
        delete f;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::printf("VIDORA label benchmark: %d labels of %d films, best of %d runs\n", etiquettes, nFilms,
                    kEssais);
        std::printf("%-24s %12s\n", "workload", "window ms");
        std::printf("%-24s %12.2f\n", "category picked", choix);
        std::printf("%-24s %12.2f\n", "label sheet printed", impression);
        std::printf("labels aim (sheet under %.0f ms): %s\n", kObjectifMs,
                    impression < kObjectifMs ? "met" : "NOT met");
        std::printf("label sheet text checksum: %s\n",
                    pdf.isEmpty() ? "(no PDF written)" : sommeDuTexte(pdf).constData());
    });
}
