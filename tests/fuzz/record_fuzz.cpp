// Arbitrary bytes as a record file. The reader must never crash, a record it accepts must come
// back move for move when its moves are written out again and read once more, and it must
// convert to KIF with one line per move.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "record/record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const KifuRecord r = parse_record(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!r.error.empty()) {
    if (!r.moves.empty()) std::abort();  // a refused file hands over nothing
    return 0;
  }
  std::string again = "\r\n\r\n\r\n";
  for (const KifuMove& m : r.moves) {
    const std::string line = format_move_line(m);
    if (line.size() != 37) std::abort();
    again += line + "\r\n";
  }
  const KifuRecord back = parse_record(again);
  if (!back.error.empty() || back.moves != r.moves) std::abort();
  static const StartPosition start = initial_start_position();
  const std::string kif = kif_text(r, start);
  std::string last = std::to_string(r.moves.size()) + " ";
  last = "\r\n" + std::string(last.size() < 5 ? 5 - last.size() : 0, ' ') + last;
  if (!r.moves.empty() && kif.find(last) == std::string::npos) std::abort();
  return 0;
}
