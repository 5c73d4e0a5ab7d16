#include "soundlib/wav.h"

#include <array>
#include <cstring>

namespace mizuhane_sound {

namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
// The sub-format of an extensible header that means plain PCM.
constexpr std::array<uint8_t, 16> kPcmGuid = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                              0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// Rates outside this range are damage, not sound anyone wrote on purpose.
constexpr uint32_t kMinRate = 4000;
constexpr uint32_t kMaxRate = 192000;

uint16_t le16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool is_id(const uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

// Checks the format chunk and fills in the sample layout.
bool read_format(const uint8_t* fmt, std::size_t size, PcmView& pcm) {
  if (size < 16) return false;
  const uint16_t tag = le16(fmt);
  if (tag == kFormatExtensible) {
    if (size < 40 || le16(fmt + 16) < 22) return false;
    if (std::memcmp(fmt + 24, kPcmGuid.data(), kPcmGuid.size()) != 0) return false;
  } else if (tag != kFormatPcm) {
    return false;
  }
  const uint16_t channels = le16(fmt + 2);
  const uint32_t rate = le32(fmt + 4);
  const uint16_t block_align = le16(fmt + 12);
  const uint16_t bits = le16(fmt + 14);
  if (channels != 1 && channels != 2) return false;
  if (rate < kMinRate || rate > kMaxRate) return false;
  if (bits != 8 && bits != 16) return false;
  if (block_align != channels * bits / 8) return false;
  pcm.channels = channels;
  pcm.rate = static_cast<int>(rate);
  pcm.bits = bits;
  return true;
}

}  // namespace

std::optional<PcmView> parse_wav(const uint8_t* bytes, std::size_t length) {
  if (bytes == nullptr || length < 12) return std::nullopt;
  if (!is_id(bytes, "RIFF") || !is_id(bytes + 8, "WAVE")) return std::nullopt;
  // A RIFF size beyond the end of the bytes means the file was cut short: it then ends where the
  // bytes end, and whatever samples made it are played, as common readers do.
  const uint32_t riff_size = le32(bytes + 4);
  if (riff_size < 4) return std::nullopt;
  const std::size_t end = riff_size > length - 8 ? length : 8 + static_cast<std::size_t>(riff_size);

  const uint8_t* fmt = nullptr;
  std::size_t fmt_size = 0;
  const uint8_t* data = nullptr;
  std::size_t data_size = 0;
  std::size_t pos = 12;
  while (end - pos >= 8) {
    const uint8_t* head = bytes + pos;
    const std::size_t size = le32(head + 4);
    if (size > end - pos - 8) {
      // Only the samples may be cut short; any other chunk that overruns ends the walk, so a
      // damaged format chunk is still refused below.
      if (is_id(head, "data") && data == nullptr) {
        data = head + 8;
        data_size = end - pos - 8;
      }
      break;
    }
    if (is_id(head, "fmt ") && fmt == nullptr) {
      fmt = head + 8;
      fmt_size = size;
    } else if (is_id(head, "data") && data == nullptr) {
      data = head + 8;
      data_size = size;
    }
    pos += 8 + size;
    // Chunks of odd size are followed by a pad byte; some writers leave it off at the end.
    if (size % 2 == 1 && pos < end) ++pos;
  }

  PcmView pcm;
  if (fmt == nullptr || data == nullptr || !read_format(fmt, fmt_size, pcm)) return std::nullopt;
  const std::size_t frame = static_cast<std::size_t>(pcm.channels * pcm.bits / 8);
  pcm.data = data;
  pcm.length = data_size - data_size % frame;
  if (pcm.length == 0) return std::nullopt;
  return pcm;
}

}  // namespace mizuhane_sound
