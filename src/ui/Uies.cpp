#include "Uies.h"

#include "Glyphs.h"
#include "MessageBox.h"
#include "QPainterSurface.h"
#include "UiesRender.h"
#include "WindowSettings.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/ProgramData.h"
#include "data/TextEncoding.h"
#include "GoniogramExport.h"
#include "gonio/PointValue.h"
#include "gonio/Goniogram.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QApplication>
#include <QHBoxLayout>
#include <QLocale>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace lumetra {

TMainWindow* MainWindow = nullptr;
TTrackBarDegree* TrackBarDegree = nullptr;

namespace {

QFrame* Panel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::NoFrame);
    return panel;
}

// Rows of one fixed height, as the folder and file lists are designed.
class FixedRowHeight : public QStyledItemDelegate {
  public:
    FixedRowHeight(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

  private:
    int height_;
};

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

std::string FileNameBytes(const QString& name) { return QFile::encodeName(name).toStdString(); }

} // namespace

TMainWindow::TMainWindow(WindowSettings* settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    MainWindow = this;
    setWindowTitle(kApplicationTitle);
    setMinimumSize(500, 190);
    setGeometry(286, 213, 720, 401); // the designed place, kept until the settings move it
    BuildControls();
    canvas_ = std::make_unique<QPainterSurface>(&PaintBox1->Image());
    BuildGonioMenu();
    ConnectHandlers();
    // An error ends the creation handler where it stands; the window is created all the same.
    Guarded(this, [this] { FormCreate(); });
}

TMainWindow::~TMainWindow() {
    if (MainWindow == this) {
        MainWindow = nullptr;
        TrackBarDegree = nullptr;
    }
}

void TMainWindow::BuildControls() {
    PanelAll = Panel(this);
    PanelAll->setFixedWidth(409);
    PanelImage = Panel(this);
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(PanelAll);
    columns->addWidget(PanelImage, 1);

    BuildTopPanel();
    BuildBrowserPanel();
    auto* rows = new QVBoxLayout(PanelAll);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(PanelTop);
    rows->addWidget(PanelDirFileDrive, 1);

    PaintBox1 = new TPaintBox(PanelImage);
    PaintBox1->setGeometry(24, 24, 193, 153);
    PanelImage->installEventFilter(this);
    qApp->installEventFilter(this); // sees every wheel message before its target does
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
    ButtonRender = new QPushButton("&Render", PanelTop);
    ButtonRender->setGeometry(260, 83, 75, 20);
    SpeedButtonUpdate = ToggleButton(PanelTop, AutoUpdateGlyph(), "Automatic update render", 340);
    SpeedButtonFit = ToggleButton(PanelTop, FitGlyph(), "Fit goniogram", 362);
    SpeedButtonOrtho = ToggleButton(PanelTop, OrthoGlyph(), "Show orthogonal diagram", 384);
}

void TMainWindow::BuildBrowserPanel() {
    PanelDirFileDrive = new QFrame(PanelAll);
    PanelDirFileDrive->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelDirFileDrive->setLineWidth(2);

    PanelDriver = Panel(PanelDirFileDrive);
    PanelDriver->setFixedHeight(31);
    DriveComboBox1 = new TDriveComboBox(PanelDriver);
    DriveComboBox1->setGeometry(6, 4, 131, 19);
    PanelDegree = Panel(PanelDriver);
    PanelDegree->setFixedSize(261, 31);
    Label4 = new QLabel("Degree:", PanelDegree);
    Label4->move(24, 8);
    LabelAxial = new QLabel("axially symmetric", PanelDegree);
    LabelAxial->setGeometry(72, 8, 77, 13);
    LabelAxial->resize(LabelAxial->sizeHint().expandedTo(LabelAxial->size())); // a wider font
    auto* driverRow = new QHBoxLayout(PanelDriver);
    driverRow->setContentsMargins(0, 0, 0, 0);
    driverRow->addStretch(1);
    driverRow->addWidget(PanelDegree);

    Splitter1 = new QSplitter(Qt::Horizontal, PanelDirFileDrive);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    DirectoryListBox1 = new TDirectoryListBox(Splitter1);
    DirectoryListBox1->setItemDelegate(new FixedRowHeight(16, DirectoryListBox1));
    FileListBox1 = new TFileListBox(Splitter1);
    FileListBox1->setItemDelegate(new FixedRowHeight(13, FileListBox1));
    Splitter1->setSizes({207, 195});
    Splitter1->setStretchFactor(1, 1);

    auto* browser = new QVBoxLayout(PanelDirFileDrive);
    browser->setContentsMargins(0, 0, 0, 0);
    browser->setSpacing(0);
    browser->addWidget(PanelDriver);
    browser->addWidget(Splitter1, 1);
}

