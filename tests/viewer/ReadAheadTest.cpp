// A file read ahead is taken by the load that selects it only when it is exactly what reading it
// then would leave; which file is read ahead after a step.

#include "viewer/ReadAhead.h"

#include "data/ProgramData.h"
#include "support/Samples.h"
#include "support/TempFolder.h"
#include "viewer/ViewerModel.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace lumetra::test {
namespace {

namespace fs = std::filesystem;

TEST(ReadAhead, TheNextRowInTheDirectionOfTheStep) {
    struct Row {
        int previous, row, count;
        std::optional<int> ahead;
    };
    const Row rows[] = {
        {-1, 0, 5, 1},
        {0, 1, 5, 2},
        {2, 1, 5, 0},
        {4, 3, 5, 2},
        {3, 4, 5, std::nullopt},
        {1, 0, 5, std::nullopt},
        {3, 1, 5, 2}, // a jump counts as a step down
        {-1, 0, 1, std::nullopt},
        {-1, -1, 5, std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadAheadRow(row.previous, row.row, row.count), row.ahead)
            << row.previous << " -> " << row.row << " of " << row.count;
}

// The data a plain load of the file leaves, for comparison.
ProgramData LoadedPlainly(const std::string& file) {
    ProgramData data;
    ViewerModel model(data);
    model.BeginSelection(file);
    model.LoadSelection(nullptr);
    return data;
}

constexpr long double kMark = 12345; // in the read-ahead's first value: tells it was taken

struct Case {
    const char* what;
    const char* sample;      // the file read ahead and then selected (b.ies)
    bool anotherLoadBetween; // a.ies loaded again after the read-ahead began
    bool changedOnDisk;      // b.ies rewritten after the read-ahead
    bool otherFileSelected;  // a.ies selected instead
    bool taken;
};

// Loads a.ies, reads b.ies ahead (marked), then loads what the case selects with it offered.
bool ReadAheadTaken(const Case& c, ProgramData& data, std::string& bFile) {
    const TempFolder folder;
    const std::string aFile = (folder.path() / "a.ies").string();
    bFile = (folder.path() / "b.ies").string();
    fs::copy_file(SamplePath("lm1986_spotlight_axial.ies"), aFile);
    fs::copy_file(SamplePath(c.sample), bFile);
    ViewerModel model(data);
    model.BeginSelection(aFile);
    model.LoadSelection(nullptr);
    auto ahead = model.ReadAheadOf(bFile);
    ReadAhead(*ahead);
    if (!ahead->record.Candela.empty() && !ahead->record.Candela[0].empty())
        ahead->record.Candela[0][0] = kMark;
    if (c.anotherLoadBetween)
        model.LoadSelection(nullptr);
    if (c.changedOnDisk)
        std::ofstream(bFile, std::ios::app) << "\r\n";
    model.BeginSelection(c.otherFileSelected ? aFile : bFile);
    model.OfferReadAhead(ahead);
    int spoke = 0;
    try {
        model.LoadSelection([&spoke](const Message&) { ++spoke; });
    } catch (const std::exception&) {
    }
    const bool taken = !data.Photometry.Candela.empty() && !data.Photometry.Candela[0].empty() &&
                       data.Photometry.Candela[0][0] == kMark;
    EXPECT_EQ(spoke > 0, std::string(c.sample) == "lm2002_tab_separated_candela.ies") << c.what;
    if (taken) {
        const ProgramData plain = LoadedPlainly(bFile);
        data.Photometry.Candela[0][0] = plain.Photometry.Candela[0][0];
        EXPECT_EQ(data.Photometry.Candela, plain.Photometry.Candela) << c.what;
        EXPECT_EQ(data.Photometry.VerticalAngles, plain.Photometry.VerticalAngles) << c.what;
        EXPECT_EQ(data.Photometry.HorizontalAngles, plain.Photometry.HorizontalAngles) << c.what;
        EXPECT_EQ(data.FileLines, plain.FileLines) << c.what;
        EXPECT_EQ(data.HeaderLines, plain.HeaderLines) << c.what;
        EXPECT_EQ(data.Luminaire.InputWatts, plain.Luminaire.InputWatts) << c.what;
        EXPECT_EQ(data.ParseError, plain.ParseError) << c.what;
    }
    return taken;
}

TEST(ReadAhead, ALoadTakesTheReadingOnlyWhenItIsWhatReadingNowWouldLeave) {
    const char* const kFive = "lm1986_fluorescent_quadrant_crlf.ies";
    const char* const kSpeaks = "lm2002_tab_separated_candela.ies"; // the reader reports a line
    const Case cases[] = {
        {"read ahead, then selected", kFive, false, false, false, true},
        {"another load since the copy", kFive, true, false, false, false},
        {"changed on disk since", kFive, false, true, false, false},
        {"another file selected", kFive, false, false, true, false},
        {"the reader spoke: the load reports it", kSpeaks, false, false, false, false},
    };
    for (const Case& c : cases) {
        ProgramData data;
        std::string file;
        EXPECT_EQ(ReadAheadTaken(c, data, file), c.taken) << c.what;
    }
}

TEST(ReadAhead, AFileThatCannotBeReadIsReadAgainByTheLoadWhichFails) {
    const TempFolder folder;
    const std::string file = folder.Write("bad.ldt", "not\na\nluminaire\n");
    ProgramData data;
    ViewerModel model(data);
    auto ahead = model.ReadAheadOf(file);
    ReadAhead(*ahead);
    EXPECT_FALSE(ahead->clean);
    model.BeginSelection(file);
    model.OfferReadAhead(ahead);
    EXPECT_ANY_THROW(model.LoadSelection(nullptr));
    EXPECT_FALSE(model.LoadMessage().empty()) << "the error is the load's own";
}

} // namespace
} // namespace lumetra::test
