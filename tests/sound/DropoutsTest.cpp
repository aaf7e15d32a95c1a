// The dropout count the latency benchmark relies on, on made-up recordings of a steady tone.
#include "soundcheck/Dropouts.h"
#include "soundcheck/WaveFiles.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quarrix::soundcheck;

constexpr int Rate = 44100;

// A second of 441 Hz, silent over each [from, to) millisecond span of `gaps`.
static std::vector<float> tone(const std::vector<std::pair<int, int>>& gaps)
{
    std::vector<float> s = sampled(Rate, 1.0, [](double t) { return 0.35 * std::sin(TwoPi * 441.0 * t); });
    for (const auto& [from, to] : gaps) {
        std::fill(s.begin() + from * Rate / 1000, s.begin() + to * Rate / 1000, 0.0F);
    }
    return s;
}

TEST(Dropouts, CountsSilentRunsOfTwoMillisecondsOrMore)
{
    // Rows: what, gaps, count, longest and total milliseconds.
    const std::tuple<const char*, std::vector<std::pair<int, int>>, int, double, double> cases[] = {
        {"a click of 1 ms", {{500, 501}}, 0, 0.0, 0.0},
        {"gaps of 5 and 19 ms", {{100, 105}, {700, 719}}, 2, 19.0, 24.0},
        {"a gap still open at the end", {{990, 1000}}, 1, 10.0, 10.0},
    };
    for (const auto& [what, gaps, count, longestMs, totalMs] : cases) {
        SCOPED_TRACE(what);
        const Dropouts d = Dropouts::in(tone(gaps), Rate);
        EXPECT_EQ(d.count, count);
        // The gap's edges land near a zero crossing, which adds a sample or two of silence.
        EXPECT_NEAR(d.longestMs, longestMs, 0.1);
        EXPECT_NEAR(d.totalMs, totalMs, 0.2);
    }
}
