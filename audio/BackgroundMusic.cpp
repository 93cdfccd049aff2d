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

BackgroundMusic::BackgroundMusic()
    : BackgroundMusic(getSoundsPath().empty() ? "" : getSoundsPath() + "music.ogg") {}

BackgroundMusic::BackgroundMusic(const std::string& songPath, bool startFiller) : path(songPath) {
    for (int buffer = 0; buffer < kBufferCount; ++buffer) {
        handOff[buffer].store(handOffWord(buffer, kFilled), std::memory_order_relaxed);
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
    if (path.empty()) {
        return;
    }
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
    // Looked up once, so that a missing folder is reported once.
    static const std::string path = SoundsDirectory::locateOrReport(
        SoundsDirectory::executableDirectory(), TRUCEWARD_INSTALLED_SOUNDS);
    return path;
}

int BackgroundMusic::state(int buffer) const {
    return stateIn(handOff[buffer].load(std::memory_order_acquire));
}

int BackgroundMusic::blockOf(int buffer) const {
    return blockIn(handOff[buffer].load(std::memory_order_acquire));
}

float BackgroundMusic::leftSample(int buffer, int frame) const {
    return buffers[blockOf(buffer)][frame];
}

float BackgroundMusic::rightSample(int buffer, int frame) const {
    return buffers[blockOf(buffer)][kFramesPerBuffer + frame];
}

void BackgroundMusic::fillBuffer(int buffer) {
    decode(buffers[blockOf(buffer)]);
}

void BackgroundMusic::decode(float* block) {
    float* const left = block;
    float* const right = block + kFramesPerBuffer;
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
        refill();
        SDL_Delay(kPollPeriodMs);
    }
    return true;
}

void BackgroundMusic::refill() {
    // The song is decoded in order, so the buffers are filled in the order
    // they play: after a stall with two buffers waiting, the next quarter
    // second goes to the one heard first. The one playing now is left to the
    // audio thread, which takes it back.
    const int playing = playBuffer.load(std::memory_order_relaxed);
    for (int step = 1; step < kBufferCount; ++step) {
        const int buffer = (playing + step) % kBufferCount;
        if (state(buffer) == kNeedsFill) {
            decodeAhead();
            handOver(buffer);
        }
    }
}

void BackgroundMusic::decodeAhead() {
    decode(buffers[spareBlock]);
}

bool BackgroundMusic::handOver(int buffer) {
    int left = handOff[buffer].load(std::memory_order_relaxed);
    if (stateIn(left) != kNeedsFill) {
        return false;
    }
    // Acquire: the audio thread is done reading the block it left, which
    // becomes the spare. Release: the decoded block is seen whole. Should the
    // audio thread take the buffer back and leave it again meanwhile, the word
    // is as it was and the hand-over is just as sound.
    if (!handOff[buffer].compare_exchange_strong(left, handOffWord(spareBlock, kFilled),
                                                 std::memory_order_acq_rel,
                                                 std::memory_order_relaxed)) {
        return false;
    }
    spareBlock = blockIn(left);
    return true;
}

void BackgroundMusic::audioBlock(float* output, int frames) {
    if (!loaded) {
        return;
    }
    const float gainStep = gain.beginBlock(frames);
    // One pass for a block within the current buffer, two for a block that
    // crosses its end; any longer block simply takes more passes.
    while (frames > 0) {
        const int part = std::min(frames, kFramesPerBuffer - playPosition);
        mixFrames(buffers[takePlayBuffer()], output, part, gainStep);
        if (playPosition == kFramesPerBuffer) {
            changeBuffers();
        }
        output += kChannels * part;
        frames -= part;
    }
    gain.endBlock();
}

void BackgroundMusic::setGain(float newGain) {
    gain.set(newGain);
}

int BackgroundMusic::takePlayBuffer() {
    // Acquire: a refill handed over is seen whole. A refill not handed over
    // yet is called off by taking the buffer back, so that none lands while
    // the buffer plays; when the hand-over wins the race, the word it left is
    // the one to play.
    std::atomic<int>& word = handOff[playBuffer.load(std::memory_order_relaxed)];
    int now = word.load(std::memory_order_acquire);
    if (stateIn(now) == kNeedsFill) {
        word.compare_exchange_strong(now, handOffWord(blockIn(now), kFilled),
                                     std::memory_order_acquire);
    }
    return blockIn(now);
}

void BackgroundMusic::mixFrames(const float* block, float* output, int frames, float gainStep) {
    const float* left = block + playPosition;
    const float* right = left + kFramesPerBuffer;
    float level = volume;
    float glide = gain.current;
    const bool gliding = gainStep != 0.0f;
    int frame = 0;
    // The fade-in, or a block in which the gain changes: the factor changes
    // every frame.
    for (; frame < frames && (level < kFullVolume || gliding); ++frame) {
        const float factor = level * kGain * glide;
        output[kChannels * frame + kLeft] += left[frame] * factor;
        output[kChannels * frame + kRight] += right[frame] * factor;
        if (level < kFullVolume) {
            level += kFadeStep;
        }
        glide += gainStep;
    }
    // Then, all the rest of the game, a constant factor: a loop the compiler
    // vectorises.
    const float factor = level * kGain * glide;
    for (; frame < frames; ++frame) {
        output[kChannels * frame + kLeft] += left[frame] * factor;
        output[kChannels * frame + kRight] += right[frame] * factor;
    }
    volume = level;
    gain.current = glide;
    playPosition += frames;
}

void BackgroundMusic::changeBuffers() {
    const int left = playBuffer.load(std::memory_order_relaxed);
    // The buffer was taken on arrival, and the music thread changes only a
    // buffer that waits for a refill: its word is still the one taken.
    // Release: done reading its block.
    const int block = blockIn(handOff[left].load(std::memory_order_relaxed));
    handOff[left].store(handOffWord(block, kNeedsFill), std::memory_order_release);
    playPosition = 0;
    playBuffer.store((left + 1) % kBufferCount, std::memory_order_relaxed);
}
