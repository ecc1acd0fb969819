#include "core/acquisition/Acquisition.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/calc/FeuilleCalcul.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/TableFenetres.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <vector>

using namespace pelavorine;

namespace {

constexpr double Pi = std::numbers::pi;
// One raw step of the ±10 V calibre with 16-bit codes, and some margin.
constexpr double Quantum = 20.0 / 65536.0;

// A work over the simulated interface, loaded afresh for each test (its clock starts at 0).
class AcquisitionTest : public ::testing::Test {
protected:
    HoteScripte hote;
    std::unique_ptr<Travail> travail;
    CoucheInterface* couche = nullptr;
    std::unique_ptr<Acquisition> acquisition;

    void SetUp() override {
        setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
        travail = std::make_unique<Travail>(hote);
        couche = &travail->Interface();
        couche->Lister({QStringLiteral(PELAVORINE_DOSSIER_SIMULATION)});
        couche->Selectionner(QStringLiteral("SIMULATION"));
        ASSERT_TRUE(couche->Charger()) << "the simulated interface did not load";
        ASSERT_FALSE(couche->SansSysteme());
        // A new work over the interface's channels, as start-up builds it.
        travail->FixerVoies(couche->Description());
        travail->PreparerNouveauTravail();
        acquisition = std::make_unique<Acquisition>(*travail, *couche);
        regles::AppliquerPeriode(*travail, 100.0);
        regles::AppliquerNbPoints(*travail, 200);
        hote.Vider();
    }

    TableVariables& Table() { return travail->Variables(); }
    TypeVoie& Entree(int n) {
        TypeVoie* v = regles::Entree(Table(), n);
        EXPECT_NE(v, nullptr);
        return *v;
    }
    TypeSortie& Sortie(int n) {
        TypeSortie* s = regles::Sortie(Table(), n);
        EXPECT_NE(s, nullptr);
        return *s;
    }
    void SeulementEntrees(std::initializer_list<int> actives) {
        for (int n = couche->PremiereEntree(); n <= couche->DerniereEntree(); ++n)
            Entree(n).Etat = TypeVoie::Inactif;
        for (int n : actives)
            Entree(n).Etat = TypeVoie::Automatique;
    }
    std::vector<double> Points(const TypeId& v) {
        std::vector<double> p;
        for (int i = 1; i <= v.NbPoints; ++i)
            p.push_back(v.LirePoint(i));
        return p;
    }
    // 2 V · sin(2π · 50 Hz · t) at point i of a block that starts at t0 (seconds).
    static double SinusEA0(int i, double pas, double t0 = 0.0) {
        return 2.0 * std::sin(2.0 * Pi * 50.0 * (t0 + (i - 1) * pas));
    }
};

TEST_F(AcquisitionTest, BlocSurEA0DonneLeSinusAvecCalibreEtCapteur) {
    // Each block lasts exactly one period of the 50 Hz sine (200 × 100 µs), so every run
    // starts at the same phase as the first one, taken at t = 0.
    struct Cas {
        std::uint8_t calibre;
        double echelle, decalage;
    };
    const Cas cas[] = {{1, 1.0, 0.0}, {2, 1.0, 0.0}, {1, 10.0, -3.0}, {3, 1.0, 0.0}};
    SeulementEntrees({0});
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message()
                     << "calibre " << int(c.calibre) << " echelle " << c.echelle);
        TypeVoie& ea0 = Entree(0);
        ea0.Calibre = c.calibre;
        ea0.Echelle = c.echelle;
        ea0.DecalageCapteur = c.decalage;
        ASSERT_EQ(acquisition->Lancer(), 0)
            << hote.Textes(HoteScripte::Genre::Erreur).join('|').toStdString();
        ASSERT_EQ(ea0.NbPoints, 200);
        EXPECT_EQ(acquisition->PointsAcquis(), 200);
        EXPECT_TRUE(ea0.Genre & genre::Acquise);
        double origine = -1, pas = 0;
        ASSERT_TRUE(ea0.AbscisseLineaireDefinie(origine, pas));
        EXPECT_DOUBLE_EQ(pas, 100e-6);
        // The ±1 V calibre clips the 2 V sine.
        double limite = 2.0;
        if (c.calibre == 3) limite = 1.0;
        double maxi = -1e9;
        for (int i = 1; i <= 200; ++i) {
            const double volts = std::clamp(SinusEA0(i, 100e-6), -limite, limite);
            const double attendu = volts * c.echelle + c.decalage;
            ASSERT_NEAR(ea0.LirePoint(i), attendu, 2 * Quantum * std::abs(c.echelle))
                << "point " << i;
            maxi = std::max(maxi, ea0.LirePoint(i));
        }
        EXPECT_DOUBLE_EQ(ea0.Maximum, maxi);
        EXPECT_NEAR(ea0.Moyenne, c.decalage, 0.01 * std::abs(c.echelle));
    }
    EXPECT_TRUE(hote.Textes(HoteScripte::Genre::Erreur).isEmpty());
    EXPECT_TRUE(travail->modifie);
}

