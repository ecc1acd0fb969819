#include "TravailDeTest.h"

#include "core/files/FichierTravail.h"
#include "core/files/InventaireFichier.h"
#include "core/format/EnteteEnregistrement.h"
#include "core/format/LecteurBinaire.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "FichiersDeTest.h"

using namespace pelavorine;

namespace {

struct Enregistrement {
    QByteArray tag;
    int valeur;
    int taille;
};

// The records of a file as its headers state them.
std::vector<Enregistrement> Enregistrements(const QByteArray& fichier) {
    std::vector<Enregistrement> liste;
    for (const EnregistrementInventaire& r : InventorierOctets(fichier).enregistrements)
        liste.push_back({r.entete.tag, r.entete.valeur, r.entete.taille});
    return liste;
}

const QChar kTheta(0x03B8);

} // namespace

class FichierTravailTest : public TravailDeTest {
protected:
    QTemporaryDir dossier;
    QString nom = dossier.filePath(QStringLiteral("essai.PL2"));
    EnregistrementsConserves conserves;

    // A second work, as a fresh start-up builds it, to read files into.
    HoteScripte hoteLu;
    Travail lu{hoteLu};
    EnregistrementsConserves conservesLus;

    TypeId& VarLue(const QString& n) {
        TypeId* v = lu.Variables().Variable(lu.Variables().IndexVariable(n));
        EXPECT_NE(v, nullptr) << S(n);
        return *v;
    }

    // Writes the work, reads it into the second work and writes that again.
    QByteArray AllerRetour(QByteArray* relu = nullptr) {
        EXPECT_EQ(FichierTravail::EcrireTravail(travail, nom, conserves), 0);
        const QByteArray premier = Lire(nom);
        EXPECT_EQ(FichierTravail::LireTravail(lu, nom, FichierTravail::Toutes, conservesLus), 0);
        const QString second = dossier.filePath(QStringLiteral("relu.PL2"));
        EXPECT_EQ(FichierTravail::EcrireTravail(lu, second, conservesLus), 0);
        if (relu) *relu = Lire(second);
        return premier;
    }
};

TEST_F(FichierTravailTest, VariablesComeBackWithEveryFieldAndTheSameBytes) {
    const int u = Table("U", {1.5, -2.0, 3.25}, genre::Acquise);
    Var(u).Unite = "V";
    Var(u).Couleur = 0x123456;
    Var(u).Style = 3;
    Var(u).Fenetres = 0x5;
    Var(u).Origine = origine::GardeDecalage;
    Var(u).Decalage = 0.5;

    const int k = table.CreerVariable("k", 1, genre::Acquise | genre::ScalaireSaisi);
    Var(k).EcrirePoint(0, 2.75);

    const QString grec = QString(kTheta) + "1";
    const int g = Table(grec, {10, 20}, genre::Acquise);
    Var(g).Unite = QString(kTheta) + "/s";
    Var(g).Reference = 2;
    Var(g).AdaptationEchelle = true;
    Var(g).Multiplicateur = 1000.0;

    const int lin = Table("L", {4, 5, 6, 7}, genre::Acquise);
    Var(lin).FixerAbscisseLineaire("x", 0.5, 1.0);

    const int propre = Table("P", {1, 2, 3}, genre::Acquise);
    Var(propre).FixerDonneesAbscisse({0.0, 0.1, 0.2, 0.4});
    Var(propre).NomAbscisse = "tp";

    const int liee = Table("Q", {8, 9, 10}, genre::Acquise);
    Var(liee).FixerAbscisseVariable("U", "t");

    QByteArray relu;
    const QByteArray premier = AllerRetour(&relu);
    EXPECT_EQ(premier.toHex().toStdString(), relu.toHex().toStdString());
    EXPECT_EQ(premier.left(2), QByteArray::fromHex("5ba5"));

    EXPECT_EQ(VarLue("U").NbPoints, 3);
    EXPECT_EQ(VarLue("U").LirePoint(2), -2.0);
    EXPECT_EQ(VarLue("U").Unite, "V");
    EXPECT_EQ(VarLue("U").Couleur, 0x123456);
    EXPECT_EQ(VarLue("U").Style, 3);
    EXPECT_EQ(VarLue("U").Fenetres, 0x5u);
    EXPECT_EQ(VarLue("U").Decalage, 0.5); // kept by its origin
    EXPECT_EQ(VarLue("k").LirePoint(0), 2.75);
    EXPECT_EQ(VarLue(grec).Unite, QString(kTheta) + "/s");
    EXPECT_EQ(VarLue(grec).LirePoint(2), 20.0);
    EXPECT_TRUE(VarLue(grec).AdaptationEchelle);
    EXPECT_EQ(VarLue(grec).Multiplicateur, 1000.0);
    EXPECT_EQ(VarLue("L").AbscissePropre(3), 2.0);
    EXPECT_EQ(VarLue("P").AbscissePropre(3), 0.4);
    EXPECT_EQ(VarLue("Q").AbscissePropre(2), -2.0); // through U
    for (int slot : {u, k, g, lin, propre, liee})
        EXPECT_EQ(lu.Variables().IndexVariable(Var(slot).Nom), slot) << S(Var(slot).Nom);
}

