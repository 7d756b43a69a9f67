// The reminder pass and its letters, driven through "Lettre Rappelle" of the main menu: which slot
// gets which letter, the levels written, the grid of late members, the lines of each printed job,
// and what is left undone when a template or the printer fails.
#include "Banc.h"

#include "catalogue/FrmSaisir.h"
#include "common/Contexte.h"
#include "common/TexteFichier.h"
#include "common/Zoom.h"
#include "members/FicheAbonne.h"
#include "members/FrmEntreeSortie.h"
#include "members/FrmLettreRappel.h"
#include "members/FrmNouvAbon.h"
#include "members/LettreRappel.h"
#include "platform/Database.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"
#include "shell/FrmNouvCompte.h"
#include "shell/FrmParamettre.h"
#include "shell/Installation.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

#include <array>

using namespace vidora;
using namespace vidora_test;

namespace {

const QVariant kAucun; // a level never written

struct Membre {
    QString nom;
    QString prenom = QStringLiteral("JEAN");
    QString adresse1 = QStringLiteral("3 RUE HAUTE");
    QString adresse2 = QStringLiteral("  ");
    QString code = QStringLiteral("75001");
    QString ville = QStringLiteral("PARIS");
    std::array<QString, 3> echeance{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    std::array<QString, 3> titre{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    std::array<QVariant, 3> niveau{0, 0, 0};
};

void ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

// A due date that lies `jours` days before the bench's today.
QString retard(Banc& b, int jours) {
    return b.env().date.addDays(-jours).toString(QStringLiteral("dd/MM/yyyy"));
}

qint64 ajouter(const Membre& m) {
    static int compteur = 0;
    auto t = ctx().base().ouvrirTable(QStringLiteral("Abonne"));
    t->AddNew();
    t->SetValue(QStringLiteral("MatriculeAbon"), QStringLiteral("A%1").arg(++compteur));
    t->SetValue(QStringLiteral("NomAbon"), m.nom);
    t->SetValue(QStringLiteral("PrenomAbon"), m.prenom);
    t->SetValue(QStringLiteral("Adresse1Abon"), m.adresse1);
    t->SetValue(QStringLiteral("Adresse2Abon"), m.adresse2);
    t->SetValue(QStringLiteral("CodeAbon"), m.code);
    t->SetValue(QStringLiteral("VilleAbon"), m.ville);
    for (int k = 1; k <= 3; ++k) {
        t->SetValue(QStringLiteral("DateRest%1").arg(k), m.echeance[k - 1]);
        t->SetValue(QStringLiteral("NomCD%1").arg(k), m.titre[k - 1]);
        t->SetValue(QStringLiteral("MatriCD%1").arg(k), m.echeance[k - 1] == "0" ? "0" : "F1");
        t->SetValue(QStringLiteral("Averti%1").arg(k), m.niveau[k - 1]);
    }
    t->Update();
    t->MoveLast();
    return t->Cle();
}

QVariant niveau(qint64 cle, int k) {
    auto t = ctx().base().ouvrirTable(QStringLiteral("Abonne"));
    if (!t->AllerA(cle)) return QStringLiteral("absent");
    return t->Value(QStringLiteral("Averti%1").arg(k));
}

QString matricule(qint64 cle) {
    auto t = ctx().base().ouvrirTable(QStringLiteral("Abonne"));
    return t->AllerA(cle) ? t->Texte(QStringLiteral("MatriculeAbon")) : QString();
}

void viderAbonnes() {
    auto t = ctx().base().ouvrirTable(QStringLiteral("Abonne"));
    while (!t->Fin()) {
        t->Delete();
        t->MoveNext();
    }
}

void changerPara(const QString& champ, const QString& valeur) {
    auto t = ctx().base().ouvrirTable(QStringLiteral("Para"));
    t->Edit();
    t->SetValue(champ, valeur);
    t->Update();
}

// A database, its two templates with one recognisable body line each, the operator logged in.
FrmDepart* preparer(Banc& b) {
    b.creerBase();
    ecrire(b.chemin("Rappel.let"), "RAPPEL <<LIVRE>>\r\n");
    ecrire(b.chemin("Recommande.let"), "RECOMMANDE <<LIVRE>>\r\n");
    return b.connecter();
}

// Opens the reminder window afresh, as the operator does from the main menu.
FrmLettreRappel* passe(Banc& b) {
    if (auto* ouverte = b.fenetre<FrmLettreRappel>()) choisirMenu(ouverte, "Retour");
    FrmDepart* d = b.fenetre<FrmDepart>();
    if (!d || !choisirMenu(d, "Rappel")) return nullptr;
    return b.fenetre<FrmLettreRappel>();
}

const QList<TravailEnregistre>& travaux(Banc& b) {
    return b.env().journal->travaux;
}

// The first body line of a letter (the body is printed at column 9).
QString corps(const TravailEnregistre& t) {
    for (const LigneEnregistree& l : t.pages.first())
        if (l.colonne == 9) return l.texte;
    return {};
}

QStringList corps(Banc& b, qsizetype depuis = 0) {
    QStringList r;
    for (qsizetype i = depuis; i < travaux(b).size(); ++i)
        r << corps(travaux(b)[i]);
    return r;
}

QStringList messages(Banc& b) {
    QStringList r;
    for (const Message& m : b.env().messages)
        r << m.texte;
    return r;
}

// The identifiers listed by the grid, in order.
QStringList lignes(const MSFlexGrid* g) {
    QStringList r;
    for (int i = 1; i < g->Rows() - 1; ++i)
        r << g->textAt(i, 1);
    return r;
}

using Ligne = QPair<QString, int>;
QList<Ligne> lignesDe(const TravailEnregistre& t) {
    QList<Ligne> r;
    for (const LigneEnregistree& l : t.pages.first())
        r << Ligne(l.texte, l.colonne);
    return r;
}

class EnvironnementPdf : public EnvironnementTest {
  public:
    std::unique_ptr<Imprimante> imprimante() override {
        return std::make_unique<ImprimanteQt>(dossierImpressions, ImprimanteQt::Destination::Pdf);
    }
};

// Every job but the first goes through; the first fails only when it is ended.
class ImprimanteFinEnEchec : public ImprimanteEnregistreuse {
  public:
    ImprimanteFinEnEchec(std::shared_ptr<JournalImpression> journal, bool echec)
        : ImprimanteEnregistreuse(std::move(journal)), echec_(echec) {}
    bool terminer() override { return !echec_ && ImprimanteEnregistreuse::terminer(); }

  private:
    bool echec_;
};

class EnvironnementFinEnEchec : public EnvironnementTest {
  public:
    std::unique_ptr<Imprimante> imprimante() override {
        return std::make_unique<ImprimanteFinEnEchec>(journal, travaux_++ == 0);
    }

  private:
    int travaux_ = 0;
};

} // namespace

class TestRappel : public QObject {
    Q_OBJECT
  private slots:
    void regleDeRetard();
    void delais();
    void datesEcheance();
    void chaqueCaseSeule_data();
    void chaqueCaseSeule();
    void ligneDeGrille();
    void miseEnPageDeLaLettre();
    void modeleAbsent();
    void modeleTropGrand();
    void imprimanteEnEchec_data();
    void imprimanteEnEchec();
    void sansParametresNiAbonnes();
    void avisDesFichiersPdf();
    void pdfRelu();
    void routeDUnPret();
};

void TestRappel::regleDeRetard() {
    Banc b;
    QVERIFY(preparer(b));
    struct Cas {
        int jours;
        QVariant niveau;
        int attendu; // 0 nothing, 1 "Rappel.let", 2 "Recommande.let", -1 already sent
    };
    QList<Cas> cas;
    for (const QVariant& n : {QVariant(0), QVariant(1), QVariant(2), kAucun}) {
        cas << Cas{15, n, 0};
        cas << Cas{16, n, n == QVariant(2) ? -1 : 2};
        cas << Cas{25, n, n == QVariant(2) ? -1 : 2};
        cas << Cas{26, n, n == QVariant(1) ? -1 : 1};
    }
    cas << Cas{0, 0, 0} << Cas{-4, 0, 0};

    QList<qint64> cles;
    for (const Cas& c : cas) {
        Membre m;
        m.nom = QStringLiteral("M%1 %2").arg(c.jours).arg(c.niveau.isValid() ? c.niveau.toString() : "N");
        m.echeance[0] = retard(b, c.jours);
        m.titre[0] = QStringLiteral("FILM ") + m.nom;
        m.niveau[0] = c.niveau;
        cles << ajouter(m);
    }
    ajouter(Membre{QStringLiteral("SANS PRET")});

    FrmLettreRappel* f = passe(b);
    QVERIFY(f);
    QStringList lettres, enGrille;
    for (int i = 0; i < cas.size(); ++i) {
        const Cas& c = cas[i];
        const QString titre =
            QStringLiteral("FILM M%1 %2").arg(c.jours).arg(c.niveau.isValid() ? c.niveau.toString() : "N");
        if (c.attendu == 1) lettres << "RAPPEL " + titre;
        if (c.attendu == 2) lettres << "RECOMMANDE " + titre;
        if (c.jours > 0) enGrille << matricule(cles[i]);
        const QVariant apres = c.attendu > 0 ? QVariant(c.attendu) : c.niveau;
        QVERIFY2(niveau(cles[i], 1) == apres, qPrintable(titre));
    }
    QCOMPARE(corps(b), lettres);
    QVERIFY(f->grilleRetardataires->Visible());
    QCOMPARE(lignes(f->grilleRetardataires), enGrille);
    QCOMPARE(f->caseDelaiMini->text(), QString("15"));
    QCOMPARE(f->caseDelaiMaxi->text(), QString("25"));
    QCOMPARE(f->typeLettreEnCours, 0);
    QVERIFY(messages(b).isEmpty());

    // The same day again: every letter due went out, nothing more to print.
    QVERIFY(f = passe(b));
    QCOMPARE(travaux(b).size(), lettres.size());
    QCOMPARE(messages(b), QStringList({"PAS DE LETTRE DE RAPPEL"}));
    QVERIFY(!f->grilleRetardataires->Visible());

    // Ten days on, the slots reminded with "Recommande.let" are past the long delay.
    b.env().date = b.env().date.addDays(10);
    QVERIFY(passe(b));
    const QStringList suite = corps(b, lettres.size());
    QVERIFY(suite.contains("RAPPEL FILM M16 0"));
    QVERIFY(suite.contains("RECOMMANDE FILM M15 N"));
    QVERIFY(!suite.contains("RAPPEL FILM M26 0")); // one letter of each kind per loan
    QCOMPARE(niveau(cles[1], 1), QVariant(1));
}

void TestRappel::delais() {
    struct Cas {
        const char* mini;
        const char* maxi;
        QStringList attendu; // bodies, in walk order, for members 1, 15, 16 and 26 days late
    };
    const QList<Cas> cas = {
        {"15", "25", {"RECOMMANDE J16", "RAPPEL J26"}},
        {" 15", "25", {"RECOMMANDE J16", "RAPPEL J26"}},
        {"15 j", "25", {"RECOMMANDE J16", "RAPPEL J26"}},
        {"", "25", {"RECOMMANDE J1", "RECOMMANDE J15", "RECOMMANDE J16", "RAPPEL J26"}},
        {"abc", "25", {"RECOMMANDE J1", "RECOMMANDE J15", "RECOMMANDE J16", "RAPPEL J26"}},
        {"15", "abc", {"RAPPEL J1", "RAPPEL J15", "RAPPEL J16", "RAPPEL J26"}},
    };
    for (const Cas& c : cas) {
        Banc b;
        QVERIFY(preparer(b));
        changerPara("DelaiMini", QString::fromLatin1(c.mini));
        changerPara("DelaiMaxi", QString::fromLatin1(c.maxi));
        for (int j : {1, 15, 16, 26}) {
            Membre m;
            m.nom = QStringLiteral("J%1").arg(j);
            m.echeance[0] = retard(b, j);
            m.titre[0] = m.nom;
            ajouter(m);
        }
        QVERIFY(passe(b));
        QVERIFY2(corps(b) == c.attendu, c.mini);
    }
}

void TestRappel::datesEcheance() {
    Banc b;
    QVERIFY(preparer(b));
    struct Cas {
        QDate aujourdhui;
        const char* echeance;
        bool lettre;
    };
    const QList<Cas> cas = {
        {{2027, 1, 8}, "23/12/2026", true}, // 16 days across the new year
        {{2027, 1, 7}, "23/12/2026", false},
        {{2028, 3, 16}, "29/02/2028", true}, // 2028 is a leap year
        {{2028, 3, 15}, "29/02/2028", false},
        {{2027, 3, 16}, "28/02/2027", true},
        {{2027, 4, 16}, "31/03/2027", true},
        {{2027, 4, 16}, " 31/03/2027", true},
        // Not a day, or not written day first with two digits: the slot is left alone.
        {{2027, 6, 1}, "29/02/2027", false},
        {{2027, 6, 1}, "31/04/2027", false},
        {{2027, 6, 1}, "5/1/2027", false},
        {{2027, 6, 1}, "2027-01-05", false},
        {{2027, 6, 1}, "05/01/27", false},
        {{2027, 6, 1}, "01/13/2027", false},
        {{2027, 6, 1}, "", false},
    };
    int imprimees = 0;
    for (const Cas& c : cas) {
        viderAbonnes();
        b.env().messages.clear();
        b.env().date = c.aujourdhui;
        Membre m;
        m.nom = QStringLiteral("ECHEANCE");
        m.echeance[0] = QString::fromLatin1(c.echeance);
        m.titre[0] = QStringLiteral("T");
        const qint64 cle = ajouter(m);
        FrmLettreRappel* f = passe(b);
        QVERIFY(f);
        if (c.lettre) ++imprimees;
        QVERIFY2(travaux(b).size() == imprimees, c.echeance);
        QCOMPARE(niveau(cle, 1), QVariant(c.lettre ? 2 : 0));
        QCOMPARE(f->grilleRetardataires->Visible(), c.lettre);
        if (!c.lettre) QCOMPARE(messages(b), QStringList({"PAS DE LETTRE DE RAPPEL"}));
    }

    // A slot whose date cannot be read is never reminded from the date of the slot before it.
    viderAbonnes();
    b.env().date = QDate(2027, 6, 1);
    Membre m;
    m.nom = QStringLiteral("DEUX");
    m.echeance = {retard(b, 20), QStringLiteral("31/02/2027"), QStringLiteral("0")};
    m.titre = {QStringLiteral("PREMIER"), QStringLiteral("SECOND"), QStringLiteral("0")};
    const qint64 cle = ajouter(m);
    FrmLettreRappel* f = passe(b);
    QVERIFY(f);
    QCOMPARE(corps(b, imprimees), QStringList({"RECOMMANDE PREMIER"}));
    QCOMPARE(niveau(cle, 2), QVariant(0));
    QCOMPARE(lignes(f->grilleRetardataires), QStringList({matricule(cle)})); // still 20 days late
}

void TestRappel::chaqueCaseSeule_data() {
    QTest::addColumn<QStringList>("cases");   // slot by slot: "days late/level", empty when free
    QTest::addColumn<QStringList>("lettres"); // the bodies printed, in slot order
    QTest::addColumn<QStringList>("niveaux"); // the three levels after the pass
    QTest::addColumn<bool>("listee");
    QTest::newRow("cases 2 et 3 au-dela du long delai")
        << QStringList{"", "80/0", "100/0"} << QStringList{"RAPPEL T2", "RAPPEL T3"}
        << QStringList{"0", "1", "1"} << true;
    QTest::newRow("case 1 deja rappelee")
        << QStringList{"100/1", "80/0", ""} << QStringList{"RAPPEL T2"} << QStringList{"1", "1", "0"} << true;
    QTest::newRow("case 1 recommandee, 2 et 3 dues")
        << QStringList{"20/2", "100/0", "20/0"} << QStringList{"RAPPEL T2", "RECOMMANDE T3"}
        << QStringList{"2", "1", "2"} << true;
    QTest::newRow("case 2 recommandee puis au-dela")
        << QStringList{"", "26/2", ""} << QStringList{"RAPPEL T2"} << QStringList{"0", "1", "0"} << true;
    QTest::newRow("toutes deja rappelees")
        << QStringList{"30/1", "20/2", "3/0"} << QStringList{} << QStringList{"1", "2", "0"} << true;
    QTest::newRow("la suivante pas encore due")
        << QStringList{"30/0", "-14/0", ""} << QStringList{"RAPPEL T1"} << QStringList{"1", "0", "0"} << true;
    QTest::newRow("rien d'echu") << QStringList{"0/0", "", "-2/0"} << QStringList{}
                                 << QStringList{"0", "0", "0"} << false;
}

// Every occupied slot is weighed on its own: a slot whose letter already went out does not keep the
// member's other slots from theirs, and the member is listed as soon as one slot is late.
void TestRappel::chaqueCaseSeule() {
    QFETCH(QStringList, cases);
    QFETCH(QStringList, lettres);
    QFETCH(QStringList, niveaux);
    QFETCH(bool, listee);
    Banc b;
    QVERIFY(preparer(b));
    Membre m;
    m.nom = "CASES";
    for (int k = 0; k < 3; ++k) {
        if (cases[k].isEmpty()) continue;
        m.echeance[k] = retard(b, cases[k].section('/', 0, 0).toInt());
        m.titre[k] = QStringLiteral("T%1").arg(k + 1);
        m.niveau[k] = cases[k].section('/', 1, 1).toInt();
    }
    const qint64 cle = ajouter(m);
    FrmLettreRappel* f = passe(b);
    QVERIFY(f);
    QCOMPARE(corps(b), lettres);
    QStringList apres;
    for (int k = 1; k <= 3; ++k)
        apres << niveau(cle, k).toString();
    QCOMPARE(apres, niveaux);
    QCOMPARE(lignes(f->grilleRetardataires), listee ? QStringList{matricule(cle)} : QStringList());
    QCOMPARE(messages(b), lettres.isEmpty() ? QStringList{"PAS DE LETTRE DE RAPPEL"} : QStringList());
}

void TestRappel::ligneDeGrille() {
    Banc b;
    QVERIFY(preparer(b));
    // Three days late, no letter due: listed because the grid is shown for the others.
    Membre c;
    c.nom = "PEU";
    c.prenom = "ZOE";
    c.adresse1 = "4 ALLEE";
    c.code = "13001";
    c.ville = "MARSEILLE";
    c.echeance = {retard(b, 3), "0", "0"};
    c.titre = {"C1", "0", "0"};
    const qint64 cleC = ajouter(c);
    // Only slot 3 occupied.
    Membre d;
    d.nom = "TROIS";
    d.echeance = {"0", "0", retard(b, 20)};
    d.titre = {"0", "0", "D3"};
    d.niveau = {0, kAucun, kAucun};
    const qint64 cleD = ajouter(d);
    // No loan, right after a late member: not late, no row.
    ajouter(Membre{QStringLiteral("SANS PRET")});

    FrmLettreRappel* f = passe(b);
    QVERIFY(f);
    QCOMPARE(corps(b), QStringList({"RECOMMANDE D3"}));
    QCOMPARE(niveau(cleD, 3), QVariant(2));
    QCOMPARE(niveau(cleD, 2), kAucun);

    MSFlexGrid* g = f->grilleRetardataires;
    QVERIFY(g->Visible());
    QCOMPARE(g->Cols(), 10);
    QCOMPARE(g->Rows(), 4);
    const QStringList entetes = {"REF",   "NOM ABONNE", "PRENOM", "ADRESSE 1", "CODE",
                                 "VILLE", "CD 1",       "CD 2",   "CD 3"};
    QCOMPARE(g->ColWidth(0), 0);
    QCOMPARE(g->ColWidth(5), Arrondi(610 / 100.0 * ctx().PourcentZoom));
    for (int col = 1; col <= 9; ++col)
        QCOMPARE(g->textAt(0, col), entetes[col - 1]);
    const QStringList rangC = {matricule(cleC), "PEU",        "ZOE",         "4 ALLEE",    "13001",
                               "MARSEILLE",     retard(b, 3), "PAS DE FILM", "PAS DE FILM"};
    const QStringList rangD = {matricule(cleD), "TROIS",       "JEAN",        "3 RUE HAUTE", "75001",
                               "PARIS",         "PAS DE FILM", "PAS DE FILM", retard(b, 20)};
    for (int col = 1; col <= 9; ++col) {
        QCOMPARE(g->textAt(1, col), rangC[col - 1]);
        QCOMPARE(g->textAt(2, col), rangD[col - 1]);
        QCOMPARE(g->textAt(3, col), QString());
    }

    // The grid is for reading: a click prints nothing and changes nothing.
    g->cliquer(1, 2);
    QCOMPARE(travaux(b).size(), 1);
    QVERIFY(messages(b).isEmpty());
    QVERIFY(b.fenetre<FrmLettreRappel>());
    QVERIFY(!b.fenetre<FrmDepart>()->isEnabled());
    QVERIFY(choisirMenu(f, "Retour"));
    QVERIFY(!b.fenetre<FrmLettreRappel>());
    QVERIFY(b.fenetre<FrmDepart>()->isEnabled());
}

void TestRappel::miseEnPageDeLaLettre() {
    Banc b;
    QVERIFY(preparer(b));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    b.env().date = QDate(2027, 1, 5);
    ecrire(b.chemin("Recommande.let"), "Avant <<LIVRE>> apr\xE8s\r\n"
                                       "Fin : <<LIVRE>>\r\n"
                                       "<<LIVRE>>\r\n"
                                       "Deux <<LIVRE>> et <<LIVRE>>.\r\n"
                                       "minuscule <<livre>>\r\n"
                                       "\r\n"
                                       "Salutations.\r\n");
    // Line ends as another editor may leave them: LF alone, no end on the last line.
    QFile::remove(b.chemin("Rappel.let"));
    ecrire(b.chemin("rappel.LET"), "Bonjour\nRAPPEL <<LIVRE>>");

    Membre m;
    m.nom = "DURAND";
    m.prenom = "PAUL";
    m.adresse1 = "12 RUE DES LILAS";
    m.adresse2 = "BAT C";
    m.echeance = {retard(b, -2), retard(b, 20), "0"};
    m.titre = {"AUTRE FILM", "LE GRAND VOYAGE", "0"};
    m.niveau = {0, 0, kAucun};
    const qint64 cle = ajouter(m);
    Membre n;
    n.nom = "MARTIN";
    n.prenom = "ANNE";
    n.adresse1 = "  ";
    n.adresse2 = "   ";
    n.code = "13001";
    n.ville = "MARSEILLE";
    n.echeance = {retard(b, 30), "0", "0"};
    n.titre = {"PREMIER FILM", "0", "0"};
    ajouter(n);

    QVERIFY(passe(b));
    QLocale::setDefault(QLocale::c());
    QCOMPARE(travaux(b).size(), 2);
    const Ligne vide("", 0);
    const QList<Ligne> tete = {
        vide, vide, vide, {"Lunvel    Drune", 64}, {"1 Place Vordan", 64}, {"99999  Vermac", 64},
        vide, vide, vide};
    const QList<Ligne> date = {vide, vide, vide, vide, vide, {"Vermac le 05 janvier 2027", 39},
                               vide, vide, vide, vide, vide};
    const QList<Ligne> fin = {{"Lunvel    Drune", 9}, vide, vide};
    QList<Ligne> premiere = tete;
    premiere << Ligne("DURAND  PAUL", 39) << Ligne("12 RUE DES LILAS", 39) << Ligne("BAT C", 39)
             << Ligne("75001  PARIS", 39);
    premiere << date;
    premiere << Ligne("Avant LE GRAND VOYAGE après", 9) << Ligne("Fin : LE GRAND VOYAGE", 9)
             << Ligne("LE GRAND VOYAGE", 9) << Ligne("Deux LE GRAND VOYAGE et <<LIVRE>>.", 9)
             << Ligne("minuscule <<livre>>", 9) << Ligne("", 9) << Ligne("Salutations.", 9);
    premiere << fin;
    QCOMPARE(lignesDe(travaux(b)[0]), premiere);

    QList<Ligne> seconde = tete;
    seconde << Ligne("MARTIN  ANNE", 39) << Ligne("  ", 39) << Ligne("13001  MARSEILLE", 39);
    seconde << date << Ligne("Bonjour", 9) << Ligne("RAPPEL PREMIER FILM", 9) << fin;
    QCOMPARE(lignesDe(travaux(b)[1]), seconde);

    for (const TravailEnregistre& t : travaux(b)) {
        QCOMPARE(t.pages.size(), 1);
        for (const LigneEnregistree& l : t.pages.first()) {
            QCOMPARE(l.police, QString("Arial"));
            QCOMPARE(l.taille, 12.0);
        }
    }
    QCOMPARE(niveau(cle, 1), QVariant(0));
    QCOMPARE(niveau(cle, 2), QVariant(2));
    QCOMPARE(niveau(cle, 3), kAucun);
}

void TestRappel::modeleAbsent() {
    Banc b;
    QVERIFY(preparer(b));
    QFile::remove(b.chemin("Recommande.let"));
    QList<qint64> cles;
    for (int j : {20, 30, 18}) {
        Membre m;
        m.nom = QStringLiteral("J%1").arg(j);
        m.echeance[0] = retard(b, j);
        m.titre[0] = m.nom;
        cles << ajouter(m);
    }
    FrmLettreRappel* f = passe(b);
    QVERIFY(f);
    QCOMPARE(corps(b), QStringList({"RAPPEL J30"}));
    QCOMPARE(b.env().journal->demarrages, 1); // no job begun for the missing template
    QCOMPARE(b.env().journal->abandons, 0);
    QCOMPARE(niveau(cles[0], 1), QVariant(0));
    QCOMPARE(niveau(cles[1], 1), QVariant(1));
    QCOMPARE(niveau(cles[2], 1), QVariant(0));
    QVERIFY(f->grilleRetardataires->Visible());
    QCOMPARE(messages(b).size(), 1);
    QVERIFY(messages(b)[0].startsWith("LE MODELE DE LETTRE Recommande.let EST INTROUVABLE"));

    // Written since, the template prints the letters left over.
    b.env().messages.clear();
    ecrire(b.chemin("RECOMMANDE.LET"), "RECOMMANDE <<LIVRE>>\r\n");
    QVERIFY(passe(b));
    QCOMPARE(corps(b, 1), QStringList({"RECOMMANDE J20", "RECOMMANDE J18"}));
    QCOMPARE(niveau(cles[0], 1), QVariant(2));
    QVERIFY(messages(b).isEmpty());

    // Neither template: both named in one message, nothing printed.
    QFile::remove(b.chemin("RECOMMANDE.LET"));
    QFile::remove(b.chemin("Rappel.let"));
    b.env().date = b.env().date.addDays(20);
    Membre m;
    m.nom = "NOUVEAU";
    m.echeance[0] = retard(b, 20);
    m.titre[0] = m.nom;
    ajouter(m);
    QVERIFY(passe(b));
    QCOMPARE(travaux(b).size(), 3);
    QCOMPARE(b.env().journal->demarrages, 3);
    QCOMPARE(messages(b).size(), 1);
    QVERIFY2(
        messages(b)[0].startsWith("LES MODELES DE LETTRE Rappel.let ET Recommande.let SONT INTROUVABLES"),
        qPrintable(messages(b)[0]));
}

// A template with a line too long to lay out is left out like a missing one, named; the other
// letters print, from a template of a megabyte in ordinary lines.
void TestRappel::modeleTropGrand() {
    Banc b;
    QVERIFY(preparer(b));
    ecrire(b.chemin("Recommande.let"), "RECOMMANDE <<LIVRE>>" + QByteArray(64 * 1024, ' ') + "\r\n");
    ecrire(b.chemin("Rappel.let"),
           "RAPPEL <<LIVRE>>\r\n" + QByteArray("Une ligne de la lettre.\r\n").repeated(40000));
    QList<qint64> cles;
    for (int j : {20, 30}) {
        Membre m;
        m.nom = QStringLiteral("J%1").arg(j);
        m.echeance[0] = retard(b, j);
        m.titre[0] = m.nom;
        cles << ajouter(m);
    }
    QVERIFY(passe(b));
    QCOMPARE(corps(b), QStringList({"RAPPEL J30"}));
    QCOMPARE(niveau(cles[0], 1), QVariant(0));
    QCOMPARE(niveau(cles[1], 1), QVariant(1));
    QCOMPARE(messages(b).size(), 1);
    QVERIFY2(messages(b)[0].startsWith("LE MODELE DE LETTRE Recommande.let A UNE LIGNE DE PLUS DE"),
             qPrintable(messages(b)[0]));
}

void TestRappel::imprimanteEnEchec_data() {
    QTest::addColumn<QString>("panne");
    QTest::newRow("au demarrage") << "demarrage";
    QTest::newRow("en cours") << "ligne";
    QTest::newRow("a la fin du travail") << "fin";
}

// A letter whose print job failed, however it failed, leaves its slot's level as it was and is
// said in French; the printer mended, the next pass prints that letter, and only it.
void TestRappel::imprimanteEnEchec() {
    QFETCH(QString, panne);
    Banc b;
    QVERIFY(preparer(b));
    EnvironnementTest* e = &b.env();
    JournalImpression& j = *e->journal;
    j.travailEnEchec = 0;
    if (panne == "demarrage") j.echecDemarrage = true;
    if (panne == "ligne") j.echecApresLignes = 23; // at the body, once the head and the date went out
    Membre m;
    m.nom = "PREMIER";
    m.echeance[0] = retard(b, 20);
    m.titre[0] = "P";
    const qint64 premier = ajouter(m);
    m.nom = "SECOND";
    m.titre[0] = "S";
    const qint64 second = ajouter(m);
    if (panne == "fin") {
        // The job goes through to its end, which fails: a PDF that could not be written whole.
        auto fin = std::make_unique<EnvironnementFinEnEchec>();
        fin->dossier = e->dossier;
        fin->dossierImpressions = e->dossierImpressions;
        fin->date = e->date;
        fin->journal = e->journal;
        e = fin.get();
        installerEnvironnement(std::move(fin));
    }
    const auto corpsImprimes = [&] {
        QStringList r;
        for (const TravailEnregistre& t : j.travaux)
            r << corps(t);
        return r;
    };
    const auto avis = [&] {
        QStringList r;
        for (const Message& x : e->messages)
            r << x.texte;
        e->messages.clear();
        return r;
    };

    QVERIFY(passe(b));
    QCOMPARE(corpsImprimes(), QStringList({"RECOMMANDE S"}));
    QCOMPARE(j.abandons, panne == "demarrage" ? 0 : 1);
    QCOMPARE(niveau(premier, 1), QVariant(0));
    QCOMPARE(niveau(second, 1), QVariant(2));
    QCOMPARE(avis(),
             QStringList({"1 LETTRE DE RAPPEL N'A PAS PU ETRE IMPRIMEE ; ELLE LE SERA AU PROCHAIN RAPPEL."}));

    j.echecDemarrage = false;
    j.echecApresLignes = -1;
    QVERIFY(passe(b));
    QCOMPARE(corpsImprimes(), QStringList({"RECOMMANDE S", "RECOMMANDE P"}));
    QCOMPARE(niveau(premier, 1), QVariant(2));
    QVERIFY(avis().isEmpty());
}

void TestRappel::sansParametresNiAbonnes() {
    Banc b;
    QVERIFY(preparer(b));
    FrmLettreRappel* f = passe(b);
    QVERIFY(f);
    QCOMPARE(messages(b), QStringList({"PAS DE LETTRE DE RAPPEL"}));
    QVERIFY(!f->grilleRetardataires->Visible());

    Membre m;
    m.nom = "LATE";
    m.echeance[0] = retard(b, 40);
    m.titre[0] = "X";
    const qint64 cle = ajouter(m);
    {
        auto para = ctx().base().ouvrirTable(QStringLiteral("Para"));
        para->Delete();
    }
    b.env().messages.clear();
    QVERIFY(f = passe(b));
    QVERIFY(travaux(b).isEmpty());
    QCOMPARE(b.env().journal->demarrages, 0);
    QCOMPARE(niveau(cle, 1), QVariant(0));
    QVERIFY(!f->grilleRetardataires->Visible());
    QCOMPARE(messages(b).size(), 1);
    QVERIFY(messages(b)[0].startsWith("LES PARAMETRES DU CLUB SONT ABSENTS DE LA BASE"));
}

void TestRappel::avisDesFichiersPdf() {
    Banc b;
    QVERIFY(preparer(b));
    b.env().journal->dossierPdf = b.chemin("Impressions");
    for (int j : {20, 30}) {
        Membre m;
        m.nom = QStringLiteral("J%1").arg(j);
        m.echeance[0] = retard(b, j);
        m.titre[0] = m.nom;
        ajouter(m);
    }
    QVERIFY(passe(b));
    QCOMPARE(travaux(b).size(), 2);
    // Told once for the whole pass, not once per letter.
    QCOMPARE(messages(b).size(), 1);
    QVERIFY(messages(b)[0].contains(QDir::toNativeSeparators(b.chemin("Impressions"))));
}

void TestRappel::pdfRelu() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    Banc b;
    b.creerBase();
    ecrire(b.chemin("Recommande.let"), "Avant <<LIVRE>> apr\xE8s\r\n");
    // A printer of real PDF files in place of the recorder.
    auto e = std::make_unique<EnvironnementPdf>();
    e->dossier = b.dossier();
    e->dossierImpressions = b.chemin("Impressions");
    e->date = QDate(2027, 1, 5);
    EnvironnementPdf* env = e.get();
    installerEnvironnement(std::move(e));
    QVERIFY(b.connecter());
    Membre m;
    m.nom = "DURAND";
    m.prenom = "PAUL";
    m.echeance[0] = env->date.addDays(-20).toString("dd/MM/yyyy");
    m.titre[0] = "LE GRAND VOYAGE";
    ajouter(m);
    FrmDepart* d = b.fenetre<FrmDepart>();
    QVERIFY(choisirMenu(d, "Rappel"));

