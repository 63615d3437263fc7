#include "WheelNotches.h"

namespace lumetra {

WheelTurn WheelNotches::Add(int vertical) {
    WheelTurn turn;
    if (vertical == 0)
        return turn;
    turn.message = true;
    pending_ += vertical;
    for (; pending_ <= -kNotch; pending_ += kNotch)
        ++turn.towardUser;
    for (; pending_ >= kNotch; pending_ -= kNotch)
        ++turn.awayFromUser;
    return turn;
}

} // namespace lumetra
