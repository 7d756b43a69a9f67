// How a failed piece of work is told: a refusal as it stands, any other failure under what failed.

#include "Banc.h"

#include "common/Echec.h"
#include "common/Refus.h"
#include "platform/Database.h"

#include <QTest>

#include <functional>
#include <stdexcept>

using namespace vidora;
using namespace vidora_test;

class TestEchec : public QObject {
    Q_OBJECT
  private slots:
    void echecDit_data() {
        QTest::addColumn<int>("panne");
        QTest::addColumn<QString>("dit");
        QTest::newRow("travail fait") << 0 << QString();
        QTest::newRow("refus") << 1 << QStringLiteral("CE FILM N'EXISTE PLUS");
        QTest::newRow("erreur de la base")
            << 2 << QStringLiteral("LE PRET N'A PAS PU ETRE ENREGISTRE :\ndisk I/O error");
        QTest::newRow("autre erreur")
            << 3 << QStringLiteral("LE PRET N'A PAS PU ETRE ENREGISTRE :\npanne injectée : prêt");
    }
    void echecDit() {
        QFETCH(int, panne);
        QFETCH(QString, dit);
        const std::function<void()> travaux[] = {
            [] {},
            [] { throw Refus(QStringLiteral("CE FILM N'EXISTE PLUS")); },
            [] { throw ErreurBase(ErreurBase::Genre::Io, QStringLiteral("disk I/O error")); },
            [] { throw PanneInjectee("panne injectée : prêt"); },
        };
        Banc banc;
        const bool fait = Tenter(QStringLiteral("LE PRET N'A PAS PU ETRE ENREGISTRE"), travaux[panne]);
        QCOMPARE(fait, dit.isEmpty());
        QCOMPARE(banc.messages(), dit);
    }
};

QTEST_MAIN(TestEchec)
#include "tst_echec.moc"
