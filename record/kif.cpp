// KIF, the text record format that other shogi programs read: a header with the title and the
// players, the start position as a board diagram, one line per move with its time, and the end.
// The board keeps this game's geometry: the lower side is the one at the bottom of the diagram.
#include <cstdio>

#include "platform/null_port.h"
#include "record/record.h"
#include "rules/rules.h"

namespace {

const std::string CRLF = "\r\n";

// The names of a piece kind in a move line and in the one-character cells of the diagram.
struct PieceName {
  int kind;
  const char* move;
  const char* cell;
};
constexpr PieceName PIECE_NAMES[] = {
    {OU, "玉", "玉"},         {SYA, "飛", "飛"},        {SYA_NARI, "龍", "龍"},
    {KAKU, "角", "角"},       {KAKU_NARI, "馬", "馬"},  {KIN, "金", "金"},
    {GIN, "銀", "銀"},        {GIN_NARI, "成銀", "全"}, {KEI, "桂", "桂"},
    {KEI_NARI, "成桂", "圭"}, {KYOU, "香", "香"},       {KYOU_NARI, "成香", "杏"},
    {HU, "歩", "歩"},         {TO, "と", "と"},
};

const PieceName* piece_name(int code) {
  const int kind = code < 0 ? -code : code;
  for (const PieceName& p : PIECE_NAMES)
    if (p.kind == kind) return &p;
  return nullptr;
}

const char* const FILE_DIGITS[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
const char* const KANJI_DIGITS[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// 1..18 in kanji, as piece counts in a hand are written (二, 十, 十八).
std::string kanji_number(int n) {
  if (n < 10) return KANJI_DIGITS[n];
  return std::string("十") + KANJI_DIGITS[n - 10];
}

// Columns a text takes in a fixed-width font: one for ASCII, two for a Japanese character.
std::size_t columns(const std::string& text) {
  std::size_t n = 0;
  for (const unsigned char c : text) {
    if (c < 0x80)
      n += 1;
    else if ((c & 0xC0) == 0xC0)
      n += 2;
  }
  return n;
}

bool on_board(int x, int y) {
  return x >= 1 && x <= BAN_N && y >= 1 && y <= BAN_N;
}

// What the two sides are called. A game the lower side opened is written with 先手 and 後手;
// one the upper side opened the way handicap games are, where 上手 moves first.
struct Sides {
  const char* lower;
  const char* upper;
};

Sides sides_of(bool upperFirst) {
  return upperFirst ? Sides{"下手", "上手"} : Sides{"先手", "後手"};
}

// The pieces of a hand from the rook down, as "飛　金二", or なし.
std::string hand_text(const int16_t hand[8]) {
  std::string text;
  for (int i = 7; i >= 1; --i) {
    if (hand[i] <= 0) continue;
    if (!text.empty()) text += "　";
    text += piece_name(MOCHI_KOMA[i])->cell;
    if (hand[i] > 1) text += kanji_number(hand[i] > 18 ? 18 : hand[i]);
  }
  return text.empty() ? "なし" : text;
}

std::string diagram(const StartPosition& start, bool upperFirst) {
  std::string text = "後手の持駒：" + hand_text(start.ue) + CRLF;
  text += "  ９ ８ ７ ６ ５ ４ ３ ２ １" + CRLF;
  text += "+---------------------------+" + CRLF;
  for (int y = 1; y <= BAN_N; ++y) {
    text += "|";
    for (int x = 1; x <= BAN_N; ++x) {
      const int code = start.ban[x][y];
      const PieceName* p = piece_name(code);
      if (p == nullptr)
        text += " ・";
      else
        text += std::string(code > 0 ? "v" : " ") + p->cell;
    }
    text += std::string("|") + KANJI_DIGITS[y] + CRLF;
  }
  text += "+---------------------------+" + CRLF;
  text += "先手の持駒：" + hand_text(start.sita) + CRLF;
  if (upperFirst) text += "後手番" + CRLF;
  return text;
}

// "７六歩(77)", "同　銀成(66)", "５五角打": destination, the piece as it stood, promotion, origin.
std::string move_text(const KifuMove& m, const KifuMove* previous) {
  std::string text;
  if (previous && previous->sakiX == m.sakiX && previous->sakiY == m.sakiY)
    text = "同　";
  else if (on_board(m.sakiX, m.sakiY))
    text = std::string(FILE_DIGITS[10 - m.sakiX]) + KANJI_DIGITS[m.sakiY];
  const PieceName* p = piece_name(m.koma);
  text += p ? p->move : "";
  // Only a promotion is marked: the format writes nothing for a piece that stays unpromoted.
  if (m.narigo != m.koma) text += "成";
  if (on_board(m.motoX, m.motoY))
    text += "(" + std::to_string(10 - m.motoX) + std::to_string(m.motoY) + ")";
  else
    text += "打";
  return text;
}

// "( 0:12/00:03:25)": the time of the move and the mover's total so far.
std::string time_text(int used, int total) {
  char text[48];
  std::snprintf(text, sizeof text, "(%2d:%02d/%02d:%02d:%02d)", used / 60, used % 60, total / 3600,
                total / 60 % 60, total % 60);
  return text;
}

// One numbered line: the number in four columns, the move padded to line the times up.
std::string numbered_line(std::size_t number, const std::string& move, const std::string& time) {
  char head[16];
  std::snprintf(head, sizeof head, "%4zu ", number);
  const std::size_t width = columns(move);
  return head + move + std::string(width < 12 ? 12 - width : 0, ' ') + " " + time + CRLF;
}

// The seconds a move took. The clocks of a move line stand before and after it; between two
// people the game books every move on the lower clock, so both clocks are counted.
int seconds_used(const KifuMove& m) {
  const int lower = m.sitaAto - m.sitaMae;
  const int upper = m.ueAto - m.ueMae;
  return (lower > 0 ? lower : 0) + (upper > 0 ? upper : 0);
}

bool takes_king(const KifuMove& m) {
  return m.tori == OU || m.tori == -OU;
}

}  // namespace

StartPosition initial_start_position() {
  NullPort port;
  Game g{port};
  lay_out_initial_position(g);
  StartPosition start;
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y) start.ban[x][y] = g.BAN[x][y];
  return start;
}

StartPosition start_of_game(const Game& g) {
  StartPosition start;
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y) start.ban[x][y] = g.BAN[x][y];
  for (int i = 1; i <= 7; ++i) {
    start.sita[i] = g.SITA_MOCHI[i];
    start.ue[i] = g.UE_MOCHI[i];
  }
  // The moves are taken back from the last one applied, the way 戻 does it. A taken king never
  // went into a hand, so none comes out.
  for (int n = g.KIFU_IDX; n >= 1; --n) {
    const int koma = g.KIFU_KOMA[n], tori = g.KIFU_TORI[n];
    const int mx = g.KIFU_MOTO_X[n], my = g.KIFU_MOTO_Y[n];
    const int sx = g.KIFU_SAKI_X[n], sy = g.KIFU_SAKI_Y[n];
    if (!on_board(sx, sy)) continue;
    int16_t* hand = koma > 0 ? start.ue : start.sita;
    start.ban[sx][sy] = static_cast<int16_t>(tori);
    if (on_board(mx, my))
      start.ban[mx][my] = static_cast<int16_t>(koma);
    else
      ++hand[hand_index(g.KIFU_NARIGO[n])];
    if (hand_index(tori) != 0) --hand[hand_index(tori)];
  }
  return start;
}

