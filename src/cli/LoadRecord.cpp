// Loading a file for a subcommand, as the viewer loads it.

#include "Commands.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "data/TextEncoding.h"

#include <QFile>
#include <algorithm>
#include <cstdio>

namespace lumetra::cli {

QString ErrorText(const std::exception& error) {
    return QString::fromStdString(ToUtf8(error.what()));
}

void PrintReaderMessage(const std::string& text) {
    std::string lines = ToUtf8(text);
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    std::fprintf(stderr, "%s\n", lines.c_str());
}

bool LoadRecord(const QString& fileName, tIES& record, bool* readerMessage) {
    LuminaireFacts unused;
    return LoadRecord(fileName, record, unused, readerMessage);
}

bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts, bool* readerMessage) {
    const Notifier notify = [readerMessage](const std::string& text) {
        PrintReaderMessage(text);
        if (readerMessage)
            *readerMessage = true;
    };
    TextLines fileLines;
    TextLines headerLines;
    try {
        LoadPhotometry(QFile::encodeName(fileName).toStdString(), record, fileLines, headerLines,
                       notify, facts);
        return true;
    } catch (const LumetraError& error) {
        Fail(ErrorText(error));
        return false;
    }
}

} // namespace lumetra::cli
