#ifndef TRUCEWARD_BATTLE_SHOTBANG_H
#define TRUCEWARD_BATTLE_SHOTBANG_H

// The muzzle flash shown at a side's firing line when a fighter fires; it is
// finished once `level` is 0 or less.
class ShotBang {
  public:
    // Every flash of a side shows at the same x, whatever the fighter's x.
    ShotBang(bool side, float y);
    // The battle owns it in a list and deletes it once.
    ShotBang(const ShotBang&) = delete;
    ShotBang& operator=(const ShotBang&) = delete;

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
