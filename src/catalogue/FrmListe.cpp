#include "catalogue/FrmListe.h"

#include "catalogue/GrillesFilms.h"
#include "common/Contexte.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Schema.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"

#include <QLabel>

#include <algorithm>
#include <numeric>
#include <vector>

namespace vidora {

namespace {
// How many of the places already counted lie strictly between two places (a Fenwick tree).
class Comptage {
  public:
    explicit Comptage(int n) : t_(size_t(n) + 1, 0) {}
    void ajouter(int place) {
        for (int p = place + 1; p < int(t_.size()); p += p & -p)
            ++t_[size_t(p)];
    }
    int entre(int apres, int avant) const {
        return avant > apres + 1 ? jusqua(avant) - jusqua(apres + 1) : 0;
    }

  private:
    int jusqua(int place) const { // places 0 to place - 1
        int n = 0;
        for (int p = place; p > 0; p -= p & -p)
            n += t_[size_t(p)];
        return n;
    }
    std::vector<int> t_;
};
} // namespace

std::vector<int> OrdreParTitre(const QVector<LigneFilm>& l) {
    // What the exchange sort does, worked out rather than replayed:
    // - a film without a title is never exchanged: it keeps its place, and the other films are
    //   sorted among the places left, as if the untitled ones were not there;
    // - the titled films end in ascending order of titles, so only the order within each group of
    //   equal titles is to be found. The films of a group move only when one of them is the first
    //   of the films not yet placed whose title is not greater: it then goes past the films of the
    //   group before the next film with a smaller title, and that smaller film is placed. Taking
    //   the group in table order, its list so far turns by one (the first goes last) for each
    //   smaller film met after the group's first film, and each next film of the group joins the
    //   end when it is met.
    // So a sort by title, then one walk per group counting the smaller films between its films.
    std::vector<int> places;
    for (int i = 0; i < int(l.size()); ++i)
        if (!l[i].nomNul) places.push_back(i);
    const int m = int(places.size());
    // Each title's key taken once: its first four characters packed into one number that orders
    // as they do, and the whole title copied into one block, so that the comparisons read
    // contiguous memory rather than every film's own row.
    struct Cle {
        quint64 tete;
        qsizetype debut;
        qsizetype taille;
        int film;
    };
    std::vector<char16_t> bloc;
    size_t total = 0;
    for (int i : places)
        total += size_t(l[i].nom.size());
    bloc.reserve(total);
    std::vector<Cle> cles(static_cast<size_t>(m));
    for (int j = 0; j < m; ++j) {
        const QString& titre = l[places[size_t(j)]].nom;
        quint64 tete = 0;
        for (qsizetype q = 0; q < 4; ++q)
            tete = tete << 16 | (q < titre.size() ? titre[q].unicode() : 0u);
        cles[size_t(j)] = {tete, qsizetype(bloc.size()), titre.size(), j};
        bloc.insert(bloc.end(), titre.utf16(), titre.utf16() + titre.size());
    }
    const auto texte = [&](const Cle& c) { return QStringView(bloc.data() + c.debut, c.taille); };
    std::stable_sort(cles.begin(), cles.end(), [&](const Cle& a, const Cle& b) {
        return a.tete != b.tete ? a.tete < b.tete : texte(a) < texte(b);
    });
    const auto egaux = [&](const Cle& a, const Cle& b) { return a.tete == b.tete && texte(a) == texte(b); };
    std::vector<int> parTitre(static_cast<size_t>(m));
    for (int k = 0; k < m; ++k)
        parTitre[size_t(k)] = cles[size_t(k)].film;
    Comptage plusPetits(m);
    std::vector<int> resultat;
    resultat.reserve(size_t(m));
    std::vector<int> groupe;
    for (int debut = 0; debut < m;) {
        int fin = debut + 1;
        while (fin < m && egaux(cles[size_t(fin)], cles[size_t(debut)]))
            ++fin;
        groupe.assign(parTitre.begin() + debut, parTitre.begin() + fin); // in table order: the sort is stable
        std::vector<int> liste{groupe.front()};
        for (size_t t = 0; t < groupe.size(); ++t) {
            const bool dernier = t + 1 == groupe.size();
            const int tours = plusPetits.entre(groupe[t], dernier ? m : groupe[t + 1]) % int(liste.size());
            std::rotate(liste.begin(), liste.begin() + tours, liste.end());
            if (!dernier) liste.push_back(groupe[t + 1]);
        }
        resultat.insert(resultat.end(), liste.begin(), liste.end());
        for (int j : groupe)
            plusPetits.ajouter(j);
        debut = fin;
    }
    std::vector<int> ordre(l.size());
    std::iota(ordre.begin(), ordre.end(), 0);
    for (int j = 0; j < m; ++j)
        ordre[size_t(places[size_t(j)])] = places[size_t(resultat[size_t(j)])];
    return ordre;
}

void TrierParTitre(QVector<LigneFilm>& l) {
    const std::vector<int> ordre = OrdreParTitre(l);
    QVector<LigneFilm> tries;
    tries.reserve(l.size());
    for (int i : ordre)
        tries.push_back(std::move(l[i]));
    l = std::move(tries);
}

FrmListe::FrmListe()
    : FenetreFilms(QStringLiteral("FrmListe"), QStringLiteral("Modifier un Film"), Compte::Avec) {
    poserListe();
    ajouterEntrees(Images::ChoisirEtEffacer);
}

void FrmListe::lister() {
    mode = ModeFilm::Liste;
    grilleFilms->hide();
    fiche->Fermer();
    show();
    PreparerEntetes(*grilleFilms, ColonnesListeFilms());
    QVector<LigneFilm> films;
    Tenter(QStringLiteral("LA LISTE DES FILMS NE PEUT ETRE LUE"), [&] {
        auto t = ctx().base().ouvrirTable(schema::CD::table);
        films.reserve(t->RecordCount());
        const QVector<ColonneGrille>& c = ColonnesListeFilms();
        for (; !t->Fin(); t->MoveNext()) {
            LigneFilm f;
            f.cle = t->Cle();
            f.nomNul = t->EstNull(schema::CD::Nom);
            f.matricule = c[0].lire(*t);
            f.nom = c[1].lire(*t);
            f.categorie = c[2].lire(*t);
            f.classement = c[3].lire(*t);
            f.sortie = c[4].lire(*t);
            films.push_back(std::move(f));
        }
    });
    const std::vector<int> ordre = OrdreParTitre(films);
    bandeauCompte->setText(QStringLiteral("Nombre de film %1").arg(films.size()));
    QList<QString> cellules;
    cellules.reserve((films.size() + 2) * 6); // the heading and empty rows' room too
    for (int i : ordre) {
        LigneFilm& f = films[i];
        cellules << QString::number(f.cle) << std::move(f.matricule) << std::move(f.nom)
                 << std::move(f.categorie) << std::move(f.classement) << std::move(f.sortie);
    }
    films = {};
    grilleFilms->remplirLignes(std::move(cellules));
    grilleFilms->show();
}

} // namespace vidora
