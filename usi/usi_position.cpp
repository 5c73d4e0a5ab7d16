// Positions in SFEN: the board from the top row down, each row from the left edge (file 9) to
// the right (file 1); upper-case letters are the lower side, lower-case the upper side.
#include <cstring>

#include "platform/null_port.h"
#include "rules/rules.h"
#include "usi/usi.h"

namespace {

// Letters by hand index; the king has no hand index and is handled apart.
constexpr char kLetters[] = " PLNSGBR";
// The most pieces of each kind a set holds (board and both hands together).
constexpr int kSetCount[8] = {0, 18, 4, 4, 4, 4, 2, 2};

// Code of an SFEN piece letter (unpromoted), 0 when the letter names no piece. Capitals are
// the lower side.
int letter_code(char c) {
  const bool capital = c >= 'A' && c <= 'Z';
  if (!capital && (c < 'a' || c > 'z')) return 0;
  const char u = capital ? c : static_cast<char>(c - 'a' + 'A');
  int magnitude = u == 'K' ? OU : 0;
  for (int i = 1; i <= 7; ++i)
    if (u == kLetters[i]) magnitude = MOCHI_KOMA[i];
  return capital ? -magnitude : magnitude;
}

char code_letter(int code) {
  const int m = code < 0 ? -code : code;
  const char u = (m == OU) ? 'K' : kLetters[hand_index(code)];
  return code < 0 ? u : static_cast<char>(u - 'A' + 'a');
}

bool promotable(int code) {
  const int m = code < 0 ? -code : code;
  return m == HU || m == KYOU || m == KEI || m == GIN || m == KAKU || m == SYA;
}

bool is_number(std::string_view w) {
  if (w.empty() || w.size() > 9) return false;
  for (char c : w)
    if (c < '0' || c > '9') return false;
  return true;
}

std::string parse_board(std::string_view text, Position& p) {
  int y = 1, x = 1;
  bool plus = false;
  for (char c : text) {
    if (c == '/') {
      if (plus || x != 10) return "SFEN row " + std::to_string(y) + " does not hold 9 squares";
      if (++y > 9) return "SFEN board has more than 9 rows";
      x = 1;
    } else if (c >= '1' && c <= '9') {
      if (plus) return "'+' before a digit in the SFEN board";
      x += c - '0';
      if (x > 10) return "SFEN row " + std::to_string(y) + " holds more than 9 squares";
    } else if (c == '+') {
      if (plus) return "'++' in the SFEN board";
      plus = true;
    } else {
      int code = letter_code(c);
      if (code == 0) return "unknown piece letter '" + shown({&c, 1}) + "' in the SFEN board";
      if (plus && !promotable(code)) return "'+" + shown({&c, 1}) + "' cannot be promoted";
      if (x > 9) return "SFEN row " + std::to_string(y) + " holds more than 9 squares";
      if (plus) code += code < 0 ? -1 : 1;
      p.ban[x++][y] = static_cast<int16_t>(code);
      plus = false;
    }
  }
  if (plus || y != 9 || x != 10) return "SFEN board does not hold 9 rows of 9 squares";
  return {};
}

std::string parse_hands(std::string_view text, Position& p) {
  if (text == "-") return {};
  int count = 0;
  bool counted = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      count = count * 10 + (c - '0');
      counted = true;
      if (count > 18) return "hand count in '" + shown(text) + "' is too large";
      continue;
    }
    const int code = letter_code(c);
    const int i = hand_index(code);
    if (i == 0 || (counted && count == 0))
      return "unreadable hand '" + shown(text) + "' in the SFEN";
    int16_t& n = code < 0 ? p.sita[i] : p.ue[i];
    n = static_cast<int16_t>(n + (counted ? count : 1));
    count = 0;
    counted = false;
  }
  if (counted || text.empty()) return "unreadable hand '" + shown(text) + "' in the SFEN";
  return {};
}

// Both kings present once, and no more pieces of a kind than one set holds: anything else is
// no position of shogi, and the computer player expects both kings on the board.
std::string check_material(const Position& p) {
  int kings_lower = 0, kings_upper = 0;
  int count[8]{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int c = p.ban[x][y];
      if (c == -OU) ++kings_lower;
      if (c == OU) ++kings_upper;
      ++count[hand_index(c)];
    }
  if (kings_lower != 1 || kings_upper != 1) return "SFEN board must hold one king of each side";
  for (int i = 1; i <= 7; ++i)
    if (count[i] + p.sita[i] + p.ue[i] > kSetCount[i])
      return std::string("more than ") + std::to_string(kSetCount[i]) + " pieces '" + kLetters[i] +
             "' in the SFEN";
  return {};
}

