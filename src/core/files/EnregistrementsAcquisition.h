#pragma once

#include "core/format/BlocEnregistrement.h"

namespace pelavorine {

class Travail;
class TypeSortie;
class TypeVoie;
struct ContexteFichier;

// The acquisition records: the parameter record (ACQ), an analog input's settings (EAN) and
// an analog output's settings (SAN).
class EnregistrementsAcquisition {
public:
    static constexpr std::uint8_t TypeParametres = 4;
    static constexpr std::uint8_t TypeEntree = 5;
    static constexpr std::uint8_t TypeSortie = 6;
    static constexpr int TailleParametres = 36;
    static constexpr int TailleEntree = 24;
    static constexpr int TailleSortie = 27;

    static BlocEnregistrement EcrireParametres(const Travail& travail);
    static BlocEnregistrement EcrireEntree(const TypeVoie& voie);
    static BlocEnregistrement EcrireSortie(const pelavorine::TypeSortie& sortie);

    static void LireParametres(Travail& travail, const QByteArray& donnees);
    // Only for an input or an output the work has.
    static void LireEntree(Travail& travail, const BlocEnregistrement& bloc,
                           const ContexteFichier& contexte);
    static void LireSortie(Travail& travail, const BlocEnregistrement& bloc);

    static TypeVoie* Entree(Travail& travail, int numero);
    static pelavorine::TypeSortie* Sortie(Travail& travail, int numero);
};

} // namespace pelavorine
