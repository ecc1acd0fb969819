#include "TravailDeTest.h"

#include "core/store/NomsLibres.h"

#include <string>

using namespace pelavorine;

namespace {

struct CasNomLibre {
    QStringList pris;
    const char* nom;
    const char* separateur;
    const char* attendu;
};

} // namespace

class NomsLibresTest : public TravailDeTest {
protected:
    void Creer(const QStringList& noms) {
        for (const QString& n : noms)
            ASSERT_NE(Table(n, {1, 2}), 0) << n.toStdString();
    }
    std::string Libre(const char* nom, const char* sep, int ignorer = 0) {
        return NomLibre(table, QString::fromUtf8(nom), ignorer, QString::fromUtf8(sep))
            .toStdString();
    }
};

TEST_F(NomsLibresTest, FreeNameTriesNumbersAfterTheSeparator) {
    const CasNomLibre cas[] = {
        {{}, "Y", "_", "Y"},
        {{"Y1", "Y11"}, "Y1", "", "Y12"},
        {{"Y1"}, "Y1", "_", "Y1_1"},
        {{"Y", "Y_1", "Y_2"}, "Y", "_", "Y_3"},
        {{"Y"}, " Y ", "", "Y1"},
        {{"ABCDEFGHIJKL"}, "ABCDEFGHIJKL", "_", "ABCDEFGHIJ_1"},
        {{"ABCDEFGHIJ", "ABCDEFGHIJ_1", "ABCDEFGHIJ_2"}, "ABCDEFGHIJ", "_", "ABCDEFGHIJ_3"},
    };
    for (const auto& c : cas) {
        table.SupprimerGenre(table.PremiereCaseLibre(), 0);
        Creer(c.pris);
        EXPECT_EQ(Libre(c.nom, c.separateur), c.attendu)
            << c.nom << " with " << c.pris.join(',').toStdString();
    }
}

TEST_F(NomsLibresTest, FreeNameIgnoresTheGivenSlot) {
    const int y = Table("Y", {1, 2});
    EXPECT_EQ(Libre("Y", "_", y), "Y");
    EXPECT_EQ(Libre("Y", "_", y + 1), "Y_1");
}

// With a 10-character name the numbers from 10 on are cut back to "_1": once the nine short
// candidates are taken no name is free, and the taken name must not come back as free.
TEST_F(NomsLibresTest, FreeNameIsEmptyWhenEveryCandidateIsTaken) {
    Creer({"ABCDEFGHIJ"});
    for (int k = 1; k <= 9; ++k)
        Creer({QStringLiteral("ABCDEFGHIJ_%1").arg(k)});
    EXPECT_EQ(Libre("ABCDEFGHIJ", "_"), "");
}

TEST_F(NomsLibresTest, FreeingANameRenamesItsHolderWithTheNextNumber) {
    EXPECT_EQ(LibererNom(table, QStringLiteral(" X ")), QStringLiteral("X"));

    const int x = Table("X", {1, 2});
    Table("X1", {3, 4});
    EXPECT_EQ(LibererNom(table, QStringLiteral("X")), QStringLiteral("X"));
    EXPECT_EQ(table.IndexVariable(QStringLiteral("X")), 0);
    EXPECT_EQ(table.IndexVariable(QStringLiteral("X2")), x);

    const int longue = Table("ABCDEFGHIJ", {1, 2});
    EXPECT_EQ(LibererNom(table, QStringLiteral("ABCDEFGHIJKL")), QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(Var(longue).Nom, QStringLiteral("ABCDEFGHIJ1"));
}

TEST_F(NomsLibresTest, NameOfAnotherToolsVariableIsRefused) {
    const int y = Table("Y", {1, 2});
    Var(y).Origine = 11; // solution 1 of the differential equations
    const int z = Table("Z", {1, 2});
    Var(z).Origine = origine::Pointeur;
    const QString refus = QString::fromUtf8(
        "Nom déjà utilisé pour une variable de genre incompatible.\rChoisir un autre nom.");

    struct Cas {
        const char* nom;
        int base;
        int code;
        bool accepte;
    };
    const Cas cas[] = {{"W", 0, 40, true},  {"y", 10, 1, true}, {"Y", 10, 2, false},
                       {"Y", 0, 40, false}, {"Z", 0, 40, true}, {"Z", 10, 30, true},
                       {"T", 0, 40, false}, {"T", 0, 0, true}};
    for (const auto& c : cas) {
        QString message;
        EXPECT_EQ(VerifierGenreNom(table, QString::fromUtf8(c.nom), c.base, c.code, message),
                  c.accepte)
            << c.nom << " " << c.base << "+" << c.code;
        EXPECT_EQ(message.toStdString(), c.accepte ? "" : refus.toStdString()) << c.nom;
    }
}

TEST(NomsLibresDialogue, RenameDialogTexts) {
    DialogueChangementNom d(QStringLiteral("Y1"));
    EXPECT_EQ(DialogueChangementNom::Titre().toStdString(), "Modification de nom");
    EXPECT_EQ(d.Legende().toStdString(), "Le nom de la variable Y1 a changé");
    EXPECT_EQ(DialogueChangementNom::ChoixCreer().toStdString(), " Créer une nouvelle variable");
    EXPECT_TRUE(d.Resultat());
    d.creer = false;
    EXPECT_FALSE(d.Resultat());
}
