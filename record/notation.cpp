// The last move of each side in Japanese notation beside its stand, e.g. ７六歩.
#include "record/record.h"
#include "screen/screen.h"

namespace {

struct Place {
  double file, rank, piece;  // shadow cells on one row
  double y;
};

constexpr Place UE_PLACE{-1.5, -1.1, -0.5, 8.5};
constexpr Place SITA_PLACE{12.5, 12.9, 13.5, 2.5};

void shadowed(Game& g, double X, double Y, const std::string& text, int colour) {
  描画_移動駒種類(g, X, Y, text, IRO_KURO);
  描画_移動駒種類(g, X - 0.1, Y - 0.1, text, colour);
}

}  // namespace

std::string 文字列変換(int value) {
  static const char* const SUJI[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  static const char* const KAN[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  if (value >= 1 && value <= 9) return SUJI[value];
  if (value >= 1001 && value <= 1009) return KAN[value - 1000];
  switch (value < 0 ? -value : value) {
    case HU:
      return "歩";
    case TO:
      return "と";
    case KYOU:
      return "香";
    case KYOU_NARI:
      return "香成";
    case KEI:
      return "桂";
    case KEI_NARI:
      return "桂成";
    case GIN:
      return "銀";
    case GIN_NARI:
      return "銀成";
    case KIN:
      return "金";
    case KAKU:
      return "角";
    case KAKU_NARI:
      return "角成";
    case SYA:
      return "飛";
    case SYA_NARI:
      return "飛成";
    case OU:
      return "王";
    default:
      return "";
  }
}

void 描画_移動駒種類(Game& g, double X, double Y, const std::string& text, int colour) {
  g.port.drawText(g.BAN_X0 + X * g.MASU_W, g.BAN_Y0 + Y * g.MASU_H, text, 12, colour, g.FONT_BOLD);
}

void 描画_移動結果(Game& g, int side, int x, int y, int code, int colour) {
  消去_移動結果(g, side);
  const Place* place = nullptr;
  if (side == g.COM_TEBAN)
    place = &UE_PLACE;
  else if (side == g.MAN_TEBAN)
    place = &SITA_PLACE;
  else
    return;
  shadowed(g, place->file, place->y, 文字列変換(10 - x), colour);
  shadowed(g, place->rank, place->y, 文字列変換(1000 + y), colour);
  shadowed(g, place->piece, place->y, 文字列変換(code), colour);
  if (side == g.COM_TEBAN) 描画_桝輪郭(g, g.IRO_SEN, 1, 8);
}

void 消去_移動結果(Game& g, int side) {
  if (side == g.COM_TEBAN) {
    for (int x = -2; x <= 0; ++x) 描画_絵(g, g.HAIKEI, x, 8);
    描画_桝輪郭(g, g.IRO_SEN, -1, 7);
    描画_桝輪郭(g, g.IRO_SEN, 1, 8);
  } else if (side == g.MAN_TEBAN) {
    for (int x = 12; x <= 14; ++x) 描画_絵(g, g.HAIKEI, x, 2);
  }
}
