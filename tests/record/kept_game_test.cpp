// The game in progress is kept after every move and at shut-down, byte for byte as 書込 writes
// it, and the next run continues it from 棋譜 → 前回の対局. Games a record cannot hold, and
// shut-downs with nothing new to keep, leave the kept copy as it was.
#include <functional>

#include "tests/record/kept_fixture.h"

namespace {

// A two-person game: a capture with promotion, a recapture, a drop from each stand and a
// capture of the dropped piece.
const ClickMove TWO_PERSON_GAME[] = {
    {2, 8, 8, 2, BTN_RIGHT}, {7, 1, 8, 2, BTN_LEFT}, {11, 8, 5, 5, BTN_LEFT},
    {-1, 2, 4, 4, BTN_LEFT}, {5, 5, 4, 4, BTN_LEFT},
};

// The first legal move of the lower side that keeps its king out of reach.
ClickMove safe_move(Game& g, std::mt19937& rng) {
  for (const ClickMove& m : lower_moves(g, rng))
    if (leaves_king_safe(g, m)) return m;
  ADD_FAILURE() << "no safe move\n" << debug_string(g);
  return {};
}

using KeptGame = KeptGameTest;

TEST_F(KeptGame, TwoPersonGameIsKeptAfterEveryMoveAndContinuedNextRun) {
  port.setChecked(Menu::KEIKA, true);
  START_Click(g);
  EXPECT_FALSE(std::filesystem::exists(kept()));
  for (const ClickMove& m : TWO_PERSON_GAME) {
    port.now += 7.3f;
    Timer1_Timer(g);
    move(m.fx, m.fy, m.tx, m.ty, m.button);
    SCOPED_TRACE(g.KIFU_IDX);
    EXPECT_EQ(kept_bytes(), as_written());
    EXPECT_TRUE(port.enabled[static_cast<int>(Menu::KIFU_LAST)]);
  }
  ASSERT_EQ(g.KIFU_IDX, 5);
  EXPECT_EQ(config_names(), std::set<std::string>{"前回の対局.棋譜"});
  EXPECT_FALSE(warned());

  NextRun next(config);
  EXPECT_TRUE(next.offered());
  next.continue_kept_game();
  ASSERT_GE(next.port.messages.size(), 2u);
  EXPECT_EQ(next.port.messages[0].text, " 読み込みました");
  EXPECT_EQ(next.port.messages[1].text, "棋譜を '進 'で進めて下さい");
  expect_same_game(next);

  // Played on between two people: the upper side's lance, and the kept game grows by that move.
  const std::string five = kept_bytes();
  START_Click(next.g);
  EXPECT_EQ(next.port.messages.back().text, "後手の番です");
  Form_MouseDown(next.g, 1, 1050 + 1.5 * 495, 100 + 1.5 * 615);
  Form_MouseDown(next.g, 1, 1050 + 1.5 * 495, 100 + 2.5 * 615);
  ASSERT_EQ(next.g.KIFU_IDX, 6);
  const std::string six = kept_bytes();
  ASSERT_EQ(six.size(), five.size() + 39);
  EXPECT_EQ(six.substr(0, five.size()), five);
  EXPECT_EQ(six.substr(five.size(), 17), "1 11220  20  0   ");
}

// Against the computer, in both orders: after each click the file holds the human's move and the
// computer's answer exactly as 書込 writes them, and the next run gets back the same position.
TEST_F(KeptGame, GameAgainstTheComputerIsKeptAfterEveryMove) {
  for (const bool humanFirst : {true, false}) {
    SCOPED_TRACE(humanFirst ? "先手" : "後手");
    CANCEL_Click(g);
    if (humanFirst) {
      SENTE_Click(g);
      EXPECT_EQ(g.KIFU_IDX, 0);
    } else {
      std::filesystem::remove(kept());
      GOTE_Click(g);
      ASSERT_EQ(g.KIFU_IDX, 1);
      EXPECT_EQ(kept_bytes(), as_written());  // the computer's opening alone
    }
    std::mt19937 rng(5);
    for (int i = 0; i < 8 && g.OU_TORI == 0; ++i) {
      const int before = g.KIFU_IDX;
      const ClickMove m = safe_move(g, rng);
      port.now += 4.5f;
      move(m.fx, m.fy, m.tx, m.ty, m.button);
      ASSERT_EQ(g.KIFU_IDX, before + (g.OU_TORI == g.MAN_TEBAN ? 1 : 2));
      EXPECT_EQ(kept_bytes(), as_written()) << "after move " << g.KIFU_IDX;
    }
    NextRun next(config);
    next.continue_kept_game();
    expect_same_game(next);
  }
}

// A port that looks at the kept game when the computer shows that it starts thinking.
class WatchingPort : public FakePort {
 public:
  std::filesystem::path file;
  std::vector<std::string> seen;
  void refresh() override {
    FakePort::refresh();
    std::ifstream in(file, std::ios::binary);
    seen.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
};

TEST_F(KeptGame, TheHumansMoveIsKeptBeforeTheComputerThinks) {
  WatchingPort watching;
  watching.file = kept();
  Game h{watching};
  h.settingsFolder = config;
  Form_Load(h);
  SENTE_Click(h);
  watching.seen.clear();
  Form_MouseDown(h, 1, 1050 + 8.5 * 495, 100 + 8.5 * 615);  // the rook
  Form_MouseDown(h, 1, 1050 + 8.5 * 495, 100 + 4.5 * 615);
  ASSERT_EQ(h.KIFU_IDX, 2);
  const std::string header = "\x91\x4f\x89\xf1\x82\xcc\x91\xce\x8b\xc7\r\n\r\n\r\n";  // 前回の対局
  const std::string rook = "8 884-900-9000   0    0    0    0    \r\n";
  EXPECT_NE(std::find(watching.seen.begin(), watching.seen.end(), header + rook),
            watching.seen.end());
  EXPECT_EQ(read_bytes(kept()).substr(0, header.size() + rook.size()), header + rook);
}

struct ShutDown {
  const char* what;
  void (*run)(Game&);
};

const ShutDown SHUT_DOWNS[] = {
    {"Esc", [](Game& g) { Form_KeyPress(g, 27); }},
    {"window closed", Form_Unload},
    {"終わり", OWARI_Click},
};

// Every way out writes the game once more, so a copy a move failed to write is written yet.
TEST_F(KeptGame, EveryShutDownKeepsTheGame) {
  for (const ShutDown& s : SHUT_DOWNS) {
    SCOPED_TRACE(s.what);
    CANCEL_Click(g);
    START_Click(g);
    move(8, 8, 8, 4);
    move(1, 1, 1, 2);
    std::filesystem::remove(kept());
    port.quitCalled = false;
    s.run(g);
    EXPECT_TRUE(port.quitCalled);
    EXPECT_EQ(kept_bytes(), as_written());
  }
}

TEST_F(KeptGame, SteppingBackLeavesTheCopyAndTheNextMoveReplacesIt) {
  START_Click(g);
  for (const ClickMove& m : TWO_PERSON_GAME) move(m.fx, m.fy, m.tx, m.ty, m.button);
  const std::string whole = kept_bytes();
  REPLAY_Click(g);
  REPLAY_Click(g);
  EXPECT_EQ(kept_bytes(), whole);
  // The upper side drops its bishop elsewhere: the new line of play replaces the old one.
  move(-1, 2, 4, 5);
  ASSERT_EQ(g.KIFU_SU, 4);
  EXPECT_EQ(kept_bytes(), as_written());
  EXPECT_NE(kept_bytes(), whole);
}

struct Unkept {
  const char* what;
  std::function<void()> play;
};

// After 反転 or a handicap the record format cannot hold the game: moves and shut-down leave
// the copy of the last game as it was.
TEST_F(KeptGame, GamesARecordCannotHoldLeaveTheOldCopy) {
  const std::string OLD = "an older game\r\n";
  const Unkept cases[] = {
      {"反転",
       [this] {
         START_Click(g);
         REVERSE_Click(g);
         move(1, 1, 1, 2);  // the upper side is to move after the turn
         move(8, 8, 8, 4);
       }},
      {"handicap",
       [this] {
         LBEL_UP_Click(g);
         START_Click(g);
         move(8, 8, 8, 4);
         move(1, 1, 1, 2);
       }},
  };
  for (const Unkept& c : cases) {
    SCOPED_TRACE(c.what);
    CANCEL_Click(g);
    write_bytes(kept(), OLD);
    c.play();
    ASSERT_EQ(g.KIFU_IDX, 2);
    EXPECT_EQ(kept_bytes(), OLD);
    Form_Unload(g);
    EXPECT_EQ(kept_bytes(), OLD);
    EXPECT_FALSE(warned());
  }
}

// A shut-down with nothing new to keep leaves the copy: no move yet, a game started again with
// 最初, a game stepped back (the copy still holds the moves ahead), a record being replayed.
TEST_F(KeptGame, ShutDownWithNothingNewLeavesTheCopy) {
  write_bytes(record("replayed"), "\r\n\r\n\r\n8 884-900-9000   0    0    0    0    \r\n");
  const Unkept cases[] = {
      {"no move", [this] { START_Click(g); }},
      {"最初",
       [this] {
         START_Click(g);
         move(8, 8, 8, 4);
         CANCEL_Click(g);
       }},
      {"stepped back",
       [this] {
         START_Click(g);
         move(8, 8, 8, 4);
         move(1, 1, 1, 2);
         REPLAY_Click(g);
       }},
      {"record replayed",
       [this] {
         load("replayed");
         AFTER_Click(g);
       }},
  };
  for (const Unkept& c : cases) {
    SCOPED_TRACE(c.what);
    CANCEL_Click(g);
    write_bytes(kept(), "an older game\r\n");
    c.play();
    const std::string before = kept_bytes();
    Form_KeyPress(g, 27);
    EXPECT_EQ(kept_bytes(), before);
  }
}

}  // namespace
