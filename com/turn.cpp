// The computer's whole turn around its search: clock, thinking marker, recording, blinking,
// the move itself, the announcements and handing the turn back.
#include "com/com.h"
#include "game/control.h"
#include "record/record.h"
#include "rules/mate.h"
#include "rules/rules.h"
#include "screen/screen.h"

namespace {

void show_thinking_marker(Game& g) {
  for (int x = -2; x <= 0; ++x) 描画_絵(g, g.HAIKEI, x, 8);
  描画_桝輪郭(g, g.IRO_SEN, -1, 7);
  描画_数値(g, -1.5, 8.5, "思考中", IRO_KURO, 0, 12);
  描画_数値(g, -1.6, 8.4, "思考中", IRO_SHIRO, 0, 12);
  描画_桝輪郭(g, g.IRO_SEN, 1, 8);
}

void start_clock_if_shown(Game& g) {
  if (g.port.isChecked(Menu::KEIKA)) g.port.setTimerEnabled(true);
}

}  // namespace

void com_ban(Game& g) {
  // 1. A decided game is left alone, and so is one whose move list is full.
  if (g.OU_TORI != TEBAN_NASHI || end_if_move_list_full(g)) return;
  // 2, 3. Clock and thinking marker, shown before the search starts.
  g.KAISHI_JIKOKU = g.port.timeOfDay();
  start_clock_if_shown(g);
  show_thinking_marker(g);
  g.port.refresh();
  // 4-10. The search.
  const BestMove best = com_search(g);
  if (!best.found) {
    // Nothing can be played: like a mated side, the computer has lost.
    g.port.setTimerEnabled(false);
    消去_移動結果(g, g.COM_TEBAN);
    g.OU_TORI = g.MAN_TEBAN;
    g.port.messageBox("ｺﾝﾋﾟｭｰﾀは指す手がありません。あなたの勝ちです", "終了", Buttons::Ok,
                      Icon::None);
    return;
  }
  // 11. Record and play the chosen move.
  手順保存(g, best.fx, best.fy, best.tx, best.ty, best.koma, best.placed, g.SITA_JIKAN,
           g.SITA_JIKAN, g.UE_JIKAN, g.UE_JIKAN + g.KEIKA_BYOU);
  ++g.TESUU;
  描画_手数(g, g.TESUU, IRO_SHIRO);
  if (best.fx == UE_STAND_X)
    描画_駒点滅(g, best.placed, UE_STAND_X, 8 - best.fy, 2);
  else
    描画_駒点滅(g, best.koma, best.fx, best.fy, 2);
  駒移動(g, best.fx, best.fy, best.tx, best.ty, best.placed);
  // Kept at once: the announcements below may wait for the player.
  keep_game(g, Flush::ToSystem);
  待ち時間(g, 0.5);
  g.port.dsPlay(g.SE_KOMAUCHI);
  g.port.setTimerEnabled(false);
  // 12. Announce. The capture of the king is judged first: a mate test on a board without
  // the human's king would say nothing sensible.
  勢力調査(g);
  if (g.OU_TORI == g.COM_TEBAN) {
    消去_移動結果(g, g.COM_TEBAN);
    g.port.messageBox("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了", Buttons::Ok, Icon::None);
    g.TEBAN = g.MAN_TEBAN;
    return;
  }
  if (詰めかMAN(g) == FLAG_ON)
    g.port.messageBox("よし！!", "詰め ?", Buttons::Ok, Icon::None);
  else if (g.UE_SEIRYOKU[g.SITA_OU_X][g.SITA_OU_Y] > 0)
    g.port.messageBox("   ** 王手 **", "", Buttons::Ok, Icon::None);
  // 13. The move text and the outline of its square.
  描画_移動結果(g, g.COM_TEBAN, best.tx, best.ty, best.placed, IRO_SHIRO);
  描画_桝輪郭(g, IRO_SHIRO, best.tx, best.ty);
  // 14. The turn goes back to the human.
  g.UE_JIKAN += g.KEIKA_BYOU;
  g.KAISHI_JIKOKU = g.port.timeOfDay();
  g.TEBAN = g.MAN_TEBAN;
  start_clock_if_shown(g);
  end_if_move_list_full(g);
}
