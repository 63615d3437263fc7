#pragma once
// The BUG rating of a luminaire (backlight, uplight, glare) from its type C distribution.

#include "ZoneLumens.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <optional>
#include <string>

namespace lumetra::compliance {

enum class GlareTable { Asymmetric, Symmetric };

struct BugFigures {
    long double FrontCentre = 0; // degrees: the street side's middle plane
    bool FrontOverridden = false;
    ZoneFlux Zones{};
    long double Forward = 0; // FL + FM + FH + FVH
    long double Back = 0;    // BL + BM + BH + BVH
    long double Uplight = 0; // UL + UH
    long double Total = 0;   // all ten
    int B = 0;
    int U = 0;
    int G = 0; // by Table
    GlareTable Table = GlareTable::Asymmetric;
    int GAsymmetric = 0;
    int GSymmetric = 0;
    bool UplightDataComplete = true; // false: stored up to below 180 with light at the last angle
    std::string Rating;              // "B1-U0-G2"
};

struct BugRating {
    PhotometricKind Type = PhotometricKind::Unknown; // Unknown is rated as type C
    std::optional<BugFigures> Figures;               // empty for types A and B or without data
    std::string Unavailable; // why Figures is empty (ComplianceText's message), else empty
};

// The street side's centre by the file's format: C0 for IES, C90 for EULUMDAT road luminaires.
long double DefaultFrontCentre(const LuminaireFacts& facts);

// The rating with the format's front centre, or with front when given.
BugRating RateBug(const tIES& record, const LuminaireFacts& facts,
                  std::optional<long double> front = std::nullopt);

} // namespace lumetra::compliance
