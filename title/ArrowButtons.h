#ifndef TRUCEWARD_TITLE_ARROWBUTTONS_H
#define TRUCEWARD_TITLE_ARROWBUTTONS_H

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "title/ArrowRepeat.h"

class Button;
class ButtonListener;

// Pairs of arrow buttons that step a menu item's value: a click steps once,
// and a button held down repeats (see ArrowRepeat) until it is let go, whose
// release is then no further step.
class ArrowButtons {
  public:
    // Steps `item` by -1 or +1.
    using Step = std::function<void(int item, int step)>;

    explicit ArrowButtons(Step step) : step(std::move(step)) {}

    // Makes an arrow button, pointing left for `direction` -1 and right for
    // +1, that steps `item` so; `size` square with its lower-left corner at
    // logical (x, y), heard by `listener`, which must hand its clicks to
    // clicked(). The caller owns the button.
    Button* add(float x, float y, float size, int item, int direction, ButtonListener* listener);
    // Takes the click when it is one of the arrows'.
    bool clicked(const Button* button);
    // Follows the arrow held down and takes the repeated steps due by `now`.
    void follow(std::uint32_t now);
    // Lets go of an arrow held down, without a click: for a screen that no
    // longer gets the mouse's release.
    void release();
    struct Arrow {
        Button* button;
        int item;
        int direction;
    };
    std::vector<Arrow> arrows;

  private:
    Step step;
    ArrowRepeat repeat;
};

#endif
