// The built mizuhane-usi program, spoken to through pipes as a shogi GUI would.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <string>

#include "com/com.h"
#include "usi/usi.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(20);

// One running engine with its input and output pipes. Reads give up after kTimeout, so a
// silent engine fails the test instead of hanging it.
class Engine {
 public:
  Engine() {
    // An engine that died must fail the test, not kill it with a broken pipe.
    signal(SIGPIPE, SIG_IGN);
    int in[2], out[2];
    EXPECT_EQ(pipe(in), 0);
    EXPECT_EQ(pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* argv[] = {const_cast<char*>(MIZUHANE_USI_PATH), nullptr};
    EXPECT_EQ(posix_spawn(&pid_, MIZUHANE_USI_PATH, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    to_ = in[1];
    from_ = out[0];
  }
  ~Engine() {
    if (to_ >= 0) close(to_);
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(from_);
  }

  void send(const std::string& text) {
    ASSERT_EQ(write(to_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  }
  void close_input() {
    close(to_);
    to_ = -1;
  }

  // The next line, or "<timeout>" / "<eof>".
  std::string line() {
    const auto deadline = Clock::now() + kTimeout;
    for (;;) {
      if (const auto nl = buffer_.find('\n'); nl != std::string::npos) {
        std::string l = buffer_.substr(0, nl);
        buffer_.erase(0, nl + 1);
        return l;
      }
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      pollfd p{from_, POLLIN, 0};
      if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) return "<timeout>";
      char chunk[4096];
      const ssize_t n = read(from_, chunk, sizeof chunk);
      if (n <= 0) return "<eof>";
      buffer_.append(chunk, static_cast<std::size_t>(n));
    }
  }
  // Lines up to and including the first that starts with `prefix`.
  std::vector<std::string> until(const std::string& prefix) {
    std::vector<std::string> lines;
    do lines.push_back(line());
    while (!lines.back().starts_with(prefix) && lines.back() != "<timeout>" &&
           lines.back() != "<eof>");
    return lines;
  }

  // The exit status once the program has ended, or -1 if it is still running at the deadline.
  int exit_status() {
    const auto deadline = Clock::now() + kTimeout;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
      if (Clock::now() > deadline) return -1;
      usleep(10000);
    }
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

 private:
  pid_t pid_ = -1;
  int to_ = -1, from_ = -1;
  bool exited_ = false;
  std::string buffer_;
};

// A move as a regular expression that matches just that text ('*' and '+' are special).
std::string literal(const std::string& move) {
  std::string out;
  for (const char c : move) {
    if (c == '*' || c == '+') out += '\\';
    out += c;
  }
  return out;
}

// Asks for a move and checks the answer's shape; returns the bestmove word.
std::string go(Engine& e) {
  e.send("go byoyomi 1000\n");
  const auto lines = e.until("bestmove ");
  EXPECT_GE(lines.size(), 3u);
  if (lines.size() < 3) return "<none>";
  const std::string best = lines.back().substr(9);
  const bool resign = best == "resign";
  const std::string first = resign ? "info string no legal move" : "info string score \\S+";
  const std::string info =
      "info depth 1 nodes [0-9]+ score " +
      (resign ? std::string("mate -1") : "(cp -?[0-9]+|mate 1) pv " + literal(best));
  EXPECT_TRUE(std::regex_match(lines[lines.size() - 3], std::regex(first)))
      << lines[lines.size() - 3];
  EXPECT_TRUE(std::regex_match(lines[lines.size() - 2], std::regex(info)))
      << lines[lines.size() - 2];
  return best;
}

TEST(UsiPipe, HandshakeAndQuit) {
  Engine e;
  e.send("usi\n");
  const auto lines = e.until("usiok");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], "id name Mizuhane");
  EXPECT_TRUE(lines[1].starts_with("id author "));
  EXPECT_EQ(lines[2], "option name Level type spin default 3 min 1 max 3");
  EXPECT_EQ(lines[3], "option name Rules type combo default Standard var Standard var Mizuhane");
  e.send("isready\n");
  EXPECT_EQ(e.line(), "readyok");
  e.send("quit\n");
  EXPECT_EQ(e.exit_status(), 0);
}

TEST(UsiPipe, AnswersAreTheComputersOwnChoiceUnderEitherRules) {
  const char* positions[] = {
      "startpos",
      "startpos moves 7g7f 3c3d",
      "sfen lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1 moves 2h2c 8b8g 2c2b+",
      "sfen lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1",
      "sfen l6nl/5+P1gk/2np1S3/p1p4Pp/3P2Sp1/1PPb2P1P/P5GS1/R8/LN4bKL w RGgsn5p 1",
      "sfen l6nl/5+P1gk/2np1S3/p1p4Pp/3P2Sp1/1PPb2P1P/P5GS1/R8/LN4bKL b RGgsn5p 1",
  };
  Engine e;
  for (const Rules rules : {Rules::Standard, Rules::Mizuhane}) {
    const bool standard = rules == Rules::Standard;
    e.send(std::string("setoption name Rules value ") + (standard ? "Standard" : "Mizuhane") +
           "\n");
    for (const int level : {1, 2, 3}) {
      e.send("setoption name Level value " + std::to_string(level) + "\n");
      for (const char* command : positions) {
        const auto p = parse_position_command(command);
        ASSERT_TRUE(p.ok()) << command << ": " << p.error;
        e.send(std::string("position ") + command + "\n");
        const std::string answer = go(e);
        const BestMove best = decide(p.value, level, rules, com_search);
        ASSERT_TRUE(best.found) << command;
        EXPECT_EQ(answer, to_usi(map_back(best, p.value))) << level << ": " << command;
        const auto move = parse_move(answer);
        ASSERT_TRUE(move.ok()) << answer;
        EXPECT_EQ(move_error(p.value, move.value, true), "") << answer << " after " << command;
        if (standard) {
          EXPECT_EQ(standard_error(p.value, move.value), "") << answer;
        }
      }
    }
  }
  e.close_input();
  EXPECT_EQ(e.exit_status(), 0);
}

TEST(UsiPipe, ASideWithNothingToPlayResigns) {
  // The upper king is boxed in by its own pawns, and every pawn is blocked by the next one or
  // stands on the last row: no move and no drop at all.
  const Position boxed = parse_sfen("kp7/pp7/pp7/pp7/pp7/pp7/pp7/pp7/pp6K w - 1").value;
  ASSERT_TRUE(legal_moves(boxed).empty());
  Engine e;
  for (const Position& p : {boxed, turned(boxed)}) {
    e.send("position sfen " + to_sfen(p) + "\n");
    EXPECT_EQ(go(e), "resign") << to_sfen(p);
  }
}

TEST(UsiPipe, MalformedInputIsAnsweredAndTheEngineCarriesOn) {
  const std::string bad[] = {
      "bogus command",
      "position sfen 9/9/9 b - 1",
      "position startpos moves 7g7e",
      "setoption name Level value 7",
      std::string("\x00\x01\x02\xff\xc3\x28", 6),
      std::string(100000, 'p'),
  };
  Engine e;
  for (const auto& line : bad) {
    e.send(line + "\n");
    EXPECT_TRUE(e.line().starts_with("info string error: ")) << line.substr(0, 40);
    e.send("isready\n");
    EXPECT_EQ(e.line(), "readyok");
  }
  e.send("position startpos moves 2g2f\n");
  const std::string answer = go(e);
  EXPECT_EQ(move_error(parse_position_command("startpos moves 2g2f").value,
                       parse_move(answer).value, true),
            "")
      << answer;
  e.send("quit\n");
  EXPECT_EQ(e.exit_status(), 0);
}

}  // namespace
