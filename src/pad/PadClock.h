#pragma once

#include <cstdint>

namespace quarrix::pad {

// Milliseconds on a clock that never goes back; the repeat of a held direction is timed by it.
class PadClock {
public:
    virtual ~PadClock() = default;
    virtual std::int64_t nowMs() const = 0;
};

}  // namespace quarrix::pad
