#include <algorithm>
#include <set>
#include <sstream>
#include <utility>

#include "rules/rules.h"
#include "tests/screen/screen_fixture.h"
#include "tests/support/board.h"

namespace {

std::string dump(const std::vector<DrawCall>& calls) {
  std::ostringstream out;
  for (const auto& d : calls)
    out << d.kind << ' ' << d.code << ' ' << d.x << ' ' << d.y << ' ' << d.x2 << ' ' << d.y2 << ' '
        << d.text << ' ' << d.size << ' ' << d.bold << '\n';
  return out.str();
}

using BoardTest = ScreenTest;

TEST_F(BoardTest, PictureLandsOnTheTwipsOfItsCell) {
  描画_絵(g, -10, 3, 4);
  描画_絵(g, 950, -1, 9);
  描画_絵(g, 1, 11.1, 0);
  const auto p = calls(DrawCall::Picture);
  ASSERT_EQ(p.size(), 3u);
  EXPECT_DOUBLE_EQ(p[0].x, 2535);
  EXPECT_DOUBLE_EQ(p[0].y, 2560);
  EXPECT_DOUBLE_EQ(p[1].x, 555);
  EXPECT_DOUBLE_EQ(p[1].y, 5635);
  EXPECT_DOUBLE_EQ(p[2].x, 6544.5);
  EXPECT_DOUBLE_EQ(p[2].y, 100);
}

TEST_F(BoardTest, CodesWithoutAPictureDrawNothing) {
  for (int code : {111, -111, 7, -1, -2, 12, 949, 1000}) 描画_絵(g, code, 2, 2);
  EXPECT_TRUE(port.draws.empty());
  for (int code : {0, 11, -901, 110, -110, 2, 6}) 描画_絵(g, code, 2, 2);
  EXPECT_EQ(port.draws.size(), 7u);
}

TEST_F(BoardTest, OutlineRunsFromCellCornerToTheNextCellsCorner) {
  描画_桝輪郭(g, 12, 2, 3);
  const auto r = calls(DrawCall::Rect);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].code, 12);
  EXPECT_DOUBLE_EQ(r[0].x, 2040);
  EXPECT_DOUBLE_EQ(r[0].y, 1945);
  EXPECT_DOUBLE_EQ(r[0].x2, 2535);
  EXPECT_DOUBLE_EQ(r[0].y2, 2560);
}

TEST_F(BoardTest, BackgroundCoversExactlyTheCellsOffTheBoard) {
  描画_背景(g, 5);
  std::set<std::pair<int, int>> want;
  for (int x = -3; x <= 28; ++x)
    for (int y = -2; y <= 17; ++y)
      if (x < 1 || x > 9 || y < 1 || y > 9) want.insert({x, y});
  std::set<std::pair<int, int>> got;
  const auto p = calls(DrawCall::Picture);
  for (const auto& d : p) {
    EXPECT_EQ(d.code, 5);
    got.insert({static_cast<int>((d.x - 1050) / 495), static_cast<int>((d.y - 100) / 615)});
  }
  EXPECT_EQ(p.size(), 559u);  // each cell once
  EXPECT_EQ(got, want);
  EXPECT_EQ(port.draws.size(), p.size());
}

TEST_F(BoardTest, BoardDrawsEachSquareWithItsOutlineColumnByColumn) {
  set_board(g, {{1, 2, -950}, {9, 1, 950}, {5, 5, -801}});
  描画_盤(g);
  ASSERT_EQ(port.draws.size(), 162u);
  EXPECT_EQ(port.draws[0].kind, DrawCall::Picture);
  EXPECT_EQ(port.draws[0].code, 0);
  EXPECT_EQ(port.draws[2].code, -950);  // (1, 2) comes second: rows run inside columns
  EXPECT_EQ(port.draws[3].kind, DrawCall::Rect);
  EXPECT_EQ(port.draws[3].code, g.IRO_SEN);
  EXPECT_TRUE(picture_at(-801, 5, 5));
  EXPECT_TRUE(picture_at(950, 9, 1));
  EXPECT_TRUE(outline_at(g.IRO_SEN, 9, 9));
}

TEST_F(BoardTest, GridRedrawsAll81OutlinesInTheClearingColour) {
  g.IRO_SEN2 = 7;
  描画_将棋盤桝(g);
  const auto r = calls(DrawCall::Rect);
  ASSERT_EQ(r.size(), 81u);
  EXPECT_EQ(port.draws.size(), 81u);
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_TRUE(outline_at(7, x, y)) << x << "," << y;
}

