// Check, escape and mate tests. Each needs a fresh influence survey of the position and leaves
// the board as it found it.
#pragma once

#include "rules/game.h"

int 詰めかMAN(Game& g);  // 1 when the lower king is mated
int 詰めかCOM(Game& g);  // 1 when the upper king is mated (re-surveys trial positions)
int 詰めかMAN_COM移動(const Game& g);  // 1 when some upper piece may move onto the lower king
int 調査_自王逃道(Game& g);  // free escape squares of the lower king, marked in SITA_NIGEMICHI
