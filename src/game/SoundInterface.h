#pragma once

#include <cstdint>

namespace quarrix {

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

}  // namespace quarrix
