#include "core/calc/FonctionsScalaires.h"

#include "core/calc/ErreursCalcul.h"
#include "core/calc/FonctionsPoint.h"
#include "core/calc/FonctionsTableaux.h"
#include "core/calc/MoteurCalcul.h"
#include "core/calc/OutilsFonctions.h"
#include "core/interface/PortsLogiques.h"
#include "core/store/MesurePeriode.h"
#include "core/store/ServicesPoints.h"
#include "core/store/TableVariables.h"
#include "core/store/TypeId.h"

#include <QLatin1String>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelavorine::fonctions {

namespace {

constexpr double Pi = std::numbers::pi;

// The valid points of a variable.
struct Plage {
    int premier;
    int dernier;
};
Plage Points(const TypeId& y) {
    return {std::max(y.Premier, 1), std::min(y.NbPoints, y.Capacite())};
}

struct Extremes {
    double mini = 0.0;
    double maxi = 0.0;
};
Extremes ExtremesDe(const TypeId& y, Plage p) {
    Extremes e;
    if (p.dernier < p.premier) return e;
    e.mini = e.maxi = y.LirePoint(p.premier);
    for (int i = p.premier + 1; i <= p.dernier; ++i) {
        e.mini = std::min(e.mini, y.LirePoint(i));
        e.maxi = std::max(e.maxi, y.LirePoint(i));
    }
    return e;
}

// A value computed once per line: at point 1 by calcul and memorised, read back later.

// The check "argument k is a table", with the code the function gives.
bool Tableau(MoteurCalcul& moteur, int k, int code) {
    if (moteur.Arg(k).tableau) return true;
    moteur.Erreur(code);
    return false;
}

// With several arguments, every one must be a scalar.
bool TousScalaires(MoteurCalcul& moteur) {
    for (int k = 1; k <= moteur.NbArguments(); ++k) {
        if (moteur.Arg(k).tableau) {
            moteur.Erreur(erreur::ArgumentsScalaires);
            return false;
        }
    }
    return true;
}

// Mean (or root mean square) of a table over a whole number of periods when the signal has
// some, else over its points up to the line's count.
double MoyenneTable(MoteurCalcul& moteur, const TypeId& y, bool efficace) {
    Plage p = Points(y);
    p.dernier = std::min(p.dernier, moteur.NbPointsLigne());
    MesurePeriode etat = PreparerMesure(true);
    etat.muet = true;
    if (ChercherPassages(y.Valeurs(), p.premier, p.dernier, etat))
        p = {etat.premierPassage, etat.dernierPassage - 1};
    if (p.dernier < p.premier) return 0.0;
    double somme = 0.0;
    for (int i = p.premier; i <= p.dernier; ++i) {
        const double v = y.LirePoint(i);
        somme += efficace ? v * v : v;
    }
    const double m = somme / (p.dernier - p.premier + 1);
    return Borner(moteur, efficace ? std::sqrt(m) : m);
}

double Moyenne(MoteurCalcul& moteur, bool efficace) {
    return Memorise(moteur, [&]() {
        const int n = moteur.NbArguments();
        if (n == 1 && moteur.Arg(1).tableau) return MoyenneTable(moteur, Y(moteur, 1), efficace);
        if (!TousScalaires(moteur)) return 0.0;
        double somme = 0.0;
        for (int k = 1; k <= n; ++k)
            somme += efficace ? A(moteur, k) * A(moteur, k) : A(moteur, k);
        const double m = somme / n;
        return Borner(moteur, efficace ? std::sqrt(m) : m);
    });
}

double Extreme(MoteurCalcul& moteur, bool maximum) {
    const int n = moteur.NbArguments();
    if (n == 1 && moteur.Arg(1).tableau) {
        TypeId* y = moteur.Variables().Variable(moteur.Arg(1).variable);
        // The statistics are made fresh once per line: a table filled point by point may
        // hold old ones.
        if (moteur.Point() == 1) y->CalculerStatistiques();
        return maximum ? y->Maximum : y->Minimum;
    }
    if (moteur.Point() == 1 && !TousScalaires(moteur)) return 0.0;
    double r = A(moteur, 1);
    for (int k = 2; k <= n; ++k)
        r = maximum ? std::max(r, A(moteur, k)) : std::min(r, A(moteur, k));
    return r;
}

// The period measurement of a table from point depuis on, silent: the frequency against
// the table's abscissa (0 when no whole period is found), the crossing level and the first
// crossing.
struct Periodicite {
    double frequence = 0.0;
    double seuil = 0.0;
    int passage = 0;
};

Periodicite Mesurer(const TableVariables& table, const TypeId& y, int depuis) {
    Plage p = Points(y);
    p.premier = std::max(p.premier, depuis);
    MesurePeriode etat = PreparerMesure(true);
    etat.muet = true;
    Periodicite r;
    if (!ChercherPassages(y.Valeurs(), p.premier, p.dernier, etat)) return r;
    const int f = etat.premierPassage, l = etat.dernierPassage;
    const auto X = [&](int i) { return AbscisseDe(table, y, i); };
    const auto V = [&y](int i) { return y.LirePoint(i); };
    double d = X(l) - X(f);
    // A periodic signal crosses with the same slope each time: the two crossings lie
    // (V(l) - V(f)) / slope apart from their points.
    if (l < p.dernier && V(l + 1) != V(l))
        d -= (V(l) - V(f)) * (X(l) - X(l - 1)) / (V(l + 1) - V(l));
    if (d != 0.0 && std::isfinite(d)) r.frequence = etat.periodes / d;
    r.seuil = etat.seuil;
    r.passage = f;
    return r;
}

// The abscissa at which y crosses level s between point c and the next one.
double Instant(const TableVariables& table, const TypeId& y, int c, double s) {
    const double x0 = AbscisseDe(table, y, c);
    if (c + 1 > Points(y).dernier) return x0;
    const double v0 = y.LirePoint(c), v1 = y.LirePoint(c + 1);
    if (v1 == v0) return x0;
    return x0 + (s - v0) / (v1 - v0) * (AbscisseDe(table, y, c + 1) - x0);
}

// The logic port of argument 1, within 1..number of ports; 0 (error 53) when there is none.
int Port(MoteurCalcul& moteur) {
    const int nb = moteur.ports ? moteur.ports->NbPorts() : 0;
    const double p = ArrondiPair(A(moteur, 1));
    if (!(p >= 1.0 && p <= nb)) {
        moteur.Erreur(erreur::PortIncompatible);
        return 0;
    }
    return static_cast<int>(p);
}

} // namespace

