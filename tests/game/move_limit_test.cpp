// The move list holds 500 moves: move 500 ends the game as a draw however it is reached (by a
// click, by the computer, by stepping forward in a game or in a loaded record), no 501st move is
// ever made, and stepping back still takes every move back cleanly.
#include <fstream>

#include "rules/rules.h"
#include "tests/support/game_fixture.h"

namespace {

const char DRAW[] = "500手に達しました。引き分けです";

// The kings step forward and back: lower, upper, lower, upper.
constexpr int SHUFFLE[4][4] = {{5, 9, 5, 8}, {5, 1, 5, 2}, {5, 8, 5, 9}, {5, 2, 5, 1}};

class MoveLimit : public GameTest {
 protected:
  // Plays moves with the mouse in a game between two people, from the start.
  void shuffle_kings(int moves) {
    START_Click(g);
    for (int n = 0; n < moves; ++n) {
      const int* m = SHUFFLE[n % 4];
      move(m[0], m[1], m[2], m[3]);
      ASSERT_EQ(g.TESUU, n + 1);
      if (n + 1 < moves) port.clearLogs();
    }
  }

  // The move counter, the list position and the list agree.
  void expect_list_whole() const {
    EXPECT_EQ(g.TESUU, g.KIFU_IDX);
    EXPECT_LE(g.KIFU_IDX, g.KIFU_SU);
    EXPECT_LE(g.KIFU_SU, KIFU_MAX);
  }

  void expect_draw_at_the_end() const {
    EXPECT_EQ(g.KIFU_IDX, KIFU_MAX);
    EXPECT_EQ(g.OU_TORI, OU_TORI_HIKIWAKE);
    EXPECT_TRUE(said(DRAW, "終了"));
    EXPECT_FALSE(port.timer);
  }

  // Every click is refused as in a finished game and changes nothing.
  void expect_no_more_moves() {
    const Snapshot before(g);
    const int16_t last = g.KIFU_NARIGO[KIFU_MAX];
    port.clearLogs();
    for (int n = 0; n < 2; ++n) move(5, 9, 5, 8);
    EXPECT_TRUE(said("新規に対局してください", "終局"));
    EXPECT_TRUE(Snapshot(g) == before) << debug_string(g);
    EXPECT_EQ(g.KIFU_NARIGO[KIFU_MAX], last);
    EXPECT_EQ(g.TESUU, KIFU_MAX);
    expect_list_whole();
  }

  // Back to move 0: the position the game started from, with the first mover to move.
  void expect_clean_way_back() {
    while (g.KIFU_IDX > 0) REPLAY_Click(g);
    Game fresh{port};
    lay_out_initial_position(fresh);
    EXPECT_TRUE(Snapshot(g) == Snapshot(fresh)) << debug_string(g);
    EXPECT_EQ(g.TEBAN, g.TEBAN_SENTE);
    EXPECT_EQ(g.TESUU, 0);
  }
};

TEST_F(MoveLimit, ClickedGameStaysFinishedAfterStepping) {
  shuffle_kings(KIFU_MAX);
  expect_draw_at_the_end();

  REPLAY_Click(g);
  EXPECT_EQ(g.OU_TORI, 0);
  port.clearLogs();
  AFTER_Click(g);
  expect_draw_at_the_end();
  expect_no_more_moves();
  expect_clean_way_back();
}

TEST_F(MoveLimit, ComputerGameStaysFinishedAfterStepping) {
  shuffle_kings(KIFU_MAX - 1);
  SENTE_Click(g);  // the computer, now the upper side, plays move 500
  expect_draw_at_the_end();

  REPLAY_Click(g);
  port.clearLogs();
  AFTER_Click(g);
  expect_draw_at_the_end();
  expect_no_more_moves();
  GOTE_Click(g);  // a finished game is never continued: a fresh one starts
  expect_list_whole();
  EXPECT_LT(g.TESUU, KIFU_MAX);
}

TEST_F(MoveLimit, LoadedRecordEndsAsADrawAndStartsNoMoveBeyondIt) {
  const char* lines[4] = {
      "5 958-950-9500   0    0    0    0    ", "5 152950 950 0   0    0    0    0    ",
      "5 859-950-9500   0    0    0    0    ", "5 251950 950 0   0    0    0    0    "};
  const std::filesystem::path file = dir.path() / "full.棋譜";
  {
    std::ofstream out(file, std::ios::binary);
    out << "full\r\nupper\r\nlower\r\n";
    for (int n = 0; n < KIFU_MAX; ++n) out << lines[n % 4] << "\r\n";
  }
  File1_Click(g, file);
  ASSERT_EQ(g.KIFU_SU, KIFU_MAX);
  for (int n = 1; n < KIFU_MAX; ++n) AFTER_Click(g);
  EXPECT_EQ(g.OU_TORI, 0);
  port.clearLogs();
  AFTER_Click(g);
  expect_draw_at_the_end();

  SENTE_Click(g);  // a finished game is never continued: a fresh one starts
  move(5, 9, 5, 8);
  expect_list_whole();
  EXPECT_EQ(g.TESUU, 2) << "the move and the computer's answer";
  EXPECT_EQ(g.BAN[5][8], -OU);
}

}  // namespace
