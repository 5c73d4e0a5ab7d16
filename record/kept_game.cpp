// The kept game: after every move the game so far is written, exactly as 書込 would write it,
// to 前回の対局.棋譜 beside the settings file, so that closing the window, a crash or a power
// cut never costs the game in progress. 棋譜 → 前回の対局 reads it back like any record.
#include <set>
#include <system_error>

#include "files/files.h"
#include "record/record.h"
#include "settings/about.h"

namespace {

const std::string KEPT_FILE = "前回の対局.棋譜";
const std::string KEPT_TITLE = "前回の対局";

// A game the record format holds as it stands on the board. After 反転 or a handicap it holds
// none (書込 refuses them too); a game of no moves would only wipe out the last one; a record
// being replayed came from a file and was not played here; and after stepping back the copy
// written with the last move still holds the moves ahead, which 進 can still bring back.
bool keepable(const Game& g) {
  return g.HANTEN == 0 && g.HANDE_SET == 0 && g.KIFU_MODE == 0 && g.KIFU_IDX >= 1 &&
         g.KIFU_IDX == g.KIFU_SU;
}

// Files the player has already been told about. Once a run is enough: play goes on, and every
// move would otherwise repeat the same box.
std::set<std::filesystem::path>& warned_files() {
  static std::set<std::filesystem::path> files;
  return files;
}

void warn_not_kept(Game& g, const std::filesystem::path& file, const std::string& reason) {
  std::error_code ec;
  std::filesystem::path where = std::filesystem::absolute(file, ec);
  if (ec) where = file;
  if (!warned_files().insert(where).second) return;
  g.port.messageBox("前回の対局を保存できません\r" + where.string() + "\r" + reason, APP_TITLE,
                    Buttons::Ok, Icon::Warning);
}

}  // namespace

std::filesystem::path kept_game_file(const Game& g) {
  return g.settingsFolder / KEPT_FILE;
}

void keep_game(Game& g, Flush flush) {
  if (!keepable(g)) return;
  // The title and the empty names are plain Shift_JIS, so the bytes are always there. The
  // write goes through a temporary file renamed over the old copy, so a crash halfway leaves
  // the old copy whole.
  const std::filesystem::path file = kept_game_file(g);
  const std::string error = replace_file(file, *record_bytes(g, KEPT_TITLE, "", ""), flush);
  if (!error.empty()) {
    warn_not_kept(g, file, error);
    return;
  }
  g.port.setEnabled(Menu::KIFU_LAST, true);
}

void offer_kept_game(Game& g) {
  std::error_code ec;
  g.port.setEnabled(Menu::KIFU_LAST, std::filesystem::is_regular_file(kept_game_file(g), ec));
}

void KIFU_Click(Game& g) {
  offer_kept_game(g);
}

void KIFU_LAST_Click(Game& g) {
  File1_Click(g, kept_game_file(g));
  offer_kept_game(g);
}
