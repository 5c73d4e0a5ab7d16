// The whole-board danger terms and the bishop caution, on freshly surveyed tiny positions.
// A fresh game has empty snapshots: nothing was attacked before and nothing is pinned.
#include <gtest/gtest.h>

#include "com/com.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"

namespace {

struct DangerTest : ::testing::Test {
  FakePort port;
  Game g{port};

  void position(std::initializer_list<Placed> pieces, std::initializer_list<int> lower_hand = {}) {
    set_board(g, pieces);
    set_hand(g, true, lower_hand);
    勢力調査(g);
  }
};

TEST_F(DangerTest, KingOnItsBackRankWithTheSquareBelowAttacked) {
  // A lower gold on (5,3) attacks (4,2), (5,2), (6,2) next to the king (-0.5 each) and the
  // unguarded (4,3), (6,3) (-0.1 each); the king row costs 50 + 250 (as much force as ours).
  position({{5, 1, OU}, {5, 3, -KIN}, {5, 9, -OU}});
  EXPECT_NEAR(盤評価_COM危険座標(g, OU, 5, 1), -301.7, 1e-9);
  // Holding a gold adds 700 on the king row, 10 per attacked square next to the king, and
  // 0.1 for each of the 20 unguarded empty squares of the computer's camp.
  position({{5, 1, OU}, {5, 3, -KIN}, {5, 9, -OU}}, {0, 0, 0, 0, 1});
  EXPECT_NEAR(盤評価_COM危険座標(g, OU, 5, 1), -1033.7, 1e-9);
}

TEST_F(DangerTest, LanceDropSkewerUsesHalfTheValueBehind) {
  // A lance dropped on (5,4) hits the knight and, behind it, the horse on (5,1):
  // 100 + 801 / 2, with the half kept. A pawn in hand instead changes nothing else.
  const auto pieces = {Placed{9, 1, OU}, Placed{5, 3, KEI}, Placed{5, 1, KAKU_NARI},
                       Placed{5, 9, -OU}};
  position(pieces, {0, 1});
  const double with_lance = 盤評価_COM危険座標(g, KEI, 5, 3);
  position(pieces, {1});
  const double with_pawn = 盤評価_COM危険座標(g, KEI, 5, 3);
  EXPECT_NEAR(with_lance - with_pawn, -500.5, 1e-9);
}

TEST_F(DangerTest, ForkFromASafeSquareAddsTheCheapestForkedPiece) {
  struct Case {
    std::initializer_list<Placed> pieces;
    double expected;
  };
  const Case cases[] = {
      // a knight on (5,5) hits an unguarded silver and gold
      {{{1, 1, OU}, {5, 5, KEI}, {4, 7, -GIN}, {6, 7, -KIN}, {9, 9, -OU}}, 0.1 + 0.1 + 100},
      // the king counts even though it is guarded, and the gold is then the cheapest
      {{{1, 1, OU}, {5, 5, KEI}, {4, 7, -OU}, {6, 7, -KIN}}, 0.1 + 0.1 + 110},
      // one piece is no fork
      {{{1, 1, OU}, {5, 5, KEI}, {4, 7, -GIN}, {9, 9, -OU}}, 0.1},
  };
  for (const Case& c : cases) {
    position(c.pieces);
    EXPECT_EQ(盤評価_COM危険座標(g, KEI, 5, 5), c.expected) << debug_string(g);
  }
}

TEST_F(DangerTest, BishopCautionLooksOnlyAtTheFirstCheckSquare) {
  // Squares from which a lower bishop would check, as the probe found them before the move.
  auto mark = [&] {
    g.SITA_KAKU_OUTE[3][3] = 1;
    g.SITA_KAKU_OUTE[7][3] = 1;
  };
  struct Case {
    std::initializer_list<Placed> pieces;
    std::initializer_list<int> hand;
    int tx, ty, expected;
  };
  const Case cases[] = {
      // the gold on (5,5) sees (3,3) along a free diagonal; a bishop on (1,1) gets there
      {{{5, 5, KIN}, {1, 1, -KAKU}}, {}, 5, 5, KIN},
      // a horse counts as well
      {{{5, 5, KIN}, {1, 1, -KAKU_NARI}}, {}, 5, 5, KIN},
      // a bishop that reaches only the second square (7,3) is never asked about
      {{{5, 5, KIN}, {9, 1, -KAKU}}, {}, 5, 5, 0},
      // a bishop in hand could be dropped on (3,3)
      {{{5, 5, KIN}}, {0, 0, 0, 0, 0, 1}, 5, 5, KIN},
      // next to (3,3) without a diagonal: the horse's step counts too
      {{{3, 4, GIN}, {1, 1, -KAKU}}, {}, 3, 4, GIN},
      // on no diagonal through a check square
      {{{5, 6, KIN}, {1, 1, -KAKU}}, {0, 0, 0, 0, 0, 1}, 5, 6, 0},
  };
  for (const Case& c : cases) {
    set_board(g, c.pieces);
    set_hand(g, true, c.hand);
    mark();
    EXPECT_EQ(盤評価_自角注意_COM(g, c.tx, c.ty, g.BAN[c.tx][c.ty]), c.expected) << debug_string(g);
  }
}

}  // namespace
