// A virtual controller, mapped by SDL's own game-controller layer, plays the real windows.
#include "RecordsFakes.h"
#include "game/FixedSeedRandom.h"
#include "pad/SdlPadSource.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/PadBinding.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

using namespace quarrix;

namespace {

struct FakeClock final : pad::PadClock {
    std::int64_t now = 0;
    std::int64_t nowMs() const override { return now; }
};

// The falling pair's cells, whether it falls and whether the drop timer runs.
std::array<int, 6> state(const ui::AppModel& model)
{
    const FallingPair& p = model.game().field().pair;
    return {p.GemCol[0], p.GemRow[0], p.GemCol[1], p.GemRow[1], p.PairActive, model.game().timer().enabled()};
}

// The program's windows and dialogs, played with SDL's virtual joystick declared a game controller,
// which SDL maps as it maps a common pad. The repeat runs on a clock the test sets.
class PadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!binding.start()) {
            GTEST_SKIP() << "SDL's game-controller subsystem does not start here";
        }
        model.setPauseFunction([](int) {});
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        ASSERT_TRUE(attach()) << SDL_GetError();
    }
    // The virtual pad is the last joystick attached; the binding opens it as a controller.
    bool attach()
    {
        SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX,
                                  0);
        binding.poll();
        pad = SDL_JoystickOpen(SDL_NumJoysticks() - 1);
        return pad != nullptr;
    }
    // Inputs from 100 up are the stick's axes; the pad is polled at once.
    void set(int input, int value)
    {
        input < 100 ? SDL_JoystickSetVirtualButton(pad, input, Uint8(value))
                    : SDL_JoystickSetVirtualAxis(pad, input - 100, Sint16(value));
        binding.poll();
    }

    test::TempWorkingDir dir;
    ui::QtDialogs dialogs;
    sound::OpenAlAudio audio;
    FixedSeedRandom random;
    ui::AppModel model{dialogs, audio, random};
    ui::Form1 form{model};
    ui::Form2 records{model};
    FakeClock time;
    pad::SdlPadSource source;
    ui::PadBinding binding{source, time, form, *form.findChild<QAction*>("M_F_NewGame")};
    SDL_Joystick* pad = nullptr;
};

constexpr int LeftX = 100 + SDL_CONTROLLER_AXIS_LEFTX, LeftY = 100 + SDL_CONTROLLER_AXIS_LEFTY;  // stick inputs

TEST_F(PadTest, EachInputActsAsItsKeyWouldOnlyWhileTheGameHasFocus)
{
    FixedSeedRandom keyRandom;
    ui::AppModel keyedModel{dialogs, audio, keyRandom};
    ui::Form1 keyed{keyedModel};                                    // played alongside on the keyboard
    using Case = std::tuple<const char*, int, int, int, QWidget*>;  // input, value, its key (Space: none), active
    for (const auto& [name, input, value, key, active] : std::vector<Case>{
             {"Start, another program focused", SDL_CONTROLLER_BUTTON_START, 1, Qt::Key_Space, nullptr},
             {"Start", SDL_CONTROLLER_BUTTON_START, 1, Qt::Key_F1, &form},
             {"D-pad left", SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1, Qt::Key_Left, &form},
             {"stick left", LeftX, -30000, Qt::Key_Left, &form},
             {"D-pad right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1, Qt::Key_Right, &form},
             {"stick right, another game window active", LeftX, 30000, Qt::Key_Right, &keyed},
             {"D-pad up", SDL_CONTROLLER_BUTTON_DPAD_UP, 1, Qt::Key_Up, &form},
             {"A", SDL_CONTROLLER_BUTTON_A, 1, Qt::Key_Up, &form},
             {"D-pad down", SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1, Qt::Key_Down, &form},
             {"B", SDL_CONTROLLER_BUTTON_B, 1, Qt::Key_Down, &form},
             {"stick down", LeftY, 30000, Qt::Key_Down, &form},
             {"stick within the dead zone", LeftX, -12000, Qt::Key_Space, &form},
             {"stick up", LeftY, -30000, Qt::Key_Space, &form},
             {"Back", SDL_CONTROLLER_BUTTON_BACK, 1, Qt::Key_Space, &form},
         }) {
        SCOPED_TRACE(name);
        QApplication::setActiveWindow(active);
        set(input, value);
        set(input, 0);
        key == Qt::Key_F1 ? keyed.findChild<QAction*>("M_F_NewGame")->trigger() : QTest::keyClick(&keyed, Qt::Key(key));
        EXPECT_EQ(state(model), state(keyedModel));
    }
}

TEST_F(PadTest, AHeldDirectionActsAgainAfter250MsThenEvery50Ms)
{
    set(SDL_CONTROLLER_BUTTON_START, 1);
    // At each time, whether the direction is held, and the drops so far.
    const int ms[] = {0, 249, 250, 299, 300, 350, 999, 2000}, held[] = {1, 1, 1, 1, 1, 1, 1, 0};
    const int dropped[] = {1, 1, 2, 2, 3, 4, 5, 5};
    for (std::size_t i = 0; i < std::size(ms); ++i) {
        SCOPED_TRACE(ms[i]);
        time.now = ms[i];
        set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, held[i]);
        EXPECT_EQ(Board::SpawnLowerRow - model.game().field().pair.GemRow[0], dropped[i]);
    }
}

