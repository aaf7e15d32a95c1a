#include "PadControls.h"

namespace quarrix::pad {

namespace {
bool repeats(PadSwitch which)
{
    return which != PadSwitch::A && which != PadSwitch::B && which != PadSwitch::Start;
}
}  // namespace

void PadControls::feed(const PadEvent& event, std::deque<PadSwitch>& presses)
{
    if (event.kind != PadEvent::Kind::AxisMotion) {
        set(event.button, event.kind == PadEvent::Kind::ButtonDown, presses);
    } else if (event.axis == PadAxis::LeftX) {
        set(PadSwitch::StickLeft, event.value < -DeadZone, presses);
        set(PadSwitch::StickRight, event.value > DeadZone, presses);
    } else {
        set(PadSwitch::StickDown, event.value > DeadZone, presses);  // pushing up is not a key
    }
}

void PadControls::set(PadSwitch which, bool down, std::deque<PadSwitch>& presses)
{
    const auto bit = static_cast<std::size_t>(which);
    if (down_[bit] == down) {
        return;  // a stick moving within the same side, or a repeated report
    }
    down_[bit] = down;
    if (down) {
        presses.push_back(which);
        if (repeats(which)) {
            held_ = which;
            due_ = clock_.nowMs() + RepeatDelayMs;
        }
    } else if (held_ == which) {
        held_.reset();
    }
}

std::optional<PadSwitch> PadControls::repeat()
{
    const std::int64_t now = clock_.nowMs();
    if (!held_ || now < due_) {
        return std::nullopt;
    }
    // One repeat per look; after a long stall the beat starts again instead of catching up in a burst.
    due_ = now - due_ < RepeatPeriodMs ? due_ + RepeatPeriodMs : now + RepeatPeriodMs;
    return held_;
}

}  // namespace quarrix::pad
