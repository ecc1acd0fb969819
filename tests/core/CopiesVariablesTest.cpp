#include "TravailDeTest.h"

#include "core/store/CopiesVariables.h"
#include "core/store/ListeVariables.h"
#include "core/store/TypeVoie.h"

#include <vector>

using namespace pelavorine;

class CopiesVariablesTest : public TravailDeTest {};

TEST_F(CopiesVariablesTest, CopyTakesPointsAbscissaSettingsAndGenreOfTheSource) {
    const int s = Table("T_S", {1, 4, 9, 16, 25}, genre::Acquise | genre::Spectre);
    TypeId& src = Var(s);
    src.Premier = 2;
    src.Unite = QStringLiteral("m");
    src.Style = 3;
    src.Couleur = 0x123456;
    src.NomAbscisse = QStringLiteral("XS");
    for (int i = 1; i <= 5; ++i)
        src.EcrireAbscisse(i, 10.0 * i);
    src.CalculerStatistiques();
    src.Decalage = 2.5;
    src.Multiplicateur = 4.0;
    src.Origine = origine::Pointeur;
    src.FixerFenetres(-(1 << 2)); // window 3, not open yet
    ASSERT_TRUE(src.Genre & genre::Temps);

    const int c = Table("C", {7, 7, 7, 7, 7, 7, 7, 7}, genre::Calculee);
    const std::int32_t couleurCible = Var(c).Couleur;
    ASSERT_TRUE(CopierVariable(table, s, c, false, false));
    const TypeId& cible = Var(c);
    EXPECT_EQ(cible.Nom, "C");
    EXPECT_EQ(cible.Capacite(), 5);
    EXPECT_EQ(cible.Premier, 2);
    EXPECT_EQ(cible.NbPoints, 5);
    EXPECT_EQ(Points(c), std::vector<double>({1, 4, 9, 16, 25}));
    EXPECT_EQ(cible.Unite, "m");
    EXPECT_EQ(cible.Style, 3);
    EXPECT_EQ(cible.NomAbscisse, "XS");
    EXPECT_EQ(cible.DonneesAbscisse(), src.DonneesAbscisse());
    EXPECT_DOUBLE_EQ(cible.AbscissePropre(4), 40.0);
    // Acquired, keeping Spectre but not Temps.
    EXPECT_EQ(cible.Genre, genre::Acquise | genre::Spectre);
    EXPECT_EQ(cible.Minimum, 4);
    EXPECT_EQ(cible.Maximum, 25);
    EXPECT_DOUBLE_EQ(cible.Moyenne, 13.5);
    EXPECT_EQ(cible.Decalage, 2.5);
    EXPECT_EQ(cible.Multiplicateur, 4.0);
    EXPECT_EQ(cible.Origine, origine::Pointeur);
    EXPECT_EQ(cible.Couleur, couleurCible);
    EXPECT_EQ(cible.Fenetres, 0u);
    EXPECT_FALSE(travail.TableDesFenetres().Existe(3));

    ASSERT_TRUE(CopierVariable(table, s, c, true, true));
    EXPECT_EQ(Var(c).Couleur, 0x123456);
    EXPECT_EQ(Var(c).Fenetres, 4u);
    EXPECT_TRUE(travail.TableDesFenetres().Existe(3)) << "copying the windows opens them";
}

TEST_F(CopiesVariablesTest, CopyNeedsTwoDistinctVariables) {
    const int y = Table("Y", {1, 2});
    EXPECT_FALSE(CopierVariable(table, y, 200, false, false));
    EXPECT_FALSE(CopierVariable(table, 200, y, false, false));
    EXPECT_FALSE(CopierVariable(table, y, y, false, false));
    EXPECT_EQ(Points(y), std::vector<double>({1, 2}));
}

