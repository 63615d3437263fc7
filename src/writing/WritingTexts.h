#pragma once
// Every text the writers give the user, in one table so that it can be translated later.

namespace lumetra::writing::texts {

inline constexpr const char* kLumensNotPositive =
    "The lamp flux must be a positive number of lumens";
inline constexpr const char* kFactorNotPositive = "The factor must be a positive number";
inline constexpr const char* kNoLightToScale =
    "The file states no lamp flux and its intensities give no light to scale";
inline constexpr const char* kTurnNotQuarter =
    "The C-planes can be turned by 90, 180 or 270 degrees";
inline constexpr const char* kTurnTypeC = "Only a type C file's C-planes can be turned";
inline constexpr const char* kEulumdatTypeC =
    "EULUMDAT holds type C photometry only; this file is of type %s";
inline constexpr const char* kTiltFile2019 =
    "LM-63-2019 allows no TILT file name; save as LM-63-2002 to keep TILT=%s";
inline constexpr const char* kLineTooLong =
    "A number is too long for a line of an LM-63-2002 file (256 characters); save as LM-63-2019";
inline constexpr const char* kNoFluxForEulumdat =
    "The file states no lamp flux and its intensities give no light: EULUMDAT values are per "
    "1000 lm of lamp flux";
inline constexpr const char* kUnreadNumbers = "Some numbers of the file could not be read (%s)";
inline constexpr const char* kEndsEarly = "the file ends before its last value";
inline constexpr const char* kTryLenient =
    "; reading tabs as blanks (--lenient, or Save As in the viewer) writes it out clean";
inline constexpr const char* kUnknownTarget =
    "Cannot tell the format to write from the name %s: use .ies or .ldt";
inline constexpr const char* kOutputIsInput = "%s is the input file; it is never replaced";
inline constexpr const char* kValueTooLarge = "A value of the file is too large to be written";
inline constexpr const char* kNoData = "The file holds no intensities to write";

// Notes: what a conversion could not carry.
inline constexpr const char* kTiltDropped =
    "The TILT=INCLUDE data cannot be carried by EULUMDAT and was left out";
inline constexpr const char* kTextCut =
    "EULUMDAT text lines hold 78 characters (lamp types 40) and no continuation lines: %s cut";
inline constexpr const char* kKeywordsLeftOut = "EULUMDAT has no line for %s: left out";
inline constexpr const char* kLinesWithoutKeyword = "header lines without a keyword";
inline constexpr const char* kC360Dropped =
    "The C360 plane differs from C0; EULUMDAT keeps only C0";

} // namespace lumetra::writing::texts
