#include "SavePhotometryDialog.h"

#include "MessageBox.h"
#include "surface/FileNameText.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>

namespace lumetra {

namespace {

const writing::TargetFormat kFormats[] = {writing::TargetFormat::Ies2002,
                                          writing::TargetFormat::Ies2019,
                                          writing::TargetFormat::Eulumdat};

QString Extension(int formatIndex) {
    return formatIndex == 2 ? "ldt" : "ies";
}

QString WithExtension(const QString& fileName, const QString& extension) {
    const QFileInfo info(fileName);
    if (fileName.isEmpty())
        return fileName;
    return info.dir().filePath(info.completeBaseName() + "." + extension);
}

} // namespace

TSavePhotometryDialog::TSavePhotometryDialog(const QString& sourceFile, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Save Photometry As"));
    BuildControls();
    const QFileInfo source(sourceFile);
    EditFile->setText(source.dir().filePath(source.completeBaseName() + tr("-converted") + ".ies"));
    connect(ComboFormat, &QComboBox::currentIndexChanged, this,
            &TSavePhotometryDialog::FormatChosen);
    connect(EditFile, &QLineEdit::textEdited, this, &TSavePhotometryDialog::NameEdited);
    connect(ButtonBrowse, &QPushButton::clicked, this, &TSavePhotometryDialog::Browse);
    connect(CheckLumens, &QCheckBox::toggled, SpinLumens, &QWidget::setEnabled);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TSavePhotometryDialog::BuildControls() {
    EditFile = new QLineEdit(this);
    ButtonBrowse = new QPushButton(tr("Browse..."), this);
    ComboFormat = new QComboBox(this);
    ComboFormat->addItems(
        {tr("IES LM-63-2002 (*.ies)"), tr("IES LM-63-2019 (*.ies)"), tr("EULUMDAT (*.ldt)")});
    CheckLumens = new QCheckBox(tr("Scale to a lamp flux of"), this);
    SpinLumens = new QDoubleSpinBox(this);
    SpinLumens->setRange(0.001, 1e9);
    SpinLumens->setDecimals(3);
    SpinLumens->setValue(1000);
    SpinLumens->setSuffix(tr(" lm"));
    SpinLumens->setEnabled(false);
    SpinMultiply = new QDoubleSpinBox(this);
    SpinMultiply->setRange(0.0001, 10000);
    SpinMultiply->setDecimals(4);
    SpinMultiply->setValue(1);
    ComboRotate = new QComboBox(this);
    ComboRotate->addItems({tr("0°"), tr("90°"), tr("180°"), tr("270°")});
    Buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    auto* file = new QHBoxLayout;
    file->addWidget(EditFile, 1);
    file->addWidget(ButtonBrowse);
    auto* form = new QFormLayout(this);
    form->addRow(tr("&File:"), file);
    form->addRow(tr("F&ormat:"), ComboFormat);
    form->addRow(CheckLumens, SpinLumens);
    form->addRow(tr("&Multiply intensities by:"), SpinMultiply);
    form->addRow(tr("&Turn C-planes by:"), ComboRotate);
    form->addRow(Buttons);
}

void TSavePhotometryDialog::FormatChosen(int index) {
    EditFile->setText(WithExtension(EditFile->text(), Extension(index)));
}

void TSavePhotometryDialog::NameEdited(const QString& text) {
    const QString suffix = QFileInfo(text).suffix().toLower();
    const QSignalBlocker quiet(ComboFormat); // the name the user typed stays as typed
    if (suffix == "ldt")
        ComboFormat->setCurrentIndex(2);
    else if (suffix == "ies" && ComboFormat->currentIndex() == 2)
        ComboFormat->setCurrentIndex(0);
}

void TSavePhotometryDialog::Browse() {
    QStringList filters;
    for (int i = 0; i < ComboFormat->count(); ++i)
        filters << ComboFormat->itemText(i);
    QString filter = ComboFormat->currentText();
    const QString name =
        QFileDialog::getSaveFileName(this, windowTitle(), EditFile->text(), filters.join(";;"),
                                     &filter, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty())
        return;
    const QSignalBlocker quiet(ComboFormat);
    ComboFormat->setCurrentIndex(std::max(0, static_cast<int>(filters.indexOf(filter))));
    EditFile->setText(QFileInfo(name).suffix().isEmpty()
                          ? name + "." + Extension(ComboFormat->currentIndex())
                          : name);
    NameEdited(EditFile->text());
}

PhotometrySaveRequest TSavePhotometryDialog::Request() const {
    PhotometrySaveRequest request;
    request.fileName = EditFile->text().trimmed();
    request.format = kFormats[std::clamp(ComboFormat->currentIndex(), 0, 2)];
    if (CheckLumens->isChecked())
        request.adjustment.Lumens = SpinLumens->value();
    request.adjustment.Multiply = SpinMultiply->value();
    request.adjustment.Rotate = 90 * ComboRotate->currentIndex();
    return request;
}

void SavePhotometryAs(QWidget* parent, const std::string& sourceFile, bool readerFlagged) {
    TSavePhotometryDialog dialog(FileNameText(sourceFile), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const PhotometrySaveRequest request = dialog.Request();
    writing::ConvertOptions options;
    options.Format = request.format;
    options.Adjust = request.adjustment;
    options.Read = readerFlagged ? writing::Reading::Lenient : writing::Reading::Strict;
    if (QFileInfo::exists(request.fileName)) {
        const auto answer = QMessageBox::question(
            parent, QObject::tr("Save Photometry As"),
            QObject::tr("%1 exists already. Replace it?").arg(request.fileName));
        if (answer != QMessageBox::Yes)
            return;
        options.Output = writing::Existing::Replace;
    }
    const writing::Written written =
        writing::ConvertFile(sourceFile, FileNameBytes(request.fileName), options);
    for (const std::string& note : written.Notes)
        ShowMessage(parent, QObject::tr("Saved, but: %1").arg(QString::fromStdString(note)));
}

} // namespace lumetra
