// The USI conversation: one command a line, answers flushed line by line. Anything the engine
// cannot read is answered with an `info string error:` line and otherwise ignored.
#include <chrono>
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

}  // namespace

UsiEngine::UsiEngine(std::ostream& out, std::function<BestMove(Game&)> search)
    : out_(out), search_(std::move(search)) {}

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
    go();
  } else if (command == "quit") {
    return false;
  } else if (command != "usinewgame" && command != "stop" && command != "ponderhit" &&
             command != "gameover") {
    // Those four are known and need nothing: the search answers at once, so there is nothing
    // to stop, and a new game or the end of one needs nothing prepared.
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
  } else if (w[1].substr(0, 4) != "USI_") {
    // The USI_ options (hash size, pondering) are sent by every GUI and mean nothing here.
    error("unknown option '" + shown(w[1]) + "'");
  }
}

void UsiEngine::go() {
  const auto start = std::chrono::steady_clock::now();
  const BestMove best = decide(position_, level_, search_);
  const auto us = std::chrono::duration_cast<std::chrono::microseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  const long long nps = best.candidates * 1000000LL / (us > 0 ? us : 1);
  const std::string nodes = "info nodes " + std::to_string(best.candidates) + " time " +
                            std::to_string(us / 1000) + " nps " + std::to_string(nps);
  const UsiMove move = map_back(best, position_);
  // The engine never sends a move the GUI would have to refuse: if the search came back with
  // one the rules do not allow, the engine resigns and says why.
  const std::string why = best.found ? move_error(position_, move, true) : "";
  if (!best.found) {
    say("info string no legal move");
  } else if (!why.empty()) {
    error("the search chose a move the rules do not allow: " + why);
  } else {
    say("info string score " + exact_score(best.score));
  }
  say(nodes);
  say("bestmove " + (best.found && why.empty() ? to_usi(move) : std::string("resign")));
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
