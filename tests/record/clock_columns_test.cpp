// In a game between two people each side's thinking time goes to its own clock and to its own
// columns of the move list, so the clocks after stepping through the history, and the clock
// columns of the written record, agree with the clocks that were shown during play.
#include <algorithm>
#include <functional>

#include "tests/record/kifu_fixture.h"

namespace {

struct ClockCase {
  const char* what;
  std::function<void()> start;
  int first;  // list entry of the lower side's move
};

TEST_F(KifuTest, EachSideThinksOnItsOwnClock) {
  const ClockCase cases[] = {
      {"a new game", [this] { START_Click(g); }, 1},
      {"continuing a record the upper side began",
       [this] {
         write_bytes(record("upper"), "\r\n\r\n\r\n3 132100 100 0   0    0    0    0    \r\n");
         load("upper");
         AFTER_Click(g);
         START_Click(g);
       },
       2},
  };
  for (const ClockCase& c : cases) {
    SCOPED_TRACE(c.what);
    CANCEL_Click(g);
    c.start();
    const auto think = [this](float seconds) {
      port.now += seconds;
      Timer1_Timer(g);
    };
    think(5);
    move(7, 9, 7, 8);  // the lower silver
    think(3);
    move(7, 1, 7, 2);  // the upper silver
    EXPECT_FLOAT_EQ(g.SITA_JIKAN, 5);
    EXPECT_FLOAT_EQ(g.UE_JIKAN, 3);

    const int n = c.first;
    EXPECT_FLOAT_EQ(g.KIFU_SITA_ATO[n], 5);
    EXPECT_FLOAT_EQ(g.KIFU_UE_ATO[n], 0);
    EXPECT_FLOAT_EQ(g.KIFU_SITA_MAE[n + 1], 5);
    EXPECT_FLOAT_EQ(g.KIFU_SITA_ATO[n + 1], 5);
    EXPECT_FLOAT_EQ(g.KIFU_UE_MAE[n + 1], 0);
    EXPECT_FLOAT_EQ(g.KIFU_UE_ATO[n + 1], 3);

    REPLAY_Click(g);
    REPLAY_Click(g);
    AFTER_Click(g);
    port.clearLogs();
    AFTER_Click(g);
    EXPECT_FLOAT_EQ(g.SITA_JIKAN, 5);
    EXPECT_FLOAT_EQ(g.UE_JIKAN, 3);
    const std::vector<std::string> shown = port.texts();
    EXPECT_NE(std::find(shown.begin(), shown.end(), "00:00:05"), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "00:00:03"), shown.end());

    // The written record: columns 18-37 of the last two move lines, read by hand.
    save("clocks");
    const std::string bytes = read_bytes(record("clocks"));
    const std::size_t last = bytes.rfind("\r\n", bytes.size() - 3) + 2;
    const std::size_t before = bytes.rfind("\r\n", last - 3) + 2;
    EXPECT_EQ(bytes.substr(before + 17, 20), "0    5    0    0    ");
    EXPECT_EQ(bytes.substr(last + 17, 20), "5    5    0    3    ");
  }
}

}  // namespace
