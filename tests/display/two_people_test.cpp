// A game between two people with the clock hidden, on the X server's screen: with no clock
// tick to repaint the window, every move (a promotion, a capture, a drop) shows at once.
#include "on_display.h"
#include "rules/constants.h"

class TwoPeopleOnScreen : public OnDisplay {};

TEST_F(TwoPeopleOnScreen, EveryMoveShowsAtOnceWithTheClockHidden) {
  startGame();
  if (w().window.isChecked(Menu::KEIKA)) choose({Menu::OPTION, Menu::KEIKA});
  ASSERT_FALSE(w().window.isChecked(Menu::KEIKA));
  choose({Menu::TAIKYOKU, Menu::MATCH_MAN, Menu::START});
  ASSERT_EQ(boxes, std::vector<std::string>{"先手の番です"});
  expectScreenShowsPicture("game started");

  struct Click {
    double x, y;
    int button;
  };
  struct Move {
    const char* what;
    Click from, to;
    int square[2];
    int placed;
  };
  const Move moves[] = {
      {"the lower bishop takes the upper one and promotes",
       {2, 8, 1},
       {8, 2, 3},
       {8, 2},
       -KAKU_NARI},
      {"the upper silver takes the horse", {7, 1, 1}, {8, 2, 1}, {8, 2}, GIN},
      {"the lower side drops the bishop it took", {11, 8, 1}, {5, 5, 1}, {5, 5}, -KAKU},
  };
  int plies = 0;
  for (const Move& m : moves) {
    clickCell(m.from.x, m.from.y, m.from.button);
    expectScreenShowsPicture(std::string(m.what) + ": picked up");
    clickCell(m.to.x, m.to.y, m.to.button);
    EXPECT_EQ(game().TESUU, ++plies) << m.what;
    EXPECT_EQ(game().BAN[m.square[0]][m.square[1]], m.placed) << m.what;
    expectScreenShowsPicture(m.what);
  }
  EXPECT_FALSE(w().window.timerEnabled());
}
