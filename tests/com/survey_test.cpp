#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "com/com.h"
#include "rules/rules.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"

namespace {

using Squares = std::vector<std::pair<int, int>>;

// The squares where a table holds `value`, in board order (x outer, y inner).
Squares where(const Ban& t, int value) {
  Squares out;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (t[x][y] == value) out.emplace_back(x, y);
  return out;
}

// The squares where a table is not 0.
Squares nonzero(const Ban& t) {
  Squares out;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (t[x][y] != 0) out.emplace_back(x, y);
  return out;
}

struct SurveyTest : ::testing::Test {
  FakePort port;
  Game g{port};

  void survey(std::initializer_list<Placed> pieces) {
    set_board(g, pieces);
    勢力調査(g);
  }
};

TEST_F(SurveyTest, InitialPosition) {
  lay_out_initial_position(g);
  g.SITA_OU_X = g.SITA_OU_Y = g.UE_OU_X = g.UE_OU_Y = 0;
  勢力調査(g);
  // King, both golds and the rook along row 8 (stopped by the bishop on (2,8)).
  EXPECT_EQ(g.SITA_SEIRYOKU[5][8], 4);
  EXPECT_EQ(g.UE_SEIRYOKU[5][8], 0);
  EXPECT_TRUE(nonzero(g.SITA_OUTE).empty());
  EXPECT_TRUE(nonzero(g.UE_OUTE).empty());
  EXPECT_EQ(g.UE_HIMO_KOMA[3][1], 110);  // silver guarded by the gold beside it
  EXPECT_EQ(g.UE_HIMO_KOMA[4][1], 950);  // gold guarded only by its king
  EXPECT_EQ(g.SITA_HIMO_KOMA[4][9], -950);
  EXPECT_EQ(g.SITA_HIMO_KOMA[1][9], -800);  // lance guarded by the bishop on (2,8)
  // The two bishops face each other on the long diagonal.
  EXPECT_EQ(g.SITA_NERAI_KOMA[8][2], -800);
  EXPECT_EQ(g.SITA_NERAI_X[8][2], 2);
  EXPECT_EQ(g.SITA_NERAI_Y[8][2], 8);
  EXPECT_EQ(g.UE_NERAI_KOMA[2][8], 800);
  EXPECT_EQ(g.UE_NERAI_X[2][8], 8);
  EXPECT_EQ(g.UE_NERAI_Y[2][8], 2);
  EXPECT_EQ(g.SITA_OU_X, 5);
  EXPECT_EQ(g.SITA_OU_Y, 9);
  EXPECT_EQ(g.UE_OU_X, 5);
  EXPECT_EQ(g.UE_OU_Y, 1);
  // Empty squares get counts only.
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (g.BAN[x][y] != 0) continue;
      EXPECT_EQ(g.SITA_HIMO_KOMA[x][y], 999) << x << "," << y;
      EXPECT_EQ(g.UE_HIMO_KOMA[x][y], 999) << x << "," << y;
      EXPECT_EQ(g.UE_NERAI_KOMA[x][y], 999) << x << "," << y;
      EXPECT_EQ(g.SITA_NERAI_KOMA[x][y], -999) << x << "," << y;
    }
}

TEST_F(SurveyTest, OnlyKingsAndNothingFromTheHands) {
  set_board(g, {{5, 9, -OU}, {5, 1, OU}});
  set_hand(g, true, {3, 1, 1, 1, 1, 1, 1});
  set_hand(g, false, {2, 0, 0, 0, 0, 1, 1});
  g.SITA_OU_X = g.UE_OU_X = 0;
  勢力調査(g);
  EXPECT_EQ(nonzero(g.SITA_SEIRYOKU), (Squares{{4, 8}, {4, 9}, {5, 8}, {6, 8}, {6, 9}}));
  EXPECT_EQ(nonzero(g.UE_SEIRYOKU), (Squares{{4, 1}, {4, 2}, {5, 2}, {6, 1}, {6, 2}}));
  EXPECT_EQ(g.SITA_OU_X, 5);
  EXPECT_EQ(g.UE_OU_X, 5);
}

