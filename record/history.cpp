// The move list: every move with its clock times, stepping back and forward through it,
// starting again and flipping the board.
#include "game/control.h"
#include "record/record.h"
#include "screen/screen.h"

namespace {

bool on_board_x(int x) {
  return x >= 1 && x <= BAN_N;
}

void hide_panels(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

// Adds (or with delta -1 removes) one piece of the code's base kind to the hand of the side
// the code belongs to, with the hand's total.
void change_hand_of(Game& g, int code, int delta) {
  const int i = hand_index(code);
  if (code >= 10) {
    if (i != 0) g.UE_MOCHI[i] = static_cast<int16_t>(g.UE_MOCHI[i] + delta);
    g.UE_MOCHI_SU = static_cast<int16_t>(g.UE_MOCHI_SU + delta);
  } else if (code <= -10) {
    if (i != 0) g.SITA_MOCHI[i] = static_cast<int16_t>(g.SITA_MOCHI[i] + delta);
    g.SITA_MOCHI_SU = static_cast<int16_t>(g.SITA_MOCHI_SU + delta);
  }
}

void draw_square(Game& g, int code, int x, int y) {
  描画_絵(g, code, x, y);
  描画_桝輪郭(g, g.IRO_SEN, x, y);
}

void show_clocks(Game& g) {
  描画_所有時間(g, g.COM_TEBAN, g.UE_JIKAN);
  描画_所有時間(g, g.MAN_TEBAN, g.SITA_JIKAN);
}

}  // namespace

void 手順保存(Game& g, int fx, int fy, int tx, int ty, int koma, int narigo, float sitaMae,
              float sitaAto, float ueMae, float ueAto) {
  // A full list takes no more moves; the game ends as a draw when it fills up.
  if (g.KIFU_IDX >= KIFU_MAX) return;
  const int n = ++g.KIFU_IDX;
  g.KIFU_MOTO_X[n] = static_cast<int16_t>(fx);
  g.KIFU_MOTO_Y[n] = static_cast<int16_t>(fy);
  g.KIFU_SAKI_X[n] = static_cast<int16_t>(tx);
  g.KIFU_SAKI_Y[n] = static_cast<int16_t>(ty);
  g.KIFU_KOMA[n] = static_cast<int16_t>(koma);
  g.KIFU_NARIGO[n] = static_cast<int16_t>(narigo);
  g.KIFU_TORI[n] = g.BAN[tx][ty];
  g.KIFU_SITA_MAE[n] = sitaMae;
  g.KIFU_SITA_ATO[n] = sitaAto;
  g.KIFU_UE_MAE[n] = ueMae;
  g.KIFU_UE_ATO[n] = ueAto;
  g.KIFU_SU = g.KIFU_IDX;
}

void AFTER_Click(Game& g) {
  hide_panels(g);
  if (g.TEBAN == TEBAN_NASHI) {
    g.port.dsPlay(g.SE_KINSHI);
    g.port.messageBox("「対局」で始めて下さい", "開始", Buttons::Ok, Icon::None);
    return;
  }
  g.KIFU_IDOU = 1;
  if (g.KIFU_IDX >= g.KIFU_SU) {
    if (g.KIFU_MODE != 1) g.port.dsPlay(g.SE_KINSHI);
    g.port.messageBox(g.KIFU_MODE == 1 ? "終わり" : "できません", "進む", Buttons::Ok, Icon::None);
    return;
  }
  g.SENTAKU = 0;
  g.port.setTimerEnabled(false);
  描画_将棋盤桝(g);
  const int n = ++g.KIFU_IDX;
  ++g.TESUU;
  描画_手数(g, g.TESUU, IRO_SHIRO);
  const int mx = g.KIFU_MOTO_X[n], my = g.KIFU_MOTO_Y[n];
  const int sx = g.KIFU_SAKI_X[n], sy = g.KIFU_SAKI_Y[n];
  const int narigo = g.KIFU_NARIGO[n];
  if (on_board_x(mx))
    g.BAN[mx][my] = KARA;
  else
    change_hand_of(g, narigo, -1);
  g.BAN[sx][sy] = static_cast<int16_t>(narigo);
  // The captured piece goes to the other side's hand; a king taken ends the game again.
  const int tori = g.KIFU_TORI[n];
  if (tori <= -10 || tori >= 10) change_hand_of(g, -tori, 1);
  if (tori == -OU) g.OU_TORI = g.COM_TEBAN;
  if (tori == OU) g.OU_TORI = g.MAN_TEBAN;
  g.UE_JIKAN = g.KIFU_UE_ATO[n];
  g.SITA_JIKAN = g.KIFU_SITA_ATO[n];
  show_clocks(g);
  draw_square(g, KARA, mx, my);
  draw_square(g, narigo, sx, sy);
  描画_自持盤(g);
  描画_敵持盤(g);
  g.port.dsPlay(g.SE_KOMAUCHI);
  描画_移動結果(g, narigo > 0 ? g.COM_TEBAN : g.MAN_TEBAN, sx, sy, narigo, IRO_SHIRO);
  g.TEBAN = static_cast<int16_t>(-g.TEBAN);
  描画_手数(g, g.TESUU, IRO_SHIRO);
  // Stepping onto the last entry of a full list ends the game again, as playing it did.
  end_if_move_list_full(g);
}

void REPLAY_Click(Game& g) {
  hide_panels(g);
  g.KIFU_IDOU = 1;
  g.OU_TORI = 0;
  if (g.KIFU_IDX < 1) {
    g.port.dsPlay(g.SE_KINSHI);
    g.port.messageBox("できません", "戻る", Buttons::Ok, Icon::None);
    return;
  }
  g.SENTAKU = 0;
  g.port.setTimerEnabled(false);
  描画_将棋盤桝(g);
  const int n = g.KIFU_IDX;
  const int mx = g.KIFU_MOTO_X[n], my = g.KIFU_MOTO_Y[n];
  const int sx = g.KIFU_SAKI_X[n], sy = g.KIFU_SAKI_Y[n];
  if (on_board_x(mx)) {
    g.BAN[mx][my] = g.KIFU_KOMA[n];
    draw_square(g, g.KIFU_KOMA[n], mx, my);
  } else {
    change_hand_of(g, g.KIFU_NARIGO[n], 1);
  }
  const int tori = g.KIFU_TORI[n];
  if (tori <= -10 || tori >= 10) change_hand_of(g, -tori, -1);
  g.UE_JIKAN = g.KIFU_UE_MAE[n];
  g.SITA_JIKAN = g.KIFU_SITA_MAE[n];
  show_clocks(g);
  g.BAN[sx][sy] = static_cast<int16_t>(tori);
  描画_自持盤(g);
  描画_敵持盤(g);
  draw_square(g, KARA, sx, sy);
  if (tori != KARA) draw_square(g, tori, sx, sy);
  g.port.dsPlay(g.SE_KOMAUCHI);
  消去_移動結果(g, g.KIFU_KOMA[n] > 0 ? g.COM_TEBAN : g.MAN_TEBAN);
  --g.KIFU_IDX;
  --g.TESUU;
  g.TEBAN = static_cast<int16_t>(-g.TEBAN);
  描画_手数(g, g.TESUU, IRO_SHIRO);
}

void CANCEL_Click(Game& g) {
  初期設定(g);
  g.port.dsPlay(g.SE_KOMAUCHI);
}

void REVERSE_Click(Game& g) {
  if (g.KIFU_MODE == 1) {
    g.port.dsPlay(g.SE_KINSHI);
    g.port.messageBox("棋譜ﾓｰﾄﾞではできません", "反転", Buttons::Ok, Icon::None);
    return;
  }
  g.HANTEN = 1;
  g.SENTAKU = 0;
  // Rotate by 180 degrees; every piece changes side.
  Ban copy;
  for (int x = 0; x <= BAN_N; ++x)
    for (int y = 0; y <= BAN_N; ++y) copy[x][y] = g.BAN[x][y];
  for (int x = 1; x <= BAN_N; ++x)
    for (int y = 1; y <= BAN_N; ++y) g.BAN[10 - x][10 - y] = static_cast<int16_t>(-copy[x][y]);
  // The hands change sides with their totals, so that drops stay possible for both.
  for (int i = 1; i <= 7; ++i) std::swap(g.SITA_MOCHI[i], g.UE_MOCHI[i]);
  std::swap(g.SITA_MOCHI_SU, g.UE_MOCHI_SU);
  画面_再描画(g);
  描画_手数(g, g.TESUU, IRO_SHIRO);
  if (g.HANDE_SET == 1) {
    g.HANDE_LEVEL = static_cast<int16_t>(-g.HANDE_LEVEL);
    描画_ハンデレベル(g, g.HANDE_LEVEL);
  }
  g.port.dsPlay(g.SE_KOMAUCHI);
  g.TEBAN = static_cast<int16_t>(-g.TEBAN);
  g.KIFU_IDX = 0;
  g.KIFU_SU = 0;
}
