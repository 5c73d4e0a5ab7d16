// The USI conversation against a stand-in search: what the search is handed, how its answer
// is written, and how bad input is answered.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <regex>
#include <sstream>

#include "platform/null_port.h"
#include "usi/usi.h"

namespace {

// The state the engine must hand the search: a game object fresh from program start with the
// position put on it and surveyed once, nothing else. Compared field by field.
bool as_loaded_and_surveyed(const Game& g) {
  NullPort port;
  Game fresh(port);
  fresh.COM_LEVEL = g.COM_LEVEL;
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) fresh.BAN[x][y] = g.BAN[x][y];
  for (int i = 1; i <= 7; ++i) {
    fresh.SITA_MOCHI[i] = g.SITA_MOCHI[i];
    fresh.UE_MOCHI[i] = g.UE_MOCHI[i];
  }
  fresh.SITA_MOCHI_SU = g.SITA_MOCHI_SU;
  fresh.UE_MOCHI_SU = g.UE_MOCHI_SU;
  fresh.TEBAN = fresh.COM_TEBAN;
  勢力調査(fresh);
  const auto same = [](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  return same(g.SITA_OU_X, fresh.SITA_OU_X) && same(g.SITA_OU_Y, fresh.SITA_OU_Y) &&
         same(g.UE_OU_X, fresh.UE_OU_X) && same(g.UE_OU_Y, fresh.UE_OU_Y) &&
         same(g.SITA_NIFU, fresh.SITA_NIFU) && same(g.UE_NIFU, fresh.UE_NIFU) &&
         same(g.SITA_SEIRYOKU, fresh.SITA_SEIRYOKU) && same(g.UE_SEIRYOKU, fresh.UE_SEIRYOKU) &&
         same(g.UE_HIMO_X, fresh.UE_HIMO_X) && same(g.UE_NERAI_X, fresh.UE_NERAI_X) &&
         same(g.SITA_OUTE, fresh.SITA_OUTE) && same(g.UE_OUTE, fresh.UE_OUTE) &&
         same(g.SITA_NIGEMICHI, fresh.SITA_NIGEMICHI) && same(g.SITA_KUGI, fresh.SITA_KUGI) &&
         same(g.UE_KUGI_ARI, fresh.UE_KUGI_ARI) && same(g.BAN0, fresh.BAN0) &&
         same(g.SAIKOU_TEN, fresh.SAIKOU_TEN) && same(g.MOTO_OU_KYORI, fresh.MOTO_OU_KYORI) &&
         same(g.MAN_TEBAN, fresh.MAN_TEBAN) && same(g.COM_TEBAN, fresh.COM_TEBAN) &&
         same(g.TESUU, fresh.TESUU) && same(g.OU_TORI, fresh.OU_TORI) &&
         same(g.KIFU_SU, fresh.KIFU_SU);
}

struct UsiEngineTest : ::testing::Test {
  std::ostringstream out;
  int searches = 0;
  Position seen;  // the board and hands the search was handed
  int seen_level = 0;
  int seen_totals[2]{};
  bool seen_upper_to_move = false;
  bool seen_fresh = false;
  MoveFilter seen_filter = nullptr;
  BestMove answer;
  UsiEngine engine{out, [this](Game& g, MoveFilter filter) {
                     ++searches;
                     for (int x = 1; x <= 9; ++x)
                       for (int y = 1; y <= 9; ++y) seen.ban[x][y] = g.BAN[x][y];
                     for (int i = 1; i <= 7; ++i) seen.sita[i] = g.SITA_MOCHI[i];
                     for (int i = 1; i <= 7; ++i) seen.ue[i] = g.UE_MOCHI[i];
                     seen_totals[0] = g.SITA_MOCHI_SU;
                     seen_totals[1] = g.UE_MOCHI_SU;
                     seen.lower_to_move = false;
                     seen_level = g.COM_LEVEL;
                     seen_upper_to_move = g.TEBAN == g.COM_TEBAN;
                     seen_fresh = as_loaded_and_surveyed(g);
                     seen_filter = filter;
                     return answer;
                   }};

