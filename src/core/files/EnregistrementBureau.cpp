#include "core/files/EnregistrementBureau.h"

#include "core/files/ContexteFichier.h"
#include "core/format/EcrivainBinaire.h"
#include "core/format/LecteurBinaire.h"
#include "core/travail/Travail.h"

#include <algorithm>

namespace pelavorine {

namespace {
// A client size below this was not measured: the screen's size stands for it.
constexpr int kTailleMinimale = 10;
} // namespace

BlocEnregistrement EnregistrementBureau::Ecrire(const Travail& travail) {
    const EtatBureau& b = travail.bureau;
    EcrivainBinaire d;
    d.I16(static_cast<std::int16_t>(b.gauche));
    d.I16(static_cast<std::int16_t>(b.haut));
    d.I16(static_cast<std::int16_t>(b.largeur));
    d.I16(static_cast<std::int16_t>(b.hauteur));
    d.U8(b.etat);
    d.I32(b.couleur);
    d.U8(b.teinte);
    d.U16(travail.options & OptionsGardees);
    d.U16(b.affichage);
    d.U16(static_cast<std::uint16_t>(travail.Variables().NbPoint()));
    d.U8(static_cast<std::uint8_t>(travail.TableDesFenetres().FenetreCourante()));
    d.I16(static_cast<std::int16_t>(b.largeurClient));
    d.I16(static_cast<std::int16_t>(b.hauteurClient));
    d.I32(b.couleurEtat);
    return {{"BUR", Type, 2, 0, 0, static_cast<std::uint16_t>(d.Taille())}, d.Donnees(), {}};
}

void EnregistrementBureau::Lire(Travail& travail, const QByteArray& donnees,
                                ContexteFichier& contexte) {
    LecteurBinaire e(donnees);
    EtatBureau& b = travail.bureau;
    const int gauche = e.I16();
    const int haut = e.I16();
    const int largeur = e.I16();
    const int hauteur = e.I16();
    b.etat = std::min<std::uint8_t>(e.U8(), EtatBureau::Maximise);
    if (b.etat != EtatBureau::Maximise) {
        b.gauche = gauche;
        b.haut = haut;
        b.largeur = std::min(largeur, b.largeurEcran);
        b.hauteur = std::min(hauteur, b.hauteurEcran);
    }
    b.couleur = e.I32();
    b.teinte = std::min<std::uint8_t>(e.U8(), 7);
    const std::uint16_t options = e.U16();
    travail.options = static_cast<std::uint16_t>((travail.options & OptionsDuProgramme) |
                                                 (options & OptionsGardees));
    b.affichage = e.U16() & 0xFF7F;
    const int nbPoint = e.U16();

    TableFenetres& fenetres = travail.TableDesFenetres();
    for (int f = 1; f <= TableFenetres::NbFenetres; ++f)
        fenetres.Fermer(f);
    if (nbPoint >= 1 && nbPoint != travail.Variables().NbPoint())
        travail.Variables().ChangerNbPoints(nbPoint, true);

    contexte.bureauLu = true;
    contexte.fenetreCourante = e.U8();
    const int largeurClient = e.I16();
    const int hauteurClient = e.I16();
    contexte.largeurClient = largeurClient < kTailleMinimale ? b.largeurEcran : largeurClient;
    contexte.hauteurClient = hauteurClient < kTailleMinimale ? b.hauteurEcran : hauteurClient;
    // The status-line colour of the file is not taken: the configured one stays.
    travail.AppliquerOptions();
}

} // namespace pelavorine
