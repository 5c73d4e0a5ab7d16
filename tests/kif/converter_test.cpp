// The converter run as a program, as a player runs it: the KIF beside the record, on a named
// file or on standard output, and damaged records refused with the game's own reader's message,
// an exit status that says so and no output at all.
#include <sys/wait.h>

#include "tests/kif/kif_fixture.h"

namespace {

const std::filesystem::path DATA = KIF_DATA;

struct Outcome {
  int status;
  std::string out, err;
};

// Paths of the tests hold no single quote, so quoting them for the shell is simple.
std::string quoted(const std::filesystem::path& p) {
  return "'" + p.string() + "'";
}

// The reader's message as the converter prints it: its lines one under the other.
std::string printed(std::string message) {
  for (char& c : message)
    if (c == '\r') c = '\n';
  return "mizuhane-kif: " + message + "\n";
}

class Converter : public KifTest {
 protected:
  Outcome run(const std::string& args) {
    const std::filesystem::path out = dir.path() / "stdout", err = dir.path() / "stderr";
    const std::string command =
        quoted(MIZUHANE_KIF_PATH) + " " + args + " >" + quoted(out) + " 2>" + quoted(err);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, read_bytes(out), read_bytes(err)};
  }
  std::filesystem::path copy_short(const std::string& name) {
    const std::filesystem::path in = records / name;
    std::filesystem::copy_file(DATA / "short.棋譜", in);
    return in;
  }
};

TEST_F(Converter, WritesTheKifBesideTheRecord) {
  const std::filesystem::path in = copy_short("対局.棋譜");
  const Outcome r = run(quoted(in));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out + r.err, "");
  EXPECT_EQ(read_bytes(records / "対局.kif"), read_bytes(DATA / "short.kif"));
  EXPECT_EQ(folder_names(), (std::set<std::string>{"対局.棋譜", "対局.kif"}));
}

TEST_F(Converter, WritesANamedFileOrStandardOutput) {
  const std::filesystem::path in = copy_short("a.棋譜");
  write_bytes(records / "named.kif", "an older export");
  Outcome r = run(quoted(in) + " -o " + quoted(records / "named.kif"));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(read_bytes(records / "named.kif"), read_bytes(DATA / "short.kif"));

  r = run("-o - " + quoted(in));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, read_bytes(DATA / "short.kif"));
  EXPECT_EQ(folder_names(), (std::set<std::string>{"a.棋譜", "named.kif"}));
}

struct Damaged {
  const char* what;
  std::string bytes;  // the record's contents; empty: no file at all
  bool folder;        // the record's name is a folder
};

const std::string HEADER = "\r\n\r\n\r\n";

TEST_F(Converter, DamagedRecordsAreRefusedWithTheReadersMessageAndNoOutput) {
  const Damaged cases[] = {
      {"no such file", "", false},
      {"a folder", "", true},
      {"letters in a column", HEADER + "7 77x-100-1000   0    0    0    0    \r\n", false},
      {"a piece that is not there", HEADER + "5 555-100-1000   0    0    0    0    \r\n", false},
      {"binary data", std::string("\x00\x01\x02\xff\r\n", 6) + "abc", false},
      {"far too big", std::string(3 << 20, ' '), false},
  };
  write_bytes(records / "kept.kif", "an older export");
  for (const Damaged& c : cases) {
    SCOPED_TRACE(c.what);
    const std::filesystem::path in = records / "bad.棋譜";
    std::filesystem::remove_all(in);
    if (c.folder) std::filesystem::create_directory(in);
    if (!c.bytes.empty()) write_bytes(in, c.bytes);
    const KifuRecord read = read_record_file(in);
    ASSERT_FALSE(read.error.empty());

    Outcome r = run(quoted(in));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, printed(read.error));
    EXPECT_FALSE(std::filesystem::exists(records / "bad.kif"));
    r = run(quoted(in) + " -o " + quoted(records / "kept.kif"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(read_bytes(records / "kept.kif"), "an older export");
    r = run(quoted(in) + " -o -");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
  }
}

TEST_F(Converter, ARecordWithoutMovesIsRefused) {
  const std::filesystem::path in = records / "empty.棋譜";
  write_bytes(in, "title\r\nupper\r\nlower\r\n");
  const Outcome r = run(quoted(in));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, printed("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません\r" + in.string()));
  EXPECT_EQ(folder_names(), std::set<std::string>{"empty.棋譜"});
}

TEST_F(Converter, NeverWritesOverItsInputOrIntoAMissingFolder) {
  const std::filesystem::path in = copy_short("game.kif");
  Outcome r = run(quoted(in));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("入力と同じﾌｧｲﾙには書き出せません"), std::string::npos) << r.err;
  EXPECT_EQ(read_bytes(in), read_bytes(DATA / "short.棋譜"));

  r = run(quoted(in) + " -o " + quoted(records / "gone" / "x.kif"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("棋譜ﾌｧｲﾙに書き込めません"), std::string::npos) << r.err;
  EXPECT_EQ(folder_names(), std::set<std::string>{"game.kif"});
}

TEST_F(Converter, ArgumentsThatMakeNoSenseShowHowToUseIt) {
  const std::filesystem::path in = copy_short("a.棋譜");
  const std::string usages[] = {"", "-o", "-x " + quoted(in), quoted(in) + " " + quoted(in),
                                quoted(in) + " -o ''"};
  for (const std::string& args : usages) {
    SCOPED_TRACE(args);
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind("使い方: mizuhane-kif", 0), 0u) << r.err;
  }
  EXPECT_EQ(folder_names(), std::set<std::string>{"a.棋譜"});
  const Outcome help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("使い方: mizuhane-kif", 0), 0u);
}

}  // namespace
