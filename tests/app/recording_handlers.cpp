#include <algorithm>

#include "app_fixture.h"

namespace {

void note(const std::string& what) {
  Recorded::calls().push_back(what);
}

// One recording procedure per menu entry, so the log says which entry ran.
template <std::size_t I>
void menuEntry(Game&) {
  note(gameHandlers().menu[I].caption);
}

template <std::size_t... I>
constexpr std::array<void (*)(Game&), MENU_SIZE> menuEntries(std::index_sequence<I...>) {
  return {menuEntry<I>...};
}

}  // namespace

GameHandlers recordingHandlers(const std::vector<Menu>& missing) {
  GameHandlers h = gameHandlers();
  const auto entries = menuEntries(std::make_index_sequence<MENU_SIZE>());
  for (std::size_t i = 0; i < MENU_SIZE; ++i) {
    const bool gone = std::find(missing.begin(), missing.end(), h.menu[i].id) != missing.end();
    h.menu[i].handler = gone ? nullptr : entries[i];
  }
  h.startUp = [](Game&) { note("startUp"); };
  h.mouseDown = [](Game&, int button, double x, double y) {
    note("mouseDown " + std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + " " +
         std::to_string(static_cast<int>(y)));
  };
  h.keyPress = [](Game&, int key) { note("keyPress " + std::to_string(key)); };
  h.unload = [](Game&) { note("unload"); };
  h.timer = [](Game&) { note("timer"); };
  h.driveChange = [](Game&, bool ready) { note(ready ? "drive ready" : "drive not ready"); };
  h.dirChange = [](Game&) { note("dir"); };
  h.fileClick = [](Game&, const std::filesystem::path& file) {
    note("file " + file.filename().string());
  };
  h.returnClick = [](Game&) { note("return"); };
  return h;
}
