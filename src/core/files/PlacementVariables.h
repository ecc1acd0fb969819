#pragma once

#include <array>
#include <bitset>

namespace pelavorine {

class TableVariables;
struct VariableFichier;

// Decides the slot of each variable read from a work file: the file's slot when it is free
// for that kind of variable, else a slot counted down from the top of the table. Keeps the
// map file slot -> slot for the point records that follow.
class PlacementVariables {
public:
    PlacementVariables(TableVariables& table, int parties);

    // Creates (or redefines) the variable of a descriptor and returns its slot; 0 when the
    // descriptor is ignored. The genre of lu loses the channel or output bits when the
    // variable cannot keep its kind.
    int Placer(VariableFichier& lu);
    // Slot of the work for a slot of the file; 0 when no descriptor was placed for it.
    int Case(int slotFichier) const;
    // Creates a variable in a given free slot (or redefines the one there); returns its slot.
    static int CreerEn(TableVariables& table, int slot, const VariableFichier& lu);

private:
    int Decompte();

    TableVariables& table_;
    int parties_;
    std::array<int, 256> carte_{};
    std::bitset<256> entreesLibres_;
    std::bitset<256> sortiesLibres_;
    int decompte_ = 255;
};

} // namespace pelavorine
