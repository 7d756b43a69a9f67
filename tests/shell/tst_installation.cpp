// The application folder at start: made and furnished at the first start only.
#include "Banc.h"

#include "shell/Installation.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

class TestInstallation : public QObject {
    Q_OBJECT
  private slots:
    void fichiersFournis_data();
    void fichiersFournis();
    void restesEffaces();
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

// What interrupted writes left goes at start; the files they were writing stay.
void TestInstallation::restesEffaces() {
    Banc b;
    for (const QString f :
         {"Etiquette", "Sauve.ser", "Etiquette.a1B2c3", "Sauve.ser.Zz9Yy8", "Etiquette.Q1w2E3.travail",
          ".vidora-copie.travail/Images/ALIEN.BMP", ".vidora-a1b2c3.tmp", "Images/.vidora-a1b2c3.tmp",
          "Images/ALIEN.BMP.a1B2c3", "Images/ALIEN.BMP.Q1w2E3.travail", "Rappel.let.Zz9Yy8",
          // Files of the operator's that only look like them.
          "Images/ALIEN.BMP.a1B2", "Rappel.let.Zz9Yy8.bak"}) {
        QDir().mkpath(QFileInfo(b.chemin(f)).path());
        QFile(b.chemin(f)).open(QIODevice::WriteOnly);
    }
    PreparerDossierApplication();
    QStringList restants;
    for (QDirIterator it(b.dossier(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        restants << QDir(b.dossier()).relativeFilePath(it.next());
    restants.sort();
    QCOMPARE(restants, (QStringList{"Etiquette", "Images", "Images/ALIEN.BMP.a1B2", "Images/tavrel.gif",
                                    "Lisez-Moi.html", "Rappel.let.Zz9Yy8.bak", "Sauve.ser"}));
}

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
