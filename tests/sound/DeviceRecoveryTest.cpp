// Losing the output device, on a platform whose devices can be told to go away. The devices are
// OpenAL Soft's null output, so the sources and buffers freed and uploaded again are real ones.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>

namespace quarrix::test {
namespace {

using Clock = sound::DevicePlatform::Clock;
constexpr std::uint32_t Looping = sound::StatusPlaying | sound::StatusLooping;
constexpr std::uint32_t NoStatus = 0xdead;

class FakePlatform final : public sound::DevicePlatform {
public:
    bool refuse = false;  // opening fails, as while the sound server is down
    int opens = 0;
    Clock::time_point clock{};

    void disconnect() { connected_.clear(); }  // every open device goes away
    std::unique_ptr<sound::OutputDevice> open(const std::string& name) override
    {
        ++opens;
        auto device = refuse ? nullptr : sound::OutputDevice::open(name);
        connected_.insert(device.get());
        return device;
    }
    bool connected(sound::OutputDevice& device) override { return connected_.contains(&device); }
    Clock::time_point now() override { return clock; }

private:
    std::set<const sound::OutputDevice*> connected_;
};

class DeviceRecovery : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("ALSOFT_DRIVERS", "null", 0);  // no sound card here
        const auto tone = [](double t) { return 0.5 * std::sin(TwoPi * 441.0 * t); };
        ASSERT_TRUE(writeMono(effect_, 22050, 0.5, tone) && writeMono(music_, 22050, 2.0, tone));
        bank.startMusic(music_, 0);
        ASSERT_EQ(music(), Looping) << "OpenAL Soft's null output must open";
    }
    void TearDown() override { std::filesystem::remove(effect_), std::filesystem::remove(music_); }

    // Plays an effect `seconds` after start-up and tells whether it sounds.
    bool effectAt(double seconds)
    {
        platform.clock = Clock::time_point{} + std::chrono::milliseconds(std::lround(seconds * 1000));
        bank.PlaySound(effect_, 2, 0);
        return audio.status(bank.slot(bank.slotCount() - 1)) == sound::StatusPlaying;
    }
    std::uint32_t music() { return audio.status(bank.slot(0)).value_or(NoStatus); }

    FakePlatform platform;
    sound::OpenAlAudio audio{platform};
    sound::SoundBank bank{audio};
    const std::string prefix_ = std::filesystem::temp_directory_path() / ("recovery-" + std::to_string(::getpid()));
    const std::string effect_ = prefix_ + "-effect.wav";
    const std::string music_ = prefix_ + "-music.wav";
};

TEST_F(DeviceRecovery, EveryLossIsMendedByTheNextSoundWithTheMusicAtItsSpeed)
{
    bank.SetBGMSpeed(14);
    std::filesystem::remove(music_);  // the music comes back from its decoded samples
    for (int loss = 1; loss <= 30; ++loss) {
        platform.disconnect();
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(effectAt(loss + i * 0.1)) << "loss " << loss << ", effect " << i;
        }
        ASSERT_EQ(audio.voicesInUse(), 4u) << "loss " << loss << ": the lost device must keep no voice";
        bank.CleanUpSndBuffer();
    }
    EXPECT_EQ(platform.opens, 31);
    EXPECT_EQ(music(), Looping);
    EXPECT_EQ(audio.frequency(bank.slot(0)), 23594);
}

TEST_F(DeviceRecovery, ADeviceThatCannotBeOpenedIsTriedAtMostOnceASecond)
{
    platform.disconnect();
    const struct {
        double seconds;
        bool serverUp;
        int opens;
        bool heard;
    } rows[]{{1.0, false, 2, false}, {1.5, false, 2, false}, {1.999, true, 2, false}, {2.0, true, 3, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE("effect at " + std::to_string(row.seconds) + " s");
        platform.refuse = !row.serverUp;
        EXPECT_EQ(effectAt(row.seconds), row.heard);
        EXPECT_EQ(platform.opens, row.opens);
        EXPECT_EQ(music(), row.heard ? Looping : NoStatus);
    }
}

TEST_F(DeviceRecovery, ReloadedDeviceListTriesAtOnceAndPausedMusicWaitsForTheNextLanding)
{
    bank.stopMusic();
    platform.disconnect();
    platform.refuse = true;
    EXPECT_FALSE(effectAt(1.0));
    platform.refuse = false;
    audio.deviceDescriptions();
    EXPECT_TRUE(effectAt(1.1));
    EXPECT_EQ(music(), 0u);
    bank.SetBGMSpeed(0);
    EXPECT_EQ(music(), Looping);
}

}  // namespace
}  // namespace quarrix::test
