#include "graphics/GlContext.h"

#include <GL/gl.h>

unsigned int GlContext::current = 0;
unsigned int GlContext::witness = 0;

void GlContext::videoModeSet() {
    // glIsTexture knows only names bound at least once in this very context.
    if (witness != 0 && glIsTexture(witness) == GL_TRUE) {
        return;
    }
    if (witness != 0) {
        ++current;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glBindTexture(GL_TEXTURE_2D, 0);
    witness = name;
}
