// The deletion of a database from the main menu's "Supprimer une base", with its films' pictures.
#include "Banc.h"

#include "common/Contexte.h"
#include "common/Images.h"
#include "shell/FrmDepart.h"
#include "shell/FrmSuppBase.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

void ajouterFilm(const QString& base, const QString& titre, bool image) {
    auto db = Database::ouvrir(base);
    auto cd = db->ouvrirTable("CD");
    cd->AddNew();
    cd->SetValue("Nom", titre);
    cd->SetValue("Image", image);
    cd->Update();
}

void poserImage(const QString& titre) {
    QFile f(FichierImageFilm(titre));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("BM");
}

void choisir(QListWidget* liste, const QString& nom) {
    const auto items = liste->findItems(nom, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(items.first()).center());
    Banc::traiterEvenements();
}

QStringList restantes(Banc& b) {
    QStringList r;
    for (const char* t : {"ALIEN", "BRAZIL", "COMMUN"})
        if (QFile::exists(FichierImageFilm(t))) r << t;
    if (QFile::exists(b.chemin("Images/tavrel.gif"))) r << "tavrel.gif";
    return r;
}

} // namespace

class TestSuppBase : public QObject {
    Q_OBJECT
  private slots:
    void supprimer_data();
    void supprimer();
};

void TestSuppBase::supprimer_data() {
    QTest::addColumn<QString>("fichier");
    QTest::addColumn<bool>("oui");
    QTest::addColumn<QString>("motDePasse");
    QTest::addColumn<QString>("panne");
    QTest::addColumn<bool>("illisible"); // a file named like a database that cannot be read is there
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("supprimee");
    QTest::addColumn<QStringList>("images");

    const QStringList toutes = {"ALIEN", "BRAZIL", "COMMUN", "tavrel.gif"};
    QTest::newRow("supprimée") << "CLUB.MDB" << true << "VIDORA"
                               << "" << false << "CLUB.MDB  Base Supprimer" << true
                               << QStringList{"BRAZIL", "COMMUN", "tavrel.gif"};
    // It may be a damaged database whose films use the pictures: they stay.
    QTest::newRow("supprimée, une base illisible à côté")
        << "CLUB.MDB" << true << "VIDORA"
        << "" << true << "CLUB.MDB  Base Supprimer" << true << toutes;
    QTest::newRow("non") << "CLUB.MDB" << false << ""
                         << "" << false << "" << false << toutes;
    QTest::newRow("mauvais mot de passe") << "CLUB.MDB" << true << "vidora"
                                          << "" << false << "MAUVAIS MOT DE PASSE" << false << toutes;
    QTest::newRow("fichier indélébile")
        << "CLUB.MDB" << true << "VIDORA"
        << "suppression-base" << false << "LA BASE CLUB.MDB N'A PAS PU ETRE SUPPRIMEE" << false << toutes;
    QTest::newRow("pas une base") << "FAUX.MDB" << true << ""
                                  << "" << true << "IMPOSSIBLE D'OUVRIR CETTE BASE : FAUX.MDB" << false
                                  << toutes;
}

void TestSuppBase::supprimer() {
    QFETCH(QString, fichier);
    QFETCH(bool, oui);
    QFETCH(QString, motDePasse);
    QFETCH(QString, panne);
    QFETCH(bool, illisible);
    QFETCH(QString, message);
    QFETCH(bool, supprimee);
    QFETCH(QStringList, images);
    Banc b;
    const QString club = b.creerBase("CLUB.MDB");
    const QString autre = b.creerBase("autre.mdb");
    if (illisible) {
        QFile faux(b.chemin("FAUX.MDB"));
        QVERIFY(faux.open(QIODevice::WriteOnly));
        faux.write("pas une base");
    }
    ajouterFilm(club, "ALIEN", true);
    ajouterFilm(club, "BRAZIL", false);
    ajouterFilm(club, "COMMUN", true);
    ajouterFilm(autre, "COMMUN", true); // the same picture serves the other database
    for (const char* t : {"ALIEN", "BRAZIL", "COMMUN"})
        poserImage(t);
    QFile(":/assets/Images/tavrel.gif").copy(b.chemin("Images/tavrel.gif"));

    FrmDepart* d = b.connecter("autre.mdb");
    QVERIFY(d && choisirMenu(d, "SuppBase"));
    auto* s = b.fenetre<FrmSuppBase>();
    QVERIFY(s && !b.fenetre<FrmDepart>());
    QVERIFY(!ctx().BaseEnCours->estOuverte());
    QCOMPARE(s->listeBases->count(), illisible ? 3 : 2);

    b.env().reponses = {oui};
    b.env().panneA = panne;
    choisir(s->listeBases, fichier);
    QCOMPARE(b.env().questions.size(), size_t(1));
    QCOMPARE(b.env().questions.front().texte, "Voulez-Vous supprimer " + fichier);
    QVERIFY(b.env().questions.front().nonParDefaut);
    if (!oui)
        QVERIFY(s->listeBases->isVisible() && !s->caseMotDePasse->isVisible() &&
                !s->libelleMotDePasse->isVisible());
    if (s->caseMotDePasse->isVisible()) taper(s->caseMotDePasse, motDePasse, true);

    const QString vus = b.messages();
    QVERIFY2(message.isEmpty() ? vus.isEmpty() : vus.startsWith(message), qPrintable(vus));
    QCOMPARE(!QFile::exists(b.chemin(fichier)), supprimee);
    QVERIFY(QFile::exists(autre) && QFile::exists(b.chemin("FAUX.MDB")) == illisible);
    QCOMPARE(restantes(b), images);
    if (supprimee) {
        d = b.fenetre<FrmDepart>();
        QVERIFY(d && !b.fenetre<FrmSuppBase>());
        QCOMPARE(d->listeBases->count(), illisible ? 2 : 1);
    }
}

QTEST_MAIN(TestSuppBase)
#include "tst_suppbase.moc"
