// Damaged, edited and foreign files in the file list: each is refused whole with the line and the
// reason, and leaves what was on the board before exactly as it was, never a half-loaded record.
// Files that only look different from what the game writes are still read.
#include <initializer_list>

#include "tests/record/kifu_fixture.h"

namespace {

// A record of four moves between two people: the lower bishop takes the upper one and promotes,
// an upper silver takes it back, each side drops its bishop (the upper stand's row written as
// the hand index, as the computer writes it).
const std::string HEAD = "title\r\nupper\r\nlower\r\n";
const std::string M1 = "2 882-801-800800 0    0    0    0    ";
const std::string M2 = "7 182100 100 -8010    0    0    0    ";
const std::string M3 = "11855-800-8000   0    0    0    0    ";
const std::string M4 = "-1644800 800 0   0    0    0    0    ";

// King moves to and fro, as many as asked.
std::string king_shuffle(int moves) {
  const std::string cycle[4] = {
      "5 958-950-9500   0    0    0    0    ", "5 152950 950 0   0    0    0    0    ",
      "5 859-950-9500   0    0    0    0    ", "5 251950 950 0   0    0    0    0    "};
  std::string out;
  for (int i = 0; i < moves; ++i) out += cycle[i % 4] + "\r\n";
  return out;
}

std::string lines(std::initializer_list<std::string> ls) {
  std::string out;
  for (const auto& l : ls) out += l + "\r\n";
  return out;
}

struct Damaged {
  const char* what;
  std::string bytes;
  int line;            // the line named in the message; 0 when none is
  const char* reason;  // part of the message
};

class KifuDamaged : public KifuTest {
 protected:
  // Loads a good record first, so a refusal has something to leave behind.
  void load_good_record_first() {
    write_bytes(record("good"), HEAD + lines({M1, M2, M3, M4}));
    load("good");
    ASSERT_EQ(g.KIFU_MODE, 1);
    ASSERT_EQ(g.KIFU_SU, 4);
  }
};

TEST_F(KifuDamaged, RefusedWholeWithLineAndReason) {
  const std::string CR_KING = "5 351-900-900950 0    0    0    0    ";
  const Damaged cases[] = {
      {"NUL in the title", std::string("ti\0tle", 6) + "\r\nupper\r\nlower\r\n" + lines({M1}), 1,
       "文字ではない"},
      {"binary junk", std::string("\x7f\x45\x4c\x46\x02\x01\x01\0\0\0", 10), 1, "文字ではない"},
      {"cut Shift_JIS character", "title\r\nup\x81\r\nlower\r\n" + lines({M1}), 2, "Shift_JIS"},
      {"byte Shift_JIS does not use", "title\r\nupper\r\nlo\xff\r\n", 3, "Shift_JIS"},
      {"control code in a move", HEAD + lines({M1.substr(0, 20) + "\x01" + M1.substr(21)}), 4,
       "文字ではない"},
      {"lone CR inside a move", HEAD + lines({M1.substr(0, 36) + "\r" + M1.substr(36)}), 4,
       "文字ではない"},
      {"letter in a code", HEAD + lines({"2 882-8x1-800800 0    0    0    0    "}), 4,
       "6-9桁目が数値ではありません"},
      {"minus alone", HEAD + lines({"2 882-   -800800 0    0    0    0    "}), 4,
       "6-9桁目が数値ではありません"},
      {"digits split by a blank", HEAD + lines({"2 882-801-800800 0    1 2  0    0    "}), 4,
       "23-27桁目が数値ではありません"},
      {"full-width digit", HEAD + lines({"\x82\x51" + M1.substr(2)}), 4, "数字以外"},
      {"junk past column 37", HEAD + lines({M1 + "  x"}), 4, "37文字を超えています"},
      {"blank line between moves", HEAD + lines({M1, "", M2}), 5, "空です"},
      {"origin column 0", HEAD + lines({"0 882-801-800800 0    0    0    0    "}), 4, "移動元"},
      {"origin column 10", HEAD + lines({"108" + M1.substr(3)}), 4, "移動元"},
      {"origin row 0", HEAD + lines({"2 082-801-800800 0    0    0    0    "}), 4, "移動元"},
      {"destination missing", HEAD + lines({"2 88"}), 4, "移動先"},
      {"destination row 0", HEAD + lines({"2 880-801-800800 0    0    0    0    "}), 4, "移動先"},
      {"reserved gold code", HEAD + lines({"2 882111 -800800 0    0    0    0    "}), 4,
       "駒の符号"},
      {"no piece code", HEAD + lines({"2 8825   -800800 0    0    0    0    "}), 4, "駒の符号"},
      {"empty square as the mover", HEAD + lines({"2 882-8010   800 0    0    0    0    "}), 4,
       "駒の符号"},
      {"placed piece changes side", HEAD + lines({"2 882801 -800800 0    0    0    0    "}), 4,
       "駒の符号"},
      {"captured code unknown", HEAD + lines({"2 882-801-800799 0    0    0    0    "}), 4,
       "駒の符号"},
      {"negative clock", HEAD + lines({"2 882-801-800800 -5   0    0    0    "}), 4, "時間"},
      {"no piece on the origin", HEAD + lines({"3 882-801-800800 0    0    0    0    "}), 4,
       "移動元にその駒がありません"},
      {"another piece on the origin", HEAD + lines({"2 882-801-900800 0    0    0    0    "}), 4,
       "移動元にその駒がありません"},
      {"capture the board does not have", HEAD + lines({"2 882-801-8000   0    0    0    0    "}),
       4, "取った駒"},
      {"rook jumping a piece", HEAD + lines({"8 881-900-90030  0    0    0    0    "}), 4,
       "動けません"},
      {"bishop moving like a rook", HEAD + lines({"2 824-800-8000   0    0    0    0    "}), 4,
       "動けません"},
      {"promotion outside the zone", HEAD + lines({"8 884-901-9000   0    0    0    0    "}), 4,
       "成れない"},
      {"promotion to the wrong code", HEAD + lines({"2 882-900-800800 0    0    0    0    "}), 4,
       "成れない"},
      {"lance left unpromoted on the last row", HEAD + lines({"1 911-20 -20 20  0    0    0    0"}),
       4, "成らなければならない"},
      {"same side twice", HEAD + lines({M1, "8 884-900-9000   0    0    0    0    "}), 5,
       "手番が交互"},
      {"drop with an empty hand", HEAD + lines({M3}), 4, "持ち駒にない"},
      {"drop from the wrong stand row", HEAD + lines({M1, M2, "11355-800-8000   0    0    0    0"}),
       6, "持ち駒にない"},
      {"drop of a promoted piece", HEAD + lines({M1, M2, "11855-801-8010   0    0    0    0"}), 6,
       "持ち駒にない"},
      {"drop onto a piece", HEAD + lines({M1, M2, "11881-800-80030  0    0    0    0"}), 6,
       "動けません"},
      {"move after the king is taken",
       HEAD +
           lines({"8 883-900-9000   0    0    0    0    ", "1 11220  20  0   0    0    0    0    ",
                  "8 353-900-9000   0    0    0    0    ", "9 19220  20  0   0    0    0    0    ",
                  CR_KING, "1 21320  20  0   0    0    0    0    "}),
       9, "玉が取られた後"},
      {"more moves than the list holds", HEAD + king_shuffle(KIFU_MAX + 1), 3 + KIFU_MAX + 1,
       "500手を超えています"},
      {"far too big", std::string(2 << 20, 'x'), 0, "大きすぎます"},
  };
  for (const Damaged& c : cases) {
    SCOPED_TRACE(c.what);
    load_good_record_first();
    AFTER_Click(g);
    write_bytes(record("bad"), c.bytes);
    const GameState before(g, port.timer);
    port.clearLogs();

    load("bad");

    ASSERT_EQ(port.messages.size(), 1u);
    const MessageCall& m = port.messages[0];
    EXPECT_EQ(m.title, "棋譜");
    EXPECT_EQ(m.icon, Icon::Warning);
    EXPECT_EQ(m.text.rfind("棋譜ﾌｧｲﾙが正しくありません\r" + record("bad").string() + "\r", 0), 0u)
        << m.text;
    if (c.line != 0) {
      EXPECT_NE(m.text.find("\r" + std::to_string(c.line) + "行目: "), std::string::npos) << m.text;
    }
    EXPECT_NE(m.text.find(c.reason), std::string::npos) << m.text;
    EXPECT_TRUE(GameState(g, port.timer) == before);
    EXPECT_TRUE(port.draws.empty()) << "nothing redrawn";
    for (const std::string& text : port.texts())
      EXPECT_TRUE(text != "title" && text != "upper" && text != "lower") << "printed " << text;
  }
}

TEST_F(KifuDamaged, FilesThatCannotBeReadAreReported) {
  std::filesystem::create_directory(record("folder"));
  for (const std::string name : {"missing", "folder"}) {
    SCOPED_TRACE(name);
    load_good_record_first();
    const GameState before(g, port.timer);
    port.clearLogs();
    load(name);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "棋譜");
    EXPECT_EQ(port.messages[0].text.rfind("棋譜ﾌｧｲﾙを読み込めません\r" + record(name).string(), 0),
              0u)
        << port.messages[0].text;
    EXPECT_TRUE(GameState(g, port.timer) == before);
  }
}

