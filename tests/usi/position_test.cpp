// SFEN and USI moves: the fixed mapping to board codes, the game's rules applied to `moves`,
// and refusal of anything malformed.
#include <gtest/gtest.h>

#include <string>

#include "platform/null_port.h"
#include "rules/rules.h"
#include "usi/usi.h"

namespace {

constexpr const char* kStart = "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1";
constexpr const char* kStandard = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1";

Position sfen(const char* text) {
  const auto r = parse_sfen(text);
  EXPECT_TRUE(r.ok()) << text << ": " << r.error;
  return r.value;
}

// This game's own start, as a position command.
const std::string kOwn = std::string("sfen ") + kStart;

Position after(const std::string& command) {
  const auto r = parse_position_command(command);
  EXPECT_TRUE(r.ok()) << command << ": " << r.error;
  return r.value;
}

TEST(UsiPosition, StartposIsTheStandardStartAndTheGamesOwnIsAnSfen) {
  EXPECT_EQ(after("startpos"), sfen(kStandard));
  EXPECT_EQ(standard_start_position(), sfen(kStandard));
  EXPECT_EQ(after("startpos moves 7g7f").ban[3][6], -10);

  NullPort port;
  Game g(port);
  lay_out_initial_position(g);
  const Position p = start_position();
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(p.ban[x][y], g.BAN[x][y]) << x << "," << y;
  EXPECT_TRUE(p.lower_to_move);
  EXPECT_EQ(to_sfen(p), kStart);
  EXPECT_EQ(after(kOwn), p);
}

TEST(UsiPosition, LettersRowsAndFilesMapToFixedCodesAndSquares) {
  // Top row left to right: upper lance at x = 1 (file 9), then promoted pieces of both sides.
  const Position p = sfen("l+p+L+n+S+b+R1k/9/9/9/4p4/9/9/9/K3G4 w 2Pp 57");
  EXPECT_EQ(p.ban[1][1], 20);
  EXPECT_EQ(p.ban[2][1], 11);
  EXPECT_EQ(p.ban[3][1], -21);
  EXPECT_EQ(p.ban[4][1], 31);
  EXPECT_EQ(p.ban[5][1], -101);
  EXPECT_EQ(p.ban[6][1], 801);
  EXPECT_EQ(p.ban[7][1], -901);
  EXPECT_EQ(p.ban[8][1], 0);
  EXPECT_EQ(p.ban[9][1], 950);
  EXPECT_EQ(p.ban[5][5], 10);
  EXPECT_EQ(p.ban[1][9], -950);
  EXPECT_EQ(p.ban[5][9], -110);
  EXPECT_FALSE(p.lower_to_move);
  EXPECT_EQ(p.sita[1], 2);
  EXPECT_EQ(p.ue[1], 1);
  EXPECT_EQ(to_sfen(p, 57), "l+p+L+n+S+b+R1k/9/9/9/4p4/9/9/9/K3G4 w 2Pp 57");
}

TEST(UsiPosition, HandsAreWrittenRookFirstAndTheMoveNumberIsOptional) {
  const Position p = sfen("4k4/9/9/9/9/9/9/9/4K4 b b2pR3PSg");
  EXPECT_EQ(p.sita[7], 1);
  EXPECT_EQ(p.sita[4], 1);
  EXPECT_EQ(p.sita[1], 3);
  EXPECT_EQ(p.ue[6], 1);
  EXPECT_EQ(p.ue[5], 1);
  EXPECT_EQ(p.ue[1], 2);
  EXPECT_EQ(to_sfen(p), "4k4/9/9/9/9/9/9/9/4K4 b RS3Pbg2p 1");
  EXPECT_EQ(sfen(kStandard).ban[3][7], -10);
  EXPECT_EQ(to_sfen(sfen(kStandard)), kStandard);
}

TEST(UsiPosition, MalformedSfenIsRefusedWithAReason) {
  const char* bad[] = {
      "",
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1 b - 1",               // eight rows
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL/9 b - 1",   // ten rows
      "lnsgkgsnl/1r5b2/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1",     // ten squares in a row
      "lnsgkgsnl/1r5b/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1",      // eight squares in a row
      "lnsgkgsnl/1r5x1/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1",     // unknown letter
      "lnsg+kgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1",    // promoted king
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNS+GKGSNL b - 1",    // promoted gold
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSN+ b - 1",     // '+' on nothing
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL x - 1",     // side to move
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b",         // no hands
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b 3 1",     // count without a piece
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b 0P 1",    // zero count
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b K 1",     // king in hand
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b 19P 1",   // more pawns than a set holds
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b R 1",     // a third rook
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1 x",   // trailing junk
      "lnsg1gsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b - 1",     // no upper king
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKKSNL b - 1",     // two lower kings
      "lnsgkgsnl/1r5b1/9/9/9/9/9/1B5R1/LNSGKGSNL b \x01 1",  // junk in the hands
  };
  for (const char* text : bad) EXPECT_FALSE(parse_sfen(text).ok()) << text;
}

TEST(UsiPosition, MovesAreReadAndWrittenInUsiNotation) {
  struct Case {
    const char* text;
    UsiMove move;
  };
  const Case cases[] = {
      {"7g7f", {false, 0, 3, 7, 3, 6, false}}, {"7c7b+", {false, 0, 3, 3, 3, 2, true}},
      {"1a9i", {false, 0, 9, 1, 1, 9, false}}, {"P*5e", {true, 1, 0, 0, 5, 5, false}},
      {"R*9a", {true, 7, 0, 0, 1, 1, false}},
  };
  for (const auto& c : cases) {
    const auto r = parse_move(c.text);
    ASSERT_TRUE(r.ok()) << c.text << ": " << r.error;
    EXPECT_EQ(r.value, c.move) << c.text;
    EXPECT_EQ(to_usi(r.value), c.text);
  }
  for (const char* bad : {"", "7g", "7g7", "7g7f=", "0a1a", "7j7f", "K*5e", "p*5e", "P*5e+", "P*0e",
                          "7g7f++", "\xff\xfe\x01\x02"})
    EXPECT_FALSE(parse_move(bad).ok()) << bad;
}

TEST(UsiPosition, MovesArePlayedWithCapturesPromotionAndDrops) {
  const Position p = after(kOwn + " moves 2h2c 5a5b 2c2b+ 5b5a B*5e");
  EXPECT_EQ(p.ban[8][8], 0);
  EXPECT_EQ(p.ban[8][2], -901);  // the rook took the bishop and promoted
  EXPECT_EQ(p.ban[5][1], 950);
  EXPECT_EQ(p.ban[5][5], -800);  // the bishop came back from the hand
  EXPECT_EQ(p.sita[6], 0);
  EXPECT_FALSE(p.lower_to_move);
  // A promoted piece goes into the hand as its base kind.
  const Position q = after("sfen 4k4/9/9/9/8+R/9/9/9/4K3r w - 1 moves 1i1e");
  EXPECT_EQ(q.ue[7], 1);
  EXPECT_EQ(q.ban[9][5], 900);
  EXPECT_TRUE(q.lower_to_move);
  EXPECT_EQ(after("sfen 4k4/9/9/9/9/9/9/9/4K4 b - 1 moves"), sfen("4k4/9/9/9/9/9/9/9/4K4 b -"));
}

TEST(UsiPosition, MovesTheRulesRefuseMakeTheWholeCommandFail) {
  const std::string bad[] = {
      kOwn + " moves 7g7f",                                 // nothing on 7g
      kOwn + " moves 5a5b",                                 // the upper side is not to move
      kOwn + " moves 2h2a",                                 // blocked by the bishop
      kOwn + " moves B*5e",                                 // no bishop in hand
      kOwn + " moves 5i5h+",                                // a king never promotes
      kOwn + " moves 2h2c 5a5b 2h2b",                       // the rook left 2h
      kOwn + " moves 2h2c junk",                            // unreadable move
      "startpos moves 2h2c",                                // blocked by the pawn on 2g
      "startpos moves 7g7f 7g7f",                           // that pawn has left 7g
      "startpos 7g7f",                                      // 'moves' missing
      "sfen k8/4P4/9/9/9/9/9/9/4K4 b - 1 moves 5b5a",       // a pawn on the last row promotes
      "sfen 4k4/9/9/9/9/9/9/9/4R3K b - 1 moves 5i5a",       // a king is never taken
      "sfen 4k4/9/9/9/9/9/4P4/9/4K4 b P 1 moves P*5e",      // second pawn in a column
      "sfen 4k4/9/9/9/9/9/9/9/4K4 b P 1 moves P*1a",        // pawn drop on the last row
      "sfen 4k4/9/9/9/9/9/9/9/4K4 b G 1 moves G*5i",        // drop on an occupied square
      "sfen 4k4/9/9/9/9/9/9/9/4K4 b - 1 moves 5i5h moves",  // 'moves' twice
      "",
      "startfoo",
  };
  for (const auto& command : bad) {
    const auto r = parse_position_command(command);
    EXPECT_FALSE(r.ok()) << command;
    EXPECT_FALSE(r.error.empty()) << command;
  }
}

TEST(UsiPosition, TurningRoundSwapsSidesAndHands) {
  const Position p = after(kOwn + " moves 2h2c 5a5b 2c2b+");
  const Position t = turned(p);
  EXPECT_EQ(t.ban[2][8], 901);  // the lower dragon on (8,2) is now an upper one on (2,8)
  EXPECT_EQ(t.ban[5][8], -950);
  EXPECT_EQ(t.ue[6], 1);
  EXPECT_EQ(t.sita[6], 0);
  EXPECT_EQ(t.lower_to_move, !p.lower_to_move);
  EXPECT_EQ(turned(t), p);
}

TEST(UsiPosition, TheStandardStartHasThirtyMoves) {
  const auto moves = legal_moves(sfen(kStandard));
  EXPECT_EQ(moves.size(), 30u);
  for (const auto& m : moves) EXPECT_EQ(move_error(sfen(kStandard), m), "") << to_usi(m);
}

TEST(UsiPosition, LegalMovesOfferBothPromotionChoicesAndNoKingCapture) {
  // The lower rook may take the king (refused) or go to 5b and 5c, promoted or not.
  const auto moves = legal_moves(sfen("4k4/9/9/9/9/9/9/9/4R3K b - 1"));
  auto has = [&](const char* usi) {
    for (const auto& m : moves)
      if (to_usi(m) == usi) return true;
    return false;
  };
  EXPECT_TRUE(has("5i5b"));
  EXPECT_TRUE(has("5i5b+"));
  EXPECT_TRUE(has("5i5h"));
  EXPECT_FALSE(has("5i5h+"));
  EXPECT_FALSE(has("5i5a"));
  EXPECT_FALSE(has("5i5a+"));
  EXPECT_EQ(move_error(sfen("4k4/9/9/9/9/9/9/9/4R3K b - 1"), parse_move("5i5a").value, true), "");
}

}  // namespace
