#include "ImprimanteEnregistreuse.h"
#include "platform/Imprimante.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vidora;

namespace {

// Arial's average character width at 12 points, in points: one tab column of a letter.
constexpr double colonneArial12 = 904.0 / 2048 * 12;

struct Mot {
    int page = -1;
    double x = 0, y = 0, xFin = 0;
    QString texte;
};

// A printed PDF as pdftotext reads it back: its pages and its words, placed in points.
struct Pdf {
    int pages = 0;
    double largeur = 0;
    QList<Mot> mots; // in reading order

    explicit Pdf(const QString& fichier) {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fichier, QStringLiteral("-")});
        p.waitForFinished(30000);
        static const QRegularExpression element(QStringLiteral(
            R"re(<page width="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>)re"
            R"re(([^<]*)</word>)re"));
        for (auto it = element.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            if (!m.captured(1).isEmpty()) {
                ++pages;
                largeur = m.captured(1).toDouble();
            } else {
                mots.append({pages - 1, m.captured(2).toDouble(), m.captured(3).toDouble(),
                             m.captured(4).toDouble(), m.captured(5)});
            }
        }
    }
    Mot mot(const QString& texte) const {
        for (const Mot& m : mots)
            if (m.texte == texte) return m;
        return {};
    }
};

std::unique_ptr<ImprimanteQt> imprimantePdf(const QString& dossier) {
    return std::make_unique<ImprimanteQt>(dossier, ImprimanteQt::Destination::Pdf);
}

} // namespace

