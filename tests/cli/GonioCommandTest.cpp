// lumetra-cli gonio, run as a process: options, errors, and what lands in the PNG and SVG files
// (which also exercises the QPainter drawing surface).

#include "CliProcess.h"
#include "support/Samples.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::string kHalf = lumetra::test::SamplePath("lm1991_73x37_half.ies"); // 37 planes 0..180
const std::string kAxial = lumetra::test::SamplePath("lm1995_wall_axial_0_180.ies"); // one plane
const std::string kQuadrant = lumetra::test::SamplePath("lm1986_fluorescent_quadrant_crlf.ies");

using lumetra::test::CliRun;
using lumetra::test::ReadWholeFile;

class GonioCommand : public lumetra::test::CliTest {
  protected:
    fs::path Out(const std::string& name) const { return dir_ / name; }

    // Draws to an SVG file and returns its text.
    std::string Svg(std::vector<std::string> arguments, const std::string& environment = "") {
        arguments.insert(arguments.begin(), "gonio");
        arguments.insert(arguments.end(), {"-o", Out("out.svg").string()});
        const CliRun result = RunCli(arguments, environment);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return ReadWholeFile(Out("out.svg"));
    }
};

// The SVG generator writes one <g> of attributes per drawing state around the shapes drawn in it.
struct SvgGroup {
    std::string attributes;
    std::string content;
};

std::vector<SvgGroup> Groups(const std::string& svg) {
    std::vector<SvgGroup> groups;
    static const std::regex group(R"(<g ([^>]*)>([\s\S]*?)</g>)");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), group);
         it != std::sregex_iterator(); ++it)
        groups.push_back({(*it)[1].str(), (*it)[2].str()});
    return groups;
}

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

// Polylines drawn with the given stroke colour.
std::vector<std::string> PolylinesIn(const std::string& svg, const std::string& stroke) {
    std::vector<std::string> lines;
    static const std::regex polyline(R"re(<polyline[^>]*points="([^"]*)")re");
    for (const auto& g : Groups(svg)) {
        if (g.attributes.find("stroke=\"" + stroke + "\"") == std::string::npos)
            continue;
        for (auto it = std::sregex_iterator(g.content.begin(), g.content.end(), polyline);
             it != std::sregex_iterator(); ++it)
            lines.push_back((*it)[1].str());
    }
    return lines;
}

std::vector<std::string> Texts(const std::string& svg) {
    std::vector<std::string> texts;
    static const std::regex text(R"(<text[^>]*>([^<]*)</text>)");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), text); it != std::sregex_iterator();
         ++it)
        texts.push_back((*it)[1].str());
    return texts;
}

bool HasText(const std::string& svg, const std::string& wanted) {
    const auto texts = Texts(svg);
    return std::find(texts.begin(), texts.end(), wanted) != texts.end();
}

TEST_F(GonioCommand, WritesAPngOfTheRequestedSize) {
    for (const auto& [size, expected] : {std::pair<std::string, unsigned>{"", 400},
                                         std::pair<std::string, unsigned>{"257", 257}}) {
        std::vector<std::string> arguments{"gonio", kHalf, "-o", Out("g.png").string()};
        if (!size.empty())
            arguments.insert(arguments.end(), {"--size", size});
        const CliRun result = RunCli(arguments);
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const std::string png = ReadWholeFile(Out("g.png"));
        ASSERT_GT(png.size(), 24u);
        EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
        EXPECT_EQ(png.substr(12, 4), "IHDR");
        auto word = [&](std::size_t at) {
            return static_cast<unsigned>(static_cast<unsigned char>(png[at])) << 24 |
                   static_cast<unsigned>(static_cast<unsigned char>(png[at + 1])) << 16 |
                   static_cast<unsigned>(static_cast<unsigned char>(png[at + 2])) << 8 |
                   static_cast<unsigned>(static_cast<unsigned char>(png[at + 3]));
        };
        EXPECT_EQ(word(16), expected);
        EXPECT_EQ(word(20), expected);
    }
}

