#include "core/windows/HistoriqueDisposition.h"
#include "core/windows/Echelles.h"
#include "core/windows/TableFenetres.h"

#include <gtest/gtest.h>

using namespace pelavorine;

namespace {

// Windows 1, 3, 10 and 2 opened in that order: 2 is current, then 10, 3 and 1.
class HistoriqueDispositionTest : public ::testing::Test {
protected:
    TableFenetres table;
    HistoriqueDisposition historique;

    void SetUp() override {
        table.Reinitialiser(3);
        for (int n : {3, 10, 2})
            table.Creer(n);
        for (int n : {1, 2, 3, 10})
            Placer(n, n);
    }

    // Bounds, state and scales that tell the window and the moment apart.
    void Placer(int n, int k) {
        DonneesFenetre* f = table.Donnees(n);
        f->gauche = 10 * n + k;
        f->haut = 20 * n + k;
        f->largeur = 300 + k;
        f->hauteur = 200 + n;
        f->etat = static_cast<std::uint8_t>(k % 3);
        FixerEchelleManuelle(f->echelleX, n + k, -k, false);
        FixerEchelleManuelle(f->echelleY, 2 * n + k, k, false);
    }
    void ExpectPlacee(int n, int k) {
        const DonneesFenetre* f = table.Donnees(n);
        ASSERT_NE(f, nullptr) << n;
        EXPECT_EQ(f->gauche, 10 * n + k) << n;
        EXPECT_EQ(f->haut, 20 * n + k) << n;
        EXPECT_EQ(f->largeur, 300 + k) << n;
        EXPECT_EQ(f->hauteur, 200 + n) << n;
        EXPECT_EQ(f->etat, k % 3) << n;
        EXPECT_DOUBLE_EQ(f->echelleX.maximum, n + k) << n;
        EXPECT_DOUBLE_EQ(f->echelleX.minimum, -k) << n;
        EXPECT_DOUBLE_EQ(f->echelleY.maximum, 2 * n + k) << n;
        EXPECT_DOUBLE_EQ(f->echelleY.minimum, k) << n;
    }
};

TEST_F(HistoriqueDispositionTest, RestaureDansLOrdreDActivation) {
    historique.Noter(table);
    EXPECT_EQ(historique.Taille(), 1);
    for (int n : {1, 2, 3, 10})
        Placer(n, 7);
    table.Donnees(3)->echelleY.nom = "Y";
    table.Donnees(3)->echelleY.variable = 4;
    // Activation after the snapshot does not change what it holds.
    table.Activer(1);

    EXPECT_EQ(historique.Restaurer(table), (QList<int>{2, 10, 3, 1}));
    for (int n : {1, 2, 3, 10})
        ExpectPlacee(n, n);
    EXPECT_EQ(table.Donnees(3)->echelleY.nom, "MANUELLE");
    EXPECT_EQ(table.Donnees(3)->echelleY.variable, 0);
    EXPECT_TRUE(historique.Vide());
    EXPECT_TRUE(historique.Restaurer(table).isEmpty());
    EXPECT_EQ(table.FenetreCourante(), 1);

    table.Fermer(1);
    table.Activer(3);
    historique.Noter(table);
    EXPECT_EQ(historique.Restaurer(table), (QList<int>{3, 2, 10}));
}

TEST_F(HistoriqueDispositionTest, VingtInstantanesAuPlus) {
    for (int k = 1; k <= 25; ++k) {
        Placer(10, k);
        historique.Noter(table);
    }
    EXPECT_EQ(historique.Taille(), HistoriqueDisposition::Capacite);
    // The five oldest are gone: the undo goes back from 25 to 6.
    for (int k = 25; k >= 6; --k) {
        ASSERT_FALSE(historique.Vide()) << k;
        historique.Restaurer(table);
        ExpectPlacee(10, k);
    }
    EXPECT_TRUE(historique.Vide());
    EXPECT_TRUE(historique.Restaurer(table).isEmpty());
    ExpectPlacee(10, 6);
}

TEST_F(HistoriqueDispositionTest, LesFenetresFermeesRestentFermees) {
    historique.Noter(table);
    table.Fermer(3);
    table.Fermer(10);
    table.Creer(10); // opened again: a new window, which takes the recorded layout
    Placer(2, 5);
    EXPECT_EQ(historique.Restaurer(table), (QList<int>{2, 10, 1}));
    EXPECT_EQ(table.Donnees(3), nullptr);
    ExpectPlacee(2, 2);
    ExpectPlacee(10, 10);
    ExpectPlacee(1, 1);
}

TEST_F(HistoriqueDispositionTest, RienANoterSansFenetre) {
    for (int n : {1, 2, 3, 10})
        table.Fermer(n);
    historique.Noter(table);
    EXPECT_TRUE(historique.Vide());
}

} // namespace
