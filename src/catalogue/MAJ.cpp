#include "catalogue/MAJ.h"

#include "common/Contexte.h"
#include "common/Grilles.h"
#include "common/Refus.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QSet>

namespace vidora {

namespace {
const QVector<ColonneGrille>& colonnes() {
    static const QVector<ColonneGrille> c = {
        Colonne(QStringLiteral("REF."), 1200, QStringLiteral("MatriculeCD")),
        {QStringLiteral("TITRE DU FILM"), 5700,
         [](const Recordset& r) { return r.Texte(QStringLiteral("Nom")).trimmed(); }},
        Colonne(QStringLiteral("CATEGORIE"), 1400, QStringLiteral("Categorie")),
        ColonnePlace(QStringLiteral("CLASSEMENT"), 1400),
        Colonne(QStringLiteral("Nombre"), 500, QStringLiteral("Sortie")),
    };
    return c;
}
} // namespace

MAJ::MAJ() : Form(QStringLiteral("MAJ"), QStringLiteral("Nouveau Classement")) {
    Command1 =
        controle(new QPushButton(QStringLiteral("Lancez le nouveau classement"), this), 3500, 300, 5000, 600);
    Command1->setObjectName(QStringLiteral("Command1"));
    MSFlexGrid1 = controle(new MSFlexGrid(this), 150, 1100, 11000, 6200);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    List1 = controle(new QListWidget(this), 150, 1100, 3000, 2000);
    List1->setObjectName(QStringLiteral("List1"));
    List1->hide();
    connect(Command1, &QPushButton::clicked, this, &MAJ::Command1_Click);
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("RETOUR")), &QAction::triggered, this,
            &MAJ::Retour_Click);
}

void MAJ::Form_Load() {
    MiseEnPlaceStandard(*this);
    MSFlexGrid1->hide();
    List1->hide();
    try {
        auto t = ctx().base().ouvrirTable(QStringLiteral("Genre"));
        for (; !t->EOF_(); t->MoveNext())
            List1->addItem(t->Texte(QStringLiteral("NomGenre")));
    } catch (const ErreurBase& e) {
        // "Nouveau Classement" may be chosen before any database is open.
        env().message(e.genre() == ErreurBase::Genre::Fermee
                          ? QStringLiteral("AUCUNE BASE N'EST OUVERTE : CHOISISSEZ D'ABORD UNE BASE")
                          : QStringLiteral("LES CATEGORIES NE PEUVENT ETRE LUES :\n%1").arg(e.message()));
        RendreLaMain(this);
    }
}

void MAJ::Command1_Click() {
    Command1->hide();
    QString echec;
    try {
        Database& db = ctx().base();
        Transaction tr(db);
        EcrirePlaceLibre(db, Emplacement{QStringLiteral("A"), 1, 1});
        // The limits are checked before any film moves.
        const Classement limites = LireClassement(db);
        std::optional<Emplacement> place = limites.place;
        // A category listed twice in Genre is placed once: a second pass would only leave a gap.
        QSet<QString> faites;
        for (int i = 0; i < List1->count(); ++i) {
            CategorieChoisie = List1->item(i)->text();
            if (faites.contains(CategorieChoisie)) continue;
            faites.insert(CategorieChoisie);
            Lire(db, place, limites);
            env().pointDeControle("classement-categorie");
        }
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
    Retour_Click();
}

void MAJ::Lire(Database& db, std::optional<Emplacement>& place, const Classement& limites) {
    PreparerEntetes(*MSFlexGrid1, colonnes());
    QStringList cellules;
    auto t = db.ouvrirTable(QStringLiteral("CD"));
    for (; !t->EOF_(); t->MoveNext()) {
        if (t->EstNull(QStringLiteral("Categorie")) ||
            t->Texte(QStringLiteral("Categorie")) != CategorieChoisie)
            continue;
        cellules.clear();
        for (const ColonneGrille& c : colonnes()) {
            QString s;
            try {
                s = c.lire(*t);
            } catch (const ErreurBase&) {
                // A field that cannot be read leaves its cell empty.
            }
            cellules << s;
        }
        AjouterLigneGrille(*MSFlexGrid1, cellules, QString::number(t->Cle()));
        if (!place)
            throw Refus(QStringLiteral("PLUS AUCUN EMPLACEMENT LIBRE : LES TRAVEES DE A A Z NE SUFFISENT PAS "
                                       "POUR TOUS LES FILMS.\nAugmentez le dernier rang ou le dernier numéro "
                                       "(Outil > Classement)."));
        // The film is the row the walk stands on: films sharing a title each get their own place.
        t->Edit();
        t->SetValue(QStringLiteral("Traver"), place->Trave);
        t->SetValue(QStringLiteral("Rang"), QString::number(place->Rang));
        t->SetValue(QStringLiteral("Numero"), QString::number(place->Numero));
        t->Update();
        place = PlaceSuivante(*place, limites.NumRang, limites.NumNumero);
    }
    // The operator sees each category go by, with the places it had.
    MSFlexGrid1->show();
    MSFlexGrid1->repaint();
}

void MAJ::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