TEST_F(AcquisitionTest, PlusieursEntreesGardentChacuneSonSignal) {
    SeulementEntrees({0, 1, 2, 5});
    ASSERT_EQ(acquisition->Lancer(), 0);
    const double pas = 100e-6;
    for (int i = 1; i <= 200; ++i) {
        const double t = (i - 1) * pas;
        ASSERT_NEAR(Entree(0).LirePoint(i), SinusEA0(i, pas), 2 * Quantum);
        // Square: +1 V over the first half period.
        const double phase = std::fmod(t * 50.0, 1.0);
        if (std::abs(phase - 0.5) > 0.01 && phase > 0.01) {
            ASSERT_NEAR(Entree(1).LirePoint(i), phase < 0.5 ? 1.0 : -1.0, 2 * Quantum) << i;
        }
        ASSERT_NEAR(Entree(5).LirePoint(i), 1.5, 2 * Quantum);
    }
    // The triangle rises from 0 V.
    EXPECT_NEAR(Entree(2).LirePoint(1), 0.0, 2 * Quantum);
    EXPECT_GT(Entree(2).LirePoint(10), Entree(2).LirePoint(2));
}

TEST_F(AcquisitionTest, DeclenchementPartDuNiveau) {
    struct Cas {
        ParametresAcquisition::Declenchement condition;
        double niveau;
    };
    const Cas cas[] = {{ParametresAcquisition::Declenchement::Montant, 1.0},
                       {ParametresAcquisition::Declenchement::Descendant, 1.0},
                       {ParametresAcquisition::Declenchement::Montant, -0.5}};
    SeulementEntrees({0});
    // The steepest step of the sine between two points of 100 µs.
    const double pasMaxi = 2.0 * 2.0 * Pi * 50.0 * 100e-6;
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message()
                     << "condition " << int(c.condition) << " niveau " << c.niveau);
        regles::AppliquerDeclenchement(
            *travail, *couche, 0,
            c.condition == ParametresAcquisition::Declenchement::Montant ? 0 : 1, c.niveau, 0);
        ASSERT_EQ(acquisition->Lancer(), 0);
        const double p1 = Entree(0).LirePoint(1);
        const double p2 = Entree(0).LirePoint(2);
        if (c.condition == ParametresAcquisition::Declenchement::Montant) {
            EXPECT_GE(p1, c.niveau - 2 * Quantum);
            EXPECT_LT(p1, c.niveau + pasMaxi);
            EXPECT_GT(p2, p1);
        } else {
            EXPECT_LE(p1, c.niveau + 2 * Quantum);
            EXPECT_GT(p1, c.niveau - pasMaxi);
            EXPECT_LT(p2, p1);
        }
    }
}

TEST_F(AcquisitionTest, MoyenneReduitLeBruit) {
    // EA4 = 0.5 V · sin(2π · 200 Hz · t) + 0.05 V r.m.s. of noise; 200 points of 100 µs hold
    // four whole periods, so every block starts in phase.
    SeulementEntrees({4});
    auto ecart = [&](int echantillons) {
        travail->Parametres().echantillons = static_cast<std::uint8_t>(echantillons);
        EXPECT_EQ(acquisition->Lancer(), 0);
        double somme = 0;
        for (int i = 1; i <= 200; ++i) {
            const double ideal = 0.5 * std::sin(2 * Pi * 200.0 * (i - 1) * 100e-6);
            somme += std::pow(Entree(4).LirePoint(i) - ideal, 2);
        }
        return std::sqrt(somme / 200);
    };
    const double seul = ecart(1);
    const double moyenne = ecart(100);
    EXPECT_GT(seul, 0.03);
    EXPECT_LT(seul, 0.08);
    EXPECT_LT(moyenne, seul / 4);
}