TEST_F(GonioCommand, SvgHasGridScaleCaptionsAndTheMainPairInRed) {
    const std::string svg = Svg({kHalf, "--size", "400"});
    EXPECT_TRUE(HasText(svg, "Maximum Intensity =2734.7"));
    EXPECT_TRUE(HasText(svg, "Degrees=0"));
    EXPECT_TRUE(HasText(svg, "0"));
    // The main pair: two polylines of 73 points plus the repeated first one.
    const auto red = PolylinesIn(svg, "#ff0000");
    ASSERT_EQ(red.size(), 2u);
    for (const auto& points : red)
        EXPECT_EQ(Count(points, ","), 74u);
    // Both halves start at the nadir, straight below the centre (200, 200).
    EXPECT_EQ(red[0].substr(0, red[0].find(' ')), red[1].substr(0, red[1].find(' ')));
    EXPECT_EQ(red[0].substr(0, 4), "200,");
    // Grid lines in grey, rings in darker grey, ring labels in 11-pixel arial.
    EXPECT_GE(PolylinesIn(svg, "#808080").size(), 2u + 37u);
    EXPECT_NE(svg.find("font-family=\"arial\" font-size=\"11\""), std::string::npos);
}

TEST_F(GonioCommand, BoxesKeepTheirRightAndBottomEdgesOutside) {
    const std::string svg = Svg({kHalf, "--size", "400"});
    // The frame of the box (0, 0, 400, 400) runs along its last pixels, 0 and 399.
    EXPECT_NE(svg.find("<rect x=\"0\" y=\"0\" width=\"399\" height=\"399\"/>"), std::string::npos);
    // The inner circle's box (180, 180, 220, 220) covers pixels 180 to 219.
    EXPECT_NE(svg.find("<circle cx=\"199.5\" cy=\"199.5\" r=\"19.5\"/>"), std::string::npos);
}

TEST_F(GonioCommand, RingsAreOutlinesAndTheInnerCircleIsFilled) {
    const std::string svg = Svg({kHalf});
    std::size_t rings = 0;
    for (const auto& g : Groups(svg)) {
        const std::size_t circles = Count(g.content, "<circle");
        if (circles == 0)
            continue;
        if (g.attributes.find("stroke=\"#646464\"") != std::string::npos) {
            EXPECT_NE(g.attributes.find("fill=\"none\""), std::string::npos) << g.attributes;
            rings += circles;
        } else {
            EXPECT_EQ(g.attributes.find("fill=\"none\""), std::string::npos) << g.attributes;
        }
    }
    EXPECT_EQ(rings, 8u); // rings 1 to 8; ring 0 is empty
}

