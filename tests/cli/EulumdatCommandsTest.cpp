// Every subcommand of lumetra-cli on EULUMDAT files, run as a process: exit codes, key outputs and
// the check's findings.

#include "CliProcess.h"

namespace {

namespace fs = std::filesystem;
using EulumdatCommands = lumetra::test::CliTest;

TEST_F(EulumdatCommands, ExitCodesOutputsAndFindings) {
    const std::string samples = LUMETRA_LDT_SAMPLES_DIR "/",
                      broken = LUMETRA_TEST_DATA_DIR "/broken/";
    const std::string fluorescent = samples + "ldt_isym4_24x19_fluorescent_two_lamps.ldt";
    const std::string batwing = samples + "ldt_isym1_19_batwing.ldt";
    const std::string png = (dir_ / "out.png").string();
    const fs::path folder = dir_ / "mixed"; // both formats, one broken, one extension in capitals
    fs::create_directories(folder / "sub");
    fs::copy_file(fluorescent, folder / "sub" / "fluorescent.LDT");
    fs::copy_file(broken + "ldt_isym_5.ldt", folder / "isym5.ldt");
    fs::copy_file(LUMETRA_SAMPLES_DIR "/lm1986_spotlight_axial.ies", folder / "axial.ies");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char *inOut, *inErr;
    } rows[] = {
        {{"info", fluorescent}, 0, "\"Test:  RPT-FL-001\\rManufacturer:  Osram", ""},
        {{"gonio", fluorescent, "-o", png, "--plane", "6"}, 0, "", ""},
        {{"render", batwing, "-o", png}, 0, "", ""},
        {{"summary", fluorescent}, 0, "Lamp flux: 8100 lm\nLight output ratio: 40.2", ""},
        {{"summary", "--json", batwing}, 0, "\"StatedLightOutputRatio\":0.85", ""},
        {{"summary", broken + "ldt_flux_not_a_number.ldt"}, 1, "", "Line 29 of the EULUMDAT file"},
        {{"check", fluorescent}, 0, "two_lamps.ldt: ok\n1 files, 0 errors, 0 warnings", ""},
        {{"check", batwing},
         0,
         ".ldt:23: warning: The intensities give a light output ratio of 291.6 %, the file states "
         "85 %",
         ""},
        {{"check", broken + "ldt_too_few_intensities.ldt"}, 1, ".ldt:67: error: The file ends", ""},
        {{"check", folder.string()}, 1, "fluorescent.LDT: ok\n3 files, 1 errors, 1 warnings", ""},
    };
    for (const auto& row : rows) {
        fs::remove(png);
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.arguments[0] << ": " << run.err;
        EXPECT_NE(run.out.find(row.inOut), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
        const bool writes = row.arguments.size() > 2 && row.arguments[2] == "-o";
        EXPECT_EQ(fs::exists(png) && fs::file_size(png) > 1000, writes) << row.arguments[0];
    }
}

} // namespace