TEST_F(AcquisitionTest, ModePermanentSArreteSurInterruption) {
    SeulementEntrees({0});
    travail->Parametres().permanent = 1;
    for (int blocs : {1, 4}) {
        SCOPED_TRACE(blocs);
        hote.appelsInterruption = 0;
        hote.interrompre = false;
        hote.interrompreApres = blocs - 1;
        std::vector<int> progression;
        acquisition->progression = [&](int n) { progression.push_back(n); };
        ASSERT_EQ(acquisition->Lancer(), 0);
        EXPECT_EQ(acquisition->BlocsAcquis(), blocs);
        EXPECT_TRUE(acquisition->Arretee());
        ASSERT_EQ(static_cast<int>(progression.size()), blocs);
        for (int i = 0; i < blocs; ++i)
            EXPECT_EQ(progression[static_cast<std::size_t>(i)], (i + 1) % 10);
        // The points of the last block are kept: blocks are whole periods of the sine.
        ASSERT_EQ(Entree(0).NbPoints, 200);
        for (int i = 1; i <= 200; i += 7)
            ASSERT_NEAR(Entree(0).LirePoint(i), SinusEA0(i, 100e-6), 2 * Quantum);
    }
    EXPECT_FALSE(acquisition->EnCours());
}

TEST_F(AcquisitionTest, PlusieursBlocsParLancement) {
    SeulementEntrees({0});
    travail->Parametres().blocs = 3;
    int apres = 0;
    acquisition->apresRafraichissement = [&] {
        ++apres;
        EXPECT_EQ(Entree(0).NbPoints, 200);
    };
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(acquisition->BlocsAcquis(), 3);
    EXPECT_EQ(apres, 3);
    EXPECT_FALSE(acquisition->Arretee());
}

TEST_F(AcquisitionTest, PeriodeMinimaleExacteAccepteeEtPlusCourteRefusee) {
    SeulementEntrees({0, 1});
    const double minimale = couche->DureeMinimale(2, 0, 1);
    ASSERT_GT(minimale, 1.0);
    regles::AppliquerPeriode(*travail, minimale);
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(Entree(1).NbPoints, 200);

    const double avant = Entree(0).LirePoint(7);
    travail->Parametres().periode = minimale - 1;
    hote.Vider();
    EXPECT_EQ(acquisition->Lancer(), Acquisition::DureeTropFaible);
    EXPECT_EQ(acquisition->AppelsAcquerirTable(), 0);
    EXPECT_DOUBLE_EQ(Entree(0).LirePoint(7), avant);
    const QStringList erreurs = hote.Textes(HoteScripte::Genre::Erreur);
    ASSERT_EQ(erreurs.size(), 1);
    EXPECT_EQ(erreurs[0], QStringLiteral("Durée minimale possible de ") +
                              QString::number(minimale) + QStringLiteral("µs"));
}

TEST_F(AcquisitionTest, RefusAvantToutEchantillon) {
    // Nothing in service.
    SeulementEntrees({});
    EXPECT_EQ(acquisition->Lancer(), Acquisition::RienEnService);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Erreur),
              QStringList{QStringLiteral("PAS D'ENTREES ou SORTIES EN SERVICE.")});

    // A step-by-step input: the desk takes over, nothing is acquired.
    hote.Vider();
    SeulementEntrees({0});
    Entree(1).Etat = TypeVoie::PasAPas;
    EXPECT_EQ(acquisition->Lancer(), Acquisition::PasAPas);
    EXPECT_EQ(acquisition->AppelsAcquerirTable(), 0);
    EXPECT_TRUE(hote.messages.empty());

    // Outputs alone are accepted.
    SeulementEntrees({});
    Sortie(1).Forme = 5;
    Sortie(1).ModeEmission = 1;
    EXPECT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(acquisition->AppelsAcquerirTable(), 1);
}