TEST_F(GonioCommand, BackgroundIsThePaletteButtonFace) {
    const std::string svg = Svg({kHalf});
    static const std::regex background(
        R"re(fill="#([0-9a-f]{6})"[^>]*>\s*<rect x="0" y="0" width="400" height="400")re");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(svg, match, background));
    const std::string rgb = match[1].str();
    // A grey, not the button-face sentinel passed through as a colour.
    EXPECT_EQ(rgb.substr(0, 2), rgb.substr(2, 2));
    EXPECT_EQ(rgb.substr(2, 2), rgb.substr(4, 2));
    EXPECT_GT(std::stoi(rgb.substr(0, 2), nullptr, 16), 0xA0);
}

TEST_F(GonioCommand, PlaneOptionPicksThePlaneAndItsOpposite) {
    const std::string svg = Svg({kHalf, "--plane", "3"});
    EXPECT_TRUE(HasText(svg, "Degrees=15"));
    EXPECT_EQ(PolylinesIn(svg, "#ff0000").size(), 2u);
}

TEST_F(GonioCommand, FitScalesToThePeakOfTheDrawnPair) {
    // Half data: plane 3 (15 degrees) pairs with plane 33 (165 degrees).
    const CliRun info = RunCli({"info", kHalf});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    const auto json = nlohmann::json::parse(info.out);
    double peak = 0;
    for (const int plane : {3, 33})
        for (const double value : json["Candela"][plane])
            peak = std::max(peak, value);
    std::ostringstream expected;
    expected.precision(15);
    expected << "Maximum Intensity =" << peak;

    const std::string fitted = Svg({kHalf, "--plane", "3", "--fit"});
    EXPECT_TRUE(HasText(fitted, expected.str())) << expected.str();
    const std::string unfitted = Svg({kHalf, "--plane", "3"});
    EXPECT_TRUE(HasText(unfitted, "Maximum Intensity =2734.7"));
}

TEST_F(GonioCommand, OrthogonalPairOnlyAtPlaneZero) {
    const std::string atZero = Svg({kQuadrant, "--ortho"});
    EXPECT_EQ(PolylinesIn(atZero, "#c88080").size(), 2u);
    EXPECT_EQ(PolylinesIn(atZero, "#ff0000").size(), 2u);
    // Drawn underneath: the pale pair comes first.
    EXPECT_LT(atZero.find("#c88080"), atZero.find("#ff0000"));

    const std::string atOne = Svg({kQuadrant, "--ortho", "--plane", "1"});
    EXPECT_TRUE(PolylinesIn(atOne, "#c88080").empty());
}

// A German locale writes the decimal comma and, in German, the captions.
TEST_F(GonioCommand, DecimalSeparatorAndCaptionsFollowTheLocale) {
    const std::string svg = Svg({kHalf}, "LC_ALL=de_DE.UTF-8");
    EXPECT_TRUE(HasText(svg, "Maximale Lichtstärke =2734,7")) << svg.substr(0, 2000);
}

TEST_F(GonioCommand, FileWithoutPlanesDrawsTheBareGrid) {
    const std::string out = Out("bare.svg").string();
    const CliRun result =
        RunCli({"gonio", lumetra::test::SamplePath("broken_gibberish_no_tilt.ies"), "-o", out});
    EXPECT_EQ(result.exitCode, 3) << "written, with the reader's message: " << result.err;
    EXPECT_EQ(result.err, "Error!\n\nLine 1\n");
    const std::string svg = ReadWholeFile(out);
    EXPECT_TRUE(Texts(svg).empty());
    EXPECT_GE(PolylinesIn(svg, "#808080").size(), 2u + 37u);
}

TEST_F(GonioCommand, PlaneOutOfRangeIsAClearError) {
    for (const auto& [file, plane, range] :
         {std::tuple<std::string, std::string, std::string>{kHalf, "37", "0 to 36"},
          {kAxial, "1", "0 to 0"}}) {
        const CliRun result =
            RunCli({"gonio", file, "-o", Out("x.png").string(), "--plane", plane});
        EXPECT_EQ(result.exitCode, 1) << plane;
        EXPECT_NE(result.err.find("Plane " + plane + " is out of range"), std::string::npos)
            << result.err;
        EXPECT_NE(result.err.find(range), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(Out("x.png")));
    }
}

// Which options are refused is tested in process; here the exit code and that nothing is written.
TEST_F(GonioCommand, BadOptionsExitWithTwoAndTheUsage) {
    const std::string png = Out("x.png").string();
    const CliRun result = RunCli({"gonio", kHalf, "-o", png, "--size", "0"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("Usage: lumetra-cli gonio"), std::string::npos) << result.err;
    EXPECT_FALSE(fs::exists(png));
}

TEST_F(GonioCommand, UnreadableInputOrUnwritableOutputFails) {
    CliRun result = RunCli({"gonio", Out("missing.ies").string(), "-o", Out("x.png").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot open file"), std::string::npos) << result.err;

    for (const std::string name : {"no/such/folder/x.png", "no/such/folder/x.svg"}) {
        result = RunCli({"gonio", kHalf, "-o", Out(name).string()});
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_NE(result.err.find("Cannot write"), std::string::npos) << result.err;
    }
}

} // namespace