// A calculated variable is stored without its abscissa data: its link is made again over the
// linked variable, under the abscissa name of its first window.
TEST_F(FichierTravailTest, LinkOfACalculatedVariableIsMadeAgain) {
    Table("U", {1, 2, 3});
    const int y = Table("Y", {7, 8, 9}, genre::Calculee);
    Var(y).FixerAbscisseVariable("U", "u");
    Var(y).AfficherDans(1, true);
    AllerRetour();
    const TypeId& lue = VarLue("Y");
    EXPECT_TRUE(lue.Genre & genre::AbscisseVariable);
    EXPECT_EQ(lue.NomAbscisse, "U");
    EXPECT_EQ(lue.NomAbscisseAffiche(), lu.TableDesFenetres().NomAbscisse(1));
    EXPECT_EQ(lue.AbscissePropre(2), VarLue("U").LirePoint(2));
}

TEST_F(FichierTravailTest, LargeTableIsCutIntoChunks) {
    const int slot = table.CreerVariable("G", 10000, genre::Acquise);
    Var(slot).NbPoints = 10000;
    for (int i = 0; i <= 10000; ++i)
        Var(slot).EcrirePoint(i, i * 0.25);

    QByteArray relu;
    const QByteArray premier = AllerRetour(&relu);
    EXPECT_EQ(premier, relu);
    std::vector<std::pair<int, int>> morceaux;
    for (const Enregistrement& e : Enregistrements(premier))
        if (e.tag == "DTY") morceaux.emplace_back(e.valeur, e.taille);
    EXPECT_EQ(morceaux, (std::vector<std::pair<int, int>>{{0, 65534}, {1, 14474}}));
    EXPECT_EQ(VarLue("G").NbPoints, 10000);
    for (int i : {1, 8191, 8192, 8193, 10000})
        EXPECT_EQ(VarLue("G").LirePoint(i), i * 0.25) << i;
}

TEST_F(FichierTravailTest, OtherRecordsAreKeptByteForByte) {
    auto bloc = [](const char* tag, int type, int masque, int index, int valeur, QByteArray donnees,
                   QByteArray suite = {}) {
        EnteteEnregistrement e{tag,
                               static_cast<std::uint8_t>(type),
                               static_cast<std::uint8_t>(masque),
                               static_cast<std::uint8_t>(index),
                               static_cast<std::uint16_t>(valeur),
                               static_cast<std::uint16_t>(donnees.size())};
        return BlocEnregistrement{e, donnees, suite};
    };
    // In the order of the writing steps, as a read gives them back.
    conserves = {
        bloc("POI", 16, 2, 0, 0, QByteArray(67, '\x05')),
        bloc("MOD", 13, 4, 0, 0, QByteArray(190, '\x13')),
        bloc("NOT", 17, 8, 0, 0, "notes", QByteArray(39, '\x22')),
        bloc("DLL", 22, 2, 1, 0, QByteArray(356, '\x16')),
        bloc("DLB", 23, 2, 1, 0, "bloc persistant"),
        bloc("DLL", 22, 2, 2, 0, QByteArray(356, '\x17')),
        bloc("ACT", 26, 2, 3, 0, QByteArray(547, '\x7f')),
    };
    Table("U", {1, 2, 3});

    QByteArray relu;
    const QByteArray premier = AllerRetour(&relu);
    EXPECT_EQ(premier, relu);
    EXPECT_EQ(conservesLus, conserves);
    EXPECT_EQ(VarLue("U").LirePoint(3), 3.0);
}

