// Reading notes and drum patterns from text.
#include <gtest/gtest.h>

#include <stdexcept>

#include "music/DrumPattern.h"
#include "music/NoteText.h"

TEST(NoteText, PitchNamesFollowMidiNumbering) {
    // MIDI: middle C (C4) is 60, A4 is 69, each octave 12 semitones.
    EXPECT_EQ(NoteText::pitchOf("C4"), 60);
    EXPECT_EQ(NoteText::pitchOf("A4"), 69);
    EXPECT_EQ(NoteText::pitchOf("C#5"), 73);
    EXPECT_EQ(NoteText::pitchOf("Bb1"), 34);
    EXPECT_EQ(NoteText::pitchOf("B3"), 59);
    EXPECT_EQ(NoteText::pitchOf("Cb4"), 59);
    EXPECT_EQ(NoteText::pitchOf("F#4"), 66);
}

TEST(NoteText, NotesFollowEachOtherAndChordsStartTogether) {
    const auto notes = NoteText::parse("D4:1.5 r:.5 A3+D4:2", 8, 0.7);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0].pitch, 62);
    EXPECT_DOUBLE_EQ(notes[0].beat, 8);
    EXPECT_DOUBLE_EQ(notes[0].beats, 1.5);
    EXPECT_EQ(notes[1].pitch, 57);
    EXPECT_EQ(notes[2].pitch, 62);
    EXPECT_DOUBLE_EQ(notes[1].beat, 10);  // after the note and the rest
    EXPECT_DOUBLE_EQ(notes[2].beat, 10);
    EXPECT_DOUBLE_EQ(notes[2].beats, 2);
    EXPECT_DOUBLE_EQ(notes[2].velocity, 0.7);
    EXPECT_DOUBLE_EQ(NoteText::length("D4:1.5 r:.5 A3+D4:2"), 4);
}

TEST(NoteText, MalformedTextIsRefused) {
    for (const char* bad : {"D4", "D4:", "H4:1", "D:1", "D4:0", "D4:-1", "D4:1x", "D45:1", ":1"}) {
        EXPECT_THROW(NoteText::parse(bad, 0, 1), std::invalid_argument) << bad;
    }
}

TEST(DrumPattern, StepsAreSixteenthsWithTheirForce) {
    const auto strokes = DrumPattern::parse("X..3 .... 5... ....", 4);
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_DOUBLE_EQ(strokes[0].beat, 4);
    EXPECT_DOUBLE_EQ(strokes[0].velocity, 1.0);
    EXPECT_DOUBLE_EQ(strokes[1].beat, 4.75);
    EXPECT_NEAR(strokes[1].velocity, 0.3, 1e-12);
    EXPECT_DOUBLE_EQ(strokes[2].beat, 6);
    EXPECT_NEAR(strokes[2].velocity, 0.5, 1e-12);
    EXPECT_EQ(DrumPattern::steps("X..3 .... 5... ...."), 16);
}

TEST(DrumPattern, RollStepsStrikeThreeTimesEvenlyWithinTheStep) {
    const auto strokes = DrumPattern::parse(".c", 0);
    ASSERT_EQ(strokes.size(), 3u);
    // The second step starts at beat 0.25 and lasts a quarter of a beat.
    EXPECT_DOUBLE_EQ(strokes[0].beat, 0.25);
    EXPECT_NEAR(strokes[1].beat, 0.25 + 1.0 / 12, 1e-12);
    EXPECT_NEAR(strokes[2].beat, 0.25 + 2.0 / 12, 1e-12);
    for (const ScoreNote& s : strokes) {
        EXPECT_NEAR(s.velocity, 0.3, 1e-12);
        EXPECT_NEAR(s.beats, 1.0 / 12, 1e-12);
    }
}

TEST(DrumPattern, UnknownStepIsRefused) {
    EXPECT_THROW(DrumPattern::parse("X..j", 0), std::invalid_argument);
    EXPECT_THROW(DrumPattern::parse("X..0", 0), std::invalid_argument);
}
