#include <filesystem>

#include "tests/screen/screen_fixture.h"

namespace {

// The menu entry writes the settings file into the current folder; keep that in a scratch one.
class KeikaTest : public ScreenTest {
 protected:
  std::filesystem::path old_dir = std::filesystem::current_path();
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "mizuhane-screen-keika";

  void SetUp() override {
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    std::filesystem::remove(dir / "Mizuhane.ini");
    g.HAIKEI = 2;
    g.MAN_TEBAN = 1;
    g.COM_TEBAN = -1;
    g.UE_JIKAN = 3725;
    g.SITA_JIKAN = 59.9f;
  }
  void TearDown() override {
    std::filesystem::current_path(old_dir);
    std::filesystem::remove_all(dir);
  }
};

TEST_F(KeikaTest, TurningClocksOnShowsBothUpperFirstAndStartsTheTimer) {
  port.setChecked(Menu::KEIKA, false);
  KEIKA_Click(g);
  EXPECT_TRUE(port.isChecked(Menu::KEIKA));
  EXPECT_TRUE(port.timer);
  expect_texts({{"01:02:05", -1.5, 9.3, 0, 12},
                {"01:02:05", -1.6, 9.2, 15, 12},
                {"00:00:59", 13.1, 9.3, 0, 12},
                {"00:00:59", 13, 9.2, 15, 12}});
  EXPECT_TRUE(std::filesystem::exists(dir / "Mizuhane.ini"));
}

TEST_F(KeikaTest, TurningClocksOffErasesBothLowerFirstAndStopsTheTimer) {
  port.setChecked(Menu::KEIKA, true);
  port.timer = true;
  KEIKA_Click(g);
  EXPECT_FALSE(port.isChecked(Menu::KEIKA));
  EXPECT_FALSE(port.timer);
  EXPECT_TRUE(port.texts().empty());
  const auto p = calls(DrawCall::Picture);
  ASSERT_EQ(p.size(), 6u);
  EXPECT_NEAR(p[0].x, tx(13), 1e-6);
  EXPECT_NEAR(p[3].x, tx(-2), 1e-6);
  EXPECT_TRUE(std::filesystem::exists(dir / "Mizuhane.ini"));

  // With the timer off a tick changes nothing.
  g.KEIKA_BYOU = 4;
  port.now += 30;
  Timer1_Timer(g);
  EXPECT_EQ(g.KEIKA_BYOU, 4);
}

}  // namespace
