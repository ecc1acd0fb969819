#pragma once

#include "core/calc/MoteurCalcul.h"
#include "core/store/TableVariables.h"

#include <cmath>

// Small helpers shared by the functions of the language.
namespace pelavorine::fonctions {

// Value of the k-th argument as written.
inline double A(const MoteurCalcul& moteur, int k) {
    return moteur.Arg(k).valeur;
}

inline bool EstEntier(double x) {
    return x == std::trunc(x);
}

// The variable of the k-th argument; the argument checks made sure it exists.
inline const TypeId& Y(MoteurCalcul& moteur, int k) {
    return *moteur.Variables().Variable(moteur.Arg(k).variable);
}

// A scalar computed once per line: at point 1 it is computed and kept in the line's cached
// results, the following points read it back.
template <class Calcul> double Memorise(MoteurCalcul& moteur, Calcul calcul) {
    double v = 0.0;
    if (moteur.Point() != 1) {
        moteur.Relire(v);
        return v;
    }
    v = calcul();
    if (moteur.EnErreur()) return 0.0;
    moteur.Memoriser(v);
    return v;
}

} // namespace pelavorine::fonctions
