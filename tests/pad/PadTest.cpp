// A virtual controller, mapped by SDL's own game-controller layer, plays the real windows.
#include "RecordsFakes.h"
#include "game/FixedSeedRandom.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form1.h"
#include "ui/PadBinding.h"
#include "ui/QtDialogs.h"
#include "ui/WindowSet.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QTest>

using namespace quarrix;

namespace {

// The falling pair's cells, whether it falls and whether the drop timer runs.
std::array<int, 6> state(const ui::Form1& form)
{
    const FallingPair& p = form.game().field().pair;
    return {p.GemCol[0], p.GemRow[0], p.GemCol[1], p.GemRow[1], p.PairActive, form.game().timer().enabled()};
}

// The windows, started as the game starts them, played with SDL's virtual joystick declared a game
// controller, which SDL maps as it maps a common pad. The repeat runs on a clock the test sets.
class PadTest : public ::testing::Test {
protected:
    // With no HighScores yet a message comes before the first frame; a pad plugged in closes it.
    void SetUp() override
    {
        dialogs.setBeforeShowing([this] { binding.start(); });
        form.setPauseFunction([](int) {});
        const bool closed = answer([this] { form.load(); }, SDL_CONTROLLER_BUTTON_A);
        if (!binding.start()) {
            GTEST_SKIP() << "SDL's game-controller subsystem does not start here";
        }
        ASSERT_TRUE(closed) << "A did not close the message shown before the first frame";
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    // Shows a dialog and presses `input` in it once the controllers are started, plugging the pad in
    // first; false when the dialog stayed open and had to be closed after two seconds.
    bool answer(const std::function<void()>& show, int input)
    {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QApplication::activeModalWidget()->close(); });
        guard.start(2000);
        QTimer::singleShot(0, [this, input] {
            QTest::qWaitForWindowActive(QApplication::activeModalWidget());
            if (auto* prompt = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                prompt->setTextValue(QStringLiteral("Ada"));
            }
            if (pad == nullptr && SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0) {
                SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                          SDL_CONTROLLER_BUTTON_MAX, 0);
                binding.poll();
                pad = SDL_JoystickOpen(SDL_NumJoysticks() - 1);
            }
            set(input, 1);
            set(input, 0);
        });
        show();
        return guard.isActive();
    }
    // Inputs from 100 up are the stick's axes; the pad is polled at once.
    void set(int input, int value)
    {
        if (input < 100) {
            SDL_JoystickSetVirtualButton(pad, input, Uint8(value));
        } else {
            SDL_JoystickSetVirtualAxis(pad, input - 100, Sint16(value));
        }
        binding.poll();
    }

    test::TempWorkingDir dir;
    ui::QtDialogs dialogs;
    sound::OpenAlAudio audio;
    ui::WindowSet windows{dialogs, audio};
    FixedSeedRandom random;
    ui::Form1 form{dialogs, windows, random};
    std::int64_t now = 0;
    ui::PadBinding binding{form, *form.findChild<QAction*>("M_F_NewGame"), [this] { return now; }};
    SDL_Joystick* pad = nullptr;
};

