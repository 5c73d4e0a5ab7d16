// Running the computer player on a USI position. The computer always plays the upper side, so
// the lower side to move is searched on the board turned round and the move turned back.
#include <charconv>
#include <cmath>

#include "platform/null_port.h"
#include "usi/usi.h"

Position turned(const Position& p) {
  Position q;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) q.ban[10 - x][10 - y] = static_cast<int16_t>(-p.ban[x][y]);
  for (int i = 1; i <= 7; ++i) {
    q.sita[i] = p.ue[i];
    q.ue[i] = p.sita[i];
  }
  q.lower_to_move = !p.lower_to_move;
  return q;
}

void load_for_search(Game& g, const Position& p) {
  put_position(g, p.lower_to_move ? turned(p) : p);
  g.TEBAN = g.COM_TEBAN;
  // In a game the click handler has surveyed the board after the human's move before the
  // computer thinks, and the search's first probe reads the king squares that survey found.
  勢力調査(g);
}

UsiMove map_back(const BestMove& best, const Position& p) {
  UsiMove m;
  m.drop = best.fx == UE_STAND_X;
  if (m.drop) {
    m.kind = best.fy;
  } else {
    m.fx = best.fx;
    m.fy = best.fy;
    m.promote = best.placed != best.koma;
  }
  m.tx = best.tx;
  m.ty = best.ty;
  if (p.lower_to_move) {
    if (!m.drop) {
      m.fx = 10 - m.fx;
      m.fy = 10 - m.fy;
    }
    m.tx = 10 - m.tx;
    m.ty = 10 - m.ty;
  }
  return m;
}

BestMove decide(const Position& p, int level, Rules rules, const Search& search) {
  NullPort port;
  Game g(port);
  g.COM_LEVEL = static_cast<int16_t>(level);
  load_for_search(g, p);
  return search(g, rules == Rules::Standard ? standard_filter : nullptr);
}

std::string exact_score(double score) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, score);
  return {buf, r.ptr};
}

std::string usi_score(const Position& p, const UsiMove& m, double score) {
  const int their_king = p.lower_to_move ? OU : -OU;
  if (!m.drop && p.ban[m.tx][m.ty] == their_king) return "mate 1";
  return "cp " + std::to_string(std::lround(score * 10));
}
