// The database a new club gets: made through the "CREATION DE BASE" window, then read back on a
// connection of its own and compared with the layout written out here by hand.
#include "Banc.h"

#include "catalogue/FrmSaisir.h"
#include "common/Contexte.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "shell/FrmDepart.h"
#include "shell/FrmNouvCompte.h"
#include "shell/FrmParamettre.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

// "Nom:T40" for a text of 40 characters, "Numero:L" for a long, "Image:B" for a boolean.
const QList<QPair<QString, QStringList>>& schemaAttendu() {
    static const QList<QPair<QString, QStringList>> s = {
        {"Classe", {"Trave:T5", "Rang:T5", "Numero:L", "NumTrave:T5", "NumRang:T5", "NumNumero:L"}},
        {"AbonChe", {"MatriculeAbon:L"}},
        {"CDChe", {"MatriculeCD:L"}},
        {"Special", {"Titre:T30"}},
        {"Genre", {"NomGenre:T30"}},
        {"Etat", {"NomEtat:T30"}},
        {"CD",
         {"MatriculeCD:T15", "Traver:T5", "Rang:T5", "Numero:T5", "Nom:T60", "Categorie:T30", "Etat:T30",
          "Specialiter:T30", "Date:T10", "Sortie:T5", "Image:B"}},
        {"Abonne",
         {"MatriculeAbon:T10", "NomAbon:T40",   "PrenomAbon:T40", "Adresse1Abon:T40", "Adresse2Abon:T40",
          "CodeAbon:T10",      "VilleAbon:T40", "DateAbon:T11",   "DateRest1:T11",    "DateRest2:T11",
          "DateRest3:T11",     "DateEmp1:T11",  "DateEmp2:T11",   "DateEmp3:T11",     "MatriCD1:T15",
          "MatriCD2:T15",      "MatriCD3:T15",  "NomCD1:T60",     "NomCD2:T60",       "NomCD3:T60",
          "Averti1:L",         "Averti2:L",     "Averti3:L"}},
        {"Para",
         {"Nom:T40", "Prenom:T35", "Adresse1:T40", "Adresse2:T40", "Code:T5", "Ville:T40", "Tele:T15",
          "DelaiMini:T5", "DelaiMaxi:T5"}},
        {"Passe", {"Mot:T20"}},
    };
    return s;
}

QString decrire(const DefChamp& c) {
    switch (c.type) {
    case TypeChamp::Long:
        return c.nom + ":L";
    case TypeChamp::Booleen:
        return c.nom + ":B";
    case TypeChamp::Texte:
        break;
    }
    return c.nom + ":T" + QString::number(c.taille);
}

// One stored value with its kind: 'text' in quotes, a long as a bare number, Null as NULL.
QString valeur(const QVariant& v) {
    if (!v.isValid() || v.isNull()) return "NULL";
    if (v.typeId() == QMetaType::QString) return "'" + v.toString() + "'";
    if (v.typeId() == QMetaType::LongLong) return QString::number(v.toLongLong());
    if (v.typeId() == QMetaType::Bool) return v.toBool() ? "VRAI" : "FAUX";
    return "?" + v.toString();
}

// Every row of a table in table order, each as its values joined by "|".
QStringList lignes(Database& db, const QString& table) {
    auto rs = db.ouvrirTable(table);
    QStringList res;
    for (; !rs->Fin(); rs->MoveNext()) {
        QStringList l;
        for (const DefChamp& c : rs->definition().champs)
            l << valeur(rs->Value(c.nom));
        res << l.join('|');
    }
    return res;
}

// The database a new user gets: an empty folder, the name typed, Enter.
QString creerParLaFenetre(Banc& b, const QString& nom) {
    b.demarrer();
    auto* f = b.fenetre<FrmNouvCompte>();
    if (!f) return {};
    taper(f->caseNom, nom, true);
    if (!b.fenetre<FrmParamettre>()) return {};
    return b.chemin(nom.toUpper() + ".MDB");
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT
  private slots:
    void tablesEtChamps();
    void lignesParDefaut();
    void largeursDesCopies_data();
    void largeursDesCopies();
    void baseAuxChampsEtroits();
};

