#pragma once
// A photometric file read for writing: the record and facts as the viewer reads them, plus what
// only a writer needs (the IES header lines and tilt block, line 2's second value; the EULUMDAT
// lines as read and its intensities in cd/klm), and the scale and turn asked for.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "eulumdat/Eulumdat.h"

#include <optional>
#include <string>

namespace lumetra::writing {

enum class PhotometricFormat { Ies, Eulumdat };

// Strict reads as the viewer does; Lenient also takes tabs in the numeric block for blanks, so
// that a file the viewer reads as zeros can be written out clean. Only writing reads leniently.
enum class Reading { Strict, Lenient };

struct IesPart {
    TextLines HeaderLines;       // as read, the TILT line last
    tArrEx Tilt;                 // TILT=INCLUDE: geometry, pair count, angles, factors
    long double SecondValue = 1; // line 2: future use (2002) or file generation type (2019)
    std::string ReaderMessage;   // the reader's message about a value that is no number
    bool ParseError = false;
    bool TabsInNumbers = false; // a tab after the TILT line: reading leniently may help
};

struct EulumdatPart {
    TextLines Lines;                // the file's lines as read
    EulumdatFile File;              // as the reader reads it
    long double CandelaPerUnit = 1; // cd per stored value: lamp flux / 1000 x conversion factor
};

struct SourceFile {
    PhotometricFormat Format = PhotometricFormat::Ies;
    std::string FileName;
    Reading ReadAs = Reading::Strict;
    // IES: as read. EULUMDAT: the stored planes in the IES form of the symmetry, in cd/klm, so
    // that turning them never changes a value.
    tIES Record;
    LuminaireFacts Facts; // as the viewer reads them
    IesPart Ies;
    EulumdatPart Eulumdat;

    // Set by Adjust (Adjustment.h).
    long double IntensityScale = 1;      // every intensity is multiplied by it
    long double Multiply = 1;            // the part of it that leaves the lamp flux alone
    std::optional<long double> LampFlux; // the lamp flux the written file states, lm
    bool Turned = false;                 // the planes differ from the file's
};

// Reads a photometric file of either format (by its name, as the viewer picks the reader).
// Throws LumetraError as loading does; an IES file whose numbers could not all be read is
// returned with Ies.ParseError set, for the caller to refuse.
SourceFile ReadSourceFile(const std::string& fileName, Reading reading);

// The factor from the record's stored values to candela: candela multiplier x ballast factor
// (IES) or CandelaPerUnit (EULUMDAT), times IntensityScale.
long double CandelaPerStoredValue(const SourceFile& source);

// True when the first header line names LM-63-2019.
bool IsLm63_2019(const SourceFile& source);

} // namespace lumetra::writing
