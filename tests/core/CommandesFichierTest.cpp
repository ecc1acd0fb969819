#include "TravailDeTest.h"

#include "core/files/CommandesFichier.h"
#include "core/files/DialoguesFichier.h"
#include "core/files/FichierTravail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FichiersDeTest.h"

using namespace pelavorine;

namespace {

// Dialogs answered by the test; each request is counted.
struct DialoguesDeTest : DialoguesFichier {
    ChoixOuverture ouverture;
    ChoixEnregistrement enregistrement;
    bool exporter = true;
    int demandesOuverture = 0;
    int demandesEnregistrement = 0;
    QStringList utilises;

    ChoixOuverture DemanderOuverture() override {
        ++demandesOuverture;
        return ouverture;
    }
    ChoixEnregistrement DemanderEnregistrement(const QString&, const QString&) override {
        ++demandesEnregistrement;
        return enregistrement;
    }
    bool ReglerExportTexte(ReglagesExportTexte& reglages) override {
        reglages.variables = {};
        reglages.variables[0] = 5;
        return exporter;
    }
    void FichierUtilise(const QString& nom) override { utilises << QFileInfo(nom).fileName(); }
};

} // namespace

class CommandesFichierTest : public TravailDeTest {
protected:
    QTemporaryDir dossier;
    QString nom = dossier.filePath("essai.PL2");
    DialoguesDeTest dialogues;

    QStringList Fichiers() const { return QDir(dossier.path()).entryList(QDir::Files); }
};

TEST_F(CommandesFichierTest, SaveReplacesTheFileAndLeavesNoBackup) {
    Table("U", {1, 2, 3});
    travail.modifie = true;
    ASSERT_TRUE(EnregistrerTravail(travail, dialogues, nom, false).fait);
    const QByteArray ancien = Lire(nom);
    Var("U").EcrirePoint(2, 20);
    travail.modifie = true;

    // Confirmation refused: nothing is written.
    hote.reponses = {false};
    EXPECT_FALSE(EnregistrerTravail(travail, dialogues, nom, true).fait);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question),
              QStringList{"Enregistrer sous le nom " + nom});
    EXPECT_EQ(Lire(nom), ancien);

    const ResultatCommande r = EnregistrerTravail(travail, dialogues, nom, false);
    EXPECT_TRUE(r.fait);
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(Lire(nom), ancien);
    EXPECT_EQ(Fichiers(), QStringList{"essai.PL2"});
    EXPECT_EQ(travail.fichierCourant, nom);
    EXPECT_FALSE(travail.modifie);
    EXPECT_EQ(dialogues.demandesEnregistrement, 0);
    EXPECT_EQ(dialogues.utilises, (QStringList{"essai.PL2", "essai.PL2"}));
}

TEST_F(CommandesFichierTest, NameWithoutWorkExtensionGoesThroughTheDialog) {
    Table("U", {1, 2, 3});
    // Cancelled: nothing happens.
    EXPECT_FALSE(EnregistrerTravail(travail, dialogues, QString(), false).fait);
    EXPECT_EQ(dialogues.demandesEnregistrement, 1);

    // A name without extension gets ".PL2"; the older form follows the dialog's type.
    dialogues.enregistrement = {dossier.filePath("ancien"), "Notes du TP", true};
    ASSERT_TRUE(EnregistrerTravail(travail, dialogues, dossier.filePath("x.doc"), false).fait);
    EXPECT_EQ(travail.fichierCourant, dossier.filePath("ancien.PL2"));
    EXPECT_EQ(Lire(travail.fichierCourant).left(2), QByteArray::fromHex("5aa5"));
    EXPECT_EQ(travail.description, "Notes du TP");

    // A name the writers do not know is not written (and no file is touched).
    dialogues.enregistrement = {dossier.filePath("y.PH2"), {}, false};
    EXPECT_FALSE(EnregistrerTravail(travail, dialogues, QString(), false).fait);
    EXPECT_EQ(Fichiers(), QStringList{"ancien.PL2"});
}

