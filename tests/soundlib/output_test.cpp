// What reaches the speaker: SDL's "disk" driver writes the mixed output (16-bit stereo at
// 44.1 kHz, as the library asks for) to a file, which the tests read back in 10 ms windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "soundlib/mizuhane_sound.h"
#include "wav_file.h"

namespace soundlib_test {
namespace {

constexpr int kOutputRate = 44100;
constexpr int kWindowFrames = kOutputRate / 100;
// Anything above about -30 dBFS counts as sound; the test tones are far louder.
constexpr int kAudible = 1000;
constexpr int kAmplitude = 16000;

void wait_ms(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The peak of every 10 ms window of one output channel.
struct Channel {
  std::vector<int> peaks;

  int peak() const {
    int most = 0;
    for (const int p : peaks) most = std::max(most, p);
    return most;
  }
  int sounding_ms() const {
    return 10 * static_cast<int>(std::count_if(peaks.begin(), peaks.end(), audible));
  }
  // True when no quiet window lies between the first and the last audible one.
  bool continuous() const {
    const auto first = std::find_if(peaks.begin(), peaks.end(), audible);
    const auto last = std::find_if(peaks.rbegin(), peaks.rend(), audible).base();
    return first < last && std::all_of(first, last, audible);
  }
  int silent_tail_ms() const {
    const auto last = std::find_if(peaks.rbegin(), peaks.rend(), audible);
    return 10 * static_cast<int>(last - peaks.rbegin());
  }
  static bool audible(int peak) { return peak > kAudible; }
};

struct Recording {
  Channel left;
  Channel right;
};

class Output : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const char* file = std::getenv("SDL_DISKAUDIOFILE");
    if (driver == nullptr || std::string(driver) != "disk" || file == nullptr) {
      GTEST_SKIP() << "run through ctest, which sends the sound to a file";
    }
    file_ = file;
    device_ = dsInitialize(nullptr);
    ASSERT_NE(device_, 0);
  }
  void TearDown() override { dsTerminate(device_); }

  int32_t load(const std::vector<uint8_t>& bytes) {
    const int32_t buffer = dsCreateDSB(device_, bytes.data(), bytes.size(), 3);
    EXPECT_NE(buffer, 0);
    return buffer;
  }

  // Closes the device, which finishes the file, and reads what was played.
  Recording finish() {
    dsTerminate(device_);
    device_ = 0;
    std::ifstream in(file_, std::ios::binary);
    const std::vector<char> raw{std::istreambuf_iterator<char>(in), {}};
    std::vector<int16_t> samples(raw.size() / 2);
    std::memcpy(samples.data(), raw.data(), samples.size() * 2);
    Recording recording;
    for (std::size_t start = 0; start + 2 * kWindowFrames <= samples.size();
         start += 2 * kWindowFrames) {
      int left = 0;
      int right = 0;
      for (std::size_t i = start; i < start + 2 * kWindowFrames; i += 2) {
        left = std::max(left, std::abs(static_cast<int>(samples[i])));
        right = std::max(right, std::abs(static_cast<int>(samples[i + 1])));
      }
      recording.left.peaks.push_back(left);
      recording.right.peaks.push_back(right);
    }
    return recording;
  }

  std::string file_;
  int32_t device_ = 0;
};

TEST_F(Output, EveryLayoutPlaysOnceAtItsOwnLevel) {
  const Layout layouts[] = {{1, 22050, 16}, {2, 44100, 16}, {1, 11025, 8}, {2, 48000, 8}};
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(std::to_string(layout.channels) + " ch " + std::to_string(layout.rate) + " Hz " +
                 std::to_string(layout.bits) + " bit");
    if (device_ == 0) device_ = dsInitialize(nullptr);
    // A stereo file is louder on the left, to show that the sides stay apart.
    const int right = layout.channels == 2 ? kAmplitude / 2 : kAmplitude;
    dsPlay(load(tone_wav(layout, 100, kAmplitude, right)));
    wait_ms(400);
    const Recording out = finish();
    EXPECT_NEAR(out.left.peak(), kAmplitude, kAmplitude / 10);
    EXPECT_NEAR(out.right.peak(), right, kAmplitude / 10);
    EXPECT_NEAR(out.left.sounding_ms(), 100, 30);
    EXPECT_TRUE(out.left.continuous());
  }
}

TEST_F(Output, FileCutShortPlaysTheSamplesItHolds) {
  // 200 ms written, half of it (and one byte of a frame) left: about 100 ms are heard.
  std::vector<uint8_t> bytes = tone_wav({1, 22050, 16}, 200, kAmplitude);
  bytes.resize(at::samples + 2 * 22050 / 10 + 1);
  dsPlay(load(bytes));
  wait_ms(400);
  const Recording out = finish();
  EXPECT_NEAR(out.left.peak(), kAmplitude, kAmplitude / 10);
  EXPECT_NEAR(out.left.sounding_ms(), 100, 30);
  EXPECT_TRUE(out.left.continuous());
}

TEST_F(Output, LoopingGoesOnUntilStoppedAndOnlyTheStoppedSoundEnds) {
  const int32_t left = load(tone_wav({2, 22050, 16}, 50, kAmplitude, 0));
  const int32_t right = load(tone_wav({2, 22050, 16}, 50, 0, kAmplitude));
  dsPlayLooping(left);
  dsPlayLooping(right);
  wait_ms(600);
  dsStop(left);
  wait_ms(400);
  const Recording out = finish();

  // Many times the 50 ms the buffer holds, without a gap where it wraps around.
  EXPECT_GE(out.left.sounding_ms(), 300);
  EXPECT_TRUE(out.left.continuous());
  EXPECT_GE(out.left.silent_tail_ms(), 200);
  // The other loop carried on past the stop, to the very end.
  EXPECT_GE(out.right.sounding_ms(), out.left.sounding_ms() + 200);
  EXPECT_TRUE(out.right.continuous());
  EXPECT_EQ(out.right.silent_tail_ms(), 0);
}

TEST_F(Output, PlayingAgainRestartsFromTheBeginning) {
  const int32_t buffer = load(tone_wav({1, 22050, 16}, 200, kAmplitude));
  dsPlay(buffer);
  wait_ms(100);
  dsPlay(buffer);
  wait_ms(500);
  const Recording out = finish();
  // One unbroken sound, longer than the buffer because the second play cut in part-way.
  EXPECT_TRUE(out.left.continuous());
  EXPECT_GE(out.left.sounding_ms(), 250);
  EXPECT_LE(out.left.sounding_ms(), 400);
}

TEST_F(Output, ReleasingAPlayingBufferSilencesIt) {
  const int32_t buffer = load(tone_wav({1, 22050, 16}, 50, kAmplitude));
  dsPlayLooping(buffer);
  wait_ms(300);
  dsFree(buffer);
  dsPlayLooping(buffer);
  wait_ms(300);
  const Recording out = finish();
  EXPECT_GE(out.left.sounding_ms(), 150);
  EXPECT_GE(out.left.silent_tail_ms(), 200);
}

TEST_F(Output, HandlesFromAClosedDeviceStaySilentAfterReopening) {
  const int32_t old_buffer = load(tone_wav({1, 22050, 16}, 50, kAmplitude));
  dsPlayLooping(old_buffer);
  dsTerminate(device_);
  device_ = dsInitialize(nullptr);
  ASSERT_NE(device_, 0);
  dsPlayLooping(old_buffer);
  dsPlay(old_buffer);
  wait_ms(300);
  EXPECT_EQ(finish().left.peak(), 0);
}

}  // namespace
}  // namespace soundlib_test
