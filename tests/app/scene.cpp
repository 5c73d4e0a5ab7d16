#include "scene.h"

#include "rules/rules.h"
#include "screen/screen.h"

void drawScene(Game& g) {
  g.BAN_X0 = 1050;
  g.BAN_Y0 = 100;
  g.MASU_W = 495;
  g.MASU_H = 615;
  g.HAIKEI = 3;
  g.SIDOU_ON = 1;
  g.port.setChecked(Menu::KEIKA, true);
  lay_out_initial_position(g);
  画面_再描画(g);
  描画_手数(g, 12, 0);
  描画_所有時間(g, g.MAN_TEBAN, 754);
  描画_移動可能桝色(g, 8, 8, 12, g.BAN[8][8]);
}
