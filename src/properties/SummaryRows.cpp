#include "SummaryRows.h"

#include "FigureText.h"
#include "LuminousOpening.h"
#include "RowWriter.h"
#include "eulumdat/PhotometryFile.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryText.h"

namespace lumetra::properties {

namespace {

using summary::PhotometricSummary;

std::string TypeText(PhotometricKind type) {
    const std::string name = summary::TypeName(type);
    return name.empty() ? "unknown (summarised as C)" : name;
}

void WriteLamps(RowWriter& rows, const LuminaireFacts& facts) {
    const std::string lamps = rows.Shown(facts.NumberOfLamps, kNone);
    if (facts.LumensPerLamp == -1)
        rows.Text("Lamps", lamps + ", absolute photometry");
    else
        rows.Text("Lamps", lamps + " \u00d7 " + rows.Shown(facts.LumensPerLamp, kLumen));
    rows.Value("Ballast factor", facts.BallastFactor, kNone);
    rows.Value("Input watts", facts.InputWatts, kWatt);
}

// Round sides are given as negative sizes; a person reads a circle by its diameter.
void WriteOpening(RowWriter& rows, const tIES& record, const LuminaireFacts& facts) {
    const std::string units = UnitsName(record.UnitsType);
    const Unit length{units.c_str(), 0};
    const std::string shape = OpeningShape(facts.Width, facts.Length, facts.Height);
    rows.Text("Luminous opening", shape);
    const bool round = facts.Width < 0 && facts.Width == facts.Length;
    if (round) {
        rows.Value("Diameter", -facts.Width, length);
    } else {
        rows.Value("Width", facts.Width < 0 ? -facts.Width : facts.Width, length);
        rows.Value("Length", facts.Length < 0 ? -facts.Length : facts.Length, length);
    }
    rows.Value("Height", facts.Height < 0 ? -facts.Height : facts.Height, length);
}

void WriteOwnFlux(RowWriter& rows, const PhotometricSummary& s,
                  ZonalRows zonal = ZonalRows::Included) {
    rows.Value("Luminous flux", s.Flux, kLumen);
    rows.Value("Downward flux", s.DownwardFlux, kLumen);
    rows.Value("Upward flux", s.UpwardFlux, kLumen);
    rows.Value("Downward flux fraction", s.DownwardFluxFraction, kPercent, 100);
    for (std::size_t z = 0; zonal == ZonalRows::Included && z < summary::kZones.size(); ++z)
        rows.Value(std::string("Zonal flux ") + summary::kZones[z].Name + "\u00b0", s.ZonalFlux[z],
                   kLumen);
    rows.Value("Lamp flux", s.LampFlux, kLumen);
    rows.Value("Light output ratio", s.LightOutputRatio, kPercent, 100);
}

void WriteFlux(RowWriter& rows, const PhotometricSummary& s) {
    WriteOwnFlux(rows, s);
    rows.Value("Efficacy", s.Efficacy, kEfficacy);
}

void WriteAngles(RowWriter& rows, const PhotometricSummary& s) {
    rows.Text("Maximum intensity", rows.Shown(s.MaxIntensity, kCandela) + " at C " +
                                       rows.Shown(s.MaxIntensityC, kDegree) + ", gamma " +
                                       rows.Shown(s.MaxIntensityGamma, kDegree));
    const auto names = summary::AngleLineNames(s.Type);
    for (std::size_t i = 0; i < 2; ++i) {
        const std::string line = std::string(" (") + names[i] + ")";
        rows.Value("Beam angle" + line, s.BeamAngle[i], kDegree);
        rows.Value("Field angle" + line, s.FieldAngle[i], kDegree);
        rows.Value("Beam angle CIE" + line, s.BeamAngleCIE[i], kDegree);
        rows.Value("Field angle CIE" + line, s.FieldAngleCIE[i], kDegree);
    }
    rows.Value("Stated light output ratio", s.StatedLightOutputRatio, kPercent, 100);
    rows.Value("Stated downward flux fraction", s.StatedDownwardFluxFraction, kPercent, 100);
}

} // namespace

std::vector<CaptionedValue> SummaryFigureRows(const PhotometricSummary& s,
                                              const NumberFormat& format, ZonalRows zonal) {
    RowWriter rows(format);
    rows.Text("Photometric type", TypeText(s.Type));
    rows.Text("Symmetry", s.Symmetry.empty() ? "n/a" : s.Symmetry);
    WriteOwnFlux(rows, s, zonal);
    rows.Value("Input watts", s.InputWatts, kWatt);
    rows.Value("Efficacy", s.Efficacy, kEfficacy);
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
    const bool versioned = !headerLines.empty() && headerLines.front().rfind("IES", 0) == 0;
    return versioned ? headerLines.front() : "LM-63-1986 (no version line)";
}

std::vector<CaptionedValue> SummaryRows(const std::string& fileName, const tIES& record,
                                        const LuminaireFacts& facts, const TextLines& headerLines,
                                        const NumberFormat& format) {
    const PhotometricSummary s = summary::Summarize(record, facts);
    RowWriter rows(format);
    rows.Text("Format", FormatText(fileName, headerLines));
    rows.Text("Photometric type", TypeText(s.Type));
    rows.Text("Symmetry", s.Symmetry.empty() ? "n/a" : s.Symmetry);
    rows.Text("Angles", std::to_string(record.VerticalAngles.size()) + " vertical \u00d7 " +
                            std::to_string(record.HorizontalAngles.size()) + " horizontal");
    rows.Text("Candela multiplier",
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
    std::vector<CaptionedValue> rows{
        {"Format", FormatText(fileName, headerLines)},
        {"Figures", kNotSignificantText},
    };
    if (!verdict.readerLine.empty())
        rows.emplace_back("Reader", verdict.readerLine);
    if (verdict.finding)
        rows.emplace_back("Check", "Line " + std::to_string(verdict.finding->line) + ": " +
                                       verdict.finding->message);
    if (verdict.other)
        rows.emplace_back("Content", *verdict.other);
    return rows;
}

} // namespace lumetra::properties
