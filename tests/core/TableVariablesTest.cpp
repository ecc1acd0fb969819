#include "TravailDeTest.h"

#include "core/store/Demandes.h"
#include "core/store/TypeVoie.h"

#include <cmath>
#include <numbers>

using namespace pelavorine;

class TableVariablesTest : public TravailDeTest {};

TEST_F(TableVariablesTest, FreshWorkHoldsTheFixedVariablesThenOneVariablePerChannel) {
    const QStringList attendus = {"?",   "PI",  "TBASE", "NBPOINT", "T",   "EA0", "EA1",
                                  "EA2", "EA3", "EA4",   "EA5",     "EA6", "EA7"};
    for (int slot = 1; slot <= attendus.size(); ++slot)
        EXPECT_EQ(Var(slot).Nom, attendus[slot - 1]) << "slot " << slot;
    EXPECT_EQ(table.DerniereCase(), 13);
    EXPECT_EQ(table.CaseTemps(), 5);
    EXPECT_EQ(table.PremiereCaseUtilisateur(), 6);
    EXPECT_EQ(table.PremiereCaseLibre(), 14);
    EXPECT_EQ(table.PremiereCaseSortie(), 0);

    EXPECT_EQ(Var("PI").LirePoint(0), std::numbers::pi);
    EXPECT_DOUBLE_EQ(Var("TBASE").LirePoint(0), 200e-6);
    EXPECT_EQ(Var("NBPOINT").LirePoint(0), 200);
    const TypeId& t = Var("T");
    EXPECT_EQ(t.Genre, genre::Calculee | genre::Temps);
    EXPECT_EQ(t.Capacite(), 200);
    EXPECT_EQ(t.NbPoints, 200);
    EXPECT_DOUBLE_EQ(t.LirePoint(200), 199 * 200e-6);
    EXPECT_EQ(t.Unite, "s");

    auto* ea0 = dynamic_cast<TypeVoie*>(&Var("EA0"));
    auto* ea1 = dynamic_cast<TypeVoie*>(&Var("EA1"));
    ASSERT_TRUE(ea0 && ea1);
    EXPECT_EQ(ea0->Genre, 6);
    EXPECT_EQ(ea0->Unite, "V");
    EXPECT_EQ(ea0->Fenetres, 1u);
    EXPECT_EQ(ea1->Fenetres, 0u);
    // Without an interface every channel is inactive, hence grey.
    EXPECT_EQ(ea0->Etat, TypeVoie::Inactif);
    EXPECT_EQ(ea0->Couleur, 0xC0C0C0);
}

TEST_F(TableVariablesTest, ChannelsOfAnInterfaceTakePaletteColoursAndOutputsFollow) {
    DescriptionVoies voies;
    voies.interfacePresente = true;
    voies.nomsEntrees = {"EA0", "EA1"};
    voies.nomsSorties = {"SA1", "SA2"};
    Travail avecInterface(hote, voies);
    TableVariables& t = avecInterface.Variables();
    auto* ea0 = dynamic_cast<TypeVoie*>(t.Variable(6));
    ASSERT_NE(ea0, nullptr);
    EXPECT_EQ(ea0->Etat, TypeVoie::Automatique);
    EXPECT_EQ(ea0->Couleur, t.palette[0]);
    EXPECT_EQ(t.PremiereCaseSortie(), 8);
    EXPECT_EQ(t.Variable(8)->Nom, "SA1");
    EXPECT_EQ(t.Variable(9)->Genre, genre::Sortie);
    EXPECT_EQ(t.Variable(9)->Couleur, 0x808080);
    EXPECT_EQ(t.PremiereCaseLibre(), 10);
}

TEST_F(TableVariablesTest, NamesFollowTheNameRules) {
    struct Cas {
        const char* nom;
        bool valide;
    };
    const Cas cas[] = {
        {"U1", true},
        {"1U", false},
        {"x y", true},
        {"_a", true},
        {"é", true},
        {"°C", false},
        {"C°", true},
        {"?", true},
        {"", false},
        {"   ", false},
        {" x ", true},
        {"a-b*c/d+e.f", true},
        {"m²", true},
        {"Δt", true},
        {"ω", true},
        {"µs", true},
        {"x=y", false},
        {"x(1)", false},
        {"x€", false},
        {"\"a\"", false},
        {"a\"b'c", true},
        {"日本", false},
        {"ABCDEFGHIJKL%", true},
    };
    for (const Cas& c : cas) {
        table.codeErreur = 0;
        EXPECT_EQ(table.NomCorrect(QString::fromUtf8(c.nom)), c.valide) << c.nom;
        EXPECT_EQ(table.codeErreur, c.valide ? 0 : TableVariables::ErreurNomIncorrect) << c.nom;
    }
}

