#include "app/SdlStart.h"

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "app/FatalError.h"

namespace {

// Without a display, SDL on top of SDL 2 quietly falls back to a driver that
// draws nowhere, and the game would run unseen with no way to quit it. Unless
// such a driver was asked for by name, that counts as no video device, as it
// does with the classic SDL 1.2.
bool onlyInvisibleVideo() {
    char name[32] = {};
    if (SDL_VideoDriverName(name, sizeof name) == nullptr) {
        return false;
    }
    const std::string driver = name;
    if (driver != "offscreen" && driver != "dummy") {
        return false;
    }
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return requested == nullptr || driver != requested;
}

bool displayNamed() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && x11[0] != '\0') || (wayland != nullptr && wayland[0] != '\0');
}

// SDL with timer, video and joystick, on a video driver that shows something.
// A display that is named but does not answer in time makes SDL fall back as
// if there were none; one more try after a moment tells a busy display from
// a missing one.
void initialiseSdl() {
    constexpr Uint32 kSystems = SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_JOYSTICK;
    constexpr Uint32 kDisplayRetryDelayMs = 250;
    for (int attempt = 1;; ++attempt) {
        if (SDL_Init(kSystems) < 0) {
            throw FatalError(std::string("Could not initialise SDL: ") + SDL_GetError());
        }
        if (!onlyInvisibleVideo()) {
            return;
        }
        SDL_Quit();
        if (attempt > 1 || !displayNamed()) {
            throw FatalError("Could not initialise SDL: No available video device");
        }
        SDL_Delay(kDisplayRetryDelayMs);
    }
}

// sdl12-compat draws an OpenGL window into a framebuffer of its own and
// copies that into the window every frame, so that it can show a video mode
// smaller than the window, scaled up and blurred. The game always sets the
// window's real size: without that framebuffer, the copy and two buffers of
// the window's size are saved. Not when multisampling is asked for: that
// framebuffer then carries the samples (or goes quietly without them), where
// a display without visuals for them would refuse the window, and after such
// a refusal sdl12-compat refuses the plain one too. It must be said before
// SDL starts; a setting of the player's own stands.
void drawStraightToTheWindow(bool multisample) {
    if (!multisample) {
        setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
    }
}

}  // namespace

void startSdl(bool multisample) {
    drawStraightToTheWindow(multisample);
    initialiseSdl();
}
