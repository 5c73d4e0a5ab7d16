// Mouse input on the main window: picking up pieces, moving and dropping them, promotion by
// the right button, and handing the turn over.
#include <cmath>

#include "com/com.h"
#include "game/control.h"
#include "record/record.h"
#include "rules/mate.h"
#include "rules/rules.h"
#include "screen/screen.h"

namespace {

bool lower_to_move(const Game& g) {
  return g.TEBAN == g.MAN_TEBAN;
}
bool upper_to_move(const Game& g) {
  return g.TEBAN == g.COM_TEBAN;
}

bool belongs_to_mover(const Game& g, int code) {
  return (lower_to_move(g) && code <= -10) || (upper_to_move(g) && code >= 10);
}

void restart_turn_clock(Game& g) {
  g.KAISHI_JIKOKU = g.port.timeOfDay();
  if (g.port.isChecked(Menu::KEIKA)) g.port.setTimerEnabled(true);
}

// Step 6: the first click after stepping through the history restarts the turn.
void resume_after_history_step(Game& g) {
  if (g.TAIKYOKU_MODE == MODE_MAN) {
    if (g.KIFU_IDOU != 1) return;
    g.KIFU_IDOU = 0;
    restart_turn_clock(g);
    if (g.TEBAN == g.TEBAN_SENTE)
      g.port.messageBox("先手の番です", "対局", Buttons::Ok, Icon::None);
    else if (g.TEBAN == g.TEBAN_GOTE)
      g.port.messageBox("後手の番です", "対局", Buttons::Ok, Icon::None);
    return;
  }
  if (upper_to_move(g)) {
    g.KIFU_IDOU = 0;
    g.port.messageBox("OKですか？", "再開(COM)", Buttons::Ok, Icon::None);
    com_ban(g);
  } else if (g.KIFU_IDOU == 1) {
    g.KIFU_IDOU = 0;
    restart_turn_clock(g);
    g.port.messageBox("MANの番です", "対局", Buttons::Ok, Icon::None);
  }
}

void pick_up(Game& g, int x, int y) {
  const int code = g.BAN[x][y];
  if (code == KARA) return;
  g.SASITE[3] = static_cast<int16_t>(x);
  g.SASITE[4] = static_cast<int16_t>(y);
  g.SENTAKU_X = static_cast<int16_t>(x);
  g.SENTAKU_Y = static_cast<int16_t>(y);
  g.SASITE[8] = static_cast<int16_t>(code);
  描画_移動可能桝色(g, x, y, g.IRO_IDOU, code);
  if (belongs_to_mover(g, code)) {
    描画_桝輪郭(g, IRO_AKA, x, y);
    g.SENTAKU = 1;
  } else {
    描画_桝輪郭(g, g.IRO_IDOU, x, y);
    g.SENTAKU = 0;
  }
}

// Step 7.2.5: the move is recorded, made, shown and judged.
void make_move(Game& g, int button, int x, int y) {
  // The thinking time of this turn belongs to the side that moves, the upper side too when two
  // people play; its own columns of the list carry it.
  const bool upper = g.SASITE[8] >= 10;
  const float keika = g.KEIKA_BYOU;
  手順保存(g, g.SASITE[3], g.SASITE[4], x, y, g.SASITE[8], g.BAN[x][y], g.SITA_JIKAN,
           upper ? g.SITA_JIKAN : g.SITA_JIKAN + keika, g.UE_JIKAN,
           upper ? g.UE_JIKAN + keika : g.UE_JIKAN);
  ++g.TESUU;
  描画_手数(g, g.TESUU, IRO_SHIRO);
  if (調査_駒成(g, g.SASITE[3], g.SASITE[4], x, y, g.SASITE[8]) == 1 && button == BTN_RIGHT)
    g.SASITE[8] = g.NARI_KOMA;
  g.KIFU_NARIGO[g.KIFU_IDX] = g.SASITE[8];
  g.SENTAKU = 0;
  描画_桝輪郭(g, g.IRO_SEN2, g.SASITE[3], g.SASITE[4]);
  描画_桝輪郭(g, g.IRO_SEN2, x, y);
  描画_将棋盤桝(g);
  // The upper stand's row becomes its hand index.
  if (g.SASITE[3] < 0) g.SASITE[4] = static_cast<int16_t>(8 - g.SASITE[4]);
  const int captured = g.BAN[x][y];
  駒移動(g, g.SASITE[3], g.SASITE[4], x, y, g.SASITE[8]);
  g.port.dsPlay(g.SE_KOMAUCHI);
  描画_移動結果(g, g.SASITE[8] >= 10 ? g.COM_TEBAN : g.MAN_TEBAN, x, y, g.SASITE[8], IRO_SHIRO);
  // Kept before anything else happens, the computer's search included.
  keep_game(g, Flush::ToSystem);

  if (g.TAIKYOKU_MODE == MODE_COM) {
    g.port.setTimerEnabled(false);
    g.SITA_JIKAN += g.KEIKA_BYOU;
    勢力調査(g);
    if (詰めかCOM(g) == 1 || captured == OU) {
      g.OU_TORI = g.MAN_TEBAN;
      g.port.messageBox("あなたの勝ちです", "終了", Buttons::Ok, Icon::None);
    } else if (!end_if_move_list_full(g)) {
      g.TEBAN = g.COM_TEBAN;
      com_ban(g);
    }
    return;
  }
  if (g.TEBAN == g.TEBAN_SENTE)
    g.TEBAN = g.TEBAN_GOTE;
  else if (g.TEBAN == g.TEBAN_GOTE)
    g.TEBAN = g.TEBAN_SENTE;
  (upper ? g.UE_JIKAN : g.SITA_JIKAN) += keika;
  g.KAISHI_JIKOKU = g.port.timeOfDay();
  if (g.OU_TORI == g.MAN_TEBAN)
    g.port.messageBox("先手の勝ちです", "終了", Buttons::Ok, Icon::None);
  else if (g.OU_TORI == g.COM_TEBAN)
    g.port.messageBox("後手の勝ちです", "終了", Buttons::Ok, Icon::None);
  else
    end_if_move_list_full(g);
}

// Step 7.2: a piece is picked up and a board square is clicked.
void move_to(Game& g, int button, int x, int y) {
  g.SASITE[5] = static_cast<int16_t>(x);
  g.SASITE[6] = static_cast<int16_t>(y);
  const int fx = g.SASITE[3];
  if ((fx == UE_STAND_X && lower_to_move(g)) || (fx == SITA_STAND_X && upper_to_move(g))) {
    描画_将棋盤桝(g);
    描画_桝輪郭(g, g.IRO_SEN2, fx, g.SASITE[4]);
    g.SENTAKU = 0;
    return;
  }
  const int code = g.BAN[x][y];
  if (code != KARA && belongs_to_mover(g, code)) {
    描画_桝輪郭(g, g.IRO_SEN2, g.SASITE[3], g.SASITE[4]);
    g.SASITE[3] = static_cast<int16_t>(x);
    g.SASITE[4] = static_cast<int16_t>(y);
    g.SASITE[8] = static_cast<int16_t>(code);
    描画_移動可能桝色(g, x, y, g.IRO_IDOU, code);
    描画_桝輪郭(g, IRO_AKA, x, y);
    return;
  }
  if (移動チェック(g, g.SASITE[3], g.SASITE[4], x, y, g.SASITE[8]) == 0) {
    g.port.dsPlay(g.SE_KINSHI);
    g.SENTAKU = 0;
    描画_将棋盤桝(g);
    return;
  }
  if (移動後チェック(y, g.SASITE[8]) == 0 && button == BTN_LEFT) {
    g.port.dsPlay(g.SE_KINSHI);
    g.port.messageBox("マウスの右をクリックして下さい", "成り", Buttons::Ok, Icon::None);
    return;
  }
  make_move(g, button, x, y);
}

// Step 8: a click beside the board, perhaps on a stand.
void click_outside(Game& g, int x, int y) {
  if (g.SASITE[8] != KARA) {
    描画_将棋盤桝(g);
    描画_桝輪郭(g, g.IRO_SEN2, g.SASITE[3], g.SASITE[4]);
  }
  int code = 0;
  bool mover = false;
  if (x == SITA_STAND_X && y >= 3 && y <= 9 && g.SITA_MOCHI[y - 2] > 0) {
    code = -MOCHI_KOMA[y - 2];
    mover = lower_to_move(g);
  } else if (x == UE_STAND_X && y >= 1 && y <= 7 && g.UE_MOCHI[8 - y] > 0) {
    code = MOCHI_KOMA[8 - y];
    mover = upper_to_move(g);
  } else {
    return;
  }
  調査_2歩フラグ設定(g);
  g.SENTAKU = 1;
  g.SASITE[3] = static_cast<int16_t>(x);
  g.SASITE[4] = static_cast<int16_t>(y);
  g.SENTAKU_X = static_cast<int16_t>(x);
  g.SENTAKU_Y = static_cast<int16_t>(y);
  g.SASITE[8] = static_cast<int16_t>(code);
  描画_桝輪郭(g, mover ? IRO_AKA : g.IRO_IDOU, x, y);
  描画_移動可能桝色(g, x, y, g.IRO_IDOU, code);
}

}  // namespace

