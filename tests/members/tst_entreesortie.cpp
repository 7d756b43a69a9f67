// The lending window driven as the operator drives it: a member's card from the members grid,
// "Retrait" then a click on a film to lend it, "Depos" to take it back; then what lands in Abonne
// and CD. Films and members are put straight into the tables.
#include "Banc.h"
#include "Tables.h"

#include "common/Contexte.h"
#include "members/FrmEntreeSortie.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <sqlite3.h>

using namespace vidora;
using namespace vidora_test;

namespace {

void film(const QString& m, const QString& nom, const QString& sortie) {
    ajouterLigne("CD", {{"MatriculeCD", m},
                        {"Nom", nom},
                        {"Sortie", sortie},
                        {"Categorie", "ACTION"},
                        {"Traver", "A"},
                        {"Rang", "1"},
                        {"Numero", "2"}});
}

void membre(const QString& m, const QString& nom, Ligne v = {}) {
    for (const char* c : {"DateRest", "DateEmp", "MatriCD", "NomCD", "Averti"})
        for (int k = 1; k <= 3; ++k)
            if (!v.contains(c + QString::number(k))) v[c + QString::number(k)] = "0";
    v.insert({{"MatriculeAbon", m}, {"NomAbon", nom}, {"PrenomAbon", "JEAN"}, {"DateAbon", "01/02/2026"}});
    ajouterLigne("Abonne", v);
}

// The first row whose field holds the value, or with an edit of some of its fields; "" deletes it.
Ligne ligne(const QString& table, const QString& champ, const QString& valeur,
            const Ligne* edition = nullptr) {
    for (auto t = ctx().base().ouvrirTable(table); !t->Fin(); t->MoveNext()) {
        if (t->Texte(champ) != valeur) continue;
        if (edition && edition->isEmpty()) t->Delete();
        if (edition && !edition->isEmpty()) {
            t->Edit();
            for (auto it = edition->begin(); it != edition->end(); ++it)
                t->SetValue(it.key(), it.value());
            t->Update();
        }
        Ligne r;
        if (!edition)
            for (const DefChamp& c : t->definition().champs)
                r[c.nom] = t->Texte(c.nom);
        return r;
    }
    return {};
}
void modifier(const QString& table, const QString& champ, const QString& valeur, const Ligne& e) {
    ligne(table, champ, valeur, &e);
}
QString sortie(const QString& m) {
    return ligne("CD", "MatriculeCD", m).value("Sortie");
}
// Slot k of member A1: identifier, title, loan day, due day, level.
QString slot(int k) {
    const Ligne r = ligne("Abonne", "MatriculeAbon", "A1");
    QStringList l;
    for (const char* c : {"MatriCD", "NomCD", "DateEmp", "DateRest", "Averti"})
        l << r.value(c + QString::number(k));
    return l.join('|');
}
const QString kLibre = "0|0|0|0|0";

int rangee(const MSFlexGrid* g, const QString& ref) {
    for (int r = 1; r < g->Rows(); ++r)
        if (g->textAt(r, 1) == ref) return r;
    return -1;
}

struct Fenetre {
    Banc& b;
    FrmEntreeSortie* f = nullptr;
    QPushButton* retrait(int k) const { return f->boutonPreter[size_t(k - 1)]; }
    QPushButton* depos(int k) const { return f->boutonRendre[size_t(k - 1)]; }
    // The card shown, the window held open, and no recordset left behind by the handler.
    bool fiche() const {
        return f->zonePrets->isVisibleTo(f) && !f->grilleFilms->isVisibleTo(f) &&
               !f->grilleAbonnes->isVisibleTo(f) && !entreeDisponible(f, "Menu") &&
               entreeDisponible(f, "Retour") && !ctx().TableOuverte;
    }
    bool ouvrir(const QString& membre = "A1") {
        FrmDepart* d = b.fenetre<FrmDepart>();
        if (!d || !choisirMenu(d, "Entre") || !(f = b.fenetre<FrmEntreeSortie>())) return false;
        f->grilleAbonnes->cliquer(rangee(f->grilleAbonnes, membre), 1);
        return fiche();
    }
    bool preter(int k, const QString& ref) {
        cliquer(retrait(k));
        const int r = rangee(f->grilleFilms, ref);
        if (!f->grilleFilms->isVisibleTo(f) || r < 0) return false;
        f->grilleFilms->cliquer(r, 2);
        return fiche();
    }
    bool rendre(int k) {
        if (!depos(k)->isEnabled()) return false;
        cliquer(depos(k));
        return fiche();
    }
    // Which buttons are enabled, slot by slot: R for "Retrait", D for "Depos".
    QString boutons() const {
        QString s;
        for (int k = 1; k <= 3; ++k)
            s += retrait(k)->isEnabled() ? (depos(k)->isEnabled() ? "?" : "R") : "D";
        return s;
    }
};

struct Club : Banc {
    Club() { creerBase(); }
};

// Logged in, the card of member A1 who holds film F1 "ALPHA" (one copy) in slot 1.
bool unFilmPrete(Fenetre& w) {
    w.b.connecter();
    film("F1", "ALPHA", "1");
    membre("A1", "DURAND");
    return w.ouvrir() && w.preter(1, "F1");
}

} // namespace