TEST_F(FichierTravailTest, DescriptionAndHeaderPreview) {
    struct Cas {
        QString ecrite;
        QString lue;
    };
    for (const Cas& c : {Cas{"Essai\nligne 2", "Essai\r\nligne 2"}, Cas{" \t\nsuite", ""},
                         Cas{QString(300, 'a'), QString(254, 'a')}}) {
        ASSERT_EQ(FichierTravail::EcrireTravail(travail, nom, conserves, c.ecrite), 0);
        QString description = "avant";
        EXPECT_TRUE(FichierTravail::LireEnTete(nom, description));
        EXPECT_EQ(description, c.lue);
        EXPECT_EQ(FichierTravail::LireTravail(lu, nom, FichierTravail::Toutes, conservesLus), 0);
    }
    QString description;
    EXPECT_FALSE(FichierTravail::LireEnTete(dossier.filePath("absent.PL2"), description));
}

TEST_F(FichierTravailTest, DamagedFileShowsTheMessageAndLeavesTheWork) {
    Table("U", {1, 2, 3});
    ASSERT_EQ(FichierTravail::EcrireTravail(travail, nom, conserves), 0);
    const QByteArray bon = Lire(nom);
    const int premierEnregistrement = 32;
    const int premierDty = static_cast<int>(bon.indexOf("\x05[DTY]"));
    ASSERT_GT(premierDty, premierEnregistrement);

    auto modifie = [&](int position, QByteArray octets) {
        QByteArray f = bon;
        f.replace(position, octets.size(), octets);
        return f;
    };
    const QString lecture = "Erreur en lecture";
    const QString format = "Format de fichier non reconnu par cette version de Pelavorine";
    struct Cas {
        const char* quoi;
        QByteArray octets;
        QString message;
    };
    const std::vector<Cas> cas = {
        {"vide", {}, format},
        {"magique seul", bon.left(2), lecture},
        {"en-tête coupé", bon.left(20), lecture},
        {"enregistrement coupé", bon.left(bon.size() - 5), lecture},
        {"en-tête d'enregistrement coupé", bon.left(premierDty + 6), lecture},
        {"n'importe quoi", QByteArray("Ceci n'est pas un travail"), format},
        {"taille qui ment", modifie(premierEnregistrement + 11, "\xff\xff"), lecture},
        {"marqueur absent", modifie(premierDty + 1, "X"), lecture},
        {"octet de contrôle", modifie(premierDty + 13, "\x01"), lecture},
        {"morceau hors de tout tableau", modifie(premierDty + 9, "\xff\xff"), lecture},
        {"octets après la fin", bon + QByteArray(3, '\0'), lecture},
        {"description plus longue que le fichier", modifie(27, "\xff"), lecture},
    };

    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        Ecrire(nom, c.octets);
        hoteLu.Vider();
        const int w = lu.Variables().CreerVariable("W", 2, genre::Acquise);
        lu.Variables().Variable(w)->EcrirePoint(1, 42.0);
        const int derniere = lu.Variables().DerniereCase();
        conservesLus = {BlocEnregistrement{{"ZZZ", 26, 2, 0, 0, 1}, "z", {}}};
        const EnregistrementsConserves avant = conservesLus;

        EXPECT_NE(FichierTravail::LireTravail(lu, nom, FichierTravail::Toutes, conservesLus), 0);
        EXPECT_EQ(hoteLu.Textes(HoteScripte::Genre::Erreur), QStringList{c.message});
        EXPECT_EQ(lu.Variables().DerniereCase(), derniere);
        EXPECT_EQ(lu.Variables().Variable(w)->LirePoint(1), 42.0);
        EXPECT_EQ(conservesLus, avant);
    }

    hoteLu.Vider();
    EXPECT_EQ(FichierTravail::LireTravail(lu, dossier.filePath("absent.PL2"),
                                          FichierTravail::Toutes, conservesLus),
              FichierTravail::ErreurFichierAbsent);
    EXPECT_EQ(hoteLu.Textes(HoteScripte::Genre::Erreur),
              QStringList{"Erreur en lecture: Fichier absent ou nom incorrect"});
}

