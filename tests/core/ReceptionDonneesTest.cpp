#include "TravailDeTest.h"

#include "core/files/EnteteColonnes.h"
#include "core/files/ReceptionDonnees.h"
#include "core/store/Demandes.h"

#include <QTemporaryDir>

#include "FichiersDeTest.h"

using namespace pelavorine;

class ReceptionDonneesTest : public TravailDeTest {
protected:
    ReceptionDonnees reception{travail};
};

TEST_F(ReceptionDonneesTest, TableOrFileNameElseTheFormatMessage) {
    EXPECT_TRUE(reception.Recevoir(0, "/DATA_TXT/A\tB\n1\t2\n3\t4\n"));
    EXPECT_EQ(Points(table.IndexVariable("B")), (std::vector<double>{2, 4}));
    EXPECT_TRUE(travail.Demandes() & demande::Feuille);

    QTemporaryDir dossier;
    const QString nom = dossier.filePath("envoi.txt");
    Ecrire(nom, "C\n5\n6\n7\n");
    EXPECT_TRUE(reception.Recevoir(0, nom));
    EXPECT_EQ(Points(table.IndexVariable("C")), (std::vector<double>{5, 6, 7}));
    EXPECT_NE(table.IndexVariable("B"), 0); // added to the work

    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Erreur).isEmpty());
    EXPECT_FALSE(reception.Recevoir(0, "A\tB\n1\t2\n"));
    EXPECT_FALSE(reception.Recevoir(0, dossier.filePath("absent.TXT")));
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Erreur),
              (QStringList{"Format des données non reconnu",
                           "Erreur en lecture: Fichier absent ou nom incorrect"}));
    EXPECT_TRUE(reception.Recevoir(0, QString())); // nothing to do
}

TEST_F(ReceptionDonneesTest, ResetBitStartsANewWorkAndLaterDataReuseTheWindow) {
    Table("Z", {1, 2, 3});
    ASSERT_TRUE(reception.Recevoir(mode_import::Reinitialiser, "/DATA_TXT/A\n1\n2\n"));
    EXPECT_EQ(table.IndexVariable("Z"), 0);
    const int fenetre = travail.TableDesFenetres().FenetreCourante();
    ASSERT_TRUE(reception.Recevoir(0, "/DATA_TXT/B\n3\n4\n"));
    EXPECT_EQ(travail.TableDesFenetres().FenetreCourante(), fenetre);
    EXPECT_NE(table.IndexVariable("A"), 0);
}
