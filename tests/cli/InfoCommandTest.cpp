// lumetra-cli info, run as a process: the JSON it prints, the exactness of its numbers, the
// decoding of header lines, and how failures are reported.

#include "CliProcess.h"
#include "cli/ExtendedJson.h"
#include "support/Samples.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using lumetra::test::SamplePath;

namespace fs = std::filesystem;
using lumetra::cli::Json;

using lumetra::test::CliRun;

class InfoCommand : public lumetra::test::CliTest {
  protected:
    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        return folder_->Write(name, bytes);
    }

    // Runs info on the file and parses its one JSON object; fails the test on anything else.
    Json Info(const std::string& file) const {
        const CliRun run = RunCli({"info", file});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << "one line of JSON";
        return Json::parse(run.out);
    }
};

bool SameExtended(long double a, long double b) {
    // Identical 80-bit values: equal and of the same sign (so -0 is not 0).
    return a == b && std::signbit(a) == std::signbit(b);
}

// --- Keys and shape ---------------------------------------------------------------------------

TEST_F(InfoCommand, PrintsEveryKeyWithItsShape) {
    Json json = Info(SamplePath("lm1986_fluorescent_quadrant_crlf.ies"));
    ASSERT_TRUE(json.is_object());
    std::set<std::string> keys;
    for (const auto& item : json.items())
        keys.insert(item.key());
    // clang-format off
    EXPECT_EQ(keys, (std::set<std::string>{
                        "LampLumens", "CandelaMultiplier", "VerticalCount", "HorizontalCount",
                        "UnitsType", "VerticalAngles", "HorizontalAngles", "Candela", "HeaderLines",
                        "Description", "HeaderEncoding", "GlobalMaxCandela", "ParseError",
                        "Message", "NumberOfLamps", "LumensPerLamp", "PhotometricType", "Width",
                        "Length", "Height", "BallastFactor", "InputWatts"}));
    // clang-format on
    EXPECT_EQ(json["HeaderEncoding"], "UTF-8");
    // The luminaire's numbers: 3 3150 1 37 5 1 1 0.4063 4 0.5104, then 1 1 147.5.
    const std::pair<const char*, long double> facts[] = {
        {"NumberOfLamps", 3}, {"LumensPerLamp", 3150}, {"PhotometricType", 1},
        {"Width", 0.4063L},   {"Length", 4},           {"Height", 0.5104L},
        {"BallastFactor", 1}, {"InputWatts", 147.5L}};
    for (const auto& [key, value] : facts)
        EXPECT_EQ(json[key].get<long double>(), value) << key;
    EXPECT_EQ(json["VerticalCount"], 37);
    EXPECT_EQ(json["HorizontalCount"], 5);
    EXPECT_EQ(json["UnitsType"], 1);
    EXPECT_EQ(json["LampLumens"].get<long double>(), 3150);
    ASSERT_TRUE(json["VerticalAngles"].is_array());
    EXPECT_EQ(json["VerticalAngles"].size(), 37u);
    EXPECT_EQ(json["HorizontalAngles"], Json({0.0L, 22.5L, 45.0L, 67.5L, 90.0L}));
    ASSERT_TRUE(json["Candela"].is_array());
    ASSERT_EQ(json["Candela"].size(), 5u) << "plane by plane";
    long double peak = json["Candela"][0][0].get<long double>();
    for (const auto& plane : json["Candela"]) {
        ASSERT_TRUE(plane.is_array());
        EXPECT_EQ(plane.size(), 37u);
        for (const auto& value : plane)
            peak = std::max(peak, value.get<long double>());
    }
    EXPECT_EQ(json["GlobalMaxCandela"].get<long double>(), peak);
    ASSERT_TRUE(json["HeaderLines"].is_array());
    EXPECT_EQ(json["HeaderLines"].size(), 9u);
    EXPECT_EQ(json["HeaderLines"].back(), "TILT=NONE");
    ASSERT_TRUE(json["Description"].is_string());
    const std::string description = json["Description"];
    EXPECT_EQ(std::count(description.begin(), description.end(), '\r'), 6);
    EXPECT_EQ(description.rfind("Test: ", 0), 0u);
    EXPECT_EQ(json["ParseError"], false);
    EXPECT_TRUE(json["Message"].is_null());
}

