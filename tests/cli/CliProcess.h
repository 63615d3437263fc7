#pragma once
// lumetra-cli run as a separate process from a test, in a temporary folder of the test's own.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace lumetra::test {

namespace fs = std::filesystem;

inline std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// One run of the program: its exit code and what it printed.
struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_STRNE(LUMETRA_CLI_PATH, "") << "lumetra-cli was not built";
        std::string pattern = (fs::temp_directory_path() / "lumetra-cli-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // Runs lumetra-cli with the arguments; environment is a prefix such as "LC_ALL=C".
    CliRun RunCli(const std::vector<std::string>& arguments,
                  const std::string& environment = "") const {
        std::string command = environment + " " + ShellQuoted(LUMETRA_CLI_PATH);
        for (const auto& argument : arguments)
            command += " " + ShellQuoted(argument);
        const fs::path out = dir_ / "stdout.txt";
        const fs::path err = dir_ / "stderr.txt";
        command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string());
        const int status = std::system(command.c_str());
        CliRun run;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = ReadWholeFile(out);
        run.err = ReadWholeFile(err);
        return run;
    }

    fs::path dir_;

  private:
    static std::string ShellQuoted(const std::string& text) {
        std::string quoted = "'";
        for (const char c : text)
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return quoted + "'";
    }
};

} // namespace lumetra::test
