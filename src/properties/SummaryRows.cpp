#include "SummaryRows.h"

#include "FigureText.h"
#include "LuminousOpening.h"
#include "RowWriter.h"
#include "data/Translatable.h"
#include "data/VersionLine.h"
#include "eulumdat/PhotometryFile.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryFigures.h"
#include "summary/SummaryText.h"

namespace lumetra::properties {

namespace {

using summary::PhotometricSummary;

std::string TypeText(const RowWriter& rows, PhotometricKind type) {
    const std::string name = summary::TypeName(type);
    return name.empty() ? rows.Caption(LUMETRA_TR_NOOP("Summary", "unknown (summarised as C)"))
                        : name;
}

void WriteTypeAndSymmetry(RowWriter& rows, const PhotometricSummary& s) {
    rows.Text(rows.Caption(summary::kTypeRow.caption), TypeText(rows, s.Type));
    rows.Text(rows.Caption(summary::kSymmetryRow.caption), SymmetryText(s.Symmetry, rows.Format()));
}

void WriteLamps(RowWriter& rows, const LuminaireFacts& facts) {
    const std::string lamps = rows.Shown(facts.NumberOfLamps, kNone);
    if (facts.LumensPerLamp == -1)
        rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Lamps")),
                  rows.Words(LUMETRA_MESSAGE("Summary", "%1, absolute photometry").Arg(lamps)));
    else
        rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Lamps")),
                  lamps + " \u00d7 " + rows.Shown(facts.LumensPerLamp, kLumen));
    rows.Value(rows.Caption(LUMETRA_TR_NOOP("Summary", "Ballast factor")), facts.BallastFactor,
               kNone);
    rows.Value(rows.Caption(summary::kInputWattsRow.caption), facts.InputWatts,
               summary::kInputWattsRow.unit);
}

// Round sides are given as negative sizes; a person reads a circle by its diameter.
void WriteOpening(RowWriter& rows, const tIES& record, const LuminaireFacts& facts) {
    const std::string units = UnitsName(record.UnitsType);
    const Unit length{units.c_str(), 0};
    const std::string shape = OpeningShape(facts.Width, facts.Length, facts.Height);
    rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Luminous opening")), shape);
    const bool round = facts.Width < 0 && facts.Width == facts.Length;
    if (round) {
        rows.Value(rows.Caption(LUMETRA_TR_NOOP("Summary", "Diameter")), -facts.Width, length);
    } else {
        rows.Value(rows.Caption(LUMETRA_TR_NOOP("Summary", "Width")),
                   facts.Width < 0 ? -facts.Width : facts.Width, length);
        rows.Value(rows.Caption(LUMETRA_TR_NOOP("Summary", "Length")),
                   facts.Length < 0 ? -facts.Length : facts.Length, length);
    }
    rows.Value(rows.Caption(LUMETRA_TR_NOOP("Summary", "Height")),
               facts.Height < 0 ? -facts.Height : facts.Height, length);
}

void Write(RowWriter& rows, const summary::FigureRow& row, const PhotometricSummary& s) {
    rows.Value(rows.Caption(row.caption), s.*row.value, row.unit, row.shown);
}

template <std::size_t N>
void Write(RowWriter& rows, const std::array<summary::FigureRow, N>& table,
           const PhotometricSummary& s) {
    for (const summary::FigureRow& row : table)
        Write(rows, row, s);
}

void WriteOwnFlux(RowWriter& rows, const PhotometricSummary& s,
                  ZonalRows zonal = ZonalRows::Included) {
    Write(rows, summary::kFluxRows, s);
    for (std::size_t z = 0; zonal == ZonalRows::Included && z < summary::kZones.size(); ++z)
        rows.Value(rows.Words(Message("Summary", summary::kZonalFluxCaption)
                                  .Arg(std::string(summary::kZones[z].Name))),
                   s.ZonalFlux[z], kLumen);
    Write(rows, summary::kLampRows, s);
}

void WriteFlux(RowWriter& rows, const PhotometricSummary& s) {
    WriteOwnFlux(rows, s);
    Write(rows, summary::kEfficacyRow, s);
}

