// Shared set-up of the record file tests: a started program whose chooser points at the test's
// own empty folder, with helpers to save through the write panel and to load through the file
// list, and the bytes of files read and written by hand.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

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
