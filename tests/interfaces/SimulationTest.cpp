// The simulated interface seen as the program sees it: a library loaded by path whose entry
// points are looked up by name. Each test loads its own copy, so that every test starts from
// a freshly loaded library.

#include <pelavorine/interface.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<const char*> kPointsEntreeObligatoires = {"RenvoyerSysteme",
                                                            "FermetureDLL",
                                                            "SystemePresent",
                                                            "LireInfos",
                                                            "OkEtatSysteme",
                                                            "ProgrammerEtatSysteme",
                                                            "LireTempo",
                                                            "EcrireTempo",
                                                            "LimitesCalibreEA",
                                                            "LimitesCalibreSA",
                                                            "EcrireCalibreEA",
                                                            "EcrireGain",
                                                            "LireEA_Entier",
                                                            "LireEA_Reel",
                                                            "BinVoltEA",
                                                            "BinVoltSA",
                                                            "VoltBinEA",
                                                            "VoltBinSA",
                                                            "EcrireSA_Reel",
                                                            "LirePort",
                                                            "EcrirePort",
                                                            "LireSensPort",
                                                            "ProgrammerSensPort",
                                                            "ProgrammerTimer",
                                                            "ValiderTimer",
                                                            "DevaliderTimer",
                                                            "LireTimer",
                                                            "ProgrammerDeclenchement",
                                                            "ProgrammerSortieVoieEnAcquis",
                                                            "PreparerAcquisition",
                                                            "AcquerirTable",
                                                            "PreparerEmission",
                                                            "EmettreSorties",
                                                            "LireCalibreEA",
                                                            "LireGain",
                                                            "ProgrammerAccesRapide",
                                                            "LireCalibreSA",
                                                            "EcrireCalibreSA",
                                                            "EcrireSA_Entier",
                                                            "LireBit",
                                                            "EcrireBit",
                                                            "Declencher"};

constexpr double kPi = std::numbers::pi;

// Expected signals of the inputs at time t (µs).
double Attendu(int entree, double t) {
    const double s = t * 1e-6;
    switch (entree) {
    case 0:
        return 2.0 * std::sin(2 * kPi * 50 * s);
    case 1:
        return std::fmod(t, 20000.0) < 10000.0 ? 1.0 : -1.0;
    case 2: {
        const double u = std::fmod(t, 50000.0) / 50000.0; // 0..1 over one period
        return u < 0.5 ? 6.0 * u : 6.0 * (1.0 - u);
    }
    case 3:
        return 5.0 * (1.0 - std::exp(-std::fmod(t, 100000.0) / 10000.0));
    case 4:
        return 0.5 * std::sin(2 * kPi * 200 * s);
    case 5:
        return 1.5;
    default:
        return 0.0;
    }
}

// Half a step of the ±10 V converter.
constexpr double kDemiPas10V = 10.0 / 32768.0 / 2.0 + 1e-9;

// A copy of a built library, loaded under a name of its own.
class Bibliotheque {
public:
    explicit Bibliotheque(const std::string& chemin) {
        static int numero = 0;
        copie_ = fs::temp_directory_path() /
                 ("pelavorine-" + std::to_string(::getpid()) + "-" + std::to_string(++numero) +
                  "-" + fs::path(chemin).filename().string());
        fs::copy_file(chemin, copie_, fs::copy_options::overwrite_existing);
        poignee_ = dlopen(copie_.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    ~Bibliotheque() {
        if (poignee_) dlclose(poignee_);
        std::error_code ignore;
        fs::remove(copie_, ignore);
    }
    Bibliotheque(const Bibliotheque&) = delete;
    Bibliotheque& operator=(const Bibliotheque&) = delete;

    bool Chargee() const { return poignee_ != nullptr; }
    void* Symbole(const char* nom) const { return poignee_ ? dlsym(poignee_, nom) : nullptr; }
    template <typename F> F* Fonction(const char* nom) const {
        return reinterpret_cast<F*>(Symbole(nom));
    }

private:
    fs::path copie_;
    void* poignee_ = nullptr;
};

// The default signals must not depend on the settings of whoever runs the tests: the library
// looks for its settings in a folder that does not exist, unless a test says otherwise.
class SansReglages : public ::testing::Environment {
public:
    void SetUp() override {
        const fs::path absent =
            fs::temp_directory_path() / ("pelavorine-sans-reglages-" + std::to_string(::getpid()));
        setenv("PELAVORINE_CONFIG_DIR", absent.c_str(), 1);
    }
};
[[maybe_unused]] ::testing::Environment* const gSansReglages =
    ::testing::AddGlobalTestEnvironment(new SansReglages);

TypeSysteme* gSysteme = nullptr;
int gAppels = 0;
int gArretApres = 0;

void RappelCompteur(int32_t point) {
    ++gAppels;
    EXPECT_EQ(point, gAppels);
    if (gArretApres > 0 && point == gArretApres) gSysteme->arret = 1;
}

class Simulation : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
        Charger();
    }

