#include "TravailDeTest.h"

#include "core/windows/Echelles.h"
#include "core/windows/TableFenetres.h"

#include <gtest/gtest.h>

using namespace pelavorine;

namespace {

constexpr int CaseT = 3;

// A reset table: window 1 open on T, interface range ±10.24, time base up to 9.9 s.
class TableFenetresTest : public ::testing::Test {
protected:
    TableFenetres table;

    void SetUp() override {
        TableFenetres::Defauts d;
        d.yMinimum = -10.24;
        d.yMaximum = 10.24;
        d.xMaximum = 9.9;
        d.options = 0x5B;
        table.FixerDefauts(d);
        table.Reinitialiser(CaseT);
    }
};

TEST_F(TableFenetresTest, FamillesEtTitresSelonLeNumero) {
    struct Cas {
        int numero;
        std::uint8_t famille;
        const char* titre;
    };
    const Cas cas[] = {
        {1, 0, "Fenêtre n° 1"},           {8, 0, "Fenêtre n° 8"},
        {9, 1, "Fenêtre d'analyse n° 1"}, {13, 1, "Fenêtre d'analyse n° 5"},
        {14, 0x80, "Fenêtre n° 14"},      {16, 0x80, "Fenêtre n° 16"},
    };
    for (const Cas& c : cas) {
        const DonneesFenetre* f = table.Creer(c.numero);
        ASSERT_NE(f, nullptr) << c.numero;
        EXPECT_EQ(f->Numero(), c.numero);
        EXPECT_EQ(f->famille, c.famille) << c.numero;
        EXPECT_EQ(f->Titre(), QString::fromUtf8(c.titre));
        EXPECT_EQ(f->abscisse.fenetre, c.numero);
    }
    EXPECT_EQ(table.Creer(0), nullptr);
    EXPECT_EQ(table.Creer(17), nullptr);
    EXPECT_EQ(table.NbOuvertes(), 6); // window 1 was open already

    DonneesFenetre* f = table.Donnees(14);
    EXPECT_TRUE(f->OkEtat(0x80));
    EXPECT_FALSE(f->OkEtat(0x01));
    f->famille = 3; // synthesis editing
    EXPECT_TRUE(f->OkEtat(0x01));
}

TEST_F(TableFenetresTest, TitreUtilisateurDansLaLegende) {
    DonneesFenetre* f = table.Donnees(1);
    EXPECT_EQ(f->Legende(), QString::fromUtf8("Fenêtre n° 1"));
    f->titreUtilisateur = "Chute libre";
    EXPECT_EQ(f->Legende(), QString::fromUtf8("Fenêtre n° 1 : Chute libre"));
    EXPECT_EQ(DonneesFenetre::TitreUtilisateurDe(f->Legende()), "Chute libre");
    EXPECT_EQ(DonneesFenetre::TitreUtilisateurDe(QString::fromUtf8("Fenêtre n° 1")), "");
    f->titreUtilisateur = QString(100, QLatin1Char('x'));
    EXPECT_EQ(f->Legende().size(), 80);
}

TEST_F(TableFenetresTest, UneTableReinitialiseeTientLaFenetre1SurT) {
    EXPECT_EQ(table.MasqueOuvertes(), 1u);
    EXPECT_EQ(table.FenetreCourante(), 1);
    EXPECT_EQ(table.Anneau(), "1");
    EXPECT_EQ(table.NomAbscisse(1), "T");
    EXPECT_EQ(table.CaseAbscisse(1), CaseT);
    const DonneesFenetre& f = *table.Donnees(1);
    EXPECT_EQ(f.options, 0x5B);
    // Y: the interface range widened by 10 % and rounded outward to 3 digits, kept manual.
    EXPECT_EQ(f.echelleY.nom, "MANUELLE");
    EXPECT_DOUBLE_EQ(f.echelleY.minimum, -12.3);
    EXPECT_DOUBLE_EQ(f.echelleY.maximumManuel, 12.3);
    // X follows T, on the time base until resolved.
    EXPECT_EQ(f.echelleX.nom, "T");
    EXPECT_EQ(f.echelleX.variable, CaseT);
    EXPECT_DOUBLE_EQ(f.echelleX.maximumManuel, 9.9);
    EXPECT_DOUBLE_EQ(f.Xmax(), 9.9);
    EXPECT_DOUBLE_EQ(f.Ymin(), -12.3);
}

TEST_F(TableFenetresTest, OrdreDActivation) {
    table.Creer(3);
    table.Creer(10);
    table.Creer(2);
    EXPECT_EQ(table.Anneau(), "2:31"); // window 10 is character 58
    EXPECT_EQ(table.FenetreCourante(), 2);

    table.Activer(3);
    EXPECT_EQ(table.Anneau(), "32:1");
    EXPECT_EQ(table.Suivante(3), 2);
    EXPECT_EQ(table.Suivante(1), 3); // circular
    table.Activer(5);                // not open: nothing
    EXPECT_EQ(table.FenetreCourante(), 3);

    table.Creer(2); // an open window is only activated, its data kept
    EXPECT_EQ(table.Anneau(), "23:1");

    table.Fermer(1);
    EXPECT_EQ(table.Anneau(), "23:");
    EXPECT_EQ(table.FenetreCourante(), 2);
    table.Fermer(2); // the most recently activated one left becomes current
    EXPECT_EQ(table.FenetreCourante(), 3);
    table.Fermer(3);
    table.Fermer(10);
    EXPECT_EQ(table.FenetreCourante(), 0);
    EXPECT_EQ(table.Suivante(1), 0);
    EXPECT_EQ(table.NbOuvertes(), 0);
}

TEST_F(TableFenetresTest, SupprimerLaDerniereRecreeLaFenetre1) {
    table.Creer(2);
    EXPECT_FALSE(table.Supprimer(1));
    EXPECT_FALSE(table.Existe(1));

    table.Donnees(2)->titreUtilisateur = "avant";
    table.Creer(4)->type = 1; // an image window does not count
    EXPECT_TRUE(table.Supprimer(2));
    EXPECT_TRUE(table.Existe(1));
    EXPECT_EQ(table.FenetreCourante(), 1);
    EXPECT_EQ(table.MasqueOuvertes(), 0b1001u);
    EXPECT_FALSE(table.Supprimer(2)); // already gone
}

TEST_F(TableFenetresTest, OublierNomVideLesReferencesAuNom) {
    DonneesFenetre* f1 = table.Donnees(1);
    table.FixerAbscisse(1, "X", 7, "m");
    f1->echelleX.nom = "X";
    f1->echelleX.variable = 7;
    f1->echelleY.nom = "Y";
    f1->echelleY.variable = 8;
    PaireEchelles sauvee;
    sauvee.x.nom = "X";
    sauvee.x.variable = 7;
    sauvee.x.minimum = 2;
    sauvee.x.maximum = 4;
    f1->pileLoupe.Empiler(sauvee);

    DonneesFenetre* f2 = table.Creer(2);
    f2->echelleY.nom = "X";
    f2->echelleY.variable = 7;
    f2->echelleY.minimum = -1;
    f2->echelleY.maximum = 3;
    f2->echelleY.nomSauve = "X";

    DonneesFenetre* f3 = table.Creer(3);
    f3->echelleY.nom = "XX";
    f3->echelleY.variable = 9;
    const DonneesFenetre avant3 = *f3;

    FenetresVariables& interface = table;
    EXPECT_EQ(interface.OublierNom("X", CaseT, "s"), 0b011u);

    EXPECT_EQ(table.NomAbscisse(1), "T");
    EXPECT_EQ(table.CaseAbscisse(1), CaseT);
    EXPECT_EQ(f1->abscisse.unite, "s");
    EXPECT_EQ(f1->echelleX.nom, "T"); // the X axis follows the new abscissa
    EXPECT_EQ(f1->echelleX.variable, CaseT);
    EXPECT_EQ(f1->echelleY.nom, "Y");
    const PaireEchelles& p = f1->pileLoupe.Entrees().front();
    EXPECT_EQ(p.x.nom, "MANUELLE");
    EXPECT_EQ(p.x.variable, 0);
    EXPECT_DOUBLE_EQ(p.x.minimumManuel, 2); // restoring the zoom shows the same range
    EXPECT_DOUBLE_EQ(p.x.maximumManuel, 4);

    EXPECT_EQ(f2->echelleY.nom, "MANUELLE");
    EXPECT_EQ(f2->echelleY.variable, 0);
    EXPECT_DOUBLE_EQ(f2->echelleY.minimumManuel, -1);
    EXPECT_DOUBLE_EQ(f2->echelleY.maximumManuel, 3);
    EXPECT_EQ(f2->echelleY.nomSauve, "MANUELLE");

    EXPECT_EQ(f3->echelleY, avant3.echelleY); // a longer name is another name
    EXPECT_EQ(interface.OublierNom("X", CaseT, "s"), 0u);
    EXPECT_EQ(interface.OublierNom("", CaseT, "s"), 0u);
}

TEST_F(TableFenetresTest, CreerFenetresOuvreSeulementLesAbsentes) {
    table.Donnees(1)->titreUtilisateur = "garde";
    table.CreerFenetres(TableFenetres::Bit(1) | TableFenetres::Bit(4) | TableFenetres::Bit(6));
    EXPECT_EQ(table.MasqueOuvertes(), 0b101001u);
    EXPECT_EQ(table.Donnees(1)->titreUtilisateur, "garde");
    EXPECT_EQ(table.Anneau(), "641");
}

TEST_F(TableFenetresTest, SelectionDUneFenetreOuverte) {
    const SelectionFenetre s{true, 3, 9, 12};
    table.FixerSelection(1, s);
    EXPECT_TRUE(table.Selection(1).active);
    EXPECT_EQ(table.Selection(1).dernier, 9);
    table.FixerSelection(5, s); // closed: ignored
    EXPECT_FALSE(table.Selection(5).active);
    table.Fermer(1);
    table.Creer(1); // a new window starts without selection
    EXPECT_FALSE(table.Selection(1).active);
    table.Donnees(1)->abscisseEnPoints = true;
    EXPECT_TRUE(table.AbscisseEnPoints(1));
    EXPECT_FALSE(table.AbscisseEnPoints(0));
}

// Axes resolved against the variables of a fresh work.
class ResolutionAxes : public TravailDeTest {
protected:
    TableFenetres fenetres;
    void SetUp() override { fenetres.Reinitialiser(table.CaseTemps()); }
};

TEST_F(ResolutionAxes, NomsResolusEtAbscisseManquanteRameneeSurT) {
    const int y = Table("Y", {1, 4});
    Var(y).CalculerStatistiques();
    const int x = Table("X", {0, 1});
    Var(x).Unite = "m";
    DonneesFenetre* f = fenetres.Donnees(1);
    f->echelleY.nom = "Y";
    f->abscisse.nom = "X";
    fenetres.ResoudreAxes(1, table);
    EXPECT_EQ(fenetres.CaseAbscisse(1), x);
    EXPECT_EQ(f->abscisse.unite, "m");
    EXPECT_EQ(f->echelleY.variable, y);
    EXPECT_DOUBLE_EQ(f->echelleY.minimum, 1);
    EXPECT_DOUBLE_EQ(f->echelleY.maximum, 4);
    EXPECT_EQ(f->echelleX.variable, table.CaseTemps());

    f->abscisse.nom = "DISPARUE";
    fenetres.ResoudreAxes(1, table);
    EXPECT_EQ(fenetres.NomAbscisse(1), "T");
    EXPECT_EQ(fenetres.CaseAbscisse(1), table.CaseTemps());
    EXPECT_EQ(f->abscisse.unite, "s");
}

TEST_F(ResolutionAxes, UneEchelleManuelleNeSuitPasUneVariableDeCeNom) {
    Table("MANUELLE", {50, 60});
    DonneesFenetre* f = fenetres.Donnees(1);
    FixerEchelleManuelle(f->echelleY, 2, -2, false);
    fenetres.ResoudreAxes(1, table);
    EXPECT_EQ(f->echelleY.variable, 0);
    EXPECT_DOUBLE_EQ(f->echelleY.minimum, -2);
    EXPECT_DOUBLE_EQ(f->echelleY.maximum, 2);
}

TEST(DonneesFenetre, MondeEtFleches) {
    DonneesFenetre f(2);
    f.DefinirMonde(5, 3, -1, 7);
    EXPECT_DOUBLE_EQ(f.Xmin(), -1);
    EXPECT_DOUBLE_EQ(f.Xmax(), 5);
    EXPECT_DOUBLE_EQ(f.Ymin(), 3);
    EXPECT_DOUBLE_EQ(f.Ymax(), 7);

    FlecheFenetre ancienne;
    ancienne.pointe = 5;
    ancienne.CorrigerPointe();
    EXPECT_EQ(ancienne.pointe, 1);
    EXPECT_EQ(ancienne.forme, FlecheFenetre::Trait);
    FlecheFenetre normale;
    normale.pointe = 3;
    normale.forme = FlecheFenetre::TeteDouble;
    normale.CorrigerPointe();
    EXPECT_EQ(normale.pointe, 3);
    EXPECT_EQ(normale.forme, FlecheFenetre::TeteDouble);
}

} // namespace
