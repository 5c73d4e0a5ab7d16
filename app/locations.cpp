#include "app/locations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <array>
#include <system_error>

namespace {

// The files whose presence makes the current folder the game's own folder.
constexpr std::array<const char*, 5> OWN_FILES = {"Mizuhane.ini", "その他.wav", "禁止.wav",
                                                  "駒打音.wav", "BGM.wav"};

bool holdsOwnFiles(const std::filesystem::path& folder) {
  std::error_code ec;
  for (const char* name : OWN_FILES)
    if (std::filesystem::exists(folder / name, ec)) return true;
  return false;
}

std::filesystem::path toPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

Locations findLocations(const StartPlace& place) {
  if (holdsOwnFiles(place.current)) return {{}, {}, true};
  // A relative or empty $XDG_CONFIG_HOME means nothing and is passed over, as the XDG base
  // directory rules ask.
  const std::filesystem::path configHome(place.configHome);
  const std::filesystem::path config =
      configHome.is_absolute() ? configHome : place.home / ".config";
  // The installed layout puts the sounds at the same place relative to the program in every
  // prefix, and the build copies them there too.
  const std::filesystem::path sounds = place.programFolder / SOUNDS_FROM_PROGRAM;
  return {config / "mizuhane", sounds.lexically_normal(), false};
}

Locations settleLocations() {
  std::error_code ec;
  const StartPlace place{std::filesystem::current_path(ec),
                         toPath(QCoreApplication::applicationDirPath()),
                         qgetenv("XDG_CONFIG_HOME").toStdString(), toPath(QDir::homePath())};
  const Locations where = findLocations(place);
  if (!where.portable) {
    // A folder that cannot be made leaves the game without saved settings; the settings code
    // says so when it first tries to write there, and the game goes on.
    std::filesystem::create_directories(where.settingsFolder, ec);
    std::filesystem::current_path(place.home, ec);
  }
  return where;
}
