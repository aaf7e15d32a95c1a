#pragma once

namespace quarrix {

// Virtual-key codes of the arrow keys; the only keys the well listens to.
enum KeyCode : int {
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
};

}  // namespace quarrix
