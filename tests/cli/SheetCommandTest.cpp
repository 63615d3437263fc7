// lumetra-cli sheet, run as a process: a one-page PDF whose text names the luminaire and its
// flux, on the page size of the locale; names and folders it cannot use are errors.

#include "CliProcess.h"
#include "cli/ExtendedJson.h"
#include "support/Samples.h"

#include <fstream>
#include <sstream>

namespace {

using lumetra::cli::Json;
namespace fs = std::filesystem;
class SheetCommand : public lumetra::test::CliTest {
  protected:
    // What a poppler tool prints for the PDF.
    std::string Poppler(const std::string& tool, const std::string& pdf) const {
        std::vector<std::string> arguments = {pdf};
        if (tool == "pdftotext")
            arguments.push_back("-"); // the text on standard output
        const auto run = lumetra::test::RunProcess(tool, arguments, *folder_);
        EXPECT_EQ(run.exitCode, 0) << tool << " " << pdf << ": " << run.err;
        return run.out;
    }
    // The value of "caption: value" in the text summary.
    std::string SummaryValue(const std::string& sample, const std::string& caption,
                             const std::string& locale) const {
        const auto run = RunCli({"summary", sample}, locale);
        const auto at = run.out.find(caption + ": ");
        EXPECT_NE(at, std::string::npos) << run.out;
        const auto from = at + caption.size() + 2;
        return run.out.substr(from, run.out.find('\n', from) - from);
    }
};

TEST_F(SheetCommand, TwoPagesAtMostWithTheLuminaireAndItsFluxOnTheLocalePaper) {
    const std::string sample = lumetra::test::SamplePath("lm1995_pendant_more_crlf.ies");
    const auto info = RunCli({"info", sample});
    ASSERT_EQ(info.exitCode, 0) << info.err;
    // The description's third line names the luminaire.
    std::stringstream description(Json::parse(info.out)["Description"].get<std::string>());
    std::string luminaire;
    for (int line = 0; line < 3; ++line)
        std::getline(description, luminaire, '\r');
    ASSERT_FALSE(luminaire.empty());
    // The locale chooses the paper, the number format and the language of the captions.
    const struct {
        const char* locale;
        const char* pageSize;
        const char* fluxCaption;
    } rows[] = {{"LC_ALL=C.UTF-8", "595 x 842 pts (A4)", "Luminous flux"},
                {"LC_ALL=de_DE.UTF-8", "595 x 842 pts (A4)", "Lichtstrom"},
                {"LC_ALL=en_US.UTF-8", "612 x 792 pts (letter)", "Luminous flux"}};
    for (const auto& row : rows) {
        const std::string pdf = (dir_ / "sheet").string(); // ".pdf" is added
        const std::string flux = SummaryValue(sample, row.fluxCaption, row.locale);
        const auto run = RunCli({"sheet", sample, "-o", pdf}, row.locale);
        ASSERT_EQ(run.exitCode, 0) << row.locale << run.err;
        const std::string properties = Poppler("pdfinfo", pdf + ".pdf");
        EXPECT_NE(properties.find("Pages:           2\n"), std::string::npos) << properties;
        EXPECT_NE(properties.find(row.pageSize), std::string::npos) << properties;
        const std::string text = Poppler("pdftotext", pdf + ".pdf");
        EXPECT_NE(text.find(luminaire), std::string::npos) << luminaire << "\n" << text;
        EXPECT_NE(text.find(row.fluxCaption), std::string::npos) << text;
        EXPECT_NE(text.find(flux), std::string::npos) << flux << "\n" << text;
    }
}

TEST_F(SheetCommand, NamesAndFoldersItCannotUseAreErrors) {
    const std::string sample = lumetra::test::SamplePath("lm1995_pendant_more_crlf.ies");
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        const char* inErr;
    } rows[] = {
        {{"sheet", sample, "-o", (dir_ / "sheet.png").string()}, 2, "Choose a name ending in .pdf"},
        {{"sheet", sample, "-o", (dir_ / "no/such/folder/sheet.pdf").string()}, 1, "Cannot write"},
        {{"sheet", sample}, 2, "Missing the output file"},
        {{"sheet", sample, "-o", (dir_ / "x.pdf").string(), "--encoding", "klingon"},
         2,
         "Unknown encoding 'klingon'"},
        {{"sheet", (dir_ / "missing.ies").string(), "-o", (dir_ / "x.pdf").string()},
         1,
         "Cannot open file"},
    };
    for (const auto& row : rows) {
        const auto run = RunCli(row.arguments);
        EXPECT_EQ(run.exitCode, row.exitCode) << run.err;
        EXPECT_NE(run.err.find(row.inErr), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / "sheet.png"));
}

