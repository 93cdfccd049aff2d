#ifndef TRUCEWARD_BATTLE_SMOKEPFF_H
#define TRUCEWARD_BATTLE_SMOKEPFF_H

// The puff of dust over a brick that has stopped a bullet; it is finished once
// `level` is 0 or less.
class SmokePff {
  public:
    // Shows where the side's wall bricks are drawn, so it covers the brick.
    SmokePff(bool side, float y);
    // The battle owns it in a list and deletes it once.
    SmokePff(const SmokePff&) = delete;
    SmokePff& operator=(const SmokePff&) = delete;

    // One frame of growth or fading, without drawing.
    void advance();
    // Advances one frame and draws it: call exactly once per drawn frame.
    void draw();

    float x;
    float y;
    bool fading;
    float level;
};

#endif
