// Tunes written as note text, checked bar by bar and arranged into MIDI files.
#include "score.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace tune {

namespace {

constexpr int kMelodyChannel = 0, kChordChannel = 1, kBassChannel = 2, kDrumChannel = 9;
constexpr int kSleighBell = 54;   // General MIDI percussion: tambourine

int PitchClass(char letter) {
    switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    }
    return -1;
}

// "A4", "F#5", "Bb3" -> MIDI note number; -1 on a fault.
int ParsePitch(const std::string& s) {
    if (s.empty()) return -1;
    int pc = PitchClass(s[0]);
    if (pc < 0) return -1;
    size_t i = 1;
    if (i < s.size() && s[i] == '#') ++pc, ++i;
    else if (i < s.size() && s[i] == 'b') --pc, ++i;
    if (i + 1 != s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) return -1;
    return 12 * (s[i] - '0' + 1) + pc;
}

// "q", "h.", "hq", "e." -> ticks; 0 on a fault.
uint32_t ParseLength(const std::string& s) {
    uint32_t total = 0, last = 0;
    for (char c : s) {
        switch (c) {
        case 'w': last = 4 * kTicksPerQuarter; break;
        case 'h': last = 2 * kTicksPerQuarter; break;
        case 'q': last = kTicksPerQuarter; break;
        case 'e': last = kTicksPerQuarter / 2; break;
        case 's': last = kTicksPerQuarter / 4; break;
        case '.':
            if (!last) return 0;
            total += last / 2;
            last = 0;
            continue;
        default: return 0;
        }
        total += last;
    }
    return total;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    return parts;
}

std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string w;
    while (in >> w) words.push_back(w);
    return words;
}

void PlayNote(Track& track, int channel, int pitch, uint32_t start, uint32_t length, int velocity) {
    track.noteOn(start, channel, pitch, velocity);
    track.noteOff(start + length, channel, pitch);
}

// Bass on the strong beats and chords between, in the lilt of the time signature;
// the last bar holds its chord.
void Accompany(const Tune& t, const std::string& chord, uint32_t start, uint32_t length,
               bool last, Track& chords, Track& bass) {
    const std::vector<int> tones = ChordTones(chord);
    if (tones.empty()) return;
    const int root = tones[0] - 12;   // octave 2
    const int fifth = root + 7;
    if (last) {
        PlayNote(bass, kBassChannel, root, start, length, 85);
        for (int tone : tones) PlayNote(chords, kChordChannel, tone + (tone < 55 ? 12 : 0), start, length, 55);
        return;
    }
    const uint32_t beat = t.unit == 8 ? 3 * kTicksPerQuarter / 2 : kTicksPerQuarter;
    int index = 0;
    for (uint32_t at = start; at < start + length; at += beat, ++index) {
        const uint32_t held = std::min<uint32_t>(beat, start + length - at) * 4 / 5;
        const bool strong = index == 0 || (t.beats == 4 && t.unit == 4 && index == 2);
        if (strong) {
            PlayNote(bass, kBassChannel, index == 0 ? root : fifth, at, held, 85);
        } else {
            for (int tone : tones) PlayNote(chords, kChordChannel, tone + (tone < 55 ? 12 : 0), at, held, 55);
        }
    }
}

}  // namespace

uint32_t BarTicks(const Tune& t) { return static_cast<uint32_t>(t.beats * 4 * kTicksPerQuarter / t.unit); }

std::vector<int> ChordTones(const std::string& name) {
    if (name.empty()) return {};
    int root = PitchClass(name[0]);
    if (root < 0) return {};
    size_t i = 1;
    if (i < name.size() && name[i] == '#') ++root, ++i;
    else if (i < name.size() && name[i] == 'b') --root, ++i;
    const std::string quality = name.substr(i);
    const int base = 48 + (root + 12) % 12;   // octave 3
    if (quality.empty()) return {base, base + 4, base + 7};
    if (quality == "m") return {base, base + 3, base + 7};
    if (quality == "7") return {base, base + 4, base + 7, base + 10};
    if (quality == "m7") return {base, base + 3, base + 7, base + 10};
    return {};
}

