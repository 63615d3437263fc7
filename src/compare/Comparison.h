#pragma once
// src/compare: up to four luminaires compared with the first one, as pure functions of records.
//
// Map of this library, from records to differences:
//  1. Compare (this header): each file summarised by src/summary, then the figures and the
//     intensities compared with the first file's.
//  2. FigureDifferences: the summary's figures side by side, each with its difference to the first
//     file in absolute and per cent terms, flagged beyond a tolerance (per cent, or degrees for
//     angles).
//  3. IntensityUnit: candela, or candela per 1,000 lm of lamp flux (luminaire flux for absolute
//     photometry), as one factor per file.
//  4. ComparedAngles: where intensities are compared: at the stored angles when every file stores
//     the same ones, otherwise on the union of their symmetry-completed angles.
//  5. IntensityComparison: each file's intensities there through the summary's own interpolant,
//     row by row, and the largest difference to the first file with the angles where it lies.
// Nothing here knows about files on disk, text formats or windows.

#include "FigureDifferences.h"
#include "IntensityComparison.h"
#include "IntensityUnit.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <optional>
#include <span>
#include <vector>

namespace lumetra::compare {

inline constexpr std::size_t kMaxComparedFiles = 4;

// A loaded file: its record and what it says about the luminaire.
struct Luminaire {
    tIES Record;
    LuminaireFacts Facts;
};

struct Comparison {
    IntensityUnit Unit = IntensityUnit::Candela;
    std::vector<summary::PhotometricSummary> Summaries; // one per file
    std::vector<FigureRow> Figures;
    // Per file, where it differs most from the first one; empty for the first file and when the
    // intensities cannot be compared (IntensityComparison::Comparable).
    std::vector<std::optional<IntensityDifference>> Largest;
    bool SharedGrid = false; // the intensities were compared at the files' common stored angles
    bool Thinned = false;    // ... or on an evenly thinned union of angles
};

// The first kMaxComparedFiles files compared with the first one.
Comparison Compare(std::span<const Luminaire> files, IntensityUnit unit,
                   const Tolerance& tolerance = {});

// The largest of the files' largest differences (the first file's, on a tie); none when no file
// could be compared.
std::optional<IntensityDifference> LargestOverall(const Comparison& comparison);

} // namespace lumetra::compare
