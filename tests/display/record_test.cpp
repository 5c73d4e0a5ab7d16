// Record files through the window on the X server's screen: a record read and stepped through
// with 進, each move shown at once; and after a file the game refused, the keys belong to the
// window again, not to the hidden file list.
#include <QDir>
#include <QFile>
#include <QListWidget>

#include "app/splash.h"
#include "on_display.h"

namespace {

// Clicks the record file of that name in the chooser's file list.
class RecordsOnScreen : public OnDisplay {
 protected:
  void clickFile(const QString& name) {
    auto* files = w().window.findChild<QListWidget*>("File1");
    ASSERT_NE(files, nullptr);
    ASSERT_TRUE(waitUntil([&] { return files->isVisible(); }, 5));
    const auto found = files->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    const QPoint at = files->visualItemRect(found[0]).center();
    const int before = ran("fileClick").finished;
    player().click(onScreen(files->viewport(), at));
    ASSERT_TRUE(waitUntil([&] { return ran("fileClick").finished > before; }, 60));
  }
};

}  // namespace

TEST_F(RecordsOnScreen, EachStepOfARecordShowsAtOnce) {
  // A record of a played game, the lower side first.
  ASSERT_TRUE(QFile::copy(QStringLiteral(SAMPLE_RECORD), "sample.棋譜"));
  startGame();
  choose({Menu::KIFU, Menu::KIFU_READ});
  clickFile("sample.棋譜");
  EXPECT_EQ(boxes, (std::vector<std::string>{" 読み込みました", "棋譜を '進 'で進めて下さい"}));
  ASSERT_EQ(game().KIFU_MODE, 1);
  expectScreenShowsPicture("record read");
  for (int i = 1; i <= 3; ++i) {
    choose({Menu::AFTER});
    EXPECT_EQ(game().TESUU, i);
    expectScreenShowsPicture("進 " + std::to_string(i));
  }
  // A click on the board asks whether to go on with the record; the box opens over move 3.
  clickCell(5, 5);
  EXPECT_EQ(boxes.back(), "棋譜を '進 'で進めて下さい");
  EXPECT_EQ(game().TESUU, 3);
  expectScreenShowsPicture("record box answered");
}

TEST_F(RecordsOnScreen, ReturnAfterARefusedFileDoesNothing) {
  QFile broken("broken.棋譜");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  // Three header lines, then a line that is no move.
  broken.write("title\r\nupper\r\nlower\r\nno move\r\n");
  broken.close();
  startGame();
  choose({Menu::KIFU, Menu::KIFU_READ});
  clickFile("broken.棋譜");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind("棋譜ﾌｧｲﾙが正しくありません", 0), 0u) << boxes[0];
  EXPECT_FALSE(w().window.findChild<QListWidget*>("File1")->isVisible());

  // Back at the window, the player presses Return: nothing happens.
  focusWindow();
  bool splashShown = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout,
                   [&] { splashShown |= w().window.splash().isVisible(); });
  watch.start(10);
  player().key("Return");
  processEventsFor(1000);
  EXPECT_FALSE(splashShown);
  EXPECT_EQ(ran("fileClick").started, 1);
  EXPECT_EQ(boxes.size(), 1u);
  EXPECT_EQ(ran("keyPress").finished, 1) << "the key went to the game, which ignores it";
  expectScreenShowsPicture("Return pressed");
}
