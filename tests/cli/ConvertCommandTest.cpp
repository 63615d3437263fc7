// lumetra-cli convert: options, a single file, a folder with its summary and exit status, and
// never an input or an existing file replaced.

#include "CliProcess.h"
#include "cli/CommandOptions.h"
#include "data/Loading.h"
#include "eulumdat/PhotometryFile.h"
#include "support/Samples.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace lumetra::cli {
namespace {

using test::LdtSamplePath;
using test::SamplePath;

namespace fs = std::filesystem;

TEST(ConvertOptions, RefusesWhatItCannotDoWithItsUsage) {
    const struct {
        QStringList arguments;
        const char* error;
    } rows[] = {
        {{"in.ies"}, "Missing the output file"},
        {{"in.ies", "-o", "x.ldt", "--lumens", "0"}, "--lumens takes a positive number"},
        {{"in.ies", "-o", "x.ldt", "--multiply", "-2"}, "--multiply takes a positive factor"},
        {{"in.ies", "-o", "x.ldt", "--rotate", "45"}, "--rotate takes 90, 180 or 270"},
        {{"in.ies", "-o", "x.ldt", "--ies-version", "1995"}, "--ies-version takes 2002 or 2019"},
        {{"in", "-o", "out", "--to", "xml"}, "--to takes ies or ldt"},
        {{"in", "-o", "out", "--jobs", "0"}, "--jobs takes a whole number from 1 to 256: 0"},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseConvertOptions(row.arguments);
        EXPECT_FALSE(parsed.options) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(row.error)) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.contains("Usage: lumetra-cli convert"));
    }
}

TEST(ConvertOptions, TakesEveryOption) {
    const auto parsed = ParseConvertOptions({"in", "-o", "out", "--to", "LDT", "--lumens", "2500",
                                             "--multiply", "0.5", "--rotate", "270", "--force",
                                             "--lenient", "--jobs", "3", "--ies-version", "2019"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    const ConvertOptions& o = *parsed.options;
    EXPECT_EQ(o.to, "ldt");
    EXPECT_EQ(o.lumens, 2500);
    EXPECT_EQ(o.multiply, 0.5);
    EXPECT_EQ(o.rotate, 270);
    EXPECT_TRUE(o.force && o.lenient && o.iesVersion2019);
    EXPECT_EQ(o.jobs, 3u);
}

using ConvertCommand = test::CliTest;
using test::ReadWholeFile;

TEST_F(ConvertCommand, OneFileEachWayReadsBackInTheViewer) {
    const std::string ldt = (dir_ / "out.LDT").string();
    auto run = RunCli({"convert", SamplePath("lm1995_bilateral_90_270.ies"), "-o", ldt});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string ies = (dir_ / "back.ies").string();
    run = RunCli({"convert", ldt, "-o", ies, "--ies-version", "2019"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(ies).rfind("IES:LM-63-2019\r\n", 0), 0u);
    tIES record;
    TextLines lines, header;
    LuminaireFacts facts;
    EXPECT_FALSE(LoadPhotometryFile(ies, record, lines, header, nullptr, facts));
    EXPECT_EQ(record.HorizontalCount, 37);
}

TEST_F(ConvertCommand, AnExistingOutputIsKeptWithoutForceAndTheInputNeverReplaced) {
    const std::string out = folder_->Write("out.ies", "keep me");
    const std::string input = SamplePath("lm1995_wall_axial_0_180.ies");
    auto run = RunCli({"convert", input, "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("exists already; --force replaces it"), std::string::npos) << run.err;
    EXPECT_EQ(ReadWholeFile(out), "keep me");
    run = RunCli({"convert", input, "-o", out, "--force"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(ReadWholeFile(out), "keep me");
    run = RunCli({"convert", out, "-o", out, "--force"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
}

TEST_F(ConvertCommand, AFolderKeepsItsPathsAndSumsUpWhatFailed) {
    const fs::path in = dir_ / "in";
    fs::create_directories(in / "sub");
    fs::copy_file(LdtSamplePath("ldt_isym1_19_batwing.ldt"), in / "sub" / "batwing.ldt");
    fs::copy_file(SamplePath("lm1995_wall_axial_0_180.ies"), in / "wall.IES");
    fs::copy_file(SamplePath("lm2002_typeb_full_73x73.ies"), in / "typeb.ies");
    folder_->Write("in/broken.ies", "nothing here");
    const fs::path out = dir_ / "out";
    const auto run =
        RunCli({"convert", in.string(), "-o", out.string(), "--to", "ldt", "--jobs", "2"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(fs::exists(out / "sub" / "batwing.ldt"));
    EXPECT_TRUE(fs::exists(out / "wall.ldt"));
    EXPECT_FALSE(fs::exists(out / "typeb.ldt"));
    EXPECT_EQ(run.out.rfind("2 written, 2 failed: ", 0), 0u) << run.out;
    EXPECT_NE(run.err.find("typeb.ies: error: EULUMDAT holds type C photometry only"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("Converting:"), std::string::npos) << "a progress line off a terminal";
}

TEST_F(ConvertCommand, TabSeparatedNumbersAreRefusedUnlessReadLeniently) {
    const std::string out = (dir_ / "clean.ies").string();
    const std::string input = SamplePath("lm2002_tab_separated_candela.ies");
    auto run = RunCli({"convert", input, "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("--lenient"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
    run = RunCli({"convert", input, "-o", out, "--lenient"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(out).find('\t'), std::string::npos);
}

} // namespace
} // namespace lumetra::cli