class TestImprimante : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
            QByteArray(QTest::currentTestFunction()).startsWith("pdf"))
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void enregistreuse() {
        auto journal = std::make_shared<JournalImpression>();
        journal->echecDemarrage = true;
        journal->travailEnEchec = 1;
        for (int i = 0; i < 3; ++i) { // each job has its own printer; the journal gathers them
            ImprimanteEnregistreuse imp(journal);
            QCOMPARE(imp.demarrer(QStringLiteral("Job%1").arg(i)), i != 1);
            imp.setPolice(QStringLiteral("Courier"), 9);
            imp.ligneVide();
            imp.setCouleur(Qt::blue);
            imp.imprimerColonnes({{2, QStringLiteral("Alien")}, {89, QStringLiteral("Classement")}});
            imp.nouvellePage();
            imp.imprimerLigne(QStringLiteral("Suite"), 5);
            QCOMPARE(imp.terminer(), i != 1);
        }
        QCOMPARE(journal->travaux.size(), 2);
        const TravailEnregistre& job = journal->travaux[1];
        QCOMPARE(job.nom, QStringLiteral("Job2"));
        QCOMPARE(job.pages.size(), 2);
        QVERIFY(job.pages[0][0].texte.isEmpty() && job.pages[0][0].couleur == Qt::black);
        const LigneEnregistree& l = job.pages[0][1];
        QVERIFY(l.texte == "Alien" && l.colonne == 2 && l.police == "Courier" && l.taille == 9);
        QVERIFY(l.couleur == Qt::blue && l.suite.size() == 1);
        QVERIFY(l.suite[0].texte == "Classement" && l.suite[0].colonne == 89);
        QVERIFY(job.pages[1].size() == 1 && job.pages[1][0].colonne == 5);

        // A failure in the middle of a letter, a printer dropped unfinished, printing unstarted:
        // nothing of them is recorded as printed.
        journal = std::make_shared<JournalImpression>();
        journal->echecApresLignes = 1;
        ImprimanteEnregistreuse enPanne(journal);
        QVERIFY(enPanne.demarrer(QStringLiteral("Rappel")));
        enPanne.imprimerLigne(QStringLiteral("Club"), 64);
        QVERIFY(!enPanne.enErreur());
        enPanne.imprimerLigne(QStringLiteral("Adresse"), 64);
        QVERIFY(enPanne.enErreur() && !enPanne.terminer());
        ImprimanteEnregistreuse(journal).demarrer(QStringLiteral("Rappel"));
        ImprimanteEnregistreuse sansTravail(journal);
        sansTravail.imprimerLigne(QStringLiteral("Madame"));
        QVERIFY(sansTravail.enErreur() && !sansTravail.terminer());
        QVERIFY(journal->travaux.isEmpty());
        QCOMPARE(journal->abandons, 2);
    }

    void pdfColonnesEtPages() {
        QTemporaryDir dossier;
        auto imp = imprimantePdf(dossier.path());
        QVERIFY(imp->demarrer(QStringLiteral("Rappel")));
        imp->imprimerLigne(QStringLiteral("Madame"));
        imp->imprimerLigne(QStringLiteral("Dupont"), 40);
        // Segments of one line; a column the line has already passed goes to the next line.
        imp->imprimerColonnes(
            {{0, QStringLiteral("Gauche")}, {40, QStringLiteral("Droite")}, {5, QStringLiteral("Second")}});
        imp->nouvellePage();
        imp->imprimerLigne(QStringLiteral("Suite"), 10);
        QVERIFY(imp->terminer());

        const Pdf pdf(imp->fichierPdf());
        QCOMPARE(pdf.pages, 2);
        const Mot madame = pdf.mot(QStringLiteral("Madame")), dupont = pdf.mot(QStringLiteral("Dupont"));
        const Mot gauche = pdf.mot(QStringLiteral("Gauche")), droite = pdf.mot(QStringLiteral("Droite"));
        const Mot second = pdf.mot(QStringLiteral("Second")), suite = pdf.mot(QStringLiteral("Suite"));
        for (const Mot& m : {madame, dupont, gauche, droite, second})
            QCOMPARE(m.page, 0);
        QCOMPARE(suite.page, 1);
        QVERIFY2(madame.x > 20 && madame.x < 60, "a sensible left margin");
        QVERIFY(qAbs(dupont.x - madame.x - 40 * colonneArial12) < 1.5);
        QVERIFY(dupont.y > madame.y);
        QVERIFY(droite.y == gauche.y && qAbs(droite.x - dupont.x) < 0.5);
        QVERIFY(second.y > droite.y);
        QVERIFY(qAbs(second.x - madame.x - 5 * colonneArial12) < 1.5);
        QVERIFY(qAbs(suite.x - madame.x - 10 * colonneArial12) < 1.5);
        QVERIFY(suite.y < madame.y + 1); // from the top of the new page
    }

    void pdfRienNestPerdu() {
        QTemporaryDir dossier;
        auto imp = imprimantePdf(dossier.path());
        QVERIFY(imp->demarrer(QStringLiteral("Long")));
        for (int i = 1; i <= 80; ++i) // a full page goes on to the next
            imp->imprimerLigne(QStringLiteral("L%1").arg(i));
        QStringList mots;
        for (int i = 1; i <= 60; ++i)
            mots.append(QStringLiteral("mot%1").arg(i, 2, 10, QLatin1Char('0')));
        imp->imprimerLigne(mots.join(QLatin1Char(' ')), 40);
        imp->setPolice(QStringLiteral("Courier"), 9); // a label sheet: wider than A4
        imp->imprimerColonnes({{2, QStringLiteral("Alien")}, {89, QStringLiteral("Classement")}});
        imp->imprimerLigne(QString(190, QLatin1Char('-')), 2);
        // A line cut at the margin is laid out once and drawn again; another text, column or font
        // is laid out anew.
        for (const auto& [texte, colonne] : {std::pair{"AAAA", 0}, {"AAAA", 0}, {"BBBB", 0}, {"BBBB", 30}})
            imp->imprimerLigneCoupee(QString::fromLatin1(texte), colonne);
        imp->setPolice(QStringLiteral("Arial"), 12);
        imp->imprimerLigneCoupee(QStringLiteral("BBBB"), 30);
        QVERIFY(imp->terminer());

        const Pdf pdf(imp->fichierPdf());
        QCOMPARE(pdf.pages, 2);
        const double colonne40 = pdf.mot(QStringLiteral("L1")).x + 40 * colonneArial12;
        QStringList lignes, lus;
        int rangees = 0, tirets = 0;
        for (const Mot& m : pdf.mots) {
            QVERIFY2(m.xFin < pdf.largeur - 20, qPrintable(m.texte));
            if (m.texte.startsWith(QLatin1Char('L'))) lignes.append(m.texte);
            if (m.texte.startsWith(QLatin1String("mot"))) { // wrapped rows start at the column
                lus.append(m.texte);
                QVERIFY(m.x > colonne40 - 1.5);
                rangees += qAbs(m.x - colonne40) < 1.5;
            }
            if (m.texte.count(QLatin1Char('-')) == m.texte.size()) tirets += m.texte.size();
        }
        QCOMPARE(lignes.size(), 80);
        for (int i = 0; i < 80; ++i)
            QCOMPARE(lignes[i], QStringLiteral("L%1").arg(i + 1));
        QCOMPARE(pdf.mot(QStringLiteral("L80")).page, 1);
        QCOMPARE(lus, mots);
        QVERIFY(rangees >= 3);
        QCOMPARE(pdf.mot(QStringLiteral("Classement")).page, 1);
        QCOMPARE(tirets, 190);
        QList<Mot> coupes;
        for (const Mot& m : pdf.mots)
            if (m.texte == QLatin1String("AAAA") || m.texte == QLatin1String("BBBB")) coupes.append(m);
        QCOMPARE(coupes.size(), 5);
        QVERIFY(coupes[0].texte == "AAAA" && coupes[1].texte == "AAAA" && coupes[2].texte == "BBBB");
        QVERIFY(coupes[1].y > coupes[0].y && coupes[1].x == coupes[0].x && coupes[3].x > coupes[2].x + 100);
        QVERIFY(coupes[4].xFin - coupes[4].x > 1.3 * (coupes[3].xFin - coupes[3].x));
    }

    void pdfFichiersEtAvis() {
        QTemporaryDir racine;
        const QString dossier = racine.filePath(QStringLiteral("Appli/Impressions"));
        SessionImpression session;
        QStringList fichiers;
        for (int i = 0; i < 2; ++i) {
            auto imp = imprimantePdf(dossier);
            QVERIFY(imp->demarrer(QStringLiteral("Rappel M/Dupont: 2?")));
            imp->imprimerLigne(QStringLiteral("Lettre%1").arg(i));
            QVERIFY(imp->terminer());
            session.noter(*imp);
            fichiers.append(imp->fichierPdf());
            QVERIFY2(QFileInfo(fichiers[i]).fileName().startsWith(QLatin1String("Rappel M_Dupont_ 2_-")),
                     qPrintable(fichiers[i]));
            QCOMPARE(Pdf(fichiers[i]).mots.first().texte, QStringLiteral("Lettre%1").arg(i));
        }
        QVERIFY(fichiers[0] != fichiers[1]);
        const QString nomDossier = QDir::toNativeSeparators(QDir(dossier).absolutePath());
        QCOMPARE(session.avisFichiers(),
                 QStringLiteral("Aucune imprimante n'est installée : les documents ont "
                                "été enregistrés en PDF dans le dossier\n") +
                     nomDossier);

        // Jobs that reached a printer call for no notice; a recorder can stand for PDF files.
        auto journal = std::make_shared<JournalImpression>();
        ImprimanteEnregistreuse surImprimante(journal), enPdf(journal);
        QVERIFY(surImprimante.demarrer(QStringLiteral("Rappel")) && surImprimante.terminer());
        journal->dossierPdf = dossier;
        QVERIFY(enPdf.demarrer(QStringLiteral("Rappel")) && enPdf.terminer());
        SessionImpression sansPdf, simulee;
        sansPdf.noter(surImprimante);
        simulee.noter(enPdf);
        QVERIFY(sansPdf.avisFichiers().isEmpty());
        QVERIFY(simulee.avisFichiers().endsWith(nomDossier));

        // A folder that cannot be made: the job does not start and says so.
        QFile occupe(racine.filePath(QStringLiteral("occupe")));
        QVERIFY(occupe.open(QIODevice::WriteOnly));
        auto imp = imprimantePdf(occupe.fileName() + QStringLiteral("/Impressions"));
        QVERIFY(!imp->demarrer(QStringLiteral("Rappel")) && imp->enErreur());
        QVERIFY(!imp->terminer() && imp->fichierPdf().isEmpty());
    }
};

QTEST_MAIN(TestImprimante)
#include "tst_imprimante.moc"
