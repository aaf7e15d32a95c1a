// Start-up: the time from a process's start to its main window being mapped on a private X
// server, for the game and for a bare Qt 6 window of the same size with a menu bar. Both run
// with a private PulseAudio server playing into a null sink, as on a desktop with sound, and
// the two are started in turn so that whatever else the machine does weighs on both alike.
// `bench-startup PROGRAM` measures another build of the game in its place.
#include "sound/DefaultSounds.h"
#include "soundcheck/PrivateSoundServer.h"

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using Strings = std::vector<std::string>;

constexpr int Rounds = 20;          // measured starts of each program, after one warm-up start
constexpr int WaitMs = 10000;       // the longest wait for a window
constexpr int ServerSeconds = 600;  // the sound server's bound, well beyond the whole bench
constexpr int EndWaitMs = 3000;     // for a program asked to end, before it is killed
const char* const Minimal = QUARRIX_MINIMAL_WINDOW;
const char* const PlayDir = QUARRIX_PLAY_DIR;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<long long>(left, 0));
}

std::vector<char*> pointers(Strings& texts)
{
    std::vector<char*> out;
    for (std::string& text : texts) {
        out.push_back(text.data());
    }
    out.push_back(nullptr);
    return out;
}

// A program started in a folder with an environment of its own. It dies with the bench, and is
// asked to end (then killed) and reaped when it goes out of scope.
class Child {
public:
    Child(Strings argv, Strings env, const fs::path& dir, int keepFd = -1)
    {
        const std::vector<char*> args = pointers(argv);
        const std::vector<char*> envp = pointers(env);
        const pid_t parent = ::getpid();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int quiet = ::open("/dev/null", O_WRONLY);
            if (::getppid() != parent || ::chdir(dir.c_str()) != 0 || quiet < 0) {
                ::_exit(127);
            }
            ::dup2(quiet, STDOUT_FILENO);
            ::dup2(quiet, STDERR_FILENO);
            if (keepFd >= 0) {
                ::fcntl(keepFd, F_SETFD, 0);
            }
            ::execvpe(args[0], args.data(), envp.data());
            ::_exit(127);
        }
    }
    ~Child()
    {
        if (pid_ <= 0) {
            return;
        }
        ::kill(pid_, SIGTERM);
        const int pidFd = static_cast<int>(::syscall(SYS_pidfd_open, pid_, 0));
        pollfd ended{pidFd, POLLIN, 0};
        if (pidFd < 0 || ::poll(&ended, 1, EndWaitMs) != 1) {
            ::kill(pid_, SIGKILL);
        }
        if (pidFd >= 0) {
            ::close(pidFd);
        }
        ::waitpid(pid_, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool started() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
};

// The scratch folders: a home for the programs, and a play folder with the default sounds and a
// records file (without one the game first shows a message box, not its window).
struct Scratch {
    fs::path root;
    fs::path play;

    Scratch()
    {
        std::string name = (fs::temp_directory_path() / "quarrix-startup-XXXXXX").string();
        root = ::mkdtemp(name.data());
        play = root / "play";
        fs::create_directories(play);
        for (const char* sound :
             {quarrix::sound::CollisionSound, quarrix::sound::DestructionSound, quarrix::sound::MusicSound}) {
            fs::copy_file(fs::path(PlayDir) / sound, play / sound);
        }
        std::ofstream records(play / "HighScores", std::ios::binary);
        for (int table = 0; table < 3; ++table) {
            records << "\"Ada\"\r\n\"1230\"\r\n\"4\"\r\n\"2\"\r\n\"NEXT\"\r\n";
        }
    }
    ~Scratch() { fs::remove_all(root); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
};

// This process's environment with `changes` ("NAME=value", or "NAME" alone to remove it).
Strings environmentWith(const Strings& changes)
{
    Strings env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        const std::string name = entry.substr(0, entry.find('='));
        const auto changed = [&](const std::string& c) { return c.substr(0, c.find('=')) == name; };
        if (std::none_of(changes.begin(), changes.end(), changed)) {
            env.push_back(entry);
        }
    }
    for (const std::string& change : changes) {
        if (change.find('=') != std::string::npos) {
            env.push_back(change);
        }
    }
    return env;
}

// Reads the display number Xvfb writes once it accepts clients; -1 if it does not in time.
int readDisplayNumber(int fd)
{
    std::string text;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    pollfd readable{fd, POLLIN, 0};
    char c = 0;
    while (::poll(&readable, 1, remainingMs(deadline)) == 1 && ::read(fd, &c, 1) == 1 && c != '\n') {
        text += c;
    }
    return c == '\n' && !text.empty() ? std::atoi(text.c_str()) : -1;
}

void drainEvents(xcb_connection_t* x)
{
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
        std::free(event);
    }
}

