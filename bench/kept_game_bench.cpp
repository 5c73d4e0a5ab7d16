// What keeping the game costs after a move: the record's bytes, and the whole write of
// 前回の対局.棋譜 through a temporary file, its flush to the disk and the rename. The game is
// written into a scratch folder made in the current folder, so the write reaches the same kind
// of disk as the settings file rather than a memory-backed /tmp.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/null_port.h"
#include "record/record.h"
#include "rules/rules.h"

namespace {

// A game of `moves` moves as the move list holds it: the two kings stepping to and fro, with
// clocks that grow, which gives every column of a move line a realistic width.
void fill_move_list(Game& g, int moves) {
  lay_out_initial_position(g);
  for (int n = 1; n <= moves; ++n) {
    const bool lower = n % 2 == 1;
    const int16_t king = lower ? -OU : OU;
    const bool out = (n - 1) / 2 % 2 == 0;
    g.KIFU_MOTO_X[n] = g.KIFU_SAKI_X[n] = 5;
    g.KIFU_MOTO_Y[n] = static_cast<int16_t>(lower ? (out ? 9 : 8) : (out ? 1 : 2));
    g.KIFU_SAKI_Y[n] = static_cast<int16_t>(lower ? (out ? 8 : 9) : (out ? 2 : 1));
    g.KIFU_KOMA[n] = g.KIFU_NARIGO[n] = king;
    g.KIFU_TORI[n] = 0;
    g.KIFU_SITA_MAE[n] = g.KIFU_SITA_ATO[n] = 7.5f * static_cast<float>(n);
    g.KIFU_UE_MAE[n] = g.KIFU_UE_ATO[n] = 3.25f * static_cast<float>(n);
  }
  g.KIFU_IDX = g.KIFU_SU = static_cast<int16_t>(moves);
}

class ScratchFolder {
 public:
  ScratchFolder()
      : path_(std::filesystem::current_path() /
              ("kept-game-bench-" + std::to_string(std::random_device()()))) {
    std::filesystem::create_directory(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void BM_RecordBytes(benchmark::State& state) {
  NullPort port;
  Game g{port};
  fill_move_list(g, static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(record_bytes(g, "前回の対局", "", ""));
}
BENCHMARK(BM_RecordBytes)->Arg(1)->Arg(100)->Arg(500)->Unit(benchmark::kMicrosecond);

void BM_KeepGame(benchmark::State& state) {
  const ScratchFolder folder;
  NullPort port;
  Game g{port};
  g.settingsFolder = folder.path();
  fill_move_list(g, static_cast<int>(state.range(0)));
  const Flush flush = state.range(1) == 1 ? Flush::ToDisk : Flush::ToSystem;
  for (auto _ : state) keep_game(g, flush);
  if (!std::filesystem::is_regular_file(kept_game_file(g))) state.SkipWithError("not written");
}
// Second argument 0: after a move, as the player plays; 1: at shut-down, flushed to the disk.
BENCHMARK(BM_KeepGame)->ArgsProduct({{1, 100, 500}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
