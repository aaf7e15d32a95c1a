#pragma once

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace quarrix::pad {

// SDL's calls the game makes, found in the library once the controllers are first looked for.
// Linked in, SDL and the many libraries it needs would be loaded before the window shows.
struct SdlLibrary {
    // Loads the library; false when it, or one of the calls, is missing.
    bool load();

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

}  // namespace quarrix::pad
