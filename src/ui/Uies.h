#pragma once
// src/ui: the two windows and their controls.
//   Uies (TMainWindow)          the toolbar and the description over two panels, and the rules'
//                               handlers: Uies.cpp creates, loads and closes, UiesLayout.cpp
//                               places the controls, the ways to other windows and the settings,
//                               UiesRenderRequests.cpp asks for passes and runs the wheel;
//                               it asks for passes, showing and clearing of the render window
//                               through signals
//     FileBrowserPanel          drive, folder and file lists; opening paths and drops
//     GoniogramPanel            the paint area, its surface, menu, tooltip and exports
//   UiesRender (TRenderWindow)  the light-pattern picture with its bars; announces its passes
//                               and its showing through signals that the main window receives
//   WindowLinks                 connects the windows' signals: the one place where they meet
//   WindowSettings              the settings sections the windows apply and store, as values
//   TrackBars, PaintBox, Picture, FileBrowser, MouseWheelWatch  the controls, which announce
//                               through signals
//   GuardedConnect              a signal to a handler under the application's error handling
// Handlers read their event, ask the viewer model (src/viewer) and show what it returns; no
// window touches the other's widgets. It uses src/viewer, src/surface, the core and Qt Widgets.

#include "FileBrowserPanel.h"
#include "GoniogramPanel.h"
#include "ReadAheadReading.h"
#include "TrackBars.h"
#include "WindowSettings.h"
#include "viewer/ViewerModel.h"
#include "viewer/WheelNotches.h"

#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>

namespace lumetra {

class DrawingSurface;
class EncodingMenu;
class TMainWindow;

extern TMainWindow* MainWindow;
// The plane selector: its position is the plane index that the goniogram and the render show.
extern TTrackBarDegree* TrackBarDegree;

class TMainWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows and drives the viewer. The viewer and the settings, when given, must outlive the
    // window.
    explicit TMainWindow(ViewerModel& viewer, WindowSettings* settings = nullptr,
                         QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The panels and the controls, by the names the handlers use.
    QFrame* PanelAll;
    QFrame* PanelTop;
    FileBrowserPanel* PanelDirFileDrive;
    QSplitter* Splitter1;
    TFileListBox* FileListBox1;
    GoniogramPanel* PanelImage;
    QLabel* Label1; // the loaded file's six-line description
    TPaintBox* PaintBox1;
    QPushButton* ButtonRender;
    QProgressBar* ProgressBarRender;
    QLabel* Label3; // the time the last render pass took
    QFrame* PanelDriver;
    TDriveComboBox* DriveComboBox1;
    TDirectoryListBox* DirectoryListBox1;
    QFrame* PanelDegree;
    QLabel* Label4; // "Degree:", the plane selector's caption
    QLabel* LabelAxial;
    QToolButton* SpeedButtonUpdate;
    QToolButton* SpeedButtonOrtho;
    QToolButton* SpeedButtonFit;

    // "Properties..." (Ctrl+I), "Diagrams..." (Ctrl+D) and "Illuminance..." (Ctrl+L) in the
    // goniogram's menu, the description's menu and anywhere in the window.
    QAction* ActionProperties;
    QAction* ActionDiagrams;
    QAction* ActionIlluminance;
    QMenu* DescriptionMenu;
    EncodingMenu* MenuEncoding; // "Text Encoding" in the description's menu

    // Handlers. Each one named after its control and event runs as that event's handler.
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormResize() { PanelImage->LayOut(); }
    // Runs on every change of the file list's selection, a refill that selects nothing included.
    void FileListBox1DblClick();
    // A click on the selected file reads it again when it changed on disk.
    void FileListBox1Click();
    // F5: the folder and file lists filled again, the selected file read again if it changed.
    void FormRefresh();
    void PaintBox1Paint() { PanelImage->Paint(); }
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
    // Clears the paint area and draws the bare grid, at once.
    void ShowGrid() { PanelImage->ShowGrid(); }
    // Draws scale and curves of the loaded record over the grid, at once.
    void DrawIES() { PanelImage->DrawIES(); }

    // Opens a file or folder given from outside, as the file browser opens it.
    void OpenPath(const QString& path) { PanelDirFileDrive->OpenPath(path); }

    // The section "Viewer" as read, applied key by key up to a faulty one, whose error is then
    // thrown; and what the window stores at its close.
    void ApplySettings(const SectionRead<ViewerSection>& read);
    ViewerSection SettingsToStore() const;

    // Shows the window in the state the settings asked for: normal, minimised or maximised.
    void ShowAtStart();
    Qt::WindowState startState = Qt::WindowNoState;

    // Full name of the selected file; empty while nothing is selected.
    QString SelectedFileName() const { return FileListBox1->FileName(); }
    // The description shown in Label1, with bare carriage returns as its line breaks.
    QString Description() const { return description_; }

    // The rules and state behind the handlers; the render window renders what it holds.
    ViewerModel& Viewer() { return viewer_; }

    // What the render window announces.
    void RenderStarted();
    void RenderProgress(int row);
    void RenderFinished(const QString& timeText);
    void RenderWindowShown(bool shown);

    // Reads the selected file's header in this encoding from now on ("" guesses), here and in
    // the windows that show its text.
    void ChooseHeaderEncoding(const QString& encoding);

  signals:
    // A file was read into the program's data and drawn.
    void fileLoaded(const QString& fileName);
    // Reading the selected file failed; the viewer model holds the error's text.
    void fileLoadFailed(const QString& fileName);
    // The user asked for the properties window.
    void propertiesWanted();
    // The user asked for the Diagrams window.
    void diagramsWanted();
    // The user asked for the Catalogue window over this folder.
    void catalogueWanted(const QString& folder);
    // The user asked for the Illuminance window.
    void illuminanceWanted();
    // What the main window asks of the render window: a pass of the selected plane, showing it
    // (which renders), bringing it to the front, and dropping the picture of a file no longer
    // loaded.
    void renderWanted();
    // A pass of the selected plane as automatic update asks for at a file selection, done in the
    // background so the next selection need not wait for it.
    void autoRenderWanted();
    void renderWindowWanted();
    void renderWindowToFront();
    void pictureOutdated();
    // The selected file's header is read in another encoding.
    void headerEncodingChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildTopPanel();
    void BuildPlaneSelector();
    void BuildWindowAccess();
    QAction* WindowAction(const QString& text, QKeyCombination key);
    void ConnectHandlers();
    void ConnectToggles();
    void ConnectFileWatch();
    void ShowToggles();
    void ShowPlaneSelector(const PlaneSelector& selector);
    bool LoadSelectedFile();
    void ShowLoadState();
    void SetDescription(const QString& text);
    void ApplyRenderButtonRule();
    void RenderAndComeBack();
    void StepPlane(int shiftState, int step);
    void RunWheelHandlers(int shiftState, const WheelTurn& turn);
    void BuildEncodingMenu();
    // Accessible names and descriptions, renewed when the file, plane or view changes.
    void NameControls();
    void DescribeControls();

    ViewerModel& viewer_;
    WindowSettings* settings_;
    bool closeFailed_ = false; // a failed settings write keeps the window open only once
    QString description_;
    ReadAheadReading readAhead_; // the file likely selected next, read while the window waits
};

// The lines of the about box, each ended by a carriage return but the last.
QString AboutText();

} // namespace lumetra
