#pragma once
// The render window: the light-pattern picture with its brightness and zoom bars.

#include "Picture.h"
#include "TrackBars.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QWidget>
#include <chrono>
#include <functional>

namespace lumetra {

class TRenderWindow;
class WindowSettings;

extern TRenderWindow* RenderWindow;
extern TTrackBar2* TrackBar2;
extern TTrackBarZoom* TrackBarZoom;
// A bar moved since the last render pass.
extern bool RenderPending;

class TRenderWindow : public QWidget {
    Q_OBJECT
  public:
    // The settings, when given, must outlive the window.
    explicit TRenderWindow(WindowSettings* settings = nullptr, QWidget* parent = nullptr);
    ~TRenderWindow() override;

    QPushButton* Button1;
    QCheckBox* CheckBoxRadiosity;
    QPushButton* Button2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* ButtonResetZoom;
    QLabel* LabelZoom;
    QFrame* Panel1;
    TPicture* Image1;

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

    // Enables the context menu's actions while a picture is shown.
    void UpdatePictureMenu();
    void SavePictureAs();
    // Writes the picture; the file name's extension chooses the format, PNG by default.
    void SavePicture(const QString& fileName);
    void CopyPicture();

    // Counts every pass that reached its computation, for observers such as tests.
    int RenderCount() const { return renderCount_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void BuildPictureMenu();
    void CreateBars();
    void RenderIfPending();

    WindowSettings* settings_;
    int renderCount_ = 0;
};

// "Rendering time: " + whole seconds + "." + three-digit milliseconds + " sec".
QString RenderTimeText(std::chrono::milliseconds elapsed);

} // namespace lumetra
