#include "core/configuration/Configuration.h"
#include "core/configuration/LectureConfiguration.h"
#include "core/configuration/StockageConfiguration.h"
#include "core/configuration/Teintes.h"
#include "core/store/Genres.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ImpressionQt.h"

#include <functional>
#include <memory>

using namespace pelavorine;

namespace {

// A configuration store and folders of the test's own, an empty work and a scripted host.
class ConfigurationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dossier.isValid());
        NouveauStockage();
        QDir().mkpath(Chemin("prog"));
        QDir().mkpath(Chemin("donnees"));
    }

    QString Chemin(const QString& nom) const { return dossier.filePath(nom); }
    QString FichierIni() const { return dossierStockage + "/Quandrel/Pelavorine2003.ini"; }

    // Each store in a folder of its own: Qt keeps the contents of settings files it has
    // read, and a file rewritten within the same millisecond with the same size would look
    // unchanged to it.
    void NouveauStockage() {
        dossierStockage = Chemin("config" + QString::number(++numeroStockage));
        qputenv("PELAVORINE_CONFIG_DIR", dossierStockage.toUtf8());
    }

    Configuration::Emplacements Emplacements() const {
        return {Chemin("prog"), Chemin("maison/Pelavorine"), Chemin("donnees"), Chemin("etat"),
                Chemin("cache")};
    }

    // A new store, as a hand-edited file.
    void EcrireIni(const QByteArray& texte) {
        NouveauStockage();
        QDir().mkpath(dossierStockage + "/Quandrel");
        QFile f(FichierIni());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texte);
    }

    // Fresh objects over the store, as a new run of the program has.
    void Creer() {
        lecture.reset();
        stockage.reset();
        config = std::make_unique<Configuration>(Emplacements());
        travail = std::make_unique<Travail>(hote);
        stockage = std::make_unique<StockageConfiguration>();
        lecture = std::make_unique<LectureConfiguration>(*config, *travail, *stockage);
    }

    // A start of the program: configuration and recent files read.
    LectureConfiguration::Resultat Demarrer() {
        Creer();
        travail->demarrage = true;
        const auto r = lecture->LireConfiguration();
        lecture->LireHistorique();
        travail->demarrage = false;
        return r;
    }

    // What another program would read from the file.
    QVariant Stocke(const QString& cle) const {
        return QSettings(FichierIni(), QSettings::IniFormat).value(cle);
    }

    QTemporaryDir dossier;
    QString dossierStockage;
    int numeroStockage = 0;
    HoteScripte hote;
    std::unique_ptr<Configuration> config;
    std::unique_ptr<Travail> travail;
    std::unique_ptr<StockageConfiguration> stockage;
    std::unique_ptr<LectureConfiguration> lecture;
};

TEST_F(ConfigurationTest, StoreFollowsConfigDirVariable) {
    EXPECT_EQ(StockageConfiguration::CheminParDefaut(), FichierIni());
}

TEST_F(ConfigurationTest, FirstRunWithoutSystemWritesDefaultsAndReturnsAnswer) {
    hote.reponses.push_back(false);
    const auto r = Demarrer();

    EXPECT_TRUE(r.premierLancement);
    EXPECT_FALSE(r.systemeAccepte);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question),
              QStringList{"Pelavorine n'a détecté aucun système d'acquisition\n\rCe choix est-il "
                          "valide ?"});
    ASSERT_TRUE(QFile::exists(FichierIni()));
    EXPECT_EQ(Stocke("Systeme/Logiciel").toString(), "PELAVORINE 2003");
    EXPECT_EQ(Stocke("Systeme/Version").toString(), "5.11");
    EXPECT_EQ(Stocke("Systeme/Acquisition").toString(), "AUCUNE CARTE");
    EXPECT_EQ(Stocke("Systeme/Chemin").toString(), Chemin("prog"));
    EXPECT_EQ(Stocke("Options/Configuration").toInt(), 52520);
    EXPECT_EQ(Stocke("Options/Graduations").toInt(), 0x007B);
    EXPECT_EQ(Stocke("Fichiers/Travail").toString(), Chemin("maison/Pelavorine/Travail"));
    EXPECT_EQ(Stocke("Fichiers/Images").toString(), Chemin("maison/Pelavorine/Images"));
    EXPECT_EQ(Stocke("Fichiers/ConfigExterne").toString(), Chemin("prog/PELAVORINE.CFG"));
    EXPECT_FALSE(
        QSettings(FichierIni(), QSettings::IniFormat).childGroups().contains("AUCUNE CARTE"));

    // The default folders exist now and are the ones in use.
    EXPECT_EQ(config->dossierTravail, Chemin("maison/Pelavorine/Travail"));
    EXPECT_TRUE(QFileInfo(config->dossierTravail).isDir());
    EXPECT_EQ(travail->options, option::ParDefaut);
    EXPECT_TRUE(r.selectionnerSysteme);

    hote.Vider();
    const auto second = Demarrer();
    EXPECT_FALSE(second.premierLancement);
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Question).isEmpty());
}

