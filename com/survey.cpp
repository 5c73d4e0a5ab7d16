// The influence survey: which pieces bear on every square, the cheapest attacker and the
// defender of each piece, the check maps and the kings' squares. It runs once for every
// candidate move of the computer, so it works on the fixed tables of the game object only.
//
// The two sides are recorded differently on purpose: the evaluation was tuned against these
// tables as they are. The upper side enters attacks only for its pawn, the diagonal steps of
// its promoted rook and its lines; its gold-movers count as golds and store no square.
#include <cstring>

#include "com/com.h"

namespace {

// Which check marks a step piece leaves in the enemy's check map when it bears on the king.
enum class Chk { None, Own, OwnAndKing };
// Whether an upper step enters a defence or an attack, and whether with the piece's square.
enum class Rec { None, Code, CodeAndSquare };

// Tables filled with a start value on the board squares, the border left at 0.
struct Filled {
  int16_t v[10][10]{};
  constexpr explicit Filled(int16_t value) {
    for (int x = 1; x <= BAN_N; ++x)
      for (int y = 1; y <= BAN_N; ++y) v[x][y] = value;
  }
};
constexpr Filled kNoDefender(999);
constexpr Filled kNoUpperAttacker(999);
constexpr Filled kNoLowerAttacker(-999);

// A lower piece on (px, py), recorded as c, bears on (sx, sy).
template <Chk C>
inline void sita(Game& g, int c, int px, int py, int sx, int sy) {
  ++g.SITA_SEIRYOKU[sx][sy];
  const int t = g.BAN[sx][sy];
  if (t < 0) {
    if (g.SITA_HIMO_KOMA[sx][sy] > c) g.SITA_HIMO_KOMA[sx][sy] = static_cast<int16_t>(c);
  } else if (t > 0) {
    if (g.SITA_NERAI_KOMA[sx][sy] < c) {
      g.SITA_NERAI_KOMA[sx][sy] = static_cast<int16_t>(c);
      g.SITA_NERAI_X[sx][sy] = static_cast<int16_t>(px);
      g.SITA_NERAI_Y[sx][sy] = static_cast<int16_t>(py);
    }
    if constexpr (C != Chk::None) {
      if (t == OU) {
        g.SITA_OUTE[px][py] = 9;
        if constexpr (C == Chk::OwnAndKing) g.SITA_OUTE[sx][sy] = 9;
      }
    }
  }
}

// An upper piece on (px, py), recorded as c, bears on (sx, sy).
template <Rec Defence, Rec Attack, Chk C>
inline void ue(Game& g, int c, int px, int py, int sx, int sy) {
  ++g.UE_SEIRYOKU[sx][sy];
  const int t = g.BAN[sx][sy];
  if (t > 0) {
    if constexpr (Defence != Rec::None) {
      if (g.UE_HIMO_KOMA[sx][sy] > c) {
        g.UE_HIMO_KOMA[sx][sy] = static_cast<int16_t>(c);
        if constexpr (Defence == Rec::CodeAndSquare) {
          g.UE_HIMO_X[sx][sy] = static_cast<int16_t>(px);
          g.UE_HIMO_Y[sx][sy] = static_cast<int16_t>(py);
        }
      }
    }
  } else if (t < 0) {
    if constexpr (Attack != Rec::None) {
      if (g.UE_NERAI_KOMA[sx][sy] > c) {
        g.UE_NERAI_KOMA[sx][sy] = static_cast<int16_t>(c);
        if constexpr (Attack == Rec::CodeAndSquare) {
          g.UE_NERAI_X[sx][sy] = static_cast<int16_t>(px);
          g.UE_NERAI_Y[sx][sy] = static_cast<int16_t>(py);
        }
      }
    }
    if constexpr (C != Chk::None) {
      if (t == -OU) {
        g.UE_OUTE[px][py] = 9;
        if constexpr (C == Chk::OwnAndKing) g.UE_OUTE[sx][sy] = 9;
      }
    }
  }
}

// The eight king steps, in the order up, up-left, up-right, down, down-left, down-right, left,
// right. The king takes part in counts and defences but gives no check.
void sita_king(Game& g, int x, int y) {
  constexpr int c = -OU;
  if (y > 1) {
    sita<Chk::None>(g, c, x, y, x, y - 1);
    if (x > 1) sita<Chk::None>(g, c, x, y, x - 1, y - 1);
    if (x < BAN_N) sita<Chk::None>(g, c, x, y, x + 1, y - 1);
  }
  if (y < BAN_N) {
    sita<Chk::None>(g, c, x, y, x, y + 1);
    if (x > 1) sita<Chk::None>(g, c, x, y, x - 1, y + 1);
    if (x < BAN_N) sita<Chk::None>(g, c, x, y, x + 1, y + 1);
  }
  if (x > 1) sita<Chk::None>(g, c, x, y, x - 1, y);
  if (x < BAN_N) sita<Chk::None>(g, c, x, y, x + 1, y);
}

void ue_king(Game& g, int x, int y) {
  constexpr int c = OU;
  constexpr auto step = &ue<Rec::Code, Rec::None, Chk::None>;
  if (y > 1) {
    step(g, c, x, y, x, y - 1);
    if (x > 1) step(g, c, x, y, x - 1, y - 1);
    if (x < BAN_N) step(g, c, x, y, x + 1, y - 1);
  }
  if (y < BAN_N) {
    step(g, c, x, y, x, y + 1);
    if (x > 1) step(g, c, x, y, x - 1, y + 1);
    if (x < BAN_N) step(g, c, x, y, x + 1, y + 1);
  }
  if (x > 1) step(g, c, x, y, x - 1, y);
  if (x < BAN_N) step(g, c, x, y, x + 1, y);
}

void sita_piece(Game& g, int p, int x, int y) {
  constexpr Chk O = Chk::Own;
  switch (p) {
    case -HU:
      if (y > 1) sita<O>(g, p, x, y, x, y - 1);
      break;
    case -TO:
    case -KYOU_NARI:
    case -KEI_NARI:
    case -GIN_NARI:
    case -KIN:
      勢力確定自金(g, p, x, y);
      break;
    case -KYOU:
      勢力確定上直進(g, p, x, y);
      break;
    case -KEI:
      if (y > 2) {
        if (x > 1) sita<Chk::OwnAndKing>(g, p, x, y, x - 1, y - 2);
        if (x < BAN_N) sita<Chk::OwnAndKing>(g, p, x, y, x + 1, y - 2);
      }
      break;
    case -GIN:
      if (y > 1) {
        sita<O>(g, p, x, y, x, y - 1);
        if (x > 1) sita<O>(g, p, x, y, x - 1, y - 1);
        if (x < BAN_N) sita<O>(g, p, x, y, x + 1, y - 1);
      }
      if (y < BAN_N) {
        if (x > 1) sita<O>(g, p, x, y, x - 1, y + 1);
        if (x < BAN_N) sita<O>(g, p, x, y, x + 1, y + 1);
      }
      break;
    case -KAKU:
      勢力確定自角(g, x, y);
      break;
    case -KAKU_NARI:
      if (y > 1) sita<O>(g, p, x, y, x, y - 1);
      if (y < BAN_N) sita<O>(g, p, x, y, x, y + 1);
      if (x > 1) sita<O>(g, p, x, y, x - 1, y);
      if (x < BAN_N) sita<O>(g, p, x, y, x + 1, y);
      勢力確定自角(g, x, y);
      break;
    case -SYA:
    case -SYA_NARI:
      勢力確定下直進(g, p, x, y);
      勢力確定上直進(g, p, x, y);
      勢力確定右直進(g, p, x, y);
      勢力確定左直進(g, p, x, y);
      if (p == -SYA_NARI) {
        if (y > 1) {
          if (x > 1) sita<O>(g, p, x, y, x - 1, y - 1);
          if (x < BAN_N) sita<O>(g, p, x, y, x + 1, y - 1);
        }
        if (y < BAN_N) {
          if (x > 1) sita<O>(g, p, x, y, x - 1, y + 1);
          if (x < BAN_N) sita<O>(g, p, x, y, x + 1, y + 1);
        }
      }
      break;
    case -OU:
      g.SITA_OU_X = static_cast<int16_t>(x);
      g.SITA_OU_Y = static_cast<int16_t>(y);
      sita_king(g, x, y);
      break;
    default:
      break;  // an unknown code bears on nothing
  }
}

void ue_piece(Game& g, int p, int x, int y) {
  switch (p) {
    case HU:
      if (y < BAN_N) ue<Rec::Code, Rec::Code, Chk::Own>(g, p, x, y, x, y + 1);
      break;
    case TO:
    case KYOU_NARI:
    case KEI_NARI:
    case GIN_NARI:
    case KIN:
      勢力確定敵金(g, x, y);
      break;
    case KYOU:
      勢力確定下直進(g, p, x, y);
      break;
    case KEI: {
      constexpr auto step = &ue<Rec::CodeAndSquare, Rec::None, Chk::OwnAndKing>;
      if (y < BAN_N - 1) {
        if (x > 1) step(g, p, x, y, x - 1, y + 2);
        if (x < BAN_N) step(g, p, x, y, x + 1, y + 2);
      }
      break;
    }
    case GIN: {
      constexpr auto step = &ue<Rec::CodeAndSquare, Rec::None, Chk::Own>;
      if (y < BAN_N) {
        step(g, p, x, y, x, y + 1);
        if (x > 1) step(g, p, x, y, x - 1, y + 1);
        if (x < BAN_N) step(g, p, x, y, x + 1, y + 1);
      }
      if (y > 1) {
        if (x > 1) step(g, p, x, y, x - 1, y - 1);
        if (x < BAN_N) step(g, p, x, y, x + 1, y - 1);
      }
      break;
    }
    case KAKU:
      勢力確定敵角(g, p, x, y);
      break;
    case KAKU_NARI: {
      constexpr auto step = &ue<Rec::None, Rec::None, Chk::Own>;
      if (y > 1) step(g, p, x, y, x, y - 1);
      if (y < BAN_N) step(g, p, x, y, x, y + 1);
      if (x > 1) step(g, p, x, y, x - 1, y);
      if (x < BAN_N) step(g, p, x, y, x + 1, y);
      勢力確定敵角(g, p, x, y);
      break;
    }
    case SYA:
    case SYA_NARI:
      勢力確定下直進(g, p, x, y);
      勢力確定上直進(g, p, x, y);
      勢力確定右直進(g, p, x, y);
      勢力確定左直進(g, p, x, y);
      if (p == SYA_NARI) {
        constexpr auto step = &ue<Rec::CodeAndSquare, Rec::CodeAndSquare, Chk::Own>;
        if (y > 1) {
          if (x > 1) step(g, p, x, y, x - 1, y - 1);
          if (x < BAN_N) step(g, p, x, y, x + 1, y - 1);
        }
        if (y < BAN_N) {
          if (x > 1) step(g, p, x, y, x - 1, y + 1);
          if (x < BAN_N) step(g, p, x, y, x + 1, y + 1);
        }
      }
      break;
    case OU:
      g.UE_OU_X = static_cast<int16_t>(x);
      g.UE_OU_Y = static_cast<int16_t>(y);
      ue_king(g, x, y);
      break;
    default:
      break;  // an unknown code bears on nothing
  }
}

}  // namespace

