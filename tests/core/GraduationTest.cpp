#include "TravailDeTest.h"

#include "core/windows/DonneesFenetre.h"
#include "core/windows/Echelles.h"
#include "core/windows/Graduation.h"
#include "core/windows/Legende.h"
#include "core/windows/Projection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace pelavorine;

namespace {

constexpr int CW = 8;
constexpr int CH = 16;
constexpr int LargeurCaractere = 7;

MesuresTexte Mesures() {
    MesuresTexte m;
    m.cw = CW;
    m.ch = CH;
    m.largeur = [](const QString& t) { return LargeurCaractere * static_cast<int>(t.size()); };
    return m;
}

QStringList Textes(const std::vector<TexteCadre>& textes) {
    QStringList l;
    for (const TexteCadre& t : textes)
        l << t.texte;
    return l;
}

// A curve window of the given client size over manual scales, its frame computed.
class GraduationTest : public TravailDeTest {
protected:
    DonneesFenetre fenetre{1};
    Projection projection;
    ContexteGraduation contexte;
    PlanCadre plan;

    void SetUp() override {
        fenetre.abscisse.variable = table.CaseTemps();
        fenetre.options = DonneesFenetre::GraduerX | DonneesFenetre::GraduerY;
        contexte.variables = &table;
    }

    int Abscisse(const QString& nom, const QString& unite) {
        const int slot = Table(nom, {1, 2, 3});
        Var(slot).Unite = unite;
        fenetre.abscisse.nom = nom;
        fenetre.abscisse.variable = slot;
        return slot;
    }

    bool Graduer(double xmin, double xmax, double ymin, double ymax, int w = 640, int h = 400) {
        FixerEchelleManuelle(fenetre.echelleX, xmax, xmin, false);
        FixerEchelleManuelle(fenetre.echelleY, ymax, ymin, false);
        return Cadre(w, h);
    }

    bool Cadre(int w = 640, int h = 400) {
        const bool ok = PreparerMonde(fenetre, table);
        projection.DefinirClient(w, h);
        projection.DefinirForme(w + 8, h + 30);
        projection.FixerMarges(CW, CH, 0);
        projection.DefinirMonde(fenetre);
        projection.Selectionner();
        plan = GrilleEtGraduations(fenetre, projection, contexte, Mesures());
        return ok;
    }

