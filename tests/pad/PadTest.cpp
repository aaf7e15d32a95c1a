// The pad's rules in plain C++, then a virtual pad, mapped by SDL itself, playing the real windows.
#include "FakeAudio.h"
#include "game/FixedSeedRandom.h"
#include "ui/Form1.h"
#include "ui/PadBinding.h"
#include "ui/QtDialogs.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QTest>

using namespace quarrix;
using pad::PadEvent;
using pad::PadSwitch;

namespace {

TEST(PadRules, TheStickPastTheDeadZonePressesAndADirectionPressedWhileActiveRepeats)
{
    const auto x = [](int value) { return PadEvent{PadEvent::Kind::AxisMotion, {}, pad::PadAxis::LeftX, value}; };
    const auto down = [](PadSwitch which) { return PadEvent{PadEvent::Kind::ButtonDown, which}; };
    // At each time, an event (or none: a look for a repeat), whether the game is active, and the press.
    using Step = std::tuple<const char*, std::int64_t, std::optional<PadEvent>, bool, std::optional<PadSwitch>>;
    pad::PadControls controls;
    for (const auto& [name, ms, event, active, press] : std::vector<Step>{
             {"stick left to the dead zone", 0, x(-16000), true, {}},
             {"stick left past it", 0, x(-16001), true, PadSwitch::StickLeft},
             {"stick further left", 0, x(-32768), true, {}},
             {"stick up", 0, PadEvent{PadEvent::Kind::AxisMotion, {}, pad::PadAxis::LeftY, -32768}, true, {}},
             {"not yet at 249 ms", 249, {}, true, {}},
             {"again at 250 ms", 250, {}, true, PadSwitch::StickLeft},
             {"again at 300 ms", 300, {}, true, PadSwitch::StickLeft},
             {"once after a stall", 1000, {}, true, PadSwitch::StickLeft},
             {"the beat starts from the stall", 1049, {}, true, {}},
             {"stick let go", 1060, x(0), true, {}},
             {"Start", 2000, down(PadSwitch::Start), true, PadSwitch::Start},
             {"neither Start nor the stick let go repeats", 3000, {}, true, {}},
             {"right pressed while another program is active", 3000, down(PadSwitch::DpadRight), false, {}},
             {"the game active again", 3300, {}, true, {}},
             {"left pressed", 4000, down(PadSwitch::DpadLeft), true, PadSwitch::DpadLeft},
             {"another program active when it is due", 4250, {}, false, {}},
         }) {
        SCOPED_TRACE(name);
        if (event) {
            EXPECT_EQ(controls.feed(*event, ms, active), press);
        } else {
            EXPECT_EQ(controls.repeat(ms, active), press);
        }
    }
    EXPECT_EQ(pad::decide(PadSwitch::Start, {}), std::nullopt);  // nor does a decision with another program active
}

// The first-start message starts the controllers and A closes it; Start, the stick and A act, a press behind a
// menu or from while another program was active does not; B cancels a prompt; a pad can be pulled out.
TEST(PadBinding, PlaysTheGameAndItsDialogsOnlyWhenInFront)
{
    ui::QtDialogs dialogs;
    test::FakeAudio audio;
    ui::AppModel model{dialogs, audio, gameRandom()};
    ui::Form1 form{model};
    std::int64_t now = 0;
    ui::PadBinding binding{form, *form.findChild<QAction*>("M_F_NewGame"), [&now] { return now; }};
    dialogs.setBeforeShowing([&binding] { binding.start(); });
    SDL_Joystick* pad = nullptr;
    const auto set = [&](int input, int value) {  // a button, or an axis from 100 up: the other call is refused
        SDL_JoystickSetVirtualButton(pad, input, Uint8(value));
        SDL_JoystickSetVirtualAxis(pad, input - 100, Sint16(value));
        binding.poll();
    };
    QTimer::singleShot(0, [&] {  // once the message is active
        EXPECT_TRUE(QTest::qWaitForWindowActive(QApplication::activeModalWidget()));
        SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX,
                                  0);  // refused unless the controllers were started
        binding.poll();
        pad = SDL_JoystickOpen(SDL_NumJoysticks() - 1);
        set(SDL_CONTROLLER_BUTTON_A, 1);
        if (QWidget* stuck = QApplication::activeModalWidget()) {
            stuck->close();
            ADD_FAILURE() << "A did not close the message shown before the first frame";
        }
    });
    dialogs.message(QStringLiteral("No HighScores yet"));
    ASSERT_FALSE(HasFailure());  // a dialog the pad cannot answer would wait for ever
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    set(SDL_CONTROLLER_BUTTON_START, 1);
    QApplication::setActiveWindow(nullptr);
    set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1);
    QApplication::setActiveWindow(&form);
    now = 1000;
    set(SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1);
    form.findChild<QMenu*>()->popup({});
    set(SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    form.findChild<QMenu*>()->close();
    set(100 + SDL_CONTROLLER_AXIS_LEFTX, -30000);
    set(SDL_CONTROLLER_BUTTON_A, 0);  // held since the message
    set(SDL_CONTROLLER_BUTTON_A, 1);  // gem 0 turns from below gem 1 to its right
    EXPECT_EQ(model.game().field().pair.GemRow[0], Board::SpawnUpperRow);
    EXPECT_EQ(model.game().field().pair.GemCol[1], Board::SpawnColumn - 1);
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(QApplication::activeModalWidget()));
        qobject_cast<QInputDialog*>(QApplication::activeModalWidget())->setTextValue(QStringLiteral("Ada"));
        set(SDL_CONTROLLER_BUTTON_B, 1);
    });
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("Name")), QString());
    SDL_JoystickDetachVirtual(SDL_NumJoysticks() - 1);
    binding.poll();
    EXPECT_EQ(binding.interval(), ui::PadBinding::IdleIntervalMs);
}

}  // namespace
