#pragma once
// A small side view of the BUG zones: the lower half split into front (right) and back (left) at
// 30, 60, 80 and 90 degrees from nadir, the upper half into uplight low and high; each zone
// shaded by its share of the luminaire's flux and labelled with its name.

#include "compliance/ZoneLumens.h"

#include <QWidget>
#include <optional>

namespace lumetra {

class TZoneDiagram : public QWidget {
    Q_OBJECT
  public:
    explicit TZoneDiagram(QWidget* parent = nullptr);

    // The zones to show, or none for an empty circle.
    void SetZones(const std::optional<compliance::ZoneFlux>& zones);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<compliance::ZoneFlux> zones_;
};

} // namespace lumetra
