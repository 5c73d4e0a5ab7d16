// Small questions the computer asks about the position: where a piece may safely go, which
// drops would fork or pin, what stands around a square, which pieces are pinned to a king.
#include "com/com.h"
#include "com/search_reach.h"
#include "rules/rules.h"

namespace {

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

// A lower bishop, rook or one of their promoted forms (-901 .. -800).
bool is_lower_major(int code) {
  return code >= -SYA_NARI && code <= -KAKU;
}

// Lance, bishop, rook and their promoted forms: the pieces that can pin along a line.
bool is_upper_line_piece(int code) {
  return code == KYOU || code == KAKU || code == KAKU_NARI || code == SYA || code == SYA_NARI;
}

}  // namespace

int 調査_移動可場所数(Game& g, int x, int y, int koma) {
  const Ban& enemy = koma >= 10 ? g.SITA_SEIRYOKU : g.UE_SEIRYOKU;
  int count = 0;
  if (x < 1 || x > BAN_N || y < 1 || y > BAN_N) {
    // From off the board the move check treats some origins as drops: ask about every square.
    for (int a = 1; a <= BAN_N; ++a)
      for (int b = 1; b <= BAN_N; ++b)
        if (移動チェック(g, x, y, a, b, koma) == FLAG_ON && enemy[a][b] == 0) ++count;
    return count;
  }
  int a, b;
  for (SquareSet targets = reach_superset(koma, x, y); targets.pop(a, b);)
    if (enemy[a][b] == 0 && 移動チェック(g, x, y, a, b, koma) == FLAG_ON) ++count;
  return count;
}

int 調査_香狙い(Game& g, int tx, int ty) {
  if (ty <= 6 || g.UE_SEIRYOKU[tx][ty - 1] <= 0 || g.SITA_SEIRYOKU[tx][ty - 1] != 0) return 0;
  if (!is_lower_major(g.SITA_NERAI_KOMA[tx][ty])) return 0;
  // A lance dropped behind the pawn would pin whatever stands first down the file.
  for (int k = ty + 1; k <= BAN_N; ++k) {
    if (g.BAN[tx][k] == KARA) continue;
    return 移動チェック(g, tx, ty, tx, k, KYOU) == FLAG_ON ? iabs(g.BAN[tx][k]) : 0;
  }
  return 0;
}

int 調査_桂狙い(Game& g, int tx, int ty) {
  if (!is_lower_major(g.SITA_NERAI_KOMA[tx][ty]) || ty <= 5) return 0;
  int result = 0;
  // A knight dropped two rows up on either side would hit the square and the major piece beside.
  if (tx > 2 && g.SITA_SEIRYOKU[tx - 1][ty - 2] == 0 && g.BAN[tx - 1][ty - 2] == KARA &&
      g.BAN[tx - 2][ty] <= -KAKU && g.SITA_NERAI_X[tx][ty] != tx - 2)
    result += iabs(g.BAN[tx - 2][ty]);
  if (tx < 8 && g.SITA_SEIRYOKU[tx + 1][ty - 2] == 0 && g.BAN[tx + 1][ty - 2] == KARA &&
      g.BAN[tx + 2][ty] <= -KAKU && g.SITA_NERAI_X[tx][ty] != tx + 2)
    result += iabs(g.BAN[tx + 2][ty]);
  return result;
}

int 調査_周辺状況(Game& g, int tx, int ty) {
  int result = 0;
  for (int x = tx - 1; x <= tx + 1; ++x)
    for (int y = ty - 1; y <= ty + 1; ++y) {
      if (x < 1 || x > BAN_N || y < 1 || y > BAN_N || (x == tx && y == ty)) continue;
      if (g.BAN[x][y] >= KAKU) --result;
    }
  return result;
}

