#include "Uies.h"

#include "FileNameBytes.h"
#include "MessageBox.h"
#include "QPainterSurface.h"
#include "UiesRender.h"
#include "WindowSettings.h"
#include "data/GlobalMax.h"
#include "data/Loading.h"
#include "data/ProgramData.h"
#include "data/ReadableText.h"
#include "data/TextEncoding.h"
#include "gonio/Goniogram.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>

namespace lumetra {

TMainWindow* MainWindow = nullptr;
TTrackBarDegree* TrackBarDegree = nullptr;

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
    PaintBox1->onMouseDown = [this](Qt::MouseButton, Qt::MouseButtons held, Qt::KeyboardModifiers) {
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

QString TMainWindow::SelectedFileName() const {
    return FileListBox1->FileName();
}

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
    lumetra::DrawIES(*canvas_, PaintBox1->width(), PaintBox1->height(), Photometry, CurrentView());
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
    SetDescription(QString::fromStdString(BuildDescription(HeaderText(DecodeReadableLines(HeaderLines).lines))));
    if (found && RenderWindow && RenderWindow->isVisible() && SpeedButtonUpdate->isChecked())
        RenderWindow->DoRender();
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
    if (!SelectedFileName().isEmpty())
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
