// The goniogram's context menu and the value shown under the pointer.

#include "GoniogramExport.h"
#include "MessageBox.h"
#include "Uies.h"
#include "data/ProgramData.h"
#include "gonio/PointValue.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>

namespace lumetra {

void TMainWindow::BuildGonioMenu() {
    GonioMenu = new QMenu(this);
    ActionSaveGoniogram = GonioMenu->addAction("Save Goniogram As...");
    ActionCopyGoniogram = GonioMenu->addAction("Copy Goniogram");
    connect(ActionSaveGoniogram, &QAction::triggered, this,
            [this] { Guarded(this, [this] { SaveGoniogramAs(); }); });
    connect(ActionCopyGoniogram, &QAction::triggered, this,
            [this] { Guarded(this, [this] { CopyGoniogram(); }); });
    PaintBox1->onContextMenu = [this](const QPoint& globalPos) {
        UpdateGonioMenu();
        GonioMenu->popup(globalPos);
    };
    PaintBox1->toolTipAt = [this](const QPoint& pos) { return GonioToolTip(pos); };
}

void TMainWindow::UpdateGonioMenu() {
    const bool loaded = !SelectedFileName().isEmpty() && !Photometry.Candela.empty();
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
    ExportGoniogram(fileName, PaintBox1->width(), Photometry, CurrentView(),
                    "Goniogram of " + QFileInfo(SelectedFileName()).fileName());
}

void TMainWindow::CopyGoniogram() {
    QGuiApplication::clipboard()->setImage(
        GoniogramImage(PaintBox1->width(), Photometry, CurrentView()));
}

QString TMainWindow::GonioToolTip(const QPoint& pos) const {
    if (SelectedFileName().isEmpty())
        return {};
    const auto value = ValueAtPoint(Photometry, TrackBarDegree->value(), PaintBox1->width(),
                                    PaintBox1->height(), pos.x(), pos.y());
    if (!value)
        return {};
    return QString::fromStdString(PointValueText(*value, DecimalSeparator()));
}

} // namespace lumetra
