// How each kind moves: the one definition used by clicks, highlights, mate tests and the
// computer player. It runs in the computer's inner loops, so it only reads the board.
#include "rules/rules.h"

namespace {

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

bool is_gold_mover(int k) {
  return k == KIN || k == TO || k == KYOU_NARI || k == KEI_NARI || k == GIN_NARI;
}

}  // namespace

int 移動チェック飛車(const Game& g, int fx, int fy, int tx, int ty) {
  if (fx != tx && fy != ty) return 0;
  if (fy != ty) {
    const int s = ty > fy ? 1 : -1;
    for (int y = fy + s; y != ty; y += s)
      if (g.BAN[tx][y] != KARA) return 0;
  }
  if (fx != tx) {
    const int s = tx > fx ? 1 : -1;
    for (int x = fx + s; x != tx; x += s)
      if (g.BAN[x][ty] != KARA) return 0;
  }
  return 1;
}

int 移動チェック角(const Game& g, int fx, int fy, int tx, int ty) {
  if (fx - fy != tx - ty && fy - ty != tx - fx) return 0;
  if (fy - ty == tx - fx) {
    if (fy > ty) {
      for (int i = 1; fx + i < tx; ++i)
        if (g.BAN[fx + i][fy - i] != KARA) return 0;
    } else {
      for (int i = 1; fx - i > tx; ++i)
        if (g.BAN[fx - i][fy + i] != KARA) return 0;
    }
  } else {
    if (fy > ty) {
      for (int i = 1; fx - i > tx; ++i)
        if (g.BAN[fx - i][fy - i] != KARA) return 0;
    } else {
      for (int i = 1; fx + i < tx; ++i)
        if (g.BAN[fx + i][fy + i] != KARA) return 0;
    }
  }
  return 1;
}

int 移動チェック(const Game& g, int fx, int fy, int tx, int ty, int koma) {
  // 1. On the board, 2. a real move, 3. not onto an own piece.
  if (tx < 1 || tx > BAN_N || ty < 1 || ty > BAN_N) return 0;
  if (fx == tx && fy == ty) return 0;
  const int dest = g.BAN[tx][ty];
  if (koma >= 10 ? dest >= 10 : dest <= -10) return 0;

  // 4. Drops: onto an empty square, never a second pawn in a column. Pawn, lance and knight go
  // on to the last-rank rules below; everything else may go anywhere.
  if (fx == SITA_STAND_X || fx == UE_STAND_X) {
    if (dest != KARA) return 0;
    if (koma == -HU && g.SITA_NIFU[tx] == 1) return 0;
    if (koma == HU && g.UE_NIFU[tx] == 1) return 0;
    const int k = iabs(koma);
    if (k != HU && k != KYOU && k != KEI) return 1;
  }

  // 5. Kind rules.
  const int dx = tx - fx;
  const int dy = ty - fy;
  switch (koma) {
    case HU:
      if (fx <= 0) return ty != 9;
      return tx == fx && dy == 1;
    case -HU:
      if (fx == SITA_STAND_X) return ty != 1;
      return tx == fx && dy == -1;
    case KYOU:
      if (fx == UE_STAND_X) return ty != 9;
      if (tx != fx || dy <= 0) return 0;
      for (int y = fy + 1; y < ty; ++y)
        if (g.BAN[tx][y] != KARA) return 0;
      return 1;
    case -KYOU:
      if (fx == SITA_STAND_X) return ty != 1;
      if (tx != fx || dy >= 0) return 0;
      for (int y = ty + 1; y < fy; ++y)
        if (g.BAN[tx][y] != KARA) return 0;
      return 1;
    case KEI:
      if (fx == UE_STAND_X) return ty <= 7;
      return dy == 2 && (dx == 1 || dx == -1);
    case -KEI:
      if (fx == SITA_STAND_X) return ty >= 3;
      return dy == -2 && (dx == 1 || dx == -1);
    case GIN:
      return iabs(dx) <= 1 && (dy == 1 || (dy == -1 && dx != 0));
    case -GIN:
      return iabs(dx) <= 1 && (dy == -1 || (dy == 1 && dx != 0));
    case KAKU:
    case -KAKU:
      return 移動チェック角(g, fx, fy, tx, ty);
    case KAKU_NARI:
    case -KAKU_NARI:
      if (iabs(dx) <= 1 && iabs(dy) <= 1) return 1;
      return 移動チェック角(g, fx, fy, tx, ty);
    case SYA:
    case -SYA:
      return 移動チェック飛車(g, fx, fy, tx, ty);
    case SYA_NARI:
    case -SYA_NARI:
      if (iabs(dx) <= 1 && iabs(dy) <= 1) return 1;
      return 移動チェック飛車(g, fx, fy, tx, ty);
    case OU:
    case -OU:
      return iabs(dx) <= 1 && iabs(dy) <= 1;
    default:
      break;
  }
  if (is_gold_mover(koma)) return (iabs(dx) <= 1 && (dy == 0 || dy == 1)) || (dx == 0 && dy == -1);
  if (is_gold_mover(-koma)) return (iabs(dx) <= 1 && (dy == 0 || dy == -1)) || (dx == 0 && dy == 1);
  // 6. Any other code has no rule of its own.
  return 1;
}
