#include "common/Schema.h"

#include "common/MotDePasse.h"

namespace vidora {

namespace {
DefChamp T(const char* nom, int taille) {
    return {QString::fromUtf8(nom), TypeChamp::Texte, taille};
}
DefChamp L(const char* nom) {
    return {QString::fromUtf8(nom), TypeChamp::Long, 0};
}
DefChamp B(const char* nom) {
    return {QString::fromUtf8(nom), TypeChamp::Booleen, 0};
}
} // namespace

const QVector<DefTable>& SchemaBase() {
    static const QVector<DefTable> schema = {
        {QStringLiteral("Classe"),
         {T("Trave", 5), T("Rang", 5), L("Numero"), T("NumTrave", 5), T("NumRang", 5), L("NumNumero")}},
        {QStringLiteral("AbonChe"), {L("MatriculeAbon")}},
        {QStringLiteral("CDChe"), {L("MatriculeCD")}},
        {QStringLiteral("Special"), {T("Titre", 30)}},
        {QStringLiteral("Genre"), {T("NomGenre", 30)}},
        {QStringLiteral("Etat"), {T("NomEtat", 30)}},
        // The identifier, category and state are wide enough for every value the program copies in.
        {QStringLiteral("CD"),
         {T("MatriculeCD", 15), T("Traver", 5), T("Rang", 5), T("Numero", 5), T("Nom", 60),
          T("Categorie", 30), T("Etat", 30), T("Specialiter", 30), T("Date", 10), T("Sortie", 5),
          B("Image")}},
        {QStringLiteral("Abonne"),
         {T("MatriculeAbon", 10), T("NomAbon", 40),   T("PrenomAbon", 40), T("Adresse1Abon", 40),
          T("Adresse2Abon", 40),  T("CodeAbon", 10),  T("VilleAbon", 40),  T("DateAbon", 11),
          T("DateRest1", 11),     T("DateRest2", 11), T("DateRest3", 11),  T("DateEmp1", 11),
          T("DateEmp2", 11),      T("DateEmp3", 11),  T("MatriCD1", 15),   T("MatriCD2", 15),
          T("MatriCD3", 15),      T("NomCD1", 60),    T("NomCD2", 60),     T("NomCD3", 60),
          L("Averti1"),           L("Averti2"),       L("Averti3")}},
        {QStringLiteral("Para"),
         {T("Nom", 40), T("Prenom", 35), T("Adresse1", 40), T("Adresse2", 40), T("Code", 5), T("Ville", 40),
          T("Tele", 15), T("DelaiMini", 5), T("DelaiMaxi", 5)}},
        {QStringLiteral("Passe"), {T("Mot", 20)}},
    };
    return schema;
}

const QVector<LigneDefaut>& LignesDefaut() {
    static const QVector<LigneDefaut> lignes = [] {
        QVector<LigneDefaut> l;
        const auto S = [](const char* s) { return QVariant(QString::fromUtf8(s)); };
        l.push_back(
            {QStringLiteral("Passe"), {{QStringLiteral("Mot"), *BrouillerMotDePasse(MotDePasseDefaut)}}});
        l.push_back({QStringLiteral("Para"),
                     {{QStringLiteral("Nom"), S("Lunvel")},
                      {QStringLiteral("Prenom"), S("Drune")},
                      {QStringLiteral("Adresse1"), S("1 Place Vordan")},
                      {QStringLiteral("Adresse2"), S("   ")},
                      {QStringLiteral("Code"), S("99999")},
                      {QStringLiteral("Ville"), S("Vermac")},
                      {QStringLiteral("Tele"), S("00 00 00 00 00")},
                      {QStringLiteral("DelaiMini"), S("15")},
                      {QStringLiteral("DelaiMaxi"), S("25")}}});
        for (const char* s : {"POUR TOUS", "INTERDIT MOINS DE 10 ANS", "INTERDIT MOINS 12 ANS",
                              "INTERDIT MOINS 16 ANS", "INTERDIT MOINS 18 ANS"})
            l.push_back({QStringLiteral("Special"), {{QStringLiteral("Titre"), S(s)}}});
        for (const char* s : {"ACTION", "AVENTURE", "COMEDIE", "DESSIN ANIMÉ", "FANTASTIQUE", "GUERRE",
                              "POLICIER", "SCIENCE FICTION", "WESTERN"})
            l.push_back({QStringLiteral("Genre"), {{QStringLiteral("NomGenre"), S(s)}}});
        l.push_back({QStringLiteral("Classe"),
                     {{QStringLiteral("Trave"), S("A")},
                      {QStringLiteral("Rang"), S("1")},
                      {QStringLiteral("Numero"), S("1")},
                      {QStringLiteral("NumRang"), S("8")},
                      {QStringLiteral("NumNumero"), S("10")}}});
        for (const char* s : {"TRES BON", "BON", "MOYEN", "A REMPLACER"})
            l.push_back({QStringLiteral("Etat"), {{QStringLiteral("NomEtat"), S(s)}}});
        l.push_back({QStringLiteral("AbonChe"), {{QStringLiteral("MatriculeAbon"), S("1")}}});
        l.push_back({QStringLiteral("CDChe"), {{QStringLiteral("MatriculeCD"), S("1")}}});
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
