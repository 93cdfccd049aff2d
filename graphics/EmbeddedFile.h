#ifndef TRUCEWARD_GRAPHICS_EMBEDDEDFILE_H
#define TRUCEWARD_GRAPHICS_EMBEDDEDFILE_H

#include <SDL.h>

// A file compiled into the executable: its bytes and where its length is.
struct EmbeddedFile {
    const unsigned char* data;
    const unsigned int* length;

    // A read-only memory stream over the bytes.
    SDL_RWops* open() const { return SDL_RWFromConstMem(data, static_cast<int>(*length)); }
};

#endif
