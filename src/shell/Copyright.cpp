#include "shell/Copyright.h"

#include "common/Contexte.h"
#include "shell/Fond.h"
#include "shell/FrmDepart.h"

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
    zonePresentation = controle(new QGroupBox(this), "zonePresentation", 100, 50, 7200, 4300);
    imageLogo = controle(new QLabel(zonePresentation), "imageLogo", 200, 300, 2200, 2200);
    imageLogo->setScaledContents(true);
    imageLogo->setPixmap(QPixmap(QStringLiteral(":/assets/logo.png")));
    libelleProduit = controle(texte(zonePresentation, QStringLiteral("VIDORA"), 24, "blue"), "libelleProduit",
                              2700, 300, 4300, 700);
    libelleChargement =
        controle(texte(zonePresentation, QStringLiteral("Patienrez, Chargement des paramettres"), 9, "black"),
                 "libelleChargement", 2700, 1100, 4300, 300);
    valeurVersion =
        controle(texte(zonePresentation, QString(), 12, "green"), "valeurVersion", 2700, 1500, 4300, 400);
    libelleCopyright =
        controle(texte(zonePresentation, QString(), 12, "black"), "libelleCopyright", 2700, 2000, 4300, 400);
    libelleSociete =
        controle(texte(zonePresentation, QString(), 12, "black"), "libelleSociete", 2700, 2450, 4300, 400);
    libelleAvertissement = controle(
        texte(zonePresentation,
              QStringLiteral("Ce programme est distribué gratuitement : il ne peut être vendu."), 9, "red"),
        "libelleAvertissement", 200, 2900, 6800, 600);
    libelleAvertissement->setWordWrap(true);
    libellePied = controle(new QLabel(this), "libellePied", 100, 4400, 7200, 200);
    barreProgression = controle(new QProgressBar(this), "barreProgression", 100, 4650, 7200, 300);
    minuterie = new QTimer(this);
    minuterie->setInterval(150);
    connect(minuterie, &QTimer::timeout, this, &Copyright::avancer);
    resize(7400 / 15, 5100 / 15);
}

void Copyright::charger() {
    show();
    fond_ = new Fond;
    fond_->charger();
    // The splash stays above the background and every other window.
    raise();
    if (const QScreen* ecran = screen()) move(ecran->geometry().center() - QPoint(width() / 2, height() / 2));
    valeurVersion->setText(QStringLiteral("Version %1.%2.%3")
                               .arg(VIDORA_VERSION_MAJOR)
                               .arg(VIDORA_VERSION_MINOR)
                               .arg(VIDORA_VERSION_PATCH));
    valeurVersion->adjustSize();
    libelleCopyright->setText(QStringLiteral("© 2026 Tavrel. Tous droits réservés."));
    libelleSociete->setText(QStringLiteral("Société : Tavrel"));
    ctx().Compteur = 0;
    barreProgression->setMaximum(100);
    barreProgression->setValue(0);
    minuterie->start();
}

void Copyright::avancer() {
    Contexte& c = ctx();
    if (c.Compteur >= 101) return;
    c.Compteur += 1;
    if (c.Compteur == 101) {
        // Stopped first, so that no tick can come while the main window loads.
        minuterie->stop();
        ChargerFrmDepart();
        if (fond_) fond_->decharger();
        decharger();
        return;
    }
    barreProgression->setValue(c.Compteur);
}

} // namespace vidora
