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

// The handler is any callable taking the signal's arguments or none. The slot takes exactly the
// signal's arguments, so Qt never calls it with fewer.
template <typename Sender, typename Object, typename... SignalArguments, typename Handler>
requires(!std::is_member_function_pointer_v<Handler>) void ConnectGuarded(
    Sender* sender, void (Object::*signal)(SignalArguments...), QWidget* window, Handler handler) {
    QObject::connect(sender, signal, window, [window, handler](SignalArguments... arguments) {
        if constexpr (std::is_invocable_v<const Handler&, SignalArguments...>)
            Guarded(window, [&] { handler(arguments...); });
        else
            Guarded(window, [&] { handler(); });
    });
}

} // namespace lumetra