TEST_F(ConfigurationTest, FirstRunWithInterfaceAsksAboutItAndWritesItsValues) {
    Creer();
    config->systeme = "SIMULATION";
    config->interfacePresente = true;
    config->descriptionSysteme = "Interface simulée";
    config->adresse = 0x378;
    config->adresse2 = 0x37A;
    config->tempo = 12;

    const auto r = lecture->LireConfiguration();

    EXPECT_TRUE(r.systemeAccepte); // the default answer
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question),
              QStringList{"Le logiciel a détecté la présence du système : Interface simulée"
                          "\n\rCe choix est-il valide ?"});
    EXPECT_EQ(Stocke("Systeme/Acquisition").toString(), "SIMULATION");
    EXPECT_EQ(Stocke("SIMULATION/Adresse").toString(), "$378");
    EXPECT_EQ(Stocke("SIMULATION/Adresse2").toString(), "$37A");
    EXPECT_EQ(Stocke("SIMULATION/Tempo").toInt(), 12);
}

// Any stored version other than the program's rewrites the version-dependent values and
// turns on automatic sensor identification; a missing or empty one counts as the program's.
TEST_F(ConfigurationTest, OtherVersionRewritesPathVersionAndOptions) {
    struct Cas {
        const char* version; // nullptr: no "Version" value
        bool reecrit;
    };
    const Cas cas[] = {{"5.10", true},  {"6.0", true}, {"\"5.11 \"", true}, {"5.110", true},
                       {"5.11", false}, {"", false},   {nullptr, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.version ? c.version : "(absente)");
        QByteArray ini = "[Systeme]\nChemin=/ancien\n";
        if (c.version) ini += QByteArray("Version=") + c.version + "\n";
        ini += "[Options]\nConfiguration=40\n"; // 0x0028
        EcrireIni(ini);

        const auto r = Demarrer();

        EXPECT_EQ(r.versionReecrite, c.reecrit);
        const int attendu = c.reecrit ? 0x4028 : 0x0028;
        EXPECT_EQ(Stocke("Options/Configuration").toInt(), attendu);
        EXPECT_EQ(travail->options, attendu);
        EXPECT_EQ(config->identificationCapteurs, c.reecrit);
        EXPECT_EQ(Stocke("Systeme/Chemin").toString(), c.reecrit ? Chemin("prog") : "/ancien");
        if (c.reecrit) {
            EXPECT_EQ(Stocke("Systeme/Version").toString(), "5.11");
        }
    }
}

TEST_F(ConfigurationTest, WorkFileOptionBitsNeverReachTheStore) {
    Demarrer();
    travail->options = 0xFFFF;
    ASSERT_TRUE(lecture->EcrireConfiguration());
    EXPECT_EQ(Stocke("Options/Configuration").toInt(), 0xCFFF);

    // Nor do they come from it, and a word that does not read drops them from the current one.
    EcrireIni("[Systeme]\nVersion=5.11\n[Options]\nConfiguration=65535\n");
    Demarrer();
    EXPECT_EQ(travail->options, 0xCFFF);

    EcrireIni("[Systeme]\nVersion=5.11\n[Options]\nConfiguration=beaucoup\n");
    Creer();
    travail->options = 0x3028;
    lecture->LireConfiguration();
    EXPECT_EQ(travail->options, 0x0028);
}

