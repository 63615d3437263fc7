#include "IntensityComparison.h"

#include "Comparison.h"

#include <algorithm>
#include <cmath>

namespace lumetra::compare {

namespace {

using summary::PhotometricSummary;

bool SameFamily(std::span<const PhotometricSummary> summaries) {
    const PhotometricKind first = summaries.front().Type;
    return std::all_of(summaries.begin(), summaries.end(), [first](const PhotometricSummary& s) {
        return s.Type == first || (summary::IsTypeC(s.Type) && summary::IsTypeC(first));
    });
}

std::vector<long double> Factors(std::span<const PhotometricSummary> summaries,
                                 IntensityUnit unit) {
    std::vector<long double> factors;
    for (const PhotometricSummary& s : summaries) {
        const std::optional<long double> factor = UnitFactor(s, unit);
        if (!factor)
            return {};
        factors.push_back(*factor);
    }
    return factors;
}

bool AllHaveData(std::span<const Luminaire> files) {
    return std::all_of(files.begin(), files.end(), [](const Luminaire& file) {
        return summary::HasPhotometricData(file.Record);
    });
}

} // namespace

IntensitySampler::IntensitySampler(summary::SummaryGrid grid, const tArrEx& verticals,
                                   long double factor)
    : grid_(std::move(grid)), factor_(factor) {
    brackets_.reserve(verticals.size());
    for (const long double g : verticals)
        brackets_.push_back(summary::BracketOn(grid_.Grid.Verticals.Angles, g));
}

void IntensitySampler::Row(long double c, tArrEx& row) const {
    const tArrEx profile = summary::ProfileAtPlaneAngle(grid_.Grid, c);
    row.resize(brackets_.size());
    for (std::size_t v = 0; v < brackets_.size(); ++v) {
        const summary::Bracket& at = brackets_[v];
        if (!at.Inside) {
            row[v] = 0;
            continue;
        }
        if (at.Fraction == 0) { // a stored angle, as always on a shared grid
            row[v] = factor_ * profile[at.Lower];
            continue;
        }
        row[v] =
            factor_ * ((1 - at.Fraction) * profile[at.Lower] + at.Fraction * profile[at.Upper]);
    }
}

IntensityComparison::IntensityComparison(std::span<const Luminaire> files,
                                         std::span<const PhotometricSummary> summaries,
                                         IntensityUnit unit) {
    if (files.empty() || files.size() != summaries.size() || !SameFamily(summaries) ||
        !AllHaveData(files))
        return;
    const std::vector<long double> factors = Factors(summaries, unit);
    if (factors.empty())
        return;
    std::vector<summary::SummaryGrid> grids;
    grids.reserve(files.size());
    for (const Luminaire& file : files)
        grids.push_back(summary::SummaryGridOf(file.Record, file.Facts));
    std::vector<const summary::IntensityGrid*> pointers;
    pointers.reserve(grids.size());
    for (const summary::SummaryGrid& grid : grids)
        pointers.push_back(&grid.Grid);
    angles_ = AnglesToCompare(pointers);
    for (std::size_t i = 0; i < grids.size(); ++i)
        samplers_.emplace_back(std::move(grids[i]), angles_.Verticals, factors[i]);
    comparable_ = true;
}

void IntensityComparison::Row(std::size_t file, std::size_t plane, tArrEx& row) const {
    samplers_.at(file).Row(angles_.Planes.at(plane), row);
}

std::optional<IntensityDifference> IntensityComparison::Largest(std::size_t file) const {
    if (!comparable_ || file >= samplers_.size())
        return std::nullopt;
    IntensityDifference largest{file, 0, 0, 0, 0, 0, angles_.SharedGrid};
    bool found = false;
    tArrEx first, other;
    for (std::size_t p = 0; p < angles_.Planes.size(); ++p) {
        Row(0, p, first);
        Row(file, p, other);
        for (std::size_t v = 0; v < first.size(); ++v) {
            const long double difference = other[v] - first[v];
            if (found && !(std::fabs(difference) > std::fabs(largest.Value)))
                continue;
            largest = {file,
                       difference,
                       first[v],
                       other[v],
                       angles_.Planes[p],
                       angles_.Verticals[v],
                       angles_.SharedGrid};
            found = true;
        }
    }
    return found ? std::optional(largest) : std::nullopt;
}

} // namespace lumetra::compare
