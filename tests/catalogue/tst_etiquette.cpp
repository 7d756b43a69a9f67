// "Edition Etiquette": the label queue written for the category picked, printed 40 labels a page,
// and emptied only once the job went through.
#include "Banc.h"
#include "DisquePlein.h"

#include "catalogue/FrmEtiquette.h"
#include "common/Contexte.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <optional>

using namespace vidora;
using namespace vidora_test;

namespace {

struct Film {
    QString categorie, nom, traver = "A", rang = "1", numero = {}, matricule = {};
};

FrmEtiquette* ouvrir(Banc& b, const QList<Film>& films) {
    if (!QFile::exists(b.chemin("CLUB.MDB"))) b.creerBase();
    FrmDepart* d = b.connecter();
    {
        auto t = ctx().base().ouvrirTable("CD");
        int n = 0;
        for (const Film& f : films) {
            ++n;
            t->AddNew();
            t->SetValue("Categorie", f.categorie);
            t->SetValue("Nom", f.nom);
            t->SetValue("Traver", f.traver);
            t->SetValue("Rang", f.rang);
            t->SetValue("Numero", f.numero.isEmpty() ? QString::number(n) : f.numero);
            t->SetValue("MatriculeCD",
                        f.matricule.isEmpty() ? QString("%1").arg(n, 3, 10, QChar('0')) : f.matricule);
            t->Update();
        }
    }
    return d && choisirMenu(d, "Etique") ? b.fenetre<FrmEtiquette>() : nullptr;
}

QList<Film> serie(int n, const QString& categorie = "ACTION", const QString& nom = "FILM %1") {
    QList<Film> l;
    for (int i = 1; i <= n; ++i)
        l.append({categorie, nom.arg(i)});
    return l;
}

bool choisirCategorie(FrmEtiquette* f, const QString& categorie) {
    MSFlexGrid* g = f->grilleCategories;
    for (int r = 1; r < g->Rows(); ++r)
        if (g->textAt(r, 1) == categorie && g->isVisible()) {
            g->cliquer(r, 1);
            Banc::traiterEvenements();
            return true;
        }
    return false;
}

QByteArray contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

// The labels of a recorded job, page by page, as "line 1|line 2"; checks the page's frame on the way.
QList<QStringList> etiquettes(const TravailEnregistre& job) {
    QList<QStringList> pages;
    for (const QList<LigneEnregistree>& page : job.pages) {
        QStringList l;
        for (int i = 0; i < page.size(); ++i) {
            const LigneEnregistree& e = page[i];
            const bool trait = e.coupee && e.colonne == 0 && e.texte == QString(190, '-');
            if (i == 0 && e.texte.isEmpty() && e.suite.isEmpty())
                continue; // each page opens with an empty line
            if (trait && e.couleur == QColor(0, 0, 255)) continue;
            if (e.colonne == 2 && e.suite.size() == 1 && e.suite[0].colonne == 89 && e.police == "Courier" &&
                e.taille == 9 && e.couleur == QColor(0, 0, 255) && i + 1 < page.size() && page[i + 1].coupee)
                l << e.texte + "|" + e.suite[0].texte;
            else
                l << "<ligne imprévue " + e.texte + ">";
        }
        pages << l;
    }
    return pages;
}

} // namespace

class TestEtiquette : public QObject {
    Q_OBJECT
  private slots:
    void imprimer_data() {
        QTest::addColumn<int>("films");
        QTest::addColumn<QList<int>>("parPage");
        QTest::newRow("41 films") << 41 << QList<int>{40, 1};
        QTest::newRow("40 films") << 40 << QList<int>{40};
        QTest::newRow("un film") << 1 << QList<int>{1};
        QTest::newRow("aucun film") << 0 << QList<int>{};
    }

    void imprimer() {
        QFETCH(int, films);
        QFETCH(QList<int>, parPage);
        Banc b;
        // Neither "action" nor "ACTION " is ACTION.
        FrmEtiquette* f = ouvrir(b, serie(films) + serie(2, "AVENTURE", "AUTRE %1") +
                                        QList<Film>{{"action", "MINUSCULE"}, {"ACTION ", "BLANC"}});
        QVERIFY(f && !b.fenetre<FrmDepart>());
        QVERIFY(!entreeDisponible(f, "Edition") && !entreeDisponible(f, "Retour"));
        // The category picked before leaves nothing in the queue.
        QVERIFY(choisirCategorie(f, "AVENTURE") && choisirMenu(f, "Retour"));
        QVERIFY(choisirCategorie(f, "ACTION"));
        QCOMPARE(f->bandeau->text(), QString("Nombre d'étiquettes  %1").arg(films));
        QCOMPARE(f->grilleFilms->Rows(), films + 2);
        QVERIFY(choisirMenu(f, "Edition"));
        if (parPage.isEmpty()) {
            QCOMPARE(b.messages(), QString("PAS DE FICHE EN ATTENTE"));
            QVERIFY(b.env().journal->travaux.isEmpty());
            QCOMPARE(f->bandeau->text(), QString("Base en Cours CLUB"));
            return;
        }
        QCOMPARE(b.messages(), QString());
        QCOMPARE(b.env().journal->travaux.size(), 1);
        const TravailEnregistre& job = b.env().journal->travaux.first();
        QCOMPARE(job.colonnesPage, 117); // the widest place the fields allow, from column 90
        QCOMPARE(job.rangeesPage, 82);
        const QList<QStringList> pages = etiquettes(job);
        QCOMPARE(pages.size(), parPage.size());
        int k = 0;
        for (int p = 0; p < pages.size(); ++p) {
            QCOMPARE(pages[p].size(), parPage[p]);
            for (const QString& e : pages[p]) {
                ++k;
                QCOMPARE(e, QString("FILM %1  %2|Classement A-1-%1").arg(k).arg(k, 3, 10, QChar('0')));
            }
        }
        QCOMPARE(f->bandeau->text(), QString("Base en Cours CLUB"));
        QCOMPARE(contenu(b.chemin("Etiquette")), QByteArray());
        QVERIFY(choisirMenu(f, "Edition"));
        QCOMPARE(b.messages(), QString("PAS DE FICHE EN ATTENTE"));
    }

