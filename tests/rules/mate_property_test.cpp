// The check, escape and mate tests over thousands of positions from seeded random play: they
// always put the board and hands back, and the lower side's tests leave the tables alone.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "com/com.h"
#include "rules/mate.h"
#include "rules/rules.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"
#include "tests/support/random_play.h"

namespace {

// Every influence table, to see that a test did not touch them.
struct Tables {
  std::array<Ban, 14> t;
  explicit Tables(const Game& g) {
    const Ban* all[14] = {&g.SITA_SEIRYOKU, &g.UE_SEIRYOKU,   &g.SITA_HIMO_KOMA,  &g.UE_HIMO_KOMA,
                          &g.UE_HIMO_X,     &g.UE_HIMO_Y,     &g.SITA_NERAI_KOMA, &g.SITA_NERAI_X,
                          &g.SITA_NERAI_Y,  &g.UE_NERAI_KOMA, &g.UE_NERAI_X,      &g.UE_NERAI_Y,
                          &g.SITA_OUTE,     &g.UE_OUTE};
    for (int i = 0; i < 14; ++i) std::memcpy(t[i], *all[i], sizeof(Ban));
  }
  bool operator==(const Tables& o) const { return std::memcmp(&t, &o.t, sizeof t) == 0; }
};

struct MatePropertyTest : ::testing::Test {
  FakePort port;
  Game g{port};
};

TEST_F(MatePropertyTest, RandomGamesKeepBoardHandsAndTables) {
  std::mt19937 rng(7741);
  int lower_checked = 0, upper_checked = 0, lower_mated = 0, upper_mated = 0;
  for (int game = 0; game < 40; ++game) {
    lay_out_initial_position(g);
    if (game % 2 == 0) add_standard_pawns(g);
    bool lower = game % 4 < 2;
    for (int ply = 0; ply < 200; ++ply) {
      random_move(g, rng, lower);
      lower = !lower;
      調査_2歩フラグ設定(g);
      勢力調査(g);
      const Snapshot board(g);
      const Tables tables(g);
      const std::string where = debug_string(g);

      const bool attacked = g.UE_SEIRYOKU[g.SITA_OU_X][g.SITA_OU_Y] > 0;
      ASSERT_EQ(詰めかMAN_COM移動(g), attacked ? 1 : 0) << where;
      const int mated = 詰めかMAN(g);
      ASSERT_TRUE(Snapshot(g) == board) << where;
      ASSERT_TRUE(Tables(g) == tables) << where;
      ASSERT_TRUE(mated == 0 || attacked) << where;
      lower_checked += attacked;
      lower_mated += mated;

      std::memset(g.SITA_NIGEMICHI, 0, sizeof(Ban));
      const int free_squares = 調査_自王逃道(g);
      ASSERT_TRUE(Snapshot(g) == board) << where;
      ASSERT_TRUE(Tables(g) == tables) << where;
      int marked = 0;
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
          if (g.SITA_NIGEMICHI[x][y] == 0) continue;
          ++marked;
          ASSERT_EQ(g.BAN[x][y], 0) << where;
          ASSERT_EQ(g.UE_SEIRYOKU[x][y], 0) << where;
          ASSERT_LE(std::abs(x - g.SITA_OU_X), 1) << where;
          ASSERT_LE(std::abs(y - g.SITA_OU_Y), 1) << where;
        }
      ASSERT_EQ(marked, free_squares) << where;

      upper_checked += g.SITA_SEIRYOKU[g.UE_OU_X][g.UE_OU_Y] > 0;
      upper_mated += 詰めかCOM(g);
      ASSERT_TRUE(Snapshot(g) == board) << where;
    }
    port.clearLogs();
  }
  // Long random games crowd the board and leave kings in check often, so every path of
  // the tests was walked.
  EXPECT_GT(lower_checked, 1000);
  EXPECT_GT(upper_checked, 1000);
  EXPECT_GT(lower_mated, 20);
  EXPECT_GT(upper_mated, 20);
}

}  // namespace
