// The synthesised default sounds: sensible length and level, no clipping, a seamless music loop.
#include "WaveFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quarrix::test {
namespace {

// Loud enough to hear, yet below full scale, where 16-bit samples clip.
void expectAudibleAndUnclipped(const Recording& r, const char* name)
{
    const float peak = std::ranges::max(r.samples, {}, [](float v) { return std::abs(v); });
    EXPECT_GT(std::abs(peak), 0.2f) << name;
    EXPECT_LT(std::abs(peak), 32767.0f / 32768.0f) << name;
}

TEST(DefaultSounds, EffectsAreShortAudibleUnclippedAndEndInSilence)
{
    for (const char* name : {"Dink.wav", "PahTush.wav"}) {
        const Recording r = readRecording(std::string(QUARRIX_PLAY_DIR) + "/" + name);
        ASSERT_GT(r.frames(), 0u) << name;
        const double seconds = static_cast<double>(r.frames()) / r.rate;
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 0.5) << name;
        expectAudibleAndUnclipped(r, name);
        EXPECT_LT(std::abs(r.samples.back()), 0.002) << name;  // cut off at its end without a click
    }
}

TEST(DefaultSounds, MusicIsALongLoopThatJoinsWithoutAStep)
{
    const Recording r = readRecording(QUARRIX_PLAY_DIR "/BGM_2.wav");
    ASSERT_TRUE(r.rate == 22050 || r.rate == 44100);
    EXPECT_GE(static_cast<double>(r.frames()) / r.rate, 20.0);
    expectAudibleAndUnclipped(r, "BGM_2.wav");

    // The step from the last frame to the first must be no larger than the usual (99th percentile) step.
    const auto c = static_cast<std::size_t>(r.channels);
    std::vector<float> steps;
    for (std::size_t i = c; i < r.samples.size(); ++i) {
        steps.push_back(std::abs(r.samples[i] - r.samples[i - c]));
    }
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    const float usual = steps[steps.size() * 99 / 100];
    for (std::size_t k = 0; k < c; ++k) {
        EXPECT_LE(std::abs(r.samples[k] - r.samples[r.samples.size() - c + k]), usual) << "channel " << k;
    }
}

}  // namespace
}  // namespace quarrix::test
