// Texts printed straight onto the window at a cell position.
#include "screen/screen.h"

#include <map>

#include "rules/constants.h"

namespace {

const char* const KANJI_SUJI[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// Handicap grades by level, and the word after the move number.
const std::map<int, std::string> MOJIRETSU = {
    {-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"}, {-9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"},
    {-8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"},  {-7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"},
    {-6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"},  {-5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"},
    {-4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"},  {-3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
    {-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},  {-1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
    {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},   {1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
    {2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},   {3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
    {4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},   {5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"},
    {6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"},   {7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"},
    {8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"},   {9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"},
    {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"},  {99, "手目"},
};

void print_at(Game& g, double x, double y, const std::string& text, int colour, double size) {
  if (text.empty()) return;
  g.port.drawText(x, y, text, size, colour, g.FONT_BOLD);
}

}  // namespace

void 描画_数値(Game& g, double X, double Y, const std::string& value, int colour, int kanji,
               double size) {
  std::string text = value;
  if (kanji != 0) {
    const bool digit = value.size() == 1 && value[0] >= '1' && value[0] <= '9';
    text = digit ? KANJI_SUJI[value[0] - '0'] : "";
  }
  print_at(g, g.BAN_X0 + X * g.MASU_W, g.BAN_Y0 + Y * g.MASU_H, text, colour, size);
}

void 描画_数値(Game& g, double X, double Y, int value, int colour, int kanji, double size) {
  描画_数値(g, X, Y, std::to_string(value), colour, kanji, size);
}

void 描画_文字列(Game& g, double X, double Y, int code, int colour, double size) {
  const auto it = MOJIRETSU.find(code);
  if (it == MOJIRETSU.end()) return;
  print_at(g, g.BAN_X0 + X * g.MASU_W + 120, g.BAN_Y0 + Y * g.MASU_H + 160, it->second, colour,
           size);
}

void print_shadowed(Game& g, double X, double Y, const std::string& value, int colour, int kanji,
                    double size) {
  描画_数値(g, X, Y, value, IRO_KURO, kanji, size);
  描画_数値(g, X - 0.1, Y - 0.1, value, colour, kanji, size);
}
