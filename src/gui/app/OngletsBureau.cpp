#include "gui/app/OngletsBureau.h"

#include "core/bureau/TextesBureau.h"
#include "core/travail/Travail.h"
#include "gui/app/LigneEtat.h"
#include "gui/app/ZoneFenetres.h"
#include "gui/calc/FenetreFeuille.h"

#include <QMdiSubWindow>
#include <QStackedWidget>
#include <QTabBar>

namespace pelavorine {

OngletsBureau::OngletsBureau(Travail& travail, ZoneFenetres& fenetres, LigneEtat& etat)
    : travail_(travail), fenetres_(fenetres), etat_(etat) {
    connect(etat_.OngletsFenetres(), &QTabBar::tabBarClicked, this, &OngletsBureau::Clique);
}

void OngletsBureau::Actualiser(bool reconstruire) {
    QTabBar* onglets = etat_.OngletsFenetres();
    const TableFenetres& table = travail_.TableDesFenetres();
    const QStringList textes = textesBureau::Onglets(table);
    QStringList actuels;
    for (int i = 0; i < onglets->count(); ++i)
        actuels << onglets->tabText(i);
    const QSignalBlocker bloque(onglets);
    if (reconstruire || actuels != textes) {
        while (onglets->count() > 0)
            onglets->removeTab(0);
        for (const QString& t : textes)
            onglets->addTab(t);
    }
    // The sheet window shows the same window tabs under its panes.
    if (FenetreFeuille* feuille = fenetres_.Feuille()) feuille->FixerFenetres(textes.mid(2));
    const bool feuilleMontree = fenetres_.FeuilleActive() && fenetres_.FeuilleMontree();
    const int index = feuilleMontree ? 0 : textesBureau::OngletCourant(table);
    if (index >= 0) onglets->setCurrentIndex(index);
}

void OngletsBureau::Clique(int index) {
    if (etat_.Classeur()->currentIndex() != LigneEtat::PageFenetres || index < 0) return;
    // Leaving "Calcul" closes a calculation window that fills the desk (not in mosaic mode);
    // the window may refuse while its sheet does not compute.
    const bool quitteCalcul = etat_.OngletsFenetres()->currentIndex() == 0 && index != 0;
    QMdiSubWindow* sousFeuille = fenetres_.SousFeuille();
    if (quitteCalcul && fenetres_.FeuilleMontree() && sousFeuille->isMaximized())
        sousFeuille->close();
    if (index == 0) {
        emit commandeDemandee(Commande::FeuilleCalcul);
        return;
    }
    if (index == 1) {
        emit commandeDemandee(Commande::ModeTableur);
        return;
    }
    fenetres_.MontrerFenetreDeLOnglet(index);
}

} // namespace pelavorine
