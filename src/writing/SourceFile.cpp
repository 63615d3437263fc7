#include "SourceFile.h"

#include "data/AsciiCase.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/NumericText.h"
#include "eulumdat/EulumdatRecord.h"
#include "eulumdat/PhotometryFile.h"

#include <algorithm>
#include <cmath>

namespace lumetra::writing {

namespace {

// The numbers of a TILT=INCLUDE block, read as the reader skips them: at most as many as the
// text holds, so a huge count cannot make it allocate.
tArrEx ReadTiltBlock(NumericText& text) {
    tArrEx tilt;
    bool unused = false;
    tilt.push_back(ReadNumber(text, unused));
    tilt.push_back(ReadNumber(text, unused));
    const long double count = std::nearbyintl(tilt.back());
    for (long double i = 0; i < 2 * count && !text.exhausted(); ++i)
        tilt.push_back(ReadNumber(text, unused));
    return tilt;
}

// Tilt block and line 2's second value from the numeric text the reader leaves behind.
void ReadExtraNumbers(const std::string& numericText, IesPart& ies) {
    NumericText text(numericText);
    if (!ies.HeaderLines.empty() && IsTiltInclude(ies.HeaderLines.back()))
        ies.Tilt = ReadTiltBlock(text);
    bool unused = false;
    for (int i = 0; i < 11; ++i)
        ReadNumber(text, unused);
    ies.SecondValue = ReadNumber(text, unused);
}

// True when a line after the TILT line holds a tab; with replace, every such tab becomes a blank.
bool TabsAfterTilt(TextLines& lines, bool replace) {
    bool found = false;
    for (std::size_t i = std::min(FindTiltLine(lines) + 1, lines.size()); i < lines.size(); ++i) {
        found = found || lines[i].find('\t') != std::string::npos;
        if (replace)
            std::replace(lines[i].begin(), lines[i].end(), '\t', ' ');
    }
    return found;
}

void ReadIesSource(SourceFile& source, Reading reading) {
    TextLines lines = ReadFileLines(source.FileName, "IES");
    IesPart& ies = source.Ies;
    ies.TabsInNumbers = TabsAfterTilt(lines, reading == Reading::Lenient);
    const Notifier keep = [&ies](const Message& message) { ies.ReaderMessage = message.English(); };
    ies.ParseError = ReadIES(lines, source.Record, ies.HeaderLines, keep, source.Facts);
    ReadExtraNumbers(lines.empty() ? std::string() : lines.front(), ies);
}

// The stored planes in cd/klm: the reader's own conversion with a lamp flux of 1000 lm and a
// conversion factor of 1, whose factor to candela is exactly 1.
tIES RelativeRecord(EulumdatFile file) {
    EulumdatLampSet unit;
    unit.NumberOfLamps = 1;
    unit.TotalFlux = 1000;
    file.LampSets.assign(1, unit);
    file.ConversionFactor = 1;
    tIES record;
    TextLines headerLines;
    LuminaireFacts facts;
    EulumdatToRecord(std::move(file), record, headerLines, facts);
    return record;
}

void ReadEulumdatSource(SourceFile& source) {
    EulumdatPart& ldt = source.Eulumdat;
    ldt.Lines = ReadFileLines(source.FileName, "EULUMDAT");
    ldt.File = ReadEulumdat(ldt.Lines);
    tIES inCandela;
    TextLines headerLines;
    EulumdatToRecord(ldt.File, inCandela, headerLines, source.Facts);
    long double flux = 0;
    for (const EulumdatLampSet& set : ldt.File.LampSets)
        flux += set.TotalFlux;
    ldt.CandelaPerUnit = flux / 1000 * ldt.File.ConversionFactor; // as the reader computes it
    source.Record = RelativeRecord(ldt.File);
}

} // namespace

SourceFile ReadSourceFile(const std::string& fileName, Reading reading) {
    SourceFile source;
    source.FileName = fileName;
    source.ReadAs = reading;
    if (IsEulumdatFileName(fileName)) {
        source.Format = PhotometricFormat::Eulumdat;
        ReadEulumdatSource(source);
    } else {
        ReadIesSource(source, reading);
    }
    return source;
}

long double CandelaPerStoredValue(const SourceFile& source) {
    const long double factor = source.Format == PhotometricFormat::Eulumdat
                                   ? source.Eulumdat.CandelaPerUnit
                                   : source.Record.CandelaMultiplier * source.Facts.BallastFactor;
    return factor * source.IntensityScale;
}

bool IsLm63_2019(const SourceFile& source) {
    if (source.Format != PhotometricFormat::Ies || source.Ies.HeaderLines.empty())
        return false;
    std::string first = source.Ies.HeaderLines.front();
    for (char& c : first)
        c = AsciiLower(c);
    return first.rfind("ies:lm-63-2019", 0) == 0;
}

} // namespace lumetra::writing
