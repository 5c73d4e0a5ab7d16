// Highlights on the board: the squares a picked-up piece can reach, and a blinking piece.
#include "game/control.h"
#include "rules/constants.h"
#include "rules/rules.h"
#include "screen/screen.h"

void 描画_移動可能桝色(Game& g, int fx, int fy, int colour, int code) {
  描画_将棋盤桝(g);
  if (g.SIDOU_ON != FLAG_ON) return;
  for (int x = 1; x <= BAN_N; ++x) {
    for (int y = 1; y <= BAN_N; ++y) {
      if (移動チェック(g, fx, fy, x, y, code) == 1) 描画_桝輪郭(g, colour, x, y);
    }
  }
}

void 描画_駒点滅(Game& g, int code, int x, int y, int times) {
  for (int i = 0; i < times; ++i) {
    描画_絵(g, KARA, x, y);
    描画_桝輪郭(g, g.IRO_SEN, x, y);
    g.port.refresh();
    待ち時間(g, 0.2);
    描画_絵(g, code, x, y);
    描画_桝輪郭(g, g.IRO_SEN, x, y);
    g.port.refresh();
    待ち時間(g, 0.2);
  }
}