TEST_F(KifuDamaged, GameInProgressOutlivesARefusedFile) {
  std::filesystem::create_directory(record("folder"));
  write_bytes(record("bad"), HEAD + lines({M1.substr(0, 20) + "\x01" + M1.substr(21)}));
  for (const std::string name : {"bad", "missing", "folder"}) {
    SCOPED_TRACE(name);
    CANCEL_Click(g);
    SENTE_Click(g);
    port.now += 4;
    Timer1_Timer(g);
    move(7, 9, 7, 8);  // the computer answers each move
    port.now += 2;
    Timer1_Timer(g);
    move(3, 9, 3, 8);
    REPLAY_Click(g);
    REPLAY_Click(g);
    const GameState before(g, port.timer);
    ASSERT_EQ(g.KIFU_SU, 4);
    port.clearLogs();

    KIFU_READ_Click(g);
    load(name);

    EXPECT_TRUE(GameState(g, port.timer) == before);
    EXPECT_TRUE(port.draws.empty()) << "no splash, no repaint";
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].icon, Icon::Warning);
    EXPECT_EQ(port.messages[0].text.find(record(name).string()),
              port.messages[0].text.find('\r') + 1);
    // The game goes on from where it was.
    move(3, 9, 3, 8);
    EXPECT_EQ(g.TAIKYOKU_MODE, MODE_COM);
    EXPECT_EQ(g.TESUU, 4);
    EXPECT_EQ(g.KIFU_SU, 4);
    EXPECT_EQ(g.TEBAN, g.MAN_TEBAN);
  }
}

