#ifndef TRUCEWARD_AUDIO_PORTAUDIOCALLBACK_H
#define TRUCEWARD_AUDIO_PORTAUDIOCALLBACK_H

// Produces the blocks of the output stream, on the audio library's thread.
class PortAudioCallback {
  public:
    virtual ~PortAudioCallback() = default;

    // Fills `output` with `frames` interleaved stereo frames (left, right);
    // full scale is -1..1. `input` is unused (no input channels are opened).
    virtual void getAudio(float* input, float* output, int frames) = 0;
};

#endif
