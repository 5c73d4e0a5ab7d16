#include "rules/rules.h"
#include "tests/support/game_fixture.h"

namespace {

TEST_F(GameTest, StartsWithNoGameAndLevel3) {
  EXPECT_TRUE(port.isChecked(Menu::LEVEL3));
  EXPECT_FALSE(port.isChecked(Menu::LEVEL1));
  EXPECT_EQ(g.COM_LEVEL, 3);
  EXPECT_EQ(g.TEBAN, TEBAN_NASHI);
  EXPECT_EQ(g.MAN_TEBAN, -1);
  EXPECT_EQ(g.COM_TEBAN, 1);
  click(5, 7);
  EXPECT_TRUE(said("「対局」で始めて下さい", "開始"));
  EXPECT_EQ(port.played(), std::vector<int32_t>{g.SE_KINSHI});
}

TEST_F(GameTest, TwoPeoplePlayToAKingCapture) {
  START_Click(g);
  EXPECT_TRUE(said("先手の番です", " "));
  EXPECT_EQ(g.MAN_TEBAN, 1);
  EXPECT_EQ(g.TEBAN, 1);
  move(2, 8, 8, 2);  // the lower bishop takes the upper bishop
  EXPECT_EQ(g.BAN[8][2], -KAKU);
  EXPECT_EQ(g.SITA_MOCHI[6], 1);
  EXPECT_EQ(g.TEBAN, -1);
  move(1, 1, 1, 2);  // the upper side shuffles a lance
  click(11, 8);      // the bishop in hand ...
  click(9, 5);       // ... dropped where it looks at the king through (8,4), (7,3), (6,2)
  EXPECT_EQ(g.BAN[9][5], -KAKU);
  EXPECT_EQ(g.SITA_MOCHI[6], 0);
  EXPECT_EQ(g.SITA_MOCHI_SU, 0);
  move(1, 2, 1, 3);
  port.clearLogs();
  move(9, 5, 5, 1);  // and takes the king
  EXPECT_EQ(g.OU_TORI, g.MAN_TEBAN);
  EXPECT_TRUE(said("先手の勝ちです", "終了"));
  EXPECT_EQ(g.TESUU, 5);
  EXPECT_EQ(g.KIFU_SU, 5);
  click(5, 5);
  EXPECT_TRUE(said("新規に対局してください", "終局"));
}

TEST_F(GameTest, UpperSideWinsTwoPeopleGame) {
  START_Click(g);
  move(7, 9, 6, 8);  // the lower silver steps aside
  move(8, 2, 2, 8);  // the upper bishop takes the lower bishop
  move(6, 8, 7, 7);
  move(2, 8, 4, 6, BTN_RIGHT);  // from inside the zone it may promote with the right button
  EXPECT_EQ(g.BAN[4][6], KAKU_NARI);
  move(7, 7, 7, 6);
  move(4, 6, 5, 7);  // the horse steps next to the king
  move(7, 6, 7, 5);
  move(5, 7, 5, 8);
  move(7, 5, 7, 4);
  move(5, 8, 5, 9);  // and takes it
  EXPECT_EQ(g.OU_TORI, g.COM_TEBAN);
  EXPECT_TRUE(said("後手の勝ちです", "終了"));
}

TEST_F(GameTest, SelectionRulesOfTheClicks) {
  START_Click(g);
  port.clearLogs();
  click(5, 1);  // an opponent's piece: shown, not selected
  EXPECT_EQ(g.SENTAKU, 0);
  click(5, 5);  // an empty square afterwards does nothing
  EXPECT_EQ(g.BAN[5][1], OU);
  click(5, 9);  // own king selected
  EXPECT_EQ(g.SENTAKU, 1);
  click(4, 9);  // another own piece switches the selection without a sound
  EXPECT_EQ(g.SENTAKU, 1);
  EXPECT_EQ(g.SASITE[3], 4);
  EXPECT_TRUE(port.played().empty());
  click(4, 7);  // a gold cannot jump two squares: refused with the forbidden sound
  EXPECT_EQ(g.SENTAKU, 0);
  EXPECT_EQ(port.played(), std::vector<int32_t>{g.SE_KINSHI});
  EXPECT_EQ(g.BAN[4][9], -KIN);
  EXPECT_EQ(g.TESUU, 0);

  click(4, 9);   // selected again
  click(15, 5);  // a click beside the board keeps the selection
  EXPECT_EQ(g.SENTAKU, 1);
  click(4, 8);  // and the next board click still moves the gold
  EXPECT_EQ(g.BAN[4][8], -KIN);
  EXPECT_EQ(g.TEBAN, -1);
}

TEST_F(GameTest, PromotionByTheButton) {
  START_Click(g);
  set_board(g, {{5, 9, -OU}, {5, 1, OU}, {3, 4, -GIN}, {7, 4, -KEI}, {1, 5, KIN}});
  move(3, 4, 3, 3);  // left button into the zone: no promotion
  EXPECT_EQ(g.BAN[3][3], -GIN);
  move(1, 5, 1, 6);
  move(7, 4, 6, 2);  // a knight on row 2 must promote: the left button is refused
  EXPECT_TRUE(said("マウスの右をクリックして下さい", "成り"));
  EXPECT_EQ(g.BAN[7][4], -KEI);
  EXPECT_EQ(g.SENTAKU, 1);
  click(6, 2, BTN_RIGHT);
  EXPECT_EQ(g.BAN[6][2], -KEI_NARI);
  EXPECT_EQ(g.KIFU_NARIGO[g.KIFU_IDX], -KEI_NARI);
  EXPECT_EQ(g.KIFU_KOMA[g.KIFU_IDX], -KEI);
  move(1, 6, 1, 7);
  move(3, 3, 4, 4, BTN_RIGHT);  // leaving the zone, a silver may promote
  EXPECT_EQ(g.BAN[4][4], -GIN_NARI);
  move(1, 7, 1, 8, BTN_RIGHT);  // a gold cannot promote: the right button moves it plainly
  EXPECT_EQ(g.BAN[1][8], KIN);
}

TEST_F(GameTest, DropsFromTheStandOfTheSideToMoveOnly) {
  START_Click(g);
  set_board(g, {{5, 9, -OU}, {5, 1, OU}});
  set_hand(g, true, {1});
  set_hand(g, false, {0, 0, 0, 1});
  click(-1, 4);  // the upper silver while the lower side is to move ...
  click(5, 5);   // ... is dropped nowhere
  EXPECT_EQ(g.BAN[5][5], 0);
  EXPECT_EQ(g.SENTAKU, 0);
  click(11, 3);  // the lower pawn
  click(5, 1);   // not onto a piece
  EXPECT_EQ(g.SITA_MOCHI[1], 1);
  click(11, 3);
  click(5, 5);
  EXPECT_EQ(g.BAN[5][5], -HU);
  EXPECT_EQ(g.SITA_MOCHI_SU, 0);
  click(-1, 4);  // now the upper silver (stand row 4 is hand index 4)
  click(3, 3);
  EXPECT_EQ(g.BAN[3][3], GIN);
  EXPECT_EQ(g.UE_MOCHI[4], 0);
  EXPECT_EQ(g.UE_MOCHI_SU, 0);
  EXPECT_EQ(g.KIFU_MOTO_X[2], -1);
}

}  // namespace
