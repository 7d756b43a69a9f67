#include "members/Pret.h"

#include "common/Contexte.h"
#include "common/Delais.h"
#include "common/Grilles.h"
#include "common/Refus.h"
#include "common/Schema.h"
#include "platform/Environnement.h"

#include <memory>

namespace vidora {

namespace {

QString champ(const char* nom, int k) {
    return QString::fromLatin1(nom) + QString::number(k);
}

// CD.Sortie holds five digits.
constexpr qint64 kMaxExemplaires = 99999;

void verifierCase(int k) {
    if (k < 1 || k > 3) throw Refus(QStringLiteral("EMPLACEMENT DE PRET INCONNU"));
}

std::unique_ptr<Recordset> ouvrirAbonne(qint64 cleAbonne) {
    auto a = ctx().base().ouvrirTable(QStringLiteral("Abonne"));
    if (cleAbonne < 0 || !a->AllerA(cleAbonne)) throw Refus(QStringLiteral("CET ABONNE N'EXISTE PLUS"));
    return a;
}

} // namespace

std::optional<qint64> ExemplairesEnRayon(const QString& sortie) {
    bool ok = false;
    const qint64 n = sortie.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return n;
}

void PreterFilm(qint64 cleAbonne, int k, qint64 cleFilm) {
    verifierCase(k);
    // The loan period first: a delay that is not a number stops the lend before any write.
    std::optional<int> delai;
    {
        auto p = ctx().base().ouvrirTable(QStringLiteral("Para"));
        if (!p->Fin()) delai = LireDelai(p->Texte(QStringLiteral("DelaiMini")));
    }
    if (!delai)
        throw Refus(QStringLiteral(
            "LE DELAI MINI DES PARAMETRES N'EST PAS UN NOMBRE DE JOURS : AUCUN FILM N'A ETE PRETE"));
    const QDate jour = env().aujourdhui();
    const QString format = QStringLiteral("dd/MM/yyyy");

    Transaction tr(ctx().base());
    auto film = ctx().base().ouvrirTable(QStringLiteral("CD"));
    if (cleFilm < 0 || !film->AllerA(cleFilm))
        throw Refus(QStringLiteral("CE FILM N'EXISTE PLUS : AUCUN FILM N'A ETE PRETE"));
    const std::optional<qint64> enRayon = ExemplairesEnRayon(film->Texte(QStringLiteral("Sortie")));
    if (!enRayon || *enRayon <= 0)
        throw Refus(
            QStringLiteral("PLUS AUCUN EXEMPLAIRE DE CE FILM N'EST EN RAYON : AUCUN FILM N'A ETE PRETE"));
    const QString matricule = film->Texte(QStringLiteral("MatriculeCD"));
    // A slot holding "0" reads as free: such a film could never be taken back.
    if (matricule.trimmed().isEmpty() || matricule == MarqueVide)
        throw Refus(QStringLiteral("CE FILM N'A PAS DE MATRICULE : IL NE PEUT ETRE PRETE"));

    auto abonne = ouvrirAbonne(cleAbonne);
    if (abonne->Texte(champ("MatriCD", k)) != MarqueVide)
        throw Refus(QStringLiteral("CET EMPLACEMENT DE PRET EST DEJA OCCUPE : AUCUN FILM N'A ETE PRETE"));

    abonne->Edit();
    abonne->SetValue(champ("DateRest", k), jour.addDays(*delai).toString(format));
    abonne->SetValue(champ("DateEmp", k), jour.toString(format));
    abonne->SetValue(champ("MatriCD", k), matricule);
    abonne->SetValue(champ("NomCD", k), film->Texte(QStringLiteral("Nom")));
    abonne->Update();

    env().pointDeControle("pret");

    film->Edit();
    film->SetValue(QStringLiteral("Sortie"), QString::number(*enRayon - 1));
    film->Update();
    tr.valider();
}

QString RendreFilm(qint64 cleAbonne, int k) {
    verifierCase(k);
    TablesFermees fermees;
    Transaction tr(ctx().base());
    auto abonne = ouvrirAbonne(cleAbonne);
    const QString matricule = abonne->Texte(champ("MatriCD", k));
    const QString titre = abonne->Texte(champ("NomCD", k));
    if (matricule == MarqueVide)
        throw Refus(
            QStringLiteral("CET EMPLACEMENT DE PRET EST DEJA LIBRE : AUCUN RETOUR N'A ETE ENREGISTRE"));

    // The film by the identifier the slot holds, which a renamed film keeps; by its title only
    // when no film has that identifier.
    Recordset* film = nullptr;
    auto parMatricule = ctx().base().ouvrirTable(QStringLiteral("CD"));
    if (!matricule.isEmpty())
        while (!parMatricule->Fin()) {
            if (parMatricule->Texte(QStringLiteral("MatriculeCD")) == matricule) {
                film = parMatricule.get();
                break;
            }
            parMatricule->MoveNext();
        }
    if (!film && ChercherFilmParTitre(titre)) film = ctx().TableOuverte.get();

    // A count that is no number of copies, or that has no room for one more, is left as it is for
    // the operator to correct on the film's card: the member hands the film back all the same.
    qint64 enRayon = -1; // the count that rises by one; none when negative
    QString avertissement;
    if (film) {
        const QString sortie = film->Texte(QStringLiteral("Sortie"));
        const std::optional<qint64> n = sortie.trimmed().isEmpty() ? 0 : ExemplairesEnRayon(sortie);
        if (n && *n >= 0 && *n < kMaxExemplaires)
            enRayon = *n;
        else
            avertissement =
                QStringLiteral("LE FILM %1 EST RENDU, MAIS SON NOMBRE D'EXEMPLAIRES (%2) NE PEUT PAS "
                               "ETRE AUGMENTE : CORRIGEZ-LE SUR SA FICHE (Film > Modifier un Film)")
                    .arg(film->Texte(QStringLiteral("Nom")), sortie);
    }

    abonne->Edit();
    for (const char* nom : {"DateRest", "DateEmp", "MatriCD", "NomCD"})
        abonne->SetValue(champ(nom, k), MarqueVide);
    abonne->SetValue(champ("Averti", k), 0);
    abonne->Update();

    env().pointDeControle("retour");

    if (film && enRayon >= 0) {
        film->Edit();
        film->SetValue(QStringLiteral("Sortie"), QString::number(enRayon + 1));
        film->Update();
    }
    tr.valider();
    return avertissement;
}

} // namespace vidora
