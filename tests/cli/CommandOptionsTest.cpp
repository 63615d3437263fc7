// The subcommands' option parsing, in process: what each set of arguments gives, or the error
// that names what is wrong. The process tests keep the exit codes.

#include "cli/CommandOptions.h"

#include "support/Samples.h"

#include <gtest/gtest.h>

namespace lumetra::cli {
namespace {

struct RefusedRow {
    QStringList arguments;
    const char* error; // a part of the error text
};

TEST(CommandOptions, GonioRefusesWhatItCannotDrawWithItsUsage) {
    const RefusedRow rows[] = {
        {{"in.ies"}, "Missing the output file (-o OUT.png or -o OUT.svg)."},
        {{"-o", "x.png"}, "gonio takes exactly one input file."},
        {{"a.ies", "b.ies", "-o", "x.png"}, "gonio takes exactly one input file."},
        {{"in.ies", "-o", "x.jpg"}, "The output file must end in .png or .svg: x.jpg"},
        {{"in.ies", "-o", "x.png", "--size", "15"}, "--size takes a whole number from 16 to 4096"},
        {{"in.ies", "-o", "x.png", "--size", "5000"}, "not '5000'"},
        {{"in.ies", "-o", "x.png", "--size", "big"}, "not 'big'"},
        {{"in.ies", "-o", "x.png", "--plane", "2.5"}, "--plane takes a plane index, not '2.5'."},
        {{"in.ies", "-o", "x.png", "--plane", "-1"}, "--plane takes a plane index, not '-1'."},
        {{"in.ies", "-o", "x.png", "--plane", "99999999999"}, "--plane takes a plane index"},
        {{"in.ies", "-o", "x.png", "--zoom"}, "Unknown option 'zoom'."},
    };
    for (const RefusedRow& row : rows) {
        const auto parsed = ParseGonioOptions(row.arguments);
        EXPECT_FALSE(parsed.options) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(row.error)) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.endsWith("[--fit] [--ortho] [--size S]"));
    }
}

TEST(CommandOptions, GonioTakesPlaneSizeAndToggles) {
    const auto parsed =
        ParseGonioOptions({"in.ies", "--fit", "-o", "x.SVG", "--plane", "3", "--size", "64"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->input, "in.ies");
    EXPECT_EQ(parsed.options->output, "x.SVG");
    EXPECT_EQ(parsed.options->plane, 3);
    EXPECT_EQ(parsed.options->size, 64);
    EXPECT_TRUE(parsed.options->fit);
    EXPECT_FALSE(parsed.options->ortho);
}

TEST(CommandOptions, RenderRefusesBadArgumentsWithItsUsage) {
    const RefusedRow rows[] = {
        {{"in.ies"}, "Missing the output file (-o OUT.png)."},
        {{"-o", "out.png"}, "render takes exactly one input file."},
        {{"in.ies", "-o", "out.jpg"}, "The output file must end in .png: out.jpg"},
        {{"in.ies", "-o", "out.png", "--zoom", "wide"}, "--zoom takes a whole number, not 'wide'."},
        {{"in.ies", "-o", "out.png", "--brightness", "1.5"}, "--brightness takes a whole number"},
        {{"in.ies", "-o", "out.png", "--plane", "-1"}, "--plane takes a plane index, not '-1'."},
        {{"in.ies", "-o", "out.png", "--plane", "65536"}, "--plane takes a plane index"},
        {{"in.ies", "-o", "out.png", "--sharpness", "3"}, "Unknown option 'sharpness'."},
    };
    for (const RefusedRow& row : rows) {
        const auto parsed = ParseRenderOptions(row.arguments);
        EXPECT_FALSE(parsed.options) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(row.error)) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.contains("\nUsage: lumetra-cli render FILE -o OUT.png"));
    }
}

TEST(CommandOptions, RenderClampsBarPositionsAsTheBarsDo) {
    struct Row {
        QStringList extra;
        RenderControls controls;
    };
    const Row rows[] = {
        {{}, {15, 500, false}},
        {{"--brightness", "500", "--zoom", "0"}, {100, 1, false}},
        {{"--brightness", "-7", "--zoom", "99999999999", "--radiosity"}, {1, 10000, true}},
    };
    for (const Row& row : rows) {
        const auto parsed = ParseRenderOptions(QStringList{"in.ies", "-o", "o.png"} + row.extra);
        ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
        EXPECT_EQ(parsed.options->controls.brightness, row.controls.brightness);
        EXPECT_EQ(parsed.options->controls.zoom, row.controls.zoom);
        EXPECT_EQ(parsed.options->controls.radiosity, row.controls.radiosity);
    }
}

TEST(CommandOptions, SheetRefusesWhatItCannotWriteWithItsUsage) {
    const RefusedRow rows[] = {
        {{"in.ies"}, "Missing the output file (-o OUT.pdf)."},
        {{"-o", "x.pdf"}, "sheet takes exactly one input file."},
        {{"in.ies", "-o", "x.png"}, "files ending in .png are not written here"},
        {{"in.ies", "-o", "x.pdf", "--json"}, "Unknown option 'json'."},
        {{"in.ies", "-o", "x.pdf", "--jobs", "0"}, "--jobs takes a whole number"},
    };
    for (const RefusedRow& row : rows) {
        const auto parsed = ParseSheetOptions(row.arguments);
        EXPECT_FALSE(parsed.options) << row.arguments.join(' ').toStdString();
        EXPECT_TRUE(parsed.error.contains(row.error)) << parsed.error.toStdString();
        EXPECT_TRUE(parsed.error.endsWith(
            "\nUsage: lumetra-cli sheet FILE -o OUT.pdf [--encoding NAME]\n"
            "       lumetra-cli sheet FOLDER -o OUTFOLDER [--encoding NAME] [--force] [--jobs N]"));
    }
}

