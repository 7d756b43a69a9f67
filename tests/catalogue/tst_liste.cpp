// The film list ("Film" > "Modifier un Film") and the film card it opens: the order of the titles,
// the count, the clicks that open a film or none, and what the card's save, picture choice and
// picture erasure leave in CD and in "Images".
#include "Banc.h"
#include "DisquePlein.h"
#include "Films.h"

#include "catalogue/FicheFilm.h"
#include "catalogue/FrmListe.h"
#include "catalogue/ImageFilm.h"
#include "common/Contexte.h"
#include "common/Images.h"
#include "platform/Database.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QtTest>

#include <array>

using namespace vidora;
using namespace vidora_test;

namespace {

FrmListe* ouvrir(Banc& b, const std::function<void()>& films = {}) {
    FrmDepart* d = b.fenetre<FrmDepart>();
    if (!d) {
        b.creerBase();
        d = b.connecter();
    }
    if (films) films();
    return d && choisirMenu(d, "Liste") ? b.fenetre<FrmListe>() : nullptr;
}

bool surLaFiche(FrmListe* f) {
    return f->mode == ModeFilm::Fiche && f->fiche->isVisibleTo(f) && !f->grilleFilms->isVisibleTo(f) &&
           entreeDisponible(f, "Enregitre") && entreeDisponible(f, "Autre") &&
           entreeDisponible(f, "SaiAffiche");
}

bool surLaListe(FrmListe* f) {
    return f->mode == ModeFilm::Liste && !f->fiche->isVisibleTo(f) && f->grilleFilms->isVisibleTo(f) &&
           !entreeDisponible(f, "Enregitre") && !entreeDisponible(f, "Autre") &&
           !entreeDisponible(f, "SaiAffiche") && !entreeDisponible(f, "Effaimage") &&
           entreeDisponible(f, "Retour");
}

// The operator clicks the title cell of the film with this identifier.
bool ouvrirFilm(FrmListe* f, const QString& ref) {
    return cliquerFilm(f->grilleFilms, ref) && surLaFiche(f);
}

QColor couleur(FicheFilm* c) {
    return c->imageFilm->image().pixelColor(1, 1);
}

void retaper(QLineEdit* box, const QString& texte) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    taper(box, texte);
}

// Films whose titles are given (std::nullopt: no title), keyed by their place in table order.
QList<qint64> trier(const QList<std::optional<QString>>& titres, void (*tri)(QVector<LigneFilm>&)) {
    QVector<LigneFilm> l;
    for (const auto& t : titres)
        l.push_back({l.size(), t.value_or(QString()), !t, {}, {}, {}, {}});
    tri(l);
    QList<qint64> cles;
    for (const LigneFilm& f : l)
        cles << f.cle;
    return cles;
}

} // namespace

class TestListe : public QObject {
    Q_OBJECT
  private slots:
    void ordreDesTitres() {
        Banc b;
        FrmListe* f = ouvrir(b, [] {
            ajouterFilm("R1", "ZORRO");
            ajouterFilm("R2", "ALIEN", {{"Traver", QVariant()}});
            ajouterFilm("R3", "ALIENS", {{"Sortie", "0"}});
            ajouterFilm("R4", "2001", {{"Traver", "C"}, {"Rang", "4"}, {"Numero", "10"}});
            ajouterFilm("R5", "ÉTÉ");
        });
        QVERIFY(f && surLaListe(f));
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 5"));
        MSFlexGrid* g = f->grilleFilms;
        QCOMPARE(g->ColWidth(0), 0);
        QCOMPARE(QStringList(
                     {g->textAt(0, 1), g->textAt(0, 2), g->textAt(0, 3), g->textAt(0, 4), g->textAt(0, 5)}),
                 QStringList({"REF.", "TITRE DU FILM", "CATEGORIE", "CLASSEMENT", "Nombre"}));
        // Digits before letters, accented capitals after Z; one empty row after the last film.
        QCOMPARE(colonneGrille(g, 2), QStringList({"2001", "ALIEN", "ALIENS", "ZORRO", "ÉTÉ", ""}));
        QCOMPARE(colonneGrille(g, 1), QStringList({"R4", "R2", "R3", "R1", "R5", ""}));
        QCOMPARE(colonneGrille(g, 4),
                 QStringList({"C - 4 - 10", "", "A - 1 - 1", "A - 1 - 1", "A - 1 - 1", ""}));
        QCOMPARE(colonneGrille(g, 5), QStringList({"2", "2", "0", "2", "2", ""}));
        QVERIFY(choisirMenu(f, "Retour"));
        QVERIFY(!b.fenetre<FrmListe>());
        QVERIFY(entreeDisponible(b.fenetre<FrmDepart>(), "Liste"));
    }

