#include "core/calc/FonctionsNumeriques.h"

#include "core/calc/BibliothequeNumerique.h"
#include "core/calc/ErreursCalcul.h"
#include "core/calc/FonctionsPoint.h"
#include "core/calc/MoteurCalcul.h"
#include "core/calc/OutilsFonctions.h"
#include "core/calc/TableFonctions.h"
#include "core/store/Genres.h"
#include "core/store/ServicesPoints.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeId.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <span>
#include <vector>

namespace pelavorine::fonctions {

namespace {

namespace nu = numerique;
using Argument = MoteurCalcul::Argument;

constexpr double Infini = MoteurCalcul::Infini;

// Codes of the message table that only these functions raise.
constexpr int ErreurLissage = 37;
constexpr int ErreurDegre = 38;
constexpr int ErreurCoupures = 39;
constexpr int ErreurFft = 43;
constexpr int ErreurPeuDePoints = 34;

// A kernel status as an error of the line: 31..34, a status above 4 counting as 1.
int ErreurNoyau(int statut) {
    return 30 + (statut > 4 ? 1 : statut);
}
// The transform's statuses 3..6 give 43..46; the others (memory, internal) have no text of
// their own in that range and give the plain "Erreur de calcul de FFT".
int ErreurFourier(int statut) {
    return statut >= 3 && statut <= 6 ? 40 + statut : ErreurFft;
}

// The integer part of an argument, kept within int.
int Entier(double v) {
    return static_cast<int>(std::clamp(std::trunc(v), -1e9, 1e9));
}

// --- Arguments ---------------------------------------------------------------------------

// Valid points of a table: within its count, its capacity and its array.
int NbPointsDe(const TypeId& v) {
    const int tableau = static_cast<int>(v.Valeurs().size()) - 1;
    return std::max(0, std::min({v.NbPoints, v.Capacite(), tableau}));
}

// The k-th argument as a table with points, or null after setting that error.
const TypeId* Table(MoteurCalcul& moteur, int k, int code) {
    const Argument& a = moteur.Arg(k);
    const TypeId* v = a.tableau ? moteur.Variables().Variable(a.variable) : nullptr;
    if (!v || !v->APoints()) {
        moteur.Erreur(code);
        return nullptr;
    }
    return v;
}

// Points 1..n of the time variable, its step continuing past its last point.
void Temps(MoteurCalcul& moteur, int n, std::vector<double>& x) {
    TableVariables& table = moteur.Variables();
    const TypeId* t = table.Variable(table.CaseTemps());
    const int nt = t ? NbPointsDe(*t) : 0;
    x.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i)
        x[i] = i <= nt ? t->LirePoint(i) : table.TBase() * (i - 1);
}

// Points 1..n of y's abscissa: its own when it has one, otherwise the time variable.
void AbscisseDe(MoteurCalcul& moteur, const TypeId& y, int n, std::vector<double>& x) {
    const bool propre = (y.Genre & (genre::AbscisseLineaire | genre::AbscisseVariable)) ||
                        (!y.NomAbscisse.isEmpty() && !y.DonneesAbscisse().empty());
    if (!propre || !(y.AbscissePropre(1) < TypeId::Indefini)) {
        Temps(moteur, n, x);
        return;
    }
    x.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i)
        x[i] = y.AbscissePropre(i);
}

// The abscissa step of a filter: X[2] - X[1] of the given X, or of y's abscissa. A falling,
// flat or undefined step has no meaning for a cutoff, and the sampling period stands in.
double PasAbscisse(MoteurCalcul& moteur, const TypeId& y, const TypeId* x) {
    double dx = 0.0;
    if (x) {
        if (NbPointsDe(*x) >= 2) dx = x->LirePoint(2) - x->LirePoint(1);
    } else {
        std::vector<double>& a = moteur.Tampon(2);
        AbscisseDe(moteur, y, 2, a);
        if (std::fabs(a[1]) < Infini && std::fabs(a[2]) < Infini) dx = a[2] - a[1];
    }
    return dx > 0.0 && dx < Infini ? dx : moteur.Variables().TBase();
}

