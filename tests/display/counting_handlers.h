// The game's own procedures, each counted as it starts and as it returns, so that a test that
// acted through the X server knows when the procedure its click or key led to has run to its
// end (the computer's reply and every message box included).
#pragma once

#include <string>

#include "app/handlers.h"

struct Ran {
  int started = 0;
  int finished = 0;
};

// The counts of a menu entry's procedure, or of a window event's: "mouseDown", "keyPress",
// "fileClick", "returnClick", "driveChange", "dirChange", "startUp", "unload" (the clock's
// ticks are not counted).
Ran& ran(Menu entry);
Ran& ran(const std::string& event);
void forgetRuns();

// gameHandlers() with every procedure counted.
GameHandlers countingHandlers();
