// Reading "Mizuhane.ini" at start-up: good files, files cut short or missing, damaged files.
#include "settings/settings.h"
#include "tests/settings/settings_fixture.h"

namespace {

constexpr int32_t MUSIC = 104;

struct GoodFile {
  const char* name;
  std::string bytes;
  Menu entry;
  int16_t code;
  bool sidou, keika, bgm;
};

class ReadSettings : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    g.SE_BGM = MUSIC;
  }
  bool music_started() const {
    for (const SoundCall& s : port.sounds)
      if (s.op == "loop") return true;
    return false;
  }
};

TEST_F(ReadSettings, GoodFilesSetMenuBackgroundAndMusic) {
  const GoodFile cases[] = {
      {"crlf", settings_bytes(SJ_TAKE, true, false, true), Menu::TAKE, TAKE, true, false, true},
      {"lf only", SJ_HAIKEI + SJ_UCHU + "\n" + SJ_SIDOU + "OFF\n" + SJ_KEIKA + "ON\nBGM=OFF\n",
       Menu::UCHU, UCHU, false, true, false},
      {"last line unended",
       SJ_HAIKEI + SJ_RENGA + "\r\n" + SJ_SIDOU + "ON\r\n" + SJ_KEIKA + "ON\r\nBGM=ON", Menu::RENGA,
       RENGA, true, true, true},
      {"extra lines ignored", settings_bytes(SJ_TATAMI, false, false, false) + "garbage\r\n",
       Menu::TATAMI, TATAMI, false, false, false},
      {"green", settings_bytes(SJ_MIDORI, true, true, false), Menu::MIDORI, MIDORI, true, true,
       false},
      {"cr only", SJ_HAIKEI + SJ_TAKE + "\r" + SJ_SIDOU + "ON\r" + SJ_KEIKA + "OFF\rBGM=OFF\r",
       Menu::TAKE, TAKE, true, false, false},
      {"mixed line ends",
       SJ_HAIKEI + SJ_RENGA + "\r" + SJ_SIDOU + "OFF\n" + SJ_KEIKA + "ON\r\nBGM=ON", Menu::RENGA,
       RENGA, false, true, true},
  };
  for (const GoodFile& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsPort fresh;
    fresh.setChecked(Menu::TATAMI, true);
    Game game(fresh);
    game.SE_BGM = MUSIC;
    write_file("Mizuhane.ini", c.bytes);

    読込_環境設定ファイル(game);

    int tiles = 0;
    for (const DrawCall& d : fresh.draws)
      if (d.kind == DrawCall::Picture && d.code == c.code) ++tiles;
    EXPECT_GT(tiles, 0);
    EXPECT_EQ(game.HAIKEI, c.code);
    for (const Menu m : BACKGROUND_ENTRIES) EXPECT_EQ(fresh.isChecked(m), m == c.entry);
    EXPECT_EQ(fresh.isChecked(Menu::SIDOU), c.sidou);
    EXPECT_EQ(game.SIDOU_ON, c.sidou ? 1 : 0);
    EXPECT_EQ(game.IRO_IDOU, c.sidou ? 15 : 2);
    EXPECT_EQ(fresh.isChecked(Menu::KEIKA), c.keika);
    EXPECT_EQ(fresh.isChecked(Menu::BGM), c.bgm);
    if (c.bgm) {
      ASSERT_EQ(fresh.sounds.size(), 1u);
      EXPECT_EQ(fresh.sounds[0].op, "loop");
      EXPECT_EQ(fresh.sounds[0].handle, MUSIC);
    } else {
      EXPECT_TRUE(fresh.sounds.empty());
    }
    // A complete file is read, never rewritten.
    EXPECT_EQ(read_file("Mizuhane.ini"), c.bytes);
    EXPECT_TRUE(fresh.messages.empty());
  }
}

