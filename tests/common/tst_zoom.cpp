// Screen scaling: the worked screens, a control's place on two screens, a window loaded twice.

#include "Banc.h"

#include "common/Contexte.h"
#include "common/Zoom.h"
#include "platform/Form.h"
#include "shell/MDIForm1.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace vidora;
using namespace vidora_test;

namespace {
class Essai : public Form {
  public:
    Essai() : Form(QStringLiteral("Essai"), QStringLiteral("Essai")) {
        champ = controle(new QLabel(QStringLiteral("x"), this), 1000, 4500, 2000, 300);
        auto* motDePasse = new QLineEdit(this);
        motDePasse->setFont(QFont(QStringLiteral("MS Sans Serif"), 18));
        grand = controle(motDePasse, 100, 100, 1000, 600);
    }
    void charger() override { MiseEnPlaceStandard(*this); }
    QLabel* champ;
    QLineEdit* grand;
};
} // namespace

class TestZoom : public QObject {
    Q_OBJECT
  private slots:
    void ecransDeReference_data() {
        QTest::addColumn<int>("px");
        QTest::addColumn<int>("py");
        QTest::addColumn<int>("hauteur");
        QTest::addColumn<int>("pourcent");
        QTest::addColumn<int>("police");
        QTest::newRow("800x600") << 800 << 600 << 8400 << 80 << 8;
        QTest::newRow("1024x768") << 1024 << 768 << 10920 << 102 << 10;
        QTest::newRow("1280x1024") << 1280 << 1024 << 14760 << 129 << 13; // t = 162.5 goes to 162
        QTest::newRow("1600x1200") << 1600 << 1200 << 17400 << 163 << 16;
    }
    void ecransDeReference() {
        QFETCH(int, px);
        QFETCH(int, py);
        QFETCH(int, hauteur);
        QFETCH(int, pourcent);
        QFETCH(int, police);
        Banc b;
        b.env().ecran = QSize(px * 15, py * 15);
        InitialiserZoom();
        QCOMPARE(ctx().LargeurEcran, px * 15);
        QCOMPARE(ctx().HauteurEcran, hauteur);
        QCOMPARE(ctx().PourcentZoom, pourcent);
        QCOMPARE(ctx().TaillePolice, police);
    }

    void arrondiAuPair() {
        QCOMPARE(Arrondi(162.5), 162);
        QCOMPARE(Arrondi(163.5), 164);
        QCOMPARE(Arrondi(-0.5), 0);
        // A screen that reports no width gives a scale, not a division by zero.
        const Echelle e = CalculerEchelle(0, 0);
        QVERIFY(e.PourcentZoom > 0);
    }

    void controlePlaceSurDeuxEcrans() {
        Banc b;
        for (auto [px, py, top, height, left, width, police] :
             {std::tuple{800, 600, 4200.0, 280.0, 800.0, 1600.0, 8.0},
              std::tuple{1024, 768, 5460.0, 364.0, 1020.0, 2040.0, 10.0}}) {
            b.env().ecran = QSize(px * 15, py * 15);
            InitialiserZoom();
            Essai f;
            f.charger();
            QCOMPARE(twips::top(f.champ), top);
            QCOMPARE(twips::height(f.champ), height);
            QCOMPARE(twips::left(f.champ), left);
            QCOMPARE(twips::width(f.champ), width);
            QCOMPARE(f.champ->font().pointSizeF(), police);
            QVERIFY(f.champ->font().bold());
            // A box designed at 18 points takes the same size as every other control.
            QCOMPARE(f.grand->font().pointSizeF(), police);
            QCOMPARE(f.champ->geometry(),
                     QRect(qRound(left / 15), qRound(top / 15), qRound(width / 15), qRound(height / 15)));
        }
    }

    void fenetreChargeeDeuxFois() {
        Banc b;
        b.env().ecran = QSize(1024 * 15, 768 * 15);
        InitialiserZoom();
        for (int i = 0; i < 2; ++i) {
            Essai f;
            f.charger();
            QCOMPARE(twips::top(f.champ), 5460.0);
            // Zooming again starts from the design places recorded, not from the zoomed ones.
            ZoomerControles(f);
            QCOMPARE(twips::top(f.champ), 5460.0);
        }
    }

    void cadreEtFenetreStandard() {
        Banc b;
        b.env().ecran = QSize(1024 * 15, 768 * 15);
        b.creerBase();
        b.demarrer();
        QVERIFY(b.cadre());
        QCOMPARE(b.cadre()->Width(), 15360.0);
        QCOMPARE(b.cadre()->Height(), 10920.0);
        QCOMPARE(b.cadre()->Left(), 0.0);
        auto* principale = b.fenetres().value(0);
        QVERIFY(principale);
        QCOMPARE(principale->Width(), 15360.0 - 300);
        QCOMPARE(principale->Height(), 10920.0 - 960);
    }
};

QTEST_MAIN(TestZoom)
#include "tst_zoom.moc"
