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
    for (std::atomic<int>& state : needsFill) {
        state.store(kFilled, std::memory_order_relaxed);
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
    float* left = buffers + buffer * kFramesPerBuffer;
    decode(left, left + kPlaneSize);
}

void BackgroundMusic::decode(float* left, float* right) {
    if (!loaded) {
        return;
    }
    if (songEmpty) {
        std::fill(left, left + kFramesPerBuffer, 0.0f);
        std::fill(right, right + kFramesPerBuffer, 0.0f);
        return;
    }
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
                std::fill(left + filled, left + kFramesPerBuffer, 0.0f);
                std::fill(right + filled, right + kFramesPerBuffer, 0.0f);
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

bool BackgroundMusic::run() {
    while (!stopRequested.load(std::memory_order_acquire)) {
        for (int buffer = 0; buffer < kBufferCount; ++buffer) {
            if (needsFill[buffer].load(std::memory_order_relaxed) != kNeedsFill) {
                continue;
            }
            float* const aheadRight = ahead + kFramesPerBuffer;
            decode(ahead, aheadRight);
            // Acquire: the audio thread is done reading the buffer. When it
            // has come back to the buffer meanwhile, it plays the old contents
            // and this quarter second of the song is dropped.
            int expected = kNeedsFill;
            if (needsFill[buffer].compare_exchange_strong(expected, kFilling,
                                                          std::memory_order_acquire)) {
                float* left = buffers + buffer * kFramesPerBuffer;
                std::copy(ahead, aheadRight, left);
                std::copy(aheadRight, aheadRight + kFramesPerBuffer, left + kPlaneSize);
                needsFill[buffer].store(kFilled, std::memory_order_release);
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
        if (playable()) {
            mixFrames(output, part);
        } else {
            skipFrames(part);
        }
        if (playPosition == kFramesPerBuffer) {
            changeBuffers();
        }
        output += kChannels * part;
        frames -= part;
    }
}

bool BackgroundMusic::playable() {
    // Acquire: a refill that is done is seen whole. A refill not begun is
    // called off, so that none begins while the buffer plays.
    int state = needsFill[playBuffer].load(std::memory_order_acquire);
    if (state == kNeedsFill &&
        needsFill[playBuffer].compare_exchange_strong(state, kFilled, std::memory_order_acquire)) {
        return true;
    }
    return state == kFilled;
}

void BackgroundMusic::skipFrames(int frames) {
    float level = volume;
    for (int frame = 0; frame < frames && level < kFullVolume; ++frame) {
        level += kFadeStep;
    }
    volume = level;
    playPosition += frames;
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
    needsFill[playBuffer].store(kNeedsFill, std::memory_order_release);
    playPosition = 0;
    playBuffer = (playBuffer + 1) % kBufferCount;
}
