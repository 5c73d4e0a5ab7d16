#include "record/record.h"
#include "tests/support/game_fixture.h"

namespace {

TEST(Notation, TextsOfValues) {
  const std::pair<int, const char*> cases[] = {
      {1, "１"},    {9, "９"},     {1001, "一"},  {1009, "九"}, {10, "歩"},     {-11, "と"},
      {21, "香成"}, {-31, "桂成"}, {101, "銀成"}, {110, "金"},  {-801, "角成"}, {901, "飛成"},
      {950, "王"},  {111, ""},     {0, ""},       {1000, ""},   {10, "歩"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(文字列変換(value), text) << value;
}

// The three texts of a move, in their coloured copies.
std::vector<std::string> coloured_texts(const FakePort& port) {
  std::vector<std::string> out;
  for (const auto& d : port.draws)
    if (d.kind == DrawCall::Text && d.code == IRO_SHIRO) out.push_back(d.text);
  return out;
}

TEST_F(GameTest, MoveTextsNameFileRankAndPiece) {
  描画_移動結果(g, g.MAN_TEBAN, 1, 1, -GIN_NARI, IRO_SHIRO);
  EXPECT_EQ(coloured_texts(port), (std::vector<std::string>{"９", "一", "銀成"}));
  port.clearLogs();
  描画_移動結果(g, g.COM_TEBAN, 9, 9, TO, IRO_SHIRO);
  EXPECT_EQ(coloured_texts(port), (std::vector<std::string>{"１", "九", "と"}));
  // The upper side's file digit sits at cell (-1.5, 8.5), its coloured copy 0.1 cell up-left.
  std::vector<DrawCall> texts;
  for (const auto& d : port.draws)
    if (d.kind == DrawCall::Text) texts.push_back(d);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(texts[0].code, IRO_KURO);
  EXPECT_DOUBLE_EQ(texts[0].x, 1050 - 1.5 * 495);
  EXPECT_DOUBLE_EQ(texts[0].y, 100 + 8.5 * 615);
  EXPECT_DOUBLE_EQ(texts[1].x, 1050 - 1.6 * 495);
  EXPECT_DOUBLE_EQ(texts[1].y, 100 + 8.4 * 615);
  EXPECT_DOUBLE_EQ(texts[4].x, 1050 - 0.5 * 495) << "the piece name";
}

TEST_F(GameTest, ShowingOneSideLeavesTheOthersText) {
  描画_移動結果(g, g.MAN_TEBAN, 3, 3, -HU, IRO_SHIRO);
  port.clearLogs();
  描画_移動結果(g, g.COM_TEBAN, 3, 7, HU, IRO_SHIRO);
  for (const auto& d : port.draws) {
    if (d.kind == DrawCall::Picture) {
      EXPECT_LE(d.x, 1050) << "only the upper side's cells";
    }
  }
}

}  // namespace
