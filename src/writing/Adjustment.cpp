#include "Adjustment.h"

#include "TurnedPlanes.h"
#include "WritingTexts.h"
#include "data/Errors.h"
#include "summary/PhotometricSummary.h"

#include <cmath>

namespace lumetra::writing {

namespace {

bool Positive(long double value) {
    return std::isfinite(value) && value > 0;
}

// The luminous flux computed from the intensities as they will be written.
std::optional<long double> ComputedFlux(const SourceFile& source) {
    tIES inCandela = source.Record;
    inCandela.CandelaMultiplier = CandelaPerStoredValue(source);
    LuminaireFacts facts = source.Facts;
    facts.BallastFactor = 1;
    return summary::Summarize(inCandela, facts).Flux;
}

void ScaleToLumens(SourceFile& source, long double lumens) {
    if (!Positive(lumens))
        throw LumetraError(texts::Said(texts::kLumensNotPositive));
    if (const auto stated = StatedLampFlux(source)) {
        source.IntensityScale *= lumens / *stated;
        source.LampFlux = lumens;
        return;
    }
    const auto flux = ComputedFlux(source);
    if (!flux || !Positive(*flux))
        throw LumetraError(texts::Said(texts::kNoLightToScale));
    source.IntensityScale *= lumens / *flux;
}

void Turn(SourceFile& source, int degrees) {
    if (degrees != 90 && degrees != 180 && degrees != 270)
        throw LumetraError(texts::Said(texts::kTurnNotQuarter));
    if (source.Format == PhotometricFormat::Ies &&
        KindOf(source.Facts.PhotometricType) != PhotometricKind::C)
        throw LumetraError(texts::Said(texts::kTurnTypeC));
    source.Record = TurnedRecord(source.Record, degrees);
    source.Turned = true;
}

} // namespace

std::optional<long double> StatedLampFlux(const SourceFile& source) {
    if (source.LampFlux)
        return source.LampFlux;
    if (source.Format == PhotometricFormat::Eulumdat) {
        const auto flux = source.Facts.StatedLampFlux;
        return flux && Positive(*flux) ? flux : std::nullopt;
    }
    const long double lamps = source.Facts.NumberOfLamps;
    const long double perLamp = source.Record.LampLumens;
    if (Positive(lamps) && Positive(perLamp) && Positive(lamps * perLamp))
        return lamps * perLamp;
    return std::nullopt;
}

void Adjust(SourceFile& source, const Adjustment& adjustment) {
    if (!Positive(adjustment.Multiply))
        throw LumetraError(texts::Said(texts::kFactorNotPositive));
    if (adjustment.Lumens)
        ScaleToLumens(source, *adjustment.Lumens);
    source.IntensityScale *= adjustment.Multiply;
    source.Multiply *= adjustment.Multiply;
    if (!Positive(source.IntensityScale) || !std::isfinite(CandelaPerStoredValue(source)))
        throw LumetraError(texts::Said(texts::kValueTooLarge));
    if (adjustment.Rotate % 360 != 0)
        Turn(source, adjustment.Rotate);
}

} // namespace lumetra::writing