using Lecteur = std::function<double(const Configuration&, const Travail&)>;

struct CasValeur {
    const char* ligne; // as written in the [Options] group
    Lecteur lire;
    double attendu;
};

// A value that is missing, malformed, of another type or out of its range leaves the
// current (default) value; a good one is taken.
TEST_F(ConfigurationTest, OptionValuesReadOrKeepTheCurrentValue) {
    const Lecteur graduations = [](const Configuration& c, const Travail&) {
        return c.graduations;
    };
    const Lecteur fond = [](const Configuration& c, const Travail&) { return c.fond; };
    const Lecteur ecran = [](const Configuration& c, const Travail&) { return c.ecran; };
    const Lecteur etat = [](const Configuration& c, const Travail&) { return c.etat; };
    const Lecteur dialogue = [](const Configuration& c, const Travail&) { return c.dialogue; };
    const Lecteur precision = [](const Configuration& c, const Travail&) { return c.precision; };
    const Lecteur chiffres = [](const Configuration&, const Travail& t) {
        return t.nombres.chiffres;
    };
    const Lecteur impression = [](const Configuration& c, const Travail&) { return c.impression; };
    const Lecteur mot = [](const Configuration&, const Travail& t) { return t.options; };

    const CasValeur cas[] = {
        {"Graduations=16", graduations, 16},
        {"Graduations=abc", graduations, 0x7B},
        {"Graduations=70000", graduations, 0x7B},
        {"Graduations=", graduations, 0x7B},
        {"Fond=255", fond, 255},
        {"Fond=-16777201", fond, -16777201}, // a system colour
        {"Fond=\"1,2\"", fond, 0xFFFFFF},
        {"Fond=1, 2", fond, 0xFFFFFF}, // a list
        {"Ecran=3", ecran, 3},
        {"Ecran=2.5", ecran, 1},
        {"Etat=12632256", etat, 0xC0C0C0},
        {"Etat=gris", etat, 0xE0E0E0},
        {"Dialogue=0", dialogue, 0},
        {"Dialogue=8", dialogue, 7},
        {"Dialogue=-1", dialogue, 7},
        {"Precision=0.001", precision, 0.001},
        {"Precision=0,001", precision, 0.01},
        {"Precision=nan", precision, 0.01},
        {"NbChiffres=5", chiffres, 5},
        {"NbChiffres=0", chiffres, 3},
        {"NbChiffres=cinq", chiffres, 3},
        {"Impression=4", impression, 4},
        {"Impression=-4", impression, 0},
        {"Configuration=40", mot, 0x28},
        {"Configuration=-1", mot, option::ParDefaut},
        {"Configuration=@ByteArray(xx)", mot, option::ParDefaut},
    };
    for (const CasValeur& c : cas) {
        SCOPED_TRACE(c.ligne);
        EcrireIni(QByteArray("[Systeme]\nVersion=5.11\n[Options]\n") + c.ligne + "\n");
        Demarrer();
        EXPECT_DOUBLE_EQ(c.lire(*config, *travail), c.attendu);
    }
}

