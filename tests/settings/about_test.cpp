// The about box (その他).
#include "settings/settings.h"
#include "tests/settings/settings_fixture.h"

namespace {

TEST_F(SettingsTest, AboutBoxHidesThePanelsChimesAndShowsTheVersion) {
  port.chooser = {true, true, true};
  port.writePanel = true;
  g.SE_SONOTA = 100;

  VER_Click(g);

  EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, false, false}));
  EXPECT_FALSE(port.writePanel);
  EXPECT_EQ(port.played(), std::vector<int32_t>{100});
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].text,
            "Mizuhane  Version 0.9    [12/2000]\r"
            "\r"
            "Home page\r"
            "https://mizuhane.example.org/\r"
            "\r"
            "e-mail\r"
            "mizuhane@example.org");
  EXPECT_EQ(port.messages[0].title, "Mizuhane");
  EXPECT_EQ(port.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(port.messages[0].icon, Icon::None);
}

}  // namespace
