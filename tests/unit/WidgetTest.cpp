// The hit test every widget shares: pixels to logical units, inclusive edges,
// and which of the three calls a mouse event turns into.
#include "graphics/Widget.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Call {
    std::string what;
    float x;
    float y;
};

class RecordingWidget : public Widget {
  public:
    void draw() override {}
    void mouseMove(float x, float y) override { calls.push_back({"move", x, y}); }
    void mouseButton(bool down, float x, float y) override {
        calls.push_back({down ? "press" : "release", x, y});
    }
    void mouseLeave(float x, float y) override { calls.push_back({"leave", x, y}); }

    std::vector<Call> calls;
};

// The window size is shared by all widgets: each test sets its own and puts
// the previous one back.
class WidgetTest : public testing::Test {
  protected:
    void SetUp() override {
        savedWidth = Widget::screenWidth;
        savedHeight = Widget::screenHeight;
    }
    void TearDown() override {
        Widget::screenWidth = savedWidth;
        Widget::screenHeight = savedHeight;
    }
    static void windowSize(float width, float height) {
        Widget::screenWidth = width;
        Widget::screenHeight = height;
    }

    float savedWidth = 0.0f;
    float savedHeight = 0.0f;
};

TEST_F(WidgetTest, StartsAtOriginWithUnitSize) {
    RecordingWidget widget;
    EXPECT_EQ(widget.x, 0.0f);
    EXPECT_EQ(widget.y, 0.0f);
    EXPECT_EQ(widget.width, 1.0f);
    EXPECT_EQ(widget.height, 1.0f);
    widget.setPosition(12.5f, -3.0f);
    widget.setSize(64.0f, 96.0f);
    EXPECT_EQ(widget.x, 12.5f);
    EXPECT_EQ(widget.y, -3.0f);
    EXPECT_EQ(widget.width, 64.0f);
    EXPECT_EQ(widget.height, 96.0f);
}

TEST_F(WidgetTest, PixelsOfAnEightHundredBySixHundredWindowBecomeLogicalUnits) {
    windowSize(800.0f, 600.0f);
    RecordingWidget widget;
    widget.setPosition(0.0f, 0.0f);
    widget.setSize(1024.0f, 768.0f);
    // The centre of the window is the centre of the 1024 x 768 screen, and
    // its top-right corner the screen's.
    widget.mouseMoveTest(400.0f, 300.0f);
    widget.mouseMoveTest(800.0f, 600.0f);
    // One pixel is 1.28 units across and up.
    widget.mouseMoveTest(100.0f, 50.0f);
    ASSERT_EQ(widget.calls.size(), 3u);
    EXPECT_EQ(widget.calls[0].what, "move");
    EXPECT_FLOAT_EQ(widget.calls[0].x, 512.0f);
    EXPECT_FLOAT_EQ(widget.calls[0].y, 384.0f);
    EXPECT_FLOAT_EQ(widget.calls[1].x, 1024.0f);
    EXPECT_FLOAT_EQ(widget.calls[1].y, 768.0f);
    EXPECT_FLOAT_EQ(widget.calls[2].x, 128.0f);
    EXPECT_FLOAT_EQ(widget.calls[2].y, 64.0f);
}

TEST_F(WidgetTest, WidthAndHeightScaleIndependently) {
    // A wide window stretches only across: 2048 pixels are the 1024 units.
    windowSize(2048.0f, 768.0f);
    RecordingWidget widget;
    widget.setPosition(100.0f, 100.0f);
    widget.setSize(10.0f, 10.0f);
    widget.mouseMoveTest(210.0f, 105.0f);  // logical (105, 105)
    widget.mouseMoveTest(105.0f, 105.0f);  // logical (52.5, 105): left of it
    ASSERT_EQ(widget.calls.size(), 2u);
    EXPECT_EQ(widget.calls[0].what, "move");
    EXPECT_FLOAT_EQ(widget.calls[0].x, 105.0f);
    EXPECT_EQ(widget.calls[1].what, "leave");
    EXPECT_FLOAT_EQ(widget.calls[1].x, 52.5f);
}

TEST_F(WidgetTest, AllFourEdgesCountAsInside) {
    windowSize(1024.0f, 768.0f);
    RecordingWidget widget;
    widget.setPosition(100.0f, 200.0f);
    widget.setSize(50.0f, 40.0f);
    const float inside[][2] = {{100.0f, 220.0f}, {150.0f, 220.0f}, {120.0f, 200.0f},
                               {120.0f, 240.0f}, {100.0f, 200.0f}, {150.0f, 240.0f}};
    for (const auto& point : inside) {
        widget.calls.clear();
        widget.mouseMoveTest(point[0], point[1]);
        ASSERT_EQ(widget.calls.size(), 1u);
        EXPECT_EQ(widget.calls[0].what, "move") << point[0] << ", " << point[1];
    }
    const float outside[][2] = {
        {99.5f, 220.0f}, {150.5f, 220.0f}, {120.0f, 199.5f}, {120.0f, 240.5f}};
    for (const auto& point : outside) {
        widget.calls.clear();
        widget.mouseMoveTest(point[0], point[1]);
        ASSERT_EQ(widget.calls.size(), 1u);
        EXPECT_EQ(widget.calls[0].what, "leave") << point[0] << ", " << point[1];
    }
}

TEST_F(WidgetTest, ButtonEventsInsideAndOutside) {
    windowSize(1024.0f, 768.0f);
    RecordingWidget widget;
    widget.setPosition(10.0f, 10.0f);
    widget.setSize(20.0f, 20.0f);
    widget.mouseButtonTest(true, 15.0f, 25.0f);
    widget.mouseButtonTest(false, 15.0f, 25.0f);
    // Outside, a press goes unnoticed and a release is a leave.
    widget.mouseButtonTest(true, 50.0f, 25.0f);
    widget.mouseButtonTest(false, 50.0f, 26.0f);
    ASSERT_EQ(widget.calls.size(), 3u);
    EXPECT_EQ(widget.calls[0].what, "press");
    EXPECT_FLOAT_EQ(widget.calls[0].x, 15.0f);
    EXPECT_FLOAT_EQ(widget.calls[0].y, 25.0f);
    EXPECT_EQ(widget.calls[1].what, "release");
    EXPECT_EQ(widget.calls[2].what, "leave");
    EXPECT_FLOAT_EQ(widget.calls[2].x, 50.0f);
    EXPECT_FLOAT_EQ(widget.calls[2].y, 26.0f);
}

}  // namespace
