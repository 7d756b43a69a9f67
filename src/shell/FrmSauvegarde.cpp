#include "shell/FrmSauvegarde.h"

#include "common/Contexte.h"
#include "common/Refus.h"
#include "common/TexteFichier.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/Compactage.h"
#include "shell/MDIForm1.h"
#include "shell/Ouverture.h"
#include "shell/Sauvegarde.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QStorageInfo>

#include <algorithm>
#include <optional>

namespace vidora {

namespace {

// The four lines of the record: the date, the first three characters of the folder, the rest,
// the application folder.
QStringList ligneFiche(const QString& dossier) {
    return {env().aujourdhui().toString(QStringLiteral("dd/MM/yyyy")), dossier.left(3), dossier.mid(3),
            ctx().CheminAppli};
}

bool ecrireFiche(const QString& dossier) {
    return !EcrireLignes(FicheSauvegarde(ctx().CheminAppli), ligneFiche(dossier));
}

// The folder offered before any backup: a folder of its own in the home folder, which the first
// backup makes. The home folder itself holds the application folder, where no backup may go.
QString dossierPropose() {
    return QDir(QDir::homePath()).filePath(QStringLiteral("Sauvegardes VIDORA"));
}

QString natif(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

bool memeDossier(const QString& a, const QString& b) {
    if (QDir::cleanPath(QDir::fromNativeSeparators(a)) == QDir::cleanPath(b)) return true;
    const QString reel = QFileInfo(a).canonicalFilePath();
    return !reel.isEmpty() && reel == QFileInfo(b).canonicalFilePath();
}

// The record of the backup that `dossier` holds when that backup comes from another application
// folder: its four lines. Nothing when the folder holds no backup, or one of this folder, or a
// record that names no folder.
std::optional<QStringList> ficheEtrangere(const QString& dossier, const QString& dossierAppli) {
    const QString fiche = TrouverFichier(dossier, kFicheSauvegarde);
    if (fiche.isEmpty()) return std::nullopt;
    std::optional<QStringList> lignes = LireLignes(fiche);
    if (!lignes || lignes->size() < 4 || lignes->at(3).trimmed().isEmpty() ||
        memeDossier(lignes->at(3), dossierAppli))
        return std::nullopt;
    return lignes;
}

} // namespace

FrmSauvegarde::FrmSauvegarde() : Form(QStringLiteral("FrmSauvegarde"), QStringLiteral("Sauvegarde")) {
    bandeauDerniereSauvegarde =
        controle(LabelEncadre(this), "bandeauDerniereSauvegarde", 2000, 300, 8000, 500);
    listeLecteurs = controle(new QComboBox(this), "listeLecteurs", 2000, 1100, 8000, 450);
    listeDossiers = controle(new QListWidget(this), "listeDossiers", 2000, 1700, 8000, 3300);
    caseDossier = controle(new QLineEdit(this), "caseDossier", 2000, 5200, 8000, 450);
    caseDossier->setAlignment(Qt::AlignCenter);
    bandeauOperation = controle(LabelEncadre(this), "bandeauOperation", 3500, 5750, 5000, 400);
    zoneProgression = controle(new QGroupBox(this), "zoneProgression", 2000, 6200, 8000, 1100);
    barreProgression = controle(new QProgressBar(zoneProgression), "barreProgression", 300, 450, 7400, 400);
    connect(listeDossiers, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setDossierListe(QDir(dossierListe_).filePath(item->text())); });
    connect(listeLecteurs, &QComboBox::activated, this, [this] { lecteurChoisi(); });
    connect(ajouterEntree(QStringLiteral("Sauve"), QStringLiteral("Sauvegarde")), &QAction::triggered, this,
            &FrmSauvegarde::sauvegarder);
    connect(ajouterEntree(QStringLiteral("Restor"), QStringLiteral("Restorer")), &QAction::triggered, this,
            &FrmSauvegarde::restaurer);
    connect(ajouterEntree(QStringLiteral("Qite"), QStringLiteral("Quitter")), &QAction::triggered, this,
            &FrmSauvegarde::quitter);
}

void FrmSauvegarde::charger() {
    MiseEnPlaceStandard(*this);
    dossierAppli_ = ctx().CheminAppli;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady()) listeLecteurs->addItem(QDir::toNativeSeparators(v.rootPath()));
    etatDepart();
    if (lireFiche(QStringLiteral("DERNIERE SAUVEGARDE"), false)) return;
    // No record yet, a short one, or a folder that is gone: a fresh record on the folder offered.
    ecrireFiche(dossierPropose());
    lireFiche(QStringLiteral("PREMIERE SAUVEGARDE"), true);
}

