// The record file format: three header lines and one line of eleven fixed columns per move.
// A file is read and checked whole, and every move is replayed on a scratch board, before any of
// it reaches the game, so a damaged or edited file can never leave a half-loaded game behind.
#include <algorithm>
#include <optional>

#include "platform/null_port.h"
#include "record/record.h"
#include "rules/rules.h"
#include "settings/cp932.h"

namespace {

constexpr std::size_t HEADER_LINES = 3;
constexpr std::size_t LINE_WIDTH = 37;
constexpr int CLOCK_MAX = 99999;  // the most a five-column field holds
// A real record is a few tens of kilobytes even with long names; anything far bigger is not one.
constexpr std::size_t FILE_MAX = 1 << 20;

// The columns of a move line, 0-based, in the order of the fields of KifuMove.
struct Column {
  std::size_t first, width;
};
constexpr Column COLUMNS[11] = {{0, 2},  {2, 1},  {3, 1},  {4, 1},  {5, 4}, {9, 4},
                                {13, 4}, {17, 5}, {22, 5}, {27, 5}, {32, 5}};

constexpr int KifuMove::*FIELDS[11] = {&KifuMove::motoX, &KifuMove::motoY,   &KifuMove::sakiX,
                                       &KifuMove::sakiY, &KifuMove::narigo,  &KifuMove::koma,
                                       &KifuMove::tori,  &KifuMove::sitaMae, &KifuMove::sitaAto,
                                       &KifuMove::ueMae, &KifuMove::ueAto};

std::string line_error(std::size_t line, const std::string& what) {
  return std::to_string(line) + "行目: " + what;
}

bool blank(std::string_view s) {
  return s.find_first_not_of(' ') == std::string_view::npos;
}

// Bytes that never occur in text: the NUL of a binary file, the other control codes and DEL.
// No byte of a Shift_JIS double-byte character lies in this range.
bool has_control_byte(std::string_view s) {
  for (const unsigned char c : s)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

bool has_non_ascii(std::string_view s) {
  for (const unsigned char c : s)
    if (c >= 0x80) return true;
  return false;
}

// The value of one column: leading blanks skipped, then an optional minus and digits. Blank
// columns (also those past the end of a short line) are 0. Anything else left over makes the
// column malformed.
std::optional<int> column_value(std::string_view line, Column c) {
  std::string_view s = c.first < line.size() ? line.substr(c.first, c.width) : std::string_view{};
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i == s.size()) return 0;
  const bool minus = s[i] == '-';
  if (minus) ++i;
  int value = 0;
  const std::size_t digits = i;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') value = value * 10 + (s[i++] - '0');
  if (i == digits || !blank(s.substr(i))) return std::nullopt;
  return minus ? -value : value;
}

std::string column_name(Column c) {
  const std::string first = std::to_string(c.first + 1);
  if (c.width == 1) return first + "桁目";
  return first + "-" + std::to_string(c.first + c.width) + "桁目";
}

// The columns of one move line, or what is wrong with its form.
std::string parse_move_line(std::string_view line, KifuMove& m) {
  if (blank(line)) return "指し手の行が空です";
  if (has_non_ascii(line)) return "指し手の行に数字以外の文字があります";
  if (line.size() > LINE_WIDTH && !blank(line.substr(LINE_WIDTH)))
    return "指し手の行が" + std::to_string(LINE_WIDTH) + "文字を超えています";
  for (int i = 0; i < 11; ++i) {
    const std::optional<int> v = column_value(line, COLUMNS[i]);
    if (!v) return column_name(COLUMNS[i]) + "が数値ではありません";
    m.*FIELDS[i] = *v;
  }
  return {};
}

bool is_piece(int code) {
  switch (code < 0 ? -code : code) {
    case HU:
    case TO:
    case KYOU:
    case KYOU_NARI:
    case KEI:
    case KEI_NARI:
    case GIN:
    case GIN_NARI:
    case KIN:
    case KAKU:
    case KAKU_NARI:
    case SYA:
    case SYA_NARI:
    case OU:
      return true;
    default:
      return false;
  }
}

bool on_board(int v) {
  return v >= 1 && v <= BAN_N;
}

// The values a move line can hold at all, before looking at the position.
std::string check_ranges(const KifuMove& m) {
  if (!on_board(m.motoX) && m.motoX != SITA_STAND_X && m.motoX != UE_STAND_X)
    return "移動元が盤と駒台の外です";
  if (!on_board(m.motoY)) return "移動元が盤と駒台の外です";
  if (!on_board(m.sakiX) || !on_board(m.sakiY)) return "移動先が盤の外です";
  if (!is_piece(m.koma) || !is_piece(m.narigo) || (m.narigo > 0) != (m.koma > 0) ||
      (m.tori != KARA && !is_piece(m.tori)))
    return "駒の符号が正しくありません";
  for (const int t : {m.sitaMae, m.sitaAto, m.ueMae, m.ueAto})
    if (t < 0 || t > CLOCK_MAX) return "時間が正しくありません";
  return {};
}

// The moves replayed from the initial position on a board of their own, the way stepping
// forward plays them, with the game's own move rules as the judge.
class Replay {
 public:
  Replay() { lay_out_initial_position(g_); }

