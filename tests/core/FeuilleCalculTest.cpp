#include "TravailDeTest.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/store/Demandes.h"
#include "core/store/Nombres.h"

#include <cmath>

using namespace pelavorine;

namespace {

class FeuilleCalculTest : public TravailDeTest {
protected:
    MoteurCalcul moteur{table, hote};
    FeuilleCalcul feuille{table, hote, travail.nombres, travail.MotDesDemandes(), moteur};

    // A run from the desk ("Lancer les calculs") of that text.
    void Lancer(const QStringList& lignes) {
        feuille.FixerLignes(lignes);
        feuille.LancerFeuille(0);
    }
    bool Existe(const QString& nom) const { return table.IndexVariable(nom) != 0; }
    // Point i of a variable (NaN when it does not exist) and its count (-1).
    double Valeur(const QString& nom, int i = 0) const {
        const TypeId* v = table.Variable(table.IndexVariable(nom));
        return v ? v->LirePoint(i) : std::nan("");
    }
    int Nombre(const QString& nom) const {
        const TypeId* v = table.Variable(table.IndexVariable(nom));
        return v ? v->NbPoints : -1;
    }
    int Genre(const QString& nom) const {
        const TypeId* v = table.Variable(table.IndexVariable(nom));
        return v ? v->Genre : -1;
    }
    QStringList Erreurs() const { return hote.Textes(HoteScripte::Genre::Erreur); }
    QString Selectionne() const {
        const SelectionErreur& s = feuille.Selection();
        return feuille.Lignes().value(s.ligne).mid(s.debut, s.longueur);
    }
};

} // namespace

// --- Pure rules -------------------------------------------------------------------------

TEST(FeuilleCalculTexte, CleaningTrimsAndCutsBothCommentForms) {
    const std::pair<const char*, const char*> cas[] = {
        {"  X=1 ; commentaire", "X=1"},
        {"X=1 {commentaire", "X=1"},
        {"{Z=5}", ""},
        {"\t Y = 2 \t", "Y = 2"},
        {"A=1 ; x { y", "A=1"},
        {"A=1 { x ; y", "A=1"},
        {"  ; seulement", ""},
        {".REPETER 3 {trois}", ".REPETER 3"},
    };
    for (const auto& [ligne, attendu] : cas)
        EXPECT_EQ(S(FeuilleCalcul::NettoyerLigne(ligne)), attendu) << ligne;
}

TEST(FeuilleCalculTexte, ProgressTextShowsTheRepetitionAfterCalculAndStopsAt80) {
    EXPECT_EQ(S(FeuilleCalcul::TexteProgression(2, 10, 1, 1)),
              " CALCUL EN COURS : Ligne  3/10         <ESC> pour interrompre....");
    EXPECT_EQ(S(FeuilleCalcul::TexteProgression(0, 5, 2, 3)),
              " CALCUL 2/3 EN COURS : Ligne  1/5         <ESC> pour interrompre....");
    EXPECT_EQ(S(FeuilleCalcul::TexteProgression(0, 5, 9, directive::Permanent)),
              " CALCUL PERMANENT EN COURS : Ligne  1/5         <ESC> pour interrompre....");
    const QString long_ = FeuilleCalcul::TexteProgression(9999, 10000, 65534, 65534);
    EXPECT_EQ(long_.size(), 80);
    EXPECT_TRUE(long_.startsWith(" CALCUL 65534/65534 EN COURS : Ligne  10000/10000 "));
}

TEST(FeuilleCalculTexte, TheFaultyWordIsFoundFromTheColumnWithoutSpaces) {
    struct Cas {
        const char* ligne;
        int colonne;
        const char* mot;
    };
    const Cas cas[] = {
        {"Y=A+ZZ", 5, "ZZ"},
        {"  Y = A + ZZ", 5, "ZZ"}, // the column skips the blanks
        {"\tX=ZZ*2 ; note", 3, "ZZ"},
        {"Y=2*-3", 5, "2*-3"}, // at an operator: the operand around it
        {"Y=SIN(A", 0, "A"},   // 0: end of the line
        {"Y=SIN", 99, "SIN"},  // past the end: end of the line
        {"Y=A=B", 2, "A"},
        {".REPETER  0", 9, "0"},
        {"Y=", 2, "="}, // at least one character
    };
    for (const auto& c : cas) {
        const SelectionErreur s = MotFautif(c.ligne, c.colonne);
        EXPECT_EQ(S(QString(c.ligne).mid(s.debut, s.longueur)), c.mot)
            << c.ligne << " column " << c.colonne;
    }
    EXPECT_EQ(MotFautif("", 3).longueur, 0);
}

