#pragma once

#include "PadClock.h"

#include <chrono>

namespace quarrix::pad {

class SteadyPadClock final : public PadClock {
public:
    std::int64_t nowMs() const override
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    }
};

}  // namespace quarrix::pad
