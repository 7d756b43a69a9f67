#include "platform/Environnement.h"

#include "platform/Form.h"
#include "platform/Imprimante.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTreeView>

#include <algorithm>

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

namespace {
// A message cut to the screen: a line too wide is broken at its last blank that fits, or where it
// reaches the edge when a word alone is too wide; past the lines the screen holds, the rest gives
// way to "…". Lines that fit are kept as they are.
QString AjusterAuEcran(const QString& texte, const QFontMetrics& fm, int largeur, int lignesMax) {
    QStringList lignes;
    for (const QString& ligne : texte.split(QLatin1Char('\n'))) {
        if (lignes.size() > lignesMax) break; // what follows is left out anyway
        if (fm.horizontalAdvance(ligne) <= largeur) {
            lignes << ligne;
            continue;
        }
        QString courante;
        for (const QChar ch : ligne) {
            if (lignes.size() > lignesMax) break;
            if (!courante.isEmpty() && fm.horizontalAdvance(courante + ch) > largeur) {
                const qsizetype blanc = courante.lastIndexOf(QLatin1Char(' '));
                if (blanc > 0) {
                    lignes << courante.left(blanc);
                    courante = courante.mid(blanc + 1);
                } else {
                    lignes << courante;
                    courante.clear();
                }
            }
            courante += ch;
        }
        lignes << courante;
    }
    if (lignes.size() > lignesMax) {
        lignes.resize(std::max(1, lignesMax));
        QString& derniere = lignes.last();
        const QString points = QStringLiteral("…");
        while (!derniere.isEmpty() && fm.horizontalAdvance(derniere + points) > largeur)
            derniere.chop(1);
        derniere += points;
    }
    return lignes.join(QLatin1Char('\n'));
}
} // namespace

std::unique_ptr<QMessageBox> Environnement::boite(const QString& texte, const QString& titre, bool question,
                                                  ParDefaut defaut, QWidget* parent) {
    const QString t = titre.isEmpty() ? QStringLiteral("VIDORA") : titre;
    auto b = std::make_unique<QMessageBox>(question ? QMessageBox::Question : QMessageBox::NoIcon, t, texte,
                                           question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                                           parent);
    if (question) b->setDefaultButton(defaut == ParDefaut::Non ? QMessageBox::No : QMessageBox::Yes);
    // A message may quote what the operator typed: shown as typed (never read as markup), and no
    // larger than the screen, however long.
    b->setTextFormat(Qt::PlainText);
    const QScreen* ecran = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize place = ecran ? ecran->availableGeometry().size() : QSize(800, 600);
    const auto* etiquette = b->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    const QFontMetrics fm(etiquette ? etiquette->font() : b->font());
    // Lines no wider than the box's own wrapping width, so that it does not break them again.
    b->setText(AjusterAuEcran(texte, fm, std::min(place.width() / 2, 500) - 80,
                              std::min((place.height() - 200) / fm.lineSpacing(), 30)));
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
    const DialogueOuvert ouvert;
    boite(texte, titre, false, ParDefaut::Oui, parentDialogues)->exec();
}

bool Environnement::question(const QString& texte, const QString& titre, ParDefaut defaut) {
    const DialogueOuvert ouvert;
    return boite(texte, titre, true, defaut, parentDialogues)->exec() == QMessageBox::Yes;
}

QDate Environnement::aujourdhui() {
    return QDate::currentDate();
}

void Environnement::terminer() {
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}

namespace {
// The file system model as a French operator reads it: headings, types, sizes and dates.
class ModeleFrancais : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        auto* fs = qobject_cast<QFileSystemModel*>(sourceModel());
        if (!fs || role != Qt::DisplayRole || index.column() == 0)
            return QIdentityProxyModel::data(index, role);
        const QFileInfo fi = fs->fileInfo(mapToSource(index));
        const QLocale fr(QLocale::French, QLocale::France);
        switch (index.column()) {
        case 1:
            return fi.isDir() ? QString()
                              : fr.formattedDataSize(fi.size(), 1, QLocale::DataSizeTraditionalFormat);
        case 2:
            if (fi.isDir()) return QStringLiteral("Dossier");
            return fi.suffix().isEmpty() ? QStringLiteral("Fichier")
                                         : QStringLiteral("Fichier ") + fi.suffix().toUpper();
        case 3:
            return fr.toString(fi.lastModified(), QStringLiteral("dd/MM/yyyy HH:mm"));
        default:
            return QIdentityProxyModel::data(index, role);
        }
    }

    QVariant headerData(int section, Qt::Orientation o, int role) const override {
        static const char* const titres[] = {"Nom", "Taille", "Type", "Date de modification"};
        if (o == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
            return QString::fromUtf8(titres[section]);
        return QIdentityProxyModel::headerData(section, o, role);
    }
};
} // namespace

std::unique_ptr<QFileDialog> Environnement::choix(const QString& titre, const QString& dossier,
                                                  const QString& filtre, bool dossiers, QWidget* parent) {
    auto d = std::make_unique<QFileDialog>(parent, titre, dossier, filtre);
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setLocale(QLocale(QLocale::French, QLocale::France));
    d->setProxyModel(new ModeleFrancais(d.get()));
    d->setViewMode(QFileDialog::Detail);
    d->setAcceptMode(QFileDialog::AcceptOpen);
    if (dossiers) {
        d->setFileMode(QFileDialog::Directory);
        d->setOption(QFileDialog::ShowDirsOnly);
    } else {
        d->setFileMode(QFileDialog::ExistingFile);
    }
    d->setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    d->setLabelText(QFileDialog::FileName,
                    dossiers ? QStringLiteral("Dossier :") : QStringLiteral("Fichier :"));
    d->setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    d->setLabelText(QFileDialog::Accept, dossiers ? QStringLiteral("Choisir") : QStringLiteral("Ouvrir"));
    d->setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    // Types and dates shown whole; the box fits an 800 x 600 screen.
    d->resize(760, 460);
    if (auto* vue = d->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        vue->header()->setStretchLastSection(false);
        vue->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < 4; ++c)
            vue->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    return d;
}

QString Environnement::choisirFichier(const QString& titre, const QString& dossier, const QString& filtre) {
    const DialogueOuvert ouvert;
    auto d = choix(titre, dossier, filtre, false, parentDialogues);
    return d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty() ? d->selectedFiles().first()
                                                                           : QString();
}

QString Environnement::choisirDossier(const QString& titre, const QString& dossier) {
    const DialogueOuvert ouvert;
    auto d = choix(titre, dossier, QString(), true, parentDialogues);
    return d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty() ? d->selectedFiles().first()
                                                                           : QString();
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

} // namespace vidora
