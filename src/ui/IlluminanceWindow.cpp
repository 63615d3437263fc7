#include "IlluminanceWindow.h"

#include "ExportDialogs.h"
#include "IlluminanceView.h"
#include "KeepOnScreen.h"
#include "MessageBox.h"
#include "illuminance/GridCsv.h"
#include "surface/IlluminancePicture.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>

namespace lumetra {

namespace {

QDoubleSpinBox* LengthBox(QWidget* parent, double lowest) {
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(2);
    box->setRange(lowest, 10000);
    box->setKeyboardTracking(false); // typing "2.5" does not calculate for 2 first
    box->setAccelerated(true);
    return box;
}

QString Number(long double value, int digits = 4) {
    return QString::number(static_cast<double>(value), 'g', digits);
}

} // namespace

TIlluminanceWindow::TIlluminanceWindow(WindowSettings* settings, QWidget* parent)
    : QWidget(parent, Qt::Window), settings_(settings) {
    setWindowTitle(tr("Illuminance"));
    auto* controls = new QWidget(this);
    auto* form = new QFormLayout(controls);
    BuildControls(form);
    View = new IlluminanceView(this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(controls);
    layout->addWidget(View, 1);
    resize(1100, 620);
    ConnectHandlers();
    ShowInputs();
    ShowResult();
}

// A window still open at shutdown keeps its place and inputs as a closed one does.
TIlluminanceWindow::~TIlluminanceWindow() {
    if (isVisible())
        Guarded(this, [this] { WriteSettings(); });
}

void TIlluminanceWindow::BuildControls(QFormLayout* form) {
    QWidget* owner = form->parentWidget();
    LabelFile = new QLabel(owner);
    LabelFile->setWordWrap(true);
    LabelFile->setMaximumWidth(260);
    form->addRow(LabelFile);
    ComboUnits = new QComboBox(owner);
    ComboUnits->addItems({tr("Metres and lux"), tr("Feet and foot-candles")});
    form->addRow(tr("&Units:"), ComboUnits);
    SpinHeight = LengthBox(owner, 0.01);
    form->addRow(tr("Mounting &height:"), SpinHeight);
    SpinSize = LengthBox(owner, 0.01);
    form->addRow(tr("Area &size:"), SpinSize);
    SpinStep = LengthBox(owner, 0.01);
    form->addRow(tr("Grid s&tep:"), SpinStep);
    CheckWall = new QCheckBox(tr("&Wall along C0 at:"), owner);
    SpinWall = LengthBox(owner, 0.01);
    form->addRow(CheckWall, SpinWall);
    LabelFigures = new QLabel(owner);
    LabelFigures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelFigures->setMaximumWidth(260);
    LabelFigures->setWordWrap(true);
    form->addRow(LabelFigures);
    LabelCursor = new QLabel(owner);
    form->addRow(LabelCursor);
    ButtonExport = new QPushButton(tr("Save &Picture As..."), owner);
    ButtonCsv = new QPushButton(tr("Save &Grid as CSV..."), owner);
    form->addRow(ButtonExport);
    form->addRow(ButtonCsv);
}

void TIlluminanceWindow::ConnectHandlers() {
    for (QDoubleSpinBox* box : {SpinHeight, SpinSize, SpinStep, SpinWall})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { InputsChanged(); });
    connect(CheckWall, &QCheckBox::toggled, this, [this] { InputsChanged(); });
    connect(ComboUnits, &QComboBox::currentIndexChanged, this, [this] { UnitsChanged(); });
    connect(View, &IlluminanceView::pointed, this, &TIlluminanceWindow::ShowPointed);
    connect(ButtonExport, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { AskExportPicture(); }); });
    connect(ButtonCsv, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { AskExportCsv(); }); });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void TIlluminanceWindow::Open() {
    if (!placed_ && settings_) {
        placed_ = true; // once: a faulty section is reported once, not at every opening
        Guarded(this, [this] { ApplySettings(settings_->ReadIlluminance()); });
    }
    ShowOnScreen(*this);
    raise();
    activateWindow();
    if (stale_)
        Refresh();
}

