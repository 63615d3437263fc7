#include "FigureDifferences.h"

#include "data/Translatable.h"

#include <algorithm>
#include <cmath>

namespace lumetra::compare {

namespace {

using summary::AnglePair;
using summary::PhotometricSummary;

// The captions of every figure, in the order shown; one table so they can be translated.
struct PlainFigure {
    const char* Key;
    const char* Caption;
    FigureKind Kind;
    Figure PhotometricSummary::*Member;
};

struct PairFigure {
    const char* Key;
    const char* Caption;
    AnglePair PhotometricSummary::*Member;
};

using K = FigureKind;
using S = PhotometricSummary;

constexpr PlainFigure kFluxFigures[] = {
    {"Flux", LUMETRA_TR_NOOP("Summary", "Luminous flux"), K::Flux, &S::Flux},
    {"DownwardFlux", LUMETRA_TR_NOOP("Summary", "Downward flux"), K::Flux, &S::DownwardFlux},
    {"UpwardFlux", LUMETRA_TR_NOOP("Summary", "Upward flux"), K::Flux, &S::UpwardFlux},
    {"DownwardFluxFraction", LUMETRA_TR_NOOP("Summary", "Downward flux fraction"), K::Fraction,
     &S::DownwardFluxFraction},
};
constexpr const char* kZonalKey = "ZonalFlux";
constexpr const char* kZonalCaption = LUMETRA_TR_NOOP("Summary", "Zonal flux %1°");
constexpr PlainFigure kOutputFigures[] = {
    {"LampFlux", LUMETRA_TR_NOOP("Summary", "Lamp flux"), K::Flux, &S::LampFlux},
    {"LightOutputRatio", LUMETRA_TR_NOOP("Summary", "Light output ratio"), K::Fraction,
     &S::LightOutputRatio},
    {"InputWatts", LUMETRA_TR_NOOP("Summary", "Input watts"), K::Power, &S::InputWatts},
    {"Efficacy", LUMETRA_TR_NOOP("Summary", "Efficacy"), K::Efficacy, &S::Efficacy},
    {"MaxIntensity", LUMETRA_TR_NOOP("Summary", "Maximum intensity"), K::Intensity,
     &S::MaxIntensity},
    {"MaxIntensityC", LUMETRA_TR_NOOP("Summary", "C of maximum intensity"), K::Angle,
     &S::MaxIntensityC},
    {"MaxIntensityGamma", LUMETRA_TR_NOOP("Summary", "Gamma of maximum intensity"), K::Angle,
     &S::MaxIntensityGamma},
};
constexpr PairFigure kAngleFigures[] = {
    {"BeamAngle", LUMETRA_TR_NOOP("Summary", "Beam angle"), &S::BeamAngle},
    {"FieldAngle", LUMETRA_TR_NOOP("Summary", "Field angle"), &S::FieldAngle},
    {"BeamAngleCIE", LUMETRA_TR_NOOP("Summary", "Beam angle CIE"), &S::BeamAngleCIE},
    {"FieldAngleCIE", LUMETRA_TR_NOOP("Summary", "Field angle CIE"), &S::FieldAngleCIE},
};
constexpr PlainFigure kStatedFigures[] = {
    {"StatedLightOutputRatio", LUMETRA_TR_NOOP("Summary", "Stated light output ratio"), K::Fraction,
     &S::StatedLightOutputRatio},
    {"StatedDownwardFluxFraction", LUMETRA_TR_NOOP("Summary", "Stated downward flux fraction"),
     K::Fraction, &S::StatedDownwardFluxFraction},
};

bool Beyond(long double absolute, const Figure& percent, FigureKind kind,
            const Tolerance& tolerance) {
    if (kind == FigureKind::Angle)
        return std::fabs(absolute) > tolerance.Degrees;
    if (percent)
        return std::fabs(*percent) > tolerance.Percent;
    return absolute != 0; // against a first value of 0 any change counts
}

class RowBuilder {
  public:
    RowBuilder(std::span<const PhotometricSummary> summaries, const Tolerance& tolerance)
        : summaries_(summaries), tolerance_(tolerance) {}

    template <typename Pick>
    void Add(std::string key, std::string part, Message caption, FigureKind kind, Pick pick) {
        FigureRow row{std::move(key), std::move(part), std::move(caption), kind, {}, {}};
        for (const PhotometricSummary& s : summaries_)
            row.Values.push_back(pick(s));
        for (const Figure& value : row.Values)
            row.ToFirst.push_back(DifferenceOf(value, row.Values.front(), kind, tolerance_));
        rows_.push_back(std::move(row));
    }

    void AddPlain(std::span<const PlainFigure> figures) {
        for (const PlainFigure& f : figures)
            Add(f.Key, {}, Message("Summary", f.Caption), f.Kind,
                [&f](const PhotometricSummary& s) { return s.*(f.Member); });
    }

    std::vector<FigureRow> Rows() && { return std::move(rows_); }

  private:
    std::span<const PhotometricSummary> summaries_;
    Tolerance tolerance_;
    std::vector<FigureRow> rows_;
};

void AddZones(RowBuilder& rows) {
    for (std::size_t z = 0; z < summary::kZones.size(); ++z) {
        const std::string zone = summary::kZones[z].Name;
        rows.Add(kZonalKey, zone, Message("Summary", kZonalCaption).Arg(zone), FigureKind::Flux,
                 [z](const PhotometricSummary& s) { return s.ZonalFlux[z]; });
    }
}

void AddAnglePairs(RowBuilder& rows, PhotometricKind type) {
    const auto lines = summary::AngleLineNames(type);
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (const PairFigure& f : kAngleFigures)
            rows.Add(f.Key, lines[i],
                     LUMETRA_MESSAGE("Summary", "%1 (%2)")
                         .Arg(Message("Summary", f.Caption))
                         .Arg(std::string(lines[i])),
                     FigureKind::Angle,
                     [&f, i](const PhotometricSummary& s) { return (s.*(f.Member))[i]; });
}

} // namespace

FigureDifference DifferenceOf(const Figure& value, const Figure& first, FigureKind kind,
                              const Tolerance& tolerance) {
    if (!value || !first)
        return {std::nullopt, std::nullopt, value.has_value() != first.has_value()};
    const long double absolute = *value - *first;
    Figure percent;
    if (*first != 0 && std::isfinite(absolute))
        percent = 100 * absolute / std::fabs(*first);
    return {absolute, percent, Beyond(absolute, percent, kind, tolerance)};
}

std::vector<FigureRow> FigureRows(std::span<const PhotometricSummary> summaries,
                                  const Tolerance& tolerance) {
    if (summaries.empty())
        return {};
    RowBuilder rows(summaries, tolerance);
    rows.AddPlain(kFluxFigures);
    AddZones(rows);
    rows.AddPlain(kOutputFigures);
    AddAnglePairs(rows, summaries.front().Type);
    rows.AddPlain(kStatedFigures);
    return std::move(rows).Rows();
}

bool AnyBeyond(const FigureRow& row) {
    return std::any_of(row.ToFirst.begin(), row.ToFirst.end(),
                       [](const FigureDifference& d) { return d.BeyondTolerance; });
}

} // namespace lumetra::compare
