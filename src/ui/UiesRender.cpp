#include "UiesRender.h"

#include "FileNameBytes.h"
#include "MessageBox.h"
#include "Uies.h"
#include "WindowSettings.h"
#include "data/Errors.h"
#include "data/ProgramData.h"
#include "render/LightPattern.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QShowEvent>

namespace lumetra {

TRenderWindow* RenderWindow = nullptr;
TTrackBar2* TrackBar2 = nullptr;
TTrackBarZoom* TrackBarZoom = nullptr;
bool RenderPending = false;

namespace {

constexpr int kDefaultBrightness = 15;
constexpr int kDefaultZoom = 500;
constexpr int kPictureSize = 300;

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
Bar* CreateBar(QWidget* owner, int maximum, int position, int top, QObject* context,
               std::function<void(QSlider*)> onChange, std::function<void()> onRelease) {
    auto* bar = new Bar(owner);
    QObject::connect(bar, &QSlider::valueChanged, context, [onChange, bar] { onChange(bar); });
    bar->onKeyUp = onRelease;
    bar->onLeftRelease = onRelease;
    bar->setRange(1, maximum);
    bar->setValue(position);
    bar->setGeometry(95, top, 150, 25);
    bar->setTickPosition(QSlider::NoTicks);
    return bar;
}

// The grid's columns and rows 0..299: the picture control is 300 pixels square.
QImage PictureOf(const LightPatternGrid& grid) {
    QImage picture(kPictureSize, kPictureSize, QImage::Format_RGB32);
    for (int y = 0; y < kPictureSize; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kPictureSize; ++x) {
            const int s = grid.at(x, y);
            row[x] = qRgb(s, s, s);
        }
    }
    return picture;
}

} // namespace

TRenderWindow::TRenderWindow(WindowSettings* settings, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      settings_(settings) {
    RenderWindow = this;
    setWindowTitle("Render");
    setGeometry(360, 250, 358, 377);
    setFixedSize(358, 377);
    BuildControls();
    BuildPictureMenu();
    // An error ends the creation handler where it stands; the window is created all the same.
    Guarded(this, [this] { FormCreate(); });
}

TRenderWindow::~TRenderWindow() {
    Guarded(this, [this] { FormDestroy(); });
    if (RenderWindow == this)
        RenderWindow = nullptr;
}

void TRenderWindow::BuildControls() {
    Button1 = Button(this, "&Close", {272, 350, 75, 17});
    CheckBoxRadiosity = new QCheckBox("&Radiosity", this);
    CheckBoxRadiosity->setGeometry(274, 325, 63, 17);
    CheckBoxRadiosity->resize(CheckBoxRadiosity->sizeHint().expandedTo(CheckBoxRadiosity->size()));
    Button2 = Button(this, "R", {248, 325, 17, 17});
    Button2->setToolTip("Reset brightness");
    Label1 = Label(this, "Brightness:", {12, 325});
    Label2 = Label(this, "", {67, 325});
    Label3 = Label(this, "Zoom:", {12, 350});
    ButtonResetZoom = Button(this, "R", {248, 350, 17, 17});
    ButtonResetZoom->setToolTip("Reset zoom");
    LabelZoom = Label(this, "", {54, 350});
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(9, 9, 305, 305);
    Image1 = new TPicture(Panel1);
    Image1->setGeometry(2, 2, kPictureSize, kPictureSize);

    connect(Button1, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { Button2Click(); }); });
    connect(ButtonResetZoom, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { ButtonResetZoomClick(); }); });
    // A change of the checked state counts as a click, also when the settings set it.
    connect(CheckBoxRadiosity, &QCheckBox::toggled, this,
            [this] { Guarded(this, [this] { CheckBoxRadiosityClick(); }); });
}

void TRenderWindow::CreateBars() {
    const auto release = [this] { Guarded(this, [this] { RenderIfPending(); }); };
    TrackBar2 = CreateBar<TTrackBar2>(
        this, 100, kDefaultBrightness, 325, this,
        [this](QSlider* bar) {
            Label2->setText(QString::number(bar->value()));
            Label2->adjustSize();
            RenderPending = true;
        },
        release);
    TrackBarZoom = CreateBar<TTrackBarZoom>(
        this, 10000, kDefaultZoom, 350, this,
        [this](QSlider* bar) {
            LabelZoom->setText(QString::number(bar->maximum() - bar->value()));
            LabelZoom->adjustSize();
            RenderPending = true;
        },
        release);
    // Tab visits Close, brightness, zoom, brightness reset, zoom reset, Radiosity.
    setTabOrder(Button1, TrackBar2);
    setTabOrder(TrackBar2, TrackBarZoom);
    setTabOrder(TrackBarZoom, Button2);
    setTabOrder(Button2, ButtonResetZoom);
    setTabOrder(ButtonResetZoom, CheckBoxRadiosity);
}

void TRenderWindow::FormCreate() {
    CreateBars();
    if (settings_)
        settings_->ReadRender(*this);
}

