#include "TravailDeTest.h"

#include "core/store/ServicesPoints.h"

#include <algorithm>
#include <vector>

using namespace pelavorine;

class ServicesPointsTest : public TravailDeTest {};

TEST_F(ServicesPointsTest, LocatesTheFirstStepHoldingTheValue) {
    const TypeId& v = Var(Table("V", {0, 2, 4, 3, 1}));
    struct Cas {
        double x;
        int i;
    };
    // Rising steps hold their lower end, falling steps their upper end.
    for (const Cas c : {Cas{0, 1}, Cas{1.5, 1}, Cas{2, 2}, Cas{3, 2}, Cas{4, 3}, Cas{3.5, 2},
                        Cas{1, 1}, Cas{5, 0}, Cas{-1, 0}})
        EXPECT_EQ(LocaliserIntervalle(v, c.x), c.i) << "x = " << c.x;

    TypeId& d = Var(Table("D", {5, 3, 1}));
    for (const Cas c : {Cas{5, 1}, Cas{3, 2}, Cas{2, 2}, Cas{1, 0}})
        EXPECT_EQ(LocaliserIntervalle(d, c.x), c.i) << "falling, x = " << c.x;
    d.Premier = 2;
    EXPECT_EQ(LocaliserIntervalle(d, 4), 0) << "points before Premier are not searched";
}

TEST_F(ServicesPointsTest, SortsTheEnsembleByTheKey) {
    const int cle = Table("K", {3, 1, 2});
    const int autre = Table("A", {30, 10, 20});
    const int seule = Table("B", {300, 100, 200});
    Trier(table, cle, 1, 3, true, {cle, autre});
    EXPECT_EQ(Points(cle), std::vector<double>({1, 2, 3}));
    EXPECT_EQ(Points(autre), std::vector<double>({10, 20, 30}));
    EXPECT_EQ(Points(seule), std::vector<double>({300, 100, 200}));

    Trier(table, cle, 1, 3, false, {autre});
    EXPECT_EQ(Points(cle), std::vector<double>({3, 2, 1})) << "the key always follows";
    EXPECT_EQ(Points(autre), std::vector<double>({30, 20, 10}));

    Trier(table, cle, 0, 99, true);
    EXPECT_EQ(Points(cle), std::vector<double>({1, 2, 3}));
    EXPECT_EQ(Points(autre), std::vector<double>({30, 20, 10})) << "an empty ensemble is the key";
}

TEST_F(ServicesPointsTest, SortKeepsEqualKeysAndStaysInItsRange) {
    const int cle = Table("K", {2, 1, 2, 9, 0});
    const int autre = Table("A", {1, 2, 3, 4, 5});
    Trier(table, cle, 1, 3, true, {cle, autre});
    EXPECT_EQ(Points(cle), std::vector<double>({1, 2, 2, 9, 0}));
    EXPECT_EQ(Points(autre), std::vector<double>({2, 1, 3, 4, 5}));
}

TEST_F(ServicesPointsTest, SortMovesOnlyVariablesHoldingBothPoints) {
    const int cle = Table("K", {4, 3, 2, 1});
    const int courte = Table("C", {40, 30, 20, 10});
    Var(courte).NbPoints = 2;
    Trier(table, cle, 1, 4, true, {courte});
    EXPECT_EQ(Points(cle), std::vector<double>({1, 2, 3, 4}));
    // Only the exchange of points 1 and 2 lies within its two points.
    EXPECT_EQ(Var(courte).LirePoint(1), 30);
    EXPECT_EQ(Var(courte).LirePoint(2), 40);
    EXPECT_EQ(Var(courte).LirePoint(3), 20);
    EXPECT_EQ(Var(courte).LirePoint(4), 10);
}

