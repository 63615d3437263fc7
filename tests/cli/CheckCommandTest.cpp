// lumetra-cli check, run as a process: exit codes, the text and JSON reports, the recursive
// search for *.ies in any letter case, unreadable paths, the progress line, and the samples.

#include "CliProcess.h"
#include "support/IesText.h"
#include "support/Samples.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// A valid file of one plane: header 1-2, TILT 3, leading numbers 4-5, angles 6-7, candela
// values 8.
std::string IesText(const std::string& candela = "100 50 0") {
    lumetra::test::IesFile file;
    file.header = {"IESNA:LM-63-2002", "[TEST] 1"};
    file.leading = "1 1000 1 3 1 1 1 0 0 0";
    file.ballast = "1 1 10";
    file.horizontal = "0";
    file.candela = {candela};
    return file.Text();
}

using lumetra::test::CliRun;

class CheckCommand : public lumetra::test::CliTest {
  protected:
    void SetUp() override {
        CliTest::SetUp();
        if (!HasFatalFailure())
            fs::create_directory(dir_ / "in");
    }

    // Writes a file under the input folder, creating its folders.
    std::string Write(const std::string& name, const std::string& bytes) const {
        return folder_->Write("in/" + name, bytes);
    }
    std::string In() const { return (dir_ / "in").string(); }

    // Runs lumetra-cli check with the arguments; its error output goes to errorFile when one is
    // named.
    CliRun Check(const std::vector<std::string>& arguments,
                 const std::string& errorFile = "") const {
        std::vector<std::string> command = {"check"};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return RunCli(command, "", errorFile);
    }

    json CheckJson(const std::vector<std::string>& paths, int expectedExit) const {
        std::vector<std::string> arguments = {"--json"};
        arguments.insert(arguments.end(), paths.begin(), paths.end());
        const CliRun run = Check(arguments);
        EXPECT_EQ(run.exitCode, expectedExit) << run.err;
        return json::parse(run.out);
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

// --- Exit codes and text -----------------------------------------------------------------------

TEST_F(CheckCommand, UsageErrorsExitWithTwo) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{}, {"--json"}, {"--bogus", In()}}) {
        const CliRun run = Check(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_THAT(run.err, HasSubstr("Usage: lumetra-cli check [--json] [--jobs N] PATH..."));
        EXPECT_EQ(run.out, "");
    }
}

TEST_F(CheckCommand, HelpExitsWithZero) {
    const CliRun run = Check({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out, HasSubstr("Usage: lumetra-cli check [--json] [--jobs N] PATH..."));
}

TEST_F(CheckCommand, CleanFileIsOkAndExitsWithZero) {
    const std::string file = Write("good.ies", IesText());
    const CliRun run = Check({file});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, file + ": ok\n1 files, 0 errors, 0 warnings\n");
}

TEST_F(CheckCommand, FindingsArePrintedWithFileLineAndSeverity) {
    const std::string warned = Write("warned.ies", IesText("100 -50 0"));
    const CliRun warnings = Check({warned});
    EXPECT_EQ(warnings.exitCode, 0) << "warnings alone do not fail the check";
    EXPECT_THAT(Lines(warnings.out), ElementsAre(warned + ":8: warning: Negative candela value -50",
                                                 "1 files, 0 errors, 1 warnings"));

    const std::string broken = Write("broken.ies", IesText("100 5O 0"));
    const CliRun errors = Check({broken, warned});
    EXPECT_EQ(errors.exitCode, 1);
    EXPECT_THAT(
        Lines(errors.out),
        ElementsAre(broken + ":8: error: Token '5O' is not a number (expected a candela value)",
                    warned + ":8: warning: Negative candela value -50",
                    "2 files, 1 errors, 1 warnings"));
}

TEST_F(CheckCommand, UnreadablePathsExitWithTwoAfterCheckingTheRest) {
    const std::string broken = Write("broken.ies", IesText("100 5O 0"));
    const std::string missing = (dir_ / "missing.ies").string();
    const CliRun run = Check({missing, broken});
    EXPECT_EQ(run.exitCode, 2) << "an unreadable path outranks errors in the files";
    EXPECT_THAT(run.err, HasSubstr("cannot read " + missing));
    EXPECT_THAT(run.out, HasSubstr(broken + ":8: error:"));
    EXPECT_THAT(run.out, HasSubstr("1 files, 1 errors, 0 warnings"));
}

