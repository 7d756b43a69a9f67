// "Categorie/Specialité": adding, renaming and erasing categories and specialities, as they land in
// Genre and Special; a refused or failed change leaves every row as it was.
#include "Banc.h"

#include "catalogue/FrmUtilitaire.h"
#include "common/Contexte.h"
#include "shell/FrmDepart.h"

#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

const QString kGenres =
    "ACTION|AVENTURE|COMEDIE|DESSIN ANIMÉ|FANTASTIQUE|GUERRE|POLICIER|SCIENCE FICTION|WESTERN";
const QString kSpeciaux = "POUR TOUS|INTERDIT MOINS DE 10 ANS|INTERDIT MOINS 12 ANS|INTERDIT MOINS 16 ANS|"
                          "INTERDIT MOINS 18 ANS";

QString table(const QString& nom) {
    QStringList l;
    const QString champ = nom == "Genre" ? "NomGenre" : "Titre";
    for (auto t = ctx().base().ouvrirTable(nom); !t->Fin(); t->MoveNext())
        l << t->Texte(champ);
    return l.join('|');
}

// A row added at the end of the table, out of order; none for an empty text.
void ajouterLigne(const QString& nom, const QString& texte) {
    if (texte.isEmpty()) return;
    auto t = ctx().base().ouvrirTable(nom);
    t->AddNew();
    t->SetValue(nom == "Genre" ? "NomGenre" : "Titre", texte);
    t->Update();
}

FrmUtilitaire* ouvrir(Banc& b) {
    b.creerBase();
    FrmDepart* d = b.connecter();
    return choisirMenu(d, "Util") ? b.fenetre<FrmUtilitaire>() : nullptr;
}

bool cliquerEntree(QListWidget* l, const QString& texte) {
    const auto items = l->findItems(texte, Qt::MatchExactly);
    if (items.isEmpty() || !l->isVisible() || !l->isEnabled()) return false;
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.first()).center());
    Banc::traiterEvenements();
    return true;
}

void retaper(QLineEdit* box, const QString& texte) {
    box->clear();
    taper(box, texte, true);
}

} // namespace

class TestUtilitaire : public QObject {
    Q_OBJECT
  private slots:
    void ajouter_data() {
        QTest::addColumn<bool>("categorie");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("attendu"); // the table, or the start of the refusal
        QTest::addColumn<QString>("enPlus");  // a row already at the end of the table
        QTest::newRow("HORREUR à sa place")
            << true << "horreur"
            << "ACTION|AVENTURE|COMEDIE|DESSIN ANIMÉ|FANTASTIQUE|GUERRE|HORREUR|"
               "POLICIER|SCIENCE FICTION|WESTERN"
            << QString();
        QTest::newRow("un double reste") << true << " WESTERN " << kGenres + "|WESTERN" << QString();
        QTest::newRow("É après Z") << true << "ÉPOPÉE" << kGenres + "|ÉPOPÉE" << QString();
        QTest::newRow("les spécialités triées")
            << false << "TOUS PUBLICS"
            << "INTERDIT MOINS 12 ANS|INTERDIT MOINS 16 ANS|INTERDIT MOINS 18 "
               "ANS|INTERDIT MOINS DE 10 ANS|POUR TOUS|TOUS PUBLICS"
            << QString();
        QTest::newRow("blanc ignoré") << true << "   " << kGenres << QString();
        QTest::newRow("31 caractères") << true << QString(31, 'X') << "LE NOM EST TROP LONG" << QString();
        // Windows-1252 puts Œ (0x8C) before É (0xC9).
        QTest::newRow("Œ avant É") << true << "ŒUVRE" << kGenres + "|ŒUVRE|ÉPOPÉE"
                                   << "ÉPOPÉE";
        QTest::newRow("ligne blanche retirée")
            << true << "HORREUR" << QString(kGenres).replace("GUERRE", "GUERRE|HORREUR") << "   ";
    }

    void ajouter() {
        QFETCH(bool, categorie);
        QFETCH(QString, saisie);
        QFETCH(QString, attendu);
        QFETCH(QString, enPlus);
        Banc b;
        FrmUtilitaire* f = ouvrir(b);
        QVERIFY(f);
        const QString nom = categorie ? "Genre" : "Special";
        ajouterLigne(nom, enPlus);
        const QString avant = table(nom);
        QVERIFY(choisirMenu(f, categorie ? "Categor" : "Specia"));
        QVERIFY(!entreeDisponible(f, "Retour") && entreeDisponible(f, "Annul"));
        QListWidget* liste = categorie ? f->listeCategories : f->listeSpecialites;
        QVERIFY(liste->isVisible() && !liste->isEnabled());
        QCOMPARE(controlesMalVus(f), QStringList());
        taper(categorie ? f->caseNouvelleCategorie : f->caseNouvelleSpecialite, saisie, true);
        const QString message = b.messages();
        if (attendu.contains('|')) {
            QCOMPARE(message, QString());
            QCOMPARE(table(nom), attendu);
            // A blank name leaves the add mode as it was.
            QCOMPARE(!liste->isVisible() && entreeDisponible(f, "Retour"), attendu != avant);
        } else {
            QVERIFY2(message.startsWith(attendu), qPrintable(message));
            QCOMPARE(table(nom), avant);
        }
        if (!entreeDisponible(f, "Retour")) QVERIFY(choisirMenu(f, "Annul"));
        QVERIFY(choisirMenu(f, "Retour"));
        QVERIFY(b.fenetre<FrmDepart>()->isEnabled());
    }