TEST_F(CopiesVariablesTest, BackupKeepsGenreAndWindowsAndIsHiddenThenRestores) {
    // A channel: restoring must give it back its channel genre, not the copy's.
    auto& ea1 = dynamic_cast<TypeVoie&>(Var("EA1"));
    const int slot = table.IndexVariable(QStringLiteral("EA1"));
    ea1.FixerCapacite(4);
    for (int i = 1; i <= 4; ++i)
        ea1.EcrirePoint(i, i * 0.5);
    ea1.FixerFenetres(-((1 << 0) | (1 << 4))); // windows 1 and 5; 5 is not open

    const int copie = CopieDeSecours(table, slot);
    ASSERT_NE(copie, 0);
    EXPECT_EQ(Var(copie).Nom, NomCopieAnonyme);
    EXPECT_EQ(Var(copie).Genre, genre::Entree | genre::Acquise | genre::CopieProvisoire);
    EXPECT_EQ(Var(copie).Fenetres, 0x11u);
    EXPECT_EQ(Points(copie), std::vector<double>({0.5, 1, 1.5, 2}));
    EXPECT_FALSE(travail.TableDesFenetres().Existe(5)) << "a backup opens no window";
    EXPECT_EQ(SelectionnerNom(TextesListe(ListerVariables(table, -1, filtre::SaufScalaires)),
                              NomCopieAnonyme),
              -1);

    // The user edits the channel, then cancels.
    for (int i = 1; i <= 4; ++i)
        ea1.EcrirePoint(i, -1);
    ea1.NbPoints = 2;
    ea1.Genre = genre::Acquise;
    ea1.Fenetres = 0;
    ASSERT_TRUE(RestaurerCopie(table, slot));
    EXPECT_EQ(Points(slot), std::vector<double>({0.5, 1, 1.5, 2}));
    EXPECT_EQ(ea1.Genre, genre::Entree | genre::Acquise);
    EXPECT_EQ(ea1.Fenetres, 0x11u);
    EXPECT_EQ(ea1.Nom, "EA1");
    EXPECT_FALSE(travail.TableDesFenetres().Existe(5));
}

TEST_F(CopiesVariablesTest, NamedBackupIsHiddenToo) {
    const int y = Table("Y", {3, 2, 1});
    const int copie = CopieDeSecours(table, y, QStringLiteral("  Z_Z_Z_Z  "));
    ASSERT_NE(copie, 0);
    EXPECT_EQ(Var(copie).Nom, "Z_Z_Z_Z");
    EXPECT_EQ(Var(copie).Genre, genre::Acquise | genre::CopieProvisoire);
    Var(y).EcrirePoint(2, 99);
    EXPECT_FALSE(RestaurerCopie(table, y)) << "no anonymous copy exists";
    ASSERT_TRUE(RestaurerCopie(table, y, copie));
    EXPECT_EQ(Points(y), std::vector<double>({3, 2, 1}));
    EXPECT_EQ(Var(y).Genre, genre::Acquise);
}

TEST_F(CopiesVariablesTest, BackupOfAnEmptySlotIsAnEmptyHiddenTable) {
    const int copie = CopieDeSecours(table, 0);
    ASSERT_NE(copie, 0);
    EXPECT_EQ(Var(copie).Genre, genre::Acquise | genre::CopieProvisoire);
    EXPECT_EQ(Var(copie).Capacite(), table.NbPoint());
    EXPECT_EQ(Var(copie).NbPoints, 0);
}

// Creating the backup under such a name would redefine that variable and lose its points.
TEST_F(CopiesVariablesTest, BackupRefusesNamesThatWouldOverwriteTheVariableOrTheTimeBase) {
    const int y = Table("Y", {1, 2, 3});
    const int derniere = table.DerniereCase();
    for (const char* nom : {"Y", " y ", "T", "PI", "1A"}) {
        EXPECT_EQ(CopieDeSecours(table, y, QString::fromUtf8(nom)), 0) << nom;
        EXPECT_EQ(table.DerniereCase(), derniere) << nom;
    }
    EXPECT_EQ(Points(y), std::vector<double>({1, 2, 3}));
    EXPECT_EQ(Var(y).Genre, genre::Acquise);
    EXPECT_EQ(Var("T").Genre, genre::Calculee | genre::Temps);
    EXPECT_EQ(Var("T").NbPoints, table.NbPoint());
}
