// The about box (その他): version and where to reach the game's maker.
#include "settings/about.h"
#include "screen/screen.h"
#include "settings/settings.h"

void VER_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
  g.port.dsPlay(g.SE_SONOTA);
  const std::string text = std::string("Mizuhane  Version 0.9    [12/2000]\r\rHome page\r") +
                           HOME_PAGE + "\r\re-mail\r" + E_MAIL;
  g.port.messageBox(text, APP_TITLE, Buttons::Ok, Icon::None);
}
