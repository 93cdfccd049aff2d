#ifndef TRUCEWARD_PEOPLE_ALERTCOLOUR_H
#define TRUCEWARD_PEOPLE_ALERTCOLOUR_H

// The colour of a person's alert circle (red, green, blue, alpha), one for
// each thing the circle tells.
struct AlertColour {
    float red;
    float green;
    float blue;
    float alpha;

    // In a bullet's line of fire.
    static const AlertColour kThreat;
    // A fighter laid down its arms.
    static const AlertColour kLaidDownArms;
    // Somebody turned peace keeper.
    static const AlertColour kPeaceKeeper;
};

inline constexpr AlertColour AlertColour::kThreat = {1.0f, 0.0f, 0.0f, 1.0f};
inline constexpr AlertColour AlertColour::kLaidDownArms = {1.0f, 1.0f, 0.0f, 1.0f};
inline constexpr AlertColour AlertColour::kPeaceKeeper = {0.5f, 0.5f, 1.0f, 1.0f};

#endif