    // Loads a fresh copy of the library, which reads the settings as it loads.
    void Charger() {
        bib_.reset();
        bib_ = std::make_unique<Bibliotheque>(PELAVORINE_SIMULATION_SO);
        ASSERT_TRUE(bib_->Chargee()) << dlerror();
#define RESOUDRE(nom) nom = bib_->Fonction<decltype(::nom)>(#nom)
        RESOUDRE(RenvoyerSysteme);
        RESOUDRE(SystemePresent);
        RESOUDRE(LireInfos);
        RESOUDRE(LimitesCalibreEA);
        RESOUDRE(EcrireCalibreEA);
        RESOUDRE(BinVoltEA);
        RESOUDRE(BinVoltSA);
        RESOUDRE(VoltBinEA);
        RESOUDRE(VoltBinSA);
        RESOUDRE(EcrireSA_Reel);
        RESOUDRE(LireEA_Reel);
        RESOUDRE(LirePort);
        RESOUDRE(EcrirePort);
        RESOUDRE(LireSensPort);
        RESOUDRE(ProgrammerSensPort);
        RESOUDRE(ProgrammerDeclenchement);
        RESOUDRE(ProgrammerSortieVoieEnAcquis);
        RESOUDRE(PreparerAcquisition);
        RESOUDRE(AcquerirTable);
        RESOUDRE(PreparerEmission);
        RESOUDRE(EmettreSorties);
        RESOUDRE(LireDureeMinimale);
        RESOUDRE(OkEtatSysteme);
#undef RESOUDRE
        systeme_ = RenvoyerSysteme();
        gSysteme = systeme_;
        gAppels = 0;
        gArretApres = 0;
    }

    // Writes the scan ring for these slots, in this order.
    void Anneau(std::initializer_list<int> cases) {
        std::fill(std::begin(systeme_->anneau), std::end(systeme_->anneau), PELAVORINE_HORS_ANNEAU);
        const std::vector<int> v(cases);
        slots_ = static_cast<int>(v.size());
        for (size_t i = 0; i < v.size(); ++i) {
            if (i == 0) systeme_->anneau[0] = static_cast<uint8_t>(v[0]);
            systeme_->anneau[v[i] + 1] = static_cast<uint8_t>(v[(i + 1) % v.size()]);
        }
    }

    // A buffer for `scans` scans of the current ring, input slots at 0.
    std::vector<int16_t> Tampon(int scans) {
        std::vector<int16_t> t(1 + static_cast<size_t>(scans) * slots_, 0);
        t[0] = static_cast<int16_t>(slots_);
        return t;
    }

    double Volts(const std::vector<int16_t>& t, int scan, int slot) {
        return BinVoltEA(t[1 + static_cast<size_t>(scan) * slots_ + slot], 1);
    }

    // Runs a block on the current ring; returns the code and the points acquired.
    std::pair<int, int> Bloc(std::vector<int16_t>& tampon, int points, int echantillons,
                             double periode, PelavorineProcedurePoint rappel = nullptr) {
        PreparerAcquisition(points, echantillons, periode, nullptr, rappel);
        int32_t acquis = -1;
        const int code = AcquerirTable(tampon.data(), &acquis);
        return {code, acquis};
    }

    std::unique_ptr<Bibliotheque> bib_;
    TypeSysteme* systeme_ = nullptr;
    int slots_ = 0;

    decltype(&::RenvoyerSysteme) RenvoyerSysteme = nullptr;
    decltype(&::SystemePresent) SystemePresent = nullptr;
    decltype(&::LireInfos) LireInfos = nullptr;
    decltype(&::LimitesCalibreEA) LimitesCalibreEA = nullptr;
    decltype(&::EcrireCalibreEA) EcrireCalibreEA = nullptr;
    decltype(&::BinVoltEA) BinVoltEA = nullptr;
    decltype(&::BinVoltSA) BinVoltSA = nullptr;
    decltype(&::VoltBinEA) VoltBinEA = nullptr;
    decltype(&::VoltBinSA) VoltBinSA = nullptr;
    decltype(&::EcrireSA_Reel) EcrireSA_Reel = nullptr;
    decltype(&::LireEA_Reel) LireEA_Reel = nullptr;
    decltype(&::LirePort) LirePort = nullptr;
    decltype(&::EcrirePort) EcrirePort = nullptr;
    decltype(&::LireSensPort) LireSensPort = nullptr;
    decltype(&::ProgrammerSensPort) ProgrammerSensPort = nullptr;
    decltype(&::ProgrammerDeclenchement) ProgrammerDeclenchement = nullptr;
    decltype(&::ProgrammerSortieVoieEnAcquis) ProgrammerSortieVoieEnAcquis = nullptr;
    decltype(&::PreparerAcquisition) PreparerAcquisition = nullptr;
    decltype(&::AcquerirTable) AcquerirTable = nullptr;
    decltype(&::PreparerEmission) PreparerEmission = nullptr;
    decltype(&::EmettreSorties) EmettreSorties = nullptr;
    decltype(&::LireDureeMinimale) LireDureeMinimale = nullptr;
    decltype(&::OkEtatSysteme) OkEtatSysteme = nullptr;
};

