#ifndef TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_EFFECTSHAPING_H
#define TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_EFFECTSHAPING_H

#include <vector>

// The last touches every effect gets: a highpass that removes any DC
// offset and rumble below hearing, a fade-in of half a millisecond so the
// first sample starts from silence, and a short fade-out so the game's
// voice ends on zero instead of a click.
class EffectShaping {
  public:
    static std::vector<float> finish(const std::vector<double>& samples);

    static constexpr double kHighpassHz = 25;
    static constexpr double kFadeInSeconds = 0.0005;
    static constexpr double kFadeOutSeconds = 0.03;
};

#endif
