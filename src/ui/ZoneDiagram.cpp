#include "ZoneDiagram.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumetra {

namespace {

using compliance::kBugZoneCount;
using compliance::kBugZoneNames;
using compliance::kZoneBounds;
using compliance::Side;

constexpr double kThinZone = 10;    // degrees: a wedge this thin has no room for its name
constexpr double kThinTurn = 7;     // degrees a thin zone's name turns away from the horizon
constexpr double kOutside = 14;     // pixels from the circle to a thin zone's name
constexpr double kLabelMargin = 36; // pixels around the circle, for those names

// Screen angle (Qt: degrees counter-clockwise from 3 o'clock) of a gamma on one side.
double ScreenAngle(double gamma, bool back) {
    return back ? 270 - gamma : gamma - 90;
}

// The wedge of a zone on one side, from its lower to its upper gamma.
QPainterPath Wedge(const QRectF& circle, double from, double to, bool back) {
    QPainterPath path(circle.center());
    const double a = ScreenAngle(from, back);
    const double b = ScreenAngle(to, back);
    path.arcTo(circle, a, b - a);
    path.closeSubpath();
    return path;
}

// Where a zone's name goes: inside a wide wedge; outside the circle for the thin ones beside the
// horizon (FVH, BVH, UL), turned away from the horizon so that their names do not meet.
QPointF LabelPoint(const QRectF& circle, double from, double to, bool back) {
    const double middle = (from + to) / 2;
    const bool thin = to - from <= kThinZone;
    const double gamma = thin ? middle + (middle < 90 ? -kThinTurn : kThinTurn) : middle;
    const double radians = ScreenAngle(gamma, back) * std::numbers::pi / 180;
    const double r = thin ? circle.width() / 2 + kOutside : circle.width() / 2 * 0.7;
    return circle.center() + QPointF(r * std::cos(radians), -r * std::sin(radians));
}

} // namespace

TZoneDiagram::TZoneDiagram(QWidget* parent) : QWidget(parent) {
    setMinimumSize(90, 90);
    setAccessibleName(tr("BUG zone diagram"));
}

void TZoneDiagram::SetZones(const std::optional<compliance::ZoneFlux>& zones) {
    zones_ = zones;
    update();
}

QSize TZoneDiagram::sizeHint() const {
    return {220, 220};
}

void TZoneDiagram::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height()) - 2 * kLabelMargin;
    const QRectF circle((width() - side) / 2, (height() - side) / 2, side, side);
    double total = 0;
    if (zones_)
        for (const long double lumens : *zones_)
            total += static_cast<double>(std::max(lumens, 0.0L));
    const QColor text = palette().color(QPalette::WindowText);
    for (std::size_t z = 0; z < kBugZoneCount; ++z) {
        const auto& bounds = kZoneBounds[z];
        const bool back = bounds.Azimuth == Side::Back;
        const bool all = bounds.Azimuth == Side::All;
        const double share = total > 0 ? static_cast<double>((*zones_)[z]) / total : 0;
        QColor fill = all    ? QColor(120, 120, 220)
                      : back ? QColor(220, 150, 60)
                             : QColor(230, 200, 40);
        fill.setAlphaF(static_cast<float>(0.12 + 0.88 * std::clamp(share * 3, 0.0, 1.0)));
        painter.setPen(QPen(text, 1));
        painter.setBrush(fill);
        // An uplight zone spans both sides.
        const double from = static_cast<double>(bounds.From);
        const double to = static_cast<double>(bounds.To);
        painter.drawPath(Wedge(circle, from, to, back));
        if (all)
            painter.drawPath(Wedge(circle, from, to, true));
        const QPointF at = LabelPoint(circle, from, to, back);
        painter.drawText(QRectF(at.x() - 20, at.y() - 8, 40, 16), Qt::AlignCenter,
                         kBugZoneNames[z]);
    }
    painter.drawText(QRectF(0, 0, width(), 14), Qt::AlignRight, tr("front →"));
    painter.drawText(QRectF(0, 0, width(), 14), Qt::AlignLeft, tr("← back"));
}

} // namespace lumetra
