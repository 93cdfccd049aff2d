#include "graphics/WindowIcon.h"

#include <SDL.h>
#include <SDL_image.h>

#include <iostream>

#include "assets/Icons.h"
#include "graphics/EmbeddedFile.h"

namespace {
constexpr int kFreeSource = 1;
}  // namespace

void WindowIcon::install() {
    const EmbeddedFile file = {Icons::truceward_64_png, &Icons::truceward_64_png_len};
    SDL_Surface* icon = IMG_Load_RW(file.open(), kFreeSource);
    if (icon == nullptr) {
        std::cout << "Could not load the window icon" << std::endl;
        return;
    }
    // SDL copies the pixels (and, with no mask given, makes one from the
    // alpha channel), so the surface is ours to free at once.
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}
