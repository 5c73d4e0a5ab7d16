// The survey over thousands of positions from seeded random play, checked against the move
// rules: a piece bears on a square exactly when it could move there if the square were empty
// and the enemy king lifted off (lines run on through the enemy king).
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "com/com.h"
#include "rules/rules.h"
#include "tests/support/board.h"
#include "tests/support/fake_port.h"
#include "tests/support/random_play.h"

namespace {

int iabs(int v) {
  return v < 0 ? -v : v;
}

// What an upper piece enters for a square it bears on: the code, and whether it stores its
// square. Gold-movers count as golds; a promoted bishop's orthogonal steps enter nothing.
struct UpperEntry {
  int defence = 0, attack = 0;  // 0 = none
  bool square = false;
};

UpperEntry upper_entry(int code, int dx, int dy) {
  switch (code) {
    case HU:
      return {HU, HU, false};
    case TO:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI:
    case KIN:
      return {KIN, 0, false};
    case KEI:
    case GIN:
      return {code, 0, true};
    case KAKU_NARI:
      if (dx == 0 || dy == 0) return {};
      return {code, code, true};
    case OU:
      return {OU, 0, false};
    default:
      return {code, code, true};  // lance, bishop, rook, promoted rook
  }
}

int lower_entry(int code, int dx, int dy) {
  return code == -KAKU_NARI && dx != 0 && dy != 0 ? -KAKU : code;
}

bool is_line_piece(int code) {
  const int k = iabs(code);
  return k == KYOU || k == KAKU || k == KAKU_NARI || k == SYA || k == SYA_NARI;
}

struct Expected {
  Ban seiryoku{}, himo{}, nerai{}, nerai_x{}, nerai_y{}, oute{};
  Ban himo_x{}, himo_y{};  // upper side only, where the entry stores its square
  bool himo_square[10][10]{}, nerai_square[10][10]{};
};

class SurveyPropertyTest : public ::testing::Test {
 protected:
  FakePort port;
  Game g{port};
  Game scratch{port};  // the board with a target emptied and the enemy king lifted