// --- The two ways of returning a result ---------------------------------------------------

// At point 1 the target holds the n points of the result and the line stops after them.
void LimiterLigne(MoteurCalcul& moteur, int n) {
    TypeId* cible = moteur.VariableCible();
    if (!cible) return;
    if (cible->Capacite() < n) {
        moteur.RecreerCible(n);
        cible = moteur.VariableCible();
        if (!cible || moteur.EnErreur()) return;
    }
    n = std::min(n, cible->Capacite());
    // A family of curves stores each curve after the previous ones, NBPOINT points apart.
    if (cible->Genre & genre::Reseau) n = std::min(n, moteur.NbPoint());
    cible->NbPoints = n;
    moteur.FixerNbPointsLigne(n);
}

// A table function: at point 1, calculer checks the arguments and fills points 1..n of the
// call's table (or sets an error, which moves the current point to NBPOINT); every point
// returns its element of the table.
template <class Calcul> double Tableau(MoteurCalcul& moteur, Calcul calculer) {
    std::vector<double>& t = moteur.TableDeLAppel();
    const int i = moteur.Point();
    if (i != 1) return i < static_cast<int>(t.size()) ? t[static_cast<std::size_t>(i)] : 0.0;
    t.clear();
    calculer(t);
    if (!moteur.EnErreur() && t.size() < 2) moteur.Erreur(ErreurPeuDePoints);
    if (moteur.EnErreur()) {
        t.clear();
        moteur.FixerPoint(moteur.NbPoint());
        return 0.0;
    }
    LimiterLigne(moteur, static_cast<int>(t.size()) - 1);
    return moteur.EnErreur() ? 0.0 : t[1];
}

// INTEG with limits: a cached scalar whose line gives a scalar even though it reads tables;
// the line ends after point 1 (its point count is lowered rather than the current point
// moved, so that the functions after this one still see point 1).
template <class Calcul> double ScalaireForce(MoteurCalcul& moteur, Calcul calculer) {
    const bool premier = moteur.Point() == 1;
    const double v = Memorise(moteur, calculer);
    if (!premier) return v;
    if (moteur.EnErreur()) {
        moteur.FixerPoint(moteur.NbPoint());
        return 0.0;
    }
    TypeId* cible = moteur.VariableCible();
    if (cible && cible->Capacite() > 1) {
        moteur.RecreerCible(1);
        if ((cible = moteur.VariableCible())) cible->NbPoints = 0;
    }
    moteur.FixerNbPointsLigne(1);
    return v;
}

// --- Derivatives and integrals ----------------------------------------------------------

// Smooths d[1..n] by blocks of `degre` points; a block of fewer than 2 points is the point
// itself, so nothing changes.
int Lisser(MoteurCalcul& moteur, int n, std::span<const double> x, std::vector<double>& d,
           int degre) {
    if (degre < 2) return 0;
    std::vector<double>& lisse = moteur.Tampon(1);
    lisse.assign(d.size(), 0.0);
    const int statut = nu::LissagePolynomial(n, x, d, degre, n, lisse);
    d.swap(lisse);
    return statut;
}