TEST_F(ReadSettings, MissingOrShortFileIsReplacedByTheDefaults) {
  const std::optional<std::string> cases[] = {
      std::nullopt,
      "",
      "\r\n",
      SJ_HAIKEI + SJ_TAKE + "\r\n" + SJ_SIDOU + "ON\r\n",
      SJ_HAIKEI + SJ_TAKE + "\r" + SJ_SIDOU + "ON\r",
  };
  for (const auto& bytes : cases) {
    SCOPED_TRACE(bytes ? testing::PrintToString(*bytes) : "missing");
    SettingsPort fresh;
    fresh.setChecked(Menu::TATAMI, true);
    fresh.setChecked(Menu::SIDOU, true);
    Game game(fresh);
    game.SE_BGM = MUSIC;
    // Whatever the guidance fields held survives, since no line 2 says otherwise.
    game.SIDOU_ON = 1;
    game.IRO_IDOU = 15;
    std::filesystem::remove("Mizuhane.ini");
    if (bytes) write_file("Mizuhane.ini", *bytes);

    読込_環境設定ファイル(game);

    EXPECT_EQ(read_file("Mizuhane.ini"), DEFAULT_SETTINGS);
    EXPECT_EQ(game.HAIKEI, MIDORI);
    for (const Menu m : BACKGROUND_ENTRIES) EXPECT_EQ(fresh.isChecked(m), m == Menu::MIDORI);
    int tiles = 0;
    for (const DrawCall& d : fresh.draws)
      if (d.kind == DrawCall::Picture && d.code == MIDORI) ++tiles;
    EXPECT_GT(tiles, 0);
    EXPECT_FALSE(fresh.isChecked(Menu::SIDOU));
    EXPECT_EQ(game.SIDOU_ON, 1);
    EXPECT_EQ(game.IRO_IDOU, 15);
    EXPECT_TRUE(fresh.isChecked(Menu::KEIKA));
    EXPECT_TRUE(fresh.isChecked(Menu::BGM));
    EXPECT_TRUE(fresh.sounds.empty()) << "the music waits for the menu";
    EXPECT_TRUE(fresh.messages.empty());
  }
}

TEST_F(ReadSettings, LinesReadBeforeTheFileEndsStillTakeEffect) {
  port.setChecked(Menu::BGM, false);
  write_file("Mizuhane.ini",
             SJ_HAIKEI + SJ_UCHU + "\r\n" + SJ_SIDOU + "ON\r\n" + SJ_KEIKA + "OFF\r\n");

  読込_環境設定ファイル(g);

  // The first line painted 宇宙 before the defaults painted 緑 over it.
  EXPECT_GT(pictures(UCHU), 0);
  EXPECT_GT(pictures(MIDORI), 0);
  EXPECT_EQ(g.HAIKEI, MIDORI);
  EXPECT_EQ(checked_background(), Menu::MIDORI);
  // Line 2 switched guidance on; the defaults then only take the check mark off.
  EXPECT_EQ(g.SIDOU_ON, 1);
  EXPECT_EQ(g.IRO_IDOU, 15);
  EXPECT_FALSE(checked(Menu::SIDOU));
  EXPECT_TRUE(checked(Menu::KEIKA));
  EXPECT_TRUE(checked(Menu::BGM));
  EXPECT_FALSE(music_started());
  EXPECT_EQ(read_file("Mizuhane.ini"), DEFAULT_SETTINGS);
}

TEST_F(ReadSettings, UnknownBackgroundKeepsTheMenuAsItWas) {
  const std::string bytes = SJ_HAIKEI + "\x90\xc2" + "\r\n" + SJ_SIDOU + "ON\r\n" + SJ_KEIKA +
                            "ON\r\nBGM=ON\r\n";  // 背景画=青
  write_file("Mizuhane.ini", bytes);

  読込_環境設定ファイル(g);

  EXPECT_EQ(checked_background(), Menu::TATAMI);
  EXPECT_EQ(g.HAIKEI, 0);
  for (int code = MIDORI; code <= RENGA; ++code) EXPECT_EQ(pictures(code), 0) << code;
  EXPECT_TRUE(checked(Menu::SIDOU));
  EXPECT_EQ(g.SIDOU_ON, 1);
  EXPECT_TRUE(checked(Menu::KEIKA));
  EXPECT_TRUE(music_started());
  EXPECT_EQ(read_file("Mizuhane.ini"), bytes);

  // Choosing the already checked 畳 saves it but, as before, leaves the picture code alone.
  TATAMI_Click(g);
  EXPECT_EQ(g.HAIKEI, 0);
  EXPECT_EQ(read_file("Mizuhane.ini"), settings_bytes(SJ_TATAMI, true, true, true));
}

