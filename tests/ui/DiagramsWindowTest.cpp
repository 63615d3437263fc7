// The Diagrams window's wiring: opened from the main window, following its loads, its controls
// reaching the picture, the solid turning from the keyboard, exports and the clipboard.

#include "ui/DiagramsWindow.h"

#include "UiFixture.h"
#include "ui/DiagramView.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>

namespace lumetra::test {
namespace {

const char* const kAbsolute = "lm2002_typeb_flood_45x45_full_crlf.ies";

class DiagramsWindowTest : public UiFixture {
  protected:
    void SetUp() override {
        UiFixture::SetUp();
        ASSERT_TRUE(QFile::copy(QSamplePath(kAbsolute), folder.filePath(kAbsolute)));
        main->FileListBox1->Refill();
        diagrams = std::make_unique<TDiagramsWindow>(main->Viewer());
        LinkDiagrams(*main, *diagrams);
    }
    void TearDown() override {
        diagrams.reset();
        UiFixture::TearDown();
    }

    std::unique_ptr<TDiagramsWindow> diagrams;
};

TEST_F(DiagramsWindowTest, OpensFromCtrlDAndFollowsTheSelection) {
    EXPECT_TRUE(main->PanelImage->Menu->actions().contains(main->ActionDiagrams));
    Select(kFivePlanes); // loaded while the window is closed: read when it opens
    QTest::keyClick(main.get(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(diagrams->isVisible());
    EXPECT_EQ(diagrams->windowTitle(), QString("Diagrams - ") + kFivePlanes);
    EXPECT_EQ(diagrams->ComboFirstPlane->currentText(), "C0-C180");
    EXPECT_EQ(diagrams->ComboSecondPlane->currentText(), "C90-C270");
    EXPECT_TRUE(diagrams->ComboUnit->isEnabled());
    EXPECT_FALSE(diagrams->View->Picture().isNull());
    Select(kAbsolute); // absolute photometry: cd only, and the tooltip says why
    EXPECT_EQ(diagrams->windowTitle(), QString("Diagrams - ") + kAbsolute);
    EXPECT_FALSE(diagrams->ComboUnit->isEnabled());
    EXPECT_TRUE(diagrams->ComboUnit->toolTip().contains("lamp flux"));
    EXPECT_EQ(diagrams->ComboFirstPlane->currentText(), "Horizontal at V 0\u00b0");
}

TEST_F(DiagramsWindowTest, ControlsReachTheRequest) {
    Select(kFivePlanes);
    diagrams->Open();
    diagrams->ComboKind->setCurrentIndex(1);
    diagrams->CheckLog->setChecked(true);
    diagrams->ComboUnit->setCurrentIndex(1);
    diagrams->ComboSecondPlane->setCurrentIndex(0); // none
    const diagrams::DiagramRequest request = diagrams->View->Request();
    EXPECT_EQ(request.kind, diagrams::DiagramKind::Cartesian);
    EXPECT_TRUE(request.logarithmic);
    EXPECT_EQ(request.unit, diagrams::IntensityUnit::CandelaPerKilolumen);
    EXPECT_EQ(request.planes.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(request.caption).contains(kFivePlanes));
    EXPECT_FALSE(diagrams->CheckLitHalf->isEnabled()); // a polar choice
}

TEST_F(DiagramsWindowTest, ArrowKeysAndTheWheelTurnAndZoomTheSolid) {
    Select(kManyPlanes);
    diagrams->Open();
    diagrams->ComboKind->setCurrentIndex(3);
    const diagrams::DiagramRequest before = diagrams->View->Request();
    const QImage first = diagrams->View->Picture();
    QTest::keyClick(diagrams->View, Qt::Key_Left);
    QTest::keyClick(diagrams->View, Qt::Key_Up);
    const diagrams::DiagramRequest after = diagrams->View->Request();
    EXPECT_DOUBLE_EQ(after.azimuth, before.azimuth + diagrams::kKeyTurn);
    EXPECT_DOUBLE_EQ(after.elevation, before.elevation + diagrams::kKeyTurn);
    EXPECT_NE(diagrams->View->Picture(), first);
    QTest::keyClick(diagrams->View, Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(diagrams->View->Request().zoom, diagrams::kZoomPerNotch);
}

TEST_F(DiagramsWindowTest, ExportsAtTheChosenSizeAndCopies) {
    Select(kFivePlanes);
    diagrams->Open();
    const QString png = folder.filePath("polar.png");
    diagrams->Export(png, QSize(700, 500), {});
    EXPECT_EQ(QImage(png).size(), QSize(700, 500));
    const QString pdf = folder.filePath("polar.pdf");
    diagrams->Export(pdf, QSize(700, 500), {});
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.read(5) == "%PDF-");
    diagrams->Copy();
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
}

} // namespace
} // namespace lumetra::test
