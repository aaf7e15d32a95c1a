#pragma once

#include "FinishedGame.h"

namespace quarrix {

// What happens outside the rules when a game ends.
class GameOverHandler {
public:
    virtual ~GameOverHandler() = default;
    // The "Game Over" message; returns when the player has closed it.
    virtual void showGameOver() = 0;
    // Ranks the finished game in the high-score tables.
    virtual void processScore(const FinishedGame& game) = 0;
};

}  // namespace quarrix
