#include "tests/screen/screen_fixture.h"

namespace {

using StatusTest = ScreenTest;

// 描画_文字列 places its text 120 twips right of and 160 twips below the cell.
constexpr double GRADE_DX = 120, GRADE_DY = 160;

TEST_F(StatusTest, GradeTextsAndTheMoveWord) {
  const std::vector<std::pair<int, std::string>> table = {
      {-10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"}, {-9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"},
      {-8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"},  {-7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"},
      {-6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"},  {-5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"},
      {-4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"},  {-3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"},
      {-2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"},  {-1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"},
      {0, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"},   {1, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"},
      {2, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"},   {3, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"},
      {4, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"},   {5, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"},
      {6, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"},   {7, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"},
      {8, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"},   {9, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"},
      {10, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"},  {99, "手目"},
  };
  std::vector<TextAt> want;
  for (const auto& [code, text] : table) {
    描画_文字列(g, 2.5, -1, code, 9, 10);
    want.push_back({text, 2.5, -1, 9, 10});
  }
  for (int code : {-11, 11, 98, 100, -99}) 描画_文字列(g, 2.5, -1, code, 9, 10);
  expect_texts(want, GRADE_DX, GRADE_DY);
}

TEST_F(StatusTest, HandicapGradeClearsItsAreaEvenForAnUnknownGrade) {
  g.HAIKEI = 6;
  for (int grade : {-10, 0, 10, 11, -11, 99}) {
    SCOPED_TRACE(grade);
    port.clearLogs();
    描画_ハンデレベル(g, grade);
    for (int x = 11; x <= 14; ++x) EXPECT_TRUE(picture_at(6, x, 1.4));
    EXPECT_EQ(calls(DrawCall::Picture).size(), 4u);
    if (grade >= -10 && grade <= 10) {
      const auto texts = calls(DrawCall::Text);
      ASSERT_EQ(texts.size(), 2u);
      expect_texts({{texts[0].text, 11.1, 1.5, 0, 10}, {texts[0].text, 11, 1.4, 15, 10}}, GRADE_DX,
                   GRADE_DY);
    } else {
      EXPECT_TRUE(calls(DrawCall::Text).empty());
    }
  }
}

TEST_F(StatusTest, MoveNumberStartsFurtherLeftTheMoreDigitsItHas) {
  struct Case {
    int n;
    std::string text;
    double x;
  };
  for (const Case& c : {Case{0, "0", 13.3}, Case{9, "9", 13.3}, Case{10, "10", 13.2},
                        Case{99, "99", 13.2}, Case{100, "100", 13.1}, Case{500, "500", 13.1}}) {
    SCOPED_TRACE(c.n);
    port.clearLogs();
    描画_手数(g, c.n, 5);  // the colour asked for is not used
    const auto texts = calls(DrawCall::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, c.text);
    EXPECT_NEAR(texts[0].x, tx(c.x), 1e-6);
    EXPECT_NEAR(texts[0].y, ty(3.4), 1e-6);
    EXPECT_EQ(texts[0].code, 0);
    EXPECT_EQ(texts[0].size, 12);
    EXPECT_NEAR(texts[1].x, tx(c.x - 0.1), 1e-6);
    EXPECT_NEAR(texts[1].y, ty(3.3), 1e-6);
    EXPECT_EQ(texts[1].code, 15);
    EXPECT_EQ(texts[2].text, "手目");
    EXPECT_NEAR(texts[2].x, tx(13.9) + GRADE_DX, 1e-6);
    EXPECT_NEAR(texts[2].y, ty(3.2) + GRADE_DY, 1e-6);
    EXPECT_EQ(texts[2].code, 0);
    EXPECT_EQ(texts[2].size, 10);
    EXPECT_NEAR(texts[3].x, tx(13.8) + GRADE_DX, 1e-6);
    EXPECT_NEAR(texts[3].y, ty(3.1) + GRADE_DY, 1e-6);
    EXPECT_EQ(texts[3].code, 15);
    EXPECT_TRUE(picture_at(g.HAIKEI, 13, 3));
    EXPECT_TRUE(picture_at(g.HAIKEI, 14, 3));
    EXPECT_TRUE(outline_at(g.IRO_SEN, 11, 3));
  }
}

TEST_F(StatusTest, LevelIsPrintedWithoutClearingItsArea) {
  描画_レベル(g, 2);
  expect_texts({{"LEVEL", -1.4, 0.2, 0, 10},
                {"LEVEL", -1.5, 0.1, 15, 10},
                {"2", 0.1, 0.1, 0, 12},
                {"2", 0, 0, 15, 12}});
  EXPECT_EQ(port.draws.size(), 4u);
}

TEST_F(StatusTest, NumbersPrintAsDecimalOrAsRankKanji) {
  const std::vector<std::pair<int, std::string>> kanji = {{1, "一"}, {2, "二"}, {3, "三"},
                                                          {4, "四"}, {5, "五"}, {6, "六"},
                                                          {7, "七"}, {8, "八"}, {9, "九"}};
  std::vector<TextAt> want;
  for (const auto& [v, text] : kanji) {
    描画_数値(g, 1, 1, v, 3, 1, 12);
    want.push_back({text, 1, 1, 3, 12});
  }
  for (int v : {0, 10, -1, 11}) 描画_数値(g, 1, 1, v, 3, 1, 12);  // no kanji: nothing
  描画_数値(g, 1, 1, -25, 3, 0, 12);
  描画_数値(g, 1, 1, "12:00", 3, 0, 12);
  want.push_back({"-25", 1, 1, 3, 12});
  want.push_back({"12:00", 1, 1, 3, 12});
  expect_texts(want);
}

TEST_F(StatusTest, LabelsRunAcrossAndDownAndTurnTheFontBold) {
  g.HAIKEI = 3;
  描画_数値(g, 0, 0, 1, 0, 0, 9);
  描画_桝_数値(g);
  描画_数値(g, 0, 0, 1, 0, 0, 9);
  const auto texts = calls(DrawCall::Text);
  ASSERT_EQ(texts.size(), 38u);
  EXPECT_FALSE(texts.front().bold);
  for (size_t i = 1; i < texts.size(); ++i) EXPECT_TRUE(texts[i].bold) << i;

  port.clearLogs();
  描画_桝_数値(g);
  const char* const ranks[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
  std::vector<TextAt> want;
  for (int i = 1; i <= 9; ++i) {
    want.push_back({std::to_string(10 - i), i + 0.2, 0.5, 0, 16});
    want.push_back({std::to_string(10 - i), i + 0.1, 0.4, 14, 16});
    want.push_back({ranks[i], 10.2, i + 0.4, 0, 12});
    want.push_back({ranks[i], 10.1, i + 0.3, 14, 12});
    EXPECT_TRUE(picture_at(3, i, 0));
    EXPECT_TRUE(picture_at(3, 10, i));
    EXPECT_TRUE(outline_at(g.IRO_SEN, 9, i));
  }
  expect_texts(want);
}

TEST_F(StatusTest, ErasingLoadedRecordTextsClearsTheRowBelowTheBoard) {
  g.HAIKEI = 5;
  描画_棋譜読込み部分消去(g);
  for (int x = -1; x <= 9; ++x) EXPECT_TRUE(picture_at(5, x, 10)) << x;
  for (int x = 1; x <= 9; ++x) EXPECT_TRUE(outline_at(g.IRO_SEN, x, 9)) << x;
  EXPECT_EQ(calls(DrawCall::Text).size(), 36u);  // the labels are drawn again
}

TEST_F(StatusTest, RefusedHandicapMessages) {
  const std::vector<std::pair<int, std::string>> table = {
      {1, "棋譜ﾓｰﾄﾞではできません\r\r局面→最初にして下さい"},
      {2, "対局途中ではできません\r\r局面→最初にして下さい"},
      {3, "反転後ではできません\r\r局面→最初にして下さい"},
      {0, "\r\r局面→最初にして下さい"},
      {4, "\r\r局面→最初にして下さい"},
  };
  for (const auto& [n, text] : table) 描画_メッセージ(g, n);
  ASSERT_EQ(port.messages.size(), table.size());
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(port.messages[i].text, table[i].second);
    EXPECT_EQ(port.messages[i].title, "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定");
    EXPECT_EQ(port.messages[i].buttons, Buttons::Ok);
    EXPECT_EQ(port.messages[i].icon, Icon::None);
  }
  EXPECT_TRUE(port.sounds.empty());
}

}  // namespace
