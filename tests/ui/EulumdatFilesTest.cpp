// EULUMDAT files in the main window: listed beside IES files and loaded by the same selection.

#include "UiFixture.h"

namespace lumetra::test {
namespace {

using EulumdatFilesTest = UiFixture;

TEST_F(EulumdatFilesTest, ListedInAnyLetterCaseAndLoadedLikeIesFiles) {
    const char* const name = "ldt_isym0_24x73_downlight_upper_case_ext.LDT";
    ASSERT_TRUE(QFile::copy(QLdtSamplePath(name), folder.filePath(name)));
    main->FileListBox1->Refill();
    EXPECT_EQ(main->FileListBox1->count(), 4) << "three IES files and one EULUMDAT file";
    main->SpeedButtonUpdate->setChecked(true);
    render->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    const int renders = render->RenderCount();
    Select(name);
    EXPECT_EQ(TrackBarDegree->maximum(), 23) << "24 planes";
    EXPECT_GT(CountPixels(kCurveRed), 0) << "curves drawn";
    EXPECT_TRUE(main->Description().startsWith("Test:  ST8969"))
        << main->Description().toStdString();
    EXPECT_EQ(render->RenderCount(), renders + 1) << "rendered on load";
    EXPECT_EQ(data.Luminaire.StatedLampFlux.value_or(0), 2800);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

} // namespace
} // namespace lumetra::test