// Blocks until a window other than a popup is mapped; false after WaitMs or a lost connection.
bool waitForMap(xcb_connection_t* x)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(WaitMs);
    pollfd readable{xcb_get_file_descriptor(x), POLLIN, 0};
    while (xcb_connection_has_error(x) == 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(x), &std::free);
        if (event == nullptr) {
            if (::poll(&readable, 1, remainingMs(deadline)) != 1) {
                return false;
            }
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
            reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->override_redirect == 0) {
            return true;
        }
    }
    return false;
}

// Milliseconds from the start of `program` to the mapping of its window; negative if it never came.
double startToMap(xcb_connection_t* x, const char* program, const Strings& env, const fs::path& dir)
{
    drainEvents(x);
    const Clock::time_point start = Clock::now();
    const Child child({program}, env, dir);
    const bool mapped = child.started() && waitForMap(x);
    return mapped ? millisecondsSince(start) : -1.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

int measure(xcb_connection_t* x, const char* gameProgram, const Strings& env, const fs::path& play)
{
    std::vector<double> minimal;
    std::vector<double> game;
    for (int round = 0; round <= Rounds; ++round) {
        const double m = startToMap(x, Minimal, env, play);
        const double g = startToMap(x, gameProgram, env, play);
        if (m < 0 || g < 0) {
            std::printf("startup: a window was not mapped within %d ms\n", WaitMs);
            return 1;
        }
        if (round > 0) {  // the first round only warms the caches
            minimal.push_back(m);
            game.push_back(g);
        }
    }
    const auto [minimalFastest, minimalSlowest] = std::minmax_element(minimal.begin(), minimal.end());
    const auto [gameFastest, gameSlowest] = std::minmax_element(game.begin(), game.end());
    const double minimalMedian = median(minimal);
    const double gameMedian = median(game);
    std::printf("startup, process start to main window mapped, median of %d starts each:\n", Rounds);
    std::printf("  minimal Qt 6 window  %7.1f ms  (%.1f to %.1f)\n", minimalMedian, *minimalFastest, *minimalSlowest);
    std::printf("  quarrix-solo         %7.1f ms  (%.1f to %.1f)\n", gameMedian, *gameFastest, *gameSlowest);
    std::printf("  ratio game / minimal %7.2f\n", gameMedian / minimalMedian);
    // On a shared machine the fastest starts are the ones least disturbed by other work.
    std::printf("  ratio of the fastest starts %.2f\n", *gameFastest / *minimalFastest);
    return 0;
}

// Xvfb on a free display; `display` is its number once it accepts clients, or -1.
std::unique_ptr<Child> startXvfb(const fs::path& dir, int& display)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        display = -1;
        return nullptr;
    }
    auto xvfb = std::make_unique<Child>(
        Strings{"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
        environmentWith({}), dir, pipeFds[1]);
    ::close(pipeFds[1]);
    display = readDisplayNumber(pipeFds[0]);
    ::close(pipeFds[0]);
    return xvfb;
}

// A connection to the display that hears of every window mapped on it, or null.
xcb_connection_t* watchMaps(const std::string& displayName)
{
    xcb_connection_t* x = xcb_connect(displayName.c_str(), nullptr);
    if (xcb_connection_has_error(x) != 0) {
        xcb_disconnect(x);
        return nullptr;
    }
    const uint32_t watch = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root, XCB_CW_EVENT_MASK, &watch);
    xcb_flush(x);
    return x;
}

}  // namespace

int main(int argc, char** argv)
{
    const Scratch scratch;
    int display = -1;
    const std::unique_ptr<Child> xvfb = startXvfb(scratch.root, display);
    if (display < 0) {
        std::printf("startup: skipped, Xvfb did not start (is the xvfb package installed?)\n");
        return 0;
    }
    // From here on this process's environment points at the server, and so does the programs'.
    quarrix::soundcheck::PrivateSoundServer pulse(quarrix::soundcheck::PrivateSoundServer::Kind::PulseAudio,
                                                  ServerSeconds);
    if (!pulse.start()) {
        std::printf("startup: skipped, a private pulseaudio server did not start\n");
        return 0;
    }
    const std::string displayName = ":" + std::to_string(display);
    xcb_connection_t* x = watchMaps(displayName);
    if (x == nullptr) {
        std::printf("startup: skipped, no connection to Xvfb\n");
        return 0;
    }
    // OpenAL Soft picks its own backend, which finds the private server.
    const Strings programEnv = environmentWith({"DISPLAY=" + displayName, "HOME=" + scratch.root.string(),
                                                "QT_QPA_PLATFORM=xcb", "ALSOFT_DRIVERS", "WAYLAND_DISPLAY"});
    const int result = measure(x, argc > 1 ? argv[1] : QUARRIX_GAME, programEnv, scratch.play);
    xcb_disconnect(x);
    return result;
}