void TIlluminanceWindow::FileLoaded(const QString& fileName) {
    Follow(fileName, false);
}

void TIlluminanceWindow::FileLoadFailed(const QString& fileName) {
    Follow(fileName, true);
}

void TIlluminanceWindow::Follow(const QString& fileName, bool failed) {
    fileName_ = fileName;
    failed_ = failed;
    stale_ = true;
    if (isVisible())
        Refresh();
}

void TIlluminanceWindow::Refresh() {
    stale_ = false;
    if (failed_ || !source_)
        ShowFailure(fileName_);
    else
        source_(*this, fileName_);
}

void TIlluminanceWindow::ShowRecord(const QString& fileName, const tIES& record,
                                    const LuminaireFacts& facts) {
    fileName_ = fileName;
    model_.SetRecord(record, facts);
    ShowResult();
}

void TIlluminanceWindow::ShowFailure(const QString& fileName) {
    fileName_ = fileName;
    model_.ClearRecord(
        QCoreApplication::translate("illuminance", "The file could not be read.").toStdString());
    ShowResult();
}

void TIlluminanceWindow::InputsChanged() {
    if (showingInputs_)
        return;
    illuminance::IlluminanceInputs inputs = model_.Inputs();
    inputs.Height = SpinHeight->value();
    inputs.Size = SpinSize->value();
    inputs.Step = SpinStep->value();
    inputs.Wall = CheckWall->isChecked();
    inputs.WallDistance = SpinWall->value();
    model_.SetInputs(inputs);
    SpinWall->setEnabled(inputs.Wall);
    ShowResult();
}

void TIlluminanceWindow::UnitsChanged() {
    if (showingInputs_)
        return;
    const auto units = ComboUnits->currentIndex() == 1 ? illuminance::UnitSystem::Imperial
                                                       : illuminance::UnitSystem::Metric;
    model_.SetInputs(illuminance::InUnitsOf(model_.Inputs(), units));
    ShowInputs();
    ShowResult();
}

void TIlluminanceWindow::ShowInputs() {
    showingInputs_ = true;
    const illuminance::IlluminanceInputs& inputs = model_.Inputs();
    const QString suffix = QString(" ") + illuminance::LengthUnit(inputs.Units);
    for (QDoubleSpinBox* box : {SpinHeight, SpinSize, SpinStep, SpinWall})
        box->setSuffix(suffix);
    ComboUnits->setCurrentIndex(inputs.Units == illuminance::UnitSystem::Imperial ? 1 : 0);
    SpinHeight->setValue(static_cast<double>(inputs.Height));
    SpinSize->setValue(static_cast<double>(inputs.Size));
    SpinStep->setValue(static_cast<double>(inputs.Step));
    CheckWall->setChecked(inputs.Wall);
    SpinWall->setValue(static_cast<double>(inputs.WallDistance));
    SpinWall->setEnabled(inputs.Wall);
    showingInputs_ = false;
}

QString TIlluminanceWindow::FiguresText(const char* plane,
                                        const illuminance::PlaneGrid& metric) const {
    const auto units = model_.Inputs().Units;
    const illuminance::PlaneGrid shown = illuminance::InUnits(metric, units);
    const illuminance::PlaneFigures& f = shown.Figures;
    const QString lux = illuminance::IlluminanceUnit(units),
                  length = illuminance::LengthUnit(units);
    return tr("<b>%1</b><br>E max: %2 %3 at (%4, %5) %6<br>E min: %7 %3<br>E average: %8 %3<br>"
              "Uniformity (min/avg): %9")
        .arg(tr(plane), Number(f.Max), lux, Number(f.MaxAt[0]), Number(f.MaxAt[1]), length,
             Number(f.Min), Number(f.Avg),
             f.MinOverAvg ? QString::number(static_cast<double>(*f.MinOverAvg), 'g', 3)
                          : tr("n/a"));
}

