#include "tests/screen/screen_fixture.h"

namespace {

using PanelsTest = ScreenTest;

void type_into_fields(FakePort& port) {
  port.fields = {"file", "title", "sente", "gote"};
}

TEST_F(PanelsTest, ChooserTakesTheThreeFlagsInOrder) {
  描画_可視(g, true, true, false);  // writing: no file list
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{true, true, false}));
  描画_可視(g, false, true, true);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, true, true}));
}

TEST_F(PanelsTest, ShowingTheWritePanelKeepsWhatWasTyped) {
  type_into_fields(port);
  描画_棋譜_IO(g, 0);
  EXPECT_TRUE(port.writePanel);
  EXPECT_EQ(port.fields[1], "title");
}

TEST_F(PanelsTest, HidingTheWritePanelAlwaysEmptiesItsFields) {
  for (int mode : {1, 2, -1, 99}) {
    SCOPED_TRACE(mode);
    type_into_fields(port);
    port.writePanel = true;
    描画_棋譜_IO(g, mode);
    EXPECT_FALSE(port.writePanel);
    for (const auto& f : port.fields) EXPECT_EQ(f, "");
  }
}

TEST_F(PanelsTest, OpeningTheBoardOrOptionMenuHidesBothPanels) {
  for (auto handler : {STOP_Click, OPTION_Click}) {
    port.chooser = {true, true, true};
    port.writePanel = true;
    type_into_fields(port);
    handler(g);
    EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, false, false}));
    EXPECT_FALSE(port.writePanel);
    EXPECT_EQ(port.fields[1], "");
  }
}

}  // namespace
