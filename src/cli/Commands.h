#pragma once
// The subcommands of lumetra-cli. Each takes the arguments after its own name and returns the
// process exit code.

#include "data/LuminaireFacts.h"
#include "data/Notifier.h"
#include "data/Photometry.h"
#include "data/ProgramData.h"
#include "eulumdat/ReadingVerdict.h"

#include <QStringList>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>

namespace lumetra::cli {

int RunInfo(const QStringList& arguments);
int RunGonio(const QStringList& arguments);
int RunRender(const QStringList& arguments);
int RunCheck(const QStringList& arguments);
// The same, with the report written to out instead of stdout.
int RunCheck(const QStringList& arguments, std::FILE* out);
int RunSummary(const QStringList& arguments);
int RunSheet(const QStringList& arguments);
int RunCompare(const QStringList& arguments);
int RunCatalogue(const QStringList& arguments);
int RunDiagram(const QStringList& arguments);
int RunIlluminance(const QStringList& arguments);
int RunBug(const QStringList& arguments);
int RunConvert(const QStringList& arguments);

// Prints a subcommand's error on stderr and returns exit code 1.
int Fail(const QString& message);

// Every subcommand's exit code for arguments it cannot use (and lumetra-cli's own, for a missing
// or unknown command).
inline constexpr int kExitUsage = 2;
// Prints what is wrong with the arguments, usage line included, and returns kExitUsage.
int FailUsage(const QString& message);

// The error's text, decoded for printing.
QString ErrorText(const std::exception& error);

// Exit status of gonio and render when the picture was written but the reader reported a
// message about the file: its values may not be what the file meant.
inline constexpr int kExitReaderMessage = 3;

// Loads a file as the viewer does, the reader's message on stderr. On failure prints the error
// and returns false. readerMessage, when given, tells whether the reader reported a message.
bool LoadRecord(const QString& fileName, tIES& record, bool* readerMessage = nullptr);
bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts,
                bool* readerMessage = nullptr);
bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts,
                TextLines& headerLines, bool* readerMessage = nullptr);
// The same into a whole data set, the parse-error flag included; each reader's message also goes
// to notify when one is given.
bool LoadRecord(const QString& fileName, ProgramData& data, const Notifier& notify = {});

// A file loaded for its figures, with the verdict on its reading.
struct LoadedFile {
    tIES record;
    LuminaireFacts facts;
    TextLines headerLines;
    ReadingVerdict verdict;
};

// Loads a file as LoadRecord does and judges its reading; none when it fails to load (the error
// printed).
std::optional<LoadedFile> LoadForFigures(const QString& fileName);

// The same without a word on stderr, for work on many files at once: none, and the error, when
// it does not load; the reader's message is in the verdict.
std::unique_ptr<LoadedFile> LoadQuietly(const std::string& nativeName, QString& error);

// The verdict's lines after the reader's own message, on stderr.
void PrintVerdict(const ReadingVerdict& verdict);

// The reader's message as a terminal line: its carriage returns become line feeds.
void PrintReaderMessage(const Message& message);

} // namespace lumetra::cli
