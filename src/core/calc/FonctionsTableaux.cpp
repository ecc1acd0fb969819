#include "core/calc/FonctionsTableaux.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/FonctionsPoint.h"
#include "core/calc/MoteurCalcul.h"
#include "core/calc/OutilsFonctions.h"
#include "core/store/Genres.h"
#include "core/store/ServicesPoints.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeId.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace pelavorine::fonctions {

namespace {

// Point i of y when it is one of its points, else 0: a shift or a truncation never reads
// what lies past the count.
double PointDe(const TypeId& y, int i) {
    return i >= 1 && i <= y.NbPoints ? y.LirePoint(i) : 0.0;
}

// The check "argument k is a table", with the code the function gives.
bool Tableau(MoteurCalcul& moteur, int k, int code) {
    if (moteur.Arg(k).tableau) return true;
    moteur.Erreur(code);
    return false;
}

// A shift (argument 2) of RETARD and AVANCE: an integer within 0..NBPOINT.
bool Decalage(MoteurCalcul& moteur) {
    const double n = A(moteur, 2);
    if (!EstEntier(n))
        moteur.Erreur(erreur::Entier);
    else if (n < 0.0 || n > moteur.NbPoint())
        moteur.Erreur(erreur::HorsLimites);
    return !moteur.EnErreur();
}

// Functions whose point i reads other points of Y. When Y is the line's target, its points
// are overwritten one by one as the line runs: the whole result is then computed at point 1
// from a copy into the target, where each later point reads it back before it is stored.
template <class F> double AutresPoints(MoteurCalcul& moteur, F valeur) {
    const TypeId& y = Y(moteur, 1);
    const int i = moteur.Point();
    const auto direct = [&y](int k) { return PointDe(y, k); };
    if (moteur.Arg(1).variable != moteur.Cible()) return valeur(direct, i);
    TypeId* cible = moteur.VariableCible();
    if (i == 1) {
        std::vector<double> copie(static_cast<std::size_t>(std::max(y.NbPoints, 0)) + 1, 0.0);
        for (int k = 1; k <= y.NbPoints; ++k)
            copie[static_cast<std::size_t>(k)] = y.LirePoint(k);
        const auto lire = [&copie](int k) {
            return k >= 1 && k < static_cast<int>(copie.size()) ? copie[static_cast<std::size_t>(k)]
                                                                : 0.0;
        };
        const int n = std::min(moteur.NbPointsLigne(), cible->Capacite());
        for (int k = 1; k <= n; ++k)
            cible->EcrirePoint(k, valeur(lire, k));
    }
    return cible->LirePoint(i);
}

// A line whose table holds no point: the target is left empty and the loop ends without
// storing (point 0 is not a point of a table).
double TableVide(MoteurCalcul& moteur) {
    if (TypeId* cible = moteur.VariableCible(); cible && cible->EstTable()) cible->NbPoints = 0;
    moteur.FixerNbPointsLigne(0);
    moteur.FixerPoint(0);
    return 0.0;
}

// Gives the line's target c points: capacity raised when needed, count and line's count c.
bool Dimensionner(MoteurCalcul& moteur, int c) {
    TypeId* cible = moteur.VariableCible();
    if (cible && cible->Capacite() < c) moteur.RecreerCible(c);
    cible = moteur.VariableCible();
    if (moteur.EnErreur() || !cible || cible->Capacite() < c) {
        moteur.Erreur(erreur::Memoire);
        return false;
    }
    cible->NbPoints = c;
    moteur.FixerNbPointsLigne(c);
    return true;
}

// CRETEMAXI, and CRETEMINI through the opposite signal.
double Cretes(MoteurCalcul& moteur, double signe) {
    if (moteur.Point() != 1) {
        const TypeId* cible = moteur.VariableCible();
        return cible ? cible->LirePoint(moteur.Point()) : 0.0;
    }
    if (!Tableau(moteur, 1, erreur::AuMoinsUnTableau)) return 0.0;
    TableVariables& table = moteur.Variables();
    const TypeId& y = Y(moteur, 1);
    const int n = std::min({y.NbPoints, y.Capacite(), moteur.NbPoint()});
    std::vector<double> z(static_cast<std::size_t>(std::max(n, 0)) + 1, 0.0);
    for (int k = 1; k <= n; ++k)
        z[static_cast<std::size_t>(k)] = signe * y.LirePoint(k);
    const auto v = [&z](int k) { return z[static_cast<std::size_t>(k)]; };

    double mini = n >= 1 ? v(1) : 0.0, maxi = mini;
    for (int k = 1; k <= n; ++k) {
        mini = std::min(mini, v(k));
        maxi = std::max(maxi, v(k));
    }
    const double h = moteur.NbArguments() >= 2 ? A(moteur, 2) : (maxi - mini) / 4;

    std::vector<std::pair<double, double>> cretes; // value, abscissa
    int i = 1;
    const auto descendre = [&]() {
        while (i <= n - 2 && v(i + 2) < v(i))
            ++i;
    };
    descendre();
    double g = mini;
    int indice = i;
    for (; i <= n - 2; ++i) {
        if (v(i) > g) {
            g = v(i);
            indice = i;
        }
        if (g - v(i) > h) {
            cretes.emplace_back(signe * g, AbscisseDe(table, y, indice));
            g = mini;
            descendre();
        }
    }
    const QString nom = NomAbscisseDe(table, y);

    const int c = static_cast<int>(cretes.size());
    if (c == 0) return TableVide(moteur);
    if (!Dimensionner(moteur, c)) return 0.0;
    TypeId* cible = moteur.VariableCible();
    // The peak abscissae become the target's own values under the name of Y's abscissa.
    if (cible->Genre & (genre::AbscisseLineaire | genre::AbscisseVariable))
        cible->FixerAbscisseLineaire(QString(), 0.0, 0.0);
    cible->FixerDonneesAbscisse({});
    cible->NomAbscisse = nom;
    for (int k = 1; k <= c; ++k) {
        cible->EcrirePoint(k, cretes[static_cast<std::size_t>(k - 1)].first);
        cible->EcrireAbscisse(k, cretes[static_cast<std::size_t>(k - 1)].second);
    }
    if (static_cast<int>(cible->DonneesAbscisse().size()) <= c) {
        moteur.Erreur(erreur::Memoire);
        return 0.0;
    }
    return cible->LirePoint(1);
}

} // namespace

