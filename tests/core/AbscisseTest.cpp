#include "TravailDeTest.h"

#include "core/store/DonneesAbscisse.h"

using namespace pelavorine;

class AbscisseTest : public TravailDeTest {};

TEST_F(AbscisseTest, LinearAbscissaIsOriginPlusStep) {
    TypeId& v = Var(Table("V", {1, 2, 3}));
    v.FixerAbscisseLineaire(" F ", 0.5, 10.0);
    EXPECT_EQ(v.NomAbscisse, "F");
    EXPECT_EQ(v.Genre & genre::AbscisseLineaire, genre::AbscisseLineaire);
    EXPECT_EQ(v.DonneesAbscisse(), (std::vector<double>{3, 10.0, 0.5}));
    EXPECT_EQ(v.AbscissePropre(3), 11.0);
    EXPECT_EQ(v.NomAbscisseAffiche(), "F");

    v.FixerAbscisseLineaire("", 0, 0);
    EXPECT_TRUE(v.NomAbscisse.isEmpty());
    EXPECT_EQ(v.Genre & genre::AbscisseLineaire, 0);
    EXPECT_EQ(v.AbscissePropre(3), TypeId::Indefini);
}

TEST_F(AbscisseTest, LinkKeepsTheLinearAbscissaAndGivesItBack) {
    Table("X", {5, 6, 7});
    TypeId& v = Var(Table("V", {1, 2, 3}));
    v.FixerAbscisseLineaire("F", 2.0, 1.0);
    v.FixerAbscisseVariable("X", QString::fromUtf8("Δx"));
    EXPECT_EQ(v.Genre & (genre::AbscisseVariable | genre::AbscisseLineaire),
              genre::AbscisseVariable);
    ASSERT_EQ(v.DonneesAbscisse().size(), 7u);
    EXPECT_EQ(v.DonneesAbscisse()[0], 7);
    EXPECT_EQ(v.DonneesAbscisse()[5], 1.0);
    EXPECT_EQ(v.DonneesAbscisse()[6], 2.0);
    EXPECT_EQ(abscisse::LireChaine(v.DonneesAbscisse(), 3), "F");
    EXPECT_EQ(v.NomAbscisseAffiche(), QString::fromUtf8("Δx"));
    EXPECT_EQ(v.AbscissePropre(2), 6);

    v.FixerAbscisseVariable("", "");
    EXPECT_EQ(v.Genre & (genre::AbscisseVariable | genre::AbscisseLineaire),
              genre::AbscisseLineaire);
    EXPECT_EQ(v.NomAbscisse, "F");
    EXPECT_EQ(v.AbscissePropre(2), 3.0);
}

TEST_F(AbscisseTest, LinkWithoutLinearAbscissaHoldsFourDoublesWithTheWindowNameBytes) {
    TypeId& v = Var(Table("V", {1, 2, 3}));
    v.FixerAbscisseVariable("X", QString::fromUtf8("Δx"));
    const auto& d = v.DonneesAbscisse();
    ASSERT_EQ(d.size(), 4u);
    const auto* octets = reinterpret_cast<const unsigned char*>(d.data()) + sizeof(double);
    EXPECT_EQ(octets[0], 2);    // length
    EXPECT_EQ(octets[1], 0xC0); // Δ in the Greek font
    EXPECT_EQ(octets[2], 'x');
    // The linked variable does not exist: no abscissa.
    EXPECT_EQ(v.AbscissePropre(1), TypeId::Indefini);
    v.FixerAbscisseVariable("", "");
    EXPECT_TRUE(v.DonneesAbscisse().empty());
    EXPECT_TRUE(v.NomAbscisse.isEmpty());
}

TEST_F(AbscisseTest, WindowAbscissaWrapsFamiliesAndClampsOrdinaryVariables) {
    table.ChangerNbPoints(10, true);
    const double tb = table.TBase();
    TypeId& famille = Var(table.CreerVariable("F", 30, genre::Calculee | genre::Reseau));
    famille.NbPoints = 30;
    EXPECT_DOUBLE_EQ(famille.Abscisse(15, 1), 4 * tb); // point 5 of T
    EXPECT_DOUBLE_EQ(famille.Abscisse(20, 1), 9 * tb); // 20 mod 10 = 0 → point 10

    TypeId& longue = Var(table.CreerVariable("L", 30, genre::Acquise));
    longue.NbPoints = 8;
    EXPECT_DOUBLE_EQ(longue.Abscisse(3, 1), 2 * tb);
    EXPECT_DOUBLE_EQ(longue.Abscisse(25, 1), 7 * tb); // its own last point's abscissa

    // Step-by-step windows count T in point numbers.
    travail.TableDesFenetres().Donnees(1)->abscisseEnPoints = true;
    EXPECT_DOUBLE_EQ(longue.Abscisse(3, 1), 3.0);
}

