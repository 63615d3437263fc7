// lumetra-cli sheet: the PDF data sheet of a file, as the windows write it, or one sheet for each
// photometric file below a folder.

#include "CommandOptions.h"
#include "Commands.h"
#include "ConvertPlan.h"
#include "ProgressLine.h"
#include "batch/OrderedJobs.h"
#include "data/Errors.h"
#include "data/ReadableText.h"
#include "eulumdat/EulumdatLoading.h"
#include "surface/DataSheet.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <filesystem>

namespace lumetra::cli {

namespace {

namespace fs = std::filesystem;

// The sheet's content for a loaded file; it points into the file, which must outlive it.
DataSheetContent SheetOf(const std::string& nativeName, const LoadedFile& file,
                         const std::string& encoding) {
    DataSheetInput input;
    input.fileName = QFile::decodeName(nativeName.c_str());
    input.headerLines = DecodeReadableLines(file.headerLines, encoding).lines;
    input.record = &file.record;
    input.facts = &file.facts;
    input.eulumdat = EulumdatLinesOf(nativeName);
    input.notSignificant = TranslatedLines(VerdictLines(file.verdict));
    input.format = LocaleNumberFormat();
    input.format.wording = TranslatedUtf8;
    input.program = "Lumetra " + QCoreApplication::applicationVersion();
    input.made = QDateTime::currentDateTime();
    return MakeDataSheet(input);
}

QPageSize::PageSizeId LocalePaper() {
    return SheetPageSize(QLocale().measurementSystem());
}

int SheetOfFile(const SheetOptions& options) {
    const std::optional<LoadedFile> file = LoadForFigures(options.input);
    if (!file)
        return 1;
    try {
        const std::string nativeName = QFile::encodeName(options.input).toStdString();
        WriteDataSheet(options.output, SheetOf(nativeName, *file, options.encoding), LocalePaper());
    } catch (const LumetraError& failure) {
        return Fail(ErrorText(failure));
    }
    PrintVerdict(file->verdict);
    return file->verdict.complete ? 0 : kExitReaderMessage;
}

// One file of a folder, loaded and made into content on a worker; written by the caller.
struct SheetWork {
    std::unique_ptr<LoadedFile> file;
    std::optional<DataSheetContent> sheet;
    QString error;
};

SheetWork PrepareSheet(const ConvertJob& job, const SheetOptions& options) {
    SheetWork work;
    std::error_code ignored;
    if (!job.refusal.isEmpty())
        work.error = job.refusal;
    else if (!options.force && fs::exists(job.output, ignored))
        work.error = QFile::decodeName(job.output.c_str()) + " exists already; --force replaces it";
    else if ((work.file = LoadQuietly(job.input, work.error)))
        work.sheet = SheetOf(job.input, *work.file, options.encoding);
    return work;
}

// Writes a prepared sheet; what went wrong, or empty.
QString WritePrepared(const ConvertJob& job, const SheetWork& work) {
    if (!work.error.isEmpty())
        return work.error;
    try {
        WriteDataSheet(QFile::decodeName(job.output.c_str()), *work.sheet, LocalePaper());
        return {};
    } catch (const std::exception& failure) {
        return ErrorText(failure);
    }
}

void PrintLine(const QString& shown, const char* kind, const QString& text) {
    std::fprintf(stderr, "%s: %s: %s\n", shown.toLocal8Bit().constData(), kind,
                 text.toLocal8Bit().constData());
}

int SheetsOfFolder(const SheetOptions& options) {
    const ConvertPlan plan = PlanFolderConversion(options.input, options.output, ".pdf");
    if (!plan.unreadable.isEmpty())
        return Fail("Cannot list the folder " + plan.unreadable.join(", "));
    MakeOutputFolders(plan);
    ProgressLine progress(QT_TRANSLATE_NOOP("lumetra-cli", "Writing sheets"));
    QStringList failures;
    bool incomplete = false;
    const auto work = [&](std::size_t i) { return PrepareSheet(plan.jobs[i], options); };
    // Painting stays on this thread: loading and rendering are the long part, and run on all.
    const auto consume = [&](std::size_t i, const SheetWork& prepared) {
        progress.Clear();
        const QString error = WritePrepared(plan.jobs[i], prepared);
        if (!error.isEmpty()) {
            failures.push_back(plan.jobs[i].shown + ": " + error);
            PrintLine(plan.jobs[i].shown, "error", error);
        } else if (!prepared.file->verdict.complete) {
            incomplete = true;
            for (const std::string& line : TranslatedLines(VerdictLines(prepared.file->verdict)))
                PrintLine(plan.jobs[i].shown, "note", QString::fromStdString(line));
        }
        progress.Show(i + 1, plan.jobs.size());
    };
    batch::RunOrdered(plan.jobs.size(), work, consume, batch::JobOptions{options.jobs, 0, nullptr});
    progress.Clear();
    const std::size_t written = plan.jobs.size() - static_cast<std::size_t>(failures.size());
    std::printf("%s\n", BatchSummary(written, failures).toLocal8Bit().constData());
    if (!failures.isEmpty())
        return 1;
    return incomplete ? kExitReaderMessage : 0;
}

} // namespace

int RunSheet(const QStringList& arguments) {
    const Parsed<SheetOptions> parsed = ParseSheetOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    return parsed.options->folder ? SheetsOfFolder(*parsed.options) : SheetOfFile(*parsed.options);
}

} // namespace lumetra::cli
