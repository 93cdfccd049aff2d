#ifndef TRUCEWARD_TITLE_MENUFOCUS_H
#define TRUCEWARD_TITLE_MENUFOCUS_H

#include <SDL.h>

#include <cstdint>

#include "app/PadButton.h"
#include "graphics/ImageDrawer.h"
#include "title/ArrowRepeat.h"

// Where the keyboard and the pad are on a menu: one of `count` items, in
// reading order. Forward and back wrap around at the ends. Left or Right held
// on an item steps it at once and then repeats as a held arrow button does
// (ArrowRepeat). The pointer has no part in it: pointing never moves it.
class MenuFocus {
  public:
    // What a key or a pad button asks of a menu.
    enum Action {
        ActionNone,
        ActionForward,
        ActionBack,
        ActionLess,
        ActionMore,
        ActionPress,
        ActionLeave,
    };
    // Down and Tab go forward, Up and Shift+Tab back; Left and Right are less
    // and more; Return, keypad Enter and Space press; Escape leaves.
    static Action actionOfKey(const SDL_keysym& key);
    // A and Start press; B and Back leave. The D-pad comes as arrow keys.
    static Action actionOfPad(PadButton button);

    // Every focus image is a glow around a box of ink, reaching this many
    // logical units beyond it on each side.
    static constexpr float kGlowMargin = 16.0f;
    // Draws the glow `image` around the ink whose lower-left corner is at
    // logical (inkLeft, inkBottom).
    static void drawGlow(ImageDrawer::ImageType image, float inkLeft, float inkBottom);

    MenuFocus(int count, int first);

    int current() const { return item; }
    void set(int newItem);
    void forward();
    void back();

    // Less (-1) or more (+1) went down at `now`: the step to take at once.
    int pressStep(int direction, std::uint32_t now);
    // A key of that direction came up.
    void releaseStep(int direction);
    // The repeated steps due up to `now` while a direction is held, signed
    // with its direction.
    int stepsDue(std::uint32_t now);

  private:
    int count;
    int item;
    // The direction held (ArrowRepeat's "arrow": 0 less, 1 more), or none.
    ArrowRepeat repeat;
};

#endif
