// What the operator sees of the members' windows on the design screen (800 x 600): in every state,
// each control lies inside its window (or its frame), so the last rows of a long list can be
// scrolled into view and clicked, and no caption is cut short.
#include "Banc.h"

#include "common/Contexte.h"
#include "members/FrmEntreeSortie.h"
#include "members/FrmLettre.h"
#include "members/FrmLettreRappel.h"
#include "members/FrmNouvAbon.h"
#include "platform/Grid.h"
#include "shell/FrmDepart.h"

#include <QPushButton>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

void ajouter(const QString& table, const QMap<QString, QString>& v) {
    auto t = ctx().base().ouvrirTable(table);
    t->AddNew();
    for (auto it = v.begin(); it != v.end(); ++it)
        t->SetValue(it.key(), it.value());
    t->Update();
}

} // namespace

class TestEcrans : public QObject {
    Q_OBJECT
  private slots:
    void fenetresEntieres();
};

void TestEcrans::fenetresEntieres() {
    Banc b;
    b.creerBase();
    FrmDepart* d = b.connecter();
    QVERIFY(d);
    ajouter("CD", {{"MatriculeCD", "001A08U2026"}, {"Nom", "ALIEN"}, {"Sortie", "1"}});
    for (int i = 1; i <= 60; ++i) {
        QMap<QString, QString> m = {{"MatriculeAbon", QStringLiteral("%1U2026").arg(i, 3, 10, QChar('0'))},
                                    {"NomAbon", QStringLiteral("MEMBRE %1").arg(i)}};
        for (const char* c : {"DateRest", "DateEmp", "MatriCD", "NomCD", "Averti"})
            for (int k = 1; k <= 3; ++k)
                m[c + QString::number(k)] = "0";
        if (i == 60) m.insert({{"DateRest1", "01/11/2026"}, {"MatriCD1", "X"}, {"NomCD1", "BRAZIL"}});
        ajouter("Abonne", m);
    }

    QVERIFY(choisirMenu(d, "Entre"));
    auto* pret = b.fenetre<FrmEntreeSortie>();
    QVERIFY(pret);
    QCOMPARE(controlesMalVus(pret), QStringList());
    // The last member, scrolled into view, is where the operator can click it.
    MSFlexGrid* g = pret->MSFlexGrid2;
    g->scrollToBottom();
    const QRect derniere = g->visualRect(g->model()->index(g->Rows() - 2, 1));
    QVERIFY(g->viewport()->rect().contains(derniere));
    QVERIFY(pret->rect().contains(QRect(g->viewport()->mapTo(pret, derniere.topLeft()), derniere.size())));
    g->cliquer(g->Rows() - 2, 1);
    QCOMPARE(controlesMalVus(pret), QStringList());
    cliquer(pret->Command3);
    QCOMPARE(controlesMalVus(pret), QStringList());
    QVERIFY(choisirMenu(pret, "Retour") && choisirMenu(pret, "Menu"));

    QVERIFY(choisirMenu(d, "NouvAbon"));
    QCOMPARE(controlesMalVus(b.fenetre<FrmNouvAbon>()), QStringList());
    QVERIFY(choisirMenu(b.fenetre<FrmNouvAbon>(), "Retour"));

    QVERIFY(choisirMenu(d, "Rappel"));
    auto* rappel = b.fenetre<FrmLettreRappel>();
    QVERIFY(rappel && rappel->MSFlexGrid1->Visible());
    QCOMPARE(controlesMalVus(rappel), QStringList());
    QVERIFY(choisirMenu(rappel, "Retour"));

    QVERIFY(choisirMenu(d, "Lettre"));
    auto* lettre = b.fenetre<FrmLettre>();
    QVERIFY(lettre);
    for (const char* mode : {"Creer", "Charger", "Efface", "Code", "Ajout", "Supp"}) {
        QVERIFY(choisirMenu(lettre, mode));
        QVERIFY2(controlesMalVus(lettre).isEmpty(),
                 qPrintable(mode + (": " + controlesMalVus(lettre).join(", "))));
        QVERIFY(choisirMenu(lettre, "Autre"));
    }
}

QTEST_MAIN(TestEcrans)
#include "tst_ecrans.moc"
