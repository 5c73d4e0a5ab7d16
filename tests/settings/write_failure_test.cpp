// A settings file that cannot be written: the player keeps every choice for the run, hears about
// it once, and whatever file was there stays as it was.

#include "screen/screen.h"
#include "settings/settings.h"
#include "tests/settings/settings_fixture.h"
#include "tests/support/full_disk.h"

namespace {

const std::string SAVED = settings_bytes(SJ_UCHU, true, false, true);

class WriteFailure : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    write_file("Mizuhane.ini", SAVED);
    読込_環境設定ファイル(g);
    port.clearLogs();
  }

  // Clicks through every option and checks that each change holds.
  void change_everything() {
    RENGA_Click(g);
    SIDOU_Click(g);
    KEIKA_Click(g);
    BGM_Click(g);
    EXPECT_EQ(checked_background(), Menu::RENGA);
    EXPECT_EQ(g.HAIKEI, RENGA);
    EXPECT_FALSE(checked(Menu::SIDOU));
    EXPECT_EQ(g.SIDOU_ON, 0);
    EXPECT_EQ(g.IRO_IDOU, g.IRO_SEN);
    EXPECT_TRUE(checked(Menu::KEIKA));
    EXPECT_FALSE(checked(Menu::BGM));
  }

  void expect_one_warning() const {
    ASSERT_EQ(port.messages.size(), 1u);
    const MessageCall& m = port.messages[0];
    EXPECT_EQ(m.title, "Mizuhane");
    EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(m.icon, Icon::Warning);
    EXPECT_EQ(m.text.rfind("設定ファイルに書き込めません。\r", 0), 0u) << m.text;
    EXPECT_NE(m.text.find("Mizuhane.ini"), std::string::npos) << m.text;
  }
};

TEST_F(WriteFailure, FolderInTheWayKeepsChoicesAndWarnsOnce) {
  std::filesystem::remove("Mizuhane.ini");
  std::filesystem::create_directory("Mizuhane.ini");

  change_everything();

  expect_one_warning();
  EXPECT_NE(port.messages[0].text.find((dir_ / "Mizuhane.ini").string()), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory("Mizuhane.ini"));
  EXPECT_EQ(folder_names(), std::set<std::string>{"Mizuhane.ini"});

  // Once the way is clear again the next change is saved as usual.
  std::filesystem::remove("Mizuhane.ini");
  UCHU_Click(g);
  EXPECT_EQ(read_file("Mizuhane.ini"), settings_bytes(SJ_UCHU, false, true, false));
  EXPECT_EQ(port.messages.size(), 1u);
}

TEST_F(WriteFailure, FullDiskLeavesTheOldFileWhole) {
  {
    const FileSizeLimit full;
    change_everything();
  }

  expect_one_warning();
  EXPECT_EQ(read_file("Mizuhane.ini"), SAVED);
  EXPECT_EQ(folder_names(), std::set<std::string>{"Mizuhane.ini"});
}

TEST_F(WriteFailure, VanishedFolderIsReported) {
  const std::filesystem::path gone = dir_ / "gone";
  std::filesystem::create_directory(gone);
  std::filesystem::current_path(gone);
  std::filesystem::remove(gone);

  change_everything();

  expect_one_warning();
  EXPECT_EQ(read_file(dir_ / "Mizuhane.ini"), SAVED);
}

}  // namespace
