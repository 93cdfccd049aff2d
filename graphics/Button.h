#ifndef TRUCEWARD_GRAPHICS_BUTTON_H
#define TRUCEWARD_GRAPHICS_BUTTON_H

#include <vector>

#include "graphics/ImageDrawer.h"
#include "graphics/Widget.h"

class ButtonListener;

// A widget drawn with one of three images: up (normal), down (pressed) and
// over (pointer above it). A click is the release of a mouse button over it,
// whatever happened before; a press inside followed by a move outside cancels.
//
// State changes, driven by the hit tests of Widget:
//   pointer moves inside      up or over becomes over; down stays down
//   pointer leaves            up
//   button pressed inside     down
//   button released inside    over, then every listener hears the click
class Button : public Widget {
  public:
    enum State { StateUp = 0, StateDown = 1, StateOver = 2 };

    Button(ImageDrawer::ImageType upImage, ImageDrawer::ImageType downImage,
           ImageDrawer::ImageType overImage);

    // Appends a listener (not owned). One registered twice hears every click
    // twice. Listeners are called in registration order and must not add
    // listeners to this button while they are being called.
    void registerListener(ButtonListener* listener);

    // The image of the current state, unscaled and untinted, with its
    // lower-left corner at the widget's position. The image keeps its own
    // size: it need not match the rectangle that reacts to the mouse.
    void draw() override;
    void mouseMove(float x, float y) override;
    void mouseButton(bool down, float x, float y) override;
    void mouseLeave(float x, float y) override;

    // The image drawn in the current state.
    ImageDrawer::ImageType currentImage() const;

    int buttonState = StateUp;
    ImageDrawer::ImageType upImage;
    ImageDrawer::ImageType downImage;
    ImageDrawer::ImageType overImage;
    std::vector<ButtonListener*> listeners;
};

#endif
