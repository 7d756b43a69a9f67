#pragma once
// What the film windows that list films and open a clicked one on the film card share: the title
// above the list, the count under it (those that count), the grid, the card, the window's state,
// and the menu entries that only hand over to the card. Each window says how it lists, and the
// windows that list one category share the category chooser.

#include "catalogue/FicheFilm.h"
#include "platform/Form.h"

#include <QString>

class QComboBox;
class QLabel;

namespace vidora {

class MSFlexGrid;

class FenetreFilms : public Form {
    Q_OBJECT
  public:
    // Set-up, then the window's resting state.
    void charger() override;
    // The resting state, which a save, a film gone and "Autre Film" come back to: the window's
    // list (the search by title: its search box), the card hidden.
    virtual void lister() = 0;
    // A click on the grid: the film of the row is shown on the card; a film gone means the list
    // is read again.
    virtual void ouvrirFilm();
    // "Enregistrer": the film in hand saved, then the list again.
    void enregistrer();
    void choisirAffiche();
    void effacerImage();
    // "Autre Film": back to the resting state.
    virtual void autreFilm();
    // "Retour": the main window back.
    void revenir();

    QLabel* bandeau;
    QLabel* bandeauCompte = nullptr; // null in the windows that show no count
    MSFlexGrid* grilleFilms = nullptr;
    FicheFilm* fiche = nullptr;
    ModeFilm mode = ModeFilm::Liste;

  protected:
    enum class Compte { Sans, Avec };
    // The window with its title over the list and, with Compte::Avec, the count label under it.
    FenetreFilms(const QString& nom, const QString& titre, Compte compte);
    // The grid, from this design height down, and the card over it; a click on the grid opens
    // the film.
    void poserListe(ChampsFiche champs = ChampsFiche::Listes, double hautGrille = 1150);

    // The picture entries of the menu.
    enum class Images { Aucune, Choisir, ChoisirEtEffacer };
    // The menu, in this order: "Retour", the save (under this caption, to this handler), "Saisir
    // Affiche" when the window chooses pictures, "Autre Film", "Effecer l'image" when it erases
    // them.
    template <class W = FenetreFilms>
    void ajouterEntrees(Images images, const char* libelleSauver = "Enregistrer",
                        void (W::*sauver)() = &FenetreFilms::enregistrer) {
        ajouterEntree("Retour", "Retour", &FenetreFilms::revenir);
        ajouterEntree("Enregitre", libelleSauver, sauver);
        if (images != Images::Aucune)
            ajouterEntree("SaiAffiche", "Saisir Affiche", &FenetreFilms::choisirAffiche);
        ajouterEntree("Autre", "Autre Film", &FenetreFilms::autreFilm);
        if (images == Images::ChoisirEtEffacer)
            ajouterEntree("Effaimage", "Effecer l'image", &FenetreFilms::effacerImage);
    }

    // Called once the card shows the clicked film, before the window's state becomes the card.
    virtual void filmOuvert() {}
};

// A film window that lists the films of one category, chosen first from the category chooser.
class FenetreFilmsParCategorie : public FenetreFilms {
    Q_OBJECT
  public:
    // A category chosen from the chooser's list: its films listed.
    void categorieChoisie();
    // "Autre Film": the category entry on again, the list again.
    void autreFilm() override;
    // "Autre Categorie": the chooser again in place of the list.
    void autreCategorie();

    QComboBox* listeChoixCategorie = nullptr;
    QString categorieListee;

  protected:
    using FenetreFilms::FenetreFilms;
    // The chooser, showing this invitation until a category is chosen.
    void poserChoixCategorie(const QString& invitation);
    // The "Autre Categorie" entry, under this name, after the others.
    void ajouterEntreeCategorie(const char* nom);
    void activerEntreeCategorie(bool oui);

  private:
    QString entreeCategorie_;
};

} // namespace vidora
