#pragma once
// src/properties: what the Properties window shows about the loaded file, as text.
//   FigureText       a number with its unit and sensible digits ("4 512 lm", "87.3 %", "36.4°")
//   SummaryRows      the photometric summary, the luminaire's numbers and the format as captions
//                    and values
//   LuminousOpening  the shape that the signs of width, length and height describe
//   KeywordTable     the header's keywords in file order, continuation lines joined
//   IntensityTable   the stored candela table as rows and columns, tab-separated and CSV text
//   ReportedLine     the file line that a reader's message names
// The window (src/ui/Properties*) lays these out; nothing here knows about widgets.

#include "data/Message.h"
#include "summary/SummaryFigures.h"

#include <optional>
#include <string>
#include <utility>

namespace lumetra::properties {

// The units and their least decimals are the summary's (summary/SummaryFigures.h).
using summary::kCandela;
using summary::kDegree;
using summary::kEfficacy;
using summary::kLumen;
using summary::kNone;
using summary::kPercent;
using summary::kWatt;
using summary::Unit;

// How a locale writes numbers: the decimal separator and the sign between groups of three
// digits (empty: no grouping). Built from the locale at the window's or the command's edge; the
// default is the blank-grouped form with a point.
struct NumberFormat {
    std::string decimalPoint = ".";
    std::string groupSeparator = " ";
    // The language of the words around the figures (captions, "at C"): gives a core text in it
    // (TranslatedUtf8 in the windows and lumetra-cli); none keeps English.
    std::string (*wording)(const Message& text) = nullptr;

    std::string Words(const Message& text) const {
        return wording ? wording(text) : text.English();
    }

    NumberFormat() = default;
    NumberFormat(std::string point, std::string group = " ")
        : decimalPoint(std::move(point)), groupSeparator(std::move(group)) {}
    NumberFormat(const char* point) : decimalPoint(point) {}
};

// The one form in which figures are shown to people (the Properties window, the command line's
// text, the data sheet, the catalogue and the comparison): the value in the unit with sensible
// digits, its integer part grouped by thousands; "n/a" for none and for values that are not
// finite. JSON keeps full precision instead.
std::string FigureText(std::optional<long double> value, const Unit& unit,
                       const NumberFormat& format = {});

// "n/a" in the words' language: where a figure or value is missing.
std::string NotAvailableText(const NumberFormat& format = {});

// A symmetry name of the summary (summary/SymmetryCompletion.h) in the words' language; "n/a"
// for none.
std::string SymmetryText(const std::string& name, const NumberFormat& format = {});

// A number as stored: up to 15 significant digits, no trailing zeros, no grouping.
std::string StoredNumberText(long double value, const std::string& separator = ".");

} // namespace lumetra::properties
