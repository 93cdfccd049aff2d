#include "title/MenuFocus.h"

#include <utility>

namespace {

// ArrowRepeat tells its held arrows apart by index.
constexpr int kLessIndex = 0;
constexpr int kMoreIndex = 1;

int indexOf(int direction) {
    return direction < 0 ? kLessIndex : kMoreIndex;
}

}  // namespace

MenuFocus::Action MenuFocus::actionOfKey(const SDL_keysym& key) {
    switch (key.sym) {
        case SDLK_DOWN:
            return ActionForward;
        case SDLK_UP:
            return ActionBack;
        case SDLK_TAB:
            return (key.mod & KMOD_SHIFT) != 0 ? ActionBack : ActionForward;
        case SDLK_LEFT:
            return ActionLess;
        case SDLK_RIGHT:
            return ActionMore;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
        case SDLK_SPACE:
            return ActionPress;
        case SDLK_ESCAPE:
            return ActionLeave;
        default:
            return ActionNone;
    }
}

MenuFocus::Action MenuFocus::actionOfPad(PadButton button) {
    switch (button) {
        case PadA:
        case PadStart:
            return ActionPress;
        case PadB:
        case PadBack:
            return ActionLeave;
        default:
            return ActionNone;
    }
}

void MenuFocus::drawGlow(ImageDrawer::ImageType image, float inkLeft, float inkBottom) {
    ImageDrawer::getInstance()->drawImage(image, inkLeft - kGlowMargin, inkBottom - kGlowMargin,
                                          1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
}

MenuFocus::MenuFocus(int count, int first, Step step)
    : count(count), item(first), step(std::move(step)) {}

void MenuFocus::set(int newItem) {
    repeat.release();
    item = newItem;
}

void MenuFocus::forward() {
    set((item + 1) % count);
}

void MenuFocus::back() {
    set((item + count - 1) % count);
}

bool MenuFocus::take(Action action, std::uint32_t now) {
    switch (action) {
        case ActionForward:
            forward();
            return true;
        case ActionBack:
            back();
            return true;
        case ActionLess:
        case ActionMore: {
            const int direction = action == ActionLess ? -1 : 1;
            repeat.press(indexOf(direction), now);
            step(item, direction);
            return true;
        }
        default:
            return false;
    }
}

void MenuFocus::keyUp(const SDL_keysym& key) {
    const Action action = actionOfKey(key);
    if (action != ActionLess && action != ActionMore) {
        return;
    }
    // Of two directions held at once, the later one repeats; letting go of
    // the earlier one does not stop it.
    if (repeat.held() == indexOf(action == ActionLess ? -1 : 1)) {
        repeat.release();
    }
}

void MenuFocus::follow(std::uint32_t now) {
    const int held = repeat.held();
    if (held == ArrowRepeat::kNone) {
        return;
    }
    const int direction = held == kLessIndex ? -1 : 1;
    for (int due = repeat.stepsDue(now); due > 0; --due) {
        step(item, direction);
    }
}
