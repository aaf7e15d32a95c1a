#pragma once

#include "game/Playfield.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quarrix::ui {
class Form1;
}

namespace quarrix::soak {

// What the sound path heard in one step: the figures at each destruction sound (one per removed
// gem), the landings, and the spawn cells filled when the last landing ended, before the next pair.
struct StepSounds {
    std::vector<Figures> destroyed;
    int landings = 0;
    int spawnCellsFilled = 0;
};

// The first rule broken between `before` and `after`, or an empty text; counts the bursts.
std::string auditStep(const Playfield& before, const Playfield& after, const StepSounds& sounds, long& bursts);

// The first difference between what the main window shows and `field`, or an empty text.
std::string checkDisplay(ui::Form1& form, const Playfield& field);

struct Totals {
    int games = 0;
    long steps = 0;
    long bursts = 0;
};

// Plays whole games in the current directory, which holds the three sounds; returns the first
// broken rule, naming the game and the step, or an empty text.
std::string playGames(std::uint64_t seed, int games, Totals& totals);

}  // namespace quarrix::soak
