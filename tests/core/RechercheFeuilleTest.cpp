#include "core/calc/RechercheFeuille.h"

#include <gtest/gtest.h>

using pelavorine::OccurrenceFeuille;
using pelavorine::RechercheFeuille;

namespace {

const QStringList kLignes{QStringLiteral("x=sin(T)"), QStringLiteral("y=X*2"),
                          QStringLiteral("z=x+x")};

} // namespace

TEST(RechercheFeuille, FindsTheNextOccurrenceDownwardsWithoutWrapping) {
    RechercheFeuille r;
    r.motif = QStringLiteral("x");
    struct Cas {
        int ligne, colonne;
        int attenduLigne, attenduColonne;
    };
    // Case ignored (X on line 1), same-line resume, and no wrap back to the top.
    const Cas cas[] = {{0, 0, 0, 0}, {0, 1, 1, 2}, {1, 3, 2, 2}, {2, 3, 2, 4}, {2, 5, -1, 0}};
    for (const Cas& c : cas) {
        const OccurrenceFeuille o = r.Suivante(kLignes, c.ligne, c.colonne);
        EXPECT_EQ(o.ligne, c.attenduLigne) << c.ligne << ',' << c.colonne;
        if (o.Trouvee()) {
            EXPECT_EQ(o.colonne, c.attenduColonne) << c.ligne << ',' << c.colonne;
            EXPECT_EQ(o.longueur, 1);
        }
    }
}

TEST(RechercheFeuille, CaseAndDegenerateStrings) {
    RechercheFeuille r;
    r.motif = QStringLiteral("X");
    r.casse = true;
    EXPECT_EQ(r.Suivante(kLignes, 0, 0).ligne, 1);
    r.motif.clear();
    EXPECT_FALSE(r.Suivante(kLignes, 0, 0).Trouvee());
    r.motif = QStringLiteral("T)\ny");
    EXPECT_FALSE(r.Suivante(kLignes, 0, 0).Trouvee());
    // A column past the end of its line goes on with the next line.
    r.motif = QStringLiteral("z");
    EXPECT_EQ(r.Suivante(kLignes, 1, 50).ligne, 2);
}
