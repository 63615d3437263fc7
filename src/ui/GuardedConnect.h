#pragma once
// Connecting a control's signal to a window's handler under the application's error handling:
// an error that escapes the handler is reported in a message box and the event loop goes on.

#include "MessageBox.h"

#include <QObject>
#include <QWidget>
#include <type_traits>

namespace lumetra {

// The handler takes the signal's first arguments, or none.
template <typename Sender, typename Signal, typename Window, typename... Arguments>
void ConnectGuarded(Sender* sender, Signal signal, Window* window,
                    void (Window::*handler)(Arguments...)) {
    QObject::connect(sender, signal, window, [window, handler](Arguments... arguments) {
        Guarded(window, [&] { (window->*handler)(arguments...); });
    });
}

// The handler is any callable; it receives the signal's arguments when it takes them.
template <typename Sender, typename Signal, typename Handler>
void ConnectGuarded(Sender* sender, Signal signal, QWidget* window, Handler handler) {
    QObject::connect(sender, signal, window, [window, handler](auto&&... arguments) {
        Guarded(window, [&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                handler(arguments...);
            else
                handler();
        });
    });
}

} // namespace lumetra
