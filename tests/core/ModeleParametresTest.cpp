#include "core/acquisition/ModeleParametres.h"
#include "core/acquisition/ReglesParametres.h"
#include "core/interface/CoucheInterface.h"
#include "core/store/Demandes.h"
#include "core/store/Genres.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeSortie.h"
#include "core/store/TypeVoie.h"
#include "core/travail/HoteScripte.h"
#include "core/travail/Travail.h"
#include "core/windows/Echelles.h"
#include "core/windows/TableFenetres.h"

#include "ImpressionQt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace pelavorine;

namespace {

constexpr auto A = TypeVoie::Automatique;
constexpr auto P = TypeVoie::PasAPas;
constexpr auto I = TypeVoie::Inactif;
using M = ModeleParametres;

// --- A pretend interface: inputs 1..4, outputs 1 and 2; port 1 input, port 2 output, port 3
// an output that can be programmed; the states answered by OkEtatSysteme are chosen (and it
// does not run in real time).

struct Faux {
    TypeSysteme systeme{};
    int bits = 0;
    std::vector<int> sens{0, 1, 1};
    std::string texte;
};
Faux* faux = nullptr;

TypeSysteme* RenvoyerSysteme() {
    return &faux->systeme;
}
int32_t SystemePresent() {
    return 1;
}
const char* LireInfos(int32_t type, int32_t index, int32_t sous) {
    faux->texte.clear();
    if (type == 1) faux->texte = "EA" + std::to_string(index);
    if (type == 2) faux->texte = "SA" + std::to_string(index);
    if (type == 3 && sous == 1) faux->texte = "Port " + std::to_string(index);
    if (type == 3 && sous == 4 && index == 3) faux->texte = "1";
    if ((type == 4 || type == 5) && sous >= 1 && sous <= 2) faux->texte = sous == 1 ? "10V" : "1V";
    return faux->texte.c_str();
}
int32_t OkEtatSysteme(int32_t bit) {
    // Not a real-time interface: the minimal-period table is built without pauses.
    return ((faux->bits | PELAVORINE_ETAT_HORS_TEMPS_REEL) & bit) != 0;
}
int32_t LireSensPort(uint8_t p) {
    return p >= 1 && p <= faux->sens.size() ? faux->sens[p - 1u] : 5;
}
int32_t ProgrammerSensPort(uint8_t p, int32_t s) {
    if (p < 1 || p > faux->sens.size()) return 0;
    faux->sens[p - 1u] = s;
    return 1;
}
double LireDureeMinimale(int32_t n, int32_t m, int32_t k) {
    return 12.25 * n + 7.0 * m + 3.0 * (k - 1) * n;
}

PointsEntree EntreesFausses() {
    PointsEntree e = CoucheInterface::EntreesSansSysteme();
    e.RenvoyerSysteme = RenvoyerSysteme;
    e.SystemePresent = SystemePresent;
    e.LireInfos = LireInfos;
    e.OkEtatSysteme = OkEtatSysteme;
    e.LireSensPort = LireSensPort;
    e.ProgrammerSensPort = ProgrammerSensPort;
    e.LireDureeMinimale = LireDureeMinimale;
    return e;
}

// Helpers shared by both interfaces.
class ModeleDeTest : public ::testing::Test {
protected:
    HoteScripte hote;
    std::unique_ptr<Travail> travail;
    CoucheInterface* couche = nullptr;
    std::unique_ptr<ModeleParametres> modele;