void TMainWindow::ConnectHandlers() {
    // A drive opens at the folder last visited on it, as drives keep a current folder each.
    connect(DriveComboBox1, &TDriveComboBox::driveChosen, this, [this](const QString& root) {
        Guarded(this, [&] {
            const QString last = lastFolderOnDrive_.value(root);
            DirectoryListBox1->SetDirectory(!last.isEmpty() && QFileInfo(last).isDir() ? last
                                                                                       : root);
        });
    });
    connect(DirectoryListBox1, &TDirectoryListBox::directoryChanged, this,
            [this](const QString& folder) {
                DriveComboBox1->ShowDriveOf(folder);
                lastFolderOnDrive_.insert(DriveComboBox1->currentData().toString(), folder);
                FileListBox1->SetDirectory(folder);
            });
    connect(FileListBox1, &TFileListBox::changed, this,
            [this] { Guarded(this, [this] { FileListBox1DblClick(); }); });
    connect(ButtonRender, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { ButtonRenderClick(); }); });
    connect(SpeedButtonUpdate, &QToolButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButtonUpdateClick(); }); });
    connect(SpeedButtonFit, &QToolButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButtonFitClick(); }); });
    connect(SpeedButtonOrtho, &QToolButton::clicked, this,
            [this] { Guarded(this, [this] { SpeedButtonOrthoClick(); }); });
    // An error while painting would come back with every repaint, so a box for it would never
    // stop opening; the paint keeps what it drew, and the handlers that draw outside a paint
    // report such errors.
    PaintBox1->onPaint = [this] {
        try {
            PaintBox1Paint();
        } catch (const std::exception&) {
            painting_ = false;
        }
    };
    PaintBox1->onClick = [this] { Guarded(this, [this] { PaintBox1Click(); }); };
    PaintBox1->onMouseDown = [this](Qt::MouseButton, Qt::MouseButtons held,
                                    Qt::KeyboardModifiers) {
        Guarded(this, [&] { PaintBox1MouseDown(held); });
    };
}

