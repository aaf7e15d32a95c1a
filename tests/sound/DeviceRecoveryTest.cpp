// Losing the output device, on a platform whose devices (OpenAL Soft's null output) can be told to go away.
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"
#include "soundcheck/WaveFiles.h"
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

std::string toneFile(const std::string& name, double seconds)
{
    const std::string file = testing::TempDir() + name + std::to_string(::getpid()) + ".wav";
    soundcheck::writeMono(file, 22050, seconds, [](double t) { return 0.5 * std::sin(soundcheck::TwoPi * 441.0 * t); });
    return file;
}

struct DeviceRecovery : ::testing::Test {
    ~DeviceRecovery() override { std::filesystem::remove(music); }
    const std::string music = toneFile("music-", 2.0);
    FakePlatform platform;
    sound::OpenAlAudio audio{platform};
    sound::SoundBank bank{audio};
};

// Each step at its time: the device is lost first if `drop`, then the act; List reads the device
// list before an effect.
TEST_F(DeviceRecovery, ALostDeviceIsReopenedAtItsPaceByTheNextSoundOrTheIdleCheck)
{
    const std::string effect = toneFile("effect-", 0.5);
    enum Act { Effect, Check, StartMusic, StopMusic, List };
    const struct {
        const char* what;
        std::chrono::milliseconds at, downUntil;
        bool drop;
        Act act;
        int opens;
        std::optional<std::uint32_t> music;
    } steps[] = {
        {"the server is not up yet at the start", 0ms, 1000ms, false, StartMusic, 1, {}},
        {"never opened: left to the next sound", 1500ms, 1000ms, false, Check, 1, {}},
        {"the music started again", 2000ms, 1000ms, false, StartMusic, 2, Looping},
        {"connected: nothing to do", 2500ms, 1000ms, false, Check, 2, Looping},
        {"lost: the next sound opens it again", 3000ms, 1000ms, true, Effect, 3, Looping},
        {"lost while the server is down: one try", 4000ms, 5000ms, true, Check, 4, {}},
        {"the server is back, but the pace holds", 4999ms, 4999ms, false, Effect, 4, {}},
        {"a second on", 5000ms, 4999ms, false, Check, 5, Looping},
        {"lost within a second of the last try: the pace holds", 5100ms, 0ms, true, Effect, 5, {}},
        {"after a reloaded device list the next sound tries at once", 5200ms, 0ms, false, List, 6, Looping},
        {"the music paused", 5300ms, 0ms, false, StopMusic, 6, 0U},
        {"paused music stays paused on a new device", 7000ms, 0ms, true, Effect, 7, 0U},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        platform.clock = step.at;
        platform.downUntil = step.downUntil;
        if (step.drop) {
            platform.current = nullptr;
        }
        switch (step.act) {
        case Effect: bank.PlaySound(effect, 2, 0); break;
        case Check: audio.checkDevices(); break;
        case StartMusic: bank.startMusic(music, 0); break;
        case StopMusic: bank.stopMusic(); break;
        case List:
            audio.deviceDescriptions();
            bank.PlaySound(effect, 2, 0);
            break;
        }
        EXPECT_EQ(platform.opens, step.opens);
        EXPECT_EQ(audio.holdsDevice(), step.opens > 1);  // held from the first open that worked
        EXPECT_EQ(audio.status(bank.slot(0)), step.music);
        EXPECT_LE(audio.voicesInUse(), 2U) << "a lost device keeps no voice";
    }
    std::filesystem::remove(effect);
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
