// The game's sound stream on a private PulseAudio and a private PipeWire server, with the output
// buffer that the shipped data/alsoft.conf asks for (or the file ALSOFT_CONF names): the latency
// the stream reports, and the dropouts in a recording of a steady tone, with none, one or both
// cores kept busy by other programs. Each run starts its own server.
#include "BusyCores.h"
#include "Dropouts.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"
#include "soundcheck/PrivateSoundServer.h"
#include "soundcheck/WaveFiles.h"

#include <AL/alc.h>
#include <AL/alext.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <future>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

using quarrix::bench::BusyCores;
using quarrix::bench::Dropouts;
using quarrix::soundcheck::PrivateSoundServer;
using quarrix::soundcheck::TwoPi;
using quarrix::soundcheck::writeMono;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int Rate = 44100;
// PulseAudio has no timing data for the first few seconds and reports about 1 ms meanwhile.
constexpr auto SettleTime = 4500ms;
constexpr auto RunTime = 10s;
constexpr auto RecordFrom = 750ms;
// A recording starts with some silence of the recorder's own (about 30 ms on PulseAudio).
constexpr std::size_t LeadIn = Rate / 4;

double median(std::vector<double> v)
{
    if (v.empty()) {
        return NAN;
    }
    std::nth_element(v.begin(), v.begin() + static_cast<long>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// The stream's latency as OpenAL Soft reports it, from the server's own timing data.
double deviceLatencyMs()
{
    ALCdevice* device = alcGetContextsDevice(alcGetCurrentContext());
    if (device == nullptr || alcIsExtensionPresent(device, "ALC_SOFT_device_clock") == ALC_FALSE) {
        return NAN;
    }
    const auto get = reinterpret_cast<LPALCGETINTEGER64VSOFT>(alcGetProcAddress(device, "alcGetInteger64vSOFT"));
    ALCint64SOFT ns = 0;
    get(device, ALC_DEVICE_LATENCY_SOFT, 1, &ns);
    return static_cast<double>(ns) / 1e6;
}

// PulseAudio's own figure for the one playing stream: its buffer latency plus the sink's.
double pactlLatencyMs()
{
    FILE* pactl = ::popen("timeout 5 pactl list sink-inputs 2>/dev/null", "r");
    if (pactl == nullptr) {
        return NAN;
    }
    std::string text(4096, '\0');
    text.resize(std::fread(text.data(), 1, text.size(), pactl));
    ::pclose(pactl);
    static const std::regex latency(R"((Buffer|Sink) Latency: (\d+) usec)");
    double usec = 0.0;
    int found = 0;
    for (std::sregex_iterator m(text.begin(), text.end(), latency), end; m != end; ++m, ++found) {
        usec += std::stod((*m)[2]);
    }
    return found == 2 ? usec / 1000.0 : NAN;
}

double loadAverage()
{
    std::ifstream in("/proc/loadavg");
    double oneMinute = NAN;
    in >> oneMinute;
    return oneMinute;
}

void gameStream(benchmark::State& state, PrivateSoundServer::Kind kind, int busyCores)
{
    for (auto _ : state) {
        PrivateSoundServer server(kind);
        if (!server.start()) {
            state.SkipWithError("the server cannot start here");
            return;
        }
        const std::string tone = server.folder() + "/tone.wav";
        // A second of 441 Hz: a whole number of periods, so the looping music has no seam.
        writeMono(tone, Rate, 1.0, [](double t) { return 0.5 * std::sin(TwoPi * 441.0 * t); });
        const BusyCores busy(busyCores, 60);
        quarrix::sound::OpenAlAudio audio;
        quarrix::sound::SoundBank bank(audio);
        const auto start = Clock::now();
        bank.startMusic(tone, 0);
        std::this_thread::sleep_until(start + RecordFrom);
        auto recording = std::async(std::launch::async, [&] {
            return server.recordMonitor(std::chrono::duration<double>(RunTime - RecordFrom).count());
        });
        std::vector<double> latencies, pactl;
        for (auto at = start + SettleTime; at < start + RunTime; at += 50ms) {
            std::this_thread::sleep_until(at);
            latencies.push_back(deviceLatencyMs());
            if (kind == PrivateSoundServer::Kind::PulseAudio && latencies.size() % 20 == 1) {
                pactl.push_back(pactlLatencyMs());
            }
        }
        std::vector<float> samples = recording.get();
        samples.erase(samples.begin(), samples.begin() + static_cast<long>(std::min(LeadIn, samples.size())));
        const Dropouts gaps = Dropouts::in(samples, Rate);
        state.counters["latency_ms"] = median(latencies);
        if (!pactl.empty()) {
            state.counters["pactl_ms"] = median(pactl);
        }
        state.counters["recorded_s"] = static_cast<double>(samples.size()) / Rate;
        state.counters["dropouts"] = gaps.count;
        state.counters["gap_ms"] = gaps.totalMs;
        state.counters["longest_gap_ms"] = gaps.longestMs;
        state.counters["load1"] = loadAverage();
    }
}

// The two figures of the configuration in force, for the report's heading.
std::string settingIn(const char* path)
{
    std::ifstream in(path);
    std::string setting;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("period_size") || line.starts_with("periods")) {
            setting += (setting.empty() ? "" : ", ") + line;
        }
    }
    return setting.empty() ? "OpenAL Soft's default" : setting;
}

}  // namespace

int main(int argc, char** argv)
{
    // The game's own setting unless another file is named, as the game itself does.
    ::setenv("ALSOFT_CONF", QUARRIX_SHIPPED_ALSOFT_CONF, 0);
    ::setenv("ALSOFT_DRIVERS", "pulse", 1);
    benchmark::AddCustomContext("ALSOFT_CONF", std::getenv("ALSOFT_CONF"));
    benchmark::AddCustomContext("output buffer", settingIn(std::getenv("ALSOFT_CONF")));
    for (const auto kind : {PrivateSoundServer::Kind::PulseAudio, PrivateSoundServer::Kind::PipeWire}) {
        for (const int busy : {0, 1, 2}) {
            const std::string name =
                std::string("GameStream/") + PrivateSoundServer::name(kind) + "/busy_cores:" + std::to_string(busy);
            benchmark::RegisterBenchmark(name.c_str(), gameStream, kind, busy)->Iterations(1)->Unit(benchmark::kSecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
