// lumetra-cli illuminance: options in process, then exit codes, texts, JSON keys and files as a
// process.

#include "CliProcess.h"
#include "cli/CommandOptions.h"
#include "cli/ExtendedJson.h"
#include "support/Samples.h"

#include <QImage>
#include <fstream>
#include <set>

namespace {

using lumetra::cli::Json;
using lumetra::cli::ParseIlluminanceOptions;
class IlluminanceCommand : public lumetra::test::CliTest {};

const std::string kDownlight = lumetra::test::SamplePath("lm1986_spotlight_axial.ies");

TEST(IlluminanceOptions, UsageErrorsNameTheOption) {
    const struct {
        QStringList arguments;
        const char* error; // empty: accepted
    } rows[] = {
        {{"a.ies"}, ""},
        {{"a.ies", "--height", "2.5", "--size", "0.3", "--step", "0.1", "--wall", "4"}, ""},
        {{"a.ies", "--size", "10", "--step", "0.3"},
         "--size 10 is not a whole number of --step 0.3"},
        {{"a.ies", "--size", "10", "--step", "0.001"},
         "--size 10 / --step 0.001 is more than 1000"},
        {{"a.ies", "--height", "3m"}, "--height takes a number in metres, not '3m'"},
        {{"a.ies", "--height", "0"}, "The mounting height must be above 0."},
        {{"a.ies", "--wall", "-1"}, "The wall distance must be above 0."},
        {{"a.ies", "-o", "out.jpg"}, "must end in .png, .svg, .pdf or .csv"},
        {{}, "exactly one input file"},
        {{"a.ies", "--frobnicate"}, "Unknown option"},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseIlluminanceOptions(row.arguments);
        if (*row.error == '\0') {
            EXPECT_TRUE(parsed.options) << parsed.error.toStdString();
            continue;
        }
        ASSERT_FALSE(parsed.options) << row.error;
        EXPECT_TRUE(parsed.error.contains(row.error)) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.contains("Usage: lumetra-cli illuminance"));
    }
    const auto parsed =
        ParseIlluminanceOptions({"a.ies", "--height", "2.5", "--size", "0.3", "--step", "0.1"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->request.Height, 2.5L);
    EXPECT_EQ(parsed.options->request.Step, 0.1L); // read in extended precision
    EXPECT_FALSE(parsed.options->request.Wall);
}

std::set<std::string> Keys(const Json& json) {
    std::set<std::string> keys;
    for (const auto& item : json.items())
        keys.insert(item.key());
    return keys;
}

TEST_F(IlluminanceCommand, JsonHoldsTheGridAndTheWall) {
    const auto run = RunCli({"illuminance", kDownlight, "--json", "--height", "2", "--size", "4",
                             "--step", "1", "--wall", "1.5"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(Keys(json),
              (std::set<std::string>{"PhotometricType", "Height", "Size", "Step", "N", "X", "Y",
                                     "E", "Max", "Min", "Avg", "MinOverAvg", "MaxAt", "Vertical"}));
    EXPECT_EQ(Keys(json["Vertical"]), (std::set<std::string>{"Distance", "Y", "Z", "E", "Max",
                                                             "Min", "Avg", "MinOverAvg", "MaxAt"}));
    EXPECT_EQ(json["N"], 4);
    EXPECT_EQ(json["X"].size(), 5u);
    EXPECT_EQ(json["Y"][0], -2.0L);
    ASSERT_EQ(json["E"].size(), 5u);
    EXPECT_EQ(json["E"][2][2], json["Max"]); // an axial downlight peaks straight below
    EXPECT_EQ(json["MaxAt"], Json::array({0.0L, 0.0L}));
    EXPECT_EQ(json["Vertical"]["Z"][4], 4.0L);
}

TEST_F(IlluminanceCommand, TypeBIsRefusedAndFilesAreWritten) {
    const std::string typeB = lumetra::test::SamplePath("lm2002_typeb_full_73x73.ies");
    const auto refused = RunCli({"illuminance", typeB, "--json"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("needs type C photometry"), std::string::npos) << refused.err;
    const Json json = Json::parse(refused.out);
    EXPECT_EQ(json["PhotometricType"], "B");
    EXPECT_TRUE(json["E"].is_null() && json["Max"].is_null() && json["MaxAt"].is_null());
    EXPECT_EQ(RunCli({"illuminance", typeB}).exitCode, 1);

    for (const char* name : {"floor.png", "floor.svg", "floor.pdf", "floor.csv"}) {
        const auto path = (dir_ / name).string();
        const auto run = RunCli(
            {"illuminance", kDownlight, "--size", "4", "--step", "0.5", "--wall", "2", "-o", path});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        ASSERT_GT(std::filesystem::file_size(path), 200u) << name;
    }
    EXPECT_EQ(QImage(QString::fromStdString((dir_ / "floor.png").string())).width(), 2000);
    std::ifstream csv(dir_ / "floor.csv");
    std::string header;
    std::getline(csv, header);
    EXPECT_EQ(header.rfind("\"y (m) \\ x (m), E (lx)\",-2,-1.5,", 0), 0u) << header;
}

TEST_F(IlluminanceCommand, FiguresAsTextWithoutJson) {
    const auto run = RunCli({"illuminance", kDownlight});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("Floor E max: "), std::string::npos);
    EXPECT_NE(run.out.find(" lx at (0, 0) m"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("Wall"), std::string::npos);
}

} // namespace
