#pragma once
// An EULUMDAT file as the program's record, the header the description is built from, and the
// luminaire's figures.

#include "Eulumdat.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

namespace lumetra {

// File lines of the values whose overflow the conversion reports, and of the stated light output
// ratio that a check compares with the intensities.
inline constexpr std::size_t kLightOutputRatioLine = 23;
inline constexpr std::size_t kConversionFactorLine = 24;
inline constexpr std::size_t kLampSetCountLine = 26;

// Fills the three from the file, or throws EulumdatError (a value in candela or a sum over the
// lamp sets beyond extended precision) and leaves all three as they were:
// - record: the gamma angles as vertical angles; the stored planes as horizontal angles in the
//   IES form of the symmetry, ascending for Isym 3; candela = cd/klm x the lamp sets' total flux
//   / 1000 x the conversion factor; LampLumens = that flux / the lamps' count (by absolute value;
//   the flux itself when the counts add to 0); CandelaMultiplier 1; UnitsType 2 (metres).
// - headerLines: "[TEST] ", "[MANUFAC] ", "[LUMINAIRE] ", "[LUMCAT] ", "[LAMP] " lines with the
//   report number, company, luminaire name and number and the first lamp type, verbatim.
// - facts: lamps, flux, wattage and the stated DFF and LORL as fractions; the luminous area in
//   metres, a round one (width 0) as IES writes it: width = length = -diameter.
void EulumdatToRecord(EulumdatFile file, tIES& record, TextLines& headerLines,
                      LuminaireFacts& facts);

} // namespace lumetra
