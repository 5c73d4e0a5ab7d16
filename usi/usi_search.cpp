// Running the computer player on a USI position. The computer always plays the upper side, so
// the lower side to move is searched on the board turned round and the move turned back.
#include <charconv>

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

BestMove decide(const Position& p, int level, const std::function<BestMove(Game&)>& search) {
  NullPort port;
  Game g(port);
  g.COM_LEVEL = static_cast<int16_t>(level);
  load_for_search(g, p);
  return search(g);
}

std::string exact_score(double score) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, score);
  return {buf, r.ptr};
}
