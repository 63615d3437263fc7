#pragma once
// The Lamp cell of an EULUMDAT file, from its lamp sets rather than the one header line the
// viewer's description takes from the first set: a maker who leaves the lamp type blank still
// states the count, colour, colour rendering and wattage, and a luminaire of several sets has
// several lamps.

#include "eulumdat/Eulumdat.h"

#include <string>
#include <vector>

namespace lumetra::catalogue {

// Each set as "N × type" (the count only when more than one lamp), or, when its type is blank,
// what else it states: "5700 K, Ra 70, 1200 W" (units added to plain numbers, other text as
// written); the sets joined by "; ". Empty when no set states anything.
std::string LampSetsText(const std::vector<EulumdatLampSet>& sets);

} // namespace lumetra::catalogue
