#include "common/Emplacement.h"

#include "common/Refus.h"
#include "platform/Database.h"

namespace vidora {

namespace {
const QString kPlusDePlace =
    QStringLiteral("PLUS AUCUN EMPLACEMENT LIBRE : LA DERNIERE TRAVEE (Z) EST PLEINE.\n"
                   "Modifiez le classement (Outil > Classement).");

int entier(const Recordset& t, const char* champ, bool& ok) {
    const QVariant v = t.Value(QString::fromLatin1(champ));
    if (!v.isValid() || v.isNull()) {
        ok = false;
        return 0;
    }
    bool bon = false;
    const int n = v.toString().trimmed().toInt(&bon);
    if (!bon) ok = false;
    return n;
}

bool baieValide(const QString& trave) {
    return !trave.isEmpty() && trave.at(0) >= QLatin1Char('A') && trave.at(0) <= QLatin1Char('Z');
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

Classement LireClassement(Database& db) {
    auto t = db.ouvrirTable(QStringLiteral("Classe"));
    if (t->EOF_()) throw Refus(QStringLiteral("LE CLASSEMENT EST ABSENT DE LA BASE"));
    Classement c;
    bool ok = true;
    c.place.Trave = t->Texte(QStringLiteral("Trave"));
    c.place.Rang = entier(*t, "Rang", ok);
    c.place.Numero = entier(*t, "Numero", ok);
    c.NumRang = entier(*t, "NumRang", ok);
    c.NumNumero = entier(*t, "NumNumero", ok);
    const QChar baie = c.place.Trave.isEmpty() ? QChar() : c.place.Trave.at(0);
    // Past bay Z the old stepping went on with "[" and the codes after it: no place is left then.
    const bool auDelaDeZ = baie > QLatin1Char('Z') && baie <= QLatin1Char('`');
    if (!ok || (!baieValide(c.place.Trave) && !auDelaDeZ))
        throw Refus(
            QStringLiteral("LE CLASSEMENT EST INCORRECT : la travée doit être une lettre, le rang, le numéro "
                           "et les limites des nombres entiers.\nCorrigez-le (Outil > Classement)."));
    if (!baieValide(c.place.Trave)) throw Refus(kPlusDePlace);
    return c;
}

void AvancerEmplacement(Database& db, const Emplacement& enMain) {
    const Classement c = LireClassement(db);
    std::optional<Emplacement> s =
        PlaceSuivante(Emplacement{c.place.Trave, enMain.Rang, enMain.Numero}, c.NumRang, c.NumNumero);
    // The last place of bay Z was just given: the row records the bay after Z, which LireClassement
    // refuses as "no place left" until the shelves are set again.
    if (!s) s = Emplacement{QString(QChar(u'Z' + 1)), 1, 1};
    auto t = db.ouvrirTable(QStringLiteral("Classe"));
    t->Edit();
    t->SetValue(QStringLiteral("Trave"), s->Trave);
    t->SetValue(QStringLiteral("Numero"), s->Numero);
    t->SetValue(QStringLiteral("Rang"), QString::number(s->Rang));
    t->Update();
}

} // namespace vidora
