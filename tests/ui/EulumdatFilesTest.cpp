// EULUMDAT files in the main window: listed beside IES files and loaded by the same selection.

#include "UiFixture.h"

namespace lumetra::test {
namespace {

using EulumdatFilesTest = UiFixture;

TEST_F(EulumdatFilesTest, ListedInAnyLetterCaseAndLoadedLikeIesFiles) {
    const struct {
        const char* file;
        int maximum; // last plane of the selector
        const char* inCaption;
        double statedLampFlux; // 0: none stated
    } cases[] = {{"ldt_isym4_24x19_fluorescent_two_lamps.ldt", 6, "T16 G5 54W Fluorescent", 8100},
                 {"ldt_isym0_24x73_downlight_upper_case_ext.LDT", 23, "INT LED2800-940", 2800},
                 {kFivePlanes, 4, "Test: ", 0}};
    for (const char* name : {cases[0].file, cases[1].file})
        ASSERT_TRUE(
            QFile::copy(QDir(LUMETRA_LDT_SAMPLES_DIR).filePath(name), folder.filePath(name)));
    main->FileListBox1->Refill();
    EXPECT_EQ(main->FileListBox1->count(), 5) << "three IES and two EULUMDAT files";
    main->SpeedButtonUpdate->setChecked(true);
    render->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    for (const auto& c : cases) {
        const int renders = render->RenderCount();
        Select(c.file);
        EXPECT_EQ(TrackBarDegree->maximum(), c.maximum) << c.file;
        EXPECT_GT(CountPixels(kCurveRed), 0) << c.file << ": curves drawn";
        EXPECT_TRUE(main->Description().contains(c.inCaption)) << c.file;
        EXPECT_EQ(render->RenderCount(), renders + 1) << c.file << ": rendered on load";
        EXPECT_EQ(Luminaire.StatedLampFlux.value_or(0), c.statedLampFlux) << c.file;
    }
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

} // namespace
} // namespace lumetra::test
