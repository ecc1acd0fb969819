#include "core/windows/Mosaique.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <tuple>

using namespace pelavorine;
using namespace pelavorine::mosaique;

namespace {

// The layouts as written in the help: "n v orientation bands".
// clang-format off
const char* const kDispositions[] = {
    "0 1 U", "0 2 U", "0 3 U", "0 4 U", "0 5 U", "0 6 U",
    "1 1 H 1",
    "2 1 H 1-1", "2 2 V 1-1",
    "3 1 H 1-1-1", "3 2 V 1-1-1", "3 3 H 1-2", "3 4 H 2-1", "3 5 V 1-2", "3 6 V 2-1",
    "4 1 H 2-2", "4 2 H 1-3", "4 3 H 3-1", "4 4 V 1-3", "4 5 V 3-1",
    "5 1 H 2-3", "5 2 H 3-2", "5 3 V 2-3", "5 4 V 3-2", "5 5 H 1-4", "5 6 V 1-4",
    "6 1 H 3-3", "6 2 V 3-3", "6 3 H 2-4", "6 4 V 2-4",
    "7 1 V 3-4", "7 2 H 2-2-3", "7 3 H 1-3-3",
    "8 1 V 4-4", "8 2 H 2-3-3",
    "9 1 V 4-5", "9 2 H 3-3-3",
    "10 1 V 3-3-4", "10 2 H 3-3-4",
    "11 1 H 3-4-4", "11 2 V 3-4-4",
    "12 1 V 4-4-4", "12 2 H 4-4-4",
    "13 1 V 4-4-5", "13 2 H 4-4-5",
};
// clang-format on

QRect Case(int gauche, int haut, int droite, int bas) {
    return QRect(QPoint(gauche, haut), QPoint(droite, bas));
}

std::tuple<int, int, int, int> Cote(const QRect& r) {
    return {r.left(), r.top(), r.right(), r.bottom()};
}

} // namespace

TEST(Mosaique, LaTableTientLesQuaranteCinqDispositionsEtLeurCodage) {
    const QList<Disposition>& table = Dispositions();
    ASSERT_EQ(table.size(), static_cast<qsizetype>(std::size(kDispositions)));
    ASSERT_EQ(table.size(), 45);
    for (const char* ligne : kDispositions) {
        const QStringList champs = QString::fromLatin1(ligne).split(u' ');
        const int n = champs[0].toInt();
        const int v = champs[1].toInt();
        SCOPED_TRACE(ligne);
        const std::optional<Disposition> d = Trouver(n, v);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->n, n);
        EXPECT_EQ(d->variante, v);
        EXPECT_EQ(d->orientation, champs[2].at(0).toLatin1());
        // Band 1 in the high nibble, unused bands zero.
        std::uint16_t attendu = 0;
        const QStringList bandes = champs.size() > 3 ? champs[3].split(u'-') : QStringList();
        for (int k = 0; k < 4; ++k)
            attendu = static_cast<std::uint16_t>((attendu << 4) |
                                                 (k < bandes.size() ? bandes[k].toInt() : 0));
        EXPECT_EQ(d->bandes, attendu);
        int somme = 0;
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(d->Bande(k), k <= bandes.size() ? bandes[k - 1].toInt() : 0);
            somme += d->Bande(k);
        }
        EXPECT_EQ(somme, n); // every window has a place, no place is left over
    }
    EXPECT_EQ(Trouver(7, 2)->bandes, 0x2230);
    EXPECT_EQ(Trouver(13, 1)->bandes, 0x4450);
}

TEST(Mosaique, VariantesSelonLeNombreDeFenetres) {
    const int attendues[] = {0, 1, 2, 6, 5, 6, 4, 3, 2, 2, 2, 2, 2, 2, 0, 0};
    for (int n = 0; n < static_cast<int>(std::size(attendues)); ++n) {
        SCOPED_TRACE(n);
        const QList<Disposition> v = Variantes(n);
        ASSERT_EQ(v.size(), attendues[n]);
        for (int i = 0; i < v.size(); ++i) {
            EXPECT_EQ(v[i].n, n);
            EXPECT_EQ(v[i].variante, i + 1);
        }
    }
    EXPECT_FALSE(Trouver(14, 1).has_value()); // fourteen windows: no layout
    EXPECT_FALSE(Trouver(4, 6).has_value());
    EXPECT_FALSE(Trouver(3, 0).has_value());
}

