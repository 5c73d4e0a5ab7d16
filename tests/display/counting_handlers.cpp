#include "counting_handlers.h"

#include <map>
#include <utility>

namespace {

std::map<std::string, Ran>& runs() {
  static std::map<std::string, Ran> counts;
  return counts;
}

// Counts around one call of a procedure.
template <class F>
void counted(const std::string& name, F&& call) {
  ++runs()[name].started;
  call();
  ++runs()[name].finished;
}

template <std::size_t I>
void menuEntry(Game& g) {
  const MenuEntry& e = gameHandlers().menu[I];
  counted(e.caption, [&] { e.handler(g); });
}

template <std::size_t... I>
constexpr std::array<void (*)(Game&), MENU_SIZE> menuEntries(std::index_sequence<I...>) {
  return {menuEntry<I>...};
}

}  // namespace

Ran& ran(Menu entry) {
  return runs()[gameHandlers().menu[static_cast<std::size_t>(entry)].caption];
}

Ran& ran(const std::string& event) {
  return runs()[event];
}

void forgetRuns() {
  runs().clear();
}

GameHandlers countingHandlers() {
  GameHandlers h = gameHandlers();
  const auto entries = menuEntries(std::make_index_sequence<MENU_SIZE>());
  for (std::size_t i = 0; i < MENU_SIZE; ++i)
    if (h.menu[i].handler) h.menu[i].handler = entries[i];
  h.startUp = [](Game& g) { counted("startUp", [&] { gameHandlers().startUp(g); }); };
  h.mouseDown = [](Game& g, int button, double x, double y) {
    counted("mouseDown", [&] { gameHandlers().mouseDown(g, button, x, y); });
  };
  h.keyPress = [](Game& g, int key) {
    counted("keyPress", [&] { gameHandlers().keyPress(g, key); });
  };
  h.unload = [](Game& g) { counted("unload", [&] { gameHandlers().unload(g); }); };
  h.driveChange = [](Game& g, bool ready) {
    counted("driveChange", [&] { gameHandlers().driveChange(g, ready); });
  };
  h.dirChange = [](Game& g) { counted("dirChange", [&] { gameHandlers().dirChange(g); }); };
  h.fileClick = [](Game& g, const std::filesystem::path& file) {
    counted("fileClick", [&] { gameHandlers().fileClick(g, file); });
  };
  h.returnClick = [](Game& g) { counted("returnClick", [&] { gameHandlers().returnClick(g); }); };
  return h;
}
