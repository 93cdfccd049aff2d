#include "audio/Sounds.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "audio/BackgroundMusic.h"
#include "audio/VorbisFileOpener.h"

namespace {

// A damaged file can keep answering with an error; a hole or a bad page is
// over after a few tries, so this many errors in a row means give up.
constexpr int kMaxDecodeErrorsInARow = 64;

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr float kFullScale = 1.0f;

// Decodes up to `frames` frames of the first channel into `samples`; returns
// how many there were. Effects are mono; of a stereo file the left channel
// plays.
int decodeFirstChannel(OggVorbis_File* decoder, float* samples, int frames) {
    int filled = 0;
    int errorsInARow = 0;
    while (filled < frames && errorsInARow < kMaxDecodeErrorsInARow) {
        float** pcm = nullptr;
        const long read = ov_read_float(decoder, &pcm, frames - filled, nullptr);
        if (read == 0) {
            break;
        }
        if (read < 0) {
            ++errorsInARow;
            continue;
        }
        errorsInARow = 0;
        std::copy(pcm[kLeft], pcm[kLeft] + read, samples + filled);
        filled += static_cast<int>(read);
    }
    return filled;
}

// Whether the decoder has another frame to give.
bool goesOn(OggVorbis_File* decoder) {
    float** pcm = nullptr;
    return ov_read_float(decoder, &pcm, 1, nullptr) > 0;
}

// The mixer adds samples as they are, on a thread that must not print: a
// sample beyond full scale (or not a number at all) is mended here, once.
void clampToFullScale(const std::string& path, LoadedSound* sound) {
    int outside = 0;
    for (int i = 0; i < sound->length; ++i) {
        float& sample = sound->samples[i];
        if (!(std::fabs(sample) <= kFullScale)) {
            ++outside;
            sample = std::isnan(sample) ? 0.0f : std::clamp(sample, -kFullScale, kFullScale);
        }
    }
    if (outside > 0) {
        std::cout << "Sounds: " << path << " has " << outside
                  << " samples beyond full scale; they are clamped to -1..1." << std::endl;
    }
}

}  // namespace

Sounds* Sounds::getInstance() {
    static Sounds instance(BackgroundMusic::getSoundsPath());
    return &instance;
}

Sounds::Sounds(const std::string& directory) {
    loadFiles(directory);
}

const char* Sounds::fileName(SoundType type) {
    switch (type) {
        case SoundShot:
            return "shot.ogg";
        case SoundPersonDying:
            return "personDying.ogg";
        case SoundBrickPuff:
            return "brickPuff.ogg";
    }
    return "";
}

void Sounds::loadFiles(const std::string& directory) {
    // Never the bare names: they would be read from the current folder.
    if (directory.empty()) {
        return;
    }
    for (int type = 0; type < kSoundCount; ++type) {
        loadFile(directory + fileName(static_cast<SoundType>(type)), &sounds[type]);
    }
}

void Sounds::loadFile(const std::string& path, LoadedSound* sound) {
    OggVorbis_File decoder;
    if (VorbisFileOpener::open(path, &decoder) == nullptr) {
        return;
    }
    const ogg_int64_t total = ov_pcm_total(&decoder, 0);
    // An empty (or unmeasurable) sound stays unloaded: a voice needs a frame.
    if (total > 0) {
        // The length comes from a page anyone can damage: an 11 KB file may
        // claim billions of frames. Room is made for the cap at most.
        const bool claimBeyondCap = total > kMaxSoundFrames;
        const int room = claimBeyondCap ? kMaxSoundFrames : static_cast<int>(total);
        // Zeroed, so a file that decodes short ends in silence.
        sound->samples = std::make_unique<float[]>(room);
        const int filled = decodeFirstChannel(&decoder, sound->samples.get(), room);
        // A claim beyond the cap is not believed: such a sound ends where its
        // data end, rather than in seconds of silence that hold a voice.
        sound->length = claimBeyondCap ? filled : room;
        if (sound->length == 0) {
            sound->samples.reset();
        } else if (claimBeyondCap && filled == room && goesOn(&decoder)) {
            std::cout << "Sounds: " << path << " is longer than " << kMaxSoundSeconds
                      << " seconds; it is cut there." << std::endl;
        }
        clampToFullScale(path, sound);
    }
    ov_clear(&decoder);
}

void Sounds::playSound(SoundType type, float x) {
    if (type < 0 || type >= kSoundCount || !sounds[type].isLoaded()) {
        return;
    }
    for (Voice& voice : voices) {
        // Acquire: the audio thread's clearing of this voice is complete
        // before we fill it again.
        if (!voice.active.load(std::memory_order_acquire)) {
            voice.data = sounds[type].samples.get();
            voice.length = sounds[type].length;
            voice.pan = x / kFieldWidth;
            voice.position = 0.0f;
            voice.active.store(true, std::memory_order_release);
            return;
        }
    }
}

void Sounds::audioBlock(float* output, int frames) {
    const float gainStep = gain.beginBlock(frames);
    for (Voice& voice : voices) {
        if (voice.active.load(std::memory_order_acquire)) {
            mixVoice(&voice, output, frames, gain.current, gainStep);
        }
    }
    gain.endBlock();
}

void Sounds::setGain(float newGain) {
    gain.set(newGain);
}

void Sounds::mixVoice(Voice* voice, float* output, int frames, float gain, float gainStep) {
    // The position advances by exactly one per frame, so the frames left of
    // the sound are known up front; that keeps the loop free of bookkeeping.
    const int start = static_cast<int>(voice->position);
    const int count = std::min(frames, voice->length - start);
    const float* samples = voice->data + start;
    const float pan = voice->pan;
    if (gainStep == 0.0f) {
        // Nearly every block: a loop the compiler vectorises.
        const float right = pan * gain;
        const float left = (1.0f - pan) * gain;
        for (int frame = 0; frame < count; ++frame) {
            const float sample = samples[frame];
            output[2 * frame + kLeft] += left * sample;
            output[2 * frame + kRight] += right * sample;
        }
    } else {
        for (int frame = 0; frame < count; ++frame) {
            const float sample = samples[frame] * (gain + gainStep * static_cast<float>(frame));
            output[2 * frame + kLeft] += (1.0f - pan) * sample;
            output[2 * frame + kRight] += pan * sample;
        }
    }
    voice->position = static_cast<float>(start + count);
    if (start + count >= voice->length) {
        voice->data = nullptr;
        voice->length = 0;
        voice->pan = 0.0f;
        voice->position = 0.0f;
        voice->active.store(false, std::memory_order_release);
    }
}