void TIlluminanceWindow::ShowResult() {
    LabelFile->setText(fileName_.isEmpty() ? tr("No file") : QFileInfo(fileName_).fileName());
    const auto& result = model_.Result();
    ButtonExport->setEnabled(result.has_value());
    ButtonCsv->setEnabled(result.has_value());
    LabelCursor->clear();
    if (!result) {
        LabelFigures->setText(QCoreApplication::translate("illuminance", model_.Problem().c_str()));
        View->SetPanels({});
        return;
    }
    QString figures = FiguresText(QT_TR_NOOP("Floor"), result->Floor);
    if (result->Wall)
        figures += "<br><br>" + FiguresText(QT_TR_NOOP("Wall"), *result->Wall);
    LabelFigures->setText(figures);
    const auto units = model_.Inputs().Units;
    const QString length = illuminance::LengthUnit(units);
    const QStringList captions{tr("E max"), tr("E min"), tr("E average"), tr("Min/avg")};
    const PanelTexts floor{
        tr("Floor, %1 %2 below the luminaire").arg(Number(model_.Inputs().Height), length),
        "x",
        "y",
        {captions[0], captions[1], captions[2], captions[3]},
        tr("luminaire")};
    const PanelTexts wall{tr("Wall at x = %1 %2, facing the luminaire")
                              .arg(Number(model_.Inputs().WallDistance), length),
                          "y",
                          "z",
                          {captions[0], captions[1], captions[2], captions[3]},
                          tr("luminaire")};
    View->SetPanels(ResultPanels(*result, units, floor, wall));
}

void TIlluminanceWindow::ShowPointed(int panel, QPointF uv) {
    std::optional<long double> value;
    if (panel == 0)
        value = model_.FloorValueAt(uv.x(), uv.y());
    else if (panel == 1)
        value = model_.WallValueAt(uv.x(), uv.y());
    if (!value) {
        LabelCursor->clear();
        return;
    }
    const auto units = model_.Inputs().Units;
    LabelCursor->setText(tr("%1 = %2, %3 = %4 %5: %6 %7")
                             .arg(panel == 0 ? "x" : "y", Number(uv.x(), 3), panel == 0 ? "y" : "z",
                                  Number(uv.y(), 3), illuminance::LengthUnit(units), Number(*value),
                                  illuminance::IlluminanceUnit(units)));
}

void TIlluminanceWindow::ExportPicture(const ExportTarget& target) {
    ExportIlluminance(target, View->Panels(),
                      tr("Illuminance of %1").arg(QFileInfo(fileName_).fileName()));
}

void TIlluminanceWindow::ExportCsv(const QString& fileName) {
    const auto& result = model_.Result();
    if (!result)
        return;
    const auto units = model_.Inputs().Units;
    std::string csv =
        illuminance::GridCsv(illuminance::InUnits(result->Floor, units), "x", "y", units);
    if (result->Wall) // the wall's table after an empty line
        csv += "\r\n" +
               illuminance::GridCsv(illuminance::InUnits(*result->Wall, units), "y", "z", units);
    ExportText(fileName, csv);
}

void TIlluminanceWindow::AskExportPicture() {
    const QFileInfo file(fileName_);
    const auto target =
        AskExportTarget(this, tr("Save Illuminance Picture As"),
                        file.dir().filePath(file.completeBaseName() + "-illuminance"),
                        {ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf});
    if (target)
        ExportPicture(*target);
}

void TIlluminanceWindow::AskExportCsv() {
    const QFileInfo file(fileName_);
    QString name = QFileDialog::getSaveFileName(
        this, tr("Save Illuminance Grid As"),
        file.dir().filePath(file.completeBaseName() + "-illuminance.csv"), tr("CSV table (*.csv)"));
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().isEmpty())
        name += ".csv";
    ExportCsv(name);
}

} // namespace lumetra