TEST(FeuilleCalculTexte, PointsAcceptAWholeNumberFrom2To10000) {
    for (const char* refuse : {"1", "10001", "0", "-5", "2.5", "abc", ""}) {
        const auto s = FeuilleCalcul::ValiderNbPoints(refuse);
        EXPECT_EQ(S(s.message), " Valeur incorecte ou hors limites") << refuse;
    }
    const std::pair<const char*, int> acceptes[] = {{"2", 2}, {"10000", 10000}, {" 500 ", 500}};
    for (const auto& [texte, n] : acceptes) {
        const auto s = FeuilleCalcul::ValiderNbPoints(texte);
        EXPECT_TRUE(s.message.isEmpty()) << texte;
        EXPECT_EQ(s.valeur, n) << texte;
    }
    EXPECT_EQ(S(FeuilleCalcul::InvitePoints()), "Nb de points (2 à 10000)");
}

TEST_F(FeuilleCalculTest, NonEmptyAndInhibitedSheets) {
    struct Cas {
        QStringList lignes;
        bool nonVide;
        bool inhibee;
    };
    const Cas cas[] = {
        {{}, false, false},
        {{"  ", "{commentaire}", "  {autre"}, false, false},
        {{"; note"}, true, false}, // only '{' makes a comment line here
        {{"", " .inhib", "Y=1"}, true, true},
        {{"Y=1 .INHIB"}, true, false},
    };
    for (const auto& c : cas) {
        feuille.FixerLignes(c.lignes);
        EXPECT_EQ(feuille.FeuilleNonVide(), c.nonVide) << S(c.lignes.join('|'));
        EXPECT_EQ(feuille.FeuilleInhibee(), c.inhibee) << S(c.lignes.join('|'));
    }
}

// --- Runs -------------------------------------------------------------------------------

TEST_F(FeuilleCalculTest, CommentsAndResultsPane) {
    Lancer({"X=1 ; commentaire", "Y=2 {commentaire", "{Z=5}", "", "W=X+Y", "TAB=T*2", "1+2"});
    EXPECT_EQ(feuille.etat.statut, 0);
    EXPECT_DOUBLE_EQ(Valeur("X"), 1);
    EXPECT_DOUBLE_EQ(Valeur("Y"), 2);
    EXPECT_FALSE(Existe("Z"));
    EXPECT_DOUBLE_EQ(Valeur("W"), 3);
    // Three significant digits with trailing zeros; a table shows its size.
    EXPECT_EQ(feuille.Resultats(),
              QStringList({"1.00", "2.00", "", "", "3.00", " Table[200]", "3.00"}));
    EXPECT_TRUE(Erreurs().isEmpty());
    EXPECT_EQ(Genre("W") & genre::Temporaire, 0);
}

TEST_F(FeuilleCalculTest, DigitsAndNotationOfTheWindowRedisplayTheResults) {
    travail.nombres.garderZeros = false; // the pane keeps its zeros all the same
    Lancer({"A=1", "B=5/0", "C=0.0012"});
    feuille.ChangerNbChiffres(5);
    EXPECT_EQ(feuille.Resultats().value(0), "1.0000");
    EXPECT_EQ(feuille.Resultats().value(1), TexteInfini(false));
    feuille.ChangerNbChiffres(40);
    EXPECT_EQ(feuille.etat.nbChiffres, 12);
    feuille.ChangerNbChiffres(2);
    const QString ingenieur = feuille.Resultats().value(2);
    feuille.ChangerIngenieur(!feuille.etat.ingenieur);
    EXPECT_NE(feuille.Resultats().value(2), ingenieur);
}

TEST_F(FeuilleCalculTest, OffSkipsTheLinesUpToOnAndNeedsNoOn) {
    Lancer({"A=1", ".OFF", "B=2", ".REPETER 5", ".ON", "C=3", ".off", "D=4"});
    EXPECT_EQ(feuille.etat.statut, 0);
    EXPECT_TRUE(Existe("A"));
    EXPECT_FALSE(Existe("B"));
    EXPECT_TRUE(Existe("C"));
    EXPECT_FALSE(Existe("D"));
    EXPECT_TRUE(Erreurs().isEmpty());
    EXPECT_EQ(moteur.nombreRepetitions, 1); // .REPETER was not read while off
}

