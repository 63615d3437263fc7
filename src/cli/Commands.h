#pragma once
// The subcommands of lumetra-cli. Each takes the arguments after its own name and returns the
// process exit code.

#include "data/LuminaireFacts.h"
#include "data/Photometry.h"

#include <QStringList>
#include <exception>

namespace lumetra::cli {

int RunInfo(const QStringList& arguments);
int RunGonio(const QStringList& arguments);
int RunRender(const QStringList& arguments);
int RunCheck(const QStringList& arguments);
int RunSummary(const QStringList& arguments);
int RunSheet(const QStringList& arguments);

// Prints a subcommand's error on stderr and returns exit code 1.
int Fail(const QString& message);

// The error's text, decoded for printing.
QString ErrorText(const std::exception& error);

// Loads a file as the viewer does, the reader's message on stderr. On failure prints the error
// and returns false.
bool LoadRecord(const QString& fileName, tIES& record);
bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts);
bool LoadRecord(const QString& fileName, tIES& record, LuminaireFacts& facts,
                TextLines& headerLines);

} // namespace lumetra::cli
