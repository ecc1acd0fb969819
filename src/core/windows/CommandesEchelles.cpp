#include "core/windows/CommandesEchelles.h"

#include "core/store/TableVariables.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/Echelles.h"
#include "core/windows/Projection.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace pelavorine::echelles {

namespace {

// A pan shorter than this is the hand trembling, not a drag.
constexpr int SeuilDeplacement = 10;

struct Extremes {
    double minimum = std::numeric_limits<double>::infinity();
    double maximum = -std::numeric_limits<double>::infinity();

    bool Vide() const { return minimum > maximum; }
    // Undefined values (a point without abscissa is at 1e300) are not data.
    void Ajouter(double v) {
        if (!(std::fabs(v) <= LimiteEchelle)) return;
        minimum = std::min(minimum, v);
        maximum = std::max(maximum, v);
    }
    void Ajouter(const Extremes& e) {
        if (e.Vide()) return;
        Ajouter(e.minimum);
        Ajouter(e.maximum);
    }
};

bool Polaire(const DonneesFenetre& fenetre) {
    return fenetre.abscisse.genre == DefinitionAbscisse::Polaire;
}

bool Logarithmique(const DonneesFenetre& fenetre) {
    return fenetre.abscisse.genre == DefinitionAbscisse::Logarithmique;
}

// The curve's range as plotted, lowest end first whatever the multiplier's sign.
Extremes PlageTracee(const TypeId& v) {
    Extremes e;
    e.Ajouter(v.Minimum * v.Multiplicateur + v.Decalage);
    e.Ajouter(v.Maximum * v.Multiplicateur + v.Decalage);
    return e;
}

Extremes ExtremesAbscisse(const TypeId& v, int fenetre) {
    Extremes e;
    for (int i = v.Premier; i <= v.NbPoints; ++i)
        e.Ajouter(v.Abscisse(i, fenetre));
    return e;
}

// The plotted points of a polar curve: (Y cos X, (Y sin X) × multiplier + offset).
void ExtremesPolaires(const TypeId& v, int fenetre, bool degres, Extremes& x, Extremes& y) {
    const double angle = degres ? std::numbers::pi / 180 : 1;
    Extremes sinus;
    for (int i = v.Premier; i <= v.NbPoints; ++i) {
        const double a = v.Abscisse(i, fenetre);
        const double r = v.LirePoint(i);
        if (!(std::fabs(a) <= LimiteEchelle) || !(std::fabs(r) <= LimiteEchelle)) continue;
        x.Ajouter(r * std::cos(a * angle));
        sinus.Ajouter(r * std::sin(a * angle));
    }
    if (sinus.Vide()) return;
    y.Ajouter(sinus.minimum * v.Multiplicateur + v.Decalage);
    y.Ajouter(sinus.maximum * v.Multiplicateur + v.Decalage);
}

void AjusterOrdonnee(DonneesFenetre& fenetre, const TypeId& v, int largeurEcran) {
    const Extremes e = PlageTracee(v);
    const double mini = e.Vide() ? v.Minimum : e.minimum;
    const double maxi = e.Vide() ? v.Maximum : e.maximum;
    FixerEchelleManuelle(fenetre.echelleY, maxi, mini, true, FacteurElargissement(largeurEcran));
}

void AjusterAbscisse(DonneesFenetre& fenetre, const TypeId& v, double facteurSpectre) {
    Extremes e = ExtremesAbscisse(v, fenetre.Numero());
    if (e.Vide()) return;
    if (fenetre.OkEtat(DonneesFenetre::FamilleAnalyse) && facteurSpectre > 0)
        e.maximum /= facteurSpectre;
    if (e.minimum == fenetre.echelleX.minimum && e.maximum == fenetre.echelleX.maximum) return;
    FixerEchelleManuelle(fenetre.echelleX, e.maximum, e.minimum, false);
}

void AjusterPolaire(DonneesFenetre& fenetre, const Extremes& x, const Extremes& y, int largeurEcran,
                    bool enX, bool enY) {
    const double facteur = FacteurElargissement(largeurEcran);
    if (enX && !x.Vide())
        FixerEchelleManuelle(fenetre.echelleX, x.maximum, x.minimum, true, facteur);
    if (enY && !y.Vide())
        FixerEchelleManuelle(fenetre.echelleY, y.maximum, y.minimum, true, facteur);
}

// The calibrations end here: the scales they replaced go on the stack if it was empty.
int Terminer(DonneesFenetre& fenetre, const PaireEchelles& avant) {
    if (PaireEchelles{fenetre.echelleX, fenetre.echelleY} == avant) return 0;
    if (fenetre.pileCalibrage.Vide()) fenetre.pileCalibrage.Empiler(avant);
    fenetre.calibrageEnCours = true;
    return RafraichirCadre;
}

// A saved scale put back: a followed variable is found again by its name (its slot may have
// changed); one that is gone leaves the scale manual on the saved limits.
void Restaurer(EchelleAxe& echelle, const EchelleAxe& sauvee, const TableVariables& variables) {
    echelle.nom = sauvee.nom;
    echelle.minimum = sauvee.minimum;
    echelle.maximum = sauvee.maximum;
    echelle.minimumManuel = sauvee.minimumManuel;
    echelle.maximumManuel = sauvee.maximumManuel;
    echelle.variable = 0;
    if (sauvee.variable != 0) {
        const int slot = variables.IndexVariable(sauvee.nom);
        echelle.variable = slot > 0 ? slot : -1;
    }
    EvaluerEchelle(echelle, variables, false);
}

const TypeId* Courante(const TableVariables& variables, int variableCourante) {
    return variableCourante > 0 ? variables.Variable(variableCourante) : nullptr;
}

// Both limits moved by d world units, the axis made manual.
void Decaler(EchelleAxe& echelle, double d, bool logarithmique) {
    double mini = echelle.minimum;
    double maxi = echelle.maximum;
    if (logarithmique && mini > 0 && maxi > 0) {
        mini = std::pow(10.0, std::log10(mini) - d);
        maxi = std::pow(10.0, std::log10(maxi) - d);
    } else {
        mini -= d;
        maxi -= d;
    }
    FixerEchelleManuelle(echelle, maxi, mini, false);
}

bool DeplacementValide(int ancre, int position) {
    return ancre >= 0 && position >= 0 && std::abs(position - ancre) >= SeuilDeplacement;
}

} // namespace

