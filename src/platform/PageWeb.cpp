#include "platform/PageWeb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>

namespace vidora {

namespace {
constexpr int kDelaiMs = 20000;

void chargerParLeReseau(const QUrl& adresse, QObject* receveur, PageWeb::Reponse reponse) {
    static QNetworkAccessManager* reseau = new QNetworkAccessManager(QCoreApplication::instance());
    QNetworkRequest requete(adresse);
    requete.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    requete.setTransferTimeout(kDelaiMs);
    requete.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("VIDORA/1.0 (Qt)"));
    QNetworkReply* r = reseau->get(requete);
    QPointer<QObject> garde(receveur);
    QObject::connect(r, &QNetworkReply::finished, r, [r, garde, reponse] {
        r->deleteLater();
        if (!garde) return;
        const bool ok = r->error() == QNetworkReply::NoError;
        reponse(ok, ok ? r->readAll() : QByteArray(), r->url());
    });
}

PageWeb::Chargeur& chargeur() {
    static PageWeb::Chargeur c = chargerParLeReseau;
    return c;
}
} // namespace

PageWeb::PageWeb(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &PageWeb::lienChoisi);
}

void PageWeb::installerChargeur(Chargeur c) {
    chargeur() = c ? std::move(c) : Chargeur(chargerParLeReseau);
}

QString PageWeb::TexteInaccessible(const QUrl& adresse) {
    return QStringLiteral("La page %1 ne peut pas être affichée : pas de connexion au réseau, ou le site ne "
                          "répond pas.")
        .arg(adresse.toDisplayString());
}

void PageWeb::naviguer(const QUrl& adresse) {
    adresse_ = adresse;
    const quint64 demande = ++demande_;
    setPlainText(QStringLiteral("Chargement de %1 ...").arg(adresse.toDisplayString()));
    if (!adresse.isValid() || adresse.isEmpty()) {
        recevoir(demande, false, {}, adresse);
        return;
    }
    QPointer<PageWeb> moi(this);
    chargeur()(adresse, this, [moi, demande](bool ok, const QByteArray& contenu, const QUrl& finale) {
        if (moi) moi->recevoir(demande, ok, contenu, finale);
    });
}

void PageWeb::recevoir(quint64 demande, bool ok, const QByteArray& contenu, const QUrl& finale) {
    if (demande != demande_) return; // an answer to an address left meanwhile
    if (!ok) {
        setPlainText(TexteInaccessible(adresse_));
        emit pageChargee(false);
        return;
    }
    if (finale.isValid() && !finale.isEmpty()) adresse_ = finale;
    QStringDecoder decodeur = QStringDecoder::decoderForHtml(contenu);
    const QString html = decodeur.isValid() ? QString(decodeur.decode(contenu)) : QString::fromUtf8(contenu);
    setHtml(html);
    emit pageChargee(true);
}

void PageWeb::afficherFichier(const QString& chemin) {
    ++demande_; // an answer to an earlier address is dropped
    adresse_ = QUrl::fromLocalFile(chemin);
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        setPlainText(QStringLiteral("Le fichier %1 est introuvable.").arg(QDir::toNativeSeparators(chemin)));
        return;
    }
    const QByteArray contenu = f.readAll();
    QStringDecoder decodeur = QStringDecoder::decoderForHtml(contenu);
    setHtml(decodeur.isValid() ? QString(decodeur.decode(contenu)) : QString::fromUtf8(contenu));
}

PageWeb* PageWeb::ouvrirAide(const QString& chemin, QWidget* parent) {
    static QPointer<PageWeb> aide;
    if (!aide) {
        aide = new PageWeb(parent);
        aide->setWindowFlag(Qt::Window);
        aide->setAttribute(Qt::WA_DeleteOnClose);
        aide->setObjectName(QStringLiteral("PageAide"));
        aide->setWindowTitle(QStringLiteral("VIDORA - Lisez-Moi"));
        aide->resize(720, 520);
    }
    aide->afficherFichier(chemin);
    aide->show();
    aide->raise();
    aide->activateWindow();
    return aide;
}

QVariant PageWeb::loadResource(int, const QUrl&) {
    return QVariant();
}

void PageWeb::lienChoisi(const QUrl& lien) {
    if (lien.isRelative() && lien.path().isEmpty() && lien.hasFragment()) {
        scrollToAnchor(lien.fragment());
        return;
    }
    // Only web pages: a link may not make the view show a file of this machine.
    const QUrl cible = adresse_.resolved(lien);
    if (cible.scheme() != QLatin1String("http") && cible.scheme() != QLatin1String("https")) return;
    naviguer(cible);
}

} // namespace vidora