    void titresEgaux() {
        Banc b;
        FrmListe* f = ouvrir(b, [] {
            ajouterFilm("B1", "B");
            ajouterFilm("B2", "B", {{"Date", "02/02/2002"}});
            ajouterFilm("A", "A");
        });
        QCOMPARE(colonneGrille(f->grilleFilms, 1), QStringList({"A", "B2", "B1", ""}));
        // Each row opens the very film it shows, and a title kept as it was may be saved.
        QVERIFY(ouvrirFilm(f, "B2"));
        QCOMPARE(f->fiche->caseDate->text(), QString("02/02/2002"));
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(b.messages(), QString());
        QVERIFY(surLaListe(f));
    }

    void triIdentiqueALEchange() {
        // Random lists, with and without equal or missing titles: the order of the exchange sort.
        QRandomGenerator alea(20261208);
        for (int essai = 0; essai < 1500; ++essai) {
            const int n = int(alea.bounded(0, essai < 1450 ? 40 : 700));
            const int alphabet = std::array{1, 3, 8, 40, 100000}[essai % 5];
            const int manquants = std::array{0, 0, 10, 3}[essai % 4]; // one title in so many has no value
            QList<std::optional<QString>> titres;
            for (int i = 0; i < n; ++i) {
                if (manquants && alea.bounded(manquants) == 0)
                    titres << std::nullopt;
                else
                    titres << QString::number(alea.bounded(alphabet));
            }
            QCOMPARE(trier(titres, TrierParTitre), trier(titres, TrierParEchange));
        }
    }

    void comptesEtClicsSansFilm() {
        Banc b;
        FrmListe* f = ouvrir(b);
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 0"));
        QCOMPARE(f->grilleFilms->Rows(), 2);
        f->grilleFilms->cliquer(1, 2);
        f->grilleFilms->cliquer(0, 2);
        QVERIFY(surLaListe(f));
        QVERIFY(choisirMenu(f, "Retour"));
        f = ouvrir(b, [] { ajouterFilm("UN", "SEUL"); });
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 1"));
        QCOMPARE(f->grilleFilms->Rows(), 3);
        f->grilleFilms->cliquer(0, 2); // the heading
        f->grilleFilms->cliquer(2, 2); // the empty row after the film
        QVERIFY(surLaListe(f));
        QVERIFY(b.env().messages.isEmpty());
        QVERIFY(choisirMenu(f, "Retour"));
        f = ouvrir(b, [] {
            for (int i = 2; i <= 10; ++i)
                ajouterFilm(QString("R%1").arg(i), QString("FILM %1").arg(i));
        });
        QCOMPARE(f->bandeauCompte->text(), QString("Nombre de film 10"));
    }

