#include "ImprimanteEnregistreuse.h"

#include <QDir>

#include <utility>

namespace vidora {

ImprimanteEnregistreuse::ImprimanteEnregistreuse(std::shared_ptr<JournalImpression> journal)
    : journal_(std::move(journal)) {}

ImprimanteEnregistreuse::~ImprimanteEnregistreuse() {
    if (demarre_ && !termine_) ++journal_->abandons;
}

bool ImprimanteEnregistreuse::demarrer(const QString& nomDuTravail) {
    if (demarre_) {
        erreur_ = true;
        return false;
    }
    const int numero = journal_->demarrages++;
    const bool vise = journal_->travailEnEchec < 0 || journal_->travailEnEchec == numero;
    if (vise && journal_->echecDemarrage) {
        erreur_ = true;
        return false;
    }
    demarre_ = true;
    echecApresLignes_ = vise ? journal_->echecApresLignes : -1;
    travail_.nom = nomDuTravail;
    travail_.pages = {{}};
    return true;
}

void ImprimanteEnregistreuse::setPolice(const QString& nom, double taille) {
    police_ = nom;
    taille_ = taille;
}

void ImprimanteEnregistreuse::setCouleur(const QColor& couleur) {
    couleur_ = couleur;
}

void ImprimanteEnregistreuse::imprimerLigne(const QString& texte, int colonne) {
    ajouter({MorceauLigne{colonne, texte}});
}

void ImprimanteEnregistreuse::imprimerColonnes(const QList<MorceauLigne>& morceaux) {
    ajouter(morceaux);
}

void ImprimanteEnregistreuse::imprimerLigneCoupee(const QString& texte, int colonne) {
    ajouter({MorceauLigne{colonne, texte}}, true);
}

void ImprimanteEnregistreuse::ligneVide() {
    ajouter({});
}

void ImprimanteEnregistreuse::ajusterPage(int colonnes, int rangees) {
    if (!demarre_ || termine_) erreur_ = true;
    if (erreur_) return;
    travail_.colonnesPage = colonnes;
    travail_.rangeesPage = rangees;
}

void ImprimanteEnregistreuse::nouvellePage() {
    if (!demarre_ || termine_) erreur_ = true;
    if (erreur_) return;
    travail_.pages.append(QList<LigneEnregistree>());
}

bool ImprimanteEnregistreuse::terminer() {
    if (!demarre_ || termine_) {
        erreur_ = true;
        return false;
    }
    termine_ = true;
    if (erreur_) {
        ++journal_->abandons;
        return false;
    }
    if (!journal_->dossierPdf.isEmpty())
        fichier_ = QDir(journal_->dossierPdf).absoluteFilePath(nomDeFichier(travail_.nom) + ".pdf");
    journal_->travaux.append(travail_);
    return true;
}

void ImprimanteEnregistreuse::ajouter(const QList<MorceauLigne>& morceaux, bool coupee) {
    if (!demarre_ || termine_) erreur_ = true;
    if (erreur_) return;
    if (echecApresLignes_ >= 0 && lignes_ >= echecApresLignes_) {
        erreur_ = true;
        return;
    }
    ++lignes_;
    LigneEnregistree ligne{{}, 0, police_, taille_, couleur_, {}, coupee};
    if (!morceaux.isEmpty()) {
        ligne.texte = morceaux.first().texte;
        ligne.colonne = morceaux.first().colonne;
        ligne.suite = morceaux.mid(1);
    }
    travail_.pages.last().append(ligne);
}

} // namespace vidora
