#pragma once

// The one sample rate the game plays at: it does not resample, so every
// file must be written at this rate.
struct AudioFormat {
    static constexpr long sampleRate = 44100;
};
