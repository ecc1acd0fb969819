#include "core/format/EnteteEnregistrement.h"

#include "core/format/EcrivainBinaire.h"
#include "core/format/LecteurBinaire.h"

namespace pelavorine {

void EnteteEnregistrement::Ecrire(EcrivainBinaire& sortie) const {
    sortie.Chaine("[" + tag.left(3).leftJustified(3, ' ') + "]", 5);
    sortie.U8(type);
    sortie.U8(masque);
    sortie.U8(index);
    sortie.U16(valeur);
    sortie.U16(taille);
    sortie.U8(Controle);
}

bool EnteteEnregistrement::Lire(LecteurBinaire& entree, EnteteEnregistrement& entete) {
    const QByteArray marqueur = entree.Octets(6);
    entete.type = entree.U8();
    entete.masque = entree.U8();
    entete.index = entree.U8();
    entete.valeur = entree.U16();
    entete.taille = entree.U16();
    const std::uint8_t controle = entree.U8();
    if (!entree.Ok() || marqueur.size() != 6 || marqueur[0] != 5 || marqueur[1] != '[' ||
        marqueur[5] != ']' || entete.type > Fin || controle != Controle)
        return false;
    entete.tag = marqueur.mid(2, 3);
    return true;
}

bool SauterSuiteEnregistrement(LecteurBinaire& e, const EnteteEnregistrement& entete,
                               QByteArrayView donnees, bool policeNotes) {
    int lignes = 0;
    if (entete.type == enregistrement::Com)
        lignes = donnees.size() > 79 ? static_cast<std::uint8_t>(donnees[79]) : 0;
    else if (entete.type == enregistrement::Cal)
        lignes = entete.valeur;
    else if (entete.type == enregistrement::Not && policeNotes)
        e.Sauter(39);
    for (int i = 0; i < lignes && e.Ok(); ++i)
        e.Sauter(e.U8());
    return e.Ok();
}

} // namespace pelavorine
