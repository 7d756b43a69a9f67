#include "Films.h"

#include "Banc.h"

#include "catalogue/FrmListe.h"
#include "common/Contexte.h"
#include "platform/Database.h"
#include "platform/Grid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTest>

namespace vidora_test {

using namespace vidora;

qint64 ajouterFilm(const QString& ref, const QVariant& nom, const QMap<QString, QVariant>& autres) {
    QMap<QString, QVariant> v = {{"Traver", "A"},         {"Rang", "1"},   {"Numero", "1"},
                                 {"Categorie", "ACTION"}, {"Etat", "BON"}, {"Specialiter", "POUR TOUS"},
                                 {"Date", "01/02/2003"},  {"Sortie", "2"}, {"Image", false},
                                 {"MatriculeCD", ref},    {"Nom", nom}};
    v.insert(autres);
    auto t = ctx().base().ouvrirTable("CD");
    t->AddNew();
    for (auto it = v.begin(); it != v.end(); ++it)
        t->SetValue(it.key(), it.value());
    t->Update();
    t->MoveLast();
    return t->Cle();
}

QString champFilm(qint64 cle, const char* champ) {
    auto t = ctx().base().ouvrirTable("CD");
    return t->AllerA(cle) ? t->Texte(QString::fromLatin1(champ)) : QString("<absent>");
}

QStringList colonneGrille(const MSFlexGrid* g, int c) {
    QStringList l;
    for (int r = 1; r < g->Rows(); ++r)
        l << g->textAt(r, c);
    return l;
}

bool cliquerFilm(MSFlexGrid* g, const QString& ref) {
    const int r = int(colonneGrille(g, 1).indexOf(ref)) + 1;
    if (r > 0) g->cliquer(r, 2);
    Banc::traiterEvenements();
    return r > 0;
}

bool choisirDansListe(QComboBox* c, const QString& texte) {
    const int i = c->findText(texte, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i < 0 || !c->isEnabled() || !c->isVisibleTo(c->window())) return false;
    c->showPopup();
    QAbstractItemView* vue = c->view();
    const QModelIndex index = c->model()->index(i, c->modelColumn());
    vue->scrollTo(index);
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, vue->visualRect(index).center());
    Banc::traiterEvenements();
    return c->currentIndex() == i;
}

QString unePhoto(const QString& dossier, const char* nom, Qt::GlobalColor couleur) {
    QImage i(16, 16, QImage::Format_RGB32);
    i.fill(couleur);
    const QString chemin = QDir(dossier).filePath(QString::fromLatin1(nom));
    return i.save(chemin, "BMP") ? chemin : QString();
}

void TrierParEchange(QVector<LigneFilm>& l) {
    const auto plusGrand = [](const LigneFilm& a, const LigneFilm& b) {
        return !a.nomNul && !b.nomNul && a.nom > b.nom;
    };
    const qsizetype n = l.size();
    for (qsizetype i = 0; i + 1 < n; ++i)
        for (qsizetype k = i + 1; k < n; ++k)
            if (plusGrand(l[i], l[k])) std::swap(l[i], l[k]);
}

} // namespace vidora_test
