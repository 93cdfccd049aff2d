// Preloaded into the game (LD_PRELOAD) to give it a game controller that the
// test presses. The SDL 1.2 API the game uses runs on SDL 2 (sdl12-compat),
// and SDL 2 can attach a virtual controller: this does so just before the
// game's first SDL_Init, or PAD_LATE seconds after it (a pad plugged in
// later), then plays the lines of the FIFO named by PAD_FIFO, each written
// by the test in one go:
//   b N 1 / b N 0   press / release button N (A 0, B 1, Back 4, Start 6,
//                   D-pad 11 up, 12 down, 13 left, 14 right)
//   a N V           set axis N to V (-32768..32767)
//   w MS 0          wait MS milliseconds
// A press and its release need a wait of a frame or more between them: SDL
// reads a virtual pad when the game polls.
#include <SDL2/SDL.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

void* sdl2 = nullptr;
SDL_Joystick* pad = nullptr;

template <typename Function>
Function find(const char* name) {
    return reinterpret_cast<Function>(dlsym(sdl2, name));
}

void pauseFor(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void attach() {
    SDL_VirtualJoystickDesc description;
    std::memset(&description, 0, sizeof description);
    description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    description.naxes = SDL_CONTROLLER_AXIS_MAX;
    description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    description.name = "Truceward test pad";
    const int index =
        find<int (*)(const SDL_VirtualJoystickDesc*)>("SDL_JoystickAttachVirtualEx")(&description);
    // Held open here, so that the game's restarts of its joystick subsystem
    // find the same pad again.
    pad = find<SDL_Joystick* (*)(int)>("SDL_JoystickOpen")(index);
    std::fprintf(stderr, "virtual pad: attached as device %d\n", index);
}

void play() {
    const char* late = std::getenv("PAD_LATE");
    if (late != nullptr) {
        pauseFor(static_cast<int>(std::atof(late) * 1000));
        attach();
    }
    const char* fifo = std::getenv("PAD_FIFO");
    if (fifo == nullptr) {
        return;
    }
    const auto button = find<int (*)(SDL_Joystick*, int, Uint8)>("SDL_JoystickSetVirtualButton");
    const auto axis = find<int (*)(SDL_Joystick*, int, Sint16)>("SDL_JoystickSetVirtualAxis");
    for (;;) {
        std::FILE* lines = std::fopen(fifo, "r");
        if (lines == nullptr) {
            return;
        }
        char kind = 0;
        int number = 0;
        int value = 0;
        while (std::fscanf(lines, " %c %d %d", &kind, &number, &value) == 3) {
            if (kind == 'b') {
                button(pad, number, static_cast<Uint8>(value));
            } else if (kind == 'a') {
                axis(pad, number, static_cast<Sint16>(value));
            } else if (kind == 'w') {
                pauseFor(number);
            }
        }
        std::fclose(lines);
    }
}

}  // namespace

extern "C" int SDL_Init(Uint32 flags) {
    static const auto real = reinterpret_cast<int (*)(Uint32)>(dlsym(RTLD_NEXT, "SDL_Init"));
    static bool started = false;
    if (!started) {
        started = true;
        sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_NOW);
        if (sdl2 != nullptr) {
            find<int (*)(Uint32)>("SDL_InitSubSystem")(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
            if (std::getenv("PAD_LATE") == nullptr) {
                attach();
            }
            std::thread(play).detach();
        } else {
            std::fprintf(stderr, "virtual pad: no SDL 2 underneath\n");
        }
    }
    return real(flags);
}