TEST_F(InfoCommand, EverySampleGivesConsistentJson) {
    for (const auto& entry : fs::directory_iterator(lumetra::test::SamplesFolder())) {
        if (entry.path().extension() != ".ies")
            continue;
        SCOPED_TRACE(entry.path().filename().string());
        Json json = Info(entry.path().string());
        const std::size_t vertical = json["VerticalCount"];
        const std::size_t horizontal = json["HorizontalCount"];
        EXPECT_EQ(json["VerticalAngles"].size(), vertical);
        EXPECT_EQ(json["HorizontalAngles"].size(), horizontal);
        ASSERT_EQ(json["Candela"].size(), horizontal);
        for (const auto& plane : json["Candela"])
            EXPECT_EQ(plane.size(), vertical);
        EXPECT_TRUE(json["Message"].is_null() || json["Message"].is_string());
        if (!json["Message"].is_null()) {
            EXPECT_EQ(json["ParseError"], true) << "a message only comes with a parse error";
        }
    }
}

// --- Exact numbers ----------------------------------------------------------------------------

TEST_F(InfoCommand, NumbersReadBackToTheIdenticalExtendedValue) {
    // Values that double precision cannot hold, subnormals and the edges of the range.
    const std::vector<std::string> tokens = {"0.1",
                                             "3.14159265358979323846264338327950288",
                                             "0.30000000000000000001",
                                             "-0",
                                             "1e-4940",
                                             "1.18e4932",
                                             "1e400",
                                             "-1e-400",
                                             "123456789.123456789123",
                                             "6.02214076e23",
                                             "2.5",
                                             "1e20",
                                             "7"};
    std::string file = "IESNA:LM-63-2002\nTILT=NONE\n1 0.1 1.000000000000000000001 ";
    file += std::to_string(tokens.size()) + " 1 1 1 0 0 0 1 1 100\n";
    for (std::size_t i = 0; i < tokens.size(); ++i)
        file += std::to_string(i) + " ";
    file += "\n0\n";
    for (const auto& token : tokens)
        file += token + "\n";

    Json json = Info(WriteFile("exact.ies", file));
    const auto& plane = json["Candela"][0];
    ASSERT_EQ(plane.size(), tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const long double expected = std::strtold(tokens[i].c_str(), nullptr);
        EXPECT_TRUE(SameExtended(plane[i].get<long double>(), expected)) << tokens[i];
    }
    EXPECT_TRUE(SameExtended(json["LampLumens"].get<long double>(), 0.1L));
    EXPECT_TRUE(SameExtended(json["CandelaMultiplier"].get<long double>(),
                             std::strtold("1.000000000000000000001", nullptr)));
    EXPECT_TRUE(SameExtended(json["GlobalMaxCandela"].get<long double>(),
                             std::strtold("1.18e4932", nullptr)));
    EXPECT_TRUE(json["VerticalAngles"][3].is_number_float()) << "a whole real is still a real";
}

// --- Header lines -----------------------------------------------------------------------------

TEST_F(InfoCommand, Latin1SampleHeaderLineBecomesUtf8) {
    Json json = Info(SamplePath("lm1986_two_planes_latin1.ies"));
    const auto& lines = json["HeaderLines"];
    const bool hasDegree = std::any_of(lines.begin(), lines.end(), [](const Json& line) {
        return line.get<std::string>().find("\xc2\xb0") != std::string::npos;
    });
    EXPECT_TRUE(hasDegree) << "byte 0xB0 of the file is the degree sign";
}

TEST_F(InfoCommand, EachHeaderLineIsDecodedOnItsOwn) {
    const std::string file = "IESNA:LM-63-2002\n[LUMINAIRE] Caf\xe9 lamp\n[LAMP] 45\xc2\xb0 spot\n"
                             "TILT=NONE\n1 1000 1 1 1 1 1 0 0 0 1 1 10\n0\n0\n5\n";
    Json json = Info(WriteFile("mixed.ies", file));
    EXPECT_EQ(json["HeaderLines"], Json({"IESNA:LM-63-2002", "[LUMINAIRE] Caf\xc3\xa9 lamp",
                                         "[LAMP] 45\xc2\xb0 spot", "TILT=NONE"}));
    EXPECT_EQ(json["Description"], "Test: \rManufacturer: \r Caf\xc3\xa9 lamp\r"
                                   "Luminaire catalog: \rLamp: 45\xc2\xb0 spot\rLamp catalog: \r");
}

