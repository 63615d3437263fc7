// Load -> write -> load: the first byte picks the source's format and the target (IES 2002, IES
// 2019, EULUMDAT); the rest is the file. Whatever the writing reading accepts and the writer
// writes must read back, through the viewer's own loading, with the same vertical angles, every
// completed intensity within 1e-9 relative (plus 1e-9 of the largest), the same horizontal angles
// for IES to IES; and writing the written file again must give the same bytes. A refusal is a
// LumetraError with a message, never a crash.

#include "FuzzCheck.h"
#include "ViewerLoad.h"
#include "data/Errors.h"
#include "eulumdat/PhotometryFile.h"
#include "summary/SymmetryCompletion.h"
#include "writing/EulumdatPlanes.h"
#include "writing/Writing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string_view>

namespace {

using namespace lumetra;
using namespace lumetra::writing;

struct Loaded {
    tIES record;
    LuminaireFacts facts;
};

Loaded Load(const std::string& fileName) {
    Loaded loaded;
    TextLines lines;
    TextLines header;
    LoadPhotometryFile(fileName, loaded.record, lines, header, nullptr, loaded.facts);
    return loaded;
}

// The completed planes by the C-angle each is written at (the writer's own rule for bringing an
// angle into [0, 360)), each angle once: a later plane at the same angle is one EULUMDAT cannot
// hold, and the writer keeps the first as this does.
std::map<long double, const tArrEx*> PlanesModulo360(const tIES& record) {
    const tArrEx& h = record.HorizontalAngles;
    const auto whole = summary::CompletedPlanes(h, summary::ClassifySymmetry(h));
    std::map<long double, const tArrEx*> planes;
    for (std::size_t i = 0; i < whole.Angles.size(); ++i)
        planes.emplace(CompletedCAngle(h, whole, i), &record.Candela[whole.Source[i]]);
    return planes;
}

void ComparePlane(const tArrEx& a, long double scaleA, const tArrEx& b, long double scaleB,
                  long double tolerance) {
    FUZZ_CHECK(a.size() == b.size(), "one value per vertical angle");
    for (std::size_t v = 0; v < a.size(); ++v) {
        const long double expected = a[v] * scaleA;
        FUZZ_CHECK(std::fabs(expected - b[v] * scaleB) <= 1e-9L * std::fabs(expected) + tolerance,
                   "the same intensity");
    }
}

// The source's intensities in cd are its stored values times the writing reading's factor (the
// multiplier and ballast factor of an IES file, the lamp flux of an EULUMDAT one, whose record
// the writing reading keeps in cd/klm); the written file's as the viewer loads it.
void CompareIntensities(const SourceFile& source, const Loaded& written, bool sameAngles) {
    const tIES& s = source.Record;
    const long double scaleS = CandelaPerStoredValue(source);
    const long double scaleW = written.record.CandelaMultiplier * written.facts.BallastFactor;
    long double largest = 0;
    for (const tArrEx& plane : s.Candela)
        for (const long double value : plane)
            largest = std::max(largest, std::fabs(value * scaleS));
    const long double tolerance = 1e-9L * largest;
    if (sameAngles) {
        FUZZ_CHECK(s.HorizontalAngles == written.record.HorizontalAngles, "the same planes");
        for (std::size_t h = 0; h < s.Candela.size(); ++h)
            ComparePlane(s.Candela[h], scaleS, written.record.Candela[h], scaleW, tolerance);
        return;
    }
    const auto expected = PlanesModulo360(s);
    const auto actual = PlanesModulo360(written.record);
    FUZZ_CHECK(expected.size() == actual.size(), "the same completed planes");
    for (const auto& [angle, plane] : expected) {
        const auto found = actual.find(angle);
        FUZZ_CHECK(found != actual.end(), "every completed plane kept");
        ComparePlane(*plane, scaleS, *found->second, scaleW, tolerance);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const bool ldt = (data[0] & 1) != 0;
    const int choice = (data[0] >> 1) % 3;
    const TargetFormat format = choice == 0   ? TargetFormat::Ies2002
                                : choice == 1 ? TargetFormat::Ies2019
                                              : TargetFormat::Eulumdat;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string input = fuzz::WriteInputFile(bytes, ldt ? "input.ldt" : "input.ies");
    const std::string output =
        fuzz::WriteInputFile("", format == TargetFormat::Eulumdat ? "written.ldt" : "written.ies");
    SourceFile source;
    Written written;
    try {
        source = ReadSourceFile(input, Reading::Lenient);
        written = WriteAs(source, format, {}, output);
    } catch (const LumetraError& refused) {
        FUZZ_CHECK(refused.what()[0] != '\0', "a refusal says why");
        return 0;
    }
    fuzz::WriteInputFile(written.Bytes,
                         format == TargetFormat::Eulumdat ? "written.ldt" : "written.ies");
    const Loaded result = Load(output);
    FUZZ_CHECK(source.Record.VerticalAngles == result.record.VerticalAngles,
               "the same vertical angles");
    CompareIntensities(source, result, !ldt && format != TargetFormat::Eulumdat);
    const Written again = WriteAs(ReadSourceFile(output, Reading::Strict), format, {}, output);
    FUZZ_CHECK(again.Bytes == written.Bytes, "writing the written file again changes nothing");
    return 0;
}
