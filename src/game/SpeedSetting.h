#pragma once

#include "GameServices.h"
#include "Translatable.h"

#include <array>
#include <string_view>

namespace quarrix {

struct SpeedItem {
    std::string_view name;     // object name of the menu item
    std::string_view caption;  // menu text, in English; the menu shows it translated
    int intervalMs;
    std::string_view suffix;  // appended to the names a game at this speed ranks with
};

// The seven drop speeds of the Options menu, in menu order. Changeable only while no game runs.
class SpeedSetting {
public:
    static constexpr int NormalItem = 3;
    static constexpr std::array<SpeedItem, 7> Items{{
        {"M_S_75", QT_TRANSLATE_NOOP("quarrix::SpeedSetting", "-75%"), 1750, " (spd=-75%)"},
        {"M_S_50", QT_TRANSLATE_NOOP("quarrix::SpeedSetting", "-50%"), 1500, " (spd=-50%)"},
        {"M_S_25", QT_TRANSLATE_NOOP("quarrix::SpeedSetting", "-25%"), 1250, " (spd=-25%)"},
        {"M_S_0", QT_TRANSLATE_NOOP("quarrix::SpeedSetting", "0 - Normal"), 1000, " (spd=0)"},
        {"M_S_125", QT_TRANSLATE_NOOP("quarrix::SpeedSetting", "+25%"), 750, " (spd=+25%)"},
        {"M_S_150", QT_TRANSLATE_NOOP("quarrix::SpeedSetting", "+50%"), 500, " (spd=+50%)"},
        {"M_S_175", QT_TRANSLATE_NOOP("quarrix::SpeedSetting", "+75%"), 250, " (spd=+75%)"},
    }};

    explicit SpeedSetting(DropTimer& timer) : timer_(timer) {}

    // Applies a click on item `index`; ignored while the timer runs. Returns whether it took effect.
    bool choose(int index)
    {
        if (timer_.enabled() || index < 0 || index >= static_cast<int>(Items.size())) {
            return false;
        }
        checked_ = index;
        timer_.setInterval(Items[static_cast<std::size_t>(index)].intervalMs);
        return true;
    }
    int checkedItem() const { return checked_; }

private:
    DropTimer& timer_;
    int checked_ = NormalItem;
};

}  // namespace quarrix
