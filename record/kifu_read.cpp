// Loading a record file for replay: the file chooser, the header texts under and over the board,
// and the move list filled from a file that was checked whole first.
#include <cstdint>
#include <system_error>

#include "files/files.h"
#include "game/control.h"
#include "record/record.h"
#include "screen/screen.h"

namespace {

const std::string READ_TITLE = "棋譜";
// Far more than any record; a bigger file is refused before it is read into memory.
constexpr std::uintmax_t READ_MAX = 1 << 20;

void say(Game& g, const std::string& text, Icon icon = Icon::None) {
  g.port.messageBox(text, READ_TITLE, Buttons::Ok, icon);
}

// Number of characters (not bytes) of a UTF-8 text.
std::size_t characters(const std::string& text) {
  std::size_t n = 0;
  for (const unsigned char c : text) n += (c & 0xC0) != 0x80;
  return n;
}

void print(Game& g, double x, double y, const std::string& text, int colour) {
  if (!text.empty()) g.port.drawText(x, y, text, 12, colour, g.FONT_BOLD);
}

void fill_move_list(Game& g, const std::vector<KifuMove>& moves) {
  int n = 0;
  for (const KifuMove& m : moves) {
    ++n;
    g.KIFU_MOTO_X[n] = static_cast<int16_t>(m.motoX);
    g.KIFU_MOTO_Y[n] = static_cast<int16_t>(m.motoY);
    g.KIFU_SAKI_X[n] = static_cast<int16_t>(m.sakiX);
    g.KIFU_SAKI_Y[n] = static_cast<int16_t>(m.sakiY);
    g.KIFU_NARIGO[n] = static_cast<int16_t>(m.narigo);
    g.KIFU_KOMA[n] = static_cast<int16_t>(m.koma);
    g.KIFU_TORI[n] = static_cast<int16_t>(m.tori);
    g.KIFU_SITA_MAE[n] = static_cast<float>(m.sitaMae);
    g.KIFU_SITA_ATO[n] = static_cast<float>(m.sitaAto);
    g.KIFU_UE_MAE[n] = static_cast<float>(m.ueMae);
    g.KIFU_UE_ATO[n] = static_cast<float>(m.ueAto);
  }
}

}  // namespace

KifuRecord read_record_file(const std::filesystem::path& file) {
  KifuRecord r;
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (!ec && size > READ_MAX) {
    r.error = "棋譜ﾌｧｲﾙが正しくありません\r" + file.string() + "\rﾌｧｲﾙが大きすぎます";
    return r;
  }
  const FileBytes read = read_whole_file(file);
  if (!read.error.empty()) {
    r.error = "棋譜ﾌｧｲﾙを読み込めません\r" + file.string() + "\r" + read.error;
    return r;
  }
  r = parse_record(
      std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()));
  if (!r.error.empty()) r.error = "棋譜ﾌｧｲﾙが正しくありません\r" + file.string() + "\r" + r.error;
  return r;
}

void KIFU_READ_Click(Game& g) {
  描画_可視(g, true, true, true);
  描画_棋譜_IO(g, 1);
}

void Drive1_Change(Game& g, bool ready) {
  if (!ready) g.port.messageBox("ﾃﾞﾊﾞｲｽが準備できていません", "ｴﾗｰ", Buttons::Ok, Icon::None);
}

void Dir1_Change(Game& g) {
  g.port.refreshFileList();
}

double 取得_棋譜のX座標(const Game& g, const std::string& text) {
  const double length = static_cast<double>(characters(text));
  return g.BAN_X0 + ((13 - length) / 5 + 3) * g.MASU_W;
}

void File1_Click(Game& g, const std::filesystem::path& file) {
  // 1, 2. The whole file is read and checked before anything of it is used, so a file that cannot
  // be used leaves the game in progress exactly as it was. A good one starts a fresh game in
  // record mode.
  描画_可視(g, false, false, false);
  const KifuRecord r = read_record_file(file);
  if (!r.error.empty()) {
    say(g, r.error, Icon::Warning);
    return;
  }
  初期設定(g);
  g.KIFU_MODE = 1;
  // 3-5. Title under the board, the upper player at the top, the lower player under the board.
  g.KIFU_TITLE = r.title;
  print(g, 取得_棋譜のX座標(g, r.title) - 3000, 6350, r.title, IRO_AKA);
  print(g, 取得_棋譜のX座標(g, r.upper), 100, r.upper, IRO_SHIRO);
  print(g, 取得_棋譜のX座標(g, r.lower), 6350, r.lower, IRO_SHIRO);
  // 6, 7. The moves, ready to be stepped through from the start.
  fill_move_list(g, r.moves);
  g.KIFU_IDX = 0;
  g.TESUU = 0;
  g.KIFU_SU = static_cast<int16_t>(r.moves.size());
  // 8, 9. Report, and let the side that made the first move start.
  if (r.moves.empty()) {
    say(g, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません");
    return;
  }
  say(g, " 読み込みました");
  say(g, "棋譜を '進 'で進めて下さい");
  if (g.KIFU_KOMA[1] >= 10) {
    g.TAIKYOKU_MODE = MODE_COM;
    g.TEBAN_SENTE = g.COM_TEBAN;
    g.TEBAN_GOTE = g.MAN_TEBAN;
  } else {
    g.TAIKYOKU_MODE = MODE_MAN;
    g.TEBAN_SENTE = g.MAN_TEBAN;
    g.TEBAN_GOTE = g.COM_TEBAN;
  }
  g.TEBAN = g.TEBAN_SENTE;
}
