// The pad's rules without a window: what a press means where, the dead zone and the repeat.
#include "pad/PadRules.h"

#include <gtest/gtest.h>

#include <vector>

using namespace quarrix;
using pad::PadSwitch;

namespace {

TEST(PadRules, APressActsOnlyWhileTheGameIsInFrontAndADialogHearsOnlyAAndB)
{
    struct Case {
        const char* name;
        PadSwitch press;
        pad::PadScene scene;  // active, popup, modal
        std::optional<Command> command;
    };
    for (const Case& c : std::vector<Case>{
             {"A", PadSwitch::A, {true, false, false}, Command::Turn},
             {"Start", PadSwitch::Start, {true, false, false}, Command::NewGame},
             {"A in a dialog", PadSwitch::A, {true, false, true}, Command::Accept},
             {"B in a dialog", PadSwitch::B, {true, false, true}, Command::Cancel},
             {"Start in a dialog", PadSwitch::Start, {true, false, true}, std::nullopt},
             {"a move, a menu open", PadSwitch::DpadLeft, {true, true, false}, std::nullopt},
             {"A, a popup over a dialog", PadSwitch::A, {true, true, true}, std::nullopt},
             {"a move, another program active", PadSwitch::DpadLeft, {false, false, false}, std::nullopt},
         }) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pad::decide(c.press, c.scene), c.command);
    }
}

TEST(PadRules, TheStickPastTheDeadZoneOrAButtonPressesAndADirectionPressedWhileActiveRepeats)
{
    using pad::PadEvent;
    const auto x = [](int value) { return PadEvent{PadEvent::Kind::AxisMotion, {}, pad::PadAxis::LeftX, value}; };
    const PadEvent up{PadEvent::Kind::AxisMotion, {}, pad::PadAxis::LeftY, -32768},
        start{PadEvent::Kind::ButtonDown, PadSwitch::Start}, right{PadEvent::Kind::ButtonDown, PadSwitch::DpadRight},
        rightUp{PadEvent::Kind::ButtonUp, PadSwitch::DpadRight};
    // At each time, an event fed or else a look for a repeat, whether the game is active, and the press.
    struct Step {
        const char* name;
        std::int64_t ms;
        std::optional<PadEvent> event;
        bool active;
        std::optional<PadSwitch> press;
    };
    pad::PadControls controls;
    for (const Step& s : std::vector<Step>{
             {"stick left to the dead zone", 0, x(-16000), true, std::nullopt},
             {"stick left past it", 0, x(-16001), true, PadSwitch::StickLeft},
             {"stick further left", 0, x(-32768), true, std::nullopt},
             {"stick up", 0, up, true, std::nullopt},
             {"not yet at 249 ms", 249, std::nullopt, true, std::nullopt},
             {"again at 250 ms", 250, std::nullopt, true, PadSwitch::StickLeft},
             {"not yet at 299 ms", 299, std::nullopt, true, std::nullopt},
             {"again at 300 ms", 300, std::nullopt, true, PadSwitch::StickLeft},
             {"once after a stall", 1000, std::nullopt, true, PadSwitch::StickLeft},
             {"no catching up", 1010, std::nullopt, true, std::nullopt},
             {"the beat goes on from the stall", 1050, std::nullopt, true, PadSwitch::StickLeft},
             {"stick let go", 1060, x(0), true, std::nullopt},
             {"nothing held", 2000, std::nullopt, true, std::nullopt},
             {"Start", 2000, start, true, PadSwitch::Start},
             {"Start held does not repeat", 3000, std::nullopt, true, std::nullopt},
             {"right pressed while another program is active", 3000, right, false, std::nullopt},
             {"the game active again", 3300, std::nullopt, true, std::nullopt},
             {"right let go", 3300, rightUp, true, std::nullopt},
             {"right pressed", 4000, right, true, PadSwitch::DpadRight},
             {"another program active when it is due", 4250, std::nullopt, false, std::nullopt},
             {"the game active again, right still held", 4400, std::nullopt, true, std::nullopt},
         }) {
        SCOPED_TRACE(s.name);
        if (s.event) {
            EXPECT_EQ(controls.feed(*s.event, s.ms, s.active), s.press);
        } else {
            EXPECT_EQ(controls.repeat(s.ms, s.active), s.press);
        }
    }
}

}  // namespace
