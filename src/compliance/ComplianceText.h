#pragma once
// Every text of the compliance figures for a person to read, in one table so it can be
// translated: the messages, the zones' descriptions, and the captioned lines that
// `lumetra-cli summary` and `lumetra-cli bug` print and the data sheet tabulates.

#include "Compliance.h"
#include "properties/FigureText.h"

#include <string>
#include <utility>
#include <vector>

namespace lumetra::compliance {

enum class ComplianceMessage {
    NeedsTypeC,
    NoData,
    NotFinite,
    PointOpening,
    UnknownOpening,
    NoOpening,
    NoProjectedArea,
    UplightIncomplete,
};

const char* Message(ComplianceMessage message);

// "front low", "back very high", "uplight high", ...
const char* ZoneDescription(BugZone zone);

// "asymmetric" or "symmetric" (the JSON value), and the table's longer name for text.
const char* GlareTableKey(GlareTable table);
const char* GlareTableName(GlareTable table);

// "C0, street side by the IES convention", "C45, given".
std::string FrontText(const BugFigures& figures, const LuminaireFacts& facts);

// A number with six significant digits and "." whatever the locale; the same then the unit.
std::string PlainNumber(long double value);
std::string NumberText(long double value, const char* unit);

using CaptionedLine = std::pair<std::string, std::string>;

// The lines of `lumetra-cli summary` and `lumetra-cli bug`: lumens in the one number format of
// the other figures, captions and words in the format's language.
std::vector<CaptionedLine> BugLines(const BugRating& rating, const LuminaireFacts& facts,
                                    const properties::NumberFormat& format);
std::vector<CaptionedLine> LuminanceLines(const LuminanceTable& table,
                                          const properties::NumberFormat& format);

// The few lines a one-page data sheet has room for, only for figures that exist: the rating with
// its front, forward, back and uplight lumens, the uplight note, the maximum luminance.
std::vector<CaptionedLine> SheetLines(const ComplianceFigures& figures,
                                      const LuminaireFacts& facts);

} // namespace lumetra::compliance
