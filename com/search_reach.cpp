#include "com/search_reach.h"

namespace reach_detail {

namespace {

Table build() {
  Table t{};
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      const int s = (x - 1) * 9 + y;
      for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) {
          const int dx = a - x, dy = b - y;
          const int adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
          if (dx == 0 && dy == 0) continue;
          t[ALL][s].add(a, b);
          if (adx <= 1 && ady <= 1) t[KING][s].add(a, b);
          if ((adx <= 1 && (dy == 0 || dy == 1)) || (dx == 0 && dy == -1)) t[GOLD_UP][s].add(a, b);
          if ((adx <= 1 && (dy == 0 || dy == -1)) || (dx == 0 && dy == 1)) t[GOLD_LO][s].add(a, b);
          if (adx <= 1 && (dy == 1 || (dy == -1 && dx != 0))) t[SILVER_UP][s].add(a, b);
          if (adx <= 1 && (dy == -1 || (dy == 1 && dx != 0))) t[SILVER_LO][s].add(a, b);
          if (dy == 2 && adx == 1) t[KNIGHT_UP][s].add(a, b);
          if (dy == -2 && adx == 1) t[KNIGHT_LO][s].add(a, b);
          if (dx == 0 && dy == 1) t[PAWN_UP][s].add(a, b);
          if (dx == 0 && dy == -1) t[PAWN_LO][s].add(a, b);
          if (dx == 0 && dy > 0) t[LANCE_UP][s].add(a, b);
          if (dx == 0 && dy < 0) t[LANCE_LO][s].add(a, b);
          if (dx == 0 || dy == 0) t[ROOK][s].add(a, b);
          if (adx == ady) t[BISHOP][s].add(a, b);
        }
    }
  return t;
}

}  // namespace

const Table kTable = build();

}  // namespace reach_detail
