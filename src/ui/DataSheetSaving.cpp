#include "DataSheetSaving.h"

#include "ExportDialogs.h"
#include "SummaryFacts.h"
#include "eulumdat/EulumdatLoading.h"
#include "surface/DataSheet.h"
#include "surface/FileNameText.h"
#include "surface/LocaleNumbers.h"
#include "translate/Translations.h"
#include "viewer/ViewerModel.h"

#include <QCoreApplication>
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
        AskExportTarget(parent, QCoreApplication::translate("DataSheet", "Save Data Sheet As"),
                        file.dir().filePath(file.completeBaseName()), {ExportFormat::Pdf});
    if (!target)
        return;
    SaveDataSheet(target->fileName, viewer);
}

void SaveDataSheet(const QString& pdfName, const ViewerModel& viewer) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    DataSheetInput input;
    input.fileName = FileNameText(viewer.SelectedFile());
    input.headerLines = viewer.ReadableHeader();
    input.record = &viewer.Record();
    input.facts = &viewer.Facts();
    input.eulumdat = EulumdatLinesOf(viewer.SelectedFile());
    input.controls = viewer.Controls();
    input.plane = viewer.Plane();
    input.notSignificant =
        TranslatedLines(VerdictLines(LoadedVerdict(viewer, viewer.SelectedFile())));
    input.format = LocaleNumberFormat();
    input.format.wording = TranslatedUtf8;
    input.program = QStringLiteral("Lumetra " LUMETRA_VERSION);
    input.made = QDateTime::currentDateTime();
    WriteDataSheet(pdfName, MakeDataSheet(input), SheetPageSize(QLocale().measurementSystem()));
}

} // namespace lumetra