TEST_F(SurveyTest, KingAbsentFromTheBoardKeepsItsLastSquare) {
  g.SITA_OU_X = 3, g.SITA_OU_Y = 4;
  survey({{5, 1, OU}});
  EXPECT_EQ(g.SITA_OU_X, 3);
  EXPECT_EQ(g.SITA_OU_Y, 4);
}

TEST_F(SurveyTest, EachSurveyStartsAfreshExceptTheUpperSquares) {
  survey({{5, 5, KIN}, {5, 6, -GIN}, {3, 6, SYA}, {5, 8, -KIN}, {5, 9, -OU}});
  ASSERT_EQ(g.SITA_NERAI_X[5][5], 5);
  ASSERT_EQ(g.UE_NERAI_X[5][6], 3);
  survey({});
  for (const Ban* t : {&g.SITA_SEIRYOKU, &g.UE_SEIRYOKU, &g.SITA_NERAI_X, &g.SITA_NERAI_Y,
                       &g.SITA_OUTE, &g.UE_OUTE})
    EXPECT_TRUE(nonzero(*t).empty());
  EXPECT_EQ(where(g.SITA_HIMO_KOMA, 999).size(), 81u);
  EXPECT_EQ(where(g.UE_HIMO_KOMA, 999).size(), 81u);
  EXPECT_EQ(where(g.UE_NERAI_KOMA, 999).size(), 81u);
  EXPECT_EQ(where(g.SITA_NERAI_KOMA, -999).size(), 81u);
  // The upper attacker's square stays from the survey before.
  EXPECT_EQ(g.UE_NERAI_X[5][6], 3);
  EXPECT_EQ(g.UE_NERAI_Y[5][6], 6);
}

TEST_F(SurveyTest, MostValuableLowerDefenderIsKept) {
  survey({{5, 5, -KIN}, {5, 6, -GIN}, {4, 6, -OU}});
  EXPECT_EQ(g.SITA_HIMO_KOMA[5][5], -950);
  survey({{5, 5, -KIN}, {5, 6, -GIN}, {9, 9, -OU}});
  EXPECT_EQ(g.SITA_HIMO_KOMA[5][5], -100);
  survey({{5, 5, -KIN}, {5, 6, -GIN_NARI}});
  EXPECT_EQ(g.SITA_HIMO_KOMA[5][5], -101);
}

TEST_F(SurveyTest, UpperGoldMoversDefendAsGoldWithoutSquare) {
  g.UE_HIMO_X[5][5] = 7, g.UE_HIMO_Y[5][5] = 7;
  survey({{5, 5, KIN}, {5, 4, GIN_NARI}});
  EXPECT_EQ(g.UE_HIMO_KOMA[5][5], 110);
  EXPECT_EQ(g.UE_HIMO_X[5][5], 7);
  EXPECT_EQ(g.UE_HIMO_Y[5][5], 7);
  // A knight is cheaper and stores its square.
  survey({{5, 5, KIN}, {5, 4, GIN_NARI}, {4, 3, KEI}});
  EXPECT_EQ(g.UE_HIMO_KOMA[5][5], 30);
  EXPECT_EQ(g.UE_HIMO_X[5][5], 4);
  EXPECT_EQ(g.UE_HIMO_Y[5][5], 3);
}

