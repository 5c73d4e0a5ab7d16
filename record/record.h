// The move list and stepping through it, record files and their chooser, and the move notation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/files.h"
#include "rules/game.h"

// Move list and history.
void 手順保存(Game& g, int fx, int fy, int tx, int ty, int koma, int narigo, float sitaMae,
              float sitaAto, float ueMae, float ueAto);
void AFTER_Click(Game& g);    // 進
void REPLAY_Click(Game& g);   // 戻
void CANCEL_Click(Game& g);   // 最初
void REVERSE_Click(Game& g);  // 反転

// Record files.
void KIFU_WRITE_Click(Game& g);           // 書込
void Command1_Click(Game& g);             // RETURN of the write panel
void KIFU_READ_Click(Game& g);            // 読込
void KIF_EXPORT_Click(Game& g);           // KIF書出: the write panel, for a KIF file
void Drive1_Change(Game& g, bool ready);  // the drive list changed; ready = false: not ready
void Dir1_Change(Game& g);                // the file list follows the chosen folder
void File1_Click(Game& g, const std::filesystem::path& file);     // load a record
double 取得_棋譜のX座標(const Game& g, const std::string& text);  // text in UTF-8

// The kept game: the game so far in 前回の対局.棋譜 beside the settings file, for the next run.
std::filesystem::path kept_game_file(const Game& g);
// After each move (Flush::ToSystem: the player should not wait for the disk) and at shut-down
// (Flush::ToDisk), when a record can hold the game.
void keep_game(Game& g, Flush flush);
void offer_kept_game(Game& g);  // 前回の対局 enabled exactly when the file is there
void KIFU_Click(Game& g);       // opening the 棋譜 menu
void KIFU_LAST_Click(Game& g);  // 前回の対局: read the kept game as 読込 reads a chosen file

// One move line of a record file: a move list entry with its clocks in whole seconds.
struct KifuMove {
  int motoX = 0, motoY = 0, sakiX = 0, sakiY = 0;
  int narigo = 0, koma = 0, tori = 0;
  int sitaMae = 0, sitaAto = 0, ueMae = 0, ueAto = 0;
  bool operator==(const KifuMove&) const = default;
};

// A record file checked from end to end before any of it is used: the three header lines in
// UTF-8 and the moves, or in `error` the line and the reason it was refused.
struct KifuRecord {
  std::string title, upper, lower;
  std::vector<KifuMove> moves;
  std::string error;
};

// An open record file: its bytes and where the next line starts.
struct KifuFile {
  std::string_view bytes;
  std::size_t next = 0;
};

// 1 with the next line (without its CR LF, still in Shift_JIS) in text; 0 at the end, text kept.
int 読込_棋譜ファイル(KifuFile& file, std::string& text);
// Reads the bytes of a record file and replays every move from the initial position.
KifuRecord parse_record(std::string_view bytes);
// What 書込 writes: the title, the upper and the lower player's names (UTF-8) and the moves
// 1..KIFU_IDX, in Shift_JIS with CR LF; nothing when a text has a character Shift_JIS lacks.
std::optional<std::string> record_bytes(const Game& g, const std::string& title,
                                        const std::string& upper, const std::string& lower);
// The 37 fixed columns of a move line, without the line end.
std::string format_move_line(const KifuMove& m);
// A clock as the whole seconds its five columns can hold (0..99999).
int clock_field(float seconds);
// A record file read and checked whole; when it cannot be used, `error` holds the message the
// player is shown (lines separated by "\r") and there are no moves.
KifuRecord read_record_file(const std::filesystem::path& file);

// KIF export. A position a game starts from: the board indexed [x][y] like BAN, and both hands
// by index 1..7.
struct StartPosition {
  int16_t ban[10][10]{};
  int16_t sita[8]{};
  int16_t ue[8]{};
};
StartPosition initial_start_position();      // this game's own start, 22 pieces, no pawns
StartPosition start_of_game(const Game& g);  // the live position with its moves taken back
// The KIF text of a record in UTF-8 with CR LF line ends: header, diagram, moves and the end.
std::string kif_text(const KifuRecord& r, const StartPosition& start);

// Move notation beside the stands.
std::string 文字列変換(int value);
void 描画_移動駒種類(Game& g, double X, double Y, const std::string& text, int colour);
void 描画_移動結果(Game& g, int side, int x, int y, int code, int colour);
void 消去_移動結果(Game& g, int side);
