#include "UiesRender.h"

#include "ExportDialogs.h"
#include "GuardedConnect.h"
#include "KeyboardAccess.h"
#include "WindowSettings.h"
#include "data/Errors.h"
#include "render/LightPattern.h"
#include "surface/FileNameText.h"
#include "surface/LightPatternPicture.h"
#include "surface/PictureFile.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>

namespace lumetra {

TRenderWindow* RenderWindow = nullptr;
TTrackBar2* TrackBar2 = nullptr;
TTrackBarZoom* TrackBarZoom = nullptr;

namespace {

// The light pattern is a grid of pixels: raster formats only.
const std::vector<ExportFormat> kPictureFormats{ExportFormat::Png, ExportFormat::Jpeg};

QPushButton* Button(QWidget* parent, const QString& caption, QRect bounds) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(bounds);
    return button;
}

QLabel* Label(QWidget* parent, const QString& caption, QPoint at) {
    auto* label = new QLabel(caption, parent);
    label->move(at);
    return label;
}

// The bar settings both bars share; the handlers are attached before any value is set.
template <typename Bar>
Bar* CreateBar(TRenderWindow* owner, const BarRange& range, int top,
               void (TRenderWindow::*onChange)(int), void (TRenderWindow::*onRelease)()) {
    auto* bar = new Bar(owner);
    ConnectGuarded(bar, &QSlider::valueChanged, owner, onChange);
    ConnectGuarded(bar, &TTrackBar::keyUp, owner, onRelease);
    ConnectGuarded(bar, &TTrackBar::leftReleased, owner, onRelease);
    bar->setRange(range.minimum, range.maximum);
    bar->setValue(range.initial);
    bar->setGeometry(95, top, 150, 25);
    bar->setTickPosition(QSlider::NoTicks);
    return bar;
}

} // namespace

TRenderWindow::TRenderWindow(ViewerModel& viewer, WindowSettings* settings, QWidget* parent)
    // A tool window of the main window stays above that window only, never above other
    // programs or the message boxes and dialogs of this one.
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      viewer_(viewer), settings_(settings) {
    RenderWindow = this;
    setWindowTitle(tr("Render"));
    setGeometry(QRect(QPoint(360, 250), kRenderWindowSize));
    setFixedSize(kRenderWindowSize);
    BuildControls();
    ConnectHandlers();
    BuildPictureMenu();
    // An error ends the creation handler where it stands; the window is created all the same.
    Guarded(this, [this] { FormCreate(); });
    NameControls();
}

TRenderWindow::~TRenderWindow() {
    Guarded(this, [this] { FormDestroy(); });
    if (RenderWindow == this)
        RenderWindow = nullptr;
}

void TRenderWindow::BuildControls() {
    Button1 = Button(this, tr("&Close"), {272, 350, 75, 17});
    CheckBoxRadiosity = new QCheckBox(tr("&Radiosity"), this);
    CheckBoxRadiosity->setGeometry(274, 325, 63, 17);
    CheckBoxRadiosity->resize(CheckBoxRadiosity->sizeHint().expandedTo(CheckBoxRadiosity->size()));
    Button2 = Button(this, "R", {248, 325, 17, 17});
    Button2->setToolTip(tr("Reset brightness"));
    Label1 = Label(this, tr("Brightness:"), {12, 325});
    Label2 = Label(this, "", {67, 325});
    Label3 = Label(this, tr("Zoom:"), {12, 350});
    ButtonResetZoom = Button(this, "R", {248, 350, 17, 17});
    ButtonResetZoom->setToolTip(tr("Reset zoom"));
    LabelZoom = Label(this, "", {54, 350});
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(9, 9, 305, 305);
    Image1 = new TPicture(Panel1);
    Image1->setGeometry(2, 2, kPictureSize, kPictureSize);
}

