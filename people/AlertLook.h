#ifndef TRUCEWARD_PEOPLE_ALERTLOOK_H
#define TRUCEWARD_PEOPLE_ALERTLOOK_H

#include "graphics/ImageDrawer.h"

// How a person's alert circle looks, one look for each thing the circle
// tells: a colour (red, green, blue, alpha) and a ring of its own shape, so
// that the three are told apart also by those who cannot tell red from yellow.
struct AlertLook {
    float red;
    float green;
    float blue;
    float alpha;
    ImageDrawer::ImageType ring;

    // In a bullet's line of fire: a gun sight.
    static const AlertLook kThreat;
    // A fighter laid down its arms: a broken ring.
    static const AlertLook kLaidDownArms;
    // Somebody turned peace keeper: a double ring.
    static const AlertLook kPeaceKeeper;
};

inline constexpr AlertLook AlertLook::kThreat = {1.0f, 0.0f, 0.0f, 1.0f,
                                                 ImageDrawer::ImageAlertCircle};
inline constexpr AlertLook AlertLook::kLaidDownArms = {1.0f, 1.0f, 0.0f, 1.0f,
                                                       ImageDrawer::ImageAlertLaidDown};
inline constexpr AlertLook AlertLook::kPeaceKeeper = {0.5f, 0.5f, 1.0f, 1.0f,
                                                      ImageDrawer::ImageAlertPeaceKeeper};

#endif
