// The computer's one-ply search: every legal move and drop of the upper side is made on the
// board, surveyed, scored and undone; the best score wins, the first one met on equal scores.
#include <algorithm>
#include <cstring>

#include "com/com.h"
#include "com/search_reach.h"
#include "rules/mate.h"
#include "rules/rules.h"
#include "screen/screen.h"

namespace {

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

// Takes the candidate when it beats the best so far (strictly, so ties keep the first).
bool take_if_better(Game& g, BestMove& best, double score, int fx, int fy, int tx, int ty,
                    int placed) {
  if (!(score > g.SAIKOU_TEN)) return false;
  g.SAIKOU_TEN = score;
  best.fx = fx;
  best.fy = fy;
  best.tx = tx;
  best.ty = ty;
  best.placed = placed;
  best.koma = g.IDOU_KOMA;
  best.found = true;
  return true;
}

// Scores one board move already made on the board, choosing whether it promotes.
double score_board_move(Game& g, BestMove& best, int cap, int fx, int fy, int tx, int ty,
                        int& placed) {
  const int koma = g.IDOU_KOMA;
  placed = koma;
  if (調査_駒成(g, fx, fy, tx, ty, koma) == FLAG_OFF) {
    勢力調査(g);
    ++best.candidates;
    return 盤評価(g, cap, koma, fx, fy, tx, ty);
  }
  const int nari = g.NARI_KOMA;
  if (移動後チェック(ty, koma) == 0) {
    // The piece would have no move left unpromoted.
    g.BAN[tx][ty] = static_cast<int16_t>(nari);
    勢力調査(g);
    ++best.candidates;
    placed = nari;
    return 盤評価(g, cap, nari, fx, fy, tx, ty);
  }
  勢力調査(g);
  ++best.candidates;
  double score = 盤評価(g, cap, koma, fx, fy, tx, ty);
  g.BAN[tx][ty] = static_cast<int16_t>(nari);
  勢力調査(g);
  ++best.candidates;
  const double promoted = 盤評価(g, cap, nari, fx, fy, tx, ty);
  if (promoted > score) {
    score = promoted;
    placed = nari;
  }
  // Pawn, bishop and rook lose nothing by promoting, so they always do.
  if (koma == HU || koma == KAKU || koma == SYA) placed = nari;
  return score;
}

}  // namespace

// Step numbers are those of the computer's whole turn (com_ban); the steps left out here, the
// clock, the thinking marker and playing the move, belong to the turn around the search.
BestMove com_search(Game& g, MoveFilter allowed) {
  BestMove best;
  // 1. A decided game has no move to find.
  if (g.OU_TORI != TEBAN_NASHI) return best;

  // 4, 5. Start from the worst score; keep the position and clear the escape map.
  g.SAIKOU_TEN = -99999;
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y) {
      g.BAN0[x][y] = g.BAN[x][y];
      g.SITA_NIGEMICHI[x][y] = KARA;
    }

  // 6. Probes of the position before the move. The escape count is taken before the survey,
  // from the tables as they stand.
  調査_2歩フラグ設定(g);
  g.SITA_NIGE0 = static_cast<int16_t>(調査_自王逃道(g));
  勢力調査(g);
  調査_COM人王隣(g);
  調査_持角狙座標(g);
  調査_移動不可駒(g);

  // 7. Snapshots the evaluation compares the trial positions with.
  g.UE_OU_X0 = g.UE_OU_X;
  g.UE_OU_Y0 = g.UE_OU_Y;
  g.UE_MOCHI_SU0 = g.UE_MOCHI_SU;
  g.SITA_MOCHI_SU0 = g.SITA_MOCHI_SU;
  std::memcpy(g.SITA_SEIRYOKU0, g.SITA_SEIRYOKU, sizeof(Ban));
  std::memcpy(g.UE_SEIRYOKU0, g.UE_SEIRYOKU, sizeof(Ban));
  std::memcpy(g.UE_NERAI_X0, g.UE_NERAI_X, sizeof(Ban));
  std::memcpy(g.UE_NERAI_Y0, g.UE_NERAI_Y, sizeof(Ban));

  // 9. Board moves. The clock ticks once per origin column so it keeps moving while we think.
  for (int fx = 1; fx <= BAN_N; ++fx) {
    Timer1_Timer(g);
    for (int fy = 1; fy <= BAN_N; ++fy) {
      if (g.BAN[fx][fy] < 10) continue;
      // Targets in board order; squares the piece could never reach are not asked about.
      int tx, ty;
      for (SquareSet targets = reach_superset(g.BAN[fx][fy], fx, fy); targets.pop(tx, ty);) {
        // 9a. Only legal moves.
        if (移動チェック(g, fx, fy, tx, ty, g.BAN[fx][fy]) != FLAG_ON) continue;
        // 9b. The piece, its distance from the human's king, and what it takes.
        g.IDOU_KOMA = g.BAN[fx][fy];
        g.MOTO_OU_KYORI =
            static_cast<int16_t>(std::max(iabs(fx - g.SITA_OU_X), iabs(fy - g.SITA_OU_Y)));
        // A move the caller's rules forbid is passed over here, after the distance is taken:
        // the drops read the distance of the last move the move check allowed, so they keep
        // the very scores they have without the caller's rules.
        if (allowed != nullptr && !allowed(g, fx, fy, tx, ty, g.IDOU_KOMA)) continue;
        const int cap = g.BAN[tx][ty];
        // 9c. Try it on the board; the hands stay as they are.
        g.BAN[fx][fy] = KARA;
        g.BAN[tx][ty] = g.IDOU_KOMA;
        // 9d. Score it, promoted or not.
        int placed = 0;
        const double score = score_board_move(g, best, cap, fx, fy, tx, ty, placed);
        // 9e. Undo.
        g.BAN[tx][ty] = static_cast<int16_t>(cap);
        g.BAN[fx][fy] = g.IDOU_KOMA;
        // 9f, 9g. Keep the best; taking the king ends the search.
        if (take_if_better(g, best, score, fx, fy, tx, ty, placed) && cap == -OU) {
          best.score = g.SAIKOU_TEN;
          return best;
        }
      }
    }
  }

  // 10. Drops, one clock tick per hand kind.
  if (g.UE_MOCHI_SU0 > 0) {
    for (int k = 1; k <= 7; ++k) {
      Timer1_Timer(g);
      if (g.UE_MOCHI[k] <= 0) continue;
      g.IDOU_KOMA = MOCHI_KOMA[k];
      for (int tx = 1; tx <= BAN_N; ++tx)
        for (int ty = 1; ty <= BAN_N; ++ty) {
          // 10a. Only legal drops.
          if (移動チェック(g, UE_STAND_X, k, tx, ty, g.IDOU_KOMA) != FLAG_ON) continue;
          if (allowed != nullptr && !allowed(g, UE_STAND_X, k, tx, ty, g.IDOU_KOMA)) continue;
          // 10b. Drop, survey, score, lift again. A dropped piece never promotes.
          g.BAN[tx][ty] = g.IDOU_KOMA;
          勢力調査(g);
          ++best.candidates;
          const double score = 盤評価(g, KARA, g.IDOU_KOMA, UE_STAND_X, k, tx, ty);
          g.BAN[tx][ty] = KARA;
          // 10c. Keep the best; a sure win ends the search.
          if (take_if_better(g, best, score, UE_STAND_X, k, tx, ty, g.IDOU_KOMA) &&
              g.SAIKOU_TEN >= 9998) {
            best.score = g.SAIKOU_TEN;
            return best;
          }
        }
    }
  }
  best.score = g.SAIKOU_TEN;
  return best;
}
