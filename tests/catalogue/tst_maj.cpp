// "Nouveau Classement": every film placed again, category by category in the order of Genre, in
// one pass that is done for every film or for none.
#include "Banc.h"

#include "catalogue/MAJ.h"
#include "common/Contexte.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QFile>
#include <QPushButton>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

// A film: "CATEGORIE/TITRE"; each starts at place Q - 9 - n.
void ajouterFilms(const QStringList& films) {
    auto t = ctx().base().ouvrirTable("CD");
    int n = 0;
    for (const QString& f : films) {
        t->AddNew();
        t->SetValue("MatriculeCD", QString("%1").arg(++n, 3, 10, QChar('0')));
        t->SetValue("Categorie", f.section('/', 0, 0));
        t->SetValue("Nom", f.section('/', 1));
        t->SetValue("Traver", "Q");
        t->SetValue("Rang", "9");
        t->SetValue("Numero", QString::number(n));
        t->SetValue("Sortie", "1");
        t->Update();
    }
}

void limites(const QString& numRang, int numNumero, const QString& trave = "C") {
    auto t = ctx().base().ouvrirTable("Classe");
    t->Edit();
    t->SetValue("Trave", trave);
    t->SetValue("NumRang", numRang);
    t->SetValue("NumNumero", numNumero);
    t->Update();
}

// Each film's place in table order, then the next free place.
QString places() {
    QStringList l;
    for (auto t = ctx().base().ouvrirTable("CD"); !t->Fin(); t->MoveNext())
        l << t->Texte("Traver") + "-" + t->Texte("Rang") + "-" + t->Texte("Numero");
    auto c = ctx().base().ouvrirTable("Classe");
    return l.join(' ') + " | " + c->Texte("Trave") + "-" + c->Texte("Rang") + "-" + c->Texte("Numero");
}

QStringList n(int combien, const QString& film) {
    QStringList l;
    for (int i = 1; i <= combien; ++i)
        l << film + QString::number(i);
    return l;
}

// From place A - r - k on, combien places in a row with 10 numbers per row, as "A-r-k".
QStringList suite(int combien, int depuis = 0, int parRang = 10) {
    QStringList l;
    for (int i = depuis; i < depuis + combien; ++i)
        l << QString("%1-%2-%3")
                 .arg(QChar('A' + i / (8 * parRang)))
                 .arg(i / parRang % 8 + 1)
                 .arg(i % parRang + 1);
    return l;
}

MAJ* ouvrir(Banc& b) {
    if (!QFile::exists(b.chemin("CLUB.MDB"))) b.creerBase();
    FrmDepart* d = b.connecter();
    return choisirMenu(d, "MaJour") ? b.fenetre<MAJ>() : nullptr;
}

} // namespace

class TestMaj : public QObject {
    Q_OBJECT
  private slots:
    void renumeroter_data() {
        QTest::addColumn<QStringList>("films");
        QTest::addColumn<QStringList>("genres"); // categories added at the end of Genre
        QTest::addColumn<QString>("attendu");
        // ACTION and AVENTURE interleaved in table order; HORREUR is no category of Genre.
        QStringList melange;
        for (int i = 1; i <= 12; ++i) {
            melange << QString("ACTION/FILM %1").arg(i);
            if (i % 4 == 0) melange << QString("AVENTURE/AUTRE %1").arg(i / 4);
        }
        melange.insert(5, "HORREUR/PEUR");
        QStringList attendu = suite(12);
        attendu.insert(4, "A-2-3");
        attendu.insert(5, "Q-9-6"); // kept
        attendu.insert(10, "A-2-4");
        attendu.append("A-2-5");
        QTest::newRow("12 + 3") << melange << QStringList() << attendu.join(' ') + " | A-2-6";
        QTest::newRow("aucun film") << QStringList() << QStringList() << " | A-1-1";
        QTest::newRow("un titre, deux films") << QStringList({"WESTERN/ALIEN", "COMEDIE/X", "WESTERN/ALIEN"})
                                              << QStringList() << "A-1-2 A-1-1 A-1-3 | A-1-4";
        QTest::newRow("la casse et les blancs comptent") << QStringList({"action/A", "ACTION /B", "ACTION/C"})
                                                         << QStringList() << "Q-9-1 Q-9-2 A-1-1 | A-1-2";
        QTest::newRow("catégorie deux fois dans Genre")
            << QStringList({"ACTION/A", "HORREUR/H", "ACTION/B"}) << QStringList({"ACTION", "HORREUR"})
            << "A-1-1 A-1-3 A-1-2 | A-1-4";
    }

