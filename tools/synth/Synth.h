#pragma once

#include "Track.h"

#include <cstdint>

namespace quarrix::synth {

// Simple instruments that render notes into a track. Times are in seconds, pitches in MIDI
// note numbers. Every note starts and ends at zero level, so nothing clicks.
class Synth {
public:
    explicit Synth(Track& track) : track_(track) {}

    void pluck(double at, double length, int note, float level, float pan);
    void bass(double at, double length, int note, float level);
    void pad(double at, double length, int note, float level, float pan);
    void kick(double at, float level);
    void hat(double at, float level, float pan);
    // A soft wooden knock.
    void knock(double at, float level);
    // A crisp noisy burst with a falling tone under it.
    void burst(double at, float level);

private:
    float noise();
    std::size_t frame(double seconds) const;
    static double hertz(int note);

    Track& track_;
    std::uint32_t seed_ = 0x2545f491u;
};

}  // namespace quarrix::synth
