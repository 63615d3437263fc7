#include "ComplianceText.h"

#include "data/Message.h"
#include "data/Translatable.h"

#include <algorithm>
#include <cstdio>

namespace lumetra::compliance {

namespace {

// The messages and the zones' descriptions are English in the command line's text and JSON; the
// windows translate them.
constexpr const char* kMessages[] = {
    LUMETRA_TR_NOOP("Compliance", "needs type C photometry"),
    LUMETRA_TR_NOOP("Compliance", "the file holds no photometric data"),
    LUMETRA_TR_NOOP("Compliance", "the intensities give no finite flux"),
    LUMETRA_TR_NOOP("Compliance", "the luminous opening is a point"),
    LUMETRA_TR_NOOP("Compliance", "the luminous opening's dimensions give no known shape"),
    LUMETRA_TR_NOOP("Compliance", "the luminous area has length 0"),
    LUMETRA_TR_NOOP("Compliance", "the luminous opening shows no area at these angles"),
    LUMETRA_TR_NOOP("Compliance",
                    "no uplight data: the file stops below gamma 180 with light at its last "
                    "angle, so light above it is counted as 0 and the uplight rating may be too "
                    "low"),
};

constexpr const char* kZoneDescriptions[kBugZoneCount] = {
    LUMETRA_TR_NOOP("Compliance", "front low, 0-30°"),
    LUMETRA_TR_NOOP("Compliance", "front medium, 30-60°"),
    LUMETRA_TR_NOOP("Compliance", "front high, 60-80°"),
    LUMETRA_TR_NOOP("Compliance", "front very high, 80-90°"),
    LUMETRA_TR_NOOP("Compliance", "back low, 0-30°"),
    LUMETRA_TR_NOOP("Compliance", "back medium, 30-60°"),
    LUMETRA_TR_NOOP("Compliance", "back high, 60-80°"),
    LUMETRA_TR_NOOP("Compliance", "back very high, 80-90°"),
    LUMETRA_TR_NOOP("Compliance", "uplight low, 90-100°"),
    LUMETRA_TR_NOOP("Compliance", "uplight high, 100-180°")};

// A caption or word of the lines, marked in the context "Compliance".
std::string Words(const properties::NumberFormat& format, const char* marked) {
    return format.Words(lumetra::Message("Compliance", marked));
}

void AddZoneLines(const BugFigures& f, const properties::NumberFormat& format,
                  std::vector<CaptionedLine>& lines) {
    const auto lumens = [&format](long double value) {
        return properties::FigureText(value, properties::kLumen, format);
    };
    for (std::size_t z = 0; z < kBugZoneCount; ++z)
        lines.emplace_back(
            format.Words(LUMETRA_MESSAGE("Compliance", "BUG zone %1 (%2)")
                             .Arg(std::string(kBugZoneNames[z]))
                             .Arg(lumetra::Message("Compliance", kZoneDescriptions[z]))),
            lumens(f.Zones[z]));
    lines.emplace_back(Words(format, LUMETRA_TR_NOOP("Compliance", "BUG forward light")),
                       lumens(f.Forward));
    lines.emplace_back(Words(format, LUMETRA_TR_NOOP("Compliance", "BUG back light")),
                       lumens(f.Back));
    lines.emplace_back(Words(format, LUMETRA_TR_NOOP("Compliance", "BUG uplight")),
                       lumens(f.Uplight));
    lines.emplace_back(Words(format, LUMETRA_TR_NOOP("Compliance", "BUG total")), lumens(f.Total));
}

std::string PlaneRow(const LuminanceRow& row) {
    std::string text;
    for (const std::optional<long double>& value : row)
        text += (value ? PlainNumber(*value) : std::string("n/a")) + " ";
    return text + "cd/m²";
}

} // namespace

const char* Message(ComplianceMessage message) {
    return kMessages[static_cast<std::size_t>(message)];
}

const char* ZoneDescription(BugZone zone) {
    return kZoneDescriptions[zone];
}

const char* GlareTableKey(GlareTable table) {
    return table == GlareTable::Symmetric ? "symmetric" : "asymmetric";
}

const char* GlareTableName(GlareTable table) {
    return table == GlareTable::Symmetric ? LUMETRA_TR_NOOP("Compliance", "quadrilateral-symmetric")
                                          : LUMETRA_TR_NOOP("Compliance", "asymmetric");
}

std::string FrontText(const BugFigures& figures, const LuminaireFacts& facts) {
    const std::string plane = std::string("C") + PlainNumber(figures.FrontCentre);
    if (figures.FrontOverridden)
        return plane + ", given";
    const char* format = facts.Format == PhotometricFormat::Eulumdat ? "EULUMDAT" : "IES";
    return plane + ", street side by the " + format + " convention";
}

std::string PlainNumber(long double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6Lg", value == 0 ? 0.0L : value); // no "-0"
    std::string shown(text);
    std::replace(shown.begin(), shown.end(), ',', '.');
    return shown;
}

std::string NumberText(long double value, const char* unit) {
    return PlainNumber(value) + " " + unit;
}

std::vector<CaptionedLine> BugLines(const BugRating& rating, const LuminaireFacts& facts,
                                    const properties::NumberFormat& format) {
    const std::string rated = Words(format, LUMETRA_TR_NOOP("Compliance", "BUG rating"));
    if (!rating.Figures)
        return {{rated, Words(format, rating.Unavailable.c_str())}};
    const BugFigures& f = *rating.Figures;
    std::vector<CaptionedLine> lines{
        {rated, f.Rating},
        {Words(format, LUMETRA_TR_NOOP("Compliance", "BUG front centre")), FrontText(f, facts)},
        {Words(format, LUMETRA_TR_NOOP("Compliance", "BUG glare table")),
         Words(format, GlareTableName(f.Table))}};
    lines.emplace_back(
        Words(format, LUMETRA_TR_NOOP("Compliance", "BUG G by the asymmetric table")),
        std::string("G") + std::to_string(f.GAsymmetric));
    lines.emplace_back(Words(format, LUMETRA_TR_NOOP("Compliance", "BUG G by the symmetric table")),
                       std::string("G") + std::to_string(f.GSymmetric));
    AddZoneLines(f, format, lines);
    lines.emplace_back(Words(format, LUMETRA_TR_NOOP("Compliance", "BUG uplight data")),
                       f.UplightDataComplete
                           ? Words(format, LUMETRA_TR_NOOP("Compliance", "complete"))
                           : Words(format, Message(ComplianceMessage::UplightIncomplete)));
    return lines;
}

std::vector<CaptionedLine> LuminanceLines(const LuminanceTable& table,
                                          const properties::NumberFormat& format) {
    const std::string luminance = Words(format, LUMETRA_TR_NOOP("Compliance", "Luminance"));
    if (!table.Available)
        return {{luminance, Words(format, table.Reason.c_str())}};
    std::string opening = ShapeName(table.Shape.Shape);
    for (const auto& [name, value] : DimensionsOf(table.Shape))
        opening += std::string(", ") + name + " " + NumberText(value, "m");
    std::vector<CaptionedLine> lines{
        {Words(format, LUMETRA_TR_NOOP("Compliance", "Luminous opening")), opening}};
    if (!table.Max)
        return lines.emplace_back(luminance, Words(format, table.Reason.c_str())), lines;
    for (std::size_t p = 0; p < kLuminancePlanes.size(); ++p)
        lines.emplace_back(std::string("Luminance C") + std::to_string(kLuminancePlanes[p]) +
                               " at gamma 45-85° by 5",
                           PlaneRow(table.Values[p]));
    const LuminanceCell at = *table.MaxAt;
    lines.emplace_back(Words(format, LUMETRA_TR_NOOP("Compliance", "Maximum luminance")),
                       NumberText(*table.Max, "cd/m²") + " at C" +
                           std::to_string(kLuminancePlanes[at.Plane]) + ", gamma " +
                           std::to_string(kLuminanceGammas[at.Gamma]) + "°");
    return lines;
}

std::vector<CaptionedLine> SheetLines(const ComplianceFigures& figures,
                                      const LuminaireFacts& facts) {
    std::vector<CaptionedLine> lines;
    if (const auto& f = figures.Bug.Figures) {
        lines.emplace_back("BUG rating", f->Rating + " (front " + FrontText(*f, facts) + ")");
        lines.emplace_back("BUG forward, back, uplight", PlainNumber(f->Forward) + ", " +
                                                             PlainNumber(f->Back) + ", " +
                                                             NumberText(f->Uplight, "lm"));
        if (!f->UplightDataComplete)
            lines.emplace_back("BUG note", Message(ComplianceMessage::UplightIncomplete));
    }
    const LuminanceTable& table = figures.Luminance;
    if (table.Max && table.MaxAt)
        lines.emplace_back("Maximum luminance (gamma 45-85)",
                           NumberText(*table.Max, "cd/m²") + " at C" +
                               std::to_string(kLuminancePlanes[table.MaxAt->Plane]) + ", gamma " +
                               std::to_string(kLuminanceGammas[table.MaxAt->Gamma]) + " degrees");
    return lines;
}

} // namespace lumetra::compliance
