#include <utility>

#include "tests/screen/screen_fixture.h"
#include "tests/support/board.h"

namespace {

using HighlightTest = ScreenTest;

// A lower gold on (5, 5) with an own pawn on (4, 4) in its way.
void gold_in_the_middle(Game& g) {
  set_board(g, {{5, 5, -110}, {4, 4, -10}, {5, 9, -950}, {5, 1, 950}});
}

TEST_F(HighlightTest, GuidanceOffOnlyRemovesOldHighlights) {
  gold_in_the_middle(g);
  g.SIDOU_ON = 0;
  描画_移動可能桝色(g, 5, 5, 15, -110);
  const auto r = calls(DrawCall::Rect);
  ASSERT_EQ(r.size(), 81u);
  EXPECT_EQ(port.draws.size(), 81u);
  for (const auto& d : r) EXPECT_EQ(d.code, g.IRO_SEN2);
}

TEST_F(HighlightTest, GuidanceOnOutlinesTheReachableSquaresAfterClearing) {
  gold_in_the_middle(g);
  g.SIDOU_ON = 1;
  描画_移動可能桝色(g, 5, 5, 15, -110);
  const auto r = calls(DrawCall::Rect);
  ASSERT_EQ(r.size(), 81u + 5u);
  for (size_t i = 0; i < 81; ++i) EXPECT_EQ(r[i].code, g.IRO_SEN2);
  // Column by column, top to bottom; (4, 4) holds an own piece.
  const std::vector<std::pair<int, int>> want = {{4, 5}, {5, 4}, {5, 6}, {6, 4}, {6, 5}};
  for (size_t i = 0; i < want.size(); ++i) {
    const auto& d = r[81 + i];
    EXPECT_EQ(d.code, 15);
    EXPECT_NEAR(d.x, tx(want[i].first), 1e-6);
    EXPECT_NEAR(d.y, ty(want[i].second), 1e-6);
  }
}

TEST_F(HighlightTest, DropHighlightsEveryEmptySquareItMayGoTo) {
  set_board(g, {{5, 9, -950}, {5, 1, 950}});
  set_hand(g, true, {0, 0, 0, 1});
  g.SIDOU_ON = 1;
  描画_移動可能桝色(g, 11, 6, 15, -100);  // a silver from the lower stand
  EXPECT_EQ(calls(DrawCall::Rect).size(), 81u + 79u);
  EXPECT_FALSE(outline_at(15, 5, 9));
  EXPECT_TRUE(outline_at(15, 1, 1));
}

// Stamps every drawing call with the clock, to see the pauses between them.
class TimedPort : public FakePort {
 public:
  std::vector<float> stamps;
  void drawPicture(int code, double x, double y) override {
    stamps.push_back(now);
    FakePort::drawPicture(code, x, y);
  }
};

TEST(BlinkTest, EmptyThenPieceWithPausesOfAFifthOfASecond) {
  TimedPort port;
  Game g(port);
  port.now = 1000;
  描画_駒点滅(g, 900, 3, 2, 2);
  std::vector<std::pair<DrawCall::Kind, int>> kinds;
  for (const auto& d : port.draws) kinds.push_back({d.kind, d.code});
  const std::pair<DrawCall::Kind, int> empty{DrawCall::Picture, 0}, rook{DrawCall::Picture, 900},
      outline{DrawCall::Rect, g.IRO_SEN}, show{DrawCall::Refresh, 0};
  const std::vector<std::pair<DrawCall::Kind, int>> once = {empty, outline, show,
                                                            rook,  outline, show};
  std::vector<std::pair<DrawCall::Kind, int>> want = once;
  want.insert(want.end(), once.begin(), once.end());
  EXPECT_EQ(kinds, want);
  ASSERT_EQ(port.stamps.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(port.stamps[i], 1000 + 0.2 * i, 1e-3);
  EXPECT_NEAR(port.now, 1000.8, 1e-3);
  for (const auto& d : port.draws) {
    if (d.kind == DrawCall::Refresh) continue;
    EXPECT_NEAR(d.x, tx(3), 1e-6);
    EXPECT_NEAR(d.y, ty(2), 1e-6);
  }
}

TEST(BlinkTest, ZeroTimesDrawsNothing) {
  FakePort port;
  Game g(port);
  描画_駒点滅(g, 900, 3, 2, 0);
  EXPECT_TRUE(port.draws.empty());
}

}  // namespace
