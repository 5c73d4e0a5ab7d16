// Starting games in both modes and choosing the computer's strength.
#include "com/com.h"
#include "game/control.h"
#include "screen/screen.h"

namespace {

void clear_status_cells(Game& g) {
  for (int x = -2; x <= 0; ++x) 描画_絵(g, g.HAIKEI, x, 0);
}

void start_turn_clock(Game& g) {
  g.KAISHI_JIKOKU = g.port.timeOfDay();
}

// Common opening of both computer modes: a finished game is cleared away, the level shown,
// and the move list cut at the current position.
void open_com_game(Game& g) {
  if (g.OU_TORI != 0) 初期設定(g);
  描画_棋譜読込み部分消去(g);
  描画_レベル(g, g.COM_LEVEL);
  描画_将棋盤桝(g);
  g.SENTAKU = 0;
  g.TAIKYOKU_MODE = MODE_COM;
  g.KIFU_MODE = 0;
  g.KIFU_SU = g.TESUU;
}

// The lower side (the human) moves first: it takes the first mover's order.
void lower_side_first(Game& g) {
  g.MAN_TEBAN = g.TEBAN_SENTE;
  g.COM_TEBAN = g.TEBAN_GOTE;
  g.TEBAN = g.TEBAN_SENTE;
}

}  // namespace

void START_Click(Game& g) {
  if (g.OU_TORI != 0) {
    初期設定(g);
    g.port.refresh();
  }
  描画_棋譜読込み部分消去(g);
  clear_status_cells(g);
  描画_将棋盤桝(g);
  start_turn_clock(g);
  if (g.port.isChecked(Menu::KEIKA)) g.port.setTimerEnabled(true);
  g.TAIKYOKU_MODE = MODE_MAN;
  // Continuing a loaded record between two people leaves record mode, like the computer modes.
  g.KIFU_MODE = 0;
  if (g.TESUU == 0 || g.TEBAN == TEBAN_NASHI) {
    lower_side_first(g);
    g.port.messageBox("先手の番です", " ", Buttons::Ok, Icon::None);
  } else if (g.TEBAN == g.TEBAN_SENTE) {
    g.port.messageBox("先手の番です", " ", Buttons::Ok, Icon::None);
  } else if (g.TEBAN == g.TEBAN_GOTE) {
    g.port.messageBox("後手の番です", " ", Buttons::Ok, Icon::None);
  }
  g.KIFU_IDOU = 0;
}

void SENTE_Click(Game& g) {
  open_com_game(g);
  start_turn_clock(g);
  g.port.setTimerEnabled(true);
  if (g.TESUU == 0 || g.TEBAN == TEBAN_NASHI) {
    lower_side_first(g);
    g.port.messageBox("MANの番です", " ", Buttons::Ok, Icon::None);
  } else if (g.TEBAN == g.COM_TEBAN) {
    com_ban(g);
    return;
  } else if (g.TEBAN == g.MAN_TEBAN) {
    lower_side_first(g);
    g.port.messageBox("MANの番です", "対局", Buttons::Ok, Icon::None);
  } else {
    return;
  }
  g.KIFU_IDOU = 0;
}

void GOTE_Click(Game& g) {
  open_com_game(g);
  g.port.setTimerEnabled(true);
  if (g.TESUU == 0 || g.TEBAN == TEBAN_NASHI) {
    g.MAN_TEBAN = g.TEBAN_GOTE;
    g.COM_TEBAN = g.TEBAN_SENTE;
    g.TEBAN = g.TEBAN_SENTE;
    com_ban(g);
  } else if (g.TEBAN == g.MAN_TEBAN) {
    g.port.messageBox("MANの番です", "対局", Buttons::Ok, Icon::None);
    g.KIFU_IDOU = 0;
  } else if (g.TEBAN == g.COM_TEBAN) {
    com_ban(g);
  }
}

void レベル_設定(Game& g, int n) {
  g.port.setChecked(Menu::LEVEL1, false);
  g.port.setChecked(Menu::LEVEL2, false);
  g.port.setChecked(Menu::LEVEL3, false);
  if (n < 1 || n > 3) return;
  static constexpr Menu entries[] = {Menu::LEVEL1, Menu::LEVEL2, Menu::LEVEL3};
  g.port.setChecked(entries[n - 1], true);
  g.COM_LEVEL = static_cast<int16_t>(n);
  if (g.TAIKYOKU_MODE == MODE_COM) 描画_レベル(g, g.COM_LEVEL);
}

void LEVEL1_Click(Game& g) {
  clear_status_cells(g);
  レベル_設定(g, 1);
}

void LEVEL2_Click(Game& g) {
  clear_status_cells(g);
  レベル_設定(g, 2);
}

void LEVEL3_Click(Game& g) {
  clear_status_cells(g);
  レベル_設定(g, 3);
}