TEST_F(FeuilleCalculTest, AnErrorStopsThePassKeepsTheResultsAboveAndIsReported) {
    Lancer({"A=1", "B=A+ZZ", "C=3"});
    EXPECT_GT(feuille.etat.statut, 0);
    EXPECT_EQ(feuille.Resultats(), QStringList({"1.00"}));
    EXPECT_FALSE(Existe("C"));
    const QString message = TexteErreurCalcul(feuille.etat.statut, table.NbPoint());
    EXPECT_EQ(Erreurs(), QStringList({"ERREUR DE CALCUL : " + message}));
    EXPECT_EQ(feuille.etat.message, message.left(60));
    EXPECT_EQ(feuille.Selection().ligne, -1); // nothing selected from the desk

    // From the window: no box, the faulty word is selected.
    hote.Vider();
    feuille.etat.fenetreActive = true;
    feuille.ModifierLigne(1, "  B = A + ZZ");
    feuille.Executer();
    EXPECT_TRUE(Erreurs().isEmpty());
    EXPECT_EQ(feuille.Selection().ligne, 1);
    EXPECT_EQ(S(Selectionne()), "ZZ");
    EXPECT_EQ(feuille.Resultats(), QStringList({"1.00"}));

    // Escape pressed on the faulty line does not hide the error.
    feuille.etat.fenetreActive = false;
    hote.Vider();
    hote.interrompreApres = 0;
    Lancer({"B=ZZ", "C=3"});
    EXPECT_EQ(feuille.etat.statut, erreur::SymboleNonDefini);
    EXPECT_EQ(Erreurs().size(), 1);
    EXPECT_TRUE(Erreurs().value(0).startsWith("ERREUR DE CALCUL : ")) << S(Erreurs().value(0));
}

TEST_F(FeuilleCalculTest, DirectiveErrorsStopAtTheirLineAndDropTheRepetitions) {
    struct Cas {
        const char* ligne;
        int code;
        const char* mot;
    };
    const Cas cas[] = {
        {".REPETER 0", erreur::Directive, "0"},        {".REPETER 2.5", erreur::Directive, "5"},
        {".REPETER N", erreur::Directive, "N"}, // N is a table
        {".FLOTT", erreur::DirectivePerimee, "FLOTT"}, {".BIDULE", erreur::Directive, "BIDULE"},
    };
    for (const auto& c : cas) {
        feuille.etat.fenetreActive = true;
        feuille.FixerLignes({"N=T", ".PERMANENT", c.ligne, "B=2"});
        feuille.LancerFeuille(0);
        EXPECT_EQ(feuille.etat.statut, c.code) << c.ligne;
        EXPECT_EQ(moteur.nombreRepetitions, 1) << c.ligne;
        EXPECT_FALSE(Existe("B")) << c.ligne;
        EXPECT_EQ(S(Selectionne()), c.mot) << c.ligne;
    }
}

TEST_F(FeuilleCalculTest, RepeatedDeskRunBuildsAFamilyOfCurvesAndSkipsTheInitBlock) {
    // .REPETER N with N a scalar variable; the first lines form the .INIT block.
    Lancer({"K=0", "N=3", ".REPETER N", "K=K+1", "RESEAU.Y=T*0+K", "RES.Z=T*NUMPOINT"});
    const int n = table.NbPoint();
    ASSERT_EQ(feuille.etat.statut, 0) << S(Erreurs().join('|'));
    EXPECT_EQ(Nombre("Y"), 3 * n);
    EXPECT_EQ(Nombre("Z"), 3 * n);
    // K=0 ran in the first repetition only.
    EXPECT_DOUBLE_EQ(Valeur("K"), 3);
    EXPECT_DOUBLE_EQ(Valeur("Y", 1), 1);
    EXPECT_DOUBLE_EQ(Valeur("Y", n + 1), 2);
    EXPECT_DOUBLE_EQ(Valeur("Y", 3 * n), 3);
    EXPECT_EQ(Genre("N") & (genre::Calculee | genre::Repetee), genre::Calculee | genre::Repetee);
    EXPECT_EQ(moteur.numeroRepetition, 4);

    // A run from the window advances one repetition per command.
    feuille.etat.fenetreActive = true;
    feuille.FixerLignes({".REPETER 3", "RESEAU.Y=T"});
    feuille.Executer();
    feuille.Executer();
    EXPECT_EQ(Nombre("Y"), 2 * n);
    EXPECT_EQ(moteur.numeroRepetition, 3);
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::LigneInfo)
                    .contains(FeuilleCalcul::TexteProgression(1, 2, 2, 3)));
}

