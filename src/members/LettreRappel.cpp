#include "members/LettreRappel.h"

#include "common/Contexte.h"
#include "common/Schema.h"
#include "common/TexteFichier.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Imprimante.h"

#include <QRegularExpression>

#include <algorithm>

namespace vidora {

namespace {

// Columns of the three blocks of a letter, as tab positions.
constexpr int kTabExpediteur = 65;
constexpr int kTabDestinataire = 40;
constexpr int kTabCorps = 10;

void lignesVides(Imprimante& imp, int n) {
    for (int i = 0; i < n; ++i)
        imp.ligneVide();
}

// An address line stored as blanks stands for no line at all.
bool renseignee(const QString& ligne) {
    return !ligne.trimmed().isEmpty();
}

} // namespace

bool LigneTropLongue(const QStringList& lignes) {
    return std::any_of(lignes.cbegin(), lignes.cend(),
                       [](const QString& l) { return l.size() > LongueurMaxLigneModele; });
}

QString ModeleDuType(int typeLettre) {
    return typeLettre % 2 == 1 ? QStringLiteral("Rappel.let") : QStringLiteral("Recommande.let");
}

int CaseDuType(int typeLettre) {
    return (typeLettre + 1) / 2;
}

QString FichierDuDossier(const QString& nom) {
    return TrouverFichier(ctx().CheminAppli, nom);
}

QString RemplacerMarque(const QString& ligne, const QString& titre) {
    const qsizetype p = ligne.indexOf(MarqueLivre, 0, Qt::CaseSensitive);
    if (p < 0) return ligne;
    return ligne.left(p) + titre + ligne.mid(p + MarqueLivre.size());
}

QString DateEnLettres(const QDate& date) {
    // Written out here rather than by the locale: the letters are French on any machine.
    static const char* const mois[12] = {"janvier",   "février", "mars",     "avril",
                                         "mai",       "juin",    "juillet",  "août",
                                         "septembre", "octobre", "novembre", "décembre"};
    return QStringLiteral("%1 %2 %3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(mois[date.month() - 1]))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

std::optional<QDate> LireEcheance(const QString& texte) {
    static const QRegularExpression forme(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
    const QRegularExpressionMatch m = forme.match(texte.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid()) return std::nullopt;
    return d;
}

IssueLettre EcrireLettre(Recordset& abonne, int typeLettre, SessionImpression& session) {
    const int k = CaseDuType(typeLettre);
    const int niveau = typeLettre % 2 == 1 ? 1 : 2;

    // The template is read whole before the job starts: a missing one prints nothing at all.
    const QString chemin = FichierDuDossier(ModeleDuType(typeLettre));
    const std::optional<QStringList> modele = chemin.isEmpty() ? std::nullopt : LireLignes(chemin);
    if (!modele) return IssueLettre::ModeleAbsent;
    if (LigneTropLongue(*modele)) return IssueLettre::ModeleTropGrand;

    QString clubNom, clubPrenom, adresse1, adresse2, code, ville;
    {
        auto para = ctx().base().ouvrirTable(schema::Para::table);
        if (para->Fin()) return IssueLettre::Echec;
        clubNom = para->Texte(schema::Para::Nom);
        clubPrenom = para->Texte(schema::Para::Prenom);
        adresse1 = para->Texte(schema::Para::Adresse1);
        adresse2 = para->Texte(schema::Para::Adresse2);
        code = para->Texte(schema::Para::Code);
        ville = para->Texte(schema::Para::Ville);
    }
    const QString ligneClub = clubNom + QStringLiteral("    ") + clubPrenom;
    const QString titre = abonne.Texte(schema::Abonne::NomCD(k));
    const QString nom = abonne.Texte(schema::Abonne::NomAbon);
    const QString prenom = abonne.Texte(schema::Abonne::PrenomAbon);
    const QString adresse1Abon = abonne.Texte(schema::Abonne::Adresse1Abon);
    const QString adresse2Abon = abonne.Texte(schema::Abonne::Adresse2Abon);
    const QString codeAbon = abonne.Texte(schema::Abonne::CodeAbon);
    const QString villeAbon = abonne.Texte(schema::Abonne::VilleAbon);

    std::unique_ptr<Imprimante> imp = env().imprimante();
    if (!imp || !imp->demarrer(QStringLiteral("Lettre de rappel %1 %2").arg(nom, prenom).simplified()))
        return IssueLettre::Echec;
    imp->setPolice(QStringLiteral("Arial"), 12);

    lignesVides(*imp, 3);
    const int expediteur = ColonneTab(kTabExpediteur);
    imp->imprimerLigne(ligneClub, expediteur);
    imp->imprimerLigne(adresse1, expediteur);
    if (renseignee(adresse2)) imp->imprimerLigne(adresse2, expediteur);
    imp->imprimerLigne(code + QStringLiteral("  ") + ville, expediteur);
    lignesVides(*imp, 3);

    const int destinataire = ColonneTab(kTabDestinataire);
    imp->imprimerLigne(nom + QStringLiteral("  ") + prenom, destinataire);
    imp->imprimerLigne(adresse1Abon, destinataire);
    if (renseignee(adresse2Abon)) imp->imprimerLigne(adresse2Abon, destinataire);
    imp->imprimerLigne(codeAbon + QStringLiteral("  ") + villeAbon, destinataire);
    lignesVides(*imp, 5);
    imp->imprimerLigne(ville + QStringLiteral(" le ") + DateEnLettres(env().aujourdhui()), destinataire);
    lignesVides(*imp, 5);

    const int corps = ColonneTab(kTabCorps);
    for (const QString& ligne : *modele)
        imp->imprimerLigne(RemplacerMarque(ligne, titre), corps);
    imp->imprimerLigne(ligneClub, corps);
    lignesVides(*imp, 2);

    // A job that failed on the way is dropped unfinished; the letter is due again next time.
    if (imp->enErreur() || !imp->terminer()) return IssueLettre::Echec;
    session.noter(*imp);

    try {
        abonne.Edit();
        abonne.SetValue(schema::Abonne::Averti(k), niveau);
        abonne.Update();
    } catch (const ErreurBase&) {
        abonne.CancelUpdate();
        return IssueLettre::NiveauPerdu;
    }
    return IssueLettre::Imprimee;
}

} // namespace vidora
