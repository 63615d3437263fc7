// "Save Photometry As...": where it is offered, how the dialog's controls agree, and that the
// saved file opens and shows what the source shows.

#include "UiFixture.h"
#include "ui/Properties.h"
#include "ui/SavePhotometryDialog.h"

#include <QApplication>
#include <QTimer>

namespace lumetra::test {
namespace {

class SavePhotometryTest : public UiFixture {};

TEST_F(SavePhotometryTest, OfferedByTheGoniogramTheDescriptionAndTheProperties) {
    EXPECT_TRUE(main->PanelImage->Menu->actions().contains(main->PanelImage->ActionSavePhotometry));
    EXPECT_TRUE(main->DescriptionMenu->actions().contains(main->PanelImage->ActionSavePhotometry));
    main->PanelImage->UpdateMenu();
    EXPECT_FALSE(main->PanelImage->ActionSavePhotometry->isEnabled()); // nothing loaded yet
    Select(kFivePlanes);
    main->PanelImage->UpdateMenu();
    EXPECT_TRUE(main->PanelImage->ActionSavePhotometry->isEnabled());
    PropertiesWindow properties(main->Viewer());
    EXPECT_EQ(properties.ButtonSavePhotometry->text(), "Save Photometry As...");
}

TEST_F(SavePhotometryTest, TheFormatAndTheNamesExtensionFollowEachOther) {
    TSavePhotometryDialog dialog(folder.filePath("lamp.ies"));
    EXPECT_EQ(dialog.EditFile->text(), folder.filePath("lamp-converted.ies"));
    dialog.ComboFormat->setCurrentIndex(2);
    EXPECT_EQ(dialog.EditFile->text(), folder.filePath("lamp-converted.ldt"));
    dialog.EditFile->clear();
    QTest::keyClicks(dialog.EditFile, "other.IES");
    EXPECT_EQ(dialog.ComboFormat->currentIndex(), 0);
    EXPECT_EQ(dialog.EditFile->text(), "other.IES"); // as typed
    dialog.ComboFormat->setCurrentIndex(1);
    dialog.CheckLumens->setChecked(true);
    dialog.SpinLumens->setValue(2500);
    dialog.SpinMultiply->setValue(0.5);
    dialog.ComboRotate->setCurrentIndex(3);
    const PhotometrySaveRequest request = dialog.Request();
    EXPECT_EQ(request.format, writing::TargetFormat::Ies2019);
    EXPECT_EQ(request.adjustment.Lumens, 2500);
    EXPECT_EQ(request.adjustment.Multiply, 0.5);
    EXPECT_EQ(request.adjustment.Rotate, 270);
}

TEST_F(SavePhotometryTest, TheSavedFileOpensInTheViewerWithTheSamePlanes) {
    Select(kFivePlanes);
    const QString target = folder.filePath("saved.ldt");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TSavePhotometryDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->EditFile->setText(target);
        dialog->ComboFormat->setCurrentIndex(2);
        dialog->Buttons->button(QDialogButtonBox::Save)->click();
    });
    main->PanelImage->ActionSavePhotometry->trigger();
    ASSERT_TRUE(QFileInfo::exists(target)) << messages.join('\n').toStdString();
    const tIES source = main->Viewer().Record();
    main->FileListBox1->Refill();
    Select("saved.ldt");
    EXPECT_EQ(main->Viewer().Record().VerticalAngles, source.VerticalAngles);
    EXPECT_EQ(main->Viewer().Record().HorizontalAngles, source.HorizontalAngles);
}

} // namespace
} // namespace lumetra::test