    void modifier_data() {
        QTest::addColumn<bool>("categorie");
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("lettre");
        QTest::addColumn<QString>("nouveau");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<QString>("enPlus"); // a row already at the end of the table
        QTest::newRow("renommée à sa place") << true << "ACTION"
                                             << "m"
                                             << "thriller"
                                             << "THRILLER" + kGenres.mid(6) << QString();
        QTest::newRow("effacée") << true << "GUERRE"
                                 << "E"
                                 << "" << QString(kGenres).remove("GUERRE|") << QString();
        QTest::newRow("spécialité effacée") << false << "POUR TOUS"
                                            << "E"
                                            << "" << kSpeciaux.mid(10) << QString();
        QTest::newRow("autre lettre") << true << "GUERRE"
                                      << "X"
                                      << ""
                                      << "LETTRE INCONNUE : M POUR MODIFIER, E POUR EFFACER" << QString();
        QTest::newRow("un de deux effacé") << true << "GUERRE"
                                           << "E"
                                           << "" << QString(kGenres).remove("GUERRE|") + "|GUERRE"
                                           << "GUERRE";
        QTest::newRow("le premier de deux renommé") << true << "ACTION"
                                                    << "M"
                                                    << "DRAME"
                                                    << "DRAME" + kGenres.mid(6) + "|ACTION"
                                                    << "ACTION";
        QTest::newRow("nom vide refusé") << true << "ACTION"
                                         << "M"
                                         << "  "
                                         << "LE NOUVEAU NOM EST VIDE" << QString();
        QTest::newRow("nom trop long refusé")
            << false << "POUR TOUS"
            << "M" << QString(31, 'Y') << "LE NOM EST TROP LONG" << QString();
    }

    void modifier() {
        QFETCH(bool, categorie);
        QFETCH(QString, entree);
        QFETCH(QString, lettre);
        QFETCH(QString, nouveau);
        QFETCH(QString, attendu);
        QFETCH(QString, enPlus);
        Banc b;
        FrmUtilitaire* f = ouvrir(b);
        QVERIFY(f);
        ajouterLigne(categorie ? "Genre" : "Special", enPlus);
        {
            auto cd = ctx().base().ouvrirTable("CD");
            cd->AddNew();
            cd->SetValue("Nom", "FILM");
            cd->SetValue("Categorie", "GUERRE");
            cd->Update();
        }
        const QString nom = categorie ? "Genre" : "Special";
        const QString avant = table(nom);
        QVERIFY(choisirMenu(f, categorie ? "SuppCat" : "SuppSpe"));
        QListWidget* liste = categorie ? f->listeCategories : f->listeSpecialites;
        QVERIFY(cliquerEntree(liste, entree));
        QLineEdit* boiteLettre = categorie ? f->caseLettreCategorie : f->caseLettreSpecialite;
        QLineEdit* boiteNom = categorie ? f->caseNouveauNomCategorie : f->caseNouveauNomSpecialite;
        QVERIFY(boiteLettre->isVisible() && boiteLettre->text() == "M");
        taper(boiteLettre, lettre, true); // the letter typed replaces the one shown
        if (lettre.toUpper() == "M") {
            QVERIFY(boiteNom->isVisible() && boiteNom->text() == entree);
            QCOMPARE(controlesMalVus(f), QStringList());
            retaper(boiteNom, nouveau);
        }
        const QString message = b.messages();
        if (attendu.contains('|')) {
            QCOMPARE(message, QString());
            QCOMPARE(table(nom), attendu);
            QVERIFY(entreeDisponible(f, "Retour") && !liste->isVisible());
        } else {
            QVERIFY2(message.startsWith(attendu), qPrintable(message));
            QCOMPARE(table(nom), avant);
        }
        // The films keep the text they were saved with; the letter typed last shows at the next pick.
        auto cd = ctx().base().ouvrirTable("CD");
        QCOMPARE(cd->Texte("Categorie"), QString("GUERRE"));
        if (!entreeDisponible(f, "Retour")) QVERIFY(choisirMenu(f, "Annul"));
        QVERIFY(choisirMenu(f, categorie ? "SuppCat" : "SuppSpe"));
        QVERIFY(cliquerEntree(liste, liste->item(0)->text()));
        QCOMPARE(boiteLettre->text(), lettre.toUpper());
    }

    void panneEnPleineReecriture_data() {
        QTest::addColumn<QString>("mode");
        QTest::newRow("ajout") << "Categor";
        QTest::newRow("renommage") << "SuppCat";
    }

    void panneEnPleineReecriture() {
        QFETCH(QString, mode);
        Banc b;
        FrmUtilitaire* f = ouvrir(b);
        QVERIFY(f);
        b.env().panneA = "utilitaire-ligne";
        QVERIFY(choisirMenu(f, mode));
        if (mode == "Categor") {
            taper(f->caseNouvelleCategorie, "HORREUR", true);
        } else {
            QVERIFY(cliquerEntree(f->listeCategories, "COMEDIE"));
            retaper(f->caseLettreCategorie, "M");
            retaper(f->caseNouveauNomCategorie, "DRAME");
        }
        QVERIFY(b.messages().startsWith("LA LISTE N'A PAS ETE CHANGEE"));
        QCOMPARE(table("Genre"), kGenres);
        b.env().panneA.clear();
        if (mode == "Categor")
            taper(f->caseNouvelleCategorie, "", true);
        else
            taper(f->caseNouveauNomCategorie, "", true);
        QVERIFY(b.messages().isEmpty());
        QVERIFY(table("Genre").contains(mode == "Categor" ? "GUERRE|HORREUR" : "DRAME"));
    }
};

QTEST_MAIN(TestUtilitaire)
#include "tst_utilitaire.moc"
