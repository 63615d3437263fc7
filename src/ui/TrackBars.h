#pragma once
// Track bars whose left-button release and key release run a handler of their owner: the plane
// selector and the render window's brightness and zoom bars.

#include <QSlider>
#include <functional>

namespace lumetra {

class TTrackBar : public QSlider {
    Q_OBJECT
  public:
    explicit TTrackBar(QWidget* parent = nullptr);

    // Runs for every key released while the bar has the focus.
    std::function<void()> onKeyUp;
    // Runs when the left button is released after a press on the bar, wherever the pointer is;
    // the drag ends right after it.
    std::function<void()> onLeftRelease;

  protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The plane selector of the main window.
class TTrackBarDegree : public TTrackBar {
    Q_OBJECT
  public:
    using TTrackBar::TTrackBar;
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
