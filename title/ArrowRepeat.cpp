#include "title/ArrowRepeat.h"

void ArrowRepeat::press(int newArrow, std::uint32_t now) {
    arrow = newArrow;
    pressedAt = now;
    stepsTaken = 0;
}

void ArrowRepeat::release() {
    arrow = kNone;
    stepsTaken = 0;
}

int ArrowRepeat::stepsDue(std::uint32_t now) {
    const std::uint32_t heldFor = now - pressedAt;
    if (arrow == kNone || heldFor < kDelayMs) {
        return 0;
    }
    const int dueSincePress = 1 + static_cast<int>((heldFor - kDelayMs) / kPeriodMs);
    const int due = dueSincePress - stepsTaken;
    stepsTaken = dueSincePress;
    return due;
}
