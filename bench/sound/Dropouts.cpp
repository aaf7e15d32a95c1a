#include "Dropouts.h"

#include <algorithm>
#include <cmath>

namespace quarrix::bench {

Dropouts Dropouts::in(const std::vector<float>& samples, int rate)
{
    Dropouts found;
    const double msPerSample = 1000.0 / rate;
    const auto endRun = [&](std::size_t length) {
        const double ms = static_cast<double>(length) * msPerSample;
        if (ms >= ShortestMs) {
            ++found.count;
            found.longestMs = std::max(found.longestMs, ms);
            found.totalMs += ms;
        }
    };
    std::size_t run = 0;
    for (const float s : samples) {
        if (std::abs(s) < Silence) {
            ++run;
        } else {
            endRun(run);
            run = 0;
        }
    }
    endRun(run);  // a gap still open when the recording stops
    return found;
}

}  // namespace quarrix::bench