void FrmSauvegarde::etatDepart() {
    bandeauOperation->hide();
    zoneProgression->hide();
    listeDossiers->show();
    listeLecteurs->show();
    caseDossier->setEnabled(true);
    for (const char* n : {"Sauve", "Restor", "Qite"})
        menu(QString::fromLatin1(n))->setEnabled(true);
}

bool FrmSauvegarde::lireFiche(const QString& titre, bool aFaire) {
    const std::optional<QStringList> lignes = LireLignes(FicheSauvegarde(ctx().CheminAppli));
    if (!lignes || lignes->size() < 3) return false;
    const QString dossier = lignes->at(1) + lignes->at(2);
    // A folder still to be made: the list shows the folder that will hold it.
    const QString liste = aFaire && !QFileInfo::exists(dossier) ? QFileInfo(dossier).absolutePath() : dossier;
    if (!QDir::isAbsolutePath(dossier) || !QFileInfo(liste).isDir()) return false;
    // A backup interrupted in that folder is finished or undone before anything reads it.
    if (QFileInfo(dossier).isDir())
        if (const QString avis = ReprendreSauvegardeInterrompue(dossier); !avis.isEmpty())
            env().message(avis);
    bandeauDerniereSauvegarde->setText(titre + QLatin1Char(' ') + lignes->at(0));
    const QString volume = QStorageInfo(liste).rootPath();
    sousDossier_ = QDir(volume).relativeFilePath(dossier);
    listeLecteurs->setCurrentIndex(listeLecteurs->findText(natif(volume)));
    setDossierListe(liste);
    if (liste != dossier) montrerDossier(dossier);
    return true;
}

