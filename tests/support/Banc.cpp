#include "Banc.h"

#include "app/Assemblage.h"
#include "common/Contexte.h"
#include "common/Schema.h"
#include "platform/Form.h"
#include "shell/FrmDepart.h"
#include "shell/MDIForm1.h"
#include "shell/Ouverture.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace vidora_test {

using namespace vidora;

bool EnvironnementTest::question(const QString& texte, const QString& titre, ParDefaut defaut) {
    questions.push_back({texte, titre, defaut == ParDefaut::Non});
    if (reponses.empty()) return false;
    const bool r = reponses.front();
    reponses.pop_front();
    return r;
}

QString EnvironnementTest::choisirFichier(const QString&, const QString&, const QString&) {
    if (fichiersChoisis.empty()) return QString();
    const QString f = fichiersChoisis.front();
    fichiersChoisis.pop_front();
    return f;
}

QString EnvironnementTest::choisirDossier(const QString&, const QString&) {
    if (dossiersChoisis.empty()) return QString();
    const QString f = dossiersChoisis.front();
    dossiersChoisis.pop_front();
    return f;
}

std::unique_ptr<Imprimante> EnvironnementTest::imprimante() {
    if (imprimerEnPdf)
        return std::make_unique<ImprimanteQt>(dossierImpressions, ImprimanteQt::Destination::Pdf);
    return std::make_unique<ImprimanteEnregistreuse>(journal);
}

void EnvironnementTest::pointDeControle(const char* etape) {
    if (!panneA.isEmpty() && panneA == QLatin1String(etape))
        throw PanneInjectee(std::string("panne injectée : ") + etape);
}

Banc::Banc() {
    AssemblerProgramme();
    auto e = std::make_unique<EnvironnementTest>();
    env_ = e.get();
    env_->dossier = dir_.path();
    env_->dossierImpressions = dir_.filePath(QStringLiteral("Impressions"));
    installerEnvironnement(std::move(e));
    QDir(dir_.path()).mkpath(QStringLiteral("Images"));
    Contexte& c = ctx();
    c.fermerTables();
    c.BaseEnCours.reset();
    c.CheminAppli = dir_.path();
    c.NomBase.clear();
    c.CheminBase.clear();
    c.EssaisConnexion = 0;
    c.Connecte = false;
    c.Compteur = 0;
}

Banc::~Banc() {
    delete MDIForm1::instance();
    traiterEvenements();
    ctx().fermerTables();
    ctx().BaseEnCours.reset();
    installerEnvironnement(nullptr);
}

QString Banc::messages() {
    QStringList l;
    for (const Message& m : env_->messages)
        l << m.texte;
    env_->messages.clear();
    return l.join(QLatin1Char('|'));
}

QString Banc::chemin(const QString& nom) const {
    return QDir(dir_.path()).filePath(nom);
}

QString Banc::creerBase(const QString& nomFichier) {
    const QString p = chemin(nomFichier);
    auto db = Database::creer(p);
    CreerSchema(*db);
    db->fermer();
    return p;
}

FrmDepart* Banc::demarrer() {
    FrmDepart* d = ChargerFrmDepart();
    traiterEvenements();
    return d;
}

FrmDepart* Banc::connecter(const QString& nomFichier, const QString& motDePasse) {
    auto* d = qobject_cast<FrmDepart*>(FenetrePrincipale());
    if (!d) d = demarrer();
    if (!d) return nullptr;
    const auto items = d->listeBases->findItems(nomFichier, Qt::MatchFixedString);
    if (items.isEmpty()) return nullptr;
    const QRect r = d->listeBases->visualItemRect(items.first());
    QTest::mouseClick(d->listeBases->viewport(), Qt::LeftButton, {}, r.center());
    taper(d->caseMotDePasse, motDePasse, true);
    return d;
}

MDIForm1* Banc::cadre() const {
    return MDIForm1::instance();
}

QList<Form*> Banc::fenetres() const {
    if (!MDIForm1::instance()) return {};
    return MDIForm1::instance()->fenetres();
}

void Banc::traiterEvenements() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

static bool actionDisponible(QAction* a) {
    if (!a || !a->isEnabled() || !a->isVisible()) return false;
    // Every menu above the entry must be available too.
    for (QObject* o : a->associatedObjects())
        if (auto* m = qobject_cast<QMenu*>(o))
            if (m->menuAction() != a && !actionDisponible(m->menuAction())) return false;
    return true;
}

bool entreeDisponible(Form* f, const QString& nom) {
    if (!f || f->estDecharge() || !f->isEnabled()) return false;
    return actionDisponible(f->menu(nom));
}

bool choisirMenu(Form* f, const QString& nom) {
    if (!entreeDisponible(f, nom)) return false;
    f->menu(nom)->trigger();
    Banc::traiterEvenements();
    return true;
}

void taper(QWidget* box, const QString& texte, bool entree) {
    box->setFocus();
    for (QChar ch : texte) {
        // Each character arrives as its own key press, with its text, as from a keyboard.
        const QChar haut = ch.toUpper();
        int cle = Qt::Key_unknown;
        if (haut.unicode() < 128 && haut.isPrint()) cle = haut.unicode();
        QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &appui);
        QKeyEvent relache(QEvent::KeyRelease, cle, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &relache);
    }
    if (entree) QTest::keyClick(box, Qt::Key_Return);
    Banc::traiterEvenements();
}

void cliquer(QWidget* bouton) {
    if (!bouton->isEnabled() || !bouton->isVisibleTo(bouton->window())) return;
    if (auto* b = qobject_cast<QAbstractButton*>(bouton)) b->click();
    Banc::traiterEvenements();
}

} // namespace vidora_test

namespace vidora_test {

QStringList controlesMalVus(Form* f) {
    Banc::traiterEvenements();
    // VIDORA_CAPTURES=folder keeps a picture of each window state looked at, so that two builds'
    // screens can be compared pixel for pixel.
    if (const QString dossier = qEnvironmentVariable("VIDORA_CAPTURES"); !dossier.isEmpty()) {
        static int numero = 0;
        f->grab().save(QDir(dossier).filePath(QStringLiteral("%1-%2.png")
                                                  .arg(++numero, 3, 10, QLatin1Char('0'))
                                                  .arg(QLatin1String(f->metaObject()->className()))));
    }
    QStringList r;
    for (QWidget* c : f->controles()) {
        if (!c->isVisibleTo(f)) continue;
        QString texte;
        if (auto* l = qobject_cast<QLabel*>(c); l && l->frameShape() == QFrame::NoFrame) texte = l->text();
        if (auto* b = qobject_cast<QPushButton*>(c)) texte = b->text();
        const QString nom = c->objectName().isEmpty() ? texte : c->objectName();
        if (!c->parentWidget()->rect().contains(c->geometry())) r << QStringLiteral("hors de vue : ") + nom;
        if (c->fontMetrics().horizontalAdvance(texte) > c->contentsRect().width())
            r << QStringLiteral("coupe : ") + nom;
    }
    return r;
}

} // namespace vidora_test
