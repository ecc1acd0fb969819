#include "core/acquisition/ModeleParametres.h"
#include "gui/acquisition/TFicheParametres.h"
#include "gui/app/FenetrePrincipale.h"

#include "core/travail/Travail.h"
#include "core/windows/TableFenetres.h"

namespace pelavorine {

void FenetrePrincipale::OuvrirParametres(int page, int element) {
    TerminerOutils();
    if (page < 0) page = pageParametres_;
    if (page == ModeleParametres::PageFenetres && element == 0)
        element = travail_.TableDesFenetres().FenetreCourante();
    TFicheParametres fiche(travail_, travail_.Interface(), this);
    fiche.OuvrirPage(page, element);
    fiche.exec();
    pageParametres_ = fiche.PageCourante();
    // What the form applied (names, scales, period, point count) shows at once.
    TraiterDemandes();
    ActualiserMenus();
}

} // namespace pelavorine
