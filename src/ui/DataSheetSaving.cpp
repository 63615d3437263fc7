#include "DataSheetSaving.h"

#include "ExportDialogs.h"
#include "surface/DataSheet.h"
#include "surface/FileNameText.h"
#include "viewer/ViewerModel.h"

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScopeGuard>

namespace lumetra {

void SaveDataSheetAs(QWidget* parent, const ViewerModel& viewer) {
    const QFileInfo file(FileNameText(viewer.SelectedFile()));
    const auto target =
        AskExportTarget(parent, "Save Data Sheet As", file.dir().filePath(file.completeBaseName()),
                        {ExportFormat::Pdf});
    if (!target)
        return;
    SaveDataSheet(target->fileName, viewer);
}

void SaveDataSheet(const QString& pdfName, const ViewerModel& viewer) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const QString fileName = FileNameText(viewer.SelectedFile());
    const DataSheetContent sheet = MakeDataSheet(fileName, viewer.Description(), viewer.Record(),
                                                 viewer.Facts(), viewer.Controls());
    WriteDataSheet(pdfName, sheet, SheetPageSize(QLocale().measurementSystem()));
}

} // namespace lumetra
