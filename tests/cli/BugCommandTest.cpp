// lumetra-cli bug: its options, and the command run as a process (exit codes, JSON keys, the
// convention shown, types A and B).

#include "CliProcess.h"
#include "cli/CommandOptions.h"
#include "cli/ExtendedJson.h"
#include "support/Samples.h"

#include <set>

namespace {

using lumetra::cli::Json;
using lumetra::cli::ParseBugOptions;

TEST(BugOptions, FrontAndJsonAnywhere) {
    const struct {
        QStringList arguments;
        bool valid, json;
        std::optional<long double> front;
    } rows[] = {
        {{"a.ies"}, true, false, std::nullopt},
        {{"--json", "a.ies"}, true, true, std::nullopt},
        {{"a.ies", "--front", "90"}, true, false, 90},
        {{"--front=-45.5", "a.ies", "--json"}, true, true, -45.5L},
        {{"a.ies", "--front", "north"}, false, false, std::nullopt},
        {{"a.ies", "--front", "nan"}, false, false, std::nullopt},
        {{"a.ies", "--front"}, false, false, std::nullopt},
        {{"a.ies", "b.ies"}, false, false, std::nullopt},
        {{}, false, false, std::nullopt},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseBugOptions(row.arguments);
        ASSERT_EQ(parsed.options.has_value(), row.valid) << row.arguments.join(' ').toStdString();
        if (!parsed.options) {
            EXPECT_TRUE(
                parsed.error.endsWith("Usage: lumetra-cli bug FILE [--front DEG] [--json]"));
            continue;
        }
        EXPECT_EQ(parsed.options->json, row.json);
        EXPECT_EQ(parsed.options->front, row.front);
        EXPECT_EQ(parsed.options->input, "a.ies");
    }
}

class BugCommand : public lumetra::test::CliTest {};

TEST_F(BugCommand, JsonKeysAndTheFrontGiven) {
    const std::string road = lumetra::test::SamplePath("lm1995_roadway_361x73_crlf.ies");
    const auto run = RunCli({"bug", road, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json json = Json::parse(run.out);
    std::set<std::string> keys;
    for (const auto& item : json.items())
        keys.insert(item.key());
    EXPECT_EQ(keys, (std::set<std::string>{"PhotometricType", "FrontCentre", "Zones", "Forward",
                                           "Back", "Uplight", "Total", "B", "U", "G", "Rating",
                                           "GlareTable", "GAsymmetricTable", "GSymmetricTable",
                                           "UplightDataComplete"}));
    EXPECT_EQ(json["Zones"].size(), 10u);
    EXPECT_EQ(json["FrontCentre"], 0);
    EXPECT_EQ(json["GlareTable"], "asymmetric");
    const auto turned = RunCli({"bug", road, "--json", "--front", "180"});
    const Json back = Json::parse(turned.out);
    EXPECT_EQ(back["Forward"], json["Back"]);
    EXPECT_EQ(back["Zones"]["BM"], json["Zones"]["FM"]);
}

TEST_F(BugCommand, TextShowsConventionAndTypesAAndBAreNotRated) {
    const std::string street =
        lumetra::test::LdtSamplePath("ldt_isym3_72x91_street_empty_direct_ratios.ldt");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char *inOut, *inErr;
    } rows[] = {
        {{"bug", street}, 0, "BUG front centre: C90, street side by the EULUMDAT convention", ""},
        {{"bug", street, "--front", "270"}, 0, "BUG front centre: C270, given", ""},
        {{"bug", lumetra::test::SamplePath("lm2002_typeb_full_73x73.ies")},
         0,
         "BUG rating: needs type C photometry",
         ""},
        {{"bug", (dir_ / "missing.ies").string()}, 1, "", "Cannot open file"},
        {{"bug"}, 2, "", "Usage: lumetra-cli bug FILE"},
    };
    for (const auto& row : rows) {
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_NE(run.out.find(row.inOut), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
    }
}

TEST_F(BugCommand, SummaryCarriesLuminanceOfTheOpening) {
    const std::string file = lumetra::test::SamplePath("lm2002_roadway_199x38_crlf.ies");
    const auto run = RunCli({"summary", "--json", file});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json luminance = Json::parse(run.out)["Luminance"];
    EXPECT_EQ(luminance["Shape"], "box");
    EXPECT_EQ(luminance["Luminance"].size(), 8u);
    EXPECT_EQ(luminance["Luminance"]["C315"].size(), 9u);
    EXPECT_TRUE(luminance["Max"].is_number());
    const auto text = RunCli({"summary", file});
    EXPECT_NE(text.out.find("\nBUG rating: B"), std::string::npos);
    EXPECT_NE(text.out.find("\nMaximum luminance: "), std::string::npos);
}

} // namespace
