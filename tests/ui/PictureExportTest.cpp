#include "UiFixture.h"
#include "data/Errors.h"
#include "gonio/NumberText.h"
#include "ui/DataSheetSaving.h"

#include <QClipboard>
#include <QLocale>
#include <QSvgRenderer>
#include <cmath>

namespace lumetra::test {
namespace {

using PictureExportTest = UiFixture;

std::string NumberTextOf(long double value) {
    return NumberText(std::nearbyintl(value * 10) / 10, QLocale().decimalPoint().toStdString());
}

TEST_F(PictureExportTest, MenusAreDisabledUntilSomethingIsShown) {
    main->PanelImage->UpdateMenu();
    render->UpdatePictureMenu();
    EXPECT_FALSE(main->PanelImage->ActionSaveGoniogram->isEnabled());
    EXPECT_FALSE(main->PanelImage->ActionCopyGoniogram->isEnabled());
    EXPECT_FALSE(main->PanelImage->ActionSaveDataSheet->isEnabled());
    EXPECT_FALSE(render->ActionSavePicture->isEnabled());
    EXPECT_FALSE(render->ActionCopyPicture->isEnabled());

    Select(kFivePlanes);
    render->show();
    main->PanelImage->UpdateMenu();
    render->UpdatePictureMenu();
    EXPECT_TRUE(main->PanelImage->ActionSaveGoniogram->isEnabled());
    EXPECT_TRUE(main->PanelImage->ActionCopyGoniogram->isEnabled());
    EXPECT_TRUE(main->PanelImage->ActionSaveDataSheet->isEnabled());
    EXPECT_TRUE(render->ActionSavePicture->isEnabled());
    EXPECT_TRUE(render->ActionCopyPicture->isEnabled());
    EXPECT_EQ(main->PanelImage->ActionSaveGoniogram->text(), "Save Goniogram As...");
    EXPECT_EQ(render->ActionCopyPicture->text(), "Copy Picture");
}

TEST_F(PictureExportTest, SavedPicturesReadBackAtTheirSize) {
    Select(kFivePlanes);
    render->show();
    main->PanelImage->Save(folder.filePath("gonio"));
    EXPECT_EQ(QImage(folder.filePath("gonio.png")).size(), QSize(1000, 1000));
    main->PanelImage->Save(folder.filePath("gonio.SVG"), QSize(500, 400));
    EXPECT_EQ(QSvgRenderer(folder.filePath("gonio.SVG")).viewBox(), QRect(0, 0, 500, 400));
    EXPECT_THROW(main->PanelImage->Save(folder.filePath("gonio.ies")), LumetraError);

    SaveDataSheet(folder.filePath("sheet.pdf"), main->Viewer());
    QFile sheet(folder.filePath("sheet.pdf"));
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sheet.read(5) == "%PDF-");

    render->SavePicture(folder.filePath("pattern"));
    const QImage pattern(folder.filePath("pattern.png"));
    EXPECT_EQ(pattern.size(), QSize(300, 300));
    EXPECT_EQ(pattern.convertToFormat(QImage::Format_RGB32),
              render->Image1->Picture().convertToFormat(QImage::Format_RGB32));
}

TEST_F(PictureExportTest, FailedSaveIsReportedNeverDropped) {
    Select(kFivePlanes);
    render->show();
    const QString nowhere = folder.filePath("missing-folder/x.png");
    EXPECT_THROW(main->PanelImage->Save(nowhere), LumetraError);
    EXPECT_THROW(render->SavePicture(nowhere), LumetraError);
    EXPECT_THROW(main->PanelImage->Save(folder.filePath("missing-folder/x.svg")), LumetraError);
}

TEST_F(PictureExportTest, CopyPutsTheImageOnTheClipboard) {
    Select(kFivePlanes);
    main->PanelImage->Copy();
    const int side = main->PaintBox1->width();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(side, side));
}

TEST_F(PictureExportTest, ToolTipReadsThePlaneAndAngleUnderThePointer) {
    EXPECT_TRUE(main->PanelImage->ToolTip(QPoint(10, 10)).isEmpty()) << "nothing loaded";
    Select(kFivePlanes); // quadrant data: plane 0 is its own opposite
    const int side = main->PaintBox1->width();
    const int c = side / 2;
    const QString c0 =
        QString("C 0°  γ 0°  %1 cd")
            .arg(QString::fromStdString(NumberTextOf(data.Photometry.Candela[0][0])));
    EXPECT_EQ(main->PanelImage->ToolTip(QPoint(c, c + 20)), c0) << "straight down";
    EXPECT_TRUE(main->PanelImage->ToolTip(QPoint(c + 20, c)).startsWith("C 0°  γ 90°  "));
    EXPECT_TRUE(main->PanelImage->ToolTip(QPoint(c - 20, c)).startsWith("C 0°  γ 90°  "));
    TrackBarDegree->setValue(4);
    EXPECT_TRUE(main->PanelImage->ToolTip(QPoint(c - 20, c + 20)).startsWith("C 90°  γ 45°  "));
}

} // namespace
} // namespace lumetra::test