TEST_F(TableVariablesTest, LookupCutsTrimsAndIgnoresCaseUnlessCaseSensitive) {
    const int slot = table.CreerVariable("ABCDEFGHIJKL", 10, genre::Acquise);
    EXPECT_EQ(table.IndexVariable("ABCDEFGHIJKLM"), slot);
    EXPECT_EQ(table.CreerVariable("ABCDEFGHIJKLM", 10, genre::Acquise), slot);

    const int x = table.CreerVariable("X", 10, genre::Acquise);
    EXPECT_EQ(table.IndexVariable(" x "), x);
    EXPECT_EQ(table.IndexVariable("\tX"), x);
    EXPECT_EQ(table.IndexVariable(""), 0);
    // A Greek capital that looks like a Latin one is written with the same byte.
    EXPECT_EQ(table.IndexVariable(QString::fromUtf8("Χ")), x);

    travail.options |= option::Casse;
    EXPECT_EQ(table.IndexVariable("x"), 0);
    const int petit = table.CreerVariable("x", 10, genre::Acquise);
    EXPECT_NE(petit, x);
    EXPECT_EQ(table.IndexVariable("X"), x);
    EXPECT_EQ(table.IndexVariable("x"), petit);
}

TEST_F(TableVariablesTest, NamesStartingWithTUnderscoreAreTimeVariables) {
    for (const char* nom : {"T_1", "t_chute"}) {
        TypeId& v = Var(table.CreerVariable(nom, 10, genre::Acquise));
        EXPECT_EQ(v.Genre, genre::Acquise | genre::Temps) << nom;
        EXPECT_EQ(v.Unite, "s") << nom;
    }
}

TEST_F(TableVariablesTest, CreatingOnAFullTableFailsButAnExistingNameIsReused) {
    int creees = 0;
    while (table.CreerVariable(QStringLiteral("V%1").arg(creees), 2, genre::Acquise) != 0)
        ++creees;
    EXPECT_EQ(table.DerniereCase(), TableVariables::NbCases);
    EXPECT_EQ(creees, TableVariables::NbCases - 13);
    EXPECT_EQ(table.CaseLibre(), 0);
    EXPECT_EQ(table.CreerVariable("NOUVEAU", 2, genre::Acquise), 0);
    EXPECT_EQ(table.CreerVariable("V7", 5, genre::Acquise), table.IndexVariable("V7"));
    EXPECT_EQ(table.CreerVariable("1X", 5, genre::Acquise), 0);
}

TEST_F(TableVariablesTest, RedefinitionKeepsThePointsThatStillFit) {
    const int slot = table.CreerVariable("Y", 100, genre::Acquise);
    TypeId& y = Var(slot);
    for (int i = 1; i <= 100; ++i)
        y.EcrirePoint(i, i);
    EXPECT_EQ(y.NbPoints, 100);

    table.CreerVariable("Y", 50, genre::Acquise);
    EXPECT_EQ(y.Capacite(), 50);
    EXPECT_EQ(y.NbPoints, 50);
    EXPECT_EQ(y.LirePoint(50), 50);
    EXPECT_EQ(y.LirePoint(51), 0); // above the capacity

    table.CreerVariable("Y", 200, genre::Calculee);
    EXPECT_EQ(y.Capacite(), 200);
    EXPECT_EQ(y.NbPoints, 50);
    EXPECT_EQ(y.LirePoint(50), 50);
    EXPECT_EQ(y.LirePoint(51), 0);
    EXPECT_EQ(y.LirePoint(200), 0);
    EXPECT_EQ(y.Genre, genre::Calculee);

    // Same capacity: the points stay, only the genre is replaced.
    table.CreerVariable("Y", 200, genre::Acquise);
    EXPECT_EQ(y.NbPoints, 50);
    EXPECT_EQ(y.LirePoint(7), 7);
    EXPECT_EQ(y.Genre, genre::Acquise);
}

