#include "music/NoteText.h"

#include <sstream>
#include <stdexcept>

namespace {
// Semitones above C of the natural notes A to G.
constexpr int kNaturalSemitones[] = {9, 11, 0, 2, 4, 5, 7};
constexpr int kSemitonesPerOctave = 12;
// MIDI number of C in octave 0 (C4, middle C, is 60).
constexpr int kMidiOfC0 = 12;

struct Token {
    std::vector<int> pitches;
    double beats = 0;
};

Token readToken(const std::string& token) {
    const std::size_t colon = token.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == token.size()) {
        throw std::invalid_argument("note without length: " + token);
    }
    Token t;
    std::size_t used = 0;
    const std::string lengthText = token.substr(colon + 1);
    t.beats = std::stod(lengthText, &used);
    if (used != lengthText.size() || !(t.beats > 0)) {
        throw std::invalid_argument("bad length: " + token);
    }
    const std::string head = token.substr(0, colon);
    if (head == "r") {
        return t;
    }
    std::istringstream names(head);
    std::string name;
    while (std::getline(names, name, '+')) {
        t.pitches.push_back(NoteText::pitchOf(name));
    }
    return t;
}
}  // namespace

int NoteText::pitchOf(const std::string& name) {
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') {
        throw std::invalid_argument("bad pitch: " + name);
    }
    int semitone = kNaturalSemitones[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++semitone;
        ++i;
    } else if (name[i] == 'b') {
        --semitone;
        ++i;
    }
    const std::string octaveText = name.substr(i);
    if (octaveText.size() != 1 || octaveText[0] < '0' || octaveText[0] > '9') {
        throw std::invalid_argument("bad octave: " + name);
    }
    return kMidiOfC0 + kSemitonesPerOctave * (octaveText[0] - '0') + semitone;
}

std::vector<ScoreNote> NoteText::parse(const std::string& text, double startBeat, double velocity) {
    std::vector<ScoreNote> notes;
    std::istringstream in(text);
    std::string token;
    double beat = startBeat;
    while (in >> token) {
        const Token t = readToken(token);
        for (int pitch : t.pitches) {
            notes.push_back(ScoreNote{beat, t.beats, pitch, velocity});
        }
        beat += t.beats;
    }
    return notes;
}

double NoteText::length(const std::string& text) {
    std::istringstream in(text);
    std::string token;
    double beats = 0;
    while (in >> token) {
        beats += readToken(token).beats;
    }
    return beats;
}
