// The synthesised default sounds: sensible length and level, no clipping, a seamless music loop.
#include "WaveFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quarrix::test {
namespace {

struct Levels {
    double peak = 0.0;
    bool clipped = false;
};

Levels levels(const Recording& r)
{
    Levels l;
    for (const float v : r.samples) {
        l.peak = std::max(l.peak, static_cast<double>(std::abs(v)));
        l.clipped = l.clipped || std::abs(v) >= 32767.0f / 32768.0f;
    }
    return l;
}

Recording load(const char* name)
{
    return readRecording(std::string(QUARRIX_PLAY_DIR) + "/" + name);
}

TEST(DefaultSounds, EffectsAreShortAudibleAndUnclipped)
{
    for (const char* name : {"Dink.wav", "PahTush.wav"}) {
        const Recording r = load(name);
        ASSERT_GT(r.frames(), 0u) << name;
        const double seconds = static_cast<double>(r.frames()) / r.rate;
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 0.5) << name;
        const Levels l = levels(r);
        EXPECT_GT(l.peak, 0.2) << name;
        EXPECT_FALSE(l.clipped) << name;
        // Each ends in silence, so cutting it off at its end makes no click.
        EXPECT_LT(std::abs(r.samples.back()), 0.002) << name;
    }
}

TEST(DefaultSounds, MusicIsALongSixteenBitLoopThatJoinsWithoutAStep)
{
    const Recording r = load("BGM_2.wav");
    ASSERT_TRUE(r.rate == 22050 || r.rate == 44100);
    EXPECT_GE(static_cast<double>(r.frames()) / r.rate, 20.0);
    const Levels l = levels(r);
    EXPECT_GT(l.peak, 0.2);
    EXPECT_FALSE(l.clipped);

    // The step from the last frame to the first must be no larger than the steps inside.
    std::vector<double> steps;
    for (std::size_t f = 1; f < r.frames(); ++f) {
        for (int c = 0; c < r.channels; ++c) {
            steps.push_back(std::abs(r.at(f, c) - r.at(f - 1, c)));
        }
    }
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    const double usual = steps[steps.size() * 99 / 100];
    for (int c = 0; c < r.channels; ++c) {
        EXPECT_LE(std::abs(r.at(0, c) - r.at(r.frames() - 1, c)), usual) << "channel " << c;
    }
}

}  // namespace
}  // namespace quarrix::test
