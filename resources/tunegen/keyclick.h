// The key-click sound: a short crisp click synthesised as a RIFF WAVE file.
#pragma once

#include <cstdint>
#include <vector>

namespace tune {

// Format of the click: PCM, 2 channels, 22050 samples per second, 8 bits.
constexpr int kClickChannels = 2;
constexpr int kClickRate = 22050;
constexpr int kClickBits = 8;
constexpr uint32_t kClickDataBytes = 4000;   // 2000 frames, about 91 ms

// The whole .wav file: RIFF header, "fmt " chunk and "data" chunk.
std::vector<uint8_t> KeyClickWave();

}  // namespace tune
