// The main loop's translation of SDL events, driven through SDL's own queue on
// a real (virtual) display. The machines have no joystick, so joystick events
// are pushed as synthetic events, exactly as SDL would queue them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/GameState.h"
#include "tests/support/GlWindow.h"

namespace {

// Writes down every call it receives, one line each.
class RecordingState : public GameState {
  public:
    explicit RecordingState(std::vector<std::string>* log) : log(log) {}
    void draw() override { log->push_back("draw"); }
    void keyDown(const SDL_keysym& key) override { log->push_back("down " + name(key)); }
    void keyUp(const SDL_keysym& key) override { log->push_back("up " + name(key)); }
    void mouseMove(float x, float y) override {
        log->push_back("move " + std::to_string(static_cast<int>(x)) + " " +
                       std::to_string(static_cast<int>(y)));
    }
    void mouseButton(bool down, float x, float y) override {
        log->push_back(std::string(down ? "press " : "release ") +
                       std::to_string(static_cast<int>(x)) + " " +
                       std::to_string(static_cast<int>(y)));
    }
    void focusLost() override { log->push_back("focus lost"); }
    void padButton(PadButton button, bool down) override {
        log->push_back(std::string(down ? "pad down " : "pad up ") + std::to_string(button));
    }
    bool isMenu() const override { return menu; }
    bool menu = false;
    void mouseWheel(int notches, float x, float y) override {
        log->push_back("wheel " + std::to_string(notches) + " " +
                       std::to_string(static_cast<int>(x)) + " " +
                       std::to_string(static_cast<int>(y)));
    }

  private:
    static std::string name(const SDL_keysym& key) {
        // Synthetic records carry nothing but the symbol.
        const bool bare = key.scancode == 0 && key.mod == 0 && key.unicode == 0;
        std::string text = SDL_GetKeyName(key.sym);
        return bare ? text : text + " (with extras)";
    }
    std::vector<std::string>* log;
};

class ApplicationEventsTest : public testing::Test {
  protected:
    void SetUp() override {
        delete window.application.currentState;
        state = new RecordingState(&log);
        window.application.currentState = state;
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
    }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }

    static SDL_Event axis(Uint8 axisNumber, Sint16 value) {
        SDL_Event event{};
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.type = SDL_JOYAXISMOTION;
        event.jaxis.which = 0;
        event.jaxis.axis = axisNumber;
        event.jaxis.value = value;
        return event;
    }

    static SDL_Event joyButton(Uint8 type, Uint8 button) {
        SDL_Event event{};
        event.type = type;
        event.jbutton.type = type;
        event.jbutton.button = button;
        event.jbutton.state = type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        return event;
    }

    // Runs one pass of the main loop over what was pushed and returns what the
    // state received. The window system may report the pointer over a new
    // window at any time; only the motion a test pushes itself is its own.
    std::vector<std::string> pass(bool* result = nullptr) {
        log.clear();
        const bool running = window.application.runOnce();
        if (result != nullptr) {
            *result = running;
        }
        std::vector<std::string> received;
        for (const std::string& entry : log) {
            if (entry.rfind("move ", 0) != 0 || entry == kPushedMotion) {
                received.push_back(entry);
            }
        }
        return received;
    }

    // The translated input of one pass, without the frame it draws.
    std::vector<std::string> deliver() {
        std::vector<std::string> input = pass();
        input.erase(std::remove(input.begin(), input.end(), "draw"), input.end());
        return input;
    }

    using Log = std::vector<std::string>;
    static constexpr const char* kPushedMotion = "move 17 230";
    GlWindow window{320, 240};
    Log log;
    RecordingState* state = nullptr;
};

TEST_F(ApplicationEventsTest, HorizontalAxisRows) {
    push(axis(0, -20000));
    EXPECT_EQ(deliver(), (Log{"down left"}));
    EXPECT_TRUE(window.application.gamepad.leftHeld);
    EXPECT_FALSE(window.application.gamepad.rightHeld);

    // Full left straight to full right: the release comes before the press.
    push(axis(0, 20000));
    EXPECT_EQ(deliver(), (Log{"up left", "down right"}));
    EXPECT_FALSE(window.application.gamepad.leftHeld);
    EXPECT_TRUE(window.application.gamepad.rightHeld);

    // Further motion outside the dead zone presses again.
    push(axis(0, 25000));
    EXPECT_EQ(deliver(), (Log{"down right"}));

    push(axis(0, 0));
    EXPECT_EQ(deliver(), (Log{"up right"}));
    EXPECT_FALSE(window.application.gamepad.leftHeld);
    EXPECT_FALSE(window.application.gamepad.rightHeld);

    // A stick resting well off centre sends nothing.
    push(axis(0, 6000));
    EXPECT_EQ(deliver(), Log{});

    // From the right held back to the left: right is released first.
    push(axis(0, 9000));
    push(axis(0, -9000));
    EXPECT_EQ(deliver(), (Log{"down right", "up right", "down left"}));
}

