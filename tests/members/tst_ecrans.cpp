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

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace vidora;
using namespace vidora_test;

namespace {

// The controls of the window the operator cannot see whole, by their place or their caption.
QStringList malVus(Form* f) {
    Banc::traiterEvenements();
    QStringList r;
    for (QWidget* c : f->controles()) {
        if (!c->isVisibleTo(f)) continue;
        QString texte;
        if (auto* l = qobject_cast<QLabel*>(c); l && l->frameShape() == QFrame::NoFrame) texte = l->text();
        if (auto* b = qobject_cast<QPushButton*>(c)) texte = b->text();
        const QString nom = c->objectName().isEmpty() ? texte : c->objectName();
        if (!c->parentWidget()->rect().contains(c->geometry())) r << "hors de vue : " + nom;
        if (c->fontMetrics().horizontalAdvance(texte) > c->contentsRect().width()) r << "coupe : " + nom;
    }
    return r;
}

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
    QCOMPARE(malVus(pret), QStringList());
    // The last member, scrolled into view, is where the operator can click it.
    MSFlexGrid* g = pret->MSFlexGrid2;
    g->scrollToBottom();
    const QRect derniere = g->visualRect(g->model()->index(g->Rows() - 2, 1));
    QVERIFY(g->viewport()->rect().contains(derniere));
    QVERIFY(pret->rect().contains(QRect(g->viewport()->mapTo(pret, derniere.topLeft()), derniere.size())));
    g->cliquer(g->Rows() - 2, 1);
    QCOMPARE(malVus(pret), QStringList());
    cliquer(pret->Command3);
    QCOMPARE(malVus(pret), QStringList());
    QVERIFY(choisirMenu(pret, "Retour") && choisirMenu(pret, "Menu"));

    QVERIFY(choisirMenu(d, "NouvAbon"));
    QCOMPARE(malVus(b.fenetre<FrmNouvAbon>()), QStringList());
    QVERIFY(choisirMenu(b.fenetre<FrmNouvAbon>(), "Retour"));

    QVERIFY(choisirMenu(d, "Rappel"));
    auto* rappel = b.fenetre<FrmLettreRappel>();
    QVERIFY(rappel && rappel->MSFlexGrid1->Visible());
    QCOMPARE(malVus(rappel), QStringList());
    QVERIFY(choisirMenu(rappel, "Retour"));

    QVERIFY(choisirMenu(d, "Lettre"));
    auto* lettre = b.fenetre<FrmLettre>();
    QVERIFY(lettre);
    for (const char* mode : {"Creer", "Charger", "Efface", "Code", "Ajout", "Supp"}) {
        QVERIFY(choisirMenu(lettre, mode));
        QVERIFY2(malVus(lettre).isEmpty(), qPrintable(mode + (": " + malVus(lettre).join(", "))));
        QVERIFY(choisirMenu(lettre, "Autre"));
    }
}

QTEST_MAIN(TestEcrans)
#include "tst_ecrans.moc"