TEST_F(TableVariablesTest, ScalarsKeepTheirValueAtIndexZero) {
    TypeId& s = Var(table.CreerVariable("K", 1, genre::Calculee));
    s.EcrirePoint(0, 3.5);
    EXPECT_EQ(s.LirePoint(0), 3.5);
    EXPECT_EQ(s.NbPoints, 0);
    EXPECT_TRUE(s.EstScalaire());
    s.EcrirePoint(2, 1.0); // beyond the capacity: ignored
    EXPECT_EQ(s.LirePoint(2), 0);
    EXPECT_EQ(s.NbPoints, 0);
}

TEST_F(TableVariablesTest, EmptyVariablesKeepTheirNameAndCanBeFoundAgain) {
    const int slot = table.CreerVariable("VIDE", 0, genre::Calculee);
    ASSERT_NE(slot, 0);
    EXPECT_EQ(table.IndexVariable("VIDE"), slot);
    EXPECT_EQ(Var(slot).Capacite(), 0);
    EXPECT_EQ(table.CreerVariable("VIDE", 0, genre::Calculee), slot);
}

TEST_F(TableVariablesTest, NewTablesTakeThePaletteInTurnButNeverTheBackground) {
    table.couleurFond = table.palette[2];
    table.positionCouleur = 1;
    const int a = table.CreerVariable("A", 10, genre::Acquise);
    const int b = table.CreerVariable("B", 10, genre::Acquise);
    EXPECT_EQ(Var(a).Couleur, table.palette[1]);
    EXPECT_EQ(Var(b).Couleur, table.palette[3]);
    const int s = table.CreerVariable("S", 1, genre::Calculee);
    EXPECT_EQ(Var(s).Couleur, -1);
    // A scalar that becomes a table (a sheet line over the time base) gets its colour then.
    table.Variable(s)->FixerCapacite(10);
    EXPECT_EQ(Var(s).Couleur, table.palette[4]);
}

TEST_F(TableVariablesTest, ChangingThePointCountResizesTablesByTheirGenre) {
    const int calc = Table("C", {1, 2, 3}, genre::Calculee);
    table.Variable(calc)->FixerCapacite(200);
    const int acq = table.CreerVariable("A", 200, genre::Acquise);
    for (int i = 1; i <= 200; ++i)
        Var(acq).EcrirePoint(i, i);
    const int spectre = Table("F", {1, 2, 3, 4}, genre::Acquise | genre::Spectre);
    const int scalaire = table.CreerVariable("S", 1, genre::Calculee);
    travail.PrendreDemandes();

    table.ChangerNbPoints(400, true);
    EXPECT_EQ(table.NbPoint(), 400);
    EXPECT_EQ(Var(calc).Capacite(), 400);
    EXPECT_EQ(Var(calc).NbPoints, 0);
    EXPECT_EQ(Var(acq).Capacite(), 400);
    EXPECT_EQ(Var(acq).NbPoints, 200);
    EXPECT_EQ(Var(acq).LirePoint(200), 200);
    EXPECT_EQ(Var(spectre).Capacite(), 4);
    EXPECT_EQ(Var(scalaire).Capacite(), 1);
    const TypeId& t = Var("T");
    EXPECT_EQ(t.Capacite(), 400);
    EXPECT_EQ(t.NbPoints, 400);
    EXPECT_DOUBLE_EQ(t.LirePoint(400), 399 * table.TBase());
    EXPECT_EQ(Var("NBPOINT").LirePoint(0), 400);
    EXPECT_EQ(travail.Demandes() & 0x42E1, 0x42E1);

    table.ChangerNbPoints(100, true);
    EXPECT_EQ(Var(acq).NbPoints, 100);
}

TEST_F(TableVariablesTest, StatisticsCoverFirstToLastPointAndFaultsGiveZero) {
    TypeId& v = Var(Table("V", {5, -1, 4, 10}));
    v.Premier = 2;
    v.NbPoints = 3;
    v.CalculerStatistiques();
    EXPECT_EQ(v.Minimum, -1);
    EXPECT_EQ(v.Maximum, 4);
    EXPECT_EQ(v.Moyenne, 1.5);

    v.EcrirePoint(3, std::nan(""));
    v.CalculerStatistiques();
    EXPECT_EQ(v.Minimum, 0);
    EXPECT_EQ(v.Maximum, 0);
    EXPECT_EQ(v.Moyenne, 0);
}

