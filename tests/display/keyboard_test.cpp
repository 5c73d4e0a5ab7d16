// The game played from the keyboard on the X server, with real key presses: the menu bar
// reached with F10 and Alt, a record written to a folder chosen with the keys, read back and
// stepped with 進; Return and Tab in the write panel.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QTreeView>

#include "app/record_panels.h"
#include "on_display.h"
#include "rules/constants.h"

namespace {

class KeysOnScreen : public OnDisplay {
 protected:
  // Presses the keys one after the other, each given time to arrive; "Shift+Tab" holds Shift.
  void keys(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const std::string key = name;
      if (key.rfind("Shift+", 0) == 0) {
        player().keyDown("Shift_L");
        player().key(key.substr(6).c_str());
        player().keyUp("Shift_L");
      } else {
        player().key(name);
      }
      processEventsFor(80);
    }
  }
  // Types letters and digits.
  void type(const std::string& text) {
    for (const char c : text) {
      const std::string letter(1, c);
      player().key(letter.c_str());
    }
    processEventsFor(80);
  }
  // Waits for the menu entry's procedure to have run `times` times in all.
  bool ranTimes(Menu entry, int times) {
    return waitUntil([&] { return ran(entry).finished >= times; }, 60);
  }
  std::string keyboardIn() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName().toStdString() : "";
  }
  // The caption of a menu bar entry as the screen shows it.
  QImage caption(Menu entry) {
    QMenuBar* bar = w().window.menuBar();
    return player().screen(
        QRect(onScreen(bar, {}), bar->size())
            .intersected(
                QRect(onScreen(bar, bar->actionGeometry(w().window.action(entry)).topLeft()),
                      bar->actionGeometry(w().window.action(entry)).size())));
  }
};

}  // namespace