    void lignesEntieres() {
        Banc b;
        FrmEtiquette* f = ouvrir(b, {{"POLICIER", "L'ÉTÉ, \"PREMIER\""}, {"POLICIER", " ZORRO"}});
        QVERIFY(f && choisirCategorie(f, "POLICIER"));
        QCOMPARE(f->grilleFilms->textAt(2, 0), QString("ZORRO"));
        const QByteArray file =
            "L'\xC9T\xC9, \"PREMIER\"  001\r\nClassement A-1-1\r\n ZORRO  002\r\nClassement A-1-2\r\n";
        QCOMPARE(contenu(b.chemin("Etiquette")), file);
        // A line left by another program, without its partner, is no label.
        QFile autre(b.chemin("Etiquette"));
        QVERIFY(autre.open(QIODevice::Append) && autre.write("ORPHELINE\r\n") > 0);
        autre.close();
        QVERIFY(choisirMenu(f, "Edition"));
        const QList<QStringList> attendu = {
            {"L'ÉTÉ, \"PREMIER\"  001|Classement A-1-1", " ZORRO  002|Classement A-1-2"}};
        QCOMPARE(etiquettes(b.env().journal->travaux.value(0)), attendu);
    }

    void impressionManquee_data() {
        QTest::addColumn<QString>("panne");
        for (const char* p : {"imprimante absente", "panne en cours de page", "petit disque plein",
                              "taille des fichiers limitee"})
            QTest::newRow(p) << QString(p);
    }

    // A job that fails, at the printer or in a PDF file that the disk cannot hold, is said so and
    // leaves the queue as it was; once the fault is gone, the same labels print.
    void impressionManquee() {
        QFETCH(QString, panne);
        Banc b;
        std::optional<DisquePlein> plein;
        if (panne.contains("plein") || panne.contains("taille")) {
            plein.emplace(panne.contains("plein") ? DisquePlein::Facon::PetitDisque
                                                  : DisquePlein::Facon::LimiteDeTaille,
                          b.dossier());
            if (!plein->possible()) QSKIP("only root can mount a small file system");
            b.env().imprimerEnPdf = true;
            QVERIFY(QDir().mkpath(b.chemin("Impressions")));
        }
        FrmEtiquette* f = ouvrir(b, serie(45));
        QVERIFY(f && choisirCategorie(f, "ACTION"));
        const QByteArray avant = contenu(b.chemin("Etiquette"));
        JournalImpression& j = *b.env().journal;
        j.echecDemarrage = panne == "imprimante absente";
        j.echecApresLignes = panne == "panne en cours de page" ? 30 : -1;
        if (plein) QVERIFY(plein->remplir(4096));
        QVERIFY(choisirMenu(f, "Edition"));
        if (plein) plein->liberer();
        const QString dit = b.messages();
        QVERIFY2(dit.startsWith("L'IMPRESSION DES ETIQUETTES A ECHOUE") &&
                     !dit.contains("enregistrés en PDF") && (!plein || dit.contains("LE DISQUE EST PLEIN")),
                 qPrintable(dit));
        // Jobs that reached the printer, and files of the PDF folder, work files included.
        const auto imprimes = [&] {
            return j.travaux.size() +
                   QDir(b.chemin("Impressions")).entryList(QDir::Files | QDir::Hidden).size();
        };
        QCOMPARE(imprimes(), 0);
        QCOMPARE(contenu(b.chemin("Etiquette")), avant);
        j.echecDemarrage = false;
        j.echecApresLignes = -1;
        QVERIFY(choisirMenu(f, "Edition"));
        QCOMPARE(imprimes(), 1);
        if (!plein) QCOMPARE(etiquettes(j.travaux.value(0)).value(1).size(), 5);
        QCOMPARE(contenu(b.chemin("Etiquette")), QByteArray());
    }

