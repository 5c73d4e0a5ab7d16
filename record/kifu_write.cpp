// Saving the game through the write panel, as a record file (書込) or as KIF (KIF書出): the
// panel, the file's bytes in Shift_JIS with CR LF, and a write that either replaces the file
// whole or leaves it as it was.
#include <cerrno>
#include <optional>
#include <utility>
#include <vector>

#include "files/files.h"
#include "record/record.h"
#include "screen/screen.h"
#include "settings/cp932.h"

namespace {

const std::string EXTENSION = ".棋譜";
const std::string KIF_EXTENSION = ".kif";
const std::string SAVE_TITLE = "棋譜保存";

void say(Game& g, const std::string& text, const std::string& title, Icon icon = Icon::None) {
  g.port.messageBox(text, title, Buttons::Ok, icon);
}

// The name without the blanks (half- and full-width) a person may type around it.
std::string trimmed(const std::string& s) {
  static const std::string WIDE = "\u3000";
  std::size_t b = 0, e = s.size();
  for (;;) {
    if (b < e && (s[b] == ' ' || s[b] == '\t')) {
      ++b;
    } else if (e - b >= WIDE.size() && s.compare(b, WIDE.size(), WIDE) == 0) {
      b += WIDE.size();
    } else {
      break;
    }
  }
  for (;;) {
    if (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) {
      --e;
    } else if (e - b >= WIDE.size() && s.compare(e - WIDE.size(), WIDE.size(), WIDE) == 0) {
      e -= WIDE.size();
    } else {
      break;
    }
  }
  return s.substr(b, e - b);
}

// The name must stay one file inside the chosen folder.
bool usable_name(const std::string& name) {
  return name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\0') == std::string::npos;
}

// A header text on one line. Line breaks or other control codes pasted into a field would break
// the file into extra lines, so they become blanks.
std::string one_line(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  return text;
}

KifuMove entry(const Game& g, int n) {
  KifuMove m;
  m.motoX = g.KIFU_MOTO_X[n];
  m.motoY = g.KIFU_MOTO_Y[n];
  m.sakiX = g.KIFU_SAKI_X[n];
  m.sakiY = g.KIFU_SAKI_Y[n];
  m.narigo = g.KIFU_NARIGO[n];
  m.koma = g.KIFU_KOMA[n];
  m.tori = g.KIFU_TORI[n];
  m.sitaMae = clock_field(g.KIFU_SITA_MAE[n]);
  m.sitaAto = clock_field(g.KIFU_SITA_ATO[n]);
  m.ueMae = clock_field(g.KIFU_UE_MAE[n]);
  m.ueAto = clock_field(g.KIFU_UE_ATO[n]);
  return m;
}

// The moves from the first to the current position.
std::vector<KifuMove> moves_so_far(const Game& g) {
  std::vector<KifuMove> moves;
  for (int n = 1; n <= g.KIFU_IDX; ++n) moves.push_back(entry(g, n));
  return moves;
}

// The title, the players by side and the moves up to the current position, or nothing when a
// text cannot be written in Shift_JIS (after saying so). The panel's fields are named by order
// of play, the file's by side.
std::optional<KifuRecord> panel_record(Game& g) {
  const bool lowerFirst = g.MAN_TEBAN == g.TEBAN_SENTE;
  const Field upper = lowerFirst ? Field::Text4 : Field::Text3;
  const Field lower = lowerFirst ? Field::Text3 : Field::Text4;
  KifuRecord r;
  const std::pair<Field, std::string*> texts[] = {
      {Field::Text2, &r.title}, {upper, &r.upper}, {lower, &r.lower}};
  for (const auto& [field, text] : texts) {
    *text = one_line(g.port.fieldText(field));
    if (!utf8_to_cp932(*text)) {
      say(g, "Shift_JISで書けない文字があります\r" + g.port.fieldText(field), SAVE_TITLE,
          Icon::Warning);
      return std::nullopt;
    }
  }
  r.moves = moves_so_far(g);
  return r;
}

// The record file: title, the upper side's player, the lower side's player, then the moves.
std::optional<std::string> file_bytes(const KifuRecord& r) {
  std::string bytes;
  for (const std::string* text : {&r.title, &r.upper, &r.lower}) {
    const std::optional<std::string> line = utf8_to_cp932(*text);
    if (!line) return std::nullopt;
    bytes += *line + "\r\n";
  }
  for (const KifuMove& m : r.moves) bytes += format_move_line(m) + "\r\n";
  return bytes;
}

// The KIF file, with the position the game started from, handicap included.
std::optional<std::string> kif_bytes(const Game& g, const KifuRecord& r) {
  return utf8_to_cp932(kif_text(r, start_of_game(g)));
}

// Replaces the file by the bytes, or says why it could not. The file is written beside its
// final name and renamed over it only once it is complete, so a failed write never costs the
// file that was there.
bool write_file(Game& g, const std::filesystem::path& folder, const std::filesystem::path& file,
                const std::string& bytes) {
  std::error_code ec;
  const std::string error = std::filesystem::is_directory(folder, ec) ? replace_file(file, bytes)
                                                                      : describe_error(ENOENT);
  if (error.empty()) return true;
  say(g, "棋譜ﾌｧｲﾙに書き込めません\r" + file.string() + "\r" + error, SAVE_TITLE, Icon::Warning);
  return false;
}

}  // namespace

