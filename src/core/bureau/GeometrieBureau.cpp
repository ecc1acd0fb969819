#include "core/bureau/GeometrieBureau.h"

#include "core/windows/TableFenetres.h"

#include <cmath>

namespace pelavorine::geometrieBureau {

namespace {
int Echelle(int valeur, int nouveau, int ancien) {
    return static_cast<int>(std::lround(static_cast<double>(valeur) * nouveau / ancien));
}

// One axis: position and length rescaled, then kept inside the area.
void Ajuster(int& position, int& longueur, int ancien, int nouveau) {
    position = Echelle(position, nouveau, ancien);
    longueur = Echelle(longueur, nouveau, ancien);
    if (position < 0) position = 0;
    if (position + longueur > nouveau - Aimant) longueur = nouveau - position;
    if (longueur < 0) longueur = 0;
}
} // namespace

void Redimensionner(TableFenetres& fenetres, int ancienneLargeur, int ancienneHauteur, int largeur,
                    int hauteur) {
    if (ancienneLargeur <= 0 || ancienneHauteur <= 0 || largeur <= 0 || hauteur <= 0) return;
    for (int n = 1; n <= TableFenetres::NbFenetres; ++n) {
        DonneesFenetre* f = fenetres.Donnees(n);
        if (!f) continue;
        Ajuster(f->gauche, f->largeur, ancienneLargeur, largeur);
        Ajuster(f->haut, f->hauteur, ancienneHauteur, hauteur);
    }
}

} // namespace pelavorine::geometrieBureau