    // Labels of the Y axis (left of the axis, above the X axis), boxes excepted, top to bottom.
    std::vector<TexteCadre> EtiquettesY() const {
        std::vector<TexteCadre> r;
        for (const TexteCadre& t : plan.textes)
            if (t.position.x() < projection.L() &&
                t.position.y() < projection.H() - projection.B() &&
                t.police == TexteCadre::Etiquette && t.texte != "x10")
                r.push_back(t);
        std::stable_sort(r.begin(), r.end(), [](const TexteCadre& a, const TexteCadre& b) {
            return a.position.y() < b.position.y();
        });
        return r;
    }
    // Texts under the X axis, left to right.
    std::vector<TexteCadre> EtiquettesX() const {
        std::vector<TexteCadre> r;
        for (const TexteCadre& t : plan.textes)
            if (t.position.y() >= projection.H() - projection.B()) r.push_back(t);
        std::stable_sort(r.begin(), r.end(), [](const TexteCadre& a, const TexteCadre& b) {
            return a.position.x() < b.position.x();
        });
        return r;
    }
    std::set<int> LignesGraduationY() const {
        std::set<int> r;
        for (const TraitCadre& t : plan.traits)
            if (t.ligne.dy() == 0 && t.ligne.x2() == projection.L() && t.type == TraitCadre::Plein)
                r.insert(t.ligne.y1());
        return r;
    }
};

TEST_F(GraduationTest, NombreDeGraduationsSelonLaTaille) {
    struct Cas {
        int w, h, nx, ny;
    };
    const Cas cas[] = {{399, 299, 6, 6},
                       {400, 300, 8, 10},
                       {639, 200, 8, 6},
                       {640, 500, 10, 10},
                       {1200, 299, 10, 6}};
    for (const Cas& c : cas) {
        Graduer(0, 10, 0, 10, c.w, c.h);
        EXPECT_EQ(plan.nx, c.nx) << c.w;
        EXPECT_EQ(plan.ny, c.ny) << c.h;
    }
    // The step follows the target: 0..50 over 6 ticks goes by 10, over 10 ticks by 5.
    Graduer(0, 50, 0, 50, 640, 200);
    EXPECT_EQ(Textes(EtiquettesY()), QStringList({"+40.00", "+30.00", "+20.00", "+10.00"}));
    Graduer(0, 50, 0, 50, 640, 400);
    EXPECT_EQ(EtiquettesY().size(), 9u);
    EXPECT_EQ(EtiquettesY().front().texte, "+45.00");
}

struct CasAxeY {
    double ymin, ymax;
    std::vector<double> graduations; // the ticked values, bottom to top
    QStringList etiquettes;          // top to bottom
};

TEST_F(GraduationTest, GraduationsEtEtiquettesDeLOrdonnee) {
    const CasAxeY cas[] = {
        {0,
         10,
         {1, 2, 3, 4, 5, 6, 7, 8, 9},
         {"+9.00", "+8.00", "+7.00", "+6.00", "+5.00", "+4.00", "+3.00", "+2.00", "+1.00"}},
        {-5,
         5,
         {-4, -3, -2, -1, 1, 2, 3, 4},
         {"+4.00", "+3.00", "+2.00", "+1.00", "0", "-1.00", "-2.00", "-3.00", "-4.00"}},
        // Steps that binary cannot write exactly: still no tick at the maximum.
        {0,
         1,
         {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9},
         {"+0.90", "+0.80", "+0.70", "+0.60", "+0.50", "+0.40", "+0.30", "+0.20", "+0.10"}},
        // 0.06 a tick rounds up to 0.1; the tick at 0 reads "0", not "+0.00" nor "-0.00".
        {-0.3, 0.3, {-0.2, -0.1, 0.1, 0.2}, {"+0.20", "+0.10", "0", "-0.10", "-0.20"}},
        // A label with more than 6 characters loses its decimals.
        {1000,
         1500,
         {1050, 1100, 1150, 1200, 1250, 1300, 1350, 1400, 1450},
         {"+1450", "+1400", "+1350", "+1300", "+1250", "+1200", "+1150", "+1100", "+1050"}},
    };
    for (const CasAxeY& c : cas) {
        Graduer(0, 10, c.ymin, c.ymax);
        std::set<int> attendues;
        for (double t : c.graduations)
            attendues.insert(projection.WPY(t));
        EXPECT_EQ(LignesGraduationY(), attendues) << c.ymin << ".." << c.ymax;
        const std::vector<TexteCadre> etiquettes = EtiquettesY();
        EXPECT_EQ(Textes(etiquettes), c.etiquettes) << c.ymin << ".." << c.ymax;
        for (const TexteCadre& e : etiquettes) {
            // Each label is centred on its tick; "0" stands one "12" further right.
            const int decalage = e.texte == "0" ? 2 * LargeurCaractere : 0;
            EXPECT_EQ(e.position.x(), CW / 2 + decalage) << e.texte.toStdString();
        }
        EXPECT_TRUE(plan.boites.empty());
    }
}

struct CasMultiplicateur {
    double ymax;
    bool notation;
    const char* unite;
    QStringList premieresEtiquettes;
    const char* exposant; // nullptr: no box
    char prefixe;
};

TEST_F(GraduationTest, MultiplicateurOuPrefixeDUnite) {
    const CasMultiplicateur cas[] = {
        {20000, false, "V", {"+18.00", "+16.00"}, "3", 0},
        {20000, true, "V", {"+18.00", "+16.00"}, nullptr, 'k'},
        {20000, true, "", {"+18.00", "+16.00"}, "3", 0},
        {0.05, false, "V", {"+45.00", "+40.00"}, "-3", 0},
        {0.05, true, "V", {"+45.00", "+40.00"}, nullptr, 'm'},
        {50, true, "V", {"+45.00", "+40.00"}, nullptr, 0},
    };
    const int u = Table("U", {0, 1});
    Var(u).AfficherDans(1, true);
    contexte.variableCourante = u;
    for (const CasMultiplicateur& c : cas) {
        SCOPED_TRACE(std::to_string(c.ymax) + (c.notation ? " notation" : ""));
        Var(u).Unite = c.unite;
        contexte.notation = c.notation;
        Graduer(0, 10, 0, c.ymax);
        const std::vector<TexteCadre> etiquettes = EtiquettesY();
        ASSERT_GE(etiquettes.size(), 2u);
        EXPECT_EQ(etiquettes[0].texte, c.premieresEtiquettes[0]);
        EXPECT_EQ(etiquettes[1].texte, c.premieresEtiquettes[1]);
        EXPECT_EQ(fenetre.echelleY.prefixe, c.prefixe);
        EXPECT_EQ(fenetre.echelleY.unite, c.unite);
        const int y0 = std::lround(0.7 * CH);
        const auto x10 = std::find_if(plan.textes.begin(), plan.textes.end(),
                                      [](const TexteCadre& t) { return t.texte == "x10"; });
        if (!c.exposant) {
            EXPECT_TRUE(plan.boites.empty());
            EXPECT_EQ(x10, plan.textes.end());
            // Without a box the labels may climb to the top of the axis.
            EXPECT_LT(etiquettes[0].position.y(), y0 + 2 * CH);
            continue;
        }
        ASSERT_EQ(plan.boites.size(), 1u);
        EXPECT_EQ(plan.boites[0], QRect(QPoint(2, y0), QPoint(projection.L() - 2, y0 + 26)));
        ASSERT_NE(x10, plan.textes.end());
        EXPECT_EQ(x10->position, QPoint(CW / 2, y0 + 3));
        const auto exposant =
            std::find_if(plan.textes.begin(), plan.textes.end(),
                         [](const TexteCadre& t) { return t.police == TexteCadre::Exposant; });
        ASSERT_NE(exposant, plan.textes.end());
        EXPECT_EQ(exposant->texte, c.exposant);
        EXPECT_EQ(exposant->position, QPoint(3 * CW + CW / 2, y0 + 3));
        // The box keeps the labels below it.
        for (const TexteCadre& e : etiquettes)
            EXPECT_GT(e.position.y() + std::lround(0.5 * CH), std::lround(2.2 * CH));
    }
}

TEST_F(GraduationTest, UniteDeLaCourbeCouranteAffichee) {
    // The Y scale follows V, but the current curve I is the one shown: its unit wins.
    const int v = Table("V", {0, 20000});
    const int i = Table("I", {0, 0.02});
    Var(v).Unite = "V";
    Var(i).Unite = "A";
    Var(v).AfficherDans(1, true);
    FixerEchelleManuelle(fenetre.echelleX, 10, 0, false);
    FixerEchelleManuelle(fenetre.echelleY, 20000, 0, false);
    fenetre.echelleY.variable = v;
    contexte.notation = true;
    contexte.variableCourante = i;
    Cadre();
    EXPECT_EQ(fenetre.echelleY.unite, "V"); // I is not displayed in this window
    Var(i).AfficherDans(1, true);
    Cadre();
    EXPECT_EQ(fenetre.echelleY.unite, "A");
    EXPECT_EQ(fenetre.echelleY.prefixe, 'k');
}

struct CasTemps {
    double tmax;
    bool notation;
    QStringList etiquettes;
    bool boite;
    const char* legende;
};

TEST_F(GraduationTest, AbscisseDuTemps) {
    const CasTemps cas[] = {
        {3600, true, {"+10.00", "+20.00", "+30.00", "+40.00", "+50.00"}, false, "Temps (min)"},
        {3600, false, {"+0.50", "+1.00", "+1.50", "+2.00", "+2.50", "+3.00"}, true, "Temps (s)"},
        {10,
         true,
         {"+1.00", "+2.00", "+3.00", "+4.00", "+5.00", "+6.00", "+7.00", "+8.00", "+9.00"},
         false,
         "Temps (s)"},
        {0.01,
         true,
         {"+1.00", "+2.00", "+3.00", "+4.00", "+5.00", "+6.00", "+7.00", "+8.00", "+9.00"},
         false,
         "Temps (ms)"},
    };
    for (const CasTemps& c : cas) {
        SCOPED_TRACE(std::to_string(c.tmax) + (c.notation ? " notation" : ""));
        contexte.notation = c.notation;
        Graduer(0, c.tmax, -1, 1);
        const std::vector<TexteCadre> x = EtiquettesX();
        QStringList etiquettes;
        for (const TexteCadre& t : x)
            if (t.police == TexteCadre::Etiquette && t.texte != "x10") etiquettes << t.texte;
        EXPECT_EQ(etiquettes, c.etiquettes);
        EXPECT_EQ(plan.boites.size(), c.boite ? 1u : 0u);
        EXPECT_EQ(TexteAbscisse(fenetre), QString::fromUtf8(c.legende));
    }
    // In minutes each tick stands at its time in seconds.
    contexte.notation = true;
    Graduer(0, 3600, -1, 1);
    for (const TexteCadre& t : EtiquettesX()) {
        const double minutes = t.texte.toDouble();
        EXPECT_EQ(t.position.x(), projection.WPX(60 * minutes) - 2 * CW) << minutes;
    }
}

TEST_F(GraduationTest, AbscisseLogarithmique) {
    Abscisse("F", "Hz");
    contexte.largeurEcran = 1000;
    struct Cas {
        int w;
        bool trois, cinqSept;
        QStringList decades;
    };
    const QStringList toutes = {"10^-2", "0.1", "1", "10", "10^2", "10^3"};
    // Below a quarter of the screen no digit is written, and 1000 is too close to the edge.
    const Cas cas[] = {{640, true, false, toutes},
                       {800, true, true, toutes},
                       {240, false, false, toutes.mid(0, 5)}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.w);
        fenetre.abscisse.genre = DefinitionAbscisse::Logarithmique;
        ASSERT_TRUE(Graduer(0.002, 2000, -1, 1, c.w, 400));
        EXPECT_NEAR(projection.Xmin(), std::log10(0.002), 1e-12);
        EXPECT_TRUE(plan.boites.empty());
        EXPECT_EQ(fenetre.echelleX.prefixe, 0);
        EXPECT_EQ(TexteAbscisse(fenetre), "F (Hz)");

        // Every label stands below its tick; read them as (text, exponent) pairs.
        QStringList lus;
        const std::vector<TexteCadre> x = EtiquettesX();
        int chiffres3 = 0, chiffres57 = 0;
        for (std::size_t k = 0; k < x.size(); ++k) {
            const TexteCadre& t = x[k];
            if (t.police == TexteCadre::Exposant && t.couleur == CouleurCadre::Rouge) {
                (t.texte == "3" ? chiffres3 : chiffres57)++;
                continue;
            }
            ASSERT_EQ(t.police, TexteCadre::Etiquette) << t.texte.toStdString();
            if (t.texte == "10" && k + 1 < x.size() && x[k + 1].police == TexteCadre::Exposant &&
                x[k + 1].couleur == CouleurCadre::Texte) {
                EXPECT_EQ(x[k + 1].position.x(), t.position.x() + 2 * CW);
                lus << "10^" + x[k + 1].texte;
                ++k;
            } else {
                lus << t.texte;
            }
        }
        EXPECT_EQ(lus, c.decades);
        // The 3s of the six decades from 0.003 to 300; the 5s and 7s likewise.
        EXPECT_EQ(chiffres3, c.trois ? 6 : 0);
        EXPECT_EQ(chiffres57, c.cinqSept ? 12 : 0);
    }
    // In black and white the intermediate digits lose their red.
    contexte.noirEtBlanc = true;
    Graduer(0.002, 2000, -1, 1, 800, 400);
    EXPECT_TRUE(std::none_of(plan.textes.begin(), plan.textes.end(),
                             [](const TexteCadre& t) { return t.couleur == CouleurCadre::Rouge; }));
}

