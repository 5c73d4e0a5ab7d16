// KIF書出 through the window's handlers: the write panel it opens, the file it writes beside the
// records, and each refusal, which leaves any file that was there as it was.
#include <functional>
#include <optional>

#include "settings/cp932.h"
#include "tests/kif/kif_fixture.h"
#include "tests/support/full_disk.h"

namespace {

using KifExport = KifTest;

// The first lines of a KIF in UTF-8, for checks that do not need the exact bytes.
std::string kif_head(const std::string& bytes) {
  const std::optional<std::string> text = cp932_to_utf8(bytes);
  return text ? text->substr(0, text->find("手数----")) : "not Shift_JIS";
}

TEST_F(KifExport, MenuEntryOpensTheWritePanelAndReturnWritesAKifFile) {
  play_short_game();
  port.clearLogs();
  KIF_EXPORT_Click(g);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{true, true, false}));
  EXPECT_TRUE(port.writePanel);
  EXPECT_TRUE(port.messages.empty());

  port.fields = {"対局", "練習", "先手太郎", "後手花子"};
  Command1_Click(g);
  EXPECT_TRUE(wrote());
  EXPECT_EQ(port.messages.size(), 1u);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, false, false}));
  EXPECT_FALSE(port.writePanel);
  EXPECT_EQ(port.fields, (std::array<std::string, 4>{}));
  EXPECT_EQ(folder_names(), std::set<std::string>{"対局.kif"});
  EXPECT_NE(
      kif_head(read_bytes(kif("対局"))).find("表題：練習\r\n先手：先手太郎\r\n後手：後手花子"),
      std::string::npos);
}

TEST_F(KifExport, RecordWritingAfterwardsStillWritesARecordFile) {
  play_short_game();
  export_kif("a");
  KIFU_WRITE_Click(g);
  port.fields = {"b", "", "", ""};
  Command1_Click(g);
  EXPECT_EQ(folder_names(), (std::set<std::string>{"a.kif", "b.棋譜"}));
}

TEST_F(KifExport, AHandicapGameIsExportedThoughRecordFilesRefuseIt) {
  LBEL_UP_Click(g);
  LBEL_UP_Click(g);  // the upper bishop and rook are off
  KIFU_WRITE_Click(g);
  EXPECT_TRUE(said("ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません", "棋譜書込"));
  START_Click(g);
  play(3, 9, 3, 8, 1, 2);
  export_kif("hande");
  EXPECT_TRUE(wrote());
  // The diagram shows the position the game started from, with the two pieces missing.
  EXPECT_NE(kif_head(read_bytes(kif("hande")))
                .find("|v香v桂v銀v金v玉v金v銀v桂v香|一\r\n"
                      "| ・ ・ ・ ・ ・ ・ ・ ・ ・|二\r\n"),
            std::string::npos);
}

TEST_F(KifExport, RefusedAfterTheBoardWasTurnedRound) {
  START_Click(g);
  play(3, 9, 3, 8, 1, 2);
  REVERSE_Click(g);
  port.clearLogs();
  KIF_EXPORT_Click(g);
  EXPECT_TRUE(said("反転後は書き込みできません", "棋譜書込"));
  EXPECT_FALSE(port.writePanel);
  EXPECT_EQ(port.chooser, (std::array<bool, 3>{false, false, false}));
}

TEST_F(KifExport, NothingToSaveAndNoNameAreRefused) {
  export_kif("empty");
  EXPECT_TRUE(said("保存するデータがありません", "棋譜保存"));
  START_Click(g);
  play(3, 9, 3, 8, 1, 2);
  REPLAY_Click(g);
  port.clearLogs();
  export_kif("back");
  EXPECT_TRUE(said("保存するデータがありません", "棋譜保存"));

  AFTER_Click(g);
  for (const std::string name : {"", " \u3000 "}) {
    port.clearLogs();
    export_kif(name);
    EXPECT_TRUE(said("ﾌｧｲﾙ名が入力されていません", "  "));
    EXPECT_EQ(port.messages.size(), 1u);
  }
  port.clearLogs();
  export_kif("emoji", "\U0001F600");
  EXPECT_TRUE(said("Shift_JISで書けない文字があります\r\U0001F600", "棋譜保存"));
  EXPECT_TRUE(folder_names().empty());
}

struct Unwritable {
  const char* what;
  std::string name;
  std::function<void()> prepare;
  const char* reason;  // part of the message
};

TEST_F(KifExport, TargetsThatCannotBeWrittenLeaveTheOldFileWhole) {
  const std::string OLD = "an older export\r\n";
  const Unwritable cases[] = {
      {"missing folder", "old", [this] { port.folder = records / "gone"; }, "見つかりません"},
      {"folder with the file's name", "dir",
       [this] { std::filesystem::create_directory(kif("dir")); }, "フォルダー"},
      {"separator in the name", "sub/old", [] {}, "使えません"},
      {"full disk", "old", [] {}, "書き込めません"},
  };
  for (const Unwritable& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& e : std::filesystem::directory_iterator(records))
      std::filesystem::remove_all(e.path());
    port.folder = records;
    write_bytes(kif("old"), OLD);
    CANCEL_Click(g);
    START_Click(g);
    play(3, 9, 3, 8, 1, 2);
    KIF_EXPORT_Click(g);
    c.prepare();
    const std::set<std::string> before = folder_names();
    port.clearLogs();
    port.fields = {c.name, "", "", ""};
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
    EXPECT_EQ(read_bytes(kif("old")), OLD);
    EXPECT_EQ(folder_names(), before);
    EXPECT_TRUE(port.writePanel);
  }
}

TEST_F(KifExport, AnExistingFileIsReplacedWhole) {
  write_bytes(kif("again"), std::string(100000, 'x'));
  START_Click(g);
  play(3, 9, 3, 8, 1, 2);
  export_kif("again");
  EXPECT_TRUE(wrote());
  const std::string bytes = read_bytes(kif("again"));
  EXPECT_EQ(bytes.substr(0, 9), "#KIF vers");
  EXPECT_EQ(bytes.find('x'), std::string::npos);
  EXPECT_EQ(folder_names(), std::set<std::string>{"again.kif"});
}

}  // namespace