TEST_F(FichierTravailTest, FailedSaveLeavesThePreviousFile) {
    Table("U", {1, 2, 3});
    ASSERT_EQ(FichierTravail::EcrireTravail(travail, nom, conserves), 0);
    const QByteArray ancien = Lire(nom);

    const int slot = table.CreerVariable("G", 10000, genre::Acquise);
    Var(slot).NbPoints = 10000;
    int code = 0;
    {
        LimiteTailleFichiers limite(4096); // the new file fails half-way, as on a full disk
        code = FichierTravail::EcrireTravail(travail, nom, conserves);
    }

    EXPECT_NE(code, 0);
    ASSERT_EQ(hote.Textes(HoteScripte::Genre::Erreur).size(), 1);
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Erreur)[0].startsWith("Erreur en écriture"))
        << S(hote.Textes(HoteScripte::Genre::Erreur)[0]);
    EXPECT_EQ(Lire(nom), ancien);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"essai.PL2"});
}

TEST_F(FichierTravailTest, OnlyTheCalculationPartKeepsDescriptorsOfCalculatedVariables) {
    Table("U", {1, 2, 3});
    const int c = Table("C", {4, 5, 6}, genre::Calculee);
    ASSERT_EQ(FichierTravail::EcrireTravail(travail, nom, conserves), 0);
    ASSERT_EQ(FichierTravail::LireTravail(lu, nom, FichierTravail::LignesCalcul, conservesLus), 0);
    EXPECT_EQ(lu.Variables().IndexVariable("U"), 0);
    EXPECT_EQ(VarLue("C").NbPoints, 0);
    EXPECT_EQ(VarLue("C").Capacite(), Var(c).Capacite());
}

TEST_F(FichierTravailTest, ShortDescriptorsAndPointsWithoutDescriptor) {
    const int u = Table("U", {1, 2, 3});
    Var(u).Reference = 2;
    Var(u).Multiplicateur = 1000.0;
    Var(u).EtatInterne = 5;
    Var(u).Origine = 0x0123;
    ASSERT_EQ(FichierTravail::EcrireTravail(travail, nom, conserves), 0);
    const QByteArray bon = Lire(nom);
    const qsizetype var = bon.indexOf(QByteArray("\x05[VAR]\x07\x07") + static_cast<char>(u));
    ASSERT_GT(var, 0);

    // An older, shorter descriptor (it ends after Origine).
    QByteArray court = bon;
    court.remove(var + 14 + 64, 12);
    court[var + 11] = 64;
    Ecrire(nom, court);
    ASSERT_EQ(FichierTravail::LireTravail(lu, nom, FichierTravail::Toutes, conservesLus), 0);
    EXPECT_EQ(VarLue("U").Multiplicateur, 1.0);
    EXPECT_EQ(VarLue("U").Reference, 0);
    EXPECT_EQ(VarLue("U").EtatInterne, 0);
    EXPECT_EQ(VarLue("U").Origine, 0x23);
    EXPECT_EQ(VarLue("U").LirePoint(3), 3.0);

    // Points whose descriptor is missing come back in a variable of NBPOINT points.
    QByteArray orphelin = bon;
    orphelin.remove(var, 14 + 76);
    Ecrire(nom, orphelin);
    ASSERT_EQ(FichierTravail::LireTravail(lu, nom, FichierTravail::Toutes, conservesLus), 0);
    EXPECT_EQ(lu.Variables().IndexVariable("U"), 0);
    EXPECT_EQ(VarLue("Var1").NbPoints, lu.Variables().NbPoint());
    EXPECT_EQ(VarLue("Var1").LirePoint(2), 2.0);
    EXPECT_EQ(VarLue("Var1").Genre, genre::Acquise);
}
