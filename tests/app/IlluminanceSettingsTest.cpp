// The Illuminance window's section: place, size and inputs come back at the next start; a faulty
// value is reported once and the window opens with the keys read before it.
#include "SettingsFixture.h"
#include "ui/IlluminanceWindow.h"

namespace lumetra::test {
namespace {

class IlluminanceSettingsTest : public SettingsFixture {};

TEST_F(IlluminanceSettingsTest, PlaceSizeAndInputsComeBack) {
    Start();
    {
        TIlluminanceWindow window(settings.get());
        window.Open();
        window.setGeometry(20, 30, 760, 520);
        window.ComboUnits->setCurrentIndex(1); // feet
        window.SpinHeight->setValue(12.5);
        window.SpinSize->setValue(40);
        window.SpinStep->setValue(2);
        window.CheckWall->setChecked(true);
        window.SpinWall->setValue(7.25);
        window.close();
    }
    EXPECT_EQ(Stored("Illuminance", "Units"), "imperial");
    EXPECT_EQ(Stored("Illuminance", "MountingHeight"), "12.5");

    TIlluminanceWindow again(settings.get());
    again.Open();
    EXPECT_EQ(again.geometry(), QRect(20, 30, 760, 520));
    const illuminance::IlluminanceInputs& inputs = again.Model().Inputs();
    EXPECT_EQ(inputs.Units, illuminance::UnitSystem::Imperial);
    EXPECT_EQ(inputs.Height, 12.5L);
    EXPECT_EQ(inputs.Size, 40);
    EXPECT_EQ(inputs.Step, 2);
    EXPECT_TRUE(inputs.Wall);
    EXPECT_EQ(inputs.WallDistance, 7.25L);
    EXPECT_EQ(again.SpinHeight->value(), 12.5);
    EXPECT_TRUE(again.SpinHeight->suffix().contains("ft"));
    EXPECT_TRUE(messages.isEmpty());
}

// Values from the file pass through the fields, so out-of-range numbers become the fields' own
// limits and the model never calculates what the fields do not show.
TEST_F(IlluminanceSettingsTest, FaultyOrOutOfRangeValuesAreReportedOrLimited) {
    WriteSettings("[Illuminance]\r\nUnits=metric\r\nMountingHeight=-4\r\nAreaSize=1e9\r\n"
                  "GridStep=wide\r\nWall=1\r\n");
    Start();
    TIlluminanceWindow window(settings.get());
    window.Open();
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), "'wide' is not a valid number.");
    const illuminance::IlluminanceInputs& inputs = window.Model().Inputs();
    EXPECT_EQ(inputs.Height, window.SpinHeight->minimum());
    EXPECT_EQ(inputs.Size, window.SpinSize->maximum());
    EXPECT_EQ(inputs.Step, illuminance::IlluminanceInputs{}.Step);
    EXPECT_FALSE(inputs.Wall) << "the keys after the faulty one keep their defaults";
    window.close();
    window.Open(); // read once: no second report
    EXPECT_EQ(messages.size(), 1);
}

} // namespace
} // namespace lumetra::test
