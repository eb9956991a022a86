// The key-click sound: a short crisp click synthesised as a RIFF WAVE file.
#include "keyclick.h"

#include <cmath>

namespace tune {

namespace {

void putLe16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void putLe32(std::vector<uint8_t>& b, uint32_t v) {
    putLe16(b, v & 0xFFFF);
    putLe16(b, v >> 16);
}

void putTag(std::vector<uint8_t>& b, const char* tag) { b.insert(b.end(), tag, tag + 4); }

// One sample of the click at time t seconds, in -1..1: a burst of bright noise for the
// key's snap, and a damped high ring for its body, both gone within about 25 ms so
// the rest of the buffer is clean silence.
double ClickSample(double t, uint32_t& noiseState) {
    noiseState = noiseState * 1103515245u + 12345u;   // fixed seed: the same click every build
    const double noise = static_cast<double>((noiseState >> 16) & 0x7FFF) / 16383.5 - 1.0;
    const double pi = 3.14159265358979323846;
    const double snap = noise * std::exp(-t / 0.0012);
    const double ring = std::sin(2 * pi * 3100 * t) * std::exp(-t / 0.004) * 0.7 +
                        std::sin(2 * pi * 1250 * t) * std::exp(-t / 0.006) * 0.35;
    return 0.85 * snap + 0.6 * ring;
}

}  // namespace

std::vector<uint8_t> KeyClickWave() {
    const uint32_t blockAlign = kClickChannels * kClickBits / 8;
    std::vector<uint8_t> out;
    putTag(out, "RIFF");
    putLe32(out, 4 + (8 + 16) + (8 + kClickDataBytes));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLe32(out, 16);
    putLe16(out, 1);   // PCM
    putLe16(out, kClickChannels);
    putLe32(out, kClickRate);
    putLe32(out, kClickRate * blockAlign);
    putLe16(out, blockAlign);
    putLe16(out, kClickBits);
    putTag(out, "data");
    putLe32(out, kClickDataBytes);

    uint32_t noise = 20261206u;
    const uint32_t frames = kClickDataBytes / blockAlign;
    for (uint32_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kClickRate;
        double v = ClickSample(t, noise);
        v = v > 1 ? 1 : (v < -1 ? -1 : v);
        // 8-bit PCM is unsigned with silence at 128; the right channel is a touch softer.
        const int left = 128 + static_cast<int>(std::lround(v * 120));
        const int right = 128 + static_cast<int>(std::lround(v * 105));
        out.push_back(static_cast<uint8_t>(left));
        out.push_back(static_cast<uint8_t>(right));
    }
    return out;
}

}  // namespace tune
