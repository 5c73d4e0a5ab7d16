// Check, escape and mate tests. They judge a position from the influence tables of the last
// survey and from trial moves made on the live board, which they always undo before returning.
// 詰めかMAN also runs inside the computer's evaluation of every candidate, so it allocates
// nothing.
#include "rules/mate.h"

#include <cstdint>

#include "com/com.h"
#include "rules/rules.h"

namespace {

constexpr bool on_board(int x, int y) {
  return x >= 1 && x <= BAN_N && y >= 1 && y <= BAN_N;
}

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

// Does any checker marked 9 in `oute` still reach the king on (kx, ky)?
bool checker_reaches(const Game& g, const Ban& oute, int kx, int ky) {
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y)
      if (oute[x][y] == 9 && 移動チェック(g, x, y, kx, ky, g.BAN[x][y]) == 1) return true;
  return false;
}

// Can a drop between a line checker and the king on (kx, ky) answer every check? `pawn` is the
// defender's pawn, `stand` its hand square, `only_pawns` whether the hand holds nothing else.
// Gives up at once on a checker touching the king or a knight's check (its 9 sits on the
// king's square), and on the first square where a drop does not help.
bool drop_blocks(Game& g, const Ban& oute, int kx, int ky, int pawn, int stand, bool only_pawns) {
  for (int x = 1; x <= BAN_N; ++x) {
    for (int y = 1; y <= BAN_N; ++y) {
      const int v = oute[x][y];
      if (v == 9 && iabs(x - kx) < 2 && iabs(y - ky) < 2) return false;
      if (v != 1) continue;
      // A hand of pawns alone is bound by the two-pawn and last-rank rules.
      if (only_pawns && 移動チェック(g, stand, 0, x, y, pawn) != 1) return false;
      g.BAN[x][y] = static_cast<int16_t>(pawn);
      const bool still_checked = checker_reaches(g, oute, kx, ky);
      g.BAN[x][y] = KARA;
      if (still_checked) return false;
    }
  }
  return true;
}

// May the king on (kx, ky) step to a neighbour that the enemy does not bear on?
bool king_escapes(const Game& g, int kx, int ky, int king, const Ban& enemy_seiryoku) {
  for (int x = kx - 1; x <= kx + 1; ++x)
    for (int y = ky - 1; y <= ky + 1; ++y)
      if (on_board(x, y) && 移動チェック(g, kx, ky, x, y, king) == 1 && enemy_seiryoku[x][y] == 0)
        return true;
  return false;
}

// The squares of a check map that hold a mark, in board order: the targets of the board
// defences. Taken once, before any trial, so that the trials never change the list.
struct Targets {
  int n = 0;
  int8_t x[81], y[81];
  explicit Targets(const Ban& oute) {
    for (int tx = 1; tx <= BAN_N; ++tx)
      for (int ty = 1; ty <= BAN_N; ++ty)
        if (oute[tx][ty] > 0) {
          x[n] = static_cast<int8_t>(tx);
          y[n] = static_cast<int8_t>(ty);
          ++n;
        }
  }
};

}  // namespace

int 詰めかMAN_COM移動(const Game& g) {
  const int kx = g.SITA_OU_X;
  const int ky = g.SITA_OU_Y;
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y) {
      const int code = g.BAN[x][y];
      if (code >= 10 && 移動チェック(g, x, y, kx, ky, code) == 1) return 1;
    }
  return 0;
}

