#pragma once
// src/ui: the two windows and their controls.
//   Uies (TMainWindow)          file browser, toolbar and goniogram; Uies*.cpp split it by
//                               concern: layout, render requests, the goniogram's menu, opening
//                               files and folders from outside (command line, drops), settings;
//                               asks for passes, showing and clearing of the render window
//                               through signals
//   UiesRender (TRenderWindow)  the light-pattern picture with its bars; announces its passes
//                               and its showing through signals that the main window receives
//   WindowLinks                 connects the windows' signals: the one place where they meet
//   WindowSettings              the settings sections the windows apply and store, as values
//   TrackBars, PaintBox, Picture, FileBrowser  the controls, which announce through signals
//   GuardedConnect              a signal to a handler under the application's error handling
// Handlers read their event, ask the viewer model (src/viewer) and show what it returns; no
// window touches the other's widgets. It uses src/viewer, src/surface, the core and Qt Widgets.

#include "FileBrowser.h"
#include "PaintBox.h"
#include "TrackBars.h"
#include "WindowSettings.h"
#include "gonio/Goniogram.h"
#include "surface/ExportRules.h"
#include "viewer/ViewerModel.h"
#include "viewer/WheelNotches.h"

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

    QFrame* PanelAll;
    QFrame* PanelTop;
    QFrame* PanelDirFileDrive;
    QSplitter* Splitter1;
    TFileListBox* FileListBox1;
    QFrame* PanelImage;
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

    // The goniogram's context menu.
    QMenu* GonioMenu;
    QAction* ActionSaveGoniogram;
    QAction* ActionCopyGoniogram;
    // "Properties..." in the goniogram's menu and in the description's menu.
    QAction* ActionProperties;
    // "Diagrams..." (Ctrl+D) in the same menus: the Diagrams window.
    QAction* ActionDiagrams;
    // "Catalogue..." (Ctrl+F) in the file list's context menu: the Catalogue window over the
    // folder shown.
    QAction* ActionCatalogue;
    // "Illuminance..." (Ctrl+L) in the same menus: the Illuminance window.
    QAction* ActionIlluminance;
    QMenu* DescriptionMenu;
    EncodingMenu* MenuEncoding; // "Text Encoding" in the description's menu
    QAction* ActionSaveDataSheet;
    QAction* ActionSavePhotometry; // the goniogram's and the description's menus

    // Handlers. Each one named after its control and event runs as that event's handler.
    void FormCreate();
    void FormShow();
    void FormClose();
    void FormResize();
    void FileListBox1DblClick();
    // A click on the selected file reads it again when it changed on disk.
    void FileListBox1Click();
    // F5: the folder and file lists filled again, the selected file read again if it changed.
    void FormRefresh();
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
    // Asks for the size, then for the file.
    void SaveGoniogramAs();
    // Writes the goniogram on a picture of that size in the format that the name's extension or
    // else the filter chooses; throws LumetraError for a name that promises another format.
    void SaveGoniogram(const QString& fileName, QSize size = kGoniogramExportSize,
                       const QString& filter = {});
    void CopyGoniogram();
    void SaveDataSheetAs();
    // "C 30°  γ 42.5°  1234.5 cd" for a point of the paint area; empty while nothing is loaded.
    QString GonioToolTip(const QPoint& pos) const;

    // The surface the goniogram is drawn on: the paint area's image, in logical pixels at any
    // screen density, or the one given here (a recorder, say); null goes back to the image.
    void SetCanvas(std::unique_ptr<DrawingSurface> canvas);

    // Clears the paint area and draws the bare grid, at once.
    void ShowGrid();
    // Draws scale and curves of the loaded record over the grid, at once.
    void DrawIES();

    // Opens a file or folder given from outside: a folder in the browser, a file in its folder,
    // selected so that it loads as a click in the file list loads it.
    void OpenPath(const QString& path);

    // The section "Viewer" as read, applied key by key up to a faulty one, whose error is then
    // thrown; and what the window stores at its close.
    void ApplySettings(const SectionRead<ViewerSection>& read);
    ViewerSection SettingsToStore() const;

    // Shows the window in the state the settings asked for: normal, minimised or maximised.
    void ShowAtStart();
    Qt::WindowState startState = Qt::WindowNoState;

    // Full name of the selected file; empty while nothing is selected.
    QString SelectedFileName() const;
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
    void renderWindowWanted();
    void renderWindowToFront();
    void pictureOutdated();
    // The selected file's header is read in another encoding.
    void headerEncodingChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildControls();
    void BuildTopPanel();
    void BuildBrowserPanel();
    void ConnectHandlers();
    void CreatePlaneSelector();
    void ConnectToggles();
    void ConnectPaintBox();
    void PaintGoniogram();
    void ShowPlaneSelector(const PlaneSelector& selector);
    void ConnectFileChecks();
    bool LoadSelectedFile();
    void ShowLoadState();
    void SetDescription(const QString& text);
    void ApplyRenderButtonRule();
    void RenderAndComeBack();
    void StepPlane(int shiftState, int step);
    void HandleWheel(const QWheelEvent& event);
    void RunWheelHandlers(int shiftState, const WheelTurn& turn);
    GonioView CurrentView() const;
    void BuildGonioMenu();
    void BuildPropertiesAccess();
    void BuildEncodingMenu();
    void BuildDiagramsAccess();
    void BuildCatalogueAccess();
    void BuildIlluminanceAccess();
    void ShowGonioMenu(const QPoint& globalPos);
    void ShowGonioToolTip(const QPoint& pos, const QPoint& globalPos);
    // Accessible names and descriptions, renewed when the file, plane, view or folder changes.
    void NameControls();
    void ConnectDescriptions();
    void DescribeControls();

    ViewerModel& viewer_;
    WindowSettings* settings_;
    QHash<QString, QString> lastFolderOnDrive_; // by the drive's root folder
    bool closeFailed_ = false; // a failed settings write keeps the window open only once
    std::unique_ptr<DrawingSurface> canvas_;
    QString description_;
    bool painting_ = false;
    WheelNotches wheelNotches_;
    quint64 lastWheelTimestamp_ = 0; // one wheel message reaches several widgets in turn
};

// Modifier set of a mouse event (ShiftStateBits).
int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// The lines of the about box, each ended by a carriage return but the last.
QString AboutText();

} // namespace lumetra