// dY/dX, or d2Y/dX2, at the points of X; the three-point formula stays right on uneven steps.
double Derivee(MoteurCalcul& moteur, bool seconde) {
    const double v = Tableau(moteur, [&](std::vector<double>& t) {
        const int nb = moteur.NbArguments();
        if (nb < 2) return moteur.Erreur(erreur::PasAssezArguments);
        const TypeId* y = Table(moteur, 1, erreur::AuMoinsUnTableau);
        const TypeId* x = y ? Table(moteur, 2, erreur::AuMoinsUnTableau) : nullptr;
        if (!x) return;
        const int n = std::min(NbPointsDe(*y), NbPointsDe(*x));
        const std::span<const double> px = x->Valeurs();
        const int degre = nb == 3 ? Entier(moteur.Arg(3).valeur) : 0;
        std::vector<double>& d = seconde ? moteur.Tampon(0) : t;
        d.assign(static_cast<std::size_t>(n) + 1, 0.0);
        int statut = nu::DeriveeNumerique(n, px, y->Valeurs(), 3, px, n, d);
        if (!statut && seconde) {
            // The first derivative is smoothed before it is derived again.
            if (nb == 3) statut = Lisser(moteur, n, px, d, 10);
            t.assign(d.size(), 0.0);
            if (!statut) statut = nu::DeriveeNumerique(n, px, d, 3, px, n, t);
        }
        if (!statut && nb == 3) statut = Lisser(moteur, n, px, t, degre);
        if (statut) moteur.Erreur(ErreurNoyau(statut));
    });
    // The result is plotted against X: a link to X, unless X is the target itself.
    if (moteur.Point() == 1 && !moteur.EnErreur()) {
        const int slotX = moteur.Arg(2).variable;
        const TypeId* x = moteur.Variables().Variable(slotX);
        TypeId* cible = moteur.VariableCible();
        if (x && cible && slotX != moteur.Cible()) cible->FixerAbscisseVariable(x->Nom, x->Nom);
    }
    return v;
}

// Y and X of an integral, with the number of points they share; false after an error.
bool Integrande(MoteurCalcul& moteur, const TypeId*& y, const TypeId*& x, int& n) {
    const int nb = moteur.NbArguments();
    if (nb != 2 && nb != 4) {
        moteur.Erreur(erreur::PasAssezArguments);
        return false;
    }
    y = Table(moteur, 1, erreur::AuMoinsUnTableau);
    x = y ? Table(moteur, 2, erreur::AuMoinsUnTableau) : nullptr;
    if (!x) return false;
    n = std::min(NbPointsDe(*y), NbPointsDe(*x));
    return true;
}

// The first point where X reaches v. A value X never reaches is the end of X it lies beyond,
// so that swapping the limits only changes the sign; `sinon` for any other value (NaN).
int PointAtteint(const TypeId& x, int n, double v, int sinon) {
    const int i = LocaliserIntervalle(x, v);
    if (i >= 1) return std::min(i, n);
    const double debut = x.LirePoint(1), fin = x.LirePoint(n);
    const bool montante = fin >= debut;
    if (montante ? v >= fin : v <= fin) return n;
    if (montante ? v <= debut : v >= debut) return 1;
    return sinon;
}

// Trapezoids between two point indices; an error for a kernel failure.
double Trapezes(MoteurCalcul& moteur, const TypeId& y, const TypeId& x, int i1, int i2) {
    const nu::Integrale r = nu::IntegraleDefinie(x.Valeurs(), y.Valeurs(), i1, i2);
    if (r.statut) moteur.Erreur(ErreurNoyau(r.statut));
    return r.valeur;
}

// --- Filters and spectra ------------------------------------------------------------------

enum class Filtre { PasseBas, PasseHaut, PasseBande };

// PBAS(Y,f), PBAS(Y,X,f) and the like; PBANDE has two cutoffs, low then high.
double Filtrer(MoteurCalcul& moteur, Filtre filtre) {
    return Tableau(moteur, [&](std::vector<double>& t) {
        const int nb = moteur.NbArguments();
        const int coupures = filtre == Filtre::PasseBande ? 2 : 1;
        if (nb < coupures + 1) return moteur.Erreur(erreur::PasAssezArguments);
        const TypeId* y = Table(moteur, 1, erreur::TypeArgument);
        if (!y) return;
        const TypeId* x = nullptr;
        if (nb == coupures + 2 && !(x = Table(moteur, 2, erreur::TypeArgument))) return;
        const double basse = moteur.Arg(nb - coupures + 1).valeur;
        const double haute = moteur.Arg(nb).valeur;
        if (!(basse > 0.0) || !(haute > 0.0)) return moteur.Erreur(erreur::ArgumentNegatif);
        if (haute < basse) return moteur.Erreur(ErreurCoupures);
        const int n = std::min(NbPointsDe(*y), moteur.NbPoint());
        if (n < 1) return moteur.Erreur(ErreurPeuDePoints);
        const double dx = PasAbscisse(moteur, *y, x);
        t.assign(static_cast<std::size_t>(n) + 1, 0.0);
        switch (filtre) {
        case Filtre::PasseBas:
            nu::FiltrePasseBas(n, y->Valeurs(), basse * dx, t);
            break;
        case Filtre::PasseHaut:
            nu::FiltrePasseHaut(n, y->Valeurs(), basse * dx, t);
            break;
        case Filtre::PasseBande:
            nu::FiltrePasseBande(n, y->Valeurs(), haute * dx, basse * dx, t);
            break;
        }
    });
}