TEST_F(Simulation, DescripteurEtPointsEntree) {
    for (const char* nom : kPointsEntreeObligatoires)
        EXPECT_NE(bib_->Symbole(nom), nullptr) << nom;
    EXPECT_NE(bib_->Symbole("LireDureeMinimale"), nullptr);

    const auto* octets = reinterpret_cast<const uint8_t*>(systeme_);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(octets + 1), octets[0]), "SIMULATION");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(octets + 22), octets[21]),
              "Signaux simul\xE9s");
    EXPECT_EQ(octets[48], 0); // first input
    EXPECT_EQ(octets[49], 7); // last input
    EXPECT_EQ(octets[50], 1); // first output
    EXPECT_EQ(octets[51], 2); // last output
    EXPECT_EQ(octets[56], 2); // logic ports
    EXPECT_EQ(octets[58], 0); // stop flag
    EXPECT_EQ(*reinterpret_cast<const int32_t*>(octets + 40), 0);
    EXPECT_NE(systeme_->procedureBloc, nullptr);
    EXPECT_NE(SystemePresent(), 0);

    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(std::string(LireInfos(1, i, 0)), "EA" + std::to_string(i));
    EXPECT_STREQ(LireInfos(1, 8, 0), "");
    EXPECT_STREQ(LireInfos(2, 1, 0), "SA1");
    EXPECT_STREQ(LireInfos(2, 10, 0), "SA2");
    EXPECT_STREQ(LireInfos(2, 3, 0), "");
    EXPECT_STREQ(LireInfos(3, 1, 4), "1");
    EXPECT_STRNE(LireInfos(3, 2, 1), "");
    EXPECT_STREQ(LireInfos(3, 3, 1), "");
    EXPECT_STRNE(LireInfos(4, 0, -1), "-");
    EXPECT_STREQ(LireInfos(6, 0, 1), "");
    EXPECT_TRUE(OkEtatSysteme(0x200));
    EXPECT_TRUE(OkEtatSysteme(0x800));
    for (int bit : {0x100, 0x400, 0x1000})
        EXPECT_FALSE(OkEtatSysteme(bit)) << bit;

    // The ports end where LireSensPort answers 5.
    EXPECT_NE(LireSensPort(1), 5);
    EXPECT_NE(LireSensPort(2), 5);
    EXPECT_EQ(LireSensPort(3), 5);
}

TEST_F(Simulation, CalibresEtCodesBruts) {
    struct Cas {
        int calibre;
        double pleineEchelle;
        const char* libelle;
    };
    for (const Cas& c : {Cas{1, 10.0, "+/-10V"}, Cas{2, 5.0, "+/-5V"}, Cas{3, 1.0, "+/-1V"}}) {
        SCOPED_TRACE(c.calibre);
        EXPECT_STREQ(LireInfos(4, 3, c.calibre), c.libelle);
        EXPECT_STREQ(LireInfos(5, 1, c.calibre), c.libelle);
        double mini = 0, maxi = 0;
        LimitesCalibreEA(0, static_cast<uint8_t>(c.calibre), &mini, &maxi);
        EXPECT_DOUBLE_EQ(mini, -c.pleineEchelle);
        EXPECT_DOUBLE_EQ(maxi, c.pleineEchelle);
        const double pas = c.pleineEchelle / 32768.0;
        const auto cal = static_cast<uint8_t>(c.calibre);
        for (double f : {-1.0, -0.731, -0.5, 0.0, 1e-3, 0.25, 0.9999}) {
            const double v = f * c.pleineEchelle;
            EXPECT_NEAR(BinVoltEA(VoltBinEA(v, cal), cal), v, pas / 2 + 1e-12) << v;
            EXPECT_NEAR(BinVoltSA(VoltBinSA(v, cal), cal), v, pas / 2 + 1e-12) << v;
        }
        // Out of range voltages saturate at the ends of the 16-bit code.
        EXPECT_EQ(VoltBinEA(3 * c.pleineEchelle, cal), 32767);
        EXPECT_EQ(VoltBinEA(-3 * c.pleineEchelle, cal), -32768);
        EXPECT_EQ(VoltBinSA(NAN, cal), 0);
    }
    EXPECT_STREQ(LireInfos(4, 0, 4), "");
    EXPECT_STREQ(LireInfos(5, 2, 4), "");
}

TEST_F(Simulation, DureeMinimale) {
    struct Cas {
        int entrees, sorties, echantillons;
        double attendu;
    };
    for (const Cas& c : {Cas{0, 0, 1, 0}, Cas{1, 0, 1, 10}, Cas{2, 0, 1, 20}, Cas{1, 1, 1, 20},
                         Cas{4, 2, 8, 60}, Cas{8, 2, 1, 100}})
        EXPECT_DOUBLE_EQ(LireDureeMinimale(c.entrees, c.sorties, c.echantillons), c.attendu)
            << c.entrees << " " << c.sorties << " " << c.echantillons;
}

TEST_F(Simulation, SignauxAuxInstantsDesPoints) {
    struct Cas {
        double periode;
        int points;
    };
    for (const Cas& c : {Cas{1000, 45}, Cas{7000, 40}}) {
        SCOPED_TRACE(c.periode);
        SystemePresent(); // the clock starts again at 0
        Anneau({0, 1, 2, 3, 5});
        const int entrees[] = {0, 1, 2, 3, 5};
        auto tampon = Tampon(c.points);
        const auto [code, acquis] = Bloc(tampon, c.points, 1, c.periode);
        ASSERT_EQ(code, 0);
        ASSERT_EQ(acquis, c.points);
        for (int p = 0; p < c.points; ++p)
            for (int k = 0; k < 5; ++k)
                ASSERT_NEAR(Volts(tampon, p, k), Attendu(entrees[k], p * c.periode), kDemiPas10V)
                    << "EA" << entrees[k] << " point " << p;
    }
}

