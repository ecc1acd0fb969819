#include "TravailDeTest.h"

#include "core/store/MesurePeriode.h"

#include <cmath>
#include <functional>
#include <numbers>

using namespace pelavorine;

namespace {
constexpr const char* kEchec = "Signal non périodique ou pas assez de périodes affichées";
using Mode = MesurePeriode::ModeSeuil;
} // namespace

class MesurePeriodeTest : public TravailDeTest {
protected:
    // A variable of NBPOINT points v(i), shown in window 1.
    int Signal(const std::function<double(int)>& v, const QString& nom = QStringLiteral("S")) {
        const int slot = table.CreerVariable(nom, table.NbPoint(), genre::Acquise);
        for (int i = 1; i <= table.NbPoint(); ++i)
            Var(slot).EcrirePoint(i, v(i));
        Var(slot).CalculerStatistiques();
        Var(slot).AfficherDans(1, true);
        return slot;
    }
    // A sine of 36 points per period crossing zero upwards between points 1 and 2, 37 and
    // 38…: six rising crossings, five whole periods over 200 points.
    int Sinus36() {
        return Signal([](int i) { return std::sin(2 * std::numbers::pi * (i - 1.5) / 36); });
    }
    double Periode(MesurePeriode& etat, int slot, bool restaurer = false, bool memoriser = false) {
        return MesurerPeriode(table, hote, etat, slot, 1, restaurer, memoriser);
    }
    QStringList Erreurs() const { return hote.Textes(HoteScripte::Genre::Erreur); }
    SelectionFenetre Selection() { return travail.TableDesFenetres().Selection(1); }
    double tbase() const { return table.TBase(); }
};

TEST_F(MesurePeriodeTest, PreparationDefaults) {
    const MesurePeriode automatique = PreparerMesure(true);
    EXPECT_EQ(automatique.periodes, 0);
    EXPECT_EQ(automatique.seuil, 0.0);
    EXPECT_FALSE(automatique.descendant);
    EXPECT_FALSE(automatique.muet);
    EXPECT_EQ(automatique.mode, Mode::Milieu);
    EXPECT_EQ(PreparerMesure(false).periodes, 1);
    const MesurePeriode donne = PreparerMesure(false, 2.5, Mode::Donne);
    EXPECT_EQ(donne.seuil, 2.5);
    EXPECT_EQ(donne.mode, Mode::Donne);
    EXPECT_EQ(donne.periodes, 1);
}

TEST_F(MesurePeriodeTest, CountsEveryPeriodShownWhenAskedForAsManyAsFound) {
    const int s = Sinus36();
    MesurePeriode etat = PreparerMesure(true);
    EXPECT_NEAR(Periode(etat, s), 36 * tbase(), 1e-12);
    EXPECT_EQ(etat.periodes, 5);
    EXPECT_EQ(etat.premierPassage, 1);
    EXPECT_EQ(etat.dernierPassage, 181);
    EXPECT_NEAR(etat.seuil, 0.0, 1e-12);
    EXPECT_TRUE(Erreurs().isEmpty());
}

TEST_F(MesurePeriodeTest, ExactCountSucceedsUpToThePeriodsShown) {
    const int s = Sinus36();
    struct Cas {
        int demandees;
        double periode;
        int dernier;
    };
    for (const Cas c : {Cas{1, 36, 37}, Cas{3, 36, 109}, Cas{5, 36, 181}, Cas{6, 0, 0}}) {
        hote.Vider();
        MesurePeriode etat = PreparerMesure(false, 0.0, Mode::Donne);
        etat.periodes = c.demandees;
        EXPECT_NEAR(Periode(etat, s), c.periode * tbase(), 1e-12) << c.demandees;
        if (c.periode == 0) {
            EXPECT_EQ(Erreurs(), QStringList{QString::fromUtf8(kEchec)});
            continue;
        }
        EXPECT_EQ(etat.periodes, c.demandees);
        EXPECT_EQ(etat.dernierPassage, c.dernier) << c.demandees;
        EXPECT_TRUE(Erreurs().isEmpty()) << c.demandees;
    }
}

TEST_F(MesurePeriodeTest, FallingCrossings) {
    const int s = Sinus36();
    MesurePeriode etat = PreparerMesure(true);
    etat.descendant = true;
    EXPECT_NEAR(Periode(etat, s), 36 * tbase(), 1e-12);
    EXPECT_EQ(etat.premierPassage, 19);
    EXPECT_EQ(etat.dernierPassage, 199);
    EXPECT_EQ(etat.periodes, 5);
}

// A square wave of 20 points per period, 5 points at 4 then 15 points at 0: its mean is 1,
// half-way between its extremes is 2.
TEST_F(MesurePeriodeTest, ThresholdFollowsItsMode) {
    const int s = Signal([](int i) { return (i - 1) % 20 >= 15 ? 4.0 : 0.0; });
    struct Cas {
        Mode mode;
        double donne;
        double seuil;
    };
    for (const Cas c :
         {Cas{Mode::Moyenne, 9, 1}, Cas{Mode::Milieu, 9, 2}, Cas{Mode::Donne, 3, 3}}) {
        MesurePeriode etat = PreparerMesure(true, c.donne, c.mode);
        EXPECT_NEAR(Periode(etat, s), 20 * tbase(), 1e-12) << static_cast<int>(c.mode);
        EXPECT_EQ(etat.seuil, c.seuil) << static_cast<int>(c.mode);
        EXPECT_EQ(etat.periodes, 9);
        EXPECT_EQ(etat.premierPassage, 15);
    }
}

