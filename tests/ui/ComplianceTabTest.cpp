// The Compliance tab's wiring: it shows the core's rating and luminance, and the front chosen in
// its combo box reaches the rating.

#include "ui/ComplianceTab.h"

#include "UiFixture.h"
#include "compliance/Compliance.h"
#include "compliance/ComplianceText.h"
#include "eulumdat/PhotometryFile.h"

namespace lumetra::test {
namespace {

struct Loaded {
    tIES record;
    LuminaireFacts facts;
};

Loaded LoadRoad() {
    Loaded loaded;
    TextLines lines, header;
    LoadPhotometryFile(
        SamplePath("lm2002_roadway_199x38_crlf.ies"), loaded.record, lines, header,
        [](const Message&) {}, loaded.facts);
    return loaded;
}

TEST(ComplianceTab, ShowsTheCoreFiguresAndFollowsTheFrontChoice) {
    const Loaded road = LoadRoad();
    TComplianceTab tab;
    tab.Show(&road.record, &road.facts);
    const auto own = compliance::ComplianceOf(road.record, road.facts);
    ASSERT_TRUE(own.Bug.Figures);
    EXPECT_EQ(tab.LabelRating->text().toStdString(), own.Bug.Figures->Rating);
    EXPECT_TRUE(tab.LabelConvention->text().contains("C0, street side by the IES convention"));
    ASSERT_TRUE(own.Luminance.MaxAt);
    const auto& at = *own.Luminance.MaxAt;
    EXPECT_TRUE(tab.TableLuminance->item(static_cast<int>(at.Plane), static_cast<int>(at.Gamma))
                    ->font()
                    .bold());
    tab.ComboFront->setCurrentIndex(3); // C180: the house side becomes the front
    const auto turned = compliance::ComplianceOf(road.record, road.facts, 180);
    EXPECT_EQ(tab.LabelRating->text().toStdString(), turned.Bug.Figures->Rating);
    EXPECT_TRUE(tab.LabelConvention->text().contains("C180, given"));
    EXPECT_EQ(tab.TableZones->item(0, 1)->text().toStdString(),
              compliance::PlainNumber(turned.Bug.Figures->Zones[compliance::FL]));
    tab.Show(nullptr, nullptr);
    EXPECT_EQ(tab.LabelRating->text(), "No file loaded");
}

} // namespace
} // namespace lumetra::test
