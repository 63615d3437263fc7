#pragma once
// EULUMDAT (.ldt) photometric files.
//
// The road from a file name to the program's data:
//   PhotometryFile   picks the reader by the file's extension: ".ldt" in any letter case comes
//                    here, everything else goes to the IES loader of src/data.
//   EulumdatLoading  reads the file's lines with the IES loader's limits, then
//   EulumdatReader   walks them with a LineCursor (one value per line, blanks and tabs around
//                    it ignored, a decimal comma read as a point) into an EulumdatFile below:
//                    the fixed lines, the lamp sets, the C- and gamma angles and the stored
//                    intensities in cd/klm. Any fault is an EulumdatError naming the file line.
//   EulumdatRecord   turns that into the record every consumer knows (tIES, candela in cd,
//                    horizontal angles in the IES form of the symmetry, StoredPlanes), the
//                    header lines the description is built from, and the LuminaireFacts.
// Nothing here touches the program-wide data; the caller passes what is to be filled.

#include "data/Photometry.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumetra {

struct EulumdatLampSet {
    long double NumberOfLamps = 0; // negative in files of absolute photometry
    std::string LampType;          // verbatim
    long double TotalFlux = 0;     // lm
    std::string ColourTemperature; // verbatim, "3000 K", "WW", ...
    std::string ColourRendering;   // verbatim, "Ra 80", "1B", ...
    long double Wattage = 0;       // W, ballast included
};

// The lines of a file that the program uses, as the file gives them. Text lines keep their
// blanks; the lines nobody uses (type indicator, steps, tilt, ...) are not kept.
struct EulumdatFile {
    std::string CompanyIdentification;
    int Isym = 0;
    std::size_t Mc = 0;
    std::size_t Ng = 0;
    std::string MeasurementReportNumber;
    std::string LuminaireName;
    std::string LuminaireNumber;
    // Sizes in mm; absent when the line is not a number, since nothing depends on them.
    std::optional<long double> LuminaireDimensions[3]; // length or diameter, width (0: round),
                                                       // height
    std::optional<long double> LuminousAreaLength;
    std::optional<long double> LuminousAreaWidth;      // 0 for a round area
    std::optional<long double> LuminousAreaHeights[4]; // at C0, C90, C180, C270
    std::optional<long double> DownwardFluxFraction;   // %, absent when not a number
    std::optional<long double> LightOutputRatio;       // %, absent when not a number
    long double ConversionFactor = 1;
    // Direct ratios for room indices 0.6, 0.8, 1.00, 1.25, 1.50, 2.00, 2.50, 3.00, 4.00, 5.00.
    std::optional<long double> DirectRatios[10];
    std::vector<EulumdatLampSet> LampSets; // at least one
    tArrEx CAngles;                        // all Mc, as listed
    tArrEx GammaAngles;                    // Ng
    std::vector<tArrEx> Intensities;       // cd/klm, the stored planes in file order
    std::size_t FirstIntensityLine = 0;    // file line of Intensities[0][0]
};

// Reads the lines of a file (line 1 first). Throws EulumdatError naming the line at fault.
EulumdatFile ReadEulumdat(const TextLines& lines);

// Reads the lines up to the lamp sets only (as ReadEulumdat reads them), for a caller that needs
// no angles and intensities: the result has no C- and gamma angles and no intensities. Throws
// EulumdatError as ReadEulumdat does for those lines.
EulumdatFile ReadEulumdatHead(const TextLines& lines);

} // namespace lumetra
