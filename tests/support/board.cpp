#include "tests/support/board.h"

#include <cstring>
#include <sstream>

void set_board(Game& g, std::initializer_list<Placed> pieces) {
  std::memset(g.BAN, 0, sizeof g.BAN);
  for (int i = 0; i < 8; ++i) g.SITA_MOCHI[i] = g.UE_MOCHI[i] = 0;
  g.SITA_MOCHI_SU = g.UE_MOCHI_SU = 0;
  for (const auto& p : pieces) {
    g.BAN[p.x][p.y] = static_cast<int16_t>(p.code);
    if (p.code == -OU) g.SITA_OU_X = p.x, g.SITA_OU_Y = p.y;
    if (p.code == OU) g.UE_OU_X = p.x, g.UE_OU_Y = p.y;
  }
}

void set_hand(Game& g, bool lower, std::initializer_list<int> counts) {
  int16_t* hand = lower ? g.SITA_MOCHI : g.UE_MOCHI;
  int16_t& total = lower ? g.SITA_MOCHI_SU : g.UE_MOCHI_SU;
  int i = 1;
  total = 0;
  for (int c : counts) {
    hand[i++] = static_cast<int16_t>(c);
    total = static_cast<int16_t>(total + c);
  }
}

std::string debug_string(const Game& g) {
  std::ostringstream out;
  out << "upper hand:";
  for (int i = 1; i <= 7; ++i) out << ' ' << g.UE_MOCHI[i];
  out << " (" << g.UE_MOCHI_SU << ")\n";
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 9; ++x) {
      out.width(5);
      out << g.BAN[x][y];
    }
    out << '\n';
  }
  out << "lower hand:";
  for (int i = 1; i <= 7; ++i) out << ' ' << g.SITA_MOCHI[i];
  out << " (" << g.SITA_MOCHI_SU << ")\n";
  return out.str();
}

Snapshot::Snapshot(const Game& g) : sita_su(g.SITA_MOCHI_SU), ue_su(g.UE_MOCHI_SU) {
  std::memcpy(ban, g.BAN, sizeof ban);
  std::memcpy(sita, g.SITA_MOCHI, sizeof sita);
  std::memcpy(ue, g.UE_MOCHI, sizeof ue);
}

bool Snapshot::operator==(const Snapshot& o) const {
  return std::memcmp(ban, o.ban, sizeof ban) == 0 && std::memcmp(sita, o.sita, sizeof sita) == 0 &&
         std::memcmp(ue, o.ue, sizeof ue) == 0 && sita_su == o.sita_su && ue_su == o.ue_su;
}
