#pragma once

namespace quarrix::pad {

// The pad inputs the game listens to, in the standard layout SDL maps every known pad to. The stick
// counts as three more switches, each on while the stick is pushed past the dead zone that way.
enum class PadSwitch { A, B, Start, DpadUp, DpadDown, DpadLeft, DpadRight, StickLeft, StickRight, StickDown };

enum class PadAxis { LeftX, LeftY };

// What a controller reports: a switch going down or up, or a stick axis moving (-32768 to 32767,
// down and right positive). A controller pulled out first reports every switch up and the stick
// centred, so nothing stays held.
struct PadEvent {
    enum class Kind { ButtonDown, ButtonUp, AxisMotion };
    Kind kind = Kind::ButtonUp;
    PadSwitch button = PadSwitch::A;
    PadAxis axis = PadAxis::LeftX;
    int value = 0;
};

}  // namespace quarrix::pad