TEST_F(ApplicationEventsTest, VerticalAxisRows) {
    push(axis(1, -32768));
    EXPECT_EQ(deliver(), (Log{"down up"}));
    EXPECT_TRUE(window.application.gamepad.upHeld);

    push(axis(1, 32767));
    EXPECT_EQ(deliver(), (Log{"up up", "down down"}));
    EXPECT_FALSE(window.application.gamepad.upHeld);
    EXPECT_TRUE(window.application.gamepad.downHeld);

    push(axis(1, -32768));
    EXPECT_EQ(deliver(), (Log{"up down", "down up"}));
    EXPECT_TRUE(window.application.gamepad.upHeld);
    EXPECT_FALSE(window.application.gamepad.downHeld);

    push(axis(1, 128));
    EXPECT_EQ(deliver(), (Log{"up up"}));
    EXPECT_FALSE(window.application.gamepad.upHeld);
    EXPECT_FALSE(window.application.gamepad.downHeld);
}

TEST_F(ApplicationEventsTest, DeadZoneEndsAreCentredAndOneBeyondIsPushed) {
    constexpr Sint16 kEnd = Gamepad::kStickPush;
    push(axis(0, -kEnd));
    push(axis(0, kEnd));
    push(axis(1, -kEnd));
    push(axis(1, kEnd));
    EXPECT_EQ(deliver(), Log{});
    push(axis(0, -kEnd - 1));
    push(axis(0, 0));
    push(axis(0, kEnd + 1));
    push(axis(1, -kEnd - 1));
    push(axis(1, 0));
    push(axis(1, kEnd + 1));
    EXPECT_EQ(deliver(), (Log{"down left", "up left", "down right", "down up", "up up",
                              "down down"}));
}

TEST_F(ApplicationEventsTest, OtherAxesAndButtonReleasesAreDropped) {
    push(axis(2, -30000));
    push(axis(3, 30000));
    push(joyButton(SDL_JOYBUTTONUP, 0));
    EXPECT_EQ(deliver(), Log{});
}

TEST_F(ApplicationEventsTest, JoystickButtonsBecomeBrickKeys) {
    push(joyButton(SDL_JOYBUTTONDOWN, 0));
    push(joyButton(SDL_JOYBUTTONDOWN, 1));
    push(joyButton(SDL_JOYBUTTONDOWN, 2));
    push(joyButton(SDL_JOYBUTTONDOWN, 7));
    EXPECT_EQ(deliver(), (Log{"down z", "down x", "down c", "down c"}));
}

TEST_F(ApplicationEventsTest, ControllerLayoutDpadIsArrowsAndMenusTakeOnePressAPush) {
    window.application.gamepad.controllerLayout = true;
    push(joyButton(SDL_JOYBUTTONDOWN, PadDpadUp));
    push(joyButton(SDL_JOYBUTTONUP, PadDpadUp));
    push(joyButton(SDL_JOYBUTTONDOWN, PadStart));
    push(joyButton(SDL_JOYBUTTONUP, PadA));
    EXPECT_EQ(deliver(), (Log{"down up", "up up", "pad down 6", "pad up 0"}));

    // A menu: a push presses once, held until the stick comes back within
    // the release limit; a resting stick off centre presses nothing.
    state->menu = true;
    push(axis(0, 7000));
    push(axis(0, 20000));
    push(axis(0, 25000));
    push(axis(0, 12000));
    push(axis(0, 5000));
    push(axis(0, -20000));
    EXPECT_EQ(deliver(), (Log{"down right", "up right", "down left"}));
}

TEST_F(ApplicationEventsTest, KeysAndMouseReachTheStateInWindowPixels) {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_SPACE;
    push(key);
    key.type = SDL_KEYUP;
    push(key);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 17;
    motion.motion.y = 230;
    push(motion);
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_MIDDLE;
    button.button.x = 40;
    button.button.y = 50;
    push(button);
    button.type = SDL_MOUSEBUTTONUP;
    button.button.button = SDL_BUTTON_RIGHT;
    push(button);
    // The pointer leaving is no loss of focus; the keyboard's focus is, and so
    // is the window going to the task bar.
    for (Uint8 state : {SDL_APPMOUSEFOCUS, SDL_APPINPUTFOCUS, SDL_APPACTIVE}) {
        SDL_Event active{};
        active.type = SDL_ACTIVEEVENT;
        active.active.state = state;
        push(active);
    }
    // A notch of the wheel: a press and a release of its own button.
    for (Uint8 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        for (Uint8 wheel : {SDL_BUTTON_WHEELDOWN, SDL_BUTTON_WHEELUP}) {
            button.type = type;
            button.button.button = wheel;
            push(button);
        }
    }
    EXPECT_EQ(deliver(),
              (Log{"down space", "up space", "move 17 230", "press 40 50", "release 40 50",
                   "focus lost", "focus lost", "wheel -1 40 50", "wheel 1 40 50"}));
}

TEST_F(ApplicationEventsTest, QuitDeliversQueuedEventsAndDrawsNoFurtherFrame) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    push(joyButton(SDL_JOYBUTTONDOWN, 0));
    bool running = true;
    EXPECT_EQ(pass(&running), (Log{"down z"}));
    EXPECT_FALSE(running);
    EXPECT_TRUE(window.application.quitRequested);
}

TEST_F(ApplicationEventsTest, EachPassDrawsOneFrameAfterAllInput) {
    push(joyButton(SDL_JOYBUTTONDOWN, 1));
    bool running = false;
    EXPECT_EQ(pass(&running), (Log{"down x", "draw"}));
    EXPECT_TRUE(running);
    EXPECT_EQ(pass(&running), (Log{"draw"}));
    EXPECT_TRUE(running);
}

}  // namespace