  // Sends the lines and returns what came back since the last call.
  std::string send(const std::string& lines) {
    std::istringstream in(lines);
    engine.run(in);
    std::string s = out.str();
    out.str("");
    return s;
  }
};

BestMove board_move(int fx, int fy, int tx, int ty, int koma, int placed) {
  BestMove b;
  b.fx = fx, b.fy = fy, b.tx = tx, b.ty = ty, b.koma = koma, b.placed = placed;
  b.found = true;
  b.score = -12.375;
  b.candidates = 42;
  return b;
}

// The lines of a reply.
std::vector<std::string> lines_of(const std::string& reply) {
  std::vector<std::string> out;
  std::istringstream in(reply);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

constexpr const char* kOwnStart = "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL";

TEST_F(UsiEngineTest, HandshakeNamesTheEngineAndItsOptions) {
  EXPECT_EQ(send("usi\nisready\nusinewgame\n"),
            "id name Mizuhane\n"
            "id author the Mizuhane developers\n"
            "option name Level type spin default 3 min 1 max 3\n"
            "option name Rules type combo default Standard var Standard var Mizuhane\n"
            "usiok\n"
            "readyok\n");
}

TEST_F(UsiEngineTest, UpperSideToMoveIsSearchedAsItStandsAfterOneSurvey) {
  const std::string sfen = std::string(kOwnStart) + " w 2P 1";
  answer = board_move(2, 2, 2, 7, 900, 901);
  const std::string reply = send("position sfen " + sfen + "\ngo btime 0 byoyomi 1000\n");
  EXPECT_EQ(searches, 1);
  EXPECT_EQ(seen, parse_sfen(sfen).value);
  EXPECT_EQ(seen_totals[0], 2);
  EXPECT_EQ(seen_totals[1], 0);
  EXPECT_TRUE(seen_upper_to_move);
  EXPECT_TRUE(seen_fresh);
  EXPECT_EQ(seen_level, 3);
  EXPECT_EQ(reply,
            "info string score -12.375\n"
            "info depth 1 nodes 42 score cp -124 pv 8b8g+\n"
            "bestmove 8b8g+\n");
}

TEST_F(UsiEngineTest, LowerSideToMoveIsSearchedTurnedRoundAndTheMoveTurnedBack) {
  // The lower side holds a bishop; the search sees it as the upper side's and answers with a
  // drop of it on (4,3) of the turned board, which is (6,7), square 4g, for the lower side.
  const std::string command =
      std::string("sfen ") + kOwnStart + " b - 1 moves 2h2c 5a5b 2c2b+ 5b5a";
  send("position " + command + "\n");
  const Position p = parse_position_command(command).value;
  ASSERT_TRUE(p.lower_to_move);
  answer = board_move(UE_STAND_X, 6, 4, 3, 800, 800);
  EXPECT_TRUE(send("go\n").ends_with("bestmove B*4g\n"));
  EXPECT_EQ(seen, turned(p));
  EXPECT_EQ(seen_totals[1], 1);
  EXPECT_EQ(seen_totals[0], 0);
  EXPECT_TRUE(seen_upper_to_move);
  EXPECT_TRUE(seen_fresh);

  // A board move of the turned dragon on (2,8) back to (2,9): (8,2) to (8,1) for the lower side.
  answer = board_move(2, 8, 2, 9, 901, 901);
  EXPECT_TRUE(send("go\n").ends_with("bestmove 2b2a\n"));
}

TEST_F(UsiEngineTest, RulesOptionChoosesTheFilterOfTheSearch) {
  answer = BestMove{};
  send("go\n");
  EXPECT_EQ(seen_filter, &standard_filter) << "standard shogi by default";
  send("setoption name Rules value Mizuhane\ngo\n");
  EXPECT_EQ(seen_filter, nullptr) << "the game's own rules: nothing filtered";
  for (const char* bad : {"standard", "Shogi", ""}) {
    const std::string reply = send("setoption name Rules value " + std::string(bad) + "\ngo\n");
    EXPECT_TRUE(reply.starts_with("info string error: ")) << bad;
    EXPECT_EQ(seen_filter, nullptr) << bad;
  }
  send("setoption name Rules value Standard\ngo\n");
  EXPECT_EQ(seen_filter, &standard_filter);
}

TEST_F(UsiEngineTest, LevelOptionReachesTheSearchAndBadValuesAreRefused) {
  answer = board_move(5, 9, 5, 8, -950, -950);  // not the upper side's: refused by the check
  send("setoption name Level value 1\ngo\n");
  EXPECT_EQ(seen_level, 1);
  const std::string reply = send(
      "setoption name Level value 0\nsetoption name Level value 4\nsetoption name Level value x\n"
      "setoption name Level value 2.5\nsetoption name Level\nsetoption name Hash value 1\n"
      "setoption name USI_Hash value 256\nsetoption name USI_Ponder value true\ngo\n");
  EXPECT_EQ(seen_level, 1);
  int errors = 0;
  for (const auto& line : lines_of(reply)) errors += line.starts_with("info string error: ");
  EXPECT_EQ(errors, 7) << reply;  // six bad options and the refused move
  send("setoption name Level value 2\ngo\n");
  EXPECT_EQ(seen_level, 2);
}

TEST_F(UsiEngineTest, NoCandidateAtAllResigns) {
  answer = BestMove{};
  EXPECT_EQ(send("go\n"),
            "info string no legal move\n"
            "info depth 1 nodes 0 score mate -1\n"
            "bestmove resign\n");
}

TEST_F(UsiEngineTest, ScoresGoOutAsCentipawnsInOrderAndTakingTheKingAsMate) {
  // The upper rook on 8b faces the lower king on 8i down an open file.
  send("position sfen 4k4/1r7/9/9/9/9/9/9/1K7 w - 1\n");
  struct Case {
    double score;
    const char* cp;
  };
  const Case cases[] = {{-9998, "cp -99980"}, {-116.39999999999995, "cp -1164"},
                        {-0.04, "cp 0"},      {0.05, "cp 1"},
                        {10, "cp 100"},       {9998, "cp 99980"}};
  for (const auto& c : cases) {
    answer = board_move(2, 2, 2, 5, 900, 900);
    answer.score = c.score;
    EXPECT_EQ(lines_of(send("go\n"))[1],
              "info depth 1 nodes 42 score " + std::string(c.cp) + " pv 8b8e");
  }
  answer = board_move(2, 2, 2, 9, 900, 900);
  answer.score = 9999;
  EXPECT_EQ(lines_of(send("go\n"))[1], "info depth 1 nodes 42 score mate 1 pv 8b8i");
}

TEST_F(UsiEngineTest, PonderAndInfiniteHoldTheBestMoveUntilTheGuiReleasesIt) {
  send("position sfen 4k4/1r7/9/9/9/9/9/9/1K7 w - 1\n");
  answer = board_move(2, 2, 2, 5, 900, 900);
  const std::string info =
      "info string score -12.375\ninfo depth 1 nodes 42 score cp -124 pv 8b8e\n";
  // Pondering: the decision's lines at once, its move on `ponderhit` or `stop`.
  EXPECT_EQ(send("go ponder btime 1000 wtime 1000 byoyomi 1000\n"), info);
  EXPECT_EQ(send("ponderhit\n"), "bestmove 8b8e\n");
  EXPECT_EQ(send("ponderhit\nstop\n"), "") << "nothing left to release";
  EXPECT_EQ(send("go ponder\nisready\nstop\n"), info + "readyok\nbestmove 8b8e\n");
  // Analysis: only `stop` ends it.
  EXPECT_EQ(send("go infinite\nponderhit\nisready\n"), info + "readyok\n");
  EXPECT_EQ(send("stop\nstop\n"), "bestmove 8b8e\n");
  // A `go` while one is held answers the held one first; the end of the game drops it.
  EXPECT_EQ(send("go infinite\ngo\n"), info + "bestmove 8b8e\n" + info + "bestmove 8b8e\n");
  EXPECT_EQ(send("go ponder\ngameover lose\nstop\n"), info);
  EXPECT_EQ(searches, 6);
}

TEST_F(UsiEngineTest, GoReadsClocksAndLimitsAndStillAnswersBadOnes) {
  answer = BestMove{};
  const std::string resign =
      "info string no legal move\ninfo depth 1 nodes 0 score mate -1\nbestmove resign\n";
  EXPECT_EQ(send("go btime 60000 wtime 60000 byoyomi 1000\n"
                 "go btime 1 wtime 2 binc 3 winc 4\ngo movetime 5 depth 6 nodes 7\n"),
            resign + resign + resign);
  const auto reply = lines_of(send("go byoyomi\ngo btime x wtime 1000\ngo fast\n"));
  ASSERT_EQ(reply.size(), 12u);
  for (const int i : {0, 4, 8}) EXPECT_TRUE(reply[i].starts_with("info string error: "));
  for (const int i : {3, 7, 11}) EXPECT_EQ(reply[i], "bestmove resign");
  EXPECT_EQ(send("go mate 1000\n"), "checkmate notimplemented\n");
  EXPECT_EQ(searches, 6);
}

TEST_F(UsiEngineTest, AMoveTheRulesRefuseIsNeverSent) {
  const BestMove wrong[] = {
      board_move(5, 5, 5, 6, 950, 950),         // nothing on (5,5)
      board_move(2, 2, 2, 1, 900, 900),         // onto its own knight
      board_move(0, 0, 5, 5, 0, 0),             // off the board
      board_move(UE_STAND_X, 9, 5, 5, 10, 10),  // no such hand kind
      board_move(UE_STAND_X, 1, 5, 5, 10, 10),  // empty hand
  };
  send(std::string("position sfen ") + kOwnStart + " w - 1\n");
  for (const auto& b : wrong) {
    answer = b;
    const std::string reply = send("go\n");
    EXPECT_TRUE(reply.starts_with("info string error: ")) << reply;
    EXPECT_TRUE(reply.ends_with("info depth 1 nodes 42 score mate -1\nbestmove resign\n")) << reply;
  }
}

TEST_F(UsiEngineTest, UnderStandardRulesAMoveIntoCheckIsNeverSent) {
  // The upper gold on 5b shields its king from the lower rook; moving it aside is the game's
  // move but not standard shogi's. Under the game's own rules it goes out.
  send("position sfen 4k4/4g4/9/9/9/9/9/9/K3R4 w - 1\n");
  answer = board_move(5, 2, 4, 2, 110, 110);
  const std::string reply = send("go\n");
  EXPECT_TRUE(reply.starts_with("info string error: ")) << reply;
  EXPECT_TRUE(reply.ends_with("bestmove resign\n")) << reply;
  EXPECT_TRUE(send("setoption name Rules value Mizuhane\ngo\n").ends_with("bestmove 5b6b\n"));
}

TEST_F(UsiEngineTest, MalformedLinesAreAnsweredAndIgnored) {
  send("position sfen 4k4/9/9/9/9/9/9/9/4K4 w - 1\n");
  const std::string bad[] = {
      "hello",
      "ponder",
      "position",
      "position sfen",
      "position sfen xyz b - 1",
      "position startpos moves 2h2a",
      "position startpos moves 2h2c 2h2c",
      "setoption",
      "setoption name Level value 99999999999999999999",
      std::string("go\0", 3),
      "\x01\x02\xff\xfe",
      "position startpos\x80",
      "\xe6\x8c\x87\xe3\x81\x97",  // Japanese for "move"
  };
  for (const auto& line : bad) {
    const std::string reply = send(line + "\n");
    EXPECT_TRUE(reply.starts_with("info string error: ")) << line;
    EXPECT_EQ(std::count(reply.begin(), reply.end(), '\n'), 1) << reply;
    for (const char c : reply) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << reply;
  }
  // The position before the refused commands is still the one searched.
  answer = BestMove{};
  send("isready\ngo\n");
  EXPECT_EQ(seen, parse_sfen("4k4/9/9/9/9/9/9/9/4K4 w - 1").value);
  EXPECT_EQ(send("\n   \r\nstop\nponderhit\ngameover win\nisready\r\n"), "readyok\n");
}

TEST_F(UsiEngineTest, OverlongLinesAreRefusedAndReadingGoesOn) {
  const std::string longer(UsiEngine::kMaxLine + 10, 'x');
  const std::string reply = send(longer + "\nisready\n");
  EXPECT_EQ(reply, "info string error: line longer than 65536 characters ignored\nreadyok\n");
  // A long but legal position command is read in full.
  std::string moves = "position startpos moves";
  for (int i = 0; i < 250; ++i) moves += " 5i5h 5a5b 5h5i 5b5a";
  EXPECT_EQ(send(moves + "\nisready\n"), "readyok\n");
}

TEST_F(UsiEngineTest, QuitEndsTheConversationAndTheLastLineNeedsNoNewline) {
  EXPECT_EQ(send("isready\nquit\nisready\n"), "readyok\n");
  EXPECT_FALSE(engine.handle("quit"));
  EXPECT_EQ(send("isready"), "readyok\n");
}

}  // namespace
