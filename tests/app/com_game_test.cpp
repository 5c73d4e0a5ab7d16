// A few moves against the computer played with real mouse clicks on the window: the computer
// answers inside the click that ends the human's move, and its move shows on the canvas.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/canvas.h"
#include "app/pictures.h"
#include "app_fixture.h"
#include "game/control.h"
#include "rules/rules.h"

namespace {

// Accepts every message box as it appears.
class BoxAccepter {
 public:
  BoxAccepter() {
    QObject::connect(&poll_, &QTimer::timeout, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box && box->isVisible()) box->defaultButton()->click();
    });
    poll_.start(10);
  }

 private:
  QTimer poll_;
};

QPoint square(int x, int y) {
  return {(1050 + x * 495) / 15 + 16, (100 + y * 615) / 15 + 20};
}

}  // namespace

class ComGameWithTheMouse : public InScratchFolder {};

TEST_F(ComGameWithTheMouse, TheComputerAnswersEveryClickedMove) {
  GameWindow w;
  BoxAccepter boxes;
  Form_Load(w.game);  // the real start-up, splash and all
  w.window.show();
  w.window.action(Menu::LEVEL2)->trigger();
  w.window.action(Menu::SENTE)->trigger();
  ASSERT_EQ(w.game.TEBAN, w.game.MAN_TEBAN);
  Canvas& board = w.window.canvas();
  // Three quiet steps of the lower side; each must be answered by one move of the computer.
  const int moves[][4] = {{5, 9, 5, 8}, {5, 8, 5, 9}, {4, 9, 4, 8}};
  int expected = 0;
  for (const auto& m : moves) {
    if (w.game.OU_TORI != 0) break;
    const int code = w.game.BAN[m[0]][m[1]];
    if (code > -10 || 移動チェック(w.game, m[0], m[1], m[2], m[3], code) != 1) break;
    QTest::mouseClick(&board, Qt::LeftButton, {}, square(m[0], m[1]));
    QTest::mouseClick(&board, Qt::LeftButton, {}, square(m[2], m[3]));
    expected += 2;
    ASSERT_EQ(w.game.TESUU, expected) << "the click moved and the computer replied";
    EXPECT_EQ(w.game.KIFU_KOMA[expected - 1], code);
    EXPECT_GE(w.game.KIFU_KOMA[expected], 10) << "the reply is the upper side's";
    const int tx = w.game.KIFU_SAKI_X[expected], ty = w.game.KIFU_SAKI_Y[expected];
    const int placed = w.game.KIFU_NARIGO[expected];
    EXPECT_EQ(w.game.BAN[tx][ty], placed);
    // Inside its outline (which the computer redraws in white) the square shows the piece.
    const QImage piece = gamePicture(placed).toImage().convertToFormat(QImage::Format_RGB32);
    const int left = (1050 + tx * 495) / 15, top = (100 + ty * 615) / 15;
    EXPECT_EQ(board.image().copy(left + 1, top + 1, 31, 39), piece.copy(1, 1, 31, 39))
        << "square " << tx << "," << ty;
  }
  EXPECT_GE(expected, 2);
  EXPECT_TRUE(w.game.TEBAN == w.game.MAN_TEBAN || w.game.OU_TORI != 0);
}
