#ifndef TRUCEWARD_APP_GAMEPAD_H
#define TRUCEWARD_APP_GAMEPAD_H

#include <SDL.h>

#include <cstdint>

class GameState;

// The first joystick or pad, and the translation of its events into what the
// screens understand.
//
// On sdl12-compat (the SDL 1.2 API on SDL 2) the game asks for the
// game-controller layout, in which every pad SDL knows numbers its buttons
// alike (see PadButton). A pad without a mapping is hidden in that layout, so
// when none shows up the joystick subsystem is started again without it; such
// a pad, and every pad under the classic SDL 1.2 library, keeps the raw
// mapping: axes 0 and 1 are the arrow keys, button 0 is z, button 1 x and any
// other button c.
//
// In the controller layout the D-pad gives arrow keys, pressed and released,
// and every other button reaches the screen as itself (padButton). Axes 0 and
// 1 are the arrow keys in both layouts, with one dead zone for menus and the
// battle: a push counts beyond a quarter of the way and ends back within
// three sixteenths, so that a worn stick resting off centre neither walks nor
// flickers. A menu gets one press per push, held until the stick comes back
// (see GameState::isMenu); in the battle every motion of a pushed stick
// presses again.
//
// SDL 1.2 reports no pad plugged in or pulled out; a new pad is only found by
// restarting the joystick subsystem, which look() does, never during play and
// never while the pad holds anything down.
class Gamepad {
  public:
    // Names the variable with which sdl12-compat is asked for its layout.
    static constexpr const char* kLayoutVariable = "SDL12COMPAT_USE_GAME_CONTROLLERS";
    // A push of the stick counts beyond this (a quarter of the way, as
    // controllers' usual dead zone) and ends back within kStickRelease.
    static constexpr Sint16 kStickPush = 8192;
    static constexpr Sint16 kStickRelease = 6144;
    // How long the pad must have been quiet before the subsystem is restarted.
    static constexpr std::uint32_t kLookEveryMs = 2000;

    // Asks for the controller layout unless the user has set the variable;
    // must come before SDL starts its joystick subsystem.
    Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;
    ~Gamepad();

    // Opens the first pad, once SDL's joystick subsystem runs; falls back to
    // the raw layout when the controller layout shows no pad.
    void open();
    // Closes the pad, if one is open.
    void close();
    // Restarts the joystick subsystem and opens the first pad, releasing every
    // direction held towards `state`.
    void look(GameState& state);
    // Once a frame: while `state` allows it (a menu, a paused battle), looks
    // for a pad every 2 s while none is open, and once after 2 s without
    // input while one is: SDL 1.2 keeps a pad that was pulled out open, so a
    // pad plugged in again is found only so. A held button or stick sends
    // nothing, yet is no quiet: the pad is not looked for while it holds one.
    void lookWhileQuiet(GameState& state, std::uint32_t now);
    // Input came, from the pad or anywhere else: the quiet starts again.
    void inputSeen(std::uint32_t now);

    // Translates a joystick event for `state`; other events are ignored.
    void handleEvent(const SDL_Event& event, GameState& state, std::uint32_t now);
    // Forgets every direction held, without telling anybody: for a new screen.
    void forgetHeld();

    SDL_Joystick* joystick = nullptr;
    // Whether the open pad reports the controller layout.
    bool controllerLayout = false;
    // Which arrow key each half of the stick holds down.
    bool upHeld = false;
    bool downHeld = false;
    bool leftHeld = false;
    bool rightHeld = false;

  private:
    // The arrow keys of one axis and which of them is held.
    struct Axis {
        bool* lowHeld;
        bool* highHeld;
        SDLKey lowKey;
        SDLKey highKey;
    };
    bool axisOf(Uint8 number, Axis& axis);
    void moveStick(const SDL_JoyAxisEvent& motion, GameState& state);
    // Whether the open pad holds a button, the hat or the stick.
    bool holdsAnything() const;
    void pressButton(Uint8 button, bool down, GameState& state);
    // Holds or lets go of an arrow key, telling the state of a change only.
    void hold(bool* held, SDLKey key, bool down, GameState& state);
    void restartSubsystem();
    void releaseAll(GameState& state);

    // Which arrow key the D-pad holds down, by button from PadDpadUp on.
    static constexpr int kDpadButtons = 4;
    bool dpadHeld[kDpadButtons] = {};
    // Whether the layout variable is the game's own choice to change.
    bool layoutOurs = false;
    // sdl12-compat honours the layout variable; the classic library does not.
    bool compat = false;
    // When input last came, whether the pad was looked for since, and when
    // it was last looked for (or looking was last held back).
    std::uint32_t quietSince = 0;
    bool lookedWhileQuiet = false;
    std::uint32_t lastLook = 0;
};

#endif
