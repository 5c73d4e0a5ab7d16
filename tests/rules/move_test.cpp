#include <gtest/gtest.h>

#include "rules/rules.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"

namespace {

struct MoveTest : ::testing::Test {
  FakePort port;
  Game g{port};
};

TEST_F(MoveTest, InitialPositionHas22PiecesAndEmptyHands) {
  g.BAN[5][5] = HU;
  g.SITA_MOCHI[3] = 2;
  g.UE_MOCHI_SU = 4;
  lay_out_initial_position(g);
  const int expected[10][10] = {
      {},
      {0, 20, 0, 0, 0, 0, 0, 0, 0, -20},
      {0, 30, 900, 0, 0, 0, 0, 0, -800, -30},
      {0, 100, 0, 0, 0, 0, 0, 0, 0, -100},
      {0, 110, 0, 0, 0, 0, 0, 0, 0, -110},
      {0, 950, 0, 0, 0, 0, 0, 0, 0, -950},
      {0, 110, 0, 0, 0, 0, 0, 0, 0, -110},
      {0, 100, 0, 0, 0, 0, 0, 0, 0, -100},
      {0, 30, 800, 0, 0, 0, 0, 0, -900, -30},
      {0, 20, 0, 0, 0, 0, 0, 0, 0, -20},
  };
  int pieces = 0;
  for (int x = 0; x <= 9; ++x)
    for (int y = 0; y <= 9; ++y) {
      EXPECT_EQ(g.BAN[x][y], expected[x][y]) << x << "," << y;
      pieces += g.BAN[x][y] != 0;
    }
  EXPECT_EQ(pieces, 22);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(g.SITA_MOCHI[i] + g.UE_MOCHI[i], 0);
  EXPECT_EQ(g.SITA_MOCHI_SU, 0);
  EXPECT_EQ(g.UE_MOCHI_SU, 0);
}

TEST_F(MoveTest, CapturesGoToTheCapturersHandAsBaseKind) {
  struct Case {
    int captured, index;
  };
  for (const Case c : {Case{SYA_NARI, 7}, Case{TO, 1}, Case{KEI_NARI, 3}, Case{111, 5},
                       Case{KAKU, 6}, Case{GIN_NARI, 4}}) {
    set_board(g, {{5, 5, -KIN}, {5, 4, c.captured}});
    駒移動(g, 5, 5, 5, 4, -KIN);
    EXPECT_EQ(g.SITA_MOCHI[c.index], 1) << c.captured;
    EXPECT_EQ(g.SITA_MOCHI_SU, 1);
    EXPECT_EQ(g.BAN[5][4], -KIN);
    EXPECT_EQ(g.BAN[5][5], KARA);

    set_board(g, {{5, 5, KIN}, {5, 6, -c.captured}});
    駒移動(g, 5, 5, 5, 6, KIN);
    EXPECT_EQ(g.UE_MOCHI[c.index], 1) << -c.captured;
    EXPECT_EQ(g.UE_MOCHI_SU, 1);
  }
}

TEST_F(MoveTest, TakingAKingEndsTheGameWithoutFillingAHand) {
  g.MAN_TEBAN = 1;
  g.COM_TEBAN = -1;
  set_board(g, {{5, 2, -KIN}, {5, 1, OU}});
  駒移動(g, 5, 2, 5, 1, -KIN);
  EXPECT_EQ(g.OU_TORI, g.MAN_TEBAN);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(g.SITA_MOCHI[i], 0);

  g.OU_TORI = 0;
  set_board(g, {{5, 8, KIN}, {5, 9, -OU}});
  駒移動(g, 5, 8, 5, 9, KIN);
  EXPECT_EQ(g.OU_TORI, g.COM_TEBAN);
}

TEST_F(MoveTest, DropsLowerTheHandAndTheTotal) {
  set_board(g, {});
  set_hand(g, false, {0, 0, 0, 2});
  駒移動(g, -1, 4, 6, 6, GIN);
  EXPECT_EQ(g.BAN[6][6], GIN);
  EXPECT_EQ(g.UE_MOCHI[4], 1);
  EXPECT_EQ(g.UE_MOCHI_SU, 1);

  set_hand(g, true, {1});
  駒移動(g, 11, 3, 4, 4, -HU);
  EXPECT_EQ(g.BAN[4][4], -HU);
  EXPECT_EQ(g.SITA_MOCHI[1], 0);
  EXPECT_EQ(g.SITA_MOCHI_SU, 0);
}

TEST_F(MoveTest, LowerKingSquareFollowsTheKing) {
  set_board(g, {{5, 9, -OU}});
  駒移動(g, 5, 9, 4, 8, -OU);
  EXPECT_EQ(g.SITA_OU_X, 4);
  EXPECT_EQ(g.SITA_OU_Y, 8);
}

TEST_F(MoveTest, MoveDrawsOriginEmptyAndPieceOnDestination) {
  set_board(g, {{7, 7, -GIN}});
  port.clearLogs();
  駒移動(g, 7, 7, 7, 6, -GIN);
  ASSERT_EQ(port.draws.size(), 4u);
  EXPECT_EQ(port.draws[0].kind, DrawCall::Picture);
  EXPECT_EQ(port.draws[0].code, 0);
  EXPECT_DOUBLE_EQ(port.draws[0].x, 1050 + 7 * 495);
  EXPECT_DOUBLE_EQ(port.draws[0].y, 100 + 7 * 615);
  EXPECT_EQ(port.draws[1].kind, DrawCall::Rect);
  EXPECT_EQ(port.draws[2].code, -GIN);
  EXPECT_DOUBLE_EQ(port.draws[2].y, 100 + 6 * 615);
  EXPECT_EQ(port.draws[3].kind, DrawCall::Rect);
  EXPECT_EQ(port.draws[3].code, g.IRO_SEN);
}

TEST_F(MoveTest, PromotionIsPossibleInsideOrOutOfTheZone) {
  struct Case {
    const char* what;
    int fx, fy, ty, koma, may, nari;
  };
  const Case cases[] = {
      {"lower silver leaving the zone", 5, 3, 4, -GIN, 1, -GIN_NARI},
      {"lower pawn into the zone", 5, 4, 3, -HU, 1, -TO},
      {"lower pawn outside", 5, 5, 4, -HU, 0, 0},
      {"lower knight on row 2", 4, 4, 2, -KEI, 1, -KEI_NARI},
      {"lower rook from the zone", 2, 2, 6, -SYA, 1, -SYA_NARI},
      {"upper bishop into row 7", 1, 3, 7, KAKU, 1, KAKU_NARI},
      {"upper silver leaving row 7", 5, 7, 6, GIN, 1, GIN_NARI},
      {"upper lance outside", 5, 2, 6, KYOU, 0, 0},
      {"gold never promotes", 5, 4, 3, -KIN, 0, 0},
      {"king never promotes", 5, 6, 7, OU, 0, 0},
      {"promoted piece never again", 5, 4, 3, -TO, 0, 0},
      {"lower drop into the zone", 11, 5, 2, -GIN, 0, 0},
      {"upper drop into the zone", -1, 1, 8, HU, 0, 0},
  };
  for (const auto& c : cases) {
    g.NARI_KOMA = 0;
    EXPECT_EQ(調査_駒成(g, c.fx, c.fy, 5, c.ty, c.koma), c.may) << c.what;
    EXPECT_EQ(g.NARI_KOMA, c.nari) << c.what;
  }
}

TEST_F(MoveTest, PromotionIsCompulsoryWhereThePieceCouldNotMoveAgain) {
  struct Case {
    int ty, koma, free;
  };
  const Case cases[] = {{1, -HU, 0},  {2, -HU, 1}, {1, -KYOU, 0}, {2, -KEI, 0}, {3, -KEI, 1},
                        {9, HU, 0},   {8, HU, 1},  {9, KYOU, 0},  {8, KEI, 0},  {7, KEI, 1},
                        {1, -GIN, 1}, {9, SYA, 1}, {1, HU, 1},    {9, -KEI, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(移動後チェック(c.ty, c.koma), c.free) << c.koma << "@" << c.ty;
}

}  // namespace
