// Losing the output device, on a platform whose devices can be told to go away. The devices are
// OpenAL Soft's null output, so the sources and buffers freed and uploaded again are real ones.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

using namespace quarrix;

namespace {

using namespace std::chrono_literals;
constexpr std::uint32_t Looping = sound::StatusPlaying | sound::StatusLooping;

struct FakePlatform final : sound::DevicePlatform {
    std::chrono::milliseconds clock{};
    std::chrono::milliseconds downUntil{};  // opening fails before then, as while the sound server is down
    int opens = 0;
    const sound::OutputDevice* current = nullptr;  // cleared: the open device goes away
    std::unique_ptr<sound::OutputDevice> open(const std::string& name) override
    {
        ++opens;
        auto device = clock < downUntil ? nullptr : sound::OutputDevice::open(name);
        current = device.get();
        return device;
    }
    bool connected(sound::OutputDevice& device) override { return &device == current; }
    Clock::time_point now() override { return Clock::time_point{} + clock; }
};

TEST(DeviceRecovery, LossesAreMendedByTheNextSoundAndAFailedOpenIsTriedAgainAfterASecond)
{
    const std::string music = testing::TempDir() + "recovery-" + std::to_string(::getpid()), effect = music + ".wav";
    const auto tone = [](double t) { return 0.5 * std::sin(test::TwoPi * 441.0 * t); };
    ASSERT_TRUE(test::writeMono(effect, 22050, 0.5, tone) && test::writeMono(music, 22050, 2.0, tone));
    FakePlatform platform;
    sound::OpenAlAudio audio{platform};
    sound::SoundBank bank{audio};
    bank.startMusic(music, 0);
    bank.SetBGMSpeed(14);
    std::filesystem::remove(music);  // the music comes back from its decoded samples
    // An effect at `at`, after a loss if `drop`, sounds exactly when the device works, as does the music.
    const auto expectAt = [&](std::chrono::milliseconds at, bool drop, int opens, std::optional<std::uint32_t> tune) {
        platform.clock = at;
        platform.current = drop ? nullptr : platform.current;
        bank.PlaySound(effect, 2, 0);
        EXPECT_EQ(audio.status(bank.slot(bank.slotCount() - 1)) == sound::StatusPlaying, tune.has_value())
            << "effect at " << at.count() << " ms";
        EXPECT_EQ(platform.opens, opens) << "effect at " << at.count() << " ms";
        EXPECT_EQ(audio.status(bank.slot(0)), tune) << "music at " << at.count() << " ms";
    };
    for (int loss = 1; loss <= 30; ++loss) {
        expectAt(loss * 1000ms, true, loss + 1, Looping);
        ASSERT_EQ(audio.voicesInUse(), 2u) << "loss " << loss << ": the lost device must keep no voice";
    }
    EXPECT_EQ(audio.frequency(bank.slot(0)), 23594);
    platform.downUntil = 40999ms;
    expectAt(40000ms, true, 32, {});
    expectAt(40999ms, false, 32, {});
    expectAt(41000ms, false, 33, Looping);
    expectAt(41100ms, true, 33, {});
    audio.deviceDescriptions();  // a reloaded device list tries at once
    expectAt(41200ms, false, 34, Looping);
    bank.stopMusic();  // paused music waits for the next landing, on a new device too
    expectAt(42500ms, true, 35, 0u);
    std::filesystem::remove(effect);
}

}  // namespace
