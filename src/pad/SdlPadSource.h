#pragma once

#include "PadRules.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

union SDL_Event;

namespace quarrix::pad {

struct SdlLibrary;

// Controllers through SDL's game-controller subsystem alone (no SDL window or video): its built-in
// database maps the common pads to one layout. Controllers are opened as they are plugged in.
class SdlPadSource final {
public:
    SdlPadSource();
    ~SdlPadSource();
    SdlPadSource(const SdlPadSource&) = delete;
    SdlPadSource& operator=(const SdlPadSource&) = delete;

    // Loads SDL and starts its subsystem; false when controllers cannot be used here at all.
    bool start();
    // The next event waiting, if any.
    std::optional<PadEvent> next();
    // Whether a controller is open, so that input has to be watched at a frame's pace.
    bool anyOpen() const { return !open_.empty(); }

private:
    std::optional<PadEvent> translate(const SDL_Event& event);
    void open(int deviceIndex);
    void close(std::int32_t instance);

    std::unique_ptr<SdlLibrary> sdl_;
    bool started_ = false;
    std::vector<std::int32_t> open_;  // SDL's instance ids of the open controllers
};

}  // namespace quarrix::pad
