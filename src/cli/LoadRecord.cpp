// Loading a file for a subcommand, as the viewer loads it, and reporting a subcommand's error.

#include "Commands.h"
#include "data/Errors.h"
#include "data/TextEncoding.h"
#include "eulumdat/PhotometryFile.h"

#include <QFile>
#include <cstdio>

namespace lumetra::cli {

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

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
        LoadPhotometryFile(QFile::encodeName(fileName).toStdString(), record, fileLines,
                           headerLines, notify, facts);
        return true;
    } catch (const LumetraError& error) {
        Fail(ErrorText(error));
        return false;
    }
}

} // namespace lumetra::cli
