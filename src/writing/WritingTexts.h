#pragma once
// Every text the writers give the user, in one table: the errors are marked in the context
// "Writing" and thrown as messages, shown in the user's language; the notes stay English.

#include "data/Message.h"
#include "data/Translatable.h"

namespace lumetra::writing::texts {

// An error of this table as a message to throw.
inline Message Said(const char* text) {
    return Message("Writing", text);
}

inline constexpr const char* kLumensNotPositive =
    LUMETRA_TR_NOOP("Writing", "The lamp flux must be a positive number of lumens");
inline constexpr const char* kFactorNotPositive =
    LUMETRA_TR_NOOP("Writing", "The factor must be a positive number");
inline constexpr const char* kNoLightToScale = LUMETRA_TR_NOOP(
    "Writing", "The file states no lamp flux and its intensities give no light to scale");
inline constexpr const char* kTurnNotQuarter =
    LUMETRA_TR_NOOP("Writing", "The C-planes can be turned by 90, 180 or 270 degrees");
inline constexpr const char* kTurnTypeC =
    LUMETRA_TR_NOOP("Writing", "Only a type C file's C-planes can be turned");
inline constexpr const char* kEulumdatTypeC =
    LUMETRA_TR_NOOP("Writing", "EULUMDAT holds type C photometry only; this file is of type %1");
inline constexpr const char* kTiltFile2019 = LUMETRA_TR_NOOP(
    "Writing", "LM-63-2019 allows no TILT file name; save as LM-63-2002 to keep TILT=%1");
inline constexpr const char* kLineTooLong = LUMETRA_TR_NOOP(
    "Writing",
    "A number is too long for a line of an LM-63-2002 file (256 characters); save as LM-63-2019");
inline constexpr const char* kNoFluxForEulumdat = LUMETRA_TR_NOOP(
    "Writing",
    "The file states no lamp flux and its intensities give no light: EULUMDAT values are per "
    "1000 lm of lamp flux");
inline constexpr const char* kUnreadNumbers =
    LUMETRA_TR_NOOP("Writing", "Some numbers of the file could not be read (%1)");
inline constexpr const char* kUnreadNumbersTabs = LUMETRA_TR_NOOP(
    "Writing", "Some numbers of the file could not be read (%1); reading tabs as blanks "
               "(--lenient, or Save As in the viewer) writes it out clean");
inline constexpr const char* kAtLine = LUMETRA_TR_NOOP("Writing", "line %1");
inline constexpr const char* kEndsEarly =
    LUMETRA_TR_NOOP("Writing", "the file ends before its last value");
inline constexpr const char* kUnknownTarget = LUMETRA_TR_NOOP(
    "Writing", "Cannot tell the format to write from the name %1: use .ies or .ldt");
inline constexpr const char* kOutputIsInput =
    LUMETRA_TR_NOOP("Writing", "%1 is the input file; it is never replaced");
inline constexpr const char* kValueTooLarge =
    LUMETRA_TR_NOOP("Writing", "A value of the file is too large to be written");
inline constexpr const char* kNoData =
    LUMETRA_TR_NOOP("Writing", "The file holds no intensities to write");

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
