// Writing a record file through the write panel: the exact bytes, which moves are written, the
// refusals, and targets that cannot be written, which are never reported as written.

#include <algorithm>
#include <functional>

#include "tests/record/kifu_fixture.h"
#include "tests/support/full_disk.h"

namespace {

// Shift_JIS bytes of the names, written out by hand so the tests do not trust the game's own
// conversion.
const std::string SJ_MEIJINSEN = "\x96\xbc\x90\x6c\x90\xed";      // 名人戦
const std::string SJ_SENTE = "\x90\xe6\x8e\xe8\x91\xbe\x98\x59";  // 先手太郎
const std::string SJ_GOTE = "\x8c\xe3\x8e\xe8\x89\xd4\x8e\x71";   // 後手花子
const std::string SJ_COMPUTER = "\xba\xdd\xcb\xdf\xad\xb0\xc0";   // ｺﾝﾋﾟｭｰﾀ

using KifuWrite = KifuTest;

TEST_F(KifuWrite, WritesHeaderAndFixedColumnsInShiftJis) {
  START_Click(g);
  // A silver steps forward, then takes a pawn put in its way; the clocks show a fraction, four
  // and five digits, and one total too long for its five columns.
  手順保存(g, 7, 7, 7, 6, -GIN, -GIN, 0, 12.9f, 0, 0);
  g.BAN[7][5] = HU;
  手順保存(g, 7, 6, 7, 5, -GIN, -GIN, 12.9f, 1234.5f, 0, 12345.2f);
  手順保存(g, -1, 6, 4, 4, KAKU, KAKU, 1234.5f, 1234.5f, 12345.2f, 123456.f);
  port.clearLogs();

  save("test", "名人戦", "先手太郎", "後手花子");

  // The lower side moves first: the second player's name is the upper side's, on line 2.
  EXPECT_EQ(read_bytes(record("test")), SJ_MEIJINSEN + "\r\n" + SJ_GOTE + "\r\n" + SJ_SENTE +
                                            "\r\n"
                                            "7 776-100-1000   0    12   0    0    \r\n"
                                            "7 675-100-10010  12   1234 0    12345\r\n"
                                            "-1644800 800 0   1234 1234 1234599999\r\n");
  EXPECT_TRUE(wrote());
  EXPECT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, false, false}));
  EXPECT_FALSE(port.writePanel);
  EXPECT_EQ(port.fields, (std::array<std::string, 4>{}));
  EXPECT_EQ(port.fileListRefreshes, 1);
  EXPECT_EQ(folder_names(), std::set<std::string>{"test.棋譜"});
}

TEST_F(KifuWrite, UpperSideFirstPutsTheFirstPlayerOnLineTwo) {
  GOTE_Click(g);  // the computer opens
  ASSERT_EQ(g.KIFU_IDX, 1);
  save("com", "", "ｺﾝﾋﾟｭｰﾀ", "後手花子");

  const std::string bytes = read_bytes(record("com"));
  const std::string header = "\r\n" + SJ_COMPUTER + "\r\n" + SJ_GOTE + "\r\n";
  ASSERT_EQ(bytes.substr(0, header.size()), header);
  EXPECT_EQ(bytes.size(), header.size() + 37 + 2);
  EXPECT_TRUE(wrote());
}

TEST_F(KifuWrite, LineBreaksTypedIntoANameStayOnItsLine) {
  START_Click(g);
  move(8, 8, 8, 4);
  save("t", "a\r\nb\tc");
  EXPECT_EQ(read_bytes(record("t")).substr(0, 12), "a  b c\r\n\r\n\r\n");
}

TEST_F(KifuWrite, WritesOnlyTheMovesUpToTheCurrentPosition) {
  START_Click(g);
  move(8, 8, 8, 3);  // rook
  move(1, 1, 1, 2);  // lance
  move(8, 3, 5, 3);
  move(9, 1, 9, 2);
  REPLAY_Click(g);
  REPLAY_Click(g);
  ASSERT_EQ(g.KIFU_IDX, 2);
  ASSERT_EQ(g.KIFU_SU, 4);
  save("half");
  EXPECT_EQ(read_bytes(record("half")),
            "\r\n\r\n\r\n"
            "8 883-900-9000   0    0    0    0    \r\n"
            "1 11220  20  0   0    0    0    0    \r\n");

  REPLAY_Click(g);
  REPLAY_Click(g);
  port.clearLogs();
  save("none");
  EXPECT_TRUE(said("保存するデータがありません", "棋譜保存"));
  EXPECT_FALSE(wrote());
  EXPECT_FALSE(std::filesystem::exists(record("none")));
}

TEST_F(KifuWrite, MenuEntryShowsThePanelUnlessFlippedOrHandicapped) {
  KIFU_WRITE_Click(g);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{true, true, false}));
  EXPECT_TRUE(port.writePanel);

  STOP_Click(g);
  LBEL_UP_Click(g);  // a handicap
  port.clearLogs();
  KIFU_WRITE_Click(g);
  EXPECT_TRUE(said("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込"));
  EXPECT_FALSE(port.writePanel);

  CANCEL_Click(g);
  START_Click(g);
  REVERSE_Click(g);
  port.clearLogs();
  KIFU_WRITE_Click(g);
  EXPECT_TRUE(said("反転後は書き込みできません", "棋譜書込"));
  EXPECT_FALSE(port.writePanel);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, false, false}));
}

