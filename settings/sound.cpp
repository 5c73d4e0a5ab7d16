// The sound device and the four sound buffers, all through the sound library behind the port.
// Without a device or a file the game simply stays silent.
#include <filesystem>
#include <system_error>

#include "files/files.h"
#include "settings/settings.h"

namespace {

constexpr char SOUND_TITLE[] = "Mizuhane.dll";

void warn(Game& g, const std::string& text) {
  g.port.messageBox(text, SOUND_TITLE, Buttons::Ok, Icon::Warning);
}

}  // namespace

void SOUND_OPEN(Game& g) {
  g.DS_HANDLE = g.port.dsInitialize();
  if (g.DS_HANDLE == 0) warn(g, "Direct Soundインターフェースが作成できません。");
}

int32_t SOUND_LOAD(Game& g, const std::string& file, int32_t flags) {
  std::error_code ec;
  const std::filesystem::path path = g.soundFolder / file;
  if (g.DS_HANDLE == 0 || !std::filesystem::exists(path, ec)) return 0;
  const FileBytes data = read_whole_file(path);
  if (!data.error.empty()) {
    warn(g, "サウンドファイル「" + file + "」を読み込めません。\r" + data.error);
    return 0;
  }
  return g.port.dsCreateDSB(g.DS_HANDLE, data.bytes.data(), data.bytes.size(), flags);
}

void SOUND_CLOSE(Game& g) {
  if (g.DS_HANDLE != 0) g.port.dsTerminate(g.DS_HANDLE);
  g.DS_HANDLE = 0;
}

void load_sounds(Game& g) {
  SOUND_OPEN(g);
  g.SE_SONOTA = SOUND_LOAD(g, "その他.wav", 3);
  g.SE_KINSHI = SOUND_LOAD(g, "禁止.wav", 3);
  g.SE_KOMAUCHI = SOUND_LOAD(g, "駒打音.wav", 3);
  g.SE_BGM = SOUND_LOAD(g, "BGM.wav", 1);
}

void release_sounds(Game& g) {
  // Handles go back to 0 once freed, so a second shut-down (the window closing after "終わり")
  // hands the library nothing it has already let go.
  for (int32_t* buffer : {&g.SE_SONOTA, &g.SE_KINSHI, &g.SE_KOMAUCHI, &g.SE_BGM}) {
    g.port.dsFree(*buffer);
    *buffer = 0;
  }
  SOUND_CLOSE(g);
}
