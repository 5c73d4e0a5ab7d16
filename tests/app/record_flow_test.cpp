// A game written to a record file through the window: the move made with the mouse, the write
// panel filled in and RETURN pressed, the file found again in the reading chooser.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <set>

#include "app/canvas.h"
#include "app_fixture.h"
#include "rules/rules.h"

namespace {

// Accepts every message box as it appears, noting its text.
class BoxAnswerer {
 public:
  BoxAnswerer() {
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      seen.push_back(box->text().toStdString());
      box->defaultButton()->click();
    });
    poll_.start(10);
  }
  std::vector<std::string> seen;

 private:
  QTimer poll_;
};

// The middle of board square (x, y) on the window, in pixels.
QPoint square(int x, int y) {
  return {(1050 + x * 495) / 15 + 16, (100 + y * 615) / 15 + 20};
}

}  // namespace

class RecordFlow : public InScratchFolder {};

TEST_F(RecordFlow, AGameIsWrittenWhereTheChooserPointsAndListedForReading) {
  GameWindow w;
  lay_out_initial_position(w.game);
  w.window.show();
  BoxAnswerer boxes;
  w.window.action(Menu::START)->trigger();
  Canvas& board = w.window.canvas();
  QTest::mouseClick(&board, Qt::LeftButton, {}, square(3, 9));
  QTest::mouseClick(&board, Qt::LeftButton, {}, square(3, 8));
  ASSERT_EQ(w.game.KIFU_IDX, 1);
  EXPECT_EQ(w.game.BAN[3][8], -GIN);

  w.window.action(Menu::KIFU_WRITE)->trigger();
  auto* name = w.window.findChild<QLineEdit*>("Text1");
  ASSERT_TRUE(name->isVisible());
  EXPECT_FALSE(w.window.findChild<QListWidget*>("File1")->isVisible());
  QTest::keyClicks(name, "kifu");
  w.window.findChild<QLineEdit*>("Text2")->setText("練習");
  QTest::mouseClick(w.window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  EXPECT_EQ(boxes.seen.back(), "棋譜を書き込みました");
  EXPECT_FALSE(name->isVisible());
  QFile record(scratchPath() + "/kifu.棋譜");
  ASSERT_TRUE(record.open(QIODevice::ReadOnly));
  // The title as typed, in Shift_JIS (練習 is 97FB 8F4B).
  EXPECT_TRUE(record.readAll().startsWith("\x97\xfb\x8f\x4b\r\n"));

  w.window.action(Menu::KIFU_READ)->trigger();
  auto* files = w.window.findChild<QListWidget*>("File1");
  ASSERT_TRUE(files->isVisible());
  // Beside it the game kept since the move: the chooser starts in the current folder, which
  // holds the settings here.
  std::set<QString> listed;
  for (int i = 0; i < files->count(); ++i) listed.insert(files->item(i)->text());
  EXPECT_EQ(listed, (std::set<QString>{"kifu.棋譜", "前回の対局.棋譜"}));
}

TEST_F(RecordFlow, KifExportUsesTheSamePanelAndWritesAKifFile) {
  GameWindow w;
  lay_out_initial_position(w.game);
  w.window.show();
  BoxAnswerer boxes;
  w.window.action(Menu::START)->trigger();
  Canvas& board = w.window.canvas();
  QTest::mouseClick(&board, Qt::LeftButton, {}, square(3, 9));
  QTest::mouseClick(&board, Qt::LeftButton, {}, square(3, 8));
  ASSERT_EQ(w.game.KIFU_IDX, 1);

  w.window.action(Menu::KIF_EXPORT)->trigger();
  auto* name = w.window.findChild<QLineEdit*>("Text1");
  ASSERT_TRUE(name->isVisible());
  EXPECT_FALSE(w.window.findChild<QListWidget*>("File1")->isVisible());
  QTest::keyClicks(name, "kifu");
  w.window.findChild<QLineEdit*>("Text3")->setText("先手太郎");
  QTest::mouseClick(w.window.findChild<QPushButton*>("Command1"), Qt::LeftButton);
  EXPECT_EQ(boxes.seen.back(), "棋譜を書き込みました");
  EXPECT_FALSE(name->isVisible());
  QFile kif(scratchPath() + "/kifu.kif");
  ASSERT_TRUE(kif.open(QIODevice::ReadOnly));
  // The header, then the first player's name in Shift_JIS (先手太郎 is 90E6 8EE8 91BE 9859).
  EXPECT_TRUE(
      kif.readAll().startsWith("#KIF version=2.0 encoding=Shift_JIS\r\n"
                               "\x90\xe6\x8e\xe8\x81\x46\x90\xe6\x8e\xe8\x91\xbe\x98\x59\r\n"));
  EXPECT_FALSE(QFile::exists(scratchPath() + "/kifu.棋譜"));
}
