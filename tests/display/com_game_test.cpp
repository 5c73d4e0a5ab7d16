// A game against the computer on the X server's screen: moves clicked with the real mouse, the
// computer's replies, three steps back and three forward, each shown at once; and what the
// player does while the computer thinks is not played afterwards.
#include <QTimer>
#include <functional>

#include "on_display.h"
#include "rules/constants.h"
#include "rules/rules.h"

class ComGameOnScreen : public OnDisplay {};

TEST_F(ComGameOnScreen, MovesRepliesAndStepsShowAtOnce) {
  startGame();
  choose({Menu::TAIKYOKU, Menu::LEVEL, Menu::LEVEL2});
  choose({Menu::TAIKYOKU, Menu::START2, Menu::SENTE});
  ASSERT_EQ(game().TEBAN, game().MAN_TEBAN);
  expectScreenShowsPicture("game started");
  // Quiet steps of the lower side, each answered by the computer inside the second click.
  const int moves[][4] = {{5, 9, 5, 8}, {5, 8, 5, 9}, {4, 9, 4, 8}};
  int plies = 0;
  for (const auto& m : moves) {
    const int code = game().BAN[m[0]][m[1]];
    if (game().OU_TORI != 0 || code > -10 ||
        移動チェック(game(), m[0], m[1], m[2], m[3], code) != 1)
      break;
    clickCell(m[0], m[1]);
    expectScreenShowsPicture("piece picked up");
    clickCell(m[2], m[3]);
    plies += 2;
    ASSERT_EQ(game().TESUU, plies) << "the click moved and the computer replied";
    expectScreenShowsPicture("move " + std::to_string(plies));
  }
  ASSERT_GE(plies, 4);
  for (int i = 1; i <= 3; ++i) {
    choose({Menu::REPLAY});
    EXPECT_EQ(game().TESUU, plies - i);
    expectScreenShowsPicture("戻 " + std::to_string(i));
  }
  for (int i = 1; i <= 3; ++i) {
    choose({Menu::AFTER});
    EXPECT_EQ(game().TESUU, plies - 3 + i);
    expectScreenShowsPicture("進 " + std::to_string(i));
  }
  // A picture of the game under way, as the player sees it, for anyone to look at.
  saveScreenshot(QStringLiteral(GAME_SCREENSHOT_PATH));
}

// What the player does during the computer's first move, and what the game makes of it.
struct Impatience {
  const char* what;
  std::function<void(XPlayer&, QPoint silver, QPoint ahead)> act;
  bool ends;  // Esc still ends the program; everything else is forgotten
};

TEST_F(ComGameOnScreen, InputDuringTheComputersTurnIsNotPlayedAfterwards) {
  const Impatience cases[] = {
      {"two clicks that would move a silver",
       [](XPlayer& p, QPoint silver, QPoint ahead) {
         p.click(silver);
         p.click(ahead);
       },
       false},
      {"a right click on a piece", [](XPlayer& p, QPoint silver, QPoint) { p.click(silver, 3); },
       false},
      {"Esc", [](XPlayer& p, QPoint, QPoint) { p.key("Escape"); }, true},
  };
  for (const Impatience& c : cases) {
    SCOPED_TRACE(c.what);
    freshWindow();
    startGame();
    bool acted = false;
    QTimer watch;
    // Timers still run while the game waits (the computer's piece blinks), input does not.
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (acted || game().TEBAN != game().COM_TEBAN || game().TAIKYOKU_MODE != 1) return;
      acted = true;
      c.act(player(), cell(3, 9), cell(3, 8));
    });
    watch.start(5);
    choose({Menu::TAIKYOKU, Menu::START2, Menu::GOTE});
    watch.stop();
    ASSERT_TRUE(acted);
    processEventsFor(300);
    EXPECT_EQ(w().window.ending(), c.ends);
    if (c.ends) continue;
    EXPECT_EQ(ran("mouseDown").started, 0);
    EXPECT_EQ(game().TESUU, 1) << "only the computer's move";
    EXPECT_EQ(game().BAN[3][9], -GIN);
    EXPECT_EQ(game().SENTAKU, 0);
    EXPECT_EQ(game().TEBAN, game().MAN_TEBAN);
    expectScreenShowsPicture("after the computer's first move");
  }
}