TEST(AcquisitionSansSysteme, PasDeCarteEnService) {
    QTemporaryDir vide;
    HoteScripte hote;
    Travail travail(hote);
    CoucheInterface& couche = travail.Interface();
    couche.Lister({vide.path()});
    couche.Charger();
    ASSERT_TRUE(couche.SansSysteme());
    Acquisition acquisition(travail, couche);
    TypeVoie* ea0 = regles::Entree(travail.Variables(), 0);
    ASSERT_NE(ea0, nullptr);

    struct Cas {
        std::uint8_t etat, lecture;
        int attendu;
    };
    const Cas cas[] = {{TypeVoie::Inactif, TypeVoie::LectureClavier, Acquisition::RienEnService},
                       {TypeVoie::Automatique, 0, Acquisition::SansCarte},
                       {TypeVoie::PasAPas, TypeVoie::LectureInstantanee, Acquisition::SansCarte},
                       {TypeVoie::PasAPas, TypeVoie::LectureClavier, Acquisition::PasAPas}};
    for (const Cas& c : cas) {
        hote.Vider();
        ea0->Etat = c.etat;
        ea0->Lecture = c.lecture;
        EXPECT_EQ(acquisition.Lancer(), c.attendu) << int(c.etat) << " " << int(c.lecture);
        if (c.attendu == Acquisition::SansCarte) {
            EXPECT_EQ(hote.Textes(HoteScripte::Genre::Erreur),
                      QStringList{QStringLiteral("PAS DE CARTE D'ACQUISITION EN SERVICE.")});
        }
    }
}

TEST_F(AcquisitionTest, ConserverLesAcquisitionsPrecedentes) {
    SeulementEntrees({0, 2});
    ASSERT_EQ(acquisition->Lancer(), 0);
    const std::vector<double> premiere = Points(Entree(2));
    travail->Parametres().garderPrecedentes = 1;

    hote.reponses = {true};
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(hote.Textes(HoteScripte::Genre::Question),
              QStringList{QStringLiteral("Conserver les acquisitions précédentes")});
    const int copie = Table().IndexVariable(QStringLiteral("EA2_1"));
    ASSERT_NE(copie, 0);
    ASSERT_NE(Table().IndexVariable(QStringLiteral("EA0_1")), 0);
    EXPECT_EQ(Points(*Table().Variable(copie)), premiere);
    EXPECT_TRUE(Table().Variable(copie)->Genre & genre::Acquise);
    // The triangle has moved on: the new block differs from the copy.
    EXPECT_NE(Points(Entree(2)), premiere);

    // No: nothing is copied.
    hote.reponses = {false};
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(Table().IndexVariable(QStringLiteral("EA0_2")), 0);

    // A name already in use is never overwritten: the copy takes the next number.
    const int utilisateur = Table().CreerVariable(QStringLiteral("EA0_2"), 1, genre::Calculee);
    Table().Variable(utilisateur)->EcrirePoint(0, 42.0);
    hote.reponses = {true};
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_DOUBLE_EQ(Table().Variable(Table().IndexVariable(QStringLiteral("EA0_2")))->LirePoint(0),
                     42.0);
    EXPECT_NE(Table().IndexVariable(QStringLiteral("EA0_3")), 0);
}

