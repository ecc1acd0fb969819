#include "core/windows/Echelles.h"

#include "core/store/Nombres.h"
#include "core/store/TableVariables.h"

#include <cmath>
#include <utility>

namespace pelavorine {

namespace {

bool HorsLimites(double v) {
    return !(std::fabs(v) <= LimiteEchelle); // also true for a NaN
}

// The decimal exponent that ArrondiPuissanceDix(x) stands for.
int ExposantDecade(double x) {
    const int e = Exposant(x);
    return ArrondiPuissanceDix(x) > Puissance10(e) ? e + 1 : e;
}

} // namespace

double FacteurElargissement(int largeurEcran) {
    return largeurEcran < 900 ? FacteurElargissementEtroit : FacteurElargissementNormal;
}

double MantisseDecade(double x) {
    if (x == 0 || !std::isfinite(x)) return 0;
    if (ExposantDecade(x) != Exposant(x)) return x < 0 ? -1 : 1;
    return Mantisse(x);
}

double PasRond(double x) {
    if (x == 0 || !std::isfinite(x)) return 0;
    const double m = std::fabs(MantisseDecade(x));
    double f = 10;
    for (double candidat : {1.0, 2.0, 2.5, 5.0})
        if (candidat >= m) {
            f = candidat;
            break;
        }
    return (x < 0 ? -1 : 1) * ArrondiPuissanceDix(x) * f;
}

GraduationLog ProchaineGraduationLog(double x) {
    GraduationLog g;
    g.puissance = ArrondiPuissanceDix(x);
    const double m = std::fabs(MantisseDecade(x));
    for (int chiffre : {1, 3, 5, 7})
        if (chiffre >= m) {
            g.chiffre = chiffre;
            g.valeur = chiffre * g.puissance;
            return g;
        }
    g.chiffre = 1;
    g.valeur = 10 * g.puissance;
    return g;
}

double ArrondiDirige(double x, int chiffres, bool versLeHaut) {
    if (x == 0 || !std::isfinite(x) || chiffres < 1) return x;
    double d = EchelleDix(MantisseDecade(x), chiffres - 1);
    const double entier = std::round(d);
    // The mantissa is read back from 20 digits: a trailing ...0001 is the binary form's noise.
    if (std::fabs(d - entier) <= 1e-12 * std::fabs(d)) {
        d = entier;
    } else {
        if (versLeHaut && x > 0) d += 1;
        if (!versLeHaut && x < 0) d -= 1;
    }
    return EchelleDix(std::trunc(d), ExposantDecade(x) - (chiffres - 1));
}

void ElargirEtArrondir(double& minimum, double& maximum, int chiffres, double facteur) {
    const double e = (maximum - minimum) * (facteur - 1);
    maximum = ArrondiDirige(maximum + e, chiffres, true);
    minimum = ArrondiDirige(minimum - e, chiffres, false);
}

void BornerLimites(double& minimum, double& maximum) {
    if (HorsLimites(minimum)) {
        minimum = -10 * std::fabs(maximum);
        if (HorsLimites(minimum)) minimum = -10;
    }
    if (HorsLimites(maximum)) maximum = 10 * std::fabs(minimum);
    if (minimum == maximum) {
        const double v = minimum;
        if (v == 0) {
            minimum = -5;
            maximum = 5;
        } else if (v > 0) {
            minimum = 0;
            maximum = 2 * v;
        } else {
            minimum = 2 * v;
            maximum = 0;
        }
    } else if (minimum > maximum) {
        std::swap(minimum, maximum);
    }
}

void EvaluerEchelleManuelle(EchelleAxe& echelle, bool elargir, double facteur) {
    echelle.variable = 0;
    echelle.nom = EchelleAxe::NomManuel;
    if (echelle.minimumManuel > echelle.maximumManuel)
        std::swap(echelle.minimumManuel, echelle.maximumManuel);
    echelle.minimum = echelle.minimumManuel;
    echelle.maximum = echelle.maximumManuel;
    BornerLimites(echelle.minimum, echelle.maximum);
    if (!elargir) return;
    ElargirEtArrondir(echelle.minimum, echelle.maximum, 3, facteur);
    echelle.minimumManuel = echelle.minimum;
    echelle.maximumManuel = echelle.maximum;
}

void EvaluerEchelle(EchelleAxe& echelle, const TableVariables& table, bool elargir,
                    double facteur) {
    const TypeId* v = echelle.variable > 0 && echelle.variable <= table.DerniereCase()
                          ? table.Variable(echelle.variable)
                          : nullptr;
    if (!v) {
        if (echelle.variable != 0) {
            // The followed variable is gone: stay where the axis was rather than jump.
            echelle.minimumManuel = echelle.minimum;
            echelle.maximumManuel = echelle.maximum;
        }
        EvaluerEchelleManuelle(echelle, elargir, facteur);
        return;
    }
    echelle.nom = v->Nom;
    echelle.minimum = v->Minimum * v->Multiplicateur + v->Decalage;
    echelle.maximum = v->Maximum * v->Multiplicateur + v->Decalage;
    BornerLimites(echelle.minimum, echelle.maximum);
    if (elargir) ElargirEtArrondir(echelle.minimum, echelle.maximum, 3, facteur);
}

void FixerEchelleManuelle(EchelleAxe& echelle, double maximum, double minimum, bool elargir,
                          double facteur) {
    echelle.maximumManuel = maximum;
    echelle.minimumManuel = minimum;
    EvaluerEchelleManuelle(echelle, elargir, facteur);
}

void SuivreNom(EchelleAxe& echelle, const QString& nom, const TableVariables& table) {
    const int slot = table.IndexVariable(nom);
    echelle.variable = slot > 0 ? slot : 0;
    EvaluerEchelle(echelle, table, false);
}

} // namespace pelavorine
