#ifndef TRUCEWARD_TOOLS_SOUNDGEN_APP_SOUNDFILES_H
#define TRUCEWARD_TOOLS_SOUNDGEN_APP_SOUNDFILES_H

// The files the game loads, the seeds they are made from, and the limits
// they must keep. The generator and the checker both work from this list.
struct SoundFiles {
    static constexpr const char* kShot = "shot.ogg";
    static constexpr const char* kPersonDying = "personDying.ogg";
    static constexpr const char* kBrickPuff = "brickPuff.ogg";
    static constexpr const char* kMusic = "music.ogg";

    // Fixed seeds for the noise in each sound, and fixed Ogg serial numbers,
    // so that a rerun writes identical bytes.
    static constexpr unsigned long long kShotSeed = 0x5407;
    static constexpr unsigned long long kPersonDyingSeed = 0xD1E5;
    static constexpr unsigned long long kBrickPuffSeed = 0xB21C;
    static constexpr unsigned long long kMusicSeed = 0x7A0CE;
    static constexpr int kShotSerial = 0x54520001;
    static constexpr int kPersonDyingSerial = 0x54520002;
    static constexpr int kBrickPuffSerial = 0x54520003;
    static constexpr int kMusicSerial = 0x54520004;

    static constexpr int kEffectChannels = 1;
    static constexpr int kMusicChannels = 2;

    // Effects add to the music and to each other without clipping, so no
    // decoded sample may reach this.
    static constexpr double kPeakLimit = 0.9;
    // The generator aims at this decoded peak, leaving room for the
    // encoder's overshoot below the limit.
    static constexpr double kEffectPeak = 0.84;
    // The music plays at half level under the effects; its own peak stays
    // lower so that it keeps in the background.
    static constexpr double kMusicPeak = 0.72;

    static constexpr double kEffectMinSeconds = 0.1;
    static constexpr double kEffectMaxSeconds = 3.0;
    static constexpr double kMusicMinSeconds = 30.0;
    static constexpr double kMusicMaxSeconds = 120.0;

    // Largest tolerated DC offset.
    static constexpr double kDcLimit = 0.005;
    // An effect starts from near silence and dies away: its first sample and
    // the RMS of its last few milliseconds stay below these.
    static constexpr double kEffectStartLimit = 0.05;
    static constexpr double kEffectTailSeconds = 0.01;
    static constexpr double kEffectTailRmsLimit = 0.01;
    // Comfortable loudness of the whole music, as RMS of each channel.
    static constexpr double kMusicRmsLow = 0.03;
    static constexpr double kMusicRmsHigh = 0.25;
    // Samples on each side of the loop's join compared with the join.
    static constexpr unsigned kSeamWindow = 2048;

    // Vorbis quality (libvorbisenc VBR scale).
    static constexpr float kEffectQuality = 0.6f;
    static constexpr float kMusicQuality = 0.4f;
};

#endif