TEST_F(ConfigurationTest, WrittenConfigurationReadsBackTheSame) {
    Demarrer();
    QDir().mkpath(Chemin("ailleurs/travail"));
    QDir().mkpath(Chemin("ailleurs/images"));
    travail->options = 0x0868 | option::Historique;
    travail->nombres.chiffres = 6;
    config->graduations = 0x0035;
    config->fond = -16777211;
    config->ecran = 4;
    config->etat = 0x00123456;
    config->dialogue = 2;
    config->precision = 0.1 + 0.2; // needs every digit
    config->impression = 0x8001;
    config->dossierTravail = Chemin("ailleurs/travail");
    config->dossierImages = Chemin("ailleurs/images");
    config->historique = QStringList{"/b/Récent.PL2", "/a/x, y.pl2", "@rare.PL2"};
    config->systeme = "SIMULATION";
    config->interfacePresente = true;
    config->adresse = 0x2F8;
    config->adresse2 = 0xABC;
    config->tempo = -3;
    ASSERT_TRUE(lecture->EcrireConfiguration());

    Demarrer();
    EXPECT_EQ(travail->options, 0x0868 | option::Historique);
    EXPECT_EQ(travail->nombres.chiffres, 6);
    EXPECT_EQ(config->graduations, 0x0035);
    EXPECT_EQ(config->fond, -16777211);
    EXPECT_EQ(config->ecran, 4);
    EXPECT_EQ(config->etat, 0x00123456);
    EXPECT_EQ(config->dialogue, 2);
    EXPECT_EQ(config->precision, 0.1 + 0.2);
    EXPECT_EQ(config->impression, 0x8001);
    EXPECT_EQ(config->dossierTravail, Chemin("ailleurs/travail"));
    EXPECT_EQ(config->dernierDossier, config->dossierTravail);
    EXPECT_EQ(config->dossierImages, Chemin("ailleurs/images"));
    ASSERT_TRUE(config->historique.has_value());
    EXPECT_EQ(*config->historique, (QStringList{"/b/Récent.PL2", "/a/x, y.pl2", "@rare.PL2"}));
    EXPECT_EQ(config->systeme, "SIMULATION");
    EXPECT_EQ(config->adresse, 0x2F8);
    EXPECT_EQ(config->adresse2, 0xABC);
    EXPECT_EQ(config->tempo, -3);
    EXPECT_EQ(Stocke("Fichiers/CapteursUser").toString(), "Pelavorine.cpt");
}

TEST_F(ConfigurationTest, RecentFilesStopAtFirstEmptyValueAndShrinkWhenWritten) {
    EcrireIni("[Systeme]\nVersion=5.11\n[Options]\nConfiguration=64\n"
              "[Historique]\nF0=/a.PL2\nF1=/b.PL2\nF2=\nF3=/d.PL2\n");
    Demarrer();
    ASSERT_TRUE(config->historique.has_value());
    EXPECT_EQ(*config->historique, (QStringList{"/a.PL2", "/b.PL2"}));

    config->historique = QStringList{"/z.PL2"};
    ASSERT_TRUE(lecture->EcrireConfiguration());
    EXPECT_EQ(Stocke("Historique/F0").toString(), "/z.PL2");
    EXPECT_FALSE(Stocke("Historique/F1").isValid());
    EXPECT_FALSE(Stocke("Historique/F3").isValid());

    // Without the history option no list exists and the stored one is left alone.
    EcrireIni("[Systeme]\nVersion=5.11\n[Options]\nConfiguration=0\n[Historique]\nF0=/a.PL2\n");
    Demarrer();
    EXPECT_FALSE(config->historique.has_value());
    ASSERT_TRUE(lecture->EcrireConfiguration());
    EXPECT_EQ(Stocke("Historique/F0").toString(), "/a.PL2");
}

TEST_F(ConfigurationTest, FoldersThatDoNotExistBecomeTheProgramFolder) {
    QDir().mkpath(Chemin("images"));
    EcrireIni("[Systeme]\nVersion=5.11\n[Fichiers]\nTravail=" + Chemin("disparu").toUtf8() +
              "\nImages=" + Chemin("images").toUtf8() + "/\n");
    Demarrer();
    EXPECT_EQ(config->dossierTravail, Chemin("prog"));
    EXPECT_EQ(config->dossierImages, Chemin("images"));
    EXPECT_EQ(config->dossierExemples, Chemin("prog")); // the program folder has no examples
    EXPECT_TRUE(config->dossierCapteurs.isEmpty());

    // An empty value keeps the current folder: the default one, created.
    EcrireIni("[Systeme]\nVersion=5.11\n[Fichiers]\nTravail=\n");
    Demarrer();
    EXPECT_EQ(config->dossierTravail, Chemin("maison/Pelavorine/Travail"));
    EXPECT_TRUE(QFileInfo(config->dossierTravail).isDir());
}

