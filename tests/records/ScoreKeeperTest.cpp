#include "RecordsFakes.h"
#include "records/HighScoresWriter.h"
#include "records/ScoreKeeper.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quarrix::records;
using namespace quarrix::test;
using quarrix::FinishedGame;

namespace {

const std::string LoadError(ScoreKeeper::LoadErrorMessage);

// Each test works in its own empty directory, with the fakes the keeper talks to.
class ScoreKeeperTest : public ::testing::Test {
protected:
    TempWorkingDir dir;
    ScriptedPrompt prompt;
    RecordedMessages messages;
    RecordedPanel panel;

    ScoreKeeper keeper(const std::string& path = "HighScores") { return ScoreKeeper({prompt, messages, panel}, path); }

    // Three full tables with distinct tops, written the way the game writes them.
    static HighScoreTables fullTables()
    {
        HighScoreTables tables;
        for (int t = 0; t < TableCount; ++t) {
            for (int k = 0; k < 10; ++k) {
                const int base = (t + 1) * 1000 - k * 10;
                tables[t].storeRow(k, ScoreRow{std::string(40, char('a' + k)) + " (spd=0)", std::to_string(base),
                                               std::to_string(base + 1), std::to_string(base + 2)});
            }
        }
        return tables;
    }

    std::vector<std::string> leftoverFiles() const
    {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name != "HighScores") {
                out.push_back(name);
            }
        }
        return out;
    }
};

}  // namespace

TEST_F(ScoreKeeperTest, MissingFileShowsTheErrorOnceAndLeavesThePanel)
{
    ScoreKeeper k = keeper();
    EXPECT_FALSE(k.load());
    EXPECT_EQ(messages.shown, std::vector<std::string>{LoadError});
    EXPECT_EQ(panel.refreshes, 0);
    EXPECT_EQ(k.tables(), HighScoreTables{});
}

TEST_F(ScoreKeeperTest, EmptyFileLoadsSilentlyAndRefreshesThePanel)
{
    writeFile("HighScores", "");
    ScoreKeeper k = keeper();
    EXPECT_TRUE(k.load());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(panel.refreshes, 1);
    EXPECT_EQ((std::vector<std::string>{panel.score, panel.combo, panel.chain}),
              (std::vector<std::string>{"0", "0", "0"}));
}

TEST_F(ScoreKeeperTest, FullFileShowsTheTopOfEachKeyColumn)
{
    writeFile("HighScores", HighScoresWriter::write(fullTables()));
    ScoreKeeper k = keeper();
    ASSERT_TRUE(k.load());
    EXPECT_EQ(k.tables(), fullTables());
    EXPECT_EQ(panel.score, "1000");
    EXPECT_EQ(panel.combo, "2001");
    EXPECT_EQ(panel.chain, "3002");
}

TEST_F(ScoreKeeperTest, DamagedOrUnreadableFilesShowTheErrorAndKeepRowsReadBeforeIt)
{
    writeFile("HighScores", quotedLines({"a", "5", "1", "2", "b", "4"}));
    ScoreKeeper cut = keeper();
    EXPECT_FALSE(cut.load());
    EXPECT_EQ(cut.tables()[0].rows(), (std::vector<ScoreRow>{{"a", "5", "1", "2"}}));

    std::filesystem::remove("HighScores");
    std::filesystem::create_directory("HighScores");
    EXPECT_FALSE(keeper().load());
    std::filesystem::remove("HighScores");

    // Just over the limit: rejected without being parsed.
    writeFile("HighScores", std::string((1 << 20) + 1, ','));
    ScoreKeeper big = keeper();
    EXPECT_FALSE(big.load());
    EXPECT_EQ(big.tables(), HighScoreTables{});

    EXPECT_EQ(messages.shown, std::vector<std::string>(3, LoadError));
    EXPECT_EQ(panel.refreshes, 0);
}

TEST_F(ScoreKeeperTest, FinishedGameIsRankedSavedAndShownInThePanel)
{
    ScoreKeeper k = keeper();
    k.load();
    prompt.answers = {"Ann", "Ann \"the\"\r\nsecond", "Cy"};
    k.processScore(FinishedGame{1234, 3, 7, 750});

    ASSERT_EQ(prompt.prompts.size(), 3u);
    EXPECT_NE(prompt.prompts[0].find("Number 1Position on the Highest Scores Table!"), std::string::npos);
    EXPECT_NE(prompt.prompts[1].find("Number 1Position on the Highest Combos Table!"), std::string::npos);
    EXPECT_NE(prompt.prompts[2].find("Number 1Position on the Highest Chains Table!"), std::string::npos);
    EXPECT_EQ(k.tables()[0].row(0), (ScoreRow{"Ann (spd=+25%)", "1234", "3", "7"}));
    EXPECT_EQ(k.tables()[1].row(0).name, "Ann 'the'  second (spd=+25%)");
    EXPECT_EQ(k.tables()[2].row(0).name, "Cy (spd=+25%)");
    EXPECT_EQ((std::vector<std::string>{panel.score, panel.combo, panel.chain}),
              (std::vector<std::string>{"1234", "3", "7"}));

    EXPECT_EQ(readFile("HighScores"), HighScoresWriter::write(k.tables()));
    ScoreKeeper again = keeper();
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.tables(), k.tables());
    EXPECT_TRUE(leftoverFiles().empty());
}

