#pragma once

#include "PadSource.h"

#include <cstdint>
#include <memory>
#include <vector>

union SDL_Event;

namespace quarrix::pad {

struct SdlLibrary;

// Controllers through SDL's game-controller subsystem alone (no SDL window or video): its built-in
// database maps the common pads to one layout. Controllers are opened as they are plugged in.
class SdlPadSource final : public PadSource {
public:
    SdlPadSource();
    ~SdlPadSource() override;
    SdlPadSource(const SdlPadSource&) = delete;
    SdlPadSource& operator=(const SdlPadSource&) = delete;

    bool start() override;
    std::optional<PadEvent> next() override;
    bool anyOpen() const override { return !open_.empty(); }

private:
    std::optional<PadEvent> translate(const SDL_Event& event);
    void open(int deviceIndex);
    void close(std::int32_t instance);

    std::unique_ptr<SdlLibrary> sdl_;
    bool started_ = false;
    std::vector<std::int32_t> open_;  // SDL's instance ids of the open controllers
};

}  // namespace quarrix::pad
