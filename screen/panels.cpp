// The record panels at the left of the window: the file chooser and the write panel.
#include "screen/screen.h"

void 描画_可視(Game& g, bool drive, bool folder, bool files) {
  g.port.setChooserVisible(drive, folder, files);
}

// Any mode but 0 hides the panel, and hiding always empties its fields.
void 描画_棋譜_IO(Game& g, int mode) {
  if (mode == 0) {
    g.port.setWritePanelVisible(true);
    return;
  }
  for (const Field f : {Field::Text1, Field::Text2, Field::Text3, Field::Text4})
    g.port.setFieldText(f, "");
  g.port.setWritePanelVisible(false);
}

void STOP_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}

void OPTION_Click(Game& g) {
  描画_可視(g, false, false, false);
  描画_棋譜_IO(g, 1);
}
