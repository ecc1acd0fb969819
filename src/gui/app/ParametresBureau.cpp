#include "acquisition/ModeleParametres.h"
#include "acquisition/TFicheParametres.h"
#include "app/FenetrePrincipale.h"

#include "Travail.h"
#include "windows/TableFenetres.h"

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
