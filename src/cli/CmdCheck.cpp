// lumetra-cli check: a validation report for IES and EULUMDAT files.

#include "CheckEulumdat.h"
#include "CheckPaths.h"
#include "CheckReport.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "ProgressLine.h"
#include "batch/OrderedJobs.h"
#include "data/FileReading.h"
#include "data/Validation.h"
#include "eulumdat/OtherFormat.h"
#include "eulumdat/PhotometryFile.h"

#include <cstdio>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>

namespace lumetra::cli {

namespace {

constexpr int kExitClean = 0;
constexpr int kExitErrors = 1;

const char* const kCheckUsage = "Usage: lumetra-cli check [--json] [--jobs N] PATH...\n";

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

namespace {

// One argument of the options before the paths; false for one that is not an option of check.
// --jobs takes its value from the next argument or after "=".
bool TakeOption(const QStringList& arguments, qsizetype& i, CheckOptions& options, QString& error) {
    const QString& argument = arguments[i];
    if (argument == "--json")
        options.json = true;
    else if (argument == "--help" || argument == "-h")
        options.help = true;
    else if (argument == "--jobs" || argument.startsWith("--jobs=")) {
        const bool inline_ = argument.startsWith("--jobs=");
        if (!inline_ && i + 1 >= arguments.size())
            return false;
        const QString value = inline_ ? argument.mid(7) : arguments[++i];
        const auto jobs = JobsNumber(value);
        if (!jobs)
            error = JobsError(value) + "\n";
        options.jobs = jobs.value_or(0);
        return jobs.has_value();
    } else
        return false;
    return true;
}

} // namespace

// Options come before the paths; "--" ends them, for a path that starts with a dash.
Parsed<CheckOptions> ParseCheckArguments(const QStringList& arguments) {
    CheckOptions options;
    QString error;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith('-'))
            options.paths.push_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (!TakeOption(arguments, i, options, error))
            return {std::nullopt, error + kCheckUsage};
    }
    if (options.paths.isEmpty() && !options.help)
        return {std::nullopt, kCheckUsage};
    return {options, {}};
}

namespace {

// What a worker hands back for one file: its report already written out, so that the calling
// thread only writes it; nothing for a file that cannot be read.
struct CheckedFile {
    bool readable = false;
    CheckTotals counts;
    std::string text;
    nlohmann::ordered_json json;
};

// Readers for the workers: each keeps its buffer from file to file, and a worker takes one for
// the length of a file, so there are never more of them than jobs.
class ReaderPool {
  public:
    std::unique_ptr<FileReader> Take() {
        const std::lock_guard lock(mutex_);
        if (free_.empty())
            return std::make_unique<FileReader>();
        std::unique_ptr<FileReader> reader = std::move(free_.back());
        free_.pop_back();
        return reader;
    }
    void Give(std::unique_ptr<FileReader> reader) {
        const std::lock_guard lock(mutex_);
        free_.push_back(std::move(reader));
    }

  private:
    std::mutex mutex_;
    std::vector<std::unique_ptr<FileReader>> free_;
};

CheckedFile CheckOne(const CheckOptions& options, const CheckPaths& paths, std::size_t i,
                     ReaderPool& readers) {
    std::unique_ptr<FileReader> reader = readers.Take();
    std::optional<std::vector<Finding>> findings = CheckFile(paths.nativeFiles[i], *reader);
    readers.Give(std::move(reader));
    CheckedFile checked;
    if (!findings)
        return checked;
    const FileReport report{paths.files[static_cast<qsizetype>(i)], std::move(*findings)};
    checked.readable = true;
    checked.counts.Add(report);
    if (options.json)
        checked.json = ReportJson(report);
    else
        checked.text = ReportText(report);
    return checked;
}

} // namespace

// Checks the files on options.jobs threads and prints each report in the order of the paths as
// it comes (or keeps it for the JSON report), so the output is the same for any number of jobs;
// unreadable files join the unreadable paths.
CheckTotals CheckFiles(const CheckOptions& options, CheckPaths& paths,
                       nlohmann::ordered_json& jsonFiles, std::FILE* out) {
    CheckTotals totals;
    ProgressLine progress;
    ReaderPool readers;
    const auto count = static_cast<std::size_t>(paths.files.size());
    const auto work = [&](std::size_t i) { return CheckOne(options, paths, i, readers); };
    const auto consume = [&](std::size_t i, CheckedFile checked) {
        if (!checked.readable) {
            paths.unreadable.push_back(paths.files[static_cast<qsizetype>(i)]);
        } else {
            totals.files += checked.counts.files;
            totals.errors += checked.counts.errors;
            totals.warnings += checked.counts.warnings;
            if (options.json) {
                jsonFiles.push_back(std::move(checked.json));
            } else {
                progress.Clear();
                Write(out, checked.text);
            }
        }
        progress.Show(i + 1, count);
    };
    batch::RunOrdered(count, work, consume, batch::JobOptions{options.jobs, 0, nullptr});
    return totals;
}

int RunCheck(const QStringList& arguments) {
    return RunCheck(arguments, stdout);
}

int RunCheck(const QStringList& arguments, std::FILE* out) {
    const Parsed<CheckOptions> parsed = ParseCheckArguments(arguments);
    if (!parsed.options) {
        std::fputs(parsed.error.toLocal8Bit().constData(), stderr);
        return kExitUsage;
    }
    const std::optional<CheckOptions>& options = parsed.options;
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
