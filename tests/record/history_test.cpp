#include "rules/rules.h"
#include "tests/support/game_fixture.h"

namespace {

class HistoryTest : public GameTest {
 protected:
  std::vector<Snapshot> positions;

  // A two-person game with a capture, a promotion, a drop and a promoted capture, keeping the
  // position after every move.
  void play_game() {
    START_Click(g);
    positions.emplace_back(g);
    const ClickMove moves[] = {
        {2, 8, 8, 2, BTN_RIGHT},  // bishop takes bishop and promotes
        {7, 1, 8, 2, BTN_LEFT},   // silver takes the horse back
        {11, 8, 5, 5, BTN_LEFT},  // bishop dropped from the hand
        {-1, 2, 4, 4, BTN_LEFT},  // the upper side drops its bishop (stand row 2)
        {5, 5, 4, 4, BTN_LEFT},   // bishop takes bishop
    };
    for (const auto& m : moves) {
      click(m.fx, m.fy);
      click(m.tx, m.ty, m.button);
      positions.emplace_back(g);
    }
    ASSERT_EQ(g.TESUU, 5);
  }
};

TEST_F(HistoryTest, StepsBackAndForwardThroughCapturesPromotionsAndDrops) {
  play_game();
  EXPECT_EQ(g.KIFU_NARIGO[1], -KAKU_NARI);
  EXPECT_EQ(g.KIFU_TORI[2], -KAKU_NARI);
  for (int n = 5; n >= 1; --n) {
    REPLAY_Click(g);
    EXPECT_TRUE(Snapshot(g) == positions[n - 1]) << "back to move " << n - 1 << "\n"
                                                 << debug_string(g);
    EXPECT_EQ(g.TESUU, n - 1);
  }
  EXPECT_EQ(g.TEBAN, 1);
  REPLAY_Click(g);
  EXPECT_TRUE(said("できません", "戻る"));
  for (int n = 1; n <= 5; ++n) {
    AFTER_Click(g);
    EXPECT_TRUE(Snapshot(g) == positions[n]) << "forward to move " << n << "\n" << debug_string(g);
  }
  port.clearLogs();
  AFTER_Click(g);
  EXPECT_TRUE(said("できません", "進む"));
  EXPECT_EQ(port.played(), std::vector<int32_t>{g.SE_KINSHI});
}

TEST_F(HistoryTest, ANewMoveAfterSteppingBackDiscardsTheRest) {
  play_game();
  REPLAY_Click(g);
  REPLAY_Click(g);
  EXPECT_EQ(g.KIFU_SU, 5);
  click(-1, 2);  // the first click after a step restarts the turn, and picks up the bishop
  EXPECT_TRUE(said("後手の番です", "対局"));
  EXPECT_EQ(g.KIFU_IDOU, 0);
  click(6, 6);  // dropped elsewhere than before
  EXPECT_EQ(g.BAN[6][6], KAKU);
  EXPECT_EQ(g.KIFU_IDX, 4);
  EXPECT_EQ(g.KIFU_SU, 4);
  AFTER_Click(g);
  EXPECT_TRUE(said("できません", "進む"));
}

TEST_F(HistoryTest, SteppingOverAKingCaptureEndsAndReopensTheGame) {
  START_Click(g);
  set_board(g, {{5, 9, -OU}, {5, 2, -KIN}, {5, 1, OU}});
  move(5, 2, 5, 1);
  EXPECT_EQ(g.OU_TORI, g.MAN_TEBAN);
  REPLAY_Click(g);
  EXPECT_EQ(g.OU_TORI, 0);
  EXPECT_EQ(g.BAN[5][1], OU);
  EXPECT_EQ(g.SITA_MOCHI_SU, 0);
  AFTER_Click(g);
  EXPECT_EQ(g.OU_TORI, g.MAN_TEBAN);
  EXPECT_EQ(g.BAN[5][1], -KIN);
}

TEST_F(HistoryTest, ClocksFollowTheSteps) {
  port.setChecked(Menu::KEIKA, true);
  START_Click(g);
  port.now += 12;
  Timer1_Timer(g);
  move(5, 9, 5, 8);
  EXPECT_FLOAT_EQ(g.SITA_JIKAN, 12);
  EXPECT_FLOAT_EQ(g.KIFU_SITA_ATO[1], 12);
  REPLAY_Click(g);
  EXPECT_FLOAT_EQ(g.SITA_JIKAN, 0);
  EXPECT_FALSE(port.timer);
  AFTER_Click(g);
  EXPECT_FLOAT_EQ(g.SITA_JIKAN, 12);
}

TEST_F(HistoryTest, FlipRotatesTheBoardAndEmptiesTheList) {
  START_Click(g);
  move(2, 8, 8, 2);  // the lower side holds a bishop
  REVERSE_Click(g);
  EXPECT_EQ(g.BAN[2][8], KAKU) << "the lower bishop on (8,2) turns into an upper one";
  EXPECT_EQ(g.BAN[5][9], -OU);
  EXPECT_EQ(g.BAN[8][2], 0);
  EXPECT_EQ(g.BAN[8][8], -SYA);
  EXPECT_EQ(g.UE_MOCHI[6], 1);
  EXPECT_EQ(g.SITA_MOCHI[6], 0);
  EXPECT_EQ(g.UE_MOCHI_SU, 1) << "the totals change sides with the hands";
  EXPECT_EQ(g.SITA_MOCHI_SU, 0);
  EXPECT_EQ(g.HANTEN, 1);
  EXPECT_EQ(g.TEBAN, 1);
  EXPECT_EQ(g.KIFU_SU, 0);
  REPLAY_Click(g);
  EXPECT_TRUE(said("できません", "戻る"));
}

TEST_F(HistoryTest, StartingAgainKeepsTheListForReplay) {
  play_game();
  port.clearLogs();
  CANCEL_Click(g);
  EXPECT_EQ(g.TEBAN, TEBAN_NASHI);
  EXPECT_EQ(g.KIFU_IDX, 0);
  EXPECT_EQ(g.KIFU_SU, 5);
  EXPECT_EQ(port.played().back(), g.SE_KOMAUCHI);
  AFTER_Click(g);
  EXPECT_TRUE(said("「対局」で始めて下さい", "開始"));
}

}  // namespace
