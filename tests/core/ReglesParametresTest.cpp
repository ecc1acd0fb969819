#include "core/acquisition/ReglesParametres.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace pelavorine;

namespace {

class ReglesParametresTest : public ::testing::Test {
protected:
    HoteScripte hote;
    std::unique_ptr<Travail> travail;
    CoucheInterface* couche = nullptr;

    void SetUp() override {
        setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
        travail = std::make_unique<Travail>(hote);
        couche = &travail->Interface();
        couche->Lister({QStringLiteral(PELAVORINE_DOSSIER_SIMULATION)});
        couche->Selectionner(QStringLiteral("SIMULATION"));
        ASSERT_TRUE(couche->Charger());
        travail->FixerVoies(couche->Description());
        travail->PreparerNouveauTravail();
        hote.Vider();
    }
    TableVariables& Table() { return travail->Variables(); }
    TypeVoie& Entree(int n) { return *regles::Entree(Table(), n); }
    TypeSortie& Sortie(int n) { return *regles::Sortie(Table(), n); }
    void Modes(std::initializer_list<std::uint8_t> modes) {
        int n = couche->PremiereEntree();
        for (std::uint8_t m : modes)
            Entree(n++).Etat = m;
        for (; n <= couche->DerniereEntree(); ++n)
            Entree(n).Etat = TypeVoie::Inactif;
    }
};

TEST_F(ReglesParametresTest, CompteDesVoiesEnService) {
    constexpr auto A = TypeVoie::Automatique, P = TypeVoie::PasAPas, I = TypeVoie::Inactif;
    struct Cas {
        std::initializer_list<std::uint8_t> modes;
        int forme1, mode1, forme2, mode2;
        int entrees, pendant, apres;
        bool pasAPas;
    };
    const Cas cas[] = {
        {{A}, 0, 1, 0, 2, 1, 0, 0, false}, // outputs without a form do not count
        {{A, I, A, P}, 1, 1, 5, 2, 3, 1, 1, true},
        {{I}, 5, 1, 5, 1, 0, 2, 0, false},
        {{A, A}, 2, 0, 3, 2, 2, 0, 1, false}, // mode 0 is emitted alone
    };
    for (const Cas& c : cas) {
        Modes(c.modes);
        Sortie(1).Forme = static_cast<std::uint8_t>(c.forme1);
        Sortie(1).ModeEmission = static_cast<std::uint8_t>(c.mode1);
        Sortie(2).Forme = static_cast<std::uint8_t>(c.forme2);
        Sortie(2).ModeEmission = static_cast<std::uint8_t>(c.mode2);
        const regles::ComptesVoies r = regles::CompterVoies(Table());
        EXPECT_EQ(r.entrees, c.entrees);
        EXPECT_EQ(r.sortiesPendant, c.pendant);
        EXPECT_EQ(r.sortiesApres, c.apres);
        EXPECT_EQ(r.PasAPas, c.pasAPas);
    }
    // An input inhibited by an automatic sensor assignment is out of service.
    Modes({A, A});
    Entree(couche->PremiereEntree() + 1).Capteur = 255;
    EXPECT_EQ(regles::CompterVoies(Table()).entrees, 1);
}

TEST_F(ReglesParametresTest, PeriodeMinimaleSelonLesVoies) {
    Sortie(1).Forme = 5;
    Sortie(1).ModeEmission = 2;
    Sortie(2).Forme = 5;
    Sortie(2).ModeEmission = 2;
    // Outputs after the acquisition count only when no input is in service.
    regles::ComptesVoies c{2, 0, 2, false};
    EXPECT_DOUBLE_EQ(regles::PeriodeMinimale(*couche, c, 1), couche->DureeMinimale(2, 0, 1));
    c.entrees = 0;
    EXPECT_DOUBLE_EQ(regles::PeriodeMinimale(*couche, c, 1), couche->DureeMinimale(0, 2, 1));
    c = {3, 1, 0, false};
    EXPECT_DOUBLE_EQ(regles::PeriodeMinimale(*couche, c, 4), couche->DureeMinimale(3, 1, 4));
    EXPECT_GT(couche->DureeMinimale(3, 1, 1), couche->DureeMinimale(1, 0, 1));
}

TEST(ReglesPeriode, ArrondiEtLimites) {
    struct Cas {
        double periode, minimum;
        const char* souche;
        double attendu;
    };
    const Cas cas[] = {
        {12.3, 10, "SIMULATION", 12},    {12.3, 10, "TORVA-PCI", 12.5},
        {12.2, 10, "torva-pci", 12.0},   {3, 20, "SIMULATION", 20},
        {20.4, 20.4, "SIMULATION", 21}, // a minimum between two steps is not undercut
        {20.2, 20.2, "TORVA-PCI", 20.5}, {7e8, 10, "SIMULATION", 6e8},
        {-5, 10, "SIMULATION", 10},
    };
    for (const Cas& c : cas)
        EXPECT_DOUBLE_EQ(
            regles::LimiterPeriode(c.periode, c.minimum, QString::fromLatin1(c.souche)), c.attendu)
            << c.periode << " " << c.souche;
}

TEST_F(ReglesParametresTest, NouvellePeriodeEtNombreDePoints) {
    travail->PrendreDemandes();
    regles::AppliquerPeriode(*travail, 250.0);
    EXPECT_DOUBLE_EQ(travail->Parametres().periode, 250.0);
    EXPECT_EQ(travail->Parametres().periodeEntiere, 250);
    EXPECT_DOUBLE_EQ(Table().TBase(), 250e-6);
    const TypeId& t = *Table().Variable(Table().CaseTemps());
    EXPECT_DOUBLE_EQ(t.LirePoint(11), 10 * 250e-6);
    EXPECT_EQ(travail->Demandes() & regles::DemandesPeriode, regles::DemandesPeriode);

    struct Cas {
        int demande, attendu;
    };
    for (const Cas& c : {Cas{500, 500}, Cas{25000, 10000}, Cas{0, 1}}) {
        regles::AppliquerNbPoints(*travail, c.demande);
        EXPECT_EQ(Table().NbPoint(), c.attendu);
        const TypeId& temps = *Table().Variable(Table().CaseTemps());
        EXPECT_EQ(temps.NbPoints, c.attendu);
        EXPECT_DOUBLE_EQ(temps.LirePoint(c.attendu), (c.attendu - 1) * 250e-6);
    }
}

TEST_F(ReglesParametresTest, VerificationDeLaDuree) {
    Modes({TypeVoie::Automatique, TypeVoie::Automatique});
    const double minimum = couche->DureeMinimale(2, 0, 1);
    ASSERT_GT(minimum, 2);
    const QString question = regles::QuestionDureeTropFaible(minimum);
    EXPECT_TRUE(question.startsWith(
        QStringLiteral("Durée d'acquisition trop faible. Prendre la durée minimum de ")));
    EXPECT_TRUE(question.endsWith(QString::number(minimum) + QStringLiteral("µs")));

    // At the minimum: no question.
    regles::AppliquerPeriode(*travail, minimum);
    EXPECT_TRUE(regles::VerifierDuree(*travail, *couche));
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Question).isEmpty());

    // Below it, no: the period stays and the check fails.
    regles::AppliquerPeriode(*travail, minimum - 1);
    hote.reponses = {false};
    EXPECT_FALSE(regles::VerifierDuree(*travail, *couche));
    EXPECT_DOUBLE_EQ(travail->Parametres().periode, minimum - 1);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question), QStringList{question});

    // Yes: the minimum is taken and the time base follows.
    hote.reponses = {true};
    EXPECT_TRUE(regles::VerifierDuree(*travail, *couche));
    EXPECT_DOUBLE_EQ(travail->Parametres().periode, minimum);
    EXPECT_DOUBLE_EQ(Table().TBase(), minimum * 1e-6);
}

