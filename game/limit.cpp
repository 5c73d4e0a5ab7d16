// The move list holds 500 moves. A game that reaches that length ends as a draw, as computer
// shogi tournaments do, so the list never overflows and the game stays consistent.
#include "game/control.h"

bool end_if_move_list_full(Game& g) {
  if (g.KIFU_IDX < KIFU_MAX || g.OU_TORI != 0) return false;
  g.OU_TORI = OU_TORI_HIKIWAKE;
  g.port.setTimerEnabled(false);
  g.port.messageBox("500手に達しました。引き分けです", "終了", Buttons::Ok, Icon::None);
  return true;
}
