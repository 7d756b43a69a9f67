#include "shell/FrmSauvegarde.h"

#include "common/Contexte.h"
#include "common/Refus.h"
#include "common/TexteFichier.h"
#include "common/Zoom.h"
#include "platform/Environnement.h"
#include "shell/Compactage.h"
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

namespace vidora {

namespace {

// The four lines of the record: the date, the first three characters of the folder, the rest,
// the application folder.
QStringList ligneFiche(const QString& dossier) {
    return {env().aujourdhui().toString(QStringLiteral("dd/MM/yyyy")), dossier.left(3), dossier.mid(3),
            ctx().CheminAppli};
}

bool ecrireFiche(const QString& dossier) {
    return EcrireLignes(FicheSauvegarde(ctx().CheminAppli), ligneFiche(dossier));
}

} // namespace

FrmSauvegarde::FrmSauvegarde() : Form(QStringLiteral("FrmSauvegarde"), QStringLiteral("Sauvegarde")) {
    Label2 = controle(LabelEncadre(this), 2000, 300, 8000, 500);
    Label2->setObjectName(QStringLiteral("Label2"));
    Drive1 = controle(new QComboBox(this), 2000, 1100, 8000, 450);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1 = controle(new QListWidget(this), 2000, 1700, 8000, 3300);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Text1 = controle(new QLineEdit(this), 2000, 5200, 8000, 450);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignCenter);
    Label1 = controle(LabelEncadre(this), 3500, 5750, 5000, 400);
    Label1->setObjectName(QStringLiteral("Label1"));
    Frame1 = controle(new QGroupBox(this), 2000, 6200, 8000, 1100);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ProgressBar1 = controle(new QProgressBar(Frame1), 300, 450, 7400, 400);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    connect(Dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setDossierDir1(QDir(dossierDir1_).filePath(item->text())); });
    // What the operator types replaces the folder picked.
    connect(Text1, &QLineEdit::textEdited, this, [this] { dossierChoisi_.clear(); });
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    connect(ajouterEntree(QStringLiteral("Sauve"), QStringLiteral("Sauvegarde")), &QAction::triggered, this,
            &FrmSauvegarde::Sauve_Click);
    connect(ajouterEntree(QStringLiteral("Restor"), QStringLiteral("Restorer")), &QAction::triggered, this,
            &FrmSauvegarde::Restor_Click);
    connect(ajouterEntree(QStringLiteral("Qite"), QStringLiteral("Quitter")), &QAction::triggered, this,
            &FrmSauvegarde::Qite_Click);
}

void FrmSauvegarde::charger() {
    MiseEnPlaceStandard(*this);
    DossierAppli = ctx().CheminAppli;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && v.isReady()) Drive1->addItem(QDir::toNativeSeparators(v.rootPath()));
    etatDepart();
    if (lireFiche(QStringLiteral("DERNIERE SAUVEGARDE"))) return;
    // No record yet, a short one, or a folder that is gone: a fresh record on the home folder.
    ecrireFiche(QDir::homePath());
    lireFiche(QStringLiteral("PREMIERE SAUVEGARDE"));
}

void FrmSauvegarde::etatDepart() {
    Label1->hide();
    Frame1->hide();
    Dir1->show();
    Drive1->show();
    Text1->setEnabled(true);
    for (const char* n : {"Sauve", "Restor", "Qite"})
        menu(QString::fromLatin1(n))->setEnabled(true);
}

bool FrmSauvegarde::lireFiche(const QString& titre) {
    const std::optional<QStringList> lignes = LireLignes(FicheSauvegarde(ctx().CheminAppli));
    if (!lignes || lignes->size() < 3) return false;
    const QString dossier = lignes->at(1) + lignes->at(2);
    if (!QDir::isAbsolutePath(dossier) || !QFileInfo(dossier).isDir()) return false;
    Label2->setText(titre + QLatin1Char(' ') + lignes->at(0));
    const QString volume = QStorageInfo(dossier).rootPath();
    sousDossier_ = QDir(volume).relativeFilePath(dossier);
    Drive1->setCurrentIndex(Drive1->findText(QDir::toNativeSeparators(volume)));
    setDossierDir1(dossier);
    return true;
}

