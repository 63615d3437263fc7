// The Compare window's exports: the curves as PNG or SVG, the whole as a one-page PDF.

#include "CompareWindow.h"
#include "DiagramView.h"
#include "ui/ExportDialogs.h"

#include <QLocale>

namespace lumetra::compare {

namespace {

QPageSize::PageSizeId LocalePageSize() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                      : QPageSize::A4;
}

} // namespace

void TCompareWindow::ExportPicturesAs() {
    const auto target = AskExportTarget(this, tr("Export Comparison Pictures"), tr("comparison"),
                                        {ExportFormat::Png, ExportFormat::Svg});
    if (target)
        ExportPictures(*target);
}

void TCompareWindow::ExportPdfAs() {
    const auto target = AskExportTarget(this, tr("Export Comparison as PDF"), tr("comparison"),
                                        {ExportFormat::Pdf});
    if (target)
        ExportPdf(target->fileName);
}

void TCompareWindow::ExportPictures(const ExportTarget& target) {
    ExportComparePicture(target, Polar->Drawing());
}

void TCompareWindow::ExportPdf(const QString& pdfName) {
    QStringList files;
    for (const std::string& path : loaded_.paths)
        files << QString::fromStdString(path);
    WriteComparePdf(pdfName, files, comparison_, Polar->Drawing(), LocalePageSize());
}

} // namespace lumetra::compare