TEST_F(Simulation, HorlogeContinueEntreBlocsEtRepartALaSelection) {
    Anneau({2, 0});
    auto premier = Tampon(10);
    ASSERT_EQ(Bloc(premier, 10, 1, 1000).first, 0);
    auto second = Tampon(10);
    ASSERT_EQ(Bloc(second, 10, 1, 1000).first, 0);
    for (int p = 0; p < 10; ++p) {
        EXPECT_NEAR(Volts(premier, p, 0), Attendu(2, p * 1000.0), kDemiPas10V);
        EXPECT_NEAR(Volts(second, p, 0), Attendu(2, (10 + p) * 1000.0), kDemiPas10V);
        EXPECT_NEAR(Volts(second, p, 1), Attendu(0, (10 + p) * 1000.0), kDemiPas10V);
    }
    SystemePresent();
    auto apres = Tampon(3);
    ASSERT_EQ(Bloc(apres, 3, 1, 1000).first, 0);
    for (int p = 0; p < 3; ++p)
        EXPECT_NEAR(Volts(apres, p, 0), Attendu(2, p * 1000.0), kDemiPas10V);
}

TEST_F(Simulation, MoyenneReduitLeBruit) {
    auto ecartType = [&](int echantillons) {
        SystemePresent();
        Anneau({4});
        auto tampon = Tampon(400);
        EXPECT_EQ(Bloc(tampon, 400, echantillons, 730).first, 0);
        double somme = 0;
        for (int p = 0; p < 400; ++p) {
            const double e = Volts(tampon, p, 0) - Attendu(4, p * 730.0);
            somme += e * e;
        }
        return std::sqrt(somme / 400);
    };
    const double seul = ecartType(1);
    const double moyenne16 = ecartType(16);
    EXPECT_GT(seul, 0.04);
    EXPECT_LT(seul, 0.06);
    EXPECT_LT(moyenne16, seul / 2.5);
}

TEST_F(Simulation, LectureDUnPointRendChaqueEchantillon) {
    Anneau({4, 5});
    auto tampon = Tampon(6);
    const auto [code, acquis] = Bloc(tampon, 1, 6, 20);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(acquis, 6);
    bool differents = false;
    for (int s = 0; s < 6; ++s) {
        EXPECT_NEAR(Volts(tampon, s, 1), 1.5, kDemiPas10V);
        differents = differents || tampon[1 + s * 2] != tampon[1];
    }
    EXPECT_TRUE(differents) << "EA4 carries noise: its unaveraged samples differ";

    // A block of one point has a point callback: one averaged scan, nothing written past it.
    auto bloc = Tampon(2);
    bloc[3] = bloc[4] = 12345;
    const auto [codeBloc, acquisBloc] = Bloc(bloc, 1, 6, 20, RappelCompteur);
    EXPECT_EQ(codeBloc, 0);
    EXPECT_EQ(acquisBloc, 1);
    EXPECT_EQ(gAppels, 1);
    EXPECT_NEAR(Volts(bloc, 0, 1), 1.5, kDemiPas10V);
    EXPECT_EQ(bloc[3], 12345);
    EXPECT_EQ(bloc[4], 12345);
}

TEST_F(Simulation, DeclenchementSurEntree) {
    // The block starts at the first point where EA0 has crossed the level that way.
    struct Cas {
        int condition;
        double niveau;
        double periode;
    };
    for (const Cas& c : {Cas{0, 1.0, 100}, Cas{1, 1.0, 100}, Cas{0, -0.5, 330}, Cas{1, 0.3, 250}}) {
        SCOPED_TRACE(testing::Message() << c.condition << " " << c.niveau << " " << c.periode);
        SystemePresent();
        ProgrammerDeclenchement(0, c.niveau, c.condition);
        Anneau({0});
        auto tampon = Tampon(5);
        ASSERT_EQ(Bloc(tampon, 5, 1, c.periode).first, 0);
        const double a = std::asin(c.niveau / 2.0);
        double phase = c.condition == 0 ? a : kPi - a;
        if (phase < 0) phase += 2 * kPi;
        const double croisement = phase / (2 * kPi * 50) * 1e6;
        const double debut = std::ceil(croisement / c.periode) * c.periode;
        for (int p = 0; p < 5; ++p)
            EXPECT_NEAR(Volts(tampon, p, 0), Attendu(0, debut + p * c.periode), kDemiPas10V);
    }
}

TEST_F(Simulation, DeclenchementsSansAttenteOuSansFin) {
    EcrirePort(1, 0x81);
    struct Cas {
        int source;
        double niveau;
        int condition;
        bool demarre;
    };
    for (const Cas& c : {Cas{70, 0, 0, true}, Cas{10, 0x81, 4, true}, Cas{10, 0x06, 3, true},
                         Cas{10, 0x83, 4, false}, Cas{10, 0x01, 3, false}, Cas{0, 5.0, 0, false},
                         Cas{5, 1.0, 1, false}}) {
        SCOPED_TRACE(testing::Message() << c.source << " " << c.niveau << " " << c.condition);
        SystemePresent();
        ProgrammerDeclenchement(c.source, c.niveau, c.condition);
        Anneau({2});
        auto tampon = Tampon(3);
        const auto [code, acquis] = Bloc(tampon, 3, 1, 1000);
        if (c.demarre) {
            EXPECT_EQ(code, 0);
            EXPECT_EQ(acquis, 3);
            EXPECT_NEAR(Volts(tampon, 0, 0), Attendu(2, 0), kDemiPas10V);
        } else {
            // A trigger that never comes fails the block instead of blocking for ever.
            EXPECT_NE(code, 0);
            EXPECT_NE(code, PELAVORINE_ACQUISITION_INTERROMPUE);
            EXPECT_EQ(acquis, 0);
        }
    }
}

