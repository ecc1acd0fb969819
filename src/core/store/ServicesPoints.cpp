#include "core/store/ServicesPoints.h"

#include "core/store/TableVariables.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace pelavorine {

int LocaliserIntervalle(const TypeId& variable, double x) {
    for (int i = variable.Premier; i < variable.NbPoints; ++i) {
        const double a = variable.LirePoint(i);
        const double b = variable.LirePoint(i + 1);
        const bool dedans = a > b ? (b < x && x <= a) : (a <= x && x < b);
        if (dedans) return i;
    }
    return 0;
}

void Trier(TableVariables& table, int slot, int premier, int dernier, bool croissant,
           std::set<int> ensemble) {
    if (slot <= table.CaseTemps()) return;
    const TypeId* cle = table.Variable(slot);
    if (!cle || cle->NbPoints == 1) return;
    premier = std::max({premier, cle->Premier, 1});
    dernier = std::min({dernier, cle->NbPoints, cle->Capacite()});
    const int n = dernier - premier + 1;
    if (n < 2) return;

    // Without the key in the ensemble the order could never be reached.
    ensemble.insert(slot);
    std::vector<TypeId*> suivent;
    for (int s = table.CaseTemps(); s <= table.DerniereCase(); ++s)
        if (ensemble.contains(s) && table.Variable(s)) suivent.push_back(table.Variable(s));

    const auto k = [cle](int i) { return cle->LirePoint(i); };
    const auto desordre = [&](int a, int b) { return croissant ? k(a) > k(b) : k(b) > k(a); };
    const auto echanger = [&](int a, int b) {
        for (TypeId* v : suivent) {
            if (a < v->Premier || b > v->NbPoints || b > v->Capacite()) continue;
            auto points = v->Valeurs();
            std::swap(points[static_cast<std::size_t>(a)], points[static_cast<std::size_t>(b)]);
        }
    };
    for (int g = n / 2; g >= 1; g /= 2)
        for (int d = premier; d <= dernier - g; ++d)
            for (int e = d; e >= premier && desordre(e, e + g); e -= g)
                echanger(e, e + g);
}

bool AbscisseParExtremes(const TypeId& source, TypeId& cible) {
    if (source.NomAbscisse.isEmpty() || source.NbPoints < 2) return false;
    const double x1 = source.Abscisse(1, 0);
    const double xn = source.Abscisse(source.NbPoints, 0);
    if (x1 >= TypeId::Indefini || xn >= TypeId::Indefini) return false;
    cible.FixerAbscisseLineaire(source.NomAbscisse, (xn - x1) / (source.NbPoints - 1), x1);
    return true;
}

bool RemplirSuite(TableVariables& table, int slot, int n, double pas, double origine) {
    if (slot < table.PremiereCaseUtilisateur()) return false;
    TypeId* v = table.Variable(slot);
    if (!v) return false;
    n = std::clamp(n, 0, v->Capacite());
    for (int i = 1; i <= n; ++i)
        v->EcrirePoint(i, origine + pas * (i - 1));
    v->NbPoints = n;
    v->CalculerStatistiques();
    return true;
}

} // namespace pelavorine