std::optional<std::string> record_bytes(const Game& g, const std::string& title,
                                        const std::string& upper, const std::string& lower) {
  return file_bytes({one_line(title), one_line(upper), one_line(lower), moves_so_far(g), {}});
}

void KIFU_WRITE_Click(Game& g) {
  if (g.HANTEN == 1) {
    say(g, "反転後は書き込みできません", "棋譜書込");
    return;
  }
  if (g.HANDE_SET == 1) {
    say(g, "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込");
    return;
  }
  g.KIF_KAKIDASHI = 0;
  描画_可視(g, true, true, false);
  描画_棋譜_IO(g, 0);
}

void KIF_EXPORT_Click(Game& g) {
  // A flipped board no longer matches its moves. A handicap is no obstacle here: the diagram
  // shows the position the game started from.
  if (g.HANTEN == 1) {
    say(g, "反転後は書き込みできません", "棋譜書込");
    return;
  }
  g.KIF_KAKIDASHI = 1;
  描画_可視(g, true, true, false);
  描画_棋譜_IO(g, 0);
}

void Command1_Click(Game& g) {
  // 1, 2. A name and at least one move.
  const std::string name = trimmed(g.port.fieldText(Field::Text1));
  if (name.empty()) {
    say(g, "ﾌｧｲﾙ名が入力されていません", "  ");
    return;
  }
  if (g.KIFU_IDX < 1) {
    say(g, "保存するデータがありません", SAVE_TITLE);
    return;
  }
  // 3. The file in the chosen folder, with the extension of the format the panel was opened for.
  if (!usable_name(name)) {
    say(g, "このﾌｧｲﾙ名は使えません\r" + name + "\r'/' を含まない名前を入力して下さい", SAVE_TITLE,
        Icon::Warning);
    return;
  }
  const bool kif = g.KIF_KAKIDASHI == 1;
  const std::filesystem::path folder = g.port.selectedFolder();
  const std::filesystem::path file = folder / (name + (kif ? KIF_EXTENSION : EXTENSION));
  // 4. The texts and the moves up to the current position, in the file's format.
  const std::optional<KifuRecord> r = panel_record(g);
  if (!r) return;
  const std::optional<std::string> bytes = kif ? kif_bytes(g, *r) : file_bytes(*r);
  if (!bytes) {
    say(g, "Shift_JISで書けない文字があります", SAVE_TITLE, Icon::Warning);
    return;
  }
  if (!write_file(g, folder, file, *bytes)) return;
  // 5. Done.
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  g.port.refreshFileList();
  say(g, "棋譜を書き込みました", "  ");
}
