#ifndef TRUCEWARD_APP_SYNTHETICKEY_H
#define TRUCEWARD_APP_SYNTHETICKEY_H

#include <SDL.h>

#include <cstring>

// A key record as the game makes one up for a pad or a stick: the symbol
// alone, with no scan code, modifiers or character.
inline SDL_keysym syntheticKey(SDLKey sym) {
    SDL_keysym key;
    std::memset(&key, 0, sizeof key);
    key.sym = sym;
    return key;
}

#endif
