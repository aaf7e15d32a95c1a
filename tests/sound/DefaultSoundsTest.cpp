// The synthesised default sounds: audible, the effects die away to silence, the music loops without a click.
#include "WaveFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quarrix::test;

TEST(DefaultSounds, EffectsEndSilentAndTheMusicLoopsWithoutAStep)
{
    for (const auto& [name, looped] : {std::pair{"Dink.wav", false}, {"PahTush.wav", false}, {"BGM_2.wav", true}}) {
        const Recording r = readRecording(std::string(QUARRIX_PLAY_DIR) + "/" + name);
        const auto c = static_cast<std::size_t>(r.channels);
        std::vector<float> steps;  // between neighbouring frames of a channel
        for (std::size_t i = c; i < r.samples.size(); ++i) {
            steps.push_back(std::abs(r.samples[i] - r.samples[i - c]));
        }
        ASSERT_GT(steps.size(), 1000U) << name;
        EXPECT_GT(std::ranges::max(r.samples), 0.1F) << name << " is silent";
        std::ranges::nth_element(steps, steps.begin() + steps.size() * 99 / 100);
        for (std::size_t k = 0; k < c; ++k) {  // what follows the last frame: silence, or the music's first frame
            const float seam = std::abs((looped ? r.samples[k] : 0.0F) - r.samples[r.samples.size() - c + k]);
            EXPECT_LE(seam, looped ? steps[steps.size() * 99 / 100] : 0.002F) << name << " channel " << k;
        }
    }
}
