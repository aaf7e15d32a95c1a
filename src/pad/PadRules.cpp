#include "PadRules.h"

namespace quarrix::pad {

namespace {
bool repeats(PadSwitch which)
{
    return which != PadSwitch::A && which != PadSwitch::B && which != PadSwitch::Start;
}

Command moveFor(PadSwitch press)
{
    switch (press) {
    case PadSwitch::DpadLeft:
    case PadSwitch::StickLeft: return Command::Left;
    case PadSwitch::DpadRight:
    case PadSwitch::StickRight: return Command::Right;
    case PadSwitch::DpadUp:
    case PadSwitch::A: return Command::Turn;
    case PadSwitch::DpadDown:
    case PadSwitch::StickDown:
    case PadSwitch::B: return Command::Down;
    case PadSwitch::Start: break;
    }
    return Command::NewGame;
}
}  // namespace

std::optional<Command> decide(PadSwitch press, const PadScene& scene)
{
    // Another program, or a menu or popup, is in front: the pad is not talking to the game.
    if (!scene.active || scene.popup) {
        return std::nullopt;
    }
    if (scene.modal) {
        // Only A and B mean something to a dialog; a move or New Game must not reach the game behind it.
        switch (press) {
        case PadSwitch::A: return Command::Accept;
        case PadSwitch::B: return Command::Cancel;
        default: return std::nullopt;
        }
    }
    return moveFor(press);
}

std::optional<PadSwitch> PadControls::feed(const PadEvent& event, std::int64_t nowMs, bool active)
{
    const auto press = [&](PadSwitch which, bool down) {
        return set(which, down, nowMs, active) ? std::optional(which) : std::nullopt;
    };
    if (event.kind != PadEvent::Kind::AxisMotion) {
        return press(event.button, event.kind == PadEvent::Kind::ButtonDown);
    }
    if (event.axis == PadAxis::LeftY) {
        return press(PadSwitch::StickDown, event.value > DeadZone);  // pushing up is not a key
    }
    const auto left = press(PadSwitch::StickLeft, event.value < -DeadZone);
    const auto right = press(PadSwitch::StickRight, event.value > DeadZone);
    return left ? left : right;
}

bool PadControls::set(PadSwitch which, bool down, std::int64_t nowMs, bool active)
{
    const auto bit = static_cast<std::size_t>(which);
    if (down_[bit] == down) {
        return false;  // a stick moving within the same side, or a repeated report
    }
    down_[bit] = down;
    if (!down && held_ == which) {
        held_.reset();
    }
    if (!down || !active) {
        return false;  // a press while another program is active is swallowed, and so is its repeat
    }
    if (repeats(which)) {
        held_ = which;
        due_ = nowMs + RepeatDelayMs;
    }
    return true;
}

std::optional<PadSwitch> PadControls::repeat(std::int64_t nowMs, bool active)
{
    if (!active) {
        held_.reset();
    }
    if (!held_ || nowMs < due_) {
        return std::nullopt;
    }
    // One repeat per look; after a long stall the beat starts again instead of catching up in a burst.
    due_ = nowMs - due_ < RepeatPeriodMs ? due_ + RepeatPeriodMs : nowMs + RepeatPeriodMs;
    return held_;
}

}  // namespace quarrix::pad