    void ficheModifieeEtReclassee() {
        Banc b;
        qint64 zorro = -1;
        FrmListe* f = ouvrir(b, [&] {
            ajouterFilm("R0", "ALIEN");
            ajouterFilm("R1", "BATMAN");
            zorro = ajouterFilm("R2", "ZORRO", {{"Traver", "D"}, {"Categorie", "HORS LISTE"}});
        });
        QVERIFY(ouvrirFilm(f, "R2"));
        FicheFilm* c = f->fiche;
        QVERIFY(!entreeDisponible(f, "Effaimage")); // no picture of its own
        QVERIFY(!c->caseReference->isEnabled());
        QCOMPARE(QStringList({c->caseReference->text(), c->caseTitre->text(), c->caseTravee->text(),
                              c->listeCategories->currentText()}),
                 QStringList({"R2", "ZORRO", "D", "HORS LISTE"}));
        QCOMPARE(c->listeCategories->count(), 9);

        // Refused: another film's title, no title, copies that are not a whole number.
        const auto refus = [&](const QString& attendu) {
            QVERIFY(choisirMenu(f, "Enregitre"));
            QCOMPARE(b.messages(), attendu);
            QVERIFY(surLaFiche(f));
            QCOMPARE(champFilm(zorro, "Nom"), QString("ZORRO"));
        };
        retaper(c->caseTitre, "alien");
        refus("Ce titre existe déjà");
        retaper(c->caseTitre, "  ");
        refus("UN TITRE EST OBLIGATOIRE");
        retaper(c->caseTitre, " azur ");
        for (const char* copies : {"", "beaucoup", "-3", "123456"}) {
            c->caseExemplaires->setText(QString::fromLatin1(copies));
            refus("LE NOMBRE D'EXEMPLAIRE DOIT ETRE UN NOMBRE ENTIER DE 0 A 99999");
        }
        retaper(c->caseExemplaires, "5");
        c->listeCategories->setEditText("comédie maison");
        taper(c->caseTravee, "Z"); // the place is never saved
        QVERIFY(choisirMenu(f, "Enregitre"));
        QVERIFY(surLaListe(f));
        QCOMPARE(
            QStringList({champFilm(zorro, "Nom"), champFilm(zorro, "Categorie"), champFilm(zorro, "Sortie"),
                         champFilm(zorro, "Traver"), champFilm(zorro, "MatriculeCD")}),
            QStringList({"AZUR", "comédie maison", "5", "D", "R2"}));
        QCOMPARE(colonneGrille(f->grilleFilms, 2), QStringList({"ALIEN", "AZUR", "BATMAN", ""}));

        // "Autre Film" leaves without saving.
        QVERIFY(ouvrirFilm(f, "R2"));
        taper(c->caseDate, "X");
        QVERIFY(choisirMenu(f, "Autre") && surLaListe(f));
        QCOMPARE(champFilm(zorro, "Date"), QString("01/02/2003"));
    }

    void champNulApresUnAutreFilm() {
        Banc b;
        qint64 brut = -1;
        FrmListe* f = ouvrir(b, [&] {
            ajouterFilm("R1", "AVEC TOUT", {{"Date", "09/09/1999"}, {"Categorie", "WESTERN"}});
            brut = ajouterFilm("R2", "BRUT", {{"Date", QVariant()}, {"Categorie", QVariant()}});
        });
        QVERIFY(ouvrirFilm(f, "R1") && choisirMenu(f, "Autre") && ouvrirFilm(f, "R2"));
        QVERIFY(f->fiche->caseDate->text().isEmpty() && f->fiche->listeCategories->currentText().isEmpty());
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(champFilm(brut, "Date") + champFilm(brut, "Categorie"), QString());
    }

