#pragma once
// Track bars that announce their left-button release and key release: the plane selector and
// the render window's brightness and zoom bars.

#include <QSlider>

namespace lumetra {

class TTrackBar : public QSlider {
    Q_OBJECT
  public:
    explicit TTrackBar(QWidget* parent = nullptr);

  signals:
    // Every key released while the bar has the focus; auto-repeat is not a release.
    void keyUp();
    // The left button released after a press on the bar, wherever the pointer is; the drag ends
    // right after the receivers have run.
    void leftReleased();

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The plane selector of the main window. The main window's Shift-wheel steps alone move it with
// the wheel: the bar has no wheel handling of its own and passes the wheel on to its parent.
class TTrackBarDegree : public TTrackBar {
    Q_OBJECT
  public:
    using TTrackBar::TTrackBar;

  protected:
    void wheelEvent(QWheelEvent* event) override;
};

// The render window's brightness bar.
class TTrackBar2 : public TTrackBar {
    Q_OBJECT
  public:
    using TTrackBar::TTrackBar;
};

// The render window's zoom bar.
class TTrackBarZoom : public TTrackBar {
    Q_OBJECT
  public:
    using TTrackBar::TTrackBar;
};

} // namespace lumetra
