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

std::map<long double, const tArrEx*> PlanesModulo360(const tIES& record) {
    const auto whole = summary::CompletedPlanes(record.HorizontalAngles,
                                                summary::ClassifySymmetry(record.HorizontalAngles));
    std::map<long double, const tArrEx*> planes;
    for (std::size_t i = 0; i < whole.Angles.size(); ++i) {
        long double angle = std::fmod(whole.Angles[i], 360.0L);
        planes.emplace(angle < 0 ? angle + 360 : angle, &record.Candela[whole.Source[i]]);
    }
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

void CompareIntensities(const Loaded& source, const SourceFile& read, const Loaded& written,
                        bool sameAngles) {
    const tIES& s = read.Format == writing::PhotometricFormat::Ies ? read.Record : source.record;
    const long double scaleS = read.Format == writing::PhotometricFormat::Ies
                                   ? s.CandelaMultiplier * source.facts.BallastFactor
                                   : 1;
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
    const Loaded original = ldt ? Load(input) : Loaded{};
    CompareIntensities(original, source, result, !ldt && format != TargetFormat::Eulumdat);
    const Written again = WriteAs(ReadSourceFile(output, Reading::Strict), format, {}, output);
    FUZZ_CHECK(again.Bytes == written.Bytes, "writing the written file again changes nothing");
    return 0;
}
