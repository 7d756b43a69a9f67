// The application folder at start: made and furnished at the first start only.
#include "Banc.h"

#include "shell/Installation.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

class TestInstallation : public QObject {
    Q_OBJECT
  private slots:
    void fichiersFournis_data();
    void fichiersFournis();
};

void TestInstallation::fichiersFournis_data() {
    QTest::addColumn<bool>("dossierExistant");
    QTest::addColumn<QStringList>("fournis");
    QTest::newRow("premier départ") << false
                                    << QStringList{"Images/tavrel.gif", "Lisez-Moi.html", "Rappel.let",
                                                   "Recommande.let"};
    // The operator erased the two templates and the help: only the help comes back.
    QTest::newRow("départ suivant") << true << QStringList{"Images/tavrel.gif", "Lisez-Moi.html"};
}

void TestInstallation::fichiersFournis() {
    QFETCH(bool, dossierExistant);
    QFETCH(QStringList, fournis);
    Banc b;
    QDir(b.dossier()).removeRecursively();
    if (dossierExistant) QVERIFY(QDir().mkpath(b.dossier()));
    PreparerDossierApplication();
    // Started again: nothing more appears, nothing is lost.
    PreparerDossierApplication();
    QStringList presents;
    for (const char* f : {"Images/tavrel.gif", "Lisez-Moi.html", "Rappel.let", "Recommande.let"})
        if (QFile::exists(b.chemin(QString::fromLatin1(f)))) presents << QString::fromLatin1(f);
    QCOMPARE(presents, fournis);
}

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
