#include "shell/Copyright.h"

#include "common/Contexte.h"
#include "shell/Fond.h"
#include "shell/Ouverture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

namespace vidora {

namespace {
QLabel* texte(QWidget* parent, const QString& s, int taille, const char* couleur) {
    auto* l = new QLabel(s, parent);
    QFont f(QStringLiteral("Arial"), taille);
    f.setBold(true);
    f.setItalic(true);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color:%1;").arg(QString::fromLatin1(couleur)));
    return l;
}
} // namespace

Copyright::Copyright() : Form(QStringLiteral("Copyright"), QStringLiteral("VIDORA")) {
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::SplashScreen);
    Frame1 = new QGroupBox(this);
    twips::setGeometrie(Frame1, 100, 50, 7200, 4300);
    imgLogo = new QLabel(Frame1);
    imgLogo->setScaledContents(true);
    imgLogo->setPixmap(QPixmap(QStringLiteral(":/assets/logo.png")));
    twips::setGeometrie(imgLogo, 200, 300, 2200, 2200);
    lblProductName = texte(Frame1, QStringLiteral("VIDORA"), 24, "blue");
    twips::setGeometrie(lblProductName, 2700, 300, 4300, 700);
    lblPlatform0 = texte(Frame1, QStringLiteral("Patienrez, Chargement des paramettres"), 9, "black");
    twips::setGeometrie(lblPlatform0, 2700, 1100, 4300, 300);
    lblVersion = texte(Frame1, QString(), 12, "green");
    twips::setGeometrie(lblVersion, 2700, 1500, 4300, 400);
    lblCopyright = texte(Frame1, QString(), 12, "black");
    twips::setGeometrie(lblCopyright, 2700, 2000, 4300, 400);
    lblCopyright2 = texte(Frame1, QString(), 12, "black");
    twips::setGeometrie(lblCopyright2, 2700, 2450, 4300, 400);
    lblWarning = texte(
        Frame1, QStringLiteral("Ce programme est distribué gratuitement : il ne peut être vendu."), 9, "red");
    lblWarning->setWordWrap(true);
    twips::setGeometrie(lblWarning, 200, 2900, 6800, 600);
    lblPlatform1 = new QLabel(this);
    twips::setGeometrie(lblPlatform1, 100, 4400, 7200, 200);
    ProgressBar1 = new QProgressBar(this);
    twips::setGeometrie(ProgressBar1, 100, 4650, 7200, 300);
    Timer1 = new QTimer(this);
    Timer1->setInterval(150);
    connect(Timer1, &QTimer::timeout, this, &Copyright::Timer1_Timer);
    resize(7400 / 15, 5100 / 15);
}

void Copyright::charger() {
    show();
    fond_ = new Fond;
    fond_->charger();
    // The splash stays above the background and every other window.
    raise();
    if (const QScreen* ecran = screen()) move(ecran->geometry().center() - QPoint(width() / 2, height() / 2));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(VIDORA_VERSION_MAJOR)
                            .arg(VIDORA_VERSION_MINOR)
                            .arg(VIDORA_VERSION_PATCH));
    lblVersion->adjustSize();
    lblCopyright->setText(QStringLiteral("© 2026 Tavrel. Tous droits réservés."));
    lblCopyright2->setText(QStringLiteral("Société : Tavrel"));
    ctx().Compteur = 0;
    ProgressBar1->setMaximum(100);
    ProgressBar1->setValue(0);
    Timer1->start();
}

void Copyright::Timer1_Timer() {
    Contexte& c = ctx();
    if (c.Compteur >= 101) return;
    c.Compteur += 1;
    if (c.Compteur == 101) {
        // Stopped first, so that no tick can come while the main window loads.
        Timer1->stop();
        ChargerFrmDepart();
        if (fond_) fond_->decharger();
        decharger();
        return;
    }
    ProgressBar1->setValue(c.Compteur);
}

} // namespace vidora
