// Reading a record file back: the same game replayed with 進, who starts, the header texts on
// the board, empty records, and record mode's answers to clicks and to 進 at the end.
#include <cmath>

#include "tests/record/kifu_fixture.h"

namespace {

class KifuRead : public KifuTest {
 protected:
  std::vector<Snapshot> positions;
  std::vector<KifuMove> played;

  // The move list as the file must give it back: every entry with whole-second clocks.
  std::vector<KifuMove> move_list() const {
    std::vector<KifuMove> list;
    for (int n = 1; n <= g.KIFU_SU; ++n) {
      const auto whole = [](float s) { return static_cast<int>(std::floor(s)); };
      list.push_back({g.KIFU_MOTO_X[n], g.KIFU_MOTO_Y[n], g.KIFU_SAKI_X[n], g.KIFU_SAKI_Y[n],
                      g.KIFU_NARIGO[n], g.KIFU_KOMA[n], g.KIFU_TORI[n], whole(g.KIFU_SITA_MAE[n]),
                      whole(g.KIFU_SITA_ATO[n]), whole(g.KIFU_UE_MAE[n]), whole(g.KIFU_UE_ATO[n])});
    }
    return list;
  }

  // A two-person game with clocks running: a capture with promotion, a recapture, a drop from
  // each stand and a capture of the dropped piece, each move after some seconds and a fraction.
  void play_two_person_game() {
    port.setChecked(Menu::KEIKA, true);
    START_Click(g);
    positions.emplace_back(g);
    const ClickMove moves[] = {
        {2, 8, 8, 2, BTN_RIGHT}, {7, 1, 8, 2, BTN_LEFT}, {11, 8, 5, 5, BTN_LEFT},
        {-1, 2, 4, 4, BTN_LEFT}, {5, 5, 4, 4, BTN_LEFT},
    };
    float seconds = 3.7f;
    for (const auto& m : moves) {
      port.now += seconds;
      seconds *= 3;
      Timer1_Timer(g);
      move(m.fx, m.fy, m.tx, m.ty, m.button);
      positions.emplace_back(g);
    }
    ASSERT_EQ(g.KIFU_SU, 5);
    played = move_list();
  }

  const DrawCall* drawn(const std::string& text) const {
    for (const DrawCall& d : port.draws)
      if (d.kind == DrawCall::Text && d.text == text) return &d;
    return nullptr;
  }
};

TEST_F(KifuRead, AWrittenGameReplaysToTheSamePositionsAndClocks) {
  play_two_person_game();
  save("game", "名人戦", "先手太郎", "後手花子");
  ASSERT_TRUE(wrote());
  port.clearLogs();

  load("game");

  EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, false, false}));
  ASSERT_EQ(port.messages.size(), 2u);
  EXPECT_TRUE(said(" 読み込みました", "棋譜"));
  EXPECT_EQ(port.messages[1].text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(port.messages[1].title, "棋譜");
  EXPECT_EQ(g.KIFU_MODE, 1);
  EXPECT_EQ(g.KIFU_SU, 5);
  EXPECT_EQ(g.KIFU_IDX, 0);
  EXPECT_EQ(g.TESUU, 0);
  EXPECT_EQ(g.KIFU_TITLE, "名人戦");
  EXPECT_EQ(move_list(), played);
  // The lower side made the first move: a game between two people, the lower side starts.
  EXPECT_EQ(g.TAIKYOKU_MODE, MODE_MAN);
  EXPECT_EQ(g.TEBAN_SENTE, g.MAN_TEBAN);
  EXPECT_EQ(g.TEBAN_GOTE, g.COM_TEBAN);
  EXPECT_EQ(g.TEBAN, g.TEBAN_SENTE);

  // Title in red under the board, the upper player at the top, the lower player under the board.
  const DrawCall* title = drawn("名人戦");
  const DrawCall* upper = drawn("後手花子");
  const DrawCall* lower = drawn("先手太郎");
  ASSERT_TRUE(title && upper && lower);
  EXPECT_DOUBLE_EQ(title->x, 取得_棋譜のX座標(g, "名人戦") - 3000);
  EXPECT_EQ(title->y, 6350);
  EXPECT_EQ(title->code, IRO_AKA);
  EXPECT_EQ(title->size, 12);
  EXPECT_DOUBLE_EQ(upper->x, 取得_棋譜のX座標(g, "後手花子"));
  EXPECT_EQ(upper->y, 100);
  EXPECT_EQ(upper->code, IRO_SHIRO);
  EXPECT_EQ(lower->y, 6350);
  EXPECT_EQ(lower->code, IRO_SHIRO);

  for (int n = 1; n <= 5; ++n) {
    AFTER_Click(g);
    EXPECT_TRUE(Snapshot(g) == positions[n]) << "move " << n << "\n" << debug_string(g);
    EXPECT_EQ(g.SITA_JIKAN, played[n - 1].sitaAto);
    EXPECT_EQ(g.UE_JIKAN, played[n - 1].ueAto);
  }
  EXPECT_GT(g.SITA_JIKAN, 0);
  EXPECT_GT(g.UE_JIKAN, 0);
}