double AbscisseDe(const TableVariables& table, const TypeId& y, int i) {
    const bool liee = y.Genre & genre::AbscisseVariable;
    const bool propre = (liee && table.IndexVariable(y.NomAbscisse) != 0) ||
                        (!liee && (y.Genre & genre::AbscisseLineaire)) ||
                        (!liee && !y.NomAbscisse.isEmpty() && !y.DonneesAbscisse().empty());
    if (propre) return y.AbscissePropre(i);
    const TypeId* t = table.Variable(table.CaseTemps());
    if (!t) return TypeId::Indefini;
    // A family of curves runs over several time bases.
    const int n = table.NbPoint();
    if (i > t->Capacite() && (y.Genre & genre::Reseau) && n > 0) i = (i - 1) % n + 1;
    return t->LirePoint(i);
}

QString NomAbscisseDe(const TableVariables& table, const TypeId& y) {
    const bool liee = y.Genre & genre::AbscisseVariable;
    if ((liee && table.IndexVariable(y.NomAbscisse) != 0) ||
        (!liee && !y.NomAbscisse.isEmpty() &&
         ((y.Genre & genre::AbscisseLineaire) || !y.DonneesAbscisse().empty())))
        return y.NomAbscisse;
    const TypeId* t = table.Variable(table.CaseTemps());
    return t ? t->Nom : QStringLiteral("T");
}

double RETARD(MoteurCalcul& moteur) {
    if (moteur.Point() == 1 && (!Tableau(moteur, 1, erreur::TypeArgument) || !Decalage(moteur)))
        return 0.0;
    const int n = static_cast<int>(A(moteur, 2));
    return AutresPoints(moteur, [n](auto&& lire, int i) { return i > n ? lire(i - n) : 0.0; });
}

double AVANCE(MoteurCalcul& moteur) {
    if (moteur.Point() == 1 && (!Tableau(moteur, 1, erreur::TypeArgument) || !Decalage(moteur)))
        return 0.0;
    const int n = static_cast<int>(A(moteur, 2));
    const int total = moteur.NbPoint();
    return AutresPoints(
        moteur, [n, total](auto&& lire, int i) { return i + n <= total ? lire(i + n) : 0.0; });
}

double PERIODE(MoteurCalcul& moteur) {
    const double k = A(moteur, 2);
    if (moteur.Point() == 1) {
        if (!Tableau(moteur, 1, erreur::TypeArgument)) return 0.0;
        if (k < 0.0 || k > moteur.NbPoint()) {
            moteur.Erreur(erreur::ArgumentNegatif);
            return 0.0;
        }
    }
    const double m = std::max(moteur.NbPointsLigne(), 1);
    return AutresPoints(moteur, [k, m](auto&& lire, int i) {
        return lire(static_cast<int>(std::fmod(ArrondiPair((i - 1) * k), m)) + 1);
    });
}

