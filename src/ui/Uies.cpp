// The main window: its creation, showing and closing, and loading the selected file; a change on
// disk, a click on the selected file and F5 read it again when it changed, and a load that finds
// nothing, or fails, leaves no trace of the file shown before it.

#include "Uies.h"

#include "GuardedConnect.h"
#include "MessageBox.h"
#include "MouseWheelWatch.h"
#include "SelectedFileWatch.h"
#include "surface/FileNameText.h"
#include "translate/Translations.h"
#include "viewer/AccessibleText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QShortcut>
#include <QSignalBlocker>

namespace lumetra {

TMainWindow* MainWindow = nullptr;
TTrackBarDegree* TrackBarDegree = nullptr;

TMainWindow::TMainWindow(ViewerModel& viewer, WindowSettings* settings, QWidget* parent)
    : QWidget(parent), viewer_(viewer), settings_(settings) {
    MainWindow = this;
    setWindowTitle(kApplicationTitle);
    setMinimumSize(500, 190);
    setGeometry(QRect(QPoint(286, 213), kMainWindowSize)); // kept until the settings move it
    BuildControls();
    BuildWindowAccess();
    BuildEncodingMenu();
    ConnectHandlers();
    // An error ends the creation handler where it stands; the window is created all the same.
    Guarded(this, [this] { FormCreate(); });
    NameControls();
}

TMainWindow::~TMainWindow() {
    if (MainWindow == this) {
        MainWindow = nullptr;
        TrackBarDegree = nullptr;
    }
}

void TMainWindow::ConnectHandlers() {
    ConnectGuarded(PanelDirFileDrive, &FileBrowserPanel::selectionChanged, this,
                   &TMainWindow::FileListBox1DblClick);
    ConnectGuarded(PanelDirFileDrive, &FileBrowserPanel::fileClicked, this,
                   &TMainWindow::FileListBox1Click);
    connect(PanelDirFileDrive, &FileBrowserPanel::catalogueWanted, this,
            &TMainWindow::catalogueWanted);
    PanelDirFileDrive->TakeDropsOn(this);
    ConnectGuarded(ButtonRender, &QPushButton::clicked, this, &TMainWindow::ButtonRenderClick);
    ConnectToggles();
    ConnectGuarded(PaintBox1, &TPaintBox::clicked, this, &TMainWindow::PaintBox1Click);
    ConnectGuarded(PaintBox1, &TPaintBox::mouseDown, this,
                   [this](Qt::MouseButton, Qt::MouseButtons held) { PaintBox1MouseDown(held); });
    ConnectGuarded(new MouseWheelWatch(this), &MouseWheelWatch::turned, this,
                   &TMainWindow::RunWheelHandlers);
    ConnectGuarded(new QShortcut(QKeySequence(Qt::Key_F5), this), &QShortcut::activated, this,
                   &TMainWindow::FormRefresh);
    ConnectFileWatch();
}

// A change on disk of the file shown reads it again, as a click on it does.
void TMainWindow::ConnectFileWatch() {
    auto* watch = new SelectedFileWatch(this);
    const auto watchSelected = [this, watch] {
        watch->Watch(FileNameText(viewer_.SelectedFile()));
    };
    connect(this, &TMainWindow::fileLoaded, watch, watchSelected);
    connect(this, &TMainWindow::fileLoadFailed, watch, watchSelected);
    ConnectGuarded(watch, &SelectedFileWatch::changed, this, &TMainWindow::FileListBox1Click);
}

// A toggle's state reaches the model whenever the user changes it; only a click runs its handler.
// What the model changes itself the buttons show through ShowToggles.
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

// The buttons show the model's toggles without announcing a change back to it.
void TMainWindow::ShowToggles() {
    for (const auto& [button, down] :
         {std::pair{SpeedButtonUpdate, viewer_.AutoUpdate()},
          std::pair{SpeedButtonFit, viewer_.Fit()}, std::pair{SpeedButtonOrtho, viewer_.Ortho()}}) {
        const QSignalBlocker quiet(button);
        button->setChecked(down);
    }
    DescribeControls();
}

void TMainWindow::FormCreate() {
    viewer_.Start();
    BuildPlaneSelector();
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

void TMainWindow::FileListBox1DblClick() {
    ShowPlaneSelector(viewer_.BeginSelection(FileListBox1->SelectedPath()));
    ShowGrid();
    readAhead_.Offer(viewer_);
    const bool found = LoadSelectedFile();
    if (found)
        DrawIES();
    if (found)
        readAhead_.ReadNext(*FileListBox1, viewer_);
    if (found)
        emit fileLoaded(SelectedFileName());
    if (viewer_.SelectionMissing())
        FileListBox1->RefillKeepingSelection(); // the list was out of date
    if (viewer_.AutoRenderDue(found))
        emit autoRenderWanted();
}

void TMainWindow::FileListBox1Click() {
    if (viewer_.SelectedFileChanged())
        FileListBox1DblClick();
}

// A selected file that changed is read first: one that is gone refills the list itself.
void TMainWindow::FormRefresh() {
    DirectoryListBox1->Refresh();
    if (viewer_.SelectedFileChanged())
        FileListBox1DblClick();
    FileListBox1->RefillKeepingSelection();
}

// The window shows what the load left whether it succeeded or not; the error goes on to the
// application's report, and a load that finds nothing, or fails, leaves no trace of the file
// shown before it.
bool TMainWindow::LoadSelectedFile() {
    try {
        const bool found = viewer_.LoadSelection(
            [this](const Message& message) { ShowMessage(this, TranslatedMessage(message)); });
        ShowLoadState();
        return found;
    } catch (const std::exception&) {
        ShowLoadState();
        emit fileLoadFailed(SelectedFileName()); // the properties window shows what went wrong
        throw;
    }
}

void TMainWindow::ShowLoadState() {
    ShowPlaneSelector(viewer_.Selector());
    SetDescription(QString::fromStdString(viewer_.Description(TranslatedUtf8)));
    if (viewer_.NothingLoaded())
        emit pictureOutdated();
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

void TMainWindow::PaintBox1Click() {
    ShowMessage(this, AboutText());
}

void TMainWindow::PaintBox1MouseDown(Qt::MouseButtons held) {
    if (!(held & Qt::MiddleButton))
        return;
    viewer_.SetFit(!viewer_.Fit());
    ShowToggles();
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

// Toggles show glyphs only: their names are their hints. Controls with captions keep them; the
// panels name their own controls.
void TMainWindow::NameControls() {
    ProgressBarRender->setAccessibleName(tr("Rendering progress"));
    for (QToolButton* toggle : {SpeedButtonUpdate, SpeedButtonFit, SpeedButtonOrtho})
        toggle->setAccessibleName(toggle->toolTip());
    if (TrackBarDegree)
        TrackBarDegree->setAccessibleDescription(tr("Selects the C plane the goniogram shows"));
    DescribeControls();
    // After the handlers, so the texts see what a change left.
    const auto describe = [this] { DescribeControls(); };
    connect(FileListBox1, &TFileListBox::changed, this, describe);
    connect(this, &TMainWindow::fileLoaded, this, describe);
    connect(SpeedButtonFit, &QToolButton::toggled, this, describe);
    connect(SpeedButtonOrtho, &QToolButton::toggled, this, describe);
    if (TrackBarDegree)
        connect(TrackBarDegree, &QSlider::valueChanged, this, describe);
}

void TMainWindow::DescribeControls() {
    PanelImage->Describe(SelectedFileName());
    if (TrackBarDegree)
        TrackBarDegree->setAccessibleName(QString::fromStdString(
            PlaneSelectorName(viewer_.Record(), viewer_.Plane(), DecimalSeparator())));
}

QString AboutText() {
    const QStringList lines = {
        QCoreApplication::translate("About", "Lumetra version %1").arg(LUMETRA_VERSION),
        QCoreApplication::translate("About", "Improved quality of rendering, fix bug with "
                                             "symmetrical goniograms, add small feature:"),
        QCoreApplication::translate("About", "automatic update, fit screen the goniogram, show "
                                             "frontal and orthogonal Gonio diagrams"),
        QCoreApplication::translate("About", "at the same time."),
        "",
        QCoreApplication::translate("About", "CTRL+mouse wheel up/down - rotate diagram"),
        QCoreApplication::translate("About", "Mouse wheel click - fit diagram"),
        "",
        QCoreApplication::translate("About", "Lumetra is free software built with Qt 6."),
        QCoreApplication::translate("About", "Photometric data: IESNA LM-63 files."),
    };
    return lines.join('\r');
}

} // namespace lumetra