// Pulled out and plugged in again, the pad plays, pressing or letting go every 20 ms: drops, moves and
// turns, A for each message and the name typed into the Scores prompt, B for the other prompts.
TEST_F(PadTest, AControllerPluggedInWhileRunningPlaysAWholeGame)
{
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(SDL_NumJoysticks() - 1);
    binding.poll();
    EXPECT_EQ(binding.interval(), ui::PadBinding::IdleIntervalMs);
    ASSERT_TRUE(attach());
    EXPECT_EQ(binding.interval(), ui::PadBinding::PlayIntervalMs);
    constexpr std::array moves{SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_A,
                               SDL_CONTROLLER_BUTTON_DPAD_RIGHT};
    int move = 0, held = -1;
    QStringList messages;
    const auto next = [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            messages << box->text();
        auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (prompt != nullptr) {
            prompt->setTextValue(QStringLiteral("Ada"));
        }
        const bool cancel = prompt != nullptr && !prompt->labelText().contains(QStringLiteral("Scores"));
        return cancel                                         ? SDL_CONTROLLER_BUTTON_B
               : QApplication::activeModalWidget() != nullptr ? SDL_CONTROLLER_BUTTON_A
               : records.isVisible()                          ? SDL_CONTROLLER_BUTTON_INVALID
               : !model.game().timer().enabled()              ? SDL_CONTROLLER_BUTTON_START
               : ++move % 12 < 4                              ? moves[move % 12]
                                                              : SDL_CONTROLLER_BUTTON_B;
    };
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (held >= 0) {
            SDL_JoystickSetVirtualButton(pad, std::exchange(held, -1), 0);
            return;
        }
        held = next();
        SDL_JoystickSetVirtualButton(pad, held, 1);  // refused for none
    });
    player.start(20);
    form.load();  // no HighScores yet: the player accepts the load error
    form.findChild<QAction*>("M_S_175")->trigger();
    form.activateWindow();  // as the window manager gives the focus back once the message is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(QTest::qWaitFor([&] { return records.isVisible(); }, 120000));
    EXPECT_TRUE(messages.contains(QStringLiteral("Game Over")));
    const auto table = [&](const char* name) { return records.findChild<QListWidget*>(name); };
    EXPECT_EQ(table("listName_0")->findItems("Ada (spd=+75%)", Qt::MatchExactly).size(), 1);
    EXPECT_EQ(table("listName_2")->findItems(" (spd=+75%)", Qt::MatchExactly).size(), 1);
}

}  // namespace
