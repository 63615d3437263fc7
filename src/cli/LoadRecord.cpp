// Loading a file for a subcommand, as the viewer loads it.

#include "Commands.h"
#include "data/Errors.h"
#include "data/Loading.h"
#include "data/TextEncoding.h"

#include <QFile>
#include <cstdio>

namespace lumetra::cli {

QString ErrorText(const std::exception& error) {
    return QString::fromStdString(ToUtf8(error.what()));
}

bool LoadRecord(const QString& fileName, tIES& record) {
    LuminaireFacts unused;
    return LoadRecord(fileName, record, unused);
}

bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts) {
    TextLines headerLines;
    return LoadRecord(fileName, record, facts, headerLines);
}

bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts,
                TextLines& headerLines) {
    const Notifier notify = [](const std::string& text) {
        std::fprintf(stderr, "%s\n", ToUtf8(text).c_str());
    };
    TextLines fileLines;
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