TEST_F(FeuilleCalculTest, APermanentRunEndsWhenThePauseIsRefused) {
    hote.reponses = {true, true, false};
    Lancer({"A=0", ".PERMANENTE", "A=A+1", ".PAUSE"});
    EXPECT_DOUBLE_EQ(Valeur("A"), 3);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question),
              QStringList({"Continuer", "Continuer", "Continuer"}));
    EXPECT_EQ(moteur.nombreRepetitions, 1);

    // From the window the pause is not asked.
    hote.Vider();
    feuille.etat.fenetreActive = true;
    feuille.ToutRecalculer();
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Question).isEmpty());
}

TEST_F(FeuilleCalculTest, EscapeInARepeatedDeskRunStopsAtTheEndOfThePass) {
    Lancer({"OLD=1"});
    hote.Vider();
    hote.interrompreApres = 0; // Escape is seen on the first line
    Lancer({".REPETER 3", "A=1", ".ON", "RESEAU.Y=T"});
    EXPECT_EQ(Erreurs(), QStringList({"Interruption enregistrée. Arrêt en fin de boucle"}));
    EXPECT_DOUBLE_EQ(Valeur("A"), 1);        // the pass went on
    EXPECT_EQ(Nombre("Y"), table.NbPoint()); // and no other pass followed
    EXPECT_EQ(moteur.nombreRepetitions, 0);
    EXPECT_EQ(feuille.etat.statut, 0);
    EXPECT_EQ(feuille.Resultats().value(1), ""); // interrupted: not shown
    // Nothing is deleted after an interruption, even once .ON has cleared the status.
    EXPECT_TRUE(Existe("OLD"));
}

TEST_F(FeuilleCalculTest, EscapeInASingleRunStopsAtOnce) {
    hote.interrompreApres = 0;
    Lancer({"A=1", "B=2"});
    EXPECT_EQ(Erreurs(), QStringList({"Interruption des calculs par utilisateur"}));
    EXPECT_FALSE(Existe("B"));

    // Quiet and without progress (acquisition): no box, no status line, no repetition
    // bookkeeping.
    hote.Vider();
    hote.appelsInterruption = 0;
    feuille.etat.silencieux = true;
    feuille.etat.sansProgression = true;
    moteur.numeroRepetition = 1;
    feuille.ExecuterFeuille(0);
    EXPECT_TRUE(hote.messages.empty());
    EXPECT_EQ(moteur.numeroRepetition, 1);
}

TEST_F(FeuilleCalculTest, StaleVariablesAreDeletedAfterTheNextSuccessfulRunOnly) {
    Table("ACQ", {1, 2});
    Lancer({"OLD=5", "Z=1"});
    EXPECT_TRUE(Existe("OLD"));

    Lancer({"Z=1", "Q=ZZ"}); // a failed run deletes nothing
    EXPECT_TRUE(Existe("OLD"));
    EXPECT_EQ(Genre("OLD") & genre::Temporaire, genre::Temporaire);

    Lancer({"Z=1", "RESEAU.R=T"});
    EXPECT_FALSE(Existe("OLD"));
    EXPECT_FALSE(Existe("Q"));
    EXPECT_TRUE(Existe("Z"));
    EXPECT_TRUE(Existe("R"));
    EXPECT_TRUE(Existe("ACQ")); // not calculated: never marked
}

