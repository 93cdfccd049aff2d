#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_AUDIOFORMAT_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_AUDIOFORMAT_H

// The one sample rate the game plays at: it does not resample, so every
// file must be written at this rate.
struct AudioFormat {
    static constexpr long kSampleRate = 44100;
};

#endif