    // The sheet as printed: every label whole on one row of its page, within the paper.
    void feuillePdf() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        Banc b;
        QList<Film> films;
        for (int i = 1; i <= 41; ++i) {
            const QString debut = QString("TITRE %1, \"LONG\" ").arg(i, 2, 10, QChar('0'));
            films.append({"WESTERN", debut + QString(60 - debut.size(), 'W'), "ABCDE", "99999", "99999",
                          QString("%1").arg(i, 15, 10, QChar('0'))});
        }
        FrmEtiquette* f = ouvrir(b, films);
        QVERIFY(f && choisirCategorie(f, "WESTERN"));
        b.env().imprimerEnPdf = true;
        QVERIFY(choisirMenu(f, "Edition"));
        QVERIFY(b.messages().startsWith("Aucune imprimante"));
        const QStringList pdfs = QDir(b.chemin("Impressions")).entryList({"*.pdf"});
        QCOMPARE(pdfs.size(), 1);

        QProcess p;
        p.start("pdftotext", {"-bbox", QDir(b.chemin("Impressions")).filePath(pdfs.first()), "-"});
        QVERIFY(p.waitForFinished(30000));
        static const QRegularExpression element(
            R"re(<page width="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re");
        // Rows of words: page, then top of the row.
        QMap<QPair<int, int>, QStringList> rangees;
        int page = -1;
        double largeur = 0;
        for (auto it = element.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!m.captured(1).isEmpty()) {
                ++page;
                largeur = m.captured(1).toDouble();
                continue;
            }
            QVERIFY2(m.captured(4).toDouble() <= largeur, qPrintable(m.captured(5)));
            QString mot = m.captured(5);
            mot.replace("&quot;", "\"").replace("&apos;", "'").replace("&amp;", "&");
            rangees[{page, int(m.captured(3).toDouble() * 10)}] << mot;
        }
        QCOMPARE(page, 1);
        QList<int> traits = {0, 0};
        QStringList lus[2];
        for (auto it = rangees.begin(); it != rangees.end(); ++it) {
            const QString texte = it.value().join(' ');
            if (texte.count('-') == texte.size()) {
                ++traits[it.key().first];
                QVERIFY(texte.size() > 100 && texte.size() < 190); // stops at the margin
            } else {
                lus[it.key().first] << texte;
            }
        }
        QCOMPARE(traits, QList<int>({41, 1}));
        QCOMPARE(lus[0].size(), 40);
        QCOMPARE(lus[1].size(), 1);
        for (int i = 0; i < 41; ++i) {
            const Film& e = films[i];
            const QString attendu =
                (e.nom + "  " + e.matricule + " Classement ABCDE-99999-99999").simplified();
            QCOMPARE(lus[i / 40][i % 40], attendu);
        }
    }

    void ecransEtSortie_data() {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<int>("categories");
        QTest::newRow("800 x 600") << QSize(12000, 9000) << 9;
        QTest::newRow("1024 x 768, une catégorie") << QSize(15360, 11520) << 1;
    }

    void ecransEtSortie() {
        QFETCH(QSize, ecran);
        QFETCH(int, categories);
        Banc b;
        b.env().ecran = ecran;
        b.creerBase();
        {
            auto db = Database::ouvrir(b.chemin("CLUB.MDB"));
            auto t = db->ouvrirTable("Genre");
            for (int i = 9; i > categories; --i) {
                t->Delete();
                t->MoveNext();
            }
        }
        FrmEtiquette* f = ouvrir(b, serie(30, "WESTERN"));
        QVERIFY(f);
        QCOMPARE(controlesMalVus(f), QStringList());
        // Never less than one row high.
        QCOMPARE(f->grilleCategories->Height(),
                 360.0 / 100 * ctx().PourcentZoom * std::max(categories - 1, 1));
        QVERIFY(choisirCategorie(f, "WESTERN"));
        QCOMPARE(controlesMalVus(f), QStringList());
        QVERIFY(!f->grilleFilms->geometry().intersects(f->bandeau->geometry()));
        QVERIFY(choisirMenu(f, "Retour"));
        QVERIFY(f->grilleCategories->isVisible() && !f->grilleFilms->isVisible() &&
                !entreeDisponible(f, "Edition"));
        // A click on the heading picks no category: the queue stays.
        const QByteArray file = contenu(b.chemin("Etiquette"));
        f->grilleCategories->cliquer(0, 1);
        QCOMPARE(contenu(b.chemin("Etiquette")), file);
        QVERIFY(file.count('\n') == 60 && f->grilleCategories->isVisible());
        QVERIFY(choisirMenu(f, "Quiter"));
        FrmDepart* d = b.fenetre<FrmDepart>();
        QVERIFY(d && !b.fenetre<FrmEtiquette>());
        QVERIFY(entreeDisponible(d, "Saisi") && entreeDisponible(d, "Etique") &&
                !d->caseMotDePasse->isVisible());
        QVERIFY(d->imageAccueil->isVisible() && !d->listeBases->isVisible());
        QCOMPARE(b.messages(), QString());
    }
};

QTEST_MAIN(TestEtiquette)
#include "tst_etiquette.moc"
