#include "members/FrmLettreRappel.h"

#include "common/Contexte.h"
#include "common/Delais.h"
#include "common/Echec.h"
#include "common/Grilles.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "members/LettreRappel.h"
#include "platform/Environnement.h"
#include "platform/Grid.h"
#include "platform/Imprimante.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLineEdit>

namespace vidora {

namespace {

const QVector<ColonneGrille>& colonnesRappel() {
    static const QVector<ColonneGrille> colonnes = {
        {QStringLiteral("REF"), 900, {}},     {QStringLiteral("NOM ABONNE"), 1700, {}},
        {QStringLiteral("PRENOM"), 1500, {}}, {QStringLiteral("ADRESSE 1"), 1400, {}},
        {QStringLiteral("CODE"), 610, {}},    {QStringLiteral("VILLE"), 1100, {}},
        {QStringLiteral("CD 1"), 1080, {}},   {QStringLiteral("CD 2"), 1080, {}},
        {QStringLiteral("CD 3"), 1080, {}},
    };
    return colonnes;
}

// A slot is empty when its due date holds the empty mark or was never written.
bool caseVide(const Recordset& t, int k) {
    return t.EstNull(schema::Abonne::DateRest(k)) || t.Texte(schema::Abonne::DateRest(k)) == MarqueVide;
}

QStringList ligneGrille(const Recordset& t) {
    QStringList cellules;
    for (const schema::NomSchema c :
         {schema::Abonne::MatriculeAbon, schema::Abonne::NomAbon, schema::Abonne::PrenomAbon,
          schema::Abonne::Adresse1Abon, schema::Abonne::CodeAbon, schema::Abonne::VilleAbon})
        cellules << t.Texte(c);
    for (int k = 1; k <= 3; ++k)
        cellules << (caseVide(t, k) ? QStringLiteral("PAS DE FILM") : t.Texte(schema::Abonne::DateRest(k)));
    return cellules;
}

QString pluriel(int n, const QString& singulier, const QString& pluriel) {
    return n > 1 ? pluriel : singulier;
}

} // namespace

FrmLettreRappel::FrmLettreRappel()
    : Form(QStringLiteral("FrmLettreRappel"), QStringLiteral("Lettre de Rappel")) {
    grilleRetardataires = controle(new MSFlexGrid(this), "grilleRetardataires", 150, 300, 11600, 7100);
    grilleRetardataires->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Kept out of sight: they only carry the delays of the pass.
    caseDelaiMini = controle(new QLineEdit(this), "caseDelaiMini", 150, 9600, 1000, 450);
    caseDelaiMaxi = controle(new QLineEdit(this), "caseDelaiMaxi", 1300, 9600, 1000, 450);
    caseDelaiMini->hide();
    caseDelaiMaxi->hide();
    connect(ajouterEntree(QStringLiteral("Retour"), QStringLiteral("Retour")), &QAction::triggered, this,
            &FrmLettreRappel::revenir);
}

void FrmLettreRappel::charger() {
    MiseEnPlaceStandard(*this);
    const auto echec =
        MessageEchec(QStringLiteral("LE RAPPEL N'A PAS PU ETRE FAIT"), [&] { imprimerRappels(); });
    if (echec) {
        ctx().fermerTables();
        typeLettreEnCours = 0;
        env().message(*echec);
    }
}

void FrmLettreRappel::imprimerRappels() {
    bool imprime = false;
    grilleRetardataires->setVisible(false);
    {
        auto para = ctx().base().ouvrirTable(schema::Para::table);
        if (para->Fin()) {
            env().message(QStringLiteral("LES PARAMETRES DU CLUB SONT ABSENTS DE LA BASE : AUCUNE LETTRE DE "
                                         "RAPPEL N'A ETE IMPRIMEE.\nRENSEIGNEZ-LES PAR Outil > Paramettre."));
            return;
        }
        caseDelaiMini->setText(para->Texte(schema::Para::DelaiMini));
        caseDelaiMaxi->setText(para->Texte(schema::Para::DelaiMaxi));
    }
    // A delay that begins with no digit counts as no delay at all.
    const int mini = LireDelai(caseDelaiMini->text()).value_or(0);
    const int maxi = LireDelai(caseDelaiMaxi->text()).value_or(0);
    PreparerEntetes(*grilleRetardataires, colonnesRappel());

    const QDate aujourdhui = env().aujourdhui();
    SessionImpression session;
    QStringList modelesAbsents;
    QStringList modelesTropGrands;
    int echecs = 0;
    int niveauxPerdus = 0;
    {
        TablesFermees fermees;
        Recordset& t = ctx().ouvrirTable(schema::Abonne::table);
        typeLettreEnCours = 0;
        while (!t.Fin()) {
            try {
                // Each occupied slot is weighed on its own: a slot whose letter already went out
                // is passed, the member's next slots still are looked at. A member is listed when
                // any of its slots is late.
                bool enRetard = false;
                for (int k = 1; k <= 3; ++k) {
                    if (caseVide(t, k)) continue;
                    // A due date that does not read as a day is left alone, never guessed.
                    const std::optional<QDate> echeance = LireEcheance(t.Texte(schema::Abonne::DateRest(k)));
                    if (!echeance) continue;
                    const qint64 jours = echeance->daysTo(aujourdhui);
                    if (jours > 0) enRetard = true;
                    const QString averti = schema::Abonne::Averti(k);
                    const int niveau = t.EstNull(averti) ? 0 : t.Value(averti).toInt();
                    int type = 0;
                    if (jours > maxi && niveau != 1)
                        type = 2 * k - 1;
                    else if (jours > mini && jours <= maxi && niveau != 2)
                        type = 2 * k;
                    if (type == 0) continue;
                    typeLettreEnCours = type;
                    imprime = true;
                    const IssueLettre issue = EcrireLettre(t, type, session);
                    typeLettreEnCours = 0;
                    if (issue == IssueLettre::ModeleAbsent && !modelesAbsents.contains(ModeleDuType(type)))
                        modelesAbsents << ModeleDuType(type);
                    if (issue == IssueLettre::ModeleTropGrand &&
                        !modelesTropGrands.contains(ModeleDuType(type)))
                        modelesTropGrands << ModeleDuType(type);
                    if (issue == IssueLettre::Echec) ++echecs;
                    if (issue == IssueLettre::NiveauPerdu) ++niveauxPerdus;
                }
                if (enRetard)
                    AjouterLigneGrille(*grilleRetardataires, ligneGrille(t), QString::number(t.Cle()));
            } catch (const std::exception&) {
                // A member that cannot be read is left for the next pass; the walk goes on.
                typeLettreEnCours = 0;
                ++echecs;
            }
            t.MoveNext();
        }
    }

    if (imprime)
        grilleRetardataires->setVisible(true);
    else
        env().message(QStringLiteral("PAS DE LETTRE DE RAPPEL"));

    QStringList avis;
    if (!modelesAbsents.isEmpty()) {
        const bool un = modelesAbsents.size() == 1;
        avis << (un ? QStringLiteral(
                          "LE MODELE DE LETTRE %1 EST INTROUVABLE DANS LE DOSSIER DE L'APPLICATION : "
                          "LES LETTRES QUI EN DEPENDENT N'ONT PAS ETE IMPRIMEES.\nECRIVEZ-LE PAR "
                          "Outil > Lettre de Rapel ; ELLES SERONT IMPRIMEES AU PROCHAIN RAPPEL.")
                    : QStringLiteral(
                          "LES MODELES DE LETTRE %1 SONT INTROUVABLES DANS LE DOSSIER DE "
                          "L'APPLICATION : AUCUNE LETTRE N'A ETE IMPRIMEE.\nECRIVEZ-LES PAR Outil > "
                          "Lettre de Rapel ; ELLES SERONT IMPRIMEES AU PROCHAIN RAPPEL."))
                    .arg(modelesAbsents.join(QStringLiteral(" ET ")));
    }
    for (const QString& m : modelesTropGrands)
        avis << QStringLiteral(
                    "LE MODELE DE LETTRE %1 A UNE LIGNE DE PLUS DE %2 CARACTERES : LES LETTRES QUI EN "
                    "DEPENDENT N'ONT PAS ETE IMPRIMEES.\nECRIVEZ-EN UN AUX LIGNES PLUS COURTES PAR Outil > "
                    "Lettre de Rapel ; ELLES SERONT IMPRIMEES AU PROCHAIN RAPPEL.")
                    .arg(m)
                    .arg(LongueurMaxLigneModele);
    if (echecs > 0)
        avis << QStringLiteral("%1 %2 AU PROCHAIN RAPPEL.")
                    .arg(echecs)
                    .arg(pluriel(
                        echecs, QStringLiteral("LETTRE DE RAPPEL N'A PAS PU ETRE IMPRIMEE ; ELLE LE SERA"),
                        QStringLiteral("LETTRES DE RAPPEL N'ONT PAS PU ETRE IMPRIMEES ; ELLES LE SERONT")));
    if (niveauxPerdus > 0)
        avis << QStringLiteral("%1 %2 AU PROCHAIN RAPPEL.")
                    .arg(niveauxPerdus)
                    .arg(pluriel(
                        niveauxPerdus,
                        QStringLiteral("LETTRE IMPRIMEE N'A PAS PU ETRE NOTEE DANS LA BASE : ELLE SERA "
                                       "IMPRIMEE DE NOUVEAU"),
                        QStringLiteral("LETTRES IMPRIMEES N'ONT PAS PU ETRE NOTEES DANS LA BASE : ELLES "
                                       "SERONT IMPRIMEES DE NOUVEAU")));
    if (!avis.isEmpty()) env().message(avis.join(QStringLiteral("\n\n")));
    if (const QString fichiers = session.avisFichiers(); !fichiers.isEmpty()) env().message(fichiers);
}

void FrmLettreRappel::revenir() {
    RendreLaMain(this);
}

} // namespace vidora
