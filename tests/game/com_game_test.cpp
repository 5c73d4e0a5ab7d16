#include "rules/rules.h"
#include "tests/support/game_fixture.h"

namespace {

// Pieces never appear or vanish: board plus hands hold the 22 pieces, less a taken king, and
// each hand total matches its counts (a taken king raises its taker's total only).
void expect_consistent(const Game& g, int board, int hands) {
  const bool king_taken = g.OU_TORI == g.MAN_TEBAN || g.OU_TORI == g.COM_TEBAN;
  EXPECT_EQ(board + hands, king_taken ? 21 : 22) << debug_string(g);
  int sita = 0, ue = 0;
  for (int i = 1; i <= 7; ++i) {
    EXPECT_GE(g.SITA_MOCHI[i], 0);
    EXPECT_GE(g.UE_MOCHI[i], 0);
    sita += g.SITA_MOCHI[i];
    ue += g.UE_MOCHI[i];
  }
  const bool lower_took = king_taken && g.OU_TORI == g.MAN_TEBAN;
  EXPECT_EQ(g.SITA_MOCHI_SU, sita + (lower_took ? 1 : 0));
  EXPECT_EQ(g.UE_MOCHI_SU, ue + (king_taken && !lower_took ? 1 : 0));
}

class ComGameTest : public GameTest,
                    public testing::WithParamInterface<std::tuple<int, bool, bool>> {
 protected:
  // Every message box of the game; the logs are cleared after each move to keep them small.
  std::vector<MessageCall> all;

  bool announced(const char* text) const {
    for (const auto& m : all)
      if (m.text == text && m.title == "終了") return true;
    return false;
  }

  // Plays the human side with a seeded random legal mover until the game ends or 300 moves.
  // A careful mover keeps its king out of reach when it can, which makes longer games.
  void play(unsigned seed, bool careful) {
    std::mt19937 rng(seed);
    while (g.OU_TORI == 0 && g.TESUU < 300) {
      ASSERT_EQ(g.TEBAN, g.MAN_TEBAN) << "the computer hands the turn back";
      auto moves = lower_moves(g, rng);
      if (careful) {
        std::vector<ClickMove> safe;
        for (const auto& m : moves)
          if (leaves_king_safe(g, m)) safe.push_back(m);
        if (!safe.empty()) moves = safe;
      }
      if (moves.empty()) break;
      const ClickMove m = moves[rng() % moves.size()];
      const int before = g.TESUU;
      click(m.fx, m.fy);
      click(m.tx, m.ty, m.button);
      ASSERT_GT(g.TESUU, before) << "a legal move was refused";
      expect_consistent(g, pieces_on_board(), pieces_in_hands());
      if (HasFailure()) return;
      all.insert(all.end(), port.messages.begin(), port.messages.end());
      port.clearLogs();
    }
  }
};

TEST_P(ComGameTest, WholeGameAgainstTheComputer) {
  const auto [level, human_first, careful] = GetParam();
  レベル_設定(g, level);
  if (human_first) {
    SENTE_Click(g);
    EXPECT_TRUE(said("MANの番です", " "));
    EXPECT_EQ(g.MAN_TEBAN, 1);
  } else {
    GOTE_Click(g);
    EXPECT_EQ(g.MAN_TEBAN, -1);
    EXPECT_EQ(g.TESUU, 1) << "the computer moved first";
  }
  play(level * 7 + human_first, careful);
  if (HasFailure()) return;
  if (g.OU_TORI == g.MAN_TEBAN)
    EXPECT_TRUE(announced("あなたの勝ちです"));
  else if (g.OU_TORI == g.COM_TEBAN)
    EXPECT_TRUE(announced("ｺﾝﾋﾟｭｰﾀの勝ちです"));
  else
    EXPECT_EQ(g.TESUU, 300);
}

INSTANTIATE_TEST_SUITE_P(AllLevels, ComGameTest,
                         testing::Combine(testing::Values(1, 2, 3), testing::Bool(),
                                          testing::Bool()));

TEST_F(GameTest, ComputerWithNothingToPlayLoses) {
  set_board(g, {{5, 9, -OU}, {1, 9, -KYOU}});
  GOTE_Click(g);
  EXPECT_EQ(g.OU_TORI, g.MAN_TEBAN);
  EXPECT_EQ(g.KIFU_IDX, 0) << "no move recorded";
  EXPECT_TRUE(said("ｺﾝﾋﾟｭｰﾀは指す手がありません。あなたの勝ちです", "終了"));
}

TEST_F(GameTest, FullMoveListEndsTheGameAsADraw) {
  START_Click(g);
  g.KIFU_IDX = g.KIFU_SU = KIFU_MAX - 1;
  g.TESUU = KIFU_MAX - 1;
  move(5, 9, 5, 8);
  EXPECT_EQ(g.KIFU_IDX, KIFU_MAX);
  EXPECT_EQ(g.OU_TORI, OU_TORI_HIKIWAKE);
  EXPECT_TRUE(said("500手に達しました。引き分けです", "終了"));
  click(5, 1);
  EXPECT_TRUE(said("新規に対局してください", "終局"));
  REPLAY_Click(g);  // stepping back reopens the game
  EXPECT_EQ(g.OU_TORI, 0);
  EXPECT_EQ(g.BAN[5][9], -OU);
}

}  // namespace
