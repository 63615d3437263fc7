#include "DataSheetSaving.h"

#include "ExportDialogs.h"
#include "UiesRender.h"
#include "data/ProgramData.h"
#include "surface/DataSheet.h"
#include "viewer/ViewerModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScopeGuard>

namespace lumetra {

void SaveDataSheetAs(QWidget* parent, const ViewerModel& viewer) {
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(viewer.SelectedFile())));
    const auto target =
        AskExportTarget(parent, "Save Data Sheet As", file.dir().filePath(file.completeBaseName()),
                        {ExportFormat::Pdf});
    if (!target)
        return;
    const RenderControls controls =
        RenderWindow != nullptr ? RenderWindow->Controls() : RenderControls{};
    SaveDataSheet(target->fileName, viewer, controls);
}

void SaveDataSheet(const QString& pdfName, const ViewerModel& viewer,
                   const RenderControls& controls) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(viewer.SelectedFile()));
    const DataSheetContent sheet =
        MakeDataSheet(fileName, viewer.Description(), viewer.Record(), Luminaire, controls);
    WriteDataSheet(pdfName, sheet, SheetPageSize(QLocale().measurementSystem()));
}

} // namespace lumetra
