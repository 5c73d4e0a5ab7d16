// The whole start-up as the program runs it, ending in the window the player first sees.
#include <QFile>

#include "app/canvas.h"
#include "app/pictures.h"
#include "app/splash.h"
#include "app_fixture.h"

class StartUp : public InScratchFolder {};

TEST_F(StartUp, ShowsTheStartingPosition) {
  GameWindow w;
  w.window.show();
  gameHandlers().startUp(w.game);

  EXPECT_TRUE(w.window.isVisible());
  EXPECT_FALSE(w.window.splash().isVisible());
  EXPECT_FALSE(w.window.ending());
  EXPECT_TRUE(w.port.isChecked(Menu::LEVEL3));
  EXPECT_TRUE(QFile::exists("Mizuhane.ini"));
  EXPECT_EQ(w.window.frameGeometry().topLeft(), QPoint(0, 0));

  // The logo at cell (11.1, 0) and the upper king on (5, 1) are where the layout puts them.
  const QImage& screen = w.window.canvas().image();
  const QImage logo = gamePicture(1).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(screen.copy(static_cast<int>((1050 + 11.1 * 495) / 15), 100 / 15, 167, 55), logo);
  const QImage king = gamePicture(950).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(screen.copy((1050 + 5 * 495) / 15 + 1, (100 + 615) / 15 + 1, 31, 39),
            king.copy(1, 1, 31, 39));
}
