#include "catalogue/GrillesFilms.h"

#include "catalogue/FicheFilm.h"
#include "common/Grilles.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "platform/Form.h"
#include "platform/Grid.h"

#include <QComboBox>
#include <QLabel>

namespace vidora {

const QVector<ColonneGrille>& ColonnesListeFilms() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1400, schema::CD::MatriculeCD),
        Colonne(QStringLiteral("TITRE DU FILM"), 5500, schema::CD::Nom),
        Colonne(QStringLiteral("CATEGORIE"), 1400, schema::CD::Categorie),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 1400),
        Colonne(QStringLiteral("Nombre"), 500, schema::CD::Sortie),
    };
    return c;
}

namespace {
QLabel* encadre(Form& f, const char* nom, const QString& texte, double top, double height) {
    return f.controle(LabelEncadre(&f, texte), nom, 3000, top, 6000, height);
}
} // namespace

MSFlexGrid* GrilleFilms(Form& f, double top) {
    return f.controle(new MSFlexGrid(&f), "grilleFilms", 150, top, 11000, 7250 - top);
}

QLabel* TitreListe(Form& f) {
    return encadre(f, "bandeau", QStringLiteral("LISTE DES FILMS"), 100, 450);
}

QLabel* CompteListe(Form& f) {
    return encadre(f, "bandeauCompte", QString(), 620, 400);
}

QComboBox* ChoixCategorie(Form& f, const QString& invitation) {
    auto* c = f.controle(new QComboBox(&f), "listeChoixCategorie", 3000, 1150, 6000, 450);
    c->setPlaceholderText(invitation);
    return c;
}

void RemplirCategories(QComboBox* choix) {
    RemplirListe(choix, schema::Genre::table, schema::Genre::NomGenre);
}

int ListerCategorie(MSFlexGrid& g, const QVector<ColonneGrille>& colonnes, const QString& categorie) {
    const QString champ = schema::CD::Categorie;
    PreparerGrille(g, colonnes, schema::CD::table,
                   [&](const Recordset& r) { return !r.EstNull(champ) && r.Texte(champ) == categorie; });
    return g.Rows() - 2;
}

} // namespace vidora
