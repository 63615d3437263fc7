// The goniogram's context menu and the value shown under the pointer.

#include "GuardedConnect.h"
#include "KeyboardAccess.h"
#include "Uies.h"
#include "gonio/PointValue.h"
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
    ConnectGuarded(ActionSaveGoniogram, &QAction::triggered, this, &TMainWindow::SaveGoniogramAs);
    ConnectGuarded(ActionCopyGoniogram, &QAction::triggered, this, &TMainWindow::CopyGoniogram);
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
}

void TMainWindow::SaveGoniogramAs() {
    const QFileInfo ies(SelectedFileName());
    const QString fileName = QFileDialog::getSaveFileName(
        this, "Save Goniogram As", ies.dir().filePath(ies.completeBaseName() + ".png"),
        "PNG image (*.png);;SVG drawing (*.svg)");
    if (!fileName.isEmpty())
        SaveGoniogram(fileName);
}

void TMainWindow::SaveGoniogram(const QString& fileName) {
    ExportGoniogram(fileName, PaintBox1->width(), viewer_.Record(), CurrentView(),
                    "Goniogram of " + QFileInfo(SelectedFileName()).fileName());
}

void TMainWindow::CopyGoniogram() {
    QGuiApplication::clipboard()->setImage(
        GoniogramImage(PaintBox1->width(), viewer_.Record(), CurrentView()));
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
