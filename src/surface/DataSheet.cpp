#include "DataSheet.h"

#include "DataSheetTexts.h"
#include "LightPatternPicture.h"
#include "data/IesReader.h"
#include "data/Loading.h"
#include "data/TextEncoding.h"
#include "gonio/PointValue.h"
#include "render/LightPattern.h"
#include "summary/PhotometricSummary.h"

#include <QFileInfo>
#include <exception>
#include <memory>

namespace lumetra {

namespace {

using namespace sheet_texts;

// A keyword's value without the blanks around it.
std::string Trimmed(const std::string& value) {
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return value.substr(first, value.find_last_not_of(" \t") + 1 - first);
}

QString PlaneText(const tIES& record, int plane, const std::string& separator) {
    if (plane < 0 || static_cast<std::size_t>(plane) >= record.HorizontalAngles.size())
        return {};
    return "C " + QString::fromStdString(DegreesText(
                      record.HorizontalAngles[static_cast<std::size_t>(plane)], separator));
}

// The pattern as the render window shows it: the bars by their labels' numbers.
QString PatternCaption(const DataSheetInput& input) {
    const RenderControls& controls = input.controls;
    return SheetText(kPatternCaption)
        .arg(PlaneText(*input.record, input.plane, input.format.decimalPoint))
        .arg(controls.brightness)
        .arg(ZoomCaption(controls.zoom))
        .arg(SheetText(controls.radiosity ? kOn : kOff));
}

void AddLightPattern(const DataSheetInput& input, DataSheetContent& sheet) {
    const tIES& record = *input.record;
    if (record.Candela.empty() || record.VerticalAngles.empty()) {
        sheet.lightPatternCaption = SheetText(kNoPattern);
        return;
    }
    try {
        auto grid = std::make_unique<LightPatternGrid>();
        RenderLightPattern(record, RenderSettingsOf(input.plane, input.controls), nullptr, *grid);
        sheet.lightPattern = PictureOf(*grid);
        sheet.lightPatternCaption = PatternCaption(input);
    } catch (const std::exception& error) {
        sheet.lightPatternCaption =
            SheetText(kPatternFailed).arg(QString::fromStdString(ToUtf8(error.what())));
    }
}

// EULUMDAT files hold cd/klm, and so read their curves best; IES files are read in cd.
diagrams::DiagramRequest SheetRequest(const diagrams::DiagramData& data, diagrams::DiagramKind kind,
                                      const DataSheetInput& input) {
    diagrams::DiagramRequest request;
    request.kind = kind;
    request.litHalfOnly = kind == diagrams::DiagramKind::Polar;
    request.textScale = 1.15; // read on paper at arm's length
    request.wording = input.format.wording;
    const bool eulumdat = input.facts->Format == PhotometricFormat::Eulumdat;
    request.unit = UsableUnit(data, eulumdat ? diagrams::IntensityUnit::CandelaPerKilolumen
                                             : diagrams::IntensityUnit::Candela);
    QStringList planes;
    for (const diagrams::PlaneChoice& plane : data.DefaultPlanes())
        planes << QString::fromStdString(data.PlaneLabel(plane));
    const char* caption = kind == diagrams::DiagramKind::Polar ? kPolarCaption : kCartesianCaption;
    request.caption =
        SheetText(caption)
            .arg(planes.join(", ") + ", " + diagrams::DiagramData::UnitName(request.unit))
            .toStdString();
    return request;
}

void AddDiagrams(const DataSheetInput& input, DataSheetContent& sheet) {
    auto data = std::make_shared<const diagrams::DiagramData>(*input.record, *input.facts);
    if (!data->HasData())
        return;
    sheet.polar = SheetRequest(*data, diagrams::DiagramKind::Polar, input);
    sheet.cartesian = SheetRequest(*data, diagrams::DiagramKind::Cartesian, input);
    sheet.diagrams = std::move(data);
}

void AddFooter(const DataSheetInput& input, DataSheetContent& sheet) {
    const QFileInfo file(input.fileName);
    const QString modified =
        !input.modified.isEmpty()
            ? input.modified
            : file.lastModified().toString(Qt::ISODate).replace('T', ' ').left(16);
    sheet.footerSource = SheetText(kSource).arg(file.fileName(), modified);
    sheet.footerMade = SheetText(kMade).arg(input.made.date().toString(Qt::ISODate), input.program);
}

} // namespace

std::vector<properties::CaptionedValue> IdentityRows(const TextLines& headerLines) {
    const std::string headerText = HeaderText(headerLines);
    const std::pair<const char*, const char*> keywords[] = {{kManufacturer, "[MANUFAC]"},
                                                            {kCatalogueNumber, "[LUMCAT]"},
                                                            {kLuminaire, "[LUMINAIRE]"},
                                                            {kLamp, "[LAMP]"}};
    std::vector<properties::CaptionedValue> rows;
    for (const auto& [caption, keyword] : keywords) {
        const std::string value = Trimmed(HeaderKeyword(keyword, headerText));
        if (!value.empty())
            rows.emplace_back(SheetText(caption).toStdString(), ToUtf8(value));
    }
    return rows;
}

DataSheetContent MakeDataSheet(const DataSheetInput& input) {
    DataSheetContent sheet;
    sheet.title = QFileInfo(input.fileName).fileName();
    sheet.identity = IdentityRows(input.headerLines);
    AddFooter(input, sheet);
    if (!input.notSignificant.empty()) {
        for (const std::string& line : input.notSignificant)
            sheet.notSignificant << QString::fromStdString(ToUtf8(line));
        return sheet;
    }
    if (summary::HasPhotometricData(*input.record))
        AddDiagrams(input, sheet);
    AddLightPattern(input, sheet);
    sheet.tables = SheetTables(input);
    return sheet;
}

QPageSize::PageSizeId SheetPageSize(QLocale::MeasurementSystem system) {
    return system == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

} // namespace lumetra
