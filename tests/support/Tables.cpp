#include "Tables.h"

#include "common/Contexte.h"

using namespace vidora;

namespace vidora_test {

void ajouterLigne(const QString& table, const Ligne& v) {
    auto t = ctx().base().ouvrirTable(table);
    t->AddNew();
    for (auto it = v.begin(); it != v.end(); ++it)
        t->SetValue(it.key(), it.value());
    t->Update();
}

void ecrireParUnAutreOutil(const QString& table, const QString& champ, const QString& texte) {
    QString t = texte;
    t.replace(QLatin1Char('\''), QStringLiteral("''"));
    const QByteArray sql =
        QStringLiteral("UPDATE \"%1\" SET \"%2\" = '%3' WHERE __cle = (SELECT MAX(__cle) FROM \"%1\")")
            .arg(table, champ, t)
            .toUtf8();
    ctx().base().executer(sql.constData());
    ctx().base().toucher();
}

QList<Ligne> lignes(const QString& table) {
    QList<Ligne> l;
    for (auto t = ctx().base().ouvrirTable(table); !t->Fin(); t->MoveNext()) {
        l << Ligne();
        for (const DefChamp& c : t->definition().champs)
            l.back()[c.nom] = t->Texte(c.nom);
    }
    return l;
}

void ajouterAbonne(const QString& matricule, const QString& nom, Ligne v) {
    for (const char* c : {"DateRest", "DateEmp", "MatriCD", "NomCD", "Averti"})
        for (int k = 1; k <= 3; ++k)
            if (!v.contains(c + QString::number(k))) v[c + QString::number(k)] = QStringLiteral("0");
    Ligne base = {{"MatriculeAbon", matricule}, {"NomAbon", nom},          {"PrenomAbon", "JEAN"},
                  {"Adresse1Abon", "1 RUE"},    {"Adresse2Abon", "  "},    {"CodeAbon", "75001"},
                  {"VilleAbon", "PARIS"},       {"DateAbon", "01/02/2026"}};
    base.insert(v);
    ajouterLigne(QStringLiteral("Abonne"), base);
}

} // namespace vidora_test
