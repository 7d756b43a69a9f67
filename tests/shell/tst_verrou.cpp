// One running program per application folder, and a crash never leaves the folder locked.
#include "Banc.h"
#include "EcritureTuee.h"

#include "shell/VerrouDossier.h"

#include <QtTest>

#include <cstdlib>

#include <unistd.h>

using namespace vidora;
using namespace vidora_test;

namespace {

const char* const kVariable = "VIDORA_DOSSIER_A_VERROUILLER";

// The child: starts on the folder as the program does, then waits to be killed.
[[maybe_unused]] const bool enfant = [] {
    if (const char* dossier = std::getenv(kVariable)) {
        if (!VerrouillerDossierApplication(QString::fromLocal8Bit(dossier))) _exit(2);
        enfantPret();
    }
    return false;
}();

} // namespace

class TestVerrou : public QObject {
    Q_OBJECT
  private slots:
    void unSeulProgrammeParDossier();
};

void TestVerrou::unSeulProgrammeParDossier() {
    Banc b;
    bool accepte = true;
    QVERIFY(
        tuerEnfant(kVariable, b.dossier(), [&] { accepte = VerrouillerDossierApplication(b.dossier()); }));
    // While the first copy runs, the second start is refused and says so.
    QVERIFY(!accepte);
    QVERIFY(b.messages().contains(QDir::toNativeSeparators(b.dossier())));
    // Killed, the first copy's lock holds the next start back no longer.
    QVERIFY(VerrouillerDossierApplication(b.dossier()));
    QCOMPARE(b.messages(), QString());
}

QTEST_MAIN(TestVerrou)
#include "tst_verrou.moc"