TEST_F(AcquisitionTest, FeuilleDeCalculApresChaqueBloc) {
    SeulementEntrees({0});
    FeuilleCalcul& feuille = travail->Feuille();
    feuille.FixerLignes({QStringLiteral("Y=EA0*2+1"), QStringLiteral(".INHIB"),
                         QStringLiteral("Z=EA0"), QStringLiteral(".ON"),
                         QStringLiteral("W=EA0-1")});
    std::vector<double> vuApresBloc;
    acquisition->apresRafraichissement = [&] {
        const int y = Table().IndexVariable(QStringLiteral("Y"));
        if (y) vuApresBloc.push_back(Table().Variable(y)->LirePoint(5));
    };
    travail->PrendreDemandes();
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_TRUE(acquisition->FeuilleApresBloc());
    const int y = Table().IndexVariable(QStringLiteral("Y"));
    ASSERT_NE(y, 0);
    ASSERT_EQ(Table().Variable(y)->NbPoints, 200);
    for (int i = 1; i <= 200; i += 11)
        EXPECT_DOUBLE_EQ(Table().Variable(y)->LirePoint(i), Entree(0).LirePoint(i) * 2 + 1);
    ASSERT_EQ(vuApresBloc.size(), 1u);
    EXPECT_DOUBLE_EQ(vuApresBloc[0], Entree(0).LirePoint(5) * 2 + 1);
    // .INHIB does not stop the pass run by an acquisition.
    EXPECT_NE(Table().IndexVariable(QStringLiteral("Z")), 0);
    EXPECT_NE(Table().IndexVariable(QStringLiteral("W")), 0);
    EXPECT_FALSE(feuille.etat.inhibitionIgnoree);
    EXPECT_FALSE(feuille.etat.silencieux);
    // It ran: the desk is not asked to run it again.
    EXPECT_FALSE(travail->Demandes() & demande::Feuille);
}

TEST_F(AcquisitionTest, CalculsInhibesEnModePermanent) {
    SeulementEntrees({0});
    travail->Feuille().FixerLignes({QStringLiteral("Y=EA0*2")});
    travail->Parametres().permanent = 1;
    // Escape is pressed once the second block is done (the sheet polls it too).
    int blocs = 0;
    acquisition->apresRafraichissement = [&] {
        if (++blocs == 2) hote.interrompre = true;
    };
    struct Cas {
        std::uint8_t modeCalcul;
        bool apresBloc;
    };
    for (const Cas& c : {Cas{2, false}, Cas{0, true}}) {
        SCOPED_TRACE(int(c.modeCalcul));
        travail->Parametres().modeCalcul = c.modeCalcul;
        blocs = 0;
        hote.interrompre = false;
        travail->PrendreDemandes();
        Table().SupprimerVariable(QStringLiteral("Y"));
        ASSERT_EQ(acquisition->Lancer(), 0);
        EXPECT_EQ(acquisition->BlocsAcquis(), 2);
        EXPECT_EQ(acquisition->FeuilleApresBloc(), c.apresBloc);
        EXPECT_EQ(Table().IndexVariable(QStringLiteral("Y")) != 0, c.apresBloc);
        // Either way the desk gets a sheet run when the permanent run ends.
        EXPECT_EQ(static_cast<bool>(travail->Demandes() & demande::Feuille), !c.apresBloc);
    }
}

TEST_F(AcquisitionTest, PointParPointEtTransitoires) {
    SeulementEntrees({0});
    for (bool transitoires : {false, true}) {
        SCOPED_TRACE(transitoires);
        travail->Parametres().inhiberTransitoires = transitoires ? 1 : 0;
        int appels = 0;
        bool convertis = true;
        acquisition->point = [&](int p) {
            ++appels;
            // The point is already in the variable when the desk draws it.
            convertis = convertis && Entree(0).NbPoints == p &&
                        std::abs(Entree(0).LirePoint(p) - SinusEA0(p, 100e-6)) < 0.05;
        };
        ASSERT_EQ(acquisition->Lancer(), 0);
        const int tables = transitoires ? 3 : 1;
        EXPECT_EQ(acquisition->AppelsAcquerirTable(), tables);
        EXPECT_EQ(appels, 200 * tables);
        if (!transitoires) {
            EXPECT_TRUE(convertis);
        }
        EXPECT_EQ(Entree(0).NbPoints, 200);
    }
}

