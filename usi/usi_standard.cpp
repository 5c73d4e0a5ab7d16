// The rules of standard shogi that this game leaves out: a side may not leave or put its own
// king in check, and may not mate with a pawn drop. The game's move check has already ruled
// out everything else (two pawns on a file, pieces with no move left), so only these two are
// tested here, on a copy of the board and with piece moves of their own, independent of the
// game's move check.
#include <cstring>

#include "rules/constants.h"
#include "usi/usi.h"

namespace {

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

inline bool on_board(int x, int y) {
  return x >= 1 && x <= 9 && y >= 1 && y <= 9;
}

inline int side_of(int code) {
  return code < 0 ? -1 : 1;
}

// The upper side moves towards y = 9, the lower side towards y = 1.
inline int forward(int code) {
  return code < 0 ? -1 : 1;
}

constexpr int kDirs[8][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

// Whether `code` reaches a square one step away in direction (dx, dy).
bool steps(int code, int dx, int dy) {
  const int m = iabs(code);
  const int f = forward(code);
  const bool ahead = dy == f, behind = dy == -f, level = dy == 0;
  const bool diagonal = dx != 0 && dy != 0;
  switch (m) {
    case HU:
    case KYOU:
      return dx == 0 && ahead;
    case GIN:
      return ahead || (behind && dx != 0);
    case TO:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI:
    case KIN:
    case KIN + 1:  // the reserved code moves and counts as a gold
      return ahead || level || (behind && dx == 0);
    case KAKU:
      return diagonal;
    case SYA:
      return !diagonal;
    case KAKU_NARI:
    case SYA_NARI:
    case OU:
      return true;
    default:  // the knight never steps
      return false;
  }
}

// Whether `code` slides any distance in direction (dx, dy).
bool slides(int code, int dx, int dy) {
  const int m = iabs(code);
  const bool diagonal = dx != 0 && dy != 0;
  if (m == KYOU) return dx == 0 && dy == forward(code);
  if (m == KAKU || m == KAKU_NARI) return diagonal;
  if (m == SYA || m == SYA_NARI) return !diagonal;
  return false;
}

bool is_knight(int code) {
  return iabs(code) == KEI;
}

// Whether a piece of side `by` bears on (x, y).
bool attacked(const Ban& b, int x, int y, int by) {
  for (const auto& d : kDirs) {
    for (int k = 1;; ++k) {
      const int px = x + k * d[0], py = y + k * d[1];
      if (!on_board(px, py)) break;
      const int c = b[px][py];
      if (c == KARA) continue;
      // The piece on (px, py) would move in the opposite direction to reach (x, y).
      if (side_of(c) == by && (k == 1 ? steps(c, -d[0], -d[1]) : slides(c, -d[0], -d[1])))
        return true;
      break;
    }
  }
  // A knight of side `by` jumps two squares forward and one aside.
  for (const int dx : {-1, 1}) {
    const int px = x + dx, py = y - 2 * by;
    if (on_board(px, py) && b[px][py] == by * KEI) return true;
  }
  return false;
}

bool king_attacked(const Ban& b, int side) {
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y)
      if (b[x][y] == side * OU) return attacked(b, x, y, -side);
  return false;  // no king of that side: nothing to keep safe
}

// Plays a board move on `b` (promotion does not matter for who attacks whom) and tells whether
// the mover's king is then attacked.
bool exposes_king(Ban& b, int fx, int fy, int tx, int ty) {
  const int16_t piece = b[fx][fy], captured = b[tx][ty];
  b[tx][ty] = piece;
  b[fx][fy] = KARA;
  const bool exposed = king_attacked(b, side_of(piece));
  b[fx][fy] = piece;
  b[tx][ty] = captured;
  return exposed;
}

// Whether `side` has a board move that leaves its king unattacked. Drops are not needed by the
// one caller: a pawn gives check from the next square, and no drop stops that.
bool has_safe_board_move(Ban& b, int side) {
  for (int fx = 1; fx <= 9; ++fx)
    for (int fy = 1; fy <= 9; ++fy) {
      const int c = b[fx][fy];
      if (c == KARA || side_of(c) != side) continue;
      const auto tries = [&](int tx, int ty) {
        return on_board(tx, ty) && (b[tx][ty] == KARA || side_of(b[tx][ty]) != side) &&
               !exposes_king(b, fx, fy, tx, ty);
      };
      if (is_knight(c)) {
        for (const int dx : {-1, 1})
          if (tries(fx + dx, fy + 2 * forward(c))) return true;
        continue;
      }
      for (const auto& d : kDirs) {
        if (steps(c, d[0], d[1]) && tries(fx + d[0], fy + d[1])) return true;
        if (!slides(c, d[0], d[1])) continue;
        for (int k = 2;; ++k) {
          const int tx = fx + k * d[0], ty = fy + k * d[1];
          if (!on_board(tx, ty) || b[tx - d[0]][ty - d[1]] != KARA) break;
          if (tries(tx, ty)) return true;
        }
      }
    }
  return false;
}

}  // namespace

bool standard_allows(const Ban& ban, int fx, int fy, int tx, int ty, int koma) {
  Ban b;
  std::memcpy(b, ban, sizeof b);
  const int side = side_of(koma);
  if (fx != UE_STAND_X && fx != SITA_STAND_X) {
    // Taking the king ends the game whatever else stands on the board.
    if (b[tx][ty] == -side * OU) return true;
    return !exposes_king(b, fx, fy, tx, ty);
  }
  b[tx][ty] = static_cast<int16_t>(koma);
  if (king_attacked(b, side)) return false;
  // A pawn dropped right in front of the other king gives check; it must not be mate.
  const int kx = tx, ky = ty + forward(koma);
  if (iabs(koma) != HU || !on_board(kx, ky) || b[kx][ky] != -side * OU) return true;
  return has_safe_board_move(b, -side);
}

bool standard_filter(const Game& g, int fx, int fy, int tx, int ty, int koma) {
  return standard_allows(g.BAN, fx, fy, tx, ty, koma);
}

std::string standard_error(const Position& p, const UsiMove& m) {
  const int side = p.lower_to_move ? -1 : 1;
  const int fx = m.drop ? (p.lower_to_move ? SITA_STAND_X : UE_STAND_X) : m.fx;
  const int koma = m.drop ? side * MOCHI_KOMA[m.kind] : p.ban[m.fx][m.fy];
  if (standard_allows(p.ban, fx, m.fy, m.tx, m.ty, koma)) return {};
  if (m.drop && m.kind == 1) {
    Ban b;
    std::memcpy(b, p.ban, sizeof b);
    b[m.tx][m.ty] = static_cast<int16_t>(koma);
    if (!king_attacked(b, side)) return "a pawn drop may not give mate";
  }
  return "that leaves the king in check";
}

std::vector<UsiMove> standard_moves(const Position& p) {
  std::vector<UsiMove> out;
  for (const UsiMove& m : legal_moves(p))
    if (standard_error(p, m).empty()) out.push_back(m);
  return out;
}