class TestEntreeSortie : public QObject {
    Q_OBJECT
  private slots:
    void listeEtFiche();
    void echeances_data();
    void echeances();
    void parcoursDesPrets();
    void choixSansPret();
    void laLigneCliquee();
    void pannes_data();
    void pannes();
    void refus_data();
    void refus();
    void retourParMatricule();
    void retourDUnCompteQuiNePeutMonter_data();
    void retourDUnCompteQuiNePeutMonter();
};

void TestEntreeSortie::listeEtFiche() {
    Club b;
    b.connecter();
    membre("P1", "PLEIN",
           {{"MatriCD1", "M1"},
            {"NomCD1", "ALIEN"},
            {"DateEmp1", "01/12/2026"},
            {"DateRest1", "16/12/2026"},
            {"MatriCD2", "M2"},
            {"NomCD2", "BRAZIL"},
            {"MatriCD3", "M3"},
            {"DateRest3", "18/12/2026"}});
    membre("A1", "VIDE");
    Fenetre w{b};
    QVERIFY(w.ouvrir("P1"));
    FrmEntreeSortie* f = w.f;
    QVERIFY(!b.fenetre<FrmDepart>()->isEnabled());
    QCOMPARE(f->valeurMatricule->text() + f->valeurNom->text() + f->valeurPrenom->text() +
                 f->valeurDate->text(),
             QString("P1PLEINJEAN01/02/2026"));
    QCOMPARE(w.boutons(), QString("DDD"));
    QCOMPARE(QStringList({f->valeurMatriculePret[0]->text(), f->valeurMatriculeFilm[0]->text(),
                          f->valeurTitrePret[0]->text(), f->valeurDateSortie[0]->text(),
                          f->valeurRetourPrevu[0]->text(), f->valeurTitrePret[1]->text(),
                          f->valeurRetourPrevu[2]->text()}),
             QStringList({"M1", "M1", "ALIEN", "01/12/2026", "16/12/2026", "BRAZIL", "18/12/2026"}));

    // Back to the list; a card with free slots after one with occupied slots shows nothing left over.
    QVERIFY(choisirMenu(f, "Retour"));
    QVERIFY(f->grilleAbonnes->isVisibleTo(f) && !f->valeurMatricule->isVisibleTo(f) &&
            entreeDisponible(f, "Menu"));
    QCOMPARE(f->grilleAbonnes->Rows(), 4);
    QCOMPARE(f->grilleAbonnes->textAt(0, 1) + f->grilleAbonnes->textAt(2, 2), QString("REFVIDE"));
    f->grilleAbonnes->cliquer(0, 1); // the heading and the empty row show no card
    f->grilleAbonnes->cliquer(3, 1);
    QVERIFY(f->grilleAbonnes->isVisibleTo(f) && !f->zoneAbonne->isVisibleTo(f));
    f->grilleAbonnes->cliquer(2, 1);
    QVERIFY(w.fiche());
    QCOMPARE(w.boutons(), QString("RRR"));
    for (QLabel* l : {f->valeurMatriculeFilm[0], f->valeurDateSortie[0], f->valeurRetourPrevu[0],
                      f->valeurMatriculeFilm[1], f->valeurMatriculeFilm[2], f->valeurRetourPrevu[2],
                      f->valeurMatriculePret[0], f->valeurTitrePret[0], f->valeurMatriculePret[1],
                      f->valeurTitrePret[1], f->valeurMatriculePret[2], f->valeurTitrePret[2]})
        QVERIFY(l->text().isEmpty());
    QVERIFY(choisirMenu(f, "Retour") && choisirMenu(f, "Menu"));
    QVERIFY(!b.fenetre<FrmEntreeSortie>() && b.fenetre<FrmDepart>()->isEnabled());
}

