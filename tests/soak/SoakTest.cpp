// Whole games on the assembled program, checked after every step. QUARRIX_SOAK_GAMES and
// QUARRIX_SOAK_SEED choose how many games and which ones.
#include "Soak.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <stdlib.h>
#include <sys/resource.h>

namespace quarrix::soak {
namespace {

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST(Soak, WholeGamesKeepScreenFiguresAndRecordsTrue)
{
    const auto games = static_cast<int>(fromEnvironment("QUARRIX_SOAK_GAMES", 20));
    const std::uint64_t seed = fromEnvironment("QUARRIX_SOAK_SEED", 20040217);
    // The game reads its sounds from, and writes HighScores to, the working directory.
    namespace fs = std::filesystem;
    std::string folder = (fs::temp_directory_path() / "quarrix-soak-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    for (const char* name : {"Dink.wav", "PahTush.wav", "BGM_2.wav"}) {
        fs::copy_file(fs::path(QUARRIX_PLAY_DIR) / name, fs::path(folder) / name);
    }
    const fs::path previous = fs::current_path();
    fs::current_path(folder);

    Totals totals;
    const std::string broken = playGames(seed, games, totals);
    fs::current_path(previous);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("soak: %d games played, %ld steps checked, %ld bursts, peak resident memory %ld KiB\n", totals.games,
                totals.steps, totals.bursts, usage.ru_maxrss);

    EXPECT_EQ(broken, "") << "QUARRIX_SOAK_SEED=" << seed << ", working folder " << folder;
    EXPECT_GT(totals.bursts, 0) << "the games never burst a group: the checks of the figures never ran";
    if (broken.empty()) {
        fs::remove_all(folder);
    }
}

}  // namespace
}  // namespace quarrix::soak
