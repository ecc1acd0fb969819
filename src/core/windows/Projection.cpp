#include "core/windows/Projection.h"

#include "core/calc/FonctionsPoint.h"
#include "core/windows/DonneesFenetre.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace pelavorine {

namespace {

// Pixels per world unit along one axis. A plot area under one pixel counts as one pixel, and
// a world span that gives no finite positive scale (empty, reversed, infinite or NaN) counts
// as one world unit: the mapping then stays finite and invertible instead of dividing by 0.
double Echelle(int pixels, double minimum, double maximum) {
    const double etendue = std::max(pixels, 1);
    const double s = etendue / (maximum - minimum);
    return (std::isfinite(s) && s > 0) ? s : etendue;
}

double Limite(double s) {
    return s > 1 ? Projection::Infini / s : Projection::LimiteDefaut;
}

// p clamped to [−1000, haut] then rounded half to even; NaN (a NaN coordinate) goes to
// `siNaN`, off the form like the undefined value.
int Borner(double p, int haut, int siNaN) {
    if (std::isnan(p)) return siNaN;
    if (p > haut) return haut;
    if (p < -Projection::Debordement) return -Projection::Debordement;
    // The default rounding mode rounds half to even, at a fraction of the cost of doing it
    // by hand (this runs for every point drawn).
    return static_cast<int>(std::nearbyint(p));
}

} // namespace

void Projection::FixerMarges(int cw, int ch, int hauteurBarreOutils) {
    gauche_ = static_cast<int>(fonctions::ArrondiPair(6.5 * cw));
    bas_ = static_cast<int>(fonctions::ArrondiPair(1.8 * ch));
    haut_ = hauteurBarreOutils;
}

void Projection::DefinirMonde(const DonneesFenetre& donnees) {
    xmin_ = donnees.Xmin();
    xmax_ = donnees.Xmax();
    ymin_ = donnees.Ymin();
    ymax_ = donnees.Ymax();
}

void Projection::DefinirMonde(double x1, double y1, double x2, double y2) {
    std::tie(xmin_, xmax_) = std::minmax(x1, x2);
    std::tie(ymin_, ymax_) = std::minmax(y1, y2);
}

void Projection::Selectionner() {
    sx_ = Echelle(largeur_ - gauche_, xmin_, xmax_);
    sy_ = Echelle(hauteur_ - bas_ - haut_, ymin_, ymax_);
    lx_ = Limite(sx_);
    ly_ = Limite(sy_);
}

int Projection::WPX(double x) const {
    const int droite = Debordement + largeurForme_;
    if (x >= lx_) return droite;
    if (x <= -lx_) return -Debordement;
    return Borner((x - xmin_) * sx_ + gauche_, droite, droite);
}

int Projection::WPY(double y) const {
    const int bas = Debordement + hauteurForme_;
    if (y >= ly_) return -Debordement;
    if (y <= -ly_) return bas;
    return Borner((ymax_ - y) * sy_ + haut_, bas, -Debordement);
}

double Projection::PWX(int px) const {
    if (px < 0) return -Infini;
    return (px - gauche_) / sx_ + xmin_;
}

double Projection::PWY(int py) const {
    if (py < 0) return Infini;
    return ymax_ - (py - haut_) / sy_;
}

} // namespace pelavorine
