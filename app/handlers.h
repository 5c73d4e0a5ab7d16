// Which game procedure answers each menu entry and each window event. The window builds its
// menu bar from this table; an entry without a procedure is shown but stays disabled, so no
// entry pretends to work.
#pragma once

#include <array>
#include <filesystem>

#include "platform/port.h"
#include "rules/game.h"

inline constexpr std::size_t MENU_SIZE = static_cast<std::size_t>(Menu::COUNT);

struct MenuEntry {
  Menu id;
  Menu parent;  // Menu::COUNT for an entry of the menu bar itself
  const char* caption;
  bool checkable;  // shows a check mark that the game sets
  // A command; for an entry that opens a menu, the procedure run when the menu opens.
  void (*handler)(Game&);
};

struct GameHandlers {
  std::array<MenuEntry, MENU_SIZE> menu;  // in menu order, a parent before its children
  void (*startUp)(Game&);
  void (*mouseDown)(Game&, int button, double x, double y);
  void (*keyPress)(Game&, int key);
  void (*unload)(Game&);
  void (*timer)(Game&);
  void (*driveChange)(Game&, bool ready);
  void (*dirChange)(Game&);
  void (*fileClick)(Game&, const std::filesystem::path& file);
  void (*returnClick)(Game&);
};

// The game's own procedures.
const GameHandlers& gameHandlers();
