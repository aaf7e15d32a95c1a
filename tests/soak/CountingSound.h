#pragma once

#include "game/Playfield.h"
#include "game/SoundInterface.h"

#include <cstdint>
#include <vector>

namespace quarrix::soak {

// Passes every call on to the real sound path and notes, for one step of play, what the checks
// cannot see on the board afterwards: each removed gem (one destruction sound) with the figures
// at that moment, and each landing with how many spawn cells the next pair is about to cover.
class CountingSound final : public SoundInterface {
public:
    struct Removal {
        Figures figures;
        std::int16_t column = 0;
    };

    explicit CountingSound(SoundInterface& real) : real_(real) {}

    // The game whose figures and board are read while a landing resolves.
    void watch(const Playfield& field) { field_ = &field; }
    // Forgets the previous step.
    void startStep();

    const std::vector<Removal>& removals() const { return removals_; }
    int landings() const { return landings_; }
    // Filled spawn cells (3, 13) and (3, 14) at the end of the latest landing.
    int spawnCellsFilled() const { return spawnCellsFilled_; }

    void playCollision(std::int16_t position) override { real_.playCollision(position); }
    void playDestruction(std::int16_t position) override;
    void cleanUpBuffers() override;
    bool musicDisabled() override { return real_.musicDisabled(); }
    void setMusicSpeed(std::int16_t gemHeight) override { real_.setMusicSpeed(gemHeight); }

private:
    SoundInterface& real_;
    const Playfield* field_ = nullptr;
    std::vector<Removal> removals_;
    int landings_ = 0;
    int spawnCellsFilled_ = 0;
};

}  // namespace quarrix::soak