void FrmSauvegarde::setDossierListe(const QString& dossier) {
    dossierListe_ = QDir::cleanPath(dossier);
    listeDossiers->clear();
    const QDir d(dossierListe_);
    if (!d.isRoot()) listeDossiers->addItem(QStringLiteral(".."));
    listeDossiers->addItems(d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    dossierParcouru();
}

void FrmSauvegarde::dossierParcouru() {
    montrerDossier(dossierListe_);
}

void FrmSauvegarde::montrerDossier(const QString& dossier) {
    caseDossier->setText(natif(dossier));
    dossierChoisi_ = dossier;
}

QString FrmSauvegarde::dossierVise() const {
    // The folder shown by the window, exactly as it is (its name may end with a blank). Any other
    // text is a folder given by the operator, however it came into the box: typed, pasted, or set
    // by an assistive tool.
    if (!dossierChoisi_.isEmpty() && caseDossier->text() == natif(dossierChoisi_)) return dossierChoisi_;
    return QDir::cleanPath(QDir::fromNativeSeparators(caseDossier->text().trimmed()));
}

void FrmSauvegarde::lecteurChoisi() {
    const QString volume = QDir::fromNativeSeparators(listeLecteurs->currentText());
    setDossierListe(volume);
    // The same sub-folder on the new volume, when it has one.
    const QString meme = QDir(volume).filePath(sousDossier_);
    if (!sousDossier_.isEmpty() && QFileInfo(meme).isDir()) montrerDossier(meme);
}

bool FrmSauvegarde::operer(const QString& libelle, const QString& enCours, const QString& echec,
                           const QString& intact, const std::function<void()>& travail) {
    // The copy lets the message loop run: until it ends, the frame stays and so does this window.
    const TravailEnCours garde(enCours);
    FermerBaseEnCours();
    bandeauOperation->setText(libelle);
    bandeauOperation->show();
    listeDossiers->hide();
    listeLecteurs->hide();
    caseDossier->setEnabled(false);
    for (const char* n : {"Sauve", "Restor", "Qite"})
        menu(QString::fromLatin1(n))->setEnabled(false);
    barreProgression->setValue(0);
    zoneProgression->setTitle(QString());
    zoneProgression->show();
    QCoreApplication::processEvents();
    QString erreur;
    try {
        travail();
    } catch (const Refus& e) {
        erreur = e.message();
    } catch (const ErreurBase& e) {
        // A failure that the copy did not foresee says only what it is: what was kept is told here.
        erreur = e.message() + QLatin1Char('\n') + intact;
    } catch (const std::exception& e) {
        erreur = QString::fromUtf8(e.what()) + QLatin1Char('\n') + intact;
    }
    RouvrirBaseEnCours();
    if (erreur.isEmpty()) {
        barreProgression->setMaximum(std::max(barreProgression->maximum(), 1));
        barreProgression->setValue(barreProgression->maximum());
        return true;
    }
    env().message(echec + QLatin1Char('\n') + erreur);
    etatDepart();
    return false;
}

void FrmSauvegarde::montrer(const QString& nom, int indice, int nombre) {
    barreProgression->setMaximum(nombre);
    barreProgression->setValue(indice);
    zoneProgression->setTitle(nom);
    // The bar and the file's name are drawn while the copies go on.
    QCoreApplication::processEvents();
}

void FrmSauvegarde::sauvegarder() {
    const QString dest = dossierVise();
    if (const QString refus = RefusDestination(dest, dossierAppli_); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    const Avancement avancer = [this](const QString& nom, int i, int n) { montrer(nom, i, n); };
    if (const std::optional<QStringList> autre = ficheEtrangere(dest, dossierAppli_)) {
        const QString question =
            QStringLiteral("LE DOSSIER %1 TIENT LA SAUVEGARDE DU %2 D'UN AUTRE DOSSIER DU PROGRAMME :\n%3\n"
                           "LA SAUVEGARDE DE CE DOSSIER-CI LA REMPLACERA. CONTINUER ?")
                .arg(natif(dest), autre->at(0), natif(autre->at(3)));
        if (!env().question(question, QString(), Environnement::ParDefaut::Non)) return;
    }
    const bool fait =
        operer(QStringLiteral("SAUVEGARDE"),
               QStringLiteral("LA SAUVEGARDE EST EN COURS : VIDORA NE PEUT ETRE FERME AVANT SA FIN."),
               QStringLiteral("LA SAUVEGARDE N'A PAS PU SE FAIRE."),
               QStringLiteral("LES FICHIERS DU DOSSIER DU PROGRAMME N'ONT PAS CHANGE."),
               [&] { Sauvegarder(dossierAppli_, dest, ligneFiche(dest), avancer); });
    if (!fait) return;
    // Only now that the backup is whole does the program's own record name it.
    if (!ecrireFiche(dest))
        env().message(QStringLiteral("LA SAUVEGARDE EST FAITE, MAIS LE FICHIER %1 NE PEUT ETRE ECRIT : "
                                     "IL GARDE LE DOSSIER ET LA DATE DE LA SAUVEGARDE PRECEDENTE.")
                          .arg(natif(FicheSauvegarde(dossierAppli_))));
    QDir::setCurrent(dossierAppli_);
    caseDossier->setText(QStringLiteral("C'EST FINI"));
    menu(QStringLiteral("Qite"))->setEnabled(true);
}

void FrmSauvegarde::restaurer() {
    const QString source = dossierVise();
    if (const QString refus = RefusChemin(source); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    // An unreadable folder is the restore's to report: it is not a folder without a backup.
    if (QDir(source).isReadable() && TrouverFichier(source, kFicheSauvegarde).isEmpty()) {
        env().message(QStringLiteral("CE DOSSIER NE TIENT PAS DE SAUVEGARDE : %1 MANQUE")
                          .arg(natif(QDir(source).filePath(kFicheSauvegarde))));
        return;
    }
    // Always into this application folder: the folder written in the backup's record only tells
    // where the backup comes from. A club moving to another folder or machine restores this way.
    if (const std::optional<QStringList> autre = ficheEtrangere(source, dossierAppli_)) {
        const QString question =
            QStringLiteral("CETTE SAUVEGARDE DU %1 VIENT D'UN AUTRE DOSSIER DU PROGRAMME :\n%2\n"
                           "SES FICHIERS REMPLACERONT CEUX DE CE DOSSIER-CI :\n%3\nCONTINUER ?")
                .arg(autre->at(0), natif(autre->at(3)), natif(dossierAppli_));
        if (!env().question(question, QString(), Environnement::ParDefaut::Non)) return;
    }
    const Avancement avancer = [this](const QString& nom, int i, int n) { montrer(nom, i, n); };
    if (!operer(QStringLiteral("RESTORATION"),
                QStringLiteral("LA RESTORATION EST EN COURS : VIDORA NE PEUT ETRE FERME AVANT SA FIN."),
                QStringLiteral("LA RESTORATION N'A PAS PU SE FAIRE."),
                QStringLiteral("LES FICHIERS DU DOSSIER DE LA SAUVEGARDE N'ONT PAS CHANGE."),
                [&] { Restaurer(source, dossierAppli_, avancer); }))
        return;
    QDir::setCurrent(dossierAppli_);
    RendreLaMain(this);
}

void FrmSauvegarde::quitter() {
    RendreLaMain(this);
}

} // namespace vidora