void TRenderWindow::ConnectHandlers() {
    ConnectGuarded(Button1, &QPushButton::clicked, this, &TRenderWindow::Button1Click);
    ConnectGuarded(Button2, &QPushButton::clicked, this, &TRenderWindow::Button2Click);
    ConnectGuarded(ButtonResetZoom, &QPushButton::clicked, this,
                   &TRenderWindow::ButtonResetZoomClick);
    connect(CheckBoxRadiosity, &QCheckBox::toggled, this,
            [this](bool checked) { viewer_.SetRadiosity(checked); });
    // A change of the checked state counts as a click, also when the settings set it.
    ConnectGuarded(CheckBoxRadiosity, &QCheckBox::toggled, this,
                   &TRenderWindow::CheckBoxRadiosityClick);
    // Esc does what Close does, as in any dialog.
    ConnectGuarded(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this,
                   &TRenderWindow::Button1Click);
}

void TRenderWindow::CreateBars() {
    TrackBar2 = CreateBar<TTrackBar2>(this, kBrightnessBar, 325, &TRenderWindow::BrightnessChange,
                                      &TRenderWindow::RenderIfPending);
    TrackBarZoom = CreateBar<TTrackBarZoom>(this, kZoomBar, 350, &TRenderWindow::ZoomChange,
                                            &TRenderWindow::RenderIfPending);
    // Tab visits Close, brightness, zoom, brightness reset, zoom reset, Radiosity.
    setTabOrder(Button1, TrackBar2);
    setTabOrder(TrackBar2, TrackBarZoom);
    setTabOrder(TrackBarZoom, Button2);
    setTabOrder(Button2, ButtonResetZoom);
    setTabOrder(ButtonResetZoom, CheckBoxRadiosity);
}

void TRenderWindow::BrightnessChange(int position) {
    viewer_.SetBrightness(position);
    ShowCaptions();
}

void TRenderWindow::ZoomChange(int position) {
    viewer_.SetZoom(position);
    ShowCaptions();
}

// A position the bar would not take is kept inside its range; one the model holds already leaves
// the pending render as it is, as a bar that does not move announces nothing.
void TRenderWindow::MoveBrightness(int position) {
    const int kept = ClampToBar(position, kBrightnessBar);
    if (kept != viewer_.Controls().brightness)
        viewer_.SetBrightness(kept);
}

void TRenderWindow::MoveZoom(int position) {
    const int kept = ClampToBar(position, kZoomBar);
    if (kept != viewer_.Controls().zoom)
        viewer_.SetZoom(kept);
}

// The bars, their captions and the box show the model's controls without announcing a change
// back to it.
void TRenderWindow::ShowControls() {
    const RenderControls& controls = viewer_.Controls();
    {
        const QSignalBlocker quietBrightness(TrackBar2);
        const QSignalBlocker quietZoom(TrackBarZoom);
        const QSignalBlocker quietBox(CheckBoxRadiosity);
        TrackBar2->setValue(controls.brightness);
        TrackBarZoom->setValue(controls.zoom);
        CheckBoxRadiosity->setChecked(controls.radiosity);
    }
    ShowCaptions();
}

// The bars' captions: the brightness position and the zoom as the window shows it.
void TRenderWindow::ShowCaptions() {
    Label2->setText(QString::number(viewer_.Controls().brightness));
    Label2->adjustSize();
    LabelZoom->setText(QString::number(ZoomCaption(viewer_.Controls().zoom)));
    LabelZoom->adjustSize();
}

void TRenderWindow::FormCreate() {
    CreateBars();
    if (settings_)
        ApplySettings(settings_->ReadRender());
}

void TRenderWindow::FormShow() {
    emit shownChanged(true);
    DoRender();
}

void TRenderWindow::FormClose() {
    emit shownChanged(false);
}

void TRenderWindow::FormDestroy() {
    // The bars go whether or not the settings could be written.
    struct DestroyBars {
        ~DestroyBars() {
            delete TrackBar2;
            delete TrackBarZoom;
            TrackBar2 = nullptr;
            TrackBarZoom = nullptr;
        }
    } destroyBars;
    if (settings_)
        settings_->WriteRender(SettingsToStore());
}

void TRenderWindow::Button1Click() {
    close();
}

void TRenderWindow::Button2Click() {
    MoveBrightness(kBrightnessBar.initial);
    ShowControls();
    FormShow();
}

void TRenderWindow::ButtonResetZoomClick() {
    MoveZoom(kZoomBar.initial);
    ShowControls();
    FormShow();
}