    void Construire() {
        travail->FixerVoies(couche->Description());
        travail->PreparerNouveauTravail();
        modele = std::make_unique<ModeleParametres>(*travail, *couche);
        hote.Vider();
    }
    TableVariables& Table() { return travail->Variables(); }
    TypeVoie& Entree(int n) { return *regles::Entree(Table(), n); }
    void Modes(std::initializer_list<std::uint8_t> modes) {
        int n = couche->PremiereEntree();
        for (std::uint8_t m : modes)
            Entree(n++).Etat = m;
        for (; n <= couche->DerniereEntree(); ++n)
            Entree(n).Etat = I;
    }
    std::vector<std::uint8_t> EtatsEntrees() {
        std::vector<std::uint8_t> e;
        for (int n = couche->PremiereEntree(); n <= couche->DerniereEntree(); ++n)
            e.push_back(Entree(n).Etat);
        return e;
    }
    std::vector<int> SourcesOffertes() {
        std::vector<int> s;
        for (const M::Source& x : modele->Sources())
            s.push_back(x.source);
        return s;
    }
    std::vector<double> Points(const TypeId& v) {
        std::vector<double> p;
        for (int i = 1; i <= v.NbPoints; ++i)
            p.push_back(v.LirePoint(i));
        return p;
    }
    int Table(const QString& nom, std::initializer_list<double> points) {
        const int slot =
            Table().CreerVariable(nom, static_cast<int>(points.size()), genre::Acquise);
        int i = 1;
        for (double p : points)
            Table().Variable(slot)->EcrirePoint(i++, p);
        Table().Variable(slot)->CalculerStatistiques();
        return slot;
    }
};

// Over the simulated interface: inputs EA0..EA7 (EA0 automatic), two outputs, two ports.
class ModeleParametresTest : public ModeleDeTest {
protected:
    void SetUp() override {
        setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
        travail = std::make_unique<Travail>(hote);
        couche = &travail->Interface();
        couche->Lister({QStringLiteral(PELAVORINE_DOSSIER_SIMULATION)});
        couche->Selectionner(QStringLiteral("SIMULATION"));
        ASSERT_TRUE(couche->Charger());
        Construire();
    }
};

// Over the pretend interface, whose stem and states each test chooses.
class ModeleParametresFauxTest : public ModeleDeTest {
protected:
    Faux etat;

