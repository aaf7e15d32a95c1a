#pragma once

#include "CountingSound.h"
#include "game/Playfield.h"

#include <string>

namespace quarrix::soak {

// Checks one step of play against the rules that hold whatever the player does: gems only
// vanish in bursts (one destruction sound each) or under the next pair at the spawn cells,
// and the figures follow the bursts of the landing.
class StepAudit {
public:
    // The state before the step.
    void begin(const Playfield& field) { before_ = field; }
    // The first broken rule in words, or an empty text.
    std::string finish(const Playfield& after, const CountingSound& sound);
    // True when the step left the well, the pair, the preview and the figures as they were.
    bool unchanged(const Playfield& after) const;

    long bursts() const { return bursts_; }

private:
    std::string checkGemCount(const Playfield& after, const CountingSound& sound) const;
    std::string checkLanding(const Playfield& after, const CountingSound& sound);

    Playfield before_;
    long bursts_ = 0;
};

}  // namespace quarrix::soak
