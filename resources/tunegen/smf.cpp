// Standard MIDI File writer: tracks of timed events encoded as a format 1 file.
#include "smf.h"

#include <algorithm>

namespace tune {

namespace {

void putBe16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

void putBe32(Bytes& out, uint32_t v) {
    putBe16(out, v >> 16);
    putBe16(out, v & 0xFFFF);
}

void putTag(Bytes& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

uint8_t status(int kind, int channel) { return static_cast<uint8_t>(kind | (channel & 0x0F)); }
uint8_t data7(int v) { return static_cast<uint8_t>(v & 0x7F); }

}  // namespace

void putVarLen(Bytes& out, uint32_t value) {
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value);
    while (n > 1) out.push_back(groups[--n] | 0x80);
    out.push_back(groups[0]);
}

void Track::add(uint32_t tick, int order, Bytes bytes) {
    events_.push_back({tick, order, events_.size(), std::move(bytes)});
}

void Track::meta(uint32_t tick, uint8_t type, const Bytes& data) {
    Bytes b{0xFF, type};
    putVarLen(b, static_cast<uint32_t>(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    add(tick, 0, std::move(b));
}

void Track::noteOn(uint32_t tick, int channel, int note, int velocity) {
    add(tick, 2, {status(0x90, channel), data7(note), data7(velocity)});
}

void Track::noteOff(uint32_t tick, int channel, int note) {
    add(tick, 1, {status(0x80, channel), data7(note), 64});
}

void Track::program(uint32_t tick, int channel, int number) {
    add(tick, 0, {status(0xC0, channel), data7(number)});
}

void Track::controller(uint32_t tick, int channel, int number, int value) {
    add(tick, 0, {status(0xB0, channel), data7(number), data7(value)});
}

void Track::tempo(uint32_t tick, int beatsPerMinute) {
    const uint32_t micros = 60000000u / static_cast<uint32_t>(beatsPerMinute);
    meta(tick, 0x51, {static_cast<uint8_t>(micros >> 16), static_cast<uint8_t>(micros >> 8),
                      static_cast<uint8_t>(micros)});
}

void Track::timeSignature(uint32_t tick, int beats, int unit) {
    uint8_t power = 0;
    while ((1 << power) < unit) ++power;
    // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter.
    meta(tick, 0x58, {static_cast<uint8_t>(beats), power, 24, 8});
}

void Track::name(uint32_t tick, const std::string& s) { meta(tick, 0x03, Bytes(s.begin(), s.end())); }

void Track::text(uint32_t tick, const std::string& s) { meta(tick, 0x01, Bytes(s.begin(), s.end())); }

Bytes Track::encode() const {
    std::vector<const Event*> sorted;
    for (const Event& e : events_) sorted.push_back(&e);
    std::sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
        if (a->tick != b->tick) return a->tick < b->tick;
        if (a->order != b->order) return a->order < b->order;
        return a->sequence < b->sequence;
    });

    Bytes body;
    uint32_t now = 0;
    for (const Event* e : sorted) {
        putVarLen(body, e->tick - now);
        now = e->tick;
        body.insert(body.end(), e->bytes.begin(), e->bytes.end());
    }
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});

    Bytes chunk;
    putTag(chunk, "MTrk");
    putBe32(chunk, static_cast<uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

Bytes encodeFile(const std::vector<Track>& tracks, int ticksPerQuarter) {
    Bytes out;
    putTag(out, "MThd");
    putBe32(out, 6);
    putBe16(out, 1);   // format 1: simultaneous tracks
    putBe16(out, static_cast<uint32_t>(tracks.size()));
    putBe16(out, static_cast<uint32_t>(ticksPerQuarter));
    for (const Track& t : tracks) {
        Bytes chunk = t.encode();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

}  // namespace tune
