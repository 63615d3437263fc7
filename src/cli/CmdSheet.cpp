// lumetra-cli sheet: the one-page PDF data sheet of a file, as the windows write it.

#include "CommandOptions.h"
#include "Commands.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "data/ReadableText.h"
#include "surface/DataSheet.h"

#include <QLocale>

namespace lumetra::cli {

int RunSheet(const QStringList& arguments) {
    const Parsed<SheetOptions> parsed = ParseSheetOptions(arguments);
    if (!parsed.options)
        return FailUsage(parsed.error);
    const SheetOptions& options = *parsed.options;
    tIES record;
    LuminaireFacts facts;
    TextLines headerLines;
    if (!LoadRecord(options.input, record, facts, headerLines))
        return 1;
    const std::string description =
        BuildDescription(HeaderText(DecodeReadableLines(headerLines).lines));
    try {
        const DataSheetContent sheet =
            MakeDataSheet(options.input, description, record, facts, RenderControls{});
        WriteDataSheet(options.output, sheet, SheetPageSize(QLocale().measurementSystem()));
        return 0;
    } catch (const LumetraError& failure) {
        return Fail(ErrorText(failure));
    }
}

} // namespace lumetra::cli
