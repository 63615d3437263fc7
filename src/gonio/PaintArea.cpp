#include "Goniogram.h"

#include <algorithm>

namespace lumetra {

PaintAreaBounds PaintAreaLayout(int panelWidth, int panelHeight) {
    // A panel narrower than the 4-pixel inset leaves an empty area rather than a negative one.
    const int size = std::max(0, std::min(panelWidth - 4, panelHeight - 4));
    return PaintAreaBounds{(panelWidth - size) / 2 + 2, (panelHeight - size) / 2 + 2, size};
}

} // namespace lumetra
