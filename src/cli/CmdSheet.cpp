// lumetra-cli sheet: the one-page PDF data sheet of a file, as the windows write it.

#include "CommandOptions.h"
#include "Commands.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "data/ReadableText.h"
#include "surface/DataSheet.h"
#include "surface/LocaleNumbers.h"

#include <QLocale>

namespace lumetra::cli {

int RunSheet(const QStringList& arguments) {
    const Parsed<SheetOptions> parsed = ParseSheetOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    const SheetOptions& options = *parsed.options;
    const std::optional<LoadedFile> file = LoadForFigures(options.input);
    if (!file)
        return 1;
    const std::string description = BuildDescription(
        HeaderText(DecodeReadableLines(file->headerLines, options.encoding).lines));
    try {
        DataSheetContent sheet = MakeDataSheet(options.input, description, file->record,
                                               file->facts, RenderControls{}, LocaleNumberFormat());
        MarkNotSignificant(sheet, VerdictLines(file->verdict));
        WriteDataSheet(options.output, sheet, SheetPageSize(QLocale().measurementSystem()));
    } catch (const LumetraError& failure) {
        return Fail(ErrorText(failure));
    }
    PrintVerdict(file->verdict);
    return file->verdict.complete ? 0 : kExitReaderMessage;
}

} // namespace lumetra::cli
