#ifndef TRUCEWARD_AUDIO_BACKGROUNDMUSIC_H
#define TRUCEWARD_AUDIO_BACKGROUNDMUSIC_H

#include <SDL.h>
#include <vorbis/vorbisfile.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "audio/GainGlide.h"
#include "audio/Thread.h"

// Streams "music.ogg" in an endless seamless loop behind everything else,
// fading in over the first 22.5 s of sound. Its own thread decodes ahead into
// a ring of three quarter-second buffers; the audio thread plays from the ring.
//
// Threads: the main thread constructs and destroys; the music thread alone
// fills buffers (after the constructor has primed all three); the audio thread
// alone reads the buffers during playback and writes volume, playBuffer and
// playPosition. No lock. The samples live in kBlockCount blocks, one more than
// the ring has buffers: each buffer's hand-off word names the block that holds
// it and whether it waits for a refill. The music thread decodes into the
// block it keeps to itself, the spare, and hands it over with one
// compare-and-swap that also takes back the block the audio thread has left,
// as the new spare. So neither thread ever sees a buffer half refilled, and
// the audio thread never has to skip one: coming back to a buffer still
// waiting, it takes the buffer back and plays its old contents again. The
// music thread refills in the order the buffers will play, so that the song
// goes on in order after a stall.
class BackgroundMusic : public Thread {
  public:
    static constexpr int kFramesPerBuffer = 11025;  // a quarter second at 44100 Hz
    static constexpr int kBufferCount = 3;
    // The ring's buffers and the music thread's spare.
    static constexpr int kBlockCount = kBufferCount + 1;
    static constexpr int kChannels = 2;
    // Floats of one block: its left plane, then its right.
    static constexpr int kBlockSize = kChannels * kFramesPerBuffer;
    static constexpr Uint32 kPollPeriodMs = 62;
    // Music sits at half level under the effects.
    static constexpr float kGain = 0.5f;
    // Added per mixed frame while the volume is below 1: held as a float, it
    // reaches exactly 1 after 990522 frames.
    static constexpr float kFadeStep = 0.000001f;
    // Long enough for the thread, which looks every 62 ms, to end its sweep.
    static constexpr Uint32 kShutdownWaitMs = 600;
    static constexpr int kMaxSongChannels = 2;

    // A buffer's state in its hand-off word.
    static constexpr int kFilled = 0;
    static constexpr int kNeedsFill = 1;

    // The game's music: getSoundsPath() + "music.ogg", with its thread;
    // silent when there is no sounds folder.
    BackgroundMusic();
    // Opens the song at `path` ("" for none) and primes the ring. With `startFiller` false no
    // thread is started, and the owner refills the ring with fillBuffer.
    // A file that cannot be played is reported and leaves the music silent;
    // so is a song of more than kMaxSongChannels channels, which would need a
    // downmix nobody has written.
    explicit BackgroundMusic(const std::string& path, bool startFiller = true);
    ~BackgroundMusic() override;

    // Audio thread: adds the next `frames` frames of music into `output`
    // (interleaved stereo) at kGain times the fade-in volume times the gain
    // of setGain. Never allocates, decodes, locks or waits; adds nothing when
    // the music is not loaded. Plays one song frame per output frame: see
    // playsAt.
    void audioBlock(float* output, int frames);
    // Any thread: the music's own gain (1 leaves it as it is, 0 silences it),
    // reached over the next block mixed, without a click.
    void setGain(float gain);

    // Whether the song is loaded and made for a stream of `streamRate` frames
    // a second. Nothing resamples: at another rate it would play at the wrong
    // pitch and speed, so its owner leaves it out of the mix.
    bool playsAt(double streamRate) const;
    // Main thread, once the stream's rate is settled: when a loaded song is
    // refused for its rate, one line on standard output naming the file and
    // both rates.
    void checkStreamRate(double streamRate) const;

    // Music thread (or the constructor): decodes the next kFramesPerBuffer
    // frames of the looping song into `buffer`. A song that yields no frames
    // from its beginning is given up with one message; from then on every
    // fill is silence.
    void fillBuffer(int buffer);

    // The music thread: refill() every 62 ms until stopRequested.
    bool run() override;
    // One sweep of the music thread: refills every buffer marked kNeedsFill,
    // in the order they will play, beginning after the one playing now.
    void refill();
    // The two halves of a refill, on the music thread. decodeAhead decodes
    // the next quarter second into the spare block; handOver then gives that
    // block to `buffer` if the buffer still waits for a refill, and returns
    // whether it did. When the audio thread has taken the buffer back
    // meanwhile, the quarter second is dropped and the spare stays spare.
    void decodeAhead();
    bool handOver(int buffer);

    // kFilled or kNeedsFill, and the block that holds `buffer`.
    int state(int buffer) const;
    int blockOf(int buffer) const;

    // The folder of the sound files, ending in a slash, or "" when none is
    // found (see SoundsDirectory), which is then reported once.
    static std::string getSoundsPath();

    // Sample `frame` of `buffer` in the left or right plane.
    float leftSample(int buffer, int frame) const;
    float rightSample(int buffer, int frame) const;

    bool isLoaded() const { return loaded; }

    // Null when the file could not be played; owned by vorbisFile otherwise.
    FILE* file = nullptr;
    OggVorbis_File vorbisFile;
    // The song's frame at which the next fill continues.
    int streamPosition = 0;
    float volume = 0.0f;
    float buffers[kBlockCount][kBlockSize] = {};
    // Written by the audio thread alone; the music thread reads it to know the
    // order in which the buffers will play.
    std::atomic<int> playBuffer{0};
    // One per buffer: its block and its state (see handOffWord).
    std::atomic<int> handOff[kBufferCount];
    // The block only the music thread touches, decoded into before a hand-over.
    int spareBlock = kBufferCount;
    // Frames already played from playBuffer, 0 to kFramesPerBuffer.
    int playPosition = 0;
    std::atomic<bool> stopRequested{false};

  private:
    void open();
    // Decodes the next kFramesPerBuffer frames into `block`.
    void decode(float* block);

    static constexpr int kStateBits = 1;
    static constexpr int kStateMask = (1 << kStateBits) - 1;
    static int handOffWord(int block, int state) { return block << kStateBits | state; }
    static int stateIn(int word) { return word & kStateMask; }
    static int blockIn(int word) { return word >> kStateBits; }

    // Audio thread: the block of playBuffer, which from now on is the audio
    // thread's until it leaves it (see the class).
    int takePlayBuffer();
    // Mixes `frames` frames of `block`, the gain moving by `gainStep` a frame.
    void mixFrames(const float* block, float* output, int frames, float gainStep);
    void changeBuffers();

    GainGlide gain;

    std::string path;
    bool loaded = false;
    // Set when the song yields no frames from its beginning.
    bool songEmpty = false;
    // A mono song plays its one channel on both sides.
    int rightChannel = 0;
    // Frames a second the song was made for.
    long songRate = 0;
};

#endif
