// Shared set-up of the record file tests: a started program whose chooser points at the test's
// own empty folder, with helpers to save through the write panel and to load through the file
// list, and the bytes of files read and written by hand.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "rules/rules.h"
#include "tests/support/game_fixture.h"

class KifuTest : public GameTest {
 protected:
  // The folder of records, apart from the settings file the game keeps in the current folder.
  std::filesystem::path records;

  void SetUp() override {
    GameTest::SetUp();
    records = dir.path() / "kifu";
    std::filesystem::create_directory(records);
    port.folder = records;
  }

  std::filesystem::path record(const std::string& name) const { return records / (name + ".棋譜"); }

  // Fills the write panel (file name, title, first player, second player) and presses RETURN.
  void save(const std::string& name, const std::string& title = "", const std::string& first = "",
            const std::string& second = "") {
    port.fields = {name, title, first, second};
    Command1_Click(g);
  }
  void load(const std::string& name) { File1_Click(g, record(name)); }

  static std::string read_bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void write_bytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::set<std::string> folder_names() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(records))
      names.insert(e.path().filename().string());
    return names;
  }

  // The program as after 局面→最初: initial position, no game, no record loaded.
  void expect_no_game() {
    Game fresh{port};
    lay_out_initial_position(fresh);
    EXPECT_TRUE(Snapshot(g) == Snapshot(fresh)) << debug_string(g);
    EXPECT_EQ(g.KIFU_MODE, 0);
    EXPECT_EQ(g.KIFU_IDX, 0);
    EXPECT_EQ(g.TEBAN, TEBAN_NASHI);
    EXPECT_EQ(g.TESUU, 0);
  }

  bool wrote() const { return said("棋譜を書き込みました", "  "); }
};

// Everything a game in progress consists of: position, move list, turn, mode and clocks.
struct GameState {
  Snapshot position;
  std::vector<int> numbers;  // flags and counters
  std::vector<float> clocks;
  std::vector<int> list;  // every column of every entry of the move list
  bool timer;

  GameState(const Game& g, bool timerOn)
      : position(g),
        numbers{g.TEBAN,     g.TESUU,       g.OU_TORI,    g.KIFU_IDX,      g.KIFU_SU,
                g.KIFU_MODE, g.KIFU_IDOU,   g.HANTEN,     g.TAIKYOKU_MODE, g.MAN_TEBAN,
                g.COM_TEBAN, g.TEBAN_SENTE, g.TEBAN_GOTE, g.HANDE_SET,     g.HANDE_LEVEL},
        clocks{g.SITA_JIKAN, g.UE_JIKAN, g.KAISHI_JIKOKU, g.KEIKA_BYOU},
        timer(timerOn) {
    for (int n = 0; n <= KIFU_MAX; ++n)
      list.insert(list.end(),
                  {g.KIFU_MOTO_X[n], g.KIFU_MOTO_Y[n], g.KIFU_SAKI_X[n], g.KIFU_SAKI_Y[n],
                   g.KIFU_KOMA[n], g.KIFU_NARIGO[n], g.KIFU_TORI[n],
                   static_cast<int>(g.KIFU_SITA_MAE[n]), static_cast<int>(g.KIFU_SITA_ATO[n]),
                   static_cast<int>(g.KIFU_UE_MAE[n]), static_cast<int>(g.KIFU_UE_ATO[n])});
  }
  bool operator==(const GameState& o) const {
    return position == o.position && numbers == o.numbers && clocks == o.clocks && list == o.list &&
           timer == o.timer;
  }
};
