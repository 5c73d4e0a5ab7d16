// Status texts around the board: coordinate labels, move number, computer level, handicap
// grade, and the message for a refused handicap change.
#include "screen/screen.h"

#include "rules/constants.h"

void 描画_桝_数値(Game& g) {
  // From the first labels on, every text of the window is printed bold.
  g.FONT_BOLD = true;
  for (int i = 1; i <= BAN_N; ++i) {
    描画_絵(g, g.HAIKEI, i, 0);
    print_shadowed(g, i + 0.2, 0.5, std::to_string(10 - i), IRO_KIIRO, 0, 16);
    描画_絵(g, g.HAIKEI, 10, i);
    print_shadowed(g, 10.2, i + 0.4, std::to_string(i), IRO_KIIRO, 1, 12);
    描画_桝輪郭(g, g.IRO_SEN, 9, i);
  }
}

// The figure starts further left the more digits it has, so that all numbers end near the same
// place. The colour is always white, whatever the caller asks for.
void 描画_手数(Game& g, int n, int) {
  描画_絵(g, g.HAIKEI, 13, 3);
  描画_絵(g, g.HAIKEI, 14, 3);
  描画_桝輪郭(g, g.IRO_SEN, 11, 3);
  const double x = n < 10 ? 13.3 : n < 100 ? 13.2 : 13.1;
  print_shadowed(g, x, 3.4, std::to_string(n), IRO_SHIRO, 0, 12);
  描画_文字列(g, 13.9, 3.2, 99, IRO_KURO, 10);
  描画_文字列(g, 13.8, 3.1, 99, IRO_SHIRO, 10);
}

void 描画_レベル(Game& g, int level) {
  print_shadowed(g, -1.4, 0.2, "LEVEL", IRO_SHIRO, 0, 10);
  print_shadowed(g, 0.1, 0.1, std::to_string(level), IRO_SHIRO, 0, 12);
}

void 描画_ハンデレベル(Game& g, int grade) {
  for (int x = 11; x <= 14; ++x) 描画_絵(g, g.HAIKEI, x, 1.4);
  // Only the grades have a text here; the move word shares the table but is no grade.
  if (grade < -10 || grade > 10) return;
  描画_文字列(g, 11.1, 1.5, grade, IRO_KURO, 10);
  描画_文字列(g, 11.0, 1.4, grade, IRO_SHIRO, 10);
}

void 描画_棋譜読込み部分消去(Game& g) {
  描画_桝_数値(g);
  描画_絵(g, g.HAIKEI, -1, 10);
  描画_絵(g, g.HAIKEI, 0, 10);
  for (int i = 1; i <= BAN_N; ++i) {
    描画_絵(g, g.HAIKEI, i, 10);
    描画_桝輪郭(g, g.IRO_SEN, i, 9);
  }
}

void 描画_メッセージ(Game& g, int n) {
  const char* line = n == 1   ? "棋譜ﾓｰﾄﾞではできません"
                     : n == 2 ? "対局途中ではできません"
                     : n == 3 ? "反転後ではできません"
                              : "";
  g.port.messageBox(std::string(line) + "\r\r" + "局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定",
                    Buttons::Ok, Icon::None);
}
