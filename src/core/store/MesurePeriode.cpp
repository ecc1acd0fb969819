#include "core/store/MesurePeriode.h"

#include "core/store/Demandes.h"
#include "core/store/FenetresVariables.h"
#include "core/store/Genres.h"
#include "core/store/Hote.h"
#include "core/store/TableVariables.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace pelavorine {

namespace {

// Advances p to the next crossing of seuil from p on; a crossing at the last point counts
// only when the signal reaches the threshold exactly there.
bool Passage(std::span<const double> v, int& p, int dernier, double s, bool descendant) {
    const auto i = [](int k) { return static_cast<std::size_t>(k); };
    if (!descendant) {
        while (p < dernier && !(v[i(p)] <= s && s < v[i(p + 1)]))
            ++p;
        if (p < dernier) return true;
        return p == dernier && v[i(dernier)] >= s && s > v[i(dernier - 1)];
    }
    while (p < dernier && !(v[i(p)] >= s && s >= v[i(p + 1)]))
        ++p;
    if (p < dernier) return true;
    return p == dernier && v[i(dernier)] <= s && s < v[i(dernier - 1)];
}

void CalculerSeuil(std::span<const double> v, int premier, int dernier, MesurePeriode& etat) {
    double mini = v[static_cast<std::size_t>(premier)];
    double maxi = mini;
    double somme = 0.0;
    for (int k = premier; k <= dernier; ++k) {
        const double x = v[static_cast<std::size_t>(k)];
        mini = std::min(mini, x);
        maxi = std::max(maxi, x);
        somme += x;
    }
    switch (etat.mode) {
    case MesurePeriode::ModeSeuil::Moyenne:
        etat.seuil = somme / (dernier - premier + 1);
        break;
    case MesurePeriode::ModeSeuil::Milieu:
        etat.seuil = (maxi + mini) / 2;
        break;
    case MesurePeriode::ModeSeuil::Donne:
        break;
    }
}

QString MessageEchec() {
    return QCoreApplication::translate("MesurePeriode",
                                       "Signal non périodique ou pas assez de périodes affichées");
}

} // namespace

MesurePeriode PreparerMesure(bool automatique) {
    MesurePeriode etat;
    etat.periodes = automatique ? 0 : 1;
    return etat;
}

MesurePeriode PreparerMesure(bool automatique, double seuil, MesurePeriode::ModeSeuil mode) {
    MesurePeriode etat = PreparerMesure(automatique);
    etat.seuil = seuil;
    etat.mode = mode;
    return etat;
}

bool ChercherPassages(std::span<const double> v, int premier, int dernier, MesurePeriode& etat) {
    if (premier < 0 || premier >= dernier || static_cast<std::size_t>(dernier) >= v.size())
        return false;
    const bool illimite = etat.periodes <= 0;
    if (illimite) CalculerSeuil(v, premier, dernier, etat);
    const double s = etat.seuil;

    int p = premier;
    if (!Passage(v, p, dernier, s, etat.descendant)) return false;
    etat.premierPassage = etat.dernierPassage = p;
    int restant = illimite ? 0 : etat.periodes;
    int compte = 0;
    p += 2;
    do {
        // A crossing right where the search starts is a plateau at the threshold, not a
        // new period.
        const int depart = p;
        if (Passage(v, p, dernier, s, etat.descendant) && p > depart) {
            etat.dernierPassage = p;
            ++compte;
            if (!illimite) --restant;
        }
        ++p;
    } while ((illimite || restant > 0) && p < dernier);

    if (compte == 0 || restant != 0) return false;
    etat.periodes = compte;
    return true;
}

double MesurerPeriode(TableVariables& table, Hote& hote, MesurePeriode& etat, int slot, int fenetre,
                      bool restaurer, bool memoriser) {
    const TypeId* v = table.Variable(slot);
    if (!v) return 0.0;
    FenetresVariables& fenetres = table.Fenetres();
    const int w = fenetres.Existe(fenetre) ? fenetre : fenetres.FenetreCourante();
    if (!fenetres.Existe(w)) return 0.0;

    const SelectionFenetre avant = fenetres.Selection(w);
    int premier = std::max(v->Premier, 1);
    int dernier = std::min(v->NbPoints, v->Capacite());
    if (avant.active) {
        // A selection is kept within the valid points.
        premier = std::max(premier, avant.premier);
        dernier = std::min(dernier, avant.dernier);
    }

    double periode = 0.0;
    if (ChercherPassages(v->Valeurs(), premier, dernier, etat)) {
        const int f = etat.premierPassage;
        const int l = etat.dernierPassage;
        periode = (v->Abscisse(l, w) - v->Abscisse(f, w)) / etat.periodes;
        if (memoriser) {
            SelectionFenetre s;
            s.premier = f;
            s.dernier = l;
            s.active = !(f == l || (f == v->Premier && l == v->NbPoints));
            s.variable = slot;
            fenetres.FixerSelection(w, s);
        }
    } else {
        fenetres.FixerSelection(w, SelectionFenetre{false, v->Premier, v->NbPoints, slot});
        if (!etat.muet) hote.Erreur(MessageEchec());
    }
    if (restaurer) fenetres.FixerSelection(w, avant);
    if (memoriser) table.DemanderMiseAJour(demande::Cadre | demande::Courbes);
    return periode;
}

double MesurerFrequence(TableVariables& table, Hote& hote, MesurePeriode& etat, int slot,
                        int abscisse, int premier) {
    const TypeId* v = table.Variable(slot);
    if (!v) return 0.0;
    const TypeId* x = table.Variable(abscisse);
    if (!x || x->NbPoints == 0) x = table.Variable(table.CaseTemps());
    if (!x) return 0.0;

    premier = premier > 0 ? std::max(premier, v->Premier) : v->Premier;
    const int dernier = std::min(v->NbPoints, v->Capacite());
    const auto y = v->Valeurs();
    double frequence = 0.0;
    if (ChercherPassages(y, premier, dernier, etat) && etat.dernierPassage <= x->Capacite()) {
        const int f = etat.premierPassage;
        const int l = etat.dernierPassage;
        const auto X = [x](int i) { return x->LirePoint(i); };
        const auto Y = [y](int i) { return y[static_cast<std::size_t>(i)]; };
        double d = X(l) - X(f);
        // Both crossings lie between two points; a periodic signal crosses with the same
        // slope each time, so their offsets differ by (v[l] - v[f]) over that slope.
        if (l < v->NbPoints && Y(l + 1) != Y(l))
            d -= (Y(l) - Y(f)) * (X(l) - X(l - 1)) / (Y(l + 1) - Y(l));
        if (d != 0.0 && std::isfinite(d)) frequence = etat.periodes / d;
    }
    if (frequence == 0.0 && !etat.muet) hote.Erreur(MessageEchec());
    return frequence;
}

} // namespace pelavorine
