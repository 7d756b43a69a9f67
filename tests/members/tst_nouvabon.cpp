// "NOUVEL ABONNE", driven from the main menu as the operator drives it: identifiers, required
// entries, what lands in table Abonne and in the member counter.
#include "Banc.h"

#include "common/Contexte.h"
#include "members/FicheAbonne.h"
#include "members/FrmNouvAbon.h"
#include "platform/Database.h"
#include "shell/FrmDepart.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

qint64 compteur() {
    return ctx().base().ouvrirTable("AbonChe")->Value("MatriculeAbon").toLongLong();
}

QList<QMap<QString, QString>> abonnes() {
    QList<QMap<QString, QString>> l;
    for (auto t = ctx().base().ouvrirTable("Abonne"); !t->Fin(); t->MoveNext()) {
        l << QMap<QString, QString>();
        for (const DefChamp& c : t->definition().champs)
            l.back()[c.nom] = t->Texte(c.nom);
    }
    return l;
}

FrmNouvAbon* ouvrir(Banc& b, qint64 cpt = 1) {
    b.creerBase();
    FrmDepart* d = b.connecter();
    {
        auto t = ctx().base().ouvrirTable("AbonChe");
        t->Edit();
        t->SetValue("MatriculeAbon", cpt);
        t->Update();
    }
    return d && choisirMenu(d, "NouvAbon") ? b.fenetre<FrmNouvAbon>() : nullptr;
}

bool enregistrer(FrmNouvAbon* f, const QString& nom) {
    for (auto [box, texte] : {std::pair{f->fiche->caseNom, nom},
                              {f->fiche->casePrenom, "jean"},
                              {f->fiche->caseCodePostal, "75001"},
                              {f->fiche->caseVille, "paris"}})
        taper(box, texte);
    return choisirMenu(f, "Enregist");
}

} // namespace

class TestNouvAbon : public QObject {
    Q_OBJECT
  private slots:
    void identifiant_data();
    void identifiant();
    void premierAbonne();
    void obligatoires();
    void panneDuCompteurPuisDeuxAbonnes();
    void compteurEpuiseEtRetour();
    void compteurInutilisable_data();
    void compteurInutilisable();
};

void TestNouvAbon::identifiant_data() {
    QTest::addColumn<qint64>("cpt");
    QTest::addColumn<QDate>("jour");
    QTest::addColumn<QString>("attendu");
    for (auto [n, attendu] : {std::pair<qint64, const char*>{1, "001U2026"},
                              {9, "009U2026"},
                              {10, "010U2026"},
                              {99, "099U2026"},
                              {100, "100U2026"},
                              {1000, "1000U2026"}})
        QTest::addRow("%s", attendu) << n << QDate(2026, 12, 8) << QString(attendu);
    QTest::newRow("1234 janvier") << qint64(1234) << QDate(2028, 1, 31) << "1234A2028";
    for (int m = 1; m <= 12; ++m)
        QTest::addRow("mois %d", m) << qint64(42) << QDate(2027, m, 15)
                                    << QString("042") + QLatin1Char("ABCDEGHKMNQU"[m - 1]) + "2027";
}

void TestNouvAbon::identifiant() {
    QFETCH(qint64, cpt);
    QFETCH(QDate, jour);
    QFETCH(QString, attendu);
    Banc b;
    b.env().date = jour;
    FrmNouvAbon* f = ouvrir(b, cpt);
    QVERIFY(f);
    QCOMPARE(f->fiche->caseMatricule->text(), attendu);
    QCOMPARE(f->fiche->caseDate->text(), jour.toString("dd/MM/yyyy"));
    QVERIFY(enregistrer(f, "DURAND"));
    QCOMPARE(abonnes().value(0).value("MatriculeAbon"), attendu);
    QCOMPARE(compteur(), cpt + 1);
}

void TestNouvAbon::premierAbonne() {
    Banc b;
    FrmNouvAbon* f = ouvrir(b);
    QVERIFY(f);
    QVERIFY(!b.fenetre<FrmDepart>()->isEnabled());
    taper(f->fiche->caseNom, " élodie ", true);
    QCOMPARE(QApplication::focusWidget(), f->fiche->casePrenom); // Enter moves on to the next box
    taper(f->fiche->casePrenom, QString(45, 'a'), true);         // no box takes more than its field holds
    taper(f->fiche->caseAdresse1, "   ", true);
    taper(f->fiche->caseCodePostal, "69001", true);
    QVERIFY(!entreeDisponible(f, "Enregist"));
    taper(f->fiche->caseVille, "saint-étienne", true);
    QCOMPARE(QApplication::focusWidget(), f->fiche->caseVille);
    QVERIFY(choisirMenu(f, "Enregist"));
    QVERIFY(b.env().messages.isEmpty());
    const QMap<QString, QString> r = abonnes().value(0);
    QCOMPARE(r["MatriculeAbon"], QString("001U2026"));
    QCOMPARE(r["NomAbon"], QString(" ÉLODIE "));
    QCOMPARE(r["PrenomAbon"], QString(40, 'A'));
    QCOMPARE(r["Adresse1Abon"], QString("  "));
    QCOMPARE(r["Adresse2Abon"], QString("  "));
    QCOMPARE(r["CodeAbon"] + r["VilleAbon"] + r["DateAbon"], QString("69001SAINT-ÉTIENNE08/12/2026"));
    for (const char* c : {"DateRest", "DateEmp", "MatriCD", "NomCD", "Averti"})
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(r[c + QString::number(k)], QString("0"));
    QCOMPARE(compteur(), 2);
    // Cleared for the next member.
    QCOMPARE(f->fiche->caseMatricule->text() + f->fiche->caseNom->text() + f->fiche->caseVille->text() +
                 f->fiche->caseDate->text(),
             QString("002U202608/12/2026"));
    QVERIFY(!entreeDisponible(f, "Enregist"));
    QVERIFY(!ctx().TableOuverte);
}