enum class Sortie { Module, Phase, Reelle, Imaginaire, Cosinus, Sinus, Niveau };

// One output of the transform of Y over min(count, NBPOINT) points, rectangular window and
// no pre-filter.
double Spectre(MoteurCalcul& moteur, Sortie sortie) {
    return Tableau(moteur, [&](std::vector<double>& t) {
        const TypeId* y = Table(moteur, 1, erreur::AuMoinsUnTableau);
        if (!y) return;
        const int n = std::min(NbPointsDe(*y), moteur.NbPoint());
        const bool polaire = sortie == Sortie::Module || sortie == Sortie::Niveau;
        t.assign(static_cast<std::size_t>(n) + 1, 0.0);
        std::vector<double>& b = moteur.Tampon(0);
        b.assign(polaire ? 0 : t.size(), 0.0);
        const nu::Transformee r = nu::TransformeeFourier(
            n, y->Valeurs(), nu::Fenetre::Rectangulaire, false, polaire, t, b);
        if (r.statut) return moteur.Erreur(ErreurFourier(r.statut));
        for (int i = 1; i <= n; ++i) {
            double& v = t[static_cast<std::size_t>(i)];
            const double im = polaire ? 0.0 : b[static_cast<std::size_t>(i)];
            switch (sortie) {
            case Sortie::Module:
            case Sortie::Reelle:
                break;
            case Sortie::Imaginaire:
                v = im;
                break;
            case Sortie::Cosinus:
                v = 2.0 * v;
                break;
            case Sortie::Sinus:
                v = -2.0 * im;
                break;
            case Sortie::Phase: {
                // The language's angle, in degrees in degree mode.
                const double a = std::atan2(im, v);
                v = moteur.degres ? a * 180.0 / std::numbers::pi : a;
                break;
            }
            case Sortie::Niveau:
                // Level relative to 0.775: no logarithm of 0.
                v = v > 0.0 ? 20.0 * std::log10(v / 0.775) : -Infini;
                break;
            }
        }
    });
}

} // namespace

double DERIV(MoteurCalcul& moteur) {
    return Derivee(moteur, false);
}
double DER2(MoteurCalcul& moteur) {
    return Derivee(moteur, true);
}

double INTEG(MoteurCalcul& moteur) {
    if (moteur.NbArguments() == 4) {
        // From the abscissa a to the abscissa b: the first points where X reaches them.
        return ScalaireForce(moteur, [&] {
            const TypeId *y = nullptr, *x = nullptr;
            int n = 0;
            if (!Integrande(moteur, y, x, n)) return 0.0;
            const double a = moteur.Arg(3).valeur, b = moteur.Arg(4).valeur;
            n = std::max(n, 1);
            const int i1 = PointAtteint(*x, n, a, 1);
            const int i2 = PointAtteint(*x, n, b, n);
            const double v = Trapezes(moteur, *y, *x, i1, i2);
            return a > b ? -v : v;
        });
    }
    return Tableau(moteur, [&](std::vector<double>& t) {
        const TypeId *y = nullptr, *x = nullptr;
        int n = 0;
        if (!Integrande(moteur, y, x, n)) return;
        t.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0.0);
        const int statut = nu::IntegraleCumulee(n, x->Valeurs(), y->Valeurs(), t);
        if (statut) moteur.Erreur(ErreurNoyau(statut));
    });
}

