// The computer player's signature: for every corpus position and every level, the move it
// chooses under the game's own rules and its score, exact to the last bit. Any change that alters
// one decision shows here. The table is written by `make_corpus --signature bench/corpus.sfen`.
#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "com/com.h"
#include "usi/usi.h"

namespace {

struct Row {
  int level = 0;
  std::string move;
  double score = 0;
  std::string sfen;
};

std::vector<Row> read_signature() {
  std::vector<Row> rows;
  std::ifstream in(MIZUHANE_SIGNATURE);
  std::string line;
  while (std::getline(in, line)) {
    Row r;
    std::istringstream words(line);
    std::string score;
    words >> r.level >> r.move >> score;
    std::getline(words >> std::ws, r.sfen);
    std::from_chars(score.data(), score.data() + score.size(), r.score);
    rows.push_back(r);
  }
  return rows;
}

TEST(Signature, CoversEveryCorpusPositionAtEveryLevel) {
  std::set<std::string> pinned;
  for (const auto& r : read_signature()) pinned.insert(std::to_string(r.level) + ' ' + r.sfen);
  std::ifstream in(MIZUHANE_CORPUS);
  std::string line;
  int positions = 0;
  while (std::getline(in, line)) {
    ++positions;
    for (int level = 1; level <= 3; ++level)
      EXPECT_TRUE(pinned.count(std::to_string(level) + ' ' + line)) << level << ' ' << line;
  }
  EXPECT_GE(positions, 60);
  EXPECT_EQ(pinned.size(), 3u * positions);
}

TEST(Signature, TheComputerStillChoosesExactlyThePinnedMoves) {
  for (const auto& r : read_signature()) {
    const auto p = parse_sfen(r.sfen);
    ASSERT_TRUE(p.ok()) << r.sfen << ": " << p.error;
    const BestMove best = decide(p.value, r.level, Rules::Mizuhane, com_search);
    const UsiMove move = map_back(best, p.value);
    const std::string chosen = best.found ? to_usi(move) : "resign";
    EXPECT_EQ(chosen, r.move) << "level " << r.level << ": " << r.sfen;
    EXPECT_EQ(best.score, r.score)
        << "level " << r.level << ": " << r.sfen << " scored " << exact_score(best.score);
    if (best.found) {
      EXPECT_EQ(move_error(p.value, move, true), "") << chosen << " in " << r.sfen;
    }
  }
}

}  // namespace
