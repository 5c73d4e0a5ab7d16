// The USI conversation: one command a line, answers flushed line by line. Anything the engine
// cannot read is answered with an `info string error:` line and otherwise ignored.
#include <istream>
#include <ostream>
#include <streambuf>
#include <utility>

#include "usi/usi.h"

namespace {

// The text after the first word of a line.
std::string_view after_first_word(std::string_view line, std::string_view first) {
  return line.substr(static_cast<std::size_t>(first.data() + first.size() - line.data()));
}

// USI speaks plain ASCII; control characters other than the tab and bytes above 0x7e are
// taken for junk on the line.
bool readable(std::string_view line) {
  for (const char c : line)
    if ((c < 0x20 && c != '\t') || static_cast<unsigned char>(c) > 0x7e) return false;
  return true;
}

// The words of `go` followed by a number.
bool takes_number(std::string_view w) {
  for (const char* k : {"btime", "wtime", "byoyomi", "binc", "winc", "movetime", "depth", "nodes"})
    if (w == k) return true;
  return false;
}

bool is_count(std::string_view w) {
  if (w.empty() || w.size() > 18) return false;
  for (const char c : w)
    if (c < '0' || c > '9') return false;
  return true;
}

}  // namespace

UsiEngine::UsiEngine(std::ostream& out, Search search) : out_(out), search_(std::move(search)) {}

void UsiEngine::say(std::string_view text) {
  out_ << text << '\n' << std::flush;
}

void UsiEngine::error(std::string_view text) {
  say("info string error: " + std::string(text));
}

bool UsiEngine::handle(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!readable(line)) {
    error("line with unreadable characters ignored");
    return true;
  }
  const auto w = words(line);
  if (w.empty()) return true;
  const std::string_view command = w[0];
  const std::string_view args = after_first_word(line, command);
  if (command == "usi") {
    say("id name Mizuhane");
    say("id author the Mizuhane developers");
    say("option name Level type spin default 3 min 1 max 3");
    say("option name Rules type combo default Standard var Standard var Mizuhane");
    say("usiok");
  } else if (command == "isready") {
    say("readyok");
  } else if (command == "setoption") {
    setoption(args);
  } else if (command == "position") {
    // A position with any fault is refused whole; the previous position stays.
    auto p = parse_position_command(args);
    if (p.ok())
      position_ = p.value;
    else
      error(p.error + "; the previous position is kept");
  } else if (command == "go") {
    go(args);
  } else if (command == "stop") {
    release();
  } else if (command == "ponderhit") {
    // The move pondered on was played: the decision already made stands. An infinite
    // analysis still waits for `stop`.
    if (!held_infinite_) release();
  } else if (command == "gameover") {
    // The game is over; a move held back for it is of no use to anyone.
    held_.clear();
  } else if (command == "quit") {
    return false;
  } else if (command != "usinewgame") {
    // A new game needs nothing prepared: every decision starts from a fresh game object.
    error("unknown command '" + shown(command) + "'");
  }
  return true;
}

void UsiEngine::setoption(std::string_view args) {
  const auto w = words(args);
  if (w.size() != 4 || w[0] != "name" || w[2] != "value") {
    error("setoption needs 'name <id> value <x>'");
    return;
  }
  if (w[1] == "Level") {
    if (w[3] == "1" || w[3] == "2" || w[3] == "3")
      level_ = w[3][0] - '0';
    else
      error("Level must be 1, 2 or 3, not '" + shown(w[3]) + "'");
  } else if (w[1] == "Rules") {
    if (w[3] == "Standard")
      rules_ = Rules::Standard;
    else if (w[3] == "Mizuhane")
      rules_ = Rules::Mizuhane;
    else
      error("Rules must be Standard or Mizuhane, not '" + shown(w[3]) + "'");
  } else if (w[1].substr(0, 4) != "USI_") {
    // The USI_ options (hash size, pondering) are sent by every GUI and mean nothing here.
    error("unknown option '" + shown(w[1]) + "'");
  }
}

void UsiEngine::go(std::string_view args) {
  // A GUI stops a held decision before it asks for the next; if it did not, the old answer
  // goes out first so that every `go` has its `bestmove`.
  release();
  const auto w = words(args);
  bool ponder = false, infinite = false;
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (w[i] == "ponder") {
      ponder = true;
    } else if (w[i] == "infinite") {
      infinite = true;
    } else if (w[i] == "mate") {
      // A mate search is a different question, with an answer of its own.
      say("checkmate notimplemented");
      return;
    } else if (takes_number(w[i])) {
      // Clocks and limits: the decision is immediate whatever they say.
      if (i + 1 == w.size())
        error("'go " + std::string(w[i]) + "' needs a number; ignored");
      else if (!is_count(w[++i]))
        error("'go " + std::string(w[i - 1]) + "' needs a number, not '" + shown(w[i]) +
              "'; ignored");
    } else {
      error("unknown word '" + shown(w[i]) + "' after go ignored");
    }
  }
  const BestMove best = decide(position_, level_, rules_, search_);
  const UsiMove move = map_back(best, position_);
  // The engine never sends a move the GUI would have to refuse: if the search came back with
  // one the rules do not allow, the engine resigns and says why.
  std::string why;
  if (best.found) why = move_error(position_, move, true);
  if (best.found && why.empty() && rules_ == Rules::Standard) why = standard_error(position_, move);
  const std::string nodes = "info depth 1 nodes " + std::to_string(best.candidates);
  std::string answer = "bestmove resign";
  if (!best.found) {
    say("info string no legal move");
    say(nodes + " score mate -1");
  } else if (!why.empty()) {
    error("the search chose a move the rules do not allow: " + why);
    say(nodes + " score mate -1");
  } else {
    const std::string text = to_usi(move);
    say("info string score " + exact_score(best.score));
    say(nodes + " score " + usi_score(position_, move, best.score) + " pv " + text);
    answer = "bestmove " + text;
  }
  if (ponder || infinite) {
    held_ = answer;
    held_infinite_ = infinite;
  } else {
    say(answer);
  }
}

void UsiEngine::release() {
  if (held_.empty()) return;
  say(held_);
  held_.clear();
  held_infinite_ = false;
}

void UsiEngine::run(std::istream& in) {
  std::streambuf& buf = *in.rdbuf();
  std::string line;
  for (;;) {
    line.clear();
    bool too_long = false;
    int c;
    while ((c = buf.sbumpc()) != std::char_traits<char>::eof() && c != '\n') {
      if (line.size() < kMaxLine)
        line.push_back(static_cast<char>(c));
      else
        too_long = true;
    }
    const bool at_end = c == std::char_traits<char>::eof();
    if (at_end && line.empty()) return;
    if (too_long)
      error("line longer than " + std::to_string(kMaxLine) + " characters ignored");
    else if (!handle(line))
      return;
    if (at_end || !out_) return;
  }
}
