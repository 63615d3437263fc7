// lumetra-cli convert: a file or a folder of files written as IES or EULUMDAT, scaled or turned
// on the way.

#include "CommandOptions.h"
#include "Commands.h"
#include "ConvertPlan.h"
#include "ProgressLine.h"
#include "batch/OrderedJobs.h"
#include "surface/FileNameText.h"
#include "writing/Writing.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

namespace lumetra::cli {

namespace {

namespace fs = std::filesystem;

writing::ConvertOptions CoreOptions(const ConvertOptions& options) {
    writing::ConvertOptions core;
    core.Version =
        options.iesVersion2019 ? writing::IesVersion::Lm63_2019 : writing::IesVersion::Lm63_2002;
    if (options.lumens)
        core.Adjust.Lumens = *options.lumens;
    core.Adjust.Multiply = options.multiply;
    core.Adjust.Rotate = options.rotate;
    core.Read = options.lenient ? writing::Reading::Lenient : writing::Reading::Strict;
    core.Output = options.force ? writing::Existing::Replace : writing::Existing::Keep;
    return core;
}

void PrintNotes(const QString& shown, const writing::Written& written) {
    for (const std::string& note : written.Notes)
        std::fprintf(stderr, "%s: note: %s\n", shown.toLocal8Bit().constData(), note.c_str());
}

// Converts one file; the text of what went wrong, or empty.
QString ConvertOne(const std::string& input, const std::string& output,
                   const writing::ConvertOptions& options, writing::Written& written) {
    std::error_code error;
    if (options.Output == writing::Existing::Keep && fs::exists(output, error))
        return FileNameText(output) + " exists already; --force replaces it";
    try {
        written = writing::ConvertFile(input, output, options);
        return {};
    } catch (const std::exception& failure) {
        return ErrorText(failure);
    }
}

std::optional<writing::TargetFormat> FileTarget(const ConvertOptions& options,
                                                writing::IesVersion version) {
    const auto byName = writing::TargetFormatOf(FileNameBytes(options.output), version);
    if (options.to.isEmpty())
        return byName;
    const auto byOption = writing::TargetFormatOf("x." + options.to.toStdString(), version);
    if (byName && byName != byOption)
        return std::nullopt;
    return byOption;
}

int ConvertSingleFile(const ConvertOptions& options) {
    writing::ConvertOptions core = CoreOptions(options);
    core.Format = FileTarget(options, core.Version);
    if (!core.Format)
        return Fail("The output must end in .ies or .ldt (or match --to): " + options.output) + 1;
    writing::Written written;
    const QString error =
        ConvertOne(FileNameBytes(options.input), FileNameBytes(options.output), core, written);
    if (!error.isEmpty())
        return Fail(error);
    PrintNotes(options.input, written);
    return 0;
}

struct Outcome {
    QString error;
    writing::Written written;
};

int ConvertFolder(const ConvertOptions& options) {
    if (options.to.isEmpty())
        return Fail("Converting a folder needs --to ies or --to ldt.") + 1;
    const ConvertPlan plan =
        PlanFolderConversion(options.input, options.output, "." + options.to.toStdString());
    if (!plan.unreadable.isEmpty())
        return Fail("Cannot list the folder " + plan.unreadable.join(", ")) + 1;
    MakeOutputFolders(plan);
    const writing::ConvertOptions core = CoreOptions(options);
    ProgressLine progress(QT_TRANSLATE_NOOP("lumetra-cli", "Converting"));
    QStringList failures;
    const auto work = [&](std::size_t i) {
        const ConvertJob& job = plan.jobs[i];
        Outcome outcome;
        outcome.error = !job.refusal.isEmpty()
                            ? job.refusal
                            : ConvertOne(job.input, job.output, core, outcome.written);
        return outcome;
    };
    const auto consume = [&](std::size_t i, const Outcome& outcome) {
        progress.Clear();
        if (!outcome.error.isEmpty()) {
            failures.push_back(plan.jobs[i].shown + ": " + outcome.error);
            std::fprintf(stderr, "%s: error: %s\n", plan.jobs[i].shown.toLocal8Bit().constData(),
                         outcome.error.toLocal8Bit().constData());
        }
        PrintNotes(plan.jobs[i].shown, outcome.written);
        progress.Show(i + 1, plan.jobs.size());
    };
    batch::RunOrdered(plan.jobs.size(), work, consume, batch::JobOptions{options.jobs, 0, nullptr});
    progress.Clear();
    const std::size_t written = plan.jobs.size() - static_cast<std::size_t>(failures.size());
    std::printf("%s\n", BatchSummary(written, failures).toLocal8Bit().constData());
    return failures.isEmpty() ? 0 : 1;
}

} // namespace

int RunConvert(const QStringList& arguments) {
    const Parsed<ConvertOptions> parsed = ParseConvertOptions(arguments);
    if (!parsed.options)
        return Fail(parsed.error) + 1; // a usage error exits with 2
    const ConvertOptions& options = *parsed.options;
    if (QFileInfo(options.input).isDir())
        return ConvertFolder(options);
    return ConvertSingleFile(options);
}

} // namespace lumetra::cli
