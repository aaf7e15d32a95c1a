#include "SdlLibrary.h"

#include <dlfcn.h>

namespace quarrix::pad {

namespace {
template <class Function>
bool find(void* library, const char* name, Function*& function)
{
    function = reinterpret_cast<Function*>(::dlsym(library, name));
    return function != nullptr;
}
}  // namespace

bool SdlLibrary::load()
{
    // Never unloaded: SDL may keep threads and handlers of its own until the program ends.
    void* library = ::dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    return library != nullptr && find(library, "SDL_SetMainReady", setMainReady) &&
           find(library, "SDL_SetHint", setHint) && find(library, "SDL_InitSubSystem", initSubSystem) &&
           find(library, "SDL_QuitSubSystem", quitSubSystem) && find(library, "SDL_PollEvent", pollEvent) &&
           find(library, "SDL_GameControllerOpen", open) && find(library, "SDL_GameControllerGetJoystick", joystick) &&
           find(library, "SDL_JoystickInstanceID", instanceId) &&
           find(library, "SDL_GameControllerFromInstanceID", fromInstanceId) &&
           find(library, "SDL_GameControllerClose", close);
}

}  // namespace quarrix::pad
