#include "core/interface/CoucheInterface.h"
#include "core/calc/ErreursCalcul.h"
#include "core/calc/MoteurCalcul.h"
#include "core/store/Demandes.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace pelavorine;

namespace {

using Genre = HoteScripte::Genre;

// A pretend interface behind plain entry points: inputs 1 to 4, outputs 1 and 2, ports 1
// (input) and 2 (output), port 3 unusable. Every call the layer makes is recorded. It says
// it does not run in real time, so that the layer builds its table without pauses.
struct Faux {
    TypeSysteme systeme{};
    bool present = true;
    bool calibreCommun = false;
    bool horsTempsReel = true;
    int tempo = 0;
    std::vector<int> temposEcrits;
    int fermetures = 0;
    int appelsDuree = 0;
    std::function<double(int, int, int)> duree = [](int n, int m, int k) {
        return 10.0 * n + 7.0 * m + 3.0 * (k - 1) * n;
    };
    std::vector<int> sensPorts{0, 1, 4};
    std::map<int, int> ports{{1, 0x5A}, {2, 0}};
    std::map<std::pair<int, int>, std::string> calibres;
    std::vector<std::tuple<char, int, int>> reglages; // 'C' calibre or 'G' gain, input, value
    std::vector<std::pair<int, double>> sorties;
    std::vector<std::pair<int, int>> preparations; // points, samples
    int appelsBloc = 0;
    std::vector<std::uint8_t> anneauMesure;
    int motsParBalayage = -1;
    std::string texte;
};

Faux* faux = nullptr;

TypeSysteme* RenvoyerSysteme() {
    return &faux->systeme;
}
void FermetureDLL() {
    ++faux->fermetures;
}
int32_t SystemePresent() {
    return faux->present;
}
double LireDureeMinimale(int32_t n, int32_t m, int32_t k) {
    ++faux->appelsDuree;
    return faux->duree(n, m, k);
}
const char* LireInfos(int32_t type, int32_t index, int32_t sous) {
    if (type == 1)
        faux->texte = "V" + std::to_string(index);
    else if (type == 2)
        faux->texte = "S" + std::to_string(index);
    else if (type == 4) {
        const auto c = faux->calibres.find({index, sous});
        faux->texte = c == faux->calibres.end() ? "" : c->second;
    } else
        faux->texte.clear();
    return faux->texte.c_str();
}
int32_t OkEtatSysteme(int32_t bit) {
    if (bit == PELAVORINE_ETAT_HORS_TEMPS_REEL) return faux->horsTempsReel;
    return bit == 0x100 && faux->calibreCommun;
}
int32_t LireTempo() {
    return faux->tempo;
}
void EcrireTempo(int32_t t) {
    faux->temposEcrits.push_back(t);
}
void EcrireCalibreEA(uint8_t e, uint8_t c) {
    faux->reglages.emplace_back('C', e, c);
}
void EcrireGain(uint8_t e, uint8_t g) {
    faux->reglages.emplace_back('G', e, g);
}
void EcrireSA_Reel(uint8_t s, double v) {
    faux->sorties.emplace_back(s, v);
}
int32_t LireSensPort(uint8_t p) {
    return p >= 1 && p <= faux->sensPorts.size() ? faux->sensPorts[p - 1u] : 5;
}
int32_t ProgrammerSensPort(uint8_t p, int32_t sens) {
    if (LireSensPort(p) > 1) return 0;
    faux->sensPorts[p - 1u] = sens;
    return 1;
}
uint8_t LirePort(uint8_t p) {
    return static_cast<uint8_t>(faux->ports[p]);
}
void EcrirePort(uint8_t p, uint8_t v) {
    faux->ports[p] = v;
}
void PreparerAcquisition(int32_t points, int32_t k, double, const int8_t*,
                         PelavorineProcedurePoint) {
    faux->preparations.emplace_back(points, k);
}
int32_t VoltBinSA(double, uint8_t) {
    return 0x8000;
}
void ProcedureBloc() {
    ++faux->appelsBloc;
    const TypeSysteme& s = faux->systeme;
    faux->anneauMesure.assign(s.anneau, s.anneau + sizeof s.anneau);
    faux->motsParBalayage = s.tampon ? s.tampon[0] : -1;
}

PointsEntree EntreesFausses() {
    PointsEntree e = CoucheInterface::EntreesSansSysteme();
    e.RenvoyerSysteme = RenvoyerSysteme;
    e.FermetureDLL = FermetureDLL;
    e.SystemePresent = SystemePresent;
    e.LireDureeMinimale = LireDureeMinimale;
    e.LireInfos = LireInfos;
    e.OkEtatSysteme = OkEtatSysteme;
    e.LireTempo = LireTempo;
    e.EcrireTempo = EcrireTempo;
    e.EcrireCalibreEA = EcrireCalibreEA;
    e.EcrireGain = EcrireGain;
    e.EcrireSA_Reel = EcrireSA_Reel;
    e.LireSensPort = LireSensPort;
    e.ProgrammerSensPort = ProgrammerSensPort;
    e.LirePort = LirePort;
    e.EcrirePort = EcrirePort;
    e.PreparerAcquisition = PreparerAcquisition;
    e.VoltBinSA = VoltBinSA;
    return e;
}

void Ecrire(char* champ, std::uint8_t& longueur, const char* texte) {
    longueur = static_cast<std::uint8_t>(std::strlen(texte));
    std::memcpy(champ, texte, longueur);
}

const QString Simulation = QStringLiteral(PELAVORINE_SIMULATION_SO);
QString BibliothequeTest(const char* nom) {
    return QStringLiteral(PELAVORINE_INTERFACES_TEST "/") + QString::fromLatin1(nom);
}

class CoucheInterfaceTest : public ::testing::Test {
protected:
    HoteScripte hote;
    Faux etat;
    QTemporaryDir dossier;

