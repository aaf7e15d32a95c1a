// Losing the output device, on a platform whose devices can be told to go away. The devices are
// OpenAL Soft's null output, so the sources and buffers freed and uploaded again are real ones.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"
#include "ui/DeviceWatch.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QTest>

#include <filesystem>

using namespace quarrix;

namespace {

using namespace std::chrono_literals;
constexpr std::uint32_t Looping = sound::StatusPlaying | sound::StatusLooping;

struct FakePlatform final : sound::DevicePlatform {
    std::chrono::milliseconds clock{};
    std::chrono::milliseconds downUntil{};  // opening fails before then, as while the sound server is down
    int opens = 0;
    ALCdevice* current = nullptr;  // cleared: the open device goes away
    ALCdevice* open(const std::string& name) override
    {
        ++opens;
        current = nullptr;
        if (clock >= downUntil) {
            current = DevicePlatform::open(name);
        }
        return current;
    }
    bool connected(ALCdevice* device) override { return device == current; }
    Clock::time_point now() override { return Clock::time_point{} + clock; }
};

// A steady tone of `seconds` in a fresh file; empty if it cannot be written.
std::string toneFile(const std::string& name, double seconds)
{
    const std::string file = testing::TempDir() + name + std::to_string(::getpid()) + ".wav";
    const auto tone = [](double t) { return 0.5 * std::sin(test::TwoPi * 441.0 * t); };
    if (!test::writeMono(file, 22050, seconds, tone)) {
        return {};
    }
    return file;
}

struct DeviceRecovery : ::testing::Test {
    ~DeviceRecovery() override { std::filesystem::remove(music); }
    const std::string music = toneFile("music-", 2.0);
    FakePlatform platform;
    sound::OpenAlAudio audio{platform};
    sound::SoundBank bank{audio};
};

TEST_F(DeviceRecovery, ALostDeviceIsReopenedByTheNextSound)
{
    const std::string effect = toneFile("effect-", 0.5);
    ASSERT_NE(music, "");
    ASSERT_NE(effect, "");
    bank.startMusic(music, 0);
    bank.SetBGMSpeed(14);
    std::filesystem::remove(music);  // the music comes back from its decoded samples
    // An effect at `at`, after a loss if `drop`, sounds exactly when the device works, as does the music.
    const auto expectAt = [&](std::chrono::milliseconds at, bool drop, int opens, std::optional<std::uint32_t> tune) {
        SCOPED_TRACE(at.count());
        platform.clock = at;
        if (drop) {
            platform.current = nullptr;
        }
        bank.PlaySound(effect, 2, 0);
        EXPECT_EQ(audio.status(bank.slot(bank.slotCount() - 1)) == sound::StatusPlaying, tune.has_value()) << "effect";
        EXPECT_EQ(platform.opens, opens);
        EXPECT_EQ(audio.status(bank.slot(0)), tune) << "music";
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

TEST_F(DeviceRecovery, IdleChecksReopenOnlyALostDeviceAtTheirPace)
{
    platform.downUntil = 1000ms;  // the sound server is not up yet when the game starts
    bank.startMusic(music, 0);
    const struct {
        const char* what;
        std::chrono::milliseconds at, downUntil;
        bool drop, check;  // not a check: the music is started again, as its Play button does
        int opens;
        std::optional<std::uint32_t> music;
    } steps[] = {{"never opened: left to the next sound", 1500ms, 1000ms, false, true, 1, {}},
                 {"started again", 2000ms, 1000ms, false, false, 2, Looping},
                 {"connected: nothing to do", 2500ms, 1000ms, false, true, 2, Looping},
                 {"lost while the server is down: one try", 3000ms, 3500ms, true, true, 3, {}},
                 {"the server is back, but the pace holds", 3500ms, 3500ms, false, true, 3, {}},
                 {"a second on: open, music back", 4000ms, 3500ms, false, true, 4, Looping}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        platform.clock = step.at;
        platform.downUntil = step.downUntil;
        if (step.drop) {
            platform.current = nullptr;
        }
        if (step.check) {
            audio.checkDevices();
        } else {
            bank.startMusic(music, 0);
        }
        EXPECT_EQ(platform.opens, step.opens);
        EXPECT_EQ(audio.holdsDevice(), step.opens > 1);  // held from the first open that worked
        EXPECT_EQ(audio.status(bank.slot(0)), step.music);
    }
}

TEST_F(DeviceRecovery, WatchStartsOnTheFirstDeviceAndRestoresMusic)
{
    int argc = 0;
    const QCoreApplication app(argc, nullptr);  // for the watch's timer
    const ui::DeviceWatch watch{audio};
    EXPECT_FALSE(watch.watching()) << "no device, no timer";
    bank.startMusic(music, 0);
    EXPECT_TRUE(watch.watching());
    platform.clock = 5000ms;
    platform.current = nullptr;
    QTest::qWait(1200);
    EXPECT_EQ(platform.opens, 2);
    EXPECT_EQ(audio.status(bank.slot(0)), Looping);
}

}  // namespace
