// The search asks the move check only about squares a piece could reach. That must never change
// a decision: over the whole corpus, at every level and under both rules, the search and a
// plain reading of its steps (every origin, every target, every hand kind, nothing skipped but
// what the move check or the rules refuse) agree on move and score.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "com/com.h"
#include "rules/mate.h"
#include "rules/rules.h"
#include "screen/screen.h"
#include "usi/usi.h"

namespace {

int iabs(int v) {
  return v < 0 ? -v : v;
}

BestMove plain_search(Game& g, MoveFilter allowed) {
  BestMove best;
  if (g.OU_TORI != TEBAN_NASHI) return best;
  g.SAIKOU_TEN = -99999;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      g.BAN0[x][y] = g.BAN[x][y];
      g.SITA_NIGEMICHI[x][y] = KARA;
    }
  調査_2歩フラグ設定(g);
  g.SITA_NIGE0 = static_cast<int16_t>(調査_自王逃道(g));
  勢力調査(g);
  調査_COM人王隣(g);
  調査_持角狙座標(g);
  調査_移動不可駒(g);
  g.UE_OU_X0 = g.UE_OU_X;
  g.UE_OU_Y0 = g.UE_OU_Y;
  g.UE_MOCHI_SU0 = g.UE_MOCHI_SU;
  g.SITA_MOCHI_SU0 = g.SITA_MOCHI_SU;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      g.SITA_SEIRYOKU0[x][y] = g.SITA_SEIRYOKU[x][y];
      g.UE_SEIRYOKU0[x][y] = g.UE_SEIRYOKU[x][y];
      g.UE_NERAI_X0[x][y] = g.UE_NERAI_X[x][y];
      g.UE_NERAI_Y0[x][y] = g.UE_NERAI_Y[x][y];
    }
  auto take = [&](double score, int fx, int fy, int tx, int ty, int placed) {
    if (!(score > g.SAIKOU_TEN)) return false;
    g.SAIKOU_TEN = score;
    best = {fx, fy, tx, ty, placed, g.IDOU_KOMA, true, score, best.candidates};
    return true;
  };
  for (int fx = 1; fx <= 9; ++fx) {
    Timer1_Timer(g);
    for (int fy = 1; fy <= 9; ++fy) {
      if (g.BAN[fx][fy] < 10) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (移動チェック(g, fx, fy, tx, ty, g.BAN[fx][fy]) != FLAG_ON) continue;
          g.IDOU_KOMA = g.BAN[fx][fy];
          g.MOTO_OU_KYORI =
              static_cast<int16_t>(std::max(iabs(fx - g.SITA_OU_X), iabs(fy - g.SITA_OU_Y)));
          if (allowed && !allowed(g, fx, fy, tx, ty, g.IDOU_KOMA)) continue;
          const int cap = g.BAN[tx][ty];
          const int koma = g.IDOU_KOMA;
          g.BAN[fx][fy] = KARA;
          g.BAN[tx][ty] = g.IDOU_KOMA;
          double score;
          int placed = koma;
          if (調査_駒成(g, fx, fy, tx, ty, koma) == FLAG_OFF) {
            勢力調査(g);
            score = 盤評価(g, cap, koma, fx, fy, tx, ty);
            ++best.candidates;
          } else if (移動後チェック(ty, koma) == 0) {
            g.BAN[tx][ty] = g.NARI_KOMA;
            勢力調査(g);
            score = 盤評価(g, cap, g.NARI_KOMA, fx, fy, tx, ty);
            placed = g.NARI_KOMA;
            ++best.candidates;
          } else {
            勢力調査(g);
            score = 盤評価(g, cap, koma, fx, fy, tx, ty);
            g.BAN[tx][ty] = g.NARI_KOMA;
            勢力調査(g);
            const double promoted = 盤評価(g, cap, g.NARI_KOMA, fx, fy, tx, ty);
            best.candidates += 2;
            if (promoted > score) {
              score = promoted;
              placed = g.NARI_KOMA;
            }
            if (koma == HU || koma == KAKU || koma == SYA) placed = g.NARI_KOMA;
          }
          g.BAN[tx][ty] = static_cast<int16_t>(cap);
          g.BAN[fx][fy] = static_cast<int16_t>(koma);
          if (take(score, fx, fy, tx, ty, placed) && cap == -OU) return best;
        }
    }
  }
  if (g.UE_MOCHI_SU0 <= 0) return best;
  for (int k = 1; k <= 7; ++k) {
    Timer1_Timer(g);
    if (g.UE_MOCHI[k] <= 0) continue;
    g.IDOU_KOMA = MOCHI_KOMA[k];
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty) {
        if (移動チェック(g, -1, k, tx, ty, g.IDOU_KOMA) != FLAG_ON) continue;
        if (allowed && !allowed(g, -1, k, tx, ty, g.IDOU_KOMA)) continue;
        g.BAN[tx][ty] = g.IDOU_KOMA;
        勢力調査(g);
        const double score = 盤評価(g, KARA, g.IDOU_KOMA, -1, k, tx, ty);
        ++best.candidates;
        g.BAN[tx][ty] = KARA;
        if (take(score, -1, k, tx, ty, g.IDOU_KOMA) && g.SAIKOU_TEN >= 9998) return best;
      }
  }
  return best;
}

TEST(PlainSearch, AgreesWithTheSearchOnTheWholeCorpus) {
  std::ifstream in(MIZUHANE_CORPUS);
  std::string line;
  int positions = 0;
  while (std::getline(in, line)) {
    const auto p = parse_sfen(line);
    ASSERT_TRUE(p.ok()) << line;
    ++positions;
    for (int level = 1; level <= 3; ++level)
      for (const Rules rules : {Rules::Mizuhane, Rules::Standard}) {
        const BestMove fast = decide(p.value, level, rules, com_search);
        const BestMove plain = decide(p.value, level, rules, plain_search);
        const bool standard = rules == Rules::Standard;
        EXPECT_EQ(to_usi(map_back(fast, p.value)), to_usi(map_back(plain, p.value)))
            << "level " << level << (standard ? " standard: " : ": ") << line;
        EXPECT_EQ(fast.score, plain.score) << "level " << level << ": " << line;
        EXPECT_EQ(fast.candidates, plain.candidates) << "level " << level << ": " << line;
      }
  }
  EXPECT_GE(positions, 60);
}

}  // namespace
