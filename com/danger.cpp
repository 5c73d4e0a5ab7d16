// Whole-board terms of the evaluation: what the human could do to the computer next, and
// whether the moved piece blocks a diagonal the human's bishop wants for a check.
#include "com/com.h"
#include "rules/rules.h"

namespace {

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

bool holds_silver_or_gold(const Game& g) {
  return g.SITA_MOCHI[4] > 0 || g.SITA_MOCHI[5] > 0;
}

// Terms for an empty square.
void empty_square(Game& g, int i, int j, double& d) {
  const int sita = g.SITA_SEIRYOKU[i][j];
  const int ue = g.UE_SEIRYOKU[i][j];
  if (sita > 0) {
    // a square next to the computer's king that the human attacks
    if (iabs(g.UE_OU_X - i) < 2 && iabs(g.UE_OU_Y - j) < 2) {
      d -= 0.5 * sita;
      if (ue == 1 && sita > 1) d -= 10;
      if (holds_silver_or_gold(g)) d -= 10;
    }
    // an unguarded square in the computer's camp, worse when a rook or lance backs it up
    if (ue == 0 && j <= 3) {
      d -= 0.1;
      if (調査_自守駒MAN_直進駒(g, i, j) == FLAG_ON) d -= 10;
    }
    // a human pawn about to push into the computer's camp
    if (j < 4 && g.BAN[i][j + 1] == -HU && sita >= ue) {
      d -= 30;
      if (調査_自守駒MAN_直進駒(g, i, j + 1) == FLAG_ON) d -= 70;
    }
  }
  if (g.SITA_MOCHI_SU <= 0) return;
  // The human's drops on this square.
  // a lance dropped under a computer piece, skewering the one above it
  if (g.SITA_MOCHI[2] > 0 && j > 2 && g.BAN[i][j - 1] > KYOU && (ue == 0 || sita > 0)) {
    int k = j - 2;
    while (k > 1 && g.BAN[i][k] == KARA) --k;
    if (g.BAN[i][k] > KYOU) d = d - 100 - g.BAN[i][k] / 2.0;
  }
  // a knight dropped to fork two computer pieces
  if (g.SITA_MOCHI[3] > 0 && (ue == 0 || (sita > 0 && g.UE_NERAI_KOMA[i][j] > KEI)) && j > 2 &&
      i >= 2 && i <= 8) {
    if (g.BAN[i - 1][j - 2] > HU && g.BAN[i + 1][j - 2] > HU) d -= 20;
  }
  // a silver or gold dropped next to the computer's strong pieces
  if (holds_silver_or_gold(g) && ue <= 1) {
    const int around = 調査_周辺状況(g, i, j);
    if (around < -1) d -= 5;
    if (ue == 0 && around < 0) {
      d -= 1;
      if (j < 4) d -= 10;
    }
  }
  // a drop that hits the computer's knight still on its home square
  if (ue == 0 && j == 2 && g.BAN[i][1] == KEI) d -= 5;
  // an unguarded square in the computer's camp where the human may drop
  if (ue == 0 && j < 4) d -= 0.1;
  // a silver dropped to fork two unguarded computer pieces diagonally
  if (ue == 0 && g.SITA_MOCHI[4] > 0 && j > 1 && j < 9 && i >= 2 && i <= 8) {
    if (g.BAN[i - 1][j - 1] >= 10 && g.BAN[i + 1][j + 1] >= 10 &&
        g.UE_SEIRYOKU[i - 1][j - 1] == 0 && g.UE_SEIRYOKU[i + 1][j + 1] == 0)
      d -= 20;
    if (g.BAN[i - 1][j + 1] >= 10 && g.BAN[i + 1][j - 1] >= 10 &&
        g.UE_SEIRYOKU[i - 1][j + 1] == 0 && g.UE_SEIRYOKU[i + 1][j - 1] == 0)
      d -= 20;
  }
}

// Terms for a square holding a computer piece.
void upper_square(Game& g, int i, int j, double& d) {
  const int c = g.BAN[i][j];
  const int sita = g.SITA_SEIRYOKU[i][j];
  const int ue = g.UE_SEIRYOKU[i][j];
  const int nerai = iabs(g.SITA_NERAI_KOMA[i][j]);
  // the computer's king on its back rank with the square in front of it attacked
  if (c == OU && j == 1 && g.SITA_SEIRYOKU[i][2] > 0) {
    d -= 50;
    if (g.SITA_SEIRYOKU[i][2] >= g.UE_SEIRYOKU[i][2]) d -= 250;
    if (holds_silver_or_gold(g)) d -= 700;
  }
  // a pawn attacked by the human's rook whose only guard could be drawn off
  if (c == HU && g.SITA_NERAI_KOMA[i][j] == -SYA && g.SITA_MOCHI[1] > 0 && sita >= ue && j < 9 &&
      g.UE_SEIRYOKU[i][j + 1] == 1)
    d -= 5;
  if (sita <= 0) return;
  // an attacked piece guarded by the king alone
  if (g.UE_HIMO_KOMA[i][j] == OU && (sita > 1 || c > nerai)) d -= 100;
  const bool free_attacker = g.SITA_KUGI[g.SITA_NERAI_X[i][j]][g.SITA_NERAI_Y[i][j]] == 0;
  // a piece attacked by a cheaper piece that is free to take it
  if (free_attacker && c > nerai) d = d - c + nerai;
  if (ue > 0) {
    // attacked more often than guarded, and its guard is worth no less than the attacker
    if (free_attacker && sita > ue && g.UE_HIMO_KOMA[i][j] >= nerai) d -= c;
    // evenly contested in the computer's camp, with a rook or lance behind the piece below
    if (free_attacker && j <= 3 && sita == ue && g.BAN[i][j + 1] != KARA &&
        調査_自守駒MAN_直進駒(g, i, j + 1) == FLAG_ON)
      d = d - c - iabs(g.SITA_NERAI_KOMA[i][j + 1]);
  } else {
    // an attacked piece with no guard at all
    d -= c;
    if (j <= 3) d -= 10;
    if (g.BAN0[i][j] <= -10) d += iabs(g.BAN0[i][j]);
    if (j < 4 && (g.SITA_NERAI_KOMA[i][j] == -HU || g.SITA_NERAI_KOMA[i][j] == -KYOU)) d -= 20;
  }
}

// Terms for a square holding a human piece; n and m follow the pieces the moved piece forks.
void lower_square(Game& g, int put, int tx, int ty, int i, int j, double& d, int& n, int& m) {
  const int c = g.BAN[i][j];
  // a human piece the computer attacks only since this move, near the computer's king
  if (g.UE_SEIRYOKU[i][j] > 0 && g.UE_SEIRYOKU0[i][j] == 0) {
    if (c == -KEI && j > 2 && g.SITA_SEIRYOKU[i][j - 1] == 0 &&
        (g.BAN[i][j - 1] == GIN || g.BAN[i][j - 1] == KAKU_NARI || g.BAN[i][j - 1] == SYA_NARI))
      d += 1;
    if (iabs(g.UE_OU_X - i) < 3 && iabs(g.UE_OU_Y - j) < 3) d += 15;
  }
  // a human knight whose jumps would land on free squares below a strong computer piece
  if (c == -KEI && j > 4 && g.BAN[i][j - 4] >= GIN) {
    if (i > 1 && g.BAN[i - 1][j - 2] >= 0 && g.UE_SEIRYOKU[i - 1][j - 2] == 0) d -= 1;
    if (i < 9 && g.BAN[i + 1][j - 2] >= 0 && g.UE_SEIRYOKU[i + 1][j - 2] == 0) d -= 1;
  }
  // a human rook or lance on the file of the computer's king
  if ((c == -SYA || c == -SYA_NARI || c == -KYOU) && g.UE_OU_X == i) d -= 1;
  // the moved piece, standing safe, attacks this unguarded piece or the king
  if (g.SITA_SEIRYOKU[tx][ty] == 0 && (g.SITA_SEIRYOKU[i][j] == 0 || c == -OU) &&
      移動チェック(g, tx, ty, i, j, put) == FLAG_ON) {
    d += 0.1;
    ++n;
    if (iabs(c) < m) m = iabs(c);
  }
}

}  // namespace

