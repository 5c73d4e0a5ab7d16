// Shared set-up of the settings tests: each test runs in a fresh empty folder of its own, with
// the recording fake port and a game object, and the menu as the program builds it (畳 checked).
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "rules/game.h"
#include "tests/support/fake_port.h"

// The Shift_JIS bytes of the settings file's words, written out by hand so the tests do not
// trust the game's own conversion. Kept as separate literals: a hex escape would swallow a
// following letter.
inline const std::string SJ_HAIKEI = "\x94\x77\x8c\x69\x89\xe6=";         // 背景画=
inline const std::string SJ_MIDORI = "\x97\xce";                          // 緑
inline const std::string SJ_TAKE = "\x92\x7c";                            // 竹
inline const std::string SJ_TATAMI = "\x8f\xf4";                          // 畳
inline const std::string SJ_UCHU = "\x89\x46\x92\x88";                    // 宇宙
inline const std::string SJ_RENGA = "\x97\xf9\x8a\xa2";                   // 煉瓦
inline const std::string SJ_SIDOU = "\x88\xda\x93\xae\x8e\x77\x93\xb1=";  // 移動指導=
inline const std::string SJ_KEIKA = "\x8c\x6f\x89\xdf\x8e\x9e\x8a\xd4=";  // 経過時間=

inline std::string on_off(bool on) {
  return on ? "ON" : "OFF";
}

// The file as the game must write it: four CR LF lines in Shift_JIS.
inline std::string settings_bytes(const std::string& background, bool sidou, bool keika, bool bgm) {
  return SJ_HAIKEI + background + "\r\n" + SJ_SIDOU + on_off(sidou) + "\r\n" + SJ_KEIKA +
         on_off(keika) + "\r\n" + "BGM=" + on_off(bgm) + "\r\n";
}

inline const std::string DEFAULT_SETTINGS = settings_bytes(SJ_MIDORI, false, true, true);

inline constexpr Menu BACKGROUND_ENTRIES[] = {Menu::MIDORI, Menu::TATAMI, Menu::TAKE, Menu::UCHU,
                                              Menu::RENGA};

// Remembers what each sound buffer was made from, which the plain fake forgets.
struct SettingsPort : FakePort {
  struct Created {
    std::string bytes;
    int32_t flags;
  };
  std::vector<Created> created;

  int32_t dsCreateDSB(int32_t dev, const uint8_t* bytes, std::size_t length,
                      int32_t flags) override {
    created.push_back({std::string(reinterpret_cast<const char*>(bytes), length), flags});
    return FakePort::dsCreateDSB(dev, bytes, length, flags);
  }
};

class SettingsTest : public testing::Test {
 protected:
  void SetUp() override {
    home_ = std::filesystem::current_path();
    std::string name =
        (std::filesystem::temp_directory_path() / "mizuhane-settings-XXXXXX").string();
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    dir_ = name;
    std::filesystem::current_path(dir_);
    port.setChecked(Menu::TATAMI, true);
  }

  void TearDown() override {
    std::filesystem::current_path(home_);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  bool checked(Menu entry) const { return port.isChecked(entry); }

  // The one checked background entry, or nothing when none or several are checked.
  std::optional<Menu> checked_background() const {
    std::optional<Menu> found;
    for (const Menu m : BACKGROUND_ENTRIES) {
      if (!checked(m)) continue;
      if (found) return std::nullopt;
      found = m;
    }
    return found;
  }

  static void write_file(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
  }

  static std::optional<std::string> read_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(file)) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // Names in the test's folder, to see that no temporary file is left behind.
  std::set<std::string> folder_names() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir_))
      names.insert(e.path().filename().string());
    return names;
  }

  // How many tiles of a picture were drawn since the logs were last cleared.
  int pictures(int code) const {
    int n = 0;
    for (const DrawCall& d : port.draws)
      if (d.kind == DrawCall::Picture && d.code == code) ++n;
    return n;
  }

  std::filesystem::path home_, dir_;
  SettingsPort port;
  Game g{port};
};
