// lumetra-cli compare: its options in process, then as a process the JSON against each file's
// own summary, a file against itself, and the exit codes.

#include "CliProcess.h"
#include "cli/CommandOptions.h"
#include "cli/ExtendedJson.h"
#include "support/Samples.h"

namespace {

using lumetra::cli::Json;
using lumetra::compare::IntensityUnit;

TEST(CompareOptions, TwoToFourFilesJsonAndUnitAnywhere) {
    const struct {
        QStringList arguments;
        bool accepted;
        int files;
        bool json;
        IntensityUnit unit;
    } rows[] = {
        {{"a.ies", "b.ldt"}, true, 2, false, IntensityUnit::Candela},
        {{"--json", "a", "b", "c", "--unit", "cdklm"},
         true,
         3,
         true,
         IntensityUnit::CandelaPerKilolumen},
        {{"a", "--unit=cd", "b", "c", "d"}, true, 4, false, IntensityUnit::Candela},
        {{"a"}, false, 0, false, {}},
        {{"a", "b", "c", "d", "e"}, false, 0, false, {}},
        {{"a", "b", "--unit", "lm"}, false, 0, false, {}},
        {{"a", "b", "--unit"}, false, 0, false, {}},
        {{"a", "b", "--plane", "2"}, false, 0, false, {}},
    };
    for (const auto& row : rows) {
        const auto parsed = lumetra::cli::ParseCompareOptions(row.arguments);
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        ASSERT_EQ(parsed.options.has_value(), row.accepted);
        if (!row.accepted) {
            EXPECT_TRUE(parsed.error.contains("Usage: lumetra-cli compare A B [C D]"));
            continue;
        }
        EXPECT_EQ(parsed.options->inputs.size(), row.files);
        EXPECT_EQ(parsed.options->json, row.json);
        EXPECT_EQ(parsed.options->unit, row.unit);
    }
}

class CompareCommand : public lumetra::test::CliTest {
  protected:
    Json RunJson(const std::vector<std::string>& arguments) const {
        const auto run = RunCli(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return Json::parse(run.out);
    }
};

const std::string kIes = lumetra::test::SamplePath("lm1995_pendant_more_crlf.ies");
const std::string kOtherIes = lumetra::test::SamplePath("lm1986_spotlight_axial.ies");
const std::string kLdt = lumetra::test::LdtSamplePath("ldt_isym4_24x37_four_fluorescent_lamps.ldt");
const std::string kTypeB = lumetra::test::SamplePath("lm2002_typeb_full_73x73.ies");

TEST_F(CompareCommand, EachSummaryIsTheSummaryCommandsOwn) {
    const Json c = RunJson({"compare", kIes, kLdt, kOtherIes, "--json"});
    EXPECT_EQ(c["Files"], Json({kIes, kLdt, kOtherIes}));
    ASSERT_EQ(c["Summaries"].size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(c["Summaries"][i],
                  RunJson({"summary", "--json", c["Files"][i].get<std::string>()}))
            << i;
    ASSERT_EQ(c["Differences"].size(), 2u);
    const Json& flux = c["Differences"][0]["Figures"]["Flux"];
    const long double expected =
        c["Summaries"][1]["Flux"].get<long double>() - c["Summaries"][0]["Flux"].get<long double>();
    EXPECT_EQ(flux["Absolute"].get<long double>(), expected);
    EXPECT_TRUE(c["Differences"][1]["Figures"]["ZonalFlux"]["0-30"].contains("Percent"));
    const Json& largest = c["LargestIntensityDifference"];
    ASSERT_TRUE(largest.is_object());
    EXPECT_EQ(largest["Unit"], "cd");
    EXPECT_EQ(largest["Value"].get<long double>(),
              largest["Other"].get<long double>() - largest["First"].get<long double>());
}

TEST_F(CompareCommand, AFileWithItselfShowsNoDifferenceInEitherUnit) {
    for (const char* unit : {"cd", "cdklm"}) {
        const Json c = RunJson({"compare", kLdt, kLdt, "--json", "--unit", unit});
        for (const auto& figure : c["Differences"][0]["Figures"].items()) {
            const Json& d = figure.value();
            const Json& plain = d.contains("Absolute") ? d : d.begin().value();
            EXPECT_FALSE(plain["BeyondTolerance"].get<bool>()) << figure.key();
        }
        EXPECT_EQ(c["LargestIntensityDifference"]["Value"].get<long double>(), 0) << unit;
        EXPECT_TRUE(c["LargestIntensityDifference"]["SharedGrid"].get<bool>());
    }
}

TEST_F(CompareCommand, TextTypesAndExitCodes) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char *inOut, *inErr;
    } rows[] = {
        {{"compare", kIes, kOtherIes}, 0, "Largest intensity difference, on the union", ""},
        {{"compare", kIes, kTypeB}, 0, "Intensities not compared", ""},
        {{"compare", kIes, (dir_ / "missing.ies").string()}, 1, "", "Cannot open file"},
        {{"compare", kIes}, 2, "", "Usage: lumetra-cli compare"},
    };
    for (const auto& row : rows) {
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_NE(run.out.find(row.inOut), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
    }
    EXPECT_TRUE(
        RunJson({"compare", kIes, kTypeB, "--json"})["LargestIntensityDifference"].is_null());
}

} // namespace
