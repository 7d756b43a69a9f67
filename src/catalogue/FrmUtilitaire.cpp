#include "catalogue/FrmUtilitaire.h"

#include "common/Contexte.h"
#include "common/Saisie.h"
#include "common/Schema.h"
#include "common/Zoom.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Windows1252.h"
#include "shell/Ouverture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>

namespace vidora {

namespace {

QStringList entrees(const QListWidget* l) {
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r << l->item(i)->text();
    return r;
}

// Every row of the table replaced by the entries, in their order: all or nothing.
void Reecrire(const QString& table, const QString& champ, const QStringList& lignes) {
    Database& db = ctx().base();
    Transaction tr(db);
    auto t = db.ouvrirTable(table);
    while (!t->Fin()) {
        t->Delete();
        t->MoveNext();
    }
    for (const QString& l : lignes) {
        t->AddNew();
        t->SetValue(champ, l);
        t->Update();
        env().pointDeControle("utilitaire-ligne");
    }
    tr.valider();
}

// A text the table can hold, checked before any row is touched; empty when it is right.
QString RefusTexte(const QString& table, const QString& champ, const QString& texte) {
    if (texte.isEmpty()) return QStringLiteral("LE NOUVEAU NOM EST VIDE : RIEN N'A ETE CHANGE");
    const int largeur = LargeurChamp(table, champ);
    if (texte.size() > largeur)
        return QStringLiteral("LE NOM EST TROP LONG : %1 CARACTERES AU PLUS (IL EN A %2)")
            .arg(largeur)
            .arg(texte.size());
    return QString();
}

// The entries sorted by character code, a text that begins a longer one first; blank entries dropped.
QStringList TrierParCode(QStringList l) {
    l.erase(std::remove_if(l.begin(), l.end(), [](const QString& s) { return s.trimmed().isEmpty(); }),
            l.end());
    // Windows-1252 codes, as the tables keep them: "Œ" (0x8C) comes before "É" (0xC9), which
    // UTF-16 would put the other way round. A prefix comes first.
    const auto code = [](QChar c) {
        const int k = CodeWindows1252(c);
        return k >= 0 ? k : 0x100 + c.unicode();
    };
    std::stable_sort(l.begin(), l.end(), [&](const QString& a, const QString& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&](QChar x, QChar y) { return code(x) < code(y); });
    });
    return l;
}

} // namespace

FrmUtilitaire::FrmUtilitaire() : Form(QStringLiteral("FrmUtilitaire"), QStringLiteral("Utilitaire")) {
    Label1 = controle(LabelEncadre(this, QStringLiteral("Utilitaire")), 3000, 200, 6000, 500);
    const auto liste = [this](const char* nom) {
        auto* l = controle(new QListWidget(this), 1000, 1000, 5200, 6500);
        l->setObjectName(QString::fromLatin1(nom));
        return l;
    };
    const auto boite = [this](const char* nom, double left, double top, double width) {
        auto* b = controle(new QLineEdit(this), left, top, width, 450);
        b->setObjectName(QString::fromLatin1(nom));
        MajusculeFrappe(b);
        return b;
    };
    List1 = liste("List1");
    List2 = liste("List2");
    Text1 = boite("Text1", 6600, 1000, 4800);
    Text2 = boite("Text2", 6600, 1000, 4800);
    Label5 = controle(new QLabel(QStringLiteral("M=Modifier / E=Effacer"), this), 6600, 1800, 4800, 400);
    Label5->setAlignment(Qt::AlignCenter);
    Text6 = boite("Text6", 8500, 2300, 1000);
    Text8 = boite("Text8", 8500, 2300, 1000);
    for (QLineEdit* b : {Text6, Text8}) {
        b->setText(QStringLiteral("M"));
        b->setAlignment(Qt::AlignCenter);
    }
    Text7 = boite("Text7", 6600, 3100, 4800);
    Text9 = boite("Text9", 6600, 3100, 4800);

    connect(List1, &QListWidget::itemClicked, this, &FrmUtilitaire::List1_Click);
    connect(List2, &QListWidget::itemClicked, this, &FrmUtilitaire::List2_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &FrmUtilitaire::Text1_KeyPress);
    connect(Text2, &QLineEdit::returnPressed, this, &FrmUtilitaire::Text2_KeyPress);
    connect(Text6, &QLineEdit::returnPressed, this, &FrmUtilitaire::Text6_KeyPress);
    connect(Text8, &QLineEdit::returnPressed, this, &FrmUtilitaire::Text8_KeyPress);
    connect(Text7, &QLineEdit::returnPressed, this, &FrmUtilitaire::Text7_KeyPress);
    connect(Text9, &QLineEdit::returnPressed, this, &FrmUtilitaire::Text9_KeyPress);
    const auto entree = [this](const char* nom, const char* libelle, void (FrmUtilitaire::*h)()) {
        connect(ajouterEntree(QString::fromLatin1(nom), QString::fromUtf8(libelle)), &QAction::triggered,
                this, h);
    };
    entree("Specia", "Ajouter Specialité", &FrmUtilitaire::Specia_Click);
    entree("Categor", "Ajouter Categorie", &FrmUtilitaire::Categor_Click);
    entree("SuppSpe", "Supprimer Specialité", &FrmUtilitaire::SuppSpe_Click);
    entree("SuppCat", "Supprimer Categorie", &FrmUtilitaire::SuppCat_Click);
    entree("Annul", "Annuler", &FrmUtilitaire::Annul_Click);
    entree("Retour", "Retour", &FrmUtilitaire::Retour_Click);
}

FrmUtilitaire::Moitie FrmUtilitaire::categories() const {
    return {QStringLiteral("Genre"), QStringLiteral("NomGenre"), List1, Text1, Text6, Text7, true};
}