TEST_F(ReglesParametresTest, ModesDesEntrees) {
    const int n = couche->PremiereEntree();
    Entree(n).Lecture = TypeVoie::LectureClavier;
    regles::FixerModeEntree(Table(), *couche, n, TypeVoie::Automatique);
    EXPECT_EQ(Entree(n).Etat, TypeVoie::Automatique);
    EXPECT_EQ(Entree(n).Lecture, TypeVoie::LectureInstantanee);
    regles::FixerModeEntree(Table(), *couche, n, 7); // not a mode
    EXPECT_EQ(Entree(n).Etat, TypeVoie::Automatique);
    // This interface samples any inputs: nothing else changes.
    Modes({TypeVoie::Automatique, TypeVoie::Inactif, TypeVoie::Automatique});
    EXPECT_EQ(regles::AppliquerEntreesConsecutives(Table(), *couche), 0);
    EXPECT_EQ(Entree(n + 2).Etat, TypeVoie::Automatique);

    // An input created out of service is grey until it is put in service; a colour the user
    // chose stays.
    TypeVoie& grise = Entree(n + 3);
    ASSERT_EQ(grise.Couleur, TypeVoie::GrisInactif);
    regles::FixerModeEntree(Table(), *couche, n + 3, TypeVoie::PasAPas);
    EXPECT_EQ(grise.Couleur, Table().palette[grise.Numero % 16]);
    grise.Couleur = 0x123456;
    regles::FixerModeEntree(Table(), *couche, n + 3, TypeVoie::Automatique);
    EXPECT_EQ(grise.Couleur, 0x123456);
}

