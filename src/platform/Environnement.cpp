#include "platform/Environnement.h"

#include "platform/Imprimante.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>

namespace vidora {

namespace {
std::unique_ptr<Environnement>& courant() {
    static std::unique_ptr<Environnement> e;
    return e;
}
} // namespace

Environnement& env() {
    auto& e = courant();
    if (!e) e = std::make_unique<Environnement>();
    return *e;
}

void installerEnvironnement(std::unique_ptr<Environnement> e) {
    courant() = std::move(e);
}

std::unique_ptr<QMessageBox> Environnement::boite(const QString& texte, const QString& titre, bool question,
                                                  ParDefaut defaut, QWidget* parent) {
    const QString t = titre.isEmpty() ? QStringLiteral("VIDORA") : titre;
    auto b = std::make_unique<QMessageBox>(question ? QMessageBox::Question : QMessageBox::NoIcon, t, texte,
                                           question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                                           parent);
    if (question) b->setDefaultButton(defaut == ParDefaut::Non ? QMessageBox::No : QMessageBox::Yes);
    // The title bar shows the title whole: the box is at least as wide as the title in a bold face,
    // with room for the bar's icon and buttons.
    QFont gras = QApplication::font();
    gras.setBold(true);
    const int largeur = QFontMetrics(gras).horizontalAdvance(t) + 160;
    if (auto* grille = qobject_cast<QGridLayout*>(b->layout()))
        grille->addItem(new QSpacerItem(largeur, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                        grille->rowCount(), 0, 1, grille->columnCount());
    return b;
}

void Environnement::message(const QString& texte, const QString& titre) {
    boite(texte, titre, false, ParDefaut::Oui, parentDialogues)->exec();
}

bool Environnement::question(const QString& texte, const QString& titre, ParDefaut defaut) {
    return boite(texte, titre, true, defaut, parentDialogues)->exec() == QMessageBox::Yes;
}

QDate Environnement::aujourdhui() {
    return QDate::currentDate();
}

QDateTime Environnement::maintenant() {
    return QDateTime::currentDateTime();
}

void Environnement::terminer() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

QString Environnement::choisirFichier(const QString& titre, const QString& dossier, const QString& filtre) {
    return QFileDialog::getOpenFileName(parentDialogues, titre, dossier, filtre);
}

QString Environnement::choisirDossier(const QString& titre, const QString& dossier) {
    return QFileDialog::getExistingDirectory(parentDialogues, titre, dossier);
}

bool Environnement::ouvrirUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

QString Environnement::dossierApplication() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QSize Environnement::tailleEcranTwips() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize px = ecran ? ecran->size() : QSize(800, 600);
    return QSize(px.width() * 15, px.height() * 15);
}

void Environnement::pointDeControle(const char*) {}

std::unique_ptr<Imprimante> Environnement::imprimante() {
    return creerImprimanteSysteme(dossierImpressions);
}

void Environnement::attendre(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

} // namespace vidora
