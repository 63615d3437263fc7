// lumetra-cli illuminance: the floor grid (and a wall's) below one luminaire, as figures, JSON,
// a picture or a CSV table.

#include "CommandOptions.h"
#include "Commands.h"
#include "ExtendedJson.h"
#include "data/Errors.h"
#include "illuminance/GridCsv.h"
#include "illuminance/IlluminanceText.h"
#include "summary/SummaryText.h"
#include "surface/IlluminancePicture.h"
#include "translate/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <iostream>
#include <variant>

namespace lumetra::cli {

namespace {

using illuminance::IlluminanceResult;
using illuminance::PlaneGrid;

Json Values(const tArrEx& values) {
    Json array = Json::array();
    for (const long double v : values)
        array.push_back(v);
    return array;
}

Json Rows(const PlaneGrid& grid) {
    Json rows = Json::array();
    for (std::size_t j = 0; j < grid.V.size(); ++j) {
        Json row = Json::array();
        for (std::size_t i = 0; i < grid.U.size(); ++i)
            row.push_back(grid.At(i, j));
        rows.push_back(std::move(row));
    }
    return rows;
}

// Max, Min, Avg, MinOverAvg and MaxAt into an object.
void AddFigures(const PlaneGrid* grid, Json& json) {
    if (grid == nullptr) {
        for (const char* key : {"Max", "Min", "Avg", "MinOverAvg", "MaxAt"})
            json[key] = nullptr;
        return;
    }
    const illuminance::PlaneFigures& f = grid->Figures;
    json["Max"] = f.Max;
    json["Min"] = f.Min;
    json["Avg"] = f.Avg;
    json["MinOverAvg"] = f.MinOverAvg ? Json(*f.MinOverAvg) : Json(nullptr);
    json["MaxAt"] = Json::array({f.MaxAt[0], f.MaxAt[1]});
}

Json TypeJson(PhotometricKind type) {
    const std::string name = summary::TypeName(type);
    return name.empty() ? Json(nullptr) : Json(name);
}

Json WallJson(const PlaneGrid& wall, long double distance) {
    Json json{
        {"Distance", distance}, {"Y", Values(wall.U)}, {"Z", Values(wall.V)}, {"E", Rows(wall)}};
    AddFigures(&wall, json);
    return json;
}

// The whole result, or with result null every grid and figure null (types A and B).
Json ResultJson(PhotometricKind type, const IlluminanceCliOptions& options, std::size_t n,
                const IlluminanceResult* result) {
    const illuminance::IlluminanceRequest& request = options.request;
    Json json{{"PhotometricType", TypeJson(type)},
              {"Height", request.Height},
              {"Size", request.Size},
              {"Step", request.Step},
              {"N", n}};
    json["X"] = result ? Values(result->Floor.U) : Json(nullptr);
    json["Y"] = result ? Values(result->Floor.V) : Json(nullptr);
    json["E"] = result ? Rows(result->Floor) : Json(nullptr);
    AddFigures(result ? &result->Floor : nullptr, json);
    if (request.Wall)
        json["Vertical"] =
            result && result->Wall ? WallJson(*result->Wall, *request.Wall) : Json(nullptr);
    return json;
}

QString Metres(long double value) {
    return QString::number(static_cast<double>(value), 'g', 6) + " m";
}

PanelTexts EnglishTexts(const QString& title, const QString& u, const QString& v) {
    return {title, u, v, {"E max", "E min", "E average", "Min/avg"}, "luminaire"};
}

std::vector<IlluminancePanel> PanelsOf(const IlluminanceResult& result) {
    const auto& request = result.Request;
    const PanelTexts floor =
        EnglishTexts("Floor, " + Metres(request.Height) + " below the luminaire", "x", "y");
    const PanelTexts wall = EnglishTexts(
        "Wall at x = " + Metres(request.Wall.value_or(0)) + ", facing the luminaire", "y", "z");
    return ResultPanels(result, illuminance::UnitSystem::Metric, floor, wall);
}

void WriteOutput(const IlluminanceCliOptions& options, const IlluminanceResult& result) {
    const QString suffix = QFileInfo(options.output).suffix().toLower();
    if (suffix == "csv") {
        const auto metric = illuminance::UnitSystem::Metric;
        std::string csv = illuminance::GridCsv(result.Floor, "x", "y", metric);
        if (result.Wall) // the wall's table after an empty line
            csv += "\r\n" + illuminance::GridCsv(*result.Wall, "y", "z", metric);
        ExportText(options.output, csv);
        return;
    }
    const ExportFormat format = suffix == "svg"   ? ExportFormat::Svg
                                : suffix == "pdf" ? ExportFormat::Pdf
                                                  : ExportFormat::Png;
    ExportIlluminance({options.output, format}, PanelsOf(result),
                      "Illuminance of " + QFileInfo(options.input).fileName());
}

// One figure's line: the plane's name ("Floor", marked) and the figure filled in.
void PrintLine(const char* plane, const char* marked, const QStringList& values) {
    QString line = QCoreApplication::translate("lumetra-cli", marked)
                       .arg(QCoreApplication::translate("lumetra-cli", plane));
    for (const QString& value : values)
        line = line.arg(value);
    std::cout << line.toStdString() << '\n';
}

void PrintFigures(const char* plane, const PlaneGrid& grid) {
    const illuminance::PlaneFigures& f = grid.Figures;
    const auto number = [](long double v) {
        return QString::fromStdString(illuminance::CsvNumber(v));
    };
    PrintLine(plane, QT_TRANSLATE_NOOP("lumetra-cli", "%1 E max: %2 lx at (%3, %4) m"),
              {number(f.Max), number(f.MaxAt[0]), number(f.MaxAt[1])});
    PrintLine(plane, QT_TRANSLATE_NOOP("lumetra-cli", "%1 E min: %2 lx"), {number(f.Min)});
    PrintLine(plane, QT_TRANSLATE_NOOP("lumetra-cli", "%1 E average: %2 lx"), {number(f.Avg)});
    PrintLine(plane, QT_TRANSLATE_NOOP("lumetra-cli", "%1 Uniformity (min/avg): %2"),
              {f.MinOverAvg ? number(*f.MinOverAvg)
                            : QString::fromStdString(properties::NotAvailableText(
                                  Worded(properties::NumberFormat())))});
}

int Refuse(illuminance::RecordFault fault, PhotometricKind type,
           const IlluminanceCliOptions& options) {
    if (options.json) {
        const std::size_t n =
            illuminance::WholeSteps(options.request.Size, options.request.Step).value_or(0);
        std::cout << ResultJson(type, options, n, nullptr).dump() << '\n';
    }
    return Fail(illuminance::RecordFaultText(fault));
}

} // namespace

int RunIlluminance(const QStringList& arguments) {
    const Parsed<IlluminanceCliOptions> parsed = ParseIlluminanceOptions(arguments);
    if (!parsed.options)
        return Fail(parsed.error) + 1; // a usage error exits with 2
    const IlluminanceCliOptions& options = *parsed.options;
    tIES record;
    LuminaireFacts facts;
    if (!LoadRecord(options.input, record, facts))
        return 1;
    const PhotometricKind type = KindOf(facts.PhotometricType);
    const auto intensity = illuminance::TypeCIntensity(record, facts);
    if (const auto* fault = std::get_if<illuminance::RecordFault>(&intensity))
        return Refuse(*fault, type, options);
    const IlluminanceResult result =
        illuminance::Calculate(std::get<summary::IntensityGrid>(intensity), options.request);
    if (options.json)
        std::cout << ResultJson(type, options, result.N, &result).dump() << '\n';
    else if (options.output.isEmpty()) {
        PrintFigures(QT_TRANSLATE_NOOP("lumetra-cli", "Floor"), result.Floor);
        if (result.Wall)
            PrintFigures(QT_TRANSLATE_NOOP("lumetra-cli", "Wall"), *result.Wall);
    }
    try {
        if (!options.output.isEmpty())
            WriteOutput(options, result);
        return 0;
    } catch (const LumetraError& error) {
        return Fail(ErrorText(error));
    }
}

} // namespace lumetra::cli
