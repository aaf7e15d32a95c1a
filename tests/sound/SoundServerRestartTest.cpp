// A private PulseAudio server playing into a null sink is killed and started again while the
// music loops; what reaches the sink is recorded from its monitor.
#include "WaveFiles.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace quarrix::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
const fs::path Dir = fs::temp_directory_path() / ("quarrix-pulse-" + std::to_string(::getpid()));

// A child process writing its output to `out`, ended by signal when it goes out of scope.
struct Child {
    Child(std::vector<const char*> argv, const fs::path& out)
    {
        argv.push_back(nullptr);
        const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // no server outlives a crashed test
            ::dup2(fd, 1);
            ::dup2(::open("/dev/null", O_WRONLY), 2);
            ::execvp(argv[0], const_cast<char* const*>(argv.data()));
            ::_exit(127);
        }
        ::close(fd);
    }
    ~Child() { end(SIGTERM); }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    void end(int signal)
    {
        if (pid > 0 && ::kill(pid, signal) == 0) {
            ::waitpid(pid, nullptr, 0);
        }
        pid = -1;
    }
    pid_t pid = -1;
};

// A server on the private socket; false when it does not answer within five seconds.
bool startServer(std::unique_ptr<Child>& server)
{
    server =
        std::make_unique<Child>(std::vector{"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
                                            "module-null-sink sink_name=test", "-L", "module-native-protocol-unix"},
                                Dir / "server.log");
    for (int i = 0; i < 50; ++i, std::this_thread::sleep_for(100ms)) {
        if (std::system("pactl info > /dev/null 2>&1") == 0) {
            return true;
        }
    }
    return false;
}

// Mono samples from the sink's monitor while `during` runs, once the recorder delivers.
template <typename During>
std::vector<std::int16_t> recordSink(During during)
{
    const fs::path file = Dir / "sink.raw";
    Child parec(
        {"parec", "-d", "test.monitor", "--raw", "--format=s16le", "--rate=44100", "--channels=1", "--latency-msec=20"},
        file);
    for (int i = 0; i < 300 && fs::file_size(file) == 0; ++i) {
        std::this_thread::sleep_for(10ms);
    }
    during();
    parec.end(SIGTERM);
    std::vector<std::int16_t> samples(fs::file_size(file) / 2);
    std::ifstream(file, std::ios::binary).read(reinterpret_cast<char*>(samples.data()), samples.size() * 2);
    return samples;
}

double rms(const std::vector<std::int16_t>& s, double fromSecond, double toSecond)
{
    double sum = 0.0;
    const auto from = static_cast<std::size_t>(fromSecond * 44100);
    const auto to = std::min(s.size(), static_cast<std::size_t>(toSecond * 44100));
    for (std::size_t i = from; i < to; ++i) {
        sum += s[i] / 32768.0 * s[i] / 32768.0;
    }
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

// From the rising zero crossings of the last `seconds` of the recording.
double frequencyAtEnd(const std::vector<std::int16_t>& s, double seconds)
{
    std::vector<std::size_t> rising;
    for (std::size_t i = s.size() - static_cast<std::size_t>(seconds * 44100); i < s.size(); ++i) {
        if (s[i - 1] < 0 && s[i] >= 0) {
            rising.push_back(i);
        }
    }
    return rising.size() < 2 ? 0.0
                             : (rising.size() - 1.0) * 44100 / static_cast<double>(rising.back() - rising.front());
}

TEST(SoundServer, SoundStopsWithTheServerAndComesBackWithTheNextSoundAfterItsRestart)
{
    fs::create_directories(Dir);
    fs::permissions(Dir, fs::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", Dir.c_str(), 1);
    ::setenv("HOME", Dir.c_str(), 1);  // the server's cookie stays in the private folder
    ::setenv("ALSOFT_DRIVERS", "pulse", 1);
    std::unique_ptr<Child> server;
    if (!startServer(server)) {
        GTEST_SKIP() << "a private pulseaudio server cannot start here (is pulseaudio installed?)";
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
    const auto before = recordSink([] { std::this_thread::sleep_for(400ms); });
    EXPECT_GT(rms(before, 0.0, 0.3), 0.1);
    EXPECT_NEAR(frequencyAtEnd(before, 0.2), fast, 1.0);

    server->end(SIGKILL);
    std::this_thread::sleep_for(50ms);  // the library hears of the loss on its own thread
    const auto lostAt = std::chrono::steady_clock::now();
    bank.PlaySound(effect, 2, 0);
    std::cout << "PlaySound with the server down took " << (std::chrono::steady_clock::now() - lostAt) / 1us << " us\n";
    EXPECT_LT(std::chrono::steady_clock::now() - lostAt, 100ms) << "a lost server must not stall the game";
    EXPECT_NE(audio.status(bank.slot(bank.slotCount() - 1)), sound::StatusPlaying);

    ASSERT_TRUE(startServer(server));
    std::this_thread::sleep_until(lostAt + 1s);  // the failed open above paces the next one
    const auto after = recordSink([&] {
        std::this_thread::sleep_for(300ms);
        const auto start = std::chrono::steady_clock::now();
        bank.PlaySound(effect, 2, 0);
        std::cout << "recovering PlaySound took " << (std::chrono::steady_clock::now() - start) / 1us << " us\n";
        std::this_thread::sleep_for(700ms);
    });
    EXPECT_LT(rms(after, 0.0, 0.25), 1e-3) << "nothing plays into the new server before the next sound";
    EXPECT_GT(rms(after, 0.4, 10.0), 0.1);
    EXPECT_NEAR(frequencyAtEnd(after, 0.3), fast, 1.0);
    server.reset();
    fs::remove_all(Dir);
}

}  // namespace
}  // namespace quarrix::test