TEST_F(SurveyTest, CheapestLowerAttackerFirstMetOnTies) {
  // The knight on (4,7) is met after the silver on (4,6) but is cheaper.
  survey({{5, 5, KIN}, {4, 6, -GIN}, {4, 7, -KEI}});
  EXPECT_EQ(g.SITA_NERAI_KOMA[5][5], -30);
  EXPECT_EQ(g.SITA_NERAI_X[5][5], 4);
  EXPECT_EQ(g.SITA_NERAI_Y[5][5], 7);
  // Two silvers: the smaller x wins ...
  survey({{5, 5, KIN}, {6, 6, -GIN}, {4, 6, -GIN}});
  EXPECT_EQ(g.SITA_NERAI_X[5][5], 4);
  EXPECT_EQ(g.SITA_NERAI_Y[5][5], 6);
  // ... and with equal x the smaller y (the back step of the silver on (4,4)).
  survey({{5, 5, KIN}, {4, 6, -GIN}, {4, 4, -GIN}});
  EXPECT_EQ(g.SITA_NERAI_X[5][5], 4);
  EXPECT_EQ(g.SITA_NERAI_Y[5][5], 4);
  EXPECT_EQ(g.SITA_SEIRYOKU[5][5], 2);
}

TEST_F(SurveyTest, UpperStepPiecesMostlyEnterNoAttack) {
  // Gold, silver and knight count but enter nothing.
  survey({{5, 5, -KIN}, {5, 4, KIN}, {4, 4, GIN}, {6, 3, KEI}});
  EXPECT_EQ(g.UE_SEIRYOKU[5][5], 3);
  EXPECT_EQ(g.UE_NERAI_KOMA[5][5], 999);
  // The pawn enters its code but no square.
  g.UE_NERAI_X[5][5] = 8, g.UE_NERAI_Y[5][5] = 8;
  g.UE_HIMO_X[5][7] = 8;
  survey({{5, 5, -KIN}, {5, 4, HU}, {5, 7, KIN}, {5, 6, HU}});
  EXPECT_EQ(g.UE_NERAI_KOMA[5][5], 10);
  EXPECT_EQ(g.UE_NERAI_X[5][5], 8);
  EXPECT_EQ(g.UE_NERAI_Y[5][5], 8);
  EXPECT_EQ(g.UE_HIMO_KOMA[5][7], 10);
  EXPECT_EQ(g.UE_HIMO_X[5][7], 8);
}

TEST_F(SurveyTest, PromotedBishopStepsAndDiagonals) {
  // Lower: -801 on the orthogonal steps, -800 on the diagonals, for attacks and defences.
  survey({{5, 5, -KAKU_NARI}, {5, 4, HU}, {6, 4, HU}, {5, 6, -HU}, {4, 6, -HU}});
  EXPECT_EQ(g.SITA_NERAI_KOMA[5][4], -801);
  EXPECT_EQ(g.SITA_NERAI_KOMA[6][4], -800);
  EXPECT_EQ(g.SITA_HIMO_KOMA[5][6], -801);
  EXPECT_EQ(g.SITA_HIMO_KOMA[4][6], -800);
  // Upper: the orthogonal steps only count; the diagonals enter 801 with the square.
  survey({{5, 5, KAKU_NARI}, {5, 6, -HU}, {6, 6, -HU}, {4, 5, HU}, {6, 4, HU}});
  EXPECT_EQ(g.UE_SEIRYOKU[5][6], 1);
  EXPECT_EQ(g.UE_NERAI_KOMA[5][6], 999);
  EXPECT_EQ(g.UE_HIMO_KOMA[4][5], 999);
  EXPECT_EQ(g.UE_NERAI_KOMA[6][6], 801);
  EXPECT_EQ(g.UE_NERAI_X[6][6], 5);
  EXPECT_EQ(g.UE_NERAI_Y[6][6], 5);
  EXPECT_EQ(g.UE_HIMO_KOMA[6][4], 801);
}

TEST_F(SurveyTest, PromotedRookDiagonalStepsRecordFully) {
  survey({{5, 5, SYA_NARI}, {6, 6, -KIN}, {4, 4, KIN}, {5, 3, -SYA_NARI}, {4, 2, KIN}});
  EXPECT_EQ(g.UE_NERAI_KOMA[6][6], 901);
  EXPECT_EQ(g.UE_NERAI_X[6][6], 5);
  EXPECT_EQ(g.UE_NERAI_Y[6][6], 5);
  EXPECT_EQ(g.UE_HIMO_KOMA[4][4], 901);
  EXPECT_EQ(g.UE_HIMO_X[4][4], 5);
  EXPECT_EQ(g.SITA_NERAI_KOMA[4][2], -901);
  EXPECT_EQ(g.SITA_NERAI_X[4][2], 5);
  EXPECT_EQ(g.SITA_NERAI_Y[4][2], 3);
}

