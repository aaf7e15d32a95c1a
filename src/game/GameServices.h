#pragma once

#include <cstdint>

namespace quarrix {

// What the rules need from outside, handed to the game as Game::Services: chance, the clock,
// the sound, the step-by-step display and what follows the end of a game.

// Uniform values u with 0 <= u < 1 in single precision.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
};

// The periodic drop timer: its interval is the speed, and it is on only while a game runs.
class DropTimer {
public:
    virtual ~DropTimer() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool on) = 0;
    virtual int interval() const = 0;  // milliseconds
    virtual void setInterval(int milliseconds) = 0;
};

// What the rules ask of the sound side. Every call returns at once and never fails.
class SoundInterface {
public:
    virtual ~SoundInterface() = default;
    // Gem collision sound, panned by board column (-1 for centre).
    virtual void playCollision(std::int16_t position) = 0;
    // Gem destruction sound, panned by board column.
    virtual void playDestruction(std::int16_t position) = 0;
    // Tidies the table of loaded sounds; called once after every landing.
    virtual void cleanUpBuffers() = 0;
    // True while the player has switched the background music off.
    virtual bool musicDisabled() = 0;
    // Sets the music speed from the row of the highest gem (0..14).
    virtual void setMusicSpeed(std::int16_t gemHeight) = 0;
};

// Removal and settling are shown step by step: a blocking pause, a change, an immediate repaint.
class AnimationInterface {
public:
    virtual ~AnimationInterface() = default;
    // Blocks for the given time; no input or timer event is handled meanwhile.
    virtual void pause(int milliseconds) = 0;
    // Draws the current state now, during a blocking resolution.
    virtual void repaintNow() = 0;
};

// The figures a finished game is ranked by, as the panels show them at game over.
struct FinishedGame {
    std::int64_t score = 0;
    std::int64_t bestCombo = 0;
    std::int64_t bestChain = 0;
    int intervalMs = 1000;  // the drop speed the game was played at
};

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
