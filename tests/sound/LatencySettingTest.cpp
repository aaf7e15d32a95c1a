// Whether the game points OpenAL Soft at its own output-buffer setting, on a temporary folder tree.
#include "sound/LatencySetting.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

using quarrix::sound::LatencySetting;
namespace fs = std::filesystem;

TEST(LatencySetting, GameFileAppliesUnlessThePlayerSetsTheBuffer)
{
    const fs::path root = fs::path(testing::TempDir()) / ("latency-" + std::to_string(::getpid()));
    const fs::path shipped = root / "share/quarrix-solo/alsoft.conf";
    const struct {
        const char *what, *file, *text;  // the player's or the system's file, under the folder; none when empty
        const char *variable, *value;    // set in the environment (an empty value: unset)
        bool shipped, gameFile;          // the game's own file is installed; the game names it
    } cases[] = {
        {"no files", "", "", "", "", true, true},
        {"no section", "home/.alsoftrc", "period_size = 256\n", "", "", true, false},
        {"under [General]", "config/alsoft.conf", "[pulse]\n[General]\nPeriods=4 # fewer\n", "", "", true, false},
        {"under [pulse]", "home/.alsoftrc", "[general]\n[pulse]\nperiod_size = 256\n", "", "", true, true},
        {"commented", "etc/alsoft.conf", "[general]\n# period_size = 256\nperiods = # none\n", "", "", true, true},
        {"system-wide", "etc/alsoft.conf", "[general]\nperiod_size = 2048\n", "", "", true, false},
        {"beside the program", "games/alsoft.conf", "periods = 2\n", "", "", true, false},
        {"ALSOFT_CONF already set", "", "", "ALSOFT_CONF", "/mine.conf", true, false},
        {"shipped file missing", "", "", "", "", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root);
        fs::create_directories(shipped.parent_path());
        if (c.shipped) {
            std::ofstream(shipped) << "[general]\nperiod_size = 441\n";
        }
        if (*c.file != '\0') {
            fs::create_directories((root / c.file).parent_path());
            std::ofstream(root / c.file) << c.text;
        }
        LatencySetting::Environment env{
            {"HOME", root / "home"},
            {"XDG_CONFIG_HOME", root / "config"},
            {"XDG_CONFIG_DIRS", (root / "xdg1").string() + ":relative:" + (root / "xdg2").string()}};
        env[c.variable] = c.value;
        const auto chosen = LatencySetting(env, root / "games", root / "etc/alsoft.conf").chosenFile();
        EXPECT_EQ(chosen, c.gameFile ? std::optional(shipped) : std::nullopt);
    }
    fs::remove_all(root);
}
