#pragma once
// Runs a program as a separate process with its output captured in files of a temporary folder.

#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace lumetra::test {

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// One run of a program: its exit code (-1 when it did not exit normally) and what it printed.
struct ProcessRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the program with the arguments; environment is a prefix such as "LC_ALL=C". Its output
// goes through files of the folder; with errorFile, its error output goes to that file instead (a
// terminal, say) and the run's err stays empty. It reads nothing: its input is empty.
inline ProcessRun RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const TempFolder& folder, const std::string& environment = "",
                             const std::string& errorFile = "") {
    std::string command = environment + " " + ShellQuoted(program);
    for (const auto& argument : arguments)
        command += " " + ShellQuoted(argument);
    const auto out = folder.path() / "stdout.txt";
    const auto err = folder.path() / "stderr.txt";
    command += " </dev/null >" + ShellQuoted(out.string()) + " 2>" +
               ShellQuoted(errorFile.empty() ? err.string() : errorFile);
    const int status = std::system(command.c_str());
    ProcessRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(out);
    run.err = errorFile.empty() ? ReadWholeFile(err) : std::string();
    return run;
}

} // namespace lumetra::test
