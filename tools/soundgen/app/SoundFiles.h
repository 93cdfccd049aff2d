#ifndef TRUCEWARD_TOOLS_SOUNDGEN_APP_SOUNDFILES_H
#define TRUCEWARD_TOOLS_SOUNDGEN_APP_SOUNDFILES_H

// The files the game loads, the seeds they are made from, and the limits
// they must keep. The generator and the checker both work from this list.
struct SoundFiles {
    static constexpr const char* shot = "shot.ogg";
    static constexpr const char* personDying = "personDying.ogg";
    static constexpr const char* brickPuff = "brickPuff.ogg";
    static constexpr const char* music = "music.ogg";

    // Fixed seeds for the noise in each sound, and fixed Ogg serial numbers,
    // so that a rerun writes identical bytes.
    static constexpr unsigned long long shotSeed = 0x5407;
    static constexpr unsigned long long personDyingSeed = 0xD1E5;
    static constexpr unsigned long long brickPuffSeed = 0xB21C;
    static constexpr unsigned long long musicSeed = 0x7A0CE;
    static constexpr int shotSerial = 0x54520001;
    static constexpr int personDyingSerial = 0x54520002;
    static constexpr int brickPuffSerial = 0x54520003;
    static constexpr int musicSerial = 0x54520004;

    static constexpr int effectChannels = 1;
    static constexpr int musicChannels = 2;

    // Effects add to the music and to each other without clipping, so no
    // decoded sample may reach this.
    static constexpr double peakLimit = 0.9;
    // The generator aims at this decoded peak, leaving room for the
    // encoder's overshoot below the limit.
    static constexpr double effectPeak = 0.84;
    // The music plays at half level under the effects; its own peak stays
    // lower so that it keeps in the background.
    static constexpr double musicPeak = 0.72;

    static constexpr double effectMinSeconds = 0.1;
    static constexpr double effectMaxSeconds = 3.0;
    static constexpr double musicMinSeconds = 30.0;
    static constexpr double musicMaxSeconds = 120.0;

    // Largest tolerated DC offset.
    static constexpr double dcLimit = 0.005;
    // An effect starts from near silence and dies away: its first sample and
    // the RMS of its last few milliseconds stay below these.
    static constexpr double effectStartLimit = 0.05;
    static constexpr double effectTailSeconds = 0.01;
    static constexpr double effectTailRmsLimit = 0.01;
    // Comfortable loudness of the whole music, as RMS of each channel.
    static constexpr double musicRmsLow = 0.03;
    static constexpr double musicRmsHigh = 0.25;
    // Samples on each side of the loop's join compared with the join.
    static constexpr unsigned seamWindow = 2048;

    // Vorbis quality (libvorbisenc VBR scale).
    static constexpr float effectQuality = 0.6f;
    static constexpr float musicQuality = 0.4f;
};

#endif