// Reads board, side and hands from words[i..], and the move number when one follows.
Parsed<Position> sfen_from_words(const std::vector<std::string_view>& w, std::size_t& i) {
  Parsed<Position> r;
  if (w.size() < i + 3) {
    r.error = "SFEN needs a board, a side to move and the hands";
    return r;
  }
  r.error = parse_board(w[i], r.value);
  if (r.ok() && w[i + 1] != "b" && w[i + 1] != "w")
    r.error = "side to move must be 'b' or 'w', not '" + shown(w[i + 1]) + "'";
  r.value.lower_to_move = w[i + 1] == "b";
  if (r.ok()) r.error = parse_hands(w[i + 2], r.value);
  if (r.ok()) r.error = check_material(r.value);
  i += 3;
  if (i < w.size() && is_number(w[i])) ++i;
  return r;
}

}  // namespace

bool Position::operator==(const Position& o) const {
  return std::memcmp(ban, o.ban, sizeof ban) == 0 && std::memcmp(sita, o.sita, sizeof sita) == 0 &&
         std::memcmp(ue, o.ue, sizeof ue) == 0 && lower_to_move == o.lower_to_move;
}

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

std::string shown(std::string_view word) {
  constexpr std::size_t kMax = 40;
  std::string s;
  for (char c : word.substr(0, kMax)) s.push_back(c >= 0x20 && c < 0x7f ? c : '?');
  if (word.size() > kMax) s += "...";
  return s;
}

Position start_position() {
  static const Position start = [] {
    NullPort port;
    Game g(port);
    lay_out_initial_position(g);
    Position p;
    std::memcpy(p.ban, g.BAN, sizeof p.ban);
    return p;
  }();
  return start;
}

Position standard_start_position() {
  static const Position start =
      parse_sfen("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1").value;
  return start;
}

Parsed<Position> parse_sfen(std::string_view sfen) {
  const auto w = words(sfen);
  std::size_t i = 0;
  auto r = sfen_from_words(w, i);
  if (r.ok() && i < w.size()) r.error = "unexpected '" + shown(w[i]) + "' after the SFEN";
  return r;
}

std::string to_sfen(const Position& p, int move_number) {
  std::string s;
  for (int y = 1; y <= 9; ++y) {
    int empty = 0;
    for (int x = 1; x <= 9; ++x) {
      const int c = p.ban[x][y];
      if (c == KARA) {
        ++empty;
        continue;
      }
      if (empty) s += static_cast<char>('0' + empty);
      empty = 0;
      const int m = c < 0 ? -c : c;
      if (m != OU && m % 2 == 1) s += '+';
      s += code_letter(c);
    }
    if (empty) s += static_cast<char>('0' + empty);
    if (y < 9) s += '/';
  }
  s += p.lower_to_move ? " b " : " w ";
  std::string hands;
  // Customary order: rook first, lower side before upper side.
  for (const bool lower : {true, false})
    for (int i = 7; i >= 1; --i) {
      const int n = lower ? p.sita[i] : p.ue[i];
      if (n <= 0) continue;
      if (n > 1) hands += std::to_string(n);
      hands += lower ? kLetters[i] : static_cast<char>(kLetters[i] - 'A' + 'a');
    }
  s += hands.empty() ? "-" : hands;
  return s + ' ' + std::to_string(move_number);
}

Parsed<Position> parse_position_command(std::string_view args) {
  const auto w = words(args);
  Parsed<Position> r;
  std::size_t i = 0;
  if (!w.empty() && w[0] == "startpos") {
    r.value = standard_start_position();
    i = 1;
  } else if (!w.empty() && w[0] == "sfen") {
    i = 1;
    r = sfen_from_words(w, i);
    if (!r.ok()) return r;
  } else {
    r.error = "position needs 'startpos' or 'sfen'";
    return r;
  }
  if (i < w.size() && w[i] != "moves") {
    r.error = "expected 'moves', not '" + shown(w[i]) + "'";
    return r;
  }
  const std::size_t first = i + 1;
  for (i = first; i < w.size(); ++i) {
    const auto m = parse_move(w[i]);
    const std::string why = m.ok() ? move_error(r.value, m.value) : m.error;
    if (!why.empty()) {
      r.error = "move " + std::to_string(i - first + 1) + " '" + shown(w[i]) + "': " + why;
      return r;
    }
    play_move(r.value, m.value);
  }
  return r;
}
