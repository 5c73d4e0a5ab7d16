#include <gtest/gtest.h>

#include "rules/rules.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"

namespace {

struct LegalityTest : ::testing::Test {
  FakePort port;
  Game g{port};
};

struct Case {
  const char* what;
  int fx, fy, tx, ty, koma, expected;
};

// Movement of each kind on an otherwise empty board, from (5,5).
TEST_F(LegalityTest, EachKindMovesItsOwnWay) {
  const Case cases[] = {
      {"upper pawn forward", 5, 5, 5, 6, HU, 1},
      {"upper pawn backward", 5, 5, 5, 4, HU, 0},
      {"upper pawn two squares", 5, 5, 5, 7, HU, 0},
      {"lower pawn forward", 5, 5, 5, 4, -HU, 1},
      {"lower pawn sideways", 5, 5, 4, 5, -HU, 0},
      {"upper lance far forward", 5, 5, 5, 9, KYOU, 1},
      {"upper lance sideways", 5, 5, 6, 5, KYOU, 0},
      {"upper lance backwards", 5, 5, 5, 3, KYOU, 0},
      {"lower lance far forward", 5, 5, 5, 1, -KYOU, 1},
      {"lower lance backwards", 5, 5, 5, 6, -KYOU, 0},
      {"upper knight jump", 5, 5, 4, 7, KEI, 1},
      {"upper knight straight", 5, 5, 5, 7, KEI, 0},
      {"lower knight jump", 5, 5, 6, 3, -KEI, 1},
      {"lower knight backward jump", 5, 5, 6, 7, -KEI, 0},
      {"upper silver forward", 5, 5, 5, 6, GIN, 1},
      {"upper silver back diagonal", 5, 5, 4, 4, GIN, 1},
      {"upper silver straight back", 5, 5, 5, 4, GIN, 0},
      {"upper silver sideways", 5, 5, 6, 5, GIN, 0},
      {"lower silver straight back", 5, 5, 5, 6, -GIN, 0},
      {"lower silver back diagonal", 5, 5, 6, 6, -GIN, 1},
      {"upper gold forward diagonal", 5, 5, 6, 6, KIN, 1},
      {"upper gold sideways", 5, 5, 4, 5, KIN, 1},
      {"upper gold straight back", 5, 5, 5, 4, KIN, 1},
      {"upper gold back diagonal", 5, 5, 4, 4, KIN, 0},
      {"lower gold forward diagonal", 5, 5, 4, 4, -KIN, 1},
      {"lower gold back diagonal", 5, 5, 4, 6, -KIN, 0},
      {"upper promoted pawn moves as gold", 5, 5, 4, 6, TO, 1},
      {"upper promoted silver no back diagonal", 5, 5, 4, 4, GIN_NARI, 0},
      {"lower promoted knight moves as gold", 5, 5, 5, 6, -KEI_NARI, 1},
      {"lower promoted lance back diagonal", 5, 5, 6, 6, -KYOU_NARI, 0},
      {"bishop long diagonal", 5, 5, 1, 1, KAKU, 1},
      {"bishop other diagonal", 5, 5, 9, 1, -KAKU, 1},
      {"bishop orthogonal", 5, 5, 5, 4, KAKU, 0},
      {"horse orthogonal step", 5, 5, 5, 4, KAKU_NARI, 1},
      {"horse slide", 5, 5, 1, 1, -KAKU_NARI, 1},
      {"horse two orthogonal", 5, 5, 5, 3, KAKU_NARI, 0},
      {"rook along file", 5, 5, 5, 1, SYA, 1},
      {"rook along rank", 5, 5, 9, 5, -SYA, 1},
      {"rook diagonal", 5, 5, 6, 6, SYA, 0},
      {"dragon diagonal step", 5, 5, 4, 4, SYA_NARI, 1},
      {"dragon two diagonal", 5, 5, 3, 3, -SYA_NARI, 0},
      {"king step", 5, 5, 6, 4, OU, 1},
      {"king two squares", 5, 5, 5, 7, -OU, 0},
      {"off the board", 9, 5, 10, 5, OU, 0},
      {"unknown code has no rule", 5, 5, 1, 9, 111, 1},
  };
  set_board(g, {});
  for (const auto& c : cases)
    EXPECT_EQ(移動チェック(g, c.fx, c.fy, c.tx, c.ty, c.koma), c.expected) << c.what;
}

TEST_F(LegalityTest, OwnSquareIsNeverAMoveForAnyKind) {
  set_board(g, {});
  for (int koma : {HU, KYOU, KEI, GIN, KIN, KAKU, KAKU_NARI, SYA, SYA_NARI, OU})
    for (int side : {1, -1}) EXPECT_EQ(移動チェック(g, 5, 5, 5, 5, side * koma), 0) << koma;
}

TEST_F(LegalityTest, LinesAreBlockedAndCaptureOnlyEnemies) {
  set_board(g, {{8, 8, -SYA}, {8, 2, KAKU}});
  EXPECT_EQ(移動チェック(g, 8, 8, 8, 2, -SYA), 1) << "capture at the end of a clear file";
  g.BAN[8][5] = HU;
  EXPECT_EQ(移動チェック(g, 8, 8, 8, 2, -SYA), 0) << "blocked by a piece between";
  EXPECT_EQ(移動チェック(g, 8, 8, 8, 5, -SYA), 1) << "the blocker itself can be taken";
  g.BAN[8][5] = KARA;
  g.BAN[8][2] = -KAKU;
  EXPECT_EQ(移動チェック(g, 8, 8, 8, 2, -SYA), 0) << "own piece on the destination";

  set_board(g, {{5, 5, KAKU}, {3, 3, -GIN}, {7, 7, KIN}});
  EXPECT_EQ(移動チェック(g, 5, 5, 2, 2, KAKU), 0);
  EXPECT_EQ(移動チェック(g, 5, 5, 3, 3, KAKU), 1);
  EXPECT_EQ(移動チェック(g, 5, 5, 8, 8, KAKU), 0);
  EXPECT_EQ(移動チェック(g, 5, 5, 7, 7, KAKU), 0);
  EXPECT_EQ(移動チェック(g, 5, 5, 9, 1, KAKU), 1);

  set_board(g, {{3, 2, KYOU}, {3, 5, KIN}});
  EXPECT_EQ(移動チェック(g, 3, 2, 3, 4, KYOU), 1);
  EXPECT_EQ(移動チェック(g, 3, 2, 3, 6, KYOU), 0);
}

TEST_F(LegalityTest, KnightsJumpOverPieces) {
  lay_out_initial_position(g);
  for (int tx = 1; tx <= 9; ++tx)
    for (int ty = 1; ty <= 9; ++ty) {
      const bool upper = (tx == 1 || tx == 3) && ty == 3;
      const bool lower = (tx == 1 || tx == 3) && ty == 7;
      EXPECT_EQ(移動チェック(g, 2, 1, tx, ty, KEI), upper ? 1 : 0) << tx << "," << ty;
      EXPECT_EQ(移動チェック(g, 2, 9, tx, ty, -KEI), lower ? 1 : 0) << tx << "," << ty;
    }
}

TEST_F(LegalityTest, DropsNeedAnEmptySquareAndRespectLastRanks) {
  set_board(g, {{5, 5, HU}, {4, 4, -HU}});
  const Case cases[] = {
      {"lower pawn on last rank", 11, 3, 1, 1, -HU, 0},
      {"lower pawn on rank 2", 11, 3, 1, 2, -HU, 1},
      {"lower lance on last rank", 11, 4, 2, 1, -KYOU, 0},
      {"lower knight on rank 2", 11, 5, 2, 2, -KEI, 0},
      {"lower knight on rank 3", 11, 5, 2, 3, -KEI, 1},
      {"upper pawn on rank 9", -1, 1, 1, 9, HU, 0},
      {"upper lance on rank 9", -1, 2, 1, 9, KYOU, 0},
      {"upper knight on rank 8", -1, 3, 1, 8, KEI, 0},
      {"upper knight on rank 7", -1, 3, 1, 7, KEI, 1},
      {"silver on the last rank", 11, 6, 1, 1, -GIN, 1},
      {"gold on the last rank", -1, 5, 9, 9, KIN, 1},
      {"rook anywhere empty", 11, 9, 9, 9, -SYA, 1},
      {"bishop anywhere empty", -1, 6, 1, 1, KAKU, 1},
      {"onto an enemy piece", 11, 6, 5, 5, -GIN, 0},
      {"onto an own piece", -1, 4, 5, 5, GIN, 0},
      {"hypothetical pawn drop with row 0", 11, 0, 6, 6, -HU, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(移動チェック(g, c.fx, c.fy, c.tx, c.ty, c.koma), c.expected) << c.what;
}

TEST_F(LegalityTest, TwoPawnRuleCountsOnlyUnpromotedPawns) {
  set_board(g, {{3, 6, -HU}, {4, 6, -TO}, {6, 3, HU}});
  調査_2歩フラグ設定(g);
  EXPECT_EQ(g.SITA_NIFU[3], 1);
  EXPECT_EQ(g.SITA_NIFU[4], 0);
  EXPECT_EQ(g.UE_NIFU[6], 1);
  EXPECT_EQ(移動チェック(g, 11, 3, 3, 4, -HU), 0);
  EXPECT_EQ(移動チェック(g, 11, 3, 4, 4, -HU), 1);
  EXPECT_EQ(移動チェック(g, -1, 1, 6, 5, HU), 0);
  EXPECT_EQ(移動チェック(g, -1, 1, 3, 5, HU), 1) << "the other side's pawn does not count";
  EXPECT_EQ(移動チェック(g, 11, 4, 3, 4, -KYOU), 1) << "only pawns are limited";
}

TEST_F(LegalityTest, KingMayStepIntoAttack) {
  set_board(g, {{5, 9, -OU}, {5, 7, OU}});
  EXPECT_EQ(移動チェック(g, 5, 9, 5, 8, -OU), 1);
}

}  // namespace
