// The goniogram's context menu and the value shown under the pointer.

#include "DataSheetSaving.h"
#include "ExportDialogs.h"
#include "GuardedConnect.h"
#include "KeyboardAccess.h"
#include "SavePhotometryDialog.h"
#include "Uies.h"
#include "gonio/PointValue.h"
#include "surface/FileNameText.h"
#include "surface/GoniogramExport.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QToolTip>

namespace lumetra {

void TMainWindow::BuildGonioMenu() {
    GonioMenu = new QMenu(this);
    ActionSaveGoniogram = GonioMenu->addAction("Save Goniogram As...");
    ActionCopyGoniogram = GonioMenu->addAction("Copy Goniogram");
    GonioMenu->addSeparator();
    ActionSaveDataSheet = GonioMenu->addAction("Save Data Sheet As...");
    ActionSavePhotometry = GonioMenu->addAction(tr("Save Photometry As..."));
    ConnectGuarded(ActionSaveGoniogram, &QAction::triggered, this, &TMainWindow::SaveGoniogramAs);
    ConnectGuarded(ActionCopyGoniogram, &QAction::triggered, this, &TMainWindow::CopyGoniogram);
    ConnectGuarded(ActionSaveDataSheet, &QAction::triggered, this, &TMainWindow::SaveDataSheetAs);
    ConnectGuarded(ActionSavePhotometry, &QAction::triggered, this, [this] {
        SavePhotometryAs(this, viewer_.SelectedFile(), viewer_.ParseError());
    });
    connect(PaintBox1, &TPaintBox::contextMenuWanted, this, &TMainWindow::ShowGonioMenu);
    AddContextMenuKeys(PaintBox1, [this](const QPoint& globalPos) { ShowGonioMenu(globalPos); });
    connect(PaintBox1, &TPaintBox::toolTipWanted, this, &TMainWindow::ShowGonioToolTip);
}

void TMainWindow::ShowGonioMenu(const QPoint& globalPos) {
    UpdateGonioMenu();
    GonioMenu->popup(globalPos);
}

void TMainWindow::ShowGonioToolTip(const QPoint& pos, const QPoint& globalPos) {
    const QString text = GonioToolTip(pos);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, text, PaintBox1);
}

void TMainWindow::UpdateGonioMenu() {
    const bool loaded = viewer_.GoniogramShown();
    ActionSaveGoniogram->setEnabled(loaded);
    ActionCopyGoniogram->setEnabled(loaded);
    ActionSaveDataSheet->setEnabled(loaded);
    ActionSavePhotometry->setEnabled(loaded);
}

void TMainWindow::SaveGoniogramAs() {
    const auto size = AskExportSize(this, "Goniogram Size", kGoniogramExportSize);
    const QFileInfo ies(SelectedFileName());
    const auto target =
        size
            ? AskExportTarget(this, "Save Goniogram As", ies.dir().filePath(ies.completeBaseName()),
                              {ExportFormat::Png, ExportFormat::Jpeg, ExportFormat::Svg})
            : std::nullopt;
    if (target)
        SaveGoniogram(target->fileName, *size, SaveFilter(target->format));
}

void TMainWindow::SaveGoniogram(const QString& fileName, QSize size, const QString& filter) {
    const ExportTarget target = ExportTargetOrThrow(
        fileName, filter, {ExportFormat::Png, ExportFormat::Jpeg, ExportFormat::Svg});
    ExportGoniogram(target, ClampedExportSize(size), viewer_.Record(), CurrentView(),
                    "Goniogram of " + QFileInfo(SelectedFileName()).fileName());
}

void TMainWindow::CopyGoniogram() {
    const int side = PaintBox1->width();
    QGuiApplication::clipboard()->setImage(
        GoniogramImage(QSize(side, side), viewer_.Record(), CurrentView()));
}

void TMainWindow::SaveDataSheetAs() {
    lumetra::SaveDataSheetAs(this, viewer_);
}

QString TMainWindow::GonioToolTip(const QPoint& pos) const {
    if (!viewer_.DrawsCurves())
        return {};
    const auto value = ValueAtPoint(viewer_.Record(), viewer_.Plane(), PaintBox1->width(),
                                    PaintBox1->height(), pos.x(), pos.y());
    if (!value)
        return {};
    return QString::fromStdString(PointValueText(*value, DecimalSeparator()));
}

} // namespace lumetra