// "1 234 cd at C 90.0°, gamma 45.0°"
std::string PeakText(const RowWriter& rows, const PhotometricSummary& s) {
    const auto& [peak, c, gamma] = summary::kPeakRows;
    return rows.Words(LUMETRA_MESSAGE("Summary", "%1 at C %2, gamma %3")
                          .Arg(rows.Shown(s.*peak.value, peak.unit))
                          .Arg(rows.Shown(s.*c.value, c.unit))
                          .Arg(rows.Shown(s.*gamma.value, gamma.unit)));
}

void WriteAngles(RowWriter& rows, const PhotometricSummary& s) {
    rows.Text(rows.Caption(summary::kPeakRows[0].caption), PeakText(rows, s));
    const auto names = summary::AngleLineNames(s.Type);
    for (std::size_t i = 0; i < 2; ++i) {
        for (const summary::AngleRow& row : summary::kAngleRows)
            rows.Value(rows.Words(LUMETRA_MESSAGE("Summary", "%1 (%2)")
                                      .Arg(Message("Summary", row.caption))
                                      .Arg(std::string(names[i]))),
                       (s.*row.value)[i], kDegree);
    }
    Write(rows, summary::kStatedRows, s);
}

} // namespace

std::vector<CaptionedValue> SummaryFigureRows(const PhotometricSummary& s,
                                              const NumberFormat& format, ZonalRows zonal) {
    RowWriter rows(format);
    WriteTypeAndSymmetry(rows, s);
    WriteOwnFlux(rows, s, zonal);
    Write(rows, summary::kInputWattsRow, s);
    Write(rows, summary::kEfficacyRow, s);
    WriteAngles(rows, s);
    return std::move(rows).Rows();
}

std::vector<CaptionedValue> OpeningRows(const tIES& record, const LuminaireFacts& facts,
                                        const NumberFormat& format) {
    RowWriter rows(format);
    WriteOpening(rows, record, facts);
    return std::move(rows).Rows();
}

std::string FormatText(const std::string& fileName, const TextLines& headerLines) {
    if (IsEulumdatFileName(fileName))
        return "EULUMDAT";
    const bool versioned = !headerLines.empty() && IsVersionLine(headerLines.front());
    return versioned ? headerLines.front() : "LM-63-1986 (no version line)";
}

std::vector<CaptionedValue> SummaryRows(const std::string& fileName, const tIES& record,
                                        const LuminaireFacts& facts, const TextLines& headerLines,
                                        const NumberFormat& format) {
    const PhotometricSummary s = summary::Summarize(record, facts);
    RowWriter rows(format);
    rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Format")),
              FormatText(fileName, headerLines));
    WriteTypeAndSymmetry(rows, s);
    rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Angles")),
              rows.Words(LUMETRA_MESSAGE("Summary", "%1 vertical \u00d7 %2 horizontal")
                             .Arg(std::to_string(record.VerticalAngles.size()))
                             .Arg(std::to_string(record.HorizontalAngles.size()))));
    rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Candela multiplier")),
              StoredNumberText(record.CandelaMultiplier, format.decimalPoint));
    WriteLamps(rows, facts);
    WriteFlux(rows, s);
    WriteAngles(rows, s);
    WriteOpening(rows, record, facts);
    return std::move(rows).Rows();
}

} // namespace lumetra::properties

namespace lumetra::properties {

std::vector<CaptionedValue> SummaryRows(const std::string& fileName, const tIES& record,
                                        const LuminaireFacts& facts, const TextLines& headerLines,
                                        const ReadingVerdict& verdict, const NumberFormat& format) {
    if (verdict.complete)
        return SummaryRows(fileName, record, facts, headerLines, format);
    RowWriter rows(format);
    rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Format")),
              FormatText(fileName, headerLines));
    rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Figures")),
              rows.Words(NotSignificantMessage()));
    if (!verdict.readerLine.empty())
        rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Reader")),
                  rows.Words(verdict.readerLine));
    if (verdict.finding)
        rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Check")),
                  rows.Words(FindingLine(*verdict.finding, false)));
    if (verdict.other)
        rows.Text(rows.Caption(LUMETRA_TR_NOOP("Summary", "Content")), rows.Words(*verdict.other));
    return std::move(rows).Rows();
}

} // namespace lumetra::properties