struct CasMonde {
    const char* abscisse;
    std::uint8_t genre;
    double xmin, xmax;
    bool possible;
    double mondeMin, mondeMax;
    std::uint8_t genreApres, genreSauve;
};

TEST_F(GraduationTest, PreparationDuMonde) {
    const CasMonde cas[] = {
        {"F", DefinitionAbscisse::Logarithmique, 0.01, 100, true, -2, 2, 1, 0},
        // A minimum of 0 starts four decades below the maximum.
        {"F", DefinitionAbscisse::Logarithmique, 0, 100, true, -2, 2, 1, 0},
        {"F", DefinitionAbscisse::Logarithmique, -1, 100, false, -1, 100, 0, 1},
        {"F", DefinitionAbscisse::Logarithmique, -100, 0, false, -100, 0, 0, 1},
        {"T", DefinitionAbscisse::Logarithmique, 0.01, 100, true, 0.01, 100, 0, 1},
        {"T", DefinitionAbscisse::Polaire, 0, 10, true, 0, 10, 0, 2},
        {"F", DefinitionAbscisse::Polaire, -3, 3, true, -3, 3, 2, 0},
        {"F", DefinitionAbscisse::Lineaire, -3, 3, true, -3, 3, 0, 0},
    };
    const int f = Table("F", {1, 2});
    for (const CasMonde& c : cas) {
        SCOPED_TRACE(std::string(c.abscisse) + " " + std::to_string(c.xmin));
        fenetre.abscisse.nom = c.abscisse;
        fenetre.abscisse.variable = QString(c.abscisse) == "T" ? table.CaseTemps() : f;
        fenetre.abscisse.genre = c.genre;
        fenetre.abscisse.genreSauve = 0;
        FixerEchelleManuelle(fenetre.echelleX, c.xmax, c.xmin, false);
        FixerEchelleManuelle(fenetre.echelleY, 5, -5, false);
        EXPECT_EQ(PreparerMonde(fenetre, table), c.possible);
        EXPECT_DOUBLE_EQ(fenetre.Xmin(), c.mondeMin);
        EXPECT_DOUBLE_EQ(fenetre.Xmax(), c.mondeMax);
        EXPECT_DOUBLE_EQ(fenetre.Ymin(), -5);
        EXPECT_DOUBLE_EQ(fenetre.Ymax(), 5);
        EXPECT_EQ(fenetre.abscisse.genre, c.genreApres);
        EXPECT_EQ(fenetre.abscisse.genreSauve, c.genreSauve);
        // The next frame keeps the chosen genre saved.
        PreparerMonde(fenetre, table);
        EXPECT_EQ(fenetre.abscisse.genreSauve, c.genreSauve);
    }
}

