#ifndef TRUCEWARD_TITLE_MENUFOCUS_H
#define TRUCEWARD_TITLE_MENUFOCUS_H

#include <SDL.h>

#include <cstdint>
#include <functional>

#include "app/PadButton.h"
#include "graphics/ImageDrawer.h"
#include "title/ArrowRepeat.h"

// Where the keyboard and the pad are on a menu: one of `count` items, in
// reading order. Forward and back wrap around at the ends. Less or more on an
// item steps it at once and, held, repeats as a held arrow button does
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

    // Steps `item` by -1 or +1; an item that has no value to step ignores it.
    using Step = std::function<void(int item, int step)>;

    MenuFocus(int count, int first, Step step);

    int current() const { return item; }
    void set(int newItem);
    void forward();
    void back();

    // Takes what is the focus's own: forward and back move it, less and more
    // step the item at `now` and start the repeat. Whether it took the action.
    bool take(Action action, std::uint32_t now);
    // A key came up: the end of a held less or more.
    void keyUp(const SDL_keysym& key);
    // Takes the repeated steps due up to `now` while less or more is held.
    void follow(std::uint32_t now);
    // Ends a held less or more without its key coming up: for a screen that
    // no longer gets the release.
    void release() { repeat.release(); }

  private:
    int count;
    int item;
    Step step;
    // The direction held (ArrowRepeat's "arrow": 0 less, 1 more), or none.
    ArrowRepeat repeat;
};

#endif
