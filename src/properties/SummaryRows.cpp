#include "SummaryRows.h"

#include "FigureText.h"
#include "LuminousOpening.h"
#include "eulumdat/PhotometryFile.h"
#include "summary/PhotometricSummary.h"
#include "summary/SummaryText.h"

namespace lumetra::properties {

namespace {

using summary::Figure;
using summary::PhotometricSummary;

class RowWriter {
  public:
    explicit RowWriter(std::string separator) : separator_(std::move(separator)) {}
    void Text(std::string caption, std::string value) {
        rows_.emplace_back(std::move(caption), std::move(value));
    }
    void Value(std::string caption, const Figure& figure, const Unit& unit, long double k = 1) {
        Text(std::move(caption),
             FigureText(figure ? Figure(*figure * k) : figure, unit, separator_));
    }
    std::string Shown(const Figure& figure, const Unit& unit) const {
        return FigureText(figure, unit, separator_);
    }
    std::vector<CaptionedValue> Rows() && { return std::move(rows_); }

  private:
    std::string separator_;
    std::vector<CaptionedValue> rows_;
};

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

void WriteOpening(RowWriter& rows, const tIES& record, const LuminaireFacts& facts) {
    const std::string units = UnitsName(record.UnitsType);
    const Unit length{units.c_str(), 0};
    rows.Text("Luminous opening", OpeningShape(facts.Width, facts.Length, facts.Height));
    rows.Value("Width", facts.Width, length);
    rows.Value("Length", facts.Length, length);
    rows.Value("Height", facts.Height, length);
}

void WriteFlux(RowWriter& rows, const PhotometricSummary& s) {
    rows.Value("Luminous flux", s.Flux, kLumen);
    rows.Value("Downward flux", s.DownwardFlux, kLumen);
    rows.Value("Upward flux", s.UpwardFlux, kLumen);
    rows.Value("Downward flux fraction", s.DownwardFluxFraction, kPercent, 100);
    for (std::size_t z = 0; z < summary::kZones.size(); ++z)
        rows.Value(std::string("Zonal flux ") + summary::kZones[z].Name + "\u00b0", s.ZonalFlux[z],
                   kLumen);
    rows.Value("Lamp flux", s.LampFlux, kLumen);
    rows.Value("Light output ratio", s.LightOutputRatio, kPercent, 100);
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

std::string FormatText(const std::string& fileName, const TextLines& headerLines) {
    if (IsEulumdatFileName(fileName))
        return "EULUMDAT";
    const bool versioned = !headerLines.empty() && headerLines.front().rfind("IES", 0) == 0;
    return versioned ? headerLines.front() : "LM-63-1986 (no version line)";
}

std::vector<CaptionedValue> SummaryRows(const std::string& fileName, const tIES& record,
                                        const LuminaireFacts& facts, const TextLines& headerLines,
                                        const std::string& separator) {
    const PhotometricSummary s = summary::Summarize(record, facts);
    RowWriter rows(separator);
    rows.Text("Format", FormatText(fileName, headerLines));
    rows.Text("Photometric type", TypeText(s.Type));
    rows.Text("Symmetry", s.Symmetry.empty() ? "n/a" : s.Symmetry);
    rows.Text("Angles", std::to_string(record.VerticalAngles.size()) + " vertical \u00d7 " +
                            std::to_string(record.HorizontalAngles.size()) + " horizontal");
    rows.Text("Candela multiplier", StoredNumberText(record.CandelaMultiplier, separator));
    WriteLamps(rows, facts);
    WriteFlux(rows, s);
    WriteAngles(rows, s);
    WriteOpening(rows, record, facts);
    return std::move(rows).Rows();
}

} // namespace lumetra::properties
