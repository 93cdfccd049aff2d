#ifndef TRUCEWARD_GRAPHICS_GLCONTEXT_H
#define TRUCEWARD_GRAPHICS_GLCONTEXT_H

// Every texture lives in the window's OpenGL context. Setting the video mode
// again may make a new context (the classic SDL 1.2 does, for instance, to
// enter full screen where it cannot switch the window), and the textures go
// with the old one. Each owner of textures notes the generation it uploaded
// them in and, before it draws, uploads them again once the generation has
// moved on. A stale name is forgotten, never deleted: in the new context the
// same number may name another owner's texture.
class GlContext {
  public:
    // The generation of the current context; a comparison, cheap every frame.
    static unsigned int generation() { return current; }

    // To be called right after every SDL_SetVideoMode, before anything is
    // uploaded: a texture made for the purpose tells whether the context is
    // still the one it was made in; if not, a new generation begins.
    static void videoModeSet();

  private:
    static unsigned int current;
    static unsigned int witness;
};

#endif