void FrmSauvegarde::setDossierDir1(const QString& dossier) {
    dossierDir1_ = QDir::cleanPath(dossier);
    Dir1->clear();
    const QDir d(dossierDir1_);
    if (!d.isRoot()) Dir1->addItem(QStringLiteral(".."));
    Dir1->addItems(d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    Dir1_Change();
}

void FrmSauvegarde::Dir1_Change() {
    montrerDossier(dossierDir1_);
}

void FrmSauvegarde::montrerDossier(const QString& dossier) {
    Text1->setText(QDir::toNativeSeparators(dossier));
    dossierChoisi_ = dossier;
}

QString FrmSauvegarde::dossierVise() const {
    if (!dossierChoisi_.isEmpty()) return dossierChoisi_;
    return QDir::cleanPath(QDir::fromNativeSeparators(Text1->text().trimmed()));
}

void FrmSauvegarde::Drive1_Change() {
    const QString volume = QDir::fromNativeSeparators(Drive1->currentText());
    setDossierDir1(volume);
    // The same sub-folder on the new volume, when it has one.
    const QString meme = QDir(volume).filePath(sousDossier_);
    if (!sousDossier_.isEmpty() && QFileInfo(meme).isDir()) montrerDossier(meme);
}

bool FrmSauvegarde::operer(const QString& libelle, const QString& echec,
                           const std::function<void()>& travail) {
    FermerBaseEnCours();
    Label1->setText(libelle);
    Label1->show();
    Dir1->hide();
    Drive1->hide();
    Text1->setEnabled(false);
    for (const char* n : {"Sauve", "Restor", "Qite"})
        menu(QString::fromLatin1(n))->setEnabled(false);
    ProgressBar1->setValue(0);
    Frame1->setTitle(QString());
    Frame1->show();
    QCoreApplication::processEvents();
    QString erreur;
    try {
        travail();
    } catch (const Refus& e) {
        erreur = e.message();
    } catch (const ErreurBase& e) {
        erreur = e.message();
    } catch (const std::exception& e) {
        erreur = QString::fromUtf8(e.what());
    }
    RouvrirBaseEnCours();
    if (erreur.isEmpty()) {
        ProgressBar1->setMaximum(std::max(ProgressBar1->maximum(), 1));
        ProgressBar1->setValue(ProgressBar1->maximum());
        return true;
    }
    env().message(echec + QLatin1Char('\n') + erreur);
    etatDepart();
    return false;
}

void FrmSauvegarde::montrer(const QString& nom, int indice, int nombre) {
    ProgressBar1->setMaximum(nombre);
    ProgressBar1->setValue(indice);
    Frame1->setTitle(nom);
    // The bar and the file's name are drawn while the copies go on.
    QCoreApplication::processEvents();
}

void FrmSauvegarde::Sauve_Click() {
    const QString dest = dossierVise();
    if (const QString refus = RefusDestination(dest, DossierAppli); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    const Avancement avancer = [this](const QString& nom, int i, int n) { montrer(nom, i, n); };
    const bool fait =
        operer(QStringLiteral("SAUVEGARDE"), QStringLiteral("LA SAUVEGARDE N'A PAS PU SE FAIRE."),
               [&] { Sauvegarder(DossierAppli, dest, ligneFiche(dest), avancer); });
    if (!fait) return;
    // Only now that the backup is whole does the program's own record name it.
    if (!ecrireFiche(dest))
        env().message(QStringLiteral("LA SAUVEGARDE EST FAITE, MAIS LE FICHIER %1 NE PEUT ETRE ECRIT.")
                          .arg(QDir::toNativeSeparators(FicheSauvegarde(DossierAppli))));
    QDir::setCurrent(DossierAppli);
    Text1->setText(QStringLiteral("C'EST FINI"));
    menu(QStringLiteral("Qite"))->setEnabled(true);
}

void FrmSauvegarde::Restor_Click() {
    const QString source = dossierVise();
    if (const QString refus = RefusChemin(source); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    if (TrouverFichier(source, kFicheSauvegarde).isEmpty()) {
        env().message(QStringLiteral("CE DOSSIER NE TIENT PAS DE SAUVEGARDE : %1 MANQUE")
                          .arg(QDir::toNativeSeparators(QDir(source).filePath(kFicheSauvegarde))));
        return;
    }
    const Avancement avancer = [this](const QString& nom, int i, int n) { montrer(nom, i, n); };
    // Always into this application folder: the folder written in the backup's record is only a text.
    if (!operer(QStringLiteral("RESTORATION"), QStringLiteral("LA RESTORATION N'A PAS PU SE FAIRE."),
                [&] { Restaurer(source, DossierAppli, avancer); }))
        return;
    QDir::setCurrent(DossierAppli);
    RendreLaMain(this);
}

void FrmSauvegarde::Qite_Click() {
    RendreLaMain(this);
}

} // namespace vidora
