// Two copies of the game in one folder: neither may erase the other's records.
#include "RecordsFakes.h"
#include "records/FileLock.h"
#include "records/HighScoresWriter.h"
#include "records/ScoreKeeper.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace quarrix::records;
using namespace quarrix::test;
using quarrix::FinishedGame;

// Types `name`; at the first prompt, runs `meanwhile` first, as another copy would.
struct Player final : NamePrompt {
    explicit Player(std::string name) : name(std::move(name)) {}
    std::string askName(const std::string& prompt) override
    {
        prompts.push_back(prompt);
        if (meanwhile) {
            std::exchange(meanwhile, nullptr)();
        }
        return name;
    }
    std::string name;
    std::vector<std::string> prompts;
    std::function<void()> meanwhile;
};

TEST(SharedFolder, TwoCopiesRankingInTurnOrAtOnceKeepBothGamesAndADamagedFileLosesNeither)
{
    TempWorkingDir dir;
    RecordsFakes shown;
    Player ann("Ann"), bob("Bob");
    ScoreKeeper first({ann, shown, shown}), second({bob, shown, shown});
    first.load();
    second.load();
    first.processScore(FinishedGame{300, 2, 5, 1000});
    second.processScore(FinishedGame{200, 3, 4, 1000});
    EXPECT_NE(bob.prompts[0].find("Number 2Position"), std::string::npos) << "offered a place below Ann's";
    bob.meanwhile = [&] { first.processScore(FinishedGame{500, 0, 0, 1000}); };  // Ann saves while Bob types
    second.processScore(FinishedGame{400, 0, 0, 1000});
    EXPECT_EQ(second.tables()[0].size(), 5U);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(second.tables()[0].row(i).score, std::vector<std::string>({"500", "400", "300", "200", "0"})[i]);
    }
    EXPECT_EQ(readFile("HighScores"), HighScoresWriter::write(second.tables()));

    writeFile("HighScores", "\"cut off");  // not taken in: ranked against the tables as they were
    ann.name = "Ann2";
    first.processScore(FinishedGame{600, 0, 0, 1000});
    EXPECT_EQ(first.tables()[0].row(0).name + first.tables()[0].row(1).name, "Ann2 (spd=0)Ann (spd=0)");
}

TEST(SharedFolder, ALeftoverLockFileDoesNotBlockAHeldLockIsWaitedForAWhileAndTheFileGoesWithTheLock)
{
    TempWorkingDir dir;
    writeFile("HighScores.lock", "");  // as a copy killed while saving leaves it
    {
        const FileLock first("HighScores.lock", std::chrono::milliseconds(0));
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(FileLock("HighScores.lock", std::chrono::milliseconds(50)).held());
    }
    EXPECT_FALSE(std::filesystem::exists("HighScores.lock"));
}
