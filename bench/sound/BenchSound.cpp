// PlaySound with the caches warm against loading the way the table's rules describe it
// (a device opened and a file decoded for every sound), and resident memory over a long run.
#include "sound/DefaultSounds.h"
#include "sound/OpenAlAudio.h"
#include "sound/SoundBank.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using quarrix::sound::OpenAlAudio;
using quarrix::sound::SoundBank;
using Clock = std::chrono::steady_clock;

const std::string PlayDir = QUARRIX_PLAY_DIR;
const std::string Effect = PlayDir + "/" + quarrix::sound::CollisionSound;
const std::string Music = PlayDir + "/" + quarrix::sound::MusicSound;

double microseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void reportSpread(benchmark::State& state, std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))];
    };
    state.counters["median_us"] = at(0.5);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = samples.back();
}

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// One sound as the game makes it: a landing every few sounds tidies the table and sets the music speed.
void gameStep(SoundBank& bank, int i)
{
    bank.PlaySound(Effect, static_cast<std::int16_t>(i % 6), 0);
    if (i % 4 == 3) {
        bank.CleanUpSndBuffer();
        bank.SetBGMSpeed(static_cast<std::int16_t>(i % 15));
    }
}

void BM_PlaySoundWarm(benchmark::State& state)
{
    OpenAlAudio audio;
    SoundBank bank(audio);
    audio.deviceDescriptions();
    bank.startMusic(Music, 0);
    for (int i = 0; i < 1000; ++i) {
        gameStep(bank, i);
    }
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(state.max_iterations));
    int i = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        bank.PlaySound(Effect, static_cast<std::int16_t>(i % 6), 0);
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        samples.push_back(microseconds(took));
        if (++i % 4 == 0) {
            bank.CleanUpSndBuffer();
            bank.SetBGMSpeed(static_cast<std::int16_t>(i % 15));
        }
    }
    reportSpread(state, std::move(samples));
}
BENCHMARK(BM_PlaySoundWarm)->UseManualTime()->Iterations(20000)->Unit(benchmark::kMicrosecond);

// Every sound opens its device and decodes its file anew, and the device is closed again
// before the next one, as a fresh device object per sound implies.
void BM_PlaySoundUncached(benchmark::State& state)
{
    std::vector<double> samples;
    for (auto _ : state) {
        const auto start = Clock::now();
        {
            OpenAlAudio audio;
            SoundBank bank(audio);
            bank.PlaySound(Effect, 2, 0);
        }
        const auto took = Clock::now() - start;
        state.SetIterationTime(std::chrono::duration<double>(took).count());
        samples.push_back(microseconds(took));
    }
    reportSpread(state, std::move(samples));
}
BENCHMARK(BM_PlaySoundUncached)->UseManualTime()->Iterations(40)->Unit(benchmark::kMicrosecond);

void BM_ResidentMemoryOver100kSounds(benchmark::State& state)
{
    for (auto _ : state) {
        OpenAlAudio audio;
        SoundBank bank(audio);
        audio.deviceDescriptions();
        bank.startMusic(Music, 0);
        for (int i = 0; i < 2000; ++i) {
            gameStep(bank, i);
        }
        const long before = residentKiB();
        for (int i = 0; i < 100000; ++i) {
            gameStep(bank, i);
        }
        const long after = residentKiB();
        state.counters["rss_before_KiB"] = static_cast<double>(before);
        state.counters["rss_after_KiB"] = static_cast<double>(after);
        state.counters["rss_growth_KiB"] = static_cast<double>(after - before);
        state.counters["table_slots"] = static_cast<double>(bank.slotCount());
    }
}
BENCHMARK(BM_ResidentMemoryOver100kSounds)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    // No sound card here: mix into OpenAL Soft's null output unless told otherwise.
    setenv("ALSOFT_DRIVERS", "null", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
