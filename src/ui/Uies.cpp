#include "Uies.h"

#include "GuardedConnect.h"
#include "MessageBox.h"
#include "WindowSettings.h"
#include "data/TextEncoding.h"
#include "gonio/Goniogram.h"
#include "surface/FileNameText.h"
#include "surface/QPainterSurface.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>

namespace lumetra {

TMainWindow* MainWindow = nullptr;
TTrackBarDegree* TrackBarDegree = nullptr;

TMainWindow::TMainWindow(ViewerModel& viewer, WindowSettings* settings, QWidget* parent)
    : QWidget(parent), viewer_(viewer), settings_(settings) {
    MainWindow = this;
    setWindowTitle(kApplicationTitle);
    setMinimumSize(500, 190);
    setGeometry(QRect(QPoint(286, 213), kMainWindowSize)); // kept until the settings move it
    setAcceptDrops(true);
    BuildControls();
    SetCanvas(nullptr);
    BuildGonioMenu();
    BuildPropertiesAccess();
    BuildEncodingMenu();
    BuildDiagramsAccess();
    BuildCatalogueAccess();
    BuildIlluminanceAccess();
    ConnectHandlers();
    // An error ends the creation handler where it stands; the window is created all the same.
    Guarded(this, [this] { FormCreate(); });
    NameControls();
    ConnectDescriptions(); // after the handlers, so the texts see what a change left
}

TMainWindow::~TMainWindow() {
    if (MainWindow == this) {
        MainWindow = nullptr;
        TrackBarDegree = nullptr;
    }
}

void TMainWindow::ConnectHandlers() {
    // A drive opens at the folder last visited on it, as drives keep a current folder each.
    ConnectGuarded(DriveComboBox1, &TDriveComboBox::driveChosen, this, [this](const QString& root) {
        const QString last = lastFolderOnDrive_.value(root);
        DirectoryListBox1->SetDirectory(!last.isEmpty() && QFileInfo(last).isDir() ? last : root);
    });
    connect(DirectoryListBox1, &TDirectoryListBox::directoryChanged, this,
            [this](const QString& folder) {
                DriveComboBox1->ShowDriveOf(folder);
                lastFolderOnDrive_.insert(DriveComboBox1->currentData().toString(), folder);
                FileListBox1->SetDirectory(DirectoryListBox1->DirectoryPath());
            });
    ConnectGuarded(FileListBox1, &TFileListBox::changed, this, &TMainWindow::FileListBox1DblClick);
    ConnectGuarded(ButtonRender, &QPushButton::clicked, this, &TMainWindow::ButtonRenderClick);
    ConnectToggles();
    ConnectPaintBox();
    ConnectFileChecks();
}

// A toggle's state reaches the model however it changes, the settings included; only a click
// runs its handler.
void TMainWindow::ConnectToggles() {
    connect(SpeedButtonUpdate, &QToolButton::toggled, this,
            [this](bool down) { viewer_.SetAutoUpdate(down); });
    connect(SpeedButtonFit, &QToolButton::toggled, this,
            [this](bool down) { viewer_.SetFit(down); });
    connect(SpeedButtonOrtho, &QToolButton::toggled, this,
            [this](bool down) { viewer_.SetOrtho(down); });
    ConnectGuarded(SpeedButtonUpdate, &QToolButton::clicked, this,
                   &TMainWindow::SpeedButtonUpdateClick);
    ConnectGuarded(SpeedButtonFit, &QToolButton::clicked, this, &TMainWindow::SpeedButtonFitClick);
    ConnectGuarded(SpeedButtonOrtho, &QToolButton::clicked, this,
                   &TMainWindow::SpeedButtonOrthoClick);
}

void TMainWindow::ConnectPaintBox() {
    connect(PaintBox1, &TPaintBox::painting, this, &TMainWindow::PaintGoniogram);
    ConnectGuarded(PaintBox1, &TPaintBox::clicked, this, &TMainWindow::PaintBox1Click);
    ConnectGuarded(PaintBox1, &TPaintBox::mouseDown, this,
                   [this](Qt::MouseButton, Qt::MouseButtons held) { PaintBox1MouseDown(held); });
}

// An error while painting would come back with every repaint, so a box for it would never stop
// opening; the paint keeps what it drew, and the handlers that draw outside a paint report such
// errors.
void TMainWindow::PaintGoniogram() {
    try {
        PaintBox1Paint();
    } catch (const std::exception&) {
        painting_ = false;
    }
}

void TMainWindow::FormCreate() {
    viewer_.Start();
    CreatePlaneSelector();
    ShowGrid();
    DirectoryListBox1->SetDirectory(QDir::currentPath());
    if (settings_)
        viewer_.Encodings().Restore(settings_->ReadEncodings());
    if (settings_)
        ApplySettings(settings_->ReadViewer());
}

void TMainWindow::ShowAtStart() {
    if (startState == Qt::WindowMinimized)
        showMinimized();
    else if (startState == Qt::WindowMaximized)
        showMaximized();
    else
        show();
}

void TMainWindow::CreatePlaneSelector() {
    TrackBarDegree = new TTrackBarDegree(PanelDegree);
    ConnectGuarded(TrackBarDegree, &QSlider::valueChanged, this,
                   &TMainWindow::TrackBarDegreeChange);
    ConnectGuarded(TrackBarDegree, &TTrackBar::keyUp, this, &TMainWindow::TrackBarDegreeRelease);
    ConnectGuarded(TrackBarDegree, &TTrackBar::leftReleased, this,
                   &TMainWindow::TrackBarDegreeRelease);
    TrackBarDegree->setRange(0, 0);
    TrackBarDegree->setValue(0);
    TrackBarDegree->setGeometry(60, 2, 193, 25);
    TrackBarDegree->setAutoFillBackground(true); // covers "axially symmetric" while shown
    TrackBarDegree->setEnabled(false);
    setTabOrder(ButtonRender, DriveComboBox1);
    setTabOrder(DriveComboBox1, TrackBarDegree);
    setTabOrder(TrackBarDegree, DirectoryListBox1);
    setTabOrder(DirectoryListBox1, FileListBox1);
}

void TMainWindow::FormShow() {
    ApplyRenderButtonRule();
    FormResize();
}

void TMainWindow::FormClose() {
    if (!closeFailed_)
        viewer_.ReleaseFileLines(); // once: a close that failed has released them already
    if (settings_)
        settings_->WriteViewer(SettingsToStore());
    if (settings_)
        settings_->WriteEncodings(viewer_.Encodings().Entries());
}

void TMainWindow::FormResize() {
    const PaintAreaBounds bounds = PaintAreaLayout(PanelImage->width(), PanelImage->height());
    PaintBox1->setGeometry(bounds.left, bounds.top, bounds.size, bounds.size);
}

void TMainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guarded(this, [this] { FormShow(); });
}