    void renumeroter() {
        QFETCH(QStringList, films);
        QFETCH(QStringList, genres);
        QFETCH(QString, attendu);
        Banc b;
        b.creerBase();
        {
            auto db = Database::ouvrir(b.chemin("CLUB.MDB"));
            auto t = db->ouvrirTable("Genre");
            for (const QString& g : genres) {
                t->AddNew();
                t->SetValue("NomGenre", g);
                t->Update();
            }
        }
        MAJ* m = ouvrir(b);
        QVERIFY(m && !m->grilleFilms->isVisible() && m->boutonClasser->isVisible());
        QCOMPARE(controlesMalVus(m), QStringList());
        ajouterFilms(films);
        limites("8", 10);
        cliquer(m->boutonClasser);
        QCOMPARE(b.messages(), QString());
        QCOMPARE(places(), attendu);
        QVERIFY(!b.fenetre<MAJ>() && b.fenetre<FrmDepart>()->isEnabled());
    }

    void toutOuRien_data() {
        QTest::addColumn<QString>("dernierRang");
        QTest::addColumn<int>("dernierNumero");
        QTest::addColumn<int>("films");
        QTest::addColumn<QString>("panne");
        QTest::addColumn<QString>("attendu"); // the message's start; empty: done
        // 26 bays of one place each.
        QTest::newRow("juste assez de places") << "1" << 1 << 26 << ""
                                               << "";
        QTest::newRow("plus de place") << "1" << 1 << 27 << ""
                                       << "LE NOUVEAU CLASSEMENT N'A PAS ETE FAIT";
        QTest::newRow("panne après une catégorie") << "8" << 10 << 30 << "classement-categorie"
                                                   << "LE NOUVEAU CLASSEMENT N'A PAS ETE FAIT";
        QTest::newRow("panne au premier film écrit") << "8" << 10 << 30 << "classement-film"
                                                     << "LE NOUVEAU CLASSEMENT N'A PAS ETE FAIT";
        QTest::newRow("dernier rang zéro") << "0" << 10 << 3 << ""
                                           << "LE NOUVEAU CLASSEMENT N'A PAS ETE FAIT";
        QTest::newRow("dernier numéro négatif") << "8" << -1 << 3 << ""
                                                << "LE NOUVEAU CLASSEMENT N'A PAS ETE FAIT";
    }

    void toutOuRien() {
        QFETCH(QString, dernierRang);
        QFETCH(int, dernierNumero);
        QFETCH(int, films);
        QFETCH(QString, panne);
        QFETCH(QString, attendu);
        Banc b;
        MAJ* m = ouvrir(b);
        QVERIFY(m);
        // Two categories, the first of Genre (ACTION) coming second in the table.
        ajouterFilms(n(films - films / 2, "AVENTURE/A") + n(films / 2, "ACTION/B"));
        limites(dernierRang, dernierNumero);
        const QString avant = places();
        b.env().panneA = panne;
        m->lancerClassement();
        // Each category was shown as it went by, with the places it had.
        if (panne == "classement-categorie") {
            QVERIFY(m->grilleFilms->Visible());
            QCOMPARE(m->grilleFilms->Rows(), films / 2 + 2);
            QCOMPARE(m->grilleFilms->textAt(1, 2), QString("ACTION/B1").section('/', 1));
            QCOMPARE(m->grilleFilms->textAt(1, 4), QString("Q - 9 - %1").arg(films - films / 2 + 1));
        }
        Banc::traiterEvenements();
        QVERIFY(!b.fenetre<MAJ>());
        const QString message = b.messages();
        QVERIFY2(attendu.isEmpty() ? message.isEmpty() : message.startsWith(attendu), qPrintable(message));
        if (attendu.isEmpty()) {
            QVERIFY(places().contains("Z-1-1 ") && places().endsWith(" | [-1-1"));
            return;
        }
        QCOMPARE(places(), avant);
    }
};

QTEST_MAIN(TestMaj)
#include "tst_maj.moc"
