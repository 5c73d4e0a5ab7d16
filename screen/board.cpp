// The board, the stands and the background, drawn cell by cell onto the window.
#include "screen/screen.h"

#include "rules/constants.h"

namespace {

bool has_picture(int code) {
  const int k = code < 0 ? -code : code;
  switch (k) {
    case 0:
    case 10:
    case 11:
    case 20:
    case 21:
    case 30:
    case 31:
    case 100:
    case 101:
    case 110:
    case 800:
    case 801:
    case 900:
    case 901:
    case 950:
      return true;
    default:
      // The logo and the background tiles exist only as positive codes.
      return code >= MIZUBAN && code <= RENGA;
  }
}

bool on_board(int X, int Y) {
  return X >= 1 && X <= BAN_N && Y >= 1 && Y <= BAN_N;
}

}  // namespace

void 描画_絵(Game& g, int code, double X, double Y) {
  if (!has_picture(code)) return;
  g.port.drawPicture(code, g.BAN_X0 + X * g.MASU_W, g.BAN_Y0 + Y * g.MASU_H);
}

void 描画_桝輪郭(Game& g, int colour, double X, double Y) {
  g.port.drawRect(colour, g.BAN_X0 + X * g.MASU_W, g.BAN_Y0 + Y * g.MASU_H,
                  g.BAN_X0 + (X + 1) * g.MASU_W, g.BAN_Y0 + (Y + 1) * g.MASU_H);
}

void 描画_盤(Game& g) {
  for (int x = 1; x <= BAN_N; ++x) {
    for (int y = 1; y <= BAN_N; ++y) {
      描画_絵(g, g.BAN[x][y], x, y);
      描画_桝輪郭(g, g.IRO_SEN, x, y);
    }
  }
}

void 描画_将棋盤桝(Game& g) {
  for (int x = 1; x <= BAN_N; ++x) {
    for (int y = 1; y <= BAN_N; ++y) 描画_桝輪郭(g, g.IRO_SEN2, x, y);
  }
}

// Tiles the whole window area around the board; the stands and the count columns are tiled
// too and are drawn again on top by whoever repaints them.
void 描画_背景(Game& g, int code) {
  for (int x = -3; x <= 28; ++x) {
    for (int y = -2; y <= 17; ++y) {
      if (!on_board(x, y)) 描画_絵(g, code, x, y);
    }
  }
}

void 描画_敵持盤(Game& g) {
  for (int y = 1; y <= 7; ++y) {
    描画_絵(g, KARA, -1, y);
    描画_絵(g, g.HAIKEI, 0, y);
    描画_桝輪郭(g, g.IRO_SEN, -1, y);
    const int count = g.UE_MOCHI[8 - y];
    if (count > 0) {
      描画_絵(g, MOCHI_KOMA[8 - y], -1, y);
      描画_桝輪郭(g, g.IRO_SEN, -1, y);
      描画_数値(g, 0.1, y + 0.3, count, IRO_KURO, 0, 14);
      描画_数値(g, 0, y + 0.2, count, IRO_AKA, 0, 14);
    }
    // The count column's tile is one pixel wider than a cell and covers the board's left edge.
    描画_桝輪郭(g, g.IRO_SEN, 1, y);
  }
}

void 描画_自持盤(Game& g) {
  for (int i = 1; i <= 7; ++i) {
    描画_絵(g, KARA, 11, i + 2);
    描画_絵(g, g.HAIKEI, 12, i + 2);
    描画_桝輪郭(g, g.IRO_SEN, 11, i + 2);
    const int count = g.SITA_MOCHI[i];
    if (count > 0) {
      描画_絵(g, -MOCHI_KOMA[i], 11, i + 2);
      描画_桝輪郭(g, g.IRO_SEN, 11, i + 2);
      描画_数値(g, 12.1, i + 2.3, count, IRO_KURO, 0, 14);
      描画_数値(g, 12, i + 2.2, count, IRO_AKA, 0, 14);
    }
  }
}

void 画面_再描画(Game& g) {
  // The window's own colour shows only where no tile lies, e.g. while it is first laid out.
  g.port.setBackColour(IRO_MIDORI);
  描画_背景(g, g.HAIKEI);
  描画_桝_数値(g);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
  描画_所有時間(g, g.COM_TEBAN, g.UE_JIKAN);
  描画_所有時間(g, g.MAN_TEBAN, g.SITA_JIKAN);
  if (g.TAIKYOKU_MODE == MODE_COM) 描画_レベル(g, g.COM_LEVEL);
  if (g.HANDE_SET == FLAG_ON) 描画_ハンデレベル(g, g.HANDE_LEVEL);
  描画_絵(g, MIZUBAN, 11.1, 0);
}