TEST_F(SheetCommand, AFileThatDidNotReadCompletelySaysSoInPlaceOfItsSummary) {
    const std::string flagged = lumetra::test::SamplePath("lm2002_tab_separated_candela.ies");
    const std::string pdf = (dir_ / "flagged.pdf").string();
    const auto run = RunCli({"sheet", flagged, "-o", pdf});
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find("not significant"), std::string::npos) << run.err;
    const std::string text = Poppler("pdftotext", pdf);
    EXPECT_NE(text.find("not significant: the file did not read completely"), std::string::npos)
        << text;
    EXPECT_EQ(text.find("Luminous flux"), std::string::npos) << text;
}

TEST_F(SheetCommand, TheChosenEncodingReadsTheHeader) {
    const std::string file = folder_->Write(
        "cyrillic.ies", "IESNA:LM-63-2002\n[TEST] 1\n[MANUFAC] \xD1\xE2\xE5\xF2\n"
                        "TILT=NONE\n1 1000 1 2 1 1 1 0 0 0\n1 1 10\n0 90\n0\n100 50\n");
    const auto read = [&](const std::vector<std::string>& encoding) {
        std::vector<std::string> arguments{"sheet", file, "-o", (dir_ / "c.pdf").string()};
        arguments.insert(arguments.end(), encoding.begin(), encoding.end());
        EXPECT_EQ(RunCli(arguments).exitCode, 0);
        return Poppler("pdftotext", (dir_ / "c.pdf").string());
    };
    EXPECT_NE(read({"--encoding", "windows-1251"}).find("Свет"), std::string::npos);
    EXPECT_NE(read({"--encoding", "ISO-8859-1"}).find("Ñâåò"), std::string::npos);
}

TEST_F(SheetCommand, TheSheetHoldsWhatAReportQuotesOfAnEulumdatFile) {
    const std::string sample =
        lumetra::test::LdtSamplePath("ldt_isym3_144x47_two_lamp_sets_crlf.ldt");
    const std::string pdf = (dir_ / "ldt.pdf").string();
    const auto run = RunCli({"sheet", sample, "-o", pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = Poppler("pdftotext", pdf);
    for (const char* part :
         {"Manufacturer", "TEST /123 DEMOLAMPSET", "Polar diagram, C0-C180, C90-C270, cd/klm",
          "Cartesian diagram", "brightness 15, zoom 9500", "Zonal flux", "% of luminaire",
          "Luminous opening", "Lamp set 2", "BUG rating", "Page 2 of 2",
          "Source: ldt_isym3_144x47_two_lamp_sets_crlf.ldt, modified", "Lumetra "})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
    const auto version = RunCli({"--version"});
    EXPECT_NE(text.find("Lumetra " + version.out.substr(version.out.find(' ') + 1, 3)),
              std::string::npos)
        << version.out;
}

TEST_F(SheetCommand, AFolderGetsOneSheetPerFileAtTheSamePathsAndNothingIsReplacedUnasked) {
    const fs::path in = dir_ / "in";
    fs::create_directories(in / "sub");
    fs::copy_file(lumetra::test::LdtSamplePath("ldt_isym1_19_batwing.ldt"),
                  in / "sub" / "batwing.ldt");
    fs::copy_file(lumetra::test::SamplePath("lm1995_wall_axial_0_180.ies"), in / "wall.IES");
    folder_->Write("in/broken.ldt", "nothing here");
    const fs::path out = dir_ / "out";
    auto run = RunCli({"sheet", in.string(), "-o", out.string(), "--jobs", "2"});
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_TRUE(fs::exists(out / "sub" / "batwing.pdf"));
    EXPECT_TRUE(fs::exists(out / "wall.pdf"));
    EXPECT_FALSE(fs::exists(out / "broken.pdf"));
    EXPECT_EQ(run.out.rfind("2 written, 1 failed: ", 0), 0u) << run.out;
    EXPECT_NE(run.err.find("broken.ldt: error: "), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("Writing sheets:"), std::string::npos)
        << "a progress line off a terminal";

    fs::remove(in / "broken.ldt");
    const auto before = fs::last_write_time(out / "wall.pdf");
    run = RunCli({"sheet", in.string(), "-o", out.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out.rfind("0 written, 2 failed: ", 0), 0u) << run.out;
    EXPECT_NE(run.err.find("exists already; --force replaces it"), std::string::npos) << run.err;
    EXPECT_EQ(fs::last_write_time(out / "wall.pdf"), before);
    run = RunCli({"sheet", in.string(), "-o", out.string(), "--force"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2 written, 0 failed\n");
}

TEST_F(SheetCommand, AFolderWithAFileThatDidNotReadCompletelyExitsAsForOneFile) {
    const fs::path in = dir_ / "in";
    fs::create_directories(in);
    fs::copy_file(lumetra::test::SamplePath("lm2002_tab_separated_candela.ies"), in / "tabs.ies");
    const auto run = RunCli({"sheet", in.string(), "-o", (dir_ / "out").string()});
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_EQ(run.out, "1 written, 0 failed\n");
    EXPECT_NE(run.err.find("tabs.ies: note: not significant"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(dir_ / "out" / "tabs.pdf"));
}

} // namespace
