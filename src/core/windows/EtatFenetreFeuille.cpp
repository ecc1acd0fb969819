#include "core/windows/EtatFenetreFeuille.h"

#include <algorithm>

namespace pelavorine {

namespace {
// Smaller, the window would show neither its editor nor its menus.
constexpr int kLargeurMinimale = 200;
constexpr int kHauteurMinimale = 150;

// A length and its start within [0, zone): the length first, then the start.
void Borner(int& debut, int& longueur, int minimum, int zone) {
    if (zone <= 0) return;
    longueur = std::clamp(longueur, std::min(minimum, zone), zone);
    debut = std::clamp(debut, 0, zone - longueur);
}
} // namespace

EtatFenetreFeuille::Placement EtatFenetreFeuille::AuChargement(bool bureauMaximise,
                                                               bool mosaiqueActuelle,
                                                               int largeurZone,
                                                               int hauteurZone) const {
    Placement p;
    p.mosaique = mosaiqueActuelle;
    std::uint8_t e = etat <= EtatBureau::Maximise ? etat : std::uint8_t{EtatBureau::Normal};
    if (bureauMaximise) {
        e = EtatBureau::Maximise;
    } else {
        p.mosaique = mosaique;
        if (mosaique)
            e = EtatBureau::Normal;
        else if (e == EtatBureau::Minimise)
            e = EtatBureau::Maximise;
    }
    p.agrandie = e == EtatBureau::Maximise;
    if (e != EtatBureau::Normal) return p;
    p.gauche = gauche;
    p.haut = haut;
    p.largeur = largeur;
    p.hauteur = hauteur;
    Borner(p.gauche, p.largeur, kLargeurMinimale, largeurZone);
    Borner(p.haut, p.hauteur, kHauteurMinimale, hauteurZone);
    // The desk is not maximised here: a normal window comes back when it was shown.
    p.montrer = visible;
    return p;
}

} // namespace pelavorine
