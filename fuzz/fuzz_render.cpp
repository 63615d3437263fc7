// A render pass of a loaded file at its planes (all when at most three; otherwise the first,
// the last and one between) with brightness, zoom and radiosity from the input. A pass either
// completes with its sixteen progress reports in order or ends in a LumetraError (a
// floating-point fault, a record that cannot be rendered); the first plane's grid, or its
// error, must also be exactly that of a plain sample-by-sample pass.

#include "FuzzCheck.h"
#include "PlaneChoice.h"
#include "RenderSettingsBytes.h"
#include "ViewerLoad.h"
#include "data/Errors.h"
#include "render/LightPattern.h"
#include "render/LightPatternPass.h"
#include "render/PixelShade.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace lumetra;
using namespace lumetra::fuzz;

constexpr std::size_t kMostPlanes = 3;

struct PassResult {
    LightPatternGrid grid;
    std::vector<int> rows;
    std::optional<std::string> error;
};

PassResult Render(const tIES& record, const RenderSettings& settings) {
    PassResult result;
    try {
        RenderLightPattern(
            record, settings, [&result](int row) { result.rows.push_back(row); }, result.grid);
    } catch (const LumetraError& error) {
        result.error = error.what();
    }
    return result;
}

// Every sample straight from PixelShade, the definition that the render must match.
PassResult RenderPlainly(const tIES& record, const RenderSettings& settings) {
    PassResult result;
    try {
        const LightPatternPass pass = PrepareLightPatternPass(record, settings);
        constexpr int kCentre = kPatternSize / 2;
        for (int row = 0; row < kPatternSize; ++row)
            for (int i = 0; i < kPatternSize; ++i)
                result.grid.at(i, kPatternSize - 1 - row) =
                    PixelShade(pass, i - kCentre, kCentre - row);
    } catch (const LumetraError& error) {
        result.error = error.what();
    }
    return result;
}

void CheckProgress(const PassResult& result) {
    for (std::size_t k = 0; k < result.rows.size(); ++k)
        FUZZ_CHECK(result.rows[k] == static_cast<int>(k) * kProgressRowStep,
                   "progress reports rows 0, 20, ... in order");
    if (!result.error)
        FUZZ_CHECK(result.rows.size() == 16, "a complete pass reports sixteen rows");
    else
        FUZZ_CHECK(!result.error->empty(), "an error has a text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const RenderSettings base = SettingsFromBytes(input);
    const ViewerLoad load = LoadBytes(FileBytes(input));

    const std::vector<int> planes =
        ChoosePlanes(load.record.Candela.size(), kMostPlanes, size > 0 ? data[size - 1] : 0);
    bool compared = false;
    for (const int plane : planes) {
        RenderSettings settings = base;
        settings.plane = plane;
        const PassResult result = Render(load.record, settings);
        CheckProgress(result);
        if (compared)
            continue;
        compared = true;
        const PassResult plain = RenderPlainly(load.record, settings);
        FUZZ_CHECK(result.error == plain.error, "the same error as the plain pass");
        if (!result.error)
            FUZZ_CHECK(result.grid.grey == plain.grid.grey,
                       "the same grey levels as the plain pass");
    }
    return 0;
}
