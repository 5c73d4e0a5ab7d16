// Everything reachable from the keyboard: the menu bar through F10 or a lone Alt, with the
// arrows, Return and Esc as in any menu (Esc there closes the menu and does not end the
// program), and the write panel with Return, Tab down the screen and the keyboard starting in
// the first empty field.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "app/canvas.h"
#include "app_fixture.h"
#include "screen/screen.h"

namespace {

// The widget a real key goes to: an open menu, else the widget with the keyboard.
QWidget* keyTarget(GameWindow& w) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  return &w.window;
}

void press(GameWindow& w, Qt::Key key) {
  QTest::keyClick(keyTarget(w), key);
}

// Where the keyboard is: the caption of the open menu or of the marked entry of the menu bar,
// else the name of the widget that has it.
std::string keyboardAt(GameWindow& w) {
  if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
    return "menu " + menu->title().toStdString();
  QMenuBar* bar = w.window.menuBar();
  if (bar->hasFocus() && bar->activeAction())
    return "bar " + bar->activeAction()->text().toStdString();
  const QWidget* focus = QApplication::focusWidget();
  if (focus == &w.window.canvas()) return "board";
  return focus ? focus->objectName().toStdString() : "nowhere";
}

class Keyboard : public testing::Test {
 protected:
  void SetUp() override {
    Recorded::calls().clear();
    w_.window.show();
    QApplication::setActiveWindow(&w_.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w_.window));
    w_.window.canvas().setFocus();
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }
  const GameHandlers handlers_ = recordingHandlers();
  GameWindow w_{handlers_};
};

}  // namespace

TEST_F(Keyboard, TheMenuBarAnswersF10TheLoneAltTheArrowsReturnAndEsc) {
  struct Case {
    const char* what;
    std::vector<Qt::Key> keys;
    std::string at;                  // where the keyboard is afterwards
    std::vector<std::string> calls;  // what reached the game
  };
  const Case cases[] = {
      {"F10 marks the first caption", {Qt::Key_F10}, "bar 対局", {}},
      {"so does a lone Alt", {Qt::Key_Alt}, "bar 対局", {}},
      {"F10 again leaves the bar", {Qt::Key_F10, Qt::Key_F10}, "board", {}},
      {"arrows move along the bar", {Qt::Key_F10, Qt::Key_Right, Qt::Key_Right}, "bar 戻", {}},
      {"and round its ends", {Qt::Key_Alt, Qt::Key_Left}, "bar その他", {}},
      {"Return on an entry of the bar runs it",
       {Qt::Key_F10, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return},
       "board",
       {"進"}},
      {"Down opens the menu", {Qt::Key_F10, Qt::Key_Down}, "menu 対局", {"対局"}},
      {"Return in it opens a submenu",
       {Qt::Key_F10, Qt::Key_Down, Qt::Key_Return},
       "menu 対局(人間)",
       {"対局", "対局(人間)"}},
      {"and runs the entry there",
       {Qt::Key_F10, Qt::Key_Down, Qt::Key_Return, Qt::Key_Return},
       "board",
       {"対局", "対局(人間)", "スタート"}},
      {"Right opens a submenu",
       {Qt::Key_F10, Qt::Key_Down, Qt::Key_Right},
       "menu 対局(人間)",
       {"対局", "対局(人間)"}},
      {"else the arrows move to the next menu",
       {Qt::Key_F10, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left},
       "menu 対局",
       {"局面", "対局"}},
      {"or onto an entry of the bar",
       {Qt::Key_F10, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right},
       "bar 戻",
       {"局面"}},
      {"where Return runs it",
       {Qt::Key_F10, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return},
       "board",
       {"局面", "戻"}},
      {"Esc closes the menu and keeps the bar",
       {Qt::Key_F10, Qt::Key_Down, Qt::Key_Escape},
       "bar 対局",
       {"対局"}},
      {"a second Esc leaves the bar, and the game goes on",
       {Qt::Key_F10, Qt::Key_Down, Qt::Key_Escape, Qt::Key_Escape},
       "board",
       {"対局"}},
      {"Esc on the board ends the game", {Qt::Key_Escape}, "board", {"keyPress 27"}},
      {"once the bar is left, Esc ends again",
       {Qt::Key_Alt, Qt::Key_Escape, Qt::Key_Escape},
       "board",
       {"keyPress 27"}},
      {"other keys on the board reach the game, which ignores them",
       {Qt::Key_A, Qt::Key_Return},
       "board",
       {"keyPress 97", "keyPress 13"}},
  };
  for (const Case& c : cases) {
    Recorded::calls().clear();
    for (const Qt::Key key : c.keys) press(w_, key);
    EXPECT_EQ(keyboardAt(w_), c.at) << c.what;
    EXPECT_EQ(Recorded::calls(), c.calls) << c.what;
    // Back to the board for the next case.
    for (int i = 0; i < 3 && keyboardAt(w_) != "board"; ++i) press(w_, Qt::Key_Escape);
    ASSERT_EQ(keyboardAt(w_), "board") << c.what;
  }
}

