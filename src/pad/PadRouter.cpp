#include "PadRouter.h"

#include "game/KeyCode.h"

namespace quarrix::pad {

namespace {
int keyCodeFor(PadSwitch press)
{
    switch (press) {
    case PadSwitch::DpadLeft:
    case PadSwitch::StickLeft: return KeyLeft;
    case PadSwitch::DpadRight:
    case PadSwitch::StickRight: return KeyRight;
    case PadSwitch::DpadUp:
    case PadSwitch::A: return KeyUp;
    case PadSwitch::DpadDown:
    case PadSwitch::StickDown:
    case PadSwitch::B: return KeyDown;
    case PadSwitch::Start: break;
    }
    return 0;
}
}  // namespace

void PadRouter::route(PadSwitch press, PadTarget& target)
{
    if (!target.focused()) {
        return;  // another program has the focus: the pad is not talking to us
    }
    if (target.dialogOpen()) {
        // Only A and B mean something to a dialog; a move or New Game must not reach the game behind it.
        if (press == PadSwitch::A || press == PadSwitch::B) {
            target.answerDialog(press == PadSwitch::A);
        }
        return;
    }
    if (press == PadSwitch::Start) {
        target.newGame();
        return;
    }
    target.key(keyCodeFor(press));
}

}  // namespace quarrix::pad