    void SetUp() override {
        faux = &etat;
        qputenv("PELAVORINE_SIMULATION_FAST", "1");
        TypeSysteme& s = etat.systeme;
        Ecrire(s.nom, s.longueurNom, "BANC D'ESSAI");
        Ecrire(s.texte, s.longueurTexte, "Bo\xEEte n\xB0 3"); // Windows-1252
        s.adresse = 0x220;
        s.premiereEntree = 1;
        s.derniereEntree = 4;
        s.premiereSortie = 1;
        s.derniereSortie = 2;
        s.procedureBloc = ProcedureBloc;
        std::memset(s.anneau, 0x33, sizeof s.anneau);
        ASSERT_TRUE(dossier.isValid());
    }
    void TearDown() override { faux = nullptr; }

    // A library file copied into the test folder under another name.
    void Copier(const QString& source, const QString& nom) {
        ASSERT_TRUE(QFile::exists(source)) << source.toStdString();
        ASSERT_TRUE(QFile::copy(source, dossier.filePath(nom)));
    }

    // Every inputs and outputs of a work, as built from the layer's channels.
    static void Construire(Travail& travail) {
        travail.FixerVoies(travail.Interface().Description());
        travail.ReinitialiserTravail(0, Travail::ToutReconstruire);
    }
    static TypeVoie& Entree(Travail& travail, const QString& nom) {
        TableVariables& t = travail.Variables();
        return dynamic_cast<TypeVoie&>(*t.Variable(t.IndexVariable(nom)));
    }
};

const auto Tout = [](const QString&) { return true; };
const auto Rien = [](const QString&) { return false; };

TEST_F(CoucheInterfaceTest, WithoutAnyLibraryTheBuiltInSystemStandsIn) {
    CoucheInterface couche(hote);
    couche.Lister({dossier.path()}, QStringLiteral("SIMULATION"));
    couche.Selectionner(couche.SoucheConfiguree());
    EXPECT_FALSE(couche.Charger());
    EXPECT_TRUE(hote.messages.empty());

    EXPECT_EQ(couche.Souches(), QStringList{"AUCUNE CARTE"});
    EXPECT_EQ(couche.NomsAffiches(), QStringList{"AUCUN SYSTÈME"});
    EXPECT_TRUE(couche.SansSysteme());
    EXPECT_EQ(couche.NomSysteme(), "AUCUN SYSTÈME");
    EXPECT_EQ(couche.PremiereEntree(), 0);
    EXPECT_EQ(couche.DerniereEntree(), 7);
    EXPECT_TRUE(couche.SansSortie());
    EXPECT_EQ(couche.NbSorties(), 0);
    EXPECT_EQ(couche.NbPorts(), 0);
    for (int n : {1, 2, -3})
        EXPECT_EQ(couche.DureeMinimale(n, 1, 1), 0.0) << n;
    EXPECT_EQ(couche.DureeMinimaleCourante(), 0.0);

    const DescriptionVoies d = couche.Description();
    EXPECT_FALSE(d.interfacePresente);
    EXPECT_EQ(d.premiereEntree, 0);
    EXPECT_EQ(d.nomsEntrees, DescriptionVoies::SansSysteme().nomsEntrees);
    EXPECT_TRUE(d.nomsSorties.isEmpty());
    EXPECT_EQ(couche.TexteLigneSysteme(3, Tout), " AUCUN SYSTÈME");

    // The built-in answers: every entry point is there but the minimal period, names
    // follow the channel numbers, and nothing is ever acquired.
    const PointsEntree& e = couche.Entrees();
    EXPECT_EQ(e.LireDureeMinimale, nullptr);
    EXPECT_STREQ(e.LireInfos(1, 7, 0), "EA7");
    EXPECT_STREQ(e.LireInfos(1, 8, 0), "");
    EXPECT_STREQ(e.LireInfos(2, 9, 0), "SA1");
    EXPECT_STREQ(e.LireInfos(2, 2, 0), "SA2");
    double mini = 0, maxi = 0;
    e.LimitesCalibreEA(0, 1, &mini, &maxi);
    EXPECT_EQ(mini, -10.0);
    EXPECT_EQ(maxi, 10.0);
    EXPECT_EQ(e.LireCalibreEA(3), 1);
    int32_t points = 99;
    EXPECT_NE(e.AcquerirTable(nullptr, &points), 0);
    EXPECT_EQ(points, 0);

    // A work without a system has no logic port for IN.
    Travail travail(hote);
    EXPECT_EQ(travail.Moteur().EvaluerFormule("X=IN(1)").code, erreur::PortIncompatible);
}

TEST_F(CoucheInterfaceTest, ListingTakesTheFirstAnsweringLibraryUnlessOneIsConfigured) {
    Copier(Simulation, "BETA.so");
    Copier(Simulation, "ALPHA.so");
    Copier(BibliothequeTest("ABSENTE.so"), "AAA.so"); // listed first, does not answer
    QFile casse(dossier.filePath("CASSE.so"));
    ASSERT_TRUE(casse.open(QIODevice::WriteOnly));
    casse.write("pas une bibliothèque");
    casse.close();

    struct Cas {
        QString stockee;
        QString configuree;
    };
    for (const Cas& c : {Cas{"", "ALPHA"}, Cas{"AUCUNE CARTE", "ALPHA"}, Cas{"BETA", "BETA"}}) {
        hote.Vider();
        CoucheInterface couche(hote);
        couche.Lister({dossier.path()}, c.stockee);
        EXPECT_EQ(couche.Souches(), (QStringList{"AUCUNE CARTE", "AAA", "ALPHA", "BETA"}));
        EXPECT_EQ(couche.NomsAffiches(),
                  (QStringList{"AUCUN SYSTÈME", "ABSENTE", "SIMULATION", "SIMULATION"}));
        EXPECT_EQ(couche.SoucheConfiguree(), c.configuree) << c.stockee.toStdString();
        EXPECT_EQ(hote.Textes(Genre::Erreur),
                  QStringList{"La DLL système CASSE.so semble endommagée"});
        EXPECT_TRUE(couche.SansSysteme()); // listing loads nothing for use
    }

    // A later folder does not list a stem again.
    QTemporaryDir autre;
    ASSERT_TRUE(QFile::copy(Simulation, autre.filePath("ALPHA.so")));
    ASSERT_TRUE(QFile::copy(Simulation, autre.filePath("GAMMA.so")));
    CoucheInterface couche(hote);
    couche.Lister({dossier.path(), autre.path()});
    EXPECT_EQ(couche.Souches(), (QStringList{"AUCUNE CARTE", "AAA", "ALPHA", "BETA", "GAMMA"}));
}

TEST_F(CoucheInterfaceTest, SelectionTakesTheLastStemTheConfiguredOneContains) {
    Copier(Simulation, "AZEDB.so");
    Copier(Simulation, "ZED.so");
    CoucheInterface couche(hote);
    couche.Lister({dossier.path()}, QStringLiteral("ZED"));
    ASSERT_EQ(couche.Souches(), (QStringList{"AUCUNE CARTE", "AZEDB", "ZED"}));

    struct Cas {
        QString configuree;
        int index;
    };
    for (const Cas& c : {Cas{"AZEDB", 2}, Cas{"azedb.so", 2}, Cas{"ZED", 2}, Cas{"AZE", 0},
                         Cas{"", 0}, Cas{"XXXXXXXXXXXXXXXXXXXXZED", 0}, Cas{"XAZEDBX", 2}}) {
        couche.Selectionner(c.configuree);
        EXPECT_EQ(couche.IndexSelectionne(), c.index) << c.configuree.toStdString();
        EXPECT_LE(couche.SoucheConfiguree().size(), 20);
    }
}

TEST_F(CoucheInterfaceTest, ALibraryThatCannotServeLeavesTheProgramWithoutSystem) {
    Copier(BibliothequeTest("INCOMPLETE.so"), "INCOMPLETE.so");
    Copier(BibliothequeTest("ABSENTE.so"), "ABSENTE.so");
    Copier(Simulation, "PARTIE.so");
    struct Cas {
        QString souche;
        QString message; // empty: none
    };
    const QString incomplete = dossier.filePath("INCOMPLETE.so");
    const QString partie = dossier.filePath("PARTIE.so");
    const std::vector<Cas> cas = {
        {"INCOMPLETE",
         "Erreur du driver " + incomplete + "\nPelavorine démarre en mode sans acquisition"},
        {"ABSENTE", ""},
        {"PARTIE", "Fichier " + partie + " introuvable"},
    };
    CoucheInterface couche(hote);
    couche.Lister({dossier.path()}, QStringLiteral("PARTIE"));
    ASSERT_TRUE(QFile::remove(partie)); // gone between listing and loading
    for (const Cas& c : cas) {
        hote.Vider();
        couche.Selectionner(c.souche);
        ASSERT_NE(couche.IndexSelectionne(), 0) << c.souche.toStdString();
        EXPECT_FALSE(couche.Charger()) << c.souche.toStdString();
        EXPECT_EQ(hote.Textes(Genre::Erreur),
                  c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        EXPECT_TRUE(couche.SansSysteme());
        EXPECT_EQ(couche.NomSysteme(), "AUCUN SYSTÈME");
        EXPECT_EQ(couche.DerniereEntree(), 7);
        EXPECT_TRUE(couche.SansSortie());
        EXPECT_EQ(couche.DureeMinimale(2, 0, 1), 0.0);
    }
}

TEST_F(CoucheInterfaceTest, TheSimulatedInterfaceGivesItsChannelsAndPeriods) {
    Copier(Simulation, "SIMULATION.so");
    CoucheInterface couche(hote);
    couche.Lister({dossier.path()});
    couche.Selectionner(couche.SoucheConfiguree());
    ASSERT_TRUE(couche.Charger());
    EXPECT_TRUE(hote.messages.empty());
    EXPECT_EQ(couche.SoucheSysteme(), "SIMULATION");
    EXPECT_EQ(couche.NbEntrees(), 8);
    EXPECT_EQ(couche.PremiereSortie(), 1);
    EXPECT_EQ(couche.DerniereSortie(), 2);
    EXPECT_EQ(couche.NbPorts(), 2);
    const DescriptionVoies d = couche.Description();
    EXPECT_TRUE(d.interfacePresente);
    EXPECT_EQ(d.nomsEntrees, DescriptionVoies::SansSysteme().nomsEntrees);
    EXPECT_EQ(d.nomsSorties, (QStringList{"SA1", "SA2"}));
    // 10 µs per active channel.
    EXPECT_EQ(couche.DureeMinimaleCourante(), 10.0);
    EXPECT_EQ(couche.DureeMinimale(2, 1, 1), 30.0);
    EXPECT_EQ(couche.TexteLigneSysteme(3, Tout), " SIMULATION [3 E/S : 30µs] - Signaux simulés");
}

TEST_F(CoucheInterfaceTest, TheMinimalPeriodComesFromTheTableAndTheLastRequest) {
    etat.duree = [](int n, int m, int k) {
        // An empty entry sends the question to the library every time.
        if (n == 3 && m == 0 && k == 1) return 0.0;
        return 10.0 * n + 7.0 * m + 3.0 * (k - 1) * n;
    };
    CoucheInterface couche(hote);
    ASSERT_TRUE(couche.Utiliser(EntreesFausses(), QStringLiteral("FAUX")));
    // 27 entries and the increment, then one input from the table.
    EXPECT_EQ(etat.appelsDuree, 28);
    EXPECT_EQ(couche.DureeMinimaleCourante(), 10.0);

    // increment = (duree(4,1,4) - duree(4,1,1)) × 1.1 / 4 / 3 = 3.3 µs per sample and input.
    struct Cas {
        int n, m, k;
        double attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {2, 0, 1, 20},              // entry (2, 0)
             {3, 1, 5, 40 + 37},         // round(4 × 3.3 × 3) + entry (3, 1)
             {1, 0, 2, 3 + 2 * 10},      // a single input averaged counts its entry twice
             {1, 1, 2, 3 + 17},          // not with an output
             {20, 9, 1, 4 * 10 + 2 * 7}, // clamped to the 4 inputs and 2 outputs
             {0, 0, 1, 0},               // no channel
         }) {
        const int avant = etat.appelsDuree;
        EXPECT_DOUBLE_EQ(couche.DureeMinimale(c.n, c.m, c.k), c.attendu)
            << c.n << "," << c.m << "," << c.k;
        EXPECT_EQ(etat.appelsDuree, avant);
    }

    const int avant = etat.appelsDuree;
    etat.duree = [](int, int, int) { return 123.0; };
    EXPECT_EQ(couche.DureeMinimale(3, 0, 1), 123.0);
    EXPECT_EQ(couche.DureeMinimale(3, 0, 1), 123.0);
    EXPECT_EQ(etat.appelsDuree, avant + 1);
    EXPECT_EQ(couche.DureeMinimale(-3, 0, 1), 123.0); // asked directly even when cached
    EXPECT_EQ(couche.DureeMinimale(-2, 0, 1), 123.0); // and past a known entry
    EXPECT_EQ(etat.appelsDuree, avant + 3);
    EXPECT_EQ(couche.DureeMinimaleCourante(), 123.0);
}

TEST_F(CoucheInterfaceTest, WithoutItsEntryPointThePeriodIsMeasuredAndDamped) {
    PointsEntree entrees = EntreesFausses();
    entrees.LireDureeMinimale = nullptr;
    qint64 maintenant = 0;
    qint64 pas = 1;
    CoucheInterface couche(hote);
    couche.FixerHorloge([&] { return maintenant += pas; });
    ASSERT_TRUE(couche.Utiliser(entrees, QStringLiteral("FAUX")));
    // One block every ms: 20 blocks of 20 points in 20 ms, 50 µs a point.
    EXPECT_EQ(couche.DureeMinimale(2, 0, 1), 50.0);

    etat.appelsBloc = 0;
    etat.preparations.clear();
    EXPECT_EQ(couche.DureeMinimale(-2, 1, 1), 50.0);
    EXPECT_EQ(etat.appelsBloc, 20);
    EXPECT_EQ(etat.preparations, (std::vector<std::pair<int, int>>{{20, 1}}));
    // The ring scanned inputs 1 and 2 then output 1 (slot 9); the previous ring is back.
    std::vector<std::uint8_t> anneau(12, PELAVORINE_HORS_ANNEAU);
    anneau[0] = 1;
    anneau[1 + 1] = 2;
    anneau[2 + 1] = 9;
    anneau[9 + 1] = 1;
    EXPECT_EQ(etat.anneauMesure, anneau);
    EXPECT_EQ(etat.motsParBalayage, 3);
    EXPECT_EQ(etat.systeme.anneau[5], 0x33);
    EXPECT_EQ(etat.systeme.tampon, nullptr);

    // A new value replaces the answer only beyond max(2, 1 %) of it.
    struct Cas {
        qint64 pas;
        int k;
        double attendu;
    };
    for (const Cas& c : std::vector<Cas>{
             {1, 21, 50},  // 51 is within 2 µs
             {1, 101, 55}, // 55 is not
             {1, 1, 50},
             {10, 1, 500},  // 2 blocks in 20 ms
             {10, 11, 500}, // 505 is within 5 µs
             {10, 13, 506},
         }) {
        pas = c.pas;
        EXPECT_EQ(couche.DureeMinimale(-1, 0, c.k), c.attendu) << c.pas << "," << c.k;
    }
}

// The table leaves an interface 20 ms before each of its 27 entries and 100 ms before the
// increment, unless the interface itself says that it does not run in real time: the
// simulated interface's environment variable, set for every test here, does not reach the
// layer.
TEST_F(CoucheInterfaceTest, TheTablePausesUnlessTheInterfaceIsNotInRealTime) {
    std::vector<int> enTempsReel(27, 20);
    enTempsReel.push_back(100);
    for (bool horsTempsReel : {false, true}) {
        SCOPED_TRACE(horsTempsReel);
        etat.horsTempsReel = horsTempsReel;
        std::vector<int> pauses;
        CoucheInterface couche(hote);
        couche.FixerPause([&](int ms) { pauses.push_back(ms); });
        ASSERT_TRUE(couche.Utiliser(EntreesFausses(), QStringLiteral("FAUX")));
        EXPECT_EQ(couche.SansAttente(), horsTempsReel);
        EXPECT_EQ(pauses, horsTempsReel ? std::vector<int>{} : enTempsReel);
    }

    // The simulated interface answers so in its fast mode only.
    Copier(Simulation, "SIMULATION.so");
    for (bool rapide : {true, false}) {
        SCOPED_TRACE(rapide);
        if (rapide)
            qputenv("PELAVORINE_SIMULATION_FAST", "1");
        else
            qunsetenv("PELAVORINE_SIMULATION_FAST");
        std::vector<int> pauses;
        CoucheInterface couche(hote);
        couche.FixerPause([&](int ms) { pauses.push_back(ms); });
        couche.Lister({dossier.path()});
        couche.Selectionner(QStringLiteral("SIMULATION"));
        ASSERT_TRUE(couche.Charger());
        EXPECT_EQ(couche.SansAttente(), rapide);
        EXPECT_EQ(pauses, rapide ? std::vector<int>{} : enTempsReel);
    }
    qputenv("PELAVORINE_SIMULATION_FAST", "1");
}

TEST_F(CoucheInterfaceTest, TheTestLibraryWithoutPeriodIsMeasured) {
    Copier(BibliothequeTest("SANSDUREE.so"), "SANSDUREE.so");
    qint64 maintenant = 0;
    CoucheInterface couche(hote);
    couche.FixerHorloge([&] { return maintenant += 2; });
    couche.Lister({dossier.path()}, QStringLiteral("SANSDUREE"));
    couche.Selectionner(couche.SoucheConfiguree());
    ASSERT_TRUE(couche.Charger());
    EXPECT_EQ(couche.Entrees().LireDureeMinimale, nullptr);
    // 10 blocks in 20 ms.
    EXPECT_EQ(couche.DureeMinimale(-2, 0, 1), 100.0);
    EXPECT_EQ(couche.DureeMinimale(1, 0, 1), 100.0);
}

TEST_F(CoucheInterfaceTest, CalibresFollowTheCommonCalibreRule) {
    for (int e = 1; e <= 4; ++e) {
        etat.calibres[{e, 1}] = "±10 V";
        etat.calibres[{e, 2}] = "±5 V";
        if (e != 4) etat.calibres[{e, 3}] = "±1 V";
    }
    struct Cas {
        const char* nom;
        bool commun;
        bool sansChoix;
        int entree;
        std::vector<int> attendus; // calibres of inputs 1..4
    };
    for (const Cas& c : std::vector<Cas>{
             {"own calibre", false, false, 2, {2, 3, 2, 2}},
             {"common calibre", true, false, 2, {3, 3, 3, 1}},
             {"no choice", true, true, 2, {2, 2, 2, 2}},
             {"no such input", true, false, 6, {2, 2, 2, 2}},
         }) {
        etat.calibreCommun = c.commun;
        etat.calibres[{2, -1}] = c.sansChoix ? "-" : "";
        Travail travail(hote);
        ASSERT_TRUE(travail.Interface().Utiliser(EntreesFausses(), QStringLiteral("FAUX")));
        Construire(travail);
        for (int e = 1; e <= 4; ++e)
            Entree(travail, QStringLiteral("V%1").arg(e)).Calibre = 2;
        travail.PrendreDemandes();
        travail.Interface().FixerCalibreEntree(travail.Variables(), c.entree, 3);
        std::vector<int> calibres;
        for (int e = 1; e <= 4; ++e)
            calibres.push_back(Entree(travail, QStringLiteral("V%1").arg(e)).Calibre);
        EXPECT_EQ(calibres, c.attendus) << c.nom;
        const bool change = c.attendus != std::vector<int>{2, 2, 2, 2};
        EXPECT_EQ((travail.Demandes() & demande::ToutesFenetres) != 0, change) << c.nom;
    }

    // Without a system nothing changes.
    Travail travail(hote);
    travail.Interface().FixerCalibreEntree(travail.Variables(), 0, 3);
    EXPECT_EQ(Entree(travail, QStringLiteral("EA0")).Calibre, 1);
}

TEST_F(CoucheInterfaceTest, SettingsAndOutputsGoToTheInterface) {
    Travail travail(hote);
    ASSERT_TRUE(travail.Interface().Utiliser(EntreesFausses(), QStringLiteral("FAUX")));
    Construire(travail);
    CoucheInterface& couche = travail.Interface();
    // Building the table left the outputs at 0 V.
    EXPECT_EQ(etat.sorties, (std::vector<std::pair<int, double>>{{1, 0.0}, {2, 0.0}}));

    for (int e = 1; e <= 4; ++e) {
        Entree(travail, QStringLiteral("V%1").arg(e)).Calibre = static_cast<std::uint8_t>(e);
        Entree(travail, QStringLiteral("V%1").arg(e)).Gain = static_cast<std::uint8_t>(10 + e);
    }
    couche.EnvoyerReglages(travail.Variables());
    std::vector<std::tuple<char, int, int>> attendus;
    for (int e = 1; e <= 4; ++e) {
        attendus.emplace_back('C', e, e);
        attendus.emplace_back('G', e, 10 + e);
    }
    EXPECT_EQ(etat.reglages, attendus);

    etat.sorties.clear();
    couche.RemettreSortiesAZero();
    EXPECT_EQ(etat.sorties, (std::vector<std::pair<int, double>>{{1, 0.0}, {2, 0.0}}));

    // Inputs in service and outputs emitted during the acquisition count on the system line.
    TableVariables& t = travail.Variables();
    Entree(travail, "V1").Etat = TypeVoie::Automatique;
    Entree(travail, "V3").Etat = TypeVoie::PasAPas;
    dynamic_cast<TypeSortie&>(*t.Variable(t.IndexVariable("S1"))).ModeEmission = 1;
    dynamic_cast<TypeSortie&>(*t.Variable(t.IndexVariable("S2"))).ModeEmission = 2;
    EXPECT_EQ(couche.VoiesEnService(t), 3);
}

TEST_F(CoucheInterfaceTest, TheSystemLineNamesTheInterface) {
    CoucheInterface couche(hote);
    ASSERT_TRUE(couche.Utiliser(EntreesFausses(), QStringLiteral("FAUX")));
    ASSERT_EQ(couche.DureeMinimale(2, 0, 1), 20.0);
    EXPECT_EQ(couche.TexteLigneSysteme(3, Tout), " BANC D'ESSAI [3 E/S : 20µs] - Boîte n° 3");
    EXPECT_EQ(couche.TexteLigneSysteme(3, Rien), " BANC D'ESSAI [3 E/S : 20µs]");
    EXPECT_EQ(couche.TexteLigneSysteme(0, Tout), " BANC D'ESSAI - Boîte n° 3");
}

TEST_F(CoucheInterfaceTest, StoredValuesReachTheInterfaceAndUnloadingClosesIt) {
    etat.tempo = 7;
    QString souche;
    CoucheInterface::ReglagesSysteme lus;
    {
        CoucheInterface couche(hote);
        ASSERT_TRUE(couche.Utiliser(EntreesFausses(), QStringLiteral("FAUX"),
                                    [&](const QString& s, CoucheInterface::ReglagesSysteme& r) {
                                        souche = s;
                                        lus = r;
                                        r.adresse = 0x300; // the second address is not stored
                                        r.tempo = 40;
                                    }));
        EXPECT_EQ(souche, "FAUX");
        EXPECT_EQ(lus.adresse, 0x220);
        EXPECT_EQ(lus.tempo, 7);
        EXPECT_EQ(etat.systeme.adresse, 0x300);
        EXPECT_EQ(etat.systeme.adresse2, 0);
        EXPECT_EQ(etat.temposEcrits, std::vector<int>{40});
        EXPECT_EQ(etat.fermetures, 0);
        couche.Decharger();
        EXPECT_EQ(etat.fermetures, 1);
        EXPECT_TRUE(couche.SansSysteme());
    }
    EXPECT_EQ(etat.fermetures, 1);

    // An interface that stops answering is given up at validation.
    CoucheInterface couche(hote);
    etat.present = false;
    EXPECT_FALSE(couche.Utiliser(EntreesFausses(), QStringLiteral("FAUX")));
    EXPECT_TRUE(couche.SansSysteme());
    EXPECT_EQ(etat.fermetures, 2);
}

TEST_F(CoucheInterfaceTest, InAndOutReachTheInterfacePorts) {
    Travail travail(hote);
    ASSERT_TRUE(travail.Interface().Utiliser(EntreesFausses(), QStringLiteral("FAUX")));
    EXPECT_EQ(travail.Interface().NbPorts(), 2); // the unusable port 3 does not count
    MoteurCalcul& moteur = travail.Moteur();
    TableVariables& t = travail.Variables();

    EXPECT_EQ(moteur.EvaluerFormule("X=IN(1)").code, 0);
    EXPECT_EQ(t.Variable(t.IndexVariable("X"))->LirePoint(0), 0x5A);
    EXPECT_EQ(moteur.EvaluerFormule("Y=OUT(2,165)").code, 0);
    EXPECT_EQ(etat.ports[2], 165);
    // Writing to the input port makes it an output first.
    EXPECT_EQ(moteur.EvaluerFormule("Y=OUT(1,3)").code, 0);
    EXPECT_EQ(etat.sensPorts[0], 1);
    EXPECT_EQ(etat.ports[1], 3);
    EXPECT_EQ(moteur.EvaluerFormule("X=IN(3)").code, erreur::PortIncompatible);
}

} // namespace
