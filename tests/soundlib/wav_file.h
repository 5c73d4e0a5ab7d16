// Builds small WAV files in memory for the sound library's tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace soundlib_test {

struct Layout {
  int channels = 1;
  int rate = 22050;
  int bits = 16;
};

// A 440 Hz sine of the given length. Amplitudes are in 16-bit units; a mono file uses `left`.
std::vector<uint8_t> tone_wav(Layout layout, int milliseconds, int left, int right = 0);

// Little-endian field writers for damaging a file on purpose.
void put16(std::vector<uint8_t>& bytes, std::size_t offset, uint16_t value);
void put32(std::vector<uint8_t>& bytes, std::size_t offset, uint32_t value);

// Offsets of the fields in the files tone_wav writes (RIFF header, fmt chunk, data chunk).
namespace at {
constexpr std::size_t riff_size = 4;
constexpr std::size_t wave_id = 8;
constexpr std::size_t fmt_id = 12;
constexpr std::size_t fmt_size = 16;
constexpr std::size_t format_tag = 20;
constexpr std::size_t channels = 22;
constexpr std::size_t rate = 24;
constexpr std::size_t block_align = 32;
constexpr std::size_t bits = 34;
constexpr std::size_t data_id = 36;
constexpr std::size_t data_size = 40;
constexpr std::size_t samples = 44;
}  // namespace at

}  // namespace soundlib_test