// A failed settings write keeps the window open so the user can react; a second failure closes
// it all the same, so the user is never trapped.
void TMainWindow::closeEvent(QCloseEvent* event) {
    try {
        FormClose();
    } catch (const std::exception& error) {
        ReportException(this, error);
        if (!closeFailed_) {
            closeFailed_ = true;
            event->ignore();
            return;
        }
    }
    event->accept();
    QApplication::quit(); // closing the main window ends the program, render window or not
}

bool TMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PanelImage && event->type() == QEvent::Resize)
        Guarded(this, [this] { FormResize(); });
    if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this)
        HandleWheel(*static_cast<QWheelEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

QString TMainWindow::SelectedFileName() const {
    return FileListBox1->FileName();
}

void TMainWindow::SetCanvas(std::unique_ptr<DrawingSurface> canvas) {
    canvas_ = canvas ? std::move(canvas) : std::make_unique<QPainterSurface>(&PaintBox1->Image());
}

void TMainWindow::ShowGrid() {
    PaintBox1->PrepareImage();
    lumetra::ShowGrid(*canvas_, PaintBox1->width(), PaintBox1->height());
    if (!painting_)
        PaintBox1->update();
}

GonioView TMainWindow::CurrentView() const {
    return viewer_.View(DecimalSeparator());
}

void TMainWindow::DrawIES() {
    PaintBox1->PrepareImage();
    lumetra::DrawIES(*canvas_, PaintBox1->width(), PaintBox1->height(), viewer_.Record(),
                     CurrentView());
    if (!painting_)
        PaintBox1->update();
}

void TMainWindow::FileListBox1DblClick() {
    ShowPlaneSelector(viewer_.BeginSelection(FileListBox1->SelectedPath()));
    ShowGrid();
    const bool found = LoadSelectedFile();
    if (found)
        DrawIES();
    if (found)
        emit fileLoaded(SelectedFileName());
    if (viewer_.SelectionMissing())
        FileListBox1->RefillKeepingSelection(); // the list was out of date
    if (viewer_.AutoRenderDue(found))
        emit renderWanted();
}

// Setting the position runs the selector's change path when it moves.
void TMainWindow::ShowPlaneSelector(const PlaneSelector& selector) {
    TrackBarDegree->setEnabled(selector.enabled);
    TrackBarDegree->setMaximum(selector.maximum);
    TrackBarDegree->setValue(selector.position);
    TrackBarDegree->setVisible(selector.visible);
    LabelAxial->setVisible(selector.captionShown);
}

void TMainWindow::SetDescription(const QString& text) {
    description_ = text;
    // A header value can be megabytes long; laying that out would freeze the window, so each
    // line shows its start only. The full text stays in Description().
    constexpr int kShownLineLength = 200;
    QStringList lines = text.split('\r');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the last line's break would add an empty line
    for (QString& line : lines)
        if (line.size() > kShownLineLength)
            line = line.left(kShownLineLength) + QChar(0x2026);
    Label1->setText(lines.join('\n'));
    Label1->adjustSize();
}

void TMainWindow::PaintBox1Paint() {
    painting_ = true;
    ShowGrid();
    if (viewer_.DrawsCurves())
        DrawIES();
    painting_ = false;
}

void TMainWindow::PaintBox1Click() {
    ShowMessage(this, AboutText());
}

void TMainWindow::PaintBox1MouseDown(Qt::MouseButtons held) {
    if (!(held & Qt::MiddleButton))
        return;
    SpeedButtonFit->setChecked(!SpeedButtonFit->isChecked());
    SpeedButtonFitClick();
}

void TMainWindow::SpeedButtonFitClick() {
    if (!viewer_.FitChanged())
        return;
    ShowGrid();
    DrawIES();
}

void TMainWindow::SpeedButtonOrthoClick() {
    if (!viewer_.OrthoChangeRedraws())
        return;
    ShowGrid();
    DrawIES();
}

void TMainWindow::TrackBarDegreeChange() {
    const int position = TrackBarDegree->value();
    if (viewer_.MovePlane(position)) {
        ShowGrid();
        DrawIES();
    }
    viewer_.PlaneDrawn(position);
}

QString AboutText() {
    const QStringList lines = {
        QStringLiteral("Lumetra version ") + QStringLiteral(LUMETRA_VERSION),
        "Improved quality of rendering, fix bug with symmetrical goniograms, add small feature:",
        "automatic update, fit screen the goniogram, show frontal and orthogonal Gonio diagrams",
        "at the same time.",
        "",
        "CTRL+mouse wheel up/down - rotate diagram",
        "Mouse wheel click - fit diagram",
        "",
        "Lumetra is free software built with Qt 6.",
        "Photometric data: IESNA LM-63 files.",
    };
    return lines.join('\r');
}

} // namespace lumetra