TEST_F(ScoreKeeperTest, GameThatEntersNoTableStillRewritesTheFile)
{
    HighScoreTables tables = fullTables();
    // Written by hand: unquoted and with commas, which the game never writes.
    std::string handWritten;
    for (const auto& table : tables) {
        for (const auto& r : table.rows()) {
            handWritten += r.name + "," + r.score + "," + r.combo + "," + r.chain + "\n";
        }
        handWritten += "NEXT\n";
    }
    writeFile("HighScores", handWritten);
    ScoreKeeper k = keeper();
    ASSERT_TRUE(k.load());
    const int refreshesAfterLoad = panel.refreshes;

    k.processScore(FinishedGame{1, 1, 1, 1000});
    EXPECT_TRUE(prompt.prompts.empty());
    EXPECT_EQ(k.tables(), tables);
    EXPECT_EQ(readFile("HighScores"), HighScoresWriter::write(tables));
    EXPECT_EQ(panel.refreshes, refreshesAfterLoad + 1);
}

TEST_F(ScoreKeeperTest, SaveBlockedByADirectoryNamesTheFileAndTheGameGoesOn)
{
    std::filesystem::create_directory("HighScores");
    ScoreKeeper k = keeper();
    k.load();
    messages.shown.clear();
    prompt.answers = {"Dee"};
    k.processScore(FinishedGame{50, 2, 3, 1000});

    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0];
    EXPECT_NE(text.find("'" + (dir.path() / "HighScores").string() + "'"), std::string::npos) << text;
    EXPECT_NE(text.find("Is a directory"), std::string::npos) << text;
    // The tables and the panel carry on with the new rows.
    EXPECT_EQ(k.tables()[0].row(0).name, "Dee (spd=0)");
    EXPECT_EQ(panel.score, "50");
    EXPECT_TRUE(std::filesystem::is_directory("HighScores"));
    EXPECT_TRUE(leftoverFiles().empty());
}

TEST_F(ScoreKeeperTest, SaveIntoAMissingFolderReportsWhy)
{
    // The folder cannot take a file because it is a regular file (chmod would not stop root).
    writeFile("blocker", "not a folder");
    ScoreKeeper k = keeper("blocker/HighScores");
    EXPECT_FALSE(k.save());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("blocker/HighScores'"), std::string::npos) << messages.shown[0];
    EXPECT_NE(messages.shown[0].find("Not a directory"), std::string::npos) << messages.shown[0];
    EXPECT_EQ(readFile("blocker"), "not a folder");
}

TEST_F(ScoreKeeperTest, DiskFullDuringSaveKeepsTheOldFile)
{
    const std::string old = HighScoresWriter::write(HighScoreTables{});
    writeFile("HighScores", old);
    ScoreKeeper k = keeper();
    ASSERT_TRUE(k.load());
    prompt.answers = {std::string(64, 'z')};

    // Files may grow to 200 bytes only: the new, longer file cannot be written in full.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    k.processScore(FinishedGame{99999, 9, 9, 1000});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(readFile("HighScores"), old);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find("File too large"), std::string::npos) << messages.shown[0];
    EXPECT_TRUE(leftoverFiles().empty());
}

TEST_F(ScoreKeeperTest, SaveKilledHalfwayLeavesTheOldFileWhole)
{
    const std::string old = HighScoresWriter::write(fullTables());
    writeFile("HighScores", old);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The process is killed by SIGXFSZ in the middle of writing the new file.
        rlimit none{0, 0};
        ::setrlimit(RLIMIT_CORE, &none);
        rlimit small{};
        ::getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &small);
        ScoreKeeper k = keeper();
        k.load();
        k.save();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was not interrupted";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(readFile("HighScores"), old);

    // The next save replaces it in full.
    ScoreKeeper k = keeper();
    ASSERT_TRUE(k.load());
    EXPECT_TRUE(k.save());
    EXPECT_EQ(readFile("HighScores"), old);
}
