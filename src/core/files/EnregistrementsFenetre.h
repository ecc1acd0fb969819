#pragma once

#include "core/format/BlocEnregistrement.h"

#include <vector>

namespace pelavorine {

class DonneesFenetre;
class Travail;
struct ContexteFichier;

// The records of a curve window: the window itself (FEN), its comments (COM, each followed
// by its text lines) and its arrows (FLE).
class EnregistrementsFenetre {
public:
    static constexpr std::uint8_t TypeFenetre = 1;
    static constexpr std::uint8_t TypeCommentaire = 2;
    static constexpr std::uint8_t TypeFleche = 3;
    static constexpr int TailleFenetre = 150;
    static constexpr int TailleCommentaire = 88;
    static constexpr int TailleFleche = 46;

    // FEN, then COM for each comment and FLE for each arrow (the 16-bit value numbers the
    // window's controls: the comments first, then the arrows).
    static std::vector<BlocEnregistrement> Ecrire(const DonneesFenetre& fenetre);

    static void LireFenetre(Travail& travail, const BlocEnregistrement& bloc,
                            const ContexteFichier& contexte);
    static void LireCommentaire(Travail& travail, const BlocEnregistrement& bloc);
    static void LireFleche(Travail& travail, const BlocEnregistrement& bloc);
};

} // namespace pelavorine
