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
    EXPECT_EQ(render->Label2->text(), "100") << "the caption shows the kept position";
    EXPECT_TRUE(render->CheckBoxRadiosity->isChecked());
    Finish();
    EXPECT_EQ(Stored("Render", "Brightness"), "100");
    EXPECT_EQ(Stored("Render", "Zoom"), "1");
    EXPECT_EQ(Stored("Render", "Radiocity"), "1");
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(RenderSettingsTest, ConversionErrorLeavesTheLaterControlsAsDesigned) {
    struct Case {
        const char* stored;
        const char* message;
        QPoint place;
    };
    for (const Case& c :
         {Case{"Left=100\nTop=120\nBrightness=abc\nZoom=900\nRadiocity=1\n",
               "'abc' is not a valid integer value.", QPoint(100, 120)},
          Case{"Left=12px\nTop=120\n", "'12px' is not a valid integer value.", QPoint(360, 250)}}) {
        messages.clear();
        WriteSettings(QByteArray("[Render]\n") + c.stored);
        Start();
        EXPECT_EQ(messages, QStringList{c.message});
        EXPECT_EQ(render->geometry().topLeft(), c.place);
        EXPECT_EQ(TrackBar2->value(), 15);
        EXPECT_EQ(TrackBarZoom->value(), 500);
        EXPECT_FALSE(render->CheckBoxRadiosity->isChecked());
        Finish();
    }
}

} // namespace
} // namespace lumetra::test
