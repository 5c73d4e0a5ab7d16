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

// Program-start state of the tables the loading must leave alone, compared field by field.
bool tables_as_at_start(const Game& g) {
  NullPort port;
  const Game fresh(port);
  const auto same = [](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  return same(g.SITA_OU_X, fresh.SITA_OU_X) && same(g.SITA_OU_Y, fresh.SITA_OU_Y) &&
         same(g.UE_OU_X, fresh.UE_OU_X) && same(g.UE_OU_Y, fresh.UE_OU_Y) &&
         same(g.SITA_NIFU, fresh.SITA_NIFU) && same(g.UE_NIFU, fresh.UE_NIFU) &&
         same(g.SITA_SEIRYOKU, fresh.SITA_SEIRYOKU) && same(g.UE_SEIRYOKU, fresh.UE_SEIRYOKU) &&
         same(g.UE_HIMO_X, fresh.UE_HIMO_X) && same(g.UE_NERAI_X, fresh.UE_NERAI_X) &&
         same(g.SITA_NIGEMICHI, fresh.SITA_NIGEMICHI) && same(g.SITA_KUGI, fresh.SITA_KUGI) &&
         same(g.UE_KUGI_ARI, fresh.UE_KUGI_ARI) && same(g.BAN0, fresh.BAN0) &&
         same(g.SAIKOU_TEN, fresh.SAIKOU_TEN) && same(g.MAN_TEBAN, fresh.MAN_TEBAN) &&
         same(g.COM_TEBAN, fresh.COM_TEBAN) && same(g.TESUU, fresh.TESUU) &&
         same(g.OU_TORI, fresh.OU_TORI) && same(g.KIFU_SU, fresh.KIFU_SU);
}

struct UsiEngineTest : ::testing::Test {
  std::ostringstream out;
  int searches = 0;
  Position seen;  // the board and hands the search was handed
  int seen_level = 0;
  int seen_totals[2]{};
  bool seen_upper_to_move = false;
  bool seen_fresh = false;
  BestMove answer;
  UsiEngine engine{out, [this](Game& g) {
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
                     seen_fresh = tables_as_at_start(g);
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

TEST_F(UsiEngineTest, HandshakeNamesTheEngineAndItsLevelOption) {
  EXPECT_EQ(send("usi\nisready\nusinewgame\n"),
            "id name Mizuhane\n"
            "id author the Mizuhane developers\n"
            "option name Level type spin default 3 min 1 max 3\n"
            "usiok\n"
            "readyok\n");
}

TEST_F(UsiEngineTest, UpperSideToMoveIsSearchedAsItStandsFromFreshTables) {
  const char* sfen = "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL w 2P 1";
  answer = board_move(2, 2, 2, 7, 900, 901);
  const std::string reply =
      send(std::string("position sfen ") + sfen + "\ngo btime 0 byoyomi 1000\n");
  EXPECT_EQ(searches, 1);
  EXPECT_EQ(seen, parse_sfen(sfen).value);
  EXPECT_EQ(seen_totals[0], 2);
  EXPECT_EQ(seen_totals[1], 0);
  EXPECT_TRUE(seen_upper_to_move);
  EXPECT_TRUE(seen_fresh);
  EXPECT_EQ(seen_level, 3);
  EXPECT_TRUE(std::regex_match(reply, std::regex("info string score -12\\.375\n"
                                                 "info nodes 42 time [0-9]+ nps [0-9]+\n"
                                                 "bestmove 8b8g\\+\n")))
      << reply;
}

TEST_F(UsiEngineTest, LowerSideToMoveIsSearchedTurnedRoundAndTheMoveTurnedBack) {
  // The lower side holds a bishop; the search sees it as the upper side's and answers with a
  // drop of it on (4,3) of the turned board, which is (6,7), square 4g, for the lower side.
  send("position startpos moves 2h2c 5a5b 2c2b+ 5b5a\n");
  const Position p = parse_position_command("startpos moves 2h2c 5a5b 2c2b+ 5b5a").value;
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
  EXPECT_TRUE(send("go infinite\n").ends_with("bestmove 2b2a\n"));
}

TEST_F(UsiEngineTest, LevelOptionReachesTheSearchAndBadValuesAreRefused) {
  answer = board_move(5, 9, 5, 8, -950, -950);  // not the upper side's: refused by the check
  send("setoption name Level value 1\ngo\n");
  EXPECT_EQ(seen_level, 1);
  const std::string reply = send(
      "setoption name Level value 0\nsetoption name Level value 4\nsetoption name Level value x\n"
      "setoption name Level value 2.5\nsetoption name Level\nsetoption name Hash value 1\n"
      "setoption name USI_Hash value 256\ngo\n");
  EXPECT_EQ(seen_level, 1);
  std::istringstream lines(reply);
  std::string line;
  int errors = 0;
  while (std::getline(lines, line)) errors += line.starts_with("info string error: ");
  EXPECT_EQ(errors, 7) << reply;  // six bad options and the refused move
  send("setoption name Level value 2\ngo\n");
  EXPECT_EQ(seen_level, 2);
}

TEST_F(UsiEngineTest, NoCandidateAtAllResigns) {
  answer = BestMove{};
  const std::string reply = send("go\n");
  EXPECT_TRUE(std::regex_match(reply, std::regex("info string no legal move\n"
                                                 "info nodes 0 time [0-9]+ nps 0\n"
                                                 "bestmove resign\n")))
      << reply;
}

TEST_F(UsiEngineTest, AMoveTheRulesRefuseIsNeverSent) {
  const BestMove wrong[] = {
      board_move(5, 5, 5, 6, 950, 950),         // nothing on (5,5)
      board_move(2, 2, 2, 1, 900, 900),         // onto its own knight
      board_move(0, 0, 5, 5, 0, 0),             // off the board
      board_move(UE_STAND_X, 9, 5, 5, 10, 10),  // no such hand kind
      board_move(UE_STAND_X, 1, 5, 5, 10, 10),  // empty hand
  };
  send("position sfen lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL w - 1\n");
  for (const auto& b : wrong) {
    answer = b;
    const std::string reply = send("go\n");
    EXPECT_TRUE(reply.starts_with("info string error: ")) << reply;
    EXPECT_TRUE(reply.ends_with("bestmove resign\n")) << reply;
  }
}

TEST_F(UsiEngineTest, MalformedLinesAreAnsweredAndIgnored) {
  send("position sfen 4k4/9/9/9/9/9/9/9/4K4 w - 1\n");
  const std::string bad[] = {
      "hello",
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