    void images() {
        Banc b;
        qint64 alien = -1, zorro = -1, perdu = -1;
        FrmListe* f = ouvrir(b, [&] {
            alien = ajouterFilm("R1", "ALIEN", {{"Image", true}});
            zorro = ajouterFilm("R2", "ZORRO", {{"Image", true}});
            perdu = ajouterFilm("R3", "PERDU", {{"Image", true}});
        });
        const QString rouge = unePhoto(b.dossier(), "rouge.bmp", Qt::red);
        const QString vert = unePhoto(b.dossier(), "vert.bmp", Qt::green);
        QVERIFY(QFile::copy(rouge, FichierImageFilm("ALIEN")) &&
                QFile::copy(vert, FichierImageFilm("ZORRO")));
        FicheFilm* c = f->fiche;

        // Its own picture, erased after the title box was changed: the film's own file goes.
        QVERIFY(ouvrirFilm(f, "R1"));
        QVERIFY(c->DrapeauImage() == "O" && couleur(c) == QColor(Qt::red) &&
                entreeDisponible(f, "Effaimage"));
        retaper(c->caseTitre, "ZORRO");
        QVERIFY(choisirMenu(f, "Effaimage") && choisirMenu(f, "Effaimage")); // the second finds nothing
        QVERIFY(!QFile::exists(FichierImageFilm("ALIEN")) && QFile::exists(FichierImageFilm("ZORRO")));
        QVERIFY(c->DrapeauImage() == "N" && entreeDisponible(f, "Effaimage"));
        QVERIFY(choisirMenu(f, "Autre"));
        QCOMPARE(champFilm(alien, "Image"), QString("True"));

        // A picture whose file is gone: the default picture, "N", not erasable; a save records it.
        QVERIFY(ouvrirFilm(f, "R3"));
        QVERIFY(c->DrapeauImage() == "N" && !entreeDisponible(f, "Effaimage"));
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(champFilm(perdu, "Image"), QString("False"));

        // A picture chosen, then "Autre Film": nothing written.
        QVERIFY(ouvrirFilm(f, "R1"));
        b.env().fichiersChoisis = {vert};
        QVERIFY(choisirMenu(f, "SaiAffiche") && c->DrapeauImage() == "O");
        QVERIFY(choisirMenu(f, "Autre"));
        QVERIFY(!QFile::exists(FichierImageFilm("ALIEN")));

        // No file chosen, or a file that is no picture: the card keeps its picture.
        QVERIFY(ouvrirFilm(f, "R2"));
        QFile wmf(b.chemin("logo.wmf"));
        QVERIFY(wmf.open(QIODevice::WriteOnly) && wmf.write("\x01\x00\x09\x00 rien", 9) == 9);
        wmf.close();
        b.env().fichiersChoisis = {"", wmf.fileName()};
        QVERIFY(choisirMenu(f, "SaiAffiche") && choisirMenu(f, "SaiAffiche"));
        QVERIFY(b.messages().startsWith("CE FICHIER N'EST PAS UNE IMAGE LISIBLE"));
        QVERIFY(c->DrapeauImage() == "O" && couleur(c) == QColor(Qt::green));

        // A new title with "/" and "..": the picture goes under it, inside "Images"; the old file stays.
        b.env().fichiersChoisis = {rouge};
        QVERIFY(choisirMenu(f, "SaiAffiche"));
        retaper(c->caseTitre, "../AC/DC");
        QVERIFY(choisirMenu(f, "Enregitre"));
        QCOMPARE(champFilm(zorro, "Nom") + champFilm(zorro, "Image"), QString("../AC/DCTrue"));
        QCOMPARE(QFileInfo(FichierImageFilm("../AC/DC")).absolutePath(),
                 QDir(b.chemin("Images")).absolutePath());
        QVERIFY(QFile::exists(FichierImageFilm("ZORRO")));
        QCOMPARE(QDir(b.chemin("Images")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(ouvrirFilm(f, "R2"));
        QVERIFY(c->DrapeauImage() == "O" && couleur(c) == QColor(Qt::red));

        // The picture cannot be written ("Images" is a plain file): the row stays as it was.
        QVERIFY(QDir(b.chemin("Images")).removeRecursively());
        QFile bouchon(b.chemin("Images"));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();
        retaper(c->caseTitre, "ZORRO 2");
        QVERIFY(choisirMenu(f, "Enregitre"));
        QVERIFY(b.messages().startsWith("L'IMAGE DU FILM N'A PAS PU ETRE ENREGISTREE"));
        QVERIFY(surLaFiche(f));
        QCOMPARE(champFilm(zorro, "Nom"), QString("../AC/DC"));
    }

    void imageSurDisquePlein_data() {
        QTest::addColumn<int>("facon");
        QTest::newRow("petit disque") << int(DisquePlein::Facon::PetitDisque);
        QTest::newRow("taille des fichiers limitee") << int(DisquePlein::Facon::LimiteDeTaille);
    }

    // A new picture for a film that has one, on a full disk: the old picture stays whole, the
    // operator is told, and the film keeps its picture. The new one is small: a buffered write
    // whose failure goes unreported is the fault to catch.
    void imageSurDisquePlein() {
        QFETCH(int, facon);
        Banc b;
        DisquePlein plein(DisquePlein::Facon(facon), b.dossier());
        if (!plein.possible()) QSKIP("only root can mount a small file system");
        FrmListe* f = ouvrir(b, [] { ajouterFilm("R1", "ALIEN", {{"Image", true}}); });
        QImage ancienne(80, 80, QImage::Format_RGB32), nouvelle(60, 60, QImage::Format_RGB32);
        ancienne.fill(Qt::red);
        nouvelle.fill(Qt::green);
        QVERIFY(ancienne.save(FichierImageFilm("ALIEN"), "BMP") &&
                nouvelle.save(b.chemin("grande.bmp"), "BMP"));
        QFile fichier(FichierImageFilm("ALIEN"));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray avant = fichier.readAll();
        fichier.close();
        QVERIFY(ouvrirFilm(f, "R1"));
        b.env().fichiersChoisis = {b.chemin("grande.bmp")};
        QVERIFY(choisirMenu(f, "SaiAffiche"));
        QVERIFY(plein.remplir(4096));
        QVERIFY(choisirMenu(f, "Enregitre"));
        plein.liberer();
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), avant);
        const QString dit = b.messages();
        QVERIFY2(dit.contains("LE DISQUE EST PLEIN") && dit.contains("CONSERVE"), qPrintable(dit));
        QCOMPARE(QDir(b.chemin("Images")).entryList(QDir::Files | QDir::Hidden), QStringList{"ALIEN.BMP"});
        QVERIFY(surLaFiche(f));
    }