TEST_F(ConfigurationTest, UserSensorFileRule) {
    for (const char* nom : {"mes.cpt", "AUTRES.CPT", "notes.txt"}) {
        QFile f(Chemin("donnees/") + nom);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const QString parDefaut = Chemin("donnees/Pelavorine.cpt");
    const struct {
        const char* valeur;
        QString attendu;
    } cas[] = {
        {"mes.cpt", Chemin("donnees/mes.cpt")},
        {" /un/autre/dossier/AUTRES.CPT ", Chemin("donnees/AUTRES.CPT")}, // folder ignored
        {"notes.txt", parDefaut},                                         // not a sensor file
        {"absent.cpt", parDefaut},                                        // not there
        {"", parDefaut},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.valeur);
        EcrireIni(QByteArray("[Systeme]\nVersion=5.11\n[Fichiers]\nCapteursUser=") + c.valeur +
                  "\n");
        Demarrer();
        EXPECT_EQ(config->fichierCapteursUser, c.attendu);
    }
}

TEST_F(ConfigurationTest, ChosenSystemIsReadOnceAndCutToTwentyCharacters) {
    EcrireIni("[Systeme]\nVersion=5.11\nAcquisition=UNE INTERFACE AU NOM TROP LONG\n"
              "[UNE INTERFACE AU NOM]\nAdresse=$3F8\nAdresse2=888\nTempo=7\n");
    const auto r = Demarrer();
    EXPECT_TRUE(r.selectionnerSysteme);
    EXPECT_EQ(config->systeme, "UNE INTERFACE AU NOM");
    EXPECT_EQ(config->adresse, 0x3F8);
    EXPECT_EQ(config->adresse2, 888);
    EXPECT_EQ(config->tempo, 7);

    // A later reading in the same run keeps the system in use.
    config->systeme = "SIMULATION";
    EXPECT_FALSE(lecture->LireConfiguration().selectionnerSysteme);
    EXPECT_EQ(config->systeme, "SIMULATION");

    EcrireIni("[Systeme]\nVersion=5.11\nAcquisition=\n");
    Demarrer();
    EXPECT_EQ(config->systeme, "AUCUNE CARTE");
}

TEST_F(ConfigurationTest, OptionsDriveSensorIdentificationAndGreekLetters) {
    Demarrer();
    travail->options = option::LettresGrecques;
    lecture->AppliquerOptions();
    EXPECT_TRUE(config->lettresGrecques);
    EXPECT_FALSE(config->identificationCapteurs);
    travail->options = option::IdentificationCapteurs | option::SansZeros;
    lecture->AppliquerOptions();
    EXPECT_FALSE(config->lettresGrecques);
    EXPECT_TRUE(config->identificationCapteurs);
    EXPECT_FALSE(travail->nombres.garderZeros);
}

TEST(TeintesTest, ColoursAreWindowsValuesAndShadeZeroIsTheSystems) {
    EXPECT_EQ(Teintes::Numero(2).texteGroupe, 0x00FF0000); // #0000FF
    EXPECT_EQ(Teintes::Numero(4).forme, 0x00F05000);       // #0050F0
    EXPECT_EQ(Teintes::Numero(7).texteGroupe, 0x001889D3); // #D38918
    EXPECT_TRUE(Teintes::Numero(0).couleursSysteme);
    EXPECT_FALSE(Teintes::Numero(1).couleursSysteme);
    EXPECT_EQ(Teintes::Nom(1), "Gris ");
    EXPECT_EQ(Teintes::Nom(8), "Windows");
    EXPECT_EQ(Teintes::Nom(-1), "Windows");
}

} // namespace
