// make_corpus: the positions the computer player is measured and pinned on.
//
//   make_corpus > bench/corpus.sfen
//       Plays seeded random games under the game's own rules and writes one middle-game
//       position a line, in SFEN: half from this game's start (no pawns), half from the
//       ordinary shogi start with pawns, both sides to move.
//   make_corpus --signature bench/corpus.sfen > tests/data/signature.txt
//       Runs the computer player (the game's own rules) on every position at levels 1 to 3
//       and writes its choice:
//       "<level> <move> <score> <sfen>", the score exact to the last bit.
//
// The random numbers are the raw output of a fixed-seed mt19937, so every compiler and
// standard library gives the same corpus.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <string>

#include "usi/usi.h"

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kGames = 72;
constexpr int kMinPlies = 20;
constexpr int kMaxPlies = 80;

int pick(std::mt19937& rng, std::size_t n) {
  return static_cast<int>(rng() % n);
}

// True when the side to move could take the other king: random play may leave a king hanging
// (the rules allow it), but such a position is decided at once and says little.
bool king_hangs(const Position& p) {
  const int king = p.lower_to_move ? 950 : -950;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) {
      if (p.ban[x][y] != king) continue;
      for (int fx = 1; fx <= 9; ++fx)
        for (int fy = 1; fy <= 9; ++fy)
          for (const bool promote : {false, true})
            if (move_error(p, {false, 0, fx, fy, x, y, promote}, true).empty()) return true;
    }
  return false;
}

// One random move of the side to move; a drop about one time in four when both exist. False
// when the side has nothing to play.
bool random_move(Position& p, std::mt19937& rng) {
  const auto all = legal_moves(p);
  std::vector<UsiMove> moves, drops;
  for (const auto& m : all) (m.drop ? drops : moves).push_back(m);
  if (all.empty()) return false;
  const bool drop = moves.empty() || (!drops.empty() && pick(rng, 4) == 0);
  const auto& from = drop ? drops : moves;
  play_move(p, from[pick(rng, from.size())]);
  return true;
}

int write_corpus() {
  std::mt19937 rng(kSeed);
  const Position standard =
      parse_sfen("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1").value;
  std::set<std::string> seen;
  for (int game = 0; static_cast<int>(seen.size()) < kGames; ++game) {
    Position p = game % 2 ? standard : start_position();
    const int plies = kMinPlies + pick(rng, kMaxPlies - kMinPlies + 1);
    int ply = 0;
    while (ply < plies && random_move(p, rng)) ++ply;
    // Play on a little while the side to move could simply take the king.
    while (king_hangs(p) && ply < plies + 10 && random_move(p, rng)) ++ply;
    if (king_hangs(p)) continue;
    const std::string sfen = to_sfen(p, ply + 1);
    if (seen.insert(sfen.substr(0, sfen.rfind(' '))).second) std::cout << sfen << '\n';
  }
  return 0;
}

int write_signature(const char* corpus) {
  std::ifstream in(corpus);
  if (!in) {
    std::cerr << "make_corpus: cannot read " << corpus << '\n';
    return 1;
  }
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    const auto p = parse_sfen(line);
    if (!p.ok()) {
      std::cerr << "make_corpus: line " << n + 1 << ": " << p.error << '\n';
      return 1;
    }
    ++n;
    for (int level = 1; level <= 3; ++level) {
      const BestMove best = decide(p.value, level, Rules::Mizuhane, com_search);
      const std::string move = best.found ? to_usi(map_back(best, p.value)) : "resign";
      std::cout << level << ' ' << move << ' ' << exact_score(best.score) << ' ' << line << '\n';
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 1) return write_corpus();
  if (argc == 3 && std::string(argv[1]) == "--signature") return write_signature(argv[2]);
  std::cerr << "usage: make_corpus [--signature corpus.sfen]\n";
  return 2;
}
