#ifndef TRUCEWARD_BATTLE_FIELD_H
#define TRUCEWARD_BATTLE_FIELD_H

#include "graphics/Widget.h"

// Where things are on the battle field, in field units: the logical screen,
// 1024 across and 768 up from the lower-left corner. A person's position is
// the lower-left corner of its 64 x 64 sprite. Every rule of the battle and
// the people takes its places from here.
class Field {
  public:
    Field() = delete;

    static constexpr float kWidth = Widget::kLogicalWidth;
    static constexpr float kHeight = Widget::kLogicalHeight;

    // Everybody stands at heights from kBottom to kTop, so that the whole
    // sprite stays on the field.
    static constexpr float kBottom = 0.0f;
    static constexpr float kTop = 704.0f;

    // The civilians keep to a strip at either edge.
    static constexpr float kStripWidth = 160.0f;
    static constexpr float kLeftStripMin = 0.0f;
    static constexpr float kLeftStripMax = kLeftStripMin + kStripWidth;
    static constexpr float kRightStripMax = kWidth;
    static constexpr float kRightStripMin = kRightStripMax - kStripWidth;

    // The fighters walk to their side's firing line and along it.
    static constexpr float kLeftLine = 160.0f;
    static constexpr float kRightLine = 800.0f;

    // The x at which the bricks of each wall are drawn.
    static constexpr float kLeftWallX = 440.0f;
    static constexpr float kRightWallX = 520.0f;

    // The player's person and the peace keepers walk this line between the walls.
    static constexpr float kCentreLine = 480.0f;

    // A person's sprite, and the body inside it that a bullet hits.
    static constexpr float kSpriteSize = 64.0f;
    static constexpr float kBodyInsetX = 18.0f;
    static constexpr float kBodyInsetY = 9.0f;
    static constexpr float kBodyWidth = 28.0f;
    static constexpr float kBodyHeight = 41.0f;
};

#endif
