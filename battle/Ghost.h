#ifndef TRUCEWARD_BATTLE_GHOST_H
#define TRUCEWARD_BATTLE_GHOST_H

// The figure of somebody killed, fading on the spot over 16 drawn frames; it
// is finished once `alpha` is 0 or less.
class Ghost {
  public:
    Ghost(float x, float y);
    // The battle owns it in a list and deletes it once.
    Ghost(const Ghost&) = delete;
    Ghost& operator=(const Ghost&) = delete;

    // One frame of fading, without drawing; alpha stops at 0.
    void advance();
    // The plain figure (a dead fighter's too) as it fades now, changing nothing.
    void show() const;
    // One drawn frame: advance(), then show().
    void draw();

    float x;
    float y;
    float alpha;
};

#endif
