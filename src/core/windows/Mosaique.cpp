#include "core/windows/Mosaique.h"

#include <algorithm>
#include <cmath>

namespace pelavorine::mosaique {

namespace {

constexpr std::uint16_t Bandes(int b1, int b2 = 0, int b3 = 0, int b4 = 0) {
    return static_cast<std::uint16_t>((b1 << 12) | (b2 << 8) | (b3 << 4) | b4);
}

QList<Disposition> Construire() {
    QList<Disposition> t;
    const auto L = [&t](int n, int v, char o, std::uint16_t b) { t.append({n, v, o, b}); };
    for (int v = 1; v <= 6; ++v)
        L(0, v, 'U', 0);
    L(1, 1, 'H', Bandes(1));
    L(2, 1, 'H', Bandes(1, 1));
    L(2, 2, 'V', Bandes(1, 1));
    L(3, 1, 'H', Bandes(1, 1, 1));
    L(3, 2, 'V', Bandes(1, 1, 1));
    L(3, 3, 'H', Bandes(1, 2));
    L(3, 4, 'H', Bandes(2, 1));
    L(3, 5, 'V', Bandes(1, 2));
    L(3, 6, 'V', Bandes(2, 1));
    L(4, 1, 'H', Bandes(2, 2));
    L(4, 2, 'H', Bandes(1, 3));
    L(4, 3, 'H', Bandes(3, 1));
    L(4, 4, 'V', Bandes(1, 3));
    L(4, 5, 'V', Bandes(3, 1));
    L(5, 1, 'H', Bandes(2, 3));
    L(5, 2, 'H', Bandes(3, 2));
    L(5, 3, 'V', Bandes(2, 3));
    L(5, 4, 'V', Bandes(3, 2));
    L(5, 5, 'H', Bandes(1, 4));
    L(5, 6, 'V', Bandes(1, 4));
    L(6, 1, 'H', Bandes(3, 3));
    L(6, 2, 'V', Bandes(3, 3));
    L(6, 3, 'H', Bandes(2, 4));
    L(6, 4, 'V', Bandes(2, 4));
    L(7, 1, 'V', Bandes(3, 4));
    L(7, 2, 'H', Bandes(2, 2, 3));
    L(7, 3, 'H', Bandes(1, 3, 3));
    L(8, 1, 'V', Bandes(4, 4));
    L(8, 2, 'H', Bandes(2, 3, 3));
    L(9, 1, 'V', Bandes(4, 5));
    L(9, 2, 'H', Bandes(3, 3, 3));
    L(10, 1, 'V', Bandes(3, 3, 4));
    L(10, 2, 'H', Bandes(3, 3, 4));
    L(11, 1, 'H', Bandes(3, 4, 4));
    L(11, 2, 'V', Bandes(3, 4, 4));
    L(12, 1, 'V', Bandes(4, 4, 4));
    L(12, 2, 'H', Bandes(4, 4, 4));
    L(13, 1, 'V', Bandes(4, 4, 5));
    L(13, 2, 'H', Bandes(4, 4, 5));
    return t;
}

// The band holding `position` and the position's index within it (from 0); band 0 when
// the position lies beyond the layout's windows.
std::pair<int, int> BandeDe(const Disposition& d, int position, int nbBandes) {
    int avant = 0;
    for (int k = 1; k <= nbBandes; ++k) {
        const int compte = d.Bande(k);
        if (position <= avant + compte) return {k, position - 1 - avant};
        avant += compte;
    }
    return {0, 0};
}

int Limiter(int v) {
    return v > 950 ? 1000 : v;
}

} // namespace

const QList<Disposition>& Dispositions() {
    static const QList<Disposition> table = Construire();
    return table;
}

std::optional<Disposition> Trouver(int n, int variante) {
    for (const Disposition& d : Dispositions())
        if (d.n == n && d.variante == variante) return d;
    return std::nullopt;
}

QList<Disposition> Variantes(int n) {
    QList<Disposition> resultat;
    // Zero windows have six entries that place nothing: nothing to offer.
    if (n <= 0) return resultat;
    for (const Disposition& d : Dispositions())
        if (d.n == n) resultat.append(d);
    return resultat;
}

QRect CaseMosaique(const Disposition& d, int position) {
    const int b2 = d.Bande(2), b3 = d.Bande(3), b4 = d.Bande(4);
    int gauche = 0, haut = 0, largeur = 0, hauteur = 0;
    if (d.orientation == 'H') {
        hauteur = b2 + b3 == 0 ? 1000 : b3 == 0 ? 500 : 333;
        // Rows hold three bands at most.
        const auto [rang, index] = BandeDe(d, position, 3);
        // A position outside the layout (or in an empty band) has no cell, rather than
        // a division by zero or a cell off the area.
        if (position < 1 || rang == 0) return QRect(QPoint(0, 0), QPoint(0, 0));
        largeur = static_cast<int>(std::lround(1000.0 / d.Bande(rang)));
        gauche = index * largeur;
        haut = (rang - 1) * hauteur;
    } else if (d.orientation == 'V') {
        largeur = b2 + b3 + b4 == 0 ? 1000 : b3 + b4 == 0 ? 500 : b4 == 0 ? 333 : 250;
        const auto [colonne, index] = BandeDe(d, position, 4);
        if (position < 1 || colonne == 0) return QRect(QPoint(0, 0), QPoint(0, 0));
        hauteur = static_cast<int>(std::lround(1000.0 / d.Bande(colonne)));
        haut = index * hauteur;
        gauche = (colonne - 1) * largeur;
    } else {
        return QRect(QPoint(0, 0), QPoint(0, 0));
    }
    // Neighbouring cells overlap by one thousandth; the last band reaches the edge.
    return QRect(QPoint(gauche, haut),
                 QPoint(Limiter(gauche + largeur + 1), Limiter(haut + hauteur + 1)));
}

QRect Bornes(const Disposition& disposition, int position, int largeur, int hauteur) {
    const QRect c = CaseMosaique(disposition, position);
    const double w = std::max(0, largeur - 1) / 1000.0;
    const double h = std::max(0, hauteur - 1) / 1000.0;
    return QRect(static_cast<int>(std::lround(c.left() * w)),
                 static_cast<int>(std::lround(c.top() * h)),
                 static_cast<int>(std::lround(w * (c.right() - c.left()))),
                 static_cast<int>(std::lround(h * (c.bottom() - c.top()))));
}

} // namespace pelavorine::mosaique