struct CasNiveauZero {
    std::uint16_t options;
    std::uint8_t genre;
    double xmin, ymin;
    bool horizontal, vertical;
};

TEST_F(GraduationTest, NiveauxZero) {
    const CasNiveauZero cas[] = {
        {0x08 | 0x20, DefinitionAbscisse::Lineaire, -1, -5, true, true},
        {0x20, DefinitionAbscisse::Lineaire, -1, -5, false, false},
        {0x08, DefinitionAbscisse::Lineaire, -1, -5, false, false},
        {0x08 | 0x20, DefinitionAbscisse::Lineaire, 1, 1, false, false}, // 0 off the window
        {0x08 | 0x20, DefinitionAbscisse::Logarithmique, 0.1, -5, true, false},
    };
    Abscisse("F", "");
    for (const CasNiveauZero& c : cas) {
        SCOPED_TRACE(c.options);
        fenetre.options = c.options;
        fenetre.abscisse.genre = c.genre;
        Graduer(c.xmin, 10, c.ymin, 5);
        std::vector<QLine> tirets;
        for (const TraitCadre& t : plan.traits)
            if (t.type == TraitCadre::Tirete) tirets.push_back(t.ligne);
        const QLine h(projection.L(), projection.WPY(0), projection.W() - 10, projection.WPY(0));
        const QLine v(projection.WPX(0), 0, projection.WPX(0), projection.H() - projection.B());
        EXPECT_EQ(std::count(tirets.begin(), tirets.end(), h), c.horizontal ? 1 : 0);
        EXPECT_EQ(std::count(tirets.begin(), tirets.end(), v), c.vertical ? 1 : 0);
        EXPECT_EQ(tirets.size(), std::size_t(c.horizontal) + std::size_t(c.vertical));
    }
}

