#pragma once
// The render window: the light-pattern picture with its brightness and zoom bars.

#include "Picture.h"
#include "TrackBars.h"
#include "WindowSettings.h"
#include "viewer/LatestRequest.h"
#include "viewer/ViewerModel.h"

#include <QCheckBox>
#include <QFrame>
#include <QFuture>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <exception>
#include <optional>

namespace lumetra {

class TRenderWindow;

// A pass's picture, or what stopped it.
struct RenderedPicture {
    QImage picture;
    int plane = 0;
    std::exception_ptr error;
};

extern TRenderWindow* RenderWindow;
extern TTrackBar2* TrackBar2;
extern TTrackBarZoom* TrackBarZoom;

class TRenderWindow : public QWidget {
    Q_OBJECT
  public:
    // Renders what the viewer holds. The viewer and the settings, when given, must outlive the
    // window.
    explicit TRenderWindow(ViewerModel& viewer, WindowSettings* settings = nullptr,
                           QWidget* parent = nullptr);
    ~TRenderWindow() override;

    QPushButton* Button1; // "&Close"
    QCheckBox* CheckBoxRadiosity;
    QPushButton* Button2; // "R": brightness back to its start
    QLabel* Label1;       // "Brightness:"
    QLabel* Label2;       // the brightness bar's position
    QLabel* Label3;       // "Zoom:"
    QPushButton* ButtonResetZoom;
    QLabel* LabelZoom;
    QFrame* Panel1;   // the picture's sunken frame
    TPicture* Image1; // the light-pattern picture

    // The picture's context menu.
    QMenu* PictureMenu;
    QAction* ActionSavePicture;
    QAction* ActionCopyPicture;

    void FormCreate();
    void FormShow();
    void FormClose();
    void FormDestroy();
    void Button1Click();
    void Button2Click();
    void ButtonResetZoomClick();
    void CheckBoxRadiosityClick();
    // One render pass of the plane selected in the main window.
    void DoRender();
    // The same pass on a thread of the pool, as automatic update asks for at every file
    // selection: the windows stay free for the next step. Its progress and end are announced as
    // DoRender's; a newer pass, a cleared picture or another selection drops its result.
    void RenderInBackground();
    bool BackgroundPassRunning() const { return background_.Pending(); }
    // No file is loaded: the picture of the one before goes, and so does a pass in hand.
    void ClearPicture();

    // Enables the context menu's actions while a picture is shown.
    void UpdatePictureMenu();
    // Asks for the size, the computed one to start with, then for the file.
    void SavePictureAs();
    // Writes the picture, scaled only when the size differs from its own, as PNG or JPEG by the
    // name's extension or else the filter; throws LumetraError for a name that promises another
    // format.
    void SavePicture(const QString& fileName, std::optional<QSize> size = std::nullopt,
                     const QString& filter = {});
    void CopyPicture();

    // The section "Render" as read, applied key by key up to a faulty one, whose error is then
    // thrown; and what the window stores when it is destroyed.
    void ApplySettings(const SectionRead<RenderSection>& read);
    RenderSection SettingsToStore() const;

    // Counts every pass that reached its computation, for observers such as tests.
    int RenderCount() const { return renderCount_; }

  signals:
    // A pass begins; rows 0, 20, ..., 300 follow as it goes.
    void renderStarted();
    void renderProgress(int row);
    // A pass ended, completed or not, with the time it took as "Rendering time: ... sec".
    void renderFinished(const QString& timeText);
    // The window was shown (or asked to render as if shown) or closed or hidden.
    void shownChanged(bool shown);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void ConnectHandlers();
    void BuildPictureMenu();
    void ShowPictureMenu(const QPoint& globalPos);
    void CreateBars();
    void BrightnessChange(int position);
    void ZoomChange(int position);
    void MoveBrightness(int position);
    void MoveZoom(int position);
    void ShowControls();
    void ShowCaptions();
    void RenderIfPending();
    void RenderPicture(const RenderSettings& settings);
    void WatchBackgroundPass(std::uint64_t pass, const QFuture<RenderedPicture>& future);
    void BackgroundPassEnded(std::uint64_t pass, const RenderedPicture& result);
    void EndBackgroundPass();
    // Accessible names and descriptions: the bars' follow their positions, the picture's its pass.
    void NameControls();
    void DescribeBars();
    void DescribePicture(int plane);

    ViewerModel& viewer_;
    WindowSettings* settings_;
    int renderCount_ = 0;
    LatestRequest background_;                        // the pass in the background
    std::chrono::steady_clock::time_point passStart_; // of the pass in the background
};

// "Rendering time: " + whole seconds + "." + three-digit milliseconds + " sec".
QString RenderTimeText(std::chrono::milliseconds elapsed);

} // namespace lumetra
