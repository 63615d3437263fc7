#include "SettingsFixture.h"
#include "ui/Properties.h"

namespace lumetra::test {
namespace {

class PropertiesSettingsTest : public SettingsFixture {};

TEST_F(PropertiesSettingsTest, PlaceSizeAndTabComeBackInASectionOfTheirOwn) {
    const QByteArray viewerSection = "; kept as written\r\n[Viewer]\r\nWidth=750\r\n";
    WriteSettings(viewerSection);
    Start();
    {
        PropertiesWindow window(main->Viewer(), settings.get());
        window.Open();
        window.setGeometry(120, 90, 610, 470); // above the layout's least height
        window.SetOpenTab("Intensities");
        window.close();
    }
    EXPECT_TRUE(SettingsText().startsWith(viewerSection));
    EXPECT_EQ(Stored("Properties", "Tab"), "Intensities");
    EXPECT_EQ(Stored("Viewer", "Width"), "750");

    PropertiesWindow again(main->Viewer(), settings.get());
    again.Open();
    EXPECT_EQ(again.geometry(), QRect(120, 90, 610, 470));
    EXPECT_EQ(again.OpenTab(), "Intensities");
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(PropertiesSettingsTest, AFaultyValueIsReportedAndTheWindowStillOpens) {
    WriteSettings("[Properties]\r\nWidth=wide\r\nTab=Text\r\n");
    Start();
    PropertiesWindow window(main->Viewer(), settings.get());
    window.Open();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), "'wide' is not a valid integer value.");
    EXPECT_EQ(window.OpenTab(), "Summary") << "the keys after the faulty one are not applied";
}

} // namespace
} // namespace lumetra::test