void TestEntreeSortie::echeances_data() {
    QTest::addColumn<QDate>("jour");
    QTest::addColumn<QString>("delai");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("fin d'annee") << QDate(2026, 12, 25) << "15"
                                 << "25/12/2026|09/01/2027";
    QTest::newRow("fevrier bissextile") << QDate(2028, 2, 20) << "15"
                                        << "20/02/2028|06/03/2028";
    QTest::newRow("' 7 j'") << QDate(2027, 3, 30) << " 7 j"
                            << "30/03/2027|06/04/2027";
}

void TestEntreeSortie::echeances() {
    QFETCH(QDate, jour);
    QFETCH(QString, delai);
    QFETCH(QString, attendu);
    Club b;
    b.env().date = jour;
    b.connecter();
    modifier("Para", "DelaiMini", "15", {{"DelaiMini", delai}});
    film("F1", "LE MEPRIS", "1");
    membre("A1", "DURAND", {{"Averti1", "2"}});
    Fenetre w{b};
    QVERIFY(w.ouvrir() && w.preter(1, "F1"));
    QVERIFY(b.env().messages.isEmpty());
    // The slot's four texts are written, its level is left as it was.
    QCOMPARE(slot(1), "F1|LE MEPRIS|" + attendu + "|2");
    QCOMPARE(slot(2), kLibre);
    QCOMPARE(sortie("F1"), QString("0"));
    QCOMPARE(w.f->valeurMatriculeFilm[0]->text() + "|" + w.f->valeurTitrePret[0]->text() + "|" +
                 w.f->valeurDateSortie[0]->text() + "|" + w.f->valeurRetourPrevu[0]->text(),
             "F1|LE MEPRIS|" + attendu);
    QCOMPARE(w.boutons(), QString("DRR"));
}

void TestEntreeSortie::parcoursDesPrets() {
    Club b;
    b.connecter();
    film("F1", "UNIQUE", "1");
    film("F2", "ABSENT", "0");
    film("F3", "DOUBLE", "2");
    membre("A1", "DURAND");
    Fenetre w{b};
    QVERIFY(w.ouvrir());
    cliquer(w.retrait(1));
    QCOMPARE(w.f->grilleFilms->Rows(), 4); // heading, UNIQUE, DOUBLE, empty row
    QCOMPARE(w.f->grilleFilms->textAt(1, 3) + w.f->grilleFilms->textAt(1, 4), QString("ACTIONA - 1 - 2"));
    QVERIFY(w.f->valeurMatricule->isVisibleTo(w.f));
    QVERIFY(w.preter(1, "F1"));
    QCOMPARE(sortie("F1"), QString("0"));
    // Slot 2 while slot 1 holds a film, then two copies of one film in slots 2 and 3.
    b.env().date = QDate(2026, 12, 10);
    QVERIFY(!w.preter(2, "F1")); // its last copy is gone: no longer offered
    QVERIFY(choisirMenu(w.f, "Retour"));
    w.f->grilleAbonnes->cliquer(1, 1);
    QVERIFY(w.preter(2, "F3") && w.preter(3, "F3"));
    QCOMPARE(slot(1), QString("F1|UNIQUE|08/12/2026|23/12/2026|0"));
    QCOMPARE(slot(2), QString("F3|DOUBLE|10/12/2026|25/12/2026|0"));
    QCOMPARE(slot(3), slot(2));
    QCOMPARE(sortie("F3"), QString("0"));
    QCOMPARE(w.boutons(), QString("DDD"));
    // Each return puts one copy back and sets the reminder level back to 0.
    modifier("Abonne", "MatriculeAbon", "A1", {{"Averti1", "1"}, {"Averti2", "2"}});
    QVERIFY(w.rendre(2));
    QCOMPARE(slot(2), kLibre);
    QCOMPARE(sortie("F3"), QString("1"));
    QCOMPARE(slot(1), QString("F1|UNIQUE|08/12/2026|23/12/2026|1"));
    QVERIFY(w.rendre(1) && w.rendre(3));
    QCOMPARE(slot(1) + slot(3), kLibre + kLibre);
    QCOMPARE(sortie("F1") + sortie("F3"), QString("12"));
    QCOMPARE(w.boutons(), QString("RRR"));
    QVERIFY(w.f->valeurMatriculePret[0]->text().isEmpty() && w.f->valeurRetourPrevu[0]->text().isEmpty());
    cliquer(w.retrait(1));
    QVERIFY(rangee(w.f->grilleFilms, "F1") > 0); // back on the shelf, offered again
    QVERIFY(b.env().messages.isEmpty());
}