  std::string play(const KifuMove& m, int side) {
    if (over_) return "玉が取られた後に指し手があります";
    if ((m.koma > 0 ? 1 : -1) != side) return "手番が交互になっていません";
    const bool drop = !on_board(m.motoX);
    if (drop) {
      if (!in_hand(m)) return "持ち駒にない駒を打っています";
    } else if (g_.BAN[m.motoX][m.motoY] != m.koma) {
      return "移動元にその駒がありません";
    }
    if (g_.BAN[m.sakiX][m.sakiY] != m.tori) return "取った駒が盤面と合いません";
    調査_2歩フラグ設定(g_);
    if (移動チェック(g_, m.motoX, m.motoY, m.sakiX, m.sakiY, m.koma) != 1)
      return "その駒はそこへ動けません";
    if (m.narigo != m.koma) {
      if (調査_駒成(g_, m.motoX, m.motoY, m.sakiX, m.sakiY, m.koma) != 1 ||
          m.narigo != g_.NARI_KOMA)
        return "成れない駒が成っています";
    } else if (移動後チェック(m.sakiY, m.koma) == 0) {
      return "成らなければならない駒が成っていません";
    }
    apply(m, drop);
    return {};
  }

 private:
  NullPort port_;
  Game g_{port_};
  bool over_ = false;  // a king was taken

  // A drop takes an unpromoted piece from the mover's own stand. The lower stand's row is the
  // hand index plus 2; the upper stand's row is written as the hand index by the computer and
  // as the clicked stand row (8 - index) by a second player.
  bool in_hand(const KifuMove& m) const {
    const int i = hand_index(m.koma);
    if (i == 0 || (m.koma < 0 ? -m.koma : m.koma) != MOCHI_KOMA[i]) return false;
    if (m.motoX == SITA_STAND_X) return m.koma < 0 && m.motoY == i + 2 && g_.SITA_MOCHI[i] > 0;
    return m.koma > 0 && (m.motoY == i || m.motoY == 8 - i) && g_.UE_MOCHI[i] > 0;
  }

  void apply(const KifuMove& m, bool drop) {
    const int i = hand_index(m.koma);
    if (!drop)
      g_.BAN[m.motoX][m.motoY] = KARA;
    else if (m.koma < 0)
      --g_.SITA_MOCHI[i];
    else
      --g_.UE_MOCHI[i];
    if (m.tori == OU || m.tori == -OU) {
      over_ = true;
    } else if (m.tori != KARA) {
      const int t = hand_index(m.tori);
      ++(m.tori > 0 ? g_.SITA_MOCHI[t] : g_.UE_MOCHI[t]);
    }
    g_.BAN[m.sakiX][m.sakiY] = static_cast<int16_t>(m.narigo);
  }
};

// A header line as UTF-8, or what is wrong with it.
std::string decode_line(std::string_view line, std::string& text) {
  if (has_control_byte(line)) return "文字ではないﾃﾞｰﾀがあります";
  const std::optional<std::string> utf8 = cp932_to_utf8(line);
  if (!utf8) return "Shift_JISで読めない文字があります";
  text = *utf8;
  return {};
}

}  // namespace

int 読込_棋譜ファイル(KifuFile& file, std::string& text) {
  if (file.next >= file.bytes.size()) return 0;
  std::string_view rest = file.bytes.substr(file.next);
  const std::size_t end = rest.find('\n');
  std::string_view line = rest.substr(0, end);
  file.next = end == std::string_view::npos ? file.bytes.size() : file.next + end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  text.assign(line);
  return 1;
}

std::string format_move_line(const KifuMove& m) {
  std::string line;
  for (int i = 0; i < 11; ++i) {
    std::string value = std::to_string(m.*FIELDS[i]);
    value.resize(std::max(value.size(), COLUMNS[i].width), ' ');
    line += value;
  }
  return line;
}

int clock_field(float seconds) {
  // Fractions of a second are dropped. A clock past 27 hours does not fit five columns; it is
  // written as the largest value that does, so the columns after it never shift.
  if (!(seconds >= 0)) return 0;
  if (seconds >= CLOCK_MAX) return CLOCK_MAX;
  return static_cast<int>(seconds);
}

KifuRecord parse_record(std::string_view bytes) {
  KifuRecord r;
  if (bytes.size() > FILE_MAX) {
    r.error = "ﾌｧｲﾙが大きすぎます";
    return r;
  }
  std::vector<std::string> lines;
  KifuFile file{bytes};
  std::string line;
  while (読込_棋譜ファイル(file, line) == 1) lines.push_back(line);
  // Blank lines after the last move, as an editor may leave them, are no moves.
  while (lines.size() > HEADER_LINES && blank(lines.back())) lines.pop_back();

  std::string* const header[HEADER_LINES] = {&r.title, &r.upper, &r.lower};
  Replay replay;
  int firstSide = 0;
  for (std::size_t n = 1; n <= lines.size(); ++n) {
    const std::string& text = lines[n - 1];
    std::string what;
    if (n <= HEADER_LINES) {
      what = decode_line(text, *header[n - 1]);
    } else if (n > HEADER_LINES + KIFU_MAX) {
      what = "指し手が" + std::to_string(KIFU_MAX) + "手を超えています";
    } else if (has_control_byte(text)) {
      what = "文字ではないﾃﾞｰﾀがあります";
    } else {
      KifuMove m;
      what = parse_move_line(text, m);
      if (what.empty()) what = check_ranges(m);
      if (what.empty()) {
        if (firstSide == 0) firstSide = m.koma > 0 ? 1 : -1;
        const bool odd = r.moves.size() % 2 == 0;
        what = replay.play(m, odd ? firstSide : -firstSide);
      }
      if (what.empty()) r.moves.push_back(m);
    }
    if (!what.empty()) {
      r.error = line_error(n, what);
      r.moves.clear();
      return r;
    }
  }
  return r;
}
