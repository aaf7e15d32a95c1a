// Whole games on the assembled program, checked after every step. QUARRIX_SOAK_GAMES and
// QUARRIX_SOAK_SEED choose how many games and which ones.
#include "ScratchDirectory.h"
#include "SoakPlayer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quarrix::soak {
namespace {

constexpr int DefaultGames = 20;
constexpr std::uint64_t DefaultSeed = 20040217;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    return *end == '\0' ? value : fallback;
}

long peakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return -1;
}

void copySounds(const std::filesystem::path& folder)
{
    for (const char* name : {"Dink.wav", "PahTush.wav", "BGM_2.wav"}) {
        std::filesystem::copy_file(std::filesystem::path(QUARRIX_PLAY_DIR) / name, folder / name);
    }
}

TEST(Soak, WholeGamesKeepScreenFiguresAndRecordsTrue)
{
    const auto games = static_cast<int>(fromEnvironment("QUARRIX_SOAK_GAMES", DefaultGames));
    const std::uint64_t seed = fromEnvironment("QUARRIX_SOAK_SEED", DefaultSeed);
    ScratchDirectory folder;
    copySounds(folder.path());

    std::string broken;
    SoakPlayer::Totals totals;
    {
        SoakPlayer player(seed);
        broken = player.play(games);
        totals = player.totals();
    }
    if (!broken.empty()) {
        folder.keep();
    }
    std::printf("soak: %d games played (%d given up), %ld steps checked, %ld bursts, peak resident memory %ld KiB\n",
                totals.games, totals.unfinished, totals.steps, totals.bursts, peakResidentKiB());

    EXPECT_EQ(broken, "") << "QUARRIX_SOAK_SEED=" << seed << ", working folder " << folder.path();
    EXPECT_GT(totals.bursts, 0) << "the games never burst a group: the checks of the figures never ran";
}

}  // namespace
}  // namespace quarrix::soak