int 調査_自守駒MAN_直進駒(Game& g, int x, int y) {
  int result = FLAG_OFF;
  const int16_t kept = g.BAN[x][y];
  g.BAN[x][y] = KARA;
  for (int k = y + 1; k <= BAN_N; ++k) {
    const int c = g.BAN[x][k];
    if (c >= 10) break;
    if (c == -KYOU || c == -SYA || c == -SYA_NARI) {
      if (移動チェック(g, x, k, x, y, c) == FLAG_ON) result = FLAG_ON;
      break;
    }
  }
  g.BAN[x][y] = kept;
  return result;
}

void 調査_COM人王隣(Game& g) {
  g.OU_TONARI_X = 0;
  for (int x = g.SITA_OU_X - 1; x <= g.SITA_OU_X + 1; ++x)
    for (int y = g.SITA_OU_Y - 1; y <= g.SITA_OU_Y + 1; ++y) {
      if (x < 1 || x > BAN_N || y < 1 || y > BAN_N) continue;
      if (g.SITA_HIMO_KOMA[x][y] == -OU && g.UE_SEIRYOKU[x][y] > 0) {
        g.OU_TONARI_X = static_cast<int16_t>(x);
        g.OU_TONARI_Y = static_cast<int16_t>(y);
        return;
      }
    }
}

void 調査_持角狙座標(Game& g) {
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y) {
      g.SITA_KAKU_OUTE[x][y] = 0;
      g.UE_KAKU_OUTE[x][y] = 0;
      if (g.BAN[x][y] != KARA) continue;
      if (g.SITA_SEIRYOKU[x][y] == 0 &&
          移動チェック(g, x, y, g.SITA_OU_X, g.SITA_OU_Y, KAKU) == FLAG_ON)
        g.UE_KAKU_OUTE[x][y] = 1;
      if (g.UE_SEIRYOKU[x][y] == 0 && 移動チェック(g, x, y, g.UE_OU_X, g.UE_OU_Y, -KAKU) == FLAG_ON)
        g.SITA_KAKU_OUTE[x][y] = 1;
    }
}

void 調査_移動不可駒(Game& g) {
  // The line pieces of both sides, in board order. A lifted piece is skipped in the lists, as
  // its square is empty while it is lifted.
  int upper[81][2], lower[81][2];
  int nu = 0, nl = 0;
  for (int a = 1; a <= BAN_N; ++a)
    for (int b = 1; b <= BAN_N; ++b) {
      const int c = g.BAN[a][b];
      if (is_upper_line_piece(c)) upper[nu][0] = a, upper[nu++][1] = b;
      if (is_upper_line_piece(-c)) lower[nl][0] = a, lower[nl++][1] = b;
    }

  g.UE_KUGI_ARI = FLAG_OFF;
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y) {
      g.SITA_KUGI[x][y] = 0;
      g.UE_KUGI[x][y] = 0;
      const int16_t lifted = g.BAN[x][y];
      if (lifted == KARA) continue;
      g.BAN[x][y] = KARA;
      if (lifted <= -10) {
        // Would an upper line piece reach the lower king with this piece gone?
        for (int i = 0; i < nu && g.SITA_KUGI[x][y] == 0; ++i) {
          const int a = upper[i][0], b = upper[i][1];
          if (a == x && b == y) continue;
          if (移動チェック(g, a, b, g.SITA_OU_X, g.SITA_OU_Y, g.BAN[a][b]) == FLAG_ON)
            g.SITA_KUGI[x][y] = 1;
        }
      } else if (lifted >= 10) {
        for (int i = 0; i < nl && g.UE_KUGI[x][y] == 0; ++i) {
          const int a = lower[i][0], b = lower[i][1];
          if (a == x && b == y) continue;
          if (移動チェック(g, a, b, g.UE_OU_X, g.UE_OU_Y, g.BAN[a][b]) == FLAG_ON) {
            g.UE_KUGI[x][y] = 1;
            g.UE_KUGI_ARI = FLAG_ON;
          }
        }
      }
      g.BAN[x][y] = lifted;
    }
}