TEST_F(KifuRead, ARecordTheUpperSideOpenedLoadsAsAGameAgainstTheComputer) {
  GOTE_Click(g);  // the computer opens
  std::mt19937 rng(7);
  for (const ClickMove& m : lower_moves(g, rng))
    if (leaves_king_safe(g, m)) {
      move(m.fx, m.fy, m.tx, m.ty, m.button);
      break;
    }
  ASSERT_EQ(g.KIFU_SU, 3);
  const Snapshot end(g);
  played = move_list();
  save("com");

  // Loaded after a game in which the lower side moved first, so the orders are 1 / -1 the other
  // way round than in the game that was written.
  CANCEL_Click(g);
  START_Click(g);
  ASSERT_EQ(g.MAN_TEBAN, 1);
  load("com");

  EXPECT_EQ(g.TAIKYOKU_MODE, MODE_COM);
  EXPECT_EQ(g.TEBAN_SENTE, g.COM_TEBAN);
  EXPECT_EQ(g.TEBAN_GOTE, g.MAN_TEBAN);
  EXPECT_EQ(g.TEBAN, g.COM_TEBAN);
  EXPECT_EQ(move_list(), played);
  for (int n = 1; n <= 3; ++n) AFTER_Click(g);
  EXPECT_TRUE(Snapshot(g) == end) << debug_string(g);
}

// Whatever the computer and a sometimes careless opponent play (promotions, drops from both stands
// in both of the computer's ways of writing them, king captures) is read back move for move.
TEST_F(KifuRead, GamesAgainstTheComputerComeBackMoveForMove) {
  for (int seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE(seed);
    CANCEL_Click(g);
    if (seed % 2)
      SENTE_Click(g);
    else
      GOTE_Click(g);
    std::mt19937 rng(seed);
    for (int i = 0; i < 60 && g.OU_TORI == 0; ++i) {
      // Mostly moves that keep the king, now and then any move at all.
      std::vector<ClickMove> moves = lower_moves(g, rng);
      if (rng() % 8 != 0)
        std::erase_if(moves, [&](const ClickMove& c) { return !leaves_king_safe(g, c); });
      if (moves.empty()) break;
      const ClickMove m = moves[rng() % moves.size()];
      port.now += static_cast<float>(rng() % 100) / 8;
      Timer1_Timer(g);
      move(m.fx, m.fy, m.tx, m.ty, m.button);
    }
    const Snapshot end(g);
    played = move_list();
    save("game");
    ASSERT_TRUE(wrote());
    port.clearLogs();
    load("game");
    ASSERT_TRUE(said(" 読み込みました", "棋譜")) << port.messages[0].text;
    EXPECT_EQ(move_list(), played);
    while (g.KIFU_IDX < g.KIFU_SU) AFTER_Click(g);
    EXPECT_TRUE(Snapshot(g) == end) << debug_string(g);
  }
}