TEST_F(KeysOnScreen, AGameIsStartedWrittenReadAndSteppedWithTheKeys) {
  ASSERT_TRUE(QDir().mkdir("kept"));
  startGame();
  answerBoxesWithKeys();
  focusWindow();

  // F10 marks the first caption on the screen; Esc takes the mark away and keeps the game.
  const QImage unmarked = caption(Menu::TAIKYOKU);
  keys({"F10"});
  EXPECT_TRUE(caption(Menu::TAIKYOKU) != unmarked) << "F10 marked nothing";
  keys({"Escape"});
  ASSERT_FALSE(w().window.ending());
  EXPECT_TRUE(caption(Menu::TAIKYOKU) == unmarked) << "Esc left the mark";

  // 対局 > 対局(人間) > スタート, opened from a lone Alt.
  keys({"Alt_L", "Down", "Return", "Return"});
  ASSERT_TRUE(ranTimes(Menu::START, 1));
  EXPECT_EQ(boxes, std::vector<std::string>{"先手の番です"});

  // Three moves with the mouse.
  const int moves[][4] = {{3, 9, 3, 8}, {3, 1, 3, 2}, {7, 9, 7, 8}};
  for (const auto& m : moves) {
    clickCell(m[0], m[1]);
    clickCell(m[2], m[3]);
  }
  ASSERT_EQ(game().TESUU, 3);
  focusWindow();

  // 棋譜 > 書込: the keyboard starts in the title.
  keys({"F10", "Right", "Right", "Right", "Right", "Down", "Return"});
  ASSERT_TRUE(ranTimes(Menu::KIFU_WRITE, 1));
  EXPECT_EQ(keyboardIn(), "Text2");
  type("kensho");
  keys({"Tab"});
  type("sente");
  keys({"Tab"});
  type("gote");
  keys({"Tab"});
  type("kifu");
  // Back up to the folder tree and into the folder "kept" below the one shown.
  keys({"Shift+Tab", "Shift+Tab", "Shift+Tab", "Shift+Tab"});
  EXPECT_EQ(keyboardIn(), "Dir1");
  keys({"Right", "Down"});
  EXPECT_EQ(w().window.panels().selectedFolder(),
            QFile::encodeName(scratchPath() + "/kept").toStdString());
  keys({"Tab", "Tab", "Tab", "Tab"});
  ASSERT_EQ(keyboardIn(), "Text1");
  keys({"Return"});
  ASSERT_TRUE(waitUntil([] { return ran("returnClick").finished == 1; }, 10));
  EXPECT_EQ(boxes.back(), "棋譜を書き込みました");
  QFile record(scratchPath() + "/kept/kifu.棋譜");
  ASSERT_TRUE(record.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = record.readAll().split('\n');
  ASSERT_EQ(lines.size(), 7);  // three header lines, three moves, nothing after the last CR LF
  EXPECT_EQ(lines[0], "kensho\r");
  EXPECT_EQ(lines[1], "gote\r");
  EXPECT_EQ(lines[2], "sente\r");

  // 棋譜 > 読込, Tab down to the file list, the file chosen and loaded with Return.
  keys({"F10", "Right", "Right", "Right", "Right", "Down", "Down", "Return"});
  ASSERT_TRUE(ranTimes(Menu::KIFU_READ, 1));
  keys({"Tab", "Tab", "Tab"});
  ASSERT_EQ(keyboardIn(), "File1");
  keys({"Down", "Return"});
  ASSERT_TRUE(waitUntil([] { return ran("fileClick").finished == 1; }, 10));
  EXPECT_EQ(game().KIFU_MODE, 1);
  EXPECT_EQ(game().KIFU_SU, 3);

  // 進 three times: the moves of the game come back, each on the screen at once.
  for (int step = 1; step <= 3; ++step) {
    focusWindow();
    keys({"F10", "Right", "Right", "Right", "Return"});
    ASSERT_TRUE(ranTimes(Menu::AFTER, step));
    EXPECT_EQ(game().TESUU, step);
    expectScreenShowsPicture("進 " + std::to_string(step));
  }
  EXPECT_EQ(game().BAN[3][8], -GIN);
  EXPECT_EQ(game().BAN[3][2], GIN);
  EXPECT_EQ(game().BAN[7][8], -GIN);
  EXPECT_EQ(boxes, (std::vector<std::string>{"先手の番です", "棋譜を書き込みました",
                                             " 読み込みました", "棋譜を '進 'で進めて下さい"}));
  EXPECT_FALSE(w().window.ending());
}

TEST_F(KeysOnScreen, TabFollowsTheScreenAndReturnInAFieldOrOnTheButtonIsRETURN) {
  startGame();
  answerBoxesWithKeys();
  choose({Menu::TAIKYOKU, Menu::MATCH_MAN, Menu::START});
  clickCell(3, 9);
  clickCell(3, 8);
  focusWindow();
  choose({Menu::KIFU, Menu::KIFU_WRITE});
  ASSERT_EQ(keyboardIn(), "Text2");

  struct Case {
    const char* key;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {"Tab", {"Text2", "Text3", "Text4", "Text1", "Command1", "Drive1", "Dir1", "Text2"}},
      {"Shift+Tab", {"Text2", "Dir1", "Drive1", "Command1", "Text1", "Text4", "Text3", "Text2"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> seen = {keyboardIn()};
    while (seen.size() < c.order.size()) {
      keys({c.key});
      seen.push_back(keyboardIn());
    }
    EXPECT_EQ(seen, c.order) << c.key;
  }

  // Return in the title with no file name yet: RETURN says so, and the panel stays.
  keys({"Return"});
  ASSERT_TRUE(waitUntil([] { return ran("returnClick").finished == 1; }, 10));
  EXPECT_EQ(boxes.back(), "ﾌｧｲﾙ名が入力されていません");
  ASSERT_TRUE(waitUntil([this] { return keyboardIn() == "Text2"; }, 5));
  // Down to the file name, then on to the button, which Return presses.
  keys({"Tab", "Tab", "Tab"});
  type("bykeys");
  keys({"Tab"});
  ASSERT_EQ(keyboardIn(), "Command1");
  keys({"Return"});
  ASSERT_TRUE(waitUntil([] { return ran("returnClick").finished == 2; }, 10));
  EXPECT_EQ(boxes.back(), "棋譜を書き込みました");
  EXPECT_TRUE(QFile::exists(scratchPath() + "/bykeys.棋譜"));
  EXPECT_FALSE(w().window.findChild<QLineEdit*>("Text1")->isVisible());
}
