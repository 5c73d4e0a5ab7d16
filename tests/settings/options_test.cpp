// The ｵﾌﾟｼｮﾝ menu entries: what each click changes and the file it leaves behind.
#include <cmath>
#include <functional>

#include "screen/screen.h"
#include "settings/settings.h"
#include "tests/settings/settings_fixture.h"

namespace {

constexpr int32_t MUSIC = 104;

class Options : public SettingsTest {
 protected:
  // Start-up with no settings file: the defaults are on and written.
  void SetUp() override {
    SettingsTest::SetUp();
    g.SE_BGM = MUSIC;
    読込_環境設定ファイル(g);
    ASSERT_EQ(read_file("Mizuhane.ini"), DEFAULT_SETTINGS);
    port.clearLogs();
  }
  bool repainted() const {
    for (const DrawCall& d : port.draws)
      if (d.kind == DrawCall::BackColour) return true;
    return false;
  }
};

TEST_F(Options, EveryChangeRewritesAllFourLines) {
  struct Step {
    const char* name;
    std::function<void(Game&)> click;
    std::string file;
    int16_t haikei;
  };
  const Step steps[] = {
      {"竹", TAKE_Click, settings_bytes(SJ_TAKE, false, true, true), TAKE},
      {"移動指導 on", SIDOU_Click, settings_bytes(SJ_TAKE, true, true, true), TAKE},
      {"BGM off", BGM_Click, settings_bytes(SJ_TAKE, true, true, false), TAKE},
      {"煉瓦", RENGA_Click, settings_bytes(SJ_RENGA, true, true, false), RENGA},
      {"経過時間 off", KEIKA_Click, settings_bytes(SJ_RENGA, true, false, false), RENGA},
      {"宇宙", UCHU_Click, settings_bytes(SJ_UCHU, true, false, false), UCHU},
      {"畳", TATAMI_Click, settings_bytes(SJ_TATAMI, true, false, false), TATAMI},
      {"移動指導 off", SIDOU_Click, settings_bytes(SJ_TATAMI, false, false, false), TATAMI},
      {"緑", MIDORI_Click, settings_bytes(SJ_MIDORI, false, false, false), MIDORI},
      {"経過時間 on", KEIKA_Click, settings_bytes(SJ_MIDORI, false, true, false), MIDORI},
      {"BGM on", BGM_Click, settings_bytes(SJ_MIDORI, false, true, true), MIDORI},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    s.click(g);
    EXPECT_EQ(read_file("Mizuhane.ini"), s.file);
    EXPECT_EQ(g.HAIKEI, s.haikei);
    EXPECT_EQ(folder_names(), std::set<std::string>{"Mizuhane.ini"});
  }
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(Options, ChoosingABackgroundChecksItAndRepaints) {
  const std::pair<std::function<void(Game&)>, Menu> clicks[] = {{UCHU_Click, Menu::UCHU},
                                                                {RENGA_Click, Menu::RENGA},
                                                                {TATAMI_Click, Menu::TATAMI},
                                                                {TAKE_Click, Menu::TAKE},
                                                                {MIDORI_Click, Menu::MIDORI}};
  for (const auto& [click, entry] : clicks) {
    port.clearLogs();
    click(g);
    EXPECT_EQ(checked_background(), entry);
    EXPECT_TRUE(repainted());
    EXPECT_GT(pictures(g.HAIKEI), 0);
  }
}

TEST_F(Options, ChoosingTheCheckedBackgroundStillSavesAndRepaints) {
  std::filesystem::remove("Mizuhane.ini");

  MIDORI_Click(g);

  EXPECT_EQ(checked_background(), Menu::MIDORI);
  EXPECT_EQ(g.HAIKEI, MIDORI);
  EXPECT_EQ(read_file("Mizuhane.ini"), DEFAULT_SETTINGS);
  EXPECT_TRUE(repainted());
}

TEST_F(Options, TheFirstCheckedBackgroundIsSaved) {
  // The order is 緑, 竹, 畳, 宇宙, 煉瓦, which is not the menu's order.
  struct Case {
    std::vector<Menu> marks;
    std::string line;
  };
  const Case cases[] = {
      {{Menu::RENGA, Menu::MIDORI}, SJ_HAIKEI + SJ_MIDORI},
      {{Menu::TATAMI, Menu::TAKE}, SJ_HAIKEI + SJ_TAKE},
      {{Menu::UCHU, Menu::TATAMI}, SJ_HAIKEI + SJ_TATAMI},
      {{Menu::RENGA, Menu::UCHU}, SJ_HAIKEI + SJ_UCHU},
      {{Menu::RENGA}, SJ_HAIKEI + SJ_RENGA},
      // None checked: the first line names nothing, so the next start keeps the menu's own mark.
      {{}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    for (const Menu m : BACKGROUND_ENTRIES) port.setChecked(m, false);
    for (const Menu m : c.marks) port.setChecked(m, true);
    書込_環境設定ファイル(g);
    EXPECT_EQ(read_file("Mizuhane.ini"),
              c.line + "\r\n" + SJ_SIDOU + "OFF\r\n" + SJ_KEIKA + "ON\r\nBGM=ON\r\n");
  }
}

TEST_F(Options, CheckMarkFollowsTheBackgroundCode) {
  for (int code = 0; code <= 8; ++code) {
    SCOPED_TRACE(code);
    チェック設定(g, code);
    std::optional<Menu> want;
    if (code == MIDORI) want = Menu::MIDORI;
    if (code == TATAMI) want = Menu::TATAMI;
    if (code == TAKE) want = Menu::TAKE;
    if (code == UCHU) want = Menu::UCHU;
    if (code == RENGA) want = Menu::RENGA;
    for (const Menu m : BACKGROUND_ENTRIES) EXPECT_EQ(checked(m), want == m);
  }
}

TEST_F(Options, SwitchingGuidanceOffClearsEveryOutline) {
  SIDOU_Click(g);
  EXPECT_TRUE(checked(Menu::SIDOU));
  EXPECT_EQ(g.SIDOU_ON, 1);
  EXPECT_EQ(g.IRO_IDOU, 15);
  EXPECT_TRUE(port.draws.empty());

  g.IRO_SEN = 6;
  port.clearLogs();
  SIDOU_Click(g);

  EXPECT_FALSE(checked(Menu::SIDOU));
  EXPECT_EQ(g.SIDOU_ON, 0);
  EXPECT_EQ(g.IRO_IDOU, 6);
  std::set<std::pair<int, int>> cells;
  for (const DrawCall& d : port.draws) {
    ASSERT_EQ(d.kind, DrawCall::Rect);
    EXPECT_EQ(d.code, 6);
    const double x = (d.x - g.BAN_X0) / g.MASU_W, y = (d.y - g.BAN_Y0) / g.MASU_H;
    EXPECT_DOUBLE_EQ(d.x2 - d.x, g.MASU_W);
    EXPECT_DOUBLE_EQ(d.y2 - d.y, g.MASU_H);
    cells.insert({static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))});
  }
  std::set<std::pair<int, int>> want;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) want.insert({x, y});
  for (int y = 1; y <= 7; ++y) want.insert({-1, y});
  for (int y = 3; y <= 9; ++y) want.insert({11, y});
  EXPECT_EQ(cells, want);
  EXPECT_EQ(port.draws.size(), want.size());
}

TEST_F(Options, MusicIsSilentAfterTheDefaultsUntilToggled) {
  EXPECT_TRUE(checked(Menu::BGM));

  BGM_Click(g);
  EXPECT_FALSE(checked(Menu::BGM));
  BGM_Click(g);
  EXPECT_TRUE(checked(Menu::BGM));

  ASSERT_EQ(port.sounds.size(), 2u);
  EXPECT_EQ(port.sounds[0].op, "stop");
  EXPECT_EQ(port.sounds[0].handle, MUSIC);
  EXPECT_EQ(port.sounds[1].op, "loop");
  EXPECT_EQ(port.sounds[1].handle, MUSIC);
}

}  // namespace
