// Texts printed straight onto the window at a cell position.
#include "screen/screen.h"

namespace {

const char* const KANJI_SUJI[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

}  // namespace

void 描画_数値(Game& g, double X, double Y, const std::string& value, int colour, int kanji,
               double size) {
  std::string text = value;
  if (kanji != 0) {
    int v = 0;
    const bool digit = value.size() == 1 && value[0] >= '1' && value[0] <= '9';
    if (digit) v = value[0] - '0';
    text = KANJI_SUJI[v];
  }
  g.port.drawText(g.BAN_X0 + X * g.MASU_W, g.BAN_Y0 + Y * g.MASU_H, text, size, colour,
                  g.FONT_BOLD);
}

void 描画_数値(Game& g, double X, double Y, int value, int colour, int kanji, double size) {
  描画_数値(g, X, Y, std::to_string(value), colour, kanji, size);
}
