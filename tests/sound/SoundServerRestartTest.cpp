// A private sound server playing into a null sink, PulseAudio and PipeWire in turn, is stopped
// and started again while the music loops; what reaches the sink is recorded from its monitor.
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"
#include "soundcheck/PrivateSoundServer.h"
#include "soundcheck/WaveFiles.h"

#include <gtest/gtest.h>

#include <thread>

using namespace quarrix;
using namespace std::chrono_literals;
using soundcheck::PrivateSoundServer;

// Half a second from when sound reaches the sink: its end holds the music sped up for height 14.
static void expectMusic(const PrivateSoundServer& server, const char* when)
{
    const soundcheck::Recording r{44100, 1, server.recordMonitor(0.5)};
    ASSERT_EQ(r.frames(), 22050U) << "recording " << when;
    EXPECT_GT(soundcheck::peak(r, 0, 11025, 22050), 0.3) << "music level " << when;
    EXPECT_NEAR(soundcheck::frequency(r, 11025, 22050), 441.0 * 23594 / 22050, 3.0) << "music pitch " << when;
}

class SoundServer : public testing::TestWithParam<PrivateSoundServer::Kind> {};

TEST_P(SoundServer, MusicComesBackAfterARestartWithNoEffectPlayed)
{
    PrivateSoundServer server(GetParam(), 20);
    if (!server.start()) {
        GTEST_SKIP() << "a private " << PrivateSoundServer::name(GetParam())
                     << " server cannot start here (is it installed, with pactl?)";
    }
    const std::string music = server.folder() + "/music.wav";
    ASSERT_TRUE(soundcheck::writeMono(music, 22050, 2.0,
                                      [](double t) { return 0.5 * std::sin(soundcheck::TwoPi * 441.0 * t); }));
    sound::OpenAlAudio audio;
    sound::SoundBank bank(audio);
    bank.startMusic(music, 0);
    bank.SetBGMSpeed(14);
    expectMusic(server, "before the server goes");

    server.stop();
    std::this_thread::sleep_for(50ms);  // the library hears of the loss on its own thread
    const auto lostAt = std::chrono::steady_clock::now();
    bank.PlaySound(music, 2, 0);  // as an effect
    EXPECT_NE(audio.status(bank.slot(bank.slotCount() - 1)), sound::StatusPlaying) << "no sound while it is down";

    ASSERT_TRUE(server.start()) << "the server must start again";
    std::this_thread::sleep_until(lostAt + 1100ms);  // the failed open above paces the next one
    audio.checkDevices();                            // the once-a-second idle check alone, with no effect played
    expectMusic(server, "after the restart");
}

INSTANTIATE_TEST_SUITE_P(Servers, SoundServer,
                         testing::Values(PrivateSoundServer::Kind::PulseAudio, PrivateSoundServer::Kind::PipeWire),
                         [](const auto& info) { return std::string(PrivateSoundServer::name(info.param)); });