int AppliquerLoupe(DonneesFenetre& fenetre, const Projection& projection, QRect rectangle,
                   const TableVariables&, bool& premier) {
    premier = false;
    fenetre.loupeEnCours = false;
    if (fenetre.pileLoupe.Pleine()) return 0;
    int gauche = std::min(rectangle.left(), rectangle.right());
    const int droite = std::max(rectangle.left(), rectangle.right());
    const int haut = std::min(rectangle.top(), rectangle.bottom());
    const int bas = std::max(rectangle.top(), rectangle.bottom());
    // The plot is clipped from L + 1: a rectangle started there means the frame's edge.
    if (gauche == projection.L() + 1) gauche = projection.L();
    if (droite <= gauche || bas <= haut) return 0;

    premier = fenetre.pileLoupe.Vide();
    fenetre.pileLoupe.Empiler({fenetre.echelleX, fenetre.echelleY});
    double x1 = projection.PWX(gauche);
    double x2 = projection.PWX(droite);
    if (Logarithmique(fenetre)) {
        x1 = std::pow(10.0, x1);
        x2 = std::pow(10.0, x2);
    }
    FixerEchelleManuelle(fenetre.echelleX, x2, x1, false);
    FixerEchelleManuelle(fenetre.echelleY, projection.PWY(haut), projection.PWY(bas), false);
    return RafraichirEchelles;
}

int AnnulerLoupe(DonneesFenetre& fenetre, const TableVariables& variables) {
    PaireEchelles paire;
    if (!fenetre.pileLoupe.Depiler(paire)) return 0;
    Restaurer(fenetre.echelleX, paire.x, variables);
    Restaurer(fenetre.echelleY, paire.y, variables);
    return RafraichirEchelles;
}

int CalibrageGlobal(DonneesFenetre& fenetre, const TableVariables& variables, int& variableCourante,
                    int largeurEcran, bool degres, double facteurSpectre) {
    const int n = fenetre.Numero();
    Extremes ordonnees;
    Extremes polaireX, polaireY;
    int haute = 0;
    double plusHaut = 0;
    for (int slot = 1; slot <= variables.DerniereCase(); ++slot) {
        const TypeId* v = variables.Variable(slot);
        if (!v || !v->EstAffichee(n)) continue;
        const Extremes e = PlageTracee(*v);
        if (e.Vide()) continue;
        ordonnees.Ajouter(e);
        if (haute == 0 || e.maximum > plusHaut) {
            haute = slot;
            plusHaut = e.maximum;
        }
        if (Polaire(fenetre)) ExtremesPolaires(*v, n, degres, polaireX, polaireY);
    }
    if (haute == 0) return 0;

    const PaireEchelles avant{fenetre.echelleX, fenetre.echelleY};
    variableCourante = haute;
    fenetre.courbeCourante = haute;
    if (Polaire(fenetre)) {
        // The radii of the curves are not the window's Y range: the plotted points are.
        AjusterPolaire(fenetre, polaireX, polaireY, largeurEcran, true, true);
        return Terminer(fenetre, avant);
    }
    AjusterAbscisse(fenetre, *variables.Variable(haute), facteurSpectre);
    double m = ordonnees.minimum;
    double M = ordonnees.maximum;
    ElargirEtArrondir(m, M, 3, FacteurElargissementNormal);
    FixerEchelleManuelle(fenetre.echelleY, M, m, false);
    return Terminer(fenetre, avant);
}

