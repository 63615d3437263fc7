#include "OnScreen.h"

#include <algorithm>

namespace lumetra {

namespace {

// The start of a span of the given length inside [first, first + room).
int KeptStart(int start, int length, int first, int room) {
    return std::clamp(start, first, first + room - length);
}

} // namespace

WindowArea KeptOnScreen(WindowArea window, const WindowArea& available) {
    if (available.width <= 0 || available.height <= 0)
        return window;
    window.width = std::clamp(window.width, 1, available.width);
    window.height = std::clamp(window.height, 1, available.height);
    window.left = KeptStart(window.left, window.width, available.left, available.width);
    window.top = KeptStart(window.top, window.height, available.top, available.height);
    return window;
}

} // namespace lumetra
