#include "CommandeEssai.h"

#include "cli/AnalyseurOptions.h"
#include "cli/CommandeInfo.h"
#include "cli/CommandeRun.h"

#include <gtest/gtest.h>

using namespace pelavorine::cli;

namespace {

using D = OptionsAnalysees::Donnee;

struct Cas {
    const char* quoi;
    const char* commande; // run, info or essai (run's options and its own)
    QStringList arguments;
    QString erreur;       // empty: accepted
    QString fichier = {}; // when accepted
    QList<D> donnees = {};
};

const Cas kCas[] = {
    {"file in its place, options in the order written, repeated ones kept",
     "run",
     {"a.PL2", "--line", "X=1", "--points", "4", "--line", "Y=2", "--json"},
     "",
     "a.PL2",
     {{"--line", "X=1"}, {"--points", "4"}, {"--line", "Y=2"}, {"--json", ""}}},
    {"no file", "run", {"--points", "4"}, "", "", {{"--points", "4"}}},
    {"unknown option", "run", {"--frobnicate"}, "option inconnue : --frobnicate"},
    {"a subcommand's own option is not run's",
     "run",
     {"--order", "2"},
     "option inconnue : --order"},
    {"run's options are not info's",
     "info",
     {"a.PL2", "--points", "3"},
     "option inconnue : --points"},
    {"value missing", "run", {"--points"}, "valeur manquante après --points"},
    {"value missing after an own option", "essai", {"--order"}, "valeur manquante après --order"},
    {"value refused", "run", {"--points", "0"}, "valeur incorrecte pour --points : 0"},
    {"value refused above", "run", {"--digits", "21"}, "valeur incorrecte pour --digits : 21"},
    {"value refused, not positive",
     "run",
     {"--tbase", "-1"},
     "valeur incorrecte pour --tbase : -1"},
    {"value refused, not a choice",
     "run",
     {"--engineering", "maybe"},
     "valeur incorrecte pour --engineering : maybe"},
    {"value refused with its reason",
     "run",
     {"--save", "x.DAT"},
     "valeur incorrecte pour --save : x.DAT (extension .PL2, .PLC ou .TXT attendue)"},
    {"an option given once, given twice",
     "run",
     {"--save", "a.PL2", "--save", "b.pl2"},
     "valeur incorrecte pour --save : b.pl2 (un seul fichier à enregistrer)"},
    {"own value refused", "essai", {"--order", "9"}, "valeur incorrecte pour --order : 9"},
    {"run's check holds in a subcommand",
     "essai",
     {"--points", "0"},
     "valeur incorrecte pour --points : 0"},
    {"word after an option",
     "run",
     {"--points", "4", "a.PL2"},
     "argument inattendu : a.PL2 (le fichier se place juste après run)"},
    {"second word", "run", {"a.PL2", "b.PL2"}, "un seul fichier à lire : b.PL2"},
    {"info's file after its option",
     "info",
     {"--json", "a.PL2"},
     "argument inattendu : a.PL2 (le fichier se place juste après info)"},
    {"info needs its file", "info", {"--json"}, "fichier manquant"},
    {"info", "info", {"a.PL2", "--json"}, "", "a.PL2", {{"--json", ""}}},
    {"run's options with a subcommand's own, in the order written",
     "essai",
     {"a.PL2", "--points", "4", "--order", "2", "--fail", "--save", "o.PL2"},
     "",
     "a.PL2",
     {{"--points", "4"}, {"--order", "2"}, {"--fail", ""}, {"--save", "o.PL2"}}},
    {"word out of place in a subcommand",
     "essai",
     {"--fail", "a.PL2"},
     "argument inattendu : a.PL2 (le fichier se place juste après essai)"},
};

std::string Texte(const QList<D>& donnees) {
    QStringList t;
    for (const D& d : donnees)
        t << d.nom + '=' + d.valeur;
    return t.join(' ').toStdString();
}

} // namespace

TEST(AnalyseurOptions, TakesTheFileInItsPlaceAndTheOptionsOfItsTables) {
    CommandeRun run;
    CommandeInfo info;
    CommandeEssai essai;
    for (const Cas& c : kCas) {
        SCOPED_TRACE(c.quoi);
        const QString nom = QString::fromLatin1(c.commande);
        const SousCommande& commande = nom == "run"    ? static_cast<const SousCommande&>(run)
                                       : nom == "info" ? static_cast<const SousCommande&>(info)
                                                       : essai;
        OptionsAnalysees resultat;
        QString erreur;
        const bool ok = AnalyseurOptions(commande).Analyser(c.arguments, resultat, erreur);
        EXPECT_EQ(erreur.toStdString(), c.erreur.toStdString());
        EXPECT_EQ(ok, c.erreur.isEmpty());
        if (!ok) continue;
        EXPECT_EQ(resultat.fichier.value_or(QString()).toStdString(), c.fichier.toStdString());
        EXPECT_EQ(Texte(resultat.donnees), Texte(c.donnees));
    }
}
