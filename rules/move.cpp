// Carrying out a move: capture into the hand, the piece on its new square, promotion tests and
// the two-pawn flags. Human moves, computer moves and replays all pass through 駒移動.
#include <cassert>

#include "rules/rules.h"
#include "screen/screen.h"

void 駒取得(Game& g, int code) {
  if (code == OU) {
    g.OU_TORI = g.MAN_TEBAN;
  } else if (code == -OU) {
    g.OU_TORI = g.COM_TEBAN;
  } else if (const int i = hand_index(code); i != 0) {
    if (code > 0)
      ++g.SITA_MOCHI[i];
    else
      ++g.UE_MOCHI[i];
  }
}

void 駒移動(Game& g, int fx, int fy, int tx, int ty, int koma) {
  // 1. Capture. The hand total rises before the kind is known, so a king capture raises it too.
  const int captured = g.BAN[tx][ty];
  if (captured <= -10) {
    ++g.UE_MOCHI_SU;
    駒取得(g, captured);
    描画_敵持盤(g);
  } else if (captured >= 10) {
    ++g.SITA_MOCHI_SU;
    駒取得(g, captured);
    描画_自持盤(g);
  }
  // 2. The origin (or hand cell) is drawn empty.
  描画_絵(g, KARA, fx, fy);
  描画_桝輪郭(g, g.IRO_SEN, fx, fy);
  // 3, 4. The piece on its destination; the lower king's square is tracked here.
  g.BAN[tx][ty] = static_cast<int16_t>(koma);
  if (koma == -OU) {
    g.SITA_OU_X = static_cast<int16_t>(tx);
    g.SITA_OU_Y = static_cast<int16_t>(ty);
  }
  // 5. Empty the origin.
  if (fx == UE_STAND_X) {
    assert(fy >= 1 && fy <= 7);
    --g.UE_MOCHI_SU;
    --g.UE_MOCHI[fy];
    描画_敵持盤(g);
  } else if (fx == SITA_STAND_X) {
    assert(fy >= 3 && fy <= 9);
    --g.SITA_MOCHI_SU;
    --g.SITA_MOCHI[fy - 2];
    描画_自持盤(g);
  } else {
    g.BAN[fx][fy] = KARA;
  }
  // 6. Draw the piece on its destination.
  描画_絵(g, koma, tx, ty);
  描画_桝輪郭(g, g.IRO_SEN, tx, ty);
}

int 調査_駒成(Game& g, int fx, int fy, int /*tx*/, int ty, int koma) {
  if (fx == UE_STAND_X || fx == SITA_STAND_X) return 0;
  switch (koma) {
    case -HU:
    case -KYOU:
    case -KEI:
      if (ty <= 3) break;
      return 0;
    case -GIN:
    case -KAKU:
    case -SYA:
      if (ty <= 3 || fy <= 3) break;
      return 0;
    case HU:
    case KYOU:
    case KEI:
      if (ty >= 7) break;
      return 0;
    case GIN:
    case KAKU:
    case SYA:
      if (ty >= 7 || fy >= 7) break;
      return 0;
    default:
      return 0;
  }
  g.NARI_KOMA = static_cast<int16_t>(koma < 0 ? koma - 1 : koma + 1);
  return 1;
}

int 移動後チェック(int ty, int koma) {
  if ((koma == HU || koma == KYOU) && ty == 9) return 0;
  if (koma == KEI && ty >= 8) return 0;
  if ((koma == -HU || koma == -KYOU) && ty == 1) return 0;
  if (koma == -KEI && ty <= 2) return 0;
  return 1;
}

void 調査_2歩フラグ設定(Game& g) {
  for (int x = 1; x <= BAN_N; ++x) {
    g.SITA_NIFU[x] = 0;
    g.UE_NIFU[x] = 0;
    for (int y = 1; y <= BAN_N; ++y) {
      if (g.BAN[x][y] == -HU) g.SITA_NIFU[x] = 1;
      if (g.BAN[x][y] == HU) g.UE_NIFU[x] = 1;
    }
  }
}

void lay_out_initial_position(Game& g) {
  for (auto& column : g.BAN)
    for (auto& square : column) square = KARA;
  for (int i = 0; i < 8; ++i) g.SITA_MOCHI[i] = g.UE_MOCHI[i] = 0;
  // Back rank from the left edge, mirrored on the other side; no pawns.
  static constexpr int16_t back[10] = {0, KYOU, KEI, GIN, KIN, OU, KIN, GIN, KEI, KYOU};
  for (int x = 1; x <= BAN_N; ++x) {
    g.BAN[x][1] = back[x];
    g.BAN[x][9] = static_cast<int16_t>(-back[x]);
  }
  g.BAN[8][2] = KAKU;
  g.BAN[2][2] = SYA;
  g.BAN[2][8] = -KAKU;
  g.BAN[8][8] = -SYA;
  g.SITA_MOCHI_SU = g.UE_MOCHI_SU = 0;
  for (int i = 1; i <= 7; ++i) {
    if (g.SITA_MOCHI[i] > 0)
      g.SITA_MOCHI_SU = static_cast<int16_t>(g.SITA_MOCHI_SU + g.SITA_MOCHI[i]);
    if (g.UE_MOCHI[i] > 0) g.UE_MOCHI_SU = static_cast<int16_t>(g.UE_MOCHI_SU + g.UE_MOCHI[i]);
  }
}
