#include "platform/Environnement.h"

#include "platform/Imprimante.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileDialog>
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

void installerEnvironnement(std::unique_ptr<Environnement> e) { courant() = std::move(e); }

void Environnement::message(const QString& texte, const QString& titre) {
    QMessageBox box(QMessageBox::NoIcon, titre.isEmpty() ? QStringLiteral("VIDORA") : titre, texte, QMessageBox::Ok,
                    parentDialogues);
    box.exec();
}

bool Environnement::question(const QString& texte, const QString& titre, ParDefaut defaut) {
    QMessageBox box(QMessageBox::Question, titre.isEmpty() ? QStringLiteral("VIDORA") : titre, texte,
                    QMessageBox::Yes | QMessageBox::No, parentDialogues);
    box.setDefaultButton(defaut == ParDefaut::Non ? QMessageBox::No : QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QDate Environnement::aujourdhui() { return QDate::currentDate(); }

QDateTime Environnement::maintenant() { return QDateTime::currentDateTime(); }

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

void Environnement::ouvrirUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

QString Environnement::dossierApplication() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QSize Environnement::tailleEcranTwips() {
    const QScreen* ecran = QGuiApplication::primaryScreen();
    const QSize px = ecran ? ecran->size() : QSize(800, 600);
    return QSize(px.width() * 15, px.height() * 15);
}

void Environnement::pointDeControle(const char*) {}

std::unique_ptr<Imprimante> Environnement::imprimante() { return creerImprimanteSysteme(dossierImpressions); }

void Environnement::attendre(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

} // namespace vidora
