#pragma once

#include "game/Command.h"

#include <bitset>
#include <cstdint>
#include <optional>

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

// What the game's windows are doing when a press comes.
struct PadScene {
    bool active = false;  // one of the game's windows is the active window
    bool popup = false;   // a menu or another popup is open
    bool modal = false;   // a modal dialog waits for an answer
};

// What a press asks of the game in that scene; nothing when the press must not reach it.
std::optional<Command> decide(PadSwitch press, const PadScene& scene);

// Turns controller events into presses: a switch going down is one press, a stick pushed past the
// dead zone is the press of a direction, and a held direction repeats as a held key does. Only a
// press made while the game is active counts, and only such a press repeats.
class PadControls {
public:
    static constexpr int DeadZone = 16000;  // about half the stick's travel
    static constexpr std::int64_t RepeatDelayMs = 250;
    static constexpr std::int64_t RepeatPeriodMs = 50;

    // The press the event gives at `nowMs`, if any: an event presses one switch at most.
    std::optional<PadSwitch> feed(const PadEvent& event, std::int64_t nowMs, bool active);
    // The repeat of the held direction, when one is due; losing the activation ends it.
    std::optional<PadSwitch> repeat(std::int64_t nowMs, bool active);

private:
    // Whether the switch changing to `down` is a press that counts.
    bool set(PadSwitch which, bool down, std::int64_t nowMs, bool active);

    std::bitset<static_cast<std::size_t>(PadSwitch::StickDown) + 1> down_;  // a bit for each switch
    std::optional<PadSwitch> held_;  // the direction that repeats: the last one pressed
    std::int64_t due_ = 0;
};

}  // namespace quarrix::pad
