// Small helpers for tests: set up positions and print them readably.
#pragma once

#include <initializer_list>
#include <string>

#include "rules/game.h"

struct Placed {
  int x, y, code;
};

// Empties board and hands, then places the given pieces. King squares are taken from the board.
void set_board(Game& g, std::initializer_list<Placed> pieces);
// Sets a hand from counts by index 1..7 (pawn .. rook); the total follows.
void set_hand(Game& g, bool lower, std::initializer_list<int> counts);
// The board and hands as text, one row a line, for failure messages.
std::string debug_string(const Game& g);
// A copy of the board and both hands, to check that a procedure left them as it found them.
struct Snapshot {
  int16_t ban[10][10];
  int16_t sita[8], ue[8];
  int16_t sita_su, ue_su;
  explicit Snapshot(const Game& g);
  bool operator==(const Snapshot& o) const;
};
