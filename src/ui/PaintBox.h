#pragma once
// The goniogram's paint area: a persistent image that drawing code paints at once, shown by
// every paint event after the receivers of painting() have brought it up to date. The image has the
// screen's density; drawing on it is in the widget's logical pixels.

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace lumetra {

class TPaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit TPaintBox(QWidget* parent = nullptr);

    // Sizes the image to the widget and its screen's device pixel ratio before drawing; a hidden
    // widget gets no resize events, and a window moved to another screen repaints.
    void PrepareImage();
    QImage& Image() { return image_; }
    // Changes whenever PrepareImage makes a new image, which starts blank.
    std::uint64_t ImageSerial() const { return imageSerial_; }
    const QImage& Image() const { return image_; }

  signals:
    // Before every paint event shows the image: the receiver redraws what it lacks.
    void painting();
    // A left click: press and release inside the area.
    void clicked();
    // A press: the button pressed and every button held, the pressed one included.
    void mouseDown(Qt::MouseButton button, Qt::MouseButtons held);
    void contextMenuWanted(const QPoint& globalPos);
    // The pointer rests at pos; the receiver shows a tooltip there or none.
    void toolTipWanted(const QPoint& pos, const QPoint& globalPos);

  protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    std::uint64_t imageSerial_ = 0;
    bool leftPressed_ = false;
};

} // namespace lumetra