void TestEntreeSortie::choixSansPret() {
    Club b;
    b.connecter();
    film("F1", "ALPHA", "1");
    membre("A1", "DURAND");
    Fenetre w{b};
    QVERIFY(w.ouvrir());
    const Ligne avant = ligne("Abonne", "MatriculeAbon", "A1");
    cliquer(w.retrait(2));
    // The heading and the empty row after the last film lend nothing: the choice stays open.
    for (auto [r, c] : {std::pair{0, 2}, {2, 2}, {2, 0}})
        w.f->grilleFilms->cliquer(r, c);
    QVERIFY(w.f->grilleFilms->isVisibleTo(w.f) && !entreeDisponible(w.f, "Menu"));
    // "Retour" during the choice: the member list, nothing lent.
    QVERIFY(choisirMenu(w.f, "Retour"));
    QVERIFY(w.f->grilleAbonnes->isVisibleTo(w.f) && !w.f->grilleFilms->isVisibleTo(w.f));
    QCOMPARE(ligne("Abonne", "MatriculeAbon", "A1"), avant);
    QCOMPARE(sortie("F1"), QString("1"));
    w.f->grilleAbonnes->cliquer(1, 1);
    QCOMPARE(w.boutons(), QString("RRR"));
}

void TestEntreeSortie::laLigneCliquee() {
    Club b;
    b.connecter();
    film("F1", "JUMEAU", "1");
    film("F2", "JUMEAU", "4");
    membre("A1", "PREMIER");
    membre("A1", "SECOND"); // the same identifier twice: the clicked member is the one served
    Fenetre w{b};
    QVERIFY(w.ouvrir());
    w.f->grilleAbonnes->cliquer(2, 1);
    QCOMPARE(w.f->valeurNom->text(), QString("SECOND"));
    QVERIFY(w.preter(1, "F2"));
    QCOMPARE(slot(1), kLibre);
    QCOMPARE(ligne("Abonne", "NomAbon", "SECOND").value("MatriCD1"), QString("F2"));
    QCOMPARE(sortie("F1") + sortie("F2"), QString("13"));
    QVERIFY(w.rendre(1));
    QCOMPARE(sortie("F1") + sortie("F2"), QString("14"));
}

void TestEntreeSortie::pannes_data() {
    QTest::addColumn<QString>("etape");
    QTest::addColumn<QString>("compte");
    QTest::newRow("pret") << "pret"
                          << "5";
    QTest::newRow("retour") << "retour"
                            << "5";
}

void TestEntreeSortie::pannes() {
    QFETCH(QString, etape);
    QFETCH(QString, compte);
    Club b;
    Fenetre w{b};
    QVERIFY(unFilmPrete(w));
    modifier("CD", "MatriculeCD", "F1", {{"Sortie", compte}});
    const Ligne avant = ligne("Abonne", "MatriculeAbon", "A1");
    b.env().panneA = etape;
    QVERIFY(etape == "pret" ? w.preter(2, "F1") : w.rendre(1));
    QCOMPARE(b.env().messages.size(), 1);
    QCOMPARE(ligne("Abonne", "MatriculeAbon", "A1"), avant);
    QCOMPARE(sortie("F1"), compte);
    QCOMPARE(w.boutons(), QString("DRR")); // the card shows what is stored
    QCOMPARE(w.f->valeurMatriculePret[0]->text(), QString("F1"));
}

void TestEntreeSortie::refus_data() {
    QTest::addColumn<QString>("quoi");
    QTest::addColumn<QString>("message");
    const QString rien = " : AUCUN FILM N'A ETE PRETE";
    QTest::newRow("delai") << "delai"
                           << "LE DELAI MINI DES PARAMETRES N'EST PAS UN NOMBRE DE JOURS" + rien;
    QTest::newRow("film supprime") << "supprime"
                                   << "CE FILM N'EXISTE PLUS" + rien;
    QTest::newRow("plus d'exemplaire") << "sortie"
                                       << "PLUS AUCUN EXEMPLAIRE DE CE FILM N'EST EN RAYON" + rien;
    QTest::newRow("case prise") << "case"
                                << "CET EMPLACEMENT DE PRET EST DEJA OCCUPE" + rien;
}

