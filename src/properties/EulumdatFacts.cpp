#include "EulumdatFacts.h"

#include "data/Translatable.h"

namespace lumetra::properties {

namespace {

constexpr Unit kMillimetre{"mm", 0};

using Size = std::optional<long double>;

// "1 200 × 300 × 80 mm", or "⌀ 200 × 80 mm" for a round outline (width 0).
std::string SizesText(const RowWriter& rows, const Size& length, const Size& width,
                      const Size& height) {
    const auto bare = [&rows](const Size& size) { return rows.Shown(size, kNone); };
    if (width && *width == 0)
        return "\u2300 " + bare(length) + " \u00d7 " + rows.Shown(height, kMillimetre);
    return bare(length) + " \u00d7 " + bare(width) + " \u00d7 " + rows.Shown(height, kMillimetre);
}

void WriteLampSets(RowWriter& rows, const EulumdatFile& file) {
    for (std::size_t i = 0; i < file.LampSets.size(); ++i) {
        const EulumdatLampSet& set = file.LampSets[i];
        std::string text = rows.Shown(set.NumberOfLamps, kNone) + " \u00d7 " + set.LampType + ", " +
                           rows.Shown(set.TotalFlux, kLumen);
        for (const std::string* part : {&set.ColourTemperature, &set.ColourRendering})
            if (!part->empty())
                text += ", " + *part;
        text += ", " + rows.Shown(set.Wattage, kWatt);
        rows.Text("Lamp set " + std::to_string(i + 1), std::move(text));
    }
}

void WriteDirectRatios(RowWriter& rows, const EulumdatFile& file) {
    std::string text;
    for (std::size_t k = 0; k < std::size(file.DirectRatios); ++k) {
        if (!file.DirectRatios[k])
            continue;
        text += (text.empty() ? "k " : ", k ") + rows.Shown(kRoomIndices[k], Unit{"", 2}) + ": " +
                rows.Shown(file.DirectRatios[k], Unit{"", 3});
    }
    rows.Text(rows.Caption("Properties", LUMETRA_TR_NOOP("Properties", "Direct ratios")),
              text.empty() ? NotAvailableText(rows.Format()) : text);
}

} // namespace

std::vector<CaptionedValue> EulumdatFactRows(const EulumdatFile& file, const NumberFormat& format) {
    RowWriter rows(format);
    rows.Text(rows.Caption("Properties", LUMETRA_TR_NOOP("Properties", "Luminaire dimensions")),
              SizesText(rows, file.LuminaireDimensions[0], file.LuminaireDimensions[1],
                        file.LuminaireDimensions[2]));
    rows.Text(rows.Caption("Properties", LUMETRA_TR_NOOP("Properties", "Luminous area")),
              SizesText(rows, file.LuminousAreaLength, file.LuminousAreaWidth,
                        file.LuminousAreaHeights[0]));
    WriteLampSets(rows, file);
    WriteDirectRatios(rows, file);
    return std::move(rows).Rows();
}

} // namespace lumetra::properties
