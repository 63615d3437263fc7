#pragma once
// The mouse wheel as the main window counts it: each wheel message, and the whole notches of 120
// units it completes, with the remainder kept for the next message.

namespace lumetra {

// What one wheel message amounts to.
struct WheelTurn {
    bool message = false; // a turn of the vertical wheel at all
    int towardUser = 0;   // whole notches turned toward the user
    int awayFromUser = 0; // whole notches turned away from the user
};

class WheelNotches {
  public:
    static constexpr int kNotch = 120;

    // One message's vertical movement in eighths of a degree, positive away from the user. Only
    // the vertical wheel turns notches: a message without vertical movement (a horizontal
    // scroll from a tilted wheel or a touchpad) is no wheel message at all.
    WheelTurn Add(int vertical);

  private:
    int pending_ = 0; // movement not yet counted as a notch
};

} // namespace lumetra
