// A window full of what the game draws: background, board, stands, labels, clocks, a move
// number and the outlines of move guidance, drawn through the game's own screen procedures.
#pragma once

#include "app_fixture.h"

// Sets up the board geometry, the tatami background and the starting position, and draws
// the whole window with a piece picked up on it.
void drawScene(Game& g);
