#include <gtest/gtest.h>

#include <random>

#include "com/com.h"
#include "com/search_reach.h"
#include "rules/rules.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"
#include "tests/support/random_play.h"

namespace {

// A running clock reads the time of day once per tick, so the reads count the ticks.
class TickCountingPort : public FakePort {
 public:
  int reads = 0;
  float timeOfDay() override {
    ++reads;
    return now;
  }
};

struct SearchTest : ::testing::Test {
  TickCountingPort port;
  Game g{port};

  BestMove search(std::initializer_list<Placed> pieces, std::initializer_list<int> upper_hand = {},
                  int level = 3) {
    set_board(g, pieces);
    set_hand(g, false, upper_hand);
    g.COM_LEVEL = static_cast<int16_t>(level);
    g.TEBAN = g.COM_TEBAN;
    port.timer = true;
    port.reads = 0;
    return com_search(g);
  }
};

void expect_move(const BestMove& b, int fx, int fy, int tx, int ty, int koma, int placed) {
  EXPECT_TRUE(b.found);
  EXPECT_EQ(b.fx, fx);
  EXPECT_EQ(b.fy, fy);
  EXPECT_EQ(b.tx, tx);
  EXPECT_EQ(b.ty, ty);
  EXPECT_EQ(b.koma, koma);
  EXPECT_EQ(b.placed, placed);
}

TEST_F(SearchTest, DecidedGameFindsNothing) {
  g.OU_TORI = 1;
  const BestMove b = search({{5, 1, OU}, {5, 9, -OU}, {5, 5, KIN}});
  EXPECT_FALSE(b.found);
  EXPECT_EQ(b.candidates, 0);
  EXPECT_EQ(port.reads, 0);
}

TEST_F(SearchTest, ClockTicksOncePerColumnAndPerHandKindOnlyWithAHand) {
  search({{5, 1, OU}, {5, 9, -OU}});
  EXPECT_EQ(port.reads, 9);
  search({{5, 1, OU}, {5, 9, -OU}}, {0, 0, 0, 1});
  EXPECT_EQ(port.reads, 16);
}

TEST_F(SearchTest, TakingTheKingEndsTheSearchAtOnce) {
  // King moves (3), then the gold's (4,8), (4,9), (5,7) and the capture on (5,9); no later
  // column and no drop is looked at, though a pawn is in hand.
  const BestMove b = search({{1, 1, OU}, {5, 8, KIN}, {5, 9, -OU}}, {1});
  expect_move(b, 5, 8, 5, 9, KIN, KIN);
  EXPECT_EQ(b.score, 9999);
  EXPECT_EQ(b.candidates, 7);
  EXPECT_EQ(port.reads, 5);
}

TEST_F(SearchTest, MatingDropEndsTheSearchAndThePawnMateIsShunned) {
  // The king is boxed in by its own pieces; a drop on (5,8), guarded by the gold, mates.
  // The pawn drop there scores -9998; the gold drop wins and the rook is never tried.
  const BestMove b = search({{5, 1, OU},
                             {5, 7, KIN},
                             {5, 9, -OU},
                             {4, 8, -GIN},
                             {6, 8, -GIN},
                             {4, 9, -KYOU},
                             {6, 9, -KYOU}},
                            {1, 0, 0, 0, 1, 0, 1});
  expect_move(b, UE_STAND_X, 5, 5, 8, KIN, KIN);
  EXPECT_EQ(b.score, 9998);
  EXPECT_EQ(port.reads, 9 + 5);
  // With only the pawn, no mate is played.
  const BestMove p = search({{5, 1, OU},
                             {5, 7, KIN},
                             {5, 9, -OU},
                             {4, 8, -GIN},
                             {6, 8, -GIN},
                             {4, 9, -KYOU},
                             {6, 9, -KYOU}},
                            {1});
  EXPECT_TRUE(p.found);
  EXPECT_LT(p.score, 9998);
  EXPECT_FALSE(p.fx == UE_STAND_X && p.tx == 5 && p.ty == 8);
}

TEST_F(SearchTest, EqualScoresKeepTheFirstCandidateAndDropsNeedToBeStrictlyBetter) {
  // The king cannot escape the guarded dragon next to it: every move and every drop scores
  // -9998. The first king move is kept, and still played.
  const BestMove b = search({{1, 1, OU}, {1, 2, -SYA_NARI}, {1, 3, -KIN}, {5, 9, -OU}}, {1});
  expect_move(b, 1, 1, 1, 2, OU, OU);
  EXPECT_EQ(b.score, -9998);
  EXPECT_GT(b.candidates, 3);  // the drops were scored too
}

TEST_F(SearchTest, PawnBishopAndRookPromoteEvenWhenUnpromotedScoresHigher) {
  // The pawn takes on (3,7): unpromoted 10.0, promoted 9.1 (worked out in the evaluation
  // tests). The higher score is kept, the pawn promotes all the same.
  BestMove b = search({{3, 6, HU}, {3, 7, -HU}, {4, 8, -OU}, {5, 1, OU}});
  expect_move(b, 3, 6, 3, 7, HU, TO);
  EXPECT_EQ(b.score, 0.1 + 10 - 0.1);
  EXPECT_EQ(b.candidates, 7);  // two trials for the pawn, five king moves
  // The bishop takes the knight: 911 unpromoted, far less promoted.
  b = search({{1, 9, -SYA}, {3, 7, -KEI}, {4, 1, OU}, {4, 7, -GIN}, {5, 9, -OU}, {7, 3, KAKU}});
  expect_move(b, 7, 3, 3, 7, KAKU, KAKU_NARI);
  EXPECT_EQ(b.score, 911);
}

TEST_F(SearchTest, OtherPiecesPromoteOnlyWhenThatScoresStrictlyHigher) {
  // A lance taking a lance on row 7 scores 31 either way: it stays a lance.
  BestMove b = search({{1, 1, KYOU}, {1, 7, -KYOU}, {5, 9, -OU}, {6, 2, OU}});
  expect_move(b, 1, 1, 1, 7, KYOU, KYOU);
  EXPECT_EQ(b.score, 31);
  // Taking the rook on (9,7) scores more unpromoted.
  b = search({{5, 1, OU}, {5, 9, -OU}, {9, 6, KYOU}, {9, 7, -SYA}, {9, 9, -KYOU}});
  expect_move(b, 9, 6, 9, 7, KYOU, KYOU);
  EXPECT_EQ(b.score, 2680);
  // A lance reaching row 9 has no choice.
  b = search({{5, 1, OU}, {5, 8, -OU}, {9, 1, KYOU}, {9, 9, -KEI}});
  EXPECT_EQ(b.fx, 9);
  EXPECT_EQ(b.ty, 9);
  EXPECT_EQ(b.placed, KYOU_NARI);
}

TEST_F(SearchTest, DropsAreJudgedWithTheLastBoardMovesDistance) {
  search({{5, 1, OU}, {9, 5, KIN}, {5, 9, -OU}}, {1});
  EXPECT_EQ(g.MOTO_OU_KYORI, 4);  // the gold on (9,5) holds the last board moves
}

// The search asks the move check only about squares in the reach set, so the set must hold
// every square the move check could allow, for every code, on any board.
TEST_F(SearchTest, ReachSetsHoldEveryTargetTheMoveCheckAllows) {
  const int codes[] = {HU,  TO,  KYOU, KYOU_NARI, KEI, KEI_NARI, GIN, GIN_NARI,
                       KIN, 111, KAKU, KAKU_NARI, SYA, SYA_NARI, OU,  KARA};
  for (unsigned seed = 1; seed <= 6; ++seed) {
    lay_out_initial_position(g);
    if (seed % 2 == 0) add_standard_pawns(g);
    std::mt19937 rng(seed);
    random_play(g, rng, static_cast<int>(seed * 12));
    for (int side : {1, -1})
      for (int code : codes)
        for (int x = 1; x <= 9; ++x)
          for (int y = 1; y <= 9; ++y) {
            bool in[10][10] = {};
            int a, b;
            for (SquareSet s = reach_superset(side * code, x, y); s.pop(a, b);) in[a][b] = true;
            for (a = 1; a <= 9; ++a)
              for (b = 1; b <= 9; ++b) {
                if (移動チェック(g, x, y, a, b, side * code) != FLAG_ON) continue;
                ASSERT_TRUE(in[a][b])
                    << side * code << " " << x << "," << y << " -> " << a << "," << b << "\n"
                    << debug_string(g);
              }
          }
  }
}

TEST_F(SearchTest, InitialPositionAtEveryLevel) {
  for (int level = 1; level <= 3; ++level) {
    lay_out_initial_position(g);
    g.TEBAN = g.COM_TEBAN;
    g.COM_LEVEL = static_cast<int16_t>(level);
    const Snapshot before(g);
    const BestMove b = com_search(g);
    EXPECT_TRUE(b.found);
    EXPECT_GT(b.candidates, 0);
    EXPECT_TRUE(Snapshot(g) == before);
  }
}

TEST_F(SearchTest, LeavesBoardAndHandsAsItFoundThem) {
  for (unsigned seed = 1; seed <= 300; ++seed) {
    lay_out_initial_position(g);
    if (seed % 2 == 0) add_standard_pawns(g);
    std::mt19937 rng(seed);
    random_play(g, rng, static_cast<int>(seed % 60), seed % 3 != 0);
    port.clearLogs();
    g.TEBAN = g.COM_TEBAN;
    g.COM_LEVEL = static_cast<int16_t>(seed % 3 + 1);
    const Snapshot before(g);
    const BestMove b = com_search(g);
    ASSERT_TRUE(Snapshot(g) == before) << "seed " << seed << "\n" << debug_string(g);
    ASSERT_TRUE(b.found) << "seed " << seed;
    // The chosen move is one the rules allow.
    調査_2歩フラグ設定(g);
    if (b.fx == UE_STAND_X) {
      EXPECT_GT(g.UE_MOCHI[b.fy], 0) << "seed " << seed;
      EXPECT_EQ(b.placed, MOCHI_KOMA[b.fy]);
    } else {
      EXPECT_EQ(b.koma, g.BAN[b.fx][b.fy]) << "seed " << seed;
    }
    EXPECT_EQ(移動チェック(g, b.fx, b.fy, b.tx, b.ty, b.koma), FLAG_ON) << "seed " << seed;
  }
}

}  // namespace