void Form_MouseDown(Game& g, int button, double X, double Y) {
  // 1. Any click hides the record panels.
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 2);
  // 2. Record mode: the record is stepped with 進, or given up.
  if (g.KIFU_MODE == 1) {
    if (g.port.messageBox("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo, Icon::None) ==
        Answer::No) {
      g.port.dsPlay(g.SE_KINSHI);
      初期設定(g);
    }
    return;
  }
  // 3. A finished game takes no moves.
  if (g.OU_TORI != 0) {
    g.port.messageBox("新規に対局してください", "終局", Buttons::Ok, Icon::None);
    return;
  }
  // A full move list is a finished game, however the position was reached.
  if (end_if_move_list_full(g)) return;
  // 4. The cell under the mouse.
  const int x = static_cast<int>(std::floor((X - g.BAN_X0) / g.MASU_W));
  const int y = static_cast<int>(std::floor((Y - g.BAN_Y0) / g.MASU_H));
  // 5. No game under way.
  if (g.TEBAN == TEBAN_NASHI) {
    g.port.dsPlay(g.SE_KINSHI);
    g.port.messageBox("「対局」で始めて下さい", "開始", Buttons::Ok, Icon::None);
    return;
  }
  // 6. Resuming after a history step.
  resume_after_history_step(g);
  // 7, 8. The board, or beside it.
  if (x >= 1 && x <= BAN_N && y >= 1 && y <= BAN_N) {
    if (g.SENTAKU == 0)
      pick_up(g, x, y);
    else
      move_to(g, button, x, y);
  } else {
    click_outside(g, x, y);
  }
}
