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
Position start_position();           // this game's own start: 22 pieces, no pawns
Position standard_start_position();  // the standard start, which `position startpos` means
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

// Standard shogi, where it is stricter than the game's rules: no move that leaves or puts the
// mover's own king in check, and no mate by a pawn drop. For a move the game's move check
// allows: the board before it, the origin (a stand for a drop) and the code before the move.
bool standard_allows(const Ban& ban, int fx, int fy, int tx, int ty, int koma);
// The same on the search's board, as a filter of its candidates.
bool standard_filter(const Game& g, int fx, int fy, int tx, int ty, int koma);
// Why standard shogi forbids a move the game's rules allow in `p`; empty when it does not.
std::string standard_error(const Position& p, const UsiMove& m);
// Every move of the side to move that standard shogi allows.
std::vector<UsiMove> standard_moves(const Position& p);

// The board turned round with the sides swapped (as the display flip does), hands swapped and
// the other side to move.
Position turned(const Position& p);
// Sets the board and both hands with their totals, nothing else.
void put_position(Game& g, const Position& p);

// Which rules the engine plays by: standard shogi, where the computer plays its best move
// among those standard shogi allows, or the game's own, where it is exactly the game's computer.
enum class Rules { Standard, Mizuhane };
// The computer's search with a filter of its candidates: com_search outside tests.
using Search = std::function<BestMove(Game&, MoveFilter)>;

// The computer's search. Loads the position into a game object fresh from program start: the
// board, the hands with their totals and the side to move; the lower side to move is searched
// on the board turned round, with the sides swapped. Then surveys it once, as the game has done
// after the human's move by the time its computer starts thinking.
void load_for_search(Game& g, const Position& p);
// The search's answer as a move of the side to move in `p`.
UsiMove map_back(const BestMove& best, const Position& p);
// One complete decision: a fresh game object at `level`, the position loaded, the search run
// under `rules`.
BestMove decide(const Position& p, int level, Rules rules, const Search& search);
// A score written so that reading it back gives exactly the same double.
std::string exact_score(double score);
// The score of move `m` in `p` as USI writes it: "mate 1" when it takes the king, otherwise
// "cp" and ten times the computer's score rounded (its pawn is worth 10), which keeps the order
// of the scores.
std::string usi_score(const Position& p, const UsiMove& m, double score);

// The protocol: one engine answering command lines. The decision is made at once; after
// `go ponder` or `go infinite` its `bestmove` waits for `ponderhit` or `stop`. A `position`
// command with any fault is refused whole and the previous position stays (the standard start
// until one is accepted). The standard USI_ options are accepted and ignored. Every refused
// line is answered with `info string error: ...`.
class UsiEngine {
 public:
  UsiEngine(std::ostream& out, Search search);
  // Handles one input line; false once the line was `quit`.
  bool handle(std::string_view line);
  // Reads lines until `quit` or the end of the input. Lines longer than kMaxLine are refused.
  void run(std::istream& in);

  static constexpr std::size_t kMaxLine = 1 << 16;

 private:
  void say(std::string_view text);
  void error(std::string_view text);
  void setoption(std::string_view args);
  void go(std::string_view args);
  // Sends the `bestmove` held back for `stop` or `ponderhit`, if there is one.
  void release();

  std::ostream& out_;
  Search search_;
  Position position_ = standard_start_position();
  int level_ = 3;
  Rules rules_ = Rules::Standard;
  std::string held_;            // a `bestmove` line waiting for `stop` or `ponderhit`
  bool held_infinite_ = false;  // only `stop` releases it
};
