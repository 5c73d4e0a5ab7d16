// Moves in USI notation, checked and played with the game's own rules: the same move check,
// promotion tests and move procedure the board clicks use.
#include "platform/null_port.h"
#include "rules/rules.h"
#include "usi/usi.h"

namespace {

constexpr char kLetters[] = " PLNSGBR";

bool read_square(std::string_view s, int& x, int& y) {
  if (s[0] < '1' || s[0] > '9' || s[1] < 'a' || s[1] > 'i') return false;
  x = 10 - (s[0] - '0');
  y = s[1] - 'a' + 1;
  return true;
}

std::string square(int x, int y) {
  return {static_cast<char>('0' + 10 - x), static_cast<char>('a' + y - 1)};
}

int side_sign(const Position& p) {
  return p.lower_to_move ? -1 : 1;
}

// The move check on `g`, which holds the position's board and two-pawn flags.
std::string error_on(Game& g, const Position& p, const UsiMove& m, bool allow_king_capture) {
  const int sign = side_sign(p);
  if (m.drop) {
    if (m.kind < 1 || m.kind > 7) return "no such piece to drop";
    if ((p.lower_to_move ? p.sita : p.ue)[m.kind] <= 0)
      return std::string("no '") + kLetters[m.kind] + "' in hand";
    if (m.promote) return "a dropped piece does not promote";
    const int fx = p.lower_to_move ? SITA_STAND_X : UE_STAND_X;
    const int fy = p.lower_to_move ? m.kind + 2 : m.kind;
    if (!移動チェック(g, fx, fy, m.tx, m.ty, sign * MOCHI_KOMA[m.kind]))
      return "that drop is not allowed";
    return {};
  }
  const int code = p.ban[m.fx][m.fy];
  if (code * sign < 10) return "no piece of the side to move on " + square(m.fx, m.fy);
  if (!移動チェック(g, m.fx, m.fy, m.tx, m.ty, code)) return "that piece cannot move there";
  const int captured = p.ban[m.tx][m.ty];
  if (!allow_king_capture && (captured == OU || captured == -OU)) return "a king is never taken";
  if (m.promote && !調査_駒成(g, m.fx, m.fy, m.tx, m.ty, code)) return "that move cannot promote";
  if (!m.promote && !移動後チェック(m.ty, code)) return "that move must promote";
  return {};
}

}  // namespace

void put_position(Game& g, const Position& p) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) g.BAN[x][y] = p.ban[x][y];
  g.SITA_MOCHI_SU = g.UE_MOCHI_SU = 0;
  for (int i = 1; i <= 7; ++i) {
    g.SITA_MOCHI[i] = p.sita[i];
    g.UE_MOCHI[i] = p.ue[i];
    g.SITA_MOCHI_SU = static_cast<int16_t>(g.SITA_MOCHI_SU + p.sita[i]);
    g.UE_MOCHI_SU = static_cast<int16_t>(g.UE_MOCHI_SU + p.ue[i]);
  }
}

Parsed<UsiMove> parse_move(std::string_view text) {
  Parsed<UsiMove> r;
  UsiMove& m = r.value;
  bool ok = false;
  if (text.size() == 4 && text[1] == '*') {
    m.drop = true;
    for (int i = 1; i <= 7; ++i)
      if (text[0] == kLetters[i]) m.kind = i;
    ok = m.kind != 0 && read_square(text.substr(2), m.tx, m.ty);
  } else if (text.size() == 4 || (text.size() == 5 && text[4] == '+')) {
    m.promote = text.size() == 5;
    ok = read_square(text, m.fx, m.fy) && read_square(text.substr(2), m.tx, m.ty);
  }
  if (!ok) r.error = "unreadable move '" + shown(text) + "'";
  return r;
}

std::string to_usi(const UsiMove& m) {
  if (m.drop) return std::string{kLetters[m.kind], '*'} + square(m.tx, m.ty);
  return square(m.fx, m.fy) + square(m.tx, m.ty) + (m.promote ? "+" : "");
}

std::string move_error(const Position& p, const UsiMove& m, bool allow_king_capture) {
  const auto on_board = [](int v) { return v >= 1 && v <= 9; };
  if (!on_board(m.tx) || !on_board(m.ty) || (!m.drop && (!on_board(m.fx) || !on_board(m.fy))))
    return "square off the board";
  NullPort port;
  Game g(port);
  put_position(g, p);
  調査_2歩フラグ設定(g);
  return error_on(g, p, m, allow_king_capture);
}

void play_move(Position& p, const UsiMove& m) {
  NullPort port;
  Game g(port);
  put_position(g, p);
  const int sign = side_sign(p);
  if (m.drop) {
    const int fx = p.lower_to_move ? SITA_STAND_X : UE_STAND_X;
    const int fy = p.lower_to_move ? m.kind + 2 : m.kind;
    駒移動(g, fx, fy, m.tx, m.ty, sign * MOCHI_KOMA[m.kind]);
  } else {
    const int code = p.ban[m.fx][m.fy];
    駒移動(g, m.fx, m.fy, m.tx, m.ty, m.promote ? code + sign : code);
  }
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) p.ban[x][y] = g.BAN[x][y];
  for (int i = 1; i <= 7; ++i) {
    p.sita[i] = g.SITA_MOCHI[i];
    p.ue[i] = g.UE_MOCHI[i];
  }
  p.lower_to_move = !p.lower_to_move;
}

std::vector<UsiMove> legal_moves(const Position& p) {
  NullPort port;
  Game g(port);
  put_position(g, p);
  調査_2歩フラグ設定(g);
  std::vector<UsiMove> out;
  const auto keep = [&](const UsiMove& m) {
    if (error_on(g, p, m, false).empty()) out.push_back(m);
  };
  const int sign = side_sign(p);
  for (int fx = 1; fx <= 9; ++fx)
    for (int fy = 1; fy <= 9; ++fy) {
      if (p.ban[fx][fy] * sign < 10) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty)
          for (const bool promote : {false, true}) keep({false, 0, fx, fy, tx, ty, promote});
    }
  for (int k = 1; k <= 7; ++k)
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty) keep({true, k, 0, 0, tx, ty, false});
  return out;
}
