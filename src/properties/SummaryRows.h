#pragma once
// The Summary tab's rows: the figures of the photometric summary with their units, the
// luminaire's numbers (lamps, input watts, luminous opening) and the file's format.

#include "FigureText.h"
#include "RowWriter.h"
#include "data/LuminaireFacts.h"
#include "data/Photometry.h"
#include "eulumdat/ReadingVerdict.h"
#include "summary/PhotometricSummary.h"

#include <string>
#include <utility>
#include <vector>

namespace lumetra::properties {

// "EULUMDAT" for an EULUMDAT file; else an IES file's version line ("IESNA:LM-63-2002") or,
// for a file without one, "LM-63-1986 (no version line)".
std::string FormatText(const std::string& fileName, const TextLines& headerLines);
// FormatText's words for a person, in the format's language ("LM-63-1986 (no version line)");
// a version line or "EULUMDAT" stays as it is.
std::string ShownFormatText(const std::string& formatText, const NumberFormat& format);

// Every row of the tab, in the order shown. headerLines are decoded for reading.
std::vector<CaptionedValue> SummaryRows(const std::string& fileName, const tIES& record,
                                        const LuminaireFacts& facts, const TextLines& headerLines,
                                        const NumberFormat& format = {});

// The same for a file as read: a file that did not read completely shows its format, counts
// and the verdict's lines ("Figures": "not significant: ...", "Reader", "Check", "Content") in
// place of every figure.
std::vector<CaptionedValue> SummaryRows(const std::string& fileName, const tIES& record,
                                        const LuminaireFacts& facts, const TextLines& headerLines,
                                        const ReadingVerdict& verdict,
                                        const NumberFormat& format = {});

// Whether the zonal flux rows come with the other figures or go to a table of their own.
enum class ZonalRows { Included, Apart };

// The summary's figures as the command line's text and the data sheet show them: type,
// symmetry, flux, zonal flux, lamp flux, ratio, watts, efficacy, maximum intensity, beam and
// field angles, stated ratios.
std::vector<CaptionedValue> SummaryFigureRows(const summary::PhotometricSummary& s,
                                              const NumberFormat& format = {},
                                              ZonalRows zonal = ZonalRows::Included);

// The luminous opening: its shape and its sizes in the file's units, a round one by its diameter.
std::vector<CaptionedValue> OpeningRows(const tIES& record, const LuminaireFacts& facts,
                                        const NumberFormat& format = {});

} // namespace lumetra::properties
