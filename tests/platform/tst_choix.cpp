// The file and folder choosers read in French whatever the machine's locale: headings, types and
// dates, in the chooser the production environment shows.
#include "platform/Environnement.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

using vidora::Environnement;

class TestChoix : public QObject {
    Q_OBJECT
  private slots:
    void enFrancais_data();
    void enFrancais();
};

void TestChoix::enFrancais_data() {
    QTest::addColumn<bool>("dossiers");
    QTest::newRow("fichier") << false;
    QTest::newRow("dossier") << true;
}

void TestChoix::enFrancais() {
    QFETCH(bool, dossiers);
    // An English machine.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Affiches"));
    QFile f(dir.filePath("alien.bmp"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("BM");
    f.flush();
    const QDateTime quand(QDate(2026, 12, 9), QTime(14, 5));
    QVERIFY(f.setFileTime(quand, QFileDevice::FileModificationTime));
    f.close();

    auto d = Environnement::choix("Saisir Affiche", dir.path(), "Image (*.bmp)", dossiers, nullptr);
    d->show();
    auto* vue = d->findChild<QTreeView*>("treeView");
    QVERIFY(vue && vue->isVisible());
    QAbstractItemModel* m = vue->model();
    QTRY_VERIFY(m->rowCount(vue->rootIndex()) == (dossiers ? 1 : 2));
    QMap<QString, QStringList> lignes;
    for (int r = 0; r < m->rowCount(vue->rootIndex()); ++r) {
        QStringList cellules;
        for (int c = 1; c < 4; ++c)
            cellules << m->index(r, c, vue->rootIndex()).data().toString();
        lignes[m->index(r, 0, vue->rootIndex()).data().toString()] = cellules;
    }
    QCOMPARE(lignes["Affiches"].mid(1, 1), QStringList{"Dossier"});
    if (!dossiers) {
        QCOMPARE(lignes["alien.bmp"].mid(1), (QStringList{"Fichier BMP", "09/12/2026 14:05"}));
        QVERIFY2(lignes["alien.bmp"][0].contains("2"), qPrintable(lignes["alien.bmp"][0]));
    }
    QStringList entetes;
    for (int c = 0; c < 4; ++c)
        entetes << m->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(entetes, (QStringList{"Nom", "Taille", "Type", "Date de modification"}));
    QCOMPARE(d->labelText(QFileDialog::Reject), QString("Annuler"));
    d->reject();
}

QTEST_MAIN(TestChoix)
#include "tst_choix.moc"