TEST_F(GraduationTest, GrilleEtMemoireDesLignes) {
    Abscisse("F", "");
    for (bool grille : {false, true}) {
        SCOPED_TRACE(grille);
        fenetre.options = DonneesFenetre::GraduerX | DonneesFenetre::GraduerY |
                          (grille ? DonneesFenetre::Grille : 0);
        Graduer(0, 10, 0, 10);
        std::vector<std::uint16_t> attendu;
        for (int t = 1; t <= 9; ++t)
            attendu.push_back(static_cast<std::uint16_t>(projection.WPY(t) | 0x8000));
        for (int t = 1; t <= 9; ++t)
            attendu.push_back(static_cast<std::uint16_t>(projection.WPX(t) | 0x4000));
        attendu.push_back(0);
        EXPECT_EQ(std::vector<std::uint16_t>(plan.grille.begin(), plan.grille.begin() + 19),
                  attendu);
        const int y1 = projection.H() - std::lround(0.9 * projection.B());
        const int y5 = projection.WPY(5), x5 = projection.WPX(5);
        const TraitCadre ligneY =
            grille ? TraitCadre{QLine(projection.L(), y5, projection.W(), y5),
                                TraitCadre::Pointille, CouleurCadre::Grille}
                   : TraitCadre{QLine(std::lround(0.95 * projection.L()), y5, projection.L(), y5),
                                TraitCadre::Plein, CouleurCadre::Axe};
        const TraitCadre ligneX =
            grille ? TraitCadre{QLine(x5, 0, x5, y1), TraitCadre::Pointille, CouleurCadre::Grille}
                   : TraitCadre{QLine(x5, y1, x5, std::lround(1.005 * y1)), TraitCadre::Plein,
                                CouleurCadre::Axe};
        const auto present = [&](const TraitCadre& l) {
            return std::any_of(plan.traits.begin(), plan.traits.end(), [&](const TraitCadre& t) {
                return t.ligne == l.ligne && t.type == l.type && t.couleur == l.couleur;
            });
        };
        EXPECT_TRUE(present(ligneY));
        EXPECT_TRUE(present(ligneX));
    }
    // Twenty decades tick far more lines than the memory holds: the first 40 are kept.
    fenetre.abscisse.genre = DefinitionAbscisse::Logarithmique;
    fenetre.options |= DonneesFenetre::Grille;
    Graduer(2e-10, 1e10, 0, 10);
    std::size_t verticales = 0;
    for (const TraitCadre& t : plan.traits)
        verticales += t.type == TraitCadre::Pointille && t.ligne.dx() == 0;
    ASSERT_GT(verticales + 9, plan.grille.size());
    EXPECT_TRUE(std::none_of(plan.grille.begin(), plan.grille.end(),
                             [](std::uint16_t e) { return e == 0; }));
    EXPECT_EQ(plan.grille[9],
              static_cast<std::uint16_t>(projection.WPX(std::log10(3e-10)) | 0x4000));
}

