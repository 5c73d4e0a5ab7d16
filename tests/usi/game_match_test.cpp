// The engine under the game's own rules decides as the game's computer does in a game: whole
// games are played through the window's handlers against the computer, and at each of its
// turns the engine is asked, as a GUI would ask it, about the position the computer faced,
// as it stands and turned round. Move and exact score must agree every time.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

#include "tests/support/game_fixture.h"
#include "usi/usi.h"

namespace {

Position position_of(const Game& g, bool lower_to_move) {
  Position p;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) p.ban[x][y] = g.BAN[x][y];
  for (int i = 1; i <= 7; ++i) {
    p.sita[i] = g.SITA_MOCHI[i];
    p.ue[i] = g.UE_MOCHI[i];
  }
  p.lower_to_move = lower_to_move;
  return p;
}

// The computer's last move from the move list, as a move of the upper side.
UsiMove last_move(const Game& g) {
  const int n = g.KIFU_IDX;
  BestMove b;
  b.fx = g.KIFU_MOTO_X[n];
  b.fy = g.KIFU_MOTO_Y[n];
  b.tx = g.KIFU_SAKI_X[n];
  b.ty = g.KIFU_SAKI_Y[n];
  b.koma = g.KIFU_KOMA[n];
  b.placed = g.KIFU_NARIGO[n];
  Position upper;
  upper.lower_to_move = false;
  return map_back(b, upper);
}

// The same move seen from the other side of the board.
UsiMove turned_move(UsiMove m) {
  if (!m.drop) {
    m.fx = 10 - m.fx;
    m.fy = 10 - m.fy;
  }
  m.tx = 10 - m.tx;
  m.ty = 10 - m.ty;
  return m;
}

class EngineInGame : public GameTest,
                     public testing::WithParamInterface<std::tuple<int, bool, unsigned>> {
 protected:
  std::ostringstream out;
  UsiEngine engine{out, com_search};
  int turns = 0;

  // Asks the engine about `p` and checks its answer against the game's move and score.
  void compare(const Position& p, const UsiMove& expected, double score) {
    std::istringstream in("position sfen " + to_sfen(p) + "\ngo\n");
    out.str("");
    engine.run(in);
    const std::string want = "info string score " + exact_score(score) + "\ninfo depth 1 nodes ";
    const std::string reply = out.str();
    EXPECT_TRUE(reply.starts_with(want)) << reply << "wanted " << want << to_sfen(p);
    EXPECT_TRUE(reply.ends_with("bestmove " + to_usi(expected) + "\n"))
        << reply << "wanted " << to_usi(expected) << " in " << to_sfen(p);
  }

  // The computer has just moved from `before` (upper side to move): ask the engine.
  void check_turn(const Position& before) {
    ++turns;
    const UsiMove move = last_move(g);
    compare(before, move, g.SAIKOU_TEN);
    compare(turned(before), turned_move(move), g.SAIKOU_TEN);
    // The move list and the board agree with the position the engine was asked about.
    Position after = before;
    play_move(after, move);
    if (g.OU_TORI == 0) {
      EXPECT_EQ(after, position_of(g, true)) << to_sfen(before);
    }
  }
};

TEST_P(EngineInGame, EveryComputerTurnIsTheEnginesDecision) {
  const auto [level, human_first, seed] = GetParam();
  std::mt19937 rng(seed * 6 + level * 2 + human_first);
  engine.handle("setoption name Rules value Mizuhane");
  engine.handle("setoption name Level value " + std::to_string(level));
  レベル_設定(g, level);
  if (human_first) {
    SENTE_Click(g);
  } else {
    const Position start = [] {
      Position p = start_position();
      p.lower_to_move = false;
      return p;
    }();
    GOTE_Click(g);
    ASSERT_EQ(g.TESUU, 1);
    check_turn(start);
  }
  // The human mostly plays what the computer itself would play in its place, which makes
  // for long games, and otherwise a random move that keeps its king out of check if it can.
  while (g.OU_TORI == 0 && g.TESUU < 200 && !HasFailure()) {
    ASSERT_EQ(g.TEBAN, g.MAN_TEBAN);
    const Position before = position_of(g, true);
    auto moves = standard_moves(before);
    if (moves.empty()) moves = legal_moves(before);
    if (moves.empty()) break;
    UsiMove m = moves[rng() % moves.size()];
    if (rng() % 4 != 0) {
      const BestMove best = decide(before, 1 + rng() % 3, Rules::Standard, com_search);
      if (best.found) m = map_back(best, before);
    }
    Position after = before;
    play_move(after, m);
    const int tesuu = g.TESUU;
    click(m.drop ? SITA_STAND_X : m.fx, m.drop ? m.kind + 2 : m.fy);
    click(m.tx, m.ty, m.promote ? BTN_RIGHT : BTN_LEFT);
    ASSERT_GT(g.TESUU, tesuu) << "the game refused " << to_usi(m) << " in " << to_sfen(before);
    if (g.TESUU == tesuu + 2) check_turn(after);
    port.clearLogs();
  }
  EXPECT_GE(turns, 5);
}

INSTANTIATE_TEST_SUITE_P(Games, EngineInGame,
                         testing::Combine(testing::Values(1, 2, 3), testing::Bool(),
                                          testing::Range(0u, 6u)));

}  // namespace
