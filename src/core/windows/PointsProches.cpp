#include "core/windows/PointsProches.h"

#include "core/store/TableVariables.h"
#include "core/store/TypeId.h"
#include "core/windows/DonneesFenetre.h"
#include "core/windows/Legende.h"
#include "core/windows/Projection.h"

#include <cmath>
#include <limits>

namespace pelavorine {

namespace {

// The world abscissa of a value: log10 on a logarithmic axis (nothing for x ≤ 0).
bool AbscisseMonde(const DonneesFenetre& fenetre, double x, double& monde) {
    if (fenetre.abscisse.genre != DefinitionAbscisse::Logarithmique) {
        monde = x;
        return std::isfinite(x);
    }
    if (!(x > 0)) return false;
    monde = std::log10(x);
    return true;
}

} // namespace

PointDeCourbe PointSousCurseur(const DonneesFenetre& fenetre, const Projection& projection,
                               const TableVariables& variables, int x, int y, double fraction) {
    PointDeCourbe trouve;
    const double xm = projection.PWX(x);
    const double ym = projection.PWY(y);
    const double toleranceX = 0.005 * (projection.Xmax() - projection.Xmin());
    const double toleranceY = fraction * (projection.Ymax() - projection.Ymin());
    for (int slot : CourbesAffichees(fenetre.Numero(), variables)) {
        const TypeId* v = variables.Variable(slot);
        if (!v || !v->EstTable()) continue;
        for (int i = std::max(v->Premier, 1); i <= std::min(v->NbPoints, v->Capacite()); ++i) {
            double xi = 0;
            if (!AbscisseMonde(fenetre, v->Abscisse(i, fenetre.Numero()), xi)) continue;
            const double yi = v->LirePoint(i) * v->Multiplicateur + v->Decalage;
            if (std::abs(xi - xm) <= toleranceX && std::abs(yi - ym) <= toleranceY)
                trouve = {i, slot};
        }
    }
    return trouve;
}

PointDeCourbe PointLePlusProche(const DonneesFenetre& fenetre, const Projection& projection,
                                const TableVariables& variables, int x, int y) {
    PointDeCourbe trouve;
    double meilleure = std::numeric_limits<double>::infinity();
    for (int slot : CourbesAffichees(fenetre.Numero(), variables)) {
        const TypeId* v = variables.Variable(slot);
        if (!v || !v->EstTable()) continue;
        for (int i = std::max(v->Premier, 1); i <= std::min(v->NbPoints, v->Capacite()); ++i) {
            double xi = 0;
            if (!AbscisseMonde(fenetre, v->Abscisse(i, fenetre.Numero()), xi)) continue;
            const double dx = projection.WPX(xi) - x;
            const double dy = projection.WPY(v->LirePoint(i) * v->Multiplicateur + v->Decalage) - y;
            const double distance = std::sqrt(dx * dx + dy * dy);
            if (distance < meilleure) {
                meilleure = distance;
                trouve = {i, slot};
            }
        }
    }
    return meilleure <= 10 ? trouve : PointDeCourbe{};
}

} // namespace pelavorine