TEST_F(KifuWrite, NamesAreTrimmedAndEmptyNamesRefused) {
  START_Click(g);
  move(8, 8, 8, 4);
  for (const std::string name : {"", "   ", "\u3000 \u3000"}) {
    port.clearLogs();
    save(name);
    EXPECT_TRUE(said("ﾌｧｲﾙ名が入力されていません", "  ")) << name;
    EXPECT_EQ(port.messages.size(), 1u);
  }
  EXPECT_TRUE(folder_names().empty());

  save(" \u3000棋譜 1\u3000 ");
  EXPECT_TRUE(wrote());
  EXPECT_EQ(folder_names(), std::set<std::string>{"棋譜 1.棋譜"});
}

struct Unwritable {
  const char* what;
  std::string name;
  std::function<void()> prepare;
  const char* reason;  // part of the message
};

TEST_F(KifuWrite, TargetsThatCannotBeWrittenAreNeverReportedAsWritten) {
  const std::string OLD = "an older record\r\n";
  const Unwritable cases[] = {
      {"missing folder", "rec", [this] { port.folder = records / "gone"; }, "見つかりません"},
      {"folder is a file", "rec",
       [this] {
         write_bytes(records / "plain", "x");
         port.folder = records / "plain";
       },
       "見つかりません"},
      {"folder with the file's name", "rec",
       [this] { std::filesystem::create_directory(record("rec")); }, "フォルダー"},
      {"separator in the name", "sub/rec",
       [this] { std::filesystem::create_directory(records / "sub"); }, "使えません"},
      {"dot", ".", [] {}, "使えません"},
      {"dot dot", "..", [] {}, "使えません"},
      {"full disk", "old", [] {}, "書き込めません"},
  };
  for (const Unwritable& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& e : std::filesystem::directory_iterator(records))
      std::filesystem::remove_all(e.path());
    port.folder = records;
    write_bytes(record("old"), OLD);
    CANCEL_Click(g);
    START_Click(g);
    move(8, 8, 8, 4);
    KIFU_WRITE_Click(g);
    c.prepare();
    const std::set<std::string> before = folder_names();
    port.clearLogs();
    port.fields = {c.name, "title", "", ""};
    if (std::string(c.what) == "full disk") {
      const FileSizeLimit full;
      Command1_Click(g);
    } else {
      Command1_Click(g);
    }

    EXPECT_FALSE(wrote());
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.messages[0].title, "棋譜保存");
    EXPECT_EQ(port.messages[0].icon, Icon::Warning);
    EXPECT_NE(port.messages[0].text.find(c.reason), std::string::npos) << port.messages[0].text;
    EXPECT_EQ(read_bytes(record("old")), OLD);
    EXPECT_EQ(folder_names(), before);
    // The panel stays open with what was typed, to try another name or folder.
    EXPECT_TRUE(port.writePanel);
    EXPECT_EQ(port.fields[0], c.name);
  }
}

TEST_F(KifuWrite, ATitleShiftJisCannotHoldIsRefused) {
  START_Click(g);
  move(8, 8, 8, 4);
  save("emoji", "\U0001F600");
  EXPECT_FALSE(wrote());
  EXPECT_TRUE(said("Shift_JISで書けない文字があります\r\U0001F600", "棋譜保存"));
  EXPECT_FALSE(std::filesystem::exists(record("emoji")));
}

TEST_F(KifuWrite, AnExistingRecordIsReplacedWhole) {
  write_bytes(record("again"), std::string(5000, 'x'));
  START_Click(g);
  move(8, 8, 8, 4);
  save("again");
  EXPECT_TRUE(wrote());
  EXPECT_EQ(read_bytes(record("again")), "\r\n\r\n\r\n8 884-900-9000   0    0    0    0    \r\n");
  EXPECT_EQ(folder_names(), std::set<std::string>{"again.棋譜"});
}

}  // namespace

struct LongName {
  int kanji;         // three bytes each
  const char* tail;  // ASCII after them
  bool fits;         // within the 255 bytes a file name may have
};

TEST_F(KifuWrite, EveryNameTheFolderAcceptsIsWritten) {
  START_Click(g);
  move(8, 8, 8, 4);
  // File names of 249, 250 and 255 bytes with the extension, and one of 256.
  const LongName cases[] = {{80, "ab", true}, {81, "", true}, {82, "ab", true}, {82, "abc", false}};
  std::set<std::string> written;
  for (const LongName& c : cases) {
    std::string name;
    for (int i = 0; i < c.kanji; ++i) name += "棋";
    name += c.tail;
    SCOPED_TRACE(std::to_string(name.size() + std::string(".棋譜").size()) + " bytes");
    port.clearLogs();
    save(name);
    if (c.fits) {
      EXPECT_TRUE(wrote());
      EXPECT_EQ(read_bytes(record(name)), "\r\n\r\n\r\n8 884-900-9000   0    0    0    0    \r\n");
      written.insert(name + ".棋譜");
    } else {
      EXPECT_FALSE(wrote());
      ASSERT_EQ(port.messages.size(), 1u);
      const std::string& text = port.messages[0].text;
      const std::string reason = "\rファイル名またはパスが長すぎます。";
      EXPECT_EQ(text.substr(text.size() - std::min(text.size(), reason.size())), reason) << text;
    }
  }
  EXPECT_EQ(folder_names(), written);
}
