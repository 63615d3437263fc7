#include "EulumdatRecord.h"

#include "EulumdatError.h"
#include "StoredPlanes.h"
#include "data/DescriptionKeywords.h"
#include "data/Translatable.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumetra {

namespace {

struct LampTotals {
    long double lamps = 0;         // signed, as the file counts them
    long double absoluteLamps = 0; // by absolute value
    long double flux = 0;
    long double watts = 0;
};

long double Finite(long double value, std::size_t line, const char* what) {
    if (!std::isfinite(value))
        throw EulumdatError(line, LUMETRA_MESSAGE("EulumdatReader", "%1 is too large (%2)")
                                      .Arg(Message("EulumdatReader", what))
                                      .Arg(kOverflowText));
    return value;
}

LampTotals SumLampSets(const std::vector<EulumdatLampSet>& sets) {
    LampTotals totals;
    for (const auto& set : sets) {
        totals.lamps += set.NumberOfLamps;
        totals.absoluteLamps += std::fabs(set.NumberOfLamps);
        totals.flux += set.TotalFlux;
        totals.watts += set.Wattage;
    }
    const char* what = LUMETRA_TR_NOOP("EulumdatReader", "the sum over the lamp sets");
    Finite(totals.lamps, kLampSetCountLine, what);
    Finite(totals.absoluteLamps, kLampSetCountLine, what);
    Finite(totals.flux, kLampSetCountLine, what);
    Finite(totals.watts, kLampSetCountLine, what);
    return totals;
}

// The stored planes in cd, each with its horizontal angle; Isym 3 planes sorted by angle.
void FillPlanes(EulumdatFile& file, long double candelaPerUnit, tIES& record) {
    const auto indices = StoredPlaneIndices(file.Isym, file.Mc);
    std::vector<std::size_t> order(indices.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    tArrEx angles(indices.size());
    for (std::size_t k = 0; k < indices.size(); ++k)
        angles[k] = IesHorizontalAngle(file.Isym, file.CAngles[indices[k]]);
    if (file.Isym == 3)
        std::stable_sort(order.begin(), order.end(),
                         [&angles](std::size_t a, std::size_t b) { return angles[a] < angles[b]; });
    record.HorizontalAngles.resize(order.size());
    record.Candela.resize(order.size());
    for (std::size_t h = 0; h < order.size(); ++h) {
        const std::size_t stored = order[h];
        record.HorizontalAngles[h] = angles[stored];
        record.Candela[h] = std::move(file.Intensities[stored]);
        std::size_t line = file.FirstIntensityLine + stored * file.Ng;
        for (long double& value : record.Candela[h])
            value = Finite(value * candelaPerUnit, line++,
                           LUMETRA_TR_NOOP("EulumdatReader", "the intensity in cd"));
    }
}

// The first five lines of the description; EULUMDAT names no lamp catalogue.
TextLines DescriptionHeader(const EulumdatFile& file) {
    const auto line = [](std::size_t index, const std::string& value) {
        return std::string(kDescriptionLines[index].keyword) + " " + value;
    };
    return {line(0, file.MeasurementReportNumber), line(1, file.CompanyIdentification),
            line(2, file.LuminaireName), line(3, file.LuminaireNumber),
            line(4, file.LampSets.front().LampType)};
}

std::optional<long double> Fraction(const std::optional<long double>& percent) {
    if (!percent)
        return std::nullopt;
    return *percent / 100;
}

void FillLuminousArea(const EulumdatFile& file, LuminaireFacts& facts) {
    const long double length = file.LuminousAreaLength.value_or(0) / 1000;
    const long double width = file.LuminousAreaWidth.value_or(0) / 1000;
    const bool round = width == 0 && length > 0;
    facts.Length = round ? -length : length;
    facts.Width = round ? -length : width;
    long double height = 0;
    for (std::size_t side = 0; side < facts.LuminousHeights.size(); ++side) {
        facts.LuminousHeights[side] = file.LuminousAreaHeights[side].value_or(0) / 1000;
        height = std::max(height, facts.LuminousHeights[side]);
    }
    facts.Height = height;
}

} // namespace

void EulumdatToRecord(EulumdatFile file, tIES& record, TextLines& headerLines,
                      LuminaireFacts& facts) {
    const LampTotals totals = SumLampSets(file.LampSets);
    const long double candelaPerUnit =
        Finite(totals.flux / 1000 * file.ConversionFactor, kConversionFactorLine,
               LUMETRA_TR_NOOP("EulumdatReader", "the factor to candela"));
    tIES converted;
    converted.LampLumens =
        Finite(totals.absoluteLamps == 0 ? totals.flux : totals.flux / totals.absoluteLamps,
               kLampSetCountLine, LUMETRA_TR_NOOP("EulumdatReader", "the flux per lamp"));
    converted.CandelaMultiplier = 1;
    converted.UnitsType = 2;
    converted.VerticalCount = static_cast<std::uint16_t>(file.Ng);
    converted.VerticalAngles = std::move(file.GammaAngles);
    FillPlanes(file, candelaPerUnit, converted);
    converted.HorizontalCount = static_cast<std::uint16_t>(converted.HorizontalAngles.size());

    LuminaireFacts figures;
    figures.NumberOfLamps = totals.lamps;
    figures.LumensPerLamp = converted.LampLumens;
    figures.PhotometricType = 1;
    figures.Format = PhotometricFormat::Eulumdat;
    FillLuminousArea(file, figures);
    figures.InputWatts = totals.watts;
    figures.StatedLampFlux = totals.flux;
    figures.StatedLightOutputRatio = Fraction(file.LightOutputRatio);
    figures.StatedDownwardFluxFraction = Fraction(file.DownwardFluxFraction);

    record = std::move(converted);
    headerLines = DescriptionHeader(file);
    facts = figures;
}

} // namespace lumetra
