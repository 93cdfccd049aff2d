#include "tests/support/GlWindow.h"

#include <GL/gl.h>

#include <stdexcept>

#include "app/FatalError.h"

std::vector<std::string> GlWindow::arguments(int width, int height) {
    return {"-w", std::to_string(width), "-h", std::to_string(height), "-ns", "-nm"};
}

namespace {

// The tests' windows share one display, where the keyboard's focus wanders as
// other tests' windows come and go (a battle would pause at random), and the
// one real pointer crosses them (a button pressed by a test would be dragged
// off). Only the window system's own reports are dropped: events a test
// pushes still arrive.
int ignoreTheWindowSystem(const SDL_Event* event) {
    switch (event->type) {
        case SDL_ACTIVEEVENT:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return 0;
        default:
            return 1;
    }
}

}  // namespace

// gtest cannot print a FatalError; a failed start-up must say why.
GlWindow::GlWindow(int width, int height) try : application(arguments(width, height)) {
    application.initGraphics();
    SDL_SetEventFilter(ignoreTheWindowSystem);
} catch (const FatalError& error) {
    throw std::runtime_error("the game window did not open: " + error.message);
}

void GlWindow::clear() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

std::vector<unsigned char> GlWindow::readPixels() const {
    std::vector<unsigned char> pixels(static_cast<size_t>(application.width) * application.height *
                                      4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, application.width, application.height, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixels.data());
    return pixels;
}

std::vector<unsigned char> GlWindow::pixel(int x, int y) const {
    std::vector<unsigned char> rgba(4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

std::vector<unsigned char> GlWindow::region(int x0, int y0, int x1, int y1) const {
    const std::vector<unsigned char> all = readPixels();
    std::vector<unsigned char> part;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const size_t at = (static_cast<size_t>(y) * application.width + x) * 4;
            part.insert(part.end(), all.begin() + at, all.begin() + at + 4);
        }
    }
    return part;
}
