// A selected file that vanished, failed to load or changed on disk: the model never keeps
// another file's data under its name, and tells when the file is not what was read.

#include "data/Errors.h"
#include "support/Samples.h"
#include "support/TempFolder.h"
#include "viewer/ViewerModel.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace lumetra::test {
namespace {

namespace fs = std::filesystem;

const char* const kFivePlanes = "lm1986_fluorescent_quadrant_crlf.ies"; // 37 x 5
const char* const kOnePlane = "lm1986_spotlight_axial.ies";             // 19 x 1

// What happens on disk between the first load and the next selection.
enum class Disk { Nothing, Delete, Rename, Empty, TiltLast, Replace, Touch };

struct Row {
    const char* name;
    Disk disk;
    bool changedBefore; // SelectedFileChanged() once the disk changed (what a click or F5 asks)
    bool found;
    bool throws;
    bool missing;
    std::size_t planes; // loaded afterwards
};

const Row kRows[] = {
    {"unchanged", Disk::Nothing, false, true, false, false, 5},
    {"deleted", Disk::Delete, true, false, false, true, 0},
    {"renamed", Disk::Rename, true, false, false, true, 0},
    {"emptied", Disk::Empty, true, true, true, false, 0},
    {"nothing after TILT", Disk::TiltLast, true, true, true, false, 0},
    {"replaced by another file", Disk::Replace, true, true, false, false, 1},
    {"touched", Disk::Touch, true, true, false, false, 5},
};

const char* const kSelected = "selected.ies";

void ChangeDisk(Disk disk, const TempFolder& folder) {
    const fs::path file = folder.path() / kSelected;
    switch (disk) {
    case Disk::Nothing:
        return;
    case Disk::Delete:
        fs::remove(file);
        return;
    case Disk::Rename:
        fs::rename(file, file.string() + ".old");
        return;
    case Disk::Empty:
        folder.Write(kSelected, "");
        return;
    case Disk::TiltLast:
        folder.Write(kSelected, "IESNA:LM-63-2002\r\n[TEST] x\r\nTILT=NONE\r\n");
        return;
    case Disk::Replace:
        fs::copy_file(SamplePath(kOnePlane), file, fs::copy_options::overwrite_existing);
        return;
    case Disk::Touch:
        fs::last_write_time(file, fs::last_write_time(file) + std::chrono::hours(1));
        return;
    }
}

TEST(StaleFile, NothingOfTheFileBeforeShowsUnderTheSelectedName) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        const TempFolder folder;
        const fs::path file = folder.path() / kSelected;
        fs::copy_file(SamplePath(kFivePlanes), file, fs::copy_options::overwrite_existing);
        ProgramData data;
        ViewerModel model(data);
        model.BeginSelection(file.string());
        ASSERT_TRUE(model.LoadSelection(nullptr));
        ASSERT_FALSE(model.SelectedFileChanged());

        ChangeDisk(row.disk, folder);
        EXPECT_EQ(model.SelectedFileChanged(), row.changedBefore);
        model.BeginSelection(file.string());
        bool found = false;
        if (row.throws)
            EXPECT_THROW(model.LoadSelection(nullptr), LumetraError);
        else
            found = model.LoadSelection(nullptr);
        EXPECT_EQ(found, row.found && !row.throws);
        EXPECT_EQ(model.SelectionMissing(), row.missing);
        EXPECT_FALSE(model.SelectedFileChanged()) << "what was read, or tried, is remembered";
        EXPECT_EQ(data.Photometry.Candela.size(), row.planes);
        EXPECT_EQ(model.CanRender(), row.planes > 0);
        EXPECT_EQ(model.DrawsCurves(), row.planes > 0);
        EXPECT_EQ(model.Description().empty(), row.planes == 0);
        EXPECT_EQ(model.Selector().captionShown, row.planes > 0);
        EXPECT_EQ(model.Selector().visible, row.planes > 1);
        EXPECT_EQ(model.Selector().enabled, row.planes > 0);
    }
}

} // namespace
} // namespace lumetra::test
