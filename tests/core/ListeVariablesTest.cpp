#include "TravailDeTest.h"

#include "core/store/ListeVariables.h"

#include <ostream>
#include <string>

using namespace pelavorine;

namespace {

// The names of a listing, joined by blanks, so that a failure prints the whole listing.
std::string Noms(const std::vector<EntreeListe>& entrees) {
    QStringList noms;
    for (const auto& e : entrees)
        noms << e.texte.trimmed();
    return noms.join(QLatin1Char(' ')).toStdString();
}

struct CasFiltre {
    const char* quoi;
    std::uint32_t filtre;
    int fenetre;
    const char* attendus;
};

void PrintTo(const CasFiltre& c, std::ostream* os) {
    *os << c.quoi;
}

} // namespace

class ListeVariablesFiltre : public TravailDeTest, public ::testing::WithParamInterface<CasFiltre> {
protected:
    void SetUp() override {
        // Y and D in window 1, L and SP in window 2, the others in none.
        Var(Table("Y", {1, 2, 3, 4, 5})).AfficherDans(1, true);
        TypeId& d = Var(Table("D", {1, 2, 3, 4}));
        d.NomAbscisse = QStringLiteral("X"); // own abscissa values, decreasing
        for (int i = 1; i <= 4; ++i)
            d.EcrireAbscisse(i, 5.0 - i);
        d.AfficherDans(1, true);
        TypeId& l = Var(Table("L", {1, 2, 3}));
        l.FixerAbscisseLineaire(QStringLiteral("X"), -1.0, 0.0); // decreasing, yet linear
        l.AfficherDans(2, true);
        table.CreerVariable(QStringLiteral("S"), 1, genre::Acquise);
        table.CreerVariable(QStringLiteral("V"), 0, genre::Acquise);
        Var(Table("SP", {1, 2, 3}, genre::Spectre | genre::Acquise)).AfficherDans(2, true);
        Table("C", {1, 2, 3}, genre::Calculee);
        Var(Table("U", {7, 0, 0})).NbPoints = 1;
        Table("K", {1, 2, 3}, genre::CopieProvisoire | genre::Acquise);
    }
};

TEST_P(ListeVariablesFiltre, ListsTheVariablesTheFilterAccepts) {
    const CasFiltre& c = GetParam();
    EXPECT_EQ(Noms(ListerVariables(table, c.fenetre, c.filtre)), c.attendus) << c.quoi;
}

// ?, PI, TBASE and NBPOINT lie before the time slot and are never listed; the channels EA0..EA7
// hold no points yet (capacity 0); K is a backup copy, hidden from every list.
INSTANTIATE_TEST_SUITE_P(
    Filtres, ListeVariablesFiltre,
    ::testing::Values(
        CasFiltre{"tables only", 0, -1, "Y D L SP C U"},
        CasFiltre{"time accepted", filtre::AccepterTemps, -1, "T Y D L SP C U"},
        CasFiltre{"time only", filtre::TempsSeulement, -1, "T"},
        CasFiltre{"scalars too", filtre::AccepterScalaires, -1, "Y D L S SP C U"},
        CasFiltre{"scalars and time", filtre::AccepterScalaires | filtre::AccepterTemps, -1,
                  "T Y D L S SP C U"},
        CasFiltre{"empty variables too", filtre::SaufScalaires, -1,
                  "EA0 EA1 EA2 EA3 EA4 EA5 EA6 EA7 Y D L V SP C U"},
        CasFiltre{"genre Calculee", genre::Calculee, -1, "C"},
        CasFiltre{"bit 8 is a genre bit too", 0x101, -1, "T C"},
        CasFiltre{"bit 9 is a genre bit too", 0x201, -1, "SP C"},
        CasFiltre{"genre Entree with empty", genre::Entree | filtre::SaufScalaires, -1,
                  "EA0 EA1 EA2 EA3 EA4 EA5 EA6 EA7"},
        CasFiltre{"more than one point", filtre::PlusieursPoints, -1, "Y D L SP C"},
        CasFiltre{"spectra refused", filtre::RefuserSpectre, -1, "Y D L C U"},
        CasFiltre{"shown anywhere", 0, 0, "Y D L SP"}, CasFiltre{"window 1", 0, 1, "Y D"},
        CasFiltre{"window 2", 0, 2, "L SP"}, CasFiltre{"window 3", 0, 3, ""},
        CasFiltre{"increasing abscissa", filtre::AbscisseCroissante, -1, "Y L SP C U"},
        CasFiltre{"curves to measure", 0x190000, 0, "Y L"}));

class ListeVariablesTest : public TravailDeTest {};

TEST_F(ListeVariablesTest, ListEntriesAreABlankAndTheNameWithTheirSlot) {
    const int y = Table("Y", {1, 2});
    const auto entrees = ListerVariables(table, -1, filtre::AccepterTemps);
    ASSERT_EQ(entrees.size(), 2u);
    EXPECT_EQ(entrees[0].slot, table.CaseTemps());
    EXPECT_EQ(entrees[0].texte, " T");
    EXPECT_EQ(entrees[1].slot, y);
    EXPECT_EQ(entrees[1].texte, " Y");
    EXPECT_EQ(TextesListe(entrees), QStringList({" T", " Y"}));
}

TEST(ListeVariablesSelection, FindsTheTrimmedNameWithTheBlanksOfTheFirstEntry) {
    const QStringList deuxBlancs = {"  A", "  BC", "  D"};
    EXPECT_EQ(SelectionnerNom(deuxBlancs, QStringLiteral(" BC ")), 1);
    EXPECT_EQ(SelectionnerNom(deuxBlancs, QStringLiteral("D")), 2);
    EXPECT_EQ(SelectionnerNom(deuxBlancs, QStringLiteral("B")), -1);
    EXPECT_EQ(SelectionnerNom(deuxBlancs, QStringLiteral("bc")), -1);
    EXPECT_EQ(SelectionnerNom(deuxBlancs, QStringLiteral("bc"), Qt::CaseInsensitive), 1);
    EXPECT_EQ(SelectionnerNom({"A", " B"}, QStringLiteral("B")), -1);
    EXPECT_EQ(SelectionnerNom({}, QStringLiteral("A")), -1);
}

TEST(ListeVariablesSelection, ContainsOnlyExactEntries) {
    const QStringList liste = {" Y1", " Y2"};
    EXPECT_TRUE(ListeContient(liste, QStringLiteral(" Y2")));
    EXPECT_FALSE(ListeContient(liste, QStringLiteral("Y2")));
    EXPECT_FALSE(ListeContient(liste, QStringLiteral(" y2")));
    EXPECT_FALSE(ListeContient(liste, QStringLiteral(" Y")));
}
