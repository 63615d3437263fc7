// lumetra-cli check: a validation report for IES and EULUMDAT files.

#include "CheckEulumdat.h"
#include "CheckPaths.h"
#include "CheckReport.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "ProgressLine.h"
#include "data/FileReading.h"
#include "data/Validation.h"
#include "eulumdat/OtherFormat.h"
#include "eulumdat/PhotometryFile.h"

#include <cstdio>
#include <optional>
#include <string_view>

namespace lumetra::cli {

namespace {

constexpr int kExitClean = 0;
constexpr int kExitErrors = 1;

const char* const kCheckUsage = "Usage: lumetra-cli check [--json] PATH...\n";

// The findings for one file; nothing when it cannot be read. The reader opens only regular
// files: a pipe or a device named on the command line could block the check or never end.
std::optional<std::vector<Finding>> CheckFile(const std::string& nativePath, FileReader& reader) {
    switch (reader.Read(nativePath)) { // by the bytes of its name, which need not be UTF-8
    case FileRead::Whole:
        break;
    case FileRead::TooLarge:
        return std::vector<Finding>{FileTooLargeFinding(reader.size())};
    case FileRead::Unreadable:
        return std::nullopt;
    }
    std::vector<Finding> findings = IsEulumdatFileName(nativePath)
                                        ? ValidateEulumdat(reader.bytes())
                                        : ValidateIes(reader.bytes());
    // Named first: it explains the faults that follow from reading the wrong format.
    if (auto note = OtherFormatNoteOfBytes(nativePath, reader.bytes()))
        findings.insert(findings.begin(), Finding{Severity::Error, 1, std::move(*note)});
    return findings;
}

void Write(std::FILE* out, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), out);
}

void ReportUnreadable(const QString& path) {
    std::fprintf(stderr, "lumetra-cli check: cannot read %s\n", path.toLocal8Bit().constData());
}

} // namespace

// Options come before the paths; "--" ends them, for a path that starts with a dash.
std::optional<CheckOptions> ParseCheckArguments(const QStringList& arguments) {
    CheckOptions options;
    bool optionsEnded = false;
    for (const QString& argument : arguments) {
        if (optionsEnded || !argument.startsWith('-'))
            options.paths.push_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "--json")
            options.json = true;
        else if (argument == "--help" || argument == "-h")
            options.help = true;
        else
            return std::nullopt;
    }
    if (options.paths.isEmpty() && !options.help)
        return std::nullopt;
    return options;
}

// Checks every file, printing each report as it goes (or keeping it for the JSON report);
// unreadable files join the unreadable paths.
CheckTotals CheckFiles(const CheckOptions& options, CheckPaths& paths,
                       nlohmann::ordered_json& jsonFiles, std::FILE* out) {
    CheckTotals totals;
    ProgressLine progress;
    FileReader reader; // one buffer for all the files
    for (qsizetype i = 0; i < paths.files.size(); ++i) {
        progress.Show(static_cast<std::size_t>(i), static_cast<std::size_t>(paths.files.size()));
        const QString& path = paths.files[i];
        std::optional<std::vector<Finding>> findings = CheckFile(paths.nativeFiles[i], reader);
        if (!findings) {
            paths.unreadable.push_back(path);
            continue;
        }
        const FileReport report{path, std::move(*findings)};
        totals.Add(report);
        if (options.json) {
            jsonFiles.push_back(ReportJson(report));
        } else {
            progress.Clear();
            Write(out, ReportText(report));
        }
    }
    return totals;
}

int RunCheck(const QStringList& arguments) {
    return RunCheck(arguments, stdout);
}

int RunCheck(const QStringList& arguments, std::FILE* out) {
    const std::optional<CheckOptions> options = ParseCheckArguments(arguments);
    if (!options) {
        std::fputs(kCheckUsage, stderr);
        return kExitUsage;
    }
    if (options->help) {
        std::fputs(kCheckUsage, out);
        std::fputs("Run lumetra-cli --help for the findings and the exit status.\n", out);
        return kExitClean;
    }
    CheckPaths paths = CollectCheckPaths(options->paths);
    nlohmann::ordered_json jsonFiles = nlohmann::ordered_json::array();
    const CheckTotals totals = CheckFiles(*options, paths, jsonFiles, out);
    for (const QString& path : paths.unreadable)
        ReportUnreadable(path);
    if (options->json)
        Write(out, CheckJson(std::move(jsonFiles), paths.unreadable, totals)
                           .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) +
                       "\n");
    else
        Write(out, SummaryLine(totals));
    std::fflush(out);
    if (!paths.unreadable.isEmpty())
        return kExitUsage;
    return totals.errors > 0 ? kExitErrors : kExitClean;
}

} // namespace lumetra::cli