double AFFECTER(MoteurCalcul& moteur) {
    return Memorise(moteur, [&]() {
        TableVariables& table = moteur.Variables();
        const int slot = moteur.Arg(1).variable;
        TypeId* v = table.Variable(slot);
        const double x = A(moteur, 3);
        if (slot <= 1 || !v) {
            moteur.Erreur(erreur::TypeArgument);
            return 0.0;
        }
        // The same protection as for a line that assigns them.
        if (slot == table.CaseTemps()) {
            moteur.Erreur(erreur::TempsReserve);
            return 0.0;
        }
        if (v->Nom.toUpper() == QLatin1String("PI")) {
            moteur.Erreur(erreur::PiReserve);
            return 0.0;
        }
        if (!v->EstTable()) {
            moteur.FixerCible(slot);
            moteur.FixerNbPointsLigne(moteur.Point());
            return x;
        }
        const double k = ArrondiPair(A(moteur, 2));
        if (!(k >= 1.0 && k <= v->Capacite())) {
            moteur.Erreur(erreur::HorsLimites);
            return 0.0;
        }
        const int point = static_cast<int>(k);
        // The line stores its value at that point of V, then ends.
        moteur.FixerCible(slot);
        moteur.FixerPoint(point);
        moteur.FixerNbPointsLigne(point);
        return x;
    });
}

double INDICE(MoteurCalcul& moteur) {
    return Memorise(moteur, [&]() {
        if (moteur.Arg(1).tableau) {
            moteur.Erreur(erreur::TypeArgument);
            return 0.0;
        }
        if (!Tableau(moteur, 2, erreur::TypeArgument)) return 0.0;
        const TypeId& y = Y(moteur, 2);
        const double x = A(moteur, 1);
        if (const int i = LocaliserIntervalle(y, x)) return static_cast<double>(i);
        const Extremes e = ExtremesDe(y, Points(y));
        if (x >= e.maxi) return static_cast<double>(y.NbPoints);
        if (x > e.mini) moteur.Erreur(erreur::HorsLimites);
        return 0.0;
    });
}