TEST_F(TableVariablesTest, TruncationZeroesPointsAndOwnAbscissa) {
    TypeId& v = Var(Table("V", {1, 2, 3, 4}));
    v.NomAbscisse = "X";
    for (int i = 1; i <= 4; ++i)
        v.EcrireAbscisse(i, 10 * i);
    v.Tronquer(3);
    EXPECT_EQ(v.NbPoints, 2);
    EXPECT_EQ(v.LirePoint(2), 2);
    EXPECT_EQ(v.LirePoint(3), 0);
    EXPECT_EQ(v.AbscissePropre(2), 20);
    EXPECT_EQ(v.AbscissePropre(4), 0);
}

TEST_F(TableVariablesTest, DeletionForgetsTheNameInWindowsAndAbscissaLinks) {
    const int x = Table("X", {1, 2, 3});
    TypeId& y = Var(Table("Y", {4, 5, 6}));
    y.FixerAbscisseVariable("X", "X");
    TypeId& z = Var(Table("Z", {7, 8, 9}));
    z.FixerAbscisseLineaire("X", 0.5, 1.0);
    travail.TableDesFenetres().FixerAbscisse(1, "X", x, "V");
    travail.PrendreDemandes();

    table.SupprimerVariable(" x ");
    EXPECT_EQ(table.IndexVariable("X"), 0);
    EXPECT_EQ(table.Variable(x), nullptr);
    EXPECT_EQ(travail.Fenetres().NomAbscisse(1), "T");
    EXPECT_EQ(travail.Fenetres().CaseAbscisse(1), table.CaseTemps());
    EXPECT_TRUE(travail.Demandes() & demande::Axes);
    EXPECT_TRUE(y.NomAbscisse.isEmpty());
    EXPECT_EQ(y.Genre & (genre::AbscisseVariable | genre::AbscisseLineaire), 0);
    EXPECT_TRUE(y.DonneesAbscisse().empty());
    EXPECT_TRUE(z.NomAbscisse.isEmpty());
    EXPECT_EQ(z.Genre & genre::AbscisseLineaire, 0);

    // Unknown or invalid names delete nothing.
    const int avant = table.DerniereCase();
    table.SupprimerVariable("INCONNUE");
    table.SupprimerVariable("9");
    EXPECT_EQ(table.DerniereCase(), avant);
}

TEST_F(TableVariablesTest, DeletingByGenreAndRangeRecomputesTheLastSlot) {
    Table("A", {1}, genre::Calculee | genre::Temporaire);
    const int b = Table("B", {1}, genre::Calculee);
    Table("C", {1}, genre::Temporaire | genre::Calculee | genre::Repetee);
    table.SupprimerGenre(table.PremiereCaseLibre(), genre::Calculee | genre::Temporaire);
    EXPECT_EQ(table.IndexVariable("A"), 0);
    EXPECT_EQ(table.IndexVariable("C"), 0);
    EXPECT_EQ(table.IndexVariable("B"), b);
    EXPECT_EQ(table.DerniereCase(), b);

    table.positionCouleur = 5;
    table.SupprimerPlage(1, TableVariables::NbCases);
    EXPECT_EQ(table.DerniereCase(), 0);
    EXPECT_EQ(table.positionCouleur, 1);
}

TEST_F(TableVariablesTest, ShownOnlyWithPointsAndNeverForTimeOrProvisionalVariables) {
    TypeId& v = Var(Table("V", {1, 2}));
    v.Fenetres = 0b101;
    EXPECT_TRUE(v.EstAffichee(0));
    EXPECT_TRUE(v.EstAffichee(3));
    EXPECT_FALSE(v.EstAffichee(2));
    EXPECT_FALSE(v.EstAffichee(17));
    v.NbPoints = 0;
    EXPECT_FALSE(v.EstAffichee(1));
    Var("T").Fenetres = 1;
    EXPECT_FALSE(Var("T").EstAffichee(1));

    v.NbPoints = 2;
    v.Genre |= genre::CopieProvisoire;
    EXPECT_FALSE(v.EstAffichee(1));
}

