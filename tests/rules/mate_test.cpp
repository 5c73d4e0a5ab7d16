#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "com/com.h"
#include "rules/mate.h"
#include "rules/rules.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"

namespace {

struct MateTest : ::testing::Test {
  FakePort port;
  Game g{port};

  // Sets up a position as the game would have it before a mate test: two-pawn flags rebuilt
  // and a fresh survey.
  void position(std::initializer_list<Placed> pieces, std::initializer_list<int> lower_hand = {},
                std::initializer_list<int> upper_hand = {}) {
    set_board(g, pieces);
    set_hand(g, true, lower_hand);
    set_hand(g, false, upper_hand);
    調査_2歩フラグ設定(g);
    勢力調査(g);
  }
  // Runs a test and checks that board and hands are as they were.
  template <typename F>
  int run(F test) {
    const Snapshot before(g);
    const int r = test(g);
    EXPECT_TRUE(Snapshot(g) == before) << debug_string(g);
    return r;
  }
  int man() { return run(詰めかMAN); }
  int com() { return run(詰めかCOM); }
};

// The lower king on (5,9) boxed in by its own lances, checked by an upper rook down file 5.
const std::initializer_list<Placed> kRookOnFile5 = {{5, 9, -OU},   {4, 8, -KYOU}, {4, 9, -KYOU},
                                                    {6, 8, -KYOU}, {6, 9, -KYOU}, {5, 5, SYA}};

TEST_F(MateTest, KingNotAttackedIsNeverMated) {
  position(
      {{5, 9, -OU}, {4, 8, -KYOU}, {5, 8, -KYOU}, {6, 8, -KYOU}, {4, 9, -KYOU}, {6, 9, -KYOU}});
  EXPECT_EQ(man(), 0);
  position({{5, 1, OU}, {4, 2, KYOU}, {5, 2, KYOU}, {6, 2, KYOU}, {4, 1, KYOU}, {6, 1, KYOU}});
  EXPECT_EQ(com(), 0);
}

TEST_F(MateTest, DropBlockingALineCheck) {
  struct Case {
    const char* what;
    std::initializer_list<int> hand;
    bool pawn_on_file;
    int expected;
  };
  const Case cases[] = {
      {"empty hand", {}, false, 1},
      {"a gold blocks", {0, 0, 0, 0, 1}, false, 0},
      {"a pawn blocks", {2}, false, 0},
      {"pawns only, two-pawn rule", {2}, true, 1},
      {"pawn and gold, the gold blocks", {1, 0, 0, 0, 1}, true, 0},
  };
  for (const auto& c : cases) {
    set_board(g, kRookOnFile5);
    if (c.pawn_on_file) g.BAN[5][3] = -HU;  // behind the rook, out of its line of check
    set_hand(g, true, c.hand);
    調査_2歩フラグ設定(g);
    勢力調査(g);
    EXPECT_EQ(man(), c.expected) << c.what;
  }
}

TEST_F(MateTest, PawnDropOnTheLastRankCannotBlock) {
  // King in the corner checked along row 1; its other neighbours hold knights that cannot move.
  const std::initializer_list<Placed> board = {
      {1, 1, -OU}, {1, 2, -KEI}, {2, 2, -KEI}, {5, 1, SYA}};
  position(board, {3});
  EXPECT_EQ(man(), 1);
  position(board, {0, 0, 0, 1});
  EXPECT_EQ(man(), 0);
}

TEST_F(MateTest, TouchingCheckerOrKnightSkipsTheDrop) {
  // A gold on (5,8) guarded by a lance from (5,1).
  position({{5, 9, -OU}, {4, 9, -KYOU}, {6, 9, -KYOU}, {5, 8, KIN}, {5, 1, KYOU}}, {0, 0, 0, 0, 3});
  EXPECT_EQ(man(), 1);
  // A knight's check; nothing of the lower side reaches the knight.
  position({{5, 9, -OU},
            {4, 8, -KEI},
            {5, 8, -KYOU},
            {6, 8, -KYOU},
            {4, 9, -KYOU},
            {6, 9, -KYOU},
            {4, 7, KEI}},
           {0, 0, 0, 0, 3});
  EXPECT_EQ(man(), 1);
}

TEST_F(MateTest, TwoCheckersDefeatTheDrop) {
  // The rook down file 5 and a bishop along (2,6)..(4,8); a blocker stops only one of them.
  position({{5, 9, -OU}, {4, 9, -KYOU}, {6, 8, -KYOU}, {6, 9, -KYOU}, {5, 5, SYA}, {1, 5, KAKU}},
           {0, 0, 0, 0, 1});
  EXPECT_EQ(man(), 1);
  position({{5, 9, -OU}, {4, 9, -KYOU}, {6, 8, -KYOU}, {6, 9, -KYOU}, {5, 5, SYA}, {8, 2, GIN}},
           {0, 0, 0, 0, 1});
  EXPECT_EQ(man(), 0);
}

TEST_F(MateTest, KingEscapes) {
  // (4,8) left free.
  position({{5, 9, -OU}, {4, 9, -KYOU}, {6, 8, -KYOU}, {6, 9, -KYOU}, {5, 5, SYA}});
  EXPECT_EQ(man(), 0);
  // ... but not when an upper piece bears on it.
  position({{5, 9, -OU}, {4, 9, -KYOU}, {6, 8, -KYOU}, {6, 9, -KYOU}, {5, 5, SYA}, {1, 8, SYA}});
  EXPECT_EQ(man(), 1);
  // Taking the unguarded checker is an escape too.
  position({{5, 9, -OU}, {4, 9, -KYOU}, {6, 9, -KYOU}, {5, 8, KIN}});
  EXPECT_EQ(man(), 0);
}

TEST_F(MateTest, RetreatAlongTheLineOfCheckIsNoEscape) {
  // The rook's line runs on behind the king, so (5,9) is covered.
  position({{5, 8, -OU},
            {4, 7, -KYOU},
            {4, 8, -KYOU},
            {4, 9, -KYOU},
            {6, 7, -KYOU},
            {6, 8, -KYOU},
            {6, 9, -KYOU},
            {5, 4, SYA}});
  EXPECT_EQ(g.UE_SEIRYOKU[5][9], 1);
  EXPECT_EQ(man(), 1);
}

TEST_F(MateTest, BoardPieceDefends) {
  // A silver takes the guarded gold.
  position({{5, 9, -OU}, {4, 9, -GIN}, {6, 9, -KYOU}, {5, 8, KIN}, {5, 1, KYOU}});
  EXPECT_EQ(man(), 0);
  // A gold steps into the rook's line.
  position({{5, 9, -OU}, {4, 8, -KYOU}, {4, 9, -KYOU}, {6, 8, -KIN}, {6, 9, -KYOU}, {5, 5, SYA}});
  EXPECT_EQ(man(), 0);
  // The same gold pinned by a bishop: stepping in lets the bishop reach the king.
  position({{5, 9, -OU},
            {4, 8, -KYOU},
            {4, 9, -KYOU},
            {6, 8, -KIN},
            {6, 9, -KYOU},
            {5, 5, SYA},
            {8, 6, KAKU}});
  EXPECT_EQ(man(), 1);
}

TEST_F(MateTest, UpperKingMirror) {
  // The upper king on (5,1) boxed in by its lances, checked by a lower rook up file 5.
  const std::initializer_list<Placed> board = {{5, 1, OU},   {4, 1, KYOU}, {4, 2, KYOU},
                                               {6, 1, KYOU}, {6, 2, KYOU}, {5, 5, -SYA}};
  position(board);
  EXPECT_EQ(com(), 1);
  position(board, {}, {0, 0, 0, 0, 1});
  EXPECT_EQ(com(), 0);
  position(board, {}, {1});
  EXPECT_EQ(com(), 0);
  // Pawns only with an upper pawn already on file 5 (behind the rook).
  set_board(g, board);
  g.BAN[5][7] = HU;
  set_hand(g, false, {1});
  調査_2歩フラグ設定(g);
  勢力調査(g);
  EXPECT_EQ(com(), 1);
  // An upper gold steps into the line.
  position({{5, 1, OU}, {4, 1, KYOU}, {4, 2, KIN}, {6, 1, KYOU}, {6, 2, KYOU}, {5, 5, -SYA}});
  EXPECT_EQ(com(), 0);
  // A lower knight's check with nothing to take the knight.
  position({{5, 1, OU},
            {4, 1, KYOU},
            {4, 2, KEI},
            {5, 2, KYOU},
            {6, 1, KYOU},
            {6, 2, KYOU},
            {4, 3, -KEI}},
           {}, {0, 0, 0, 0, 2});
  EXPECT_EQ(com(), 1);
}

TEST_F(MateTest, UpperDefenceFoundAfterAFailedPinnedBlock) {
  // The gold on (4,2) may block file 5 but is pinned by the bishop on (2,4); the trial that
  // moves it shows the bishop's check instead. The silver met later still takes the rook.
  position({{5, 1, OU},
            {4, 1, KYOU},
            {4, 2, KIN},
            {6, 1, KYOU},
            {6, 2, KYOU},
            {5, 5, -SYA},
            {2, 4, -KAKU},
            {6, 4, GIN}});
  EXPECT_EQ(com(), 0);
  // Without the silver it is mate.
  position({{5, 1, OU},
            {4, 1, KYOU},
            {4, 2, KIN},
            {6, 1, KYOU},
            {6, 2, KYOU},
            {5, 5, -SYA},
            {2, 4, -KAKU}});
  EXPECT_EQ(com(), 1);
}

TEST_F(MateTest, UpperTrialsAreSurveyedAfresh) {
  // After a trial the tables describe the trial position; the board is back as it was.
  position({{5, 1, OU}, {4, 1, KYOU}, {4, 2, KIN}, {6, 1, KYOU}, {6, 2, KYOU}, {5, 5, -SYA}});
  EXPECT_EQ(com(), 0);
  EXPECT_EQ(g.SITA_SEIRYOKU[5][1], 0);
  勢力調査(g);
  EXPECT_EQ(g.SITA_SEIRYOKU[5][1], 1);
}

TEST_F(MateTest, UpperPieceReachingTheLowerKing) {
  set_board(g, {{5, 9, -OU}, {1, 1, SYA}, {9, 1, KAKU}});
  EXPECT_EQ(run(詰めかMAN_COM移動), 0);
  set_board(g, {{5, 9, -OU}, {5, 1, SYA}});
  EXPECT_EQ(run(詰めかMAN_COM移動), 1);
  set_board(g, {{5, 9, -OU}, {4, 8, OU}});
  EXPECT_EQ(run(詰めかMAN_COM移動), 1);
  set_board(g, {{5, 9, -OU}, {5, 1, SYA}, {5, 4, -HU}});
  EXPECT_EQ(run(詰めかMAN_COM移動), 0);
}

TEST_F(MateTest, EscapeSquaresOfTheLowerKing) {
  // In the corner only three neighbours exist.
  position({{1, 9, -OU}, {9, 1, OU}});
  g.SITA_NIGEMICHI[7][7] = 1;  // the caller clears the map; the count does not
  EXPECT_EQ(run(調査_自王逃道), 3);
  EXPECT_EQ(g.SITA_NIGEMICHI[1][8], 1);
  EXPECT_EQ(g.SITA_NIGEMICHI[2][8], 1);
  EXPECT_EQ(g.SITA_NIGEMICHI[2][9], 1);
  EXPECT_EQ(g.SITA_NIGEMICHI[7][7], 1);
  // Pieces of either side and covered squares do not count.
  std::memset(g.SITA_NIGEMICHI, 0, sizeof(Ban));
  position({{5, 5, -OU}, {5, 4, -KIN}, {6, 6, KIN}, {9, 4, SYA}});
  // Free: (4,4), (4,5), (4,6). Occupied: (5,4), (6,6). Covered: (6,4) by the rook along row 4,
  // (5,6) and (6,5) by the upper gold.
  EXPECT_EQ(run(調査_自王逃道), 3);
  EXPECT_EQ(g.SITA_NIGEMICHI[4][4], 1);
  EXPECT_EQ(g.SITA_NIGEMICHI[4][5], 1);
  EXPECT_EQ(g.SITA_NIGEMICHI[4][6], 1);
  EXPECT_EQ(g.SITA_NIGEMICHI[6][4], 0);
  EXPECT_EQ(g.SITA_NIGEMICHI[5][6], 0);
}

TEST_F(MateTest, EscapeSquaresBeforeAnySurvey) {
  // A fresh game object knows no king square yet: (0, 0), whose only neighbour on the board is
  // (1, 1), free while no survey has counted anything.
  Game fresh{port};
  lay_out_initial_position(fresh);
  EXPECT_EQ(調査_自王逃道(fresh), 0) << "(1, 1) holds the upper lance";
  fresh.BAN[1][1] = KARA;
  EXPECT_EQ(調査_自王逃道(fresh), 1);
  EXPECT_EQ(fresh.SITA_NIGEMICHI[1][1], 1);
}

}  // namespace