  // The tables of one side, worked out piece by piece from the move rules.
  Expected expect(bool lower) {
    Expected e;
    const int side = lower ? -1 : 1;
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        e.himo[x][y] = 999;
        e.nerai[x][y] = lower ? -999 : 999;
      }
    std::memcpy(scratch.BAN, g.BAN, sizeof(Ban));
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y)
        if (scratch.BAN[x][y] == -side * OU) scratch.BAN[x][y] = 0;
    for (int sx = 1; sx <= 9; ++sx)
      for (int sy = 1; sy <= 9; ++sy) {
        const int target = g.BAN[sx][sy];
        const int16_t saved = scratch.BAN[sx][sy];
        scratch.BAN[sx][sy] = 0;
        for (int px = 1; px <= 9; ++px)
          for (int py = 1; py <= 9; ++py) {
            const int code = g.BAN[px][py];
            if (code * side < 10 || iabs(code) == 111) continue;
            if (移動チェック(scratch, px, py, sx, sy, code) != 1) continue;
            bear(e, lower, code, px, py, sx, sy, target);
          }
        scratch.BAN[sx][sy] = saved;
      }
    return e;
  }

  void bear(Expected& e, bool lower, int code, int px, int py, int sx, int sy, int target) {
    ++e.seiryoku[sx][sy];
    const int dx = sx - px, dy = sy - py;
    if (lower) {
      const int c = lower_entry(code, dx, dy);
      if (target < 0 && c < e.himo[sx][sy]) e.himo[sx][sy] = c;
      if (target > 0 && c > e.nerai[sx][sy]) {
        e.nerai[sx][sy] = c;
        e.nerai_x[sx][sy] = px;
        e.nerai_y[sx][sy] = py;
      }
    } else {
      const UpperEntry u = upper_entry(code, dx, dy);
      if (target > 0 && u.defence != 0 && u.defence < e.himo[sx][sy]) {
        e.himo[sx][sy] = u.defence;
        e.himo_square[sx][sy] = u.square;
        e.himo_x[sx][sy] = px;
        e.himo_y[sx][sy] = py;
      }
      if (target < 0 && u.attack != 0 && u.attack < e.nerai[sx][sy]) {
        e.nerai[sx][sy] = u.attack;
        e.nerai_square[sx][sy] = u.square;
        e.nerai_x[sx][sy] = px;
        e.nerai_y[sx][sy] = py;
      }
    }
    // Check marks: every piece but the king that bears on the enemy king.
    if (target != (lower ? OU : -OU) || iabs(code) == OU) return;
    e.oute[px][py] = 9;
    if (iabs(code) == KEI) e.oute[sx][sy] = 9;
    if (is_line_piece(code) && (iabs(dx) > 1 || iabs(dy) > 1)) {
      const int ux = (dx > 0) - (dx < 0), uy = (dy > 0) - (dy < 0);
      for (int x = px + ux, y = py + uy; x != sx || y != sy; x += ux, y += uy) e.oute[x][y] = 1;
    }
  }

  void compare(const Expected& s, const Expected& u) {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        ASSERT_EQ(g.SITA_SEIRYOKU[x][y], s.seiryoku[x][y]) << at(x, y);
        ASSERT_EQ(g.UE_SEIRYOKU[x][y], u.seiryoku[x][y]) << at(x, y);
        ASSERT_EQ(g.SITA_HIMO_KOMA[x][y], s.himo[x][y]) << at(x, y);
        ASSERT_EQ(g.SITA_NERAI_KOMA[x][y], s.nerai[x][y]) << at(x, y);
        ASSERT_EQ(g.SITA_NERAI_X[x][y], s.nerai_x[x][y]) << at(x, y);
        ASSERT_EQ(g.SITA_NERAI_Y[x][y], s.nerai_y[x][y]) << at(x, y);
        ASSERT_EQ(g.SITA_OUTE[x][y], s.oute[x][y]) << at(x, y);
        ASSERT_EQ(g.UE_HIMO_KOMA[x][y], u.himo[x][y]) << at(x, y);
        ASSERT_EQ(g.UE_NERAI_KOMA[x][y], u.nerai[x][y]) << at(x, y);
        ASSERT_EQ(g.UE_OUTE[x][y], u.oute[x][y]) << at(x, y);
        if (u.himo_square[x][y]) {
          ASSERT_EQ(g.UE_HIMO_X[x][y], u.himo_x[x][y]) << at(x, y);
          ASSERT_EQ(g.UE_HIMO_Y[x][y], u.himo_y[x][y]) << at(x, y);
        }
        if (u.nerai_square[x][y]) {
          ASSERT_EQ(g.UE_NERAI_X[x][y], u.nerai_x[x][y]) << at(x, y);
          ASSERT_EQ(g.UE_NERAI_Y[x][y], u.nerai_y[x][y]) << at(x, y);
        }
      }
  }

  std::string at(int x, int y) const {
    return "square " + std::to_string(x) + "," + std::to_string(y) + "\n" + debug_string(g);
  }

  // What the tables promise to every reader, whatever the position.
  void check_invariants() {
    for (int x = 1; x <= 9; ++x)
      for (int y = 1; y <= 9; ++y) {
        const int p = g.BAN[x][y];
        if (g.SITA_HIMO_KOMA[x][y] != 999 || g.UE_NERAI_KOMA[x][y] != 999) {
          ASSERT_LT(p, 0) << at(x, y);
        }
        if (g.UE_HIMO_KOMA[x][y] != 999 || g.SITA_NERAI_KOMA[x][y] != -999) {
          ASSERT_GT(p, 0) << at(x, y);
        }
        if (g.SITA_NERAI_KOMA[x][y] == -999) {
          ASSERT_EQ(g.SITA_NERAI_X[x][y], 0) << at(x, y);
        }
        if (g.SITA_OUTE[x][y] == 1 || g.UE_OUTE[x][y] == 1) {
          ASSERT_EQ(p, 0) << at(x, y);
        }
        ASSERT_TRUE(g.SITA_OUTE[x][y] == 0 || g.SITA_OUTE[x][y] == 1 || g.SITA_OUTE[x][y] == 9)
            << at(x, y);
        ASSERT_TRUE(g.UE_OUTE[x][y] == 0 || g.UE_OUTE[x][y] == 1 || g.UE_OUTE[x][y] == 9)
            << at(x, y);
        if (p == -OU) {
          ASSERT_TRUE(g.SITA_OU_X == x && g.SITA_OU_Y == y) << at(x, y);
        }
        if (p == OU) {
          ASSERT_TRUE(g.UE_OU_X == x && g.UE_OU_Y == y) << at(x, y);
        }
      }
  }
};

TEST_F(SurveyPropertyTest, RandomGamesMatchTheMoveRules) {
  std::mt19937 rng(20240611);
  int positions = 0, checks = 0;
  for (int game = 0; game < 40; ++game) {
    lay_out_initial_position(g);
    if (game % 2 == 1) add_standard_pawns(g);
    bool lower = true;
    for (int ply = 0; ply < 90; ++ply) {
      random_move(g, rng, lower);
      lower = !lower;
      const Snapshot before(g);
      勢力調査(g);
      ASSERT_TRUE(Snapshot(g) == before);
      ASSERT_NO_FATAL_FAILURE(check_invariants());
      ASSERT_NO_FATAL_FAILURE(compare(expect(true), expect(false)));
      ++positions;
      for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) checks += g.SITA_OUTE[x][y] == 9 || g.UE_OUTE[x][y] == 9;
    }
    port.clearLogs();
  }
  EXPECT_EQ(positions, 3600);
  EXPECT_GT(checks, 500);  // the games are rich in checks, so the check maps were exercised
}

}  // namespace
