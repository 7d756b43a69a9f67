// Benchmark of the database engine against raw SQLite statements on the same file, in the same run.
// Three workloads on a CD table of N film rows (100,000 unless argv[1] says otherwise):
//   - a full walk in table order reading MatriculeCD, Nom and Sortie;
//   - a first-match search by title walking from the first row, the title being the last row's;
//   - 1,000 edits of Sortie on consecutive rows during a walk, inside one transaction.
// Each workload is timed best of several runs and printed beside its raw counterpart with the ratio.
// This is not a test: it always exits with 0. Aim: the walk within 2x of raw SQLite.
// The window benchmarks follow, on a club of 20,000 films and 5,000 members unless "--films N" and
// "--membres M" say otherwise (100,000 and 50,000 for a large club); the film catalogue's runs
// first, so that the memory it measures is that of a process which has done nothing else yet.

#include "common/Schema.h"
#include "platform/Database.h"

#include "Mesure.h"
#include "bench.h"

#include <QApplication>

#include <QString>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>
#include <memory>

using namespace vidora;
using namespace vidora_bench;

namespace {

constexpr int kLignesDefaut = 100000;
constexpr int kEditions = 1000;
constexpr int kEssais = 5;
constexpr double kObjectifParcours = 2.0;

QString titre(int i) {
    return QStringLiteral("FILM %1").arg(i, 6, 10, QLatin1Char('0'));
}

// Defines the CD table of the schema and fills it with n distinct films in one transaction. The other
// fields vary from row to row as in a club's catalogue, so that adjacent rows seldom share a value.
void remplir(Database& db, int n) {
    for (const DefTable& t : SchemaBase())
        if (t.nom == QLatin1String("CD")) db.creerTable(t);
    static const char* const genres[] = {"ACTION",       "AVENTURE",        "COMEDIE",
                                         "DESSIN ANIMÉ", "FANTASTIQUE",     "GUERRE",
                                         "POLICIER",     "SCIENCE FICTION", "WESTERN"};
    static const char* const etats[] = {"TRES BON", "BON", "MOYEN", "A REMPLACER"};
    static const char* const publics[] = {"POUR TOUS", "INTERDIT MOINS DE 10 ANS", "INTERDIT MOINS 12 ANS",
                                          "INTERDIT MOINS 16 ANS", "INTERDIT MOINS 18 ANS"};
    Transaction tr(db);
    Requete ins(db.handle(),
                "INSERT INTO CD (MatriculeCD, Traver, Rang, Numero, Nom, Categorie, Etat, Specialiter, "
                "Date, Sortie, Image) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 1; i <= n; ++i) {
        const QByteArray champs[] = {
            QByteArray::number(i),
            QByteArray(1, char('A' + i % 26)),
            QByteArray::number(i % 8 + 1),
            QByteArray::number(i % 10 + 1),
            titre(i).toUtf8(),
            genres[i % 9],
            etats[i % 4],
            publics[i % 5],
            QStringLiteral("%1/%2/%3")
                .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                .arg(1990 + i % 35)
                .toUtf8(),
            i % 2 ? "Non" : "Oui",
        };
        for (int c = 0; c < 10; ++c)
            ins.texte(c + 1, champs[c].constData());
        ins.entier(11, i % 3 == 0 ? 1 : 0);
        ins.pas();
        ins.reprendre();
    }
    tr.valider();
}

int executer(int n) {
    QTemporaryDir dossier;
    if (!dossier.isValid()) {
        std::fprintf(stderr, "Dossier temporaire impossible\n");
        return 0;
    }
    auto db = Database::creer(dossier.filePath(QStringLiteral("bench.vid")));
    remplir(*db, n);
    sqlite3* h = db->handle();

    const QString cd = QStringLiteral("CD");
    const QString matricule = QStringLiteral("MatriculeCD");
    const QString nom = QStringLiteral("Nom");
    const QString sortie = QStringLiteral("Sortie");
    const QString cible = titre(n);
    const int editions = std::min(kEditions, n);

    // Full walk reading three fields.
    const double parcoursMoteur = meilleurTemps(kEssais, [&] {
        unsigned long long total = 0;
        auto rs = db->ouvrirTable(cd);
        for (; !rs->Fin(); rs->MoveNext())
            total += unsigned(rs->Texte(matricule).size() + rs->Texte(nom).size() + rs->Texte(sortie).size());
        return total;
    });
    const double parcoursBrut = meilleurTemps(kEssais, [&] {
        unsigned long long total = 0;
        Requete st(h, "SELECT MatriculeCD, Nom, Sortie FROM CD ORDER BY __cle");
        while (st.pas())
            total += unsigned(st.colonne(0).size() + st.colonne(1).size() + st.colonne(2).size());
        return total;
    });

    // First match by title, walking from the first row as a look-up of the program does.
    long long trouveMoteur = -1, trouveBrut = -1;
    const double rechercheMoteur = meilleurTemps(kEssais, [&] {
        long long position = 0;
        auto rs = db->ouvrirTable(cd);
        while (!rs->Fin() && rs->Texte(nom) != cible) {
            rs->MoveNext();
            ++position;
        }
        trouveMoteur = rs->Fin() ? -1 : position;
        return static_cast<unsigned long long>(position);
    });
    const double rechercheBrut = meilleurTemps(kEssais, [&] {
        long long position = 0;
        bool trouve = false;
        Requete st(h, "SELECT Nom FROM CD ORDER BY __cle");
        while (st.pas()) {
            if (st.colonne(0) == cible) {
                trouve = true;
                break;
            }
            ++position;
        }
        trouveBrut = trouve ? position : -1;
        return static_cast<unsigned long long>(position);
    });

    // Edits of consecutive rows during a walk, in one transaction; each run writes the other value.
    int passe = 0;
    const double editionMoteur = meilleurTemps(kEssais, [&] {
        const QString valeur = (++passe % 2) ? QStringLiteral("Oui") : QStringLiteral("Non");
        Transaction tr(*db);
        auto rs = db->ouvrirTable(cd);
        unsigned long long faites = 0;
        for (; faites < unsigned(editions) && !rs->Fin(); rs->MoveNext(), ++faites) {
            rs->Edit();
            rs->SetValue(sortie, valeur);
            rs->Update();
        }
        rs.reset();
        tr.valider();
        return faites;
    });
    const double editionBrut = meilleurTemps(kEssais, [&] {
        const char* valeur = (++passe % 2) ? "Oui" : "Non";
        executerSql(h, "BEGIN");
        unsigned long long faites = 0;
        {
            Requete parcours(h, "SELECT __cle FROM CD ORDER BY __cle");
            Requete maj(h, "UPDATE CD SET Sortie = ? WHERE __cle = ?");
            while (faites < unsigned(editions) && parcours.pas()) {
                maj.texte(1, valeur);
                maj.entier(2, parcours.cle(0));
                maj.pas();
                maj.reprendre();
                ++faites;
            }
        }
        executerSql(h, "COMMIT");
        return faites;
    });

    const Resultat resultats[] = {
        {"walk, 3 fields", parcoursMoteur, parcoursBrut},
        {"search, last title", rechercheMoteur, rechercheBrut},
        {"edits", editionMoteur, editionBrut},
    };
    std::printf("VIDORA engine benchmark: %d rows of CD, %d edits, best of %d runs (SQLite %s)\n", n,
                editions, kEssais, sqlite3_libversion());
    std::printf("%-20s %12s %12s %8s\n", "workload", "engine ms", "raw ms", "ratio");
    for (const Resultat& r : resultats)
        std::printf("%-20s %12.2f %12.2f %7.2fx\n", r.nom, r.moteur, r.brut,
                    r.brut > 0 ? r.moteur / r.brut : 0.0);
    const double ratioParcours = parcoursBrut > 0 ? parcoursMoteur / parcoursBrut : 0.0;
    std::printf("walk aim (within %.1fx of raw SQLite): %s (%.2fx)\n", kObjectifParcours,
                ratioParcours <= kObjectifParcours ? "met" : "NOT met", ratioParcours);
    if (trouveMoteur != n - 1 || trouveBrut != n - 1)
        std::printf("warning: search found row %lld (engine) and %lld (raw), expected %d\n", trouveMoteur,
                    trouveBrut, n - 1);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    int n = kLignesDefaut;
    // The club of the window benchmarks: "--films N" and "--membres M" (20,000 and 5,000 by default);
    // "--seul rangement,etiquettes" runs only the benchmarks named.
    int films = 20000, membres = 5000;
    QList<QByteArray> seuls;
    for (int i = 1; i < argc; ++i) {
        const QByteArray option = argv[i];
        if (option == "--seul" && i + 1 < argc) {
            seuls = QByteArray(argv[++i]).split(',');
            continue;
        }
        int* cible = option == "--films" ? &films : option == "--membres" ? &membres : &n;
        const char* texte = cible == &n ? argv[i] : (i + 1 < argc ? argv[++i] : "");
        const long v = std::strtol(texte, nullptr, 10);
        if (v > 0 && v <= std::numeric_limits<int>::max())
            *cible = int(v);
        else
            std::fprintf(stderr, "Count ignored: %s %s\n", option.constData(), texte);
    }
    const auto voulu = [&](const char* nom) {
        if (!seuls.isEmpty() && !seuls.contains(nom)) return false;
        std::printf("\n");
        return true;
    };
    // The catalogue and lending benchmarks drive real windows, headless when there is no display.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    try {
        if (voulu("catalogue")) benchCatalogue(films);
        if (voulu("moteur")) executer(n);
        if (voulu("pret")) benchPret(films, membres);
        if (voulu("abonnes")) benchAbonnes(films, membres);
        if (voulu("recherches")) benchRecherches(films);
        if (voulu("sauvegarde")) benchSauvegarde(films, 2000);
        if (voulu("rangement")) benchRangement(films, {5, 20, 80});
        if (voulu("etiquettes")) benchEtiquettes(films);
    } catch (const ErreurBase& e) {
        std::fprintf(stderr, "Engine error: %s\n", qPrintable(e.message()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Error: %s\n", e.what());
    }
    return 0;
}