TEST_F(AcquisitionTest, InterruptionDansLeRappelGardeLesPointsAcquis) {
    // Above 200 µs the point callback polls the interruption check. A block is finished
    // before the run ends, unless it is long (over 2 s): that one is cut short.
    SeulementEntrees({0});
    struct Cas {
        double periode;
        bool coupe;
    };
    for (const Cas& c : {Cas{500.0, false}, Cas{20000.0, true}}) {
        SCOPED_TRACE(c.periode);
        regles::AppliquerPeriode(*travail, c.periode);
        hote.interrompre = false;
        hote.appelsInterruption = 0;
        hote.interrompreApres = 49;
        int bips = 0;
        acquisition->bip = [&] { ++bips; };
        const int code = acquisition->Lancer();
        EXPECT_TRUE(acquisition->Arretee());
        EXPECT_EQ(bips, c.coupe ? 1 : 0);
        EXPECT_EQ(code, c.coupe ? Acquisition::Interrompue : 0);
        if (c.coupe) {
            EXPECT_GE(acquisition->PointsAcquis(), 50);
            EXPECT_LT(acquisition->PointsAcquis(), 200);
        } else {
            EXPECT_EQ(acquisition->PointsAcquis(), 200);
        }
        EXPECT_EQ(Entree(0).NbPoints, acquisition->PointsAcquis());
        for (int i = 1; i <= Entree(0).NbPoints; i += 3)
            ASSERT_NEAR(Entree(0).LirePoint(i), SinusEA0(i, c.periode * 1e-6), 2 * Quantum);
    }
}

TEST_F(AcquisitionTest, SortieEmiseDurantAcquisitionRevientSurEA6) {
    SeulementEntrees({6});
    TypeSortie& sa1 = Sortie(1);
    sa1.Forme = 5;
    sa1.ModeEmission = 1;
    sa1.ValeurApresArret = 1;
    sa1.FixerCapacite(200);
    for (int i = 1; i <= 200; ++i)
        sa1.EcrirePoint(i, i <= 100 ? 1.25 : -0.5);
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(acquisition->CarteA()[9], 1);
    EXPECT_EQ(acquisition->CarteA()[6], 6);
    // The input samples what the output emits in the same scan (allow one point of delay).
    int justes = 0;
    for (int i = 1; i <= 200; ++i)
        if (std::abs(Entree(6).LirePoint(i) - (i <= 100 ? 1.25 : -0.5)) < 5 * Quantum) ++justes;
    EXPECT_GE(justes, 198);
    // "Valeur nulle" after the stop.
    EXPECT_NEAR(couche->Entrees().LireEA_Reel(6, 1), 0.0, 5 * Quantum);
}

TEST_F(AcquisitionTest, SortieRepetantUneEntree) {
    // SA1 repeats EA0 during the acquisition; EA6 is wired to SA1.
    SeulementEntrees({0, 6});
    TypeSortie& sa1 = Sortie(1);
    sa1.Forme = 6;
    sa1.CaseSource = static_cast<std::int16_t>(Table().IndexVariable(Entree(0).Nom));
    sa1.ModeEmission = 1;
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(acquisition->CarteA()[9], PELAVORINE_REPETER_ENTREE + 0);
    ASSERT_EQ(sa1.NbPoints, 200);
    for (int i = 1; i <= 200; ++i) {
        ASSERT_NEAR(sa1.LirePoint(i), Entree(0).LirePoint(i), 2 * Quantum) << i;
        // The output is scanned after the inputs: EA6 sees it one scan later.
        if (i > 1) {
            ASSERT_NEAR(Entree(6).LirePoint(i), Entree(0).LirePoint(i - 1), 2 * Quantum) << i;
        }
    }
}

TEST_F(AcquisitionTest, FenetresDessineesParLeRun) {
    SeulementEntrees({0, 1});
    TableFenetres& fenetres = travail->TableDesFenetres();
    ASSERT_NE(fenetres.Creer(2), nullptr); // window 2 becomes current
    ASSERT_NE(fenetres.Creer(3), nullptr);
    Entree(0).FixerFenetres(1);
    Entree(1).FixerFenetres(2);
    Entree(2).FixerFenetres(4); // inactive: window 3 stays out
    fenetres.Activer(2);
    // The scales of the windows drawn are kept as they were before the run.
    for (int f : {1, 2, 3}) {
        EchelleAxe& y = fenetres.Donnees(f)->echelleY;
        y.minimum = -f;
        y.maximum = f;
    }
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(acquisition->FenetresDuJeu(), 0b011u);
    for (int f : {1, 2, 3}) {
        const EchelleAxe& y = fenetres.Donnees(f)->echelleY;
        EXPECT_EQ(y.minimumSauve, f == 3 ? 0.0 : -f) << f;
        EXPECT_EQ(y.maximumSauve, f == 3 ? 0.0 : f) << f;
    }
    acquisition->bureau.pleinEcranPossible = true;
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(acquisition->FenetresDuJeu(), 0b010u);
}