TEST_F(BoardTest, LowerStandShowsPiecesAndShadowedCounts) {
  g.HAIKEI = 3;
  set_hand(g, true, {12, 0, 0, 0, 0, 0, 1});
  描画_自持盤(g);
  expect_texts({{"12", 12.1, 3.3, 0, 14},
                {"12", 12, 3.2, 12, 14},  //
                {"1", 12.1, 9.3, 0, 14},
                {"1", 12, 9.2, 12, 14}});
  EXPECT_TRUE(picture_at(-10, 11, 3));
  EXPECT_TRUE(picture_at(-900, 11, 9));
  EXPECT_FALSE(picture_at(-20, 11, 4));
  for (int y = 3; y <= 9; ++y) {
    EXPECT_TRUE(picture_at(0, 11, y));
    EXPECT_TRUE(picture_at(3, 12, y));
    EXPECT_TRUE(outline_at(g.IRO_SEN, 11, y));
  }
  EXPECT_FALSE(outline_at(g.IRO_SEN, 1, 9));  // no board-edge repair on this side
}

TEST_F(BoardTest, UpperStandShowsRookOnTopAndRepairsTheBoardEdge) {
  g.HAIKEI = 2;
  set_hand(g, false, {3, 0, 0, 0, 0, 0, 1});
  描画_敵持盤(g);
  expect_texts({{"1", 0.1, 1.3, 0, 14},
                {"1", 0, 1.2, 12, 14},  //
                {"3", 0.1, 7.3, 0, 14},
                {"3", 0, 7.2, 12, 14}});
  EXPECT_TRUE(picture_at(900, -1, 1));
  EXPECT_TRUE(picture_at(10, -1, 7));
  for (int y = 1; y <= 7; ++y) {
    EXPECT_TRUE(picture_at(0, -1, y));
    EXPECT_TRUE(picture_at(2, 0, y));
    EXPECT_TRUE(outline_at(g.IRO_SEN, 1, y));
  }
  // The repair comes last in each row, after the count's tile.
  EXPECT_EQ(port.draws.back().kind, DrawCall::Rect);
  EXPECT_DOUBLE_EQ(port.draws.back().x, tx(1));
}

// The repaint must draw its parts in this order, so that later parts lie on top.
void documented_repaint(Game& g) {
  g.port.setBackColour(2);
  描画_背景(g, g.HAIKEI);
  描画_桝_数値(g);
  描画_自持盤(g);
  描画_敵持盤(g);
  描画_盤(g);
  描画_所有時間(g, g.COM_TEBAN, g.UE_JIKAN);
  描画_所有時間(g, g.MAN_TEBAN, g.SITA_JIKAN);
  if (g.TAIKYOKU_MODE == MODE_COM) 描画_レベル(g, g.COM_LEVEL);
  if (g.HANDE_SET == 1) 描画_ハンデレベル(g, g.HANDE_LEVEL);
  描画_絵(g, 1, 11.1, 0);
}

TEST_F(BoardTest, RepaintDrawsEverythingInOrderForEachMode) {
  struct Case {
    int16_t mode, hande_set;
    bool level_shown, grade_shown;
  };
  for (const Case c : {Case{MODE_MAN, 0, false, false}, Case{MODE_COM, 0, true, false},
                       Case{MODE_MAN, 1, false, true}, Case{MODE_COM, 1, true, true}}) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " hande " << c.hande_set);
    FakePort p1, p2;
    Game a(p1), b(p2);
    for (Game* x : {&a, &b}) {
      x->port.setChecked(Menu::KEIKA, true);
      lay_out_initial_position(*x);
      x->HAIKEI = 4;
      x->TAIKYOKU_MODE = c.mode;
      x->HANDE_SET = c.hande_set;
      x->HANDE_LEVEL = -10;
      x->COM_LEVEL = 2;
      x->UE_JIKAN = 3725;
      x->SITA_JIKAN = 59.9f;
    }
    画面_再描画(a);
    documented_repaint(b);
    EXPECT_EQ(dump(p1.draws), dump(p2.draws));
    EXPECT_EQ(p1.draws.front().kind, DrawCall::BackColour);
    EXPECT_EQ(p1.draws.front().code, 2);
    EXPECT_EQ(p1.draws.back().code, 1);  // the logo
    const auto texts = p1.texts();
    auto has = [&](const std::string& t) {
      return std::find(texts.begin(), texts.end(), t) != texts.end();
    };
    EXPECT_TRUE(has("01:02:05"));
    EXPECT_TRUE(has("00:00:59"));
    EXPECT_EQ(has("LEVEL"), c.level_shown);
    EXPECT_EQ(has("ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), c.grade_shown);
  }
}

}  // namespace
