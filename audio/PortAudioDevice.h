#ifndef TRUCEWARD_AUDIO_PORTAUDIODEVICE_H
#define TRUCEWARD_AUDIO_PORTAUDIODEVICE_H

#include <portaudio.h>

class PortAudioCallback;

// The game's one output stream: 32-bit float, interleaved channels, blocks of
// the library's choosing, produced by a PortAudioCallback on the library's
// own thread. Every failure is printed and leaves the game silent.
class PortAudioDevice {
  public:
    static constexpr double kPreferredRate = 44100.0;
    static constexpr double kFallbackRate = 48000.0;

    PortAudioDevice() = default;
    PortAudioDevice(const PortAudioDevice&) = delete;
    PortAudioDevice& operator=(const PortAudioDevice&) = delete;
    ~PortAudioDevice();

    void setCallback(PortAudioCallback* callback);
    void setNumChannels(int inputChannels, int outputChannels);
    void setSamplerate(double rate);

    // Opens and starts the stream; false on any failure and when started.
    bool start();
    // Stops, closes and shuts the library down; nothing when not started.
    void stop();

    static int portAudioCallback(const void* input, void* output, unsigned long frames,
                                 const PaStreamCallbackTimeInfo* timeInfo,
                                 PaStreamCallbackFlags statusFlags, void* userData);

    PaStream* stream = nullptr;
    PortAudioCallback* callback = nullptr;
    int numInputChannels = 0;
    int numOutputChannels = 2;
    double sampleRate = kPreferredRate;
    bool started = false;
};

#endif
