// The window keeps what the game drew so that it can draw it all again on a screen of another
// pixel density. What it keeps must draw exactly the same window, and must not grow with the
// length of a game, since the game redraws its clocks and highlights again and again.
#include "app/canvas.h"
#include "scene.h"
#include "screen/screen.h"

TEST(KeptDrawing, DrawsTheSameWindowAgainAndStaysSmallOverALongGame) {
  GameWindow w;
  drawScene(w.game);
  Canvas& c = w.window.canvas();
  const std::size_t afterScene = c.keptMarks();
  // A long game in drawing: the clocks tick, pieces are picked up, moves are counted, the
  // window is redrawn now and then.
  for (int i = 1; i <= 3000; ++i) {
    描画_所有時間(w.game, i % 2 ? w.game.MAN_TEBAN : w.game.COM_TEBAN, static_cast<float>(i));
    if (i % 10 == 0) 描画_移動可能桝色(w.game, 1 + i % 9, i % 20 < 10 ? 9 : 7, 12, -20);
    if (i % 50 == 0) 描画_手数(w.game, i / 50, 0);
    if (i % 500 == 0) 画面_再描画(w.game);
  }
  EXPECT_LE(c.keptMarks(), afterScene + 60);

  const QImage before = c.image().copy();
  c.setClientSize(9200, 8000);  // the same size: everything kept is drawn again
  EXPECT_EQ(c.image(), before);
}
