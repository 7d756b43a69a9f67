#include "members/FicheAbonne.h"

#include "common/Saisie.h"
#include "common/Schema.h"
#include "platform/Database.h"
#include "platform/Environnement.h"
#include "platform/Form.h"

#include <QLabel>
#include <QLineEdit>

namespace vidora {

namespace {

const QString kAbonne = QStringLiteral("Abonne");

constexpr const char* kChamps[8] = {"MatriculeAbon", "NomAbon",  "PrenomAbon", "Adresse1Abon",
                                    "Adresse2Abon",  "CodeAbon", "VilleAbon",  "DateAbon"};

QString champ(int i) {
    return QString::fromLatin1(kChamps[i]);
}

bool estAdresse(int i) {
    return i == 3 || i == 4;
}

} // namespace

FicheAbonne::FicheAbonne(Form& f, double left, double top, double width, double height,
                         const ModeleFicheAbonne& m)
    : QFrame(&f) {
    f.controle(this, left, top, width, height);
    for (int i = 0; i < 8; ++i) {
        const double haut = 200 + i * 800;
        Label[size_t(i)] =
            f.controle(new QLabel(QString::fromUtf8(m.libelles[size_t(i)]), this), 300, haut, 2500, 400);
        if (m.nomsLibelles[size_t(i)])
            Label[size_t(i)]->setObjectName(QString::fromLatin1(m.nomsLibelles[size_t(i)]));
        QLineEdit* b = f.controle(new QLineEdit(this), 3000, haut, 6000, 450);
        b->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        LimiterAuChamp(b, LargeurChamp(kAbonne, champ(i)));
        if (m.majuscules[size_t(i)]) MajusculeFrappe(b);
        Text[size_t(i)] = b;
    }
    Text[0]->setAlignment(Qt::AlignCenter);
    Text[0]->setEnabled(m.text1Modifiable);
    for (int i = 0; i < 8; ++i)
        if (const int vers = m.entreeVers[size_t(i)]; vers >= 0 && vers < 8) {
            QLineEdit* suivante = Text[size_t(vers)];
            connect(Text[size_t(i)], &QLineEdit::returnPressed, suivante,
                    [suivante] { suivante->setFocus(); });
        }
}

void FicheAbonne::Vider() {
    for (QLineEdit* b : Text)
        b->clear();
    rempli_ = false;
}

void FicheAbonne::Remplir(const Recordset& r) {
    for (int i = 0; i < 8; ++i) {
        montres_[size_t(i)] = r.Texte(champ(i));
        MontrerStocke(Text[size_t(i)], montres_[size_t(i)]);
    }
    rempli_ = true;
}

void FicheAbonne::Ecrire(Recordset& r) const {
    for (int i = 0; i < 8; ++i) {
        const QString s = Text[size_t(i)]->text();
        // A text written by another tool or an older version (a character the boxes refuse, a
        // tab) stays as it is unless the operator changes it.
        if (rempli_ && s == montres_[size_t(i)]) continue;
        r.SetValue(champ(i), estAdresse(i) ? LigneAdresse(s) : s);
    }
}

bool FicheAbonne::EntreesObligatoires() const {
    const struct {
        QLineEdit* boite;
        const char* message;
    } obligatoires[] = {
        {Text[1], "LE NOM EST OBLIGATOIRE"},
        {Text[5], "LE CODE POSTAL EST OBLIGATOIRE"},
        {Text[6], "LA VILLE EST OBLIGATOIRE"},
    };
    for (const auto& o : obligatoires)
        if (o.boite->text().trimmed().isEmpty()) {
            env().message(QString::fromUtf8(o.message));
            return false;
        }
    return true;
}

} // namespace vidora