void 勢力確定自金(Game& g, int code, int x, int y) {
  constexpr Chk O = Chk::Own;
  if (y > 1) {
    sita<O>(g, code, x, y, x, y - 1);
    if (x > 1) sita<O>(g, code, x, y, x - 1, y - 1);
    if (x < BAN_N) sita<O>(g, code, x, y, x + 1, y - 1);
  }
  if (y < BAN_N) sita<O>(g, code, x, y, x, y + 1);
  if (x > 1) sita<O>(g, code, x, y, x - 1, y);
  if (x < BAN_N) sita<O>(g, code, x, y, x + 1, y);
}

void 勢力確定敵金(Game& g, int x, int y) {
  // Every upper gold-mover counts as a gold, stores no square and enters no attack.
  constexpr int c = KIN;
  constexpr auto step = &ue<Rec::Code, Rec::None, Chk::Own>;
  if (y > 1) step(g, c, x, y, x, y - 1);
  if (y < BAN_N) {
    step(g, c, x, y, x, y + 1);
    if (x > 1) step(g, c, x, y, x - 1, y + 1);
    if (x < BAN_N) step(g, c, x, y, x + 1, y + 1);
  }
  if (x > 1) step(g, c, x, y, x - 1, y);
  if (x < BAN_N) step(g, c, x, y, x + 1, y);
}

