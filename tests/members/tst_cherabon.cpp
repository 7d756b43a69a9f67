// "Recherche/Modif" driven from the main menu as the operator drives it: the card of the row
// clicked, what the save writes into that member and nothing else, the refusals, a member
// deleted meanwhile.
#include "Banc.h"
#include "Tables.h"

#include "common/Contexte.h"
#include "common/Grilles.h"
#include "members/FicheAbonne.h"
#include "members/FrmCherAbon.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

// Two members of one name, the first holding a film and a reminder, and a third member.
FrmCherAbon* ouvrir(Banc& b) {
    b.creerBase();
    FrmDepart* d = b.connecter();
    if (!d) return nullptr;
    ajouterAbonne("001U2026", "DUPONT",
                  {{"MatriCD1", "001A08U2026"},
                   {"NomCD1", "ALIEN"},
                   {"DateEmp1", "01/11/2026"},
                   {"DateRest1", "08/11/2026"},
                   {"Averti1", "1"}});
    ajouterAbonne("002U2026", "DUPONT", {{"Adresse1Abon", "2 RUE"}});
    ajouterAbonne("003U2026", "MARTIN");
    return choisirMenu(d, "RechAbon") ? b.fenetre<FrmCherAbon>() : nullptr;
}

bool fiche(FrmCherAbon* f) {
    return f->fiche->isVisibleTo(f) && !f->grilleAbonnes->isVisibleTo(f) &&
           entreeDisponible(f, "Enregitre") && entreeDisponible(f, "Autre") && !ctx().TableOuverte;
}
bool liste(FrmCherAbon* f) {
    return !f->fiche->isVisibleTo(f) && f->grilleAbonnes->isVisibleTo(f) &&
           !entreeDisponible(f, "Enregitre") && !entreeDisponible(f, "Autre");
}

void remplacer(QLineEdit* box, const QString& texte) {
    box->clear();
    taper(box, texte);
}

} // namespace

class TestCherAbon : public QObject {
    Q_OBJECT
  private slots:
    void modifieLeMembreClique_data();
    void modifieLeMembreClique();
    void texteStockeGarde();
    void refus_data();
    void refus();
    void rienHorsDesMembres();
};

void TestCherAbon::modifieLeMembreClique_data() {
    QTest::addColumn<int>("rangee");
    QTest::addColumn<QString>("adresse2");        // typed over the stored "  "
    QTest::addColumn<QString>("adresse2Stockee"); // after the save
    QTest::newRow("premier homonyme") << 1 << " bis "
                                      << " BIS ";
    QTest::newRow("second homonyme, adresse vidée") << 2 << ""
                                                    << "  ";
}

void TestCherAbon::modifieLeMembreClique() {
    QFETCH(int, rangee);
    QFETCH(QString, adresse2);
    QFETCH(QString, adresse2Stockee);
    Banc b;
    FrmCherAbon* f = ouvrir(b);
    QVERIFY(f && liste(f));
    const QList<Ligne> avant = lignes("Abonne");
    FicheAbonne* c = f->fiche;
    // "Autre Abonne" drops what was typed.
    f->grilleAbonnes->cliquer(rangee, 2);
    remplacer(c->caseNom, "AUTRE");
    QVERIFY(choisirMenu(f, "Autre") && liste(f));
    QCOMPARE(lignes("Abonne"), avant);
    f->grilleAbonnes->cliquer(rangee, 2);
    QVERIFY(fiche(f));
    QCOMPARE(c->caseMatricule->text(), avant[rangee - 1]["MatriculeAbon"]);
    QCOMPARE(c->caseAdresse1->text(), avant[rangee - 1]["Adresse1Abon"]);
    QVERIFY(!c->caseMatricule->isEnabled());

    remplacer(c->caseNom, "durand");
    remplacer(c->casePrenom, QString(45, 'e')); // no box takes more than its field holds
    remplacer(c->caseAdresse1, "   ");
    remplacer(c->caseAdresse2, "x");
    remplacer(c->caseAdresse2, adresse2);
    remplacer(c->caseCodePostal, "69002 c");
    remplacer(c->caseVille, "lyon");
    remplacer(c->caseDate, "le 2/3/26");
    taper(c->caseDate, "", true); // Enter in the last box goes round to the name
    QCOMPARE(QApplication::focusWidget(), c->caseNom);
    QVERIFY(choisirMenu(f, "Enregitre"));
    QVERIFY(b.env().messages.isEmpty());
    QVERIFY(liste(f));

    QList<Ligne> attendu = avant;
    Ligne& m = attendu[rangee - 1];
    m["NomAbon"] = "DURAND";
    m["PrenomAbon"] = QString(40, 'E');
    m["Adresse1Abon"] = "  ";
    m["Adresse2Abon"] = adresse2Stockee;
    m["CodeAbon"] = "69002 C";
    m["VilleAbon"] = "LYON";
    m["DateAbon"] = "LE 2/3/26";
    QCOMPARE(lignes("Abonne"), attendu); // the slots, the other homonym and the third member whole
    QCOMPARE(f->grilleAbonnes->textAt(rangee, 2), QString("DURAND"));
}

