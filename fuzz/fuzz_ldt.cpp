// The bytes of an EULUMDAT file loaded as the viewer loads a selected .ldt file: from memory
// through the reader and the conversion, and again through a real file by name. Both loads must
// agree, a refused file must name a line of the file and leave no candela value, and a loaded one
// must give every consumer sized lists, finite values and a six-line description.

#include "FuzzCheck.h"
#include "ViewerLoad.h"
#include "data/Errors.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/TextLines.h"
#include "eulumdat/Eulumdat.h"
#include "eulumdat/EulumdatError.h"
#include "eulumdat/EulumdatRecord.h"
#include "eulumdat/OtherFormat.h"
#include "eulumdat/PhotometryFile.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

using namespace lumetra;

constexpr std::string_view kInputName = "input.ldt";

struct LdtLoad {
    tIES record;
    TextLines headerLines;
    LuminaireFacts facts;
    std::optional<std::string> error;
    std::size_t errorLine = 0;
};

LdtLoad FromMemory(const TextLines& lines) {
    LdtLoad load;
    try {
        EulumdatToRecord(ReadEulumdat(lines), load.record, load.headerLines, load.facts);
    } catch (const EulumdatError& error) {
        load.errorLine = error.line();
        // The viewer names IES text that came under an EULUMDAT name for what it is.
        const auto note = OtherFormatNote(kInputName, lines);
        load.error =
            note ? EulumdatError(
                       error.line(),
                       LUMETRA_MESSAGE("OtherFormat", "%1. %2").Arg(error.reason()).Arg(*note))
                       .what()
                 : std::string(error.what());
    }
    return load;
}

LdtLoad FromFile(std::string_view bytes) {
    LdtLoad load;
    TextLines fileLines;
    try {
        LoadPhotometryFile(fuzz::WriteInputFile(bytes, std::string(kInputName)), load.record,
                           fileLines, load.headerLines, nullptr, load.facts);
    } catch (const LumetraError& error) {
        load.error = error.what();
    }
    return load;
}

bool Finite(const std::optional<long double>& value) {
    return !value || std::isfinite(*value);
}

void CheckLoaded(const LdtLoad& load) {
    const tIES& r = load.record;
    FUZZ_CHECK(r.VerticalAngles.size() == r.VerticalCount, "vertical angles sized");
    FUZZ_CHECK(r.HorizontalAngles.size() == r.HorizontalCount, "horizontal angles sized");
    FUZZ_CHECK(r.Candela.size() == r.HorizontalCount && !r.Candela.empty(), "planes sized");
    FUZZ_CHECK(r.Candela.size() * r.VerticalCount <= kMaxCandelaValues, "the grid limit holds");
    for (const auto& plane : r.Candela) {
        FUZZ_CHECK(plane.size() == r.VerticalCount, "one value per gamma angle");
        FUZZ_CHECK(std::all_of(plane.begin(), plane.end(),
                               [](long double cd) { return std::isfinite(cd); }),
                   "every candela value is finite");
    }
    FUZZ_CHECK(std::all_of(r.HorizontalAngles.begin(), r.HorizontalAngles.end(),
                           [](long double h) { return std::isfinite(h); }),
               "finite horizontal angles");
    const LuminaireFacts& f = load.facts;
    FUZZ_CHECK(std::isfinite(f.InputWatts) && std::isfinite(f.LumensPerLamp) &&
                   Finite(f.StatedLampFlux) && Finite(f.StatedLightOutputRatio) &&
                   Finite(f.StatedDownwardFluxFraction),
               "finite figures");
    const std::string description = BuildDescription(HeaderText(load.headerLines));
    FUZZ_CHECK(std::count(description.begin(), description.end(), '\r') == 6,
               "the description has six lines");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TextLines lines = SplitIntoLines(bytes);
    const LdtLoad memory = FromMemory(lines);
    const LdtLoad file = FromFile(bytes);
    FUZZ_CHECK(memory.error == file.error, "the same error from memory and from the file");
    FUZZ_CHECK(memory.record.Candela == file.record.Candela, "the same candela values");
    FUZZ_CHECK(memory.record.HorizontalAngles == file.record.HorizontalAngles, "the same angles");
    FUZZ_CHECK(memory.headerLines == file.headerLines, "the same header");
    if (memory.error) {
        FUZZ_CHECK(memory.errorLine >= 1 && memory.errorLine <= lines.size() + 1,
                   "an error names a line of the file or the one after its end");
        FUZZ_CHECK(file.record.Candela.empty(), "a refused file leaves no candela value");
    } else {
        CheckLoaded(memory);
    }
    return 0;
}