double MIN(MoteurCalcul& moteur) {
    return Extreme(moteur, false);
}
double MAX(MoteurCalcul& moteur) {
    return Extreme(moteur, true);
}
double MOY(MoteurCalcul& moteur) {
    return Moyenne(moteur, false);
}
double EFF(MoteurCalcul& moteur) {
    return Moyenne(moteur, true);
}

double NBFRONTS(MoteurCalcul& moteur) {
    return Memorise(moteur, [&]() {
        if (!Tableau(moteur, 1, erreur::TypeArgument)) return 0.0;
        const TypeId& y = Y(moteur, 1);
        const Plage p = Points(y);
        const Extremes e = ExtremesDe(y, p);
        const double demi = (e.maxi - e.mini) / 2;
        const double s = moteur.NbArguments() >= 2 ? A(moteur, 2) : 1.0;
        int fronts = 0;
        for (int i = p.premier; i < p.dernier; ++i) {
            const double pas = y.LirePoint(i + 1) - y.LirePoint(i);
            if (s >= 0.0 && pas > demi) ++fronts;
            if (s <= 0.0 && -pas > demi) ++fronts;
        }
        return static_cast<double>(fronts);
    });
}

double FREQUENCE(MoteurCalcul& moteur) {
    return Memorise(moteur, [&]() {
        if (!Tableau(moteur, 1, erreur::TypeArgument)) return 0.0;
        const double f = Mesurer(moteur.Variables(), Y(moteur, 1), 0).frequence;
        return std::fabs(f) >= 100.0 ? std::trunc(f) : std::trunc(f * 10.0) / 10.0;
    });
}

double DEPHASAGE(MoteurCalcul& moteur) {
    return Memorise(moteur, [&]() {
        if (!Tableau(moteur, 1, erreur::AuMoinsUnTableau) ||
            !Tableau(moteur, 2, erreur::AuMoinsUnTableau))
            return 0.0;
        const TableVariables& table = moteur.Variables();
        const TypeId& a = Y(moteur, 1);
        const TypeId& b = Y(moteur, 2);
        const Periodicite mb = Mesurer(table, b, 0);
        if (mb.frequence <= 0.0) return 0.0;
        // A's crossing is looked for from B's on.
        const Periodicite ma = Mesurer(table, a, mb.passage);
        if (ma.frequence <= 0.0 || std::fabs(mb.frequence - ma.frequence) > 0.02 * mb.frequence)
            return 0.0;
        const double delta =
            Instant(table, b, mb.passage, mb.seuil) - Instant(table, a, ma.passage, ma.seuil);
        const double phase = std::remainder(2 * Pi * mb.frequence * delta, 2 * Pi);
        if (moteur.degres) return std::round(phase * 1800.0 / Pi) / 10.0;
        return std::round(phase * 100.0) / 100.0;
    });
}

double IN(MoteurCalcul& moteur) {
    const int port = Port(moteur);
    if (port == 0) return 0.0;
    PortsLogiques& ports = *moteur.ports;
    if (ports.LireSensPort(port) == PELAVORINE_PORT_SORTIE &&
        !ports.ProgrammerSensPort(port, PELAVORINE_PORT_ENTREE)) {
        moteur.Erreur(erreur::PortEntree);
        return 0.0;
    }
    return ports.LirePort(port) & 0xFF;
}

double OUT(MoteurCalcul& moteur) {
    const double v = A(moteur, 2);
    if (!EstEntier(v)) {
        moteur.Erreur(erreur::Entier);
        return 0.0;
    }
    if (v < 0.0 || v > 255.0) {
        moteur.Erreur(erreur::Octet);
        return 0.0;
    }
    const int port = Port(moteur);
    if (port == 0) return 0.0;
    PortsLogiques& ports = *moteur.ports;
    if (ports.LireSensPort(port) != PELAVORINE_PORT_SORTIE &&
        !ports.ProgrammerSensPort(port, PELAVORINE_PORT_SORTIE)) {
        moteur.Erreur(erreur::PortSortie);
        return 0.0;
    }
    ports.EcrirePort(port, static_cast<int>(v));
    return v;
}

} // namespace pelavorine::fonctions
