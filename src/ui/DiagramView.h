#pragma once
// The picture of the Diagrams window: draws the core's diagram of the data it is given at its
// own size and screen density, keeps the picture until something changes, and turns and zooms
// the photometric solid with the mouse (drag, wheel) and the keyboard (arrows, + and -).

#include "diagrams/Diagram.h"

#include <QImage>
#include <QWidget>

namespace lumetra {

class TDiagramView : public QWidget {
    Q_OBJECT
  public:
    explicit TDiagramView(QWidget* parent = nullptr);

    // What to draw; data may be null (nothing loaded). The data and the mesh must outlive the
    // next call. The picture is drawn again at the next paint.
    void Show(const diagrams::DiagramData* shown, const diagrams::DiagramRequest& request,
              const diagrams::SolidMesh* solid);
    const diagrams::DiagramRequest& Request() const { return request_; }
    // The picture as last drawn, at the widget's size and density.
    QImage Picture();

  signals:
    // The solid was turned or zoomed.
    void viewChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SetView(const diagrams::SolidView& view);
    bool ShowsSolid() const;

    const diagrams::DiagramData* data_ = nullptr;
    const diagrams::SolidMesh* solid_ = nullptr;
    diagrams::DiagramRequest request_;
    QImage picture_;
    QPoint dragFrom_;
};

} // namespace lumetra
