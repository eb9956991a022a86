// Standard MIDI File writer: tracks of timed events encoded as a format 1 file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tune {

using Bytes = std::vector<uint8_t>;

// One track under construction; events may be added in any order of time.
class Track {
public:
    void noteOn(uint32_t tick, int channel, int note, int velocity);
    void noteOff(uint32_t tick, int channel, int note);
    void program(uint32_t tick, int channel, int program);
    void controller(uint32_t tick, int channel, int number, int value);
    void tempo(uint32_t tick, int beatsPerMinute);
    void timeSignature(uint32_t tick, int beats, int unit);
    void name(uint32_t tick, const std::string& text);
    void text(uint32_t tick, const std::string& text);

    // The track's MTrk chunk: events sorted by time (note-offs first at equal times),
    // delta-timed, closed by the end-of-track event at the latest event's time.
    Bytes encode() const;

private:
    struct Event {
        uint32_t tick;
        int order;          // at equal ticks: meta 0, note-off 1, others 2
        size_t sequence;    // insertion order, to keep equal events stable
        Bytes bytes;
    };
    void add(uint32_t tick, int order, Bytes bytes);
    void meta(uint32_t tick, uint8_t type, const Bytes& data);
    std::vector<Event> events_;
};

// A whole format 1 file: the MThd chunk and one MTrk per track.
Bytes encodeFile(const std::vector<Track>& tracks, int ticksPerQuarter);

// MIDI's variable-length quantity (7 bits per byte, high bit set on all but the last).
void putVarLen(Bytes& out, uint32_t value);

}  // namespace tune
