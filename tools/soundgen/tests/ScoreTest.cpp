// The piece as music: its length, its pulse and its harmony.
#include "music/Score.h"

#include <gtest/gtest.h>

#include <set>

namespace {
const Part& partOf(const Score& score, Part::Player player) {
    for (const Part& p : score.parts()) {
        if (p.player == player) {
            return p;
        }
    }
    throw std::logic_error("no such part");
}

// Pitch classes (C = 0) of the string chord sounding at a beat.
std::set<int> chordAt(const Score& score, double beat) {
    std::set<int> classes;
    for (const ScoreNote& n : partOf(score, Part::Player::Strings).notes) {
        if (n.beat <= beat && beat < n.beat + n.beats) {
            classes.insert(n.pitch % 12);
        }
    }
    return classes;
}

bool startsOnDownbeat(const ScoreNote& n, int bar) {
    return n.beat == (bar - 1) * Score::kBeatsPerBar;
}
}  // namespace

TEST(Score, LengthIsWholeBarsOfAComfortableLoop) {
    // 98 beats a minute: 60 / 98 s a beat.
    EXPECT_EQ(Score::kFramesPerBeat * 98, 44100 * 60);
    EXPECT_EQ(Score::kLoopFrames % (Score::kFramesPerBeat * Score::kBeatsPerBar), 0);
    const double seconds = static_cast<double>(Score::kLoopFrames) / 44100;
    EXPECT_GE(seconds, 45.0);
    EXPECT_LE(seconds, 75.0);
}

TEST(Score, EveryNoteLiesInsideThePiece) {
    const Score score;
    for (const Part& part : score.parts()) {
        for (const ScoreNote& n : part.notes) {
            EXPECT_GE(n.beat, 0.0);
            EXPECT_LT(n.beat, Score::kTotalBeats);
            EXPECT_GT(n.beats, 0.0);
            EXPECT_GT(n.velocity, 0.0);
            EXPECT_LE(n.velocity, 1.0);
        }
    }
}

TEST(Score, TheDrumsKeepThePulseInEveryBar) {
    const Score score;
    for (Part::Player drum : {Part::Player::Snare, Part::Player::BassDrum}) {
        for (int bar = 1; bar <= Score::kBars; ++bar) {
            bool struck = false;
            for (const ScoreNote& n : partOf(score, drum).notes) {
                struck = struck || startsOnDownbeat(n, bar);
            }
            EXPECT_TRUE(struck) << "no downbeat in bar " << bar;
        }
    }
}

TEST(Score, MelodyBassAndSecondHornAgreeWithTheChordOnEveryDownbeat) {
    const Score score;
    for (Part::Player player : {Part::Player::Lead, Part::Player::SecondHorn, Part::Player::Tuba}) {
        for (const ScoreNote& n : partOf(score, player).notes) {
            for (int bar = 1; bar <= Score::kBars; ++bar) {
                if (!startsOnDownbeat(n, bar)) {
                    continue;
                }
                const std::set<int> chord = chordAt(score, n.beat);
                EXPECT_EQ(chord.count(n.pitch % 12), 1u)
                    << "pitch " << n.pitch << " clashes with the chord of bar " << bar;
            }
        }
    }
}

TEST(Score, ChordsAreTriadsInDMinorThatEndOnDMajor) {
    const Score score;
    // D minor: D F A; D major: D F# A.
    EXPECT_EQ(chordAt(score, 0), (std::set<int>{2, 5, 9}));
    EXPECT_EQ(chordAt(score, Score::kTotalBeats - 1), (std::set<int>{2, 6, 9}));
    // Every chord is a major or minor triad or a dominant seventh without
    // its fifth: no cluster of seconds.
    for (double beat = 0; beat < Score::kTotalBeats; beat += 2) {
        const std::set<int> chord = chordAt(score, beat);
        EXPECT_EQ(chord.size(), 3u) << "beat " << beat;
        for (int a : chord) {
            for (int b : chord) {
                const int interval = (b - a + 12) % 12;
                EXPECT_TRUE(interval != 1 && interval != 11) << "a minor second at beat " << beat;
            }
        }
    }
}

TEST(Score, LeadKeepsToASingableRange) {
    const Score score;
    for (const ScoreNote& n : partOf(score, Part::Player::Lead).notes) {
        EXPECT_GE(n.pitch, 60);  // middle C
        EXPECT_LE(n.pitch, 79);  // G5
    }
}
