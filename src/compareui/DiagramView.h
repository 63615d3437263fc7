#pragma once
// A widget that draws one of the comparison's diagrams at its own size.

#include "ComparePicture.h"

#include <QWidget>

namespace lumetra::compare {

class DiagramView : public QWidget {
    Q_OBJECT
  public:
    DiagramView(bool polar, QWidget* parent = nullptr);
    void Show(const CompareDrawing& drawing);
    const CompareDrawing& Drawing() const { return drawing_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool polar_;
    CompareDrawing drawing_;
};

} // namespace lumetra::compare
