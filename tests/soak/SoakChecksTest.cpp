// The soak's checks must notice a fault, or a quiet soak proves nothing.
#include "Soak.h"
#include "game/FixedSeedRandom.h"
#include "tests/ui/UiFakes.h"
#include "ui/Form1.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace quarrix::soak {
namespace {

constexpr Gem Red{ShapeCode::Normal, GemColors::Red};

TEST(SoakChecks, DisplayCheckNoticesACellOrALabelTheWindowDoesNotShow)
{
    test::FakeDialogs dialogs;
    test::FakeCompanions companions;
    FixedSeedRandom random;
    ui::Form1 form{dialogs, companions, random};
    form.game().newGame();
    Playfield field = form.game().field();
    EXPECT_EQ(checkDisplay(form, field), "");

    field.board.place(0, 0, Red);
    EXPECT_EQ(checkDisplay(form, field), "cell (0, 0) is not drawn as it is");
    field = form.game().field();
    field.next.lower.color = field.next.lower.color == GemColors::Red ? GemColors::Blue : GemColors::Red;
    EXPECT_EQ(checkDisplay(form, field), "the preview does not show the next pair");
    form.findChild<QLabel*>(QStringLiteral("lblBChain"))->setText(QStringLiteral("7"));
    EXPECT_EQ(checkDisplay(form, form.game().field()), "lblBChain does not show 0");
}

TEST(SoakChecks, AuditNoticesAGemLostWithoutADestructionSoundAndAWrongScore)
{
    // A landing whose first burst takes three red gems, then the next pair dealt.
    Playfield before;
    Playfield after;
    StepSounds sounds{{}, 1, 0};
    for (int c = 0; c < 3; ++c) {
        before.board.place(c, 0, Red);
        sounds.destroyed.push_back(Figures{20, 1, 2, 1, 2});
    }
    before.board.place(5, 0, Red);
    after.board.place(5, 0, Red);
    after.board.place(3, 13, Red);
    after.board.place(3, 14, Red);
    after.figures = Figures{20, 1, 2, 1, 2};
    long bursts = 0;
    EXPECT_EQ(auditStep(before, after, sounds, bursts), "");
    EXPECT_EQ(bursts, 1);

    after.board.clear(5, 0);
    EXPECT_EQ(auditStep(before, after, sounds, bursts), "the well holds 2 gems, expected 3 (3 destroyed, 2 dealt)");
    after.board.place(5, 0, Red);
    sounds.destroyed[0].score = 30;
    EXPECT_EQ(auditStep(before, after, sounds, bursts).rfind("a burst of 3 gems showed score 30", 0), 0U);
}

}  // namespace
}  // namespace quarrix::soak
