// The goniogram and the light pattern at the screen's density. ctest runs these tests at the
// default density and again with QT_SCALE_FACTOR set to 2 and to 1.25.

#include "UiFixture.h"
#include "gonio/RecordingSurface.h"

#include <QLocale>

namespace lumetra::test {
namespace {

class ScreenDensityTest : public UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        main->resize(700, 400); // the panel is 291 x 400, the paint area 287 pixels square
        Select(kFivePlanes);
        QApplication::processEvents();
        ASSERT_TRUE(main->Viewer().DrawsCurves());
    }
    // The density this run was started with.
    const qreal ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
};

// The image has a device pixel for every screen pixel; the drawing calls stay in logical pixels.
TEST_F(ScreenDensityTest, GoniogramIsDrawnAtFullDensityWithTheCallsOfOneHundredPercent) {
    EXPECT_EQ(main->PaintBox1->size(), QSize(287, 287));
    EXPECT_DOUBLE_EQ(main->PaintBox1->Image().devicePixelRatio(), ratio);
    EXPECT_EQ(main->PaintBox1->Image().size(), QSize(287, 287) * ratio);
    for (const bool ortho : {false, true}) {
        main->SpeedButtonOrtho->setChecked(ortho);
        auto recorder = std::make_unique<RecordingSurface>();
        const RecordingSurface& seen = *recorder;
        main->PanelImage->SetCanvas(std::move(recorder));
        main->PaintBox1->repaint();
        RecordingSurface expected;
        ShowGrid(expected, 287, 287);
        DrawIES(expected, 287, 287, main->Viewer().Record(),
                main->Viewer().View(QLocale().decimalPoint().toStdString()));
        EXPECT_EQ(seen.calls, expected.calls) << "ortho " << ortho;
    }
    main->PanelImage->SetCanvas(nullptr);
}

// A device pixel overlaps one or two picture pixels on each axis.
bool ShowsAnOverlappedPixel(const QImage& shown, const QImage& picture, int x, int y, qreal ratio) {
    const auto first = [&](int at) { return static_cast<int>(at / ratio); };
    const auto last = [&](int at) { return std::min(static_cast<int>((at + 1) / ratio), 299); };
    for (int sy = first(y); sy <= last(y); ++sy)
        for (int sx = first(x); sx <= last(x); ++sx)
            if (shown.pixel(x, y) == picture.pixel(sx, sy))
                return true;
    return false;
}

// Each device pixel shows a picture pixel that it overlaps: widened, never blended.
TEST_F(ScreenDensityTest, LightPatternShowsAtItsLogicalSizeWithoutBlur) {
    render->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(render.get()));
    const QImage& picture = render->Image1->Picture();
    const QImage& shown = render->Image1->Shown();
    ASSERT_EQ(picture.size(), QSize(300, 300));
    EXPECT_EQ(render->Image1->size(), QSize(300, 300));
    EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), ratio);
    ASSERT_EQ(shown.size(), QSize(300, 300) * ratio);
    int blended = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            blended += ShowsAnOverlappedPixel(shown, picture, x, y, ratio) ? 0 : 1;
    EXPECT_EQ(blended, 0);
}

} // namespace
} // namespace lumetra::test
