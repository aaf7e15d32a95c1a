// A private PulseAudio server playing into a null sink is killed and started again while the
// music loops; what reaches the sink is recorded from its monitor.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace quarrix::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;
const fs::path Dir = fs::temp_directory_path() / ("quarrix-pulse-" + std::to_string(::getpid()));

// Writes its output to `out` and dies with the test, however the test ends.
pid_t spawn(std::vector<const char*> argv, const fs::path& out)
{
    argv.push_back(nullptr);
    const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(fd, 1);
        ::dup2(::open("/dev/null", O_WRONLY), 2);
        ::execvp(argv[0], const_cast<char* const*>(argv.data()));
        ::_exit(127);
    }
    ::close(fd);
    return pid;
}

void end(pid_t pid, int signal)
{
    ::kill(pid, signal);
    ::waitpid(pid, nullptr, 0);
}

// A server answering on the private socket within five seconds, or -1.
pid_t startServer()
{
    const pid_t pid = spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
                             "module-null-sink sink_name=test", "-L", "module-native-protocol-unix"},
                            Dir / "server.log");
    const auto answers = [] { return std::system("pactl info > /dev/null 2>&1") == 0; };
    for (int i = 0; i < 50 && !answers(); ++i) {
        std::this_thread::sleep_for(100ms);
    }
    return answers() ? pid : -1;
}

// Mono samples of the sink while `during` runs, from the moment the recorder delivers.
template <typename During>
std::vector<std::int16_t> recordSink(During during)
{
    const fs::path file = Dir / "sink.raw";
    const pid_t parec = spawn(
        {"parec", "-d", "test.monitor", "--raw", "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=20"},
        file);
    for (int i = 0; i < 300 && fs::file_size(file) == 0; ++i) {
        std::this_thread::sleep_for(10ms);
    }
    during();
    end(parec, SIGTERM);
    std::vector<std::int16_t> s(fs::file_size(file) / 2);
    std::ifstream(file, std::ios::binary).read(reinterpret_cast<char*>(s.data()), static_cast<long>(s.size() * 2));
    return s;
}

// Level and pitch of seconds [from, to) of a recording; a negative time counts back from its end.
std::pair<double, double> levelAndHz(const std::vector<std::int16_t>& s, double from, double to)
{
    const auto at = [&](double t) {
        return std::min(s.size(), static_cast<std::size_t>(std::max(0.0, t < 0 ? s.size() / 44100.0 + t : t) * 44100));
    };
    double sum = 0.0;
    int rising = 0;
    for (std::size_t i = std::max<std::size_t>(at(from), 1); i < at(to); ++i) {
        sum += s[i] / 32768.0 * (s[i] / 32768.0);
        rising += s[i - 1] < 0 && s[i] >= 0 ? 1 : 0;
    }
    const double seconds = static_cast<double>(at(to) - at(from)) / 44100;
    return {std::sqrt(sum / 44100 / seconds), rising / seconds};
}

TEST(SoundServer, SoundStopsWithTheServerAndComesBackWithTheNextSoundAfterItsRestart)
{
    fs::create_directories(Dir);
    fs::permissions(Dir, fs::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", Dir.c_str(), 1);
    ::setenv("HOME", Dir.c_str(), 1);  // the server's cookie stays in the private folder
    ::setenv("ALSOFT_DRIVERS", "pulse", 1);
    pid_t server = startServer();
    if (server < 0) {
        GTEST_SKIP() << "a private pulseaudio server cannot start here (are pulseaudio and pactl installed?)";
    }
    const auto tone = [](double hz) { return [hz](double t) { return 0.5 * std::sin(TwoPi * hz * t); }; };
    const std::string effect = (Dir / "effect.wav").string();
    const std::string music = (Dir / "music.wav").string();
    ASSERT_TRUE(writeMono(effect, 22050, 0.1, tone(1000.0)) && writeMono(music, 22050, 2.0, tone(441.0)));
    sound::OpenAlAudio audio;
    sound::SoundBank bank(audio);
    bank.startMusic(music, 0);
    bank.SetBGMSpeed(14);
    const double fast = 441.0 * 23594 / 22050;
    const auto before = levelAndHz(recordSink([] { std::this_thread::sleep_for(400ms); }), -0.25, 99);
    EXPECT_GT(before.first, 0.1);
    EXPECT_NEAR(before.second, fast, 5.0);

    end(server, SIGKILL);
    std::this_thread::sleep_for(50ms);  // the library hears of the loss on its own thread
    const auto lostAt = Clock::now();
    bank.PlaySound(effect, 2, 0);
    EXPECT_LT(Clock::now() - lostAt, 100ms) << "a lost server must not stall the game";
    EXPECT_NE(audio.status(bank.slot(bank.slotCount() - 1)), sound::StatusPlaying);

    server = startServer();
    ASSERT_GT(server, 0);
    std::this_thread::sleep_until(lostAt + 1s);  // the failed open above paces the next one
    const auto after = recordSink([&] {
        std::this_thread::sleep_for(300ms);
        const auto start = Clock::now();
        bank.PlaySound(effect, 2, 0);
        std::cout << "the PlaySound that opened the device again took " << (Clock::now() - start) / 1us << " us\n";
        std::this_thread::sleep_for(700ms);
    });
    EXPECT_LT(levelAndHz(after, 0.0, 0.25).first, 1e-3) << "nothing reaches the new server before the next sound";
    EXPECT_GT(levelAndHz(after, -0.3, 99).first, 0.1);
    EXPECT_NEAR(levelAndHz(after, -0.3, 99).second, fast, 5.0);
    end(server, SIGTERM);
    fs::remove_all(Dir);
}

}  // namespace
}  // namespace quarrix::test
