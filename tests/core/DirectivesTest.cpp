#include "TravailDeTest.h"

#include "core/calc/Directives.h"

using namespace pelavorine;

namespace {

class DirectivesTest : public TravailDeTest {
protected:
    Directives directives{table, hote};
    ModesCalcul modes;

    Directives::Resultat Executer(const QString& ligne, int statut = 0) {
        return directives.ExecuterDirective(ligne, statut, modes);
    }
};

} // namespace

TEST(DirectivesMots, WordsAreSplitUpperCasedAndPlacedOnTheLineWithoutSpaces) {
    const QList<Directives::Mot> mots = Directives::Decouper(".repeter  (n1) ,ATAN=180:x.y");
    QStringList textes;
    QList<int> positions;
    for (const auto& m : mots) {
        textes << m.texte;
        positions << m.position;
    }
    EXPECT_EQ(textes, QStringList({"REPETER", "N1", "ATAN", "180", "X", "Y"}));
    // ".repeter(n1),ATAN=180:x.y" without spaces: the '.' is column 1.
    EXPECT_EQ(positions, QList<int>({2, 10, 14, 19, 23, 25}));
    EXPECT_EQ(mots[1].brut, "n1");
    EXPECT_TRUE(Directives::Decouper(".").isEmpty());
}

TEST(DirectivesMots, ANameIsFoundAnywhereInTheFirstTenCharactersInTableOrder) {
    struct Cas {
        const char* mot;
        Directives::Nom nom;
    };
    const Cas cas[] = {
        {"REPETER", Directives::Repeter}, {"PERMANENTE", Directives::Permanent},
        {"MONTRER", Directives::On},      {"INITIALISER", Directives::Init},
        {"RADIANS", Directives::Radian},  {"TEMPORISER", Directives::Tempo},
        {"FIXE", Directives::Fix},        {"OFF", Directives::Off},
        {"XXPAUSE", Directives::Pause},   {"INHIB", Directives::Inhib},
        {"REPETE", Directives::Aucun},    {"XXXXXXXXXXON", Directives::Aucun},
        {"", Directives::Aucun},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Directives::Reconnaitre(c.mot), c.nom) << c.mot;
}

TEST_F(DirectivesTest, ResultsAndRepetitionCounts) {
    const int n = table.CreerVariable("N", 1, genre::Calculee);
    table.Variable(n)->EcrirePoint(0, 4);
    const int demi = table.CreerVariable("DEMI", 1, genre::Calculee);
    table.Variable(demi)->EcrirePoint(0, 2.5);
    Table("TAB", {1, 2, 3});

    struct Cas {
        const char* ligne;
        int resultat;
        int nombre; // repetition count afterwards, starting from 7
    };
    const Cas cas[] = {
        {".REPETER 3", directive::Boucle, 3},
        {".REPETER(5)", directive::Boucle, 5},
        {".repeter n", directive::Boucle, 4},
        {".REPETER 65534", directive::Boucle, 65534},
        {".PERMANENTE", directive::Boucle, directive::Permanent},
        {".REPETER 0", directive::Incorrecte, 1},
        {".REPETER 2.5", directive::Incorrecte, 1},
        {".REPETER -2", directive::Incorrecte, 1},
        {".REPETER 65535", directive::Incorrecte, 1},
        {".REPETER", directive::Incorrecte, 1},
        {".REPETER DEMI", directive::Incorrecte, 1},
        {".REPETER TAB", directive::Incorrecte, 1},
        {".REPETER INCONNUE", directive::Incorrecte, 1},
        {".INIT", directive::Init, 7},
        {".AFFICHER", directive::Afficher, 7},
        {".AFFICHER EMETTRE PAUSE", directive::Afficher | directive::Emettre | directive::Pause, 7},
        {".OFF", directive::Arret, 7},
        {".ON", directive::Marche, 7},
        {".MONTRER", directive::Marche, 7},
        {".INHIB", directive::Inhibition, 7},
        {".INIT INHIB", directive::Init, 7},
        {".FLOTT", directive::Perimee, 1},
        {".FIX", directive::Perimee, 1},
        {".BIDULE", directive::Incorrecte, 1},
        {".DEGRE BIDULE", directive::Incorrecte, 1},
        {".TEMPO 1", 0, 7},
        {".TEMPO 0", directive::Incorrecte, 1},
        {".", 0, 7},
    };
    for (const auto& c : cas) {
        modes.nombreRepetitions = 7;
        EXPECT_EQ(Executer(c.ligne).resultat, c.resultat) << c.ligne;
        EXPECT_EQ(modes.nombreRepetitions, c.nombre) << c.ligne;
    }
}

TEST_F(DirectivesTest, TheWordPositionPointsAtTheFaultyWord) {
    EXPECT_EQ(Executer(".REPETER 0").position, 9);
    EXPECT_EQ(Executer(".REPETER").position, 2);
    EXPECT_EQ(Executer(".DEGRE  BIDULE").position, 7);
    EXPECT_EQ(Executer(".FIX").position, 2);
}

TEST_F(DirectivesTest, AngleModesChangeWithDegreRadianAndAtan) {
    EXPECT_EQ(Executer(".DEGRE").resultat, 0);
    EXPECT_TRUE(modes.degres);
    Executer(".RADIAN");
    EXPECT_FALSE(modes.degres);
    Executer(".ATAN 180");
    EXPECT_EQ(modes.modeAtan, 180);
    Executer(".ATAN 45"); // any other word changes nothing
    EXPECT_EQ(modes.modeAtan, 180);
    Executer(".ATAN(90)");
    EXPECT_EQ(modes.modeAtan, 90);
}

TEST_F(DirectivesTest, WhileOffOnlyALineStartingWithOnIsRead) {
    modes.nombreRepetitions = 1;
    EXPECT_EQ(Executer(".REPETER 3", directive::Arret).resultat, directive::Arret);
    EXPECT_EQ(modes.nombreRepetitions, 1);
    EXPECT_EQ(Executer(".BIDULE", directive::Arret).resultat, directive::Arret);
    EXPECT_EQ(Executer(".MONTRER", directive::Arret).resultat, directive::Arret);
    EXPECT_EQ(Executer(".ON", directive::Arret).resultat, directive::Marche);
    EXPECT_EQ(Executer(". on", directive::Arret).resultat, directive::Marche);
}

TEST_F(DirectivesTest, ALongTempoEndsWhenEscapeIsPressed) {
    // A short wait does not listen to Escape.
    hote.interrompreApres = 0;
    EXPECT_EQ(Executer(".TEMPO 20").resultat, 0);
    EXPECT_EQ(hote.appelsInterruption, 0);

    // A wait of 10 s stops at the third poll and leaves the Escape flag for the driver.
    EXPECT_EQ(Executer(".TEMPO 10000").resultat, 0);
    EXPECT_EQ(hote.appelsInterruption, 1);
    EXPECT_TRUE(hote.interrompre);

    hote.EffacerInterruption();
    hote.appelsInterruption = 0;
    hote.interrompreApres = 2;
    EXPECT_EQ(Executer(".TEMPO 10000").resultat, 0);
    EXPECT_EQ(hote.appelsInterruption, 3);
}
