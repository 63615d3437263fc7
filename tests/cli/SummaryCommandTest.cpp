// lumetra-cli summary, run as a process: exit codes, error texts and the JSON keys.

#include "CliProcess.h"
#include "cli/ExtendedJson.h"

#include <fstream>
#include <set>

namespace {

using lumetra::cli::Json;
class SummaryCommand : public lumetra::test::CliTest {};

TEST_F(SummaryCommand, ExitCodesMessagesAndJsonKeys) {
    const std::string sample = std::string(LUMETRA_SAMPLES_DIR) + "/lm2002_typeb_full_73x73.ies";
    const std::string empty = (dir_ / "empty.ies").string();
    std::ofstream(empty) << "IESNA:LM-63-2002\nTILT=NONE\n1 1000 1 0 0 1 1 0 0 0\n1 1 10\n";
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char *inOut, *inErr;
    } rows[] = {
        {{"summary", sample}, 0, "Beam angle (Horizontal): ", ""},
        {{"summary", (dir_ / "missing.ies").string()}, 1, "", "Cannot open file"},
        {{"summary", empty}, 1, "", "The file holds no photometric data"},
        {{"summary"}, 2, "", "Usage: lumetra-cli summary FILE [--json]"},
    };
    for (const auto& row : rows) {
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_NE(run.out.find(row.inOut), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
    }
    const auto run = RunCli({"summary", "--json", sample});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json json = Json::parse(run.out);
    std::set<std::string> keys;
    for (const auto& item : json.items())
        keys.insert(item.key());
    EXPECT_EQ(keys, (std::set<std::string>{"PhotometricType",
                                           "Symmetry",
                                           "Flux",
                                           "DownwardFlux",
                                           "UpwardFlux",
                                           "DownwardFluxFraction",
                                           "ZonalFlux",
                                           "LampFlux",
                                           "LightOutputRatio",
                                           "InputWatts",
                                           "Efficacy",
                                           "MaxIntensity",
                                           "MaxIntensityC",
                                           "MaxIntensityGamma",
                                           "BeamAngle",
                                           "FieldAngle",
                                           "BeamAngleCIE",
                                           "FieldAngleCIE",
                                           "StatedLightOutputRatio",
                                           "StatedDownwardFluxFraction",
                                           "BUG",
                                           "Luminance"}));
    EXPECT_EQ(json["PhotometricType"], "B");
    EXPECT_TRUE(json["ZonalFlux"]["0-90"].is_null() && json["Flux"].is_number());
    EXPECT_TRUE(json["BeamAngle"]["Vertical"].is_number());
    // Type B: the compliance figures need type C photometry.
    EXPECT_EQ(json["BUG"]["PhotometricType"], "B");
    EXPECT_TRUE(json["BUG"]["Rating"].is_null() && json["BUG"]["Zones"].is_null());
    EXPECT_TRUE(json["Luminance"]["Luminance"].is_null() && json["Luminance"]["Max"].is_null());
    EXPECT_EQ(json["Luminance"]["Planes"].size(), 8u);
}

} // namespace
