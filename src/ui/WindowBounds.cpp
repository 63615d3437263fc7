#include "WindowBounds.h"

#include "WindowSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace lumetra {

namespace {

// X11 keeps window positions in 16 bits, and Qt adds sizes to positions in plain int: a stored
// position is kept inside the range where neither wraps around.
constexpr int kFarthestPosition = 32767;

int ClampPosition(int position) {
    return std::clamp(position, -kFarthestPosition - 1, kFarthestPosition);
}

// A window is never made larger than twice the whole desktop: a window's pixels are allocated as
// it is shown, and a stored size of two thousand million pixels would exhaust memory.
int ClampExtent(int extent, int desktopExtent) {
    return std::min(extent, std::max(2 * desktopExtent, 1));
}

QSize DesktopSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->virtualSize() : QSize();
}

} // namespace

QSize ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}

int CentredStart(int screenExtent, int windowExtent) {
    return (screenExtent - windowExtent) / 2;
}

QSize OuterSize(const QWidget& window) {
    return window.frameGeometry().size();
}

void SetWindowWidth(QWidget& window, int width) {
    window.resize(ClampExtent(width, DesktopSize().width()), window.height());
}

void SetWindowHeight(QWidget& window, int height) {
    window.resize(window.width(), ClampExtent(height, DesktopSize().height()));
}

void SetWindowLeft(QWidget& window, int left) {
    const QRect bounds = window.geometry();
    window.setGeometry(QRect(QPoint(ClampPosition(left), bounds.y()), bounds.size()));
}

void SetWindowTop(QWidget& window, int top) {
    const QRect bounds = window.geometry();
    window.setGeometry(QRect(QPoint(bounds.x(), ClampPosition(top)), bounds.size()));
}

QRect NormalBounds(const QWidget& window) {
    // Qt records the normal bounds when a window leaves the normal state; for a minimised window
    // that was not maximised they are its geometry.
    const QRect normal = window.normalGeometry();
    return normal.isValid() ? normal : window.geometry();
}

void ApplyStoredBounds(QWidget& window, KeysRead& keys, std::optional<int> width,
                       std::optional<int> height, std::optional<int> left, std::optional<int> top) {
    if (keys.Next())
        SetWindowWidth(window, width.value_or(window.width()));
    if (keys.Next())
        SetWindowHeight(window, height.value_or(window.height()));
    if (keys.Next())
        SetWindowLeft(window,
                      left.value_or(CentredStart(ScreenSize().width(), OuterSize(window).width())));
    if (keys.Next())
        SetWindowTop(window,
                     top.value_or(CentredStart(ScreenSize().height(), OuterSize(window).height())));
}

} // namespace lumetra
