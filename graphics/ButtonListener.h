#ifndef TRUCEWARD_GRAPHICS_BUTTONLISTENER_H
#define TRUCEWARD_GRAPHICS_BUTTONLISTENER_H

class Button;

// Hears the clicks of the buttons it registered with. An owner of several
// buttons implements it once and tells them apart by the pointer it receives.
class ButtonListener {
  public:
    ButtonListener() = default;
    ButtonListener(const ButtonListener&) = delete;
    ButtonListener& operator=(const ButtonListener&) = delete;
    virtual ~ButtonListener() = default;

    // A mouse button was released over `button`.
    virtual void buttonClicked(Button* button) = 0;
};

#endif
