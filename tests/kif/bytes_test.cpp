// The exact bytes of one short game in KIF, written from the window and converted from its
// record file: the fixture data/short.kif was checked by eye, line by line.
#include "tests/kif/kif_fixture.h"

namespace {

const std::filesystem::path DATA = KIF_DATA;

using KifBytes = KifTest;

TEST_F(KifBytes, TheShortGameFromTheWindow) {
  play_short_game();
  ASSERT_EQ(g.KIFU_IDX, 10);
  ASSERT_EQ(g.OU_TORI, g.COM_TEBAN) << "the upper side took the king";
  export_kif("short", "練習対局", "先手太郎", "後手花子");
  EXPECT_EQ(read_bytes(kif("short")), read_bytes(DATA / "short.kif"));

  // Its record file, which the converter's test turns into the same KIF.
  KIFU_WRITE_Click(g);
  save("short", "練習対局", "先手太郎", "後手花子");
  EXPECT_EQ(read_bytes(record("short")), read_bytes(DATA / "short.棋譜"));
}

}  // namespace