TEST_F(ServicesPointsTest, SortOfManyPointsKeepsThePairs) {
    const int n = 200;
    const int cle = table.CreerVariable(QStringLiteral("K"), n, genre::Acquise);
    const int autre = table.CreerVariable(QStringLiteral("A"), n, genre::Acquise);
    unsigned graine = 12345;
    std::vector<double> attendu;
    for (int i = 1; i <= n; ++i) {
        graine = graine * 1103515245u + 12345u;
        const double k = static_cast<double>((graine >> 16) % 1000);
        Var(cle).EcrirePoint(i, k);
        Var(autre).EcrirePoint(i, -k);
        attendu.push_back(k);
    }
    std::sort(attendu.begin(), attendu.end(), std::greater<>());
    Trier(table, cle, 1, n, false, {cle, autre});
    EXPECT_EQ(Points(cle), attendu);
    for (int i = 1; i <= n; ++i)
        ASSERT_EQ(Var(autre).LirePoint(i), -Var(cle).LirePoint(i)) << i;
}

TEST_F(ServicesPointsTest, SortRefusesTimeAndSinglePointKeys) {
    const int autre = Table("A", {3, 2, 1});
    Trier(table, table.CaseTemps(), 1, 3, false, {autre});
    EXPECT_EQ(Points(autre), std::vector<double>({3, 2, 1}));
    const int un = Table("U", {5, 1, 0});
    Var(un).NbPoints = 1;
    Trier(table, un, 1, 3, true, {autre});
    EXPECT_EQ(Points(autre), std::vector<double>({3, 2, 1}));
}

TEST_F(ServicesPointsTest, LinearAbscissaFromTheExtremes) {
    TypeId& source = Var(Table("S", {5, 6, 7, 8, 9}));
    source.NomAbscisse = QStringLiteral("X");
    for (int i = 1; i <= 5; ++i)
        source.EcrireAbscisse(i, i == 3 ? 100 : 1.0 + 0.5 * (i - 1));
    TypeId& cible = Var(Table("C", {1, 2, 3}));
    ASSERT_TRUE(AbscisseParExtremes(source, cible));
    EXPECT_TRUE(cible.Genre & genre::AbscisseLineaire);
    EXPECT_EQ(cible.NomAbscisse, QStringLiteral("X"));
    double origine = 0, pas = 0;
    ASSERT_TRUE(cible.AbscisseLineaireDefinie(origine, pas));
    EXPECT_DOUBLE_EQ(origine, 1.0);
    EXPECT_DOUBLE_EQ(pas, 0.5);

    TypeId& autre = Var(Table("D", {1, 2}));
    source.NbPoints = 1;
    EXPECT_FALSE(AbscisseParExtremes(source, autre)) << "one point gives no step";
    source.NbPoints = 5;
    source.NomAbscisse.clear();
    EXPECT_FALSE(AbscisseParExtremes(source, autre)) << "no abscissa name";
    EXPECT_FALSE(autre.Genre & genre::AbscisseLineaire);
}

TEST_F(ServicesPointsTest, FillsASequence) {
    const int y = Table("Y", {9, 9, 9, 9, 9, 9});
    ASSERT_TRUE(RemplirSuite(table, y, 4, 0.5, 2.0));
    EXPECT_EQ(Points(y), std::vector<double>({2, 2.5, 3, 3.5}));
    EXPECT_EQ(Var(y).Minimum, 2);
    EXPECT_EQ(Var(y).Maximum, 3.5);
    EXPECT_DOUBLE_EQ(Var(y).Moyenne, 2.75);

    ASSERT_TRUE(RemplirSuite(table, y, 50, 1.0, 0.0));
    EXPECT_EQ(Var(y).NbPoints, 6) << "never beyond the capacity";

    const std::vector<double> t = Points(table.CaseTemps());
    EXPECT_FALSE(RemplirSuite(table, table.CaseTemps(), 3, 1.0, 0.0));
    EXPECT_FALSE(RemplirSuite(table, 2, 3, 1.0, 0.0));
    EXPECT_EQ(Points(table.CaseTemps()), t);
}