double TRIGGER(MoteurCalcul& moteur) {
    if (moteur.Point() == 1 && !Tableau(moteur, 1, erreur::TypeArgument)) return 0.0;
    return PointDe(Y(moteur, 1), moteur.Point()) >= A(moteur, 2) ? 1.0 : 0.0;
}

double TRUNC(MoteurCalcul& moteur) {
    if (moteur.Point() == 1) {
        if (!Tableau(moteur, 1, erreur::TypeArgument)) return 0.0;
        const double n = A(moteur, 2);
        if (!EstEntier(n))
            moteur.Erreur(erreur::Entier);
        else if (n < 1.0 || n > moteur.NbPoint())
            moteur.Erreur(erreur::HorsLimites);
        if (moteur.EnErreur() || !Dimensionner(moteur, static_cast<int>(n))) return 0.0;
    }
    return PointDe(Y(moteur, 1), moteur.Point());
}

double ENSEMBLE(MoteurCalcul& moteur) {
    const int n = moteur.NbArguments();
    if (moteur.Point() == 1) {
        for (int k = 1; k <= n; ++k) {
            if (moteur.Arg(k).tableau) {
                moteur.Erreur(erreur::UnSeulTableau);
                return 0.0;
            }
        }
        // The set is a table of its own: N points, whatever the target held before.
        const TypeId* cible = moteur.VariableCible();
        const int capacite = std::max(moteur.NbPoint(), n);
        if (cible && cible->Capacite() != capacite) moteur.RecreerCible(capacite);
        if (!Dimensionner(moteur, n)) return 0.0;
    }
    return A(moteur, std::min(moteur.Point(), n));
}

double SEUIL(MoteurCalcul& moteur) {
    if (moteur.Point() != 1) {
        const TypeId* cible = moteur.VariableCible();
        return cible ? cible->LirePoint(moteur.Point()) : 0.0;
    }
    if (!Tableau(moteur, 1, erreur::AuMoinsUnTableau) ||
        !Tableau(moteur, 2, erreur::AuMoinsUnTableau))
        return 0.0;
    const TypeId& y = Y(moteur, 1);
    const TypeId& x = Y(moteur, 2);
    const double s = A(moteur, 3), d = A(moteur, 4);
    const int n = std::min(y.NbPoints, x.NbPoints);
    std::vector<double> passages;
    for (int i = 2; i <= n; ++i) {
        const double y0 = y.LirePoint(i - 1), y1 = y.LirePoint(i);
        const bool montant = d >= 0.0 && y0 <= s && s <= y1;
        const bool descendant = d <= 0.0 && y0 >= s && s >= y1;
        if (!montant && !descendant) continue;
        const double x0 = x.LirePoint(i - 1), x1 = x.LirePoint(i);
        // A step lying on the level crosses it at its start.
        passages.push_back(y1 != y0 ? x0 + (x1 - x0) * (s - y0) / (y1 - y0) : x0);
        ++i; // the next point belongs to this crossing
    }
    const int c = static_cast<int>(passages.size());
    if (c == 0) return TableVide(moteur);
    if (c == 1) {
        // One crossing is a value, not a table.
        moteur.RecreerCible(1);
        moteur.FixerNbPointsLigne(1);
        return passages.front();
    }
    if (!Dimensionner(moteur, c)) return 0.0;
    TypeId* cible = moteur.VariableCible();
    for (int k = 1; k <= c; ++k)
        cible->EcrirePoint(k, passages[static_cast<std::size_t>(k - 1)]);
    return passages.front();
}

double CRETEMAXI(MoteurCalcul& moteur) {
    return Cretes(moteur, 1.0);
}
double CRETEMINI(MoteurCalcul& moteur) {
    return Cretes(moteur, -1.0);
}

double TRIER(MoteurCalcul& moteur) {
    if (moteur.Point() == 1) {
        if (!Tableau(moteur, 1, erreur::AuMoinsUnTableau)) return 0.0;
        const TypeId& y = Y(moteur, 1);
        const bool croissant = moteur.NbArguments() < 2 || A(moteur, 2) >= 0.0;
        Trier(moteur.Variables(), moteur.Arg(1).variable, 1, y.NbPoints, croissant);
    }
    // The sorted point, not the value read before the sort.
    return PointDe(Y(moteur, 1), moteur.Point());
}

} // namespace pelavorine::fonctions