void TestSchema::tablesEtChamps() {
    Banc b;
    const QString chemin = creerParLaFenetre(b, "club");
    QVERIFY(!chemin.isEmpty());
    auto db = Database::ouvrir(chemin);

    QStringList noms;
    for (const auto& t : schemaAttendu())
        noms << t.first;
    QCOMPARE(db->tables(), noms);
    for (const auto& [table, champs] : schemaAttendu()) {
        QStringList lus;
        for (const DefChamp& c : db->definition(table).champs)
            lus << decrire(c);
        QCOMPARE(lus, champs);
    }
}

void TestSchema::lignesParDefaut() {
    Banc b;
    const QString chemin = creerParLaFenetre(b, "club");
    QVERIFY(!chemin.isEmpty());
    auto db = Database::ouvrir(chemin);

    // "VIDORA", each code raised by 120.
    const QString mot =
        QString(QChar(0xCE)) + QChar(0xC1) + QChar(0xBC) + QChar(0xC7) + QChar(0xCA) + QChar(0xB9);
    QCOMPARE(lignes(*db, "Passe"), QStringList{"'" + mot + "'"});
    QCOMPARE(
        lignes(*db, "Para"),
        QStringList{"'Lunvel'|'Drune'|'1 Place Vordan'|'   '|'99999'|'Vermac'|'00 00 00 00 00'|'15'|'25'"});
    QCOMPARE(lignes(*db, "Special"),
             (QStringList{"'POUR TOUS'", "'INTERDIT MOINS DE 10 ANS'", "'INTERDIT MOINS 12 ANS'",
                          "'INTERDIT MOINS 16 ANS'", "'INTERDIT MOINS 18 ANS'"}));
    QCOMPARE(lignes(*db, "Genre"),
             (QStringList{"'ACTION'", "'AVENTURE'", "'COMEDIE'", QString("'DESSIN ANIM\u00C9'"),
                          "'FANTASTIQUE'", "'GUERRE'", "'POLICIER'", "'SCIENCE FICTION'", "'WESTERN'"}));
    QCOMPARE(lignes(*db, "Classe"), QStringList{"'A'|'1'|1|NULL|'8'|10"});
    QCOMPARE(lignes(*db, "Etat"), (QStringList{"'TRES BON'", "'BON'", "'MOYEN'", "'A REMPLACER'"}));
    QCOMPARE(lignes(*db, "AbonChe"), QStringList{"1"});
    QCOMPARE(lignes(*db, "CDChe"), QStringList{"1"});
    QCOMPARE(lignes(*db, "CD"), QStringList{});
    QCOMPARE(lignes(*db, "Abonne"), QStringList{});
}

void TestSchema::largeursDesCopies_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("champ");
    QTest::addColumn<int>("largeur");
    // The copies the program makes: a title into a loan slot, a reference text into a film, the
    // identifier of the thousandth film and beyond.
    QTest::newRow("titre d'une case") << "Abonne"
                                      << "NomCD1" << 60;
    QTest::newRow("titre de la case 3") << "Abonne"
                                        << "NomCD3" << 60;
    QTest::newRow("categorie") << "CD"
                               << "Categorie" << 30;
    QTest::newRow("etat") << "CD"
                          << "Etat" << 30;
    QTest::newRow("matricule du film") << "CD"
                                       << "MatriculeCD" << 15;
    QTest::newRow("titre") << "CD"
                           << "Nom" << 60;
    QTest::newRow("sortie") << "CD"
                            << "Sortie" << 5;
    QTest::newRow("nom de l'abonne") << "Abonne"
                                     << "NomAbon" << 40;
    QTest::newRow("mot de passe") << "Passe"
                                  << "Mot" << 20;
}

