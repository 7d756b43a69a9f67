#include "common/Schema.h"

#include "common/MotDePasse.h"

namespace vidora {

namespace {
DefChamp T(schema::NomSchema nom, int taille) {
    return {nom, TypeChamp::Texte, taille};
}
DefChamp L(schema::NomSchema nom) {
    return {nom, TypeChamp::Long, 0};
}
DefChamp B(schema::NomSchema nom) {
    return {nom, TypeChamp::Booleen, 0};
}
} // namespace

const QVector<DefTable>& SchemaBase() {
    using namespace schema;
    static const QVector<DefTable> tables = {
        {Classe::table,
         {T(Classe::Trave, 5), T(Classe::Rang, 5), L(Classe::Numero), T(Classe::NumTrave, 5),
          T(Classe::NumRang, 5), L(Classe::NumNumero)}},
        {AbonChe::table, {L(AbonChe::MatriculeAbon)}},
        {CDChe::table, {L(CDChe::MatriculeCD)}},
        {Special::table, {T(Special::Titre, 30)}},
        {Genre::table, {T(Genre::NomGenre, 30)}},
        {Etat::table, {T(Etat::NomEtat, 30)}},
        // The identifier, category and state are wide enough for every value the program copies in.
        {CD::table,
         {T(CD::MatriculeCD, 15), T(CD::Traver, 5), T(CD::Rang, 5), T(CD::Numero, 5), T(CD::Nom, 60),
          T(CD::Categorie, 30), T(CD::Etat, 30), T(CD::Specialiter, 30), T(CD::Date, 10), T(CD::Sortie, 5),
          B(CD::Image)}},
        {Abonne::table, {T(Abonne::MatriculeAbon, 10), T(Abonne::NomAbon, 40),      T(Abonne::PrenomAbon, 40),
                         T(Abonne::Adresse1Abon, 40),  T(Abonne::Adresse2Abon, 40), T(Abonne::CodeAbon, 10),
                         T(Abonne::VilleAbon, 40),     T(Abonne::DateAbon, 11),     T(Abonne::DateRest1, 11),
                         T(Abonne::DateRest2, 11),     T(Abonne::DateRest3, 11),    T(Abonne::DateEmp1, 11),
                         T(Abonne::DateEmp2, 11),      T(Abonne::DateEmp3, 11),     T(Abonne::MatriCD1, 15),
                         T(Abonne::MatriCD2, 15),      T(Abonne::MatriCD3, 15),     T(Abonne::NomCD1, 60),
                         T(Abonne::NomCD2, 60),        T(Abonne::NomCD3, 60),       L(Abonne::Averti1),
                         L(Abonne::Averti2),           L(Abonne::Averti3)}},
        {Para::table,
         {T(Para::Nom, 40), T(Para::Prenom, 35), T(Para::Adresse1, 40), T(Para::Adresse2, 40),
          T(Para::Code, 5), T(Para::Ville, 40), T(Para::Tele, 15), T(Para::DelaiMini, 5),
          T(Para::DelaiMaxi, 5)}},
        {Passe::table, {T(Passe::Mot, 20)}},
    };
    return tables;
}

const QVector<LigneDefaut>& LignesDefaut() {
    using namespace schema;
    static const QVector<LigneDefaut> lignes = [] {
        QVector<LigneDefaut> l;
        const auto S = [](const char* s) { return QVariant(QString::fromUtf8(s)); };
        l.push_back({Passe::table, {{Passe::Mot, *BrouillerMotDePasse(MotDePasseDefaut)}}});
        l.push_back({Para::table,
                     {{Para::Nom, S("Lunvel")},
                      {Para::Prenom, S("Drune")},
                      {Para::Adresse1, S("1 Place Vordan")},
                      {Para::Adresse2, S("   ")},
                      {Para::Code, S("99999")},
                      {Para::Ville, S("Vermac")},
                      {Para::Tele, S("00 00 00 00 00")},
                      {Para::DelaiMini, S("15")},
                      {Para::DelaiMaxi, S("25")}}});
        for (const char* s : {"POUR TOUS", "INTERDIT MOINS DE 10 ANS", "INTERDIT MOINS 12 ANS",
                              "INTERDIT MOINS 16 ANS", "INTERDIT MOINS 18 ANS"})
            l.push_back({Special::table, {{Special::Titre, S(s)}}});
        for (const char* s : {"ACTION", "AVENTURE", "COMEDIE", "DESSIN ANIMÉ", "FANTASTIQUE", "GUERRE",
                              "POLICIER", "SCIENCE FICTION", "WESTERN"})
            l.push_back({Genre::table, {{Genre::NomGenre, S(s)}}});
        l.push_back({Classe::table,
                     {{Classe::Trave, S("A")},
                      {Classe::Rang, S("1")},
                      {Classe::Numero, S("1")},
                      {Classe::NumRang, S("8")},
                      {Classe::NumNumero, S("10")}}});
        for (const char* s : {"TRES BON", "BON", "MOYEN", "A REMPLACER"})
            l.push_back({Etat::table, {{Etat::NomEtat, S(s)}}});
        l.push_back({AbonChe::table, {{AbonChe::MatriculeAbon, S("1")}}});
        l.push_back({CDChe::table, {{CDChe::MatriculeCD, S("1")}}});
        return l;
    }();
    return lignes;
}

int LargeurChamp(const QString& table, const QString& champ) {
    for (const DefTable& t : SchemaBase())
        if (t.nom.compare(table, Qt::CaseInsensitive) == 0)
            for (const DefChamp& c : t.champs)
                if (c.nom.compare(champ, Qt::CaseInsensitive) == 0)
                    return c.type == TypeChamp::Texte ? c.taille : 0;
    return 0;
}

void ElargirChamps(Database& db) {
    Transaction tr(db);
    for (const DefTable& t : SchemaBase()) {
        if (!db.aTable(t.nom)) continue;
        DefTable lue = db.definition(t.nom);
        // A table laid out otherwise is none of ours to change.
        if (lue.champs.size() != t.champs.size()) continue;
        bool etroite = false;
        for (qsizetype i = 0; i < t.champs.size(); ++i) {
            DefChamp& c = lue.champs[i];
            if (c.nom.compare(t.champs[i].nom, Qt::CaseInsensitive) != 0 || c.type != t.champs[i].type) {
                etroite = false;
                break;
            }
            if (c.type == TypeChamp::Texte && c.taille < t.champs[i].taille) {
                c.taille = t.champs[i].taille;
                etroite = true;
            }
        }
        if (etroite) db.elargirTable(lue);
    }
    tr.valider();
}

void CreerSchema(Database& db) {
    Transaction tr(db);
    for (const DefTable& t : SchemaBase())
        db.creerTable(t);
    QString tableOuverte;
    std::unique_ptr<Recordset> rs;
    for (const LigneDefaut& ligne : LignesDefaut()) {
        if (ligne.table != tableOuverte) {
            rs = db.ouvrirTable(ligne.table);
            tableOuverte = ligne.table;
        }
        rs->AddNew();
        for (const auto& [champ, valeur] : ligne.valeurs)
            rs->SetValue(champ, valeur);
        rs->Update();
    }
    rs.reset();
    tr.valider();
}

} // namespace vidora
