// Every subcommand of lumetra-cli on EULUMDAT files, run as a process: exit codes, key outputs and
// the check's findings.

#include "CliProcess.h"
#include "support/Samples.h"

namespace {

namespace fs = std::filesystem;
using EulumdatCommands = lumetra::test::CliTest;

TEST_F(EulumdatCommands, ExitCodesOutputsAndFindings) {
    using lumetra::test::BrokenFile;
    using lumetra::test::LdtSamplePath;
    const std::string fluorescent = LdtSamplePath("ldt_isym4_24x19_fluorescent_two_lamps.ldt");
    const std::string png = (dir_ / "out.png").string(), mixed = (dir_ / "mixed").string();
    // Both formats, one file broken, one extension in capitals.
    fs::create_directories(mixed + "/sub");
    fs::copy_file(fluorescent, mixed + "/sub/fluorescent.LDT");
    fs::copy_file(BrokenFile("ldt_isym_5.ldt"), mixed + "/isym5.ldt");
    fs::copy_file(lumetra::test::SamplePath("lm1986_spotlight_axial.ies"), mixed + "/axial.ies");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* inOut;
    } rows[] = {
        {{"info", fluorescent}, 0, "\"Test:  RPT-FL-001\\rManufacturer:  Osram"},
        {{"gonio", fluorescent, "-o", png, "--plane", "6"}, 0, ""},
        {{"render", LdtSamplePath("ldt_isym1_19_batwing.ldt"), "-o", png}, 0, ""},
        {{"summary", fluorescent}, 0, "Lamp flux: 8100 lm\nLight output ratio: 40.3 %"},
        {{"check", LdtSamplePath("ldt_isym1_19_batwing.ldt")},
         0,
         ":23: warning: The intensities give a light output ratio of 291.6 %, the file "
         "states 85 %"},
        {{"check", BrokenFile("ldt_too_few_intensities.ldt")}, 1, ".ldt:67: error: The file ends"},
        {{"check", mixed}, 1, "fluorescent.LDT: ok\n3 files, 1 errors, 1 warnings"},
    };
    for (const auto& row : rows) {
        fs::remove(png);
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.arguments[0] << ": " << run.err;
        EXPECT_NE(run.out.find(row.inOut), std::string::npos) << run.out;
        const bool writes = row.arguments.size() > 2 && row.arguments[2] == "-o";
        EXPECT_EQ(fs::exists(png) && fs::file_size(png) > 1000, writes) << row.arguments[0];
    }
}

} // namespace
