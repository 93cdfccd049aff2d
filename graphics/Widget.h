#ifndef TRUCEWARD_GRAPHICS_WIDGET_H
#define TRUCEWARD_GRAPHICS_WIDGET_H

// A rectangle on the 1024 x 768 logical screen (origin bottom-left, y up) that
// hit-tests the mouse pointer. The owner feeds every mouse event to every
// widget; each widget decides for itself whether the pointer is over it.
class Widget {
  public:
    static constexpr float kLogicalWidth = 1024.0f;
    static constexpr float kLogicalHeight = 768.0f;

    // The picture's size in pixels (the window's, less the bars that keep it
    // 4:3), for every conversion between pixels and logical units; set by the
    // application whenever the video mode is set.
    static float screenWidth;
    static float screenHeight;

    Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget() = default;

    virtual void draw() = 0;
    // The pointer moved and is over the widget (logical units).
    virtual void mouseMove(float x, float y) = 0;
    // A mouse button went down or up over the widget (logical units).
    virtual void mouseButton(bool down, float x, float y) = 0;
    // The pointer moved outside, or a button was released outside.
    virtual void mouseLeave(float /*x*/, float /*y*/) {}

    void setPosition(float newX, float newY);
    void setSize(float newWidth, float newHeight);

    // (px, py) in picture pixels from the bottom-left corner. Inside (edges
    // included) calls mouseMove, outside mouseLeave.
    void mouseMoveTest(float px, float py);
    // Inside calls mouseButton; outside, a release calls mouseLeave and a
    // press does nothing.
    void mouseButtonTest(bool down, float px, float py);

    float x = 0.0f;
    float y = 0.0f;
    float width = 1.0f;
    float height = 1.0f;

  private:
    // Converts a pixel point to logical units; true when it lies on the widget.
    bool contains(float px, float py, float& vx, float& vy) const;
};

#endif
