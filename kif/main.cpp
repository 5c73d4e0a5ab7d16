// mizuhane-kif: writes a record file of the game (*.棋譜) as KIF, the text record format that
// other shogi programs read. The record is read and replayed by the game's own reader, so a
// damaged file is refused with the message the game would show, and nothing is written.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "files/files.h"
#include "record/record.h"
#include "settings/cp932.h"

namespace {

const char* const USAGE = "使い方: mizuhane-kif 棋譜ﾌｧｲﾙ [-o 出力ﾌｧｲﾙ | -o -]\n";

struct Options {
  std::filesystem::path in;
  std::optional<std::string> out;  // "-" for standard output
};

// The arguments, or nothing when they do not make sense.
std::optional<Options> parse_args(int argc, char** argv) {
  Options o;
  bool haveIn = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc && !o.out) {
      o.out = argv[++i];
    } else if (!arg.empty() && arg[0] != '-' && !haveIn) {
      o.in = arg;
      haveIn = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveIn || (o.out && o.out->empty())) return std::nullopt;
  return o;
}

// A message of the game, whose lines are separated by "\r", on standard error.
int fail(std::string message) {
  for (char& c : message)
    if (c == '\r') c = '\n';
  std::cerr << "mizuhane-kif: " << message << '\n';
  return 1;
}

bool same_file(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  if (std::filesystem::equivalent(a, b, ec)) return true;
  return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

bool write_stdout(const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
         std::fflush(stdout) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "-h" || std::string(argv[1]) == "--help")) {
    std::cout << USAGE;
    return 0;
  }
  const std::optional<Options> o = parse_args(argc, argv);
  if (!o) {
    std::cerr << USAGE;
    return 2;
  }
  // 1. The record, read and checked whole as the game reads it.
  const KifuRecord r = read_record_file(o->in);
  if (!r.error.empty()) return fail(r.error);
  if (r.moves.empty()) return fail("棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません\r" + o->in.string());
  // 2. The KIF, from the game's own start.
  const std::optional<std::string> bytes = utf8_to_cp932(kif_text(r, initial_start_position()));
  if (!bytes) return fail("Shift_JISで書けない文字があります\r" + o->in.string());
  // 3. Out, beside the record unless told otherwise. An existing file is replaced only by a
  // complete one.
  if (o->out == "-") {
    if (!write_stdout(*bytes)) return fail("標準出力に書き込めません\r" + describe_error(errno));
    return 0;
  }
  std::filesystem::path out = o->out ? std::filesystem::path(*o->out) : o->in;
  if (!o->out) out.replace_extension(".kif");
  if (same_file(out, o->in)) return fail("入力と同じﾌｧｲﾙには書き出せません\r" + out.string());
  const std::string error = replace_file(out, *bytes);
  if (!error.empty()) return fail("棋譜ﾌｧｲﾙに書き込めません\r" + out.string() + "\r" + error);
  return 0;
}
