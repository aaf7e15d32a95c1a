// The soak's checks must notice a fault, or a quiet soak proves nothing.
#include "CountingSound.h"
#include "DisplayCheck.h"
#include "RandomNameDialogs.h"
#include "RecordsCheck.h"
#include "ScratchDirectory.h"
#include "StepAudit.h"
#include "game/FixedSeedRandom.h"
#include "records/ScoreKeeper.h"
#include "tests/ui/UiFakes.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/PlayfieldWidget.h"

#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

#include <fstream>

namespace quarrix::soak {
namespace {

using test::FakeCompanions;
using test::FakeDialogs;

class SilentSound final : public SoundInterface {
public:
    void playCollision(std::int16_t /*position*/) override {}
    void playDestruction(std::int16_t /*position*/) override {}
    void cleanUpBuffers() override {}
    bool musicDisabled() override { return true; }
    void setMusicSpeed(std::int16_t /*gemHeight*/) override {}
};

constexpr Gem Red{ShapeCode::Normal, GemColors::Red};
constexpr Gem RedDestroyer{ShapeCode::Destroyer, GemColors::Red};

class StepAuditTest : public ::testing::Test {
protected:
    SilentSound silent;
    CountingSound sound{silent};
    Playfield field;
    StepAudit audit;

    void SetUp() override
    {
        sound.watch(field);
        field.board.place(0, 0, RedDestroyer);
        field.board.place(1, 0, Red);
        field.board.place(2, 0, Red);
        field.board.place(5, 0, Gem{ShapeCode::Normal, GemColors::Blue});
        audit.begin(field);
        sound.startStep();
    }

    // The three red gems burst as one landing's first burst, scored with `score`.
    void burstRow(std::int64_t score, int destroyed = 3)
    {
        field.figures = Figures{score, 1, 2, 1, 2};
        for (int c = 0; c < destroyed; ++c) {
            field.board.clear(c, 0);
            sound.playDestruction(static_cast<std::int16_t>(c));
        }
        sound.cleanUpBuffers();
        field.board.place(3, 13, Red);
        field.board.place(3, 14, Red);
    }
};

TEST_F(StepAuditTest, AcceptsABurstThatRemovesItsGroupAndScoresIt)
{
    burstRow(20);
    EXPECT_EQ(audit.finish(field, sound), "");
    EXPECT_EQ(audit.bursts(), 1);
}

TEST_F(StepAuditTest, NoticesAGemThatVanishesWithoutABurst)
{
    field.board.clear(5, 0);
    EXPECT_EQ(audit.finish(field, sound), "the well holds 3 gems, expected 4 (4 before, 0 destroyed, 0 dealt)");
}

TEST_F(StepAuditTest, NoticesAGemThatAppearsFromNowhere)
{
    field.board.place(4, 4, Red);
    EXPECT_NE(audit.finish(field, sound), "");
}

TEST_F(StepAuditTest, CountsSpawnCellsTheNextPairWritesOver)
{
    field.board.place(3, 13, Red);
    audit.begin(field);
    sound.cleanUpBuffers();  // a landing without a burst; (3, 13) was already filled
    field.board.place(3, 14, Red);
    EXPECT_EQ(audit.finish(field, sound), "");
}

TEST_F(StepAuditTest, NoticesAWrongScore)
{
    burstRow(30);
    EXPECT_EQ(audit.finish(field, sound),
              "burst 1 removed 3 gems and showed score 30, combo 1, chain 2, best combo 1, "
              "best chain 2; expected score 20, combo 1, chain 2, best combo 1, best chain 2");
}

TEST_F(StepAuditTest, NoticesAChainThatIsNotTheGroupLessItsDestroyer)
{
    burstRow(20, 2);  // chain 2 shown for a group of two
    EXPECT_EQ(audit.finish(field, sound).rfind("burst 1 removed 2 gems and showed", 0), 0U);
}

TEST_F(StepAuditTest, NoticesFiguresLeftFromAnEarlierLanding)
{
    field.figures.combo = 2;
    audit.begin(field);
    sound.cleanUpBuffers();  // no burst: combo and chain must drop to 0
    field.board.place(3, 13, Red);
    field.board.place(3, 14, Red);
    EXPECT_NE(audit.finish(field, sound), "");
}

TEST_F(StepAuditTest, NoticesFiguresChangedWithoutALanding)
{
    field.figures.score = 10;
    EXPECT_EQ(audit.finish(field, sound),
              "figures changed without a landing: score 10, combo 0, chain 0, best combo 0, "
              "best chain 0");
}

class ScreenChecksTest : public ::testing::Test {
protected:
    FakeDialogs dialogs;
    FakeCompanions companions;
    FixedSeedRandom random;
    ui::Form1 form{dialogs, companions, random};

