#include "tests/support/random_play.h"

#include <vector>

#include "rules/rules.h"

namespace {

struct Candidate {
  int fx, fy, tx, ty, koma;
};

int pick(std::mt19937& rng, std::size_t n) {
  return static_cast<int>(rng() % n);
}

}  // namespace

void add_standard_pawns(Game& g) {
  for (int x = 1; x <= BAN_N; ++x) {
    g.BAN[x][3] = HU;
    g.BAN[x][7] = -HU;
  }
}

bool random_move(Game& g, std::mt19937& rng, bool lower) {
  std::vector<Candidate> moves, drops;
  const int side = lower ? -1 : 1;
  for (int fx = 1; fx <= BAN_N; ++fx)
    for (int fy = 1; fy <= BAN_N; ++fy) {
      const int koma = g.BAN[fx][fy];
      if (koma * side < 10) continue;
      for (int tx = 1; tx <= BAN_N; ++tx)
        for (int ty = 1; ty <= BAN_N; ++ty)
          if (g.BAN[tx][ty] != OU && g.BAN[tx][ty] != -OU &&
              移動チェック(g, fx, fy, tx, ty, koma) == 1)
            moves.push_back({fx, fy, tx, ty, koma});
    }
  調査_2歩フラグ設定(g);
  const int16_t* hand = lower ? g.SITA_MOCHI : g.UE_MOCHI;
  for (int i = 1; i <= 7; ++i) {
    if (hand[i] <= 0) continue;
    const int koma = side * MOCHI_KOMA[i];
    const int fx = lower ? SITA_STAND_X : UE_STAND_X;
    const int fy = lower ? i + 2 : i;
    for (int tx = 1; tx <= BAN_N; ++tx)
      for (int ty = 1; ty <= BAN_N; ++ty)
        if (移動チェック(g, fx, fy, tx, ty, koma) == 1) drops.push_back({fx, fy, tx, ty, koma});
  }
  if (moves.empty() && drops.empty()) return false;
  const bool drop = moves.empty() || (!drops.empty() && pick(rng, 4) == 0);
  const Candidate c = drop ? drops[pick(rng, drops.size())] : moves[pick(rng, moves.size())];
  int placed = c.koma;
  if (!drop && 調査_駒成(g, c.fx, c.fy, c.tx, c.ty, c.koma) == 1 &&
      (移動後チェック(c.ty, c.koma) == 0 || pick(rng, 2) == 0))
    placed = g.NARI_KOMA;
  駒移動(g, c.fx, c.fy, c.tx, c.ty, placed);
  return true;
}

bool random_play(Game& g, std::mt19937& rng, int plies, bool lower_first) {
  bool lower = lower_first;
  for (int i = 0; i < plies; ++i) {
    random_move(g, rng, lower);
    lower = !lower;
  }
  return lower;
}