    const QStringList pdf = QDir(b.chemin("Impressions")).entryList({"*.pdf"}, QDir::Files);
    QCOMPARE(pdf.size(), 1);
    QCOMPARE(env->messages.size(), 1);
    QVERIFY(env->messages[0].texte.contains("PDF"));

    QProcess p;
    p.start("pdftotext", {"-bbox", b.chemin("Impressions/" + pdf[0]), "-"});
    QVERIFY(p.waitForFinished(30000));
    static const QRegularExpression mot(R"re(<word xMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    QStringList mots;
    QMap<QString, double> gauche; // the first place of each word
    for (auto it = mot.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        mots << m.captured(2);
        if (!gauche.contains(m.captured(2))) gauche[m.captured(2)] = m.captured(1).toDouble();
    }
    const QString texte = mots.join(' ');
    QVERIFY2(texte.contains("Lunvel Drune 1 Place Vordan 99999 Vermac DURAND PAUL 3 RUE HAUTE 75001 PARIS "
                            "Vermac le 05 janvier 2027 Avant LE GRAND VOYAGE après Lunvel Drune"),
             qPrintable(texte));
    // The sender block right of the address block, itself right of the body.
    QVERIFY(gauche["Lunvel"] > gauche["DURAND"]);
    QVERIFY(gauche["DURAND"] > gauche["Avant"]);
}

// The whole road of one loan, through the windows: a new club, a film, a member, a lend, and the
// reminder once the loan is 20 days past its due date.
void TestRappel::routeDUnPret() {
    Banc b;
    // A first start: the application folder is made, with the default templates.
    QDir(b.dossier()).removeRecursively();
    PreparerDossierApplication();
    b.demarrer();
    auto* creation = b.fenetre<FrmNouvCompte>();
    QVERIFY(creation);
    taper(creation->caseNom, "club", true);
    auto* para = b.fenetre<FrmParamettre>();
    QVERIFY(para);
    QVERIFY(choisirMenu(para, "Enregis"));
    FrmDepart* d = b.connecter("CLUB.MDB");
    QVERIFY(d);

    QVERIFY(choisirMenu(d, "Saisi"));
    auto* saisie = b.fenetre<FrmSaisir>();
    QVERIFY(saisie);
    taper(saisie->caseTitre, "le grand voyage", true);
    for (auto [liste, choix] :
         {std::pair{saisie->listeCategories, "POLICIER"}, std::pair{saisie->listeEtats, "BON"},
          std::pair{saisie->listeSpecialites, "POUR TOUS"}})
        liste->setCurrentIndex(liste->findText(choix));
    taper(saisie->caseExemplaires, "1");
    QVERIFY(choisirMenu(saisie, "Enresitre"));
    QVERIFY(choisirMenu(saisie, "Retour"));

    QVERIFY(choisirMenu(d, "NouvAbon"));
    auto* nouvel = b.fenetre<FrmNouvAbon>();
    QVERIFY(nouvel);
    taper(nouvel->fiche->caseNom, "Dupont", true);
    taper(nouvel->fiche->casePrenom, "Marie", true);
    taper(nouvel->fiche->caseAdresse1, "12 rue des Lilas", true);
    taper(nouvel->fiche->caseAdresse2, "", true);
    taper(nouvel->fiche->caseCodePostal, "69001", true);
    taper(nouvel->fiche->caseVille, "Lyon");
    QVERIFY(choisirMenu(nouvel, "Enregist"));
    QVERIFY(choisirMenu(nouvel, "Retour"));

    QVERIFY(choisirMenu(d, "Entre"));
    auto* pret = b.fenetre<FrmEntreeSortie>();
    QVERIFY(pret);
    pret->grilleAbonnes->cliquer(1, 1);
    Banc::traiterEvenements();
    cliquer(pret->boutonPreter[0]); // "Retrait" of slot 1
    QVERIFY(pret->grilleFilms->isVisibleTo(pret));
    QCOMPARE(pret->grilleFilms->textAt(1, 2), QString("LE GRAND VOYAGE"));
    pret->grilleFilms->cliquer(1, 2);
    Banc::traiterEvenements();
    QVERIFY(choisirMenu(pret, "Retour")); // the card, back to the members
    QVERIFY(choisirMenu(pret, "Menu"));
    QVERIFY(b.env().messages.isEmpty());
    QCOMPARE(travaux(b).size(), 0);

    const QDate echeance = b.env().date.addDays(15);
    b.env().date = echeance.addDays(20);
    FrmLettreRappel* f = passe(b);
    QVERIFY(f);
    QCOMPARE(travaux(b).size(), 1);
    QList<Ligne> attendu;
    const std::optional<QStringList> modele = LireLignes(b.chemin("Recommande.let"));
    QVERIFY(modele);
    for (const QString& l : *modele)
        attendu << Ligne(QString(l).replace("<<LIVRE>>", "LE GRAND VOYAGE"), 9);
    const QList<Ligne> lettre = lignesDe(travaux(b)[0]);
    QCOMPARE(lettre.mid(9, 3),
             QList<Ligne>({{"DUPONT  MARIE", 39}, {"12 RUE DES LILAS", 39}, {"69001  LYON", 39}}));
    QCOMPARE(lettre.mid(17, 1), QList<Ligne>({{"Vermac le " + DateEnLettres(b.env().date), 39}}));
    QCOMPARE(lettre.mid(23, attendu.size()), attendu);
    QVERIFY(attendu.size() > 2 && attendu[2].first.contains("LE GRAND VOYAGE"));
    auto abonnes = ctx().base().ouvrirTable("Abonne");
    QCOMPARE(abonnes->Texte("DateRest1"), echeance.toString("dd/MM/yyyy"));
    QCOMPARE(abonnes->Value("Averti1"), QVariant(2));
    abonnes.reset();
    QCOMPARE(lignes(f->grilleRetardataires), QStringList({"001U2026"}));
    QVERIFY(b.env().messages.isEmpty());

    QVERIFY(passe(b));
    QCOMPARE(travaux(b).size(), 1);
    QCOMPARE(messages(b), QStringList({"PAS DE LETTRE DE RAPPEL"}));
}

QTEST_MAIN(TestRappel)
#include "tst_rappel.moc"
