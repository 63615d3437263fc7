#pragma once
// Pictures kept at the screen's density: a widget's logical size in device pixels, and the events
// that tell a widget its screen's density may have changed.

#include <QEvent>
#include <QSize>

namespace lumetra {

// The device pixels that cover a logical size at this device pixel ratio (1.25, 1.5, 2 ...),
// rounded as Qt rounds a widget's backing store.
inline QSize DeviceSize(QSize logical, qreal ratio) {
    return (logical * ratio).expandedTo(QSize(1, 1));
}

// The window moved to another screen, or its screen changed density.
inline bool ChangesDensity(const QEvent& event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    if (event.type() == QEvent::DevicePixelRatioChange)
        return true;
#endif
    return event.type() == QEvent::ScreenChangeInternal;
}

} // namespace lumetra
