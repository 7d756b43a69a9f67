#include "Club.h"

#include "Mesure.h"

#include "common/Contexte.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Imprimante.h"

#include <QApplication>
#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

using namespace vidora;

namespace vidora_bench {

namespace {

// No dialog may stop a timed run: messages go to the error output.
class EnvironnementBench : public Environnement {
  public:
    void message(const QString& texte, const QString&) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(texte));
    }
    bool question(const QString&, const QString&, ParDefaut) override { return false; }
    QDate aujourdhui() override { return QDate(2026, 12, 8); }
    // Print jobs go to PDF files in the application folder, whatever printer the machine has.
    std::unique_ptr<Imprimante> imprimante() override {
        return std::make_unique<ImprimanteQt>(ctx().fichier(QStringLiteral("Impressions")),
                                              ImprimanteQt::Destination::Pdf);
    }
};

} // namespace

void remplirClub(Database& db, int nFilms, int nMembres) {
    static const char* const genres[] = {"ACTION",       "AVENTURE",        "COMEDIE",
                                         "DESSIN ANIMÉ", "FANTASTIQUE",     "GUERRE",
                                         "POLICIER",     "SCIENCE FICTION", "WESTERN"};
    Transaction tr(db);
    sqlite3* h = db.handle();
    {
        Requete ins(h,
                    "INSERT INTO CD (MatriculeCD, Traver, Rang, Numero, Nom, Categorie, Etat, Specialiter, "
                    "Date, Sortie, Image) VALUES (?, ?, ?, ?, ?, ?, 'BON', 'POUR TOUS', '01/01/2020', ?, 0)");
        for (int i = 1; i <= nFilms; ++i) {
            ins.texte(1, QStringLiteral("%1%2A2026")
                             .arg(i, 3, 10, QLatin1Char('0'))
                             .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                             .toUtf8());
            ins.texte(2, QByteArray(1, char('A' + i % 26)));
            ins.texte(3, QByteArray::number(i % 8 + 1));
            ins.texte(4, QByteArray::number(i % 10 + 1));
            ins.texte(5, QStringLiteral("FILM %1").arg(i, 6, 10, QLatin1Char('0')).toUtf8());
            ins.texte(6, genres[i % 9]);
            ins.texte(7, QByteArray::number(i % 5 == 0 && i != nFilms ? 0 : i % 3 + 1));
            ins.pas();
            ins.reprendre();
        }
    }
    {
        Requete ins(h, "INSERT INTO Abonne (MatriculeAbon, NomAbon, PrenomAbon, Adresse1Abon, Adresse2Abon, "
                       "CodeAbon, VilleAbon, DateAbon, DateRest1, DateRest2, DateRest3, DateEmp1, DateEmp2, "
                       "DateEmp3, MatriCD1, MatriCD2, MatriCD3, NomCD1, NomCD2, NomCD3, Averti1, Averti2, "
                       "Averti3) VALUES (?, ?, 'JEAN', '1 RUE HAUTE', '  ', '75001', 'PARIS', '01/02/2026', "
                       "'0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', '0', 0, 0, 0)");
        for (int i = 1; i <= nMembres; ++i) {
            ins.texte(1, QStringLiteral("%1A2026").arg(i, 3, 10, QLatin1Char('0')).toUtf8());
            ins.texte(2, QStringLiteral("ABONNE %1").arg(i).toUtf8());
            ins.pas();
            ins.reprendre();
        }
    }
    tr.valider();
}

void surClub(const char* quoi, int nFilms, int nMembres, const std::function<void(sqlite3*)>& mesurer) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: the windows need a QApplication\n", quoi);
        return;
    }
    QTemporaryDir dossier;
    if (!dossier.isValid()) {
        std::fprintf(stderr, "%s: no temporary folder\n", quoi);
        return;
    }
    Contexte& c = ctx();
    const int zoom = c.PourcentZoom, police = c.TaillePolice;
    const QString appli = c.CheminAppli;
    c.fermerTables();
    auto ancienne = std::move(c.BaseEnCours);
    c.PourcentZoom = 100;
    c.TaillePolice = 8;
    c.CheminAppli = dossier.path();
    // The club is open as after its password.
    c.Connecte = true;
    installerEnvironnement(std::make_unique<EnvironnementBench>());
    try {
        c.BaseEnCours = Database::creer(dossier.filePath(QStringLiteral("CLUB.MDB")));
        CreerSchema(*c.BaseEnCours);
        remplirClub(*c.BaseEnCours, nFilms, nMembres);
        mesurer(c.BaseEnCours->handle());
    } catch (const ErreurBase& e) {
        std::fprintf(stderr, "%s: engine error: %s\n", quoi, qPrintable(e.message()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: error: %s\n", quoi, e.what());
    }
    c.fermerTables();
    c.BaseEnCours = std::move(ancienne);
    c.PourcentZoom = zoom;
    c.TaillePolice = police;
    c.CheminAppli = appli;
    c.Connecte = false;
    installerEnvironnement(nullptr);
}

unsigned long long lireAbonnesBrut(sqlite3* h) {
    unsigned long long total = 0;
    Requete st(h, "SELECT __cle, MatriculeAbon, NomAbon, PrenomAbon, Adresse1Abon, Adresse2Abon, CodeAbon, "
                  "VilleAbon FROM Abonne ORDER BY __cle");
    while (st.pas()) {
        QStringList ligne;
        ligne << QString::number(st.cle(0));
        for (int i = 1; i < st.colonnes(); ++i)
            ligne << st.colonne(i);
        total += unsigned(ligne.size());
    }
    return total;
}

} // namespace vidora_bench
