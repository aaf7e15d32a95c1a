#pragma once

#include "Sound.h"

#include <AL/al.h>

#include <array>
#include <cstdint>

namespace quarrix::sound {

// A voice of the mixer: the pair of sources that plays one sound, one source per output
// channel, in step. Calls act on the current context: make its device's current first.
class Voice {
public:
    // False when the context has no sources left.
    bool create();
    void destroy() { alDeleteSources(2, sources_.data()); }

    // Stops whatever sounded and binds the sound to the sources, one channel each.
    void bind(const SoundBuffers& sound);
    // Stops and lets the sound go.
    void unbind();
    // Starts or resumes; the voice counts as started at `order` when the oldest is looked for.
    void play(bool looping, std::uint64_t order);
    // Keeps the position for the next play, unlike a stop.
    void pause();
    // Where the sources stand: AL_INITIAL (not started since their sound was bound),
    // AL_PLAYING, AL_PAUSED, or AL_STOPPED (run to their end, or stopped).
    ALint state() const;
    bool sounding() const { return state() == AL_PLAYING || state() == AL_PAUSED; }
    bool looping() const;
    // Pan in hundredths of a decibel: the near channel keeps full level, the far one is
    // attenuated by |pan|/100 dB.
    void setPan(std::int32_t pan);
    void setPitch(float pitch);

    std::uint64_t started() const { return started_; }

private:
    std::array<ALuint, 2> sources_{};
    std::uint64_t started_ = 0;
};

}  // namespace quarrix::sound
