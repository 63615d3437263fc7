// The main window's controls placed as designed, its ways to the other windows, and its section
// of the settings: applied while the window is created, taken when it closes.

#include "Glyphs.h"
#include "GuardedConnect.h"
#include "Uies.h"
#include "WindowBounds.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace lumetra {

namespace {

QFrame* Panel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

QToolButton* ToggleButton(QWidget* parent, const QIcon& glyph, const QString& hint, int left) {
    auto* button = new QToolButton(parent);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setIcon(glyph);
    button->setIconSize(QSize(18, 18));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 83, 20, 20);
    return button;
}

Qt::WindowState StartState(int state, Qt::WindowState current) {
    if (state == 0)
        return Qt::WindowNoState;
    if (state == 1)
        return Qt::WindowMinimized;
    if (state == 2)
        return Qt::WindowMaximized;
    return current;
}

int StateNumber(Qt::WindowStates state) {
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & Qt::WindowMaximized)
        return 2;
    return 0;
}

} // namespace

void TMainWindow::BuildControls() {
    PanelAll = Panel(this);
    PanelAll->setFixedWidth(409);
    PanelImage = new GoniogramPanel(
        viewer_, [this] { return SelectedFileName(); }, this);
    PaintBox1 = PanelImage->PaintBox1;
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(PanelAll);
    columns->addWidget(PanelImage, 1);

    BuildTopPanel();
    PanelDirFileDrive = new FileBrowserPanel(PanelAll);
    PanelDriver = PanelDirFileDrive->PanelDriver;
    DriveComboBox1 = PanelDirFileDrive->DriveComboBox1;
    Splitter1 = PanelDirFileDrive->Splitter1;
    DirectoryListBox1 = PanelDirFileDrive->DirectoryListBox1;
    FileListBox1 = PanelDirFileDrive->FileListBox1;
    PanelDegree = Panel(PanelDriver);
    PanelDegree->setFixedSize(261, 31);
    Label4 = new QLabel(tr("Degree:"), PanelDegree);
    Label4->move(24, 8);
    LabelAxial = new QLabel(tr("axially symmetric"), PanelDegree);
    LabelAxial->setGeometry(72, 8, 77, 13);
    LabelAxial->resize(LabelAxial->sizeHint().expandedTo(LabelAxial->size())); // a wider font
    PanelDirFileDrive->AddToDriveRow(PanelDegree);

    auto* rows = new QVBoxLayout(PanelAll);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(PanelTop);
    rows->addWidget(PanelDirFileDrive, 1);
}

void TMainWindow::BuildTopPanel() {
    PanelTop = Panel(PanelAll);
    PanelTop->setFixedHeight(104);
    Label1 = new QLabel(PanelTop);
    Label1->move(8, 5);
    Label1->setTextFormat(Qt::PlainText);
    ProgressBarRender = new QProgressBar(PanelTop);
    ProgressBarRender->setGeometry(4, 85, 253, 16);
    ProgressBarRender->setRange(0, 300);
    ProgressBarRender->setTextVisible(false);
    ProgressBarRender->hide();
    Label3 = new QLabel(PanelTop);
    Label3->move(118, 86);
    ButtonRender = new QPushButton(tr("&Render"), PanelTop);
    ButtonRender->setGeometry(260, 83, 75, 20);
    SpeedButtonUpdate =
        ToggleButton(PanelTop, AutoUpdateGlyph(), tr("Automatic update render"), 340);
    SpeedButtonFit = ToggleButton(PanelTop, FitGlyph(), tr("Fit goniogram"), 362);
    SpeedButtonOrtho = ToggleButton(PanelTop, OrthoGlyph(), tr("Show orthogonal diagram"), 384);
}

void TMainWindow::BuildPlaneSelector() {
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

// An entry of the goniogram's and the description's menus whose key works anywhere in the window.
QAction* TMainWindow::WindowAction(const QString& text, QKeyCombination key) {
    auto* action = new QAction(text, this);
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    return action;
}

void TMainWindow::BuildWindowAccess() {
    ActionProperties = WindowAction(tr("Properties..."), Qt::CTRL | Qt::Key_I);
    ActionDiagrams = WindowAction(tr("Diagrams..."), Qt::CTRL | Qt::Key_D);
    ActionIlluminance = WindowAction(tr("Illuminance..."), Qt::CTRL | Qt::Key_L);
    connect(ActionProperties, &QAction::triggered, this, &TMainWindow::propertiesWanted);
    connect(ActionDiagrams, &QAction::triggered, this, &TMainWindow::diagramsWanted);
    connect(ActionIlluminance, &QAction::triggered, this, &TMainWindow::illuminanceWanted);
    QMenu* gonioMenu = PanelImage->Menu;
    gonioMenu->addSeparator();
    gonioMenu->addActions({ActionProperties, ActionDiagrams, ActionIlluminance});
    DescriptionMenu = new QMenu(this);
    DescriptionMenu->addActions(
        {ActionProperties, PanelImage->ActionSavePhotometry, ActionDiagrams, ActionIlluminance});
    PanelTop->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(PanelTop, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { DescriptionMenu->popup(PanelTop->mapToGlobal(pos)); });
}

// The default place centres the window at the size just applied; the toggles go to the model,
// which the buttons then show.
void TMainWindow::ApplySettings(const SectionRead<ViewerSection>& read) {
    const ViewerSection& viewer = read.values;
    KeysRead keys(read.keysRead);
    if (keys.Next() && !viewer.folder.isEmpty() && viewer.folder != DirectoryListBox1->Directory())
        DirectoryListBox1->SetDirectory(viewer.folder);
    if (keys.Next())
        SetWindowWidth(*this, viewer.width);
    if (keys.Next())
        SetWindowHeight(*this, viewer.height);
    if (keys.Next())
        SetWindowLeft(*this, viewer.left.value_or(
                                 CentredStart(ScreenSize().width(), OuterSize(*this).width())));
    if (keys.Next())
        SetWindowTop(*this, viewer.top.value_or(
                                CentredStart(ScreenSize().height(), OuterSize(*this).height())));
    if (keys.Next())
        viewer_.SetAutoUpdate(viewer.autoUpdate);
    if (keys.Next())
        viewer_.SetOrtho(viewer.ortho);
    if (keys.Next())
        viewer_.SetFit(viewer.fit);
    if (keys.Next())
        startState = StartState(viewer.state, startState);
    ShowToggles();
    ThrowReadError(read);
}

// The window keeps its state; a maximised or minimised window stores the bounds it has when
// restored, as Qt keeps them.
ViewerSection TMainWindow::SettingsToStore() const {
    const QRect bounds = NormalBounds(*this);
    ViewerSection viewer;
    viewer.state = StateNumber(windowState());
    viewer.folder = DirectoryListBox1->Directory();
    viewer.width = bounds.width();
    viewer.height = bounds.height();
    viewer.left = bounds.x();
    viewer.top = bounds.y();
    viewer.fit = viewer_.Fit();
    viewer.autoUpdate = viewer_.AutoUpdate();
    viewer.ortho = viewer_.Ortho();
    return viewer;
}

} // namespace lumetra