void TestCherAbon::texteStockeGarde() {
    Banc b;
    FrmCherAbon* f = ouvrir(b);
    QVERIFY(f);
    // Texts the boxes would not take from the keyboard, written by another tool; a first name
    // longer than its field.
    const QString ville = QString::fromUtf8("ŁÓDŹ"), prenom = QStringLiteral("a\tb") + QString(42, 'e');
    ajouterAbonne("004U2026", "NOWAK", {{"Adresse2Abon", ""}});
    ecrireParUnAutreOutil("Abonne", "VilleAbon", ville);
    ecrireParUnAutreOutil("Abonne", "PrenomAbon", prenom);
    f->grilleAbonnes->cliquer(1, 2);
    QVERIFY(choisirMenu(f, "Autre")); // the list built again, with the new member
    f->grilleAbonnes->cliquer(4, 2);
    QCOMPARE(f->fiche->caseVille->text() + "|" + f->fiche->casePrenom->text(), ville + "|" + prenom);
    remplacer(f->fiche->caseCodePostal, "00950");
    QVERIFY(choisirMenu(f, "Enregitre"));
    QCOMPARE(b.messages(), QString());
    const Ligne m = lignes("Abonne")[3];
    QCOMPARE(m["VilleAbon"] + "|" + m["PrenomAbon"] + "|" + m["Adresse2Abon"] + "|" + m["CodeAbon"],
             ville + "|" + prenom + "||00950");
}

void TestCherAbon::refus_data() {
    QTest::addColumn<int>("boite");
    QTest::newRow("nom") << 1;
    QTest::newRow("code postal") << 5;
    QTest::newRow("ville") << 6;
}

void TestCherAbon::refus() {
    QFETCH(int, boite);
    Banc b;
    FrmCherAbon* f = ouvrir(b);
    QVERIFY(f);
    const QList<Ligne> avant = lignes("Abonne");
    f->grilleAbonnes->cliquer(2, 1);
    remplacer(f->fiche->caseAdresse1, "9 rue neuve");
    remplacer(f->fiche->cases()[size_t(boite)], "  ");
    QVERIFY(choisirMenu(f, "Enregitre"));
    QCOMPARE(b.env().messages.size(), 1);
    QCOMPARE(lignes("Abonne"), avant);
    QVERIFY(fiche(f)); // the card stays, as typed, for a correction
    QCOMPARE(f->fiche->caseAdresse1->text(), QString("9 RUE NEUVE"));
}

void TestCherAbon::rienHorsDesMembres() {
    Banc b;
    FrmCherAbon* f = ouvrir(b);
    QVERIFY(f);
    // The heading and the empty row after the last member open no card.
    for (int r : {0, 4}) {
        f->grilleAbonnes->cliquer(r, 2);
        QVERIFY(liste(f));
    }
    // A member deleted since the list was built: nothing written, the list comes back without it.
    f->grilleAbonnes->cliquer(2, 2);
    QVERIFY(fiche(f));
    remplacer(f->fiche->caseNom, "FANTOME");
    {
        auto t = ctx().base().ouvrirTable("Abonne");
        QVERIFY(t->AllerA(CleLigneCourante(*f->grilleAbonnes)));
        t->Delete();
    }
    const QList<Ligne> avant = lignes("Abonne");
    QVERIFY(choisirMenu(f, "Enregitre"));
    QCOMPARE(lignes("Abonne"), avant);
    QVERIFY(liste(f));
    QCOMPARE(f->grilleAbonnes->Rows(), 4);
}

QTEST_MAIN(TestCherAbon)
#include "tst_cherabon.moc"
