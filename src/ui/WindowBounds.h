#pragma once
// Placing a top-level window from stored numbers and reading back the numbers to store.
//
// Positions and sizes are those of the window's client area (QWidget::geometry), not of its frame:
// the frame's size is known only once the window is shown, while the stored bounds are applied
// before that. Client bounds written at close are the bounds applied at the next start, so a
// window neither creeps nor grows from one run to the next.

#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace lumetra {

// The primary screen's size in pixels; empty when there is no screen.
QSize ScreenSize();

// Where a window starts so that it sits in the middle of the screen: half of what the screen
// leaves beside it, truncated toward zero (negative when the window is the larger).
int CentredStart(int screenExtent, int windowExtent);

// The window's size as it stands, frame included when the frame is already known.
QSize OuterSize(const QWidget& window);

void SetWindowWidth(QWidget& window, int width);
void SetWindowHeight(QWidget& window, int height);
void SetWindowLeft(QWidget& window, int left);
void SetWindowTop(QWidget& window, int top);

class KeysRead;

// A window's stored size and place, applied key by key in the order its section reads them (width,
// height, left, top): a missing size keeps the size it has, a missing place centres it.
void ApplyStoredBounds(QWidget& window, KeysRead& keys, std::optional<int> width,
                       std::optional<int> height, std::optional<int> left, std::optional<int> top);

// The bounds the window has, or would have when restored from being maximised or minimised.
QRect NormalBounds(const QWidget& window);

} // namespace lumetra
