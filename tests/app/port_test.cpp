// The port's dialogs, timer, clock, wait, windows and input: what the game asks for is what
// the user sees, and every input reaches the game's procedure for it.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <cmath>
#include <functional>

#include "app/canvas.h"
#include "app/splash.h"
#include "app_fixture.h"

namespace {

struct Shown {
  QString text, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Waits for the next message box, notes what it shows and presses `press` (or closes it with
// Esc when press is NoButton).
void answerNextBox(Shown& seen, QMessageBox::StandardButton press) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, &seen, press] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    seen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons()};
    if (press == QMessageBox::NoButton)
      QTest::keyClick(box, Qt::Key_Escape);
    else
      box->button(press)->click();
  });
  poll->start(10);
}

void processEventsFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace

TEST(MessageBox, ShowsExactlyTheTextTitleButtonsAndIcon) {
  struct Case {
    std::string text, title;
    Buttons buttons;
    Icon icon;
    QMessageBox::StandardButton press;
    const char* shownText;
    QMessageBox::Icon shownIcon;
    Answer answer;
  };
  const Case cases[] = {
      {"先手の番です", " ", Buttons::Ok, Icon::None, QMessageBox::Ok, "先手の番です",
       QMessageBox::NoIcon, Answer::Ok},
      {"反転後ではできません\r\r局面→最初にして下さい", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定", Buttons::Ok, Icon::None,
       QMessageBox::Ok, "反転後ではできません\n\n局面→最初にして下さい", QMessageBox::NoIcon,
       Answer::Ok},
      {"Direct Soundインターフェースが作成できません。", "Mizuhane.dll", Buttons::Ok, Icon::Warning,
       QMessageBox::Ok, "Direct Soundインターフェースが作成できません。", QMessageBox::Warning,
       Answer::Ok},
      {"続けますか", "", Buttons::YesNo, Icon::None, QMessageBox::Yes, "続けますか",
       QMessageBox::NoIcon, Answer::Yes},
      {"続けますか", "", Buttons::YesNo, Icon::None, QMessageBox::No, "続けますか",
       QMessageBox::NoIcon, Answer::No},
      // Esc on a Yes/No box means No; on an OK box it is the OK.
      {"続けますか", "棋譜", Buttons::YesNo, Icon::Warning, QMessageBox::NoButton, "続けますか",
       QMessageBox::Warning, Answer::No},
      {" 読み込みました", "棋譜", Buttons::Ok, Icon::None, QMessageBox::NoButton, " 読み込みました",
       QMessageBox::NoIcon, Answer::Ok},
  };
  GameWindow w;
  for (const Case& c : cases) {
    Shown seen;
    answerNextBox(seen, c.press);
    EXPECT_EQ(w.port.messageBox(c.text, c.title, c.buttons, c.icon), c.answer) << c.text;
    EXPECT_EQ(seen.text.toStdString(), c.shownText);
    EXPECT_EQ(seen.title.toStdString(), c.title);
    EXPECT_EQ(seen.icon, c.shownIcon) << c.text;
    EXPECT_EQ(seen.buttons,
              c.buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No);
  }
}

TEST(Wait, EndsAfterTheRequestedTimeWithoutTimerTicks) {
  Recorded::calls().clear();
  GameWindow w(recordingHandlers());
  w.window.show();
  w.port.setTimerEnabled(true);
  EXPECT_TRUE(w.port.timerEnabled());
  QElapsedTimer clock;
  clock.start();
  w.port.wait(0.3);
  EXPECT_GE(clock.nsecsElapsed(), 300'000'000);
  EXPECT_TRUE(Recorded::calls().empty());
  // The timer runs on once the wait is over.
  processEventsFor(200);
  EXPECT_FALSE(Recorded::calls().empty());
  EXPECT_EQ(Recorded::calls().front(), "timer");
  w.port.setTimerEnabled(false);
  EXPECT_FALSE(w.port.timerEnabled());
}

TEST(Wait, KeepsPaintingTheWindow) {
  GameWindow w;
  w.window.show();
  processEventsFor(50);
  int paints = 0;
  struct Counter : QObject {
    int* n;
    explicit Counter(int* count) : n(count) {}
    bool eventFilter(QObject*, QEvent* e) override {
      *n += e->type() == QEvent::Paint;
      return false;
    }
  } counter(&paints);
  w.window.canvas().installEventFilter(&counter);
  w.window.canvas().update();
  w.port.wait(0.1);
  EXPECT_GT(paints, 0);
}

TEST(Wait, NoWaitForNothingOrNonsense) {
  GameWindow w;
  QElapsedTimer clock;
  clock.start();
  for (double s : {0.0, -1.0, std::nan("")}) w.port.wait(s);
  EXPECT_LT(clock.elapsed(), 1000);
}

TEST(Clock, TimeOfDayIsSecondsSinceMidnight) {
  GameWindow w;
  const float now = w.port.timeOfDay();
  const float expected = QTime::currentTime().msecsSinceStartOfDay() / 1000.f;
  EXPECT_GE(now, 0);
  EXPECT_LT(now, 86400);
  // Allow for midnight passing between the two readings.
  EXPECT_LT(std::min(std::abs(expected - now), 86400 - std::abs(expected - now)), 2);
}

TEST(Input, MousePressesGiveButtonAndTwips) {
  Recorded::calls().clear();
  GameWindow w(recordingHandlers());
  w.window.show();
  Canvas& c = w.window.canvas();
  QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(100, 50));
  QTest::mouseClick(&c, Qt::RightButton, {}, QPoint(235, 211));
  QTest::mouseClick(&c, Qt::MiddleButton, {}, QPoint(10, 10));
  // A quick second press arrives as a double click and still counts as a press.
  QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(1, 2), c.mapToGlobal(QPointF(1, 2)),
                  Qt::LeftButton, Qt::LeftButton, {});
  QApplication::sendEvent(&c, &dbl);
  EXPECT_EQ(Recorded::calls(),
            (std::vector<std::string>{"mouseDown 1 1500 750", "mouseDown 2 3525 3165",
                                      "mouseDown 1 15 30"}));
}

