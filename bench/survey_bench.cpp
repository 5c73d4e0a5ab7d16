// How long one influence survey and one mate test of the lower king take. The computer runs
// both once for every candidate move it scores, so these two set the pace of its search.
// Positions come from seeded random play, so every run measures the same boards.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "com/com.h"
#include "platform/null_port.h"
#include "rules/mate.h"
#include "rules/rules.h"
#include "tests/support/random_play.h"

namespace {

struct Position {
  const char* name;
  Ban ban;
  int16_t sita[8], ue[8];
  int16_t sita_su, ue_su;
};

Position snapshot(const char* name, const Game& g) {
  Position p{name, {}, {}, {}, g.SITA_MOCHI_SU, g.UE_MOCHI_SU};
  std::memcpy(p.ban, g.BAN, sizeof(Ban));
  std::memcpy(p.sita, g.SITA_MOCHI, sizeof p.sita);
  std::memcpy(p.ue, g.UE_MOCHI, sizeof p.ue);
  return p;
}

void load(Game& g, const Position& p) {
  std::memcpy(g.BAN, p.ban, sizeof(Ban));
  std::memcpy(g.SITA_MOCHI, p.sita, sizeof p.sita);
  std::memcpy(g.UE_MOCHI, p.ue, sizeof p.ue);
  g.SITA_MOCHI_SU = p.sita_su;
  g.UE_MOCHI_SU = p.ue_su;
  調査_2歩フラグ設定(g);
  勢力調査(g);
}

bool lower_king_attacked(const Game& g) {
  return g.UE_SEIRYOKU[g.SITA_OU_X][g.SITA_OU_Y] > 0;
}

// Survey positions: the opening, then games of growing length from an ordinary opening with
// pawns. Mate-test positions: the lower king at rest, in check with a way out, and mated (the
// slowest case: every drop, escape and board defence is tried).
struct Corpus {
  std::vector<Position> survey;
  Position mate[3]{};
  bool found[3] = {false, false, false};
  Corpus() {
    NullPort port;
    Game g{port};
    lay_out_initial_position(g);
    survey.push_back(snapshot("opening", g));
    std::mt19937 rng(1234);
    add_standard_pawns(g);
    random_play(g, rng, 40);
    survey.push_back(snapshot("40 plies", g));
    random_play(g, rng, 40);
    survey.push_back(snapshot("80 plies", g));
    random_play(g, rng, 80);
    survey.push_back(snapshot("160 plies", g));

    // The first position of each kind met after move 40 of seeded games.
    const char* names[3] = {"king at rest", "king in check", "king mated"};
    for (int game = 0; game < 200 && !(found[0] && found[1] && found[2]); ++game) {
      lay_out_initial_position(g);
      add_standard_pawns(g);
      bool lower = true;
      for (int ply = 0; ply < 200; ++ply) {
        random_move(g, rng, lower);
        lower = !lower;
        if (ply < 40) continue;
        調査_2歩フラグ設定(g);
        勢力調査(g);
        const int kind = !lower_king_attacked(g) ? 0 : 詰めかMAN(g) == 0 ? 1 : 2;
        if (found[kind]) continue;
        found[kind] = true;
        mate[kind] = snapshot(names[kind], g);
      }
    }
  }
};

const Corpus& corpus() {
  static const Corpus c;
  return c;
}

void BM_Survey(benchmark::State& state) {
  const Position& p = corpus().survey.at(static_cast<std::size_t>(state.range(0)));
  NullPort port;
  Game g{port};
  load(g, p);
  state.SetLabel(p.name);
  for (auto _ : state) {
    勢力調査(g);
    benchmark::DoNotOptimize(g.SITA_SEIRYOKU);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Survey)->DenseRange(0, 3);

void BM_MateMan(benchmark::State& state) {
  const auto i = static_cast<std::size_t>(state.range(0));
  if (!corpus().found[i]) {
    state.SkipWithError("no such position in the seeded games");
    return;
  }
  NullPort port;
  Game g{port};
  load(g, corpus().mate[i]);
  state.SetLabel(corpus().mate[i].name);
  for (auto _ : state) {
    benchmark::DoNotOptimize(詰めかMAN(g));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MateMan)->DenseRange(0, 2);

}  // namespace

BENCHMARK_MAIN();
