#include "PrivateSoundServer.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace quarrix::soundcheck {

namespace {
constexpr int MonitorRate = 44100;

std::string readLine(FILE* in)
{
    std::string line;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in)) {
        line.push_back(static_cast<char>(c));
    }
    return line;
}
}  // namespace

PrivateSoundServer::PrivateSoundServer(Kind kind, int lifetimeSeconds) : kind_(kind), lifetimeSeconds_(lifetimeSeconds)
{
    std::string pattern = "/tmp/quarrix-sound-XXXXXX";  // short: socket paths have a small limit
    if (::mkdtemp(pattern.data()) != nullptr) {
        folder_ = pattern;
    }
}

PrivateSoundServer::~PrivateSoundServer()
{
    stop();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

// The script prints the environment its clients need, then "ready PID SINK"; anything else
// (it ended, or the server never answered) means no server.
bool PrivateSoundServer::start()
{
    stop();
    if (folder_.empty()) {
        return false;
    }
    const std::string command = "exec '" QUARRIX_SOUND_SERVER_SCRIPT "' " + std::string(name(kind_)) + " '" + folder_ +
                                "' " + std::to_string(lifetimeSeconds_);
    script_ = ::popen(command.c_str(), "r");
    for (std::string line = script_ != nullptr ? readLine(script_) : ""; !line.empty(); line = readLine(script_)) {
        if (const auto equals = line.find('='); equals != std::string::npos) {
            ::setenv(line.substr(0, equals).c_str(), line.substr(equals + 1).c_str(), 1);
        } else if (line.starts_with("ready ")) {
            std::istringstream(line.substr(6)) >> pid_ >> sink_;
            return pid_ > 0;
        }
    }
    stop();
    return false;
}

void PrivateSoundServer::stop()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        pid_ = 0;
    }
    if (script_ != nullptr) {
        ::pclose(script_);  // returns once the script has reaped its servers
        script_ = nullptr;
    }
}

// A short recorder fragment: under PipeWire the default one is two seconds long, and stopping
// such a recorder loses most of what it took.
std::vector<float> PrivateSoundServer::recordMonitor(double seconds) const
{
    std::vector<float> samples(static_cast<std::size_t>(seconds * MonitorRate));
    const std::size_t bytes = samples.size() * sizeof(float);
    const std::string command = "timeout " + std::to_string(static_cast<int>(seconds) + 10) + " parec -d '" + sink_ +
                                ".monitor' --raw --format=float32le --rate=" + std::to_string(MonitorRate) +
                                " --channels=1 --latency-msec=20 2>/dev/null | head -c " + std::to_string(bytes);
    FILE* parec = ::popen(command.c_str(), "r");
    if (parec == nullptr) {
        return {};
    }
    samples.resize(std::fread(samples.data(), sizeof(float), samples.size(), parec));
    ::pclose(parec);
    return samples;
}

}  // namespace quarrix::soundcheck
