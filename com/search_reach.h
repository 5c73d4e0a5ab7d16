// Squares a piece could reach from a square on an empty board, for the computer's inner loops:
// only these targets are worth asking the move check about. The set is a superset of what the
// move check allows on any board, and its bits run x-major, y-minor like the board loops.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "rules/constants.h"

// 81 squares as bits: bit (x - 1) * 9 + (y - 1).
struct SquareSet {
  uint64_t lo = 0, hi = 0;

  constexpr void add(int x, int y) {
    const int i = (x - 1) * 9 + (y - 1);
    if (i < 64)
      lo |= uint64_t{1} << i;
    else
      hi |= uint64_t{1} << (i - 64);
  }
  constexpr SquareSet operator|(SquareSet o) const { return {lo | o.lo, hi | o.hi}; }

  // Takes the first square (in board loop order: x outer, y inner) off the set into (x, y);
  // false when the set is empty.
  bool pop(int& x, int& y) {
    int i;
    if (lo != 0) {
      i = std::countr_zero(lo);
      lo &= lo - 1;
    } else if (hi != 0) {
      i = std::countr_zero(hi) + 64;
      hi &= hi - 1;
    } else {
      return false;
    }
    x = i / 9 + 1;
    y = i % 9 + 1;
    return true;
  }
};

namespace reach_detail {

enum Pattern {
  KING,
  GOLD_UP,  // gold-movers of the upper side (moving down the screen)
  GOLD_LO,
  SILVER_UP,
  SILVER_LO,
  KNIGHT_UP,
  KNIGHT_LO,
  PAWN_UP,
  PAWN_LO,
  LANCE_UP,
  LANCE_LO,
  ROOK,
  BISHOP,
  ALL,
  PATTERNS
};

using Table = std::array<std::array<SquareSet, 82>, PATTERNS>;  // [pattern][(x-1)*9+y]

// Built once at program start.
extern const Table kTable;

}  // namespace reach_detail

// The targets worth checking for `koma` standing on the board square (x, y). Codes without a
// move pattern of their own get every other square, as the move check lets them go anywhere.
inline SquareSet reach_superset(int koma, int x, int y) {
  using namespace reach_detail;
  const int s = (x - 1) * 9 + y;
  const auto& t = kTable;
  switch (koma) {
    case HU:
      return t[PAWN_UP][s];
    case -HU:
      return t[PAWN_LO][s];
    case KYOU:
      return t[LANCE_UP][s];
    case -KYOU:
      return t[LANCE_LO][s];
    case KEI:
      return t[KNIGHT_UP][s];
    case -KEI:
      return t[KNIGHT_LO][s];
    case GIN:
      return t[SILVER_UP][s];
    case -GIN:
      return t[SILVER_LO][s];
    case KIN:
    case TO:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI:
      return t[GOLD_UP][s];
    case -KIN:
    case -TO:
    case -KYOU_NARI:
    case -KEI_NARI:
    case -GIN_NARI:
      return t[GOLD_LO][s];
    case KAKU:
    case -KAKU:
      return t[BISHOP][s];
    case KAKU_NARI:
    case -KAKU_NARI:
      return t[BISHOP][s] | t[KING][s];
    case SYA:
    case -SYA:
      return t[ROOK][s];
    case SYA_NARI:
    case -SYA_NARI:
      return t[ROOK][s] | t[KING][s];
    case OU:
    case -OU:
      return t[KING][s];
    default:
      return t[ALL][s];
  }
}
