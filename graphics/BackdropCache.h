#ifndef TRUCEWARD_GRAPHICS_BACKDROPCACHE_H
#define TRUCEWARD_GRAPHICS_BACKDROPCACHE_H

#include <functional>

// A backdrop that looks the same in every frame, drawn once and then shown
// from a copy of the window taken right after: one unblended, unfiltered
// quad with a texel for every pixel, so the copy is exact. Drawn afresh when
// the window or the logical screen changes size. Owns its texture; needs the
// OpenGL context and a frame that starts cleared, with the model-view matrix
// the identity.
class BackdropCache {
  public:
    BackdropCache() = default;
    BackdropCache(const BackdropCache&) = delete;
    BackdropCache& operator=(const BackdropCache&) = delete;
    ~BackdropCache();

    // Puts the backdrop that `drawBackdrop` draws into the frame.
    void draw(const std::function<void()>& drawBackdrop);

  private:
    unsigned int texture = 0;
    int width = 0;
    int height = 0;
    int textureWidth = 0;
    int textureHeight = 0;
    float screenWidth = 0.0f;
    float screenHeight = 0.0f;
};

#endif
