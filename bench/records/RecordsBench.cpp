// Costs of the HighScores file: loading and saving a full set of tables, and turning away a
// file of garbage as large as the reader accepts.
#include "records/HighScoresFile.h"
#include "records/ScoreKeeper.h"

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

using namespace quarrix::records;

namespace {

class QuietPrompt final : public NamePrompt {
public:
    std::string askName(const PlayerText&) override { return "bench"; }
};

class CountedMessages final : public MessageSink {
public:
    int count = 0;
    void showMessage(const PlayerText&) override { ++count; }
};

class IgnoredPanel final : public HighestPanel {
public:
    void showHighest(const std::string&, const std::string&, const std::string&) override {}
};

// Each benchmark reads and writes its files in a scratch directory of its own.
class ScratchDir {
public:
    ScratchDir() : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quarrix-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a scratch directory");
        }
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~ScratchDir()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

HighScoreTables fullTables()
{
    HighScoreTables tables;
    for (int t = 0; t < TableCount; ++t) {
        for (int k = 0; k < 10; ++k) {
            tables[static_cast<std::size_t>(t)].storeRow(
                static_cast<std::size_t>(k),
                ScoreRow{std::string(64, static_cast<char>('a' + k)) + " (spd=+25%)", std::to_string(99999 - k),
                         std::to_string(40 - k), std::to_string(60 - k)});
        }
    }
    return tables;
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A megabyte of random bytes that ends inside a quoted item, so the reader scans all of it
// before it finds the damage.
std::string garbage(std::size_t size)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(byte(random));
    }
    bytes.replace(size - 3, 3, "\"ab");
    return bytes;
}

struct Services {
    QuietPrompt prompt;
    CountedMessages messages;
    IgnoredPanel panel;
    ScoreKeeper::Services get() { return {prompt, messages, panel}; }
};

void BM_LoadFullFile(benchmark::State& state)
{
    const ScratchDir dir;
    writeBytes("HighScores", HighScoresWriter::write(fullTables()));
    Services services;
    for (auto _ : state) {
        ScoreKeeper keeper(services.get());
        benchmark::DoNotOptimize(keeper.load());
    }
    if (services.messages.count != 0) {
        state.SkipWithError("the full file did not load");
    }
}
BENCHMARK(BM_LoadFullFile)->Unit(benchmark::kMicrosecond);

void BM_ParseFullFile(benchmark::State& state)
{
    const std::string bytes = HighScoresWriter::write(fullTables());
    for (auto _ : state) {
        HighScoreTables tables;
        benchmark::DoNotOptimize(HighScoresReader::read(bytes, tables));
    }
}
BENCHMARK(BM_ParseFullFile)->Unit(benchmark::kMicrosecond);

void BM_SaveFullFile(benchmark::State& state)
{
    const ScratchDir dir;
    writeBytes("HighScores", HighScoresWriter::write(fullTables()));
    Services services;
    ScoreKeeper keeper(services.get());
    keeper.load();
    for (auto _ : state) {
        benchmark::DoNotOptimize(keeper.save());
    }
    if (services.messages.count != 0) {
        state.SkipWithError("the save failed");
    }
}
BENCHMARK(BM_SaveFullFile)->Unit(benchmark::kMicrosecond);

void BM_WriteFullBytes(benchmark::State& state)
{
    const HighScoreTables tables = fullTables();
    for (auto _ : state) {
        benchmark::DoNotOptimize(HighScoresWriter::write(tables));
    }
}
BENCHMARK(BM_WriteFullBytes)->Unit(benchmark::kMicrosecond);

void BM_RejectGarbage(benchmark::State& state)
{
    const ScratchDir dir;
    writeBytes("HighScores", garbage(static_cast<std::size_t>(state.range(0))));
    Services services;
    for (auto _ : state) {
        ScoreKeeper keeper(services.get());
        benchmark::DoNotOptimize(keeper.load());
    }
    if (services.messages.count != static_cast<int>(state.iterations())) {
        state.SkipWithError("the garbage file was not rejected");
    }
}
// Exactly the largest size read, and one byte more (turned away by its size alone).
BENCHMARK(BM_RejectGarbage)->Arg(1 << 20)->Arg((1 << 20) + 1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