TEST_F(FeuilleCalculTest, AnEditedLineIsRecomputedFromThereKeepingTheLinesAbove) {
    feuille.etat.fenetreActive = true;
    feuille.FixerLignes({"A=1", "RES.F=T", "B=A*2", "C=B+1"});
    feuille.Executer();
    ASSERT_EQ(feuille.Resultats().size(), 4);
    EXPECT_EQ(feuille.etat.premiereLigne, 4);

    Var("A").EcrirePoint(0, 10); // visible only if line 0 is not run again
    feuille.ModifierLigne(2, "B=A*3");
    EXPECT_EQ(feuille.etat.premiereLigne, 2);
    EXPECT_EQ(feuille.Resultats(), QStringList({"1.00", " Table[200]", "", ""}));
    feuille.Executer();
    EXPECT_DOUBLE_EQ(Valeur("B"), 30);
    EXPECT_DOUBLE_EQ(Valeur("C"), 31);
    // The variables of the lines above were kept, the family of curves too.
    EXPECT_TRUE(Existe("A"));
    EXPECT_TRUE(Existe("F"));
    EXPECT_EQ(feuille.Resultats().size(), 4);

    // A name assigned twice makes every line run again.
    feuille.FixerLignes({"A=1", "A=A+1", "B=A*2", "C=B+1"});
    feuille.Executer();
    ASSERT_TRUE(Existe("A"));
    Var("A").EcrirePoint(0, 10);
    feuille.ModifierLigne(2, "B=A*3");
    feuille.Executer();
    EXPECT_DOUBLE_EQ(Valeur("B"), 6);
}

TEST_F(FeuilleCalculTest, EditingClearsResultsInTheFirstRepetitionAndBlanksThemLater) {
    feuille.etat.fenetreActive = true;
    feuille.FixerLignes({".REPETER 3", "A=1", "B=2", "C=3"});
    feuille.Executer();
    ASSERT_EQ(feuille.Resultats().size(), 4);
    feuille.InsererLigne(2, "X=4"); // repetition 2 now: blanked, not removed
    EXPECT_EQ(feuille.Resultats(), QStringList({"", "1.00", "", ""}));

    moteur.numeroRepetition = 1;
    feuille.SupprimerLigne(1);
    EXPECT_EQ(feuille.Resultats(), QStringList({""}));
}

TEST_F(FeuilleCalculTest, InhibStopsADeskRunButNotAWindowRun) {
    Lancer({"A=1", ".INHIB", "B=2"});
    EXPECT_FALSE(Existe("B"));
    EXPECT_TRUE(Erreurs().isEmpty());
    EXPECT_EQ(feuille.etat.statut, 0);

    feuille.etat.fenetreActive = true;
    feuille.ToutRecalculer();
    EXPECT_TRUE(Existe("B"));
    EXPECT_FALSE(feuille.etat.inhibitionIgnoree); // for this run only
}

TEST_F(FeuilleCalculTest, ChangeRequestsAfterARun) {
    travail.DemanderMiseAJour(demande::Feuille);
    Lancer({"A=1"});
    std::uint16_t d = travail.PrendreDemandes();
    EXPECT_EQ(d & demande::Feuille, 0);
    // Every window, measurements, comments, frame and curves; the axes request goes with
    // the outputs one after the first pass.
    EXPECT_EQ(d & 0xEB, 0xCB);
    EXPECT_EQ(d & 0x9000, 0x9000);

    Lancer({"A=1", "B=ZZ"});
    d = travail.PrendreDemandes();
    EXPECT_EQ(d & 0xEB, 0xC1);
    EXPECT_EQ(feuille.etat.premiereLigne, 0); // a failed run leaves everything to recompute

    feuille.etat.drapeaux = drapeauFeuille::SansRedessin;
    Lancer({"A=1"});
    EXPECT_EQ(travail.PrendreDemandes() & 0xEB, 0xC1);
}

TEST_F(FeuilleCalculTest, PointsResizeTheTimeBaseAndRecalculate) {
    feuille.etat.fenetreActive = true;
    feuille.FixerLignes({"Y=T*2"});
    feuille.Executer();
    EXPECT_FALSE(feuille.ChangerNbPoints(table.NbPoint()));
    EXPECT_FALSE(feuille.ChangerNbPoints(1));
    EXPECT_FALSE(feuille.ChangerNbPoints(10001));
    EXPECT_TRUE(feuille.ChangerNbPoints(50));
    EXPECT_EQ(table.NbPoint(), 50);
    EXPECT_EQ(Nombre("Y"), 50);
    EXPECT_EQ(feuille.Resultats(), QStringList({" Table[50]"}));
}
