#pragma once

#include "Playfield.h"
#include "SoundInterface.h"

#include <array>

namespace quarrix {

// One step of the falling pair. Each gem is judged on its own, so a flat pair that is
// supported on one side only splits, and the free gem falls on alone.
class DropTick {
public:
    explicit DropTick(SoundInterface& sound) : sound_(sound) {}

    // Moves what can fall one row down. Returns true when both gems are blocked: the pair has
    // landed and the landing sound has played.
    bool step(Playfield& field);

private:
    static std::array<bool, 2> blockedByFloor(const FallingPair& pair);
    static void blockByStack(const Board& board, const FallingPair& pair, std::array<bool, 2>& canFall, int gem);
    void playFirstContacts(const FallingPair& pair, const std::array<bool, 2>& canFall);
    static void moveDown(Playfield& field, int gem);
    static void moveGems(Playfield& field, const std::array<bool, 2>& canFall);

    SoundInterface& sound_;
};

}  // namespace quarrix
