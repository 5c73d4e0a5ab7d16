// Reading the header of a WAV file held in memory, without trusting any of its fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace mizuhane_sound {

// The sample data of a valid file, pointing into the caller's bytes.
struct PcmView {
  int channels = 0;  // 1 or 2
  int rate = 0;      // frames per second
  int bits = 0;      // 8 (unsigned) or 16 (signed little-endian)
  const uint8_t* data = nullptr;
  std::size_t length = 0;  // bytes, a whole number of frames, never 0
};

// The sample data, or nothing when the bytes are not a plain PCM WAV file with at least one whole
// frame. A file cut short gives the whole frames that are present.
std::optional<PcmView> parse_wav(const uint8_t* bytes, std::size_t length);

}  // namespace mizuhane_sound