void TMainWindow::FormCreate() {
    LastRenderedFile.clear();
    CreatePlaneSelector();
    LastDrawnDegree = TrackBarDegree->minimum();
    LastRenderedDegree = TrackBarDegree->minimum();
    ShowGrid();
    FileLines.clear();
    HeaderLines.clear();
    DirectoryListBox1->SetDirectory(QDir::currentPath());
    if (settings_)
        settings_->ReadViewer(*this);
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
    connect(TrackBarDegree, &QSlider::valueChanged, this,
            [this] { Guarded(this, [this] { TrackBarDegreeChange(); }); });
    TrackBarDegree->onKeyUp = [this] { Guarded(this, [this] { TrackBarDegreeRelease(); }); };
    TrackBarDegree->onLeftRelease = TrackBarDegree->onKeyUp;
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
        FileLines = TextLines(); // once: a close that failed has released the list already
    if (settings_)
        settings_->WriteViewer(*this);
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

QString TMainWindow::SelectedFileName() const { return FileListBox1->FileName(); }

std::string TMainWindow::DecimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

void TMainWindow::ShowGrid() {
    PaintBox1->PrepareImage();
    lumetra::ShowGrid(*canvas_, PaintBox1->width(), PaintBox1->height());
    if (!painting_)
        PaintBox1->update();
}

GonioView TMainWindow::CurrentView() const {
    GonioView view;
    view.plane = TrackBarDegree->value();
    view.fit = SpeedButtonFit->isChecked();
    view.ortho = SpeedButtonOrtho->isChecked();
    view.globalMaxCandela = GlobalMaxCandela;
    view.decimalSeparator = DecimalSeparator();
    return view;
}

void TMainWindow::DrawIES() {
    PaintBox1->PrepareImage();
    lumetra::DrawIES(*canvas_, PaintBox1->width(), PaintBox1->height(), Photometry,
                     CurrentView());
    if (!painting_)
        PaintBox1->update();
}

void TMainWindow::FileListBox1DblClick() {
    TrackBarDegree->setEnabled(false);
    TrackBarDegree->setValue(TrackBarDegree->minimum());
    ShowGrid();
    const QString fileName = SelectedFileName();
    const bool found = !fileName.isEmpty() && QFileInfo::exists(fileName);
    if (found) {
        LoadPhotometry(FileNameBytes(fileName), [this](const std::string& text) {
            ShowMessage(this, QString::fromStdString(ToUtf8(text)));
        });
        const int lastPlane = static_cast<int>(Photometry.HorizontalAngles.size()) - 1;
        if (lastPlane >= TrackBarDegree->minimum())
            TrackBarDegree->setMaximum(lastPlane);
        TrackBarDegree->setEnabled(!Photometry.HorizontalAngles.empty());
        if (!SpeedButtonFit->isChecked())
            FindGlobalMaxCandela(Photometry, TrackBarDegree->minimum(), TrackBarDegree->maximum(),
                                 GlobalMaxCandela);
        DrawIES();
    }
    TrackBarDegree->setVisible(Photometry.HorizontalAngles.size() >= 2);
    SetDescription(QString::fromStdString(ToUtf8(BuildDescription(HeaderText(HeaderLines)))));
    if (found && RenderWindow && RenderWindow->isVisible() && SpeedButtonUpdate->isChecked())
        RenderWindow->DoRender();
}

void TMainWindow::SetDescription(const QString& text) {
    description_ = text;
    QString shown = text;
    shown.replace('\r', '\n');
    if (shown.endsWith('\n'))
        shown.chop(1); // the last line's break would add an empty line
    Label1->setText(shown);
    Label1->adjustSize();
}

void TMainWindow::PaintBox1Paint() {
    painting_ = true;
    ShowGrid();
    if (!SelectedFileName().isEmpty())
        DrawIES();
    painting_ = false;
}

void TMainWindow::PaintBox1Click() { ShowMessage(this, AboutText()); }

void TMainWindow::PaintBox1MouseDown(Qt::MouseButtons held) {
    if (!(held & Qt::MiddleButton))
        return;
    SpeedButtonFit->setChecked(!SpeedButtonFit->isChecked());
    SpeedButtonFitClick();
}

void TMainWindow::SpeedButtonFitClick() {
    if (SelectedFileName().isEmpty())
        return;
    if (!SpeedButtonFit->isChecked() && !Photometry.Candela.empty())
        FindGlobalMaxCandela(Photometry, TrackBarDegree->minimum(), TrackBarDegree->maximum(),
                             GlobalMaxCandela);
    ShowGrid();
    DrawIES();
}

void TMainWindow::SpeedButtonOrthoClick() {
    if (TrackBarDegree->value() == 0 && TrackBarDegree->maximum() > TrackBarDegree->minimum() &&
        !SelectedFileName().isEmpty()) {
        ShowGrid();
        DrawIES();
    }
}

void TMainWindow::TrackBarDegreeChange() {
    if (TrackBarDegree->value() != LastDrawnDegree) {
        ShowGrid();
        DrawIES();
    }
    LastDrawnDegree = TrackBarDegree->value();
}

void TMainWindow::TrackBarDegreeRelease() {
    if (RenderWindow && RenderWindow->isVisible() &&
        TrackBarDegree->value() != LastRenderedDegree && SpeedButtonUpdate->isChecked())
        RenderWindow->DoRender();
}

void TMainWindow::ApplyRenderButtonRule() {
    const bool renderWindowShows = RenderWindow && RenderWindow->isVisible();
    ButtonRender->setEnabled(!(SpeedButtonUpdate->isChecked() && renderWindowShows));
}

void TMainWindow::ButtonRenderClick() {
    const QString fileName = SelectedFileName();
    if (fileName.isEmpty()) {
        ShowMessage(this, "Please select file");
        return;
    }
    if (!RenderWindow)
        return;
    if (!RenderWindow->isVisible()) {
        RenderWindow->show(); // showing renders
        return;
    }
    if (TrackBarDegree->value() == LastRenderedDegree &&
        FileNameBytes(fileName) == LastRenderedFile) {
        RenderWindow->raise(); // already current: only to the front
        return;
    }
    QWidget* focused = focusWidget();
    RenderWindow->DoRender();
    show();
    raise();
    activateWindow();
    if (focused)
        focused->setFocus();
}

void TMainWindow::SpeedButtonUpdateClick() {
    ApplyRenderButtonRule();
    if (RenderWindow && RenderWindow->isVisible())
        ButtonRenderClick();
}

void TMainWindow::FormMouseWheel(int shiftState) {
    if (shiftState == ssMiddle)
        ShowMessage(this, "Click!");
}

void TMainWindow::FormMouseWheelDown(int shiftState) { StepPlane(shiftState, +1); }

void TMainWindow::FormMouseWheelUp(int shiftState) { StepPlane(shiftState, -1); }

void TMainWindow::StepPlane(int shiftState, int step) {
    if (!TrackBarDegree->isEnabled() || shiftState != ssShift)
        return;
    const int position = TrackBarDegree->value();
    if ((step > 0 && position >= TrackBarDegree->maximum()) ||
        (step < 0 && position <= TrackBarDegree->minimum()))
        return;
    TrackBarDegree->setValue(position + step);
    if (RenderWindow && RenderWindow->isVisible())
        ButtonRenderClick();
}

// Runs the wheel handlers once per wheel message, one notch handler per 120 units, and leaves
// the event to its target.
void TMainWindow::HandleWheel(const QWheelEvent& event) {
    if (event.timestamp() != 0 && event.timestamp() == lastWheelTimestamp_)
        return;
    lastWheelTimestamp_ = event.timestamp();
    const int shiftState = ShiftState(event.modifiers(), event.buttons());
    // Some platforms turn a vertical wheel into a horizontal one while Shift is held.
    const QPoint angle = event.angleDelta();
    wheelDelta_ += angle.y() != 0 ? angle.y() : angle.x();
    Guarded(this, [&] {
        FormMouseWheel(shiftState);
        for (; wheelDelta_ <= -120; wheelDelta_ += 120)
            FormMouseWheelDown(shiftState);
        for (; wheelDelta_ >= 120; wheelDelta_ -= 120)
            FormMouseWheelUp(shiftState);
    });
}

int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    int state = 0;
    state |= modifiers.testFlag(Qt::ShiftModifier) ? ssShift : 0;
    state |= modifiers.testFlag(Qt::AltModifier) ? ssAlt : 0;
    state |= modifiers.testFlag(Qt::ControlModifier) ? ssCtrl : 0;
    state |= buttons.testFlag(Qt::LeftButton) ? ssLeft : 0;
    state |= buttons.testFlag(Qt::RightButton) ? ssRight : 0;
    state |= buttons.testFlag(Qt::MiddleButton) ? ssMiddle : 0;
    return state;
}

