#include "LightPattern.h"

#include "FastSweep.h"
#include "LightPatternPass.h"
#include "PixelShade.h"

namespace lumetra {

namespace {

// Every sample straight from PixelShade, with its linear search from index 0: the pass for the
// records and settings outside the range where the fast sweep's error bounds hold.
void RunPlainSweep(const LightPatternPass& pass, const ProgressSink& progress,
                   LightPatternGrid& grid) {
    constexpr int kCentre = kPatternSize / 2;
    for (int row = 0; row < kPatternSize; ++row) {
        if (row % kProgressRowStep == 0 && progress)
            progress(row);
        for (int i = 0; i < kPatternSize; ++i)
            grid.at(i, kPatternSize - 1 - row) = PixelShade(pass, i - kCentre, kCentre - row);
    }
}

} // namespace

void RenderLightPattern(const tIES& record, const RenderSettings& settings,
                        const ProgressSink& progress, LightPatternGrid& grid) {
    const LightPatternPass pass = PrepareLightPatternPass(record, settings);
    if (!RunFastSweep(pass, progress, grid))
        RunPlainSweep(pass, progress, grid);
}

} // namespace lumetra