void TestSchema::largeursDesCopies() {
    QFETCH(QString, table);
    QFETCH(QString, champ);
    QFETCH(int, largeur);
    Banc b;
    const QString chemin = creerParLaFenetre(b, "club");
    QVERIFY(!chemin.isEmpty());
    auto db = Database::ouvrir(chemin);
    const QStringList avant = lignes(*db, table);

    auto rs = db->ouvrirTable(table);
    rs->AddNew();
    rs->SetValue(champ, QString(largeur + 1, QChar(0xC9)));
    QVERIFY_THROWS_EXCEPTION(ErreurBase, rs->Update());
    rs.reset();
    QCOMPARE(lignes(*db, table), avant);

    rs = db->ouvrirTable(table);
    rs->AddNew();
    rs->SetValue(champ, QString(largeur, QChar(0xC9)));
    rs->Update();
    rs->MoveLast();
    QCOMPARE(rs->Texte(champ), QString(largeur, QChar(0xC9)));
    QCOMPARE(rs->RecordCount(), avant.size() + 1);
}

// A database whose Text fields are as narrow as the first layout had them (a film identifier of 10
// characters, titles of 30 in the loan slots), with a film in it: chosen at start, it is widened
// whole, its rows kept in their order, and takes the thousandth film.
void TestSchema::baseAuxChampsEtroits() {
    Banc b;
    {
        auto db = Database::creer(b.chemin("CLUB.MDB"));
        for (DefTable t : SchemaBase()) {
            for (DefChamp& c : t.champs) {
                if (c.nom == "MatriculeCD" && t.nom == "CD") c.taille = 10;
                if (c.nom.startsWith("NomCD")) c.taille = 30;
            }
            db->creerTable(t);
        }
        for (const LigneDefaut& l : LignesDefaut()) {
            auto rs = db->ouvrirTable(l.table);
            rs->AddNew();
            for (const auto& [champ, v] : l.valeurs)
                rs->SetValue(champ, v);
            if (l.table == "CDChe") rs->SetValue("MatriculeCD", 1000);
            rs->Update();
        }
        auto cd = db->ouvrirTable("CD");
        for (const char* ref : {"00101A2020", "99931U2025", "SUPPRIME"}) {
            cd->AddNew();
            cd->SetValue("MatriculeCD", QString::fromLatin1(ref));
            cd->SetValue("Nom", QString::fromLatin1(ref));
            cd->Update();
        }
        cd->MoveLast();
        cd->Delete();
        QCOMPARE(db->definition("CD").champs.first().taille, 10);
    }
    FrmDepart* d = b.connecter();
    QVERIFY(d);
    QCOMPARE(b.messages(), QString());
    QVERIFY(choisirMenu(d, "Saisi"));
    auto* f = b.fenetre<FrmSaisir>();
    QVERIFY(f);
    QCOMPARE(f->caseMatricule->text(), QString("100008U2026"));
    taper(f->caseTitre, "MILLE", true);
    f->listeCategories->setCurrentIndex(0);
    f->listeEtats->setCurrentIndex(0);
    f->listeSpecialites->setCurrentIndex(0);
    taper(f->caseExemplaires, "1");
    QVERIFY(choisirMenu(f, "Enresitre"));
    QCOMPARE(b.messages(), QString());

    Database& db = ctx().base();
    QStringList lus;
    for (const DefChamp& c : db.definition("CD").champs)
        lus << decrire(c);
    QCOMPARE(lus.first(), QString("MatriculeCD:T15"));
    QCOMPARE(decrire(db.definition("Abonne").champs.at(17)), QString("NomCD1:T60"));
    QStringList refs;
    for (auto rs = db.ouvrirTable("CD"); !rs->Fin(); rs->MoveNext())
        refs << QString::number(rs->Cle()) + ":" + rs->Texte("MatriculeCD");
    // The deleted film's key is not given again.
    QCOMPARE(refs, QStringList({"1:00101A2020", "2:99931U2025", "4:100008U2026"}));
}

QTEST_MAIN(TestSchema)
#include "tst_schema.moc"
