#include "PadRouter.h"

#include "game/Command.h"

namespace quarrix::pad {

namespace {
Command commandFor(PadSwitch press)
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
    target.move(commandFor(press));
}

}  // namespace quarrix::pad
