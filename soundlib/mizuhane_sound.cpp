// The sound library on top of SDL2_mixer: the device is SDL's audio output opened through the
// mixer, and every buffer owns one mixer channel, so different sounds overlap while playing
// the same buffer again restarts it.
#include "soundlib/mizuhane_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <map>
#include <set>
#include <vector>

#include "soundlib/wav.h"

namespace {

using mizuhane_sound::PcmView;

constexpr int kRequestedRate = 44100;
constexpr int kRequestedChannels = 2;
// About 23 ms at 44.1 kHz: short enough that a piece's click follows the mouse at once.
constexpr int kMixerChunkFrames = 1024;
// No game sound comes close; anything larger is a broken file that would eat the memory.
constexpr std::size_t kMaxConvertedBytes = std::size_t{1} << 30;

struct Buffer {
  int channel = 0;
  std::vector<uint8_t> samples;  // in the device's format; the chunk points into it
  Mix_Chunk* chunk = nullptr;
};

struct DeviceFormat {
  int rate = 0;
  Uint16 format = 0;
  int channels = 0;
};

int32_t g_device = 0;
DeviceFormat g_format;
std::map<int32_t, Buffer> g_buffers;
int32_t g_last_handle = 0;

// Handles are never handed out twice while in use, so a stale handle cannot reach a new sound.
int32_t next_handle() {
  do {
    g_last_handle = g_last_handle == INT32_MAX ? 1 : g_last_handle + 1;
  } while (g_last_handle == g_device || g_buffers.contains(g_last_handle));
  return g_last_handle;
}

Buffer* find_buffer(int32_t handle) {
  const auto it = g_buffers.find(handle);
  return it == g_buffers.end() ? nullptr : &it->second;
}

// The lowest mixer channel no buffer owns, growing the mixer when all are taken; -1 if the
// mixer cannot grow.
int free_channel() {
  std::set<int> used;
  for (const auto& [handle, buffer] : g_buffers) used.insert(buffer.channel);
  int channel = 0;
  while (used.contains(channel)) ++channel;
  if (channel >= Mix_AllocateChannels(-1) && Mix_AllocateChannels(channel + 1) <= channel) {
    return -1;
  }
  return channel;
}

// Converts the file's samples to the device's rate, format and channel count.
bool convert(const PcmView& pcm, std::vector<uint8_t>& out) {
  SDL_AudioCVT cvt;
  const int needed = SDL_BuildAudioCVT(&cvt, pcm.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB,
                                       static_cast<Uint8>(pcm.channels), pcm.rate, g_format.format,
                                       static_cast<Uint8>(g_format.channels), g_format.rate);
  if (needed < 0 || pcm.length > kMaxConvertedBytes / static_cast<std::size_t>(cvt.len_mult)) {
    return false;
  }
  out.assign(pcm.data, pcm.data + pcm.length);
  if (needed == 0) return true;
  out.resize(pcm.length * static_cast<std::size_t>(cvt.len_mult));
  cvt.buf = out.data();
  cvt.len = static_cast<int>(pcm.length);
  if (SDL_ConvertAudio(&cvt) != 0) return false;
  const int frame = SDL_AUDIO_BITSIZE(g_format.format) / 8 * g_format.channels;
  out.resize(static_cast<std::size_t>(cvt.len_cvt - cvt.len_cvt % frame));
  return !out.empty();
}

void release(Buffer& buffer) {
  Mix_HaltChannel(buffer.channel);
  Mix_FreeChunk(buffer.chunk);
}

}  // namespace

extern "C" {

int32_t dsInitialize(void* /*window*/) {
  // The mixer has a single output, so a second device cannot be opened beside the first.
  if (g_device != 0) return 0;
  // Audio drags in SDL's event system, which would otherwise take over Ctrl+C from the game.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Mizuhane");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  if (Mix_OpenAudio(kRequestedRate, AUDIO_S16SYS, kRequestedChannels, kMixerChunkFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  Mix_QuerySpec(&g_format.rate, &g_format.format, &g_format.channels);
  g_device = next_handle();
  return g_device;
}

int32_t dsCreateDSB(int32_t device, const uint8_t* bytes, size_t length, int32_t /*flags*/) {
  if (device == 0 || device != g_device) return 0;
  const auto pcm = mizuhane_sound::parse_wav(bytes, length);
  if (!pcm) return 0;
  try {
    Buffer buffer;
    if (!convert(*pcm, buffer.samples) || buffer.samples.size() > UINT32_MAX) return 0;
    buffer.channel = free_channel();
    if (buffer.channel < 0) return 0;
    const int32_t handle = next_handle();
    Buffer& stored = g_buffers.try_emplace(handle, std::move(buffer)).first->second;
    stored.chunk =
        Mix_QuickLoad_RAW(stored.samples.data(), static_cast<Uint32>(stored.samples.size()));
    if (stored.chunk == nullptr) {
      g_buffers.erase(handle);
      return 0;
    }
    return handle;
  } catch (...) {
    // Out of memory for a large file: no sound, but the game goes on.
    return 0;
  }
}

void dsPlay(int32_t buffer) {
  if (Buffer* b = find_buffer(buffer)) Mix_PlayChannel(b->channel, b->chunk, 0);
}

void dsPlayLooping(int32_t buffer) {
  if (Buffer* b = find_buffer(buffer)) Mix_PlayChannel(b->channel, b->chunk, -1);
}

void dsStop(int32_t buffer) {
  if (Buffer* b = find_buffer(buffer)) Mix_HaltChannel(b->channel);
}

void dsFree(int32_t buffer) {
  const auto it = g_buffers.find(buffer);
  if (it == g_buffers.end()) return;
  release(it->second);
  g_buffers.erase(it);
}

void dsTerminate(int32_t device) {
  if (device == 0 || device != g_device) return;
  for (auto& [handle, buffer] : g_buffers) release(buffer);
  g_buffers.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  g_device = 0;
}

}  // extern "C"