void TMainWindow::BuildGonioMenu() {
    GonioMenu = new QMenu(this);
    ActionSaveGoniogram = GonioMenu->addAction("Save Goniogram As...");
    ActionCopyGoniogram = GonioMenu->addAction("Copy Goniogram");
    connect(ActionSaveGoniogram, &QAction::triggered, this,
            [this] { Guarded(this, [this] { SaveGoniogramAs(); }); });
    connect(ActionCopyGoniogram, &QAction::triggered, this,
            [this] { Guarded(this, [this] { CopyGoniogram(); }); });
    PaintBox1->onContextMenu = [this](const QPoint& globalPos) {
        UpdateGonioMenu();
        GonioMenu->popup(globalPos);
    };
    PaintBox1->toolTipAt = [this](const QPoint& pos) { return GonioToolTip(pos); };
}

void TMainWindow::UpdateGonioMenu() {
    const bool loaded = !SelectedFileName().isEmpty() && !Photometry.Candela.empty();
    ActionSaveGoniogram->setEnabled(loaded);
    ActionCopyGoniogram->setEnabled(loaded);
}

void TMainWindow::SaveGoniogramAs() {
    const QFileInfo ies(SelectedFileName());
    const QString fileName = QFileDialog::getSaveFileName(
        this, "Save Goniogram As", ies.dir().filePath(ies.completeBaseName() + ".png"),
        "PNG image (*.png);;SVG drawing (*.svg)");
    if (!fileName.isEmpty())
        SaveGoniogram(fileName);
}

void TMainWindow::SaveGoniogram(const QString& fileName) {
    ExportGoniogram(fileName, PaintBox1->width(), Photometry, CurrentView(),
                    "Goniogram of " + QFileInfo(SelectedFileName()).fileName());
}

void TMainWindow::CopyGoniogram() {
    QGuiApplication::clipboard()->setImage(
        GoniogramImage(PaintBox1->width(), Photometry, CurrentView()));
}

QString TMainWindow::GonioToolTip(const QPoint& pos) const {
    if (SelectedFileName().isEmpty())
        return {};
    const auto value = ValueAtPoint(Photometry, TrackBarDegree->value(), PaintBox1->width(),
                                    PaintBox1->height(), pos.x(), pos.y());
    if (!value)
        return {};
    return QString::fromStdString(PointValueText(*value, DecimalSeparator()));
}

QString AboutText() {
    const QStringList lines = {
        "Lumetra version 1.46",
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
