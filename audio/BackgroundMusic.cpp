#include "audio/BackgroundMusic.h"

#include <algorithm>
#include <iostream>

#include "audio/SoundsDirectory.h"
#include "audio/VorbisFileOpener.h"

#ifndef TRUCEWARD_INSTALLED_SOUNDS
#define TRUCEWARD_INSTALLED_SOUNDS ""
#endif

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kFirstLink = 0;
constexpr float kFullVolume = 1.0f;

}  // namespace

BackgroundMusic::BackgroundMusic() : BackgroundMusic(getSoundsPath() + "music.ogg") {}

BackgroundMusic::BackgroundMusic(const std::string& songPath, bool startFiller) : path(songPath) {
    for (std::atomic<bool>& flag : needsFill) {
        flag.store(false, std::memory_order_relaxed);
    }
    open();
    if (!loaded) {
        return;
    }
    for (int buffer = 0; buffer < kBufferCount; ++buffer) {
        fillBuffer(buffer);
    }
    if (startFiller) {
        startThread(this);
    }
}

BackgroundMusic::~BackgroundMusic() {
    stopRequested.store(true, std::memory_order_release);
    SDL_Delay(kShutdownWaitMs);
    // The thread decodes: it must be over before the decoder goes.
    joinThread();
    if (loaded) {
        ov_clear(&vorbisFile);
    }
}

void BackgroundMusic::open() {
    file = VorbisFileOpener::open(path, &vorbisFile);
    if (file == nullptr) {
        return;
    }
    const vorbis_info* info = ov_info(&vorbisFile, kFirstLink);
    const int channels = info != nullptr ? info->channels : 0;
    if (channels > kMaxSongChannels) {
        // Its first two channels are not left and right in every layout (a
        // 5.1 file's second is the centre): better silent than garbled.
        std::cout << "BackgroundMusic: " << path << " has " << channels
                  << " channels, more than the " << kMaxSongChannels
                  << " the game plays; the music stays silent." << std::endl;
        ov_clear(&vorbisFile);
        file = nullptr;
        return;
    }
    loaded = true;
    rightChannel = channels > 1 ? kRight : kLeft;
    songRate = info != nullptr ? info->rate : 0;
}

bool BackgroundMusic::playsAt(double streamRate) const {
    return loaded && static_cast<double>(songRate) == streamRate;
}

void BackgroundMusic::checkStreamRate(double streamRate) const {
    if (loaded && !playsAt(streamRate)) {
        std::cout << "BackgroundMusic: " << path << " is made for " << songRate
                  << " Hz but the sound plays at " << streamRate << " Hz; the music stays silent."
                  << std::endl;
    }
}

std::string BackgroundMusic::getSoundsPath() {
    return SoundsDirectory::locate(SoundsDirectory::executableDirectory(),
                                   TRUCEWARD_INSTALLED_SOUNDS);
}

float BackgroundMusic::leftSample(int buffer, int frame) const {
    return buffers[buffer * kFramesPerBuffer + frame];
}

float BackgroundMusic::rightSample(int buffer, int frame) const {
    return buffers[kPlaneSize + buffer * kFramesPerBuffer + frame];
}

void BackgroundMusic::fillBuffer(int buffer) {
    if (!loaded) {
        return;
    }
    if (songEmpty) {
        giveUp(buffer, 0);
        return;
    }
    float* left = buffers + buffer * kFramesPerBuffer;
    float* right = left + kPlaneSize;
    ov_pcm_seek(&vorbisFile, streamPosition);
    // Whether nothing has been read since the decoder stood at frame 0.
    bool atSongStart = streamPosition == 0;
    int filled = 0;
    while (filled < kFramesPerBuffer) {
        float** pcm = nullptr;
        int link = kFirstLink;
        const long read = ov_read_float(&vorbisFile, &pcm, kFramesPerBuffer - filled, &link);
        if (link > kFirstLink || read <= 0) {
            // The end of the song, a following chained stream or a decoding
            // error: the song starts again, without a gap. A song that ends
            // before it starts would have us seeking forever.
            if (atSongStart) {
                songEmpty = true;
                std::cout << "BackgroundMusic: No sound could be decoded from the beginning of "
                          << path << "; the music stays silent." << std::endl;
                giveUp(buffer, filled);
                return;
            }
            streamPosition = 0;
            ov_pcm_seek(&vorbisFile, 0);
            atSongStart = true;
            continue;
        }
        const int frames = static_cast<int>(read);
        std::copy(pcm[kLeft], pcm[kLeft] + frames, left + filled);
        std::copy(pcm[rightChannel], pcm[rightChannel] + frames, right + filled);
        filled += frames;
        streamPosition += frames;
        atSongStart = false;
    }
}

void BackgroundMusic::giveUp(int buffer, int filled) {
    float* left = buffers + buffer * kFramesPerBuffer;
    float* right = left + kPlaneSize;
    std::fill(left + filled, left + kFramesPerBuffer, 0.0f);
    std::fill(right + filled, right + kFramesPerBuffer, 0.0f);
}

bool BackgroundMusic::run() {
    while (!stopRequested.load(std::memory_order_acquire)) {
        for (int buffer = 0; buffer < kBufferCount; ++buffer) {
            // Acquire: the audio thread is done reading the buffer.
            if (needsFill[buffer].load(std::memory_order_acquire)) {
                fillBuffer(buffer);
                needsFill[buffer].store(false, std::memory_order_release);
            }
        }
        SDL_Delay(kPollPeriodMs);
    }
    return true;
}

void BackgroundMusic::audioBlock(float* output, int frames) {
    if (!loaded) {
        return;
    }
    // One pass for a block within the current buffer, two for a block that
    // crosses its end; any longer block simply takes more passes.
    while (frames > 0) {
        const int part = std::min(frames, kFramesPerBuffer - playPosition);
        mixFrames(output, part);
        if (playPosition == kFramesPerBuffer) {
            changeBuffers();
        }
        output += kChannels * part;
        frames -= part;
    }
}

void BackgroundMusic::mixFrames(float* output, int frames) {
    const float* left = buffers + playBuffer * kFramesPerBuffer + playPosition;
    const float* right = left + kPlaneSize;
    float level = volume;
    int frame = 0;
    // The fade-in: the volume changes every frame.
    for (; frame < frames && level < kFullVolume; ++frame) {
        output[kChannels * frame + kLeft] += left[frame] * level * kGain;
        output[kChannels * frame + kRight] += right[frame] * level * kGain;
        level += kFadeStep;
    }
    // Then, all the rest of the game, a constant volume: a loop the compiler
    // vectorises.
    for (; frame < frames; ++frame) {
        output[kChannels * frame + kLeft] += left[frame] * level * kGain;
        output[kChannels * frame + kRight] += right[frame] * level * kGain;
    }
    volume = level;
    playPosition += frames;
}

void BackgroundMusic::changeBuffers() {
    needsFill[playBuffer].store(true, std::memory_order_release);
    playPosition = 0;
    playBuffer = (playBuffer + 1) % kBufferCount;
    // Playback does not wait for the refill, and does not look at the flag to
    // decide anything; reading it only makes a refill that is already done
    // visible to this thread before the buffer plays.
    static_cast<void>(needsFill[playBuffer].load(std::memory_order_acquire));
}
