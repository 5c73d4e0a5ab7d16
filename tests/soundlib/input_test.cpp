// Handles and file checking, on SDL's silent "dummy" output: nothing the caller passes may
// crash the library, and anything that is not a sound it can play gives handle 0.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

#include "soundlib/mizuhane_sound.h"
#include "wav_file.h"

namespace soundlib_test {
namespace {

using Bytes = std::vector<uint8_t>;

int32_t create(int32_t device, const Bytes& bytes) {
  return dsCreateDSB(device, bytes.data(), bytes.size(), 3);
}

Bytes short_tone() {
  return tone_wav({1, 22050, 16}, 20, 8000);
}

class Input : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    if (driver == nullptr || std::string(driver) != "dummy") {
      GTEST_SKIP() << "run through ctest, which selects SDL's dummy audio driver";
    }
    device_ = dsInitialize(nullptr);
    ASSERT_NE(device_, 0);
  }
  void TearDown() override { dsTerminate(device_); }

  int32_t device_ = 0;
};

TEST_F(Input, ZeroAndUnknownHandlesAreIgnored) {
  EXPECT_EQ(create(0, short_tone()), 0);
  for (const int32_t handle : {0, 12345, -1, device_}) {
    dsPlay(handle);
    dsPlayLooping(handle);
    dsStop(handle);
    dsFree(handle);
  }
  dsTerminate(0);
  dsTerminate(12345);

  // The device survived all of that, and a released handle stays dead.
  const int32_t buffer = create(device_, short_tone());
  ASSERT_NE(buffer, 0);
  EXPECT_NE(buffer, device_);
  dsTerminate(buffer);
  dsPlayLooping(buffer);
  dsFree(buffer);
  dsFree(buffer);
  dsPlay(buffer);
  EXPECT_NE(create(device_, short_tone()), 0);
}

TEST_F(Input, OnlyOneDeviceAtATime) {
  EXPECT_EQ(dsInitialize(nullptr), 0);
  dsTerminate(device_);
  const int32_t old_device = device_;
  device_ = dsInitialize(nullptr);
  ASSERT_NE(device_, 0);
  EXPECT_EQ(create(old_device, short_tone()), 0);
  EXPECT_NE(create(device_, short_tone()), 0);
}

TEST_F(Input, AcceptsEveryPlainPcmLayout) {
  const Layout layouts[] = {{1, 8000, 8},   {2, 11025, 8},  {1, 22050, 16},
                            {2, 44100, 16}, {1, 48000, 16}, {2, 96000, 16}};
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(std::to_string(layout.channels) + " ch " + std::to_string(layout.rate) + " Hz " +
                 std::to_string(layout.bits) + " bit");
    EXPECT_NE(create(device_, tone_wav(layout, 30, 8000, 4000)), 0);
  }
}

TEST_F(Input, LoadsTheGamesOwnSounds) {
  for (const char* name : {"駒打音.wav", "禁止.wav", "その他.wav", "BGM.wav"}) {
    SCOPED_TRACE(name);
    std::ifstream in(std::filesystem::path(MIZUHANE_ASSETS) / name, std::ios::binary);
    ASSERT_TRUE(in);
    const Bytes bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(create(device_, bytes), 0);
  }
}