    void SetUp() override { form.game().newGame(); }
};

TEST_F(ScreenChecksTest, AcceptsWhatTheWindowDrawsAndNoticesACellItDoesNotShow)
{
    const Playfield& shown = form.game().field();
    EXPECT_EQ(DisplayCheck::cells(*form.playfield(), shown), "");

    Playfield other = shown;
    other.board.place(0, 0, Red);
    EXPECT_EQ(DisplayCheck::cells(*form.playfield(), other),
              "cell (0, 0) shows " + form.playfield()->palette().window().color().name().toStdString() +
                  " where #ff0000 belongs");
    other = shown;
    other.board.clear(3, 14);
    EXPECT_NE(DisplayCheck::cells(*form.playfield(), other), "");
    other = shown;
    other.next.lower =
        Gem{ShapeCode::Normal, shown.next.lower.color == GemColors::Red ? GemColors::Blue : GemColors::Red};
    EXPECT_EQ(DisplayCheck::cells(*form.playfield(), other).rfind("preview cell 0", 0), 0U);
}

TEST_F(ScreenChecksTest, NoticesALabelThatDiffersFromItsFigure)
{
    EXPECT_EQ(DisplayCheck::figures(form, Figures{}), "");
    form.findChild<QLabel*>(QStringLiteral("lblBChain"))->setText(QStringLiteral("7"));
    EXPECT_EQ(DisplayCheck::figures(form, Figures{}), "lblBChain shows \"7\", the figure is 0");
}

class RecordsCheckTest : public ::testing::Test {
protected:
    ScratchDirectory folder;
    RandomNameDialogs dialogs{7};
    FakeCompanions companions;
    FixedSeedRandom random;
    ui::Form1 form{dialogs, companions, random};
    RecordsCheck check;

    // Ranks a game as the records window does at game over; returns the names it asked for.
    int rank(ui::Form2& window, const FinishedGame& game)
    {
        const int before = dialogs.namesAsked();
        window.processScore(game);
        return dialogs.namesAsked() - before;
    }
};

TEST_F(RecordsCheckTest, AcceptsGamesRankedByTheRecordsWindow)
{
    ui::Form2 window(dialogs, form);
    const FinishedGame first{120, 2, 4, 500};
    ASSERT_EQ(rank(window, first), 3);
    EXPECT_EQ(check.afterGameOver(first, 3, window, form), "");
    for (int i = 0; i < 12; ++i) {
        const FinishedGame game{10 * i, i % 3, i % 5, 1000};
        const int names = rank(window, game);
        ASSERT_EQ(check.afterGameOver(game, names, window, form), "") << "game " << i;
    }
}

TEST_F(RecordsCheckTest, NoticesAMissingEntryAWrongPromptCountOrAnotherGame)
{
    ui::Form2 window(dialogs, form);
    const FinishedGame game{120, 2, 4, 500};
    const int names = rank(window, game);
    RecordsCheck again = check;
    EXPECT_EQ(check.afterGameOver(FinishedGame{130, 2, 4, 500}, names, window, form),
              "table 0: row 1 is not the finished game");
    EXPECT_EQ(again.afterGameOver(game, names - 1, window, form), "asked for 2 names for a game that entered 3 tables");
}

TEST_F(RecordsCheckTest, NoticesAFileTheWindowDoesNotShowAndAPanelBehindIt)
{
    ui::Form2 window(dialogs, form);
    const FinishedGame game{120, 2, 4, 500};
    const int names = rank(window, game);
    const RecordsCheck fresh = check;

    window.findChild<QListWidget*>(QStringLiteral("listCombo_1"))->item(0)->setText(QStringLiteral("3"));
    EXPECT_EQ(check.afterGameOver(game, names, window, form), "listCombo_1 differs from the HighScores file");

    window.findChild<QListWidget*>(QStringLiteral("listCombo_1"))->item(0)->setText(QStringLiteral("2"));
    form.showHighest("120", "2", "5");
    check = fresh;
    EXPECT_EQ(check.afterGameOver(game, names, window, form), "lblHChain does not show row 1 of its table (4)");

    std::ofstream(std::string(records::ScoreKeeper::FileName), std::ios::binary | std::ios::app) << "\"x\"\r\n";
    check = fresh;
    EXPECT_EQ(check.afterGameOver(game, names, window, form),
              "the HighScores file written at game over does not read back");
}

}  // namespace
}  // namespace quarrix::soak
