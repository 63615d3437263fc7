// The Illuminance window's wiring: fields reach the model and redraw at once, loads are
// followed while it shows and on opening, the cursor reports values, exports write files.

#include "ui/IlluminanceWindow.h"

#include "eulumdat/PhotometryFile.h"
#include "support/QtSupport.h"
#include "support/Samples.h"
#include "ui/IlluminanceView.h"

#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace lumetra {
namespace {

struct Loaded {
    tIES record;
    LuminaireFacts facts;
    explicit Loaded(const char* name) {
        TextLines lines, header;
        LoadPhotometryFile(test::SamplePath(name), record, lines, header, nullptr, facts);
    }
};

TEST(IlluminanceWindow, FieldsRecalculateAndRedrawAtOnce) {
    const Loaded downlight("lm1986_spotlight_axial.ies");
    TIlluminanceWindow window;
    window.SetSource([&](TIlluminanceWindow& w, const QString& name) {
        w.ShowRecord(name, downlight.record, downlight.facts);
    });
    window.FileLoaded("spot.ies");
    EXPECT_FALSE(window.Model().Result()); // hidden: read when it opens
    window.Open();
    ASSERT_TRUE(window.Model().Result());
    const QImage before = window.View->Image();
    const long double maxAt3 = window.Model().Result()->Floor.Figures.Max;
    window.SpinHeight->setValue(6);
    ASSERT_TRUE(window.Model().Result());
    EXPECT_NEAR(static_cast<double>(window.Model().Result()->Floor.Figures.Max),
                static_cast<double>(maxAt3) / 4, 1e-9 * static_cast<double>(maxAt3));
    EXPECT_NE(window.View->Image(), before);
    EXPECT_TRUE(window.LabelFigures->text().contains("E max"));

    window.SpinStep->setValue(0.3); // 10 m is no whole number of 0.3 m steps
    EXPECT_FALSE(window.Model().Result());
    EXPECT_FALSE(window.ButtonExport->isEnabled());
    EXPECT_TRUE(window.LabelFigures->text().contains("whole number"));
    window.SpinStep->setValue(0.5);
    window.CheckWall->setChecked(true);
    ASSERT_TRUE(window.Model().Result() && window.Model().Result()->Wall);
    EXPECT_EQ(window.View->Panels().size(), 2u);

    window.ComboUnits->setCurrentIndex(1);
    EXPECT_EQ(window.Model().Inputs().Units, illuminance::UnitSystem::Imperial);
    EXPECT_TRUE(window.SpinHeight->suffix().contains("ft"));
    EXPECT_TRUE(window.Model().Result());
}

TEST(IlluminanceWindow, CursorValuesFailuresAndExports) {
    const Loaded downlight("lm1986_spotlight_axial.ies");
    const Loaded typeB("lm2002_typeb_full_73x73.ies");
    const Loaded* current = &downlight;
    TIlluminanceWindow window;
    window.SetSource([&](TIlluminanceWindow& w, const QString& name) {
        w.ShowRecord(name, current->record, current->facts);
    });
    window.resize(1000, 600);
    window.Open();
    window.FileLoaded("/tmp/spot.ies");
    ASSERT_TRUE(window.Model().Result());

    const auto panels = window.View->Panels();
    const QRectF plot = PlotRect(PanelArea(window.View->size(), 1, 0), panels[0]);
    QTest::mouseMove(window.View, plot.center().toPoint());
    EXPECT_TRUE(window.LabelCursor->text().contains("lx"))
        << window.LabelCursor->text().toStdString();

    const test::QtTempFolder folder;
    const QString base = folder.filePath("floor");
    window.ExportPicture({base + ".svg", ExportFormat::Svg});
    window.ExportCsv(base + ".csv");
    EXPECT_GT(QFileInfo(base + ".svg").size(), 1000);
    EXPECT_GT(QFileInfo(base + ".csv").size(), 1000);

    current = &typeB;
    window.FileLoaded("/tmp/flood.ies");
    EXPECT_FALSE(window.Model().Result());
    EXPECT_TRUE(window.LabelFigures->text().contains("type C"));
    window.FileLoadFailed("/tmp/broken.ies");
    EXPECT_TRUE(window.LabelFigures->text().contains("could not be read"));
    EXPECT_TRUE(window.View->Panels().empty());
}

} // namespace
} // namespace lumetra
