#include "tools/screenshot/Lettering.h"

#include <GL/gl.h>

#include "app/Application.h"
#include "graphics/TextDrawer.h"

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;
constexpr float kFull = 255.0f;

}  // namespace

Frame lettered(Application& application, TextDrawer& text, const char* label, int size) {
    application.useWindowSize(kWindowWidth, kWindowHeight);
    glClearColor(kSheetColour[0] / kFull, kSheetColour[1] / kFull, kSheetColour[2] / kFull, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    const auto height = static_cast<float>(size);
    text.drawText(label, 0.0f, 0.0f, height);
    const Frame line = Frame::read(kWindowWidth, size);
    return line.crop(0, 0, static_cast<int>(text.textWidth(label, height)) + 1, size);
}
