#pragma once

#include "PadEvent.h"

#include <optional>

namespace quarrix::pad {

// Where controller events come from; it opens and closes controllers as they come and go.
class PadSource {
public:
    virtual ~PadSource() = default;
    // False when controllers cannot be used here at all; the game then goes on without them.
    virtual bool start() = 0;
    // The next event waiting, if any.
    virtual std::optional<PadEvent> next() = 0;
    // Whether a controller is open, so that input has to be watched at a frame's pace.
    virtual bool anyOpen() const = 0;
};

}  // namespace quarrix::pad