TEST(CommandOptions, SheetOfAFolderWritesBelowAnOutputFolder) {
    const auto parsed = ParseSheetOptions(
        {QString::fromStdString(test::SamplesFolder()), "-o", "out", "--force", "--jobs", "3"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_TRUE(parsed.options->folder);
    EXPECT_EQ(parsed.options->output, "out"); // no ".pdf": a folder's name
    EXPECT_TRUE(parsed.options->force);
    EXPECT_EQ(parsed.options->jobs, 3u);
    const auto file = ParseSheetOptions({"in.ies", "-o", "out"});
    ASSERT_TRUE(file.options);
    EXPECT_FALSE(file.options->folder);
    EXPECT_FALSE(file.options->force);
}

TEST(CommandOptions, SheetAddsPdfToAnOutputNameWithoutOne) {
    const struct {
        QString output, written;
    } rows[] = {{"sheet", "sheet.pdf"}, {"lamp.v2", "lamp.v2.pdf"}, {"x.PDF", "x.PDF"}};
    for (const auto& row : rows) {
        const auto parsed = ParseSheetOptions({"in.ies", "--output", row.output});
        ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
        EXPECT_EQ(parsed.options->input, "in.ies");
        EXPECT_EQ(parsed.options->output, row.written);
    }
}

TEST(CommandOptions, SheetTakesAnEncodingIconvKnows) {
    const auto parsed = ParseSheetOptions({"in.ies", "-o", "x.pdf", "--encoding", "windows-1251"});
    ASSERT_TRUE(parsed.options) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options->encoding, "WINDOWS-1251");
    EXPECT_EQ(ParseSheetOptions({"in.ies", "-o", "x.pdf"}).options->encoding, "");
    EXPECT_FALSE(ParseSheetOptions({"in.ies", "-o", "x.pdf", "--encoding", "x-none"}).options);
}

TEST(CommandOptions, SummaryTakesOneFileAndJsonAnywhere) {
    struct Row {
        QStringList arguments;
        bool valid, json;
        QString input;
    };
    const Row rows[] = {
        {{}, false, false, {}},          {{"--json"}, false, false, {}},
        {{"-v", "a"}, false, false, {}}, {{"a", "b"}, false, false, {}},
        {{"a"}, true, false, "a"},       {{"a", "--json", "--json"}, true, true, "a"},
    };
    for (const Row& row : rows) {
        const auto parsed = ParseSummaryOptions(row.arguments);
        ASSERT_EQ(parsed.options.has_value(), row.valid) << row.arguments.join(' ').toStdString();
        EXPECT_EQ(parsed.error, row.valid ? "" : "Usage: lumetra-cli summary FILE [--json]");
        if (!parsed.options)
            continue;
        EXPECT_EQ(parsed.options->json, row.json);
        EXPECT_EQ(parsed.options->input, row.input);
    }
}

TEST(CommandOptions, CheckTakesOptionsBeforeThePathsUntilADoubleDash) {
    struct Row {
        QStringList arguments;
        bool valid, json, help;
        QStringList paths;
        unsigned jobs = 0;
    };
    const Row rows[] = {
        {{}, false, false, false, {}},
        {{"--json"}, false, false, false, {}},
        {{"--bogus", "a"}, false, false, false, {}},
        {{"--help"}, true, false, true, {}},
        {{"--json", "a", "b"}, true, true, false, {"a", "b"}},
        {{"--", "--json"}, true, false, false, {"--json"}},
        {{"--jobs", "3", "a"}, true, false, false, {"a"}, 3},
        {{"--jobs=256", "--json", "a"}, true, true, false, {"a"}, 256},
        {{"a", "--jobs", "2"}, true, false, false, {"a"}, 2},
        {{"--jobs", "0", "a"}, false, false, false, {}},
        {{"--jobs=257", "a"}, false, false, false, {}},
        {{"--jobs", "two", "a"}, false, false, false, {}},
        {{"a", "--jobs"}, false, false, false, {}},
        {{"--", "--jobs", "2"}, true, false, false, {"--jobs", "2"}},
        {{"--jobs"}, false, false, false, {}},
    };
    for (const Row& row : rows) {
        const auto parsed = ParseCheckArguments(row.arguments);
        const auto& options = parsed.options;
        ASSERT_EQ(options.has_value(), row.valid) << row.arguments.join(' ').toStdString();
        if (!options) {
            EXPECT_TRUE(parsed.error.contains("Usage: lumetra-cli check"));
            continue;
        }
        EXPECT_EQ(options->json, row.json);
        EXPECT_EQ(options->help, row.help);
        EXPECT_EQ(options->paths, row.paths);
        EXPECT_EQ(options->jobs, row.jobs);
    }
}

// Every batch command reads --jobs through one function, so they agree on what they take.
TEST(CommandOptions, JobsIsAWholeNumberFromOneToTheMost) {
    const struct {
        const char* text;
        std::optional<unsigned> jobs;
    } rows[] = {
        {"1", 1u},
        {"2", 2u},
        {"256", 256u},
        {"0", std::nullopt},
        {"257", std::nullopt},
        {"-1", std::nullopt},
        {"1.5", std::nullopt},
        {"", std::nullopt},
        {"4x", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(JobsNumber(row.text), row.jobs) << row.text;
    EXPECT_EQ(JobsError("0"), "--jobs takes a whole number from 1 to 256: 0");
    for (const QStringList& arguments :
         {QStringList{"--jobs", "0", "a"}, QStringList{"--jobs=x", "a"}})
        EXPECT_TRUE(ParseCheckArguments(arguments).error.startsWith("--jobs takes a whole number"));
}

} // namespace
} // namespace lumetra::cli
