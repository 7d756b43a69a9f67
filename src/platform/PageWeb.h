#pragma once
// A light view of a web page, without a browser engine: the page's HTML fetched over the network
// and shown as rich text. Links open inside the view. A page that cannot be reached shows one
// French line instead.

#include <QByteArray>
#include <QTextBrowser>
#include <QUrl>

#include <functional>

class QObject;

namespace vidora {

class PageWeb : public QTextBrowser {
    Q_OBJECT
  public:
    // What a fetch gives back: the page's bytes and its final address (after redirections), or
    // ok false when the page could not be reached.
    using Reponse = std::function<void(bool ok, const QByteArray& contenu, const QUrl& finale)>;
    // Fetches an address and answers once, later or at once; the answer is dropped when the
    // receiver (second argument) is gone by then.
    using Chargeur = std::function<void(const QUrl& adresse, QObject* receveur, Reponse reponse)>;

    explicit PageWeb(QWidget* parent = nullptr);

    // Goes to an address: the page is fetched, then shown.
    void naviguer(const QUrl& adresse);
    // Shows a page of this machine (the help file) as it stands; its links to web pages are followed.
    void afficherFichier(const QString& chemin);
    // The help in a window of the program's own, for a desktop that has no viewer to open it; one
    // window, shown again and brought forward at each call.
    static PageWeb* ouvrirAide(const QString& chemin, QWidget* parent);
    QUrl adresse() const { return adresse_; }
    // The text shown when the page cannot be reached.
    static QString TexteInaccessible(const QUrl& adresse);

    // Replaces the fetch (the network by default; tests never reach it). An empty one restores it.
    static void installerChargeur(Chargeur chargeur);

    // Pictures and style sheets of a page are not fetched, nor any local file read.
    QVariant loadResource(int type, const QUrl& nom) override;

  signals:
    // The page was shown (true) or could not be reached (false).
    void pageChargee(bool ok);

  private:
    void lienChoisi(const QUrl& lien);
    void recevoir(quint64 demande, bool ok, const QByteArray& contenu, const QUrl& finale);

    QUrl adresse_;
    quint64 demande_ = 0;
};

} // namespace vidora
