// Where the game keeps its settings and finds its sounds, for the places it can be started from.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <fstream>

#include "app/locations.h"
#include "app_fixture.h"
#include "settings/settings.h"

namespace {

std::filesystem::path pathOf(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

void touch(const std::filesystem::path& file) {
  std::ofstream(file) << "x";
}

// Sets an environment variable for the life of the object.
class EnvVar {
 public:
  EnvVar(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~EnvVar() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

}  // namespace

class Locating : public InScratchFolder {};

TEST_F(Locating, PortableFolderOrTheUsersFolders) {
  struct Case {
    const char* what;
    std::vector<const char*> files;  // in the start folder
    const char* configHome;
    bool portable;
    const char* settings;
  };
  const Case cases[] = {
      {"a settings file", {"Mizuhane.ini"}, "", true, ""},
      {"one sound", {"BGM.wav"}, "/xdg", true, ""},
      {"another sound", {"駒打音.wav"}, "", true, ""},
      {"other files only", {"notes.txt", "mizuhane.ini"}, "", false, "/home/u/.config/mizuhane"},
      {"a configuration home", {}, "/xdg", false, "/xdg/mizuhane"},
      {"a relative configuration home", {}, "xdg", false, "/home/u/.config/mizuhane"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::filesystem::path start = pathOf(scratchPath()) / c.what;
    std::filesystem::create_directory(start);
    for (const char* name : c.files) touch(start / name);
    const Locations where = findLocations({start, "/opt/mz/bin", c.configHome, "/home/u"});
    EXPECT_EQ(where.portable, c.portable);
    EXPECT_EQ(where.settingsFolder, std::filesystem::path(c.settings));
    EXPECT_EQ(where.soundFolder, std::filesystem::path(c.portable ? "" : "/opt/mz/share/mizuhane"));
  }
}

// A home folder whose .config is a plain file: no settings folder can be made there. The game
// still starts, says once that its settings cannot be saved, and plays on.
TEST_F(Locating, UnusableConfigurationFolderWarnsAndTheGameGoesOn) {
  const std::filesystem::path home = pathOf(scratchPath()) / "home";
  const std::filesystem::path start = pathOf(scratchPath()) / "start";
  std::filesystem::create_directories(home);
  std::filesystem::create_directories(start);
  touch(home / ".config");
  std::filesystem::current_path(start);
  const EnvVar homeVar("HOME", QFile::encodeName(QString::fromStdString(home.string())));
  const EnvVar configVar("XDG_CONFIG_HOME", QByteArray());

  const Locations where = settleLocations();
  EXPECT_FALSE(where.portable);
  EXPECT_EQ(where.settingsFolder, home / ".config" / "mizuhane");
  EXPECT_EQ(std::filesystem::current_path(), home);

  GameWindow w;
  w.game.settingsFolder = where.settingsFolder;
  w.game.soundFolder = where.soundFolder;
  // The record chooser opens in the home folder.
  EXPECT_EQ(w.port.selectedFolder(), home);

  QStringList warnings;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    warnings << box->text();
    box->defaultButton()->click();
  });
  poll.start(10);
  読込_環境設定ファイル(w.game);
  w.window.action(Menu::BGM)->trigger();
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("設定ファイルに書き込めません。")));
  EXPECT_TRUE(warnings[0].contains(QStringLiteral(".config/mizuhane/Mizuhane.ini")));
  EXPECT_EQ(w.game.HAIKEI, MIDORI);
  EXPECT_TRUE(std::filesystem::is_empty(start));
}
