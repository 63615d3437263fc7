#pragma once
// Keeping a window inside the screen's available area, whatever the settings or the scale say:
// a window larger than the area shrinks to it, one that lies partly or wholly outside moves in.
// Positions and sizes are of the window's frame, in the screen's logical pixels.

namespace lumetra {

struct WindowArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowArea&) const = default;
};

// The window's area inside available: its size capped by the area's, then moved by as little as
// keeps it inside. An empty available area (no screen) leaves the window as it is.
WindowArea KeptOnScreen(WindowArea window, const WindowArea& available);

} // namespace lumetra
