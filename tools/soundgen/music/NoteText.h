#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_NOTETEXT_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_NOTETEXT_H

#include <string>
#include <vector>

#include "music/ScoreNote.h"

// Reads melodies and chords written as text, one note after another:
// "D4:1.5 E4:.5 r:1 A3+D4+F4:2". A token is a pitch (letter A-G, an
// optional # or b, an octave where 4 holds middle C), several pitches
// joined by + (a chord: they start together), or r (a rest), then a colon
// and the length in beats. Each note starts where the previous one ended.
class NoteText {
  public:
    // Notes of the text laid out from startBeat, all at one velocity.
    // Throws std::invalid_argument on malformed text.
    static std::vector<ScoreNote> parse(const std::string& text, double startBeat, double velocity);
    // Total length of the text in beats.
    static double length(const std::string& text);
    // MIDI number of a pitch name such as "C#5" or "Bb1".
    static int pitchOf(const std::string& name);
};

#endif
