#include "audio/PortAudioDevice.h"

#include <iostream>

#include "audio/PortAudioCallback.h"

namespace {

// The platform's default host API, and its default devices. Without a host
// API the devices stay unset, and opening the stream reports the failure.
void defaultDevices(PaDeviceIndex& input, PaDeviceIndex& output) {
    input = paNoDevice;
    output = paNoDevice;
    const PaHostApiInfo* host = Pa_GetHostApiInfo(Pa_GetDefaultHostApi());
    if (host != nullptr) {
        input = host->defaultInputDevice;
        output = host->defaultOutputDevice;
    }
}

PaStreamParameters streamParameters(PaDeviceIndex device, int channels) {
    PaStreamParameters parameters{};
    parameters.device = device;
    parameters.channelCount = channels;
    parameters.sampleFormat = paFloat32;
    parameters.suggestedLatency = 0.0;
    parameters.hostApiSpecificStreamInfo = nullptr;
    return parameters;
}

}  // namespace

PortAudioDevice::~PortAudioDevice() {
    stop();
}

void PortAudioDevice::setCallback(PortAudioCallback* newCallback) {
    callback = newCallback;
}

void PortAudioDevice::setNumChannels(int inputChannels, int outputChannels) {
    numInputChannels = inputChannels;
    numOutputChannels = outputChannels;
}

void PortAudioDevice::setSamplerate(double rate) {
    sampleRate = rate;
}

bool PortAudioDevice::start() {
    if (started) {
        return false;
    }
    if (Pa_Initialize() != paNoError) {
        std::cout << "PortAudioDevice Error: Could not initialise." << std::endl;
        return false;
    }
    PaDeviceIndex inputDevice = paNoDevice;
    PaDeviceIndex outputDevice = paNoDevice;
    defaultDevices(inputDevice, outputDevice);
    PaStreamParameters input = streamParameters(inputDevice, numInputChannels);
    PaStreamParameters output = streamParameters(outputDevice, numOutputChannels);

    if (Pa_IsFormatSupported(nullptr, &output, sampleRate) == paInvalidSampleRate) {
        std::cout << "44100Hz samplerate not supported, using 48000Hz." << std::endl;
        sampleRate = kFallbackRate;
        if (Pa_IsFormatSupported(nullptr, &output, sampleRate) == paInvalidSampleRate) {
            std::cout << "48000Hz not supported either?" << std::endl;
        }
    }
    const PaError opened = Pa_OpenStream(&stream, numInputChannels > 0 ? &input : nullptr,
                                         numOutputChannels >= 1 ? &output : nullptr, sampleRate,
                                         paFramesPerBufferUnspecified, paNoFlag,
                                         &PortAudioDevice::portAudioCallback, callback);
    if (opened != paNoError) {
        std::cout << "PortAudioDevice Error: Could not open stream." << std::endl;
        stream = nullptr;
        Pa_Terminate();
        return false;
    }
    if (Pa_StartStream(stream) != paNoError) {
        std::cout << "PortAudioDevice Error: Could not start stream." << std::endl;
        Pa_CloseStream(stream);
        stream = nullptr;
        Pa_Terminate();
        return false;
    }
    started = true;
    return true;
}

void PortAudioDevice::stop() {
    if (!started) {
        return;
    }
    Pa_StopStream(stream);
    Pa_CloseStream(stream);
    Pa_Terminate();
    stream = nullptr;
    started = false;
}

int PortAudioDevice::portAudioCallback(const void* input, void* output, unsigned long frames,
                                       const PaStreamCallbackTimeInfo* /*timeInfo*/,
                                       PaStreamCallbackFlags /*statusFlags*/, void* userData) {
    PortAudioCallback* target = static_cast<PortAudioCallback*>(userData);
    if (target != nullptr) {
        target->getAudio(static_cast<float*>(const_cast<void*>(input)), static_cast<float*>(output),
                         static_cast<int>(frames));
    }
    return paContinue;
}
