#include "common/Emplacement.h"

#include "common/Refus.h"
#include "common/Schema.h"
#include "platform/Database.h"

namespace vidora {

namespace {
const QString kPlusDePlace =
    QStringLiteral("PLUS AUCUN EMPLACEMENT LIBRE : LA DERNIERE TRAVEE (Z) EST PLEINE.\n"
                   "Modifiez le classement (Outil > Classement).");

constexpr int kPlusGrand = 99999; // five digits: the width of the place fields of a film

// A whole number from 1 to 99999 written in digits, blanks around it allowed.
bool entier(const QString& texte, int& n) {
    const QString t = texte.trimmed();
    if (t.isEmpty() || t.size() > 9) return false;
    for (QChar ch : t)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) return false;
    n = t.toInt();
    return n >= 1 && n <= kPlusGrand;
}
} // namespace

QString TexteEmplacement(const QString& trave, const QString& rang, const QString& numero) {
    return trave + QStringLiteral(" - ") + rang + QStringLiteral(" - ") + numero;
}

QString TexteEmplacement(const Emplacement& e) {
    return TexteEmplacement(e.Trave, QString::number(e.Rang), QString::number(e.Numero));
}

std::optional<Emplacement> PlaceSuivante(const Emplacement& e, int numRang, int numNumero) {
    Emplacement s = e;
    s.Numero = e.Numero + 1;
    if (s.Numero > numNumero) {
        s.Numero = 1;
        s.Rang = e.Rang + 1;
    }
    if (s.Rang > numRang) {
        s.Rang = 1;
        if (e.Trave.isEmpty()) return std::nullopt;
        const QChar suivante(e.Trave.at(0).unicode() + 1);
        if (suivante > QLatin1Char('Z')) return std::nullopt;
        s.Trave = QString(suivante);
    }
    return s;
}

QString VerifierClassement(const QString& trave, const QString& rang, const QString& numero,
                           const QString& numRang, const QString& numNumero, Classement* c) {
    Classement lu;
    if (trave.isEmpty() || trave.size() > 5 || trave.at(0) < QLatin1Char('A') ||
        trave.at(0) > QLatin1Char('Z'))
        return QStringLiteral(
            "la case \"TRAVE\" doit tenir de 1 à 5 caractères, le premier une lettre de A à Z");
    lu.place.Trave = trave;
    const struct {
        const char* boite;
        const QString& texte;
        int& valeur;
    } nombres[] = {{"RANG", rang, lu.place.Rang},
                   {"NUMERO", numero, lu.place.Numero},
                   {"DERNIER RANG", numRang, lu.NumRang},
                   {"DERNIER NUMERO", numNumero, lu.NumNumero}};
    for (const auto& n : nombres)
        if (!entier(n.texte, n.valeur))
            return QStringLiteral("la case \"%1\" doit contenir un nombre entier de 1 à %2")
                .arg(QLatin1String(n.boite))
                .arg(kPlusGrand);
    if (c) *c = lu;
    return QString();
}

Classement LireClassement(Database& db) {
    auto t = db.ouvrirTable(schema::Classe::table);
    if (t->Fin()) throw Refus(QStringLiteral("LE CLASSEMENT EST ABSENT DE LA BASE"));
    const QString trave = t->Texte(schema::Classe::Trave);
    const QChar baie = trave.isEmpty() ? QChar() : trave.at(0);
    // A bay past "Z" ("[" once the last place of "Z" is given) leaves no place.
    const bool auDelaDeZ = baie > QLatin1Char('Z') && baie <= QLatin1Char('`');
    Classement c;
    const QString refus =
        VerifierClassement(auDelaDeZ ? QStringLiteral("Z") : trave, t->Texte(schema::Classe::Rang),
                           t->Texte(schema::Classe::Numero), t->Texte(schema::Classe::NumRang),
                           t->Texte(schema::Classe::NumNumero), &c);
    if (!refus.isEmpty())
        throw Refus(QStringLiteral("LE CLASSEMENT EST INCORRECT : %1.\nCorrigez-le (Outil > Classement).")
                        .arg(refus));
    if (auDelaDeZ) throw Refus(kPlusDePlace);
    return c;
}

Emplacement PlaceApresZ() {
    return Emplacement{QString(QChar(u'Z' + 1)), 1, 1};
}

namespace {
// The one writer of the Classe row: the next free place, and the limits when given (the settings
// window then makes the row again if it is missing).
void ecrireClasse(Database& db, const Emplacement& p, const Classement* limites) {
    auto t = db.ouvrirTable(schema::Classe::table);
    if (!t->Fin())
        t->Edit();
    else if (limites)
        t->AddNew();
    else
        throw Refus(QStringLiteral("LE CLASSEMENT EST ABSENT DE LA BASE"));
    t->SetValue(schema::Classe::Trave, p.Trave);
    t->SetValue(schema::Classe::Numero, p.Numero);
    t->SetValue(schema::Classe::Rang, QString::number(p.Rang));
    if (limites) {
        t->SetValue(schema::Classe::NumRang, QString::number(limites->NumRang));
        t->SetValue(schema::Classe::NumNumero, limites->NumNumero);
    }
    t->Update();
}
} // namespace

void EcrirePlaceLibre(Database& db, const Emplacement& p) {
    ecrireClasse(db, p, nullptr);
}

void EcrireClassement(Database& db, const Classement& c) {
    ecrireClasse(db, c.place, &c);
}

void AvancerEmplacement(Database& db, const Emplacement& enMain) {
    const Classement c = LireClassement(db);
    const std::optional<Emplacement> s =
        PlaceSuivante(Emplacement{c.place.Trave, enMain.Rang, enMain.Numero}, c.NumRang, c.NumNumero);
    EcrirePlaceLibre(db, s ? *s : PlaceApresZ());
}

} // namespace vidora