TEST_F(PadTest, EachInputActsAsItsKeyWouldOnlyWhileTheGameIsInFront)
{
    FixedSeedRandom keyRandom;
    ui::Form1 keyed{dialogs, windows, keyRandom};  // played alongside on the keyboard
    auto* menu = form.findChild<QMenu*>();
    constexpr int LeftX = 100 + SDL_CONTROLLER_AXIS_LEFTX, LeftY = 100 + SDL_CONTROLLER_AXIS_LEFTY;
    struct Case {
        const char* name;
        int input, value;
        Qt::Key key;  // Space: none
        QWidget* active;
        bool menuOpen;
    };
    for (const Case& c : std::vector<Case>{
             {"Start, another program active", SDL_CONTROLLER_BUTTON_START, 1, Qt::Key_Space, nullptr, false},
             {"Start", SDL_CONTROLLER_BUTTON_START, 1, Qt::Key_F1, &form, false},
             {"D-pad left", SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1, Qt::Key_Left, &form, false},
             {"D-pad left, a menu open", SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1, Qt::Key_Space, &form, true},
             {"stick left", LeftX, -30000, Qt::Key_Left, &form, false},
             {"D-pad right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1, Qt::Key_Right, &form, false},
             {"stick right, another game window active", LeftX, 30000, Qt::Key_Right, &keyed, false},
             {"D-pad up", SDL_CONTROLLER_BUTTON_DPAD_UP, 1, Qt::Key_Up, &form, false},
             {"A", SDL_CONTROLLER_BUTTON_A, 1, Qt::Key_Up, &form, false},
             {"D-pad down", SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1, Qt::Key_Down, &form, false},
             {"B", SDL_CONTROLLER_BUTTON_B, 1, Qt::Key_Down, &form, false},
             {"stick down", LeftY, 30000, Qt::Key_Down, &form, false},
             {"stick up", LeftY, -30000, Qt::Key_Space, &form, false},
             {"Back", SDL_CONTROLLER_BUTTON_BACK, 1, Qt::Key_Space, &form, false},
         }) {
        SCOPED_TRACE(c.name);
        QApplication::setActiveWindow(c.active);
        if (c.menuOpen) {
            menu->popup({});
        }
        set(c.input, c.value);
        set(c.input, 0);
        menu->close();
        if (c.key == Qt::Key_F1) {
            keyed.findChild<QAction*>("M_F_NewGame")->trigger();
        } else {
            QTest::keyClick(&keyed, c.key);
        }
        EXPECT_EQ(state(form), state(keyed));
    }
}

TEST_F(PadTest, OnlyADirectionPressedWhileTheGameIsActiveRepeats)
{
    set(SDL_CONTROLLER_BUTTON_START, 1);
    // At each time, whether the game is active, whether Down is held, and the drops so far.
    const int ms[] = {0, 300, 310, 400, 650, 660, 910, 1000};
    QWidget* const active[] = {nullptr, &form, &form, &form, &form, nullptr, &form, &form};
    const int held[] = {1, 1, 0, 1, 1, 1, 1, 0}, dropped[] = {0, 0, 0, 1, 2, 2, 2, 2};
    for (std::size_t i = 0; i < std::size(ms); ++i) {
        SCOPED_TRACE(ms[i]);
        now = ms[i];
        QApplication::setActiveWindow(active[i]);
        set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, held[i]);
        EXPECT_EQ(Board::SpawnLowerRow - form.game().field().pair.GemRow[0], dropped[i]);
    }
}

// A accepts a prompt and B cancels it; a pad pulled out and plugged in again is found again.
TEST_F(PadTest, APromptIsAnsweredAndTheControllerCanComeAndGo)
{
    QString name;
    EXPECT_TRUE(answer([&] { name = dialogs.inputBox(QStringLiteral("Name")); }, SDL_CONTROLLER_BUTTON_A));
    EXPECT_EQ(name, QStringLiteral("Ada"));
    EXPECT_TRUE(answer([&] { name = dialogs.inputBox(QStringLiteral("Name")); }, SDL_CONTROLLER_BUTTON_B));
    EXPECT_EQ(name, QString());
    SDL_JoystickClose(std::exchange(pad, nullptr));
    SDL_JoystickDetachVirtual(SDL_NumJoysticks() - 1);
    binding.poll();
    EXPECT_EQ(binding.interval(), ui::PadBinding::IdleIntervalMs);
    EXPECT_TRUE(answer([&] { name = dialogs.inputBox(QStringLiteral("Name")); }, SDL_CONTROLLER_BUTTON_A));
    EXPECT_EQ(binding.interval(), ui::PadBinding::PlayIntervalMs);
}

}  // namespace