struct Readable {
  const char* what;
  std::string bytes;
  int moves;
};

TEST_F(KifuDamaged, VariationsOfTheWrittenFormAreRead) {
  const Readable cases[] = {
      {"LF line ends", "title\nupper\nlower\n" + M1 + "\n" + M2 + "\n", 2},
      {"no line end at the end", HEAD + M1 + "\r\n" + M2, 2},
      {"blanks past column 37", HEAD + lines({M1 + "     ", M2 + " "}), 2},
      {"blank lines after the moves", HEAD + lines({M1, M2, "", "   ", ""}), 2},
      {"clocks left off", HEAD + lines({"2 882-801-800800", "7 182100 100 -801"}), 2},
      {"numbers right-aligned", HEAD + lines({" 2882-801-800800    0    0    0    0"}), 1},
      {"upper stand row as clicked", HEAD + lines({M1, M2, M3, "-1244800 800 0"}), 4},
      {"a full list", HEAD + king_shuffle(KIFU_MAX), KIFU_MAX},
      {"header lines only, one short", "title\r\nupper", 0},
  };
  for (const Readable& c : cases) {
    SCOPED_TRACE(c.what);
    write_bytes(record("odd"), c.bytes);
    port.clearLogs();
    load("odd");
    EXPECT_EQ(g.KIFU_MODE, 1);
    EXPECT_EQ(g.KIFU_SU, c.moves);
    EXPECT_TRUE(said(c.moves ? " 読み込みました" : "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません", "棋譜"));
    for (int n = 0; n < c.moves; ++n) AFTER_Click(g);
    EXPECT_EQ(g.KIFU_IDX, c.moves);
  }
}

}  // namespace
