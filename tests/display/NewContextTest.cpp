// A video mode set anew in a new OpenGL context, as the classic SDL 1.2 does
// where it cannot switch a window to full screen: every texture comes back,
// the images, the atlas, the battle's copy of the field and the glyphs.
#include <gtest/gtest.h>

#include <vector>

#include "app/Application.h"
#include "app/GameState.h"
#include "graphics/GlContext.h"
#include "graphics/ImageDrawer.h"
#include "tests/support/GlWindow.h"

namespace {

// The context goes with a mode without OpenGL; the game's own mode follows.
void replaceContext(Application& application) {
    const unsigned int before = GlContext::generation();
    ASSERT_NE(SDL_SetVideoMode(application.width, application.height, 0, 0), nullptr);
    ASSERT_TRUE(application.setVideoMode());
    ASSERT_NE(GlContext::generation(), before) << "the context survived: nothing was tested";
}

std::vector<unsigned char> frame(GlWindow& window) {
    window.application.draw();
    return window.readPixels();
}

TEST(NewContext, EveryTextureIsUploadedAgainAndThePictureStaysBetweenItsBars) {
    // Wider than 4:3: bars of 40 pixels at both sides.
    GlWindow window(400, 240);
    Application& application = window.application;
    const std::vector<unsigned char> title = frame(window);
    EXPECT_EQ(title[0], 0) << "the left bar is not black";
    replaceContext(application);
    EXPECT_TRUE(frame(window) == title) << "the title screen changed";

    application.nextState();
    frame(window);
    // The battle needs none of the title's larger images, nor, once the field
    // is copied, the images it was drawn from.
    for (ImageDrawer::ImageType image :
         {ImageDrawer::ImageTitle, ImageDrawer::ImageBarButtonUp, ImageDrawer::ImageBackground,
          ImageDrawer::ImageCentralMound}) {
        EXPECT_FALSE(ImageDrawer::getInstance()->resident(image)) << "image " << image;
    }
    // Paused, the battle shows the same scene in every frame.
    application.currentState->focusLost();
    const std::vector<unsigned char> battle = frame(window);
    replaceContext(application);
    EXPECT_TRUE(frame(window) == battle) << "the battle changed";
}

}  // namespace