TEST_F(CheckCommand, DanglingLinksAndPipesAreUnreadableAndNeverBlock) {
    Write("good.ies", IesText());
    fs::create_symlink(dir_ / "nowhere.ies", dir_ / "in" / "dangling.IES");
    const CliRun folder = Check({In()});
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_THAT(folder.err, HasSubstr("cannot read " + In() + "/dangling.IES"));
    EXPECT_THAT(folder.out, HasSubstr("1 files, 0 errors, 0 warnings"));

    const std::string fifo = (dir_ / "pipe.ies").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const CliRun pipe = Check({fifo});
    EXPECT_EQ(pipe.exitCode, 2);
    EXPECT_THAT(pipe.err, HasSubstr("cannot read " + fifo));
}

TEST_F(CheckCommand, DoubleDashEndsTheOptions) {
    Write("-dash.ies", IesText());
    const fs::path before = fs::current_path();
    fs::current_path(dir_ / "in");
    const CliRun run = Check({"--", "-dash.ies"});
    fs::current_path(before);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "-dash.ies: ok\n1 files, 0 errors, 0 warnings\n");
}

// --- JSON ------------------------------------------------------------------------------------

TEST_F(CheckCommand, JsonReportHasFilesUnreadableAndSummary) {
    const std::string broken = Write("broken.ies", IesText("100 5O -1"));
    const std::string good = Write("good.ies", IesText());
    const std::string missing = (dir_ / "missing").string();
    const json report = CheckJson({broken, good, missing}, 2);

    ASSERT_TRUE(report.is_object());
    ASSERT_EQ(report.size(), 3u);
    ASSERT_TRUE(report["files"].is_array());
    ASSERT_EQ(report["files"].size(), 2u);
    const json& first = report["files"][0];
    EXPECT_EQ(first["path"], broken);
    EXPECT_EQ(first["errors"], 1);
    EXPECT_EQ(first["warnings"], 1);
    ASSERT_EQ(first["findings"].size(), 2u);
    EXPECT_EQ(first["findings"][0],
              (json{{"severity", "error"},
                    {"line", 8},
                    {"message", "Token '5O' is not a number (expected a candela value)"}}));
    EXPECT_EQ(
        first["findings"][1],
        (json{{"severity", "warning"}, {"line", 8}, {"message", "Negative candela value -1"}}));
    EXPECT_EQ(report["files"][1],
              (json{{"path", good}, {"errors", 0}, {"warnings", 0}, {"findings", json::array()}}));
    EXPECT_EQ(report["unreadable"], json::array({missing}));
    EXPECT_EQ(report["summary"], (json{{"files", 2}, {"errors", 1}, {"warnings", 1}}));
}

// --- Folders ---------------------------------------------------------------------------------

TEST_F(CheckCommand, FoldersAreSearchedRecursivelyForIesInAnyLetterCase) {
    for (const std::string name : {"a.ies", "B.IES", "sub/c.Ies", "sub/deep/d.iES", "f.ies/g.IES"})
        Write(name, IesText());
    Write("notes.txt", "not an IES file");
    Write("sub/e.ies.bak", "not an IES file either");
    Write("sub/ies", "no extension");
    const json report = CheckJson({In()}, 0);
    std::vector<std::string> paths;
    for (const auto& file : report["files"])
        paths.push_back(file["path"].get<std::string>().substr(In().size() + 1));
    EXPECT_THAT(paths, ElementsAre("B.IES", "a.ies", "f.ies/g.IES", "sub/c.Ies", "sub/deep/d.iES"));
    EXPECT_EQ(report["summary"]["files"], 5);
}

TEST_F(CheckCommand, NamesThatAreNotUtf8AreFoundAndCheckedByTheirBytes) {
    Write("caf\xE9.ies", IesText());
    Write("dir\xFF/lamp.IES", IesText());
    const json report = CheckJson({In()}, 0);
    std::vector<std::string> paths;
    for (const auto& file : report["files"])
        paths.push_back(file["path"].get<std::string>().substr(In().size() + 1));
    EXPECT_THAT(paths, ElementsAre("caf\uFFFD.ies", "dir\uFFFD/lamp.IES"));
    EXPECT_EQ(report["summary"]["files"], 2);
    EXPECT_TRUE(report["unreadable"].empty());
}

