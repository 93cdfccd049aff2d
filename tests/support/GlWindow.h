#ifndef TRUCEWARD_TESTS_SUPPORT_GLWINDOW_H
#define TRUCEWARD_TESTS_SUPPORT_GLWINDOW_H

#include <string>
#include <vector>

#include "app/Application.h"

// A real game window of the given size (silent) with the render state of the
// main loop, for tests that draw and read the pixels back. Needs a display.
// OpenGL objects do not survive the window, so use one per test process.
class GlWindow {
  public:
    GlWindow(int width, int height);

    // Clears to white and resets the model-view matrix, as every frame starts.
    void clear();
    // The back buffer as RGBA bytes, bottom row first (OpenGL's order).
    std::vector<unsigned char> readPixels() const;
    // RGBA bytes of the window rectangle [x0, x1) x [y0, y1), bottom row first.
    std::vector<unsigned char> region(int x0, int y0, int x1, int y1) const;
    // RGBA of one window pixel, x from the left, y from the bottom.
    std::vector<unsigned char> pixel(int x, int y) const;

    static std::vector<std::string> arguments(int width, int height);

    Application application;
};

#endif