int CalibrageCourbeActive(DonneesFenetre& fenetre, const TableVariables& variables,
                          int& variableCourante, int largeurEcran, bool degres,
                          double facteurSpectre) {
    variableCourante = fenetre.courbeCourante;
    return CalibrageOrdonnee(fenetre, variables, variableCourante, largeurEcran, degres,
                             facteurSpectre);
}

namespace {

// "Calibrage en ordonnée" or "en abscisse": one axis fitted to the current variable, or
// "Calibrage global" without one.
int CalibrerUnAxe(DonneesFenetre& fenetre, const TableVariables& variables, int& variableCourante,
                  int largeurEcran, bool degres, double facteurSpectre, bool abscisse) {
    const TypeId* v = Courante(variables, variableCourante);
    if (!v)
        return CalibrageGlobal(fenetre, variables, variableCourante, largeurEcran, degres,
                               facteurSpectre);
    const PaireEchelles avant{fenetre.echelleX, fenetre.echelleY};
    if (Polaire(fenetre)) {
        Extremes x, y;
        ExtremesPolaires(*v, fenetre.Numero(), degres, x, y);
        AjusterPolaire(fenetre, x, y, largeurEcran, abscisse, !abscisse);
    } else if (abscisse) {
        AjusterAbscisse(fenetre, *v, facteurSpectre);
    } else {
        AjusterOrdonnee(fenetre, *v, largeurEcran);
    }
    return Terminer(fenetre, avant);
}

} // namespace

int CalibrageOrdonnee(DonneesFenetre& fenetre, const TableVariables& variables,
                      int& variableCourante, int largeurEcran, bool degres, double facteurSpectre) {
    return CalibrerUnAxe(fenetre, variables, variableCourante, largeurEcran, degres, facteurSpectre,
                         false);
}

int CalibrageAbscisse(DonneesFenetre& fenetre, const TableVariables& variables,
                      int& variableCourante, int largeurEcran, bool degres, double facteurSpectre) {
    return CalibrerUnAxe(fenetre, variables, variableCourante, largeurEcran, degres, facteurSpectre,
                         true);
}

int RepereOrthonorme(DonneesFenetre& fenetre, const Projection& projection, const TableVariables&) {
    // The plot area's own height: the tool menu bar above it is not part of it.
    const int hauteur = projection.H() - projection.B() - projection.T();
    const int largeur = projection.W() - projection.L();
    if (hauteur <= 0 || largeur <= 0) return 0;
    const double rapport =
        (fenetre.echelleY.maximum - fenetre.echelleY.minimum) * largeur / hauteur;
    const double mini = fenetre.echelleX.minimum;
    double maxi = mini + rapport;
    // A logarithmic abscissa is plotted on decades: the world unit there is one decade.
    if (Logarithmique(fenetre) && mini > 0) maxi = std::pow(10.0, std::log10(mini) + rapport);
    const PaireEchelles avant{fenetre.echelleX, fenetre.echelleY};
    FixerEchelleManuelle(fenetre.echelleX, maxi, mini, false);
    return Terminer(fenetre, avant);
}

int AnnulerCalibrage(DonneesFenetre& fenetre, const TableVariables& variables) {
    PaireEchelles paire;
    if (!fenetre.pileCalibrage.Depiler(paire)) return 0;
    Restaurer(fenetre.echelleX, paire.x, variables);
    Restaurer(fenetre.echelleY, paire.y, variables);
    fenetre.calibrageEnCours = !fenetre.pileCalibrage.Vide();
    return RafraichirEchelles;
}

int DeplacerX(DonneesFenetre& fenetre, const Projection& projection, int ancre, int position,
              const TableVariables&) {
    if (!DeplacementValide(ancre, position)) return 0;
    Decaler(fenetre.echelleX, projection.PWX(position) - projection.PWX(ancre),
            Logarithmique(fenetre));
    return RafraichirEchelles;
}

int DeplacerY(DonneesFenetre& fenetre, const Projection& projection, int ancre, int position,
              const TableVariables&) {
    if (!DeplacementValide(ancre, position)) return 0;
    Decaler(fenetre.echelleY, projection.PWY(position) - projection.PWY(ancre), false);
    return RafraichirEchelles;
}

} // namespace pelavorine::echelles