TEST_F(Simulation, ArretDepuisLeRappel) {
    Anneau({0, 1});
    // The stop flag alone ends the run after this block: the block is finished.
    gArretApres = 10;
    auto entier = Tampon(100);
    EXPECT_EQ(Bloc(entier, 100, 1, 1000, RappelCompteur), std::make_pair(0, 100));
    EXPECT_EQ(gAppels, 100);

    // With the long-block flag the block is cut short at the stop.
    systeme_->arret = 0;
    gAppels = 0;
    systeme_->drapeaux |= PELAVORINE_ARRET_BLOC_LONG;
    auto tampon = Tampon(100);
    const auto [code, acquis] = Bloc(tampon, 100, 1, 1000, RappelCompteur);
    EXPECT_EQ(code, PELAVORINE_ACQUISITION_INTERROMPUE);
    EXPECT_EQ(acquis, 10);
    EXPECT_EQ(gAppels, 10);
    EXPECT_EQ(tampon[1 + 10 * 2], 0) << "nothing written past the stop";
    EXPECT_EQ(systeme_->arret, 1) << "the program reads the flag back";

    // The flag still set: the next block stops at once.
    auto suivant = Tampon(5);
    gAppels = 0;
    gArretApres = 0;
    EXPECT_EQ(Bloc(suivant, 5, 1, 1000, RappelCompteur),
              std::make_pair(PELAVORINE_ACQUISITION_INTERROMPUE, 0));
    EXPECT_EQ(gAppels, 0);
}

TEST_F(Simulation, RythmeReelOuRapide) {
    Anneau({0});
    using namespace std::chrono;
    auto duree = [&](int points) {
        auto tampon = Tampon(points);
        const auto debut = steady_clock::now();
        EXPECT_EQ(Bloc(tampon, points, 1, 1000).first, 0);
        return steady_clock::now() - debut;
    };
    // 10 s of simulated time in fast mode.
    EXPECT_LT(duree(10000), seconds(5));
    // The library tells the program so: it then leaves it no pause either.
    EXPECT_TRUE(OkEtatSysteme(PELAVORINE_ETAT_HORS_TEMPS_REEL));
    unsetenv("PELAVORINE_SIMULATION_FAST");
    EXPECT_GE(duree(30), milliseconds(30));
    EXPECT_FALSE(OkEtatSysteme(PELAVORINE_ETAT_HORS_TEMPS_REEL));
}

TEST_F(Simulation, TropDePoints) {
    Anneau({0, 1});
    auto tampon = Tampon(32001);
    EXPECT_EQ(Bloc(tampon, 32001, 1, 10).first, PELAVORINE_TROP_DE_POINTS);
    EXPECT_EQ(tampon[1], 0);
    EXPECT_EQ(Bloc(tampon, 32000, 1, 10), std::make_pair(0, 32000));
}

TEST_F(Simulation, AnneauOuTamponIncoherentRefuse) {
    Anneau({0, 1});
    auto tampon = Tampon(4);
    tampon[0] = 3; // word 0 says 3 slots, the ring has 2
    EXPECT_NE(Bloc(tampon, 4, 1, 100).first, 0);
    for (size_t i = 1; i < tampon.size(); ++i)
        ASSERT_EQ(tampon[i], 0);

    Anneau({0, 8}); // input 8 does not exist here
    auto autre = Tampon(4);
    EXPECT_NE(Bloc(autre, 4, 1, 100).first, 0);

    Anneau({0, 1});
    systeme_->anneau[2] = 1; // slot 1 points back to itself: the ring never closes
    auto boucle = Tampon(4);
    EXPECT_NE(Bloc(boucle, 4, 1, 100).first, 0);
    PreparerAcquisition(4, 1, 100, nullptr, nullptr);
    int32_t acquis = -1;
    EXPECT_NE(AcquerirTable(nullptr, &acquis), 0);
    EXPECT_EQ(acquis, 0);
}

TEST_F(Simulation, SortiesRebouclees) {
    EXPECT_NEAR(LireEA_Reel(6, 1), 0.0, kDemiPas10V);
    EcrireSA_Reel(1, 2.5);
    EcrireSA_Reel(2, -1.25);
    EXPECT_NEAR(LireEA_Reel(6, 8), 2.5, 2 * kDemiPas10V);
    EXPECT_NEAR(LireEA_Reel(7, 8), -1.25, 2 * kDemiPas10V);

    // During a block: SA1 emits its own samples, SA2 repeats EA0 of the same scan.
    Anneau({9, 0, 6, 10, 7});
    const int points = 20;
    auto tampon = Tampon(points);
    ProgrammerSortieVoieEnAcquis(0, 0);
    for (int p = 0; p < points; ++p) {
        tampon[1 + p * 5] = static_cast<int16_t>(VoltBinSA(0.4 * p - 4.0, 1));
        tampon[1 + p * 5 + 3] = -2 * 3; // EA0 lies three slots back
        ProgrammerSortieVoieEnAcquis(10, 0);
    }
    ASSERT_EQ(Bloc(tampon, points, 1, 1000).first, 0);
    for (int p = 0; p < points; ++p) {
        SCOPED_TRACE(p);
        EXPECT_NEAR(Volts(tampon, p, 2), 0.4 * p - 4.0, 2 * kDemiPas10V);
        EXPECT_EQ(tampon[1 + p * 5 + 4], tampon[1 + p * 5 + 1]) << "EA7 = EA0 through SA2";
        EXPECT_EQ(tampon[1 + p * 5 + 3], -6) << "the marker stays for the program";
    }
    EXPECT_NEAR(LireEA_Reel(6, 1), 0.4 * (points - 1) - 4.0, 2 * kDemiPas10V);
}

