#include "graphics/Widget.h"

float Widget::screenWidth = Widget::kLogicalWidth;
float Widget::screenHeight = Widget::kLogicalHeight;

void Widget::setPosition(float newX, float newY) {
    x = newX;
    y = newY;
}

void Widget::setSize(float newWidth, float newHeight) {
    width = newWidth;
    height = newHeight;
}

bool Widget::contains(float px, float py, float& vx, float& vy) const {
    vx = px / (screenWidth * (1.0f / kLogicalWidth));
    vy = py / (screenHeight / kLogicalHeight);
    return x <= vx && vx <= x + width && y <= vy && vy <= y + height;
}

void Widget::mouseMoveTest(float px, float py) {
    float vx = 0.0f;
    float vy = 0.0f;
    if (contains(px, py, vx, vy)) {
        mouseMove(vx, vy);
    } else {
        mouseLeave(vx, vy);
    }
}

void Widget::mouseButtonTest(bool down, float px, float py) {
    float vx = 0.0f;
    float vy = 0.0f;
    if (contains(px, py, vx, vy)) {
        mouseButton(down, vx, vy);
    } else if (!down) {
        mouseLeave(vx, vy);
    }
}
