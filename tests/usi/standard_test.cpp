// Standard shogi's rules on top of the game's own: which moves they forbid, and that under
// them the computer plays its best move among those they allow, every one of them scored
// exactly as the game's computer scores it.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/null_port.h"
#include "usi/usi.h"

namespace {

struct Case {
  const char* sfen;
  const char* move;
  const char* error;  // empty when standard shogi allows the move
};

TEST(StandardRules, ForbidLeavingTheKingInCheckAndMatingByAPawnDrop) {
  const Case cases[] = {
      // A gold pinned by a rook on its king's file may move along the file, not aside.
      {"4k4/4g4/9/9/9/9/9/9/K3R4 w - 1", "5b6b", "that leaves the king in check"},
      {"4k4/4g4/9/9/9/9/9/9/K3R4 w - 1", "5b5c", ""},
      {"4k4/4g4/9/9/9/9/9/9/K3R4 w - 1", "5a6a", ""},
      // A bishop pinned on a diagonal, a king stepping next to the other king or into the
      // jump of a knight.
      {"8k/9/9/9/4b4/9/9/1B7/K8 w - 1", "5e4f", "that leaves the king in check"},
      {"8k/9/9/9/4b4/9/9/1B7/K8 w - 1", "5e4d", ""},
      {"9/9/9/9/4k4/9/4K4/9/9 w - 1", "5e5f", "that leaves the king in check"},
      {"9/9/9/4k4/9/9/3N5/9/K8 w - 1", "5d5e", "that leaves the king in check"},
      {"9/9/9/4k4/9/9/3N5/9/K8 w - 1", "5d4d", ""},
      // In check from a lance: block it or step out of its file; nothing else.
      {"4k4/9/9/9/9/9/9/4L4/K8 w g 1", "G*5e", ""},
      {"4k4/9/9/9/9/9/9/4L4/K8 w g 1", "G*1e", "that leaves the king in check"},
      {"4k4/9/9/9/9/9/9/4L4/K8 w g 1", "5a4b", ""},
      {"4k4/9/9/9/9/9/9/4L4/K8 w g 1", "5a5b", "that leaves the king in check"},
      // A pawn dropped in front of the king in the corner, guarded by a gold, with a knight
      // on the last escape: mate, which a pawn drop may not give.
      {"8k/9/6NG1/9/9/9/9/9/K8 b P 1", "P*1b", "a pawn drop may not give mate"},
      // The same mate by a silver drop or by a pawn moving up is allowed.
      {"8k/9/6NG1/9/9/9/9/9/K8 b S 1", "S*1b", ""},
      {"8k/9/6NGP/9/9/9/9/9/K8 b - 1", "1c1b", ""},
      // A mere check by a pawn drop: golds take the pawn, or the king takes it.
      {"3gkg3/9/4G4/9/9/9/9/9/K8 b P 1", "P*5b", ""},
      {"4k4/9/9/9/9/9/9/9/K8 b P 1", "P*5b", ""},
      // The golds that could take the pawn are pinned to their king by rooks: mate again.
      {"R2gkg2R/9/4G4/9/9/9/9/9/K8 b P 1", "P*5b", "a pawn drop may not give mate"},
  };
  for (const auto& c : cases) {
    const auto p = parse_sfen(c.sfen);
    ASSERT_TRUE(p.ok()) << c.sfen << ": " << p.error;
    const auto m = parse_move(c.move);
    ASSERT_TRUE(m.ok()) << c.move;
    ASSERT_EQ(move_error(p.value, m.value), "") << c.move << " in " << c.sfen;
    EXPECT_EQ(standard_error(p.value, m.value), c.error) << c.move << " in " << c.sfen;
  }
}

TEST(StandardRules, AMatedSideHasNoMoveAndTheEngineResigns) {
  // Mated by a gold drop: the game's rules still let the king walk into check.
  const Position p = parse_sfen("4k4/4G4/4P4/9/9/9/9/9/K8 w - 1").value;
  EXPECT_FALSE(legal_moves(p).empty());
  EXPECT_TRUE(standard_moves(p).empty());
  EXPECT_FALSE(decide(p, 3, Rules::Standard, com_search).found);
  EXPECT_TRUE(decide(p, 3, Rules::Mizuhane, com_search).found);
}

// One candidate of the search, named in the search's own board, that a filter picks out.
UsiMove picked;
bool is_picked(int fx, int fy, int tx, int ty) {
  const bool drop = fx == UE_STAND_X;
  return drop == picked.drop && tx == picked.tx && ty == picked.ty &&
         (drop ? fy == picked.kind : fx == picked.fx && fy == picked.fy);
}
bool only_picked(const Game&, int fx, int fy, int tx, int ty, int) {
  return is_picked(fx, fy, tx, ty);
}
bool all_but_picked(const Game&, int fx, int fy, int tx, int ty, int) {
  return !is_picked(fx, fy, tx, ty);
}

// The search on the search's own board (upper side to move) with a filter.
BestMove search_with(const Position& q, int level, const UsiMove& m, MoveFilter filter) {
  NullPort port;
  Game g(port);
  g.COM_LEVEL = static_cast<int16_t>(level);
  load_for_search(g, q);
  picked = m;
  return com_search(g, filter);
}

struct Candidate {
  UsiMove move;     // the unpromoted move where both are allowed: the search chooses
  BestMove scored;  // the search's answer when only this candidate is let through
  bool standard;    // standard shogi allows it
};

// Every candidate of the search in its order, each scored by a search that lets nothing else
// through.
std::vector<Candidate> candidates(const Position& q, int level) {
  std::vector<Candidate> out;
  for (const UsiMove& m : legal_moves(q)) {
    if (m.promote && !m.drop && move_error(q, {false, 0, m.fx, m.fy, m.tx, m.ty}).empty())
      continue;  // the same candidate as the unpromoted move
    out.push_back({m, search_with(q, level, m, only_picked), standard_error(q, m).empty()});
  }
  return out;
}

// The first best of the candidates `keep` lets through, as the search takes it.
template <class Keep>
BestMove first_best(const std::vector<Candidate>& all, Keep keep) {
  BestMove best;
  for (const auto& c : all)
    if (keep(c) && (!best.found || c.scored.score > best.score)) best = c.scored;
  return best;
}

void expect_same(const BestMove& got, const BestMove& want, const Position& q, const char* what) {
  ASSERT_EQ(got.found, want.found) << what << ": " << to_sfen(q);
  if (!want.found) return;
  EXPECT_EQ(to_usi(map_back(got, q)), to_usi(map_back(want, q))) << what << ": " << to_sfen(q);
  EXPECT_EQ(got.score, want.score) << what << ": " << to_sfen(q);
}

TEST(StandardRules, TheChoiceIsTheBestAllowedCandidateWithItsOwnScore) {
  std::ifstream in(MIZUHANE_CORPUS);
  std::string line;
  int positions = 0, different = 0;
  while (std::getline(in, line)) {
    const auto p = parse_sfen(line);
    ASSERT_TRUE(p.ok()) << line;
    ++positions;
    // The search's own board: the upper side to move.
    const Position q = p.value.lower_to_move ? turned(p.value) : p.value;
    for (int level = 1; level <= 3; ++level) {
      const auto all = candidates(q, level);
      // The game's own choice is the first best of all, each with the score it has alone.
      const BestMove own = decide(p.value, level, Rules::Mizuhane, com_search);
      expect_same(own, first_best(all, [](const Candidate&) { return true; }), q, "own rules");
      // Under standard shogi, the first best of those it allows.
      const BestMove standard = decide(p.value, level, Rules::Standard, com_search);
      expect_same(standard, first_best(all, [](const Candidate& c) { return c.standard; }), q,
                  "standard");
      different += standard.found != own.found || standard.score != own.score;
      // Refusing the game's own choice leaves every other candidate its score: the search
      // then takes the first best of the rest.
      if (!own.found) continue;
      const UsiMove choice = map_back(own, q);
      const BestMove rest = search_with(q, level, choice, all_but_picked);
      expect_same(rest,
                  first_best(all,
                             [&](const Candidate& c) {
                               return !(c.move.drop == choice.drop && c.move.tx == choice.tx &&
                                        c.move.ty == choice.ty && c.move.fx == choice.fx &&
                                        c.move.fy == choice.fy && c.move.kind == choice.kind);
                             }),
                  q, "without the game's choice");
    }
  }
  EXPECT_GE(positions, 60);
  std::cout << different << " of " << 3 * positions
            << " corpus decisions differ between standard shogi and the game's own rules\n";
}

}  // namespace