void TestNouvAbon::obligatoires() {
    Banc b;
    FrmNouvAbon* f = ouvrir(b);
    QVERIFY(f);
    taper(f->fiche->caseVille, "x"); // a key and its erasure make the save available all the same
    QTest::keyClick(f->fiche->caseVille, Qt::Key_Backspace);
    const auto refus = [&](const QString& attendu) {
        b.env().messages.clear();
        return choisirMenu(f, "Enregist") && b.env().messages.size() == 1 &&
               b.env().messages[0].texte == attendu && abonnes().isEmpty() && compteur() == 1;
    };
    QVERIFY(refus("LE NOM EST OBLIGATOIRE"));
    taper(f->fiche->caseNom, "   ");
    QVERIFY(refus("LE NOM EST OBLIGATOIRE"));
    taper(f->fiche->caseNom, "MARTIN");
    QVERIFY(refus("LE CODE POSTAL EST OBLIGATOIRE"));
    taper(f->fiche->caseCodePostal, "13000");
    QVERIFY(refus("LA VILLE EST OBLIGATOIRE"));
    taper(f->fiche->caseVille, "MARSEILLE");
    f->fiche->caseMatricule->setText("  ");
    QVERIFY(refus("LA REFERENCE EST OBLIGATOIRE"));
    f->fiche->caseMatricule->setText("AB12");
    f->fiche->caseDate->clear();
    QVERIFY(refus("LA DATE D'ABONNEMENT EST OBLIGATOIRE"));
    taper(f->fiche->caseDate, "01/01/2027");
    QVERIFY(choisirMenu(f, "Enregist"));
    // Stored as typed: the blanks of the name, the operator's own identifier and date.
    QCOMPARE(abonnes().value(0).value("NomAbon"), QString("   MARTIN"));
    QCOMPARE(abonnes().value(0).value("MatriculeAbon") + abonnes().value(0).value("DateAbon"),
             QString("AB1201/01/2027"));
}

void TestNouvAbon::panneDuCompteurPuisDeuxAbonnes() {
    Banc b;
    FrmNouvAbon* f = ouvrir(b);
    QVERIFY(f);
    b.env().panneA = "compteur-abonne";
    QVERIFY(enregistrer(f, "DUPONT"));
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY(abonnes().isEmpty());
    QCOMPARE(compteur(), 1);
    QCOMPARE(f->fiche->caseNom->text(), QString("DUPONT")); // kept for another try
    b.env().panneA.clear();
    QVERIFY(choisirMenu(f, "Enregist"));
    QVERIFY(enregistrer(f, "DUPONT")); // the same name twice: both stored
    const auto l = abonnes();
    QCOMPARE(l.size(), 2);
    QCOMPARE(l[0]["MatriculeAbon"] + l[1]["MatriculeAbon"], QString("001U2026002U2026"));
    QCOMPARE(compteur(), 3);
}

void TestNouvAbon::compteurEpuiseEtRetour() {
    Banc b;
    FrmNouvAbon* f = ouvrir(b, 99999);
    QVERIFY(f && enregistrer(f, "DERNIER"));
    QCOMPARE(abonnes().value(0).value("MatriculeAbon"), QString("99999U2026"));
    QVERIFY(enregistrer(f, "DE TROP"));
    QCOMPARE(b.env().messages.value(0).texte,
             QString("LE NOMBRE MAXIMUM D'ABONNES (99999) EST ATTEINT : AUCUN ABONNE N'A ETE ENREGISTRE"));
    QCOMPARE(abonnes().size(), 1);
    QCOMPARE(compteur(), 100000);
    QVERIFY(choisirMenu(f, "Retour"));
    QVERIFY(!b.fenetre<FrmNouvAbon>() && b.fenetre<FrmDepart>()->isEnabled());
    QCOMPARE(abonnes().size(), 1);
}

void TestNouvAbon::compteurInutilisable_data() {
    QTest::addColumn<QVariant>("valeur"); // invalid: no counter row at all
    QTest::newRow("ligne absente") << QVariant();
    QTest::newRow("Null") << QVariant(QString());
    QTest::newRow("negatif") << QVariant(-3);
}

void TestNouvAbon::compteurInutilisable() {
    QFETCH(QVariant, valeur);
    Banc b;
    b.creerBase();
    {
        auto db = Database::ouvrir(b.chemin("CLUB.MDB"));
        auto t = db->ouvrirTable("AbonChe");
        if (!valeur.isValid()) {
            t->Delete();
        } else {
            t->Edit();
            t->SetValue("MatriculeAbon", valeur.toString().isEmpty() ? QVariant() : valeur);
            t->Update();
        }
    }
    FrmDepart* d = b.connecter();
    QVERIFY(d && choisirMenu(d, "NouvAbon"));
    auto* f = b.fenetre<FrmNouvAbon>();
    QVERIFY(f && enregistrer(f, "DUPONT"));
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY2(b.env().messages[0].texte.contains("AbonChe"), qPrintable(b.env().messages[0].texte));
    QVERIFY(abonnes().isEmpty());
}

QTEST_MAIN(TestNouvAbon)
#include "tst_nouvabon.moc"