double INTEGN(MoteurCalcul& moteur) {
    return Memorise(moteur, [&] {
        const TypeId *y = nullptr, *x = nullptr;
        int n = 0;
        if (!Integrande(moteur, y, x, n)) return 0.0;
        n = std::max(n, 1);
        int i1 = 1, i2 = n;
        if (moteur.NbArguments() == 4) {
            i1 = Entier(moteur.Arg(3).valeur);
            i2 = Entier(moteur.Arg(4).valeur);
            if (i1 < 0 || i2 < 0) {
                moteur.Erreur(erreur::EntierPositif);
                return 0.0;
            }
            // Point 0 is not data: the first point stands for it.
            i1 = std::clamp(i1, 1, n);
            i2 = std::clamp(i2, 1, n);
        }
        return Trapezes(moteur, *y, *x, i1, i2);
    });
}

double LISSAGE(MoteurCalcul& moteur) {
    return Tableau(moteur, [&](std::vector<double>& t) {
        const TypeId* y = Table(moteur, 1, erreur::AuMoinsUnTableau);
        if (!y) return;
        const double d = moteur.NbArguments() >= 2 ? ArrondiPair(moteur.Arg(2).valeur) : 10.0;
        if (!(d >= 1.0 && d <= 20.0)) return moteur.Erreur(ErreurDegre);
        const int degre = static_cast<int>(d);
        const int n = NbPointsDe(*y);
        const auto py = y->Valeurs();
        t.assign(py.begin(), py.begin() + n + 1);
        // Blocks of one point leave the points as they are.
        if (degre < 2) return;
        std::vector<double>& x = moteur.Tampon(0);
        Temps(moteur, n, x);
        const int statut = nu::LissagePolynomial(n, x, py, degre, n, t);
        if (statut) moteur.Erreur(statut > 3 ? ErreurLissage : ErreurNoyau(statut));
    });
}

double PBAS(MoteurCalcul& moteur) {
    return Filtrer(moteur, Filtre::PasseBas);
}
double PHAUT(MoteurCalcul& moteur) {
    return Filtrer(moteur, Filtre::PasseHaut);
}
double PBANDE(MoteurCalcul& moteur) {
    return Filtrer(moteur, Filtre::PasseBande);
}

double FFTM(MoteurCalcul& moteur) {
    return Spectre(moteur, Sortie::Module);
}
double FFTA(MoteurCalcul& moteur) {
    return Spectre(moteur, Sortie::Phase);
}
double FFTR(MoteurCalcul& moteur) {
    return Spectre(moteur, Sortie::Reelle);
}
double FFTI(MoteurCalcul& moteur) {
    return Spectre(moteur, Sortie::Imaginaire);
}
double FFTC(MoteurCalcul& moteur) {
    return Spectre(moteur, Sortie::Cosinus);
}
double FFTS(MoteurCalcul& moteur) {
    return Spectre(moteur, Sortie::Sinus);
}
double FFTP(MoteurCalcul& moteur) {
    return Spectre(moteur, Sortie::Niveau);
}

double RFFT(MoteurCalcul& moteur) {
    return Tableau(moteur, [&](std::vector<double>& t) {
        const TypeId* a = Table(moteur, 1, erreur::AuMoinsUnTableau);
        const TypeId* b = a ? Table(moteur, 2, erreur::AuMoinsUnTableau) : nullptr;
        if (!b) return;
        const int n = std::min({NbPointsDe(*a), NbPointsDe(*b), moteur.NbPoint()});
        t.assign(static_cast<std::size_t>(n) + 1, 0.0);
        // Every bin kept: the signal of the whole spectrum.
        const nu::Transformee r = nu::TransformeeInverse(n, a->Valeurs(), b->Valeurs(), n, t);
        if (r.statut) moteur.Erreur(ErreurFourier(r.statut));
    });
}

} // namespace pelavorine::fonctions