TEST_F(KifuRead, EmptyRecordsLoadAsAnEmptyList) {
  for (const std::string bytes : {"", "\r\n\r\n\r\n", "title\r\n\r\n\r\n   \r\n\r\n"}) {
    SCOPED_TRACE(bytes);
    write_bytes(record("empty"), bytes);
    port.clearLogs();
    load("empty");
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_TRUE(said("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜"));
    EXPECT_EQ(g.KIFU_MODE, 1);
    EXPECT_EQ(g.KIFU_SU, 0);
    EXPECT_EQ(g.TEBAN, TEBAN_NASHI);
  }
}

TEST_F(KifuRead, BoardClicksAskToStepAndNoEndsRecordMode) {
  play_two_person_game();
  save("game");
  load("game");
  AFTER_Click(g);
  const Snapshot after_one(g);

  port.clearLogs();
  port.answers = {Answer::Yes};
  click(5, 5);
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].text, "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(port.messages[0].title, "棋譜");
  EXPECT_EQ(port.messages[0].buttons, Buttons::YesNo);
  EXPECT_EQ(g.KIFU_MODE, 1);
  EXPECT_TRUE(Snapshot(g) == after_one);

  port.clearLogs();
  port.answers = {Answer::No};
  click(5, 5);
  EXPECT_EQ(port.played(), std::vector<int32_t>{g.SE_KINSHI});
  expect_no_game();
}

TEST_F(KifuRead, SteppingPastTheEndSaysSoWithoutTheForbiddenSound) {
  write_bytes(record("one"), "\r\n\r\n\r\n8 884-900-9000   0    0    0    0    \r\n");
  load("one");
  AFTER_Click(g);
  EXPECT_EQ(g.BAN[8][4], -SYA);
  port.clearLogs();
  AFTER_Click(g);
  EXPECT_TRUE(said("終わり", "進む"));
  EXPECT_TRUE(port.played().empty());
}

TEST_F(KifuRead, ReplayingAKingCaptureEndsTheGame) {
  write_bytes(record("king"),
              "\r\n\r\n\r\n"
              "8 883-900-9000   0    0    0    0    \r\n"
              "1 11220  20  0   0    0    0    0    \r\n"
              "8 353-900-9000   0    0    0    0    \r\n"
              "9 19220  20  0   0    0    0    0    \r\n"
              "5 351-900-900950 0    0    0    0    \r\n");
  load("king");
  ASSERT_EQ(g.KIFU_SU, 5);
  for (int n = 1; n <= 5; ++n) AFTER_Click(g);
  EXPECT_EQ(g.BAN[5][1], -SYA);
  EXPECT_EQ(g.OU_TORI, g.MAN_TEBAN);
}

TEST_F(KifuRead, TextPositionCountsCharactersNotBytes) {
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(g, "一二三四五六七八九十一二三"), 2535);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(g, "abcdefghijklm"), 2535);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(g, "ｺﾝﾋﾟｭｰﾀ"), 1050 + (6.0 / 5 + 3) * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(g, ""), 1050 + (13.0 / 5 + 3) * 495);
  EXPECT_DOUBLE_EQ(取得_棋譜のX座標(g, "一二三四五六七八九十一二三四五六七八"), 2535 - 495);
}

TEST_F(KifuRead, ChooserEntries) {
  port.fields = {"half", "typed", "", ""};
  KIFU_READ_Click(g);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{true, true, true}));
  EXPECT_FALSE(port.writePanel);
  EXPECT_EQ(port.fields, (std::array<std::string, 4>{}));

  const int refreshes = port.fileListRefreshes;
  Dir1_Change(g);
  EXPECT_EQ(port.fileListRefreshes, refreshes + 1);
  Drive1_Change(g, true);
  EXPECT_TRUE(port.messages.empty());
  Drive1_Change(g, false);
  EXPECT_TRUE(said("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ"));
  EXPECT_EQ(port.messages.size(), 1u);
}

}  // namespace
