#include "title/TitleSubScreen.h"

#include <GL/gl.h>

#include "app/Translation.h"
#include "graphics/ImageDrawer.h"
#include "graphics/LabelledButton.h"
#include "graphics/TextDrawer.h"
#include "title/BarButton.h"

namespace {

// The panel's artwork fills the window above the start bar's place; the
// heading stands above the panel.
constexpr float kArtworkX = 0.0f;
constexpr float kArtworkY = -128.0f;
constexpr float kHeadingY = 622.0f;
constexpr float kHeadingSize = 72.0f;

}  // namespace

TitleSubScreen::TitleSubScreen(Application* application, TextDrawer& textDrawer)
    : application(application), textDrawer(textDrawer) {
    // TRANSLATORS: the bar's label: fits 315 at 40
    backButton = makeBarButton(noTr("back"), textDrawer, this);
    widgets.push_back(backButton);
}

TitleSubScreen::~TitleSubScreen() {
    for (Widget* widget : widgets) {
        delete widget;
    }
    ImageDrawer::getInstance()->release({ImageDrawer::ImageHowToPlay});
}

void TitleSubScreen::keyDown(const SDL_keysym& key) {
    act(MenuFocus::actionOfKey(key));
}

void TitleSubScreen::padButton(PadButton button, bool down) {
    if (down) {
        act(MenuFocus::actionOfPad(button));
    }
}

void TitleSubScreen::act(MenuFocus::Action action) {
    if (action == MenuFocus::ActionLeave) {
        finished = true;
    }
}

void TitleSubScreen::mouseMove(float x, float y) {
    for (Widget* widget : widgets) {
        widget->mouseMoveTest(x, Widget::screenHeight - y);
    }
}

void TitleSubScreen::mouseButton(bool down, float x, float y) {
    for (Widget* widget : widgets) {
        widget->mouseButtonTest(down, x, Widget::screenHeight - y);
    }
}

void TitleSubScreen::buttonClicked(Button* button) {
    if (button == backButton) {
        finished = true;
    }
}

void TitleSubScreen::drawPanel(const std::string& heading) {
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageHowToPlay, kArtworkX, kArtworkY, 1.0f,
                                          1.0f, 1.0f, 1.0f, 1.0f, 1.0f);
    write(heading, kMiddle, kHeadingY, kHeadingSize, Align::Centre);
}

void TitleSubScreen::drawWidgets() {
    for (Widget* widget : widgets) {
        widget->draw();
    }
}

void TitleSubScreen::drawBox(float left, float bottom, float right, float top, float grey,
                             float alpha) {
    const float toPixelsX = Widget::screenWidth / Widget::kLogicalWidth;
    const float toPixelsY = Widget::screenHeight / Widget::kLogicalHeight;
    glDisable(GL_TEXTURE_2D);
    glColor4f(grey, grey, grey, alpha);
    glBegin(GL_QUADS);
    glVertex2f(left * toPixelsX, bottom * toPixelsY);
    glVertex2f(right * toPixelsX, bottom * toPixelsY);
    glVertex2f(right * toPixelsX, top * toPixelsY);
    glVertex2f(left * toPixelsX, top * toPixelsY);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void TitleSubScreen::write(const std::string& text, float x, float y, float size, Align align) {
    const float toPixelsX = Widget::screenWidth / Widget::kLogicalWidth;
    const float toPixelsY = Widget::screenHeight / Widget::kLogicalHeight;
    const float pixels = size * toPixelsY;
    const float shareLeftOfX = align == Align::Left ? 0.0f : align == Align::Centre ? 0.5f : 1.0f;
    textDrawer.drawText(text, x * toPixelsX - textDrawer.textWidth(text, pixels) * shareLeftOfX,
                        y * toPixelsY, pixels);
}
