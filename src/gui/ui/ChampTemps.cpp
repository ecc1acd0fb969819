#include "gui/ui/ChampTemps.h"

namespace pelavorine {

ChampTemps::ChampTemps(QWidget* parent) : ChampReel(parent) {}

} // namespace pelavorine
