#include "music/Score.h"

#include <stdexcept>
#include <string>

#include "music/DrumPattern.h"
#include "music/NoteText.h"

namespace {
// Dynamics of the three strains and of single strokes.
constexpr double kTheme = 0.72;
constexpr double kMiddle = 0.85;
constexpr double kHopeful = 0.92;
constexpr double kStringsTheme = 0.55;
constexpr double kStringsMiddle = 0.7;
constexpr double kStringsHopeful = 0.85;
constexpr double kTubaLevel = 0.8;
constexpr double kSoftCrash = 0.45;
constexpr double kFullCrash = 0.8;
constexpr double kRollLevel = 0.7;

// Appends bars of note text, one string per bar from bar `first` (1-based),
// and insists that every bar is exactly full.
void addBars(Part& part, const std::vector<std::string>& bars, int first, double velocity) {
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (NoteText::length(bars[i]) != Score::kBeatsPerBar) {
            throw std::logic_error("bar " + std::to_string(first + static_cast<int>(i)) +
                                   " is not full: " + bars[i]);
        }
        const double start = (first - 1 + static_cast<double>(i)) * Score::kBeatsPerBar;
        for (const ScoreNote& note : NoteText::parse(bars[i], start, velocity)) {
            part.notes.push_back(note);
        }
    }
}

void addDrumBars(Part& part, const std::vector<std::string>& bars, int first) {
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (DrumPattern::steps(bars[i]) * DrumPattern::kStepBeats != Score::kBeatsPerBar) {
            throw std::logic_error("drum bar " + std::to_string(first + static_cast<int>(i)) +
                                   " is not full: " + bars[i]);
        }
        const double start = (first - 1 + static_cast<double>(i)) * Score::kBeatsPerBar;
        for (const ScoreNote& note : DrumPattern::parse(bars[i], start)) {
            part.notes.push_back(note);
        }
    }
}
}  // namespace

Score::Score() {
    addLead();
    addSecondHorn();
    addStrings();
    addTuba();
    addDrums();
}

void Score::addLead() {
    Part lead{Part::Player::Lead, {}};
    // The theme: a rising call and a falling answer, each of four bars.
    addBars(lead,
            {"D4:1.5 E4:.5 F4:1 A4:1", "Bb4:1.5 A4:.5 G4:1 F4:1", "G4:1.5 A4:.5 Bb4:1 D5:1",
             "C#5:1.5 B4:.5 A4:2", "D5:1.5 C5:.5 A4:1 F4:1", "F4:1 Bb4:1 D5:1.5 C5:.5",
             "Bb4:1.5 A4:.5 G4:1 E4:1", "D4:3 A4:.5 C5:.5"},
            1, kTheme);
    // The middle: sequences climbing through F major to the dominant.
    addBars(lead,
            {"C5:1.5 D5:.5 C5:1 A4:1", "G4:1.5 A4:.5 G4:1 E4:1", "F4:1 A4:1 D5:1.5 C5:.5",
             "C#5:2 E5:1 C#5:1", "D5:1.5 C5:.5 Bb4:1 F4:1", "A4:1.5 Bb4:.5 C5:1 F5:1",
             "D5:1.5 Bb4:.5 G4:1 Bb4:1", "A4:3 C#5:.5 E5:.5"},
            9, kMiddle);
    // The hopeful strain, ending on the tonic with the major third below.
    addBars(lead,
            {"F5:2 D5:1 Bb4:1", "C5:2.5 A4:.5 F4:1", "G4:1.5 A4:.5 Bb4:1 C5:1", "D5:3 A4:.5 C5:.5",
             "F5:2 D5:1 Bb4:1", "C5:1.5 D5:.5 C5:1 A4:1", "Bb4:1 D5:1 C#5:1.5 E5:.5", "D5:4"},
            17, kHopeful);
    partList.push_back(lead);
}

void Score::addSecondHorn() {
    Part horn{Part::Player::SecondHorn, {}};
    // Thirds and sixths under the hopeful strain; the last bar's F sharp
    // turns the home key to major.
    addBars(horn,
            {"D5:2 Bb4:1 F4:1", "A4:2.5 F4:.5 C4:1", "E4:1.5 F4:.5 G4:2", "A4:3 r:1",
             "D5:2 Bb4:1 F4:1", "A4:1.5 Bb4:.5 A4:1 F4:1", "G4:1 Bb4:1 A4:1.5 C#5:.5", "F#4:4"},
            17, kHopeful);
    partList.push_back(horn);
}