void TRenderWindow::FormShow() {
    if (MainWindow)
        MainWindow->ButtonRender->setEnabled(!MainWindow->SpeedButtonUpdate->isChecked());
    DoRender();
}

void TRenderWindow::FormClose() {
    if (MainWindow)
        MainWindow->ButtonRender->setEnabled(true);
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
        settings_->WriteRender(*this);
}

void TRenderWindow::Button1Click() {
    close();
}

void TRenderWindow::Button2Click() {
    TrackBar2->setValue(kDefaultBrightness);
    FormShow();
}

void TRenderWindow::ButtonResetZoomClick() {
    TrackBarZoom->setValue(kDefaultZoom);
    FormShow();
}

void TRenderWindow::CheckBoxRadiosityClick() {
    if (!Photometry.Candela.empty())
        FormShow();
}

void TRenderWindow::RenderIfPending() {
    if (RenderPending)
        DoRender();
}

void TRenderWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        Guarded(this, [this] { FormShow(); });
}

void TRenderWindow::closeEvent(QCloseEvent* event) {
    Guarded(this, [this] { FormClose(); });
    QWidget::closeEvent(event);
}

void TRenderWindow::DoRender() {
    const int plane = TrackBarDegree ? TrackBarDegree->value() : 0;
    // A failed load can leave angle lists without candela planes: nothing to render then.
    const bool renderable = !Photometry.VerticalAngles.empty() && !Photometry.Candela.empty() &&
                            plane >= 0 && plane < static_cast<int>(Photometry.Candela.size()) &&
                            plane < static_cast<int>(Photometry.HorizontalAngles.size());
    if (!renderable || !MainWindow)
        return;
    const auto start = std::chrono::steady_clock::now();
    LastRenderedDegree = plane;
    LastRenderedFile = FileNameBytes(MainWindow->SelectedFileName());
    RenderPending = false;

    RenderSettings settings;
    settings.plane = plane;
    settings.brightness = static_cast<long double>(TrackBar2->value()) / 10;
    settings.zoom = TrackBarZoom->value();
    settings.radiosity = CheckBoxRadiosity->isChecked() ? 1 : 0;

    QProgressBar* progress = MainWindow->ProgressBarRender;
    progress->setValue(0);
    progress->show();
    const auto finish = [&] {
        progress->hide();
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        MainWindow->Label3->setText(RenderTimeText(elapsed));
        MainWindow->Label3->adjustSize();
    };
    try {
        ++renderCount_;
        LightPatternGrid grid;
        RenderLightPattern(
            Photometry, settings,
            [progress](int row) {
                progress->setValue(row);
                progress->repaint();
            },
            grid);
        Image1->SetPicture(PictureOf(grid));
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TRenderWindow::BuildPictureMenu() {
    PictureMenu = new QMenu(this);
    ActionSavePicture = PictureMenu->addAction("Save Picture As...");
    ActionCopyPicture = PictureMenu->addAction("Copy Picture");
    connect(ActionSavePicture, &QAction::triggered, this,
            [this] { Guarded(this, [this] { SavePictureAs(); }); });
    connect(ActionCopyPicture, &QAction::triggered, this,
            [this] { Guarded(this, [this] { CopyPicture(); }); });
    Image1->onContextMenu = [this](const QPoint& globalPos) {
        UpdatePictureMenu();
        PictureMenu->popup(globalPos);
    };
}

void TRenderWindow::UpdatePictureMenu() {
    const bool shown = !Image1->Picture().isNull();
    ActionSavePicture->setEnabled(shown);
    ActionCopyPicture->setEnabled(shown);
}

void TRenderWindow::SavePictureAs() {
    const QFileInfo ies(MainWindow ? MainWindow->SelectedFileName() : QString());
    const QString suggested = ies.fileName().isEmpty()
                                  ? QString("render.png")
                                  : ies.dir().filePath(ies.completeBaseName() + "-render.png");
    const QString fileName =
        QFileDialog::getSaveFileName(this, "Save Picture As", suggested, "PNG image (*.png)");
    if (!fileName.isEmpty())
        SavePicture(fileName);
}

void TRenderWindow::SavePicture(const QString& fileName) {
    const QByteArray suffix = QFileInfo(fileName).suffix().toLower().toLatin1();
    const char* format = QImageWriter::supportedImageFormats().contains(suffix) ? nullptr : "PNG";
    if (!Image1->Picture().save(fileName, format))
        throw LumetraError(("Cannot write " + fileName).toStdString());
}

void TRenderWindow::CopyPicture() {
    QGuiApplication::clipboard()->setImage(Image1->Picture());
}

QString RenderTimeText(std::chrono::milliseconds elapsed) {
    const auto ms = elapsed.count();
    return QString("Rendering time: %1.%2 sec").arg(ms / 1000).arg(ms % 1000, 3, 10, QChar('0'));
}

} // namespace lumetra
