#pragma once

#include "core/bureau/CommandesBureau.h"

#include <QObject>

namespace pelavorine {

class LigneEtat;
class Travail;
class ZoneFenetres;

// The window tabs of the status bar: "Calcul", "Tableur", then one tab per open window, the
// current one selected; a click leads to its window or command.
class OngletsBureau : public QObject {
    Q_OBJECT
public:
    OngletsBureau(Travail& travail, ZoneFenetres& fenetres, LigneEtat& etat);

    // Rebuilt when asked or when the open windows changed, then the current tab selected.
    void Actualiser(bool reconstruire);

signals:
    // The tab of "&Feuille de calcul" or of "&Mode Tableur" was chosen.
    void commandeDemandee(Commande commande);

private:
    void Clique(int index);

    Travail& travail_;
    ZoneFenetres& fenetres_;
    LigneEtat& etat_;
};

} // namespace pelavorine
