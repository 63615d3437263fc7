#include "UiFixture.h"
#include "data/ProgramData.h"

#include <QMouseEvent>
#include <QSignalSpy>

namespace lumetra::test {
namespace {

const QString kEmptyDescription =
    "Test: \rManufacturer: \r\rLuminaire catalog: \rLamp:\rLamp catalog: \r";

class MainWindowTest : public UiFixture {
  protected:
    // Paints the diagram's image in a colour no drawing uses, to see whether a step redraws.
    void MarkDiagram() {
        QApplication::processEvents();
        main->PaintBox1->Image().fill(kMarker);
    }
    bool DiagramStillMarked() const {
        return CountPixels(kMarker) ==
               main->PaintBox1->Image().width() * main->PaintBox1->Image().height();
    }

    static constexpr QRgb kMarker = 0xFF00FF00;
};

TEST_F(MainWindowTest, StartsWithBareGridAndAxialCaption) {
    EXPECT_TRUE(TrackBarDegree->isHidden());
    EXPECT_FALSE(TrackBarDegree->isEnabled());
    EXPECT_TRUE(main->LabelAxial->isVisible());
    EXPECT_EQ(main->LabelAxial->text(), "axially symmetric");
    EXPECT_EQ(main->Description(), kEmptyDescription);
    EXPECT_EQ(CountPixels(kCurveRed), 0);
    EXPECT_EQ(main->FileListBox1->count(), 3) << "three *.ies files in the start folder";
    EXPECT_TRUE(main->SelectedFileName().isEmpty());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(main->windowTitle(), "Lumetra");
}

TEST_F(MainWindowTest, LoadingSetsUpThePlaneSelectorFromThePlaneCount) {
    struct Case {
        const char* file;
        int maximum;
        bool shown;
    };
    // The maximum for any plane count is the model's rule; here one plane and several.
    for (const Case& c : {Case{kOnePlane, 0, false}, Case{kFivePlanes, 4, true}}) {
        Select(c.file);
        EXPECT_EQ(TrackBarDegree->maximum(), c.maximum) << c.file;
        EXPECT_EQ(TrackBarDegree->value(), 0) << c.file;
        EXPECT_TRUE(TrackBarDegree->isEnabled()) << c.file;
        EXPECT_EQ(!TrackBarDegree->isHidden(), c.shown) << c.file;
        EXPECT_GT(CountPixels(kCurveRed), 0) << c.file << ": curves drawn";
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindowTest, LoadFillsDescriptionFromHeaderKeywords) {
    Select(kFivePlanes);
    EXPECT_TRUE(main->Description().startsWith("Test: ")) << main->Description().toStdString();
    EXPECT_EQ(main->Description().count('\r'), 6);
    EXPECT_FALSE(main->Label1->text().contains('\r'));
}

TEST_F(MainWindowTest, HugeHeaderValueShowsOnlyItsStart) {
    const QByteArray maker(5'000'000, 'M');
    WriteFile("long.ies", "IESNA:LM-63-2002\r\n[MANUFAC] " + maker +
                              "\r\nTILT=NONE\r\n1 1000 1 2 1 1 1 0 0 0 1 1 10\r\n0 90\r\n0\r\n"
                              "100 50\r\n");
    Select("long.ies");
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_GT(main->Description().size(), 5'000'000) << "the description keeps the whole value";
    for (const QString& line : main->Label1->text().split('\n'))
        EXPECT_LE(line.size(), 201);
    EXPECT_TRUE(main->Label1->text().contains(QChar(0x2026)));
}

TEST_F(MainWindowTest, FolderChangeClearsDiagramAndKeepsOldDescription) {
    main->SpeedButtonFit->setChecked(false);
    Select(kManyPlanes);
    const QString description = main->Description();
    TrackBarDegree->setValue(3);
    ASSERT_GT(CountPixels(kCurveRed), 0);

    QDir(folder.path()).mkdir("empty");
    main->DirectoryListBox1->SetDirectory(folder.filePath("empty"));

    EXPECT_EQ(main->FileListBox1->count(), 0);
    EXPECT_EQ(CountPixels(kCurveRed), 0);
    EXPECT_FALSE(TrackBarDegree->isEnabled());
    EXPECT_EQ(TrackBarDegree->value(), 0);
    EXPECT_EQ(main->Description(), description);
}

TEST_F(MainWindowTest, FitKeepsGlobalPeakWhileDownAndRecomputesWhenReleased) {
    main->SpeedButtonFit->setChecked(false);
    Select(kFivePlanes);
    const long double fivePlanePeak = data.GlobalMaxCandela;
    ASSERT_GT(fivePlanePeak, 0);

    main->SpeedButtonFit->setChecked(true);
    Select(kManyPlanes);
    EXPECT_EQ(data.GlobalMaxCandela, fivePlanePeak) << "a load in fit mode keeps the old peak";

    QTest::mouseClick(main->SpeedButtonFit, Qt::LeftButton);
    EXPECT_FALSE(main->SpeedButtonFit->isChecked());
    long double expected = data.Photometry.Candela[0][0];
    for (const auto& plane : data.Photometry.Candela)
        for (long double v : plane)
            expected = std::max(expected, v);
    EXPECT_EQ(data.GlobalMaxCandela, expected);
    EXPECT_NE(data.GlobalMaxCandela, fivePlanePeak);
}

// When the toggle redraws (plane 0 of several, a file selected) is the model's rule; here the
// toggle reaches it both ways.
TEST_F(MainWindowTest, OrthogonalToggleRedrawsOnlyAtPlaneZeroWithSeveralPlanes) {
    Select(kFivePlanes);
    TrackBarDegree->setValue(1);
    MarkDiagram();
    QTest::mouseClick(main->SpeedButtonOrtho, Qt::LeftButton);
    EXPECT_TRUE(DiagramStillMarked()) << "plane 1";

    main->SpeedButtonOrtho->setChecked(false);
    TrackBarDegree->setValue(0);
    MarkDiagram();
    QTest::mouseClick(main->SpeedButtonOrtho, Qt::LeftButton);
    EXPECT_FALSE(DiagramStillMarked()) << "plane 0 of five";
    EXPECT_GT(CountPixels(kOrthoPink), 0) << "the orthogonal pair shows beside the main pair";
}

TEST_F(MainWindowTest, MiddlePressFlipsFitWithoutRedrawWhenNothingSelected) {
    const bool fit = main->SpeedButtonFit->isChecked();
    MarkDiagram();
    QTest::mousePress(main->PaintBox1, Qt::MiddleButton, {}, QPoint(10, 10));
    QTest::mouseRelease(main->PaintBox1, Qt::MiddleButton, {}, QPoint(10, 10));
    EXPECT_NE(main->SpeedButtonFit->isChecked(), fit);
    EXPECT_TRUE(DiagramStillMarked());
    EXPECT_TRUE(messages.isEmpty()) << "a middle press is not a click";
}

TEST_F(MainWindowTest, MiddlePressInFitModeScalesToTheShownPlanes) {
    main->SpeedButtonFit->setChecked(false);
    main->SpeedButtonOrtho->setChecked(false);
    Select(kManyPlanes);
    TrackBarDegree->setValue(5);
    const QImage global = main->PaintBox1->Image();
    QTest::mousePress(main->PaintBox1, Qt::MiddleButton, {}, QPoint(10, 10));
    QTest::mouseRelease(main->PaintBox1, Qt::MiddleButton, {}, QPoint(10, 10));
    EXPECT_TRUE(main->SpeedButtonFit->isChecked());
    EXPECT_NE(main->PaintBox1->Image(), global);
}

TEST_F(MainWindowTest, UnreadableFileReportsErrorAndClearsSelectorAndDescription) {
    Select(kOnePlane);
    ASSERT_TRUE(main->LabelAxial->isVisibleTo(main.get()));
    // Larger than any IES file the viewer accepts; sparse, so it costs no disk.
    QFile big(folder.filePath("huge.ies"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(300LL * 1024 * 1024));
    big.close();
    WriteFile("tilt_last.ies", "IESNA:LM-63-2002\r\n[TEST] x\r\nTILT=NONE\r\n");

    for (const char* name : {"huge.ies", "tilt_last.ies"}) {
        messages.clear();
        Select(name);
        ASSERT_EQ(messages.size(), 1) << name;
        EXPECT_TRUE(messages.front().endsWith('.')) << messages.front().toStdString();
        EXPECT_FALSE(TrackBarDegree->isEnabled()) << name;
        EXPECT_EQ(TrackBarDegree->value(), 0) << name;
        EXPECT_TRUE(main->Description().isEmpty()) << name;
        EXPECT_FALSE(main->LabelAxial->isVisibleTo(main.get())) << name;
        EXPECT_TRUE(data.Photometry.Candela.empty()) << name;
    }
    Select("tilt_last.ies");
    EXPECT_EQ(messages.back(), "List index out of bounds (0).");
}

TEST_F(MainWindowTest, MalformedLeadingNumberShowsReaderMessageOnce) {
    WriteFile("broken.ies", "TILT=NONE\r\n1 1000 1 x 1 1 1 0 0 0 1 1 10\r\n0 5\r\n0\r\n100 50\r\n");
    Select("broken.ies");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), "Error!\r\rLine 2");
}

TEST_F(MainWindowTest, OnlyALeftClickOnTheDiagramShowsTheAboutBox) {
    QTest::mouseClick(main->PaintBox1, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mousePress(main->PaintBox1, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(main->PaintBox1, Qt::LeftButton, {}, QPoint(-5, 20)); // dragged off
    EXPECT_TRUE(messages.isEmpty());
    QTest::mouseClick(main->PaintBox1, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(messages, QStringList{AboutText()});
}

TEST_F(MainWindowTest, PaintAreaStaysSquareAndWindowRefusesToShrinkBelowMinimum) {
    main->resize(900, 500);
    QApplication::processEvents();
    const QRect area = main->PaintBox1->geometry();
    EXPECT_EQ(area.width(), area.height());
    EXPECT_EQ(area.width(), std::min(main->PanelImage->width(), main->PanelImage->height()) - 4);
    EXPECT_EQ(main->PanelAll->width(), 409);

    main->resize(300, 100);
    QApplication::processEvents();
    EXPECT_GE(main->width(), 500);
    EXPECT_GE(main->height(), 190);
}

TEST_F(MainWindowTest, TabVisitsRenderDrivesSelectorFoldersAndFiles) {
    const auto nextTabStop = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    const QList<QWidget*> order = {main->ButtonRender, main->DriveComboBox1, TrackBarDegree,
                                   main->DirectoryListBox1, main->FileListBox1};
    for (int i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(nextTabStop(order[i]), order[i + 1]) << "after stop " << i;
    for (QWidget* w :
         {static_cast<QWidget*>(main->SpeedButtonFit), static_cast<QWidget*>(main->PaintBox1)})
        EXPECT_EQ(w->focusPolicy(), Qt::NoFocus);
}

} // namespace
} // namespace lumetra::test
