#include "RecordsFakes.h"
#include "records/ScoreKeeper.h"

#include <gtest/gtest.h>
#include <QLockFile>

#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace quarrix::records {  // two copies of the game in one folder: neither may erase the other's records

static std::string scores(const ScoreKeeper& keeper)
{
    std::string out;
    for (const ScoreRow& row : keeper.tables()[ScoresTable].rows())
        out += row.score + " ";
    return out;
}

TEST(SharedFolder, TwoCopiesRankingAtOnceKeepBothGames)
{
    test::TempWorkingDir dir;
    test::RecordsFakes ann, bob;
    ScoreKeeper first({ann, ann, ann}), second({bob, bob, bob});
    first.processScore(FinishedGame{300, 0, 0, 1000});
    second.processScore(FinishedGame{200, 0, 0, 1000});
    EXPECT_NE(bob.prompts[0].find("Number 2Position"), std::string::npos) << "offered a place below Ann's";
    bob.meanwhile = [&] { first.processScore(FinishedGame{500, 0, 0, 1000}); };  // Ann saves while Bob types
    second.processScore(FinishedGame{400, 0, 0, 1000});
    EXPECT_EQ(scores(second), "500 400 300 200 0 ");

    std::string theirs = test::readFile("HighScores");
    test::writeFile("theirs", theirs.replace(theirs.find("500"), 3, "900"));
    std::filesystem::last_write_time("theirs", std::filesystem::last_write_time("HighScores"));
    std::filesystem::rename("theirs", "HighScores");  // as saved in the same tick: only the inode tells
    second.processScore(FinishedGame{100, 0, 0, 1000});
    EXPECT_EQ(scores(second), "900 400 300 200 100 0 ");

    test::writeFile("HighScores", "\"cut off");  // not taken in: ranked against the tables as they were
    first.processScore(FinishedGame{600, 0, 0, 1000});
    EXPECT_EQ(scores(first), "600 500 300 200 0 ");
}

TEST(SharedFolder, ALockLeftByAKilledCopyIsTakenOverAndGoesWithTheSave)
{
    test::TempWorkingDir dir;
    const pid_t copy = ::fork();
    if (copy == 0) {  // a copy killed while it holds the lock
        QLockFile lock("HighScores.lock");
        lock.tryLock(0);
        ::raise(SIGKILL);
    }
    ASSERT_EQ(::waitpid(copy, nullptr, 0), copy);
    ASSERT_TRUE(std::filesystem::exists("HighScores.lock"));
    test::RecordsFakes ann;
    ScoreKeeper({ann, ann, ann}).processScore(FinishedGame{300, 0, 0, 1000});
    EXPECT_FALSE(std::filesystem::exists("HighScores.lock"));  // only the holder removes it
    EXPECT_NE(test::readFile("HighScores").find("\"300\""), std::string::npos);
}

}  // namespace quarrix::records
