// Seeded random play, to reach many varied positions for property tests, benchmarks and
// corpora. Only the raw generator output is used (no std distributions), so a seed gives the
// same games with every compiler and standard library.
#pragma once

#include <random>

#include "rules/game.h"

// Adds the pawns of an ordinary shogi opening: upper pawns on row 3, lower pawns on row 7, so
// that random play also meets pawn drops and the two-pawn rule.
void add_standard_pawns(Game& g);

// Makes one random legal move or drop of a side through 駒移動 (which draws through the port)
// and returns true, or returns false when the side has nothing to play. Never captures a king,
// so the game goes on; a drop is chosen about one time in four when both kinds exist;
// promotion is taken when compulsory and otherwise at random.
bool random_move(Game& g, std::mt19937& rng, bool lower);

// Plays `plies` random moves for alternating sides, the lower side first unless told
// otherwise; a side with nothing to play passes. Returns true when the lower side is to move
// next. The upper king's square is only updated by a survey, as in the game.
bool random_play(Game& g, std::mt19937& rng, int plies, bool lower_first = true);
