#pragma once
// The Illuminance window's picture: the panels drawn once into an image whenever they change,
// and the plane point under the mouse reported as the cursor moves.

#include "surface/IlluminancePicture.h"

#include <QImage>
#include <QWidget>

namespace lumetra {

class IlluminanceView : public QWidget {
    Q_OBJECT
  public:
    explicit IlluminanceView(QWidget* parent = nullptr);

    // New panels (none: an empty white picture) are drawn at once.
    void SetPanels(std::vector<IlluminancePanel> panels);
    const std::vector<IlluminancePanel>& Panels() const { return panels_; }
    const QImage& Image() const { return image_; }

    // The panel and its (u, v) under a point of the widget, if any.
    std::optional<std::pair<std::size_t, QPointF>> PlaneAt(QPointF at) const;

  signals:
    // The mouse is over panel `panel` at (u, v), or has left every plot (panel < 0).
    void pointed(int panel, QPointF uv);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void Redraw();

    std::vector<IlluminancePanel> panels_;
    QImage image_;
};

} // namespace lumetra
