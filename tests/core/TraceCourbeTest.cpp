#include "TravailDeTest.h"

#include "core/store/Genres.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/TableFenetres.h"
#include "core/windows/TraceCourbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

using namespace pelavorine;

namespace {

// What a curve asked of its surface, call by call.
struct Appel {
    char type = 0; // 'P' polyline, 'M' mark, 'B' stick
    int style = 0;
    std::vector<QPoint> points;
    int base = 0;
    bool chapeau = false;
};

class Enregistreur : public SurfaceTrace {
public:
    std::vector<Appel> appels;

    void Polyligne(std::uint8_t style, std::span<const QPoint> points) override {
        appels.push_back({'P', style, {points.begin(), points.end()}, 0, false});
    }
    void Marque(std::uint8_t style, QPoint point) override {
        appels.push_back({'M', style, {point}, 0, false});
    }
    void Baton(QPoint point, int base, bool chapeau) override {
        appels.push_back({'B', 0, {point}, base, chapeau});
    }

    std::vector<std::vector<QPoint>> Polylignes() const {
        std::vector<std::vector<QPoint>> p;
        for (const Appel& a : appels)
            if (a.type == 'P') p.push_back(a.points);
        return p;
    }
    std::vector<std::pair<int, QPoint>> Marques() const {
        std::vector<std::pair<int, QPoint>> m;
        for (const Appel& a : appels)
            if (a.type == 'M') m.emplace_back(a.style, a.points.front());
        return m;
    }
};

// Every pixel of a one-pixel line from a to b.
void Rasteriser(QPoint a, QPoint b, std::set<std::pair<int, int>>& pixels) {
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        pixels.insert({x, y});
        if (x == b.x() && y == b.y()) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

std::set<std::pair<int, int>> PixelsDe(const std::vector<std::vector<QPoint>>& polylignes) {
    std::set<std::pair<int, int>> pixels;
    for (const auto& p : polylignes)
        for (std::size_t i = 1; i < p.size(); ++i)
            Rasteriser(p[i - 1], p[i], pixels);
    return pixels;
}

// A plot area of 100 × 100 pixels for the world 0..100 × 0..100: pixel x = X + 10,
// pixel y = 100 − Y (the bottom of the area is row 100).
class TraceCourbeTest : public TravailDeTest {
protected:
    Projection projection;
    ParametresTrace parametres;
    Enregistreur surface;

    void SetUp() override {
        projection.DefinirClient(110, 110);
        projection.DefinirForme(110, 110);
        projection.DefinirMarges(10, 10, 0);
        projection.DefinirMonde(0, 0, 100, 100);
        projection.Selectionner();
        parametres.projection = &projection;
        parametres.fenetre = 1;
        parametres.reduire = false;
    }

    static QPoint Pixel(double x, double y) {
        return {static_cast<int>(std::lround(x)) + 10, 100 - static_cast<int>(std::lround(y))};
    }

    // Window 1 plots against X, given point by point.
    void AbscisseX(std::initializer_list<double> xs) {
        const int x = Table("X", xs);
        travail.TableDesFenetres().FixerAbscisse(1, "X", x, "");
    }

    // Y against the window abscissa X.
    int Courbe(std::initializer_list<double> xs, std::initializer_list<double> ys,
               std::uint8_t style = 0) {
        AbscisseX(xs);
        const int y = Table("Y", ys);
        Var(y).Style = style;
        Var(y).AfficherDans(1, true);
        return y;
    }

    void Tracer(int slot) {
        surface.appels.clear();
        TracerVariable(Var(slot), table, parametres, surface);
    }
};

TEST_F(TraceCourbeTest, ChaqueStyleDonneSesAppels) {
    const int y = Courbe({10, 20, 30, 40, 50}, {10, 20, 30, 40, 50});
    Var(y).Decalage = 20;
    parametres.espacement = 2;
    std::vector<QPoint> tous;
    for (double v : {10, 20, 30, 40, 50})
        tous.push_back(Pixel(v, v + 20));
    const std::vector<QPoint> pairs = {tous[1], tous[3]}; // points 2 and 4

    struct Cas {
        std::uint8_t style;
        bool polyligne;
        int marque;                  // style of the marks, 0 = none
        std::vector<QPoint> marques; // where
        bool batons;
    };
    const std::vector<Cas> cas = {
        {0, true, 0, {}, false},      {1, false, 1, tous, false},   {2, false, 2, tous, false},
        {3, false, 3, tous, false},   {4, false, 4, tous, false},   {5, false, 5, tous, false},
        {6, true, 2, pairs, false},   {7, true, 4, pairs, false},   {8, true, 5, pairs, false},
        {9, false, 0, {}, true},      {10, false, 0, {}, true},     {11, true, 0, {}, false},
        {12, false, 12, tous, false}, {13, false, 13, tous, false}, {14, true, 0, {}, false},
        {15, false, 0, {}, false},    {200, false, 0, {}, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.style);
        Var(y).Style = c.style;
        Tracer(y);
        std::vector<std::vector<QPoint>> attendues;
        if (c.polyligne) attendues.push_back(tous);
        EXPECT_EQ(surface.Polylignes(), attendues);
        for (const Appel& a : surface.appels)
            if (a.type == 'P') {
                EXPECT_EQ(a.style, c.style);
            }
        std::vector<std::pair<int, QPoint>> marques;
        for (QPoint p : c.marques)
            marques.emplace_back(c.marque, p);
        EXPECT_EQ(surface.Marques(), marques);

        std::vector<QPoint> batons;
        for (const Appel& a : surface.appels) {
            if (a.type != 'B') continue;
            batons.push_back(a.points.front());
            EXPECT_EQ(a.base, 80); // the row of the curve's offset
            EXPECT_EQ(a.chapeau, c.style == 10 && a.points.front().y() != 80);
        }
        EXPECT_EQ(batons, c.batons ? tous : std::vector<QPoint>{});
    }
}

TEST_F(TraceCourbeTest, LesBatonsPartentDuDecalageOuDuBasPourLesBarres) {
    // Drawn at 70, 40 and 20 once the offset is added; the offset's row is 80.
    const int y = Courbe({10, 20, 30}, {50, 20, 0}, 10);
    Var(y).Decalage = 20;
    Tracer(y);
    ASSERT_EQ(surface.appels.size(), 3u);
    const std::vector<QPoint> pieds = {Pixel(10, 70), Pixel(20, 40), Pixel(30, 20)};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(surface.appels[i].points.front(), pieds[i]);
        EXPECT_EQ(surface.appels[i].base, 80);
    }
    EXPECT_TRUE(surface.appels[0].chapeau);
    EXPECT_FALSE(surface.appels[2].chapeau); // on its base row: no cap

    // Bars stand on the bottom of the plot area.
    Var(y).Genre |= genre::Barres;
    Tracer(y);
    ASSERT_EQ(surface.appels.size(), 3u);
    for (const Appel& a : surface.appels) {
        EXPECT_EQ(a.base, projection.H() - projection.B());
        EXPECT_TRUE(a.chapeau);
    }
}

TEST_F(TraceCourbeTest, SortiesParLesCotesCoupentLaCourbe) {
    // Out on the left twice, back, out on the right twice, then straight to the left side.
    const int y = Courbe({20, -10, -20, 30, 150, 160, -30, 40}, {10, 20, 30, 40, 50, 60, 70, 80});
    Tracer(y);
    const auto p = [](double x, double y) { return Pixel(x, y); };
    const std::vector<std::vector<QPoint>> attendues = {
        {p(20, 10), p(-10, 20)},
        {p(-20, 30), p(30, 40), p(150, 50)},
        // point 6 stands alone (no line from 150 to 160, none from 160 to −30)
        {p(-30, 70), p(40, 80)},
    };
    EXPECT_EQ(surface.Polylignes(), attendues);

    // Marks turn into plain points where the curve is not joined.
    Var(y).Style = 2;
    Tracer(y);
    std::vector<int> styles;
    for (const auto& m : surface.Marques())
        styles.push_back(m.first);
    EXPECT_EQ(styles, (std::vector<int>{2, 2, 1, 2, 2, 1, 1, 2}));
}

TEST_F(TraceCourbeTest, LOptionDiscontinuitesCoupeLesSautsAuTraversDeLaFenetre) {
    const int y = Courbe({10, 20, 30, 40, 50, 60}, {50, 150, -50, 50, -60, 120});
    Tracer(y);
    ASSERT_EQ(surface.Polylignes().size(), 1u); // without the option: one line
    EXPECT_EQ(surface.Polylignes()[0].size(), 6u);

    parametres.indicateur = trace::Discontinuites;
    Tracer(y);
    const auto p = [](double x, double y) { return Pixel(x, y); };
    std::vector<std::vector<QPoint>> attendues = {
        {p(10, 50), p(20, 150)},
        {p(30, -50), p(40, 50), p(50, -60)},
    };
    EXPECT_EQ(surface.Polylignes(), attendues);

    // The jump is judged on the values as drawn, multiplier and offset applied: 15 × 10 is
    // above the window and −5 × 10 below it.
    for (int i = 1; i <= 6; ++i)
        Var(y).EcrirePoint(i, Var(y).LirePoint(i) / 10);
    Var(y).Multiplicateur = 10;
    Tracer(y);
    EXPECT_EQ(surface.Polylignes(), attendues);
    // Raw values that jump across the window, drawn within it (between 44 and 65).
    for (int i = 1; i <= 6; ++i)
        Var(y).EcrirePoint(i, Var(y).LirePoint(i) * 10);
    Var(y).Multiplicateur = 0.1;
    Var(y).Decalage = 50;
    Tracer(y);
    EXPECT_EQ(surface.Polylignes().size(), 1u);
}

TEST_F(TraceCourbeTest, LesCourbesDUneFamilleSontTraceesAPart) {
    table.FixerNbPoint(3);
    AbscisseX({10, 20, 30});
    const int f = table.CreerVariable("F", 7, genre::Calculee | genre::Reseau);
    const double valeurs[] = {10, 20, 30, 40, 50, 60, 70};
    for (int i = 1; i <= 7; ++i)
        Var(f).EcrirePoint(i, valeurs[i - 1]);
    Var(f).NbCourbes = 3;
    Var(f).AfficherDans(1, true);
    Tracer(f);
    const auto p = [](double x, double y) { return Pixel(x, y); };
    // Each curve takes the window's abscissa from its start; the last curve, cut short after
    // one point, draws no line.
    const std::vector<std::vector<QPoint>> attendues = {
        {p(10, 10), p(20, 20), p(30, 30)},
        {p(10, 40), p(20, 50), p(30, 60)},
    };
    EXPECT_EQ(surface.Polylignes(), attendues);

    Var(f).NbCourbes = 1;
    Tracer(f);
    EXPECT_EQ(surface.Polylignes().size(), 1u);
}

TEST_F(TraceCourbeTest, LAbscisseDeChaquePointEstCelleDeLaVariable) {
    const int x = Table("X", {1, 2, 3, 0, 5});
    Table("TX", {7, 8, 9, 10, 11, 12});
    auto& fenetres = travail.TableDesFenetres();
    fenetres.FixerAbscisse(1, "X", x, "");
    fenetres.Creer(2); // on T
    const int f = table.CreerVariable("F", 8, genre::Calculee | genre::Reseau);
    for (int i = 1; i <= 8; ++i)
        Var(f).EcrirePoint(i, i);
    Var(f).AfficherDans(1, true);
    const int y = Table("Y", {4, 5, 6, 7, 8, 9});
    Var(y).AfficherDans(1, true);

    // Each configuration against what the variable itself answers, point by point.
    struct Cas {
        const char* nom;
        int slot;
        std::function<void()> preparer;
    };
    const std::vector<Cas> cas = {
        {"abscisse de la fenêtre", y, [] {}},
        {"famille au-delà de l'abscisse", f, [] {}},
        {"abscisse linéaire propre", y, [&] { Var(y).FixerAbscisseLineaire("XP", 10, 5); }},
        {"abscisse liée", y, [&] { Var(y).FixerAbscisseVariable("TX", "TX"); }},
        {"tableau d'abscisses", y,
         [&] {
             Var(y).FixerAbscisseLineaire("", 0, 0);
             Var(y).NomAbscisse = "PROPRE";
             for (int i = 1; i <= 6; ++i)
                 Var(y).EcrireAbscisse(i, i == 3 ? 0 : 100 + i);
         }},
        {"fenêtre sur T en points", y,
         [&] {
             Var(y).FixerAbscisseLineaire("", 0, 0);
             Var(y).AfficherDans(1, false);
             Var(y).AfficherDans(2, true);
             fenetres.Donnees(2)->abscisseEnPoints = true;
         }},
        {"sans fenêtre", y, [&] { Var(y).FixerFenetres(0); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        c.preparer();
        const TypeId& v = Var(c.slot);
        for (int fenetre : {0, 1, 2}) {
            const SourceAbscisse source(v, table, fenetre);
            for (int i = 0; i <= v.NbPoints + 2; ++i)
                EXPECT_EQ(source.Valeur(i), v.Abscisse(i, fenetre)) << fenetre << " " << i;
        }
    }

    // And the curve is drawn at those abscissas.
    Var(y).FixerFenetres(1);
    Var(y).FixerAbscisseLineaire("XP", 10, 5);
    Tracer(y);
    ASSERT_EQ(surface.Polylignes().size(), 1u);
    std::vector<QPoint> attendus;
    for (int i = 1; i <= 6; ++i)
        attendus.push_back(Pixel(5 + (i - 1) * 10, 3 + i));
    EXPECT_EQ(surface.Polylignes()[0], attendus);
}

TEST_F(TraceCourbeTest, AbscisseLogarithmiqueEtPolaire) {
    // World X from log10(0.1) to log10(1000): 25 pixels a decade.
    projection.DefinirMonde(-1, 0, 3, 100);
    projection.Selectionner();
    const int y = Courbe({0, 10, 100, -1, -2, 1}, {10, 20, 30, 40, 50, 60});
    parametres.indicateur = trace::Logarithmique;
    Tracer(y);
    const int gauche = -Projection::Debordement;
    // x ≤ 0 lies infinitely far on the left: the line to 10 comes from there, two such
    // points in a row are not joined.
    const std::vector<std::vector<QPoint>> attendues = {
        {{gauche, 90}, {60, 80}, {85, 70}, {gauche, 60}},
        {{gauche, 50}, {35, 40}},
    };
    EXPECT_EQ(surface.Polylignes(), attendues);

    // Polar: (Y cos X, Y sin X), X in radians, or in degrees with the flag.
    projection.DefinirMonde(-50, -50, 50, 50);
    projection.Selectionner();
    const int r = table.CreerVariable("R", 3, genre::Calculee);
    const int a = table.CreerVariable("A", 3, genre::Calculee);
    const double angles[] = {0, 90, 180};
    for (int i = 1; i <= 3; ++i) {
        Var(r).EcrirePoint(i, 40);
        Var(a).EcrirePoint(i, angles[i - 1]);
    }
    travail.TableDesFenetres().FixerAbscisse(1, "A", a, "");
    Var(r).AfficherDans(1, true);
    parametres.indicateur = trace::Polaire | trace::Degres;
    Tracer(r);
    const std::vector<std::vector<QPoint>> cercle = {{{100, 50}, {60, 10}, {20, 50}}};
    EXPECT_EQ(surface.Polylignes(), cercle);

    for (int i = 1; i <= 3; ++i)
        Var(a).EcrirePoint(i, angles[i - 1] * std::numbers::pi / 180);
    parametres.indicateur = trace::Polaire;
    Tracer(r);
    EXPECT_EQ(surface.Polylignes(), cercle);
}

TEST_F(TraceCourbeTest, MarquesEspaceesEtRondsHorsEcranOmis) {
    const int y = Courbe({5, 10, 15, 20, 25, 30, 35, 40, 45, 50},
                         {50, 50, 50, 50, 50, 50, 50, 50, 50, 50}, 7);
    parametres.espacement = 3;
    Tracer(y);
    std::vector<std::pair<int, QPoint>> attendues;
    for (int i : {3, 6, 9})
        attendues.emplace_back(4, Pixel(5 * i, 50));
    EXPECT_EQ(surface.Marques(), attendues);
    EXPECT_EQ(surface.Polylignes().size(), 1u);

    // Filled circles beyond the screen are left out; other marks are not.
    parametres.largeurEcran = 40;
    Tracer(y);
    EXPECT_EQ(surface.Marques(), (std::vector<std::pair<int, QPoint>>{{4, Pixel(15, 50)}}));
    parametres.espacement = 0; // taken as 1
    Var(y).Style = 8;
    Tracer(y);
    EXPECT_EQ(surface.Marques().size(), 10u);
}

TEST_F(TraceCourbeTest, UnePlagePartielleEstMarqueeASesBouts) {
    const int y = Courbe({10, 20, 30, 40, 50, 60, 70, 80}, {1, 2, 3, 4, 5, 6, 7, 8}, 0);
    struct Cas {
        int premier, dernier;
        std::vector<QPoint> ronds;
        std::size_t sommets;
    };
    const std::vector<Cas> cas = {
        {0, 0, {}, 8},
        {1, 8, {}, 8},
        {3, 6, {Pixel(30, 3), Pixel(60, 6)}, 4},
        {3, 0, {Pixel(30, 3)}, 6},
        {0, 5, {Pixel(50, 5)}, 5},
        {2, 50, {Pixel(20, 2)}, 7}, // an end beyond the points is the last point
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.premier << ".." << c.dernier);
        parametres.premier = c.premier;
        parametres.dernier = c.dernier;
        Tracer(y);
        std::vector<std::pair<int, QPoint>> attendues;
        for (QPoint p : c.ronds)
            attendues.emplace_back(4, p);
        EXPECT_EQ(surface.Marques(), attendues);
        ASSERT_EQ(surface.Polylignes().size(), 1u);
        EXPECT_EQ(surface.Polylignes()[0].size(), c.sommets);
    }
    parametres.premier = 6;
    parametres.dernier = 3;
    Tracer(y);
    EXPECT_TRUE(surface.appels.empty());
}

TEST_F(TraceCourbeTest, LaReductionGardePremierExtremesEtDernierParColonne) {
    const int y = Courbe({10, 10.2, 10.4, 10.3, 10.1, 11}, {50, 70, 30, 60, 55, 40});
    parametres.reduire = true;
    Tracer(y);
    const std::vector<std::vector<QPoint>> attendues = {
        {Pixel(10, 50), Pixel(10, 70), Pixel(10, 30), Pixel(10, 55), Pixel(11, 40)}};
    EXPECT_EQ(surface.Polylignes(), attendues);
}

TEST_F(TraceCourbeTest, LaReductionNeChangeAucunPixel) {
    // A dense noisy curve, many points per column, with excursions out of the window.
    const int n = 3000;
    const int x = table.CreerVariable("X", n, genre::Calculee);
    const int y = table.CreerVariable("Y", n, genre::Calculee);
    unsigned graine = 12345;
    for (int i = 1; i <= n; ++i) {
        graine = graine * 1103515245u + 12345u;
        const double bruit = static_cast<double>((graine >> 16) % 1000) / 50.0 - 10;
        Var(x).EcrirePoint(i, -10 + 120.0 * i / n);
        // Pairs of points far above then far below the window.
        const double saut = i % 500 == 0 ? 200 : (i % 500 == 1 && i > 1 ? -200 : 0);
        Var(y).EcrirePoint(i, 50 + 45 * std::sin(i / 40.0) + bruit + saut);
    }
    travail.TableDesFenetres().FixerAbscisse(1, "X", x, "");
    Var(y).AfficherDans(1, true);
    for (std::uint32_t indicateur : {0u, trace::Discontinuites}) {
        SCOPED_TRACE(indicateur);
        parametres.indicateur = indicateur;
        parametres.reduire = false;
        Tracer(y);
        const auto complet = surface.Polylignes();
        parametres.reduire = true;
        Tracer(y);
        const auto reduit = surface.Polylignes();
        EXPECT_EQ(PixelsDe(reduit), PixelsDe(complet));
        EXPECT_EQ(reduit.size(), complet.size());
        // The jumps across the window break the curve with the option.
        EXPECT_GT(reduit.size(), indicateur ? 2u : 0u);
        std::size_t sommets = 0, sommetsComplets = 0;
        for (const auto& p : reduit) {
            // The abscissa only grows: each column is one run, at most 4 vertices.
            std::set<int> colonnes;
            for (QPoint q : p)
                colonnes.insert(q.x());
            EXPECT_LE(p.size(), 4 * colonnes.size());
            sommets += p.size();
        }
        for (const auto& p : complet)
            sommetsComplets += p.size();
        EXPECT_LT(sommets, sommetsComplets);
    }
}

TEST_F(TraceCourbeTest, AdaptationDEchelleALaReference) {
    const int ref = Table("REF", {0, 10});
    Var(ref).CalculerStatistiques();
    struct Cas {
        const char* nom;
        bool adaptation;
        int reference;
        double minimum, maximum;
        bool arrondir;
        double multiplicateur, decalage;
    };
    const std::vector<Cas> cas = {
        {"concordance", true, ref, 2, 4, false, 5, -10},
        {"arrondi en puissance de dix", true, ref, 0, 0.02, true, 100, 0},
        {"arrondi d'un rapport sous 1", true, ref, 0, 400, true, 0.01, 0},
        {"étendue nulle", true, ref, 3, 3, false, 1, -3},
        {"sans référence", true, 0, 2, 4, false, 1, 0},
        {"référence disparue", true, 200, 2, 4, false, 1, 0},
        {"sans adaptation", false, ref, 2, 4, false, 7, 9},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TypeId& v = Var(Table("V", {1}));
        v.AdaptationEchelle = c.adaptation;
        v.Reference = static_cast<std::int16_t>(c.reference);
        v.Minimum = c.minimum;
        v.Maximum = c.maximum;
        v.Multiplicateur = 7;
        v.Decalage = 9;
        AdapterEchelle(v, table, c.arrondir);
        EXPECT_DOUBLE_EQ(v.Multiplicateur, c.multiplicateur);
        EXPECT_DOUBLE_EQ(v.Decalage, c.decalage);
    }
}

TEST(IndicateurTrace, GenreDeLAbscisseEtDiscontinuites) {
    struct Cas {
        std::uint8_t genre;
        std::uint16_t options;
        bool degres;
        std::uint32_t attendu;
    };
    const Cas cas[] = {
        {DefinitionAbscisse::Lineaire, 0, true, 0},
        {DefinitionAbscisse::Logarithmique, 0, true, 16},
        {DefinitionAbscisse::Polaire, 0, false, 256},
        {DefinitionAbscisse::Polaire, 0, true, 256 | 0x200},
        {DefinitionAbscisse::Lineaire, DonneesFenetre::Discontinuites, false, 0x40},
        {DefinitionAbscisse::Logarithmique, 0x7B, false, 16 | 0x40},
    };
    for (const Cas& c : cas) {
        DonneesFenetre f(1);
        f.abscisse.genre = c.genre;
        f.options = c.options;
        EXPECT_EQ(IndicateurTrace(f, c.degres), c.attendu) << int(c.genre) << " " << c.options;
    }
}

} // namespace
