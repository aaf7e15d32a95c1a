#include "SpeedSetting.h"

namespace quarrix {

bool SpeedSetting::choose(int index)
{
    if (timer_.enabled() || index < 0 || index >= static_cast<int>(Items.size())) {
        return false;
    }
    checked_ = index;
    timer_.setInterval(Items[static_cast<std::size_t>(index)].intervalMs);
    return true;
}

}  // namespace quarrix