TEST_F(GraduationTest, AxesEtCouleurs) {
    struct Cas {
        std::int32_t fenetre; // Windows 0x00BBGGRR
        bool noirEtBlanc, impression;
        std::uint32_t axe, grille;
    };
    const Cas cas[] = {
        {0xFFFFFF, false, false, 0x000000, 0x808080}, {0x000000, false, false, 0xFFFFFF, 0x808080},
        {0xFF0000, false, false, 0xFFFF00, 0xFFFF00}, // blue window: yellow frame
        {0x00FFFF, false, false, 0x0000FF, 0x0000FF}, // yellow window: blue frame
        {0xFF0000, true, false, 0xFFFFFF, 0x808080},  {0xFF0000, false, true, 0x000000, 0x000000},
    };
    for (const Cas& c : cas) {
        fenetre.couleur = c.fenetre;
        contexte.noirEtBlanc = c.noirEtBlanc;
        contexte.impression = c.impression;
        Graduer(0, 10, 0, 10);
        EXPECT_EQ(plan.couleurAxe, c.axe) << std::hex << c.fenetre;
        EXPECT_EQ(plan.couleurTexte, c.axe) << std::hex << c.fenetre;
        EXPECT_EQ(plan.couleurGrille, c.grille) << std::hex << c.fenetre;
    }
    // Both axes end in an arrow: up the left margin and along the bottom margin.
    const int bas = projection.H() - projection.B();
    std::vector<QLine> fleches;
    for (const TraitCadre& t : plan.traits)
        if (t.type == TraitCadre::Fleche) fleches.push_back(t.ligne);
    EXPECT_EQ(fleches, std::vector<QLine>({QLine(projection.L(), projection.H(), projection.L(), 2),
                                           QLine(0, bas, projection.W() - 2, bas)}));
}

