#pragma once
// The goniogram's paint area: a persistent image that drawing code paints at once, shown by
// every paint event after the owner's paint handler has redrawn it.

#include <QImage>
#include <QWidget>
#include <functional>

namespace lumetra {

class TPaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit TPaintBox(QWidget* parent = nullptr);

    // Sizes the image to the widget before drawing; a hidden widget gets no resize events.
    void PrepareImage();
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    std::function<void()> onPaint;
    std::function<void()> onClick;
    // Receives the button pressed and every button held, the pressed one included.
    std::function<void(Qt::MouseButton, Qt::MouseButtons, Qt::KeyboardModifiers)> onMouseDown;
    std::function<void(const QPoint& globalPos)> onContextMenu;
    // The tooltip text for a point; empty for none.
    std::function<QString(const QPoint& pos)> toolTipAt;

  protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    bool leftPressed_ = false;
};

} // namespace lumetra
