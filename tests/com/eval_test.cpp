// Scores of single candidate moves in tiny positions, worked out by hand row by row.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "com/com.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"

namespace {

struct EvalTest : ::testing::Test {
  FakePort port;
  Game g{port};

  // The position before the computer's move. A search takes the snapshots and probes the
  // evaluation compares with, and leaves MOTO_OU_KYORI of its last board move for drops.
  void before(std::initializer_list<Placed> pieces, std::initializer_list<int> upper_hand = {}) {
    set_board(g, pieces);
    set_hand(g, false, upper_hand);
    g.TEBAN = g.COM_TEBAN;
    com_search(g);
  }

  // One candidate scored as the search scores it: made on the board, surveyed, undone.
  double score(int fx, int fy, int tx, int ty, int put, int level = 3) {
    g.COM_LEVEL = static_cast<int16_t>(level);
    const int cap = g.BAN[tx][ty];
    if (fx > 0) {
      g.IDOU_KOMA = g.BAN[fx][fy];
      g.MOTO_OU_KYORI =
          static_cast<int16_t>(std::max(std::abs(fx - g.SITA_OU_X), std::abs(fy - g.SITA_OU_Y)));
      g.BAN[fx][fy] = KARA;
    } else {
      g.IDOU_KOMA = MOCHI_KOMA[fy];
    }
    g.BAN[tx][ty] = static_cast<int16_t>(put);
    勢力調査(g);
    const double s = 盤評価(g, cap, put, fx, fy, tx, ty);
    g.BAN[tx][ty] = static_cast<int16_t>(cap);
    if (fx > 0) g.BAN[fx][fy] = g.IDOU_KOMA;
    return s;
  }
};

TEST_F(EvalTest, QuietStepEarnsOnlyTheTenthForNearingAlongY) {
  before({{5, 1, OU}, {5, 2, KIN}, {5, 9, -OU}});
  // Nothing attacked, no drops in hand: only row 8 (7 rows away before, 6 after).
  for (int level = 1; level <= 3; ++level) EXPECT_EQ(score(5, 2, 5, 3, KIN, level), 0.1);
  // A diagonal forward gold step costs 0.5 among the rules by kind, which level 2 skips and a
  // quiet move at level 1 still gets.
  const double l1 = score(5, 2, 4, 3, KIN, 1), l2 = score(5, 2, 4, 3, KIN, 2);
  EXPECT_EQ(l1, score(5, 2, 4, 3, KIN, 3));
  EXPECT_EQ(l1, l2 - 0.5);
}

TEST_F(EvalTest, CaptureMaterialByLevel) {
  // The silver takes an unguarded bishop: row 15 adds 800 for a major piece taken by a minor
  // one, and level 1 stops right there; rows 17-19 add the safe capture once more.
  before({{5, 1, OU}, {3, 3, GIN}, {4, 4, -KAKU}, {5, 9, -OU}});
  EXPECT_EQ(score(3, 3, 4, 4, GIN, 1), 0.1 + 800);
  EXPECT_EQ(score(3, 3, 4, 4, GIN, 2), 0.1 + 800 + 800);
  EXPECT_EQ(score(3, 3, 4, 4, GIN, 3), 0.1 + 800 + 800);
}

TEST_F(EvalTest, SafeRookCheckThatTakesAnEscapeSquare) {
  // The rook checks down file 5 from a square nobody attacks (+10), threatens the king
  // (+0.1 on the fork row, alone, so no fork) and takes (5,8) from the king: the escape count
  // before the search was 5 (all neighbours free by the empty tables), now 4.
  before({{1, 1, OU}, {2, 5, SYA}, {5, 9, -OU}});
  for (int level = 1; level <= 3; ++level)
    EXPECT_EQ(score(2, 5, 5, 5, SYA, level), 10.0 + 0.1 + 1) << level;
}

TEST_F(EvalTest, UndefendedAttackedDropOfAGold) {
  // Gold dropped on (3,6) in front of a lower silver: -5 for a drop, -120 of danger (the
  // silver is cheaper than the gold: -110 + 100, then -110 undefended), +0.1 for nearing, -160
  // for a free gift, and -0.5 for a "diagonal forward step" measured from the hand index 5.
  before({{5, 1, OU}, {5, 9, -OU}, {3, 7, -GIN}}, {0, 0, 0, 0, 1});
  EXPECT_EQ(g.MOTO_OU_KYORI, 8);  // left by the king's moves, the last board moves tried
  const double l2 = -5.0 + -120.0 + 0.1 - 110 - 50;
  EXPECT_EQ(score(-1, 5, 3, 6, KIN, 2), l2);
  EXPECT_EQ(score(-1, 5, 3, 6, KIN, 3), l2 - 0.5);
  EXPECT_EQ(score(-1, 5, 3, 6, KIN, 1), l2 - 0.5);
}

TEST_F(EvalTest, PawnCapturePromotedOrNot) {
  // Unpromoted: the pawn stands on a square only the king attacks; the danger of an
  // undefended piece (-10) is repaid by the pawn taken there (+10); the capture counts (+10)
  // because the pawn was attacked where it stood and could go nowhere else; -0.1 for a pawn
  // push. Promoted: +10 for promoting, danger -11 + 10, no material (the gold-mover had room).
  before({{3, 6, HU}, {3, 7, -HU}, {4, 8, -OU}, {5, 1, OU}});
  EXPECT_EQ(score(3, 6, 3, 7, HU), 0.1 + 10 - 0.1);
  EXPECT_EQ(score(3, 6, 3, 7, TO), 10.0 + -1.0 + 0.1);
}

TEST_F(EvalTest, TakingAnAttackerPinnedToItsKing) {
  // The lower gold on (5,7) attacks (4,6) but is pinned by the rook on (5,2); a silver on (4,6)
  // could take it, worth its 110. The silver itself hangs: -100 of danger (no exchange term,
  // its attacker is pinned).
  before({{1, 1, OU}, {5, 2, SYA}, {5, 9, -OU}, {5, 7, -KIN}, {4, 8, -GIN}}, {0, 0, 0, 1});
  EXPECT_EQ(score(-1, 4, 4, 6, GIN), -5.0 + -100.0 + 0.1 + 110 - 100 - 50);
  // The same square reached by a board move: the rook that attacked the gold before the
  // search still stands where the stored attacker square points.
  before({{1, 1, OU}, {5, 2, SYA}, {3, 5, GIN}, {5, 9, -OU}, {5, 7, -KIN}, {4, 8, -GIN}});
  EXPECT_EQ(g.UE_NERAI_X0[5][7], 5);
  EXPECT_EQ(g.UE_NERAI_Y0[5][7], 2);
  EXPECT_EQ(score(3, 5, 4, 6, GIN), -100.0 + 0.1 + 110);
}

TEST_F(EvalTest, SureResults) {
  // Taking the king wins even with the own king attacked; any other move loses then.
  before({{1, 1, OU}, {1, 9, -SYA}, {5, 8, KIN}, {5, 9, -OU}});
  EXPECT_EQ(score(5, 8, 5, 9, KIN), 9999);
  EXPECT_EQ(score(5, 8, 4, 8, KIN), -9998);

  // The king is boxed in by its own silvers and lances; (5,8) is guarded by the gold.
  before({{5, 1, OU},
          {5, 7, KIN},
          {5, 9, -OU},
          {4, 8, -GIN},
          {6, 8, -GIN},
          {4, 9, -KYOU},
          {6, 9, -KYOU}},
         {1, 0, 0, 0, 1});
  EXPECT_EQ(score(-1, 1, 5, 8, HU), -9998);  // mate by a dropped pawn
  EXPECT_EQ(score(-1, 5, 5, 8, KIN), 9998);

  // The same mate by a pawn moved there, guarded from the side.
  before({{5, 1, OU},
          {5, 7, HU},
          {6, 7, KIN},
          {5, 9, -OU},
          {4, 8, -GIN},
          {6, 8, -GIN},
          {4, 9, -KYOU},
          {6, 9, -KYOU}});
  for (int level = 1; level <= 3; ++level) {
    EXPECT_EQ(score(5, 7, 5, 8, HU, level), -9998);
    EXPECT_EQ(score(5, 7, 5, 8, TO, level), 9998);
  }
}

}  // namespace
