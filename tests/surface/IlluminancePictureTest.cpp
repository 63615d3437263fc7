// The illuminance picture keeps everything it draws inside each panel's area, the legend's figures
// included, at window, export and small sizes, for floor and wall panels of real samples.

#include "surface/IlluminancePicture.h"

#include "eulumdat/PhotometryFile.h"
#include "illuminance/Illuminance.h"
#include "support/Samples.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

std::vector<IlluminancePanel> SamplePanels(const std::string& path) {
    tIES record;
    LuminaireFacts facts;
    TextLines lines, header;
    LoadPhotometryFile(
        path, record, lines, header, [](const Message&) {}, facts);
    const auto intensity = illuminance::TypeCIntensity(record, facts);
    EXPECT_TRUE(std::holds_alternative<summary::IntensityGrid>(intensity)) << path;
    if (!std::holds_alternative<summary::IntensityGrid>(intensity))
        return {};
    const illuminance::IlluminanceResult result =
        illuminance::Calculate(std::get<summary::IntensityGrid>(intensity), {3, 10, 0.25L, 2});
    const PanelTexts texts{"Floor, 3 m below the luminaire",
                           "x",
                           "y",
                           {"E max", "E min", "E average", "Min/avg"},
                           "luminaire"};
    return ResultPanels(result, illuminance::UnitSystem::Metric, texts, texts);
}

// The columns from `from` up to `to` hold only white.
bool WhiteColumns(const QImage& image, int from, int to) {
    for (int x = std::max(0, from); x < std::min(to, image.width()); ++x)
        for (int y = 0; y < image.height(); ++y)
            if ((image.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu)
                return false;
    return true;
}

TEST(IlluminancePicture, NothingIsDrawnOutsideThePanels) {
    const std::string samples[] = {
        test::SamplePath("lm1986_spotlight_axial.ies"),
        test::SamplePath("lm1995_roadway_361x73_crlf.ies"),
        test::LdtSamplePath("ldt_isym0_24x73_downlight_upper_case_ext.LDT")};
    const QSize sizes[] = {{800, 600}, {520, 760}, {2000, 760}, {400, 300}, {1200, 1600}};
    for (const std::string& sample : samples) {
        const std::vector<IlluminancePanel> panels = SamplePanels(sample);
        ASSERT_EQ(panels.size(), 2u) << sample;
        for (const QSize size : sizes) {
            const QImage image = IlluminanceImage(size, panels);
            int right = 0;
            for (std::size_t k = 0; k < panels.size(); ++k) {
                const QRectF area = PanelArea(size, panels.size(), k);
                EXPECT_TRUE(WhiteColumns(image, right, static_cast<int>(area.left()) - 1))
                    << sample << " left of panel " << k << " at " << size.width();
                right = static_cast<int>(std::ceil(area.right())) + 1;
                EXPECT_GT(PlotRect(area, panels[k]).width(), area.width() / 3)
                    << "the plot keeps most of the panel";
            }
            EXPECT_TRUE(WhiteColumns(image, right, size.width()))
                << sample << " right of the last panel at " << size.width();
        }
    }
}

} // namespace
} // namespace lumetra
