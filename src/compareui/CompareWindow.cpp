#include "CompareWindow.h"

#include "CompareCurves.h"
#include "CompareIntensityModel.h"
#include "DiagramView.h"
#include "ui/KeepOnScreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QVBoxLayout>

namespace lumetra::compare {

TCompareWindow::TCompareWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), intensityModel_(new CompareIntensityModel(this)) {
    setWindowTitle(tr("Compare"));
    resize(1000, 720);
    LabelFiles = new QLabel(this);
    LabelFiles->setTextFormat(Qt::RichText);
    LabelFiles->setWordWrap(true);
    Tabs = new QTabWidget(this);
    TableFigures = new QTableWidget(this);
    TableFigures->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabs->addTab(BuildCurvesTab(), tr("&Curves"));
    Tabs->addTab(TableFigures, tr("&Figures"));
    Tabs->addTab(BuildIntensitiesTab(), tr("&Intensities"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LabelFiles);
    layout->addWidget(BuildControls());
    layout->addWidget(Tabs, 1);
    auto* close = new QShortcut(QKeySequence::Close, this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

TCompareWindow::~TCompareWindow() = default;

QWidget* TCompareWindow::BuildControls() {
    auto* controls = new QWidget(this);
    ComboPlane = new QComboBox(controls);
    ComboUnit = new QComboBox(controls);
    ComboUnit->addItem(tr("cd"));
    ComboUnit->addItem(tr("cd/klm (per 1,000 lm of lamp flux)"));
    ButtonExportPictures = new QPushButton(tr("Export &Pictures..."), controls);
    ButtonExportPdf = new QPushButton(tr("Export P&DF..."), controls);
    auto* plane = new QLabel(tr("&Plane:"), controls);
    plane->setBuddy(ComboPlane);
    auto* unit = new QLabel(tr("&Unit:"), controls);
    unit->setBuddy(ComboUnit);
    auto* row = new QHBoxLayout(controls);
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : {static_cast<QWidget*>(plane), static_cast<QWidget*>(ComboPlane),
                            static_cast<QWidget*>(unit), static_cast<QWidget*>(ComboUnit)})
        row->addWidget(widget);
    row->addStretch(1);
    row->addWidget(ButtonExportPictures);
    row->addWidget(ButtonExportPdf);
    connect(ComboPlane, &QComboBox::activated, this, [this] { ShowCurves(); });
    connect(ComboUnit, &QComboBox::activated, this, [this] { Recompute(); });
    connect(ButtonExportPictures, &QPushButton::clicked, this, &TCompareWindow::ExportPicturesAs);
    connect(ButtonExportPdf, &QPushButton::clicked, this, &TCompareWindow::ExportPdfAs);
    return controls;
}

QWidget* TCompareWindow::BuildCurvesTab() {
    auto* tab = new QWidget(this);
    Polar = new DiagramView(true, tab);
    Cartesian = new DiagramView(false, tab);
    auto* row = new QHBoxLayout(tab);
    row->addWidget(Polar, 1);
    row->addWidget(Cartesian, 1);
    return tab;
}

QWidget* TCompareWindow::BuildIntensitiesTab() {
    auto* tab = new QWidget(this);
    ComboFile = new QComboBox(tab);
    LabelLargest = new QLabel(tab);
    LabelLargest->setWordWrap(true);
    TableIntensities = new QTableView(tab);
    TableIntensities->setModel(intensityModel_);
    TableIntensities->horizontalHeader()->setDefaultSectionSize(90);
    auto* file = new QLabel(tr("&Against the first file:"), tab);
    file->setBuddy(ComboFile);
    auto* choice = new QHBoxLayout;
    choice->addWidget(file);
    choice->addWidget(ComboFile, 1);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(choice);
    layout->addWidget(LabelLargest);
    layout->addWidget(TableIntensities, 1);
    connect(ComboFile, &QComboBox::activated, this, [this] { ShowIntensities(); });
    return tab;
}

void TCompareWindow::Open() {
    ShowOnScreen(*this);
    raise();
    activateWindow();
}

void TCompareWindow::FollowSelection(const std::string& file) {
    selection_.Select(file);
    Changed();
}

bool TCompareWindow::TogglePin(const std::string& file) {
    const bool pinned = selection_.TogglePin(file);
    emit pinsChanged();
    Changed();
    return pinned;
}

void TCompareWindow::CompareFiles(const std::vector<std::string>& files) {
    selection_.PinOnly(files);
    emit pinsChanged();
    Changed();
    Open();
}

void TCompareWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_)
        Refresh();
}

// Loading waits until the window shows: a hidden window costs nothing while the selection moves.
void TCompareWindow::Changed() {
    stale_ = true;
    if (isVisible())
        Refresh();
}

void TCompareWindow::Refresh() {
    stale_ = false;
    intensities_.reset(); // it refers to the files about to be replaced
    intensityModel_->Show(nullptr, 1, Unit(), true);
    loaded_ = LoadCompared(selection_.Files());
    FillPlanes();
    Recompute();
}

IntensityUnit TCompareWindow::Unit() const {
    return ComboUnit->currentIndex() == 1 ? IntensityUnit::CandelaPerKilolumen
                                          : IntensityUnit::Candela;
}

void TCompareWindow::Recompute() {
    comparison_ = Compare(loaded_.files, Unit());
    intensities_ =
        std::make_shared<IntensityComparison>(loaded_.files, comparison_.Summaries, Unit());
    ShowFileList();
    ShowCurves();
    ShowFigures();
    ShowIntensities();
}

} // namespace lumetra::compare