TEST_F(AbscisseTest, OwnAbscissaIsUsedWhenNamedOrLinked) {
    TypeId& v = Var(Table("V", {1, 2, 3}));
    v.NomAbscisse = "X";
    for (int i = 1; i <= 3; ++i)
        v.EcrireAbscisse(i, 100 + i);
    EXPECT_EQ(v.Abscisse(2, 1), 102);
    EXPECT_EQ(v.Abscisse(2, 0), 102); // shown nowhere: its own abscissa
    v.EcrireAbscisse(9, 5);           // beyond the data: ignored
    EXPECT_EQ(v.DonneesAbscisse().size(), 4u);

    // A linear abscissa named like another axis than the window's is not the window's T.
    TypeId& w = Var(Table("W", {1, 2, 3}));
    w.FixerAbscisseLineaire("F", 1.0, 0.0);
    EXPECT_EQ(w.Abscisse(3, 1), 2.0);
    travail.TableDesFenetres().FixerAbscisse(1, "F", 0, "");
    EXPECT_EQ(w.Abscisse(3, 1), 2.0);
    // A linear abscissa named T follows the window when the window shows another variable.
    const int x = Table("X", {7, 8, 9});
    travail.TableDesFenetres().FixerAbscisse(1, "X", x, "");
    w.FixerAbscisseLineaire("T", 1.0, 0.0);
    EXPECT_EQ(w.Abscisse(3, 1), 9);
}

// A redefinition (a sheet line assigning its target again, a file read, a copy) left the
// linear abscissa's bit without its origin and step, or named a form with no data behind it.
TEST_F(AbscisseTest, RedefinitionKeepsTheAbscissaBitsAndDataTogether) {
    const std::uint16_t formes = genre::AbscisseLineaire | genre::AbscisseVariable;
    Table("X", {5, 6, 7});
    TypeId& l = Var(Table("L", {1, 2, 3}));
    l.FixerAbscisseLineaire("F", 0.5, 10.0);
    TypeId& q = Var(Table("Q", {1, 2, 3}));
    q.FixerAbscisseVariable("X", QString::fromUtf8("Δx"));
    TypeId& p = Var(Table("P", {1, 2, 3}));
    p.NomAbscisse = "X";
    p.EcrireAbscisse(2, 0.25);

    // The same form again, at the same or another capacity: the rule and its data stay.
    table.CreerVariable("L", 3, l.Genre);
    EXPECT_EQ(l.Genre & formes, genre::AbscisseLineaire);
    EXPECT_EQ(l.AbscissePropre(3), 11.0);
    table.CreerVariable("Q", 5, q.Genre);
    EXPECT_EQ(q.Genre & formes, genre::AbscisseVariable);
    EXPECT_EQ(q.NomAbscisseAffiche(), QString::fromUtf8("Δx"));
    EXPECT_EQ(q.AbscissePropre(2), 6);
    // Own values belong to the points they came with.
    table.CreerVariable("P", 3, p.Genre);
    EXPECT_TRUE(p.DonneesAbscisse().empty());
    EXPECT_EQ(p.AbscissePropre(2), TypeId::Indefini);

    // Another form, or a form named without data: no bit is left without its data.
    table.CreerVariable("L", 3, (l.Genre & ~genre::AbscisseLineaire) | genre::AbscisseVariable);
    EXPECT_EQ(l.Genre & formes, 0);
    EXPECT_TRUE(l.DonneesAbscisse().empty());
    TypeId& n = Var(table.CreerVariable("N", 3, genre::Acquise | genre::AbscisseLineaire));
    EXPECT_EQ(n.Genre & formes, 0);
    EXPECT_EQ(n.Genre & genre::Acquise, genre::Acquise);
    EXPECT_TRUE(n.NomAbscisseAffiche().isEmpty());
}

// A capacity change left own abscissa values of the old length: the new points had none,
// and writing them was ignored.
TEST_F(AbscisseTest, CapacityChangeKeepsOneOwnAbscissaPerPoint) {
    TypeId& p = Var(Table("P", {1, 2, 3}));
    p.NomAbscisse = "X";
    for (int i = 1; i <= 3; ++i)
        p.EcrireAbscisse(i, 100 + i);
    p.FixerCapacite(5);
    EXPECT_EQ(p.DonneesAbscisse(), (std::vector<double>{6, 101, 102, 103, 0, 0}));
    p.EcrireAbscisse(5, 105);
    EXPECT_EQ(p.AbscissePropre(5), 105);
    p.FixerCapacite(2);
    EXPECT_EQ(p.DonneesAbscisse(), (std::vector<double>{3, 101, 102}));

    // A linear abscissa holds no value per point: it stays as it is.
    TypeId& l = Var(Table("L", {1, 2, 3}));
    l.FixerAbscisseLineaire("F", 0.5, 10.0);
    l.FixerCapacite(10);
    EXPECT_EQ(l.DonneesAbscisse(), (std::vector<double>{3, 10.0, 0.5}));
    EXPECT_EQ(l.AbscissePropre(10), 14.5);
}