int 盤評価_自角注意_COM(Game& g, int tx, int ty, int put) {
  // 1. The first square from which a human bishop would check the computer's king and that
  // the moved piece sees along a diagonal (or touches).
  int si = 0, sj = 0;
  for (int i = 1; i <= BAN_N && si == 0; ++i)
    for (int j = 1; j <= BAN_N; ++j)
      if (g.SITA_KAKU_OUTE[i][j] == 1 && (移動チェック(g, tx, ty, i, j, -KAKU) == FLAG_ON ||
                                          移動チェック(g, tx, ty, i, j, -KAKU_NARI) == FLAG_ON)) {
        si = i;
        sj = j;
        break;
      }
  if (si == 0) return 0;
  // 2. A human bishop on the board that can get there.
  for (int a = 1; a <= BAN_N; ++a)
    for (int b = 1; b <= BAN_N; ++b) {
      const int c = g.BAN[a][b];
      if ((c == -KAKU || c == -KAKU_NARI) && 移動チェック(g, a, b, si, sj, c) == FLAG_ON)
        return put;
    }
  // 3. A bishop in the human's hand that could be dropped there.
  if (g.SITA_MOCHI[6] > 0 && 移動チェック(g, UE_STAND_X, 10, si, sj, -KAKU) == FLAG_ON) return put;
  return 0;
}

double 盤評価_COM危険座標(Game& g, int put, int tx, int ty) {
  double d = 0;
  int n = 0;
  int m = 9999;
  for (int i = 1; i <= BAN_N; ++i)
    for (int j = 1; j <= BAN_N; ++j) {
      const int c = g.BAN[i][j];
      if (c == KARA)
        empty_square(g, i, j, d);
      else if (c >= 10)
        upper_square(g, i, j, d);
      else if (c <= -10)
        lower_square(g, put, tx, ty, i, j, d, n, m);
    }
  // A fork: the cheapest of the forked pieces is as good as won.
  if (n > 1) d += m;
  return d;
}
