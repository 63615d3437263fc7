#include "KeepOnScreen.h"

#include "viewer/OnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace lumetra {

namespace {

WindowArea AreaOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

// The screen under the window's middle, or the primary one when it lies off every screen.
void KeepOnScreen(QWidget& window) {
    QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // The frame is not known before the window first shows; what it adds is kept free.
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const WindowArea kept =
        KeptOnScreen(AreaOf(client + margins), AreaOf(screen->availableGeometry()));
    window.setGeometry(QRect(kept.left, kept.top, kept.width, kept.height) - margins);
}

void ShowOnScreen(QWidget& window) {
    KeepOnScreen(window);
    window.show();
    KeepOnScreen(window);
}

void KeepAbove(QWidget& window, QWidget& main) {
    window.setParent(&main, window.windowFlags() | Qt::Window);
}

// Both native windows are made now; the window system then keeps the transient one above.
void KeepAboveWithoutOwning(QWidget& window, QWidget& main) {
    window.winId();
    main.winId();
    if (window.windowHandle() && main.windowHandle())
        window.windowHandle()->setTransientParent(main.windowHandle());
}

} // namespace lumetra
