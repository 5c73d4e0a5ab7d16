// The ｵﾌﾟｼｮﾝ menu and the settings file "Mizuhane.ini" that remembers it between runs. The
// check marks of the menu are the state; the file mirrors them.
#include <filesystem>
#include <optional>
#include <set>
#include <system_error>
#include <vector>

#include "files/files.h"
#include "screen/screen.h"
#include "settings/about.h"
#include "settings/cp932.h"
#include "settings/settings.h"

namespace {

constexpr char SETTINGS_FILE[] = "Mizuhane.ini";

std::filesystem::path settings_file(const Game& g) {
  return g.settingsFolder / SETTINGS_FILE;
}
constexpr std::size_t SETTINGS_LINES = 4;
// Far longer than any good line; longer lines are damage and are not kept whole.
constexpr std::size_t LINE_LIMIT = 256;

struct Background {
  Menu entry;
  int16_t code;
  const char* line;
};

// In the order the file is written: the first checked entry names the background.
constexpr Background BACKGROUNDS[] = {
    {Menu::MIDORI, MIDORI, "背景画=緑"}, {Menu::TAKE, TAKE, "背景画=竹"},
    {Menu::TATAMI, TATAMI, "背景画=畳"}, {Menu::UCHU, UCHU, "背景画=宇宙"},
    {Menu::RENGA, RENGA, "背景画=煉瓦"},
};

// The lines of the file as text; a line that is not valid Shift_JIS stays empty and so matches
// nothing.
std::vector<std::optional<std::string>> read_settings_lines(const Game& g) {
  std::vector<std::optional<std::string>> lines;
  for (const std::string& bytes : read_first_lines(settings_file(g), SETTINGS_LINES, LINE_LIMIT))
    lines.push_back(cp932_to_utf8(bytes));
  return lines;
}

const char* on_off(bool on) {
  return on ? "ON" : "OFF";
}

// Settings files the player has already been told about; once a run is enough, since every option
// click would otherwise repeat the same warning.
std::set<std::filesystem::path>& warned_files() {
  static std::set<std::filesystem::path> folders;
  return folders;
}

void warn_not_saved(Game& g, const std::string& reason) {
  std::error_code ec;
  std::filesystem::path where = std::filesystem::absolute(settings_file(g), ec);
  if (ec) where = settings_file(g);
  if (!warned_files().insert(where).second) return;
  g.port.messageBox("設定ファイルに書き込めません。\r" + where.string() + "\r" + reason +
                        "\r\r選んだ設定はこのまま使えますが、次の起動には引き継がれません。",
                    APP_TITLE, Buttons::Ok, Icon::Warning);
}

void choose_background(Game& g, int16_t code, Menu entry) {
  if (!g.port.isChecked(entry)) {
    チェック設定(g, code);
    g.HAIKEI = code;
  }
  書込_環境設定ファイル(g);
  画面_再描画(g);
}

}  // namespace

void チェック設定(Game& g, int code) {
  for (const Background& b : BACKGROUNDS) g.port.setChecked(b.entry, false);
  for (const Background& b : BACKGROUNDS)
    if (b.code == code) g.port.setChecked(b.entry, true);
}

void 読込_環境設定ファイル(Game& g) {
  const auto lines = read_settings_lines(g);
  // 1. Background picture; an unknown value leaves the menu and the window as they are.
  if (!lines.empty()) {
    for (const Background& b : BACKGROUNDS) {
      if (lines[0] != b.line) continue;
      チェック設定(g, b.code);
      描画_背景(g, b.code);
      g.HAIKEI = b.code;
      break;
    }
  }
  // 2. Move guidance.
  if (lines.size() >= 2) {
    const bool on = lines[1] == "移動指導=ON";
    g.IRO_IDOU = on ? IRO_SHIRO : IRO_MIDORI;
    g.port.setChecked(Menu::SIDOU, on);
    g.SIDOU_ON = on ? 1 : 0;
  }
  // 3. Clocks.
  if (lines.size() >= 3) g.port.setChecked(Menu::KEIKA, lines[2] == "経過時間=ON");
  // 4. Music. A file cut short is replaced by the defaults; the music then waits for the menu.
  if (lines.size() < SETTINGS_LINES) {
    チェック設定(g, MIDORI);
    描画_背景(g, MIDORI);
    g.HAIKEI = MIDORI;
    g.port.setChecked(Menu::SIDOU, false);
    g.port.setChecked(Menu::KEIKA, true);
    g.port.setChecked(Menu::BGM, true);
    書込_環境設定ファイル(g);
    return;
  }
  const bool music = lines[3] == "BGM=ON";
  g.port.setChecked(Menu::BGM, music);
  if (music) g.port.dsPlayLooping(g.SE_BGM);
}

void 書込_環境設定ファイル(Game& g) {
  // With no background checked the first line names none, so the next run keeps the menu's own.
  std::string text;
  for (const Background& b : BACKGROUNDS) {
    if (!g.port.isChecked(b.entry)) continue;
    text = b.line;
    break;
  }
  text += std::string("\r\n移動指導=") + on_off(g.port.isChecked(Menu::SIDOU)) + "\r\n";
  text += std::string("経過時間=") + on_off(g.port.isChecked(Menu::KEIKA)) + "\r\n";
  text += std::string("BGM=") + on_off(g.port.isChecked(Menu::BGM)) + "\r\n";
  // A failed save keeps the player's choices for this run; it only cannot remember them.
  const std::optional<std::string> bytes = utf8_to_cp932(text);
  if (!bytes) {
    warn_not_saved(g, "文字コードをShift_JISに変換できません。");
    return;
  }
  const std::string error = replace_file(settings_file(g), *bytes);
  if (!error.empty()) warn_not_saved(g, error);
}

void MIDORI_Click(Game& g) {
  choose_background(g, MIDORI, Menu::MIDORI);
}
void TATAMI_Click(Game& g) {
  choose_background(g, TATAMI, Menu::TATAMI);
}
void TAKE_Click(Game& g) {
  choose_background(g, TAKE, Menu::TAKE);
}
void UCHU_Click(Game& g) {
  choose_background(g, UCHU, Menu::UCHU);
}
void RENGA_Click(Game& g) {
  choose_background(g, RENGA, Menu::RENGA);
}

void SIDOU_Click(Game& g) {
  if (g.port.isChecked(Menu::SIDOU)) {
    // Clear the outlines a picked-up piece may have left on the board and both stands.
    for (int x = 1; x <= BAN_N; ++x)
      for (int y = 1; y <= BAN_N; ++y) 描画_桝輪郭(g, g.IRO_SEN, x, y);
    for (int y = 1; y <= 7; ++y) 描画_桝輪郭(g, g.IRO_SEN, UE_STAND_X, y);
    for (int y = 3; y <= 9; ++y) 描画_桝輪郭(g, g.IRO_SEN, SITA_STAND_X, y);
    g.port.setChecked(Menu::SIDOU, false);
    g.SIDOU_ON = 0;
    g.IRO_IDOU = g.IRO_SEN;
  } else {
    g.port.setChecked(Menu::SIDOU, true);
    g.SIDOU_ON = 1;
    g.IRO_IDOU = IRO_SHIRO;
  }
  書込_環境設定ファイル(g);
}

void BGM_Click(Game& g) {
  if (g.port.isChecked(Menu::BGM)) {
    g.port.setChecked(Menu::BGM, false);
    g.port.dsStop(g.SE_BGM);
  } else {
    g.port.setChecked(Menu::BGM, true);
    g.port.dsPlayLooping(g.SE_BGM);
  }
  書込_環境設定ファイル(g);
}
