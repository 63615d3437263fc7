#pragma once

#include <QString>

class QCoreApplication;

namespace lumetra {

// True when the command line asks for help or the version, which are answered without a display.
bool AsksForHelpOrVersion(int argc, const char* const* argv);

// Reads the program's command line: "--help" and "--version" print to standard output and end the
// program, an unknown option is reported on standard error and ends it. Returns the file or folder
// to open, or an empty text when none is given; of several, the first.
QString PathFromCommandLine(const QCoreApplication& application);

} // namespace lumetra