void TRenderWindow::CheckBoxRadiosityClick() {
    if (viewer_.HasCandela())
        FormShow();
}

void TRenderWindow::RenderIfPending() {
    if (viewer_.RenderPending())
        DoRender();
}

void TRenderWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guarded(this, [this] { FormShow(); });
}

// Hidden without a close, the window no longer counts as showing.
void TRenderWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        emit shownChanged(false);
}

void TRenderWindow::closeEvent(QCloseEvent* event) {
    Guarded(this, [this] { FormClose(); });
    QWidget::closeEvent(event);
}

void TRenderWindow::DoRender() {
    if (!viewer_.CanRender())
        return;
    background_.Drop(); // this pass is newer
    const auto start = std::chrono::steady_clock::now();
    const RenderSettings settings = viewer_.StartRender();
    emit renderStarted();
    // The time is reported whether or not the pass completes.
    const auto finished = qScopeGuard([&] {
        emit renderFinished(RenderTimeText(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start)));
    });
    RenderPicture(settings);
}

// Only a completed pass replaces the picture.
void TRenderWindow::RenderPicture(const RenderSettings& settings) {
    ++renderCount_;
    LightPatternGrid grid;
    RenderLightPattern(
        viewer_.Record(), settings, [this](int row) { emit renderProgress(row); }, grid);
    Image1->SetPicture(PictureOf(grid).convertToFormat(QImage::Format_RGB32));
    DescribePicture(settings.plane);
}

void TRenderWindow::BuildPictureMenu() {
    PictureMenu = new QMenu(this);
    ActionSavePicture = PictureMenu->addAction(tr("Save Picture As..."));
    ActionCopyPicture = PictureMenu->addAction(tr("Copy Picture"));
    ConnectGuarded(ActionSavePicture, &QAction::triggered, this, &TRenderWindow::SavePictureAs);
    ConnectGuarded(ActionCopyPicture, &QAction::triggered, this, &TRenderWindow::CopyPicture);
    connect(Image1, &TPicture::contextMenuWanted, this, &TRenderWindow::ShowPictureMenu);
    AddContextMenuKeys(Image1, [this](const QPoint& globalPos) { ShowPictureMenu(globalPos); });
}

void TRenderWindow::ShowPictureMenu(const QPoint& globalPos) {
    UpdatePictureMenu();
    PictureMenu->popup(globalPos);
}

void TRenderWindow::UpdatePictureMenu() {
    const bool shown = !Image1->Picture().isNull();
    ActionSavePicture->setEnabled(shown);
    ActionCopyPicture->setEnabled(shown);
}

void TRenderWindow::SavePictureAs() {
    const auto size = AskExportSize(this, tr("Picture Size"), Image1->Picture().size());
    const QFileInfo ies(FileNameText(viewer_.SelectedFile()));
    const QString suggested = ies.fileName().isEmpty()
                                  ? QString("render")
                                  : ies.dir().filePath(ies.completeBaseName() + "-render");
    const auto target =
        size ? AskExportTarget(this, tr("Save Picture As"), suggested, kPictureFormats)
             : std::nullopt;
    if (target)
        SavePicture(target->fileName, size, SaveFilter(target->format));
}

void TRenderWindow::SavePicture(const QString& fileName, std::optional<QSize> size,
                                const QString& filter) {
    const ExportTarget target = ExportTargetOrThrow(fileName, filter, kPictureFormats);
    const QImage& picture = Image1->Picture();
    const QSize written = size ? ClampedExportSize(*size) : picture.size();
    const char* format = target.format == ExportFormat::Jpeg ? "JPEG" : "PNG";
    WriteImageFile(target.fileName, PictureForExport(picture, written), format);
}

void TRenderWindow::CopyPicture() {
    QGuiApplication::clipboard()->setImage(Image1->Picture());
}

QString RenderTimeText(std::chrono::milliseconds elapsed) {
    const auto ms = elapsed.count();
    return QCoreApplication::translate("lumetra::TRenderWindow", "Rendering time: %1.%2 sec")
        .arg(ms / 1000)
        .arg(ms % 1000, 3, 10, QChar('0'));
}

} // namespace lumetra
