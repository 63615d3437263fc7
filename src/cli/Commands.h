#pragma once
// The subcommands of lumetra-cli. Each takes the arguments after its own name and returns the
// process exit code.

#include <QStringList>

namespace lumetra::cli {

int RunInfo(const QStringList& arguments);
int RunGonio(const QStringList& arguments);
int RunRender(const QStringList& arguments);
int RunCheck(const QStringList& arguments);

// Prints a subcommand's error on stderr and returns exit code 1.
int Fail(const QString& message);

} // namespace lumetra::cli
