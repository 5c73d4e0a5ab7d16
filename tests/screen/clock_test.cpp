#include <cmath>
#include <limits>

#include "tests/screen/screen_fixture.h"

namespace {

TEST(ClockFormat, HoursMinutesSeconds) {
  const std::vector<std::pair<float, std::string>> table = {
      {0, "00:00:00"},    {59.9f, "00:00:59"},   {60, "00:01:00"},    {3599.9f, "00:59:59"},
      {3600, "01:00:00"}, {3725, "01:02:05"},    {86399, "23:59:59"}, {359999, "99:59:59"},
      {360000, ":00:00"}, {363725.5f, ":02:05"}, {1e30f, ""},         {std::nanf(""), "00::"},
  };
  for (const auto& [s, text] : table) {
    if (text.empty()) {
      // Absurd totals still give a text, with an empty hour field.
      EXPECT_EQ(調査_時間秒追加結果(s).substr(0, 1), ":") << s;
    } else {
      EXPECT_EQ(調査_時間秒追加結果(s), text) << s;
    }
  }
}

TEST(ClockFormat, TwoDigits) {
  const std::vector<std::pair<int, std::string>> table = {
      {0, "00"}, {5, "05"}, {9, "09"}, {10, "10"}, {99, "99"}, {100, ""}, {-1, ""}, {-10, ""}};
  for (const auto& [n, text] : table) EXPECT_EQ(変換_数字から文字(n), text) << n;
}

TEST(ClockFormat, ElapsedAcrossMidnight) {
  EXPECT_FLOAT_EQ(調査_経過秒(100, 150.5f), 50.5f);
  EXPECT_FLOAT_EQ(調査_経過秒(5, 5), 0);
  EXPECT_FLOAT_EQ(調査_経過秒(86390, 10), 20);
  EXPECT_FLOAT_EQ(調査_経過秒(86399.5f, 0), 0.5f);
}

class ClockTest : public ScreenTest {
 protected:
  void SetUp() override {
    port.setChecked(Menu::KEIKA, true);
    g.HAIKEI = 4;
    g.MAN_TEBAN = 1;
    g.COM_TEBAN = -1;
  }
};

TEST_F(ClockTest, LowerSideClockSitsRightOfTheStand) {
  描画_所有時間(g, g.MAN_TEBAN, 3725);
  expect_texts({{"01:02:05", 13.1, 9.3, 0, 12}, {"01:02:05", 13, 9.2, 15, 12}});
  for (int x = 13; x <= 15; ++x) EXPECT_TRUE(picture_at(4, x, 9));
  EXPECT_EQ(calls(DrawCall::Picture).size(), 3u);
  EXPECT_TRUE(calls(DrawCall::Rect).empty());
  EXPECT_EQ(port.draws[0].kind, DrawCall::Picture);  // erased before printing
}

TEST_F(ClockTest, UpperSideClockRepairsTheBoardEdgeAfterwards) {
  描画_所有時間(g, g.COM_TEBAN, 59.9f);
  expect_texts({{"00:00:59", -1.5, 9.3, 0, 12}, {"00:00:59", -1.6, 9.2, 15, 12}});
  for (int x = -2; x <= 0; ++x) EXPECT_TRUE(picture_at(4, x, 9));
  EXPECT_EQ(port.draws.back().kind, DrawCall::Rect);
  EXPECT_TRUE(outline_at(g.IRO_SEN, 1, 9));
}

TEST_F(ClockTest, NothingForAnUnknownSideOrWithClocksOff) {
  描画_所有時間(g, 0, 10);
  消去_所有時間(g, 0);
  EXPECT_TRUE(port.draws.empty());
  port.setChecked(Menu::KEIKA, false);
  描画_所有時間(g, g.MAN_TEBAN, 10);
  描画_所有時間(g, g.COM_TEBAN, 10);
  EXPECT_TRUE(port.draws.empty());
}

TEST_F(ClockTest, EraseTilesTheClockCellsOfTheSide) {
  消去_所有時間(g, g.COM_TEBAN);
  消去_所有時間(g, g.MAN_TEBAN);
  EXPECT_EQ(port.draws.size(), 6u);
  for (int x : {-2, -1, 0, 13, 14, 15}) EXPECT_TRUE(picture_at(4, x, 9)) << x;
}

class TimerTest : public ClockTest {
 protected:
  void SetUp() override {
    ClockTest::SetUp();
    port.timer = true;
    g.TEBAN = 1;  // the lower side thinks
    g.SITA_JIKAN = 60;
    g.UE_JIKAN = 3600;
    g.KAISHI_JIKOKU = port.now = 1000;
    g.KEIKA_HYOUJI = 0;
  }
  // One tick at the given time of day; the clock texts it drew.
  std::vector<std::string> tick(float now) {
    port.clearLogs();
    port.now = now;
    Timer1_Timer(g);
    return port.texts();
  }
};

TEST_F(TimerTest, RedrawsOnlyWhenTheWholeSecondChanges) {
  struct Tick {
    float now;
    std::vector<std::string> shown;
  };
  const std::vector<Tick> ticks = {
      {1000.05f, {}},
      {1000.95f, {}},
      {1001.0f, {"00:01:01", "00:01:01"}},
      {1001.5f, {}},
      {1002.25f, {"00:01:02", "00:01:02"}},
      {1062.0f, {"00:02:02", "00:02:02"}},
  };
  for (const auto& t : ticks) {
    SCOPED_TRACE(t.now);
    EXPECT_EQ(tick(t.now), t.shown);
    EXPECT_NEAR(g.KEIKA_BYOU, t.now - 1000, 1e-3);
    const bool refreshed = !port.draws.empty() && port.draws.back().kind == DrawCall::Refresh;
    EXPECT_EQ(refreshed, !t.shown.empty());
  }
  EXPECT_EQ(g.KEIKA_HYOUJI, 62);
}

TEST_F(TimerTest, UpperSideRunsItsOwnClock) {
  g.TEBAN = -1;
  EXPECT_EQ(tick(1005.5f), (std::vector<std::string>{"01:00:05", "01:00:05"}));
  EXPECT_NEAR(calls(DrawCall::Text)[0].x, tx(-1.5), 1e-6);
}

TEST_F(TimerTest, TurnAcrossMidnightKeepsCounting) {
  g.KAISHI_JIKOKU = 86399.5f;
  g.SITA_JIKAN = 0;
  EXPECT_EQ(tick(86399.9f), std::vector<std::string>{});
  EXPECT_EQ(tick(0.7f), (std::vector<std::string>{"00:00:01", "00:00:01"}));
  EXPECT_EQ(tick(65.6f), (std::vector<std::string>{"00:01:06", "00:01:06"}));
}

TEST_F(TimerTest, StillWhenStoppedOrOver) {
  g.KEIKA_BYOU = 7;
  port.timer = false;
  EXPECT_TRUE(tick(1010).empty());
  EXPECT_TRUE(port.draws.empty());
  EXPECT_EQ(g.KEIKA_BYOU, 7);

  port.timer = true;
  g.OU_TORI = 1;
  EXPECT_TRUE(tick(1010).empty());
  EXPECT_TRUE(port.draws.empty());
  EXPECT_EQ(g.KEIKA_BYOU, 7);
}

TEST_F(TimerTest, CountsButShowsNothingWhenClocksAreHidden) {
  port.setChecked(Menu::KEIKA, false);
  EXPECT_TRUE(tick(1003).empty());
  EXPECT_FLOAT_EQ(g.KEIKA_BYOU, 3);
  EXPECT_EQ(g.KEIKA_HYOUJI, 3);
}

TEST_F(TimerTest, NoClockBetweenGames) {
  g.TEBAN = 0;
  EXPECT_TRUE(tick(1003).empty());
}

}  // namespace