    void SetUp() override {
        faux = &etat;
        setenv("PELAVORINE_SIMULATION_FAST", "1", 1);
        TypeSysteme& s = etat.systeme;
        s.premiereEntree = 1;
        s.derniereEntree = 4;
        s.premiereSortie = 1;
        s.derniereSortie = 2;
    }
    void TearDown() override { faux = nullptr; }
    void Charger(int bits, const QString& souche = QStringLiteral("FAUX")) {
        etat.bits = bits;
        modele.reset();
        travail = std::make_unique<Travail>(hote);
        couche = &travail->Interface();
        ASSERT_TRUE(couche->Utiliser(EntreesFausses(), souche));
        Construire();
    }
};

TEST_F(ModeleParametresTest, NiveauTapeEnUnitePhysiqueSurUneEntree) {
    TypeVoie& ea0 = Entree(0);
    ea0.Unite = QStringLiteral("kPa");
    EXPECT_EQ(modele->UniteNiveau(0), "kPa");
    EXPECT_EQ(modele->Conditions(0), (QStringList{"Sens montant", "Sens descendant"}));
    struct Cas {
        double echelle, decalage;
        const char* tape;
        int indexCondition;
        double volts;
    };
    const Cas cas[] = {
        {10, 0, "50", 0, 5.0},      // a sensor of scale 10: 50 typed is 5 V at the input
        {2, 1, " 2,5 ", 1, 0.75},   // offset taken off before the scale
        {10, 0, "cinquante", 0, 0}, // not a number: 0
    };
    for (const Cas& c : cas) {
        ea0.Echelle = c.echelle;
        ea0.DecalageCapteur = c.decalage;
        M::Acquis a = modele->LireAcquis();
        a.source = 0;
        a.indexCondition = c.indexCondition;
        a.niveau = QString::fromLatin1(c.tape);
        modele->AppliquerAcquis(a);
        const ParametresAcquisition& p = travail->Parametres();
        EXPECT_EQ(p.sourceDeclenchement, 0) << c.tape;
        EXPECT_EQ(static_cast<int>(p.condition), c.indexCondition) << c.tape;
        EXPECT_DOUBLE_EQ(p.niveauDeclenchement, c.volts) << c.tape;
        EXPECT_EQ(p.niveauBrut, couche->Entrees().VoltBinEA(c.volts, ea0.Calibre)) << c.tape;
        // Read again, the page shows the level in the sensor's unit.
        EXPECT_DOUBLE_EQ(modele->LireAcquis().niveau.toDouble(), c.volts * c.echelle + c.decalage)
            << c.tape;
    }
}

TEST_F(ModeleParametresTest, DeclenchementSurPortLogique) {
    ASSERT_TRUE(couche->ProgrammerSensPort(1, 1)); // an output that can be programmed
    const int source = 9 + 1;
    EXPECT_EQ(modele->Conditions(source), (QStringList{"Actif sur état 0", "Actif sur état 1"}));
    struct Cas {
        int indexCondition;
        ParametresAcquisition::Declenchement condition;
        int brut;
    };
    for (const Cas& c : {Cas{1, ParametresAcquisition::Declenchement::Etat1, 0x81},
                         Cas{0, ParametresAcquisition::Declenchement::Etat0, 0}}) {
        M::Acquis a = modele->LireAcquis();
        a.source = source;
        a.indexCondition = c.indexCondition;
        a.bits = 0x81;
        modele->AppliquerAcquis(a);
        const ParametresAcquisition& p = travail->Parametres();
        EXPECT_EQ(p.sourceDeclenchement, source);
        EXPECT_EQ(p.condition, c.condition);
        EXPECT_EQ(p.bitsDeclenchement, 0x81);
        EXPECT_EQ(p.niveauBrut, c.brut);
        EXPECT_EQ(couche->LireSensPort(1), 0); // the port now reads
        EXPECT_EQ(modele->LireAcquis().indexCondition, c.indexCondition);
    }
}

TEST_F(ModeleParametresTest, SourcesOffertesEtLeursTextes) {
    Modes({A, I, P});
    Entree(2).Nom = QStringLiteral("PRESSION");
    std::vector<std::pair<QString, int>> sources;
    for (const M::Source& s : modele->Sources())
        sources.emplace_back(s.texte, s.source);
    const std::vector<std::pair<QString, int>> attendues = {{" Aucune", -1},
                                                            {" Entrée n° 0  [EA0]", 0},
                                                            {" Entrée n° 2  [PRESSION]", 2},
                                                            {" Synchro externe", 70},
                                                            {"Port 1", 10},
                                                            {"Port 2", 11}};
    EXPECT_EQ(sources, attendues);
    EXPECT_TRUE(modele->IndicationSources().isEmpty());

    // An input inhibited by a sensor is not offered, and a source no longer offered is not
    // taken by the page.
    Entree(2).Capteur = 255;
    EXPECT_EQ(SourcesOffertes(), (std::vector<int>{-1, 0, 70, 10, 11}));
    EXPECT_EQ(modele->LireEntree(2).mode, I);
    M::Acquis a = modele->LireAcquis();
    a.source = 2;
    modele->AppliquerAcquis(a);
    EXPECT_EQ(travail->Parametres().sourceDeclenchement, -1);
}

TEST_F(ModeleParametresTest, NomsRefuses) {
    const int x = Table(QStringLiteral("X"), {1, 2, 3});
    struct Cas {
        int page;
        const char* nom;
        QString refus;
    };
    const Cas cas[] = {
        {M::PageEntrees, "", M::NomIncorrect},
        {M::PageEntrees, "1A", M::NomIncorrect},
        {M::PageEntrees, "ABCDEFGHIJKLM", M::NomIncorrect}, // 13 characters
        {M::PageEntrees, "X", M::NomDejaUtilise},
        {M::PageSorties, "A=B", M::NomIncorrect},
        {M::PageSorties, "ea1", M::NomDejaUtilise},
        {M::PageCourbes, "EA1", M::NomDejaUtilise},
        {M::PageCourbes, "T", M::NomDejaUtilise},
        {M::PageCourbes, "%Y", M::NomIncorrect},
    };
    for (const Cas& c : cas) {
        const QString nom = QString::fromLatin1(c.nom);
        QString refus;
        if (c.page == M::PageEntrees) {
            M::Entree e = modele->LireEntree(0);
            e.nom = nom;
            e.unite = QStringLiteral("mV");
            refus = modele->AppliquerEntree(0, e);
        } else if (c.page == M::PageSorties) {
            M::Sortie s = modele->LireSortie(1);
            s.nom = nom;
            s.unite = QStringLiteral("mV");
            refus = modele->AppliquerSortie(1, s);
        } else {
            M::Courbe k = modele->LireCourbe(x);
            k.nom = nom;
            k.unite = QStringLiteral("mV");
            refus = modele->AppliquerCourbe(x, k);
        }
        EXPECT_EQ(refus, c.refus) << c.nom;
    }
    // Nothing refused was applied.
    EXPECT_EQ(Entree(0).Nom, "EA0");
    EXPECT_EQ(Entree(0).Unite, "V");
    EXPECT_EQ(regles::Sortie(Table(), 1)->Unite, "V");
    EXPECT_EQ(Table().Variable(x)->Nom, "X");
    EXPECT_TRUE(Table().Variable(x)->Unite.isEmpty());

    // On the "Courbes" page an empty name keeps the old one; a name may be its own again.
    M::Courbe k = modele->LireCourbe(x);
    k.nom.clear();
    k.unite = QStringLiteral("mV");
    EXPECT_EQ(modele->AppliquerCourbe(x, k), "");
    EXPECT_EQ(Table().Variable(x)->Nom, "X");
    EXPECT_EQ(Table().Variable(x)->Unite, "mV");
    k.nom = QStringLiteral(" x ");
    EXPECT_EQ(modele->AppliquerCourbe(x, k), "");
    EXPECT_EQ(Table().IndexVariable(QStringLiteral("X")), x);
}

TEST_F(ModeleParametresTest, AnnulerRemetToutCommeALOuverture) {
    const int x = Table(QStringLiteral("X"), {1, 2, 3, 4, 5});
    const int ea0 = Table().IndexVariable(QStringLiteral("EA0"));
    DonneesFenetre& f1 = *travail->TableDesFenetres().Donnees(1);
    SuivreNom(f1.echelleY, QStringLiteral("EA0"), Table());
    const ParametresAcquisition avant = travail->Parametres();
    const double tbase = Table().TBase();
    const int points = Table().NbPoint();
    ASSERT_GT(points, 3);

    // A renamed input with new settings, a new record with fewer points, a window changed.
    M::Entree e = modele->LireEntree(0);
    e.nom = QStringLiteral("TENSION");
    e.unite = QStringLiteral("mV");
    e.echelle = 1000;
    ASSERT_EQ(modele->AppliquerEntree(0, e), "");
    EXPECT_EQ(Table().IndexVariable(QStringLiteral("TENSION")), ea0);
    EXPECT_EQ(f1.echelleY.nom, "TENSION"); // the window follows the new name

    M::Acquis a = modele->LireAcquis();
    a.points = 3;
    a.periode = 500;
    a.permanent = true;
    a.inhiberAffichage = true;
    modele->AppliquerAcquis(a);
    ASSERT_EQ(Points(*Table().Variable(x)), (std::vector<double>{1, 2, 3}));
    ASSERT_EQ(travail->Parametres().modeAffichage, 2);

    M::Fenetre f = modele->LireFenetre(1);
    f.calibreX = EchelleAxe::NomManuel;
    f.xmin = -1;
    f.xmax = 1;
    ASSERT_EQ(modele->AppliquerFenetre(1, f), "");

    travail->PrendreDemandes();
    modele->Annuler();
    EXPECT_EQ(Table().NbPoint(), points);
    EXPECT_EQ(Points(*Table().Variable(x)), (std::vector<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Table().Variable(x)->Capacite(), 5);
    EXPECT_EQ(Table().Variable(ea0)->Nom, "EA0");
    EXPECT_EQ(Entree(0).Unite, "V");
    EXPECT_DOUBLE_EQ(Entree(0).Echelle, 1.0);
    EXPECT_EQ(f1.echelleY.nom, "EA0");
    EXPECT_EQ(f1.echelleX.nom, "T");
    const ParametresAcquisition& p = travail->Parametres();
    EXPECT_DOUBLE_EQ(p.periode, avant.periode);
    EXPECT_EQ(p.periodeEntiere, avant.periodeEntiere);
    EXPECT_EQ(p.permanent, avant.permanent);
    EXPECT_EQ(p.modeAffichage, avant.modeAffichage);
    EXPECT_DOUBLE_EQ(Table().TBase(), tbase);
    EXPECT_EQ(travail->Demandes() & 0x00E1, 0x00E1);

    // After "Ok" what was kept stays: a later cancel goes back to it only.
    e = modele->LireEntree(0);
    e.unite = QStringLiteral("A");
    ASSERT_EQ(modele->AppliquerEntree(0, e), "");
    a = modele->LireAcquis();
    a.periode = 400;
    modele->AppliquerAcquis(a);
    EXPECT_NE(modele->Valider() & demande::ReglagesVoies, 0);
    modele->Annuler();
    EXPECT_EQ(Entree(0).Unite, "A");
    EXPECT_DOUBLE_EQ(travail->Parametres().periode, 400);
}

// A window box ticked on a page opens its window; a cancel used to leave it open.
TEST_F(ModeleParametresTest, AnnulerFermeLesFenetresQueLaFicheAOuvertes) {
    const int x = Table(QStringLiteral("X"), {1, 2, 3});
    TableFenetres& fenetres = travail->TableDesFenetres();
    fenetres.Creer(2);
    fenetres.Activer(1);
    ASSERT_EQ(fenetres.MasqueOuvertes(), 0x3u);
    const std::uint32_t ea0 = Entree(0).Fenetres;
    const auto ouvrir = [&] {
        modele = std::make_unique<ModeleParametres>(*travail, *couche); // the form opens
        M::Courbe k = modele->LireCourbe(x);
        k.fenetres = 0x2 | 0x4; // window 2 was open already
        ASSERT_EQ(modele->AppliquerCourbe(x, k), "");
        M::Entree e = modele->LireEntree(0);
        e.fenetres |= 0x8;
        ASSERT_EQ(modele->AppliquerEntree(0, e), "");
        M::Sortie s = modele->LireSortie(1);
        s.fenetres = 0x10;
        ASSERT_EQ(modele->AppliquerSortie(1, s), "");
        // A window the form opened and then edited.
        M::Fenetre f = modele->LireFenetre(5);
        f.calibreX = EchelleAxe::NomManuel;
        f.xmin = -1;
        f.xmax = 1;
        ASSERT_EQ(modele->AppliquerFenetre(5, f), "");
        ASSERT_EQ(fenetres.MasqueOuvertes(), 0x1Fu);
    };
    ouvrir();
    modele->Annuler();
    EXPECT_EQ(fenetres.MasqueOuvertes(), 0x3u);
    EXPECT_EQ(fenetres.FenetreCourante(), 1);
    EXPECT_EQ(Table().Variable(x)->Fenetres, 0u);
    EXPECT_EQ(Entree(0).Fenetres, ea0);

    // Kept by "Ok": a later cancel leaves them open.
    ouvrir();
    modele->Valider();
    modele->Annuler();
    EXPECT_EQ(fenetres.MasqueOuvertes(), 0x1Fu);
}

TEST_F(ModeleParametresTest, RestaurerReprendLaDerniereCopie) {
    const int x = Table(QStringLiteral("X"), {1, 2, 3});
    modele->Noter(x);
    M::Courbe k = modele->LireCourbe(x);
    k.nom = QStringLiteral("Y");
    k.unite = QStringLiteral("m");
    k.decalage = 2;
    ASSERT_EQ(modele->AppliquerCourbe(x, k), "");
    modele->Restaurer(x);
    EXPECT_EQ(Table().Variable(x)->Nom, "X");
    EXPECT_TRUE(Table().Variable(x)->Unite.isEmpty());
    EXPECT_DOUBLE_EQ(Table().Variable(x)->Decalage, 0.0);

    // Noted again after a change: "Restaurer" goes back there, the cancel to the first state.
    k.nom = QStringLiteral("Y");
    ASSERT_EQ(modele->AppliquerCourbe(x, k), "");
    modele->Noter(x);
    k.unite = QStringLiteral("km");
    ASSERT_EQ(modele->AppliquerCourbe(x, k), "");
    modele->Restaurer(x);
    EXPECT_EQ(Table().Variable(x)->Nom, "Y");
    EXPECT_EQ(Table().Variable(x)->Unite, "m");
    modele->Annuler();
    EXPECT_EQ(Table().Variable(x)->Nom, "X");
    EXPECT_TRUE(Table().Variable(x)->Unite.isEmpty());
    EXPECT_EQ(Points(*Table().Variable(x)), (std::vector<double>{1, 2, 3}));
}

TEST_F(ModeleParametresTest, EchellesDesFenetres) {
    const int x = Table(QStringLiteral("X"), {1, 2, 3});
    const int y = Table(QStringLiteral("Y"), {-4, 0, 8});
    Table().Variable(y)->Fenetres = 1;
    DonneesFenetre& f1 = *travail->TableDesFenetres().Donnees(1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Cas {
        const char* abscisse;
        const char* calibreX;
        double xmin, xmax;
        QString refus;
    };
    const Cas refuses[] = {
        {"X", "MANUELLE", 2, 1, M::LimitesIncorrectes},
        {"X", "MANUELLE", 1, 1, M::LimitesIncorrectes},
        {"X", "MANUELLE", nan, 1, M::LimitesIncorrectes},
        {"X", "MANUELLE", 0, inf, M::LimitesIncorrectes},
        {"ZZZ", "MANUELLE", 0, 1, M::NomIncorrect},
        {"X", "ZZZ", 0, 1, M::NomIncorrect},
    };
    const DonneesFenetre avant = f1;
    for (const Cas& c : refuses) {
        M::Fenetre f = modele->LireFenetre(1);
        f.abscisse = QString::fromLatin1(c.abscisse);
        f.calibreX = QString::fromLatin1(c.calibreX);
        f.xmin = c.xmin;
        f.xmax = c.xmax;
        EXPECT_EQ(modele->AppliquerFenetre(1, f), c.refus) << c.abscisse << " " << c.xmin;
        EXPECT_EQ(f1.echelleX, avant.echelleX);
        EXPECT_EQ(f1.abscisse, avant.abscisse);
    }

    // Manual X on the typed limits, Y following a variable, abscissa X.
    M::Fenetre f = modele->LireFenetre(1);
    f.abscisse = QStringLiteral("x");
    f.calibreX = EchelleAxe::NomManuel;
    f.xmin = -2;
    f.xmax = 6;
    f.calibreY = QStringLiteral("y");
    ASSERT_EQ(modele->AppliquerFenetre(1, f), "");
    EXPECT_EQ(f1.abscisse.nom, "X");
    EXPECT_EQ(f1.abscisse.variable, x);
    EXPECT_EQ(f1.echelleX.variable, 0);
    EXPECT_DOUBLE_EQ(f1.echelleX.minimum, -2);
    EXPECT_DOUBLE_EQ(f1.echelleX.maximum, 6);
    EXPECT_EQ(f1.echelleY.nom, "Y");
    EXPECT_EQ(f1.echelleY.variable, y);
    const M::Fenetre relue = modele->LireFenetre(1);
    EXPECT_EQ(relue.calibreY, "Y");
    EXPECT_DOUBLE_EQ(relue.ymin, -4);
    EXPECT_DOUBLE_EQ(relue.ymax, 8);

    // "TOTALITÉ": the Y scale takes every displayed curve in, X stays as typed.
    f.calibreY = M::Totalite;
    ASSERT_EQ(modele->AppliquerFenetre(1, f), "");
    EXPECT_LE(f1.echelleY.minimum, -4);
    EXPECT_GE(f1.echelleY.maximum, 8);
    EXPECT_DOUBLE_EQ(f1.echelleX.minimum, -2);
    EXPECT_DOUBLE_EQ(f1.echelleX.maximum, 6);

    EXPECT_EQ(modele->AppliquerFenetre(5, f), M::FenetreAbsente);
}

TEST_F(ModeleParametresTest, InformationCourbe) {
    struct Cas {
        std::initializer_list<double> points;
        double decalage, multiplicateur;
        QString attendu;
    };
    const Cas cas[] = {
        {{1, -2.5, 3}, 0, 1, "   Points = 3\tGenre = Acquise\n   Mini = -2.5\tMaxi = 3"},
        {{-1e300, 0, 1e300},
         0,
         1,
         "   Points = 3\tGenre = Acquise\n   Mini = -Infini\tMaxi = +Infini"},
        {{1, 2},
         1.5,
         2,
         "   Points = 2\tGenre = Acquise\n   Mini = 1\tMaxi = 2\n"
         "   Facteur d'échelle :\tDecal. Y=1.5\t\tMult. Y=2"},
    };
    int k = 0;
    for (const Cas& c : cas) {
        const int slot = Table(QStringLiteral("C%1").arg(++k), c.points);
        Table().Variable(slot)->Decalage = c.decalage;
        Table().Variable(slot)->Multiplicateur = c.multiplicateur;
        EXPECT_EQ(modele->InformationCourbe(slot), c.attendu);
    }
    for (int slot : {0, Table().CaseTemps(), TableVariables::NbCases})
        EXPECT_EQ(modele->InformationCourbe(slot), M::PasDeCourbe) << slot;
}

TEST_F(ModeleParametresFauxTest, EntreesConsecutivesSeulement) {
    Charger(0x400);
    Modes({A, A, A, P});
    M::Entree e = modele->LireEntree(2);
    e.mode = I;
    ASSERT_EQ(modele->AppliquerEntree(2, e), "");
    // The automatic inputs after it become inactive, the step-by-step one stays.
    EXPECT_EQ(EtatsEntrees(), (std::vector<std::uint8_t>{A, I, I, P}));
    EXPECT_EQ(modele->EntreesOffertes(), (std::vector<int>{1, 2}));
    modele->Annuler();
    EXPECT_EQ(EtatsEntrees(), (std::vector<std::uint8_t>{A, A, A, P}));
    EXPECT_EQ(modele->EntreesOffertes(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(ModeleParametresFauxTest, SeuleLaPremiereEntreeActiveDeclenche) {
    struct Cas {
        int bits;
        std::initializer_list<std::uint8_t> modes;
        std::vector<int> sources;
    };
    const Cas cas[] = {
        {0x1000, {I, P, A, A}, {-1, 2, 3, 10, 12}},
        {0x1000, {A, A, P, I}, {-1, 1, 10, 12}},
        {0x1000, {P, P, I, P}, {-1, 1, 2, 4, 10, 12}},
        {0x800, {A, I, A, P}, {-1, 1, 3, 4, 70, 10, 12}},
    };
    for (const Cas& c : cas) {
        etat.sens = {0, 1, 1}; // port 2 is an output that cannot become an input
        Charger(c.bits);
        Modes(c.modes);
        EXPECT_EQ(SourcesOffertes(), c.sources) << c.bits;
        EXPECT_EQ(modele->IndicationSources(),
                  c.bits & 0x1000 ? "Seule la 1ére entrée active est utilisable" : "");
    }
    // That interface offers no logic port as a trigger.
    Charger(0, QStringLiteral("TORVA-PCI"));
    Modes({A});
    EXPECT_EQ(SourcesOffertes(), (std::vector<int>{-1, 1}));
}

TEST_F(ModeleParametresFauxTest, PeriodeEtDureeTotaleSeSuivent) {
    Charger(0);
    Modes({A, A}); // 24.5 µs at least, in whole µs; more with more samples per point
    const double lue = modele->ChargerAcquis().periode;
    EXPECT_DOUBLE_EQ(modele->PeriodeSaisie(), lue);
    const double limite3 = modele->PeriodeLimitee(0, 3);
    ASSERT_GT(limite3, 25);
    enum Saisie { Periode, Totale, Echantillons };
    struct Cas {
        Saisie saisie;
        double valeur; // µs, or samples per point
        bool gardee;
        double periode;
    };
    const Cas cas[] = {
        {Periode, 500, true, 500},        {Periode, 3, false, 25},
        {Periode, 1000.4, false, 1000},   {Totale, 1e6, true, 5000},
        {Totale, 1000, false, 25},        {Echantillons, 3, false, limite3},
        {Echantillons, 1, true, limite3},
    };
    for (const Cas& c : cas) {
        const int points = 200;
        bool gardee = false;
        if (c.saisie == Periode) gardee = modele->SaisirPeriode(c.valeur, 1);
        if (c.saisie == Totale) gardee = modele->SaisirTotale(c.valeur, points, 1);
        if (c.saisie == Echantillons) gardee = modele->SaisirEchantillons(int(c.valeur));
        EXPECT_EQ(gardee, c.gardee) << c.saisie << " " << c.valeur;
        EXPECT_DOUBLE_EQ(modele->PeriodeSaisie(), c.periode) << c.saisie << " " << c.valeur;
        EXPECT_DOUBLE_EQ(modele->TotaleSaisie(points), points * c.periode);
    }
}

TEST_F(ModeleParametresFauxTest, PeriodeBorneeParLeMinimum) {
    struct Cas {
        const char* souche;
        double tapee, periode;
    };
    // Two inputs: 24.5 µs at least, in whole µs or half µs depending on the interface.
    for (const Cas& c : {Cas{"FAUX", 3, 25}, Cas{"TORVA-PCI", 3, 24.5}, Cas{"FAUX", 1000.4, 1000},
                         Cas{"FAUX", 1e12, 600'000'000}}) {
        Charger(0, QString::fromLatin1(c.souche));
        Modes({A, A});
        EXPECT_EQ(modele->IndicationPeriode(1), "LIMITES : 24.500µs...10 min");
        EXPECT_EQ(modele->IndicationTotale(200, 1, 2), "Minimum 4.9 ms");
        EXPECT_DOUBLE_EQ(modele->PeriodeLimitee(c.tapee, 1), c.periode) << c.souche;
        M::Acquis a = modele->LireAcquis();
        a.points = 200;
        a.periode = c.tapee;
        modele->AppliquerAcquis(a);
        EXPECT_DOUBLE_EQ(travail->Parametres().periode, c.periode) << c.souche << c.tapee;
        EXPECT_DOUBLE_EQ(Table().TBase(), c.periode * 1e-6);
        const TypeId& t = *Table().Variable(Table().CaseTemps());
        EXPECT_DOUBLE_EQ(t.LirePoint(200), 199 * c.periode * 1e-6); // the total follows
        EXPECT_NE(modele->Demandes() & regles::DemandesPeriode, 0);
    }
}

} // namespace
