#include "app/Gamepad.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "app/GameState.h"
#include "app/PadButton.h"
#include "app/SyntheticKey.h"

namespace {

constexpr Uint8 kHorizontalAxis = 0;
constexpr Uint8 kVerticalAxis = 1;
// The raw layout's two brick buttons; any other button is c.
constexpr Uint8 kRawLeftBrick = 0;
constexpr Uint8 kRawRightBrick = 1;
// sdl12-compat counts its versions on from here; the classic library ended
// at 1.2.15.
constexpr Uint8 kFirstCompatPatch = 50;

const char* const kLayoutOn = "1";
const char* const kLayoutOff = "0";

bool layoutAskedFor() {
    const char* value = std::getenv(Gamepad::kLayoutVariable);
    return value != nullptr && std::strcmp(value, kLayoutOn) == 0;
}

SDLKey dpadKey(Uint8 button) {
    switch (button) {
        case PadDpadUp:
            return SDLK_UP;
        case PadDpadDown:
            return SDLK_DOWN;
        case PadDpadLeft:
            return SDLK_LEFT;
        case PadDpadRight:
            return SDLK_RIGHT;
        default:
            return SDLK_UNKNOWN;
    }
}

}  // namespace

Gamepad::Gamepad() {
    if (std::getenv(kLayoutVariable) == nullptr) {
        setenv(kLayoutVariable, kLayoutOn, 1);
        layoutOurs = true;
    }
}

Gamepad::~Gamepad() {
    close();
}

void Gamepad::open() {
    compat = SDL_Linked_Version()->patch >= kFirstCompatPatch;
    if (SDL_NumJoysticks() == 0 && compat && layoutOurs && layoutAskedFor()) {
        // Only pads with a mapping show in the controller layout.
        setenv(kLayoutVariable, kLayoutOff, 1);
        restartSubsystem();
    }
    if (SDL_NumJoysticks() > 0) {
        joystick = SDL_JoystickOpen(0);
        SDL_JoystickEventState(SDL_ENABLE);
    }
    controllerLayout = joystick != nullptr && compat && layoutAskedFor();
    // A pad just found needs no second look until it falls quiet again.
    lookedWhileQuiet = joystick != nullptr;
}

void Gamepad::close() {
    if (joystick != nullptr) {
        SDL_JoystickClose(joystick);
        joystick = nullptr;
    }
    controllerLayout = false;
}

void Gamepad::restartSubsystem() {
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
}

void Gamepad::look(GameState& state) {
    releaseAll(state);
    close();
    if (layoutOurs) {
        setenv(kLayoutVariable, kLayoutOn, 1);
    }
    restartSubsystem();
    open();
}

void Gamepad::lookWhileQuiet(GameState& state, std::uint32_t now) {
    if (!state.mayRestartPads()) {
        lastLook = now;
        inputSeen(now);
        return;
    }
    const bool due = joystick == nullptr ? now - lastLook >= kLookEveryMs
                                         : !lookedWhileQuiet && now - quietSince >= kLookEveryMs &&
                                               !holdsAnything();
    if (due) {
        look(state);
        lastLook = now;
        lookedWhileQuiet = true;
    }
}

void Gamepad::inputSeen(std::uint32_t now) {
    quietSince = now;
    lookedWhileQuiet = false;
}

void Gamepad::handleEvent(const SDL_Event& event, GameState& state, std::uint32_t now) {
    switch (event.type) {
        case SDL_JOYAXISMOTION:
            moveStick(event.jaxis, state);
            break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            pressButton(event.jbutton.button, event.type == SDL_JOYBUTTONDOWN, state);
            break;
        default:
            return;
    }
    inputSeen(now);
}

bool Gamepad::axisOf(Uint8 number, Axis& axis) {
    if (number == kHorizontalAxis) {
        axis = {&leftHeld, &rightHeld, SDLK_LEFT, SDLK_RIGHT};
        return true;
    }
    if (number == kVerticalAxis) {
        axis = {&upHeld, &downHeld, SDLK_UP, SDLK_DOWN};
        return true;
    }
    return false;
}

void Gamepad::moveStick(const SDL_JoyAxisEvent& motion, GameState& state) {
    Axis axis{};
    if (!axisOf(motion.axis, axis)) {
        return;
    }
    const int value = motion.value;
    // A half already held stays held until the stick comes back within the
    // release limit; the other half then needs the full push.
    const bool low = *axis.lowHeld ? value < -kStickRelease : value < -kStickPush;
    const bool high = *axis.highHeld ? value > kStickRelease : value > kStickPush;
    // Let go first, so that a reversal never ends the walk it starts.
    if (!low) {
        hold(axis.lowHeld, axis.lowKey, false, state);
    }
    if (!high) {
        hold(axis.highHeld, axis.highKey, false, state);
    }
    // The battle ignores a press while paused: a stick held through the pause
    // walks again as soon as it moves.
    const bool again = !state.isMenu();
    if (low && (again || !*axis.lowHeld)) {
        *axis.lowHeld = true;
        state.keyDown(syntheticKey(axis.lowKey));
    }
    if (high && (again || !*axis.highHeld)) {
        *axis.highHeld = true;
        state.keyDown(syntheticKey(axis.highKey));
    }
}

bool Gamepad::holdsAnything() const {
    if (upHeld || downHeld || leftHeld || rightHeld) {
        return true;
    }
    if (joystick == nullptr) {
        return false;
    }
    for (int button = 0; button < SDL_JoystickNumButtons(joystick); ++button) {
        if (SDL_JoystickGetButton(joystick, button) != 0) {
            return true;
        }
    }
    for (int hat = 0; hat < SDL_JoystickNumHats(joystick); ++hat) {
        if (SDL_JoystickGetHat(joystick, hat) != SDL_HAT_CENTERED) {
            return true;
        }
    }
    return false;
}

void Gamepad::hold(bool* held, SDLKey key, bool down, GameState& state) {
    if (*held == down) {
        return;
    }
    *held = down;
    if (down) {
        state.keyDown(syntheticKey(key));
    } else {
        state.keyUp(syntheticKey(key));
    }
}

void Gamepad::pressButton(Uint8 button, bool down, GameState& state) {
    if (!controllerLayout) {
        // The raw layout knows presses only.
        if (down) {
            state.keyDown(syntheticKey(button == kRawLeftBrick    ? SDLK_z
                                       : button == kRawRightBrick ? SDLK_x
                                                                  : SDLK_c));
        }
        return;
    }
    const SDLKey arrow = dpadKey(button);
    if (arrow == SDLK_UNKNOWN) {
        state.padButton(static_cast<PadButton>(button), down);
    } else {
        hold(&dpadHeld[button - PadDpadUp], arrow, down, state);
    }
}

void Gamepad::releaseAll(GameState& state) {
    // What the pad holds through a restart would otherwise stay down for
    // good; what the keyboard holds is not the pad's to let go.
    hold(&upHeld, SDLK_UP, false, state);
    hold(&downHeld, SDLK_DOWN, false, state);
    hold(&leftHeld, SDLK_LEFT, false, state);
    hold(&rightHeld, SDLK_RIGHT, false, state);
    for (int button = PadDpadUp; button < PadDpadUp + kDpadButtons; ++button) {
        hold(&dpadHeld[button - PadDpadUp], dpadKey(static_cast<Uint8>(button)), false, state);
    }
}

void Gamepad::forgetHeld() {
    upHeld = false;
    downHeld = false;
    leftHeld = false;
    rightHeld = false;
    std::fill(std::begin(dpadHeld), std::end(dpadHeld), false);
}
