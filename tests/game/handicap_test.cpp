#include "rules/rules.h"
#include "tests/support/game_fixture.h"

namespace {

const std::string TAIL = "\r\r局面→最初にして下さい";

TEST_F(GameTest, HandicapFromMeijinTo12kyuAndBack) {
  Game fresh{port};
  lay_out_initial_position(fresh);
  const Snapshot initial(fresh);
  for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.HANDE_LEVEL, -10);
  EXPECT_EQ(pieces_on_board(), 12) << "the lower side keeps only its king";
  EXPECT_EQ(g.BAN[5][9], -OU);
  LBEL_UP_Click(g);
  EXPECT_EQ(g.BAN[6][9], -KIN) << "the gold on (6,9) comes back first";
  for (int i = 0; i < 20; ++i) LBEL_UP_Click(g);
  EXPECT_EQ(g.HANDE_LEVEL, 10);
  EXPECT_EQ(pieces_on_board(), 12) << "the upper side keeps only its king";
  EXPECT_EQ(g.BAN[5][1], OU);
  for (int i = 0; i < 10; ++i) LEBEL_DOWN_Click(g);
  EXPECT_EQ(g.HANDE_LEVEL, 0);
  EXPECT_TRUE(Snapshot(g) == initial);
  EXPECT_EQ(g.HANDE_SET, 1);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(GameTest, HandicapAtItsLimitChangesNothingButIsSet) {
  for (int i = 0; i < 10; ++i) LBEL_UP_Click(g);
  const Snapshot before(g);
  port.clearLogs();
  LBEL_UP_Click(g);
  EXPECT_TRUE(Snapshot(g) == before);
  EXPECT_TRUE(port.played().empty());
  EXPECT_EQ(g.HANDE_SET, 1);
}

TEST_F(GameTest, HandicapGradeTextIsShown) {
  LBEL_UP_Click(g);
  EXPECT_EQ(port.texts().back(), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級");
  EXPECT_EQ(g.BAN[8][2], 0);
  EXPECT_EQ(port.played().back(), g.SE_KOMAUCHI);
}

TEST_F(GameTest, HandicapRefusals) {
  START_Click(g);
  LBEL_UP_Click(g);  // allowed after スタート until a move is played
  EXPECT_EQ(g.HANDE_LEVEL, 1);
  move(5, 9, 5, 8);
  port.clearLogs();
  LBEL_UP_Click(g);
  EXPECT_TRUE(said("対局途中ではできません" + TAIL, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));
  EXPECT_EQ(port.played(), std::vector<int32_t>{g.SE_KINSHI});
  EXPECT_EQ(g.HANDE_LEVEL, 1);

  CANCEL_Click(g);
  REVERSE_Click(g);
  LEBEL_DOWN_Click(g);
  EXPECT_TRUE(said("反転後ではできません" + TAIL, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));

  CANCEL_Click(g);
  g.KIFU_MODE = 1;
  LEBEL_DOWN_Click(g);
  EXPECT_TRUE(said("棋譜ﾓｰﾄﾞではできません" + TAIL, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));
  EXPECT_EQ(g.HANDE_LEVEL, 0);
}

TEST_F(GameTest, FlipNegatesTheHandicap) {
  LBEL_UP_Click(g);
  LBEL_UP_Click(g);
  REVERSE_Click(g);
  EXPECT_EQ(g.HANDE_LEVEL, -2);
  EXPECT_EQ(g.BAN[8][8], 0) << "the missing upper rook is now the lower side's";
  EXPECT_EQ(g.BAN[2][8], 0);
}

}  // namespace
