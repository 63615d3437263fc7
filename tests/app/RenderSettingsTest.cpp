// The section "Render": the render window's place and controls.

#include "SettingsFixture.h"

namespace lumetra::test {
namespace {

using RenderSettingsTest = SettingsFixture;

TEST_F(RenderSettingsTest, BarsKeepStoredPositionsInsideTheirRanges) {
    WriteSettings("[Render]\nBrightness=500\nZoom=0\nRadiocity=1\n");
    Start();
    EXPECT_EQ(TrackBar2->value(), 100);
    EXPECT_EQ(TrackBarZoom->value(), 1);
    EXPECT_EQ(render->Label2->text(), "100") << "set through the bar's change handler";
    EXPECT_TRUE(render->CheckBoxRadiosity->isChecked());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    Finish();
    EXPECT_EQ(Stored("Render", "Brightness"), "100");
    EXPECT_EQ(Stored("Render", "Zoom"), "1");
    EXPECT_EQ(Stored("Render", "Radiocity"), "1");
}

TEST_F(RenderSettingsTest, RadiosityFlagTakesTheLowestEightBits) {
    WriteSettings("[Render]\nRadiocity=256\n");
    Start();
    EXPECT_FALSE(render->CheckBoxRadiosity->isChecked());
    Finish();
    EXPECT_EQ(Stored("Render", "Radiocity"), "0");
}

TEST_F(RenderSettingsTest, ConversionErrorLeavesTheLaterControlsAsDesigned) {
    WriteSettings("[Render]\nLeft=100\nTop=120\nBrightness=abc\nZoom=900\nRadiocity=1\n");
    Start();
    EXPECT_EQ(messages, QStringList{"'abc' is not a valid integer value."});
    EXPECT_EQ(render->geometry().topLeft(), QPoint(100, 120)) << "applied before the error";
    EXPECT_EQ(TrackBar2->value(), 15);
    EXPECT_EQ(TrackBarZoom->value(), 500);
    EXPECT_FALSE(render->CheckBoxRadiosity->isChecked());
}

TEST_F(RenderSettingsTest, ErrorInTheFirstKeyLeavesTheDesignedPlace) {
    WriteSettings("[Render]\nLeft=12px\nTop=120\n");
    Start();
    EXPECT_EQ(messages, QStringList{"'12px' is not a valid integer value."});
    EXPECT_EQ(render->geometry().topLeft(), QPoint(360, 250));
}

TEST_F(RenderSettingsTest, PlaceSurvivesShowingAndClosingTheWindow) {
    WriteSettings("[Render]\nLeft=70\nTop=90\n");
    Start();
    render->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    render->close();
    QApplication::processEvents();
    Finish();
    EXPECT_EQ(Stored("Render", "Left"), "70");
    EXPECT_EQ(Stored("Render", "Top"), "90");
}

} // namespace
} // namespace lumetra::test