TEST_F(SurveyTest, KingsGiveNoCheck) {
  g.UE_HIMO_X[6][4] = 7;
  survey({{5, 5, OU}, {5, 6, -OU}, {6, 4, KIN}});
  EXPECT_EQ(g.SITA_NERAI_KOMA[5][5], -950);  // the lower king enters its attack ...
  EXPECT_EQ(g.SITA_NERAI_X[5][5], 5);
  EXPECT_EQ(g.SITA_NERAI_Y[5][5], 6);
  EXPECT_EQ(g.UE_NERAI_KOMA[5][6], 999);  // ... the upper king does not
  EXPECT_EQ(g.UE_HIMO_KOMA[6][4], 950);
  EXPECT_EQ(g.UE_HIMO_X[6][4], 7);
  EXPECT_TRUE(nonzero(g.SITA_OUTE).empty());
  EXPECT_TRUE(nonzero(g.UE_OUTE).empty());
}

TEST_F(SurveyTest, StepChecks) {
  struct Case {
    const char* what;
    std::initializer_list<Placed> board;
    bool lower;  // whose check map
    Squares nines;
  };
  const Case cases[] = {
      {"lower knight", {{5, 3, OU}, {4, 5, -KEI}}, true, {{4, 5}, {5, 3}}},
      {"upper knight", {{5, 7, -OU}, {4, 5, KEI}}, false, {{4, 5}, {5, 7}}},
      {"lower pawn", {{5, 3, OU}, {5, 4, -HU}}, true, {{5, 4}}},
      {"upper pawn", {{5, 7, -OU}, {5, 6, HU}}, false, {{5, 6}}},
      {"lower gold behind", {{5, 3, OU}, {5, 2, -KIN}}, true, {{5, 2}}},
      {"upper promoted lance", {{5, 5, -OU}, {4, 4, KYOU_NARI}}, false, {{4, 4}}},
      {"upper silver back step", {{5, 5, -OU}, {4, 6, GIN}}, false, {{4, 6}}},
      {"upper horse step", {{5, 5, -OU}, {5, 4, KAKU_NARI}}, false, {{5, 4}}},
      {"lower horse step", {{5, 5, OU}, {6, 5, -KAKU_NARI}}, true, {{6, 5}}},
      {"lower dragon diagonal", {{5, 5, OU}, {4, 6, -SYA_NARI}}, true, {{4, 6}}},
      {"two checkers", {{5, 5, -OU}, {5, 4, KIN}, {6, 3, KEI}}, false, {{5, 4}, {5, 5}, {6, 3}}},
  };
  for (const auto& c : cases) {
    survey(c.board);
    const Ban& mine = c.lower ? g.SITA_OUTE : g.UE_OUTE;
    const Ban& other = c.lower ? g.UE_OUTE : g.SITA_OUTE;
    EXPECT_EQ(nonzero(mine), c.nines) << c.what;
    EXPECT_EQ(where(mine, 9), c.nines) << c.what;
    EXPECT_TRUE(nonzero(other).empty()) << c.what;
  }
}

TEST_F(SurveyTest, UpperGoldBesideTheLowerKing) {
  survey({{5, 5, -OU}, {5, 4, KIN}});
  EXPECT_EQ(g.UE_OUTE[5][4], 9);
  EXPECT_EQ(g.UE_SEIRYOKU[5][5], 1);
  EXPECT_EQ(g.UE_NERAI_KOMA[5][5], 999);
}

