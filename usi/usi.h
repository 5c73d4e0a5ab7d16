// The USI front end: positions in SFEN, moves in USI notation, loading a position for the
// computer's search and mapping its answer back, and the protocol loop itself.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "com/com.h"
#include "rules/game.h"

// A parse result: the value, or an error text for an `info string` line.
template <class T>
struct Parsed {
  T value{};
  std::string error;  // empty when the text was accepted
  bool ok() const { return error.empty(); }
};

// A position in the game's own terms: board codes indexed [x][y] like BAN, hands by index 1..7.
struct Position {
  Ban ban{};
  int16_t sita[8]{};  // lower side's hand
  int16_t ue[8]{};    // upper side's hand
  bool lower_to_move = true;
  bool operator==(const Position& o) const;
};

// A move in the game's coordinates. A drop has drop = true, the hand index in `kind` and no
// origin square.
struct UsiMove {
  bool drop = false;
  int kind = 0;
  int fx = 0, fy = 0, tx = 0, ty = 0;
  bool promote = false;
  bool operator==(const UsiMove&) const = default;
};

// Text helpers: the blank-separated words of a line, and a word made safe to echo back.
std::vector<std::string_view> words(std::string_view line);
std::string shown(std::string_view word);

// SFEN text and positions.
Position start_position();                                       // this game's own start
Parsed<Position> parse_sfen(std::string_view sfen);              // board, side, hands[, number]
std::string to_sfen(const Position& p, int move_number = 1);     // the inverse
Parsed<Position> parse_position_command(std::string_view args);  // after the word "position"

// Moves.
Parsed<UsiMove> parse_move(std::string_view text);  // "7g7f", "7c7b+", "P*5e"
std::string to_usi(const UsiMove& m);
// Why the side to move may not play `m` under the game's own rules; empty when it may.
// A king capture is refused unless `allow_king_capture` is set.
std::string move_error(const Position& p, const UsiMove& m, bool allow_king_capture = false);
// Plays a move that move_error accepted: capture into the hand, side to move swapped.
void play_move(Position& p, const UsiMove& m);
// Every move the side to move may play, king captures excluded.
std::vector<UsiMove> legal_moves(const Position& p);

// The board turned round with the sides swapped (as the display flip does), hands swapped and
// the other side to move.
Position turned(const Position& p);
// Sets the board and both hands with their totals, nothing else.
void put_position(Game& g, const Position& p);

// The computer's search. Loads the position into a game object fresh from program start: only
// the board, the hands with their totals and the side to move; the lower side to move is
// searched on the board turned round, with the sides swapped.
void load_for_search(Game& g, const Position& p);
// The search's answer as a move of the side to move in `p`.
UsiMove map_back(const BestMove& best, const Position& p);
// One complete decision: a fresh game object at `level`, the position loaded, the search run.
BestMove decide(const Position& p, int level, const std::function<BestMove(Game&)>& search);
// A score written so that reading it back gives exactly the same double.
std::string exact_score(double score);

// The protocol: one engine answering command lines; `search` is com_search outside tests.
// `go` answers at once whatever its arguments say, so `stop`, `ponderhit`, `usinewgame` and
// `gameover` have nothing to do. A `position` command with any fault is refused whole and the
// previous position stays (start_position() until one is accepted). The standard USI_ options
// are accepted and ignored. Every refused line is answered with `info string error: ...`.
class UsiEngine {
 public:
  UsiEngine(std::ostream& out, std::function<BestMove(Game&)> search);
  // Handles one input line; false once the line was `quit`.
  bool handle(std::string_view line);
  // Reads lines until `quit` or the end of the input. Lines longer than kMaxLine are refused.
  void run(std::istream& in);

  static constexpr std::size_t kMaxLine = 1 << 16;

 private:
  void say(std::string_view text);
  void error(std::string_view text);
  void setoption(std::string_view args);
  void go();

  std::ostream& out_;
  std::function<BestMove(Game&)> search_;
  Position position_ = start_position();
  int level_ = 3;
};
