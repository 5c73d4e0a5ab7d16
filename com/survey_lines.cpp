// The long-range pieces of the influence survey: lances, rooks and bishops walk their lines
// square by square. A line stops at the first occupied square (which is still recorded), except
// at the enemy king: the line goes on behind it, so the king cannot escape along the line.
#include "com/com.h"

namespace {

constexpr bool on_board(int v) {
  return v >= 1 && v <= BAN_N;
}

// Walks from the piece on (x, y), recorded as c, in the direction (DX, DY).
template <bool Lower, int DX, int DY>
void walk(Game& g, int c, int x, int y) {
  for (int sx = x + DX, sy = y + DY; on_board(sx) && on_board(sy); sx += DX, sy += DY) {
    const int t = g.BAN[sx][sy];
    if constexpr (Lower) {
      ++g.SITA_SEIRYOKU[sx][sy];
      if (t < 0) {
        if (g.SITA_HIMO_KOMA[sx][sy] > c) g.SITA_HIMO_KOMA[sx][sy] = static_cast<int16_t>(c);
        return;
      }
      if (t == 0) continue;
      if (g.SITA_NERAI_KOMA[sx][sy] < c) {
        g.SITA_NERAI_KOMA[sx][sy] = static_cast<int16_t>(c);
        g.SITA_NERAI_X[sx][sy] = static_cast<int16_t>(x);
        g.SITA_NERAI_Y[sx][sy] = static_cast<int16_t>(y);
      }
      if (t != OU) return;
      for (int bx = x + DX, by = y + DY; bx != sx || by != sy; bx += DX, by += DY)
        g.SITA_OUTE[bx][by] = 1;
      g.SITA_OUTE[x][y] = 9;
    } else {
      ++g.UE_SEIRYOKU[sx][sy];
      if (t > 0) {
        if (g.UE_HIMO_KOMA[sx][sy] > c) {
          g.UE_HIMO_KOMA[sx][sy] = static_cast<int16_t>(c);
          g.UE_HIMO_X[sx][sy] = static_cast<int16_t>(x);
          g.UE_HIMO_Y[sx][sy] = static_cast<int16_t>(y);
        }
        return;
      }
      if (t == 0) continue;
      if (g.UE_NERAI_KOMA[sx][sy] > c) {
        g.UE_NERAI_KOMA[sx][sy] = static_cast<int16_t>(c);
        g.UE_NERAI_X[sx][sy] = static_cast<int16_t>(x);
        g.UE_NERAI_Y[sx][sy] = static_cast<int16_t>(y);
      }
      if (t != -OU) return;
      for (int bx = x + DX, by = y + DY; bx != sx || by != sy; bx += DX, by += DY)
        g.UE_OUTE[bx][by] = 1;
      g.UE_OUTE[x][y] = 9;
    }
  }
}

// The straight walkers serve both sides; the sign of the code picks the side.
template <int DX, int DY>
void straight(Game& g, int code, int x, int y) {
  if (code < 0)
    walk<true, DX, DY>(g, code, x, y);
  else
    walk<false, DX, DY>(g, code, x, y);
}

// The four diagonals in the order up-left, up-right, down-left, down-right.
template <bool Lower>
void diagonals(Game& g, int c, int x, int y) {
  walk<Lower, -1, -1>(g, c, x, y);
  walk<Lower, +1, -1>(g, c, x, y);
  walk<Lower, -1, +1>(g, c, x, y);
  walk<Lower, +1, +1>(g, c, x, y);
}

}  // namespace

void 勢力確定上直進(Game& g, int code, int x, int y) {
  straight<0, -1>(g, code, x, y);
}

void 勢力確定下直進(Game& g, int code, int x, int y) {
  straight<0, +1>(g, code, x, y);
}

void 勢力確定右直進(Game& g, int code, int x, int y) {
  straight<+1, 0>(g, code, x, y);
}

void 勢力確定左直進(Game& g, int code, int x, int y) {
  straight<-1, 0>(g, code, x, y);
}

// A lower promoted bishop's diagonals count as a plain bishop's.
void 勢力確定自角(Game& g, int x, int y) {
  diagonals<true>(g, -KAKU, x, y);
}

void 勢力確定敵角(Game& g, int code, int x, int y) {
  diagonals<false>(g, code, x, y);
}