TEST_F(Keyboard, TheMenuBarsCaptionsStayAsTheyAre) {
  for (const QAction* a : w_.window.menuBar()->actions()) {
    EXPECT_FALSE(a->text().contains('&')) << a->text().toStdString();
    if (!a->menu()) continue;
    for (const QAction* b : a->menu()->actions())
      EXPECT_FALSE(b->text().contains('&')) << b->text().toStdString();
  }
}

namespace {

class WritePanelKeys : public InScratchFolder {
 protected:
  void SetUp() override {
    InScratchFolder::SetUp();
    Recorded::calls().clear();
    w_.window.show();
    QApplication::setActiveWindow(&w_.window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w_.window));
    w_.window.canvas().setFocus();
  }
  // What 書込 shows, and what any other command does to the panels.
  void showWritePanel() {
    描画_可視(w_.game, true, true, false);
    描画_棋譜_IO(w_.game, 0);
  }
  void hideAll() {
    描画_可視(w_.game, false, false, false);
    描画_棋譜_IO(w_.game, 1);
  }
  QWidget* control(const char* name) { return w_.window.findChild<QWidget*>(name); }
  const GameHandlers handlers_ = recordingHandlers();
  GameWindow w_{handlers_};
};

}  // namespace

TEST_F(WritePanelKeys, TheKeyboardStartsInTheFirstEmptyField) {
  struct Case {
    std::vector<Field> filled;
    std::string first;
  };
  const Case cases[] = {
      {{}, "Text2"},
      {{Field::Text2}, "Text3"},
      {{Field::Text1, Field::Text3}, "Text2"},
      {{Field::Text2, Field::Text3, Field::Text4}, "Text1"},
      {{Field::Text1, Field::Text2, Field::Text3, Field::Text4}, "Command1"},
  };
  for (const Case& c : cases) {
    hideAll();
    for (const Field f : c.filled) w_.port.setFieldText(f, "名人");
    showWritePanel();
    EXPECT_EQ(keyboardAt(w_), c.first) << c.first;
  }
}

TEST_F(WritePanelKeys, TabGoesDownTheScreenAndRoundAgain) {
  struct Case {
    const char* what;
    bool writing;
    Qt::Key key;
    std::vector<std::string> order;
  };
  const Case cases[] = {
      {"writing",
       true,
       Qt::Key_Tab,
       {"Drive1", "Dir1", "Text2", "Text3", "Text4", "Text1", "Command1", "Drive1"}},
      {"writing, backwards",
       true,
       Qt::Key_Backtab,
       {"Drive1", "Command1", "Text1", "Text4", "Text3", "Text2", "Dir1", "Drive1"}},
      {"reading", false, Qt::Key_Tab, {"Drive1", "Dir1", "File1", "Drive1"}},
  };
  for (const Case& c : cases) {
    hideAll();
    if (c.writing) {
      showWritePanel();
    } else {
      描画_可視(w_.game, true, true, true);
    }
    control("Drive1")->setFocus();
    std::vector<std::string> seen = {keyboardAt(w_)};
    while (seen.size() < c.order.size()) {
      press(w_, c.key);
      seen.push_back(keyboardAt(w_));
    }
    EXPECT_EQ(seen, c.order) << c.what;
  }
}

TEST_F(WritePanelKeys, ReturnInAnyFieldOrOnTheButtonIsTheButton) {
  const char* const keyboardIn[] = {"Text2", "Text3", "Text4", "Text1", "Command1"};
  showWritePanel();
  for (const char* name : keyboardIn) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
      Recorded::calls().clear();
      control(name)->setFocus();
      press(w_, key);
      EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"return"}) << name << " " << key;
    }
  }
  // Space still presses the button.
  Recorded::calls().clear();
  press(w_, Qt::Key_Space);
  EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"return"});
}
