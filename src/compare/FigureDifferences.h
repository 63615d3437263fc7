#pragma once
// The summary's figures side by side: each file's value and its difference to the first file's,
// in absolute and per cent terms, flagged when it goes beyond a tolerance. The rows follow the
// summary's own order, and their keys are those of `lumetra-cli summary --json`.

#include "data/Message.h"
#include "summary/PhotometricSummary.h"

#include <span>
#include <string>
#include <vector>

namespace lumetra::compare {

using summary::Figure;

// What a figure measures, which decides its unit and how its tolerance is judged.
enum class FigureKind { Flux, Intensity, Fraction, Angle, Power, Efficacy };

// How far a figure may differ before the difference counts: angles by degrees, everything else
// by per cent of the first file's value.
struct Tolerance {
    long double Percent = 5;
    long double Degrees = 2;
};

struct FigureDifference {
    Figure Absolute;              // value minus the first file's value, in the figure's unit
    Figure Percent;               // Absolute over the first file's magnitude, x 100
    bool BeyondTolerance = false; // also when only one of the two values is defined
};

struct FigureRow {
    std::string Key;  // "Flux", "ZonalFlux", "BeamAngle", ...
    std::string Part; // the key inside Key: "0-30", "C0-C180", ...; empty for a plain figure
    Message Caption;  // "Zonal flux 0-30°", in English or translated where shown
    FigureKind Kind = FigureKind::Flux;
    std::vector<Figure> Values;            // one per file
    std::vector<FigureDifference> ToFirst; // one per file; the first file's own is zero
};

// The difference of value to first.
FigureDifference DifferenceOf(const Figure& value, const Figure& first, FigureKind kind,
                              const Tolerance& tolerance);

// Every figure of the summaries, the first summary being the reference; the angle pairs are
// named after the first file's type.
std::vector<FigureRow> FigureRows(std::span<const summary::PhotometricSummary> summaries,
                                  const Tolerance& tolerance);

// True when any figure of the row differs beyond the tolerance.
bool AnyBeyond(const FigureRow& row);

} // namespace lumetra::compare
