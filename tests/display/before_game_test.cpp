// The window before any game, on the X server's screen: start-up, handicap grades, the
// backgrounds and the about box each show at once, as the game drew them.
#include <QAction>

#include "app/splash.h"
#include "on_display.h"

class BeforeAGame : public OnDisplay {};

TEST_F(BeforeAGame, StartUpShowsTheStartingPosition) {
  startGame();
  expectScreenShowsPicture("start-up");
  EXPECT_FALSE(w().window.splash().isVisible());
  saveScreenshot(QStringLiteral(SCREENSHOT_PATH));
}

TEST_F(BeforeAGame, HandicapStepsShowAtOnce) {
  startGame();
  struct Step {
    Menu entry;
    int level;
    int bishop;  // what stands on the upper bishop's square (8, 2) afterwards
  };
  const Step steps[] = {
      {Menu::LBEL_UP, 1, 0},      {Menu::LBEL_UP, 2, 0},       {Menu::LEBEL_DOWN, 1, 0},
      {Menu::LEBEL_DOWN, 0, 800}, {Menu::LEBEL_DOWN, -1, 800},
  };
  for (const Step& s : steps) {
    choose({s.entry});
    EXPECT_EQ(game().HANDE_LEVEL, s.level);
    EXPECT_EQ(game().BAN[8][2], s.bishop) << "level " << s.level;
    expectScreenShowsPicture("handicap level " + std::to_string(s.level));
  }
  EXPECT_TRUE(boxes.empty()) << boxes.front();
}

TEST_F(BeforeAGame, EveryBackgroundShowsAtOnce) {
  startGame();
  const std::pair<Menu, int> backgrounds[] = {
      {Menu::TATAMI, 3}, {Menu::TAKE, 4}, {Menu::UCHU, 5}, {Menu::RENGA, 6}, {Menu::MIDORI, 2}};
  for (const auto& [entry, code] : backgrounds) {
    choose({Menu::OPTION, Menu::HAIKEI, entry});
    EXPECT_EQ(game().HAIKEI, code);
    EXPECT_TRUE(w().window.isChecked(entry)) << code;
    expectScreenShowsPicture("background " + std::to_string(code));
  }
}

TEST_F(BeforeAGame, TheAboutBoxOpensAndClosesOverTheBoard) {
  startGame();
  choose({Menu::VER});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].rfind("Mizuhane  Version", 0), 0u) << boxes[0];
  expectScreenShowsPicture("about box closed");
}