// What changed in the database while the films grid was shown refuses the lend, writing nothing.
void TestEntreeSortie::refus() {
    QFETCH(QString, quoi);
    QFETCH(QString, message);
    Club b;
    b.connecter();
    film("F1", "ALPHA", "1");
    film("F2", "BETA", "1");
    membre("A1", "DURAND");
    Fenetre w{b};
    QVERIFY(w.ouvrir());
    cliquer(w.retrait(1));
    if (quoi == "delai") modifier("Para", "DelaiMini", "15", {{"DelaiMini", "DIX"}});
    if (quoi == "supprime") modifier("CD", "MatriculeCD", "F1", {});
    if (quoi == "sortie") modifier("CD", "MatriculeCD", "F1", {{"Sortie", "0"}});
    if (quoi == "case") modifier("Abonne", "MatriculeAbon", "A1", {{"MatriCD1", "F2"}, {"NomCD1", "BETA"}});
    const Ligne avant = ligne("Abonne", "MatriculeAbon", "A1");
    w.f->grilleFilms->cliquer(1, 2);
    QCOMPARE(b.env().messages.value(0).texte, message);
    QCOMPARE(ligne("Abonne", "MatriculeAbon", "A1"), avant);
    QCOMPARE(sortie("F2"), QString("1"));
    QCOMPARE(sortie("F1"), QString(quoi == "delai"    ? "1"
                                   : quoi == "sortie" ? "0"
                                   : quoi == "case"   ? "1"
                                                      : ""));
    QVERIFY(w.fiche());
}

void TestEntreeSortie::retourParMatricule() {
    Club b;
    b.connecter();
    film("F1", "ALPHA", "1");
    film("F2", "BETA", "1");
    film("F3", "GAMMA", "1");
    membre("A1", "DURAND");
    Fenetre w{b};
    QVERIFY(w.ouvrir() && w.preter(1, "F1") && w.preter(2, "F2") && w.preter(3, "F3"));
    // Renamed while lent, and another film now bears its old title: the identifier wins.
    modifier("CD", "MatriculeCD", "F1", {{"Nom", "ALPHA (VERSION LONGUE)"}});
    film("F9", "ALPHA", "5");
    QVERIFY(w.rendre(1));
    QCOMPARE(sortie("F1") + sortie("F9"), QString("15"));
    // No film with the slot's identifier any more: found by the slot's title.
    modifier("CD", "MatriculeCD", "F2", {{"MatriculeCD", "F2BIS"}});
    QVERIFY(w.rendre(2));
    QCOMPARE(sortie("F2BIS"), QString("1"));
    // Deleted while lent: the slot is emptied all the same, no count changes.
    modifier("CD", "MatriculeCD", "F3", {});
    QVERIFY(w.rendre(3));
    QCOMPARE(slot(3), kLibre);
    QCOMPARE(sortie("F9"), QString("5"));
    QVERIFY(b.env().messages.isEmpty());
    QCOMPARE(w.boutons(), QString("RRR"));
}

void TestEntreeSortie::retourDUnCompteQuiNePeutMonter_data() {
    QTest::addColumn<QString>("compte");
    QTest::newRow("au plus haut") << "99999";
    QTest::newRow("pas un nombre") << "DEUX";
    QTest::newRow("pas entier") << "1.5";
    QTest::newRow("negatif") << "-3";
    QTest::newRow("au-dela du champ") << "9223372036854775807"; // left by another program
}

// The slot is always emptied; the count that cannot rise stays, and the operator is told which.
void TestEntreeSortie::retourDUnCompteQuiNePeutMonter() {
    QFETCH(QString, compte);
    Club b;
    Fenetre w{b};
    QVERIFY(unFilmPrete(w));
    // Straight into the file: the engine itself stores no text wider than its field.
    const QString sql = QString("UPDATE CD SET Sortie = '%1'").arg(compte);
    QCOMPARE(sqlite3_exec(ctx().base().handle(), sql.toUtf8().constData(), nullptr, nullptr, nullptr),
             SQLITE_OK);
    QVERIFY(w.rendre(1));
    QCOMPARE(slot(1), kLibre);
    QCOMPARE(sortie("F1"), compte);
    QCOMPARE(b.env().messages.size(), 1);
    QVERIFY(b.env().messages[0].texte.contains("ALPHA"));
    QCOMPARE(w.boutons(), QString("RRR"));
}

QTEST_MAIN(TestEntreeSortie)
#include "tst_entreesortie.moc"
