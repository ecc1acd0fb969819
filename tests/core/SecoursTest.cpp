#include "TravailDeTest.h"

#include "core/files/FichierTravail.h"
#include "core/files/Secours.h"

#include <QFile>
#include <QTemporaryDir>

using namespace pelavorine;

TEST_F(TravailDeTest, EmergencySaveIsOfferedOnlyAfterAnUncleanEnd) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("etat/Sauve.PL2");
    const QString courant = dossier.filePath("mien.PL2");
    Table("U", {1, 2, 3});
    ASSERT_EQ(FichierTravail::EcrireTravail(travail, courant, travail.conserves), 0);
    Var("U").EcrirePoint(1, 10);

    {
        Secours s(fichier);
        EXPECT_FALSE(s.DebutSession()); // first run
        ASSERT_TRUE(s.Sauver(travail)); // a fault: the work goes aside
        // ... and the program ends without FinSession.
    }
    Secours suivant(fichier);
    EXPECT_TRUE(suivant.DebutSession());
    HoteScripte h;
    Travail relu{h};
    ASSERT_EQ(FichierTravail::LireTravail(relu, fichier, FichierTravail::Toutes, relu.conserves),
              0);
    EXPECT_EQ(relu.Variables().Variable(relu.Variables().IndexVariable("U"))->LirePoint(1), 10.0);
    // The user's own file is untouched.
    HoteScripte h2;
    Travail mien{h2};
    ASSERT_EQ(FichierTravail::LireTravail(mien, courant, FichierTravail::Toutes, mien.conserves),
              0);
    EXPECT_EQ(mien.Variables().Variable(mien.Variables().IndexVariable("U"))->LirePoint(1), 1.0);

    suivant.FinSession();
    EXPECT_FALSE(QFile::exists(fichier));
    Secours apres(fichier);
    EXPECT_FALSE(apres.DebutSession()); // a clean end leaves nothing to offer
}
