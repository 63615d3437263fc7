#include "DiagramsWindow.h"

#include "DiagramView.h"
#include "ExportDialogs.h"
#include "GuardedConnect.h"
#include "KeepOnScreen.h"
#include "surface/DiagramExport.h"
#include "translate/Translations.h"
#include "viewer/ViewerModel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumetra {

namespace {

constexpr QSize kInitialSize{900, 720};
constexpr QSize kExportSize{1600, 1200};
const std::vector<ExportFormat> kFormats{ExportFormat::Png, ExportFormat::Svg, ExportFormat::Pdf};

QComboBox* Combo(const QStringList& items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->addItems(items);
    return combo;
}

// A control with its caption, whose mnemonic moves the focus to it.
void AddLabelled(QHBoxLayout* row, const QString& caption, QWidget* control) {
    auto* label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    row->addWidget(label);
    row->addWidget(control);
}

} // namespace

TDiagramsWindow::TDiagramsWindow(const ViewerModel& viewer, QWidget* parent)
    : QWidget(parent, Qt::Window), viewer_(viewer) {
    setWindowTitle(tr("Diagrams"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildControls());
    View = new TDiagramView(this);
    layout->addWidget(View, 1);
    resize(kInitialSize);
    ConnectHandlers();
    Clear();
}

TDiagramsWindow::~TDiagramsWindow() = default;

// Two rows, so that every combo box shows its longest entry at the window's first size: what is
// drawn (kind, planes, unit), then how (angle labels, scale, half) and what to do with it.
QWidget* TDiagramsWindow::BuildControls() {
    auto* bar = new QWidget(this);
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    ComboKind =
        Combo({tr("Polar"), tr("Cartesian"), tr("Isocandela"), tr("Photometric solid")}, bar);
    AddLabelled(row, tr("&Kind:"), ComboKind);
    ComboFirstPlane = new QComboBox(bar);
    AddLabelled(row, tr("&Planes:"), ComboFirstPlane);
    ComboSecondPlane = new QComboBox(bar);
    AddLabelled(row, tr("&and:"), ComboSecondPlane);
    ComboUnit = Combo({tr("cd"), tr("cd/klm")}, bar);
    AddLabelled(row, tr("&Unit:"), ComboUnit);
    row->addStretch(1);
    rows->addLayout(row);
    row = new QHBoxLayout;
    ComboStep = Combo({"30\u00b0", "15\u00b0", "10\u00b0", "5\u00b0"}, bar);
    AddLabelled(row, tr("Angle &labels:"), ComboStep);
    CheckLog = new QCheckBox(tr("L&ogarithmic"), bar);
    CheckLitHalf = new QCheckBox(tr("Lit &half only"), bar);
    row->addWidget(CheckLog);
    row->addWidget(CheckLitHalf);
    row->addStretch(1);
    ButtonExport = new QPushButton(tr("&Export..."), bar);
    ButtonCopy = new QPushButton(tr("&Copy"), bar);
    row->addWidget(ButtonExport);
    row->addWidget(ButtonCopy);
    rows->addLayout(row);
    for (QComboBox* combo : {ComboKind, ComboFirstPlane, ComboSecondPlane, ComboUnit, ComboStep})
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return bar;
}

void TDiagramsWindow::ConnectHandlers() {
    for (QComboBox* combo : {ComboKind, ComboFirstPlane, ComboSecondPlane, ComboUnit, ComboStep})
        ConnectGuarded(combo, &QComboBox::currentIndexChanged, this, [this](int) { Redraw(); });
    for (QCheckBox* check : {CheckLog, CheckLitHalf})
        ConnectGuarded(check, &QCheckBox::toggled, this, [this](bool) { Redraw(); });
    ConnectGuarded(ButtonExport, &QPushButton::clicked, this, &TDiagramsWindow::ExportAs);
    ConnectGuarded(ButtonCopy, &QPushButton::clicked, this, &TDiagramsWindow::Copy);
}

void TDiagramsWindow::Open() {
    ShowOnScreen(*this);
    raise();
    activateWindow();
    if (stale_)
        Follow(fileName_, loaded_);
}

void TDiagramsWindow::FileLoaded(const QString& fileName) {
    Follow(fileName, true);
}

void TDiagramsWindow::FileLoadFailed(const QString& fileName) {
    Follow(fileName, false);
}

// A hidden window only notes the load: reading the file for diagrams waits until it shows.
void TDiagramsWindow::Follow(const QString& fileName, bool loaded) {
    fileName_ = fileName;
    loaded_ = loaded;
    stale_ = !isVisible();
    if (stale_)
        return;
    if (!loaded) {
        Clear();
        return;
    }
    record_ = std::make_unique<tIES>(viewer_.Record());
    data_ = std::make_unique<diagrams::DiagramData>(*record_, viewer_.Facts());
    solid_.reset();
    setWindowTitle(tr("Diagrams - %1").arg(QFileInfo(fileName).fileName()));
    FillPlanes();
    ShowUnitChoice();
    Redraw();
}

void TDiagramsWindow::Clear() {
    data_.reset();
    record_.reset();
    solid_.reset();
    planes_.clear();
    setWindowTitle(tr("Diagrams"));
    View->Show(nullptr, Request(), nullptr);
    for (QWidget* control :
         {static_cast<QWidget*>(ButtonExport), static_cast<QWidget*>(ButtonCopy)})
        control->setEnabled(false);
}

void TDiagramsWindow::FillPlanes() {
    const QSignalBlocker first(ComboFirstPlane);
    const QSignalBlocker second(ComboSecondPlane);
    planes_ = diagrams::PlaneOptions(*data_);
    ComboFirstPlane->clear();
    ComboSecondPlane->clear();
    ComboSecondPlane->addItem(tr("none"));
    for (const diagrams::PlaneChoice& plane : planes_) {
        const QString label = QString::fromStdString(data_->PlaneLabel(plane));
        ComboFirstPlane->addItem(label);
        ComboSecondPlane->addItem(label);
    }
    ComboFirstPlane->setCurrentIndex(0);
    ComboSecondPlane->setCurrentIndex(planes_.size() > 1 ? 2 : 0);
}

// cd/klm needs a lamp flux: absolute photometry has none, and the choice says so.
void TDiagramsWindow::ShowUnitChoice() {
    const bool available = data_ && data_->PerKilolumenAvailable();
    ComboUnit->setEnabled(available);
    ComboUnit->setToolTip(available ? QString()
                                    : tr("cd/klm needs a lamp flux; this file gives none "
                                         "(absolute photometry), so intensities are in cd."));
}

diagrams::DiagramRequest TDiagramsWindow::Request() const {
    diagrams::DiagramRequest request = View ? View->Request() : diagrams::DiagramRequest{};
    request.kind = static_cast<diagrams::DiagramKind>(std::max(0, ComboKind->currentIndex()));
    request.planes.clear();
    const int first = ComboFirstPlane->currentIndex();
    const int second = ComboSecondPlane->currentIndex() - 1;
    for (const int index : {first, second})
        if (index >= 0 && index < static_cast<int>(planes_.size()))
            request.planes.push_back(planes_[static_cast<std::size_t>(index)]);
    request.unit = ComboUnit->isEnabled() && ComboUnit->currentIndex() == 1
                       ? diagrams::IntensityUnit::CandelaPerKilolumen
                       : diagrams::IntensityUnit::Candela;
    request.angleStep = ComboStep->currentText().chopped(1).toInt();
    request.logarithmic = CheckLog->isChecked();
    request.litHalfOnly = CheckLitHalf->isChecked();
    request.wording = TranslatedUtf8;
    if (data_)
        request.caption = diagrams::DiagramCaption(QFileInfo(fileName_).fileName().toStdString(),
                                                   *data_, request);
    return request;
}

void TDiagramsWindow::Redraw() {
    const diagrams::DiagramRequest request = Request();
    const bool curves = request.kind == diagrams::DiagramKind::Polar ||
                        request.kind == diagrams::DiagramKind::Cartesian;
    ComboFirstPlane->setEnabled(curves && data_);
    ComboSecondPlane->setEnabled(curves && data_);
    ComboStep->setEnabled(request.kind == diagrams::DiagramKind::Polar);
    CheckLog->setEnabled(request.kind == diagrams::DiagramKind::Cartesian);
    CheckLitHalf->setEnabled(request.kind == diagrams::DiagramKind::Polar);
    ButtonExport->setEnabled(data_ != nullptr);
    ButtonCopy->setEnabled(data_ != nullptr);
    if (!data_)
        return View->Show(nullptr, request, nullptr);
    if (request.kind == diagrams::DiagramKind::Solid && (!solid_ || solidUnit_ != request.unit)) {
        solid_ = diagrams::BuildSolid(*data_, diagrams::UsableUnit(*data_, request.unit));
        solidUnit_ = request.unit;
    }
    View->Show(data_.get(), request, solid_ ? &*solid_ : nullptr);
}

void TDiagramsWindow::ExportAs() {
    const auto size = AskExportSize(this, tr("Diagram Size"), kExportSize);
    const QFileInfo file(fileName_);
    const auto target =
        size ? AskExportTarget(this, tr("Export Diagram"),
                               file.dir().filePath(file.completeBaseName()), kFormats)
             : std::nullopt;
    if (target)
        Export(target->fileName, *size, SaveFilter(target->format));
}

void TDiagramsWindow::Export(const QString& fileName, QSize size, const QString& filter) {
    if (!data_)
        return;
    const ExportTarget target = ExportTargetOrThrow(fileName, filter, kFormats);
    const diagrams::DiagramRequest request = Request();
    ExportDiagram(target, ClampedExportSize(size), *data_, request,
                  QString::fromStdString(request.caption));
}

void TDiagramsWindow::Copy() {
    if (data_)
        QGuiApplication::clipboard()->setImage(View->Picture());
}

} // namespace lumetra