void 勢力調査(Game& g) {
  // 1. Start values. The upper defender's and attacker's squares are kept from the last survey.
  std::memset(g.SITA_SEIRYOKU, 0, sizeof(Ban));
  std::memset(g.UE_SEIRYOKU, 0, sizeof(Ban));
  std::memcpy(g.SITA_HIMO_KOMA, kNoDefender.v, sizeof(Ban));
  std::memcpy(g.UE_HIMO_KOMA, kNoDefender.v, sizeof(Ban));
  std::memcpy(g.SITA_NERAI_KOMA, kNoLowerAttacker.v, sizeof(Ban));
  std::memset(g.SITA_NERAI_X, 0, sizeof(Ban));
  std::memset(g.SITA_NERAI_Y, 0, sizeof(Ban));
  std::memcpy(g.UE_NERAI_KOMA, kNoUpperAttacker.v, sizeof(Ban));
  std::memset(g.SITA_OUTE, 0, sizeof(Ban));
  std::memset(g.UE_OUTE, 0, sizeof(Ban));

  // 2. Every piece in board order; ties keep the piece met first.
  for (int x = 1; x <= BAN_N; ++x) {
    for (int y = 1; y <= BAN_N; ++y) {
      const int p = g.BAN[x][y];
      if (p < 0)
        sita_piece(g, p, x, y);
      else if (p > 0)
        ue_piece(g, p, x, y);
    }
  }
}