TEST_F(Input, AcceptsHarmlessVariations) {
  const std::pair<const char*, std::function<void(Bytes&)>> variations[] = {
      {"odd-sized chunk with its pad byte before the samples",
       [](Bytes& b) {
         const Bytes list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
         b.insert(b.begin() + at::data_id, list.begin(), list.end());
         put32(b, at::riff_size, static_cast<uint32_t>(b.size() - 8));
       }},
      {"trailing bytes after the RIFF chunk", [](Bytes& b) { b.resize(b.size() + 5, 0xEE); }},
      {"data length not a whole number of frames",
       [](Bytes& b) {
         b.push_back(0);
         put32(b, at::riff_size, static_cast<uint32_t>(b.size() - 8));
         put32(b, at::data_size, static_cast<uint32_t>(b.size() - at::samples));
       }},
      {"extensible header naming plain PCM",
       [](Bytes& b) {
         const Bytes extension = {22,   0,    16,   0,    4,    0,    0,    0,
                                  0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                  0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
         b.insert(b.begin() + at::data_id, extension.begin(), extension.end());
         put32(b, at::fmt_size, 40);
         put16(b, at::format_tag, 0xFFFE);
         put32(b, at::riff_size, static_cast<uint32_t>(b.size() - 8));
       }},
  };
  for (const auto& [name, change] : variations) {
    SCOPED_TRACE(name);
    Bytes bytes = short_tone();
    change(bytes);
    EXPECT_NE(create(device_, bytes), 0);
  }
}

TEST_F(Input, DamagedFilesGiveZero) {
  const std::pair<const char*, std::function<void(Bytes&)>> damages[] = {
      {"empty", [](Bytes& b) { b.clear(); }},
      {"text instead of sound",
       [](Bytes& b) {
         b.assign({'h', 'e', 'l', 'l', 'o', '\n'});
       }},
      {"garbage of a plausible size",
       [](Bytes& b) {
         for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 131 + 7);
       }},
      {"not RIFF", [](Bytes& b) { b[0] = 'X'; }},
      {"not WAVE", [](Bytes& b) { b[at::wave_id] = 'A'; }},
      {"RIFF size too small for WAVE", [](Bytes& b) { put32(b, at::riff_size, 2); }},
      {"fmt size beyond the file", [](Bytes& b) { put32(b, at::fmt_size, 0xFFFFFFF0); }},
      {"fmt too short",
       [](Bytes& b) {
         put32(b, at::fmt_size, 14);
         b.erase(b.begin() + at::bits, b.begin() + at::bits + 2);
         put32(b, at::riff_size, static_cast<uint32_t>(b.size() - 8));
       }},
      {"float samples", [](Bytes& b) { put16(b, at::format_tag, 3); }},
      {"compressed samples", [](Bytes& b) { put16(b, at::format_tag, 2); }},
      {"extensible without its extension", [](Bytes& b) { put16(b, at::format_tag, 0xFFFE); }},
      {"no channels", [](Bytes& b) { put16(b, at::channels, 0); }},
      {"six channels", [](Bytes& b) { put16(b, at::channels, 6); }},
      {"rate 0", [](Bytes& b) { put32(b, at::rate, 0); }},
      {"absurd rate", [](Bytes& b) { put32(b, at::rate, 0xFFFFFFFF); }},
      {"24-bit samples", [](Bytes& b) { put16(b, at::bits, 24); }},
      {"0-bit samples", [](Bytes& b) { put16(b, at::bits, 0); }},
      {"block size contradicting the layout", [](Bytes& b) { put16(b, at::block_align, 7); }},
      {"no samples", [](Bytes& b) { put32(b, at::data_size, 0); }},
      {"less than one frame",
       [](Bytes& b) {
         b.resize(at::samples + 1);
         put32(b, at::data_size, 1);
         put32(b, at::riff_size, static_cast<uint32_t>(b.size() - 8));
       }},
      {"no data chunk", [](Bytes& b) { b[at::data_id] = 'D'; }},
      {"no fmt chunk", [](Bytes& b) { b[at::fmt_id] = 'F'; }},
  };
  for (const auto& [name, damage] : damages) {
    SCOPED_TRACE(name);
    Bytes bytes = short_tone();
    damage(bytes);
    EXPECT_EQ(create(device_, bytes), 0);
  }
  EXPECT_EQ(dsCreateDSB(device_, nullptr, 100, 3), 0);
}

TEST_F(Input, FilesCutShortPlayWhatTheyHold) {
  const std::pair<const char*, std::function<void(Bytes&)>> overstated[] = {
      {"RIFF size beyond the file", [](Bytes& b) { put32(b, at::riff_size, 0xFFFFFFFF); }},
      {"data size beyond the file", [](Bytes& b) { put32(b, at::data_size, 0xFFFFFFFF); }},
      {"a chunk after the samples cut short",
       [](Bytes& b) {
         const Bytes list = {'L', 'I', 'S', 'T', 100, 0, 0, 0, 'a', 'b'};
         b.insert(b.end(), list.begin(), list.end());
         put32(b, at::riff_size, static_cast<uint32_t>(b.size() - 8 + 98));
       }},
  };
  for (const auto& [name, change] : overstated) {
    SCOPED_TRACE(name);
    Bytes bytes = short_tone();
    change(bytes);
    EXPECT_NE(create(device_, bytes), 0);
  }
  // Cut anywhere: playable from the first whole frame of samples on (4 bytes in stereo).
  const Bytes whole = tone_wav({2, 8000, 16}, 5, 8000, 8000);
  for (std::size_t length = 0; length < whole.size(); ++length) {
    // An exact-size copy, so a read past the end shows up under a memory checker.
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_EQ(create(device_, cut) != 0, length >= at::samples + 4) << "cut to " << length;
  }
}

TEST_F(Input, RandomlyDamagedHeadersAreHarmless) {
  const Bytes whole = tone_wav({1, 8000, 8}, 10, 8000);
  std::mt19937 random(20240601);
  std::uniform_int_distribution<std::size_t> position(0, at::samples + 3);
  std::uniform_int_distribution<int> value(0, 255);
  for (int round = 0; round < 3000; ++round) {
    Bytes bytes = whole;
    for (int n = round % 4 + 1; n > 0; --n) {
      bytes[position(random)] = static_cast<uint8_t>(value(random));
    }
    const int32_t buffer = create(device_, bytes);
    dsPlay(buffer);
    dsStop(buffer);
    dsFree(buffer);
  }
}

}  // namespace
}  // namespace soundlib_test
