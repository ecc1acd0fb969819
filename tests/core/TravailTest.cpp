#include "TravailDeTest.h"
#include "core/store/Demandes.h"

using namespace pelavorine;

class TravailTest : public TravailDeTest {};

TEST_F(TravailTest, OptionsDriveTheNumberSettingsAndMarkerSpacing) {
    travail.options = option::PointsEspaces | option::SansZeros;
    table.ChangerNbPoints(400, true);
    travail.AppliquerOptions();
    EXPECT_FALSE(travail.nombres.ingenieur);
    EXPECT_FALSE(travail.nombres.garderZeros);
    EXPECT_FALSE(travail.nombres.seuilValidite);
    EXPECT_EQ(travail.espacementMarqueurs, 20);
    // The spacing follows later changes of the point count.
    table.ChangerNbPoints(1000, true);
    EXPECT_EQ(travail.espacementMarqueurs, 50);

    travail.options = option::ParDefaut;
    travail.AppliquerOptions();
    EXPECT_TRUE(travail.nombres.ingenieur);
    EXPECT_TRUE(travail.nombres.garderZeros);
    EXPECT_TRUE(travail.nombres.seuilValidite);
    EXPECT_EQ(travail.espacementMarqueurs, 1);
}

TEST_F(TravailTest, ChangeRequestsAccumulateUntilTakenAndTellTheHost) {
    travail.PrendreDemandes();
    const int avant = hote.demandesMiseAJour;
    travail.DemanderMiseAJour(demande::Axes);
    travail.DemanderMiseAJour(demande::Courbes);
    EXPECT_EQ(hote.demandesMiseAJour, avant + 2);
    EXPECT_EQ(travail.PrendreDemandes(), demande::Axes | demande::Courbes);
    EXPECT_EQ(travail.Demandes(), 0);
}

TEST_F(TravailTest, ResetDiscardsTheWorkAndRebuildsItWithTheGivenPointCount) {
    Table("Y", {1, 2, 3});
    travail.notes = "notes";
    travail.fichierCourant = "/tmp/a.PL2";
    travail.TableDesFenetres().Creer(4);
    travail.Parametres().periode = 1000;

    travail.ReinitialiserTravail(50, Travail::ToutReconstruire | Travail::Redessiner);
    EXPECT_EQ(table.IndexVariable("Y"), 0);
    EXPECT_EQ(table.NbPoint(), 50);
    EXPECT_EQ(table.Variable(table.CaseTemps())->Capacite(), 50);
    EXPECT_DOUBLE_EQ(table.TBase(), 200e-6); // parameters back to their defaults
    EXPECT_TRUE(travail.fichierCourant.isEmpty());
    EXPECT_EQ(travail.notes, "notes");
    EXPECT_TRUE(travail.Fenetres().Existe(1));
    EXPECT_FALSE(travail.Fenetres().Existe(4));
    EXPECT_EQ(travail.Demandes() & 0x02F1, 0x02F1);

    travail.ReinitialiserTravail(0, Travail::ToutReconstruire | Travail::EffacerNotes);
    EXPECT_EQ(table.NbPoint(), 200);
    EXPECT_TRUE(travail.notes.isEmpty());
}