TEST_F(SurveyTest, StepsAtTheEdges) {
  survey({{5, 9, GIN}});
  EXPECT_EQ(nonzero(g.UE_SEIRYOKU), (Squares{{4, 8}, {6, 8}}));
  survey({{5, 1, -GIN}});
  EXPECT_EQ(nonzero(g.SITA_SEIRYOKU), (Squares{{4, 2}, {6, 2}}));
  survey({{5, 1, -KIN}});
  EXPECT_EQ(nonzero(g.SITA_SEIRYOKU), (Squares{{4, 1}, {5, 2}, {6, 1}}));
  survey({{5, 9, KIN}});
  EXPECT_EQ(nonzero(g.UE_SEIRYOKU), (Squares{{4, 9}, {5, 8}, {6, 9}}));
  survey({{1, 2, -KEI}, {9, 8, KEI}, {1, 1, -KAKU_NARI}});
  EXPECT_TRUE(nonzero(g.UE_SEIRYOKU).empty());
  EXPECT_EQ(g.SITA_SEIRYOKU[1][2], 1);  // only the horse's step; the knight has no jump left
  // Unknown codes bear on nothing.
  survey({{5, 5, 111}, {4, 4, -111}});
  EXPECT_TRUE(nonzero(g.UE_SEIRYOKU).empty());
  EXPECT_TRUE(nonzero(g.SITA_SEIRYOKU).empty());
}

TEST_F(SurveyTest, RookLineThroughTheEnemyKing) {
  survey({{5, 7, -SYA}, {5, 3, OU}, {5, 1, KIN}});
  for (int y : {1, 2, 3, 4, 5, 6, 8, 9}) EXPECT_EQ(g.SITA_SEIRYOKU[5][y], 1) << y;
  EXPECT_EQ(g.SITA_NERAI_KOMA[5][3], -900);
  EXPECT_EQ(g.SITA_NERAI_KOMA[5][1], -900);
  EXPECT_EQ(g.SITA_NERAI_Y[5][1], 7);
  EXPECT_EQ(where(g.SITA_OUTE, 1), (Squares{{5, 4}, {5, 5}, {5, 6}}));
  EXPECT_EQ(where(g.SITA_OUTE, 9), (Squares{{5, 7}}));
  EXPECT_EQ(g.SITA_OUTE[5][2], 0);
  // A silver in between stops the line; no check.
  survey({{5, 7, -SYA}, {5, 5, -GIN}, {5, 3, OU}, {5, 1, KIN}});
  EXPECT_EQ(g.SITA_HIMO_KOMA[5][5], -900);
  EXPECT_EQ(g.SITA_SEIRYOKU[5][3], 0);
  EXPECT_EQ(g.SITA_SEIRYOKU[5][4], 1);  // the silver's own step
  EXPECT_TRUE(nonzero(g.SITA_OUTE).empty());
}

TEST_F(SurveyTest, SideLinesThroughTheEnemyKing) {
  survey({{1, 5, -SYA}, {5, 5, OU}, {8, 5, GIN}});
  EXPECT_EQ(where(g.SITA_OUTE, 1), (Squares{{2, 5}, {3, 5}, {4, 5}}));
  EXPECT_EQ(where(g.SITA_OUTE, 9), (Squares{{1, 5}}));
  EXPECT_EQ(g.SITA_SEIRYOKU[8][5], 1);
  EXPECT_EQ(g.SITA_SEIRYOKU[9][5], 0);
  survey({{9, 5, SYA_NARI}, {5, 5, -OU}});
  EXPECT_EQ(where(g.UE_OUTE, 1), (Squares{{6, 5}, {7, 5}, {8, 5}}));
  EXPECT_EQ(where(g.UE_OUTE, 9), (Squares{{9, 5}}));
  EXPECT_EQ(g.UE_SEIRYOKU[1][5], 1);
  EXPECT_EQ(g.UE_NERAI_KOMA[5][5], 901);
}

