// lumetra-cli compare: the summaries of two to four files side by side with their differences to
// the first file, and where the intensities differ most; as text or as one JSON object whose
// summaries are exactly those of `lumetra-cli summary --json`.

#include "CommandOptions.h"
#include "Commands.h"
#include "TerminalColumns.h"
#include "compare/Comparison.h"
#include "compare/ComparisonText.h"
#include "compliance/ComplianceJson.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <iostream>
#include <sstream>
#include <string>

namespace lumetra::cli {

namespace {

using compare::Comparison;
using compare::FigureDifference;
using compare::FigureRow;
using compare::IntensityDifference;

Json OptionalJson(const compare::Figure& figure) {
    return figure ? Json(*figure) : Json(nullptr);
}

Json DifferenceJson(const FigureDifference& d) {
    return Json{{"Absolute", OptionalJson(d.Absolute)},
                {"Percent", OptionalJson(d.Percent)},
                {"BeyondTolerance", d.BeyondTolerance}};
}

// The differences of file index to the first, nested as the summary's keys are.
Json FiguresJson(const Comparison& c, std::size_t index) {
    Json figures = Json::object();
    for (const FigureRow& row : c.Figures) {
        Json difference = DifferenceJson(row.ToFirst[index]);
        if (row.Part.empty())
            figures[row.Key] = std::move(difference);
        else
            figures[row.Key][row.Part] = std::move(difference);
    }
    return figures;
}

Json LargestJson(const std::optional<IntensityDifference>& d, const Comparison& c,
                 const QStringList& files) {
    if (!d)
        return nullptr;
    return Json{{"File", files[static_cast<qsizetype>(d->File)].toStdString()},
                {"Value", d->Value},
                {"First", d->First},
                {"Other", d->Other},
                {"C", d->C},
                {"Gamma", d->Gamma},
                {"Unit", compare::UnitName(c.Unit)},
                {"SharedGrid", c.SharedGrid},
                {"Thinned", c.Thinned}};
}

Json ComparisonJson(const Comparison& c, const std::vector<compare::Luminaire>& luminaires,
                    const QStringList& files) {
    Json names = Json::array(), summaries = Json::array(), differences = Json::array();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        names.push_back(files[i].toStdString());
        summaries.push_back(compliance::SummaryJson(luminaires[index].Record,
                                                    luminaires[index].Facts, c.Summaries[index]));
        if (i > 0)
            differences.push_back(
                Json{{"File", files[i].toStdString()},
                     {"Figures", FiguresJson(c, index)},
                     {"LargestIntensityDifference", LargestJson(c.Largest[index], c, files)}});
    }
    return Json{{"Files", std::move(names)},
                {"Summaries", std::move(summaries)},
                {"Differences", std::move(differences)},
                {"LargestIntensityDifference", LargestJson(compare::LargestOverall(c), c, files)}};
}

// Text columns: the caption, each file's value, then each other file's difference.
constexpr int kCaptionWidth = 34;
constexpr int kValueWidth = 14;
constexpr int kDifferenceWidth = 26;

int Columns(const std::string& text) {
    return TerminalColumns(QString::fromStdString(text));
}

std::string Padded(std::string text, int width) {
    const int shown = Columns(text);
    if (shown < width)
        text.append(static_cast<std::size_t>(width - shown), ' ');
    return text + ' ';
}

// The figures' words in the user's language, their numbers as the locale writes them.
properties::NumberFormat Shown() {
    return Worded(LocaleNumberFormat());
}

std::string Translated(const char* context, const char* text) {
    return QCoreApplication::translate(context, text).toStdString();
}

// The caption column is as wide as its longest caption, a translated one too.
int CaptionWidth(const std::vector<compare::FigureTextRow>& rows) {
    int width = kCaptionWidth;
    for (const compare::FigureTextRow& row : rows)
        width = std::max(width, Columns(row.Caption));
    return width;
}

void PrintHeader(const QStringList& files, int captionWidth) {
    for (qsizetype i = 0; i < files.size(); ++i)
        std::cout << i + 1 << ": " << files[i].toStdString() << '\n';
    std::cout << '\n'
              << Padded(Translated("lumetra-cli", QT_TRANSLATE_NOOP("lumetra-cli", "Figure")),
                        captionWidth);
    for (qsizetype i = 0; i < files.size(); ++i)
        std::cout << Padded(std::to_string(i + 1), kValueWidth);
    for (qsizetype i = 1; i < files.size(); ++i)
        std::cout << Padded(std::to_string(i + 1) + " - 1", kDifferenceWidth);
    std::cout << '\n';
}

void PrintRow(const compare::FigureTextRow& text, int captionWidth) {
    std::cout << Padded(text.Caption, captionWidth);
    for (const std::string& value : text.Values)
        std::cout << Padded(value, kValueWidth);
    for (std::size_t i = 0; i < text.Differences.size(); ++i)
        std::cout << Padded(text.Differences[i] + (text.Beyond[i] ? " *" : ""), kDifferenceWidth);
    std::cout << '\n';
}

void PrintLargest(const Comparison& c) {
    const bool typeC = summary::IsTypeC(c.Summaries.front().Type);
    std::cout << '\n';
    if (!compare::LargestOverall(c)) {
        std::cout << compare::NotComparedText(c.Unit, Shown()) << '\n';
        return;
    }
    std::cout << QCoreApplication::translate("Compare", "Largest intensity difference, %1:")
                     .arg(QString::fromStdString(
                         compare::ComparedWhereText(c.SharedGrid, c.Thinned, Shown())))
                     .toStdString()
              << '\n';
    for (std::size_t i = 1; i < c.Largest.size(); ++i)
        if (c.Largest[i])
            std::cout << "  " << i + 1
                      << " - 1: " << compare::LargestText(*c.Largest[i], c.Unit, typeC, Shown())
                      << '\n';
}

void PrintText(const Comparison& c, const QStringList& files) {
    std::vector<compare::FigureTextRow> rows;
    for (const FigureRow& row : c.Figures)
        rows.push_back(compare::FigureTextOf(row, Shown()));
    const int captionWidth = CaptionWidth(rows);
    PrintHeader(files, captionWidth);
    for (const compare::FigureTextRow& row : rows)
        PrintRow(row, captionWidth);
    std::ostringstream percent, degrees; // as the stream writes them: "5", "2"
    percent << compare::Tolerance{}.Percent;
    degrees << compare::Tolerance{}.Degrees;
    std::cout << '\n'
              << QCoreApplication::translate("lumetra-cli",
                                             "* beyond the tolerance: %1 %, angles %2 degrees")
                     .arg(QString::fromStdString(percent.str()),
                          QString::fromStdString(degrees.str()))
                     .toStdString()
              << '\n';
    PrintLargest(c);
}

bool LoadAll(const QStringList& files, std::vector<compare::Luminaire>& luminaires) {
    for (const QString& file : files) {
        compare::Luminaire& luminaire = luminaires.emplace_back();
        if (!LoadRecord(file, luminaire.Record, luminaire.Facts))
            return false;
        if (!summary::HasPhotometricData(luminaire.Record)) {
            Fail("The file holds no photometric data: " + file);
            return false;
        }
    }
    return true;
}

} // namespace

int RunCompare(const QStringList& arguments) {
    const Parsed<CompareOptions> parsed = ParseCompareOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    std::vector<compare::Luminaire> luminaires;
    if (!LoadAll(parsed.options->inputs, luminaires))
        return 1;
    const Comparison c = compare::Compare(luminaires, parsed.options->unit);
    if (parsed.options->json)
        std::cout << ComparisonJson(c, luminaires, parsed.options->inputs).dump() << '\n';
    else
        PrintText(c, parsed.options->inputs);
    return 0;
}

} // namespace lumetra::cli
