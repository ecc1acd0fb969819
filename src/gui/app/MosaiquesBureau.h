#pragma once

#include "core/windows/Mosaique.h"

#include <QList>

class QWidget;

namespace pelavorine {

class CadreBureau;
class OngletsBureau;
class Travail;
class ZoneFenetres;

// The arrangements of the desk's windows: "Mosaique générale" tiles the open windows, the
// predefined mosaics place chosen windows in a layout of their count, with the calculation
// window in the bottom third when it is included.
class MosaiquesBureau {
public:
    MosaiquesBureau(Travail& travail, ZoneFenetres& fenetres, OngletsBureau& onglets,
                    CadreBureau& cadre)
        : travail_(travail), fenetres_(fenetres), onglets_(onglets), cadre_(cadre) {}

    // A window that fills the desk only comes back to normal.
    void Generale();
    // "Mosaiques prédéfinies": the layout chosen in its dialog, which remembers the last one.
    void Predefinies(QWidget* parent);
    // Places windows in the layout of that variant (in the given order), the calculation
    // window in the bottom third when `feuille` is set.
    void Appliquer(const QList<int>& fenetres, int variante, bool feuille, bool tableur);
    // The predefined mosaics include the calculation window (the work file keeps it).
    bool& FeuilleIncluse() { return feuille_; }

private:
    Travail& travail_;
    ZoneFenetres& fenetres_;
    OngletsBureau& onglets_;
    CadreBureau& cadre_;
    mosaique::EtatMosaique etat_;
    bool feuille_ = false;
};

} // namespace pelavorine
