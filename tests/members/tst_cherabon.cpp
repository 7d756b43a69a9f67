// "Recherche/Modif" driven from the main menu as the operator drives it: the card of the row
// clicked, what the save writes into that member and nothing else, the refusals, a member
// deleted meanwhile; and the look-up of a member by name and first name.
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
    return f->Fiche->isVisibleTo(f) && !f->MSFlexGrid1->isVisibleTo(f) && entreeDisponible(f, "Enregitre") &&
           entreeDisponible(f, "Autre") && !ctx().TableOuverte;
}
bool liste(FrmCherAbon* f) {
    return !f->Fiche->isVisibleTo(f) && f->MSFlexGrid1->isVisibleTo(f) && !entreeDisponible(f, "Enregitre") &&
           !entreeDisponible(f, "Autre");
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
    void refus_data();
    void refus();
    void rienHorsDesMembres();
    void chercherAbonneParNom_data();
    void chercherAbonneParNom();
};

void TestCherAbon::modifieLeMembreClique_data() {
    QTest::addColumn<int>("rangee");
    QTest::newRow("premier homonyme") << 1;
    QTest::newRow("second homonyme") << 2;
}

void TestCherAbon::modifieLeMembreClique() {
    QFETCH(int, rangee);
    Banc b;
    FrmCherAbon* f = ouvrir(b);
    QVERIFY(f && liste(f));
    const QList<Ligne> avant = lignes("Abonne");
    f->MSFlexGrid1->cliquer(rangee, 2);
    QVERIFY(fiche(f));
    FicheAbonne* c = f->Fiche;
    QCOMPARE(c->Text[0]->text(), avant[rangee - 1]["MatriculeAbon"]);
    QCOMPARE(c->Text[3]->text(), avant[rangee - 1]["Adresse1Abon"]);
    QVERIFY(!c->Text[0]->isEnabled());

    remplacer(c->Text[1], "durand");
    remplacer(c->Text[2], QString(45, 'e')); // no box takes more than its field holds
    remplacer(c->Text[3], "   ");
    remplacer(c->Text[4], " bis ");
    taper(c->Text[7], "", true); // Enter in the last box goes round to the name
    QCOMPARE(QApplication::focusWidget(), c->Text[1]);
    QVERIFY(choisirMenu(f, "Enregitre"));
    QVERIFY(b.env().messages.isEmpty());
    QVERIFY(liste(f));

    QList<Ligne> attendu = avant;
    Ligne& m = attendu[rangee - 1];
    m["NomAbon"] = "DURAND";
    m["PrenomAbon"] = QString(40, 'E');
    m["Adresse1Abon"] = "  ";
    m["Adresse2Abon"] = " BIS ";
    QCOMPARE(lignes("Abonne"), attendu); // the slots, the other homonym and the third member whole
    QCOMPARE(f->MSFlexGrid1->textAt(rangee, 2), QString("DURAND"));
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
    f->MSFlexGrid1->cliquer(2, 1);
    remplacer(f->Fiche->Text[3], "9 RUE NEUVE");
    remplacer(f->Fiche->Text[size_t(boite)], "  ");
    QVERIFY(choisirMenu(f, "Enregitre"));
    QCOMPARE(b.env().messages.size(), 1);
    QCOMPARE(lignes("Abonne"), avant);
    QVERIFY(fiche(f)); // the card stays, as typed, for a correction
    QCOMPARE(f->Fiche->Text[3]->text(), QString("9 RUE NEUVE"));
}

void TestCherAbon::rienHorsDesMembres() {
    Banc b;
    FrmCherAbon* f = ouvrir(b);
    QVERIFY(f);
    // The heading and the empty row after the last member open no card.
    for (int r : {0, 4}) {
        f->MSFlexGrid1->cliquer(r, 2);
        QVERIFY(liste(f));
    }
    // A member deleted since the list was built: nothing written, the list comes back without it.
    f->MSFlexGrid1->cliquer(2, 2);
    QVERIFY(fiche(f));
    remplacer(f->Fiche->Text[1], "FANTOME");
    {
        auto t = ctx().base().ouvrirTable("Abonne");
        QVERIFY(t->AllerA(CleLigneCourante(*f->MSFlexGrid1)));
        t->Delete();
    }
    const QList<Ligne> avant = lignes("Abonne");
    QVERIFY(choisirMenu(f, "Enregitre"));
    QCOMPARE(lignes("Abonne"), avant);
    QVERIFY(liste(f));
    QCOMPARE(f->MSFlexGrid1->Rows(), 4);
}

void TestCherAbon::chercherAbonneParNom_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QString>("trouve");
    QTest::newRow("le premier de deux homonymes") << "DUPONT"
                                                  << "JEAN"
                                                  << "001U2026";
    QTest::newRow("casse") << "Dupont"
                           << "JEAN"
                           << "";
    QTest::newRow("blanc") << "DUPONT "
                           << "JEAN"
                           << "";
    QTest::newRow("prenom vide") << "MARTIN"
                                 << ""
                                 << "004U2026";
    QTest::newRow("prenom sans valeur") << "NUL"
                                        << ""
                                        << "";
    QTest::newRow("personne") << ""
                              << ""
                              << "";
}

void TestCherAbon::chercherAbonneParNom() {
    QFETCH(QString, nom);
    QFETCH(QString, prenom);
    QFETCH(QString, trouve);
    Banc b;
    QVERIFY(ouvrir(b));
    ajouterAbonne("004U2026", "MARTIN", {{"PrenomAbon", ""}});
    ajouterLigne("Abonne", {{"NomAbon", "NUL"}});
    const bool oui = ChercherAbonneParNom(nom, prenom);
    QCOMPARE(oui, !trouve.isEmpty());
    QCOMPARE(ctx().TableOuverte->EOF_(), !oui);
    if (oui) QCOMPARE(ctx().TableOuverte->Texte("MatriculeAbon"), trouve);
    ctx().fermerTables();
}

QTEST_MAIN(TestCherAbon)
#include "tst_cherabon.moc"