struct CasIngenieur {
    double p;
    const char* unite; // nullptr: no variable; "T": the time variable
    bool notation;
    double multiplicateur, diviseur;
    int prefixe;
    const char* uniteAxe;
};

TEST_F(GraduationTest, PuissanceIngenieur) {
    const CasIngenieur cas[] = {
        {1e4, "V", false, 1e3, 1e3, 0, "V"},  {1e4, " V ", true, 1, 1e3, 'k', "V"},
        {1e-2, "V", true, 1, 1e-3, 'm', "V"}, {1e-2, "", true, 1e-3, 1e-3, 0, ""},
        {1e-7, "V", true, 1, 1e-9, 'n', "V"}, {1e-4, "V", true, 1, 1e-6, 0xB5, "V"}, // micro
        {100, "V", true, 1, 1, 0, "V"},       {1e5, nullptr, true, 1e3, 1e3, 0, ""},
        {1e3, "T", true, 1, 1, 'Y', ""},      {1e7, "T", true, 1e3, 1e3, 'Y', ""},
        {1e-3, "T", true, 1, 1e-3, 'm', "s"}, {1, "T", true, 1, 1, 0, "s"},
        {1e3, "T", false, 1e3, 1e3, 0, "s"},
    };
    const int u = Table("U", {0, 1});
    for (const CasIngenieur& c : cas) {
        SCOPED_TRACE(std::to_string(c.p) + " " + (c.unite ? c.unite : "-"));
        EchelleAxe echelle;
        echelle.prefixe = 'G'; // left by an earlier frame
        echelle.unite = "old";
        int variable = 0;
        if (c.unite && QString(c.unite) == "T") {
            variable = table.CaseTemps();
        } else if (c.unite) {
            variable = u;
            Var(u).Unite = c.unite;
        }
        double diviseur = 0;
        const double m = PuissanceIngenieur(c.p, echelle, variable, table, c.notation, diviseur);
        EXPECT_DOUBLE_EQ(m, c.multiplicateur);
        EXPECT_DOUBLE_EQ(diviseur, c.diviseur);
        EXPECT_EQ(echelle.prefixe, c.prefixe);
        EXPECT_EQ(echelle.unite, c.uniteAxe);
    }
}

TEST(Graduation, TexteDesEtiquettes) {
    const std::pair<double, const char*> nombres[] = {
        {1, "+1.00"},     {-4, "-4.00"},   {0, "0"},
        {0.001, "0"},     {-0.004, "0"},   {1234.5, "+1234.50"},
        {0.125, "+0.13"}, {-2.5, "-2.50"}, {0.3000000000000001, "+0.30"},
    };
    for (const auto& [v, texte] : nombres)
        EXPECT_EQ(TexteGraduation(v), texte) << v;
    const std::pair<const char*, const char*> coupes[] = {
        {"+1234.50", "+1234"},
        {"+123.45", "+123"},
        {"-12.50", "-12.50"},
        {"x10", "x10"},
        {"+1234567", "+1234567"},
        {"123456789012345678901234.5", "12345678901234567890"},
        {"+1234567890123456.00", "+1234567890123456"},
    };
    for (const auto& [texte, coupe] : coupes)
        EXPECT_EQ(EtiquetteCoupee(texte), coupe) << texte;
}

} // namespace
