#pragma once

#include "game/Command.h"

namespace quarrix::pad {

// What a pad press acts on: the game's windows, as the keyboard would reach them.
class PadTarget {
public:
    virtual ~PadTarget() = default;
    // One of the game's windows is the active window.
    virtual bool focused() const = 0;
    // A modal dialog of the game waits for an answer.
    virtual bool dialogOpen() const = 0;
    // A move of the falling pair.
    virtual void move(Command command) = 0;
    // File > New Game.
    virtual void newGame() = 0;
    // The open dialog's answer: Enter when accepted, Escape when not.
    virtual void answerDialog(bool accept) = 0;
};

}  // namespace quarrix::pad