// Damaged files of four lines: every damaged line is simply a mismatch.
TEST_F(ReadSettings, DamagedLinesCountAsMismatches) {
  const std::string long_line(1 << 20, 'x');
  const std::string cases[] = {
      // Bytes that are not Shift_JIS at all, and a lead byte cut off by the line end.
      "\xff\xfe\xfd\r\n\x81\r\n\xa0\x80\r\nBGM=O\x81\r\n",
      // Binary: the right texts with NULs inside.
      SJ_HAIKEI + SJ_MIDORI + std::string(1, '\0') + "\r\n" + SJ_SIDOU + std::string("O\0N", 3) +
          "\r\n" + SJ_KEIKA + std::string("ON\0", 3) + "\r\nBGM=ON" + std::string(1, '\0') + "\r\n",
      // Saved as UTF-8 by a text editor (only the plain ASCII line would still match).
      "背景画=緑\r\n移動指導=ON\r\n経過時間=ON\r\nBGM=OFF\r\n",
      // Very long lines that start with the right texts.
      SJ_HAIKEI + SJ_MIDORI + long_line + "\r\n" + SJ_SIDOU + "ON" + long_line + "\r\n" + SJ_KEIKA +
          "ON" + long_line + "\r\nBGM=ON" + long_line + "\r\n",
      // Stray blanks, a wrong case, and a doubled CR (an empty fifth line).
      SJ_HAIKEI + SJ_MIDORI + " \r\n " + SJ_SIDOU + "ON\r\n" + SJ_KEIKA + "O N\r\nBGM=on\r\r\n",
  };
  int n = 0;
  for (const std::string& bytes : cases) {
    SCOPED_TRACE(n++);
    SettingsPort fresh;
    fresh.setChecked(Menu::TATAMI, true);
    Game game(fresh);
    game.SE_BGM = MUSIC;
    write_file("Mizuhane.ini", bytes);

    読込_環境設定ファイル(game);

    EXPECT_EQ(game.HAIKEI, 0);
    for (const Menu m : BACKGROUND_ENTRIES) EXPECT_EQ(fresh.isChecked(m), m == Menu::TATAMI);
    EXPECT_FALSE(fresh.isChecked(Menu::SIDOU));
    EXPECT_EQ(game.SIDOU_ON, 0);
    EXPECT_EQ(game.IRO_IDOU, 2);
    EXPECT_FALSE(fresh.isChecked(Menu::KEIKA));
    EXPECT_FALSE(fresh.isChecked(Menu::BGM));
    EXPECT_TRUE(fresh.sounds.empty());
    EXPECT_EQ(read_file("Mizuhane.ini"), bytes);
    EXPECT_TRUE(fresh.messages.empty());
  }
}

// A damaged first line must not shift the lines after it.
TEST_F(ReadSettings, OverlongFirstLineLeavesTheOthersInPlace) {
  write_file("Mizuhane.ini", std::string(3 << 20, '\x81') + "\r\n" + SJ_SIDOU + "ON\r\n" +
                                 SJ_KEIKA + "OFF\r\nBGM=ON\r\n");

  読込_環境設定ファイル(g);

  EXPECT_EQ(checked_background(), Menu::TATAMI);
  EXPECT_TRUE(checked(Menu::SIDOU));
  EXPECT_FALSE(checked(Menu::KEIKA));
  EXPECT_TRUE(checked(Menu::BGM));
  EXPECT_TRUE(music_started());
}

TEST_F(ReadSettings, UnreadableFileIsLikeAMissingOne) {
  // A folder where the file should be can neither be read nor replaced: the defaults hold for
  // this run and the player hears about it once.
  std::filesystem::create_directory("Mizuhane.ini");

  読込_環境設定ファイル(g);

  EXPECT_EQ(g.HAIKEI, MIDORI);
  EXPECT_EQ(checked_background(), Menu::MIDORI);
  EXPECT_TRUE(checked(Menu::KEIKA));
  EXPECT_TRUE(checked(Menu::BGM));
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "Mizuhane");
  EXPECT_EQ(port.messages[0].icon, Icon::Warning);
  EXPECT_TRUE(std::filesystem::is_directory("Mizuhane.ini"));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Mizuhane.ini"});
}

}  // namespace