    void imagePartagee_data() {
        QTest::addColumn<QByteArray>("autre"); // the other file "AUTRE.MDB" of the folder
        QTest::addColumn<bool>("gardee");
        QTest::newRow("pas d'autre base") << QByteArray() << false;
        QTest::newRow("un film d'une autre base s'en sert") << QByteArray("ALIEN") << true;
        QTest::newRow("une autre base sans ce film") << QByteArray("BRAZIL") << false;
        QTest::newRow("une base illisible") << QByteArray("SQLite format 3 abime") << true;
    }

    // "Effecer l'image" removes the picture only when no film of the folder's databases uses it,
    // and keeps it when one of them cannot be read.
    void imagePartagee() {
        QFETCH(QByteArray, autre);
        QFETCH(bool, gardee);
        Banc b;
        if (autre.contains(' ')) {
            QFile f(b.chemin("AUTRE.MDB"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(autre) == autre.size());
        } else if (!autre.isEmpty()) {
            auto db = Database::ouvrir(b.creerBase("AUTRE.MDB"));
            auto cd = db->ouvrirTable("CD");
            cd->AddNew();
            cd->SetValue("Nom", QString(autre));
            cd->SetValue("Image", true);
            cd->Update();
        }
        FrmListe* f = ouvrir(b, [] { ajouterFilm("R1", "ALIEN", {{"Image", true}}); });
        QVERIFY(QFile::copy(unePhoto(b.dossier(), "p.bmp", Qt::red), FichierImageFilm("ALIEN")));
        QVERIFY(ouvrirFilm(f, "R1") && choisirMenu(f, "Effaimage"));
        QCOMPARE(QFile::exists(FichierImageFilm("ALIEN")), gardee);
        QCOMPARE(f->fiche->DrapeauImage(), QString("N"));
    }
};

QTEST_MAIN(TestListe)
#include "tst_liste.moc"
