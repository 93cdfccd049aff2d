#ifndef TRUCEWARD_TOOLS_SCREENSHOT_FRAME_H
#define TRUCEWARD_TOOLS_SCREENSHOT_FRAME_H

#include <string>
#include <vector>

// A picture in memory: RGBA, 8 bits a channel, top row first, as a PNG
// stores it.
class Frame {
  public:
    Frame() = default;
    // Filled with one colour.
    Frame(int width, int height, const unsigned char (&colour)[4]);

    // The lower-left width x height pixels of what the window shows now,
    // opaque.
    static Frame read(int width, int height);

    // The part with its top-left corner at (left, top), kept inside the frame.
    Frame crop(int left, int top, int cropWidth, int cropHeight) const;
    // Copies `piece` with its top-left corner at (left, top); what falls
    // outside is left out.
    void paste(const Frame& piece, int left, int top);
    // Half as wide and high, each pixel the mean of the four it stands for.
    Frame halved() const;
    // In shades of grey, by the eye's weights of red, green and blue.
    Frame greyed() const;
    bool writePng(const std::string& path) const;

    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
};

#endif