TEST_F(AcquisitionTest, SecondLancementPendantUnRunEstIgnore) {
    SeulementEntrees({0});
    int refus = 0;
    acquisition->point = [&](int p) {
        if (p == 10) refus = acquisition->Lancer();
    };
    ASSERT_EQ(acquisition->Lancer(), 0);
    EXPECT_EQ(refus, Acquisition::DejaEnCours);
    EXPECT_EQ(acquisition->AppelsAcquerirTable(), 1);
    EXPECT_EQ(Entree(0).NbPoints, 200);
}

// The library keeps the point callback of the last run: a block it acquires afterwards, once
// the run has ended whichever way, reaches no run (and no destroyed one, under the sanitizer).
TEST_F(AcquisitionTest, LeRappelNAtteintPlusUnRunTermine) {
    SeulementEntrees({0});
    const PointsEntree& e = couche->Entrees();
    int points = 0;
    auto blocApresLeRun = [&] {
        e.ProgrammerDeclenchement(PELAVORINE_SOURCE_AUCUNE, 0.0, PELAVORINE_CONDITION_MONTANT);
        std::vector<std::int16_t> tampon(1 + 200, 0);
        tampon[0] = 1; // EA0 alone in the ring the run left
        std::int32_t acquis = 0;
        EXPECT_EQ(e.AcquerirTable(tampon.data(), &acquis), 0);
        EXPECT_EQ(acquis, 200) << "the library ran the block with the run's preparation";
    };
    struct Cas {
        const char* fin;
        std::function<void()> preparer;
        int code;
    };
    const Cas cas[] = {
        {"done", [] {}, 0},
        {"trigger never met",
         [&] {
             travail->Parametres().sourceDeclenchement = 0;
             travail->Parametres().niveauDeclenchement = 5.0; // EA0 stays within 2 V
         },
         6},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fin);
        travail->Parametres().sourceDeclenchement = PELAVORINE_SOURCE_AUCUNE;
        c.preparer();
        acquisition->point = [&](int) { ++points; };
        acquisition->Lancer();
        EXPECT_EQ(acquisition->CodeErreur(), c.code);
        points = 0;
        blocApresLeRun();
        EXPECT_EQ(points, 0);
    }

    // A hook that throws ends the run too.
    travail->Parametres().sourceDeclenchement = PELAVORINE_SOURCE_AUCUNE;
    acquisition->point = [&](int p) {
        ++points;
        if (p == 10) throw std::runtime_error("arrêt");
    };
    EXPECT_THROW(acquisition->Lancer(), std::runtime_error);
    points = 0;
    blocApresLeRun();
    EXPECT_EQ(points, 0);

    // So does a run whose object is gone.
    acquisition->point = [&](int) { ++points; };
    ASSERT_EQ(acquisition->Lancer(), 0);
    acquisition.reset();
    points = 0;
    blocApresLeRun();
    EXPECT_EQ(points, 0);
}

TEST(MessagesAcquisition, TexteDeChaqueCode) {
    EXPECT_TRUE(MessageErreurAcquisition(0).isEmpty());
    EXPECT_EQ(MessageErreurAcquisition(1), QStringLiteral("ACQUISITION INTERROMPUE."));
    EXPECT_EQ(MessageErreurAcquisition(2, 20), QStringLiteral("Durée minimale possible de 20µs"));
    EXPECT_EQ(MessageErreurAcquisition(5),
              QStringLiteral("TROP DE POINTS A ACQUERIR (Max 32000)\nRéduire le nombre de points "
                             "ou de voies en service"));
    for (int autre : {6, 7, -3})
        EXPECT_EQ(MessageErreurAcquisition(autre), QStringLiteral("ERREUR LORS DE L'ACQUISITION"));
}

} // namespace
