#include "wav_file.h"

#include <cmath>
#include <numbers>

namespace soundlib_test {

namespace {

void append(std::vector<uint8_t>& bytes, const char* id) {
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(id[i]));
}

void append16(std::vector<uint8_t>& bytes, uint16_t value) {
  bytes.push_back(static_cast<uint8_t>(value));
  bytes.push_back(static_cast<uint8_t>(value >> 8));
}

void append32(std::vector<uint8_t>& bytes, uint32_t value) {
  append16(bytes, static_cast<uint16_t>(value));
  append16(bytes, static_cast<uint16_t>(value >> 16));
}

void append_sample(std::vector<uint8_t>& bytes, int bits, double value) {
  if (bits == 8) {
    bytes.push_back(static_cast<uint8_t>(std::lround(128 + value / 256)));
  } else {
    append16(bytes, static_cast<uint16_t>(static_cast<int16_t>(std::lround(value))));
  }
}

}  // namespace

std::vector<uint8_t> tone_wav(Layout layout, int milliseconds, int left, int right) {
  const int frames = layout.rate * milliseconds / 1000;
  const int block = layout.channels * layout.bits / 8;
  const uint32_t data_bytes = static_cast<uint32_t>(frames * block);
  std::vector<uint8_t> bytes;
  append(bytes, "RIFF");
  append32(bytes, 36 + data_bytes);
  append(bytes, "WAVE");
  append(bytes, "fmt ");
  append32(bytes, 16);
  append16(bytes, 1);
  append16(bytes, static_cast<uint16_t>(layout.channels));
  append32(bytes, static_cast<uint32_t>(layout.rate));
  append32(bytes, static_cast<uint32_t>(layout.rate * block));
  append16(bytes, static_cast<uint16_t>(block));
  append16(bytes, static_cast<uint16_t>(layout.bits));
  append(bytes, "data");
  append32(bytes, data_bytes);
  for (int i = 0; i < frames; ++i) {
    const double wave = std::sin(2 * std::numbers::pi * 440 * i / layout.rate);
    append_sample(bytes, layout.bits, left * wave);
    if (layout.channels == 2) append_sample(bytes, layout.bits, right * wave);
  }
  return bytes;
}

void put16(std::vector<uint8_t>& bytes, std::size_t offset, uint16_t value) {
  bytes.at(offset) = static_cast<uint8_t>(value);
  bytes.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void put32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value) {
  put16(bytes, offset, static_cast<uint16_t>(value));
  put16(bytes, offset + 2, static_cast<uint16_t>(value >> 16));
}

}  // namespace soundlib_test
