#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "com/com.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"

namespace {

using Squares = std::vector<std::pair<int, int>>;

Squares marked(const Ban& t) {
  Squares out;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (t[x][y] != 0) out.emplace_back(x, y);
  return out;
}

struct ProbeTest : ::testing::Test {
  FakePort port;
  Game g{port};

  void position(std::initializer_list<Placed> pieces) {
    set_board(g, pieces);
    勢力調査(g);
  }
};

TEST_F(ProbeTest, SafeDestinationsLeaveOutCoveredSquaresEvenForCaptures) {
  // The upper king may take the gold below it only while the silver does not guard it.
  position({{5, 5, OU}, {5, 6, -KIN}, {5, 7, -GIN}, {1, 9, -OU}});
  EXPECT_EQ(調査_移動可場所数(g, 5, 5, OU), 3);  // (4,4), (5,4), (6,4)
  position({{5, 5, OU}, {5, 6, -KIN}, {1, 9, -OU}});
  EXPECT_EQ(調査_移動可場所数(g, 5, 5, OU), 4);
  // A piece hemmed in by its own side has nowhere to go.
  position({{1, 1, KYOU}, {1, 2, KIN}, {5, 1, OU}, {5, 9, -OU}});
  EXPECT_EQ(調査_移動可場所数(g, 1, 1, KYOU), 0);
  // The piece need not stand on the square: a lower silver imagined on the empty (5,5).
  position({{3, 3, OU}, {9, 9, -OU}});
  EXPECT_EQ(調査_移動可場所数(g, 5, 5, -GIN), 4);  // (4,4) is covered by the upper king
}

TEST_F(ProbeTest, SurroundingsCountStrongUpperNeighboursOnly) {
  struct Case {
    std::initializer_list<Placed> pieces;
    int x, y, expected;
  };
  const Case cases[] = {
      // itself, a gold and the lower rook do not count; the king and the rook do
      {{{5, 5, KAKU}, {4, 4, OU}, {5, 4, SYA}, {6, 5, KIN}, {6, 6, -SYA}}, 5, 5, -2},
      {{{5, 5, KAKU}, {4, 4, OU}, {5, 4, SYA_NARI}, {6, 6, KAKU_NARI}}, 5, 5, -3},
      // a lone piece in a corner
      {{{1, 1, SYA}}, 1, 1, 0},
      {{{9, 9, SYA}, {8, 8, KAKU}}, 9, 9, -1},
  };
  for (const Case& c : cases) {
    set_board(g, c.pieces);
    EXPECT_EQ(調査_周辺状況(g, c.x, c.y), c.expected) << debug_string(g);
  }
}

TEST_F(ProbeTest, StraightGuardFromBehind) {
  struct Case {
    std::initializer_list<Placed> pieces;
    int expected;
  };
  const Case cases[] = {
      {{{5, 3, -HU}, {5, 7, -SYA}}, FLAG_ON},
      {{{5, 3, -HU}, {5, 9, -KYOU}}, FLAG_ON},
      {{{5, 3, -HU}, {5, 8, -SYA_NARI}}, FLAG_ON},
      // a lower piece in between is passed over, but it blocks the rook
      {{{5, 3, -HU}, {5, 5, -KIN}, {5, 7, -SYA}}, FLAG_OFF},
      // an upper piece in between ends the search
      {{{5, 3, -HU}, {5, 5, KIN}, {5, 7, -SYA}}, FLAG_OFF},
      // a bishop behind does not guard along the file
      {{{5, 3, -HU}, {5, 7, -KAKU}}, FLAG_OFF},
      // the square may be empty: a rook below still reaches it
      {{{5, 7, -SYA}}, FLAG_ON},
  };
  for (const Case& c : cases) {
    set_board(g, c.pieces);
    const Snapshot before(g);
    EXPECT_EQ(調査_自守駒MAN_直進駒(g, 5, 3), c.expected) << debug_string(g);
    EXPECT_TRUE(Snapshot(g) == before);
  }
}

TEST_F(ProbeTest, KnightAimAddsTheMajorPiecesBesideTheSquare) {
  // The upper pawn on (5,7) is attacked by the rook below it; a knight dropped on (4,5) or
  // (6,5) would hit the pawn's attacker square and the major piece beside it.
  position({{5, 7, HU}, {5, 9, -SYA}, {3, 7, -KAKU}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(調査_桂狙い(g, 5, 7), 800);
  position({{5, 7, HU}, {5, 9, -SYA}, {3, 7, -KAKU}, {7, 7, -SYA}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(調査_桂狙い(g, 5, 7), 1700);
  // The major piece beside is itself the recorded attacker: not counted.
  position({{5, 7, HU}, {3, 7, -SYA}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(g.SITA_NERAI_X[5][7], 3);
  EXPECT_EQ(調査_桂狙い(g, 5, 7), 0);
  // Too far up the board.
  position({{5, 5, HU}, {5, 9, -SYA}, {3, 5, -KAKU}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(調査_桂狙い(g, 5, 5), 0);
}

TEST_F(ProbeTest, LanceAimValuesTheFirstPieceDownTheFile) {
  // The pawn on (5,7) has a guard above it and is attacked by the rook.
  position({{5, 7, HU}, {5, 5, KIN}, {5, 9, -SYA}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(調査_香狙い(g, 5, 7), 900);
  // Attacked by a bishop; the first piece down the file is the king.
  position({{5, 7, HU}, {5, 5, KIN}, {7, 9, -KAKU}, {5, 9, -OU}, {1, 1, OU}});
  EXPECT_EQ(調査_香狙い(g, 5, 7), 950);
  // Without the guard above, or with a silver as the cheapest attacker, nothing.
  position({{5, 7, HU}, {5, 9, -SYA}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(調査_香狙い(g, 5, 7), 0);
  position({{5, 7, HU}, {5, 5, KIN}, {5, 8, -GIN}, {5, 9, -SYA}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(調査_香狙い(g, 5, 7), 0);
  // Row 6 is too high.
  position({{5, 6, HU}, {5, 4, KIN}, {5, 9, -SYA}, {1, 1, OU}, {9, 1, -OU}});
  EXPECT_EQ(調査_香狙い(g, 5, 6), 0);
}

TEST_F(ProbeTest, NextToTheHumanKingTakesTheFirstContestedSquare) {
  g.OU_TONARI_Y = 7;
  position({{5, 9, -OU}, {1, 1, OU}});
  調査_COM人王隣(g);
  EXPECT_EQ(g.OU_TONARI_X, 0);
  EXPECT_EQ(g.OU_TONARI_Y, 7);  // kept when nothing qualifies
  // Lower pieces next to the king, attacked by an upper rook along row 8.
  position({{5, 9, -OU}, {6, 8, -KIN}, {4, 8, -GIN}, {1, 8, SYA}, {9, 8, SYA}, {1, 1, OU}});
  調査_COM人王隣(g);
  EXPECT_EQ(g.OU_TONARI_X, 4);
  EXPECT_EQ(g.OU_TONARI_Y, 8);
}

TEST_F(ProbeTest, BishopCheckSquaresOnBothSides) {
  position({{5, 1, OU}, {5, 9, -OU}});
  調査_持角狙座標(g);
  // The squares next to each king are covered by it.
  EXPECT_EQ(marked(g.SITA_KAKU_OUTE), (Squares{{1, 5}, {2, 4}, {3, 3}, {7, 3}, {8, 4}, {9, 5}}));
  EXPECT_EQ(marked(g.UE_KAKU_OUTE), (Squares{{1, 5}, {2, 6}, {3, 7}, {7, 7}, {8, 6}, {9, 5}}));
  // The gold on (3,3) blocks the diagonal beyond it, the one on (8,3) covers (7,3) and (8,4);
  // the marks of the last call are cleared.
  position({{5, 1, OU}, {5, 9, -OU}, {3, 3, KIN}, {8, 3, KIN}});
  調査_持角狙座標(g);
  EXPECT_EQ(marked(g.SITA_KAKU_OUTE), (Squares{{9, 5}}));
}

TEST_F(ProbeTest, PinnedPiecesOfBothSides) {
  // The lower gold shields its king from the upper rook; the upper silver its king from the
  // lower bishop. Two lower pieces on the file pin neither.
  position({{5, 9, -OU}, {5, 7, -KIN}, {5, 3, SYA}, {1, 1, OU}, {2, 2, GIN}, {4, 4, -KAKU}});
  調査_移動不可駒(g);
  EXPECT_EQ(marked(g.SITA_KUGI), (Squares{{5, 7}}));
  EXPECT_EQ(marked(g.UE_KUGI), (Squares{{2, 2}}));
  EXPECT_EQ(g.UE_KUGI_ARI, FLAG_ON);

  position({{5, 9, -OU}, {5, 7, -KIN}, {5, 8, -HU}, {5, 3, SYA}, {1, 1, OU}});
  const Snapshot before(g);
  調査_移動不可駒(g);
  EXPECT_TRUE(marked(g.SITA_KUGI).empty());
  EXPECT_TRUE(marked(g.UE_KUGI).empty());
  EXPECT_EQ(g.UE_KUGI_ARI, FLAG_OFF);
  EXPECT_TRUE(Snapshot(g) == before);

  // A king already attacked along a line is marked when it is lifted itself.
  position({{9, 9, -OU}, {9, 1, KYOU}, {1, 1, OU}});
  調査_移動不可駒(g);
  EXPECT_EQ(marked(g.SITA_KUGI), (Squares{{9, 9}}));
}

}  // namespace
