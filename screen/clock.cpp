// The two clocks: each side's accumulated thinking time as hh:mm:ss beside the board, and the
// timer tick that keeps the running clock moving.
#include <cmath>

#include "rules/constants.h"
#include "screen/screen.h"
#include "settings/settings.h"

namespace {

// Two digits of a whole number given as a double, or an empty field when it does not fit.
std::string field(double v) {
  if (!(v >= 0 && v < 100)) return "";
  return 変換_数字から文字(static_cast<int>(v));
}

}  // namespace

float 調査_経過秒(float start, float now) {
  // The time of day starts again at 0 at midnight.
  if (start <= now) return now - start;
  return now + 86400 - start;
}

std::string 変換_数字から文字(int n) {
  if (n >= 0 && n <= 9) return {'0', static_cast<char>('0' + n)};
  if (n >= 10 && n <= 99) return std::to_string(n);
  return "";
}

std::string 調査_時間秒追加結果(float s) {
  // In double precision, so that a total just under a whole hour or minute never rounds up to it.
  const double total = s;
  const double h = total >= 3600 ? std::floor(total / 3600) : 0;
  const double r = total - 3600 * h;
  const double m = std::floor(r / 60);
  const double sec = r - 60 * m;
  return field(h) + ":" + field(m) + ":" + field(std::floor(sec));
}

void 描画_所有時間(Game& g, int side, float seconds) {
  if (!g.port.isChecked(Menu::KEIKA)) return;
  消去_所有時間(g, side);
  const std::string text = 調査_時間秒追加結果(seconds);
  if (side == g.MAN_TEBAN) {
    print_shadowed(g, 13.1, 9.3, text, IRO_SHIRO, 0, 12);
  } else if (side == g.COM_TEBAN) {
    print_shadowed(g, -1.5, 9.3, text, IRO_SHIRO, 0, 12);
    // The clock's tiles are one pixel wider than a cell and cover the board's left edge.
    描画_桝輪郭(g, g.IRO_SEN, 1, 9);
  }
}

void 消去_所有時間(Game& g, int side) {
  if (side == g.MAN_TEBAN) {
    for (int x = 13; x <= 15; ++x) 描画_絵(g, g.HAIKEI, x, 9);
  } else if (side == g.COM_TEBAN) {
    for (int x = -2; x <= 0; ++x) 描画_絵(g, g.HAIKEI, x, 9);
  }
}

void Timer1_Timer(Game& g) {
  if (!g.port.timerEnabled() || g.OU_TORI != 0) return;
  g.KEIKA_BYOU = 調査_経過秒(g.KAISHI_JIKOKU, g.port.timeOfDay());
  // The timer ticks many times a second; only a new whole second is worth drawing.
  const auto whole = static_cast<int32_t>(g.KEIKA_BYOU);
  if (whole == g.KEIKA_HYOUJI) return;
  g.KEIKA_HYOUJI = whole;
  if (g.TEBAN == g.COM_TEBAN) {
    描画_所有時間(g, g.COM_TEBAN, g.UE_JIKAN + g.KEIKA_BYOU);
  } else if (g.TEBAN == g.MAN_TEBAN) {
    描画_所有時間(g, g.MAN_TEBAN, g.SITA_JIKAN + g.KEIKA_BYOU);
  }
  g.port.refresh();
}

void KEIKA_Click(Game& g) {
  if (g.port.isChecked(Menu::KEIKA)) {
    g.port.setChecked(Menu::KEIKA, false);
    g.port.setTimerEnabled(false);
    消去_所有時間(g, g.MAN_TEBAN);
    消去_所有時間(g, g.COM_TEBAN);
  } else {
    g.port.setChecked(Menu::KEIKA, true);
    g.port.setTimerEnabled(true);
    描画_所有時間(g, g.COM_TEBAN, g.UE_JIKAN);
    描画_所有時間(g, g.MAN_TEBAN, g.SITA_JIKAN);
  }
  書込_環境設定ファイル(g);
}
