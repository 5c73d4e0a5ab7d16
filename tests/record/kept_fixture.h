// Shared set-up of the kept-game tests: the settings folder where the game keeps the game in
// progress, what 書込 writes for the same game to compare with, and the program started again
// on the same folder as the next run.
#pragma once

#include <memory>

#include "tests/record/kifu_fixture.h"

// The program started again on a settings folder, as on the next day.
struct NextRun {
  FakePort port;
  Game g{port};
  explicit NextRun(const std::filesystem::path& folder) {
    g.settingsFolder = folder;
    Form_Load(g);
    port.clearLogs();
  }
  bool offered() const { return port.enabled[static_cast<int>(Menu::KIFU_LAST)]; }
  // 棋譜 → 前回の対局, then 進 to the end of the game.
  void continue_kept_game() {
    KIFU_Click(g);
    KIFU_LAST_Click(g);
    while (g.KIFU_IDX < g.KIFU_SU) AFTER_Click(g);
  }
};

class KeptGameTest : public KifuTest {
 protected:
  std::filesystem::path config;  // the settings folder

  void SetUp() override {
    KifuTest::SetUp();
    config = dir.path() / "config";
    std::filesystem::create_directory(config);
    g.settingsFolder = config;
  }

  std::filesystem::path kept() const { return config / "前回の対局.棋譜"; }
  std::string kept_bytes() const { return read_bytes(kept()); }
  std::set<std::string> config_names() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(config))
      names.insert(e.path().filename().string());
    return names;
  }

  // What 書込 writes for the game as it stands, under the title 前回の対局 and no names. The
  // file and the box that says so are cleared away again.
  std::string as_written() {
    const std::size_t before = port.messages.size();
    save("written", "前回の対局");
    EXPECT_TRUE(wrote());
    port.messages.resize(before);
    const std::string bytes = read_bytes(record("written"));
    std::filesystem::remove(record("written"));
    return bytes;
  }

  // The board, the hands, the side to move and the move number of the next run are this game's.
  // The order values of a loaded record may be the other way round, so the side to move is
  // compared as the upper or the lower side.
  void expect_same_game(const NextRun& next) const {
    EXPECT_TRUE(Snapshot(next.g) == Snapshot(g)) << debug_string(next.g) << "\n" << debug_string(g);
    EXPECT_EQ(next.g.TEBAN == next.g.COM_TEBAN, g.TEBAN == g.COM_TEBAN);
    EXPECT_EQ(next.g.TEBAN == next.g.MAN_TEBAN, g.TEBAN == g.MAN_TEBAN);
    EXPECT_EQ(next.g.TESUU, g.TESUU);
    EXPECT_EQ(next.g.OU_TORI, g.OU_TORI);
  }

  bool warned() const {
    for (const MessageCall& m : port.messages)
      if (m.text.rfind("前回の対局を保存できません", 0) == 0) return true;
    return false;
  }
};