TEST(Input, PressesOnTheRecordPanelsAreNotBoardClicks) {
  Recorded::calls().clear();
  GameWindow w(recordingHandlers());
  w.window.show();
  w.port.setWritePanelVisible(true);
  auto* label = w.window.findChild<QLabel*>("Label1_3");
  ASSERT_NE(label, nullptr);
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(Recorded::calls().empty());
  // Hidden again, the same place is the window's.
  w.port.setWritePanelVisible(false);
  QTest::mouseClick(&w.window.canvas(), Qt::LeftButton, {}, label->geometry().topLeft());
  EXPECT_EQ(Recorded::calls().size(), 1u);
}

TEST(Input, KeysGoToTheGameButNotWhatIsTypedIntoAField) {
  Recorded::calls().clear();
  GameWindow w(recordingHandlers());
  w.window.show();
  QApplication::setActiveWindow(&w.window);
  w.window.canvas().setFocus();
  QTest::keyClick(&w.window.canvas(), Qt::Key_A);
  QTest::keyClick(&w.window.canvas(), Qt::Key_Escape);
  EXPECT_EQ(Recorded::calls(), (std::vector<std::string>{"keyPress 97", "keyPress 27"}));

  Recorded::calls().clear();
  w.port.setWritePanelVisible(true);
  auto* field = w.window.findChild<QLineEdit*>("Text1");
  field->setFocus();
  QTest::keyClicks(field, "kifu");
  QTest::keyClick(field, Qt::Key_Up);
  EXPECT_EQ(field->text(), "kifu");
  EXPECT_TRUE(Recorded::calls().empty());
  // Esc still ends the program from anywhere in the window.
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"keyPress 27"});
}

TEST(Input, ClosingTheWindowAsksTheGameOnce) {
  Recorded::calls().clear();
  GameWindow w(recordingHandlers());
  w.window.show();
  w.window.close();
  EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"unload"});
  EXPECT_TRUE(w.window.ending());
  w.port.quit();
  EXPECT_EQ(Recorded::calls(), std::vector<std::string>{"unload"});
}

TEST(Input, QuitClosesWithoutAskingTheGame) {
  Recorded::calls().clear();
  GameWindow w(recordingHandlers());
  w.window.show();
  w.port.setTimerEnabled(true);
  w.port.quit();
  EXPECT_TRUE(w.window.ending());
  EXPECT_FALSE(w.window.isVisible());
  EXPECT_FALSE(w.port.timerEnabled());
  EXPECT_TRUE(Recorded::calls().empty());
}

class EndingTheGame : public InScratchFolder {};

TEST_F(EndingTheGame, EscClosingAndOwariEndTheProgram) {
  const std::vector<std::function<void(GameWindow&)>> ways = {
      [](GameWindow& w) { QTest::keyClick(&w.window.canvas(), Qt::Key_Escape); },
      [](GameWindow& w) { w.window.close(); },
      [](GameWindow& w) { w.window.action(Menu::OWARI)->trigger(); },
  };
  for (const auto& end : ways) {
    GameWindow w;
    w.window.show();
    end(w);
    EXPECT_TRUE(w.window.ending());
    EXPECT_FALSE(w.window.isVisible());
  }
}

TEST(Windows, PlacementInTwips) {
  GameWindow w;
  w.window.show();
  w.port.placeMainWindow(1500, 3000, 9200, 8000);
  EXPECT_EQ(w.window.frameGeometry().topLeft(), QPoint(100, 200));
  EXPECT_EQ(w.window.canvas().size(), QSize(614, 534));
  EXPECT_EQ(w.port.mainWindowTop(), 3000);
  w.window.setWindowState(Qt::WindowMaximized);
  EXPECT_EQ(w.port.mainWindowTop(), -60);
  w.port.showMainWindow(false);
  EXPECT_FALSE(w.window.isVisible());
  w.port.showMainWindow(true);
  EXPECT_TRUE(w.window.isVisible());
}

TEST(Windows, SplashShowsItsThreePictures) {
  GameWindow w;
  SplashWindow& splash = w.window.splash();
  w.port.setSplashSize(11200, 6800);
  EXPECT_EQ(splash.size(), QSize(747, 454));
  const QSize sizes[3] = {{634, 190}, {280, 190}, {540, 190}};
  const double lefts[3] = {840, 3500, 1540};
  for (int i = 0; i < 3; ++i) {
    w.port.placeSplashPicture(i, lefts[i], 1950);
    EXPECT_EQ(splash.picture(i)->geometry(), QRect(QPoint(lefts[i] / 15, 130), sizes[i]));
    EXPECT_TRUE(splash.picture(i)->isHidden());
  }
  w.port.showSplash(true);
  EXPECT_TRUE(splash.isVisible());
  w.port.showSplashPicture(1, true);
  EXPECT_TRUE(splash.picture(1)->isVisible());
  EXPECT_TRUE(splash.picture(0)->isHidden());
  w.port.showSplashPicture(1, false);
  EXPECT_TRUE(splash.picture(1)->isHidden());
  // Pictures that do not exist are ignored.
  w.port.showSplashPicture(3, true);
  w.port.placeSplashPicture(-1, 0, 0);
  w.port.showSplash(false);
  EXPECT_FALSE(splash.isVisible());
}
