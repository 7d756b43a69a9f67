#include "catalogue/MAJ.h"

#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Refus.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QHash>
#include <QListWidget>
#include <QPushButton>

#include <utility>

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, schema::CD::MatriculeCD),
        {QStringLiteral("TITRE DU FILM"), 5500,
         [](const Recordset& r) { return r.Texte(schema::CD::Nom).trimmed(); }},
        Colonne(QStringLiteral("CATEGORIE"), 1400, schema::CD::Categorie),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 1400),
        Colonne(QStringLiteral("Nombre"), 500, schema::CD::Sortie),
    };
    return c;
}
} // namespace

MAJ::MAJ() : Form(QStringLiteral("MAJ"), QStringLiteral("Nouveau Classement")) {
    boutonClasser = controle(new QPushButton(QStringLiteral("Lancez le nouveau classement"), this),
                             "boutonClasser", 3500, 300, 5000, 600);
    grilleFilms = controle(new MSFlexGrid(this), "grilleFilms", 150, 1100, 11000, 6200);
    listeCategories = controle(new QListWidget(this), "listeCategories", 150, 1100, 3000, 2000);
    listeCategories->hide();
    connect(boutonClasser, &QPushButton::clicked, this, &MAJ::lancerClassement);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("RETOUR")), &QAction::triggered, this,
            &MAJ::revenir);
}

namespace {
const QString kAucuneBase = QStringLiteral("AUCUNE BASE N'EST OUVERTE : CHOISISSEZ D'ABORD UNE BASE");

// Until the password of a database is accepted, the window acts as with no database open.
bool refuserSansConnexion() {
    if (ctx().Connecte) return false;
    env().message(kAucuneBase);
    return true;
}
} // namespace

void MAJ::charger() {
    MiseEnPlaceStandard(*this);
    grilleFilms->hide();
    listeCategories->hide();
    if (refuserSansConnexion()) {
        RendreLaMain(this);
        return;
    }
    try {
        auto t = ctx().base().ouvrirTable(schema::Genre::table);
        for (; !t->Fin(); t->MoveNext())
            listeCategories->addItem(t->Texte(schema::Genre::NomGenre));
    } catch (const ErreurBase& e) {
        env().message(e.genre() == ErreurBase::Genre::Fermee
                          ? kAucuneBase
                          : QStringLiteral("LES CATEGORIES NE PEUVENT ETRE LUES :\n%1").arg(e.message()));
        RendreLaMain(this);
    }
}

void MAJ::lancerClassement() {
    if (refuserSansConnexion()) return revenir();
    boutonClasser->hide();
    QString echec;
    try {
        Database& db = ctx().base();
        Transaction tr(db);
        EcrirePlaceLibre(db, Emplacement{QStringLiteral("A"), 1, 1});
        // The limits are checked before any film moves.
        const Classement limites = LireClassement(db);
        std::optional<Emplacement> place = limites.place;
        // A category listed twice in Genre is placed once: a second pass would only leave a gap.
        QStringList categories;
        QHash<QString, int> rangs;
        for (int i = 0; i < listeCategories->count(); ++i) {
            const QString c = listeCategories->item(i)->text();
            if (!rangs.contains(c)) {
                rangs.insert(c, int(categories.size()));
                categories << c;
            }
        }
        // One walk of CD gathers the films of every listed category, each category's in table order.
        const QString champ = schema::CD::Categorie;
        std::vector<Film> films;
        QVector<QVector<int>> parCategorie(categories.size());
        for (auto t = db.ouvrirTable(schema::CD::table); !t->Fin(); t->MoveNext()) {
            if (t->EstNull(champ)) continue;
            const auto r = rangs.constFind(t->Texte(champ));
            if (r == rangs.cend()) continue;
            parCategorie[*r].append(int(films.size()));
            films.push_back(Film{t->Cle(), CellulesGrille(colonnes(), *t), {}});
        }
        for (int k = 0; k < categories.size(); ++k) {
            categorieEnCours = categories[k];
            placerCategorie(films, parCategorie[k], place, limites);
            env().pointDeControle("classement-categorie");
        }
        // The new places go in with a second pass in table order, each film edited on its own row
        // (films sharing a title each keep the place given to them).
        auto t = db.ouvrirTable(schema::CD::table);
        for (std::size_t i = 0; i < films.size() && !t->Fin(); t->MoveNext()) {
            if (t->Cle() != films[i].cle) continue;
            const Emplacement& p = films[i++].place;
            t->Edit();
            t->SetValue(schema::CD::Traver, p.Trave);
            t->SetValue(schema::CD::Rang, QString::number(p.Rang));
            t->SetValue(schema::CD::Numero, QString::number(p.Numero));
            t->Update();
            env().pointDeControle("classement-film");
        }
        t->Close();
        EcrirePlaceLibre(db, place ? *place : PlaceApresZ());
        tr.valider();
    } catch (const Refus& r) {
        echec = r.message();
    } catch (const ErreurBase& e) {
        echec = e.message();
    } catch (const std::exception& e) {
        echec = QString::fromUtf8(e.what());
    }
    if (!echec.isEmpty())
        env().message(
            QStringLiteral("LE NOUVEAU CLASSEMENT N'A PAS ETE FAIT : AUCUN FILM N'A CHANGE DE PLACE.\n%1")
                .arg(echec));
    revenir();
}

void MAJ::placerCategorie(std::vector<Film>& films, const QVector<int>& lesquels,
                          std::optional<Emplacement>& place, const Classement& limites) {
    const QVector<ColonneGrille>& cols = colonnes();
    PreparerEntetes(*grilleFilms, cols);
    // The category's rows go to the grid in one insertion, with room for the heading and empty rows.
    QList<QString> cellules;
    cellules.reserve((lesquels.size() + 2) * (cols.size() + 1));
    for (int i : lesquels) {
        Film& f = films[std::size_t(i)];
        cellules << QString::number(f.cle) << std::exchange(f.cellules, {});
        if (!place)
            throw Refus(QStringLiteral("PLUS AUCUN EMPLACEMENT LIBRE : LES TRAVEES DE A A Z NE SUFFISENT PAS "
                                       "POUR TOUS LES FILMS.\nAugmentez le dernier rang ou le dernier numéro "
                                       "(Outil > Classement)."));
        f.place = *place;
        place = PlaceSuivante(*place, limites.NumRang, limites.NumNumero);
    }
    grilleFilms->remplirLignes(std::move(cellules));
    // The operator sees each category go by, with the places it had.
    grilleFilms->show();
    grilleFilms->repaint();
}

void MAJ::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
