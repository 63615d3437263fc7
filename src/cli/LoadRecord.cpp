// Loading a file for a subcommand, as the viewer loads it, and reporting a subcommand's error.

#include "Commands.h"
#include "data/Errors.h"
#include "data/FileReading.h"
#include "data/TextEncoding.h"
#include "eulumdat/PhotometryFile.h"
#include "surface/FileNameText.h"
#include "translate/Translations.h"

#include <QFile>
#include <algorithm>
#include <cstdio>

namespace lumetra::cli {

int Fail(const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return 1;
}

int FailUsage(const QString& message) {
    Fail(message);
    return kExitUsage;
}

QString ErrorText(const std::exception& error) {
    return TranslatedError(error);
}

void PrintReaderMessage(const Message& message) {
    std::string lines = TranslatedUtf8(message);
    std::replace(lines.begin(), lines.end(), '\r', '\n');
    std::fprintf(stderr, "%s\n", lines.c_str());
}

bool LoadRecord(const QString& fileName, tIES& record, bool* readerMessage) {
    LuminaireFacts unused;
    return LoadRecord(fileName, record, unused, readerMessage);
}

bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts, bool* readerMessage) {
    TextLines headerLines;
    return LoadRecord(fileName, record, facts, headerLines, readerMessage);
}

namespace {

// Loads into the parts given, the reader's messages on stderr and then to notify.
bool LoadInto(const QString& fileName, tIES& record, LuminaireFacts& facts, TextLines& fileLines,
              TextLines& headerLines, bool& parseError, const Notifier& notify) {
    const Notifier printed = [&notify](const Message& message) {
        PrintReaderMessage(message);
        if (notify)
            notify(message);
    };
    try {
        parseError = LoadPhotometryFile(FileNameBytes(fileName), record, fileLines, headerLines,
                                        printed, facts);
        return true;
    } catch (const LumetraError& error) {
        Fail(ErrorText(error));
        return false;
    }
}

} // namespace

bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts,
                TextLines& headerLines, bool* readerMessage) {
    TextLines fileLines;
    bool parseError = false;
    return LoadInto(fileName, record, facts, fileLines, headerLines, parseError,
                    [readerMessage](const Message&) {
                        if (readerMessage)
                            *readerMessage = true;
                    });
}

bool LoadRecord(const QString& fileName, ProgramData& data, const Notifier& notify) {
    return LoadInto(fileName, data.Photometry, data.Luminaire, data.FileLines, data.HeaderLines,
                    data.ParseError, notify);
}

namespace {

// Loads and judges the file; throws LumetraError when it does not load.
LoadedFile LoadJudged(const std::string& nativeName, const Notifier& notify, Message& message) {
    LoadedFile file;
    const Notifier first = [&notify, &message](const Message& text) {
        notify(text);
        if (message.empty())
            message = text;
    };
    TextLines fileLines;
    const bool parseError =
        LoadPhotometryFile(nativeName, file.record, fileLines, file.headerLines, first, file.facts);
    // Only a flagged file is read again, for check's finding on it.
    FileReader reader;
    const bool read = parseError && reader.Read(nativeName) == FileRead::Whole;
    file.verdict =
        JudgeReading(nativeName, parseError, message, read ? reader.bytes() : std::string_view());
    return file;
}

} // namespace

std::optional<LoadedFile> LoadForFigures(const QString& fileName) {
    Message message;
    try {
        return LoadJudged(FileNameBytes(fileName), PrintReaderMessage, message);
    } catch (const LumetraError& error) {
        Fail(ErrorText(error));
        return std::nullopt;
    }
}

std::unique_ptr<LoadedFile> LoadQuietly(const std::string& nativeName, QString& error) {
    Message message;
    try {
        return std::make_unique<LoadedFile>(LoadJudged(
            nativeName, [](const Message&) {}, message));
    } catch (const LumetraError& failure) {
        error = ErrorText(failure);
        return nullptr;
    }
}

void PrintVerdict(const ReadingVerdict& verdict) {
    const std::string reader = verdict.readerLine.English();
    for (const Message& line : VerdictLines(verdict))
        if (line.English() != reader) // the reader's message is on stderr already
            std::fprintf(stderr, "%s\n", TranslatedUtf8(line).c_str());
}

} // namespace lumetra::cli