FrmUtilitaire::Moitie FrmUtilitaire::specialites() const {
    return {QStringLiteral("Special"), QStringLiteral("Titre"), List2, Text2, Text8, Text9, false};
}

void FrmUtilitaire::charger() {
    MiseEnPlaceStandard(*this);
    Lire();
}

void FrmUtilitaire::entreesMode(bool mode) {
    for (const char* n : {"Specia", "Categor", "SuppSpe", "SuppCat", "Retour"})
        menu(QString::fromLatin1(n))->setEnabled(!mode);
    menu(QStringLiteral("Annul"))->setEnabled(mode);
}

void FrmUtilitaire::Lire() {
    entreesMode(false);
    for (QWidget* w :
         std::initializer_list<QWidget*>{List1, List2, Text1, Text2, Text6, Text7, Text8, Text9, Label5})
        w->hide();
}

void FrmUtilitaire::Annul_Click() {
    Lire();
}

bool FrmUtilitaire::remplir(const Moitie& m) {
    m.liste->clear();
    try {
        for (auto t = ctx().base().ouvrirTable(m.table); !t->Fin(); t->MoveNext())
            m.liste->addItem(t->Texte(m.champ));
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("LA LISTE NE PEUT ETRE LUE :\n%1").arg(e.message()));
        return false;
    }
    return true;
}

void FrmUtilitaire::modeAjout(const Moitie& m) {
    if (!remplir(m)) return;
    entreesMode(true);
    m.liste->setEnabled(false);
    m.liste->show();
    m.ajout->show();
    if (m.focusAjout) m.ajout->setFocus();
}

void FrmUtilitaire::modeModifier(const Moitie& m) {
    if (!remplir(m)) return;
    entreesMode(true);
    m.liste->setEnabled(true);
    m.liste->show();
}

void FrmUtilitaire::choisir(const Moitie& m, QListWidgetItem* item) {
    if (!item) return;
    EntreeChoisie = item->text();
    Label5->show();
    m.lettre->show();
    m.lettre->setFocus();
    // The letter typed replaces the one shown.
    m.lettre->selectAll();
}

void FrmUtilitaire::ajouter(const Moitie& m) {
    const QString s = m.ajout->text().trimmed();
    if (s.isEmpty()) return;
    if (const QString refus = RefusTexte(m.table, m.champ, s); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    try {
        Reecrire(m.table, m.champ, TrierParCode(entrees(m.liste) << s));
    } catch (const std::exception& e) {
        env().message(QStringLiteral("LA LISTE N'A PAS ETE CHANGEE :\n%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    m.liste->hide();
    m.ajout->hide();
    Lire();
    m.ajout->clear();
}

void FrmUtilitaire::agir(const Moitie& m) {
    const QString lettre = m.lettre->text().trimmed();
    if (lettre == QLatin1String("M")) {
        m.lettre->hide();
        m.renomme->setText(EntreeChoisie);
        m.renomme->show();
        return;
    }
    if (lettre != QLatin1String("E")) {
        env().message(QStringLiteral("LETTRE INCONNUE : M POUR MODIFIER, E POUR EFFACER"));
        m.lettre->setFocus();
        m.lettre->selectAll();
        return;
    }
    m.lettre->hide();
    try {
        Database& db = ctx().base();
        Transaction tr(db);
        auto t = db.ouvrirTable(m.table);
        while (!t->Fin() && t->Texte(m.champ) != EntreeChoisie)
            t->MoveNext();
        if (!t->Fin()) t->Delete();
        tr.valider();
    } catch (const ErreurBase& e) {
        env().message(QStringLiteral("L'ENTREE N'A PAS ETE EFFACEE :\n%1").arg(e.message()));
    }
    Label5->hide();
    m.liste->hide();
    Lire();
}

void FrmUtilitaire::renommer(const Moitie& m) {
    const QString n = m.renomme->text().trimmed();
    if (const QString refus = RefusTexte(m.table, m.champ, n); !refus.isEmpty()) {
        env().message(refus);
        return;
    }
    QStringList l = entrees(m.liste);
    const qsizetype i = l.indexOf(EntreeChoisie);
    if (i >= 0) l[i] = n;
    try {
        Reecrire(m.table, m.champ, l);
    } catch (const std::exception& e) {
        env().message(QStringLiteral("LA LISTE N'A PAS ETE CHANGEE :\n%1").arg(QString::fromUtf8(e.what())));
        return;
    }
    m.liste->hide();
    m.renomme->hide();
    Label5->hide();
    Lire();
}

void FrmUtilitaire::Categor_Click() {
    modeAjout(categories());
}
void FrmUtilitaire::Specia_Click() {
    modeAjout(specialites());
}
void FrmUtilitaire::SuppCat_Click() {
    modeModifier(categories());
}
void FrmUtilitaire::SuppSpe_Click() {
    modeModifier(specialites());
}
void FrmUtilitaire::List1_Click(QListWidgetItem* item) {
    choisir(categories(), item);
}
void FrmUtilitaire::List2_Click(QListWidgetItem* item) {
    choisir(specialites(), item);
}
void FrmUtilitaire::Text1_KeyPress() {
    ajouter(categories());
}
void FrmUtilitaire::Text2_KeyPress() {
    ajouter(specialites());
}
void FrmUtilitaire::Text6_KeyPress() {
    agir(categories());
}
void FrmUtilitaire::Text8_KeyPress() {
    agir(specialites());
}
void FrmUtilitaire::Text7_KeyPress() {
    renommer(categories());
}
void FrmUtilitaire::Text9_KeyPress() {
    renommer(specialites());
}

void FrmUtilitaire::Retour_Click() {
    RendreLaMain(this);
}

} // namespace vidora
