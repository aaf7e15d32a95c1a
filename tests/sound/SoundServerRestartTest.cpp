// A private PulseAudio server playing into a null sink is killed and started again while the
// music loops; what reaches the sink is recorded from its monitor.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace quarrix;
using namespace std::chrono_literals;

// A server answering on the private socket within five seconds, or null; it lives 20 s at most.
static FILE* startServer()
{
    FILE* server = ::popen(
        "exec timeout 20 pulseaudio -n --daemonize=no -L 'module-null-sink sink_name=test' "
        "-L module-native-protocol-unix 2>/dev/null",
        "r");
    const char* answers = "for i in $(seq 50); do pactl info > /dev/null 2>&1 && exit 0; sleep 0.1; done; exit 1";
    return std::system(answers) == 0 ? server : nullptr;
}

// Records half a second from when sound reaches the sink: its end holds the music sped up for height 14.
static void expectMusic(const char* when)
{
    FILE* parec = ::popen(
        "timeout 10 parec -d test.monitor --raw --format=float32le --rate=44100 --channels=1 "
        "--latency-msec=20 | head -c 88200",
        "r");
    test::Recording r{44100, 1, std::vector<float>(22050)};
    EXPECT_EQ(std::fread(r.samples.data(), sizeof(float), r.samples.size(), parec), r.samples.size()) << when;
    ::pclose(parec);
    EXPECT_GT(test::peak(r, 0, 11025, 22050), 0.3) << "music level " << when;
    EXPECT_NEAR(test::frequency(r, 11025, 22050), 441.0 * 23594 / 22050, 3.0) << "music pitch " << when;
}

TEST(SoundServer, SoundStopsWithTheServerAndComesBackWithTheNextSoundAfterItsRestart)
{
    char dir[] = "/tmp/quarrix-pulse-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    ::setenv("XDG_RUNTIME_DIR", dir, 1);
    ::setenv("HOME", dir, 1);  // the server's cookie stays in the private folder
    FILE* server = startServer();
    if (server == nullptr) {
        std::filesystem::remove_all(dir);
        GTEST_SKIP() << "a private pulseaudio server cannot start here (are pulseaudio and pactl installed?)";
    }
    const auto tone = [](double hz) { return [hz](double t) { return 0.5 * std::sin(test::TwoPi * hz * t); }; };
    const std::string effect = dir + std::string("/effect.wav"), music = dir + std::string("/music.wav");
    ASSERT_TRUE(test::writeMono(effect, 22050, 0.1, tone(1000.0)) && test::writeMono(music, 22050, 2.0, tone(441.0)));
    sound::OpenAlAudio audio;
    sound::SoundBank bank(audio);
    bank.startMusic(music, 0);
    bank.SetBGMSpeed(14);
    expectMusic("before the server goes");

    EXPECT_EQ(std::system("kill -KILL $(cat \"$XDG_RUNTIME_DIR/pulse/pid\")"), 0);
    ::pclose(server);
    std::this_thread::sleep_for(50ms);  // the library hears of the loss on its own thread
    const auto lostAt = std::chrono::steady_clock::now();
    bank.PlaySound(effect, 2, 0);
    EXPECT_NE(audio.status(bank.slot(bank.slotCount() - 1)), sound::StatusPlaying) << "no sound while it is down";

    ASSERT_NE(server = startServer(), nullptr) << "the server must start again";
    std::this_thread::sleep_until(lostAt + 1100ms);  // the failed open above paces the next one
    bank.PlaySound(effect, 2, 0);
    expectMusic("after the restart");
    EXPECT_EQ(std::system("kill $(cat \"$XDG_RUNTIME_DIR/pulse/pid\")"), 0);
    ::pclose(server);
    std::filesystem::remove_all(dir);
}
