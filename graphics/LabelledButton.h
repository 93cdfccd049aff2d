#ifndef TRUCEWARD_GRAPHICS_LABELLEDBUTTON_H
#define TRUCEWARD_GRAPHICS_LABELLEDBUTTON_H

#include <string>

#include "graphics/Button.h"

class TextDrawer;

// A button whose picture carries no word: its label is lettered over the
// picture's ink in the game's font, in the player's language (tr), when it is
// drawn, so that one picture serves every label and every language. A label
// too long for the ink is lettered smaller.
class LabelledButton : public Button {
  public:
    // Where the label goes, in logical units from the button's position: the
    // ink's box, and the letters' size when they fit it.
    struct Ink {
        float left;
        float bottom;
        float width;
        float height;
        float letterSize;
    };

    // `text` lends its font and must outlive the button.
    LabelledButton(ImageDrawer::ImageType upImage, ImageDrawer::ImageType downImage,
                   ImageDrawer::ImageType overImage, std::string label, const Ink& ink,
                   TextDrawer& text);

    // The picture, then the label centred on its ink.
    void draw() override;

    // In English: translated when drawn.
    std::string label;
    Ink ink;

  private:
    TextDrawer& text;
};

#endif
