#pragma once

#include "PadClock.h"
#include "PadEvent.h"

#include <bitset>
#include <cstdint>
#include <deque>
#include <optional>

namespace quarrix::pad {

// Turns controller events into presses: a switch going down is one press, a stick pushed past the
// dead zone is the press of a direction, and a held direction repeats as a held key does.
class PadControls {
public:
    static constexpr int DeadZone = 16000;  // about half the stick's travel
    static constexpr std::int64_t RepeatDelayMs = 250;
    static constexpr std::int64_t RepeatPeriodMs = 50;

    explicit PadControls(const PadClock& clock) : clock_(clock) {}

    // Adds the presses the event gives to `presses`.
    void feed(const PadEvent& event, std::deque<PadSwitch>& presses);
    // The repeat of the held direction, when one is due.
    std::optional<PadSwitch> repeat();

private:
    void set(PadSwitch which, bool down, std::deque<PadSwitch>& presses);

    const PadClock& clock_;
    std::bitset<static_cast<std::size_t>(PadSwitch::StickDown) + 1> down_;  // a bit for each switch
    std::optional<PadSwitch> held_;  // the direction that repeats: the last one pressed
    std::int64_t due_ = 0;
};

}  // namespace quarrix::pad
