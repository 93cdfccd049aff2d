#ifndef TRUCEWARD_TITLE_TITLESUBSCREEN_H
#define TRUCEWARD_TITLE_TITLESUBSCREEN_H

#include <string>
#include <vector>

#include "app/GameState.h"
#include "graphics/ButtonListener.h"
#include "graphics/Widget.h"
#include "title/MenuFocus.h"

class Application;
class Button;
class TextDrawer;

// A screen opened over the title (the settings, HOW TO PLAY, the replays):
// the title owns it, hands it all input, draws it in its own place with the
// title's pointer on top, and closes it once it has asked to leave.
//
// Each stands on the same wordless panel with its heading lettered above and
// BACK in the start bar's place. Its widgets hear the mouse; keys and a pad's
// buttons come as the menus' actions (act()), of which Escape, B and Back
// leave.
class TitleSubScreen : public GameState, public ButtonListener {
  public:
    // Makes BACK, the first widget; `textDrawer` lends its font and must
    // outlive the screen.
    TitleSubScreen(Application* application, TextDrawer& textDrawer);
    // Deletes the widgets and gives the panel's picture back: these screens
    // are seldom opened.
    ~TitleSubScreen() override;

    bool isMenu() const override { return true; }
    bool mayRestartPads() const override { return true; }
    void keyDown(const SDL_keysym& key) override;
    void padButton(PadButton button, bool down) override;
    // Window pixels, y from the top.
    void mouseMove(float x, float y) override;
    void mouseButton(bool down, float x, float y) override;
    // BACK leaves; a screen with more buttons hears them first.
    void buttonClicked(Button* button) override;

    // Asked to leave: the title closes the screen.
    bool finished = false;
    // A replay file the screen asks the title to play; the title then goes.
    std::string watchRequested;
    Application* application;
    TextDrawer& textDrawer;
    // Owned; drawn and tested in this order.
    std::vector<Widget*> widgets;
    Button* backButton = nullptr;

  protected:
    // The middle of the panel, in logical units.
    static constexpr float kMiddle = Widget::kLogicalWidth / 2.0f;

    // What a key or a pad's button does: a screen takes the actions it
    // knows, and leaves the rest to this, where leaving leaves.
    virtual void act(MenuFocus::Action action);
    // The panel, with `heading` (already translated) above it.
    void drawPanel(const std::string& heading);
    void drawWidgets();
    // An untextured box between logical corners, of `grey` (0 black, 1
    // white) at `alpha`.
    static void drawBox(float left, float bottom, float right, float top, float grey, float alpha);
    // Where x stands on a line of text.
    enum class Align { Left, Centre, Right };
    // Text at logical coordinates, its baseline at y; `size` in logical units.
    void write(const std::string& text, float x, float y, float size, Align align = Align::Left);
};

#endif
