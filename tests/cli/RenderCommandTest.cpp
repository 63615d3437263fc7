// lumetra-cli render, run as a process: options, clamping, errors, and the PNG it writes. The
// grey levels themselves are the renderer's tests' business; here equal pictures are equal files.

#include "CliProcess.h"
#include "support/Samples.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kHalfDegree =
    lumetra::test::SamplePath("lm2002_181x73_half_degree.ies"); // 73 planes 0..360

// One plane whose values are all negative: the pair peak is 0 and the first sample divides by it.
const char* const kNegativeFile = "IESNA:LM-63-2002\n"
                                  "TILT=NONE\n"
                                  "1 1000 1 3 1 1 2 0 0 0\n"
                                  "1 1 100\n"
                                  "0 45 90\n"
                                  "0\n"
                                  "-5 -7 -1\n";

unsigned BigEndian(const std::string& bytes, std::size_t at) {
    unsigned value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

using lumetra::test::CliRun;
using lumetra::test::ReadWholeFile;

class RenderCommand : public lumetra::test::CliTest {
  protected:
    fs::path Out(const std::string& name) const { return dir_ / name; }

    CliRun Run(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), "render");
        return RunCli(arguments);
    }

    // Renders to a fresh PNG and returns its bytes.
    std::string Png(std::vector<std::string> arguments) {
        const fs::path out = Out("picture" + std::to_string(count_++) + ".png");
        arguments.insert(arguments.end(), {"-o", out.string()});
        const CliRun result = Run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return ReadWholeFile(out);
    }

    fs::path WriteIes(const std::string& text) const { return folder_->Write("input.ies", text); }

    int count_ = 0;
};

TEST_F(RenderCommand, WritesThePictureAsA300By300GreyPng) {
    const std::string png = Png({kHalfDegree});
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), 300u);
    EXPECT_EQ(BigEndian(png, 20), 300u);
    EXPECT_EQ(png[24], 8); // bits per sample
    EXPECT_EQ(png[25], 0); // grey, no alpha
}

TEST_F(RenderCommand, DefaultsAreThoseOfTheRenderWindow) {
    const std::string defaults = Png({kHalfDegree});
    EXPECT_EQ(Png({kHalfDegree, "--plane", "0", "--brightness", "15", "--zoom", "500"}), defaults);
    EXPECT_NE(Png({kHalfDegree, "--brightness", "16"}), defaults);
    EXPECT_NE(Png({kHalfDegree, "--zoom", "499"}), defaults);
    EXPECT_NE(Png({kHalfDegree, "--radiosity"}), defaults);
    EXPECT_NE(Png({kHalfDegree, "--plane", "9"}), defaults);
}

TEST_F(RenderCommand, ClampsValuesAsTheBarsDo) {
    EXPECT_EQ(Png({kHalfDegree, "--brightness", "500"}), Png({kHalfDegree, "--brightness", "100"}));
    EXPECT_EQ(Png({kHalfDegree, "--brightness", "0"}), Png({kHalfDegree, "--brightness", "1"}));
    EXPECT_EQ(Png({kHalfDegree, "--zoom", "0"}), Png({kHalfDegree, "--zoom", "1"}));
    EXPECT_EQ(Png({kHalfDegree, "--zoom", "-7", "--radiosity"}),
              Png({kHalfDegree, "--zoom", "1", "--radiosity"}));
    EXPECT_EQ(Png({kHalfDegree, "--zoom", "99999999999"}), Png({kHalfDegree, "--zoom", "10000"}));
}

TEST_F(RenderCommand, AFailedPassPrintsItsErrorAndWritesNothing) {
    const fs::path input = WriteIes(kNegativeFile);
    const fs::path out = folder_->Write("kept.png", "earlier picture");
    const CliRun result = Run({input.string(), "-o", out.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Floating point division by zero\n"), std::string::npos)
        << result.err;
    EXPECT_EQ(ReadWholeFile(out), "earlier picture");
    const fs::path fresh = Out("fresh.png");
    EXPECT_EQ(Run({input.string(), "-o", fresh.string()}).exitCode, 1);
    EXPECT_FALSE(fs::exists(fresh));
}

TEST_F(RenderCommand, RefusesBadArgumentsAndMissingFiles) {
    const std::string out = Out("out.png").string();
    const auto fails = [&](std::vector<std::string> arguments, const std::string& text,
                           int exitCode) {
        const CliRun result = Run(arguments);
        EXPECT_EQ(result.exitCode, exitCode) << text;
        EXPECT_NE(result.err.find(text), std::string::npos) << result.err;
    };
    fails({kHalfDegree, "-o", out, "--zoom", "wide"}, "--zoom takes a whole number", 2);
    fails({kHalfDegree, "-o", out, "--plane", "73"}, "Plane 73 is out of range", 1);
    fails({Out("missing.ies").string(), "-o", out}, "Cannot open file", 1);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderCommand, AReaderMessageStillWritesThePictureAndExitsThree) {
    const fs::path input = WriteIes("IESNA:LM-63-2002\nTILT=NONE\n1 1000 1 3 1 1 2 0 0 0\n1 1 100\n"
                                    "0 45 90\n0\n100 5x0 20\n");
    const fs::path out = Out("out.png");
    const CliRun result = Run({input.string(), "-o", out.string()});
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.err, "Error!\n\nLine 7\n");
    const std::string png = ReadWholeFile(out);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(BigEndian(png, 16), 300u);
}

TEST_F(RenderCommand, AFileWithoutAnglesHasNothingToRender) {
    const fs::path input =
        WriteIes("IESNA:LM-63-2002\nTILT=NONE\n1 1000 1 0 0 1 2 0 0 0\n1 1 100\n");
    const fs::path out = Out("out.png");
    const CliRun result = Run({input.string(), "-o", out.string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Nothing to render"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
