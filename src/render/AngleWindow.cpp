#include "AngleWindow.h"

namespace lumetra {

AngleWindow MakeAngleWindow(const tArrEx& verticalAngles) {
    const long double upper = verticalAngles.back();
    const long double first = verticalAngles.front();
    return {first == 90 ? first : -upper, upper};
}

bool InsideAngleWindow(const AngleWindow& window, long double x) {
    if (window.lower <= x && x <= window.upper)
        return true;
    return window.lower == 90 && -window.upper <= x && x <= -window.lower;
}

} // namespace lumetra
