#pragma once

#include "Command.h"
#include "GameServices.h"
#include "LandingResolver.h"
#include "PairMoves.h"
#include "Playfield.h"
#include "SpeedSetting.h"

namespace quarrix {

// The rules of one player's well, driven by the window's events:
// New Game, the drop timer's tick, a key press, a speed item.
class Game {
public:
    struct Services {
        RandomSource& random;
        DropTimer& timer;
        SoundInterface& sound;
        AnimationInterface& animation;
        GameOverHandler& gameOver;
    };

    explicit Game(Services services);

    void newGame();
    // One drop step; on landing, resolves the board and deals the next pair.
    void tick();
    // A move of the falling pair; Down also runs one drop step while the timer runs.
    void command(Command command);
    // A click on speed item `index` of the Options menu.
    bool chooseSpeed(int index) { return speed_.choose(index); }

    const Playfield& field() const { return field_; }
    const SpeedSetting& speed() const { return speed_; }
    DropTimer& timer() const { return timer_; }

    // For tests and tools that set up a position by hand.
    Playfield& mutableField() { return field_; }

private:
    DropTimer& timer_;
    Playfield field_;
    PairMoves pair_;
    LandingResolver resolver_;
    SpeedSetting speed_;
};

}  // namespace quarrix