int 詰めかMAN(Game& g) {
  const int kx = g.SITA_OU_X;
  const int ky = g.SITA_OU_Y;
  // 1. A king nobody bears on (or no king at all) is not mated.
  if (!on_board(kx, ky) || g.UE_SEIRYOKU[kx][ky] == 0) return 0;
  // 2. Blocking every line of check by a drop.
  if (g.SITA_MOCHI_SU > 0 &&
      drop_blocks(g, g.UE_OUTE, kx, ky, -HU, SITA_STAND_X, g.SITA_MOCHI_SU == g.SITA_MOCHI[1]))
    return 0;
  // 3. The king steps out of check.
  if (king_escapes(g, kx, ky, -OU, g.UE_SEIRYOKU)) return 0;
  // 4. A piece takes a checker or steps into a line of check, and no upper piece reaches the
  // king any more.
  const Targets t(g.UE_OUTE);
  for (int x = 1; x <= BAN_N; ++x) {
    for (int y = 1; y <= BAN_N; ++y) {
      const int code = g.BAN[x][y];
      if (code < -SYA_NARI || code > -HU) continue;
      for (int i = 0; i < t.n; ++i) {
        const int tx = t.x[i], ty = t.y[i];
        if (移動チェック(g, x, y, tx, ty, code) != 1) continue;
        const int16_t target = g.BAN[tx][ty];
        g.BAN[tx][ty] = static_cast<int16_t>(code);
        g.BAN[x][y] = KARA;
        const int reached = 詰めかMAN_COM移動(g);
        g.BAN[x][y] = static_cast<int16_t>(code);
        g.BAN[tx][ty] = target;
        if (reached == 0) return 0;
      }
    }
  }
  // 5. Nothing helps.
  return 1;
}

int 詰めかCOM(Game& g) {
  const int kx = g.UE_OU_X;
  const int ky = g.UE_OU_Y;
  // 1. A king nobody bears on (or no king at all) is not mated.
  if (!on_board(kx, ky) || g.SITA_SEIRYOKU[kx][ky] == 0) return 0;
  // 2. Blocking every line of check by a drop.
  if (g.UE_MOCHI_SU > 0 &&
      drop_blocks(g, g.SITA_OUTE, kx, ky, HU, UE_STAND_X, g.UE_MOCHI_SU == g.UE_MOCHI[1]))
    return 0;
  // 3. The king steps out of check.
  if (king_escapes(g, kx, ky, OU, g.SITA_SEIRYOKU)) return 0;
  // 4. A piece takes a checker or steps into a line of check; each trial is surveyed afresh
  // and judged by whether any lower piece still bears on the king. The trial surveys overwrite
  // the check map, so the targets come from the real position's map, listed beforehand.
  const Targets t(g.SITA_OUTE);
  for (int x = 1; x <= BAN_N; ++x) {
    for (int y = 1; y <= BAN_N; ++y) {
      const int code = g.BAN[x][y];
      if (code < HU || code > SYA_NARI) continue;
      for (int i = 0; i < t.n; ++i) {
        const int tx = t.x[i], ty = t.y[i];
        if (移動チェック(g, x, y, tx, ty, code) != 1) continue;
        const int16_t target = g.BAN[tx][ty];
        g.BAN[tx][ty] = static_cast<int16_t>(code);
        g.BAN[x][y] = KARA;
        勢力調査(g);
        const int attackers = g.SITA_SEIRYOKU[kx][ky];
        g.BAN[x][y] = static_cast<int16_t>(code);
        g.BAN[tx][ty] = target;
        if (attackers == 0) return 0;
      }
    }
  }
  // 5. Nothing helps.
  return 1;
}

int 調査_自王逃道(Game& g) {
  // Before any survey the king square is (0, 0); its one neighbour on the board, (1, 1), is
  // then looked at like any other, which the computer's first search relies on.
  const int kx = g.SITA_OU_X;
  const int ky = g.SITA_OU_Y;
  // Up, up-left, up-right, down, down-left, down-right, left, right.
  static constexpr int kSteps[8][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1},
                                       {-1, 1}, {1, 1},   {-1, 0}, {1, 0}};
  int count = 0;
  for (const auto& s : kSteps) {
    const int x = kx + s[0];
    const int y = ky + s[1];
    if (on_board(x, y) && g.BAN[x][y] == KARA && g.UE_SEIRYOKU[x][y] == 0) {
      g.SITA_NIGEMICHI[x][y] = 1;
      ++count;
    }
  }
  return count;
}
