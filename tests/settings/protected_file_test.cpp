// Settings files the player protected or placed elsewhere: a symbolic link is written through and
// stays a link; a file the player may not read or write is never replaced (one warning a run, the
// choices hold for the run, the file keeps its bytes and permissions).
#include <sys/stat.h>

#include "screen/screen.h"
#include "settings/settings.h"
#include "tests/settings/settings_fixture.h"
#include "tests/support/file_permissions.h"

namespace {

namespace fs = std::filesystem;

const std::string SAVED = settings_bytes(SJ_UCHU, true, false, true);

mode_t mode_of(const fs::path& file) {
  struct stat st {};
  return ::stat(file.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::set<std::string> names_in(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
  return names;
}

struct Protected {
  const char* what;
  mode_t mode;
  const char* reason;
  // What the start-up finds: the saved choices, or the defaults when it cannot read them.
  Menu background;
  bool sidou, keika;
};

TEST_F(SettingsTest, ProtectedFileIsNeverReplaced) {
  const Protected cases[] = {
      {"read-only", 0444, "書き込みが許可されていないファイルです。", Menu::UCHU, true, false},
      {"unreadable", 0000, "読み込みが許可されていないファイルです。", Menu::MIDORI, false, true},
      {"write-only", 0200, "読み込みが許可されていないファイルです。", Menu::MIDORI, false, true},
  };
  for (const Protected& c : cases) {
    SCOPED_TRACE(c.what);
    // A folder of its own for each case: the warning is given once per file and run.
    const fs::path folder = dir_ / c.what;
    fs::create_directory(folder);
    const fs::path file = folder / "Mizuhane.ini";
    write_file(file, SAVED);
    fs::permissions(file, static_cast<fs::perms>(c.mode));
    SettingsPort fresh;
    fresh.setChecked(Menu::TATAMI, true);
    Game game(fresh);
    game.settingsFolder = folder;
    {
      const FilePermissionsApply as_a_user;
      読込_環境設定ファイル(game);
      EXPECT_TRUE(fresh.isChecked(c.background));
      EXPECT_EQ(fresh.isChecked(Menu::SIDOU), c.sidou);
      EXPECT_EQ(fresh.isChecked(Menu::KEIKA), c.keika);
      RENGA_Click(game);
      SIDOU_Click(game);
      KEIKA_Click(game);
      BGM_Click(game);
    }
    // The choices hold for this run.
    EXPECT_TRUE(fresh.isChecked(Menu::RENGA));
    EXPECT_EQ(game.HAIKEI, RENGA);
    EXPECT_EQ(fresh.isChecked(Menu::SIDOU), !c.sidou);
    EXPECT_EQ(fresh.isChecked(Menu::KEIKA), !c.keika);
    EXPECT_FALSE(fresh.isChecked(Menu::BGM));
    // One warning that names the file and the reason.
    ASSERT_EQ(fresh.messages.size(), 1u);
    const MessageCall& m = fresh.messages[0];
    EXPECT_EQ(m.icon, Icon::Warning);
    EXPECT_EQ(m.text.rfind("設定ファイルに書き込めません。\r" + file.string() + "\r" + c.reason, 0),
              0u)
        << m.text;
    // The file is as the player left it.
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(read_file(file), SAVED);
    fs::permissions(file, static_cast<fs::perms>(c.mode));
    EXPECT_EQ(mode_of(file), c.mode);
    EXPECT_EQ(names_in(folder), std::set<std::string>{"Mizuhane.ini"});
  }
}

TEST_F(SettingsTest, SymbolicLinksAreWrittenThrough) {
  const fs::path elsewhere = dir_ / "elsewhere";
  fs::create_directory(elsewhere);
  write_file(elsewhere / "saved.ini", SAVED);
  fs::permissions(elsewhere / "saved.ini", static_cast<fs::perms>(0600));
  // A relative link to an absolute link to the saved file, and a link to a file not yet made.
  fs::create_symlink(elsewhere / "saved.ini", elsewhere / "absolute");
  fs::create_directory_symlink("elsewhere", "folder");
  fs::create_symlink("folder/absolute", "Mizuhane.ini");

  読込_環境設定ファイル(g);
  EXPECT_TRUE(checked(Menu::UCHU));
  RENGA_Click(g);

  EXPECT_TRUE(port.messages.empty());
  EXPECT_TRUE(fs::is_symlink("Mizuhane.ini"));
  EXPECT_TRUE(fs::is_symlink(elsewhere / "absolute"));
  EXPECT_EQ(read_file(elsewhere / "saved.ini"), settings_bytes(SJ_RENGA, true, false, true));
  EXPECT_EQ(mode_of(elsewhere / "saved.ini"), 0600u) << "the target keeps its permissions";
  EXPECT_EQ(names_in(elsewhere), (std::set<std::string>{"absolute", "saved.ini"}));
  EXPECT_EQ(folder_names(), (std::set<std::string>{"Mizuhane.ini", "elsewhere", "folder"}));

  // A link whose target does not exist yet: the start-up creates the target with the defaults.
  fs::remove("Mizuhane.ini");
  fs::create_symlink("elsewhere/new.ini", "Mizuhane.ini");
  読込_環境設定ファイル(g);
  EXPECT_TRUE(fs::is_symlink("Mizuhane.ini"));
  EXPECT_EQ(read_file(elsewhere / "new.ini"), DEFAULT_SETTINGS);
  EXPECT_TRUE(port.messages.empty());
}

TEST_F(SettingsTest, LinkThatLoopsStaysAndIsExplainedInJapanese) {
  fs::create_symlink("Mizuhane.ini", "Mizuhane.ini");

  読込_環境設定ファイル(g);
  MIDORI_Click(g);

  EXPECT_TRUE(fs::is_symlink("Mizuhane.ini"));
  EXPECT_EQ(fs::read_symlink("Mizuhane.ini"), "Mizuhane.ini");
  ASSERT_EQ(port.messages.size(), 1u);
  EXPECT_NE(port.messages[0].text.find("\rシンボリックリンクが多すぎるか、循環しています。"),
            std::string::npos)
      << port.messages[0].text;
  EXPECT_TRUE(checked(Menu::MIDORI));
}

}  // namespace