TEST_F(CheckCommand, ProgressLineAppearsOnlyOnATerminal) {
    for (int i = 0; i < 20; ++i)
        Write("f" + std::to_string(i) + ".ies", IesText());

    const CliRun piped = Check({In()});
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_THAT(piped.err, Not(HasSubstr("Checking")));
    EXPECT_THAT(piped.out, Not(HasSubstr("Checking")));

    int master = -1;
    int slave = -1;
    ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    const char* const terminalName = ttyname(slave);
    ASSERT_NE(terminalName, nullptr);
    const CliRun terminal = Check({In()}, terminalName);
    close(slave);
    std::string shown;
    char buffer[4096];
    pollfd ready{master, POLLIN, 0};
    while (poll(&ready, 1, 1000) > 0) {
        const ssize_t got = read(master, buffer, sizeof buffer);
        if (got <= 0)
            break;
        shown.append(buffer, static_cast<std::size_t>(got));
    }
    close(master);
    EXPECT_EQ(terminal.exitCode, 0);
    EXPECT_THAT(shown, HasSubstr("Checking: 0 of 20 files"));
    EXPECT_THAT(terminal.out, Not(HasSubstr("Checking")));
    EXPECT_THAT(terminal.out, HasSubstr("20 files, 0 errors, 0 warnings"));
}

// --- Samples ---------------------------------------------------------------------------------

TEST_F(CheckCommand, SamplesAreCheckedAndTheBrokenOnesHaveErrors) {
    const std::string samples = lumetra::test::SamplesFolder();
    std::size_t iesFiles = 0;
    for (const auto& entry : fs::recursive_directory_iterator(samples)) {
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
        iesFiles += entry.is_regular_file() && extension == ".ies" ? 1 : 0;
    }
    ASSERT_GT(iesFiles, 0u);

    const json report = CheckJson({samples}, 1);
    ASSERT_EQ(report["files"].size(), iesFiles);
    std::size_t errors = 0;
    std::size_t warnings = 0;
    std::map<std::string, json> byName;
    for (const auto& file : report["files"]) {
        errors += file["errors"].get<std::size_t>();
        warnings += file["warnings"].get<std::size_t>();
        for (const auto& finding : file["findings"]) {
            EXPECT_THAT(finding["severity"].get<std::string>(),
                        ::testing::AnyOf("error", "warning"));
            EXPECT_GE(finding["line"].get<int>(), 1);
            EXPECT_FALSE(finding["message"].get<std::string>().empty());
        }
        byName[fs::path(file["path"].get<std::string>()).filename().string()] = file;
    }
    EXPECT_EQ(report["summary"],
              (json{{"files", iesFiles}, {"errors", errors}, {"warnings", warnings}}));

    for (const std::string broken :
         {"broken_gibberish_no_tilt.ies", "lm1991_file_format_error_crlf.ies",
          "lm1995_truncated_in_tilt_include.ies", "lm1995_annotated_tilt_include_comments.ies",
          "lm2002_tab_separated_candela.ies", "lm2002_tab_separated_parallel_beam.ies"}) {
        ASSERT_TRUE(byName.count(broken)) << broken;
        EXPECT_GT(byName[broken]["errors"].get<int>(), 0) << broken;
    }
    for (const std::string sound :
         {"lm2019_example_profile.ies", "lm1995_263x361_crlf.ies", "lm2002_typeb_full_73x73.ies",
          "lm1991_two_planes_0_and_360.ies"}) {
        ASSERT_TRUE(byName.count(sound)) << sound;
        EXPECT_EQ(byName[sound]["findings"], json::array()) << sound;
    }
    const json truncated = byName["lm1995_truncated_in_tilt_include.ies"]["findings"];
    EXPECT_TRUE(std::any_of(truncated.begin(), truncated.end(), [](const json& finding) {
        return finding["severity"] == "error" && finding["line"] == 25 &&
               finding["message"].get<std::string>().find("ends after 4 of the 13") !=
                   std::string::npos;
    })) << truncated.dump();

    const CliRun text = Check({samples});
    EXPECT_EQ(text.exitCode, 1);
    const auto lines = Lines(text.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), std::to_string(iesFiles) + " files, " + std::to_string(errors) +
                                " errors, " + std::to_string(warnings) + " warnings");
    EXPECT_TRUE(
        std::regex_match(lines.back(), std::regex(R"(\d+ files, \d+ errors, \d+ warnings)")));
}

} // namespace