TEST_F(SurveyTest, UpperLanceChecksAndCountsBehindTheKing) {
  survey({{3, 2, KYOU}, {3, 6, -OU}, {3, 8, -KIN}});
  EXPECT_EQ(where(g.UE_OUTE, 1), (Squares{{3, 3}, {3, 4}, {3, 5}}));
  EXPECT_EQ(where(g.UE_OUTE, 9), (Squares{{3, 2}}));
  EXPECT_EQ(g.UE_SEIRYOKU[3][7], 1);
  EXPECT_EQ(g.UE_SEIRYOKU[3][8], 1);
  EXPECT_EQ(g.UE_SEIRYOKU[3][9], 0);
  EXPECT_EQ(g.UE_NERAI_KOMA[3][6], 20);
  EXPECT_EQ(g.UE_NERAI_Y[3][6], 2);
  EXPECT_EQ(g.UE_NERAI_KOMA[3][8], 20);
  EXPECT_EQ(g.UE_SEIRYOKU[3][1], 0);  // the lance looks forward only
}

TEST_F(SurveyTest, LancesOnTheFarRowRecordNothing) {
  survey({{5, 1, -KYOU}, {5, 9, KYOU}});
  EXPECT_TRUE(nonzero(g.SITA_SEIRYOKU).empty());
  EXPECT_TRUE(nonzero(g.UE_SEIRYOKU).empty());
}

TEST_F(SurveyTest, OwnKingBlocksTheLine) {
  survey({{5, 9, -SYA}, {5, 5, -OU}, {5, 1, OU}});
  EXPECT_EQ(g.SITA_HIMO_KOMA[5][5], -900);
  EXPECT_EQ(g.SITA_SEIRYOKU[5][4], 1);  // the king's step only
  EXPECT_EQ(g.SITA_SEIRYOKU[5][1], 0);
  EXPECT_TRUE(nonzero(g.SITA_OUTE).empty());
}

TEST_F(SurveyTest, BishopDiagonals) {
  // Upper bishop checking along the long diagonal; the line runs on behind the king.
  survey({{8, 2, KAKU}, {4, 6, -OU}, {2, 8, -GIN}});
  EXPECT_EQ(where(g.UE_OUTE, 1), (Squares{{5, 5}, {6, 4}, {7, 3}}));
  EXPECT_EQ(where(g.UE_OUTE, 9), (Squares{{8, 2}}));
  EXPECT_EQ(g.UE_SEIRYOKU[3][7], 1);
  EXPECT_EQ(g.UE_SEIRYOKU[2][8], 1);
  EXPECT_EQ(g.UE_SEIRYOKU[1][9], 0);
  EXPECT_EQ(g.UE_NERAI_KOMA[2][8], 800);
  EXPECT_EQ(g.UE_NERAI_X[2][8], 8);
  // Lower bishop whose up-right diagonal meets an upper piece.
  survey({{2, 8, -KAKU}, {5, 5, KIN}});
  EXPECT_EQ(nonzero(g.SITA_SEIRYOKU), (Squares{{1, 7}, {1, 9}, {3, 7}, {3, 9}, {4, 6}, {5, 5}}));
  EXPECT_EQ(g.SITA_NERAI_KOMA[5][5], -800);
  EXPECT_EQ(g.SITA_NERAI_X[5][5], 2);
  EXPECT_EQ(g.SITA_NERAI_Y[5][5], 8);
  // Lower bishop checking down-left, upper promoted bishop checking up-right.
  survey({{5, 5, -KAKU}, {2, 8, OU}});
  EXPECT_EQ(where(g.SITA_OUTE, 1), (Squares{{3, 7}, {4, 6}}));
  EXPECT_EQ(where(g.SITA_OUTE, 9), (Squares{{5, 5}}));
  EXPECT_EQ(g.SITA_SEIRYOKU[1][9], 1);
  survey({{2, 8, KAKU_NARI}, {5, 5, -OU}});
  EXPECT_EQ(where(g.UE_OUTE, 1), (Squares{{3, 7}, {4, 6}}));
  EXPECT_EQ(where(g.UE_OUTE, 9), (Squares{{2, 8}}));
  EXPECT_EQ(g.UE_NERAI_KOMA[5][5], 801);
  EXPECT_EQ(g.UE_SEIRYOKU[9][1], 1);
}

}  // namespace