void Score::addStrings() {
    Part strings{Part::Player::Strings, {}};
    addBars(strings,
            {"A3+D4+F4:4", "Bb3+D4+F4:4", "Bb3+D4+G4:4", "A3+C#4+E4:4", "A3+D4+F4:4", "Bb3+D4+F4:4",
             "Bb3+D4+G4:2 A3+C#4+G4:2", "A3+D4+F4:4"},
            1, kStringsTheme);
    // In the middle the chords are bowed again on the third beat, which
    // drives it on.
    addBars(strings,
            {"A3+C4+F4:2 A3+C4+F4:2", "G3+C4+E4:2 G3+C4+E4:2", "A3+D4+F4:2 A3+D4+F4:2",
             "A3+C#4+E4:2 A3+C#4+E4:2", "Bb3+D4+F4:2 Bb3+D4+F4:2", "A3+C4+F4:2 A3+C4+F4:2",
             "Bb3+D4+G4:2 Bb3+D4+G4:2", "A3+C#4+E4:2 A3+C#4+G4:2"},
            9, kStringsMiddle);
    // The hopeful strain is voiced higher and held.
    addBars(strings,
            {"D4+F4+Bb4:4", "C4+F4+A4:4", "C4+E4+G4:4", "D4+F4+A4:4", "D4+F4+Bb4:4", "C4+F4+A4:4",
             "D4+G4+Bb4:2 C#4+E4+A4:2", "D4+F#4+A4:4"},
            17, kStringsHopeful);
    partList.push_back(strings);
}

void Score::addTuba() {
    Part tuba{Part::Player::Tuba, {}};
    // Root and fifth on the strong beats, walking into each new strain; the
    // F chord of bar 22 stands on its third, so the bass steps down from B
    // flat through A to G.
    addBars(tuba, {"D2:2 A1:2",  "Bb1:2 F2:2", "G1:2 D2:2", "A1:2 E2:2",
                   "D2:2 A1:2",  "Bb1:2 F2:2", "G1:2 A1:2", "D2:1 r:1 D2:1 E2:1",
                   "F2:2 C2:2",  "C2:2 G1:2",  "D2:2 A1:2", "A1:2 E2:2",
                   "Bb1:2 F2:2", "F2:2 C2:2",  "G1:2 D2:2", "A1:1 r:1 E2:1 C#2:1",
                   "Bb1:2 F2:2", "F2:2 C2:2",  "C2:2 G1:2", "D2:2 A1:2",
                   "Bb1:2 F2:2", "A1:2 F1:2",  "G1:2 A1:2", "D2:2 A1:1 C#2:1"},
            1, kTubaLevel);
    partList.push_back(tuba);
}

void Score::addDrums() {
    Part snare{Part::Player::Snare, {}};
    const std::string march = "X..3 6.3. X..3 6.66";
    const std::string marchTurn = "X..3 6.3. X.6. 6.X.";
    const std::string drive = "X.36 6.36 X.36 6.X.";
    const std::string driveTurn = "X.36 6.36 X.36 X.66";
    const std::string truce = "5... 3..3 5... 3...";
    const std::string truceTurn = "5... 3..3 5..3 3.3.";
    addDrumBars(
        snare, {march, marchTurn, march, marchTurn, march, marchTurn, march, "X..3 6.3. X... cdef",
                drive, driveTurn, drive, driveTurn, drive, driveTurn, drive, "X.36 6.36 cdde fghi",
                truce, truceTurn, truce, truceTurn, truce, truceTurn, truce, "5... 5... bcde fghi"},
        1);
    partList.push_back(snare);

    Part bassDrum{Part::Player::BassDrum, {}};
    const std::string pace = "X... .... 7... ....";
    const std::string push = "X... ...5 7... ..5.";
    const std::string rest = "6... .... .... ....";
    addDrumBars(bassDrum, {pace, pace, pace, pace, pace, pace, pace, pace,
                           push, push, push, push, push, push, push, "X... .... 7... 7.7.",
                           rest, rest, rest, rest, rest, rest, rest, "6... .... 5... ...."},
                1);
    partList.push_back(bassDrum);

    Part crash{Part::Player::CymbalCrash, {}};
    crash.notes.push_back(ScoreNote{8 * kBeatsPerBar, 1, 0, kSoftCrash});
    crash.notes.push_back(ScoreNote{16 * kBeatsPerBar, 1, 0, kFullCrash});
    partList.push_back(crash);

    Part roll{Part::Player::CymbalRoll, {}};
    roll.notes.push_back(ScoreNote{15 * kBeatsPerBar, kBeatsPerBar, 0, kRollLevel});
    roll.notes.push_back(ScoreNote{23 * kBeatsPerBar + 2, 2, 0, kRollLevel * kSoftCrash});
    partList.push_back(roll);
}
