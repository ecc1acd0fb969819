#include "TravailDeTest.h"

#include "core/windows/DonneesFenetre.h"
#include "core/windows/Legende.h"

#include <gtest/gtest.h>

using namespace pelavorine;

namespace {

constexpr int LargeurCaractere = 7;
constexpr int Depart = 60;

int Largeur(const QString& t) {
    return LargeurCaractere * static_cast<int>(t.size());
}

// Window 3 (the work's own channels are in window 1) shows U (V), I (A, doubled), P (offset), Y2
// against its own abscissa X and the channel E that holds no point yet; X is not shown, W is shown
// in window 2 only.
class LegendeTest : public TravailDeTest {
protected:
    DonneesFenetre fenetre{3};
    int u = 0, x = 0, i = 0, p = 0, y2 = 0, e = 0, w = 0;

    int Courbe(const QString& nom, const QString& unite, std::int32_t couleur, int dans = 3) {
        const int slot = Table(nom, {1, 2, 3});
        Var(slot).Unite = unite;
        Var(slot).Couleur = couleur;
        if (dans) Var(slot).AfficherDans(dans, true);
        return slot;
    }

    void SetUp() override {
        u = Courbe("U", "V", 0x0000FF);
        x = Courbe("X", "m", 0x00FF00, 0);
        i = Courbe("I", "A", 0x00FF00);
        Var(i).Multiplicateur = 2;
        p = Courbe("P", " ", 0xFF0000);
        Var(p).Decalage = 0.5;
        y2 = Courbe("Y2", "V", 0x808080);
        Var(y2).FixerAbscisseVariable("X", "T");
        e = table.CreerVariable("E", 10, genre::Entree);
        Var(e).Couleur = 0x123456;
        Var(e).AfficherDans(3, true);
        w = Courbe("W", "V", 0, 2);
    }
};

TEST_F(LegendeTest, CourbesDeLaFenetre) {
    EXPECT_EQ(CourbesAffichees(3, table), std::vector<int>({u, i, p, y2, e}));
    EXPECT_EQ(CourbesAffichees(2, table), std::vector<int>({w}));
    // The time variable is never a curve, even with the window's bit.
    Var(table.CaseTemps()).AfficherDans(2, true);
    EXPECT_EQ(CourbesAffichees(2, table), std::vector<int>({w}));

    const std::pair<int, int> courantes[] = {{i, i}, {e, e}, {x, u}, {w, u}, {0, u}};
    for (const auto& [programme, attendue] : courantes)
        EXPECT_EQ(CourbeCourante(fenetre, table, programme), attendue) << programme;
    EXPECT_EQ(CourbeCourante(DonneesFenetre(4), table, u), 0);
}

TEST_F(LegendeTest, CompositionDeLaLegende) {
    struct Cas {
        std::uint8_t prefixe;
        bool noirEtBlanc;
        const char* texte;
    };
    const Cas cas[] = {
        {0, false, "U(V), I(A), P, Y2(X), E"},
        {0, true, "U(V), I(A), P, Y2(X), E"},
        {'k', false, "U(kV), I(kA), P, Y2(X), E"},
        {'Y', false, "U(V), I(A), P, Y2(X), E"}, // minutes are not a unit prefix
    };
    const std::vector<int> ordre = {u, i, p, y2, e};
    for (const Cas& c : cas) {
        for (int courante : {i, x}) {
            SCOPED_TRACE(std::string(c.texte) + " " + std::to_string(courante));
            fenetre.echelleY.prefixe = c.prefixe;
            const PlanLegende plan =
                ComposerLegende(fenetre, table, courante, Depart, 1000, c.noirEtBlanc, Largeur);
            EXPECT_EQ(plan.texte, QString::fromUtf8(c.texte));
            // X is not in this window: the first curve is the underlined one.
            const int soulignee = courante == x ? u : courante;
            EXPECT_EQ(plan.courbeCourante, soulignee);
            ASSERT_EQ(plan.noms.size(), ordre.size());
            for (std::size_t k = 0; k < ordre.size(); ++k) {
                const NomLegende& n = plan.noms[k];
                const TypeId& v = Var(ordre[k]);
                EXPECT_EQ(n.variable, ordre[k]);
                // Each name stands where its text starts in the legend.
                EXPECT_EQ(n.x, Depart + Largeur(plan.texte.left(plan.texte.indexOf(n.texte))));
                EXPECT_TRUE(plan.texte.mid(plan.texte.indexOf(n.texte)).startsWith(n.texte));
                EXPECT_EQ(n.couleur, c.noirEtBlanc ? 0 : v.Couleur);
                EXPECT_EQ(n.italique, ordre[k] == i || ordre[k] == p);
                EXPECT_EQ(n.souligne, ordre[k] == soulignee);
            }
        }
    }
}

TEST_F(LegendeTest, LigneTropLongue) {
    struct Cas {
        int largeurMax;
        const char* texte;
        std::size_t noms;
    };
    const Cas cas[] = {
        {Largeur("U(V), I(A), P, Y2(X), E"), "U(V), I(A), P, Y2(X), E", 5},
        {Largeur("U(V), I(A), P, Y2(X), E") - 1, "U(V), I(A), P, Y2(X),...", 4},
        {Largeur("U(V), I(A), P"), "U(V), I(A), P,...", 3},
        // The first name is written however narrow the window.
        {10, "U(V),...", 1},
    };
    for (const Cas& c : cas) {
        const PlanLegende plan =
            ComposerLegende(fenetre, table, 0, Depart, c.largeurMax, false, Largeur);
        EXPECT_EQ(plan.texte, c.texte) << c.largeurMax;
        EXPECT_EQ(plan.noms.size(), c.noms) << c.largeurMax;
    }
}

TEST_F(LegendeTest, NomSousLaSouris) {
    const QString legende = "U(V), I(A), P, Y2(X), E";
    // Character k covers x = Depart + 7k .. Depart + 7k + 6.
    const auto colonne = [](int k) { return Depart + LargeurCaractere * k; };
    struct Cas {
        int x;
        int attendue;
    };
    const Cas cas[] = {
        {colonne(0), u},      {colonne(2) + 6, u}, // on the unit
        {colonne(4), 0},                           // on the comma
        {colonne(5), i},                           // the blank after a comma starts the next name
        {colonne(12) + 3, p},                      // P
        {colonne(18), y2},                         // the X of "Y2(X)" is Y2's abscissa, not X
        {colonne(22), e},     {colonne(23), 0},    // past the end
        {Depart - 1, 0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(VariableSousLaSouris(legende, c.x, Depart, table, Largeur), c.attendue) << c.x;
    EXPECT_EQ(VariableSousLaSouris("U(V),...", colonne(6), Depart, table, Largeur), 0);
    EXPECT_EQ(VariableSousLaSouris("GONE, U", colonne(1), Depart, table, Largeur), 0);
}

TEST_F(LegendeTest, BulleDesFacteurs) {
    struct Cas {
        double multiplicateur, decalage;
        const char* bulle;
    };
    const Cas cas[] = {
        {1, 0, ""},
        {2, 0, "Mult.=2  Decal.=0"},
        {1, 0.5, "Mult.=1  Decal.=0.5"},
        {1.0 / 3, -1.23456, "Mult.=0.3333  Decal.=-1.2346"},
    };
    for (const Cas& c : cas) {
        Var(u).Multiplicateur = c.multiplicateur;
        Var(u).Decalage = c.decalage;
        EXPECT_EQ(BulleEchelle(Var(u)), c.bulle);
    }
}

TEST_F(LegendeTest, TexteDeLAbscisse) {
    struct Cas {
        const char* nom;
        int prefixe;
        const char* unite;
        std::uint8_t genre;
        const char* texte;
        const char* uniteAbscisse;
    };
    const Cas cas[] = {
        {"T", 0, "s", DefinitionAbscisse::Lineaire, "Temps (s)", "s"},
        {"T", 'Y', "", DefinitionAbscisse::Lineaire, "Temps (min)", "min"},
        {"T", 'Z', "", DefinitionAbscisse::Lineaire, "Temps (h)", "h"},
        {"T", 'm', "s", DefinitionAbscisse::Lineaire, "Temps (ms)", "ms"},
        {"T", 0xB5, "s", DefinitionAbscisse::Lineaire, "Temps (µs)", "µs"},
        {"F", 'k', "Hz", DefinitionAbscisse::Logarithmique, "F (kHz)", "kHz"},
        {"F", 0, "", DefinitionAbscisse::Lineaire, "F", ""},
        {"F", 0, "Hz", DefinitionAbscisse::Polaire, "", "Hz"},
    };
    for (const Cas& c : cas) {
        fenetre.abscisse.nom = c.nom;
        fenetre.abscisse.genre = c.genre;
        fenetre.abscisse.unite = "old";
        fenetre.echelleX.prefixe = static_cast<std::uint8_t>(c.prefixe);
        fenetre.echelleX.unite = QString::fromUtf8(c.unite);
        EXPECT_EQ(TexteAbscisse(fenetre), QString::fromUtf8(c.texte)) << c.texte;
        EXPECT_EQ(fenetre.abscisse.unite, QString::fromUtf8(c.uniteAbscisse)) << c.texte;
    }
}

} // namespace
