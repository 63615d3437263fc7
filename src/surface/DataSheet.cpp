#include "DataSheet.h"

#include "FileNameText.h"
#include "LightPatternPicture.h"
#include "compliance/ComplianceText.h"
#include "data/GlobalMax.h"
#include "data/TextEncoding.h"
#include "gonio/GoniogramView.h"
#include "properties/SummaryRows.h"
#include "render/LightPattern.h"
#include "summary/PhotometricSummary.h"

#include <QFileInfo>
#include <exception>
#include <memory>

namespace lumetra {

namespace {

QStringList DescriptionLines(const std::string& description) {
    QStringList lines = QString::fromStdString(description).split('\r');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// Scaled to the peak of every plane, as the window draws a file just loaded.
GonioView SheetView(const tIES& record) {
    long double globalMaxCandela = 0;
    if (!record.Candela.empty())
        FindPeakOfAllPlanes(record, globalMaxCandela);
    return GoniogramView(0, false, true, globalMaxCandela, DecimalSeparator());
}

QString ControlsText(const RenderControls& controls) {
    return QString("brightness %1, zoom %2%3")
        .arg(controls.brightness)
        .arg(ZoomCaption(controls.zoom))
        .arg(controls.radiosity ? ", radiosity" : "");
}

void AddLightPattern(const tIES& record, const RenderControls& controls, DataSheetContent& sheet) {
    const QString settings = ControlsText(controls);
    if (record.Candela.empty() || record.VerticalAngles.empty()) {
        sheet.lightPatternCaption = "Light pattern: the file holds no intensities to render";
        return;
    }
    try {
        auto grid = std::make_unique<LightPatternGrid>();
        RenderLightPattern(record, RenderSettingsOf(0, controls), nullptr, *grid);
        sheet.lightPattern = PictureOf(*grid);
        sheet.lightPatternCaption = "Light pattern of plane 0, " + settings;
    } catch (const std::exception& error) {
        sheet.lightPatternCaption =
            "Light pattern not rendered: " + QString::fromStdString(ToUtf8(error.what()));
    }
}

} // namespace

DataSheetContent MakeDataSheet(const QString& fileName, const std::string& description,
                               const tIES& record, const LuminaireFacts& facts,
                               const RenderControls& controls,
                               const properties::NumberFormat& format) {
    DataSheetContent sheet;
    sheet.title = QFileInfo(fileName).fileName();
    sheet.description = DescriptionLines(description);
    sheet.record = &record;
    sheet.view = SheetView(record);
    sheet.goniogramCaption = "Goniogram of plane 0 (red) with the orthogonal pair (pale red)";
    AddLightPattern(record, controls, sheet);
    if (summary::HasPhotometricData(record)) {
        sheet.summary = properties::SummaryFigureRows(summary::Summarize(record, facts), format);
        for (auto& line : compliance::SheetLines(compliance::ComplianceOf(record, facts), facts))
            sheet.summary.emplace_back(std::move(line.first), std::move(line.second));
    }
    return sheet;
}

void MarkNotSignificant(DataSheetContent& sheet, const std::vector<std::string>& verdictLines) {
    if (verdictLines.empty())
        return;
    sheet.summary.clear();
    for (const std::string& line : verdictLines)
        sheet.notSignificant << QString::fromStdString(ToUtf8(line));
}

QPageSize::PageSizeId SheetPageSize(QLocale::MeasurementSystem system) {
    return system == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

} // namespace lumetra
