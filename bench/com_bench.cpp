// How fast the computer player decides: every corpus position, one decision each, at each level,
// from a fresh game object loaded as the USI engine loads it. One iteration is one pass over
// the corpus; the counters give the median single decision (wall clock and processor time) and
// the candidates scored per second over all decisions timed.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "usi/usi.h"

namespace {

const std::vector<Position>& corpus() {
  static const std::vector<Position> positions = [] {
    std::vector<Position> out;
    std::ifstream in(MIZUHANE_CORPUS);
    std::string line;
    while (std::getline(in, line))
      if (const auto p = parse_sfen(line); p.ok()) out.push_back(p.value);
    return out;
  }();
  return positions;
}

double median(std::vector<double>& v) {
  std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
  return v[v.size() / 2];
}

// Processor time of this thread: on a machine shared with other work it shows the search's
// own cost, where the wall clock also counts the time the thread waited for a core.
double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void BM_ComDecision(benchmark::State& state) {
  const int level = static_cast<int>(state.range(0));
  const Rules rules = state.range(1) == 0 ? Rules::Mizuhane : Rules::Standard;
  const auto& positions = corpus();
  if (positions.empty()) {
    state.SkipWithError("corpus " MIZUHANE_CORPUS " is empty or missing");
    return;
  }
  std::vector<double> wall, cpu;
  double wall_total = 0, cpu_total = 0;
  long long candidates = 0;
  for (auto _ : state) {
    for (const auto& p : positions) {
      const double cpu_start = cpu_seconds();
      const auto start = std::chrono::steady_clock::now();
      const BestMove best = decide(p, level, rules, com_search);
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      const double cpu_took = cpu_seconds() - cpu_start;
      benchmark::DoNotOptimize(best);
      wall.push_back(took.count());
      cpu.push_back(cpu_took);
      wall_total += took.count();
      cpu_total += cpu_took;
      candidates += best.candidates;
    }
  }
  const auto n = static_cast<double>(wall.size());
  state.counters["median_us"] = median(wall) * 1e6;
  state.counters["median_cpu_us"] = median(cpu) * 1e6;
  state.counters["mean_us"] = wall_total / n * 1e6;
  state.counters["candidates_per_s"] = static_cast<double>(candidates) / wall_total;
  state.counters["candidates_per_cpu_s"] = static_cast<double>(candidates) / cpu_total;
  state.counters["decisions"] = n;
}

}  // namespace

// Second argument: 0 the game's own rules, 1 standard shogi (the USI engine's default), which
// adds the test of every candidate against standard shogi's rules.
BENCHMARK(BM_ComDecision)
    ->ArgNames({"level", "standard"})
    ->ArgsProduct({{1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
