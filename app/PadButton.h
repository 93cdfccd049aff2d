#ifndef TRUCEWARD_APP_PADBUTTON_H
#define TRUCEWARD_APP_PADBUTTON_H

// The buttons of a pad in the game-controller layout, as the SDL 1.2 API on
// sdl12-compat numbers them once asked for that layout: the same numbers for
// every pad SDL knows, whatever its make.
enum PadButton {
    PadA = 0,
    PadB = 1,
    PadX = 2,
    PadY = 3,
    PadBack = 4,
    PadGuide = 5,
    PadStart = 6,
    PadLeftStick = 7,
    PadRightStick = 8,
    PadLeftShoulder = 9,
    PadRightShoulder = 10,
    PadDpadUp = 11,
    PadDpadDown = 12,
    PadDpadLeft = 13,
    PadDpadRight = 14,
};

#endif
