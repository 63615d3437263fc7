#pragma once
// Runs a program as a separate process with its output captured in files of a temporary folder.

#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace lumetra::test {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

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
// goes through files of the folder.
inline ProcessRun RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                             const TempFolder& folder, const std::string& environment = "") {
    std::string command = environment + " " + ShellQuoted(program);
    for (const auto& argument : arguments)
        command += " " + ShellQuoted(argument);
    const auto out = folder.path() / "stdout.txt";
    const auto err = folder.path() / "stderr.txt";
    command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string());
    const int status = std::system(command.c_str());
    ProcessRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadWholeFile(out);
    run.err = ReadWholeFile(err);
    return run;
}

} // namespace lumetra::test
