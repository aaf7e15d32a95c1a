#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace quarrix::soundcheck {

// A sound server of its own for a test or a benchmark, run by tools/sound-server.sh in a fresh
// folder under /tmp, playing into a null sink whose monitor can be recorded. Once started, this
// process's environment points at it, so OpenAL Soft, pactl and parec all reach it and nothing
// else. It can be stopped and started again in the same folder; the destructor stops it and
// removes the folder.
class PrivateSoundServer {
public:
    enum class Kind { PulseAudio, PipeWire };

    explicit PrivateSoundServer(Kind kind, int lifetimeSeconds = 60);
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // False when the server does not answer within a few seconds (or is not installed).
    bool start();
    // Stops the server and waits until it is gone; its clients lose their connection.
    void stop();

    const std::string& folder() const { return folder_; }
    const std::string& sink() const { return sink_; }
    static const char* name(Kind kind) { return kind == Kind::PulseAudio ? "pulse" : "pipewire"; }

    // `seconds` of what reaches the sink, mono float at 44.1 kHz, recorded from its monitor.
    // Shorter when the recorder fails.
    std::vector<float> recordMonitor(double seconds) const;

private:
    Kind kind_;
    int lifetimeSeconds_;
    std::string folder_;
    std::string sink_;
    FILE* script_ = nullptr;
    int pid_ = 0;
};

}  // namespace quarrix::soundcheck
