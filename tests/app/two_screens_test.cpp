// The window moving between a screen at 1x and one at 2x (Qt's offscreen platform with two
// screens, from two_screens.json): everything the game drew is drawn again in the new
// screen's pixels, exactly as if it had been drawn there, and exactly as before on return.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "app/canvas.h"
#include "high_density.h"
#include "scene.h"

namespace {

// Moves the window onto a screen and waits until the canvas has its pixel ratio.
void moveTo(GameWindow& w, const QScreen* screen) {
  w.window.move(screen->geometry().topLeft() + QPoint(20, 20));
  w.window.show();
  for (int i = 0; i < 100 && w.window.canvas().devicePixelRatioF() != screen->devicePixelRatio();
       ++i)
    QTest::qWait(10);
}

}  // namespace

TEST(TwoScreens, TheWindowIsDrawnAgainForTheScreenItMovesTo) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  ASSERT_EQ(screens.size(), 2);
  ASSERT_EQ(screens[0]->devicePixelRatio(), 1);
  ASSERT_EQ(screens[1]->devicePixelRatio(), 2);

  GameWindow w;
  moveTo(w, screens[0]);
  drawScene(w.game);
  const QImage onFirst = shown(w);
  EXPECT_EQ(onFirst.size(), QSize(614, 534));

  moveTo(w, screens[1]);
  ASSERT_EQ(w.window.canvas().devicePixelRatioF(), 2);
  const QImage onSecond = shown(w);
  EXPECT_EQ(onSecond.size(), QSize(1228, 1068));
  // The lower king on its square, inside the square's outline: the 2x picture's own pixels.
  const QRect square(QPoint((1050 + 5 * 495) / 15, (100 + 9 * 615) / 15), QSize(33, 41));
  const QRect inner = device(square.adjusted(1, 1, -1, -1), 2);
  EXPECT_EQ(onSecond.copy(inner),
            expectedPicture(-950, QSize(66, 82), 2).copy(inner.translated(-2 * square.topLeft())));
  GameWindow there;
  moveTo(there, screens[1]);
  drawScene(there.game);
  EXPECT_EQ(onSecond, shown(there));

  moveTo(w, screens[0]);
  ASSERT_EQ(w.window.canvas().devicePixelRatioF(), 1);
  EXPECT_EQ(shown(w), onFirst);
}
