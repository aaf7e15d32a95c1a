#pragma once

#include <vector>

namespace quarrix::bench {

// The dropouts in a recording of a steady tone: runs of near-silent samples long enough to be
// heard as a gap. A tone crosses zero for a sample or two each half period, far shorter than a
// gap, so the tone's own shape never counts.
struct Dropouts {
    static constexpr double ShortestMs = 2.0;
    static constexpr float Silence = 0.02F;  // well under any tone worth recording

    // Every dropout of a mono recording at `rate` samples a second.
    static Dropouts in(const std::vector<float>& samples, int rate);

    int count = 0;
    double longestMs = 0.0;
    double totalMs = 0.0;
};

}  // namespace quarrix::bench
