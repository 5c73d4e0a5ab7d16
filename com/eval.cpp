// The computer's score for one candidate move, read off the board after the trial move and a
// fresh influence survey. Sure results first, then terms every move gets, then material, then
// the rules for the kind of piece placed (com/eval_kinds.cpp).
#include "com/eval_kinds.h"
#include "rules/mate.h"
#include "rules/rules.h"

namespace {

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

// Taking the attacker of the target square when that attacker is pinned to the human's king.
double pinned_attacker(Game& g, int fx, int tx, int ty) {
  const int ax = g.SITA_NERAI_X[tx][ty], ay = g.SITA_NERAI_Y[tx][ty];
  const int kx = g.SITA_OU_X, ky = g.SITA_OU_Y;
  if (g.SITA_SEIRYOKU[ax][ay] <= 0 || g.SITA_KUGI[ax][ay] != 1) return 0;
  const int sita = g.SITA_SEIRYOKU[tx][ty];
  if (!(sita == 1 || (g.UE_SEIRYOKU[kx][ky] > 0 && sita == 2 && g.UE_SEIRYOKU[tx][ty] > 0)))
    return 0;
  if (!((ax == kx && tx != kx) || (ay == ky && ty != ky) ||
        ((tx == kx || ty == ky) && ax != kx && ay != ky)))
    return 0;
  if (移動チェック(g, tx, ty, ax, ay, g.IDOU_KOMA) != FLAG_ON) return 0;
  if (fx < 0) return iabs(g.BAN[ax][ay]);
  // For a board move the stored square of an earlier attacker must still hold a piece.
  if (g.BAN[g.UE_NERAI_X0[ax][ay]][g.UE_NERAI_Y0[ax][ay]] == KARA) return 0;
  return iabs(g.BAN[ax][ay]);
}

}  // namespace

double 盤評価(Game& g, int cap, int put, int fx, int fy, int tx, int ty) {
  const int kx = g.SITA_OU_X, ky = g.SITA_OU_Y;
  double s = 0;

  // 1. Sure results.
  // taking the human's king wins
  if (cap == -OU) return 9999;
  // leaving the computer's king attacked loses
  if (g.SITA_SEIRYOKU[g.UE_OU_X][g.UE_OU_Y] >= 1) return -9998;
  if (g.UE_SEIRYOKU[kx][ky] > 0) {
    // a mate wins, but a mate by a pawn is forbidden
    if (詰めかMAN(g) == FLAG_ON) return put == HU ? -9998 : 9998;
    // a check whose piece only the king attacks
    if (g.SITA_NERAI_KOMA[tx][ty] == -OU && g.UE_SEIRYOKU[tx][ty] > 0) s += 100;
    // a check diagonally next to the king, guarded along the king's line by a dragon
    if (g.SITA_SEIRYOKU[tx][ty] <= 2 && g.UE_HIMO_KOMA[tx][ty] == SYA_NARI && tx != kx &&
        ty != ky && iabs(kx - tx) < 2 && iabs(ky - ty) < 2 &&
        (g.UE_HIMO_X[tx][ty] == kx || g.UE_HIMO_Y[tx][ty] == ky))
      s += 900;
    // a check from a square the human does not attack
    if (g.SITA_SEIRYOKU[tx][ty] == 0) s += 10;
  }

  // 2. Terms for every move.
  if (fx < 0) {
    s -= 5;  // a drop costs a little
  } else if (put > g.IDOU_KOMA) {
    s += 10;  // a promotion
  }
  // what the human could do to the computer next
  s += 盤評価_COM危険座標(g, put, tx, ty);
  // closer to the human's king along x
  if (iabs(tx - kx) > iabs(ty - ky) && g.MOTO_OU_KYORI > iabs(tx - kx)) s += 1;
  // closer to the human's king along y, worth much less
  if (iabs(tx - kx) <= iabs(ty - ky) && g.MOTO_OU_KYORI > iabs(ty - ky)) s += 0.1;

  // 3. Taking a pinned attacker of the target square.
  s += pinned_attacker(g, fx, tx, ty);

  // 4. Safety of the target square.
  const int sita = g.SITA_SEIRYOKU[tx][ty];
  const int ue = g.UE_SEIRYOKU[tx][ty];
  const int nerai = g.SITA_NERAI_KOMA[tx][ty];
  // a safe piece blocking a diagonal the human's bishop could check along
  if (sita == 0 && put != KAKU && put != KAKU_NARI && put != OU && put != HU)
    s -= 盤評価_自角注意_COM(g, tx, ty, put);
  // a safe piece that takes escape squares from the human's king
  if (sita == 0 && (put == KYOU || (iabs(tx - kx) < 3 && iabs(ty - ky) < 3) ||
                    (put >= KAKU && put <= SYA_NARI))) {
    const int n = 調査_自王逃道(g);
    if (g.SITA_NIGE0 > n) s += g.SITA_NIGE0 - n;
  }
  if (sita > 0 && ue > 0) {
    // a piece squeezed between the human's rook and the computer's king, a drop can pin it
    if ((g.SITA_MOCHI[4] > 0 || g.SITA_MOCHI[5] > 0) && tx > 1 && tx < 9) {
      const int left = g.BAN[tx - 1][ty], right = g.BAN[tx + 1][ty];
      if (((left == -SYA || left == -SYA_NARI) && right == OU) ||
          ((right == -SYA || right == -SYA_NARI) && left == OU))
        s -= put;
    }
    // an exchange that loses the difference to a cheaper attacker
    if (put > iabs(nerai)) s = s - put + iabs(nerai);
    // only the king attacks it, from below, while the king is in check
    if (nerai == -OU && ty < ky && g.UE_SEIRYOKU[kx][ky] > 0) s += put;
  }
  // a dropped piece that the human can take for free
  if (sita > 0 && ue == 0 && fx < 0) s = s - put - 50;

  // 5. Leaving the human's edge lance a free file.
  if ((tx == 1 || tx == 9) && g.BAN[tx][9] == -KYOU && put != KYOU && put != SYA &&
      put != SYA_NARI && tx != fx)
    s -= 0.1;

  // 6. Material.
  if (cap != KARA) {
    // a bishop or rook taken by a gold or anything cheaper
    if ((cap == -KAKU || cap == -KAKU_NARI || cap == -SYA || cap == -SYA_NARI) && put <= KIN)
      s += iabs(cap);
    if (g.COM_LEVEL == 1) return s;
    // a defended capture by a piece cheaper than its cheapest attacker
    if (sita > 0 && ue > 0) {
      if (g.BAN[tx][ty] < iabs(nerai)) s += iabs(cap);
    } else if (sita > 0) {
      // an undefended capture by a piece that was lost where it stood anyway
      const bool was_attacked =
          fx >= 0 && fx <= BAN_N && fy >= 0 && fy <= BAN_N && g.SITA_SEIRYOKU0[fx][fy] > 0;
      if (was_attacked && 調査_移動可場所数(g, fx, fy, put) == 0) s += iabs(cap);
    } else {
      // a safe capture, with a bonus for a promoted minor piece
      s += iabs(cap);
      if (cap == -TO || cap == -KYOU_NARI || cap == -KEI_NARI) s += 50;
    }
  }

  // 7. Level 2 stops before the rules by kind.
  if (g.COM_LEVEL == 2) return s;

  // 8. Rules by the kind of piece placed.
  return score_by_kind(g, s, cap, put, fx, fy, tx, ty);
}
