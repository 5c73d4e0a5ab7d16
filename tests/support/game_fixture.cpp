#include "tests/support/game_fixture.h"

#include "com/com.h"
#include "rules/rules.h"

std::vector<ClickMove> lower_moves(Game& g, std::mt19937& rng) {
  調査_2歩フラグ設定(g);
  std::vector<ClickMove> out;
  for (int fx = 1; fx <= 9; ++fx)
    for (int fy = 1; fy <= 9; ++fy) {
      const int koma = g.BAN[fx][fy];
      if (koma > -10) continue;
      for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
          if (移動チェック(g, fx, fy, tx, ty, koma) != 1) continue;
          int button = BTN_LEFT;
          if (移動後チェック(ty, koma) == 0)
            button = BTN_RIGHT;
          else if (調査_駒成(g, fx, fy, tx, ty, koma) == 1 && rng() % 2)
            button = BTN_RIGHT;
          out.push_back({fx, fy, tx, ty, button});
        }
    }
  for (int i = 1; i <= 7; ++i) {
    if (g.SITA_MOCHI[i] <= 0) continue;
    for (int tx = 1; tx <= 9; ++tx)
      for (int ty = 1; ty <= 9; ++ty)
        if (移動チェック(g, 11, i + 2, tx, ty, -MOCHI_KOMA[i]) == 1)
          out.push_back({11, i + 2, tx, ty, BTN_LEFT});
  }
  return out;
}

bool leaves_king_safe(Game& g, const ClickMove& m) {
  const int koma = m.fx == 11 ? -MOCHI_KOMA[m.fy - 2] : g.BAN[m.fx][m.fy];
  const int16_t captured = g.BAN[m.tx][m.ty];
  if (captured == OU) return true;
  const int16_t kx = g.SITA_OU_X, ky = g.SITA_OU_Y;
  if (m.fx != 11) g.BAN[m.fx][m.fy] = KARA;
  g.BAN[m.tx][m.ty] = static_cast<int16_t>(koma);
  勢力調査(g);
  const bool safe = g.UE_SEIRYOKU[g.SITA_OU_X][g.SITA_OU_Y] == 0;
  g.BAN[m.tx][m.ty] = captured;
  if (m.fx != 11) g.BAN[m.fx][m.fy] = static_cast<int16_t>(koma);
  g.SITA_OU_X = kx;
  g.SITA_OU_Y = ky;
  勢力調査(g);
  return safe;
}
