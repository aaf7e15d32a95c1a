#include "SdlPadSource.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>

namespace quarrix::pad {

// SDL's calls the game makes, found in the library once the controllers are first looked for.
// Linked in, SDL and the many libraries it needs would be loaded before the window shows.
struct SdlLibrary {
    decltype(&SDL_SetMainReady) setMainReady = nullptr;
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_PollEvent) pollEvent = nullptr;
    decltype(&SDL_GameControllerOpen) open = nullptr;
    decltype(&SDL_GameControllerGetJoystick) joystick = nullptr;
    decltype(&SDL_JoystickInstanceID) instanceId = nullptr;
    decltype(&SDL_GameControllerFromInstanceID) fromInstanceId = nullptr;
    decltype(&SDL_GameControllerClose) close = nullptr;
};

namespace {
template <class Function>
bool find(void* library, const char* name, Function*& function)
{
    function = reinterpret_cast<Function*>(::dlsym(library, name));
    return function != nullptr;
}

// Loads the library; false when it, or one of the calls, is missing.
bool load(SdlLibrary& sdl)
{
    // Never unloaded: SDL may keep threads and handlers of its own until the program ends.
    void* library = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    return library != nullptr && find(library, "SDL_SetMainReady", sdl.setMainReady) &&
           find(library, "SDL_SetHint", sdl.setHint) && find(library, "SDL_InitSubSystem", sdl.initSubSystem) &&
           find(library, "SDL_QuitSubSystem", sdl.quitSubSystem) && find(library, "SDL_PollEvent", sdl.pollEvent) &&
           find(library, "SDL_GameControllerOpen", sdl.open) &&
           find(library, "SDL_GameControllerGetJoystick", sdl.joystick) &&
           find(library, "SDL_JoystickInstanceID", sdl.instanceId) &&
           find(library, "SDL_GameControllerFromInstanceID", sdl.fromInstanceId) &&
           find(library, "SDL_GameControllerClose", sdl.close);
}

std::optional<PadSwitch> switchFor(std::uint8_t button)
{
    switch (button) {
    case SDL_CONTROLLER_BUTTON_A: return PadSwitch::A;
    case SDL_CONTROLLER_BUTTON_B: return PadSwitch::B;
    case SDL_CONTROLLER_BUTTON_START: return PadSwitch::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PadSwitch::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PadSwitch::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PadSwitch::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PadSwitch::DpadRight;
    default: return std::nullopt;
    }
}

std::optional<PadEvent> buttonEvent(const SDL_ControllerButtonEvent& event)
{
    const auto which = switchFor(event.button);
    if (!which) {
        return std::nullopt;
    }
    const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
    return PadEvent{down ? PadEvent::Kind::ButtonDown : PadEvent::Kind::ButtonUp, *which};
}

std::optional<PadEvent> axisEvent(const SDL_ControllerAxisEvent& event)
{
    if (event.axis != SDL_CONTROLLER_AXIS_LEFTX && event.axis != SDL_CONTROLLER_AXIS_LEFTY) {
        return std::nullopt;
    }
    const PadAxis axis = event.axis == SDL_CONTROLLER_AXIS_LEFTX ? PadAxis::LeftX : PadAxis::LeftY;
    return PadEvent{PadEvent::Kind::AxisMotion, PadSwitch::A, axis, event.value};
}
}  // namespace

SdlPadSource::SdlPadSource() : sdl_(std::make_unique<SdlLibrary>()) {}

SdlPadSource::~SdlPadSource()
{
    while (!open_.empty()) {
        close(open_.back());
    }
    if (started_) {
        sdl_->quitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

bool SdlPadSource::start()
{
    if (!load(*sdl_)) {
        return false;
    }
    sdl_->setMainReady();
    // Ctrl+C and the window manager's close must end the game as before, not become SDL events.
    sdl_->setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // SDL has no window to judge focus by; the game's own windows decide whether a press counts.
    sdl_->setHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    started_ = sdl_->initSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return started_;
}

std::optional<PadEvent> SdlPadSource::next()
{
    SDL_Event event;
    while (started_ && sdl_->pollEvent(&event) == 1) {
        if (auto pad = translate(event)) {
            return pad;
        }
    }
    return std::nullopt;
}

std::optional<PadEvent> SdlPadSource::translate(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: open(event.cdevice.which); return std::nullopt;
    case SDL_CONTROLLERDEVICEREMOVED: close(event.cdevice.which); return std::nullopt;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: return buttonEvent(event.cbutton);
    case SDL_CONTROLLERAXISMOTION: return axisEvent(event.caxis);
    default: return std::nullopt;
    }
}

void SdlPadSource::open(int deviceIndex)
{
    if (SDL_GameController* pad = sdl_->open(deviceIndex)) {
        const SDL_JoystickID instance = sdl_->instanceId(sdl_->joystick(pad));
        if (std::ranges::find(open_, instance) == open_.end()) {
            open_.push_back(instance);
        } else {
            sdl_->close(pad);  // already open: keep one reference, not two
        }
    }
}

void SdlPadSource::close(std::int32_t instance)
{
    const auto found = std::ranges::find(open_, instance);
    if (found != open_.end()) {
        sdl_->close(sdl_->fromInstanceId(instance));
        open_.erase(found);
    }
}

}  // namespace quarrix::pad
