// Evaluation rules that depend on the kind of piece placed, many of them tied to squares of
// the opening this game starts from. Each row adds to the score or ends the evaluation.
#include "com/eval_kinds.h"
#include "rules/rules.h"

namespace {

inline int iabs(int v) {
  return v < 0 ? -v : v;
}

// A table entry, or 0 for an index off the stored 10 x 10 range.
inline int at(const Ban& a, int x, int y) {
  return x < 0 || x > BAN_N || y < 0 || y > BAN_N ? 0 : a[x][y];
}

double pawn_drop(Game& g, double s, int tx, int ty) {
  // a pawn dropped under a strong piece while the human has a pawn or lance to hit it
  if (g.UE_SEIRYOKU[tx][ty] == 0 && ty > 1 && g.BAN[tx][ty - 1] >= GIN &&
      (g.SITA_MOCHI[1] > 0 || g.SITA_MOCHI[2] > 0))
    s += 6;
  // a pawn dropped in front of the human's bishop on its home square
  if (g.BAN[2][8] == -KAKU && tx == 2 && ty == 7 &&
      (g.SITA_SEIRYOKU[2][7] == 0 || g.UE_SEIRYOKU[2][7] > 0))
    s += 30;
  // a guarded pawn dropped on the file of an attacking lance or rook, below it
  const int ax = g.SITA_NERAI_X[tx][ty], ay = g.SITA_NERAI_Y[tx][ty];
  const int nerai = g.SITA_NERAI_KOMA[tx][ty];
  if (!(g.UE_SEIRYOKU0[ax][ay] > 0 && g.SITA_SEIRYOKU[ax][ay] == 0) && g.UE_SEIRYOKU[tx][ty] > 0 &&
      tx == ax && (nerai == -KYOU || nerai == -SYA) && ty < ay)
    return s + 120;
  return s;
}

double pawn_move(Game& g, double s, int cap, int tx, int ty) {
  const int ue = g.UE_SEIRYOKU[tx][ty];
  const int sita = g.SITA_SEIRYOKU[tx][ty];
  const int himo = g.UE_HIMO_KOMA[tx][ty];
  const int nerai = g.SITA_NERAI_KOMA[tx][ty];
  // a pawn push costs a little, less when a silver or gold backs it
  s -= 0.1;
  if (himo == KIN || himo == GIN) s += 0.6;
  if (ty >= 8) return s;
  // a pawn backed by a lance
  if (himo == KYOU) {
    s += 1;
  } else if (himo == SYA && g.UE_HIMO_X[tx][ty] == tx && ue >= sita && g.UE_HIMO_Y[tx][ty] < ty) {
    s += 2;  // a pawn backed by the rook behind it on its file, not outnumbered
  }
  // the square ahead is free of the human and a knight or stronger waits behind it
  if (g.SITA_SEIRYOKU[tx][ty + 1] == 0 && g.BAN[tx][ty + 2] <= -KEI) s += 1;
  // pushing into a guarded human pawn
  if (ty < 7 && g.BAN[tx][ty + 1] == -HU && g.SITA_SEIRYOKU[tx][ty + 1] > 0) s -= 5;
  // a pawn beside the computer's bishop, more when it heads for a human pawn
  if (ty < 7 && tx < 9 && g.BAN[tx + 1][ty] == KAKU) {
    s += 0.5;
    if (g.BAN[tx + 1][ty + 2] == -HU) s += 5;
  }
  // the pawn push that opens the bishop on its home square
  if (ty < 7 && tx > 1 && tx == 7 && ty == 4 && g.BAN[8][2] == KAKU) s += 10;
  if (ty < 7 && tx > 1 && g.BAN[tx - 1][ty] == KAKU) {
    s += 0.5;
    if (g.BAN[tx - 1][ty + 2] == -HU) s += 5;
  }
  // a capture by a pawn guarded once; bad if it lets a lance hit the bishop behind
  if (ue == 1 && cap <= -10) {
    if (ty > 2 && nerai == -KYOU && g.BAN[tx][ty - 2] == KAKU) {
      s -= 5;
    } else {
      s += 5;
    }
    // taking a pawn that a lance or rook guards
    if (cap == -HU && (nerai == -KYOU || nerai == -SYA) && ue < 2) s += 50;
  }
  // a human piece straight ahead
  if (g.BAN[tx][ty + 1] <= -10) {
    if (ue > sita) return s + 1;                 // more guards than attackers
    if (g.BAN[tx][ty + 1] == -HU) return s - 5;  // pawn against pawn
    if (ue > 0 && g.UE_SEIRYOKU0[tx][ty + 1] > 0 && g.SITA_SEIRYOKU0[tx][ty + 1] == 0)
      return s - 1;                          // the piece ahead was already hanging
    if (ue > 0 && ue >= sita) return s + 5;  // guarded at least as often as attacked
    if (ue == 0 && sita == 0) return s + 1;  // nobody cares about the square
  }
  return s;
}

double pawn(Game& g, double s, int cap, int fx, int tx, int ty) {
  // a pawn that prepares a lance drop pinning a major piece
  if (g.UE_MOCHI[2] > 0) s += 調査_香狙い(g, tx, ty);
  // a pawn that prepares a knight fork of two major pieces
  if (g.UE_MOCHI[3] > 0) s += 調査_桂狙い(g, tx, ty);
  if (ty < 9) {
    const int ahead = g.BAN[tx][ty + 1];
    // a pawn in front of the computer's gold
    if (ahead == KIN) s += 0.5;
    // a pawn in front of the computer's rook
    if (ahead == SYA) s -= 1;
    // a pawn that attacks a human piece with nowhere safe to go
    if (ahead < -HU && 調査_移動可場所数(g, tx, ty + 1, ahead) == 0) s += iabs(ahead);
  }
  // a guarded pawn beside the computer's rook
  if (g.UE_SEIRYOKU[tx][ty] > 0 && tx > 1 && tx < 9 &&
      (g.BAN[tx + 1][ty] == SYA || g.BAN[tx - 1][ty] == SYA))
    s -= 1;
  return fx < 0 ? pawn_drop(g, s, tx, ty) : pawn_move(g, s, cap, tx, ty);
}

double lance(Game& g, double s, int cap, int fx, int tx, int ty) {
  // a lance that prepares a knight fork of two major pieces
  if (g.UE_MOCHI[3] > 0) s += 調査_桂狙い(g, tx, ty);
  if (fx < 0) {
    // a dropped lance that a pawn drop could block
    if (ty < 8 && g.SITA_MOCHI[1] > 0 && g.SITA_SEIRYOKU[tx][ty + 1] > 0 &&
        g.SITA_SEIRYOKU[tx][ty] == 0)
      s -= 10;
    // a dropped lance skewering a human piece against the one behind it
    if (ty < 8 && g.BAN[tx][ty + 1] <= -KYOU &&
        (g.SITA_SEIRYOKU[tx][ty] == 0 || g.UE_SEIRYOKU[tx][ty] >= g.SITA_SEIRYOKU[tx][ty])) {
      for (int k = ty + 2; k <= BAN_N; ++k) {
        if (g.BAN[tx][k] == KARA) continue;
        if (移動チェック(g, tx, ty + 1, tx, k, KYOU) == FLAG_ON && g.BAN[tx][k] < -KYOU)
          return s + iabs(g.BAN[tx][k]);
        break;
      }
      return s;
    }
    return s;
  }
  // a quiet lance move
  if (cap == KARA) return s - 0.9;
  // taking the human's lance, more when the square is attacked
  if (cap == -KYOU) {
    s += 10;
    if (g.SITA_SEIRYOKU[tx][ty] >= 1) return s + 10;
  }
  return s;
}

double knight(Game& g, double s, int tx, int ty) {
  // a knight costs a little, more with the square below it attacked
  s -= 0.1;
  if (at(g.SITA_SEIRYOKU, tx, ty + 1) > 0) s -= 1;
  if (ty < 8 && tx > 1 && tx < 9) {
    // both landing squares of its next jump are attacked
    if (g.SITA_SEIRYOKU[tx - 1][ty + 2] > 0 && g.SITA_SEIRYOKU[tx + 1][ty + 2] > 0) s -= 1;
    // the knight jump that blocks the computer's own bishop
    if (tx == 7 && ty == 3 && g.BAN[8][4] == KAKU) return s - 5;
  }
  return s;
}

double silver(Game& g, double s, int fx, int fy, int tx, int ty) {
  if (ty <= 1) return s;
  const bool silver_on_fifth = g.BAN[7][5] == -GIN || g.BAN[8][5] == -GIN || g.BAN[9][5] == -GIN;
  // a straight advance against a human silver on the fifth row
  if (ty > fy && silver_on_fifth && tx == fx) s += 5;
  // a straight advance with no such silver
  if (ty > fy && !silver_on_fifth && tx == fx) s -= 0.1;
  // a silver right under the computer's knight
  if (g.BAN[tx][ty - 1] == KEI) s -= 0.5;
  // the silver that meets the human's pawn attack on the bishop's file
  if (tx == 7 && ty == 3 && g.BAN[8][3] == HU && g.BAN[8][5] == -HU) return s + 115;
  return s;
}

double gold(Game& g, double s, int fx, int fy, int tx, int ty) {
  // a diagonal forward step
  if (ty > fy && tx != fx) s -= 0.5;
  // a gold on the fourth row: bad when the bishop beside it is attacked
  if (ty == 4) return g.BAN[6][4] == KAKU && g.SITA_SEIRYOKU[6][4] > 0 ? s - 5 : s;
  // the gold that guards against the human's rook and pawn on the eighth file
  if (ty == 2 && g.BAN[8][3] == HU && g.BAN[8][6] == -HU && tx == 7 &&
      g.SITA_HIMO_KOMA[8][6] == -SYA)
    s += 10;
  // a gold guarding an unguarded piece below it while the human holds a bishop
  if (ty == 2 && g.SITA_MOCHI[6] > 0 && g.UE_SEIRYOKU0[tx][3] == 0 && g.BAN[tx][3] >= 10) {
    s += 2;
    if (g.UE_SEIRYOKU0[tx][4] == 1 && g.BAN[tx][4] == KAKU) return s + 125;
  }
  return s;
}

double bishop(Game& g, double s, int fx, int fy, int tx, int ty) {
  // strong pieces of its own crowding around it
  s += 調査_周辺状況(g, tx, ty);
  // the edge bishop stuck behind its pawn facing the human's pawn and lance
  if (ty == 3 && tx == 9 && g.BAN[9][4] == HU && g.BAN[9][6] == -HU && g.BAN[9][9] == -KYOU)
    s -= 10;
  // the bishop that faces the pawn the human's rook backs
  if (ty == 3 && tx == 7 && g.BAN[8][5] == -HU && g.SITA_HIMO_KOMA[8][5] == -SYA) s += 9;
  // a bishop under attack from below with nowhere safe to go
  if (ty < 9 && g.SITA_SEIRYOKU[tx][ty + 1] > 0 && 調査_移動可場所数(g, tx, ty, KAKU) == 0)
    s -= 100;
  // the square below it attacked with a human pawn behind
  if (ty < 8 && g.SITA_SEIRYOKU[tx][ty + 1] > 0 && g.BAN[tx][ty + 2] == -HU) s -= 1;
  // the edge bishop leaving while the human's lance guards the pawn
  if (fy == 3 && fx == 9 && g.BAN[9][4] == HU && g.BAN[9][6] == -HU &&
      g.SITA_HIMO_KOMA[9][6] == -KYOU)
    s += 10;
  // the bishop leaving the pawn it guarded against the human's rook
  if (fy == 3 && fx == 7 && g.BAN[8][5] == -HU && g.SITA_HIMO_KOMA[8][5] == -SYA &&
      g.UE_SEIRYOKU0[8][4] > g.UE_SEIRYOKU[8][4])
    s -= 10;
  if (fx < 0) {
    // a bishop dropped deep with little room
    if (ty > 6 && 調査_移動可場所数(g, tx, ty, KAKU) <= 3) return s - 20;
    // a bishop dropped on the edge in front of the human's pawn
    if (ty <= 6 && ty == 5 && (tx == 1 || tx == 9) && g.BAN[tx][7] == -HU) s -= 10;
    // a bishop dropped where the human's gold blocks nothing
    if (tx == 4 && ty == 5 && g.BAN[5][8] == -KIN) return s - 10;
  }
  return s;
}

double rook(Game& g, double s, int fx, int fy, int tx, int ty) {
  const int kx = g.SITA_OU_X, ky = g.SITA_OU_Y;
  // strong pieces of its own crowding around it
  s += 調査_周辺状況(g, tx, ty);
  // a rook dropped on the back rank next to a silver and gold that can trap it
  if (fx < 0 && ty == 9 && g.BAN[tx][8] == -GIN && tx > 1 && tx < 9 &&
      ((g.BAN[tx - 1][9] != KARA && g.BAN[tx + 1][8] == -KIN) ||
       (g.BAN[tx + 1][9] != KARA && g.BAN[tx - 1][8] == -KIN)))
    return s - 1;
  if (fx >= 0) {
    // the rook swinging to the third file in front of the human's bishop and pawn
    if (g.SITA_SEIRYOKU[tx][ty] == 0 && tx == 3 && ty == 4 && g.BAN[3][7] == -KAKU &&
        g.BAN[3][6] == -HU && g.BAN[3][5] == KARA)
      s += 7;
    // the square below the rook is attacked, worse with a human pawn behind it
    if (ty < 8 && g.SITA_SEIRYOKU[tx][ty + 1] > 0) {
      s -= 1;
      if (g.BAN[tx][ty + 2] == -HU && fy == ty) s -= 5;
    }
    // the rook leaving its guard of the eighth file against the human's rook and pawn
    if (fy < 9 && g.BAN[8][fy + 1] == -HU && g.SITA_HIMO_KOMA[8][fy + 1] == -SYA) {
      if (g.UE_SEIRYOKU[8][fy] < g.UE_SEIRYOKU0[8][fy]) s -= 11;
      if (g.BAN[7][fy] == HU && fy != ty) s -= 11;
    }
    // the rook stepping off its home square for nothing
    if (g.SITA_SEIRYOKU[fx][fy] == 0 && fx == 2 && fy == 2 && tx == 2 && ty == 3) s -= 1;
  }
  // a safe rook (or one only the king attacks): trapped, or close beside the human's king
  if (g.SITA_SEIRYOKU[tx][ty] == 0 ||
      (g.SITA_NERAI_KOMA[tx][ty] == -OU && g.UE_SEIRYOKU[tx][ty] > 0)) {
    if (調査_移動可場所数(g, tx, ty, SYA) <= 1) return s - 35;
    if ((tx == kx || ty == ky) && iabs(kx - tx) < 3 && iabs(ky - ty) < 3) return s + 100;
  }
  return s;
}

double dragon(Game& g, double s, int fx, int fy, int tx, int ty) {
  const int kx = g.SITA_OU_X, ky = g.SITA_OU_Y;
  // strong pieces of its own crowding around it
  s += 調査_周辺状況(g, tx, ty);
  // a dragon under a human silver with a gold beside it to close the trap
  if (g.BAN[tx][ty - 1] == -GIN && tx > 1 && tx < 9 &&
      ((g.BAN[tx - 1][ty] != KARA && g.BAN[tx + 1][ty - 1] == -KIN) ||
       (g.BAN[tx + 1][ty] != KARA && g.BAN[tx - 1][ty - 1] == -KIN)))
    s -= 10;
  // a dragon escaping from the back rank under a silver next to golds
  if (fy == 9 && at(g.BAN, fx, fy - 1) == -GIN) {
    if (fx > 1 && at(g.BAN, fx - 1, fy - 1) == -KIN) s += 2;
    if (fx < 9 && at(g.BAN, fx + 1, fy - 1) == -KIN) s += 2;
  }
  // a dragon going into the back-rank corner between a gold and another piece
  if (ty == 9 && g.BAN[tx][8] <= -10 &&
      ((tx == 3 && g.BAN[4][8] == -KIN && g.BAN[2][9] <= -10) ||
       (tx == 7 && g.BAN[6][8] == -KIN && g.BAN[8][9] <= -10)))
    s -= 150;
  // a safe dragon close beside the human's king on its file or row
  if ((g.SITA_SEIRYOKU[tx][ty] == 0 ||
       (g.SITA_NERAI_KOMA[tx][ty] == -OU && g.UE_SEIRYOKU[tx][ty] > 0)) &&
      (tx == kx || ty == ky) && iabs(kx - tx) < 3 && iabs(ky - ty) < 3)
    return s + 100;
  return s;
}

double king(Game& g, double s, int tx, int ty) {
  // a king leaving its camp
  if (ty > 3) s = s - 15 - ty;
  // a king off the centre file
  if (tx != 5) s += 1;
  // a king moving while one of the computer's pieces was pinned
  if (g.UE_KUGI_ARI == FLAG_ON) s += 10;
  // a king going where more of its pieces guard
  if (g.UE_SEIRYOKU[tx][ty] > g.UE_SEIRYOKU0[tx][ty]) s += 1;
  // a king with fewer than two safe squares
  if (調査_移動可場所数(g, tx, ty, OU) < 2) return s - 20;
  return s;
}

}  // namespace

double score_by_kind(Game& g, double s, int cap, int put, int fx, int fy, int tx, int ty) {
  switch (put) {
    case HU:
      return pawn(g, s, cap, fx, tx, ty);
    case TO:
      // a promoted pawn guarded at least as often as attacked
      return g.UE_SEIRYOKU[tx][ty] >= g.SITA_SEIRYOKU[tx][ty] ? s + 1 : s;
    case KYOU:
      return lance(g, s, cap, fx, tx, ty);
    case KEI:
      return knight(g, s, tx, ty);
    case GIN:
      return silver(g, s, fx, fy, tx, ty);
    case KIN:
      return gold(g, s, fx, fy, tx, ty);
    case KAKU:
      return bishop(g, s, fx, fy, tx, ty);
    case KAKU_NARI:
      // strong pieces of its own crowding around it
      return s + 調査_周辺状況(g, tx, ty);
    case SYA:
      return rook(g, s, fx, fy, tx, ty);
    case SYA_NARI:
      return dragon(g, s, fx, fy, tx, ty);
    case OU:
      return king(g, s, tx, ty);
    default:
      return s;  // promoted lance, knight and silver have no rule of their own
  }
}
