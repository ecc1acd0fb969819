#include "core/files/EnregistrementFenetreFeuille.h"

#include "core/calc/FeuilleCalcul.h"
#include "core/format/EcrivainBinaire.h"
#include "core/format/LecteurBinaire.h"
#include "core/travail/Travail.h"

namespace pelavorine {

bool EnregistrementFenetreFeuille::Ecrire(const Travail& travail, BlocEnregistrement& bloc) {
    if (!travail.fenetreFeuille) return false;
    const EtatFenetreFeuille& f = *travail.fenetreFeuille;
    EcrivainBinaire d;
    d.I16(static_cast<std::int16_t>(f.gauche));
    d.I16(static_cast<std::int16_t>(f.haut));
    d.I16(static_cast<std::int16_t>(f.largeur));
    d.I16(static_cast<std::int16_t>(f.hauteur));
    d.U8(f.etat);
    d.U8(f.visible ? 1 : 0);
    d.I16(static_cast<std::int16_t>(travail.Feuille().etat.nbChiffres));
    d.U8(f.mosaique ? 1 : 0);
    d.Zeros(Taille - d.Taille());
    bloc = {{"FCA", Type, 2, 0, 0, static_cast<std::uint16_t>(d.Taille())}, d.Donnees(), {}};
    return true;
}

void EnregistrementFenetreFeuille::Lire(Travail& travail, const QByteArray& donnees) {
    const QByteArray complet = LecteurBinaire::Complete(donnees, Taille);
    LecteurBinaire e(complet);
    EtatFenetreFeuille f;
    f.gauche = e.I16();
    f.haut = e.I16();
    f.largeur = e.I16();
    f.hauteur = e.I16();
    f.etat = e.U8();
    f.visible = e.U8() != 0;
    const int chiffres = e.I16();
    f.mosaique = e.U8() != 0;
    travail.fenetreFeuille = f;
    travail.Feuille().etat.nbChiffres =
        chiffres >= 1 && chiffres <= MaxChiffres ? chiffres : ChiffresParDefaut;
}

} // namespace pelavorine