TEST(Mosaique, CasesDesDispositionsLimites) {
    struct Cas {
        int n, v, position;
        QRect attendue;
    };
    const Cas cas[] = {
        // Rows 2-2: the cells overlap by one thousandth, the last ones reach the edge.
        {4, 1, 1, Case(0, 0, 501, 501)},
        {4, 1, 2, Case(500, 0, 1000, 501)},
        {4, 1, 3, Case(0, 500, 501, 1000)},
        {4, 1, 4, Case(500, 500, 1000, 1000)},
        // Columns 2-1: two stacked in the left half, the third fills the right half.
        {3, 6, 1, Case(0, 0, 501, 501)},
        {3, 6, 2, Case(0, 500, 501, 1000)},
        {3, 6, 3, Case(500, 0, 1000, 1000)},
        // One window: the whole area.
        {1, 1, 1, Case(0, 0, 1000, 1000)},
        // Three rows of 1-1-1: thirds, the last one reaches the bottom.
        {3, 1, 1, Case(0, 0, 1000, 334)},
        {3, 1, 2, Case(0, 333, 1000, 667)},
        {3, 1, 3, Case(0, 666, 1000, 1000)},
        // Rows 1-3-3: the middle row of three.
        {7, 3, 1, Case(0, 0, 1000, 334)},
        {7, 3, 2, Case(0, 333, 334, 667)},
        {7, 3, 4, Case(666, 333, 1000, 667)},
        {7, 3, 7, Case(666, 666, 1000, 1000)},
        // Rows 4-4-5: a row of five, fifths of the width.
        {13, 2, 9, Case(0, 666, 201, 1000)},
        {13, 2, 13, Case(800, 666, 1000, 1000)},
        // Columns 3-3-4: thirds of the width, quarters of the height in the last column.
        {10, 1, 3, Case(0, 666, 334, 1000)},
        {10, 1, 4, Case(333, 0, 667, 334)},
        {10, 1, 7, Case(666, 0, 1000, 251)},
        {10, 1, 10, Case(666, 750, 1000, 1000)},
        // Columns 4-5.
        {9, 1, 5, Case(500, 0, 1000, 201)},
        {9, 1, 9, Case(500, 800, 1000, 1000)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message()
                     << c.n << " fenêtres, variante " << c.v << ", position " << c.position);
        const std::optional<Disposition> d = Trouver(c.n, c.v);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(Cote(CaseMosaique(*d, c.position)), Cote(c.attendue));
    }
}

// Whatever the layout, its cells cover the whole area and only touch their neighbours.
TEST(Mosaique, LesCasesPaventLaSurface) {
    for (const Disposition& d : Dispositions()) {
        if (d.n == 0) continue;
        SCOPED_TRACE(testing::Message() << d.n << " fenêtres, variante " << d.variante);
        QList<QRect> cases;
        for (int p = 1; p <= d.n; ++p)
            cases.append(CaseMosaique(d, p));
        for (int y = 5; y < 1000; y += 10)
            for (int x = 5; x < 1000; x += 10) {
                int couvrantes = 0;
                for (const QRect& c : cases)
                    if (x >= c.left() && x < c.right() && y >= c.top() && y < c.bottom())
                        ++couvrantes;
                ASSERT_EQ(couvrantes, 1) << "point " << x << ", " << y;
            }
        for (const QRect& c : cases) {
            EXPECT_GE(c.left(), 0);
            EXPECT_GE(c.top(), 0);
            EXPECT_LE(c.right(), 1000);
            EXPECT_LE(c.bottom(), 1000);
        }
    }
}

TEST(Mosaique, PositionHorsDeLaDispositionSansCase) {
    const Disposition une = *Trouver(1, 1);
    const Disposition colonnes = *Trouver(3, 6);
    const Disposition aucune = *Trouver(0, 1);
    for (const auto& [d, position] : {std::pair{une, 2}, std::pair{une, 0}, std::pair{colonnes, 4},
                                      std::pair{colonnes, -1}, std::pair{aucune, 1}})
        EXPECT_EQ(Cote(CaseMosaique(d, position)), Cote(Case(0, 0, 0, 0)))
            << d.n << " fenêtres, position " << position;
}

TEST(Mosaique, BornesEnPixels) {
    struct Cas {
        int n, v, position, largeur, hauteur;
        QRect attendue; // x, y, width, height
    };
    const Cas cas[] = {
        // W = 1000, H = 600: a thousandth is one pixel across, 0.6 down.
        {4, 1, 1, 1001, 601, QRect(0, 0, 501, 301)},
        {4, 1, 4, 1001, 601, QRect(500, 300, 500, 300)},
        // W = 800, H = 500: columns 2-1.
        {3, 6, 2, 801, 501, QRect(0, 250, 401, 250)},
        {3, 6, 3, 801, 501, QRect(400, 0, 400, 500)},
        // W = 1279, H = 719: thirds, rounded.
        {3, 1, 3, 1280, 720, QRect(0, 479, 1279, 240)},
        {3, 2, 2, 1280, 720, QRect(426, 0, 427, 719)},
        {3, 2, 3, 1280, 720, QRect(852, 0, 427, 719)},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.n << "/" << c.v << " position " << c.position);
        const QRect b = Bornes(*Trouver(c.n, c.v), c.position, c.largeur, c.hauteur);
        EXPECT_EQ(b.x(), c.attendue.x());
        EXPECT_EQ(b.y(), c.attendue.y());
        EXPECT_EQ(b.width(), c.attendue.width());
        EXPECT_EQ(b.height(), c.attendue.height());
    }
}
