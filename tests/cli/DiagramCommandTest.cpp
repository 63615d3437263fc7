// lumetra-cli diagram: its options parsed in process, and one run per format as a process.

#include "CliProcess.h"
#include "cli/CommandOptions.h"
#include "support/Samples.h"

#include <QImage>

namespace {

using lumetra::ExportFormat;
using lumetra::cli::ParseDiagramOptions;
using lumetra::cli::PlaneList;
using lumetra::diagrams::DiagramKind;
using lumetra::diagrams::IntensityUnit;
using lumetra::diagrams::PlaneChoice;

QStringList Arguments(std::initializer_list<const char*> extra) {
    QStringList arguments{"lamp.ies", "-o", "out.png"};
    for (const char* argument : extra)
        arguments << argument;
    return arguments;
}

TEST(DiagramOptions, EveryOptionReachesTheRequest) {
    const auto parsed = ParseDiagramOptions(
        Arguments({"--kind", "cartesian", "--planes", "0,H90,V5", "--unit", "cdklm", "--log",
                   "--lit-half", "--step", "15", "--size", "1200x900", "--view", "-20,45"}));
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    const auto& options = *parsed.options;
    EXPECT_EQ(options.input, "lamp.ies");
    EXPECT_EQ(options.output.format, ExportFormat::Png);
    EXPECT_EQ(options.size, QSize(1200, 900));
    const auto& request = options.request;
    EXPECT_EQ(request.kind, DiagramKind::Cartesian);
    EXPECT_EQ(request.planes, (std::vector<PlaneChoice>{{0, false}, {90, false}, {5, true}}));
    EXPECT_EQ(request.unit, IntensityUnit::CandelaPerKilolumen);
    EXPECT_TRUE(request.logarithmic);
    EXPECT_TRUE(request.litHalfOnly);
    EXPECT_EQ(request.angleStep, 15);
    EXPECT_EQ(request.azimuth, -20);
    EXPECT_EQ(request.elevation, 45);
}

TEST(DiagramOptions, DefaultsAndFormatsFollowTheName) {
    const auto parsed =
        ParseDiagramOptions({"lamp.ldt", "--kind", "solid", "-o", "out.PDF", "--size", "600"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->output.format, ExportFormat::Pdf);
    EXPECT_EQ(parsed.options->size, QSize(600, 600));
    EXPECT_TRUE(parsed.options->request.planes.empty());
    EXPECT_EQ(parsed.options->request.unit, IntensityUnit::Candela);
}

TEST(DiagramOptions, BadValuesAreRefusedWithTheReason) {
    const struct {
        QStringList arguments;
        const char* reason;
    } rows[] = {
        {Arguments({}), "--kind takes"},
        {Arguments({"--kind", "pie"}), "--kind takes"},
        {Arguments({"--kind", "polar", "--planes", "0,x"}), "--planes takes"},
        {Arguments({"--kind", "polar", "--planes", "0,1,2,3,4"}), "--planes takes"},
        {Arguments({"--kind", "polar", "--unit", "lux"}), "--unit takes"},
        {Arguments({"--kind", "polar", "--size", "5000"}), "--size takes"},
        {Arguments({"--kind", "polar", "--size", "10x10"}), "--size takes"},
        {Arguments({"--kind", "polar", "--step", "2"}), "--step takes"},
        {Arguments({"--kind", "solid", "--view", "10,95"}), "--view takes"},
        {{"lamp.ies", "--kind", "polar", "-o", "out.jpg"}, "must end in"},
    };
    for (const auto& row : rows) {
        const auto parsed = ParseDiagramOptions(row.arguments);
        EXPECT_FALSE(parsed.options) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(row.reason)) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.contains("Usage: lumetra-cli diagram"));
    }
    EXPECT_FALSE(PlaneList("400"));
    EXPECT_EQ(PlaneList(" v0 , 45 "), (std::vector<PlaneChoice>{{0, true}, {45, false}}));
}

class DiagramCommand : public lumetra::test::CliTest {};

TEST_F(DiagramCommand, WritesEachFormatAtItsSize) {
    const std::string sample = lumetra::test::SamplePath("lm1995_pendant_more_crlf.ies");
    const auto png = (dir_ / "polar.png").string();
    auto run = RunCli({"diagram", sample, "--kind", "polar", "--size", "640x480", "-o", png});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(640, 480));
    EXPECT_EQ(image.pixelColor(0, 0), Qt::white);
    const auto svg = (dir_ / "cartesian.svg").string();
    run = RunCli({"diagram", sample, "--kind", "cartesian", "-o", svg});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = lumetra::test::ReadWholeFile(svg);
    EXPECT_NE(text.find("lm1995_pendant_more_crlf.ies"), std::string::npos); // the caption
    EXPECT_NE(text.find("Intensity (cd)"), std::string::npos);
    const auto pdf = (dir_ / "polar.pdf").string();
    run = RunCli({"diagram", sample, "--kind", "polar", "-o", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(lumetra::test::ReadWholeFile(pdf).substr(0, 5), "%PDF-");
}

TEST_F(DiagramCommand, AbsolutePhotometryFallsBackToCandelaWithANote) {
    const std::string sample = lumetra::test::SamplePath("lm2002_typeb_flood_45x45_full_crlf.ies");
    const auto svg = (dir_ / "flood.svg").string();
    const auto run =
        RunCli({"diagram", sample, "--kind", "cartesian", "--unit", "cdklm", "-o", svg});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("gives no lamp flux"), std::string::npos);
    EXPECT_NE(lumetra::test::ReadWholeFile(svg).find("Intensity (cd)"), std::string::npos);
}

TEST_F(DiagramCommand, AFileThatDoesNotLoadWritesNothing) {
    const auto out = dir_ / "x.png";
    const auto run =
        RunCli({"diagram", (dir_ / "missing.ies").string(), "--kind", "polar", "-o", out.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
