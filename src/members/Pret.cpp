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

// CD.Sortie holds five digits.
constexpr qint64 kMaxExemplaires = 99999;

void verifierCase(int k) {
    if (k < 1 || k > 3) throw Refus(QStringLiteral("EMPLACEMENT DE PRET INCONNU"));
}

std::unique_ptr<Recordset> ouvrirAbonne(qint64 cleAbonne) {
    auto a = ctx().base().ouvrirTable(schema::Abonne::table);
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
        auto p = ctx().base().ouvrirTable(schema::Para::table);
        if (!p->Fin()) delai = LireDelai(p->Texte(schema::Para::DelaiMini));
    }
    if (!delai)
        throw Refus(QStringLiteral(
            "LE DELAI MINI DES PARAMETRES N'EST PAS UN NOMBRE DE JOURS : AUCUN FILM N'A ETE PRETE"));
    const QDate jour = env().aujourdhui();
    const QString format = QStringLiteral("dd/MM/yyyy");

    Transaction tr(ctx().base());
    auto film = ctx().base().ouvrirTable(schema::CD::table);
    if (cleFilm < 0 || !film->AllerA(cleFilm))
        throw Refus(QStringLiteral("CE FILM N'EXISTE PLUS : AUCUN FILM N'A ETE PRETE"));
    const std::optional<qint64> enRayon = ExemplairesEnRayon(film->Texte(schema::CD::Sortie));
    if (!enRayon || *enRayon <= 0)
        throw Refus(
            QStringLiteral("PLUS AUCUN EXEMPLAIRE DE CE FILM N'EST EN RAYON : AUCUN FILM N'A ETE PRETE"));
    const QString matricule = film->Texte(schema::CD::MatriculeCD);
    // A slot holding "0" reads as free: such a film could never be taken back.
    if (matricule.trimmed().isEmpty() || matricule == MarqueVide)
        throw Refus(QStringLiteral("CE FILM N'A PAS DE MATRICULE : IL NE PEUT ETRE PRETE"));

    auto abonne = ouvrirAbonne(cleAbonne);
    if (abonne->Texte(schema::Abonne::MatriCD(k)) != MarqueVide)
        throw Refus(QStringLiteral("CET EMPLACEMENT DE PRET EST DEJA OCCUPE : AUCUN FILM N'A ETE PRETE"));

    abonne->Edit();
    abonne->SetValue(schema::Abonne::DateRest(k), jour.addDays(*delai).toString(format));
    abonne->SetValue(schema::Abonne::DateEmp(k), jour.toString(format));
    abonne->SetValue(schema::Abonne::MatriCD(k), matricule);
    abonne->SetValue(schema::Abonne::NomCD(k), film->Texte(schema::CD::Nom));
    abonne->Update();

    env().pointDeControle("pret");

    film->Edit();
    film->SetValue(schema::CD::Sortie, QString::number(*enRayon - 1));
    film->Update();
    tr.valider();
}

QString RendreFilm(qint64 cleAbonne, int k) {
    verifierCase(k);
    TablesFermees fermees;
    Transaction tr(ctx().base());
    auto abonne = ouvrirAbonne(cleAbonne);
    const QString matricule = abonne->Texte(schema::Abonne::MatriCD(k));
    const QString titre = abonne->Texte(schema::Abonne::NomCD(k));
    if (matricule == MarqueVide)
        throw Refus(
            QStringLiteral("CET EMPLACEMENT DE PRET EST DEJA LIBRE : AUCUN RETOUR N'A ETE ENREGISTRE"));

    // The film by the identifier the slot holds, which a renamed film keeps; by its title only
    // when no film has that identifier.
    Recordset* film = nullptr;
    auto parMatricule = ctx().base().ouvrirTable(schema::CD::table);
    if (!matricule.isEmpty())
        while (!parMatricule->Fin()) {
            if (parMatricule->Texte(schema::CD::MatriculeCD) == matricule) {
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
        const QString sortie = film->Texte(schema::CD::Sortie);
        const std::optional<qint64> n = sortie.trimmed().isEmpty() ? 0 : ExemplairesEnRayon(sortie);
        if (n && *n >= 0 && *n < kMaxExemplaires)
            enRayon = *n;
        else
            avertissement =
                QStringLiteral("LE FILM %1 EST RENDU, MAIS SON NOMBRE D'EXEMPLAIRES (%2) NE PEUT PAS "
                               "ETRE AUGMENTE : CORRIGEZ-LE SUR SA FICHE (Film > Modifier un Film)")
                    .arg(film->Texte(schema::CD::Nom), sortie);
    }

    abonne->Edit();
    for (const schema::ChampsCasier& champ : schema::Abonne::TextesCasier)
        abonne->SetValue(champ(k), MarqueVide);
    abonne->SetValue(schema::Abonne::Averti(k), 0);
    abonne->Update();

    env().pointDeControle("retour");

    if (film && enRayon >= 0) {
        film->Edit();
        film->SetValue(schema::CD::Sortie, QString::number(enRayon + 1));
        film->Update();
    }
    tr.valider();
    return avertissement;
}

} // namespace vidora