TEST_F(Simulation, EmissionEtArret) {
    Anneau({9, 10});
    auto tampon = Tampon(3);
    for (int p = 0; p < 3; ++p) {
        tampon[1 + p * 2] = static_cast<int16_t>(VoltBinSA(p + 1.0, 1));
        tampon[2 + p * 2] = static_cast<int16_t>(VoltBinSA(-(p + 1.0), 1));
    }
    PreparerEmission(3, 2, 100, 0, 0);
    EXPECT_EQ(EmettreSorties(tampon.data()), 0);
    EXPECT_NEAR(LireEA_Reel(6, 1), 3.0, 2 * kDemiPas10V);
    EXPECT_NEAR(LireEA_Reel(7, 1), -3.0, 2 * kDemiPas10V);

    EcrireSA_Reel(1, 0);
    systeme_->arret = 1;
    PreparerEmission(3, -1, 100, 0, 0);
    EXPECT_EQ(EmettreSorties(tampon.data()), PELAVORINE_ACQUISITION_INTERROMPUE);
    EXPECT_NEAR(LireEA_Reel(6, 1), 0.0, kDemiPas10V);
}

TEST_F(Simulation, PortsLogiques) {
    EXPECT_NE(ProgrammerSensPort(1, 1), 0);
    EXPECT_EQ(LireSensPort(1), 1);
    EcrirePort(1, 0xA5);
    EXPECT_EQ(LirePort(1), 0xA5);
    EXPECT_NE(ProgrammerSensPort(1, 0), 0);
    EXPECT_EQ(LireSensPort(1), 0);
    EXPECT_EQ(ProgrammerSensPort(1, 3), 0) << "only the last port carries the box";
    EXPECT_EQ(ProgrammerSensPort(3, 1), 0);
}

// The variables that locate the settings file, given back as they were at the end of a test.
class VariablesReglages {
public:
    VariablesReglages() {
        for (const char* nom : {"PELAVORINE_CONFIG_DIR", "XDG_CONFIG_HOME", "HOME"})
            if (const char* v = std::getenv(nom))
                avant_[nom] = v;
            else
                avant_[nom] = std::nullopt;
    }
    ~VariablesReglages() {
        for (const auto& [nom, valeur] : avant_)
            if (valeur)
                setenv(nom.c_str(), valeur->c_str(), 1);
            else
                unsetenv(nom.c_str());
    }
    VariablesReglages(const VariablesReglages&) = delete;
    VariablesReglages& operator=(const VariablesReglages&) = delete;

private:
    std::map<std::string, std::optional<std::string>> avant_;
};

