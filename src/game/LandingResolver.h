#pragma once

#include "GameServices.h"
#include "Playfield.h"

#include <cstdint>
#include <vector>

namespace quarrix {

// The same-coloured group joined to a destroyer gem, in the order a depth-first fill reaches it.
// Entry 0 is the destroyer gem itself; DgCount is the number of gems joined to it.
class DestroyerGroup {
public:
    // Starts a new fill from the destroyer gem at (dgC, dgR).
    void fill(const Board& board, int dgC, std::int16_t dgR);

    std::int16_t DgCount = 0;
    std::vector<std::int16_t> DgCol;
    std::vector<std::int16_t> DgRow;

private:
    void visit(const Board& board, int c, int r);
    bool listed(int c, int r) const;
};

// Resolves one landing: bursts until no destroyer gem can act, each burst removed gem by gem and
// the stack settled after it, the figures, game over, and the music's speed after the landing.
class LandingResolver {
public:
    // Each removed or settled gem is shown on its own, this far apart.
    static constexpr int AnimationStepMs = 75;

    LandingResolver(DropTimer& timer, SoundInterface& sound, AnimationInterface& animation, GameOverHandler& gameOver)
        : timer_(timer), sound_(sound), animation_(animation), gameOver_(gameOver)
    {}

    void handleGameStatus(Playfield& field);
    // Closes every gap after a burst: each gem with room below drops straight to its final row,
    // one gem at a time, column 0 first and the lowest gem of a column first.
    void fallGems(Board& board);

private:
    // Scans column by column, bottom up, for a destroyer gem with joined gems; true if one burst.
    bool burstOnce(Playfield& field);
    void countBurst(Figures& figures) const;
    // Removes the group gem by gem, in fill order, then lets the stack settle.
    void getRideofGems(Board& board);
    void endGame(const Playfield& field);

    DropTimer& timer_;
    SoundInterface& sound_;
    AnimationInterface& animation_;
    GameOverHandler& gameOver_;
    DestroyerGroup group_;
};

}  // namespace quarrix
