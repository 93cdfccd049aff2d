#include "music/MusicRenderer.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Chorus.h"
#include "dsp/Random.h"
#include "dsp/Reverb.h"
#include "music/BassDrum.h"
#include "music/BrassVoice.h"
#include "music/Cymbal.h"
#include "music/SnareDrum.h"
#include "music/StringPad.h"

namespace {
constexpr double kConcertA = 440;
constexpr int kMidiOfA4 = 69;
constexpr double kSemitonesPerOctave = 12;

// The piece is played this many times and the middle one kept.
constexpr int kPasses = 3;
constexpr int kEptPass = 1;

// How each player sits in the mix.
struct Seat {
    Part::Player player;
    double gain;
    double pan;
    double reverbSend;
    // Spread of the timing of a human player, in seconds (standard deviation).
    double timingSpread;
    // Relative spread of force from note to note.
    double forceSpread;
};

const Seat kSeats[] = {
    {Part::Player::Lead, 0.5, 0.44, 0.32, 0.006, 0.05},
    {Part::Player::SecondHorn, 0.34, 0.64, 0.4, 0.008, 0.05},
    {Part::Player::Strings, 0.28, 0.5, 0.5, 0.01, 0.03},
    {Part::Player::Tuba, 0.4, 0.5, 0.12, 0.005, 0.05},
    {Part::Player::Snare, 0.3, 0.58, 0.28, 0.002, 0.06},
    {Part::Player::BassDrum, 0.55, 0.46, 0.22, 0.003, 0.04},
    {Part::Player::CymbalCrash, 0.12, 0.68, 0.3, 0.0, 0.0},
    {Part::Player::CymbalRoll, 0.12, 0.68, 0.3, 0.0, 0.0},
};

// Chord notes of the strings spread across the stage by pitch, low ones
// to the right like cellos, high ones to the left like violins.
constexpr int kStringsLowPitch = 55;
constexpr int kStringsHighPitch = 72;
constexpr double kStringsPanLow = 0.72;
constexpr double kStringsPanHigh = 0.28;

// The room: decay and darkness of the reverberation and its return level.
constexpr double kRoomFeedback = 0.84;
constexpr double kRoomDamping = 0.4;
constexpr double kRoomReturn = 0.55;

// The strings' chorus: a slow sway of roughly this rate, adjusted to a
// whole number of cycles per loop.
constexpr double kChorusDelayMs = 14;
constexpr double kChorusDepthMs = 4;
constexpr double kChorusRateHz = 0.35;
constexpr double kChorusMix = 0.6;

// The master keeps nothing below hearing and no DC.
constexpr double kMasterHighpassHz = 20;
constexpr double kButterworthQ = 0.7071;

std::unique_ptr<Instrument> instrumentFor(Part::Player player) {
    switch (player) {
        case Part::Player::Lead:
        case Part::Player::SecondHorn:
            return std::make_unique<BrassVoice>(BrassVoice::horn());
        case Part::Player::Tuba:
            return std::make_unique<BrassVoice>(BrassVoice::tuba());
        case Part::Player::Strings:
            return std::make_unique<StringPad>();
        case Part::Player::Snare:
            return std::make_unique<SnareDrum>();
        case Part::Player::BassDrum:
            return std::make_unique<BassDrum>();
        case Part::Player::CymbalCrash:
            return std::make_unique<Cymbal>(false);
        case Part::Player::CymbalRoll:
            return std::make_unique<Cymbal>(true);
    }
    return nullptr;
}

const Seat& seatOf(Part::Player player) {
    for (const Seat& seat : kSeats) {
        if (seat.player == player) {
            return seat;
        }
    }
    return kSeats[0];
}

double panOf(const Seat& seat, const ScoreNote& note) {
    if (seat.player != Part::Player::Strings) {
        return seat.pan;
    }
    const double x =
        static_cast<double>(note.pitch - kStringsLowPitch) / (kStringsHighPitch - kStringsLowPitch);
    return kStringsPanLow + (kStringsPanHigh - kStringsPanLow) * std::clamp(x, 0.0, 1.0);
}
}  // namespace

double MusicRenderer::frequencyOf(int pitch) {
    return kConcertA * std::pow(2.0, (pitch - kMidiOfA4) / kSemitonesPerOctave);
}

StereoBuffer MusicRenderer::render(const Score& score, std::uint64_t seed) {
    const double sr = AudioFormat::kSampleRate;
    const long long loop = Score::kLoopFrames;
    // The buffers end with the kept pass; the pass after it only reaches in
    // where its notes start early.
    const std::size_t total = static_cast<std::size_t>(loop) * (kEptPass + 1);
    const double secondsPerBeat = static_cast<double>(Score::kFramesPerBeat) / sr;

    StereoBuffer dry(total), strings(total), send(total);
    for (const Part& part : score.parts()) {
        const Seat& seat = seatOf(part.player);
        const std::unique_ptr<Instrument> instrument = instrumentFor(part.player);
        StereoBuffer& bus = part.player == Part::Player::Strings ? strings : dry;
        for (std::size_t i = 0; i < part.notes.size(); ++i) {
            const ScoreNote& note = part.notes[i];
            const std::uint64_t noteSeed =
                Random::mix(Random::mix(seed, static_cast<std::uint64_t>(part.player)), i);
            Random human(noteSeed);
            const double shift = seat.timingSpread * human.gaussian();
            const double force =
                std::clamp(note.velocity * (1.0 + seat.forceSpread * human.bipolar()), 0.0, 1.0);
            const NotePlay play{frequencyOf(note.pitch), note.beats * secondsPerBeat, force,
                                noteSeed};
            const std::vector<float> sound = instrument->play(play);
            const long long onset =
                std::llround(note.beat * static_cast<double>(Score::kFramesPerBeat) + shift * sr);
            const double pan = panOf(seat, note);
            for (int p = 0; p < kPasses; ++p) {
                bus.addMono(p * loop + onset, sound, pan, seat.gain);
                send.addMono(p * loop + onset, sound, pan, seat.gain * seat.reverbSend);
            }
        }
    }

    const double loopSeconds = static_cast<double>(loop) / sr;
    const double chorusRate = std::round(kChorusRateHz * loopSeconds) / loopSeconds;
    Chorus chorus(sr, kChorusDelayMs, kChorusDepthMs, chorusRate, kChorusMix);
    Reverb room(kRoomFeedback, kRoomDamping);
    Biquad highLeft, highRight;
    highLeft.setHighpass(sr, kMasterHighpassHz, kButterworthQ);
    highRight.setHighpass(sr, kMasterHighpassHz, kButterworthQ);

    // The effects run from the very start, so that by the kept pass they
    // carry what the pass before left in them.
    StereoBuffer out(static_cast<std::size_t>(loop));
    const std::size_t keptFrom = static_cast<std::size_t>(loop) * kEptPass;
    for (std::size_t f = 0; f < total; ++f) {
        double stringsLeft, stringsRight, roomLeft, roomRight;
        chorus.process(strings.left[f], strings.right[f], stringsLeft, stringsRight);
        room.process(send.left[f], send.right[f], roomLeft, roomRight);
        const double l = highLeft.process(dry.left[f] + stringsLeft + kRoomReturn * roomLeft);
        const double r = highRight.process(dry.right[f] + stringsRight + kRoomReturn * roomRight);
        if (f >= keptFrom) {
            out.left[f - keptFrom] = static_cast<float>(l);
            out.right[f - keptFrom] = static_cast<float>(r);
        }
    }
    return out;
}