TEST_F(InfoCommand, HeaderLinesKeepTheirDecodingBesideTheEncodingTheViewerReads) {
    const std::string cyrillic = "\xD1\xE2\xE5\xF2\xE8\xEB\xFC\xED\xE8\xEA"; // Windows-1251
    const std::string file = "IESNA:LM-63-2002\n[LUMINAIRE] " + cyrillic +
                             "\nTILT=NONE\n1 1000 1 1 1 1 1 0 0 0 1 1 10\n0\n0\n5\n";
    Json json = Info(WriteFile("cyrillic.ies", file));
    EXPECT_EQ(json["HeaderLines"][1], "[LUMINAIRE] Ñâåòèëüíèê") << "read as Latin-1";
    EXPECT_EQ(json["HeaderEncoding"], "WINDOWS-1251");
}

// --- The reader's message and failed loads ----------------------------------------------------

TEST_F(InfoCommand, ReaderMessageIsInTheJsonAndOnStderr) {
    const CliRun run = RunCli({"info", SamplePath("lm1991_file_format_error_crlf.ies")});
    EXPECT_EQ(run.exitCode, 0);
    Json json = Json::parse(run.out);
    EXPECT_EQ(json["ParseError"], true);
    EXPECT_EQ(json["Message"], "Error!\r\rLine 3");
    EXPECT_EQ(run.err, "Error!\n\nLine 3\n") << "a terminal shows each line";
}

TEST_F(InfoCommand, FileThatCannotBeOpenedExitsWithItsError) {
    const std::string missing = (dir_ / "no such file.ies").string();
    const CliRun run = RunCli({"info", missing});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("Cannot open file " + missing), std::string::npos) << run.err;
}

TEST_F(InfoCommand, NothingAfterTiltExitsWithItsError) {
    const CliRun run = RunCli({"info", WriteFile("header.ies", "IESNA91\r\nTILT=NONE\r\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("List index out of bounds (0)"), std::string::npos) << run.err;
}

TEST_F(InfoCommand, OversizedGridExitsWithAnError) {
    const CliRun run =
        RunCli({"info", WriteFile("grid.ies", "TILT=NONE\n1 1 1 4096 4096 1 1 0 0 0 1 1 1\n")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("candela values"), std::string::npos) << run.err;
}

// Every subcommand refuses arguments it cannot take with the same exit status and its usage.
TEST_F(InfoCommand, EveryUsageErrorExitsWithTwo) {
    const struct {
        std::vector<std::string> arguments;
        const char* usage;
    } rows[] = {
        {{"info"}, "Usage: lumetra-cli info FILE"},
        {{"gonio", "a.ies"}, "Usage: lumetra-cli gonio"},
        {{"render", "a.ies", "-o", "x.png", "--zoom", "z"}, "Usage: lumetra-cli render"},
        {{"check"}, "Usage: lumetra-cli check"},
        {{"summary", "a.ies", "b.ies"}, "Usage: lumetra-cli summary"},
        {{"sheet", "a.ies"}, "Usage: lumetra-cli sheet"},
        {{"frobnicate"}, "Unknown command 'frobnicate'"},
        {{}, "Usage: lumetra-cli COMMAND"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, 2) << row.usage;
        EXPECT_TRUE(run.out.empty()) << row.usage;
        EXPECT_NE(run.err.find(row.usage), std::string::npos) << run.err;
    }
}

TEST_F(InfoCommand, VersionNamesTheProgram) {
    for (const char* option : {"--version"}) {
        const CliRun run = RunCli({option});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind("lumetra-cli ", 0), 0u) << run.out;
        EXPECT_GT(run.out.size(), std::string("lumetra-cli \n").size()) << run.out;
    }
}

TEST_F(InfoCommand, HelpListsEverySubcommand) {
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    for (const char* command : {"\n  info FILE", "\n  gonio FILE", "\n  render FILE", "--help"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
}

} // namespace
