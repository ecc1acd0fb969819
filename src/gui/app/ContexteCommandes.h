#pragma once

namespace pelavorine {

class BarreDesIcones;
class CadreBureau;
class Configuration;
class FenetrePrincipale;
class FichiersBureau;
class MenuBureau;
class MosaiquesBureau;
class RafraichissementBureau;
class Travail;
class ZoneFenetres;

// What the handlers of the desk's commands work on: the work, the settings, the desk and the
// parts it is made of. Everything here outlives the command table.
struct ContexteCommandes {
    FenetrePrincipale& bureau;
    Travail& travail;
    Configuration& configuration;
    CadreBureau& cadre;
    ZoneFenetres& fenetres;
    MosaiquesBureau& mosaiques;
    MenuBureau& menus;
    BarreDesIcones& icones;
    RafraichissementBureau& rafraichissement;
    FichiersBureau& fichiers;
};

} // namespace pelavorine
