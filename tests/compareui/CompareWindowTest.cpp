// The Compare window's wiring: it loads what the selection names only while it shows, fills its
// three tabs from one comparison, follows the unit, and writes its exports whole.

#include "compareui/CompareWindow.h"

#include "compareui/CompareIntensityModel.h"
#include "compareui/DiagramView.h"
#include "data/Errors.h"
#include "support/QtSupport.h"
#include "support/Samples.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace lumetra;
using namespace lumetra::compare;

const std::string kPendant = lumetra::test::SamplePath("lm1995_pendant_more_crlf.ies");
const std::string kSpot = lumetra::test::SamplePath("lm1986_spotlight_axial.ies");
const std::string kLdt = lumetra::test::LdtSamplePath("ldt_isym4_24x37_four_fluorescent_lamps.ldt");

TEST(CompareWindow, ComparesTheSelectionWithThePinOnceShown) {
    TCompareWindow window;
    EXPECT_TRUE(window.TogglePin(kPendant));
    window.FollowSelection(kSpot);
    EXPECT_TRUE(window.Files().files.empty()); // hidden: nothing loaded yet
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.Files().files.size(), 2u);
    EXPECT_EQ(window.Polar->Drawing().series.size(), 2u);
    EXPECT_EQ(window.Cartesian->Drawing().series.front().label, "lm1995_pendant_more_crlf.ies");
    EXPECT_EQ(window.TableFigures->rowCount(), static_cast<int>(window.Shown().Figures.size()));
    EXPECT_EQ(window.TableFigures->columnCount(), 3);            // two values, one difference
    EXPECT_TRUE(window.TableFigures->item(0, 2)->font().bold()); // the flux differs by far
    EXPECT_GT(window.TableIntensities->model()->rowCount(), 0);
    EXPECT_TRUE(window.LabelLargest->text().contains("cd"));
    EXPECT_TRUE(window.LabelFiles->text().contains("(pinned)"));

    window.FollowSelection(kLdt); // the pin stays, the selection moves
    ASSERT_EQ(window.Files().paths, (std::vector<std::string>{kPendant, kLdt}));
    window.TogglePin(kPendant);
    EXPECT_EQ(window.Files().files.size(), 1u);
    EXPECT_EQ(window.TableFigures->columnCount(), 1);
}

TEST(CompareWindow, TheUnitChangesCurvesAndDifferences) {
    TCompareWindow window;
    window.CompareFiles({kPendant, kLdt});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const double peakInCandela = window.Polar->Drawing().series.front().points.front().value;
    window.ComboUnit->setCurrentIndex(1);
    emit window.ComboUnit->activated(1);
    EXPECT_EQ(window.Shown().Unit, IntensityUnit::CandelaPerKilolumen);
    EXPECT_EQ(window.Polar->Drawing().unit, IntensityUnit::CandelaPerKilolumen);
    // 9,000 lm of lamp flux: a ninth of the candela value per kilolumen.
    EXPECT_NEAR(window.Polar->Drawing().series.front().points.front().value, peakInCandela / 9,
                1e-9 * peakInCandela);
    EXPECT_TRUE(window.LabelLargest->text().contains("cd/klm"));
}

TEST(CompareWindow, ExportsPicturesAndAOnePagePdf) {
    TCompareWindow window;
    window.CompareFiles({kPendant, kSpot, kLdt});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const test::QtTempFolder folder;
    const QString dir = folder.path();
    window.ExportPictures({dir + "/c.png", ExportFormat::Png});
    window.ExportPictures({dir + "/c.svg", ExportFormat::Svg});
    window.ExportPdf(dir + "/c.pdf");
    EXPECT_EQ(QImage(dir + "/c.png").size(), kComparePictureSize);
    QFile svg(dir + "/c.svg"), pdf(dir + "/c.pdf");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly) && pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    const QByteArray document = pdf.readAll();
    EXPECT_TRUE(document.startsWith("%PDF"));
    EXPECT_EQ(QString::fromLatin1(document).count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.fsPath()),
                            std::filesystem::directory_iterator()),
              3); // nothing left behind
    EXPECT_THROW(window.ExportPdf(dir + "/missing/c.pdf"), LumetraError);
}

} // namespace
