// The last part of the evaluation: rules that depend on the kind of piece placed.
#pragma once

#include "com/com.h"

// Adds the rules for the kind of `put` to the score `s` built so far and returns the result.
double score_by_kind(Game& g, double s, int cap, int put, int fx, int fy, int tx, int ty);
