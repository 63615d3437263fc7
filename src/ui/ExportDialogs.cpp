#include "ExportDialogs.h"

#include "data/Errors.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QSpinBox>

namespace lumetra {

namespace {

QSpinBox* SideBox(QWidget* parent, int value) {
    auto* box = new QSpinBox(parent);
    box->setRange(kSmallestExportSide, kLargestExportSide);
    box->setSuffix(" px");
    box->setValue(value);
    return box;
}

} // namespace

std::optional<QSize> AskExportSize(QWidget* parent, const QString& title, QSize initial) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QFormLayout(&dialog);
    QSpinBox* width = SideBox(&dialog, initial.width());
    QSpinBox* height = SideBox(&dialog, initial.height());
    layout->addRow(QCoreApplication::translate("ExportDialogs", "&Width:"), width);
    layout->addRow(QCoreApplication::translate("ExportDialogs", "&Height:"), height);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return QSize(width->value(), height->value());
}

ExportTarget ExportTargetOrThrow(const QString& fileName, const QString& filter,
                                 const std::vector<ExportFormat>& formats) {
    const ExportChoice choice = ChooseExportTarget(fileName, filter, formats);
    if (!choice.target)
        throw LumetraError(choice.error.toStdString());
    return *choice.target;
}

std::optional<ExportTarget> AskExportTarget(QWidget* parent, const QString& title,
                                            const QString& suggestedBase,
                                            const std::vector<ExportFormat>& formats) {
    QString filter = SaveFilter(formats.front());
    const QString fileName =
        QFileDialog::getSaveFileName(parent, title, suggestedBase, SaveFilters(formats), &filter);
    if (fileName.isEmpty())
        return std::nullopt;
    return ExportTargetOrThrow(fileName, filter, formats);
}

} // namespace lumetra