TEST(ReglesModesSansSysteme, SeulLeClavierPasAPas) {
    HoteScripte hote;
    Travail travail(hote);
    CoucheInterface& couche = travail.Interface();
    ASSERT_TRUE(couche.SansSysteme());
    TypeVoie* ea0 = regles::Entree(travail.Variables(), 0);
    ASSERT_NE(ea0, nullptr);
    regles::FixerModeEntree(travail.Variables(), couche, 0, TypeVoie::PasAPas);
    EXPECT_EQ(ea0->Etat, TypeVoie::PasAPas);
    EXPECT_EQ(ea0->Lecture, TypeVoie::LectureClavier);
    // Automatic is not offered without a system.
    regles::FixerModeEntree(travail.Variables(), couche, 0, TypeVoie::Automatique);
    EXPECT_NE(ea0->Etat, TypeVoie::Automatique);
}

TEST_F(ReglesParametresTest, NiveauDeDeclenchement) {
    const auto& e = couche->Entrees();
    TypeVoie& ea0 = Entree(0);
    struct Cas {
        double echelle, decalage, tape;
        std::uint8_t calibre;
        double volts;
    };
    const Cas cas[] = {
        {10, 0, 50, 1, 5.0}, {1, 0, 1.5, 2, 1.5}, {2, 1, 2.5, 3, 0.75}, {-4, 2, 0, 1, 0.5}};
    for (const Cas& c : cas) {
        ea0.Echelle = c.echelle;
        ea0.DecalageCapteur = c.decalage;
        ea0.Calibre = c.calibre;
        regles::AppliquerDeclenchement(*travail, *couche, 0, 1, c.tape, 0);
        const ParametresAcquisition& p = travail->Parametres();
        EXPECT_EQ(p.sourceDeclenchement, 0);
        EXPECT_EQ(p.condition, ParametresAcquisition::Declenchement::Descendant);
        EXPECT_DOUBLE_EQ(p.niveauDeclenchement, c.volts);
        // The raw level reads back as the level on the input's calibre.
        double mini = 0, maxi = 0;
        e.LimitesCalibreEA(0, c.calibre, &mini, &maxi);
        EXPECT_NEAR(e.BinVoltEA(p.niveauBrut, c.calibre), c.volts, (maxi - mini) / 65536.0);
        // Shown again in physical units, the level is what was typed.
        EXPECT_DOUBLE_EQ(regles::NiveauPhysique(ea0, p.niveauDeclenchement), c.tape);
    }

    // A logic port: the bits for "Actif sur état 1", else 0.
    for (int index : {0, 1}) {
        regles::AppliquerDeclenchement(*travail, *couche, 9 + 1, index, 0, 0x81);
        const ParametresAcquisition& p = travail->Parametres();
        EXPECT_EQ(static_cast<int>(p.condition), 3 + index);
        EXPECT_EQ(p.bitsDeclenchement, 0x81);
        EXPECT_EQ(p.niveauBrut, index == 1 ? 0x81 : 0);
        EXPECT_EQ(couche->LireSensPort(1), 0); // the port became an input
    }
    // No trigger, external synchronisation: no raw level.
    for (int source : {-1, 70}) {
        regles::AppliquerDeclenchement(*travail, *couche, source, 0, 3, 0xFF);
        EXPECT_EQ(travail->Parametres().niveauBrut, 0);
    }
}

TEST(ReglesNiveau, TexteTape) {
    struct Cas {
        const char* texte;
        double valeur;
    };
    for (const Cas& c :
         {Cas{"1.5", 1.5}, Cas{" -2,25 ", -2.25}, Cas{"abc", 0}, Cas{"", 0}, Cas{"1e400", 0}})
        EXPECT_DOUBLE_EQ(regles::LireNiveau(QString::fromLatin1(c.texte)), c.valeur) << c.texte;
}

} // namespace