std::string kif_text(const KifuRecord& r, const StartPosition& start) {
  const bool upperFirst = !r.moves.empty() && r.moves.front().koma > 0;
  const Sides sides = sides_of(upperFirst);
  // 1. Header: the title when there is one, and both players.
  std::string text = "#KIF version=2.0 encoding=Shift_JIS" + CRLF;
  if (!r.title.empty()) text += "表題：" + r.title + CRLF;
  text += std::string(sides.lower) + "：" + r.lower + CRLF;
  text += std::string(sides.upper) + "：" + r.upper + CRLF;
  // 2. The position the game started from.
  text += diagram(start, upperFirst);
  // 3. The moves, each with the time it took and its side's running total.
  text += "手数----指手---------消費時間--" + CRLF;
  int lowerTotal = 0, upperTotal = 0;
  const KifuMove* previous = nullptr;
  std::size_t n = 0;
  for (const KifuMove& m : r.moves) {
    const int used = seconds_used(m);
    int& total = m.koma > 0 ? upperTotal : lowerTotal;
    total += used;
    text += numbered_line(++n, move_text(m, previous), time_text(used, total));
    previous = &m;
  }
  // 4. The end: the side that took a king has won; a full move list is a draw.
  if (n > 0 && takes_king(r.moves.back())) {
    const char* winner = r.moves.back().koma > 0 ? sides.upper : sides.lower;
    text += "まで" + std::to_string(n) + "手で" + winner + "の勝ち" + CRLF;
  } else if (n >= static_cast<std::size_t>(KIFU_MAX)) {
    const int waiting = r.moves.back().koma > 0 ? lowerTotal : upperTotal;
    text += numbered_line(n + 1, "持将棋", time_text(0, waiting));
    text += "まで" + std::to_string(n) + "手で持将棋" + CRLF;
  }
  return text;
}
