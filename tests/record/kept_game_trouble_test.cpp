// The kept game when things go wrong: a folder that cannot be written costs one warning and no
// play, a temporary file left by an interrupted write is never taken for the game, the menu
// entry follows the file, and a damaged copy is refused exactly as 読込 refuses it.
#include <functional>

#include "tests/record/kept_fixture.h"
#include "tests/support/full_disk.h"

namespace {

using KeptGameTrouble = KeptGameTest;

struct Unwritable {
  const char* what;
  std::function<void(const std::filesystem::path& folder)> prepare;
  const char* reason;  // part of the message
  bool fullDisk;
};

TEST_F(KeptGameTrouble, AFolderThatCannotBeWrittenWarnsOnceAndPlayGoesOn) {
  const Unwritable cases[] = {
      {"missing folder", [](const std::filesystem::path&) {}, "見つかりません", false},
      {"folder with the file's name",
       [](const std::filesystem::path& f) {
         std::filesystem::create_directories(f / "前回の対局.棋譜");
       },
       "フォルダー", false},
      // A limit on the file size stands in for a full disk; it fails writes with its own reason.
      {"no room", [](const std::filesystem::path& f) { std::filesystem::create_directory(f); },
       "大きすぎます", true},
  };
  int n = 0;
  for (const Unwritable& c : cases) {
    SCOPED_TRACE(c.what);
    // A folder of its own for each case: the warning is given once per file and run.
    g.settingsFolder = config / std::to_string(++n);
    c.prepare(g.settingsFolder);
    const std::filesystem::path file = g.settingsFolder / "前回の対局.棋譜";
    CANCEL_Click(g);
    START_Click(g);
    port.clearLogs();
    {
      std::optional<FileSizeLimit> full;
      if (c.fullDisk) full.emplace();
      for (const ClickMove& m : {ClickMove{8, 8, 8, 4, 1}, ClickMove{1, 1, 1, 2, 1},
                                 ClickMove{8, 4, 6, 4, 1}, ClickMove{1, 2, 1, 3, 1}})
        move(m.fx, m.fy, m.tx, m.ty, m.button);
      Form_Unload(g);
    }
    // Play went on, and the player heard about it once.
    EXPECT_EQ(g.KIFU_IDX, 4);
    EXPECT_EQ(g.TEBAN, g.MAN_TEBAN);
    ASSERT_EQ(port.messages.size(), 1u);
    const MessageCall& m = port.messages[0];
    EXPECT_EQ(m.title, "Mizuhane");
    EXPECT_EQ(m.icon, Icon::Warning);
    EXPECT_EQ(m.text.rfind("前回の対局を保存できません\r" + file.string() + "\r", 0), 0u) << m.text;
    EXPECT_NE(m.text.find(c.reason), std::string::npos) << m.text;
    // Nothing half-written is left behind.
    std::error_code ec;
    EXPECT_FALSE(std::filesystem::is_regular_file(file, ec));
    if (std::filesystem::is_directory(g.settingsFolder)) {
      EXPECT_LE(std::distance(std::filesystem::directory_iterator(g.settingsFolder),
                              std::filesystem::directory_iterator()),
                1);
    }
  }
  // Once the disk has room again the next move is kept, without another word.
  move(6, 4, 6, 5);
  EXPECT_EQ(read_bytes(g.settingsFolder / "前回の対局.棋譜"), as_written());
  EXPECT_EQ(port.messages.size(), 1u);
}

// A crash between writing the temporary file and renaming it leaves a hidden ".XXXXXX"
// beside the kept game. The next run offers and reads the kept game itself, never the leftover,
// and keeps the game as usual.
TEST_F(KeptGameTrouble, ATemporaryFileLeftByAnInterruptedWriteIsNotTakenForTheGame) {
  START_Click(g);
  move(8, 8, 8, 4);
  move(1, 1, 1, 2);
  const std::string kept2 = kept_bytes();
  const std::string leftover = kept2.substr(0, kept2.size() - 20);
  const std::filesystem::path stray = config / ".aB3xY9";
  write_bytes(stray, leftover);
  {
    NextRun next(config);
    EXPECT_TRUE(next.offered());
    next.continue_kept_game();
    EXPECT_EQ(next.g.KIFU_SU, 2);
    expect_same_game(next);
    START_Click(next.g);
    Form_MouseDown(next.g, 1, 1050 + 8.5 * 495, 100 + 4.5 * 615);
    Form_MouseDown(next.g, 1, 1050 + 8.5 * 495, 100 + 3.5 * 615);
    ASSERT_EQ(next.g.KIFU_IDX, 3);
    EXPECT_EQ(kept_bytes().substr(0, kept2.size()), kept2);
    EXPECT_EQ(kept_bytes().size(), kept2.size() + 39);
  }
  EXPECT_EQ(read_bytes(stray), leftover);
  EXPECT_EQ(config_names(), (std::set<std::string>{"Mizuhane.ini", "前回の対局.棋譜", ".aB3xY9"}));

  // A leftover alone is no kept game: nothing is offered until a move is kept.
  std::filesystem::remove(kept());
  NextRun next(config);
  EXPECT_FALSE(next.offered());
  KIFU_Click(next.g);
  EXPECT_FALSE(next.offered());
  START_Click(next.g);
  Form_MouseDown(next.g, 1, 1050 + 8.5 * 495, 100 + 8.5 * 615);
  Form_MouseDown(next.g, 1, 1050 + 8.5 * 495, 100 + 4.5 * 615);
  EXPECT_TRUE(next.offered());
  EXPECT_EQ(kept_bytes().size(), 10 + 2 + 2 + 2 + 39u);  // 前回の対局 in Shift_JIS, one move
}

// 前回の対局 is enabled exactly when there is a kept game, checked again whenever the 棋譜 menu
// opens, since the file may come and go while the program runs.
TEST_F(KeptGameTrouble, TheMenuEntryFollowsTheFile) {
  const auto offered = [this] { return port.enabled[static_cast<int>(Menu::KIFU_LAST)]; };
  EXPECT_FALSE(NextRun(config).offered());
  KIFU_Click(g);
  EXPECT_FALSE(offered());
  START_Click(g);
  move(8, 8, 8, 4);
  EXPECT_TRUE(offered());
  EXPECT_TRUE(NextRun(config).offered());
  std::filesystem::remove(kept());
  KIFU_Click(g);
  EXPECT_FALSE(offered());
  std::filesystem::create_directory(kept());  // a folder of that name is no game either
  KIFU_Click(g);
  EXPECT_FALSE(offered());
  EXPECT_FALSE(NextRun(config).offered());
}

// Whatever lies in the kept file, 前回の対局 says and does exactly what 読込 says and does when
// the same file is chosen from the file list.
TEST_F(KeptGameTrouble, TheKeptFileIsReadExactlyAsAChosenFile) {
  const std::string GOOD = "\r\n\r\n\r\n8 884-900-9000   0    0    0    3    \r\n";
  const std::string cases[] = {
      GOOD,
      "\r\n\r\n\r\n",
      "\r\n\r\n\r\n8 884-900-9000   0    0    0    3    \r\n8 884-900-9000   \r\n",
      std::string("\x7f\x45\x4c\x46\x02\x01\x01\0\0\0", 10),
      std::string(2 << 20, 'x'),
  };
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(bytes.substr(0, 60));
    write_bytes(record("前回の対局"), bytes);
    NextRun chosen(records), kept(records);
    File1_Click(chosen.g, record("前回の対局"));
    KIFU_LAST_Click(kept.g);
    ASSERT_FALSE(kept.port.messages.empty());
    ASSERT_EQ(kept.port.messages.size(), chosen.port.messages.size());
    for (std::size_t i = 0; i < kept.port.messages.size(); ++i) {
      EXPECT_EQ(kept.port.messages[i].text, chosen.port.messages[i].text);
      EXPECT_EQ(kept.port.messages[i].title, chosen.port.messages[i].title);
      EXPECT_EQ(kept.port.messages[i].icon, chosen.port.messages[i].icon);
    }
    EXPECT_TRUE(Snapshot(kept.g) == Snapshot(chosen.g));
    EXPECT_EQ(kept.g.KIFU_MODE, chosen.g.KIFU_MODE);
    EXPECT_EQ(kept.g.KIFU_SU, chosen.g.KIFU_SU);
    EXPECT_EQ(kept.g.TEBAN, chosen.g.TEBAN);
    AFTER_Click(kept.g);
    AFTER_Click(chosen.g);
    EXPECT_TRUE(Snapshot(kept.g) == Snapshot(chosen.g));
  }
}

}  // namespace
