// Losing the output device, on a platform whose devices can be told to go away. The devices are
// OpenAL Soft's null output, so the sources and buffers freed and uploaded again are real ones.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>

namespace quarrix::test {
namespace {

using Clock = sound::DevicePlatform::Clock;
constexpr std::uint32_t Looping = sound::StatusPlaying | sound::StatusLooping;

class FakePlatform final : public sound::DevicePlatform {
public:
    bool refuse = false;  // opening fails, as while the sound server is down
    int opens = 0;
    Clock::time_point clock{};

    void disconnect() { lostBelow_ = serial_ + 1; }  // every device opened so far goes away
    std::unique_ptr<sound::OutputDevice> open(const std::string& name) override
    {
        ++opens;
        auto device = refuse ? nullptr : sound::OutputDevice::open(name);
        if (device) {
            serials_[device.get()] = ++serial_;
        }
        return device;
    }
    bool connected(sound::OutputDevice& device) override { return serials_[&device] >= lostBelow_; }
    Clock::time_point now() override { return clock; }

private:
    std::map<const sound::OutputDevice*, int> serials_;
    int serial_ = 0;
    int lostBelow_ = 0;
};

class DeviceRecovery : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto tone = [](double t) { return 0.5 * std::sin(TwoPi * 441.0 * t); };
        ASSERT_TRUE(writeMono(effect_, 22050, 0.5, tone) && writeMono(music_, 22050, 2.0, tone));
        bank.startMusic(music_, 0);
        ASSERT_EQ(audio.status(bank.slot(0)), Looping) << "OpenAL Soft's null output must open";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Plays an effect `seconds` after start-up and tells whether it sounds.
    bool effectAt(double seconds)
    {
        platform.clock =
            Clock::time_point{} + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
        bank.PlaySound(effect_, 2, 0);
        return audio.status(bank.slot(bank.slotCount() - 1)) == sound::StatusPlaying;
    }
    std::uint32_t music() { return audio.status(bank.slot(0)).value_or(0xdead); }

    FakePlatform platform;
    sound::OpenAlAudio audio{platform};
    sound::SoundBank bank{audio};
    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("quarrix-recovery-" + std::to_string(::getpid()));
    const std::string effect_ = (std::filesystem::create_directories(dir_), dir_ / "effect.wav").string();
    const std::string music_ = (dir_ / "music.wav").string();
};

TEST_F(DeviceRecovery, NextSoundOpensTheDeviceAgainAndTheMusicComesBackAtItsSpeed)
{
    bank.SetBGMSpeed(14);
    std::filesystem::remove(music_);  // the music comes back from its decoded samples
    platform.disconnect();
    EXPECT_TRUE(effectAt(1.0));
    EXPECT_EQ(platform.opens, 2);
    EXPECT_EQ(music(), Looping);
    EXPECT_EQ(audio.frequency(bank.slot(0)), 23594);
    EXPECT_EQ(audio.voicesInUse(), 2u);  // the music and the new effect; the lost device kept none
}

TEST_F(DeviceRecovery, ADeviceThatCannotBeOpenedIsTriedAtMostOnceASecond)
{
    platform.disconnect();
    struct Row {
        double seconds;
        bool serverUp;
        int opens;
        bool heard;
    };
    const Row rows[]{{1.0, false, 2, false},
                     {1.5, false, 2, false},
                     {1.999, true, 2, false},
                     {2.0, true, 3, true},
                     {2.5, true, 3, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE("effect at " + std::to_string(row.seconds) + " s");
        platform.refuse = !row.serverUp;
        EXPECT_EQ(effectAt(row.seconds), row.heard);
        EXPECT_EQ(platform.opens, row.opens);
        EXPECT_EQ(music(), row.heard ? Looping : 0xdead);
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

TEST_F(DeviceRecovery, VoicesAndTableStayBoundedThroughManyLosses)
{
    for (int loss = 1; loss <= 40; ++loss) {
        platform.disconnect();
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(effectAt(loss + i * 0.1)) << "loss " << loss;
        }
        bank.CleanUpSndBuffer();
        bank.SetBGMSpeed(static_cast<std::int16_t>(loss % 15));
        ASSERT_LE(audio.voicesInUse(), 4u) << "loss " << loss;
    }
    EXPECT_EQ(music(), Looping);
}

}  // namespace
}  // namespace quarrix::test
