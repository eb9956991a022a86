// Tunes written as note text, checked bar by bar and arranged into MIDI files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "smf.h"

namespace tune {

constexpr int kTicksPerQuarter = 192;

// One tune as written in carols.cpp.
//   melody: tokens "PITCH:LENGTH" or "r:LENGTH" (a rest), bars separated by '|'.
//           PITCH is a letter A-G, an optional '#' or 'b' and an octave (C4 = middle C);
//           LENGTH is w h q e s (whole .. sixteenth), letters add up ("hq"), '.' dots.
//   chords: one token per bar of the melody: "G", "Am", "D7", "-" for none, or two
//           chords "C,G" splitting the bar in halves.
// The first bar may be a pick-up and the last may be short; every other bar must
// fill the time signature exactly.
struct Tune {
    const char* file;
    const char* title;
    int quartersPerMinute;
    int beats, unit;            // time signature, e.g. 3 and 4, or 6 and 8
    int melodyProgram;          // General MIDI programs, 0-based
    int chordProgram;
    int bassProgram;
    bool sleighBells;           // a jingle on every beat
    const char* melody;
    const char* chords;
};

struct Note {
    int pitch;                  // MIDI note number, -1 for a rest
    uint32_t start, length;     // ticks
};

struct Bar {
    uint32_t start, length;     // ticks
    std::string chord;
};

struct Score {
    std::vector<Note> notes;
    std::vector<Bar> bars;
};

// Ticks of one bar of the tune's time signature.
uint32_t BarTicks(const Tune& t);

// Reads the note text; false with a message naming the bar or token at fault.
bool ParseScore(const Tune& t, Score& out, std::string& error);

// Chord tones (MIDI notes of the root position in octave 3) of a chord name; empty
// when the name is not understood.
std::vector<int> ChordTones(const std::string& name);

// The finished file: a conductor track, the melody, the chords and the bass, and
// the sleigh bells when the tune asks for them. Empty with a message on a fault.
Bytes ArrangeTune(const Tune& t, std::string& error);

}  // namespace tune
