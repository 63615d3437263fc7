#pragma once
// The IES LM-63-2002 and LM-63-2019 text of a file: version line, keyword lines, TILT, the
// luminaire's numbers, the angles and one record of candela values per horizontal angle, every
// line ended by CR LF.

#include "data/Photometry.h"

#include <cstdint>
#include <string>

namespace lumetra::writing {

enum class IesVersion { Lm63_2002, Lm63_2019 };

// The numbers of the two lines after TILT, in file order.
struct IesNumbers {
    long double Lamps = 1;
    long double LumensPerLamp = -1;
    long double Multiplier = 1;
    long double PhotometricType = 1;
    std::uint16_t UnitsType = 2;
    long double Width = 0;
    long double Length = 0;
    long double Height = 0;
    long double BallastFactor = 1;
    long double SecondValue = 1; // future use (2002) or file generation type (2019)
    long double InputWatts = 0;
    // Lumens per lamp and the multiplier were computed (scaled, or divided among the lamps)
    // rather than read: written as the nearest double, 0.30120481927710843 rather than twenty
    // digits of a long double.
    bool Computed = false;
};

struct IesDocument {
    TextLines KeywordLines; // "[KEY] value", in order; the required ones the source lacks are added
    std::string Tilt = "NONE"; // NONE, INCLUDE or a file name
    tArrEx TiltValues;         // TILT=INCLUDE: geometry, pair count, angles, factors
    IesNumbers Numbers;
    tArrEx VerticalAngles;
    tArrEx HorizontalAngles;
    std::vector<tArrEx> Candela;  // one record per horizontal angle, as written
    bool CandelaComputed = false; // converted rather than read: written as the nearest double
};

// The file's text. Throws LumetraError when the version cannot hold the document: a TILT file
// name in 2019, a number longer than a 2002 line.
std::string WriteIes(const IesDocument& document, IesVersion version);

// The keyword lines with the required keywords ([TEST], [TESTLAB], [ISSUEDATE], [MANUFAC]) the
// lines lack added at the top with empty values, in that order.
TextLines WithRequiredKeywords(const TextLines& keywordLines);

} // namespace lumetra::writing