TEST_F(TableVariablesTest, FirstWindowPrefersTheCurrentOne) {
    TypeId& v = Var(Table("V", {1, 2}));
    travail.demarrage = true; // no window creation
    v.FixerFenetres(0b1100);
    EXPECT_EQ(v.PremiereFenetre(), 3);
    travail.TableDesFenetres().Creer(4); // an open window becomes the current one
    EXPECT_EQ(v.PremiereFenetre(), 4);
    v.AfficherDans(4, false);
    EXPECT_EQ(v.Fenetres, 0b0100u);
    v.FixerFenetres(-5);
    EXPECT_EQ(v.Fenetres, 5u);
}

TEST_F(TableVariablesTest, ShowingInANewWindowOpensItOnceStartUpIsOver) {
    TypeId& v = Var(Table("V", {1, 2}));
    travail.demarrage = true;
    v.AfficherDans(3, true);
    EXPECT_FALSE(travail.Fenetres().Existe(3));
    travail.demarrage = false;
    v.AfficherDans(5, true);
    EXPECT_TRUE(travail.Fenetres().Existe(3));
    EXPECT_TRUE(travail.Fenetres().Existe(5));
    v.FixerFenetres(-(1 << 6)); // silently: no window opened
    EXPECT_FALSE(travail.Fenetres().Existe(7));
}

TEST_F(TableVariablesTest, ScaleAdaptationMatchesTheReferenceRange) {
    const int ref = Table("R", {0, 100});
    TypeId& v = Var(Table("V", {1, 3}));
    Var(ref).CalculerStatistiques();
    v.CalculerStatistiques();
    v.AdaptationEchelle = true;

    travail.options &= ~option::ArrondiFacteurs;
    v.FixerReference(ref);
    EXPECT_EQ(v.Reference, ref);
    EXPECT_DOUBLE_EQ(v.Multiplicateur, 50.0);
    EXPECT_DOUBLE_EQ(v.Decalage, -50.0);

    travail.options |= option::ArrondiFacteurs;
    v.FixerReference(ref);
    EXPECT_DOUBLE_EQ(v.Multiplicateur, 10.0);
    EXPECT_EQ(v.Decalage, 0.0);

    v.FixerReference(-ref); // stored without recomputing
    EXPECT_EQ(v.Reference, ref);
    EXPECT_DOUBLE_EQ(v.Multiplicateur, 10.0);
    v.FixerReference(0);
    EXPECT_EQ(v.Reference, 0);
    EXPECT_EQ(v.Multiplicateur, 1.0);
}

TEST_F(TableVariablesTest, AWorkFilePlacesAVariableInItsOwnSlot) {
    const int slot = table.PremiereCaseLibre() + 5;
    EXPECT_EQ(table.CreerVariableEn(slot, "Y", 10, genre::Acquise), slot);
    EXPECT_EQ(table.IndexVariable("Y"), slot);
    EXPECT_EQ(table.DerniereCase(), slot);
    EXPECT_EQ(table.CaseLibre(), table.PremiereCaseLibre()); // the slots below stay free
    // A name already used elsewhere, or an invalid one, is refused.
    EXPECT_EQ(table.CreerVariableEn(slot + 1, "Y", 10, genre::Acquise), 0);
    EXPECT_EQ(table.CreerVariableEn(slot + 1, "1Y", 10, genre::Acquise), 0);
    // The same slot is redefined.
    EXPECT_EQ(table.CreerVariableEn(slot, "Y", 20, genre::Calculee), slot);
    EXPECT_EQ(Var(slot).Capacite(), 20);
}

TEST_F(TableVariablesTest, EachVariableKnowsItsSlotAndAStrangerHasNone) {
    const int x = table.CreerVariable(QStringLiteral("X"), 3, genre::Calculee);
    ASSERT_EQ(x, table.DerniereCase());
    for (int slot : {1, table.CaseTemps(), x})
        EXPECT_EQ(table.CaseDe(table.Variable(slot)), slot) << slot;
    const TypeId etrangere(table);
    EXPECT_EQ(table.CaseDe(&etrangere), 0);
    EXPECT_EQ(table.CaseDe(nullptr), 0);
}
