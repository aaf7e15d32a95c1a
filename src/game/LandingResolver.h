#pragma once

#include "AnimationInterface.h"
#include "DestroyerGroup.h"
#include "DropTimer.h"
#include "GameOverHandler.h"
#include "GroupRemover.h"
#include "Playfield.h"
#include "SoundInterface.h"

namespace quarrix {

// Resolves one landing: bursts until no destroyer gem can act, the figures, game over,
// and the music's speed after the landing.
class LandingResolver {
public:
    LandingResolver(DropTimer& timer, SoundInterface& sound, AnimationInterface& animation, GameOverHandler& gameOver)
        : timer_(timer), sound_(sound), gameOver_(gameOver), remover_(sound, animation)
    {}

    void handleGameStatus(Playfield& field);

private:
    // Scans column by column, bottom up, for a destroyer gem with joined gems; true if one burst.
    bool burstOnce(Playfield& field);
    void countBurst(Figures& figures) const;
    void endGame(const Playfield& field);
    void updateMusic(const Board& board);

    DropTimer& timer_;
    SoundInterface& sound_;
    GameOverHandler& gameOver_;
    GroupRemover remover_;
    DestroyerGroup group_;
};

}  // namespace quarrix
