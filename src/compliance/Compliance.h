#pragma once
// The figures outdoor and indoor lighting codes ask for: the BUG rating and the luminance table.
//
// Map of this library, from record to figures (all pure functions of a record and its facts):
//  1. AzimuthWeights: the exact integral of each completed plane's periodic hat function over an
//     azimuth interval, cells cut at the interval's ends, so the summary's zonal integral covers
//     part of the turn (src/summary/FluxIntegral does the gamma factor).
//  2. ZoneLumens: the ten TM-15 zones (front and back halves around a front centre, gamma bands,
//     uplight all round); they add up to the summary's flux.
//  3. BugThresholds: the threshold table and the B, U and G ratings, G by both glare tables.
//  4. BugRating: the rating of a record, the street-side convention of its format (C0 for IES,
//     C90 for EULUMDAT) or a given front, the glare table its symmetry calls for, the uplight
//     data check; null for types A and B.
//  5. OpeningArea: the luminous opening's shape and its projected area in any direction.
//  6. LuminanceTable: intensity over projected area at C0..C315 by 45 and gamma 45..85 by 5.
//  7. ComplianceText: every caption and message of the above for a person to read, in one table.

#include "BugRating.h"
#include "LuminanceTable.h"

namespace lumetra::compliance {

struct ComplianceFigures {
    BugRating Bug;
    LuminanceTable Luminance;
};

// Both figures of a record; front overrides the format's street side when given.
ComplianceFigures ComplianceOf(const tIES& record, const LuminaireFacts& facts,
                               std::optional<long double> front = std::nullopt);

} // namespace lumetra::compliance
