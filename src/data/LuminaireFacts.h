#pragma once
// What a photometric file says about the luminaire beyond its intensity grid. Kept beside the
// record rather than in it: the goniogram and the light pattern never use these values, only the
// photometric summary and the properties do.

#include <array>
#include <optional>

namespace lumetra {

// The photometric type as the file gives it: 1 = C, 2 = B, 3 = A; anything else is unknown.
enum class PhotometricKind { C, B, A, Unknown };

// The format a record was read from: the two put the street side of a road luminaire on
// different planes, and describe the luminous opening differently.
enum class PhotometricFormat { Ies, Eulumdat };

struct LuminaireFacts {
    long double NumberOfLamps = 0;   // negative counts mean absolute photometry in some files
    long double LumensPerLamp = 0;   // -1 marks absolute photometry in IES files
    long double PhotometricType = 0; // as stored
    long double Width = 0;           // luminous opening, in the file's units; the signs give
    long double Length = 0;          // the shape (rectangular, round, ...)
    long double Height = 0;
    long double BallastFactor = 1;
    long double InputWatts = 0;

    // Figures that a file states about itself (EULUMDAT); absent for IES files.
    std::optional<long double> StatedLampFlux;             // lm, sum over the lamp sets
    std::optional<long double> StatedLightOutputRatio;     // a fraction, 0.873 for 87.3 %
    std::optional<long double> StatedDownwardFluxFraction; // a fraction

    PhotometricFormat Format = PhotometricFormat::Ies;
    // EULUMDAT: heights of the luminous area at C0, C90, C180, C270 in metres (Height is the
    // largest); all 0 for IES files, whose opening has one height.
    std::array<long double, 4> LuminousHeights{};
};

inline PhotometricKind KindOf(long double photometricType) {
    if (photometricType == 1)
        return PhotometricKind::C;
    if (photometricType == 2)
        return PhotometricKind::B;
    if (photometricType == 3)
        return PhotometricKind::A;
    return PhotometricKind::Unknown;
}

} // namespace lumetra
