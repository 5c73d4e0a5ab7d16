// Opening the sound device, loading the four sounds at start-up and releasing them at shut-down.
#include "settings/settings.h"
#include "tests/settings/settings_fixture.h"

namespace {

class Sound : public SettingsTest {
 protected:
  void write_sounds() {
    write_file("その他.wav", "other");
    write_file("禁止.wav", "refused");
    write_file("駒打音.wav", "move");
    write_file("BGM.wav", std::string("music\0\xff", 7));
  }
  std::vector<std::string> ops() const {
    std::vector<std::string> out;
    for (const SoundCall& s : port.sounds) out.push_back(s.op + " " + std::to_string(s.handle));
    return out;
  }
};

TEST_F(Sound, LoadsTheFourSoundsWholeFromTheCurrentFolder) {
  write_sounds();

  load_sounds(g);

  EXPECT_EQ(g.DS_HANDLE, 1);
  EXPECT_EQ(g.SE_SONOTA, 100);
  EXPECT_EQ(g.SE_KINSHI, 101);
  EXPECT_EQ(g.SE_KOMAUCHI, 102);
  EXPECT_EQ(g.SE_BGM, 103);
  ASSERT_EQ(port.created.size(), 4u);
  EXPECT_EQ(port.created[0].bytes, "other");
  EXPECT_EQ(port.created[1].bytes, "refused");
  EXPECT_EQ(port.created[2].bytes, "move");
  EXPECT_EQ(port.created[3].bytes, std::string("music\0\xff", 7));
  EXPECT_EQ(port.created[0].flags, 3);
  EXPECT_EQ(port.created[1].flags, 3);
  EXPECT_EQ(port.created[2].flags, 3);
  EXPECT_EQ(port.created[3].flags, 1);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(Sound, ShutDownFreesInOrderThenClosesTheDevice) {
  write_sounds();
  load_sounds(g);
  port.clearLogs();

  release_sounds(g);
  // A second shut-down (the window closing after 終わり) hands the library nothing twice.
  release_sounds(g);

  EXPECT_EQ(ops(),
            (std::vector<std::string>{"free 100", "free 101", "free 102", "free 103", "terminate 1",
                                      "free 0", "free 0", "free 0", "free 0"}));
}

TEST_F(Sound, WithoutADeviceTheGameRunsSilently) {
  write_sounds();
  port.device = 0;

  load_sounds(g);

  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].text, "Direct Soundインターフェースが作成できません。");
  EXPECT_EQ(port.messages[0].title, "Mizuhane.dll");
  EXPECT_EQ(port.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(port.messages[0].icon, Icon::Warning);
  EXPECT_TRUE(port.created.empty());
  EXPECT_EQ(g.SE_SONOTA + g.SE_KINSHI + g.SE_KOMAUCHI + g.SE_BGM, 0);

  port.clearLogs();
  release_sounds(g);
  EXPECT_EQ(ops(), (std::vector<std::string>{"free 0", "free 0", "free 0", "free 0"}));
}

TEST_F(Sound, MissingFilesGiveNoBufferAndNoMessage) {
  write_file("BGM.wav", "music");
  std::filesystem::create_symlink("nowhere.wav", "禁止.wav");

  load_sounds(g);

  EXPECT_EQ(g.SE_SONOTA, 0);
  EXPECT_EQ(g.SE_KINSHI, 0);
  EXPECT_EQ(g.SE_KOMAUCHI, 0);
  EXPECT_EQ(g.SE_BGM, 100);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(Sound, UnreadableFileWarnsAndGivesNoBuffer) {
  SOUND_OPEN(g);
  std::filesystem::create_directory("BGM.wav");

  EXPECT_EQ(SOUND_LOAD(g, "BGM.wav", 1), 0);

  EXPECT_TRUE(port.created.empty());
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.messages[0].title, "Mizuhane.dll");
  EXPECT_EQ(port.messages[0].icon, Icon::Warning);
  EXPECT_EQ(port.messages[0].buttons, Buttons::Ok);
  EXPECT_EQ(port.messages[0].text,
            "サウンドファイル「BGM.wav」を読み込めません。\r"
            "同じ名前のフォルダーがあります。");
}

}  // namespace