// A folder of its own, removed at the end.
class DossierTemporaire {
public:
    DossierTemporaire() {
        static int numero = 0;
        chemin_ = fs::temp_directory_path() / ("pelavorine-reglages-" + std::to_string(::getpid()) +
                                               "-" + std::to_string(++numero));
        fs::create_directories(chemin_);
    }
    ~DossierTemporaire() {
        std::error_code ignore;
        fs::remove_all(chemin_, ignore);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;
    const fs::path& Chemin() const { return chemin_; }

private:
    fs::path chemin_;
};

void EcrireFichier(const fs::path& fichier, const std::string& texte) {
    fs::create_directories(fichier.parent_path());
    std::ofstream(fichier, std::ios::binary) << texte;
}

double Carre1V100Hz(double t) {
    return std::fmod(t, 10000.0) < 5000.0 ? 1.0 : -1.0;
}

TEST_F(Simulation, SignauxLusDansLesReglages) {
    // Where the folder named by each variable puts the program's settings file.
    enum class Dossier { Configuration, Xdg, Maison };
    struct Cas {
        const char* nom;
        Dossier dossier;
        std::string ini;
        std::map<int, std::function<double(double)>> signaux; // the others keep their default
    };
    std::vector<Cas> cas = {
        {"valeurs sans guillemets, seul le groupe SIMULATION compte",
         Dossier::Configuration,
         "[General]\nEA1=CONSTANTE 4\n\n[SIMULATION]\nEA0=CARRE 1 100\n  EA1 = CONSTANTE -0.75 \n"
         "; EA2=CONSTANTE 4\nEA4=CONSTANTE 3\n[AUTRE]\nEA3=CONSTANTE 4\nEA5=CONSTANTE 4\n",
         {{0, Carre1V100Hz}, {1, [](double) { return -0.75; }}, {4, [](double) { return 3.0; }}}},
        {"valeurs entre guillemets, fins de ligne CRLF, dossier XDG",
         Dossier::Xdg,
         "\xEF\xBB\xBF[SIMULATION]\r\nEA0=\"CARRE 1 100\"\r\nEA1=\"CONSTANTE -0.75\"\r\n"
         "EA2=TRIANGLE 2 25 1\r\nEA5=SINUS 0.5 10 -1\r\n",
         {{0, Carre1V100Hz},
          {1, [](double) { return -0.75; }},
          {2,
           [](double t) {
               const double u = std::fmod(t, 40000.0) / 40000.0;
               return 1.0 + 2.0 * (u < 0.5 ? 4.0 * u - 1.0 : 3.0 - 4.0 * u);
           }},
          {5, [](double t) { return -1.0 + 0.5 * std::sin(2 * kPi * 10 * t * 1e-6); }}}},
        {"la dernière valeur compte, même illisible; dossier personnel",
         Dossier::Maison,
         "[SIMULATION]\nEA1=CONSTANTE 2\nEA1=CARRE 1 0\nEA6=CONSTANTE 4\nEA0=CONSTANTE 1\n"
         "EA0=CONSTANTE 0.25\n",
         {{0, [](double) { return 0.25; }}}},
    };
    // An unreadable value leaves the default signal, whatever the input.
    for (const char* illisible :
         {"SINUS deux 50", "TRIANGLE 1 nan", "CONSTANTE nan", "CONSTANTE inf", "CONSTANTE",
          "CONSTANTE 1 2", "CARRE 1 100 0 7", "CARRE 1 0", "SINUS 1 -50", "SINUS 1 1e-310",
          "CARRE 1e308 10 1e308", "BIDON 1 2", "\"SINUS 1 50", "SINUS 1,5 50", "", "SINUS 2 50x"}) {
        for (int entree : {1, 4})
            cas.push_back({illisible,
                           Dossier::Configuration,
                           "[SIMULATION]\nEA" + std::to_string(entree) + "=" + illisible + "\n",
                           {}});
    }
    const int entrees[] = {0, 1, 2, 3, 4, 5};
    const double periode = 700;
    const int points = 90;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        VariablesReglages variables;
        DossierTemporaire dossier;
        fs::path fichier = dossier.Chemin() / "Quandrel" / "Pelavorine2003.ini";
        switch (c.dossier) {
        case Dossier::Configuration:
            setenv("PELAVORINE_CONFIG_DIR", dossier.Chemin().c_str(), 1);
            break;
        case Dossier::Xdg:
            unsetenv("PELAVORINE_CONFIG_DIR");
            setenv("XDG_CONFIG_HOME", dossier.Chemin().c_str(), 1);
            break;
        case Dossier::Maison:
            unsetenv("PELAVORINE_CONFIG_DIR");
            unsetenv("XDG_CONFIG_HOME");
            setenv("HOME", dossier.Chemin().c_str(), 1);
            fichier = dossier.Chemin() / ".config" / "Quandrel" / "Pelavorine2003.ini";
            break;
        }
        EcrireFichier(fichier, c.ini);
        Charger();
        Anneau({0, 1, 2, 3, 4, 5});
        auto tampon = Tampon(points);
        ASSERT_EQ(Bloc(tampon, points, 1, periode), std::make_pair(0, points));
        for (int p = 0; p < points; ++p)
            for (int k = 0; k < 6; ++k) {
                const double t = p * periode;
                const auto regle = c.signaux.find(entrees[k]);
                const bool defaut = regle == c.signaux.end();
                // The default EA4 carries a noise of 0.05 V r.m.s.
                const double tolerance = defaut && entrees[k] == 4 ? 0.35 : kDemiPas10V;
                ASSERT_NEAR(Volts(tampon, p, k), defaut ? Attendu(entrees[k], t) : regle->second(t),
                            tolerance)
                    << "EA" << entrees[k] << " point " << p;
            }
    }
}

TEST_F(Simulation, ReglagesRelusALaSelection) {
    VariablesReglages variables;
    DossierTemporaire dossier;
    setenv("PELAVORINE_CONFIG_DIR", dossier.Chemin().c_str(), 1);
    const fs::path fichier = dossier.Chemin() / "Quandrel" / "Pelavorine2003.ini";
    EcrireFichier(fichier, "[SIMULATION]\nEA0=CARRE 1 100\n");
    Charger();
    Anneau({0});
    auto avant = Tampon(20);
    ASSERT_EQ(Bloc(avant, 20, 1, 1000).first, 0);
    for (int p = 0; p < 20; ++p)
        EXPECT_NEAR(Volts(avant, p, 0), Carre1V100Hz(p * 1000.0), kDemiPas10V) << p;

    // Settings changed by the program take effect when it selects the interface again; a
    // file gone leaves the default signal.
    EcrireFichier(fichier, "[SIMULATION]\nEA0=CONSTANTE 2.5\n");
    SystemePresent();
    auto apres = Tampon(3);
    ASSERT_EQ(Bloc(apres, 3, 1, 1000).first, 0);
    for (int p = 0; p < 3; ++p)
        EXPECT_NEAR(Volts(apres, p, 0), 2.5, kDemiPas10V) << p;
    fs::remove(fichier);
    SystemePresent();
    auto sansFichier = Tampon(3);
    ASSERT_EQ(Bloc(sansFichier, 3, 1, 1000).first, 0);
    for (int p = 0; p < 3; ++p)
        EXPECT_NEAR(Volts(sansFichier, p, 0), Attendu(0, p * 1000.0), kDemiPas10V) << p;
}