TEST_F(CommandesFichierTest, FailedOrEmptySaveKeepsThePreviousFile) {
    Table("U", {1, 2, 3});
    ASSERT_TRUE(EnregistrerTravail(travail, dialogues, nom, false).fait);
    const QByteArray ancien = Lire(nom);
    travail.fichierCourant = "autre.PL2";
    travail.modifie = true;

    const int g = table.CreerVariable("G", 10000, genre::Acquise);
    Var(g).NbPoints = 10000;
    ResultatCommande r;
    {
        LimiteTailleFichiers limite(4096); // the new file fails half-way, as on a full disk
        r = EnregistrerTravail(travail, dialogues, nom, false);
    }
    EXPECT_FALSE(r.fait);
    EXPECT_LT(r.code, 0);
    EXPECT_EQ(Lire(nom), ancien);
    EXPECT_EQ(travail.fichierCourant, "autre.PL2");
    EXPECT_TRUE(travail.modifie);

    // A work without any curve window writes nothing and keeps the file.
    for (int f = 1; f <= 16; ++f)
        travail.TableDesFenetres().Fermer(f);
    EXPECT_FALSE(EnregistrerTravail(travail, dialogues, nom, false).fait);
    EXPECT_EQ(Lire(nom), ancien);
    EXPECT_EQ(Fichiers(), QStringList{"essai.PL2"});

    // A text export cancelled in its dialog keeps the previous text file.
    const QString texte = dossier.filePath("t.TXT");
    Ecrire(texte, "ancien");
    dialogues.exporter = false;
    dialogues.enregistrement = {texte, {}, false};
    EXPECT_FALSE(EnregistrerTravail(travail, dialogues, texte, false).fait);
    EXPECT_EQ(Lire(texte), "ancien");
}

TEST_F(CommandesFichierTest, OpenAsksToSaveAModifiedWorkFirst) {
    const int u = Table("U", {1, 2, 3});
    ASSERT_TRUE(EnregistrerTravail(travail, dialogues, nom, false).fait);
    Var(u).EcrirePoint(1, 100);
    travail.modifie = true;
    travail.fichierCourant = dossier.filePath("courant.PL2");

    // Yes to saving, no to going on: the work is saved and nothing is read.
    hote.reponses = {true, false};
    EXPECT_FALSE(OuvrirTravail(travail, dialogues, nom).fait);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question),
              (QStringList{"Voulez vous enregistrer le travail précédent",
                           " Reprendre la lecture du fichier"}));
    EXPECT_TRUE(QFile::exists(dossier.filePath("courant.PL2")));
    EXPECT_EQ(Var("U").LirePoint(1), 100.0);

    travail.modifie = true;
    hote.reponses = {false};
    const ResultatCommande r = OuvrirTravail(travail, dialogues, nom);
    EXPECT_TRUE(r.fait);
    EXPECT_EQ(Var("U").LirePoint(1), 1.0);
    EXPECT_EQ(travail.fichierCourant, nom);
    EXPECT_FALSE(travail.modifie);
}

TEST_F(CommandesFichierTest, OpenWithoutAFileAsksTheDialogForNameAndParts) {
    Table("U", {1, 2, 3});
    ASSERT_TRUE(EnregistrerTravail(travail, dialogues, nom, false).fait);
    HoteScripte h;
    Travail autre{h};

    EXPECT_FALSE(OuvrirTravail(autre, dialogues, dossier.filePath("absent.PL2")).fait);
    EXPECT_EQ(dialogues.demandesOuverture, 1);

    dialogues.ouverture = {dossier.filePath("absent.PL2"), 15};
    EXPECT_EQ(OuvrirTravail(autre, dialogues, QString()).code, FichierTravail::ErreurFichierAbsent);
    EXPECT_EQ(h.Textes(HoteScripte::Genre::Erreur),
              QStringList{"Erreur en lecture: Fichier absent ou nom incorrect"});

    dialogues.ouverture = {nom, FichierTravail::LignesCalcul};
    EXPECT_TRUE(OuvrirTravail(autre, dialogues, QString()).fait);
    EXPECT_EQ(autre.Variables().IndexVariable("U"), 0); // data only: not in these parts

    // A text table opens as a new work shown in a window.
    const QString texte = dossier.filePath("mesures.txt");
    Ecrire(texte, "A\tB\n1\t2\n3\t4\n");
    EXPECT_TRUE(OuvrirTravail(autre, dialogues, texte).fait);
    const TypeId* b = autre.Variables().Variable(autre.Variables().IndexVariable("B"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->LirePoint(2), 4.0);
}
