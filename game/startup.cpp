// Start-up, the reset before every game, and shut-down.
#include "game/control.h"
#include "record/record.h"
#include "rules/rules.h"
#include "screen/screen.h"
#include "settings/settings.h"

namespace {

// Twips of the splash window and its three pictures.
constexpr double SPLASH_W = 11200, SPLASH_H = 6800;
constexpr double SPLASH_TOP = 1950;
constexpr double SPLASH_LEFT[3] = {840, 3500, 1540};
// The window manager reports this top edge for a maximised window.
constexpr double MAXIMISED_TOP = -60;

}  // namespace

void Form_Load(Game& g) {
  // 1. Sound device and the four sounds.
  load_sounds(g);
  // 2. Defaults. The background menu shows 畳 checked until the settings say otherwise.
  g.KIFU_MODE = 0;
  g.SIDOU_ON = 0;
  g.KIFU_SU = 0;
  g.port.setChecked(Menu::TATAMI, true);
  g.COM_LEVEL = 3;
  g.port.setChecked(Menu::LEVEL3, true);
  g.TEBAN_SENTE = 1;
  g.TEBAN_GOTE = -1;
  g.COM_TEBAN = 1;
  g.MAN_TEBAN = -1;
  // 3. Colours.
  g.port.setBackColour(IRO_MIDORI);
  g.IRO_SEN = g.IRO_SEN2 = g.IRO_IDOU = IRO_MIDORI;
  g.IRO_KEKKA = IRO_SHIRO;
  // 4. Board geometry.
  g.BAN_X0 = 1050;
  g.BAN_Y0 = 100;
  g.MASU_W = 495;
  g.MASU_H = 615;
  // 5. Options, then the first game's reset.
  読込_環境設定ファイル(g);
  初期設定(g);
  // 6. Window placement, unless the window starts maximised.
  if (g.port.mainWindowTop() != MAXIMISED_TOP) g.port.placeMainWindow(0, 0, 9200, 8000);
  // The 棋譜 menu offers the game kept by the last run, if there is one.
  offer_kept_game(g);
}

void 初期設定(Game& g) {
  // 1. Game flags, move list position and clocks.
  g.HANDE_LEVEL = 0;
  g.HANDE_SET = 0;
  g.TAIKYOKU_MODE = MODE_MAN;
  g.OU_TORI = 0;
  g.TEBAN = TEBAN_NASHI;
  g.KIFU_IDX = 0;
  g.TESUU = 0;
  g.HANTEN = 0;
  g.port.setTimerEnabled(false);
  g.SITA_JIKAN = 0;
  g.UE_JIKAN = 0;
  g.KEIKA_BYOU = 0;
  g.KIFU_IDOU = 0;
  g.KIFU_MODE = 0;
  g.KIFU_NARIGO[0] = HU;
  g.SENTAKU = 0;
  // 2. The initial position.
  lay_out_initial_position(g);
  // 3. Splash: the main window is redrawn while hidden, then the three pictures in turn.
  g.port.showMainWindow(false);
  画面_再描画(g);
  g.port.setSplashSize(SPLASH_W, SPLASH_H);
  for (int i = 0; i < 3; ++i) g.port.placeSplashPicture(i, SPLASH_LEFT[i], SPLASH_TOP);
  g.port.showSplash(true);
  for (int i = 0; i < 3; ++i) {
    g.port.showSplashPicture(i, true);
    待ち時間(g, 2);
    g.port.showSplashPicture(i, false);
    待ち時間(g, 0.4);
  }
  g.port.showMainWindow(true);
  g.port.showSplash(false);
}

void 終了処理(Game& g) {
  // However the program ends, the game in progress is kept for the next run.
  keep_game(g, Flush::ToDisk);
  release_sounds(g);
}

void OWARI_Click(Game& g) {
  終了処理(g);
  g.port.quit();
}

void Form_Unload(Game& g) {
  終了処理(g);
  g.port.quit();
}

void Form_KeyPress(Game& g, int key) {
  constexpr int ESC = 27;
  if (key != ESC) return;
  終了処理(g);
  g.port.quit();
}

void TAIKYOKU_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

void MATCH_MAN_Click(Game&) {}