TEST_F(MesurePeriodeTest, ConstantSignalFailsAndResetsTheSelection) {
    const int s = Signal([](int) { return 3.0; });
    travail.TableDesFenetres().FixerSelection(1, {true, 20, 80, s});
    for (const bool descendant : {false, true}) {
        hote.Vider();
        MesurePeriode etat = PreparerMesure(true);
        etat.descendant = descendant;
        EXPECT_EQ(Periode(etat, s), 0.0) << descendant;
        EXPECT_EQ(Erreurs(), QStringList{QString::fromUtf8(kEchec)}) << descendant;
        const SelectionFenetre sel = Selection();
        EXPECT_FALSE(sel.active);
        EXPECT_EQ(sel.premier, 1);
        EXPECT_EQ(sel.dernier, 200);
        EXPECT_EQ(sel.variable, s);
    }
}

TEST_F(MesurePeriodeTest, SilentFailureShowsNothing) {
    const int s = Signal([](int) { return 3.0; });
    MesurePeriode etat = PreparerMesure(true);
    etat.muet = true;
    EXPECT_EQ(Periode(etat, s), 0.0);
    EXPECT_TRUE(Erreurs().isEmpty());
}

TEST_F(MesurePeriodeTest, ActiveSelectionLimitsTheSearch) {
    const int s = Sinus36();
    travail.TableDesFenetres().FixerSelection(1, {true, 50, 130, s});
    MesurePeriode etat = PreparerMesure(true);
    EXPECT_NEAR(Periode(etat, s), 36 * tbase(), 1e-12);
    EXPECT_EQ(etat.premierPassage, 73);
    EXPECT_EQ(etat.dernierPassage, 109);
    EXPECT_EQ(etat.periodes, 1);
}

TEST_F(MesurePeriodeTest, MemorisedSelectionSpansTheMeasuredPeriods) {
    const int s = Sinus36();
    travail.PrendreDemandes();
    MesurePeriode etat = PreparerMesure(true);
    Periode(etat, s, false, true);
    const SelectionFenetre sel = Selection();
    EXPECT_TRUE(sel.active);
    EXPECT_EQ(sel.premier, 1);
    EXPECT_EQ(sel.dernier, 181);
    EXPECT_EQ(sel.variable, s);
    EXPECT_EQ(travail.Demandes() & 0x00C0, 0x00C0);
}

TEST_F(MesurePeriodeTest, RestoreBringsThePreviousSelectionBack) {
    const int s = Sinus36();
    travail.TableDesFenetres().FixerSelection(1, {true, 2, 190, 0});
    MesurePeriode etat = PreparerMesure(true);
    EXPECT_GT(Periode(etat, s, true, true), 0.0);
    const SelectionFenetre sel = Selection();
    EXPECT_TRUE(sel.active);
    EXPECT_EQ(sel.premier, 2);
    EXPECT_EQ(sel.dernier, 190);
    EXPECT_EQ(sel.variable, 0);
}

TEST_F(MesurePeriodeTest, WindowFallsBackToTheCurrentOneAndIsRequired) {
    const int s = Sinus36();
    MesurePeriode etat = PreparerMesure(true);
    EXPECT_NEAR(MesurerPeriode(table, hote, etat, s, 9, false, false), 36 * tbase(), 1e-12);
    travail.TableDesFenetres().Fermer(1);
    etat = PreparerMesure(true);
    EXPECT_EQ(MesurerPeriode(table, hote, etat, s, 1, false, false), 0.0);
    EXPECT_EQ(MesurerPeriode(table, hote, etat, 250, 1, false, false), 0.0);
}

class MesureFrequenceTest : public MesurePeriodeTest {};

// 47.3 Hz over 1000 points of 200 µs: the crossings fall between points, so without the
// interpolation of the end crossing the answer is off by about 4e-4 of its value.
TEST_F(MesureFrequenceTest, InterpolatedFrequencyOfASine) {
    table.ChangerNbPoints(1000, true);
    constexpr double f0 = 47.3;
    const TypeId& t = Var("T");
    const int s =
        Signal([&](int i) { return std::sin(2 * std::numbers::pi * f0 * t.LirePoint(i) + 0.3); });
    MesurePeriode etat = PreparerMesure(true);
    EXPECT_NEAR(MesurerFrequence(table, hote, etat, s), f0, f0 * 1e-5);
    EXPECT_EQ(etat.periodes, 8);

    // Against an abscissa running twice as fast, from a later point.
    const int x = Signal([&](int i) { return 2 * t.LirePoint(i); }, QStringLiteral("X2"));
    etat = PreparerMesure(true);
    EXPECT_NEAR(MesurerFrequence(table, hote, etat, s, x, 300), f0 / 2, f0 * 1e-5);
    EXPECT_GE(etat.premierPassage, 300);
    EXPECT_TRUE(Erreurs().isEmpty());
}

TEST_F(MesureFrequenceTest, ConstantSignalHasNoFrequency) {
    const int s = Signal([](int) { return 1.0; });
    MesurePeriode etat = PreparerMesure(true);
    EXPECT_EQ(MesurerFrequence(table, hote, etat, s), 0.0);
    EXPECT_EQ(Erreurs(), QStringList{QString::fromUtf8(kEchec)});
}