bool ParseScore(const Tune& t, Score& out, std::string& error) {
    out = Score{};
    const uint32_t full = BarTicks(t);
    const std::vector<std::string> bars = Split(t.melody, '|');
    std::vector<std::string> texts;
    for (const std::string& b : bars)
        if (!Words(b).empty()) texts.push_back(b);
    const std::vector<std::string> chords = Words(t.chords);
    if (chords.size() != texts.size()) {
        error = std::to_string(texts.size()) + " bars but " + std::to_string(chords.size()) + " chords";
        return false;
    }

    uint32_t now = 0;
    for (size_t b = 0; b < texts.size(); ++b) {
        const uint32_t barStart = now;
        for (const std::string& token : Words(texts[b])) {
            const size_t colon = token.find(':');
            const uint32_t length = colon == std::string::npos ? 0 : ParseLength(token.substr(colon + 1));
            const std::string head = token.substr(0, colon);
            const int pitch = head == "r" ? -1 : ParsePitch(head);
            if (!length || (pitch < 0 && head != "r")) {
                error = "bar " + std::to_string(b + 1) + ": bad note \"" + token + "\"";
                return false;
            }
            out.notes.push_back({pitch, now, length});
            now += length;
        }
        const uint32_t length = now - barStart;
        const bool edge = b == 0 || b + 1 == texts.size();
        if (length > full || (!edge && length != full)) {
            error = "bar " + std::to_string(b + 1) + " holds " + std::to_string(length) + " ticks, not " +
                    std::to_string(full);
            return false;
        }
        for (const std::string& c : Split(chords[b], ','))
            if (c != "-" && ChordTones(c).empty()) {
                error = "bar " + std::to_string(b + 1) + ": unknown chord \"" + c + "\"";
                return false;
            }
        out.bars.push_back({barStart, length, chords[b]});
    }
    return true;
}

Bytes ArrangeTune(const Tune& t, std::string& error) {
    Score score;
    if (!ParseScore(t, score, error)) return {};

    Track conductor, melody, chords, bass, bells;
    conductor.name(0, t.title);
    conductor.text(0, "Traditional, arranged for Lumenkin");
    conductor.timeSignature(0, t.beats, t.unit);
    conductor.tempo(0, t.quartersPerMinute);

    melody.name(0, "Melody");
    melody.program(0, kMelodyChannel, t.melodyProgram);
    melody.controller(0, kMelodyChannel, 7, 110);   // volume
    chords.name(0, "Chords");
    chords.program(0, kChordChannel, t.chordProgram);
    chords.controller(0, kChordChannel, 7, 80);
    bass.name(0, "Bass");
    bass.program(0, kBassChannel, t.bassProgram);
    bass.controller(0, kBassChannel, 7, 95);

    // Slightly detached notes sing better than notes run together.
    for (const Note& n : score.notes)
        if (n.pitch >= 0) PlayNote(melody, kMelodyChannel, n.pitch, n.start, n.length - n.length / 10, 100);

    for (size_t b = 0; b < score.bars.size(); ++b) {
        const Bar& bar = score.bars[b];
        const bool last = b + 1 == score.bars.size();
        const std::vector<std::string> halves = Split(bar.chord, ',');
        if (halves.size() == 1) {
            if (halves[0] != "-") Accompany(t, halves[0], bar.start, bar.length, last, chords, bass);
        } else {
            const uint32_t half = bar.length / 2;
            if (halves[0] != "-") Accompany(t, halves[0], bar.start, half, false, chords, bass);
            if (halves[1] != "-") Accompany(t, halves[1], bar.start + half, bar.length - half, last, chords, bass);
        }
    }

    std::vector<Track> tracks{conductor, melody, chords, bass};
    if (t.sleighBells) {
        bells.name(0, "Sleigh bells");
        const uint32_t end = score.bars.back().start + score.bars.back().length;
        for (uint32_t at = score.bars.front().start + score.bars.front().length % kTicksPerQuarter; at < end;
             at += kTicksPerQuarter)
            PlayNote(bells, kDrumChannel, kSleighBell, at, kTicksPerQuarter / 4, 45);
        tracks.push_back(bells);
    }
    return encodeFile(tracks, kTicksPerQuarter);
}

}  // namespace tune
