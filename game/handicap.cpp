// Handicap grades: before the first move, pieces are taken off one at a time with △ and ▽.
#include "game/control.h"
#include "screen/screen.h"

namespace {

struct HandeSquare {
  int x, y, code;
};

// The piece of each level -10..10 (index level + 10); level 0 has none. Positive levels take
// upper pieces off, negative levels lower pieces.
constexpr HandeSquare HANDE_TABLE[21] = {
    {6, 9, -KIN},  {4, 9, -KIN},  {7, 9, -GIN}, {3, 9, -GIN},  {8, 9, -KEI}, {2, 9, -KEI},
    {9, 9, -KYOU}, {1, 9, -KYOU}, {8, 8, -SYA}, {2, 8, -KAKU}, {0, 0, 0},    {8, 2, KAKU},
    {2, 2, SYA},   {9, 1, KYOU},  {1, 1, KYOU}, {8, 1, KEI},   {2, 1, KEI},  {7, 1, GIN},
    {3, 1, GIN},   {6, 1, KIN},   {4, 1, KIN},
};

const HandeSquare& square_of(int level) {
  return HANDE_TABLE[level + 10];
}

// Refusals shared by both buttons; true when the change may go ahead.
bool may_change_handicap(Game& g) {
  int reason = 0;
  if (g.KIFU_MODE == 1)
    reason = 1;
  else if (g.KIFU_IDX > 0)
    reason = 2;
  else if (g.HANTEN == 1)
    reason = 3;
  if (reason == 0) return true;
  g.port.dsPlay(g.SE_KINSHI);
  描画_メッセージ(g, reason);
  return false;
}

void put(Game& g, const HandeSquare& s, int code) {
  g.BAN[s.x][s.y] = static_cast<int16_t>(code);
  描画_絵(g, code, s.x, s.y);
  描画_桝輪郭(g, g.IRO_SEN, s.x, s.y);
  g.port.dsPlay(g.SE_KOMAUCHI);
}

void change_level(Game& g, int step) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  if (!may_change_handicap(g)) return;
  g.KIFU_SU = 0;
  const int n = g.HANDE_LEVEL + step;
  if (n >= -10 && n <= 10) {
    g.HANDE_LEVEL = static_cast<int16_t>(n);
    描画_ハンデレベル(g, n);
    if (step > 0) {
      if (n > 0)
        put(g, square_of(n), KARA);
      else
        put(g, square_of(n - 1), square_of(n - 1).code);
    } else {
      if (n >= 0)
        put(g, square_of(n + 1), square_of(n + 1).code);
      else
        put(g, square_of(n), KARA);
    }
  }
  g.HANDE_SET = 1;
}

}  // namespace

void LBEL_UP_Click(Game& g) {
  change_level(g, 1);
}

void LEBEL_DOWN_Click(Game& g) {
  change_level(g, -1);
}
