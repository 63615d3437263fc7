#pragma once
// The main window: file browser and toolbar on the left, the goniogram on the right.

#include "FileBrowser.h"
#include "PaintBox.h"
#include "TrackBars.h"
#include "gonio/Goniogram.h"

#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QWheelEvent>
#include <QWidget>
#include <memory>

namespace lumetra {

class DrawingSurface;
class TMainWindow;
class WindowSettings;

extern TMainWindow* MainWindow;
// The plane selector: its position is the plane index that the goniogram and the render show.
extern TTrackBarDegree* TrackBarDegree;

class TMainWindow : public QWidget {
    Q_OBJECT
  public:
    // The settings, when given, must outlive the window.
    explicit TMainWindow(WindowSettings* settings = nullptr, QWidget* parent = nullptr);
    ~TMainWindow() override;

    QFrame* PanelAll;
    QFrame* PanelTop;
    QFrame* PanelDirFileDrive;
    QSplitter* Splitter1;
    TFileListBox* FileListBox1;
    QFrame* PanelImage;
    QLabel* Label1;
    TPaintBox* PaintBox1;
    QPushButton* ButtonRender;
    QProgressBar* ProgressBarRender;
    QLabel* Label3;
    QFrame* PanelDriver;
    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    QFrame* PanelDegree;
    QLabel* Label4;
    QLabel* LabelAxial;
    QToolButton* SpeedButtonUpdate;
    QToolButton* SpeedButtonOrtho;
    QToolButton* SpeedButtonFit;

    // The goniogram's context menu.
    QMenu* GonioMenu;
    QAction* ActionSaveGoniogram;
    QAction* ActionCopyGoniogram;

    // Handlers. Each one named after its control and event runs as that event's handler.
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormResize();
    void FileListBox1DblClick();
    void PaintBox1Paint();
    void PaintBox1Click();
    void PaintBox1MouseDown(Qt::MouseButtons held);
    void SpeedButtonFitClick();
    void SpeedButtonOrthoClick();
    void TrackBarDegreeChange();
    // The plane selector's key release and left-button release.
    void TrackBarDegreeRelease();
    void ButtonRenderClick();
    void SpeedButtonUpdateClick();
    void FormMouseWheel(int shiftState);
    void FormMouseWheelDown(int shiftState);
    void FormMouseWheelUp(int shiftState);

    // Enables the context menu's actions while a file is loaded.
    void UpdateGonioMenu();
    void SaveGoniogramAs();
    // Writes the goniogram as shown, SVG for a ".svg" name and PNG otherwise.
    void SaveGoniogram(const QString& fileName);
    void CopyGoniogram();
    // "C 30°  γ 42.5°  1234.5 cd" for a point of the paint area; empty while nothing is loaded.
    QString GonioToolTip(const QPoint& pos) const;

    // Clears the paint area and draws the bare grid, at once.
    void ShowGrid();
    // Draws scale and curves of the loaded record over the grid, at once.
    void DrawIES();

    // Shows the window in the state the settings asked for: normal, minimised or maximised.
    void ShowAtStart();
    Qt::WindowState startState = Qt::WindowNoState;

    // Full name of the selected file; empty while nothing is selected.
    QString SelectedFileName() const;
    // The description shown in Label1, with bare carriage returns as its line breaks.
    QString Description() const { return description_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildControls();
    void BuildTopPanel();
    void BuildBrowserPanel();
    void ConnectHandlers();
    void CreatePlaneSelector();
    void SetDescription(const QString& text);
    void ApplyRenderButtonRule();
    void StepPlane(int shiftState, int step);
    void HandleWheel(const QWheelEvent& event);
    std::string DecimalSeparator() const;
    GonioView CurrentView() const;
    void BuildGonioMenu();

    WindowSettings* settings_;
    QHash<QString, QString> lastFolderOnDrive_; // by the drive's root folder
    bool closeFailed_ = false; // a failed settings write keeps the window open only once
    std::unique_ptr<DrawingSurface> canvas_;
    QString description_;
    bool painting_ = false;
    int wheelDelta_ = 0;             // wheel movement not yet counted as a notch
    quint64 lastWheelTimestamp_ = 0; // one wheel message reaches several widgets in turn
};

// Modifier set of a mouse event: Shift 1, Alt 2, Ctrl 4, left 8, right 16, middle 32.
enum ShiftStateBits { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// The lines of the about box, each ended by a carriage return but the last.
QString AboutText();

} // namespace lumetra
