// Button states and clicks, driven through the widget hit tests exactly as the
// title screen drives them (window pixels from the bottom-left corner).
#include "graphics/Button.h"

#include <gtest/gtest.h>

#include <vector>

#include "graphics/ButtonListener.h"

namespace {

struct ClickLog : ButtonListener {
    void buttonClicked(Button* button) override { clicked.push_back(button); }
    std::vector<Button*> clicked;
};

// Tells apart several listeners of one button by writing its tag.
struct TaggedListener : ButtonListener {
    TaggedListener(std::vector<int>* order, int tag) : order(order), tag(tag) {}
    void buttonClicked(Button* /*button*/) override { order->push_back(tag); }
    std::vector<int>* order;
    int tag;
};

// The window is the logical screen, so pixels and units coincide. The button
// covers x 100..164 and y 200..264.
class ButtonTest : public testing::Test {
  protected:
    void SetUp() override {
        savedWidth = Widget::screenWidth;
        savedHeight = Widget::screenHeight;
        Widget::screenWidth = Widget::kLogicalWidth;
        Widget::screenHeight = Widget::kLogicalHeight;
        button.setPosition(100.0f, 200.0f);
        button.setSize(64.0f, 64.0f);
        button.registerListener(&log);
    }
    void TearDown() override {
        Widget::screenWidth = savedWidth;
        Widget::screenHeight = savedHeight;
    }

    void moveIn() { button.mouseMoveTest(130.0f, 230.0f); }
    void moveOut() { button.mouseMoveTest(300.0f, 230.0f); }
    void pressIn() { button.mouseButtonTest(true, 130.0f, 230.0f); }
    void releaseIn() { button.mouseButtonTest(false, 130.0f, 230.0f); }
    void pressOut() { button.mouseButtonTest(true, 300.0f, 230.0f); }
    void releaseOut() { button.mouseButtonTest(false, 300.0f, 230.0f); }

    float savedWidth = 0.0f;
    float savedHeight = 0.0f;
    Button button{ImageDrawer::ImageLeftButtonUp, ImageDrawer::ImageLeftButtonDown,
                  ImageDrawer::ImageLeftButtonOver};
    ClickLog log;
};

TEST_F(ButtonTest, EachStateShowsItsImage) {
    EXPECT_EQ(button.buttonState, Button::StateUp);
    EXPECT_EQ(button.currentImage(), ImageDrawer::ImageLeftButtonUp);
    moveIn();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    EXPECT_EQ(button.currentImage(), ImageDrawer::ImageLeftButtonOver);
    pressIn();
    EXPECT_EQ(button.buttonState, Button::StateDown);
    EXPECT_EQ(button.currentImage(), ImageDrawer::ImageLeftButtonDown);
}

TEST_F(ButtonTest, HoverPressAndReleaseInsideClickOnce) {
    moveIn();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    moveIn();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    pressIn();
    EXPECT_EQ(button.buttonState, Button::StateDown);
    // Moving while held over it keeps it pressed.
    button.mouseMoveTest(140.0f, 250.0f);
    EXPECT_EQ(button.buttonState, Button::StateDown);
    EXPECT_TRUE(log.clicked.empty()) << "a press alone is no click";
    releaseIn();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    ASSERT_EQ(log.clicked.size(), 1u);
    EXPECT_EQ(log.clicked[0], &button);
    moveOut();
    EXPECT_EQ(button.buttonState, Button::StateUp);
}

TEST_F(ButtonTest, PressOutsideThenReleaseInsideClicks) {
    pressOut();
    EXPECT_EQ(button.buttonState, Button::StateUp);
    moveIn();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    releaseIn();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    EXPECT_EQ(log.clicked.size(), 1u);
}

TEST_F(ButtonTest, ReleaseInsideWithoutAnyPressClicks) {
    releaseIn();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    EXPECT_EQ(log.clicked.size(), 1u);
}

TEST_F(ButtonTest, DraggingOutCancelsTheClick) {
    pressIn();
    moveOut();
    EXPECT_EQ(button.buttonState, Button::StateUp);
    releaseOut();
    EXPECT_EQ(button.buttonState, Button::StateUp);
    EXPECT_TRUE(log.clicked.empty());
}

TEST_F(ButtonTest, DraggingOutAndBackInStillClicks) {
    std::vector<int> states;
    pressIn();
    states.push_back(button.buttonState);
    moveOut();
    states.push_back(button.buttonState);
    moveIn();
    states.push_back(button.buttonState);
    releaseIn();
    states.push_back(button.buttonState);
    EXPECT_EQ(states, (std::vector<int>{Button::StateDown, Button::StateUp, Button::StateOver,
                                        Button::StateOver}));
    EXPECT_EQ(log.clicked.size(), 1u);
}

TEST_F(ButtonTest, PressOutsideChangesNothing) {
    moveIn();
    pressOut();
    EXPECT_EQ(button.buttonState, Button::StateOver);
    pressIn();
    pressOut();
    EXPECT_EQ(button.buttonState, Button::StateDown);
    EXPECT_TRUE(log.clicked.empty());
}

TEST_F(ButtonTest, EdgesOfTheRectangleReact) {
    button.mouseButtonTest(false, 100.0f, 200.0f);
    button.mouseButtonTest(false, 164.0f, 264.0f);
    EXPECT_EQ(log.clicked.size(), 2u);
    button.mouseButtonTest(false, 164.5f, 264.0f);
    EXPECT_EQ(log.clicked.size(), 2u);
    EXPECT_EQ(button.buttonState, Button::StateUp);
}

TEST_F(ButtonTest, ListenersHearInRegistrationOrderAndTwiceWhenRegisteredTwice) {
    std::vector<int> order;
    TaggedListener first(&order, 1);
    TaggedListener second(&order, 2);
    Button other(ImageDrawer::ImageBarButtonUp, ImageDrawer::ImageBarButtonDown,
                 ImageDrawer::ImageBarButtonOver);
    other.setPosition(0.0f, 0.0f);
    other.setSize(10.0f, 10.0f);
    other.registerListener(&first);
    other.registerListener(&second);
    other.registerListener(&first);
    other.mouseButtonTest(false, 5.0f, 5.0f);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1}));
    other.mouseButtonTest(false, 5.0f, 5.0f);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1, 1, 2, 1}));
}

TEST_F(ButtonTest, OverlappingButtonsBothReactInListOrder) {
    Button overlapping(ImageDrawer::ImageRightButtonUp, ImageDrawer::ImageRightButtonDown,
                       ImageDrawer::ImageRightButtonOver);
    overlapping.setPosition(150.0f, 250.0f);
    overlapping.setSize(64.0f, 64.0f);
    overlapping.registerListener(&log);
    std::vector<Widget*> widgets = {&button, &overlapping};
    // (160, 260) lies on both.
    for (Widget* widget : widgets) {
        widget->mouseMoveTest(160.0f, 260.0f);
    }
    EXPECT_EQ(button.buttonState, Button::StateOver);
    EXPECT_EQ(overlapping.buttonState, Button::StateOver);
    for (Widget* widget : widgets) {
        widget->mouseButtonTest(false, 160.0f, 260.0f);
    }
    EXPECT_EQ(log.clicked, (std::vector<Button*>{&button, &overlapping}));
    // (120, 220) lies on the first alone.
    for (Widget* widget : widgets) {
        widget->mouseButtonTest(false, 120.0f, 220.0f);
    }
    EXPECT_EQ(log.clicked, (std::vector<Button*>{&button, &overlapping, &button}));
    EXPECT_EQ(overlapping.buttonState, Button::StateUp);
}

}  // namespace
