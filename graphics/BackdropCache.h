#ifndef TRUCEWARD_GRAPHICS_BACKDROPCACHE_H
#define TRUCEWARD_GRAPHICS_BACKDROPCACHE_H

#include <functional>

// A backdrop that looks the same in every frame, drawn once and then shown
// from a copy of the picture's area of the window (the viewport) taken right
// after: one unblended, unfiltered quad with a texel for every pixel, so the
// copy is exact. Drawn afresh when the picture or the logical screen changes
// size, or when the OpenGL context has been made anew (GlContext). Owns its
// texture; needs the OpenGL context and a frame that starts cleared, with the
// model-view matrix the identity.
class BackdropCache {
  public:
    BackdropCache() = default;
    BackdropCache(const BackdropCache&) = delete;
    BackdropCache& operator=(const BackdropCache&) = delete;
    ~BackdropCache();

    // Puts the backdrop that `drawBackdrop` draws into the frame. When it is
    // drawn afresh to be copied, `letGo` is called as soon as it is in the
    // frame, before the copy takes its memory: what it was drawn from is not
    // needed until the backdrop has to be drawn afresh again.
    void draw(const std::function<void()>& drawBackdrop, const std::function<void()>& letGo);

  private:
    unsigned int texture = 0;
    // The context the texture was made in.
    unsigned int generation = 0;
    int width = 0;
    int height = 0;
    int textureWidth = 0;
    int textureHeight = 0;
    float screenWidth = 0.0f;
    float screenHeight = 0.0f;
};

#endif
