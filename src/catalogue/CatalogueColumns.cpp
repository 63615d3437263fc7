#include "CatalogueColumns.h"

#include "CatalogueTexts.h"
#include "data/Translatable.h"
#include "summary/SummaryText.h"

#include <algorithm>

namespace lumetra::catalogue {

namespace {

using properties::kCandela;
using properties::kDegree;
using properties::kEfficacy;
using properties::kLumen;
using properties::kNone;
using properties::kPercent;
using properties::kWatt;
using summary::AnglePair;

constexpr properties::Unit kLuminance{"cd/m²", 0};
using summary::Figure;

// The headers are English in the files the catalogue writes; the window translates them.
constexpr std::array<ColumnInfo, kColumnCount> kColumns{{
    {Column::File, LUMETRA_TR_NOOP("Catalogue", "File"), "", false, kNone},
    {Column::Format, LUMETRA_TR_NOOP("Catalogue", "Format"), "", false, kNone},
    {Column::Manufacturer, LUMETRA_TR_NOOP("Catalogue", "Manufacturer"), "", false, kNone},
    {Column::CatalogueNumber, LUMETRA_TR_NOOP("Catalogue", "Catalogue number"), "", false, kNone},
    {Column::Luminaire, LUMETRA_TR_NOOP("Catalogue", "Luminaire"), "", false, kNone},
    {Column::Lamp, LUMETRA_TR_NOOP("Catalogue", "Lamp"), "", false, kNone},
    {Column::Flux, LUMETRA_TR_NOOP("Catalogue", "Luminous flux (lm)"), "flux", true, kLumen},
    {Column::LampFlux, LUMETRA_TR_NOOP("Catalogue", "Lamp flux (lm)"), "lampflux", true, kLumen},
    {Column::LightOutputRatio, LUMETRA_TR_NOOP("Catalogue", "Light output ratio (%)"), "lor", true,
     kPercent},
    {Column::InputWatts, LUMETRA_TR_NOOP("Catalogue", "Input power (W)"), "watts", true, kWatt},
    {Column::Efficacy, LUMETRA_TR_NOOP("Catalogue", "Efficacy (lm/W)"), "efficacy", true,
     kEfficacy},
    {Column::MaxIntensity, LUMETRA_TR_NOOP("Catalogue", "Maximum intensity (cd)"), "cd", true,
     kCandela},
    {Column::Beam, LUMETRA_TR_NOOP("Catalogue", "Beam (°)"), "beam", true, kDegree},
    {Column::BeamFirst, LUMETRA_TR_NOOP("Catalogue", "Beam C0-C180 (°)"), "beam0", true, kDegree},
    {Column::BeamSecond, LUMETRA_TR_NOOP("Catalogue", "Beam C90-C270 (°)"), "beam90", true,
     kDegree},
    {Column::Field, LUMETRA_TR_NOOP("Catalogue", "Field (°)"), "field", true, kDegree},
    {Column::FieldFirst, LUMETRA_TR_NOOP("Catalogue", "Field C0-C180 (°)"), "field0", true,
     kDegree},
    {Column::FieldSecond, LUMETRA_TR_NOOP("Catalogue", "Field C90-C270 (°)"), "field90", true,
     kDegree},
    {Column::DownwardFraction, LUMETRA_TR_NOOP("Catalogue", "Downward flux (%)"), "down", true,
     kPercent},
    {Column::Symmetry, LUMETRA_TR_NOOP("Catalogue", "Symmetry"), "", false, kNone},
    {Column::PhotometricType, LUMETRA_TR_NOOP("Catalogue", "Photometric type"), "", false, kNone},
    {Column::BugRating, LUMETRA_TR_NOOP("Catalogue", "BUG rating"), "", false, kNone},
    {Column::MaxLuminance65, LUMETRA_TR_NOOP("Catalogue", "Max. luminance at 65° (cd/m²)"), "lum65",
     true, kLuminance},
    {Column::Status, LUMETRA_TR_NOOP("Catalogue", "Status"), "", false, kNone},
}};

// The wider of two angles; either alone when the other is undefined.
Figure Wider(const AnglePair& pair) {
    if (!pair[0] || !pair[1])
        return pair[0] ? pair[0] : pair[1];
    return std::max(*pair[0], *pair[1]);
}

Figure Percent(const Figure& fraction) {
    return fraction ? Figure(*fraction * 100) : Figure();
}

Figure SummaryNumber(const summary::PhotometricSummary& s, Column column) {
    switch (column) {
    case Column::Flux:
        return s.Flux;
    case Column::LampFlux:
        return s.LampFlux;
    case Column::LightOutputRatio:
        return Percent(s.LightOutputRatio);
    case Column::InputWatts:
        return s.InputWatts;
    case Column::Efficacy:
        return s.Efficacy;
    case Column::MaxIntensity:
        return s.MaxIntensity;
    case Column::Beam:
        return Wider(s.BeamAngle);
    case Column::BeamFirst:
        return s.BeamAngle[0];
    case Column::BeamSecond:
        return s.BeamAngle[1];
    case Column::Field:
        return Wider(s.FieldAngle);
    case Column::FieldFirst:
        return s.FieldAngle[0];
    case Column::FieldSecond:
        return s.FieldAngle[1];
    case Column::DownwardFraction:
        return Percent(s.DownwardFluxFraction);
    default:
        return {};
    }
}

std::string DescriptionText(const CatalogueRow& row, Column column,
                            const properties::NumberFormat& format) {
    switch (column) {
    case Column::File:
        return row.file;
    case Column::Format:
        return row.format;
    case Column::Manufacturer:
        return row.manufacturer;
    case Column::CatalogueNumber:
        return row.catalogueNumber;
    case Column::Luminaire:
        return row.luminaire;
    case Column::Lamp:
        return row.lamp;
    case Column::Status:
        return StatusText(row, format);
    default:
        return {};
    }
}

} // namespace

const std::array<ColumnInfo, kColumnCount>& Columns() {
    return kColumns;
}

const ColumnInfo& Info(Column column) {
    return kColumns[static_cast<std::size_t>(column)];
}

std::optional<long double> NumberOf(const CatalogueRow& row, Column column) {
    if (row.status == RowStatus::Fails || !Info(column).numeric)
        return std::nullopt;
    if (column == Column::MaxLuminance65)
        return row.maxLuminance65;
    return SummaryNumber(row.summary, column);
}

std::string CellText(const CatalogueRow& row, Column column,
                     const properties::NumberFormat& format) {
    const ColumnInfo& info = Info(column);
    const bool summarised = row.status != RowStatus::Fails;
    if (info.numeric)
        return summarised ? properties::FigureText(NumberOf(row, column),
                                                   properties::Unit{"", info.unit.decimals}, format)
                          : std::string();
    if (column == Column::Symmetry)
        return summarised && !row.summary.Symmetry.empty()
                   ? properties::SymmetryText(row.summary.Symmetry, format)
                   : std::string();
    if (column == Column::PhotometricType)
        return summarised ? summary::TypeName(row.summary.Type) : std::string();
    if (column == Column::BugRating)
        return summarised ? row.bugRating : std::string();
    return DescriptionText(row, column, format);
}

std::string StatusText(const CatalogueRow& row, const properties::NumberFormat& format) {
    const auto words = [&format](TextId id) {
        const std::string text = Text(id);
        return format.Words(Message("Catalogue", text.c_str()));
    };
    switch (row.status) {
    case RowStatus::Clean:
        return words(TextId::StatusClean);
    case RowStatus::ReaderMessage:
        return words(TextId::StatusMessage) + row.statusText;
    case RowStatus::Fails:
        break;
    }
    return words(TextId::StatusFails) + row.statusText;
}

} // namespace lumetra::catalogue
