// The synthesised default sounds: sensible length, audible but unclipped peaks, a seamless music loop.
#include "WaveFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quarrix::test;

TEST(DefaultSounds, AudibleUnclippedOfTheirLengthEffectsEndInSilenceAndTheMusicLoopsWithoutAStep)
{
    for (const auto& [name, shortest, longest] :
         {std::tuple{"Dink.wav", 0.05, 0.5}, {"PahTush.wav", 0.05, 0.5}, {"BGM_2.wav", 20.0, 600.0}}) {
        const Recording r = readRecording(std::string(QUARRIX_PLAY_DIR) + "/" + name);
        ASSERT_GT(r.frames(), 0U) << name;
        const double seconds = static_cast<double>(r.frames()) / r.rate;
        EXPECT_TRUE(seconds > shortest && seconds < longest) << name << ": " << seconds << " s";
        const float peak = std::ranges::max(r.samples, {}, [](float v) { return std::abs(v); });
        EXPECT_TRUE(std::abs(peak) > 0.2F && std::abs(peak) < 32767.0F / 32768.0F) << name << ": peak " << peak;
        // An effect ends at 0; the music steps from its end to its start no more than its 99th-percentile step.
        const auto c = static_cast<std::size_t>(r.channels);
        std::vector<float> steps;
        for (std::size_t i = c; i < r.samples.size(); ++i) {
            steps.push_back(std::abs(r.samples[i] - r.samples[i - c]));
        }
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
        for (std::size_t k = 0; k < c; ++k) {
            const float seam = std::abs((longest > 1 ? r.samples[k] : 0.0F) - r.samples[r.samples.size() - c + k]);
            EXPECT_LE(seam, longest > 1 ? steps[steps.size() * 99 / 100] : 0.002F) << name << " channel " << k;
        }
    }
}