// Reads the identification box on port 2 the way the program does.
TEST(SimulationIdentification, BoitierSurLeDernierPort) {
    setenv("PELAVORINE_SIMULATION_CAPTEURS", "12,201,7,254", 1);
    Bibliotheque bib(PELAVORINE_SIMULATION_SO);
    unsetenv("PELAVORINE_SIMULATION_CAPTEURS");
    ASSERT_TRUE(bib.Chargee());
    auto sens = bib.Fonction<decltype(::ProgrammerSensPort)>("ProgrammerSensPort");
    auto ecrire = bib.Fonction<decltype(::EcrirePort)>("EcrirePort");
    auto lire = bib.Fonction<decltype(::LirePort)>("LirePort");
    ASSERT_NE(sens(2, 3), 0);
    ecrire(2, 0);
    int s = 0, t = 0;
    for (int a = 0; a < 16; ++a) {
        ecrire(2, static_cast<uint8_t>(a));
        const int bit4 = (lire(2) >> 4) & 1;
        if (a < 8)
            s |= bit4 << a;
        else
            t |= bit4 << (a - 8);
    }
    EXPECT_EQ(t, 255);
    EXPECT_NE(s, 255);

    const int p[8] = {32, 128, 2, 0, 4, 0, 64, 16};
    const int q[8] = {64, 16, 4, 0, 2, 0, 32, 128};
    int n1 = 0, n2 = 0, n3 = 0, n4 = 0;
    for (int i = 0; i < 8; ++i) {
        ecrire(2, static_cast<uint8_t>(i));
        const int v = lire(2);
        const int b4 = (v >> 4) & 1, b5 = (v >> 5) & 1, b6 = (v >> 6) & 1, b7 = (v >> 7) & 1;
        if (i == 3) {
            n1 += b6 * 8, n2 += b7, n3 += b5, n4 += b4 * 8;
        } else if (i == 5) {
            n1 += b6, n2 += b7 * 8, n3 += b5 * 8, n4 += b4;
        } else {
            n1 += b6 * p[i], n2 += b7 * q[i], n3 += b5 * q[i], n4 += b4 * p[i];
        }
    }
    EXPECT_EQ(n1, 12);
    EXPECT_EQ(n2, 201);
    EXPECT_EQ(n3, 7);
    EXPECT_EQ(n4, 254);
}

TEST(SimulationPremierChargement, PremierPointAZero) {
    setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
    Bibliotheque bib(PELAVORINE_SIMULATION_SO);
    ASSERT_TRUE(bib.Chargee());
    TypeSysteme* s = bib.Fonction<decltype(::RenvoyerSysteme)>("RenvoyerSysteme")();
    std::fill(std::begin(s->anneau), std::end(s->anneau), PELAVORINE_HORS_ANNEAU);
    s->anneau[0] = 2;
    s->anneau[3] = 2;
    int16_t tampon[3] = {1, 0, 0};
    bib.Fonction<decltype(::PreparerAcquisition)>("PreparerAcquisition")(2, 1, 12500, nullptr,
                                                                         nullptr);
    int32_t acquis = 0;
    ASSERT_EQ(bib.Fonction<decltype(::AcquerirTable)>("AcquerirTable")(tampon, &acquis), 0);
    auto volts = bib.Fonction<decltype(::BinVoltEA)>("BinVoltEA");
    EXPECT_NEAR(volts(tampon[1], 1), Attendu(2, 0), kDemiPas10V);
    EXPECT_NEAR(volts(tampon[2], 1), Attendu(2, 12500), kDemiPas10V);
}

TEST(SimulationBibliothequesDeTest, ChacuneManqueCeQuElleDoit) {
    const fs::path dossier = PELAVORINE_INTERFACES_TEST_DIR;
    {
        Bibliotheque incomplete((dossier / "INCOMPLETE.so").string());
        ASSERT_TRUE(incomplete.Chargee());
        EXPECT_NE(incomplete.Symbole("RenvoyerSysteme"), nullptr);
        EXPECT_EQ(incomplete.Symbole("AcquerirTable"), nullptr);
    }
    {
        Bibliotheque absente((dossier / "ABSENTE.so").string());
        ASSERT_TRUE(absente.Chargee());
        for (const char* nom : kPointsEntreeObligatoires)
            EXPECT_NE(absente.Symbole(nom), nullptr) << nom;
        EXPECT_EQ(absente.Fonction<decltype(::SystemePresent)>("SystemePresent")(), 0);
    }
    {
        // Without LireDureeMinimale the program times the descriptor's block procedure: it
        // must run the prepared block on the descriptor's buffer.
        setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
        Bibliotheque sansDuree((dossier / "SANSDUREE.so").string());
        ASSERT_TRUE(sansDuree.Chargee());
        for (const char* nom : kPointsEntreeObligatoires)
            EXPECT_NE(sansDuree.Symbole(nom), nullptr) << nom;
        EXPECT_EQ(sansDuree.Symbole("LireDureeMinimale"), nullptr);
        EXPECT_NE(sansDuree.Fonction<decltype(::SystemePresent)>("SystemePresent")(), 0);
        TypeSysteme* s = sansDuree.Fonction<decltype(::RenvoyerSysteme)>("RenvoyerSysteme")();
        std::fill(std::begin(s->anneau), std::end(s->anneau), PELAVORINE_HORS_ANNEAU);
        s->anneau[0] = 5;
        s->anneau[6] = 5;
        std::vector<int16_t> tampon(31, 0);
        tampon[0] = 1;
        s->tampon = tampon.data();
        sansDuree.Fonction<decltype(::PreparerAcquisition)>("PreparerAcquisition")(
            20, 1, 0, nullptr, nullptr);
        s->appelProcedure = 1;
        s->procedureBloc();
        const auto volts = sansDuree.Fonction<decltype(::BinVoltEA)>("BinVoltEA");
        for (int p = 1; p <= 20; ++p)
            EXPECT_NEAR(volts(tampon[p], 1), 1.5, kDemiPas10V) << p;
        EXPECT_EQ(tampon[21], 0);
        s->tampon = nullptr;
    }
}

} // namespace
